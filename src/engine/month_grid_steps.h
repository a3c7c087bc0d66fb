// Steps between Hebrew months and days that never land on a month the year
// does not have. A common year has no Adar II (month 7): the month after
// Adar (6) is Nissan (8) and the month before Nissan is Adar; the month after
// Eloul (13) is Tichri (1) of the next year. The Hebrew month grid moves by
// these steps, and the anniversary rules carry dates with them.
//
//   mois_suivant({5785, 6})              // {5785, 8}: 5785 is common
//   decale_jours_hebreu({5784, 13, 29}, 1)   // {5785, 1, 1}
#pragma once

#include "engine/dates.h"

#include <array>
#include <cstddef>

namespace orvane::engine
{

/// A Hebrew month of a given year.
struct MoisHebreu {
    int annee = 0;
    int mois = 0;
    friend auto operator<=>(const MoisHebreu&, const MoisHebreu&) = default;
};

/// The lengths of the months of one Hebrew year, entries 1..13 (Hechvan and
/// Kislev by the type of the year, 0 days for Adar II of a common year).
struct MoisDeLAnnee {
    int annee = 0;
    int nb_mois = 12; // 12 common, 13 leap
    std::array<int, 14> longueurs{};

    [[nodiscard]] bool embolismique() const noexcept { return nb_mois == 13; }
    /// Days of month `mois` (1..13); 0 outside that range.
    [[nodiscard]] int jours(int mois) const noexcept
    {
        return mois >= 1 && mois <= 13 ? longueurs[static_cast<std::size_t>(mois)] : 0;
    }
};

/// Month lengths of Hebrew year `annee`, from its Rosh Hachana and the next.
[[nodiscard]] MoisDeLAnnee mois_de_l_annee(int annee);

/// Days of Hebrew month `mois` of year `annee`: 29 or 30, 0 for Adar II of
/// a common year.
[[nodiscard]] int longueur_mois_hebreu(int annee, int mois);

/// True when the year has that month and the month that day.
[[nodiscard]] bool date_hebraique_existe(const DateHebraique& d);

/// The month after `m`: Adar → Nissan in a common year, Eloul → Tichri of
/// the next year. Adar II asked of a common year also gives Nissan.
[[nodiscard]] MoisHebreu mois_suivant(MoisHebreu m) noexcept;

/// The month before `m`: Nissan → Adar in a common year, Tichri → Eloul of
/// the year before. Adar II asked of a common year gives Adar.
[[nodiscard]] MoisHebreu mois_precedent(MoisHebreu m) noexcept;

/// A month number that the year has: month 7 of a common year becomes 8
/// when the count goes up (`en_montant`) and 6 when it goes down, so that
/// stepping through the months passes over the missing Adar II.
[[nodiscard]] int mois_existant(int annee, int mois, bool en_montant) noexcept;

/// The date `n` days later (earlier when `n` is negative), by single steps.
[[nodiscard]] DateHebraique decale_jours_hebreu(DateHebraique d, int n);

} // namespace orvane::engine
