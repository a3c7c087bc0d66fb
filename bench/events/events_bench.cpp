// Speed of the labels of the days, the readings of the Saturdays, the year
// lists and the series search.

#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/festivals_text.h"
#include "events/festivals/week_texts.h"
#include "events/readings/parachiot.h"
#include "events/year_walk.h"
#include "events/years/series_table.h"

#include <benchmark/benchmark.h>

namespace orvane::events
{
namespace
{

// Labels of every day of 100 Hebrew years, walking each year's days.
void LibellesDeCentAnnees(benchmark::State& state)
{
    engine::CalendarEngine e;
    for (auto _ : state) {
        int fetes = 0;
        for (int annee = 5700; annee < 5800; ++annee) {
            pour_chaque_jour_de_l_annee(
                e, annee, [&] { fetes += libelles_du_jour(e, true).indice_fete != 0 ? 1 : 0; });
        }
        benchmark::DoNotOptimize(fetes);
    }
    state.SetItemsProcessed(state.iterations() * 36525);
}
BENCHMARK(LibellesDeCentAnnees)->Unit(benchmark::kMillisecond);

// The same, each day converted from its civil date first, as the calendar
// pages do.
void LibellesDeCentAnneesParConversion(benchmark::State& state)
{
    engine::CalendarEngine e;
    for (auto _ : state) {
        int fetes = 0;
        for (engine::DateCivile d{1940, 1, 1}; d.annee < 2040; d = engine::lendemain(d)) {
            e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
            fetes += libelles_du_jour(e, true).indice_fete != 0 ? 1 : 0;
        }
        benchmark::DoNotOptimize(fetes);
    }
    state.SetItemsProcessed(state.iterations() * 36525);
}
BENCHMARK(LibellesDeCentAnneesParConversion)->Unit(benchmark::kMillisecond);

// Readings of every Saturday of 1000 years.
void LecturesDeMilleAnnees(benchmark::State& state)
{
    engine::CalendarEngine e;
    for (auto _ : state) {
        int lectures = 0;
        for (int annee = 5000; annee < 6000; ++annee) {
            pour_chaque_jour_de_l_annee(e, annee, [&] {
                if (e.jour_semaine == 7) {
                    LibellesDuJour l = libelles_du_jour(e, true);
                    paracha_du_jour(e, true, l);
                    lectures += l.indice_fete;
                }
            });
        }
        benchmark::DoNotOptimize(lectures);
    }
    state.SetItemsProcessed(state.iterations() * 52180);
}
BENCHMARK(LecturesDeMilleAnnees)->Unit(benchmark::kMillisecond);

// The festivals window's text of 100 years (lists, lines, characteristics).
void TexteDesFetesDeCentAnnees(benchmark::State& state)
{
    DemandeFetes d;
    for (auto _ : state) {
        std::size_t lignes = 0;
        for (int annee = 5700; annee < 5800; ++annee) {
            lignes += texte_annee_fetes(annee, d).lignes.size();
        }
        benchmark::DoNotOptimize(lignes);
    }
}
BENCHMARK(TexteDesFetesDeCentAnnees)->Unit(benchmark::kMillisecond);

// The day page's week texts of every day of a year.
void TextesDeLaSemaineDUnAn(benchmark::State& state)
{
    engine::CalendarEngine e;
    for (auto _ : state) {
        std::size_t n = 0;
        for (engine::DateCivile d{2025, 1, 1}; d.annee < 2026; d = engine::lendemain(d)) {
            e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
            n += libelles_semaine(e, true).lignes_semaine.size();
        }
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(TextesDeLaSemaineDUnAn)->Unit(benchmark::kMillisecond);

// The search of the 61 series over some 213,000 years.
void RechercheDesSeries(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(calcule_61_series().size());
    }
}
BENCHMARK(RechercheDesSeries)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace orvane::events
