// A workbook as an independent reader sees it: tests/documents/
// read_workbook.py (openpyxl) run on the file, its records gathered here.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvane::documents::test
{

struct CelluleLue {
    char genre = 's'; // s text, n number, t time "07:01", d date, b boolean
    std::string valeur;
};

struct FeuilleLue {
    std::string nom;
    std::string orientation; // "portrait", "landscape"
    std::string papier;      // "9" for A4
    bool ajustee = false;    // fitted to pages
    std::string pages_large;
    std::string pages_haut;
    std::string lignes_repetees;                        // "1:3"
    std::string fusions;                                // "A1:U1 A2:U2"
    std::map<std::pair<int, int>, CelluleLue> cellules; // (row, column) from 1

    /// The text of a cell; "" when empty.
    [[nodiscard]] std::string texte(int ligne, int colonne) const;
    [[nodiscard]] char genre(int ligne, int colonne) const;
};

struct ClasseurLu {
    std::vector<FeuilleLue> feuilles;
    [[nodiscard]] std::vector<std::string> noms() const;
    [[nodiscard]] const FeuilleLue& feuille(const std::string& nom) const;
};

/// Runs the reader on `classeur` (the system's python3, without a shell) and parses what
/// it prints. Fails the test (ADD_FAILURE) and returns an empty workbook
/// when the reader cannot run or reports an error, openpyxl missing
/// included.
[[nodiscard]] ClasseurLu lit_classeur(const std::filesystem::path& classeur);

} // namespace orvane::documents::test
