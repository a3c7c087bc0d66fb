// The dBase tables of the records at the size of a large community: 10,000
// births opened from their file, sorted by name, listed as the table window
// lists them, and one record posted (the whole file rewritten and flushed).

#include "engine/dates.h"
#include "platform/raw_file.h"
#include "records/tables/dbase_table.h"
#include "records/tables/listing.h"
#include "records/tables/schemas.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include <unistd.h>

namespace
{

using namespace orvane;
using records::Table;

constexpr int nombre_de_naissances = 10000;

/// A birth table of 10,000 records written once in a temporary folder,
/// removed at the end of the program.
class TableDeDixMille
{
public:
    TableDeDixMille()
        : dossier_(std::filesystem::temp_directory_path() /
                   ("orvane-bench-tables-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(dossier_);
        fichier_ = dossier_ / "Bd_NAIS.dbf";
        const auto& schema = records::schema_naissances();
        records::ContenuDbf c;
        c.champs = schema.champs;
        std::mt19937 hasard(5785);
        const char* noms[] = {"Cohen",  "Lévy",     "Élbaz",   "Attal", "Benhamou", "Œuvray",
                              "Zérbib", "Bénichou", "Dreyfus", "Hazan", "Ifrah",    "Amsellem"};
        const char* prenoms[] = {"David", "Éléonore", "Noé", "Léa", "Raphaël", "Sarah", "Ilan"};
        const char* villes[] = {"Paris", "Besançon", "Évry", "Lyon", "Marseille", "Créteil"};
        for (int i = 0; i < nombre_de_naissances; ++i) {
            records::FicheDbf f;
            f.valeurs.assign(c.champs.size(), std::string());
            const auto date = engine::civil_du_numero(engine::numero_du_civil({1920, 1, 1}) +
                                                      static_cast<std::int64_t>(hasard() % 36000));
            f.valeurs[0] = i % 2 ? "M." : "Mme";
            f.valeurs[1] = std::string(noms[hasard() % 12]) + " " + std::to_string(hasard() % 1000);
            f.valeurs[2] = prenoms[hasard() % 7];
            f.valeurs[8] = villes[hasard() % 6];
            f.valeurs[7] = std::to_string(10000 + hasard() % 90000);
            f.valeurs[12] = std::to_string(date.annee * 10000 + date.mois * 100 + date.jour);
            f.valeurs[15] = "Vendredi 3 Octobre 2025";
            f.valeurs[21] = "Vendredi  3 Octobre 2025 --> Réunion de famille chez Sarah à Lyon";
            c.fiches.push_back(std::move(f));
        }
        records::remplace_table(fichier_, records::ecrit_dbf(c, {2025, 1, 1}));
    }
    TableDeDixMille(const TableDeDixMille&) = delete;
    TableDeDixMille& operator=(const TableDeDixMille&) = delete;
    ~TableDeDixMille()
    {
        std::error_code ignoree;
        std::filesystem::remove_all(dossier_, ignoree);
    }
    [[nodiscard]] const std::filesystem::path& fichier() const { return fichier_; }

private:
    std::filesystem::path dossier_;
    std::filesystem::path fichier_;
};

const TableDeDixMille& table_de_dix_mille()
{
    static const TableDeDixMille t;
    return t;
}

// What the table window and the record viewer do at once: open the table,
// sort it by name ("Trier alphab.") and list every record.
void BM_OuvreTrieEtListeDixMilleNaissances(benchmark::State& state)
{
    const std::filesystem::path f = table_de_dix_mille().fichier();
    for (auto _ : state) {
        Table t = Table::ouvre(f);
        t.trie_par("NOM");
        t.limite(" ", "z");
        benchmark::DoNotOptimize(records::listing(t));
    }
    state.SetItemsProcessed(state.iterations() * nombre_de_naissances);
}
BENCHMARK(BM_OuvreTrieEtListeDixMilleNaissances)->Unit(benchmark::kMillisecond);

void BM_OuvreDixMilleNaissances(benchmark::State& state)
{
    const std::filesystem::path f = table_de_dix_mille().fichier();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Table::ouvre(f));
    }
}
BENCHMARK(BM_OuvreDixMilleNaissances)->Unit(benchmark::kMillisecond);

void BM_TrieDixMilleNaissancesParIndex(benchmark::State& state)
{
    Table t = Table::ouvre(table_de_dix_mille().fichier());
    const char* index[] = {"NOM", "NAI_CV_N", "VILLE", "CODE"};
    int i = 0;
    for (auto _ : state) {
        t.trie_par(index[i++ % 4]);
    }
}
BENCHMARK(BM_TrieDixMilleNaissancesParIndex)->Unit(benchmark::kMillisecond);

void BM_ListeDixMilleNaissances(benchmark::State& state)
{
    const Table t = Table::ouvre(table_de_dix_mille().fichier());
    for (auto _ : state) {
        benchmark::DoNotOptimize(records::listing(t));
    }
}
BENCHMARK(BM_ListeDixMilleNaissances)->Unit(benchmark::kMillisecond);

// The bytes of the whole table made in memory, before they are written.
void BM_EcritDixMilleNaissancesEnMemoire(benchmark::State& state)
{
    const records::ContenuDbf c =
        records::lit_dbf(platform::read_bytes(table_de_dix_mille().fichier()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(records::ecrit_dbf(c, {2025, 1, 1}));
    }
}
BENCHMARK(BM_EcritDixMilleNaissancesEnMemoire)->Unit(benchmark::kMillisecond);

// Posting one change: the 7 MB of the table written to a temporary file,
// flushed to the disk and renamed over the table, the old one kept.
void BM_ValideUneFicheParmiDixMille(benchmark::State& state)
{
    Table t = Table::ouvre(table_de_dix_mille().fichier());
    int n = 0;
    for (auto _ : state) {
        t.premier();
        t.modifie();
        t.change_texte("VILLE", n++ % 2 ? "Paris" : "Lyon");
        t.valide();
    }
}
BENCHMARK(BM_ValideUneFicheParmiDixMille)->Unit(benchmark::kMillisecond);

} // namespace
