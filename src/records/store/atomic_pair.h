// Replacing the two files of a store together: a crash, a kill, a full
// disk or a read-only folder leaves either both old files or both new
// ones, never the names of one generation beside the dates of another.
//
// The new contents are first written complete beside the files, under
// ".<name>.new" (each through a temporary file, synced, then renamed); the
// replacement is decided when both exist. The old files are then kept as
// "<name>.bak" (hard links, or copies where links are refused) and the two
// ".new" files renamed over the files, names first, the folder synced after
// each step. The state on the disk therefore tells how far a replacement
// went:
//   only the names' ".new"        not decided: it is removed (old files)
//   both ".new"                   decided: backups, then both renamed
//   only the dates' ".new"        names done: the dates are renamed
// reprend_remplacement finishes or undoes an interrupted replacement so.
//
// The caller holds the folder's lock (VerrouDossier) around these calls.
#pragma once

#include "records/store/families.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace orvane::records
{

/// The steps of a replacement, in order; the hook is called after each.
enum class EtapeRemplacement {
    noms_ecrits,        // the new names are in a temporary file
    noms_prets,         // ... complete, as ".<names>.new"
    dates_ecrites,      // the new dates are in a temporary file
    dates_pretes,       // ... complete: from here the new files win
    noms_sauvegardes,   // the old names kept as "<names>.bak"
    dates_sauvegardees, // the old dates kept as "<dates>.bak"
    noms_remplaces,     // the new names in place
    dates_remplacees,   // the new dates in place: done
};

/// The first step from which an interrupted replacement is completed.
inline constexpr EtapeRemplacement etape_decisive = EtapeRemplacement::dates_pretes;

/// Called after each step (tests interrupt a replacement there).
using CrochetRemplacement = std::function<void(EtapeRemplacement)>;

/// ".<name>.new" beside the file.
[[nodiscard]] std::filesystem::path chemin_nouveau(const std::filesystem::path& fichier);

/// "<name>.bak" beside the file.
[[nodiscard]] std::filesystem::path chemin_sauvegarde(const std::filesystem::path& fichier);

/// Replaces the two files with these bytes, after finishing any replacement
/// left interrupted. Throws platform::FileError naming the file that could
/// not be written; before the decisive step the old files are then whole
/// and nothing new is left beside them; after it the replacement is
/// completed by the next reprend_remplacement. The files keep their
/// permissions. A backup that cannot be made removes both backups and does
/// not stop the replacement.
void remplace_paire(const FichiersFamille& fichiers, std::string_view noms, std::string_view dates,
                    const CrochetRemplacement& crochet = {});

/// What reprend_remplacement did.
enum class Reprise {
    aucune,  // nothing was pending
    achevee, // an interrupted replacement was completed: the new files
    annulee, // an undecided one was undone: the old files
};

/// Finishes or undoes an interrupted replacement of the two files, and
/// removes the temporary files that dead processes left in their folder.
/// Throws platform::FileError when a rename fails.
Reprise reprend_remplacement(const FichiersFamille& fichiers);

} // namespace orvane::records
