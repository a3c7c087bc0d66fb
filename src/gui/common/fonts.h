// The fonts of the result windows: a fixed-width font for the text areas
// ("Courier New", else Liberation Mono or DejaVu Sans Mono), and a Hebrew
// font of the system for the Hebrew-letter labels.
#pragma once

#include <QFont>

#include <string_view>

class QLabel;

namespace orvane::gui
{

/// Fixed-width font of `points` points.
[[nodiscard]] QFont police_fixe(int points, bool gras = false);

/// A font of the system that draws Hebrew letters (Culmus when installed).
[[nodiscard]] QFont police_hebraique(int points);

/// Shows a stored Latin-letter Hebrew text ("ach", "hfwcp") as Hebrew
/// letters, drawn left to right as stored, in the Hebrew font.
void affiche_hebreu(QLabel& label, std::string_view texte_latin, int points = 20);

} // namespace orvane::gui
