// The Chabbat of a Bar-Mitsva (13 years) or Bat-Mitsva (12 years) and its
// reading, from a Hebrew birth date.
#pragma once

#include "engine/dates.h"

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

/// The Bar-Mitsva (boy, birth year + 13) or Bat-Mitsva (girl, + 12) date of
/// a Hebrew birth date. Into a common year Adar I and Adar II both give
/// Adar; into a leap year Adar II stays Adar II, and Adar gives Adar I after
/// a leap birth year and Adar II after a common one, so that the child keeps
/// the Adar of Purim. A day the target month lacks gives day 1 of the next
/// month (Nissan after Adar of a common year, Kislev after a 29-day Hechvan,
/// Tevet after a 29-day Kislev).
///
///   date_bar_mitsva({5771, 6, 30}, false)   // 5784 is leap: 30 Adar I 5784
///   date_bar_mitsva({5771, 6, 30}, true)    // 5783 is common: 1 Nissan 5783
[[nodiscard]] engine::DateHebraique date_bar_mitsva(const engine::DateHebraique& naissance,
                                                    bool fille);

/// The reading of a Chabbat as the Bar-Mitsva panel writes it: the day mark
/// ("Hol Hamoed", "Chouva"), then the festival or the reading with its
/// second reading, the padding blanked and the names' hyphens kept:
/// "Tazria Metsora", "A'harè-Mot Kedochim", "Chouva Vayèlekh".
[[nodiscard]] std::string lecture_du_chabbat(const LibellesDuJour& l);

/// From the Hebrew birth date held in `e` (annee_hebr, mois_hebr, jour_hebr
/// and the year registers of the birth year): the day the child comes of age
/// (`date_bar_mitsva`) and the first Chabbat from that day on, with its
/// reading. Every field of `e` that the computation changes is restored, and the year
/// registers are set up again for the birth year.
[[nodiscard]] BarMitsva paracha_bar_mitsva(engine::CalendarEngine& e, bool fille, bool diaspora);

} // namespace orvane::events
