// A workbook as an independent reader sees it: tests/documents/
// read_workbook.py (openpyxl) run on the file, its records gathered here.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <tuple>
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

/// What a Python script printed, and its exit status (-1 when it could not
/// run).
struct SortiePython {
    std::string texte;
    int statut = -1;
};

/// The system's python3 (the one Debian's packages serve) on `script`
/// with `fichier` and an optional option, without a shell.
[[nodiscard]] SortiePython execute_python(const std::filesystem::path& script,
                                          const std::filesystem::path& fichier,
                                          std::string option = {});

/// Runs the reader on `classeur` (the system's python3, without a shell) and parses what
/// it prints. Fails the test (ADD_FAILURE) and returns an empty workbook
/// when the reader cannot run or reports an error, openpyxl missing
/// included.
[[nodiscard]] ClasseurLu lit_classeur(const std::filesystem::path& classeur);

/// A number cell with its number format ("hh:mm:ss") and its value as the
/// reader gives it ("07:45:12" for a time of day).
struct FormatLu {
    std::string format;
    std::string valeur;
};

/// A chart of a sheet.
struct GraphiqueLu {
    int feuille = 0;
    std::string genre; // "lineChart"
    int courbes = 0;
    std::string noms; // "Aube|L. sol|…"
};

/// What `read_workbook.py --details` prints: the number formats of the
/// number cells, keyed by (sheet index, row, column) from 1 for the cells,
/// the frozen panes by sheet index ("C4"), the charts.
struct DetailsLus {
    std::map<std::tuple<int, int, int>, FormatLu> formats;
    std::map<int, std::string> figees;
    std::vector<GraphiqueLu> graphiques;
};

/// The details of `classeur`, read as `lit_classeur` does.
[[nodiscard]] DetailsLus lit_details(const std::filesystem::path& classeur);

} // namespace orvane::documents::test
