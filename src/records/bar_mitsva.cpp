#include "records/bar_mitsva.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/festivals/day_labels.h"
#include "events/readings/parachiot.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace orvane::records
{

namespace
{

// A label without its padding: the "*" removed, the "-" and blanks that
// fill it to its column cut off ("Pessa'h--------" → "Pessa'h"); hyphens
// inside a name stay ("Lekh-Lekha").
std::string sans_bourrage(std::string_view libelle)
{
    std::string texte(libelle);
    texte.erase(std::remove(texte.begin(), texte.end(), '*'), texte.end());
    while (!texte.empty() && (texte.back() == '-' || texte.back() == ' ')) {
        texte.pop_back();
    }
    return platform::trim(texte);
}

std::string ligne_du_jour(const JourComplet& j)
{
    const auto& c = j.civile;
    const auto& h = j.hebraique;
    return "   " + std::string(engine::jours_semaine[static_cast<std::size_t>(j.jour_semaine)]) +
           " " + std::to_string(c.jour) + " " +
           std::string(engine::mois_civils[static_cast<std::size_t>(c.mois)]) + " " +
           std::to_string(c.annee) + " = " + std::to_string(h.jour) + " " +
           nom_mois_de_l_annee(h.annee, h.mois) + " " + std::to_string(h.annee);
}

} // namespace

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

std::string lecture_du_chabbat(const JourComplet& chabbat, bool diaspora)
{
    engine::CalendarEngine e;
    e.convertit_hebreu_civil(chabbat.hebraique.annee, chabbat.hebraique.mois,
                             chabbat.hebraique.jour);
    events::LibellesDuJour l = events::libelles_du_jour(e, diaspora);
    events::paracha_du_jour(e, diaspora, l);
    std::string texte;
    for (const std::string& partie : {l.nom_jour, l.nom_fete, l.libelle_paracha}) {
        const std::string mot = sans_bourrage(partie);
        if (!mot.empty()) {
            texte += texte.empty() ? mot : " " + mot;
        }
    }
    const std::string special = events::nom_chabbat_special(l);
    if (!special.empty() && texte.find(special) == std::string::npos) {
        texte += " - Chabbat " + special;
    }
    return texte;
}

BarMitsva calcule_bar_mitsva(const engine::DateHebraique& naissance, Sexe sexe, bool diaspora)
{
    BarMitsva b;
    b.date = jour_de_l_hebreu(date_bar_mitsva(naissance, sexe));
    b.chabbat = chabbat_suivant(b.date);
    b.paracha = lecture_du_chabbat(b.chabbat, diaspora);
    const bool garcon = sexe == Sexe::garcon;
    b.titre = garcon ? "Paracha de Bar-Mitsva" : "Paracha de Bat-Mitsva";
    b.ligne_date = ligne_du_jour(b.date);
    b.ligne_chabbat = (garcon ? "Chabbat Bar-Mitsva : " : "Chabbat Bat-M. ") + b.paracha;
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
