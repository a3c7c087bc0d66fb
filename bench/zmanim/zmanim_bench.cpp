// Days of times per second: one full day of every slot for one place and
// opinion, a year of days for each of the 1300 places of "lieu.cal", and
// the two routines underneath (one crossing of the sun, one written time).

#include "engine/dates.h"
#include "places/places.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/sun/soleil.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace
{

using namespace orvane::zmanim;
using orvane::engine::DateCivile;

DemandeJour demande(const DateCivile& d, const std::string& lat, const std::string& lon,
                    const std::string& zone, const std::string& avis)
{
    return {orvane::engine::jour_semaine(d), d, lat, lon, zone, avis, 0};
}

DateCivile suivant(const DateCivile& d)
{
    return d.annee == 2025 && d.mois == 12 && d.jour == 31 ? DateCivile{2024, 1, 1}
                                                           : orvane::engine::lendemain(d);
}

// Paris, every day of 2024 and 2025 in turn, one opinion per run.
void BM_JourComplet(benchmark::State& state, const char* avis)
{
    ZmanimSettings reglages;
    reglages.opinion_calcul = avis;
    DayTimes jour;
    DateCivile d{2024, 1, 1};
    for (auto _ : state) {
        horaires_du_jour(demande(d, "48°52'N", "02°20'E", "+1", avis), reglages, jour);
        benchmark::DoNotOptimize(jour.heureN);
        d = suivant(d);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("days");
}
BENCHMARK_CAPTURE(BM_JourComplet, or_meir, "Or Méïr");
BENCHMARK_CAPTURE(BM_JourComplet, beth_din, "Beth Din (France)");
BENCHMARK_CAPTURE(BM_JourComplet, pavee, "Maguen Abraham (pavé)");
BENCHMARK_CAPTURE(BM_JourComplet, bureau_des_longitudes, "Bureau des Longitudes");

// Every day of 2024 for the first 1300 places of the delivered list: what a
// year of city pages costs.
void BM_Annee1300Lieux(benchmark::State& state)
{
    const orvane::places::ListesLieux listes =
        orvane::places::lit_fichier_lieux(ORVANE_SOURCE_DIR "/data", "lieu.cal");
    const std::size_t n = std::min<std::size_t>(1300, listes.lieux.size());
    ZmanimSettings reglages;
    DayTimes jour;
    std::int64_t jours = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < n; ++i) {
            const orvane::places::Place& p = listes.lieux[i];
            for (DateCivile d{2024, 1, 1}; d.annee == 2024; d = orvane::engine::lendemain(d)) {
                horaires_du_jour(
                    demande(d, p.latitude, p.longitude, p.decalage, "Beth Din (France)"), reglages,
                    jour);
                benchmark::DoNotOptimize(jour.heureN);
                ++jours;
            }
        }
    }
    state.SetItemsProcessed(jours);
    state.counters["lieux"] = static_cast<double>(n);
    state.SetLabel("days");
}
BENCHMARK(BM_Annee1300Lieux)->Iterations(1)->Unit(benchmark::kSecond);

void BM_PassageSoleil(benchmark::State& state)
{
    const double lat = 48.8667 * radians_par_degre;
    const double lon = -2.3333 * radians_par_degre;
    const double sinus = sinus_lever_coucher(34, false);
    int jour = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(passages_soleil({2024, 6, jour}, lat, lon, sinus, 0));
        jour = jour % 28 + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PassageSoleil);

void BM_FormateHeure(benchmark::State& state)
{
    const ReglesArrondi regles;
    double t = 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formate_heure(ModeArrondi::plus_tard, t, 1, 1, regles));
        t = t > 20 ? 3.0 : t + 0.0137;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormateHeure);

} // namespace
