// The seasonal hours of the day page: which hour of the Jewish day or night
// it is now, counted in twelfths of the day (or of the night), by two
// methods, and the lengths of the day and of the night.
//
// Hagra: the day runs from sunrise to sunset. Maguen Abraham: from dawn to
// the night. In a day of 14 hours from 06:00 to 20:00, each seasonal hour of
// the day lasts 70 minutes and each hour of the night 50: at 13:00 it is
// 06:00:00 of the day, at 22:00 02:24:00 of the night.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::shell
{

/// Names of the two methods as the lines write them, padded with blanks.
inline constexpr std::string_view methode_hagra = "Hagra           ";
inline constexpr std::string_view methode_maguen_abraham = "Mag.Abr.       ";

/// The limits of one day in local hours (zone and summer time added): its
/// morning and evening limits and the evening limit of the day before.
struct LimitesJournee {
    double matin = 0;
    double soir = 0;
    double soir_veille = 0;
};

/// The current seasonal hour, as hours, minutes and seconds of the count.
struct HeureSaison {
    int heures = 0;
    int minutes = 0;
    int secondes = 0;
    bool journee = true; // false: an hour of the night
};

/// The seasonal hour at `maintenant` (local hours, 0..24). Between the two
/// limits it counts from the morning limit in twelfths of the day; after the
/// evening limit from that limit in twelfths of (24 h − the day); before the
/// morning limit, from the evening limit of the day before in twelfths of the
/// night that ends this morning, so that the count never goes negative; but
/// while the evening limit of the day before, past midnight, is still to
/// come, it is that day's hour (an hour of the day, towards 12), counted from
/// this morning's limit taken a day earlier.
[[nodiscard]] HeureSaison heure_saison(const LimitesJournee& limites, double maintenant);

/// "  Heure actuelle Hagra   07:12:00 (nuit)": "  Heure actuelle " and the
/// method cut together to 25 characters, then the count on two digits per
/// field and " (journée)" or " (nuit)".
[[nodiscard]] std::string ligne_heure_saison(std::string_view methode, const HeureSaison& h);

/// A length of time in hours written hours "." minutes, each on two digits,
/// to the nearest minute: 15.8667 → "15.52".
[[nodiscard]] std::string texte_duree(double heures);

/// The four lines of the lengths of day and night: the labels filled to 35
/// characters, two blanks and the length. `jour_hagra` is sunset − sunrise,
/// `jour_maguen_abraham` night − dawn, in hours; without a dawn or a night
/// its two lines read "--".
[[nodiscard]] std::vector<std::string> lignes_durees(double jour_hagra,
                                                     std::optional<double> jour_maguen_abraham);

} // namespace orvane::shell
