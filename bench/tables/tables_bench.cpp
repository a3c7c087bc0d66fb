// The longest table of the zmanim window: 1 January 1990 to 31 December
// 2100 (40,541 days, every column) for Paris, with summer time date by date
// and the festival notes, streamed to "zemanim.txt" and "semaines.txt" as
// the window writes them; and the same rows kept by no one, to see the cost
// of the files.

#include "places/dst.h"
#include "tables/range_table.h"
#include "tables/table_run.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace
{

using namespace orvane;

const std::filesystem::path donnees = ORVANE_SOURCE_DIR "/data";

tables::DemandeTable siecle_de_paris()
{
    tables::DemandeTable d;
    d.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    d.debut = {1990, 1, 1};
    d.fin = {2100, 12, 31};
    d.ete_jour_par_jour = true;
    d.fetes = true;
    return d;
}

class SansSortie : public tables::SortieTable
{
public:
    void ligne(const std::string&) override {}
    void rangee(const tables::RangeeTable& r) override { benchmark::DoNotOptimize(r.texte); }
};

void BM_TableDuSiecleSansFichier(benchmark::State& state)
{
    const places::TablesEte ete(donnees);
    tables::EnvironnementTable env;
    env.tables_ete = &ete;
    const tables::DemandeTable d = siecle_de_paris();
    for (auto _ : state) {
        zmanim::ZmanimSettings reglages;
        SansSortie sortie;
        const tables::ResultatTable r = tables::calcule_table(d, reglages, env, sortie);
        benchmark::DoNotOptimize(r.rangees);
    }
    state.SetItemsProcessed(state.iterations() * 40541);
}
BENCHMARK(BM_TableDuSiecleSansFichier)->Unit(benchmark::kMillisecond);

void BM_TableDuSiecleDansLesFichiers(benchmark::State& state)
{
    const places::TablesEte ete(donnees);
    tables::EnvironnementTable env;
    env.tables_ete = &ete;
    const tables::DemandeTable d = siecle_de_paris();
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / "orvane_bench_tables";
    std::filesystem::create_directories(dossier);
    for (auto _ : state) {
        zmanim::ZmanimSettings reglages;
        const tables::TableEcrite t = tables::ecrit_table(dossier, d, reglages, env);
        benchmark::DoNotOptimize(t.resultat.rangees);
    }
    std::filesystem::remove_all(dossier);
    state.SetItemsProcessed(state.iterations() * 40541);
}
BENCHMARK(BM_TableDuSiecleDansLesFichiers)->Unit(benchmark::kMillisecond);

} // namespace
