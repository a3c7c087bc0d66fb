// The texts that show the summer-time state: the status line of the annual
// calendar window and the label under the summer and winter buttons of the
// main window, with their hints.
#pragma once

#include "places/dst.h"

#include <string>
#include <string_view>

namespace orvane::places
{

/// Status line after a lookup for year `annee`: "Heure d'été : 30/3/2025
/// Heure d'hiver : 26/10/2025" for a found year; "Les heures indiquées
/// sont celles d'hiver." without table; "Heures d'hiver. Il n'y a pas de
/// chang. d'heure pour 2030" for a year marked without change (the first
/// text again in the Hebrew-to-civil direction, `sens_hebreu_civil`).
[[nodiscard]] std::string texte_statut_annee(const DstYear& annee, int annee_civile,
                                             bool sens_hebreu_civil = false);

/// Hint of that status line, naming the country's table file.
[[nodiscard]] std::string bulle_statut_annee(const DstYear& annee, std::string_view pays);

/// Label under the buttons after the day was computed from a table.
[[nodiscard]] std::string_view texte_etiquette_table(bool ete);

/// Hint of that label: whether a table gave the days of change.
[[nodiscard]] std::string_view bulle_etiquette(bool table_trouvee);

/// Label under the buttons at the first showing and at each full hour.
[[nodiscard]] std::string_view texte_etiquette_horaire(bool hiver_coche);

} // namespace orvane::places
