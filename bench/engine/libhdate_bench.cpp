// The round trips of BM_AllerRetourCivilHebreuCivil through libhdate, an
// independent C library of the Hebrew calendar, as a yardstick. The two
// checksums are shown side by side, and the benchmark fails when they differ.

#include "round_trip_walk.h"

#include <benchmark/benchmark.h>
#include <hdate.h>

#include <string>

namespace
{

using orvane::engine::DateCivile;

// libhdate numbers the months 1..12 from Tichri to Eloul with Adar at 6 in
// a common year, and Adar I at 13, Adar II at 14 in a leap year; the engine
// puts Adar I at 6, Adar II at 7 and Nissan .. Eloul at 8 .. 13.
int mois_du_moteur(int mois_hdate) noexcept
{
    if (mois_hdate == 13) {
        return 6;
    }
    if (mois_hdate == 14) {
        return 7;
    }
    return mois_hdate <= 6 ? mois_hdate : mois_hdate + 1;
}

std::int64_t somme_aller_retour_libhdate(const std::vector<DateCivile>& jours)
{
    hdate_struct h{};
    std::int64_t somme = 0;
    for (const DateCivile& d : jours) {
        hdate_set_gdate(&h, d.jour, d.mois, d.annee);
        const int annee = h.hd_year, mois = h.hd_mon, jour = h.hd_day;
        hdate_set_hdate(&h, jour, mois, annee);
        somme += orvane::bench::terme_de_controle(annee, mois_du_moteur(mois), jour,
                                                  DateCivile{h.gd_year, h.gd_mon, h.gd_day});
    }
    return somme;
}

void BM_AllerRetourLibhdate(benchmark::State& state)
{
    const std::vector<DateCivile> jours = orvane::bench::jours_1900_a_2100();
    orvane::engine::CalendarEngine e;
    const std::int64_t somme_moteur = orvane::bench::somme_aller_retour(e, jours);
    std::int64_t somme = 0;
    for (auto _ : state) {
        somme = somme_aller_retour_libhdate(jours);
        benchmark::DoNotOptimize(somme);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(jours.size()));
    state.SetLabel("somme " + std::to_string(somme) + ", moteur " + std::to_string(somme_moteur));
    if (somme != somme_moteur) {
        state.SkipWithError("libhdate et le moteur ne donnent pas la même somme");
    }
}
BENCHMARK(BM_AllerRetourLibhdate)->Unit(benchmark::kMillisecond);

} // namespace
