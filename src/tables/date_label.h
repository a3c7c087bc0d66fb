// The date at the head of each row of a zmanim table.
//
//   civil reference, full date:   "V 03Ja04Te "  (Friday 3 January 2025, 3 Tevet)
//   Hebrew reference, full date:  "V 04Te03Ja "
//   without the full date:        " 03 Janv"
//   "Bureau des Longitudes":      "Ven 03 Janv" (cut to 11 characters)
#pragma once

#include "engine/dates.h"

#include <string>

namespace orvane::tables
{

struct ChoixLibelle {
    bool date_complete = true;
    bool reference_hebraique = false;
    bool bureau_des_longitudes = false;
};

/// The label of civil day `d` (weekday `jour_semaine`, 1 Sunday … 7 Chabbat),
/// Hebrew date `h`, in a year of 13 months or not.
[[nodiscard]] std::string libelle_date(const engine::DateCivile& d, int jour_semaine,
                                       const engine::DateHebraique& h, bool embolismique,
                                       const ChoixLibelle& choix);

/// The two letters of a Hebrew month in the labels: "Ti", "He" …; Adar of a
/// common year "Ad", Adar I and Adar II of a leap year "A1" and "A2".
[[nodiscard]] std::string mois_hebreu_deux_lettres(int mois, bool embolismique);

/// "dd/mm/yy": the date that replaces the label in the weekly file.
[[nodiscard]] std::string date_numerique(const engine::DateCivile& d);

} // namespace orvane::tables
