// Conversions per second in both directions, round trips over two
// centuries, and a walk over every day of one Hebrew year as the tables do it
// (one year set-up, then the walk).

#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "round_trip_walk.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace
{

using orvane::engine::CalendarEngine;
using orvane::engine::DateCivile;

// Civil → Hebrew over consecutive days of 2000 to 2027.
void BM_CivilVersHebreu(benchmark::State& state)
{
    CalendarEngine e;
    DateCivile d{2000, 1, 1};
    for (auto _ : state) {
        e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
        benchmark::DoNotOptimize(e.jour_hebr);
        d = d.annee == 2027 ? DateCivile{2000, 1, 1} : orvane::engine::lendemain(d);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CivilVersHebreu);

// Hebrew → civil over the days of 5760 to 5787.
void BM_HebreuVersCivil(benchmark::State& state)
{
    CalendarEngine e;
    int annee = 5760, mois = 1, jour = 1;
    for (auto _ : state) {
        e.convertit_hebreu_civil(annee, mois, jour);
        benchmark::DoNotOptimize(e.jour_civil);
        if (++jour > 29) {
            jour = 1;
            if (++mois > 13) {
                mois = 1;
                annee = annee == 5787 ? 5760 : annee + 1;
            }
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HebreuVersCivil);

// Every day of Hebrew year 5784 (383 days): one set-up, then the walk.
void BM_ParcoursDUneAnneeHebraique(benchmark::State& state)
{
    CalendarEngine e;
    std::int64_t jours = 0;
    for (auto _ : state) {
        e.annee_hebr = 5784;
        e.annee_civile = 5784 - 3760;
        e.calcule_annee();
        for (int mois = 1; mois <= 13; ++mois) {
            const int longueur = e.longueur_mois_hebr[static_cast<std::size_t>(mois)];
            for (int jour = 1; jour <= longueur; ++jour) {
                e.annee_civile = 5784 - 3760;
                e.mois_hebr = mois;
                e.jour_hebr = jour;
                e.jour_civil_de_l_hebreu();
                benchmark::DoNotOptimize(e.jour_civil);
                ++jours;
            }
        }
    }
    state.SetItemsProcessed(jours);
}
BENCHMARK(BM_ParcoursDUneAnneeHebraique);

// Every civil day of 1900 to 2100 to its Hebrew date and back, as a window
// stepping day by day does. One iteration is the whole walk; the checksum
// of the walk is the one the libhdate benchmark must find.
void BM_AllerRetourCivilHebreuCivil(benchmark::State& state)
{
    const std::vector<DateCivile> jours = orvane::bench::jours_1900_a_2100();
    CalendarEngine e;
    std::int64_t somme = 0;
    for (auto _ : state) {
        somme = orvane::bench::somme_aller_retour(e, jours);
        benchmark::DoNotOptimize(somme);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(jours.size()));
    state.SetLabel("somme " + std::to_string(somme));
}
BENCHMARK(BM_AllerRetourCivilHebreuCivil)->Unit(benchmark::kMillisecond);

} // namespace
