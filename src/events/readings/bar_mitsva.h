// The Chabbat of a Bar-Mitsva (13 years) or Bat-Mitsva (12 years) and its
// reading, from a Hebrew birth date.
#pragma once

#include <string>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

struct LibellesDuJour;

struct BarMitsva {
    std::string titre;         // "Paracha de Bar-Mitsva" or "Paracha de Bat-Mitsva"
    std::string ligne_date;    // "   Lundi     3 Février 2031 = 10 Chevat 5791"
    std::string paracha;       // the reading of the Chabbat alone: "Bo", "Tazria Metsora"
    std::string texte_chabbat; // "Chabbat Bar-Mitsva : Bo" …
    int annee_hebr = 0;        // the day of the Bar-Mitsva
    int mois_hebr = 0;
    int jour_hebr = 0;
    int chabbat_annee_hebr = 0; // the Chabbat on or after it
    int chabbat_mois_hebr = 0;
    int chabbat_jour_hebr = 0;
    int chabbat_annee_civile = 0;
    int chabbat_mois_civil = 0;
    int chabbat_jour_civil = 0;
};

/// The reading of a Chabbat as the Bar-Mitsva panel writes it: the day mark
/// ("Hol Hamoed"), the festival or the reading with its second reading, the
/// "*" and "-" padding blanked, then the special Chabbat after " - Chabbat ":
/// "Tazria Metsora", "Vayèlekh - Chabbat Chouva".
[[nodiscard]] std::string lecture_du_chabbat(const LibellesDuJour& l);

/// From the Hebrew birth date held in `e` (annee_hebr, mois_hebr, jour_hebr
/// and the year registers of the birth year): the day the child comes of age
/// and the first Chabbat from that day on, with its reading. A birth in Adar
/// keeps Purim's month: Adar II when the year of age is leap, Adar when it is
/// common; a day the month does not have becomes the 1st of the next month.
/// Every field of `e` that the computation changes is restored, and the year
/// registers are set up again for the birth year.
[[nodiscard]] BarMitsva paracha_bar_mitsva(engine::CalendarEngine& e, bool fille, bool diaspora);

} // namespace orvane::events
