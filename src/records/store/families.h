// The three families of records and the two text files of each, under the
// program directory:
//
//   family        folder     names file          dates file
//   "Naissance"   barmitsv   base_bm_noms.txt    base_bm_dates.txt
//   "Décès"       deces      base_dc_noms.txt    base_dc_dates.txt
//   "Anniversaire" events    base_even_noms.txt  base_even_dates.txt
//
// Names of folders and files are found without regard to case, as on the
// system the files come from ("BARMITSV/Base_BM_Noms.TXT" is the same file).
#pragma once

#include "records/anniversaries.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

namespace orvane::records
{

/// What names and shows a family.
struct DescriptionFamille {
    Famille famille;
    std::string_view nom;           // "Naissance", the text that selects the family
    std::string_view entree_menu;   // "&Bar Mitsva"
    std::string_view dossier;       // "barmitsv"
    std::string_view fichier_noms;  // "base_bm_noms.txt"
    std::string_view fichier_dates; // "base_bm_dates.txt"
    std::string_view titre;         // the records window's caption
    std::string_view note_dossier;  // where the files are, shown in the window
};

/// The three families, births, deaths, events.
extern const std::array<DescriptionFamille, 3> familles;

/// The description of a family.
[[nodiscard]] const DescriptionFamille& description_famille(Famille famille);

/// The family of its name ("Naissance", "Décès", "Anniversaire").
[[nodiscard]] std::optional<Famille> famille_du_nom(std::string_view nom);

/// The two files of a family as they are on the disk.
struct FichiersFamille {
    std::filesystem::path noms;
    std::filesystem::path dates;
};

/// The files of `famille` under the program directory: the folder and the
/// files found without regard to case; a missing folder is created, and so
/// is a missing file (empty). Throws platform::FileError.
FichiersFamille choisit_fichiers(const std::filesystem::path& dossier_programme, Famille famille);

} // namespace orvane::records
