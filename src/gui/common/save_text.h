// "Enregistrer" of the result windows: a save dialog opened in an output
// folder of the program directory with a proposed name, then the lines
// written in Windows-1252 with CR LF, atomically.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace orvane::gui
{

/// Asks where to save: the proposed path in, the chosen path out (nothing
/// when cancelled).
using ChoixFichier =
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path& propose)>;

/// Shows an error message.
using MessageErreur = std::function<void(const std::string& texte)>;

/// The save dialog of Qt, for files of text.
[[nodiscard]] ChoixFichier choix_fichier_par_dialogue(QWidget* parent);

/// Creates `dossier` (inside `repertoire`, names found without regard to
/// case) when missing, asks for the file with `nom` proposed there and
/// writes the lines. Returns the file written, or nothing when cancelled or
/// failed (the error is shown).
std::optional<std::filesystem::path>
enregistre_lignes(const std::filesystem::path& repertoire, const std::string& dossier,
                  const std::string& nom, const std::vector<std::string>& lignes,
                  const ChoixFichier& choix, const MessageErreur& erreur);

} // namespace orvane::gui
