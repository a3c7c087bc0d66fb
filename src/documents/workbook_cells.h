// What the workbook layouts share: the texts of a day's cells and the
// choice of a style for a marked day.
#pragma once

#include "documents/calendar_request.h"
#include "documents/workbook_writer.h"
#include "documents/year_page.h"

#include <string>
#include <string_view>

namespace orvane::documents
{

/// Between the items of "Fêtes et notes" in a cell.
inline constexpr std::string_view entre_elements = " \u2013 ";

/// "Mer": the first three letters of the weekday, as the export writes it.
[[nodiscard]] std::string jour_court(int jour_semaine);
/// "Mercredi".
[[nodiscard]] std::string jour_long(int jour_semaine);

/// The day of the month in the direction of the page, and the other
/// calendar's day and month ("Tevet", "Janvier").
[[nodiscard]] int jour_du_sens(Sens sens, const JourPage& j);
[[nodiscard]] int autre_jour(Sens sens, const JourPage& j);
[[nodiscard]] std::string autre_mois(Sens sens, const JourPage& j);

/// The items of the day joined: "CHABBAT – Vayigache – Sortie Chabbat 18.02".
[[nodiscard]] std::string fetes_et_notes(const JourPage& j);

/// The items without the Sabbath mark and the times: the festival, reading
/// and notes alone ("Vayigache").
[[nodiscard]] std::string libelles_seuls(const JourPage& j);

/// The shaded style of a marked day.
[[nodiscard]] StyleCellule style_du_jour(const JourPage& j, StyleCellule simple);

/// The time of the entry (or beginning of a fast) of a day, or of its exit
/// (or end of a fast); an empty slot when the day has none.
[[nodiscard]] zmanim::TexteHoraire heure_debut(const JourPage& j);
[[nodiscard]] zmanim::TexteHoraire heure_fin(const JourPage& j);

/// "Calendrier de 2025 ( 5785 - 5786 ) pour PARIS (75)" without its blank
/// in front, and the month heading "Janvier 2025 – Tevet 5785  Chevat 5785".
[[nodiscard]] std::string titre_du_mois(const MoisPage& m);
[[nodiscard]] std::string entete_du_mois(const MoisPage& m);

} // namespace orvane::documents
