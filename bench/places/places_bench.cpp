// Loading the places at start: the large file "lieu_all.cal" (more than
// 13000 cities) read, split and sorted into the lists, which must stay well
// under a tenth of a second; and one summer-time lookup of the day page.
#include "places/charge_lieux.h"
#include "places/dst.h"
#include "places/places.h"

#include <benchmark/benchmark.h>

namespace
{

const std::filesystem::path data = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";

void ChargeLieuAll(benchmark::State& state)
{
    std::size_t villes = 0;
    for (auto _ : state) {
        const orvane::places::ListesLieux l =
            orvane::places::lit_fichier_lieux(data, "lieu_all.cal");
        villes = l.lignes.size();
        benchmark::DoNotOptimize(l.villes.data());
    }
    state.counters["villes"] = static_cast<double>(villes);
}
BENCHMARK(ChargeLieuAll)->Unit(benchmark::kMillisecond);

void ChargeLieu(benchmark::State& state)
{
    for (auto _ : state) {
        const orvane::places::ListesLieux l = orvane::places::lit_fichier_lieux(data, "lieu.cal");
        benchmark::DoNotOptimize(l.villes.data());
    }
}
BENCHMARK(ChargeLieu)->Unit(benchmark::kMillisecond);

void LitDecaleur(benchmark::State& state)
{
    for (auto _ : state) {
        const auto a = orvane::places::lit_decaleur(data, "Belgique", 2025,
                                                    orvane::config::mode_avec_changement);
        benchmark::DoNotOptimize(a.statut.data());
    }
}
BENCHMARK(LitDecaleur)->Unit(benchmark::kMicrosecond);

} // namespace
