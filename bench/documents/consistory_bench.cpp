// The consistory's outputs of the annual calendar: the twenty-four builds
// of one Hebrew year for Paris with their workbook ("Calendrier ciop"),
// and the telephone and iCalendar files of one civil year.
#include "bench_directory.h"
#include "documents/consistory_outputs.h"
#include "documents/consistory_series.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>

namespace
{

namespace doc = orvane::documents;
using orvane::bench::Repertoire;
using orvane::bench::tables;

void SeriesCiopDeParis(benchmark::State& state)
{
    const Repertoire r;
    for (const int annee : {5786, 5787}) {
        const auto fetes = r.chemin() / doc::chemin_fetes_ciop(annee);
        orvane::platform::cree_dossier_de(fetes);
        orvane::platform::write_lines(fetes, {"fêtes"});
    }
    doc::DemandeCalendrier d;
    d.sens = doc::Sens::hebreu_civil;
    d.annee = 5786;
    d.mois_fin = 13;
    d.est_ouest = 5;
    for (auto _ : state) {
        const doc::SeriesCiop s = doc::series_ciop(
            d, doc::Sortie::calendrier_ciop, orvane::config::FichierCles{}, tables(), r.chemin());
        benchmark::DoNotOptimize(s.fichiers.size());
    }
}
BENCHMARK(SeriesCiopDeParis)->Unit(benchmark::kMillisecond);

void FichiersTelephoneDeParis(benchmark::State& state)
{
    doc::DemandeCalendrier d;
    d.cible = doc::Cible::fichier;
    d.annee = 2026;
    const doc::CalendrierSimplifie c = doc::calendrier_simplifie(d, tables());
    for (auto _ : state) {
        const doc::JoursTelephone j = doc::jours_du_calendrier(d, c, tables());
        const std::string ical =
            doc::calendrier_ical(j, {"PARIS (75)", 2026, true, "20260101T000000Z"});
        benchmark::DoNotOptimize(ical.size());
    }
}
BENCHMARK(FichiersTelephoneDeParis)->Unit(benchmark::kMillisecond);

} // namespace
