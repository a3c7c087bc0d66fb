// Hebrew dates in Hebrew script for the French/Hebrew printers' calendar:
// numbers in Hebrew letters (gematria) and the month names, as Unicode
// Hebrew text that a spreadsheet shows right to left.
//
//   nombre_en_lettres(3)      // "ג׳"
//   nombre_en_lettres(15)     // "ט״ו": 9 + 6, never the letters of the Name
//   annee_en_lettres(5785)    // "תשפ״ה": the thousands left out
//   date_en_lettres({5785, 4, 3}, false)   // "ג׳ טבת תשפ״ה"
#pragma once

#include "engine/dates.h"

#include <string>

namespace orvane::documents
{

/// A number of 1 to 999 in Hebrew letters, with a geresh after a single
/// letter and a gershayim before the last of several; 15 and 16 are
/// written 9 + 6 and 9 + 7.
[[nodiscard]] std::string nombre_en_lettres(int nombre);

/// A Hebrew year in letters, without its thousands: 5785 → "תשפ״ה".
[[nodiscard]] std::string annee_en_lettres(int annee);

/// The Hebrew name of month `mois` (1 Tichri … 13 Eloul) in Hebrew script;
/// in a leap year 6 and 7 are "אדר א׳" and "אדר ב׳".
[[nodiscard]] std::string mois_en_lettres(int mois, bool embolismique);

/// Day, month and year in Hebrew script.
[[nodiscard]] std::string date_en_lettres(const engine::DateHebraique& d, bool embolismique);

} // namespace orvane::documents
