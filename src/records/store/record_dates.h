// The date fields of a record filled from computed dates (Part of the
// anniversary rules: event_date.h, anniversaries.h, bar_mitsva.h), and read
// back as dates when a record is loaded or its next anniversary computed
// again.
//
//   groupe_date({2024, 10, 2}, "N")
//   // {"Mercredi", "2", "10", "2024", "N", "1", "Tichri", "5785"}:
//   // a Wednesday evening after nightfall is already 1 Tichri
#pragma once

#include "records/anniversaries.h"
#include "records/bar_mitsva.h"
#include "records/store/record.h"

#include <optional>
#include <string_view>

namespace orvane::records
{

/// The date group of an event on civil date `d` with the day-or-night flag:
/// the weekday of the civil date, the civil day, month number and year, the
/// flag as given, the Hebrew date after the night rule and its month name.
[[nodiscard]] GroupeDate groupe_date(engine::DateCivile d, std::string_view jour_nuit);

/// The next-anniversary group of an anniversary (groupe_anniversaire).
[[nodiscard]] GroupeAnniversaire groupe_prochain(const Anniversaire& a);

/// The Bar-Mitsva part of a birth record: the day, month name and year of
/// the civil and of the Hebrew date, and the reading.
[[nodiscard]] BarMitsvaEcrite bar_mitsva_ecrite(const BarMitsva& b);

/// The civil date of a group when it exists (years 100..9999).
[[nodiscard]] std::optional<engine::DateCivile> date_civile(const GroupeDate& g);

/// The Hebrew date of a group when it exists (years 3860..13759): the month
/// read from its name ("Adar" and "Adar I" are 6, "Adar II" 7, case
/// ignored) or from its number.
[[nodiscard]] std::optional<engine::DateHebraique> date_hebraique(const GroupeDate& g);

/// The Hebrew month of a name or a number; none for anything else.
[[nodiscard]] std::optional<int> mois_hebreu_du_nom(std::string_view nom);

/// Computes the next anniversary of the record again from `aujourdhui`:
/// of its Hebrew date, or of its civil date and flag when the Hebrew date
/// cannot be read. False, the record unchanged, when neither can.
bool recalcule_prochain(Famille famille, Fiche& fiche, engine::DateCivile aujourdhui);

} // namespace orvane::records
