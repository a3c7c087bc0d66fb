// A day in both calendars, and the texts with which the anniversary lists
// write it: "Jeudi    3  Octobre   2024" on the civil side, "1  Tichri  5785"
// on the Hebrew side.
#pragma once

#include "engine/dates.h"
#include "engine/month_grid_steps.h"

#include <string>

namespace orvane::records
{

/// One day: its civil date, its Hebrew date and its weekday (1 Sunday .. 7
/// Chabbat).
struct JourComplet {
    engine::DateCivile civile;
    engine::DateHebraique hebraique;
    int jour_semaine = 0;
    friend bool operator==(const JourComplet&, const JourComplet&) = default;
};

/// The day of a civil date (which must be convertible: years 100..9999).
[[nodiscard]] JourComplet jour_du_civil(engine::DateCivile d);

/// The day of an existing Hebrew date (years 3860..13759).
[[nodiscard]] JourComplet jour_de_l_hebreu(engine::DateHebraique d);

/// The Sabbath on or after a day: the day itself when it is a Saturday.
[[nodiscard]] JourComplet chabbat_suivant(const JourComplet& jour);

/// Civil side of a list line: the weekday filled to 9 characters, the day
/// filled to 3, the month name filled to 10, the year ("Jeudi    3  Octobre
/// 2024", fields filled with blanks on their right).
[[nodiscard]] std::string texte_civil(const JourComplet& jour);

/// Hebrew side of a list line: the day filled to 3, the month name filled to
/// 8 (month 6 by the leap status of its year), the year.
[[nodiscard]] std::string texte_hebraique(const engine::DateHebraique& d);

/// "   " + civil side + " --> " + Hebrew side.
[[nodiscard]] std::string ligne_civile_hebraique(const JourComplet& jour);

/// The Hebrew month name of `mois` in year `annee`, padded to 7 characters.
[[nodiscard]] std::string nom_mois_de_l_annee(int annee, int mois);

} // namespace orvane::records
