// Speed of the "Divers" tables over their largest default ranges: every
// mode must answer within a fifth of a second, so the window shows its
// progress only for the series search, which runs once and is then read
// from its file.

#include "bench_directory.h"
#include "documents/divers_tables.h"
#include "events/divers/divers_modes.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace orvane::documents
{
namespace
{

using events::ModeDivers;

// One mode from its defaults for 5785, with `nb` years (0: the default).
void Table(benchmark::State& state, ModeDivers mode, int nb)
{
    events::EntreesDivers e =
        events::entrees_par_defaut(mode, events::valeurs_par_defaut(mode, 5785));
    if (nb > 0) {
        e.nb_annees = nb;
    }
    const bench::Repertoire repertoire;
    ContexteDivers c;
    c.tables_ete = &bench::tables();
    c.repertoire = repertoire.chemin();
    (void)calcule_divers(mode, e, c); // the series search, once, into its file
    for (auto _ : state) {
        const ResultatDivers r = calcule_divers(mode, e, c);
        benchmark::DoNotOptimize(r.lignes.data());
    }
}

BENCHMARK_CAPTURE(Table, moladot_100_ans, ModeDivers::moladot, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, levana_100_ans, ModeDivers::levana, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, hahama_500_cycles, ModeDivers::hahama, 14000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, guechamim_100_ans, ModeDivers::guechamim, 100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, tekoufot_100_ans, ModeDivers::tekoufot, 100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, roch_hodech_100_ans, ModeDivers::roch_hodech, 100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, visites_100_ans, ModeDivers::visites, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, mariages_100_ans, ModeDivers::mariages, 100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, tableau_types_1000_ans, ModeDivers::tableau_types, 1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, types_annees, ModeDivers::types_annees, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, tableau_cycles_6119_ans, ModeDivers::tableau_cycles, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, liste_cycles_6000_ans, ModeDivers::liste_cycles, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, ceremonies_bar_mitsva_10_ans, ModeDivers::ceremonies_bar_mitsva, 10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Table, series_61_du_fichier, ModeDivers::series_61, 0)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane::documents
