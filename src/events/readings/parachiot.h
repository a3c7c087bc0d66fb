// The weekly reading (paracha) and the special Sabbath of a Saturday.
//
// Readings are counted in weeks from Simha Torah, less the weeks that
// festivals take, plus one for each pair of readings joined before the day.
// Which pairs are joined and how many festival weeks are skipped depend on
// the type of the year (weekday of Roch-Hachana, lengths of Hechvan and
// Kislev, leap status) and on the Diaspora: in the Diaspora the eighth day
// of Pessa'h and the second day of Chavou'ot can fall on Chabbat and hold
// the reading back a week until two readings are joined.
//
//   e.convertit_civil_hebreu(2024, 10, 26);          // 24 Tichri 5785, Chabbat
//   LibellesDuJour l = libelles_du_jour(e, true);
//   paracha_du_jour(e, true, l);                      // l.indice_fete 51 (Berèchit)
#pragma once

#include "events/festivals/day_labels.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// No pair in a slot of `lectures_doubles`.
inline constexpr int pas_de_paire = 150;

/// The two tables of a year's readings.
struct TablesParachiot {
    /// Slots 1..7: the first reading of each pair read together this year,
    /// ascending, or pas_de_paire.
    std::array<int, 8> lectures_doubles{};
    /// Weeks to take off the count in period 3 (from Simha Torah), period 4
    /// (after Pessa'h) and period 5 (after Chavou'ot); index 3..5.
    std::array<int, 6> semaines_fetes{};
};

/// The year tables of the Hebrew year set up in `e` (nb_mois, jour_rh,
/// hechvan, kislev).
[[nodiscard]] TablesParachiot prepare_parachiot(const engine::CalendarEngine& e, bool diaspora);

/// Completes the labels `l` of the Saturday held in `e` (run after
/// libelles_du_jour for the same day): the reading index in indice_fete when
/// no festival took the day, the second reading of a pair in
/// libelle_paracha, the special Sabbath in libelle_court, and the Sabbath
/// texts (texte_chabbat is `prefixe` + "Chabbat " + the special Sabbath).
/// Does nothing on other weekdays.
void paracha_du_jour(const engine::CalendarEngine& e, bool diaspora, LibellesDuJour& l,
                     std::string_view prefixe = {});

/// The reading as printed: the name of indice_fete followed by
/// libelle_paracha, the stars turned into blanks and the blanks at both ends
/// trimmed ("Tazria      Metsora", "Berèchit"; the reading alone on a
/// Saturday of 'Hanouka). Empty on the other festival Saturdays.
[[nodiscard]] std::string texte_paracha(const LibellesDuJour& l);

/// The special Sabbath of the labels, trimmed: "Zakhor", "Hagadol", … or
/// empty.
[[nodiscard]] std::string nom_chabbat_special(const LibellesDuJour& l);

} // namespace orvane::events
