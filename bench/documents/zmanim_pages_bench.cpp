// The web pages of the zmanim tables for one year and every city of
// "lieu.cal" (about 1,382 pages of 365 rows each), as "Page Web selon liste
// de villes" writes them; and the book of the 222 cities of "villefr.cal".
#include "documents/zmanim_books.h"
#include "documents/zmanim_pages.h"
#include "places/dst.h"

#include "bench_directory.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{

namespace fs = std::filesystem;
namespace doc = orvane::documents;

using orvane::bench::donnees;
using orvane::bench::Repertoire;
using orvane::bench::tables;

orvane::tables::EnvironnementTable environnement()
{
    orvane::tables::EnvironnementTable env;
    env.tables_ete = &tables();
    return env;
}

void PagesWebDeLieuCal(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const Repertoire r;
        fs::copy_file(donnees / "lieu.cal", r.chemin() / "willefr.cal");
        doc::DemandePages d;
        d.genre = doc::GenrePages::liste_villes;
        orvane::zmanim::ZmanimSettings reglages;
        state.ResumeTiming();
        const doc::RapportPages rapport =
            doc::pages_zmanim(r.chemin(), d, reglages, environnement());
        state.PauseTiming();
        state.counters["pages"] = static_cast<double>(rapport.construites.size());
        state.ResumeTiming();
    }
}
BENCHMARK(PagesWebDeLieuCal)->Unit(benchmark::kSecond)->Iterations(1);

void LivreDeVillefr(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const Repertoire r;
        fs::copy_file(donnees / "villefr.cal", r.chemin() / "villefr.cal");
        orvane::zmanim::ZmanimSettings reglages;
        const orvane::tables::DemandeTable d =
            doc::demande_livre({}, orvane::tables::MiseEnPage::livre_rt, 2025);
        state.ResumeTiming();
        const doc::RapportLivre rapport =
            doc::livre_des_villes(r.chemin(), d, reglages, environnement());
        benchmark::DoNotOptimize(rapport.villes);
    }
}
BENCHMARK(LivreDeVillefr)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
