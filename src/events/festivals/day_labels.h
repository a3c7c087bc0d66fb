// The labels of one day: festival or fast, day mark, short label (special
// Sabbath, Tikoun Hatal, Omer count) and the reading column. Every calendar
// page, grid, table and the day page takes its names from here.
//
//   CalendarEngine e;
//   e.convertit_civil_hebreu(2024, 4, 23);           // 15 Nissan 5784
//   LibellesDuJour l = libelles_du_jour(e, true);
//   // l.indice_fete 10 (Pessa'h), l.libelle_court "Tikoun Hatal"
#pragma once

#include <string>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// What the labels of a day say. The indexes point into `libelles_fetes` and
/// `libelles_jours`; `nom_fete` and `nom_jour` are the texts those entries
/// read for this day (entry 0 by the weekday, and the days that carry a text
/// of their own: Yom HaChoa, Yom Hazikaron, Yom Haatsmaout, Yom
/// Yérouchalaïm, 5 Iyar 5708, 28 Iyar 5727).
struct LibellesDuJour {
    int indice_fete = 0; // 0 none, 1..34 festival or fast, 49..104 reading
    int indice_jour = 0; // 0 none, 1..24 day mark
    std::string nom_fete;
    std::string nom_jour;
    std::string libelle_court = "        ";    // special Sabbath, Tikoun Hatal, Omer
    std::string libelle_paracha = "---------"; // second reading of a pair, or padding
    std::string texte_omer;                    // "Omer 12 " on the days of the count
    std::string texte_tal;                     // "Tikoun Hatal" on 15 Nissan
    std::string texte_chabbat;                 // "Chabbat Zakhor " ... (Saturdays)
    std::string texte_chabbat_long;            // the special Sabbath name alone
};

/// Labels of the Hebrew date held in `e` (annee_hebr, mois_hebr, jour_hebr,
/// jour_semaine, nb_mois and kislev must describe that day: convert the date
/// first). `diaspora` is false in Israel, where the second festival days are
/// intermediate days and Simha Torah is kept with Chemini Atseret.
[[nodiscard]] LibellesDuJour libelles_du_jour(const engine::CalendarEngine& e, bool diaspora);

/// The Omer label of day `n` (1..49) of the count: "Omer " + n on two
/// characters + " ".
[[nodiscard]] std::string libelle_omer(int n);

/// Day of 'Hanouka of the date held in `e` for the calendar pages ("1er
/// 'Hanouka", "2e 'Hanouka" …), empty outside the eight days.
[[nodiscard]] std::string jour_de_hanouka(const engine::CalendarEngine& e);

} // namespace orvane::events
