// The text of the year-type window ("Type / caractéristiques de l'année
// juive (Simane de l'année)") for one Hebrew year.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::events
{

inline constexpr std::string_view titre_type_annee =
    "Type / caractéristiques de l'année juive (Simane de l'année)";

struct TexteTypeAnnee {
    std::vector<std::string> lignes; // the text area
    std::string signe_hebreu;        // "ach", for the Hebrew-font label
    std::string mot_hebreu;          // "hfwcp" or "trbwum"
    std::string texte_nature;        // "(5785 est une année commune)"
    std::string correspondance; // "    L'année 5785 Correspond à 2024 / 2025 du calendrier civil."
};

/// The text for Hebrew year `annee` (1 and above), with the civil year that
/// the window shows beside it. The year and the first year of its 19-year
/// cycle are set up in a calendar record of its own.
[[nodiscard]] TexteTypeAnnee texte_type_annee(int annee, int annee_civile_affichee,
                                              std::string_view titre = titre_type_annee);

/// "TYPE_5785.txt".
[[nodiscard]] std::string nom_fichier_type(int annee);

/// What "Imprimer" prints: four lines of one blank, then every line of the
/// text from the second on, after eight blanks.
[[nodiscard]] std::vector<std::string>
lignes_a_imprimer_type(const std::vector<std::string>& texte);

} // namespace orvane::events
