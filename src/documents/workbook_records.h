// The workbook of a family of records: one sheet, a row of column titles,
// then one row per record and one column per field. The civil dates are
// spreadsheet dates shown "dd/mm/yyyy"; every other field is the text of
// the file as it is, so that nothing the user typed is lost. A date that
// cannot be read as a date, or that lies before 1 March 1900 (where the
// spreadsheets count days their own way), stays text.
//
// A text store (births, deaths, events): the record number, then the fields
// in the order of the record lines; a date group gives four columns, the
// civil date, its weekday, day or night, the Hebrew date ("1 Tichri 5785").
// A dBase table: its fields in their order, the date fields as dates.
//
//   ecrit_classeur_fiches(chemin, Famille::deces, base.fiches());
#pragma once

#include "engine/dates.h"
#include "records/anniversaries.h"
#include "records/store/store.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::records
{
class Table;
}

namespace orvane::documents
{

/// The value of one cell: a date when `date` is set, a text otherwise.
struct CelluleFiche {
    std::string texte;
    std::optional<engine::DateCivile> date;
    friend bool operator==(const CelluleFiche&, const CelluleFiche&) = default;
};

/// The civil month of its French name ("Septembre", "décembre": case and
/// blanks around ignored).
[[nodiscard]] std::optional<int> mois_civil_du_nom(std::string_view nom);

/// The titles of the columns of a family's workbook, in order.
[[nodiscard]] std::vector<std::string> colonnes_classeur_fiches(records::Famille famille);

/// The cells of a record, one per column of colonnes_classeur_fiches.
[[nodiscard]] std::vector<CelluleFiche> cellules_de_la_fiche(records::Famille famille,
                                                             const records::FicheLue& fiche);

/// Writes the workbook of the records of a text store at `destination`
/// (replaced whole, or not at all). Throws platform::FileError.
void ecrit_classeur_fiches(const std::filesystem::path& destination, records::Famille famille,
                           const std::vector<records::FicheLue>& fiches);

/// Writes the workbook of the records shown by a dBase table. Throws
/// platform::FileError.
void ecrit_classeur_table(const std::filesystem::path& destination, const records::Table& table);

} // namespace orvane::documents
