// Saving one record in a text store of 10 000 records: both files read
// again, checked, rewritten whole and replaced together (synced to the
// disk), as every save of the records window does.

#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "records/store/numbered_line.h"
#include "records/store/store.h"
#include "records/store_fixtures.h"

#include <benchmark/benchmark.h>

namespace
{

using namespace orvane;
using namespace orvane::records;

constexpr int fiches = 10000;

/// A store of `fiches` births, written at once.
FichiersFamille base_de_dix_mille(const std::filesystem::path& dossier)
{
    const FichiersFamille f = choisit_fichiers(dossier, Famille::naissance);
    std::vector<std::string> noms;
    std::vector<std::string> dates;
    for (int k = 1; k <= fiches; ++k) {
        const LignesFiche l =
            construit_lignes(Famille::naissance, test::fiche_numero(Famille::naissance, k));
        noms.push_back(ligne_numerotee(k, l.noms));
        dates.push_back(ligne_numerotee(k, l.dates));
    }
    platform::write_bytes(f.noms, octets_du_fichier(noms, f.noms));
    platform::write_bytes(f.dates, octets_du_fichier(dates, f.dates));
    return f;
}

void BM_ModifieUneFicheParmiDixMille(benchmark::State& state)
{
    platform::test_support::TemporaryDirectory dossier;
    BaseFiches base(Famille::naissance, base_de_dix_mille(dossier.path()));
    const Fiche fiche = test::fiche_numero(Famille::naissance, 123456);
    for (auto _ : state) {
        const Resultat r = base.modifie_fiche(5000, 5000, fiche, {});
        if (!r.fait) {
            state.SkipWithError(r.message.c_str());
            break;
        }
    }
}
BENCHMARK(BM_ModifieUneFicheParmiDixMille)->Unit(benchmark::kMillisecond);

void BM_AjouteUneFicheADixMille(benchmark::State& state)
{
    platform::test_support::TemporaryDirectory dossier;
    BaseFiches base(Famille::naissance, base_de_dix_mille(dossier.path()));
    const Fiche fiche = test::fiche_numero(Famille::naissance, 123456);
    for (auto _ : state) {
        benchmark::DoNotOptimize(base.ajoute_fiche(fiche, {}));
    }
}
BENCHMARK(BM_AjouteUneFicheADixMille)->Unit(benchmark::kMillisecond);

void BM_LitUneFicheParmiDixMille(benchmark::State& state)
{
    platform::test_support::TemporaryDirectory dossier;
    BaseFiches base(Famille::naissance, base_de_dix_mille(dossier.path()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(base.lit_fiche(5000));
    }
}
BENCHMARK(BM_LitUneFicheParmiDixMille)->Unit(benchmark::kMillisecond);

} // namespace
