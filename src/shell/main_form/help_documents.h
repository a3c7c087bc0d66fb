// The documents the program delivers to be read in its help window: the
// rules of the calendar beyond those the windows show, how the records are
// kept, and the user's guide. They stand in the folder "Aide" of the program
// directory, in UTF-8.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::shell
{

struct DocumentAide {
    std::string_view titre;   // the menu entry and the window's caption
    std::string_view fichier; // in the folder "Aide"
};

inline constexpr std::string_view dossier_aide = "Aide";

/// The entries of the menu "Systeme solaire / Explications", in its order.
inline constexpr std::array<DocumentAide, 3> documents_aide = {{
    {"Autres règles du calendrier", "autres_regles.txt"},
    {"Explications sur les bases de données", "bases_de_donnees.txt"},
    {"Lisez moi", "lisez_moi.txt"},
}};

/// The document "Lisez moi", which the title of the main window opens.
inline constexpr const DocumentAide& document_lisez_moi = documents_aide[2];

/// The lines of a document of the program directory `repertoire` (names
/// found without regard to case). Throws platform::FileError naming the file
/// when it is missing or unreadable.
[[nodiscard]] std::vector<std::string> lignes_du_document(const std::filesystem::path& repertoire,
                                                          const DocumentAide& document);

} // namespace orvane::shell
