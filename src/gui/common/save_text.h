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

/// The filters of the result windows' save dialogs.
inline constexpr const char* filtres_texte = "Fichiers texte (*.txt);;Tous les fichiers (*)";
/// The filters of the saves that also offer a word processor's document.
inline constexpr const char* filtres_rtf_et_texte =
    "Fichier RichTextFormat (*.rtf);;Fichier Texte (*.txt)";

/// The save dialog of Qt with `filtres`; the filter of the proposed name's
/// extension is the one selected.
[[nodiscard]] ChoixFichier choix_fichier_par_dialogue(QWidget* parent,
                                                      const char* filtres = filtres_texte);

/// Creates `dossier` (inside `repertoire`, names found without regard to
/// case) when missing, asks for the file with `nom` proposed there and
/// writes the lines: as an RTF document when the chosen name ends in
/// ".rtf", as text in Windows-1252 otherwise. Returns the file written, or nothing when cancelled
/// or failed (the error is shown).
std::optional<std::filesystem::path>
enregistre_lignes(const std::filesystem::path& repertoire, const std::string& dossier,
                  const std::string& nom, const std::vector<std::string>& lignes,
                  const ChoixFichier& choix, const MessageErreur& erreur);

} // namespace orvane::gui
