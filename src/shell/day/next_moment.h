// The marker of the next moment of the Jewish day on the day page: the star
// beside the first time of the list still to come, and the box that says how
// long until it ("Min'ha Kétana\t dans :  1h 05mn"). Once every time of the
// day is past, the star goes back to the first line and the box counts the
// time since the night of Rabbénou Tam.
#pragma once

#include "shell/day/times_list.h"

#include <string>
#include <vector>

namespace orvane::shell
{

inline constexpr std::string_view texte_nuit_depuis = "Nuit (Rabbénou Tam) depuis :  ";

struct ProchainMoment {
    int ligne = 0;         // index in the list of the line that gets the star
    std::string texte;     // the box: name, "\t dans :  ", time left
    bool visible = false;  // the box is shown this second
    bool clignote = false; // the last minute: visible every other second
    bool tous_passes = false;
    /// The next time is the Sabbath or festival entry: its caption turns
    /// red and blue in turn (red on even seconds), and the candle is lit in
    /// the last ten minutes.
    bool entree_prochaine = false;
    bool legende_rouge = false;
    bool bougie = false;
};

/// "2h 05mn", "0h 40mn": whole hours, "h ", minutes (with a leading "0"
/// below 10), "mn", from a count of seconds (seconds dropped).
[[nodiscard]] std::string texte_duree_restante(long secondes);

/// The marker for a clock time of `maintenant` seconds since midnight of the
/// date of the list.
[[nodiscard]] ProchainMoment prochain_moment(const std::vector<LigneHoraire>& lignes,
                                             long maintenant);

/// The Sabbath pictures of the day page at a moment of the date shown.
struct EtatChabbat {
    bool bougie = false; // the candle: the last 11 minutes before the entry, on Friday
    bool panneau =
        false; // the Sabbath panel: after the entry on Friday, until the exit on Saturday
};

/// The pictures for a date of weekday `jour_semaine` (6 Friday, 7 Saturday)
/// whose entry and exit are `entree` and `sortie` (seconds from the start
/// of Friday and of Saturday), at `maintenant` seconds from the start of
/// the date.
[[nodiscard]] EtatChabbat etat_chabbat(int jour_semaine, std::optional<long> entree,
                                       std::optional<long> sortie, long maintenant);

} // namespace orvane::shell
