#include "records/bar_mitsva.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "events/readings/bar_mitsva.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace orvane::records
{

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
