// The list of the times of the day on the day page: one line per moment of
// the day (caption and clock time), in the order of the moments of the
// halachic opinions. The Sabbath entry line stands only on the day the
// Sabbath or a festival begins ("Entrée de Chabbat ", "Entrée de Yom Tov "),
// the exit line only on the day it ends.
#pragma once

#include "events/festivals/day_kind.h"
#include "zmanim/day/day_times.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::shell
{

/// Width of the caption column of the list.
inline constexpr std::size_t largeur_legende_horaire = 28;

struct LigneHoraire {
    std::string legende; // "Lever du soleil : Nets", "Entrée de Chabbat "
    std::string jeton;   // the slot: "heureL", "entree_chabbat"
    std::string heure;   // "05:47"; empty when the day has no such time
    /// Seconds from midnight at the start of the date to the clock time
    /// shown; beyond 86400 for a time after the next midnight (a night that
    /// ends at 00:40 reads 88800).
    std::optional<long> secondes;
    std::string texte; // the line of the list: caption filled to 28, time
};

/// The lines of the day computed in `jour` (zone and `correction` in hours
/// as the times were written), for a day of kind `nature`.
[[nodiscard]] std::vector<LigneHoraire>
lignes_horaires(const zmanim::DayTimes& jour, double correction, const events::NatureJour& nature);

/// Seconds from the start of the date of the clock time a slot shows, or
/// none when the slot has no time.
[[nodiscard]] std::optional<long> secondes_du_creneau(const zmanim::DayTimes& jour,
                                                      std::string_view jeton, double correction);

} // namespace orvane::shell
