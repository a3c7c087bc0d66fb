// The civil side of the calendar record: February, the civil day index of
// the conversion year (1 September to 31 August) and the link that ties a
// Hebrew year to that index.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"

namespace orvane::engine
{

namespace
{

// Nineteen Julian years exceed 235 mean months by 1 h 485 halakim; a Julian
// year exceeds twelve months by 10 d 21 h 204 and falls short of thirteen by
// 18 d 15 h 589; 7 d 9 h 642 places the reference day.
constexpr std::int64_t derive_cycle = 1565;
constexpr std::int64_t derive_annee_commune = 282084;
constexpr std::int64_t derive_annee_embolismique = 483349;
constexpr std::int64_t derive_origine = 191802;

} // namespace

CalendarEngine::CalendarEngine()
{
    longueur_mois_hebr = {0, 30, 29, 30, 29, 30, 29, 0, 30, 29, 30, 29, 30, 29};
    longueur_mois_civil = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::size_t i = 0; i < noms_mois_hebr.size(); ++i) {
        noms_mois_hebr[i] = std::string(mois_hebreux[i]);
    }
}

bool CalendarEngine::est_bissextile(int annee)
{
    fevrier = jours_fevrier(annee);
    longueur_mois_civil[2] = fevrier;
    return fevrier == 29;
}

bool CalendarEngine::prepare_annee_civile()
{
    // February and the March term depend on the year alone: a year set up
    // lately is copied back.
    if (const RegistresAnneeCivile* r = annees_civiles_.trouve(annee_civile)) {
        fevrier = r->fevrier;
        longueur_mois_civil[2] = r->fevrier;
        decalage_mars = r->decalage_mars;
        return fevrier == 29;
    }
    const bool bissextile = est_bissextile(annee_civile);
    decalage_mars = terme_siecle(annee_civile) - fevrier;
    annees_civiles_.nouvelle(annee_civile) = {fevrier, decalage_mars};
    return bissextile;
}

void CalendarEngine::calcule_ecart_nissan()
{
    rs = std::int64_t{cyl} * derive_cycle + std::int64_t{com} * derive_annee_commune -
         std::int64_t{emb} * derive_annee_embolismique - derive_origine;
    embolismique = nb_mois - 12;

    halakim = molad_nissan + rs;
    decompose_halakim();
    jour_repere = jour_semaine;

    halakim = rs;
    decompose_halakim();
    const std::int64_t jours = floor_div(rs, halakim_par_jour);

    int t = normalise_jour(jour_mois7 + static_cast<int>(floor_mod(jours, 7)) - 1);
    if (jour_repere < t) {
        t -= 7;
    }
    if (jour_repere - t > 4) {
        t += 7;
    }
    ecart_nissan = static_cast<int>(jours + jour_repere - t);
}

} // namespace orvane::engine
