// "Anniv. mois courant" of the record window: the records whose next
// anniversary falls within a month from today.
#pragma once

#include "engine/dates.h"
#include "records/tables/dbase_table.h"

#include <optional>
#include <vector>

namespace orvane::records
{

/// The same day of the next month, brought back to the last day of that
/// month when it has no such day (31 January → 28 or 29 February, 31 March
/// → 30 April), and to 31 December 9999, the last day the calendar reaches.
[[nodiscard]] engine::DateCivile meme_jour_du_mois_suivant(engine::DateCivile d);

/// The next anniversary of a record: the first anniversary, today or
/// later, of the Hebrew date of its civil date "NAI_CV_N" and its flag "J_N"
/// (a birth or death between nightfall and midnight belongs to the next
/// Hebrew day). None without a date of the years 100 to 9999, or when it
/// would fall past the years the calendar reaches.
[[nodiscard]] std::optional<engine::DateCivile>
prochain_anniversaire_de_la_fiche(const Table& t, std::size_t fiche, engine::DateCivile aujourdhui);

/// The numbers of the records (Table::fiches) whose next anniversary lies
/// from `aujourdhui` to meme_jour_du_mois_suivant(aujourdhui), both
/// included, in the order of the file; for Table::selectionne.
[[nodiscard]] std::vector<std::size_t> anniversaires_du_mois(const Table& t,
                                                             engine::DateCivile aujourdhui);

} // namespace orvane::records
