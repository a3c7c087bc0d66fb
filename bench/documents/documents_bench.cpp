// The annual calendar's heavy work: the year page of one city with the
// times (what "Calculer" does for the text area, and once per city of a
// list run), the list run over every city of "lieu.cal" into HTML pages,
// and the dates file of the whole calendar (9,900 Hebrew years, 3.6
// million lines) written line by line.
#include "documents/city_pages.h"
#include "documents/dates_file.h"
#include "documents/year_page.h"
#include "platform/text_file.h"

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

doc::DemandeCalendrier paris_avec_horaires()
{
    doc::DemandeCalendrier d;
    d.cible = doc::Cible::fichier; // the whole year: no limit of the text area
    return d;
}

void PageCivileAvecHoraires(benchmark::State& state)
{
    const doc::DemandeCalendrier d = paris_avec_horaires();
    for (auto _ : state) {
        doc::CompteurAffichage compteur;
        const doc::PageAnnee p = doc::construit_page_calendrier(d, 2025, tables(), compteur);
        benchmark::DoNotOptimize(p.export_lignes.data());
    }
}
BENCHMARK(PageCivileAvecHoraires)->Unit(benchmark::kMillisecond);

void PageHebraiqueAvecHoraires(benchmark::State& state)
{
    doc::DemandeCalendrier d = paris_avec_horaires();
    d.sens = doc::Sens::hebreu_civil;
    d.mois_fin = 13;
    for (auto _ : state) {
        doc::CompteurAffichage compteur;
        const doc::PageAnnee p = doc::construit_page_calendrier(d, 5785, tables(), compteur);
        benchmark::DoNotOptimize(p.export_lignes.data());
    }
}
BENCHMARK(PageHebraiqueAvecHoraires)->Unit(benchmark::kMillisecond);

// Every city of lieu.cal (1,382), one civil year with the times, as HTML
// pages, then the list page; a fresh program directory each time, since a
// page that exists is never built again.
void ListeDeLieuCalEnHtml(benchmark::State& state)
{
    const std::vector<std::string> liste = orvane::platform::read_lines(donnees / "lieu.cal");
    doc::DemandeCalendrier d = paris_avec_horaires();
    d.web = true;
    for (auto _ : state) {
        state.PauseTiming();
        {
            const Repertoire r;
            state.ResumeTiming();
            const doc::RapportListe rapport =
                doc::pages_liste_villes(r.chemin(), d, 2025, liste, tables());
            benchmark::DoNotOptimize(rapport.pages.data());
            state.PauseTiming();
            state.counters["pages"] = static_cast<double>(rapport.pages.size());
        }
        state.ResumeTiming();
    }
}
BENCHMARK(ListeDeLieuCalEnHtml)->Unit(benchmark::kSecond)->Iterations(1);

// The whole calendar in the Hebrew direction, 3860 to 13759.
void FichierDesDatesDuCalendrierEntier(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        {
            const Repertoire r;
            state.ResumeTiming();
            const doc::FichierDates f =
                doc::ecrit_fichier_dates(r.chemin(), doc::SensDates::hebreu_civil, 3860, 9900);
            state.PauseTiming();
            state.counters["octets"] = static_cast<double>(fs::file_size(f.chemin));
        }
        state.ResumeTiming();
    }
}
BENCHMARK(FichierDesDatesDuCalendrierEntier)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

namespace
{
void PageCivileSansHoraires(benchmark::State& state)
{
    doc::DemandeCalendrier d = paris_avec_horaires();
    d.horaires = false;
    for (auto _ : state) {
        doc::CompteurAffichage compteur;
        const doc::PageAnnee p = doc::construit_page_calendrier(d, 2025, tables(), compteur);
        benchmark::DoNotOptimize(p.export_lignes.data());
    }
}
BENCHMARK(PageCivileSansHoraires)->Unit(benchmark::kMillisecond);
} // namespace

// What the summer time of a year page costs: the correction looked up in
// the tables for each day (the lines of the year read again each time),
// against the year looked up once and each day read from it.
namespace
{
void CorrectionEteJourParJour(benchmark::State& state)
{
    for (auto _ : state) {
        double total = 0;
        for (orvane::engine::DateCivile j{2025, 1, 1}; j.annee == 2025;
             j = orvane::engine::lendemain(j)) {
            total += tables().correction("France", doc::DemandeCalendrier{}.mode_horaire, j, 0);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(CorrectionEteJourParJour)->Unit(benchmark::kMillisecond);

void CorrectionEteAnneeLueUneFois(benchmark::State& state)
{
    const std::string mode = doc::DemandeCalendrier{}.mode_horaire;
    for (auto _ : state) {
        const orvane::places::DstYear annee = tables().annee("France", 2025, mode);
        double total = 0;
        for (orvane::engine::DateCivile j{2025, 1, 1}; j.annee == 2025;
             j = orvane::engine::lendemain(j)) {
            total += orvane::places::correction_pour_le_jour(annee, mode, j.jour, j.mois, 0);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(CorrectionEteAnneeLueUneFois)->Unit(benchmark::kMillisecond);
} // namespace
