// The listing and the three text exports of the table window, one line per
// record shown, from the first to the last; the window puts the lines in
// its text area and in the file "<base>.txt" of the folder of the tables.
#pragma once

#include "config/config.h"
#include "records/tables/dbase_table.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// The notice of an export of the selected fields when "config.dta" selects
/// none.
inline constexpr std::string_view avis_champs_par_defaut =
    "Pour info :\rVous n'avez pas selectionné de champs particuliers dans le fichier "
    "config.dta\rPar conséquent, nous selectionnons pour vous des champs pas défaut.";

/// The fields of the export when none is selected, each followed by a tab;
/// "NOTES" comes after them.
inline constexpr std::array<std::string_view, 8> champs_par_defaut = {
    "N", "NOM", "PRE", "CHEZ", "PAYS", "ACT_CV_N", "ACT_CV_LT", "ACT_HB_LT"};

/// The line of a record in the listing ("Lister le contenu") and in the
/// export "Enregistrer toutes la base dans un fichier txt": each field's
/// text preceded by a blank, in the order of the table's fields.
[[nodiscard]] std::string ligne_de_listing(const Table& t, std::size_t fiche);

/// The line of a record with every field, each preceded by a tab
/// ("Enregistrer tous les champs pour une utilisation sous excel").
[[nodiscard]] std::string ligne_de_tous_les_champs(const Table& t, std::size_t fiche);

/// The listing lines of the records shown.
[[nodiscard]] std::vector<std::string> listing(const Table& t);

/// The lines of the export with every field.
[[nodiscard]] std::vector<std::string> export_tous_les_champs(const Table& t);

/// The fields selected by "config.dta": in the order of ordre_des_champs,
/// each field of the table whose key "Table1" + name reads as on
/// (`lit_cle_vrai`). A key is found in the first line that holds it, so
/// "Table1N" stands above "Table1NOM" in the file or reads the line of
/// "Table1NOM", whose value then is not "true".
[[nodiscard]] std::vector<std::string> champs_selectionnes(const Table& t,
                                                           const config::FichierCles& config);

/// "NOTES" in the line of the default fields: from its 30th character to
/// its 79th when it begins with a day name ("Lundi", "Mardi", "Mercr",
/// "Jeudi", "Vendr", "Chabb", "Diman": the next anniversary written there
/// by the record window), otherwise whole.
[[nodiscard]] std::string notes_exportees(std::string_view notes);

/// The export of the selected fields.
struct ExportSelection {
    std::vector<std::string> lignes;
    bool par_defaut = false; // no field selected: show avis_champs_par_defaut once
};

/// "Enregistrer les champs sélectionnés dans le fichier 'config.dta'": for
/// each record shown, the text of each selected field followed by a tab;
/// with no field selected, the default fields each followed by a tab, then
/// notes_exportees of "NOTES" (fields the table lacks are passed over).
[[nodiscard]] ExportSelection export_champs_selectionnes(const Table& t,
                                                         const config::FichierCles& config);

/// The base name of a table's file, up to its first "." ("BD_NAIS" for
/// "BD_NAIS.DBF"): the group title of the window and, + ".txt", the name
/// that the save dialog proposes for the exports.
[[nodiscard]] std::string nom_de_base(const std::filesystem::path& fichier);

/// The count labels: "1234 enregistrements" (table window), "1234
/// Enregistrements" (record viewer), "12 fiches sélectionnées" ("Anniv.
/// mois courant").
[[nodiscard]] std::string libelle_enregistrements(std::size_t nombre);
[[nodiscard]] std::string libelle_enregistrements_fiches(std::size_t nombre);
[[nodiscard]] std::string libelle_fiches_selectionnees(std::size_t nombre);

/// The group title of the table window: "Base de données : BD_NAIS.DBF".
[[nodiscard]] std::string titre_base_de_donnees(const std::filesystem::path& fichier);

/// The error of the record viewer when the birth table cannot be opened.
inline constexpr std::string_view message_table_non_ouverte =
    "L'ensemble de données n'a pas pu être ouvert";

} // namespace orvane::records
