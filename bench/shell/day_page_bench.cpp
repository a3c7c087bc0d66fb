// The work of the main window on a change of date (the whole day computed:
// four days of times, the labels, the year list, the anniversaries and the
// Bar-Mitsva), of its clock every second (the marker of the next moment and
// the seasonal hours), and of one step of the conversion panel.
#include "shell/day/day_page_contents.h"
#include "shell/day/next_moment.h"
#include "shell/main_form/conversion_panel.h"

#include <benchmark/benchmark.h>

namespace
{

// The delivered data, loaded once as the main window loads it.
const orvane::shell::DonneesChargees& donnees()
{
    static const orvane::shell::DonneesChargees d(std::filesystem::path(ORVANE_SOURCE_DIR) /
                                                  "data");
    return d;
}

orvane::shell::DemandePageAccueil demande()
{
    orvane::shell::DemandePageAccueil d;
    d.jour.date = {2024, 6, 21};
    d.jour.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    d.jour.opinion = "Beth Din (France)";
    d.aujourdhui = {2024, 6, 21};
    return d;
}

void CalculeJour(benchmark::State& state)
{
    const orvane::shell::DemandePageAccueil d = demande();
    for (auto _ : state) {
        const orvane::shell::JourCalcule j = orvane::shell::calcule_jour(donnees(), d.jour);
        benchmark::DoNotOptimize(j.lignes.data());
    }
}
BENCHMARK(CalculeJour)->Unit(benchmark::kMillisecond);

void PageAccueilComplete(benchmark::State& state)
{
    const orvane::shell::DemandePageAccueil d = demande();
    for (auto _ : state) {
        const orvane::shell::PageAccueil p = orvane::shell::calcule_page_accueil(donnees(), d);
        benchmark::DoNotOptimize(p.jours_importants.data());
    }
}
BENCHMARK(PageAccueilComplete)->Unit(benchmark::kMillisecond);

void SecondeDeLHorloge(benchmark::State& state)
{
    const orvane::shell::JourCalcule j = orvane::shell::calcule_jour(donnees(), demande().jour);
    long maintenant = 15 * 3600;
    for (auto _ : state) {
        const auto p = orvane::shell::prochain_moment(j.lignes, maintenant);
        const auto l = orvane::shell::lignes_heures_saison(j, maintenant / 3600.0);
        benchmark::DoNotOptimize(p.texte.data());
        benchmark::DoNotOptimize(l.data());
        maintenant = maintenant % 86400 + 1;
    }
}
BENCHMARK(SecondeDeLHorloge)->Unit(benchmark::kMicrosecond);

void PasDuPanneau(benchmark::State& state)
{
    orvane::shell::PanneauConversion p({2024, 6, 21});
    for (auto _ : state) {
        p.change_jour_civil(p.jour_civil() + 1);
        benchmark::DoNotOptimize(p.jour_hebr());
    }
}
BENCHMARK(PasDuPanneau)->Unit(benchmark::kMicrosecond);

} // namespace
