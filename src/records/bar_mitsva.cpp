#include "records/bar_mitsva.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "events/readings/bar_mitsva.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace orvane::records
{

engine::DateHebraique date_bar_mitsva(const engine::DateHebraique& naissance, Sexe sexe)
{
    const int cible = naissance.annee + (sexe == Sexe::garcon ? 13 : 12);
    const bool naissance_embolismique = engine::annee_hebr_embolismique(naissance.annee);
    const bool cible_embolismique = engine::annee_hebr_embolismique(cible);
    int mois = naissance.mois;
    if (!cible_embolismique && (mois == 6 || mois == 7)) {
        mois = 6; // a common year has one Adar
    } else if (cible_embolismique && mois == 6 && !naissance_embolismique) {
        mois = 7; // born in the only Adar: the Adar next to Nissan
    }
    if (naissance.jour > engine::longueur_mois_hebreu(cible, mois)) {
        const engine::MoisHebreu suivant = engine::mois_suivant({cible, mois});
        return {suivant.annee, suivant.mois, 1};
    }
    return {cible, mois, naissance.jour};
}

BarMitsva calcule_bar_mitsva(const engine::DateHebraique& naissance, Sexe sexe, bool diaspora)
{
    engine::CalendarEngine e;
    e.convertit_hebreu_civil(naissance.annee, naissance.mois, naissance.jour);
    const events::BarMitsva p = events::paracha_bar_mitsva(e, sexe == Sexe::fille, diaspora);
    BarMitsva b;
    b.date = jour_de_l_hebreu({p.annee_hebr, p.mois_hebr, p.jour_hebr});
    b.chabbat = jour_de_l_hebreu({p.chabbat_annee_hebr, p.chabbat_mois_hebr, p.chabbat_jour_hebr});
    b.paracha = p.paracha;
    b.titre = p.titre;
    b.ligne_date = p.ligne_date;
    b.ligne_chabbat = p.texte_chabbat;
    return b;
}

std::optional<Sexe> sexe_de_la_civilite(std::string_view civilite)
{
    static constexpr std::array<std::string_view, 4> garcons = {"M", "M.", "Mr", "Rav"};
    static constexpr std::array<std::string_view, 2> filles = {"Mme", "Mle"};
    const std::string c = platform::trim(civilite);
    if (std::find(garcons.begin(), garcons.end(), c) != garcons.end()) {
        return Sexe::garcon;
    }
    if (std::find(filles.begin(), filles.end(), c) != filles.end()) {
        return Sexe::fille;
    }
    return std::nullopt;
}

} // namespace orvane::records
