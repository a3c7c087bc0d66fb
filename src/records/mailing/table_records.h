// The records of a dBase table as the mailing reads them: every field's
// text in the order of the table, and the date of the next anniversary.
#pragma once

#include "records/mailing/mailing_run.h"

namespace orvane::records
{

class Table;

/// The records shown by `table` (its order, limits and selection), each
/// with its fields in the order of the table.
[[nodiscard]] std::vector<FicheAPublier> fiches_de_la_table(const Table& table);

} // namespace orvane::records
