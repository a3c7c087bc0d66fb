// Start and end of a run: the year files, the output directories, the
// options, the small file of the Diaspora choice, and the opening of
// documents with the desktop's programs.
#pragma once

#include "config/program_options.h"
#include "engine/calendar_engine.h"
#include "platform/clock.h"
#include "platform/document_opener.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::shell
{

/// The output directories, in the order they are created; "FMAIL" stands for
/// "FMAIL/<Hebrew year>" (mailings of the year).
[[nodiscard]] const std::vector<std::string_view>& repertoires_de_sortie();

/// `cree_repertoires`: every output directory under the program directory,
/// with its parents, at every start. One that cannot be created is passed
/// over (a later write into it fails with its own message); their paths
/// are returned.
std::vector<std::filesystem::path> cree_repertoires(const std::filesystem::path& repertoire,
                                                    int annee_hebr);

/// "annee_c" and "annee_h": one line each, the civil and the Hebrew year of
/// today. Throws platform::FileError.
void ecrit_fichiers_annee(const std::filesystem::path& repertoire, int annee_civile,
                          int annee_hebr);

/// The year kept in "annee_c" (civil) or "annee_h" (Hebrew); none when the
/// file is absent or does not hold a number.
[[nodiscard]] std::optional<int> lit_fichier_annee(const std::filesystem::path& repertoire,
                                                   std::string_view fichier);

/// What the creation step gives: whether the program goes on, and the
/// message of each step that failed.
struct ResultatCreation {
    bool continuer = true; // false when the user cancelled the incoherence question
    std::vector<std::string> erreurs;
};

/// The creation step of the main window: today from the clock, converted by
/// the engine (which keeps today in its `aujourdhui_` fields and the date in
/// its date fields), the year files, the output directories and the options
/// of the start. Each step runs whatever the others did: a year file that
/// cannot be written (full disk, read-only home) is reported and the options
/// are still read. The program must end when `continuer` is false.
[[nodiscard]] ResultatCreation etape_creation(const std::filesystem::path& repertoire,
                                              const platform::Clock& horloge,
                                              engine::CalendarEngine& engine,
                                              config::ProgramOptions& options,
                                              const platform::Confirmation& confirme);

/// The close step: "veldor3.ini" in the program directory, "Diaspora=TRUE"
/// or "Diaspora=FALSE".
void ecrit_choix_diaspora(const std::filesystem::path& repertoire, bool diaspora);

/// `ouvre_document`: opens the document `nom` of the program directory with
/// the desktop's program. None when it went; otherwise the error message to
/// show ("Erreur 2 en ouvrant … Voir les libellés dans le fichier
/// openerro.dta"): 2 for a document that does not exist, 31 for one that no
/// program could open.
[[nodiscard]] std::optional<std::string> ouvre_document(const std::filesystem::path& repertoire,
                                                        std::string_view nom,
                                                        platform::DocumentOpener& ouvreur);

} // namespace orvane::shell
