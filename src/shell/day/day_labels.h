// The texts of the day as the main window shows them in its labels and the
// day page writes them: the text of the day with the Sabbath times, the
// count of the Omer, the coming Sabbath and its reading, the days of the
// week that carry a label, and the note of the prayer for rain.
#pragma once

#include "shell/day/day_computation.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::shell
{

/// The labels of the texts of the day, in the order the page writes them:
/// the two lines of the day (the text of the day with the Sabbath times,
/// the Omer), the Sabbath line, the heading of the week, five week lines and
/// the note of the prayer for rain.
inline constexpr std::array<std::string_view, 10> etiquettes_du_jour = {
    "Label3",  "Label4",  "Label5",  "Label6",  "Label10",
    "Label11", "Label21", "Label22", "Label23", "Label24"};

/// A text of the day as shown: the padding of the name tables ("-" and
/// "*") turned into blanks, except in the greeting "*** CHANA TOVA***" of
/// Roch Hachana, and the blanks at both ends removed.
[[nodiscard]] std::string texte_affiche(std::string_view texte);

/// The texts of those labels for the day computed; a text of the day that
/// begins with "Aujourd'hui " reads "Ce jour " when the date shown is not
/// today. Empty texts leave their label empty.
[[nodiscard]] std::array<std::string, 10> textes_du_jour(const JourCalcule& j, bool aujourdhui);

} // namespace orvane::shell
