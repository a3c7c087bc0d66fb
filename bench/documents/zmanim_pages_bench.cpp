// The web pages of the zmanim tables for one year and every city of
// "lieu.cal" (about 1,382 pages of 365 rows each), as "Page Web selon liste
// de villes" writes them; and the book of the 222 cities of "villefr.cal".
#include "documents/zmanim_books.h"
#include "documents/zmanim_pages.h"
#include "places/dst.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{

namespace fs = std::filesystem;
namespace doc = orvane::documents;

const fs::path donnees = fs::path(ORVANE_SOURCE_DIR) / "data";

const orvane::places::TablesEte& tables()
{
    static const orvane::places::TablesEte t(donnees);
    return t;
}

/// A program directory of its own with the page templates, removed at the
/// end.
class Repertoire
{
public:
    Repertoire()
    {
        std::string modele = (fs::temp_directory_path() / "orvane-bench-XXXXXX").string();
        chemin_ = ::mkdtemp(modele.data());
        fs::copy(donnees / "Orvanew", chemin_ / "Orvanew", fs::copy_options::recursive);
    }
    Repertoire(const Repertoire&) = delete;
    Repertoire& operator=(const Repertoire&) = delete;
    ~Repertoire() { fs::remove_all(chemin_); }
    [[nodiscard]] const fs::path& chemin() const { return chemin_; }

private:
    fs::path chemin_;
};

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
