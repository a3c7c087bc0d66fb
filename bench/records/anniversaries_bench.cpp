// The cost of the anniversary rules as the windows use them: one record's
// next anniversaries (what "Tout Recalculer" does for every record), the
// main window's list, a Bar-Mitsva panel, and placing a Hebrew month grid.

#include "engine/month_grid_hebrew.h"
#include "platform/clock.h"
#include "records/anniversaries.h"
#include "records/bar_mitsva.h"
#include "records/carrying.h"

#include <benchmark/benchmark.h>

namespace
{

using namespace orvane;

void BM_ReporteDate(benchmark::State& state)
{
    int annee = 5700;
    for (auto _ : state) {
        benchmark::DoNotOptimize(records::reporte_date({5785, 2, 30}, annee));
        annee = annee == 5800 ? 5700 : annee + 1;
    }
}
BENCHMARK(BM_ReporteDate);

void BM_ProchainsAnniversaires15(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(records::prochains_anniversaires({5760, 6, 30}, {2025, 1, 1}, 15,
                                                                  1, records::Famille::naissance));
    }
}
BENCHMARK(BM_ProchainsAnniversaires15);

void BM_AnniversairesCivils15(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            records::anniversaires_civils({5700, 1, 1}, {1939, 9, 14}, {2025, 1, 1}, 15));
    }
}
BENCHMARK(BM_AnniversairesCivils15);

void BM_PanneauBarMitsva(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            records::calcule_bar_mitsva({5772, 6, 28}, records::Sexe::garcon, true));
    }
}
BENCHMARK(BM_PanneauBarMitsva);

void BM_GrilleHebraiqueMoisSuivant(benchmark::State& state)
{
    const platform::FixedClock horloge({2024, 10, 3});
    engine::GrilleMoisHebreu g(horloge);
    for (auto _ : state) {
        g.avance_mois();
        benchmark::DoNotOptimize(g.decalage());
    }
}
BENCHMARK(BM_GrilleHebraiqueMoisSuivant);

} // namespace
