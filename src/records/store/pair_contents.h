// The two files of a store as read, line by line, and whether they agree:
// the record of each line position is one line of each file, both
// beginning with the same record number, or both empty.
#pragma once

#include "records/store/families.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvane::records
{

/// One side of a line position.
struct CoteDeLigne {
    bool vide = true;          // nothing but blanks and tabs
    std::optional<int> numero; // the record number it begins with
};

/// A line position at which the two files disagree.
struct DefautPaire {
    std::size_t ligne = 0; // from 1
    CoteDeLigne noms;
    CoteDeLigne dates;
};

/// The lines of both files, of the same length (the shorter file completed
/// with empty lines).
struct ContenuPaire {
    std::vector<std::string> noms;
    std::vector<std::string> dates;
    /// The line (from 0) of each record, by position: the non-empty lines of
    /// the names file.
    std::vector<std::size_t> lignes_des_fiches;
    std::vector<DefautPaire> defauts;

    [[nodiscard]] bool coherent() const noexcept { return defauts.empty(); }
    [[nodiscard]] int nombre() const noexcept { return static_cast<int>(lignes_des_fiches.size()); }
    /// The highest record number (0 for an empty store).
    [[nodiscard]] int dernier_numero() const;
};

/// Reads the two files (a missing file reads as empty). Throws
/// platform::FileError.
[[nodiscard]] ContenuPaire lit_paire(const FichiersFamille& fichiers);

/// The record and line agreement of two lists of lines (line positions and
/// defects).
[[nodiscard]] ContenuPaire compare_lignes(std::vector<std::string> noms,
                                          std::vector<std::string> dates);

/// The bytes of a file of lines in Windows-1252 with CR LF, without the
/// empty lines at its end. Throws platform::FileError naming `fichier` and
/// the line of a character the code page cannot hold.
[[nodiscard]] std::string octets_du_fichier(std::vector<std::string> lignes,
                                            const std::filesystem::path& fichier);

} // namespace orvane::records
