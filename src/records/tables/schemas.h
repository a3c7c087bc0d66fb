// The three dBase tables of the records, in the folder "dbd" of the program
// directory: the births "Bd_NAIS.dbf", the deaths "Bd_DC.dbf" (the fields
// of the births and the names of the deceased) and the events "Anni_Ev.DBF".
//
// The comment of an event, several lines in the events window, is kept in
// the text field "COMMENT" of 254 characters, its lines joined by CR LF: a
// memo field would need a memo file (".dbt") beside the table, and a text
// field is read by every dBase program as it is.
#pragma once

#include "records/tables/dbf_format.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// A table of the records: its file name, its fields and the names of the
/// indexes by which the windows sort it (each index orders on the field of
/// its name).
struct SchemaTable {
    std::string_view nom_fichier;
    std::vector<ChampDbf> champs;
    std::vector<std::string_view> index;
};

/// "Bd_NAIS.dbf": N, NOM, PRE, PREH, CHEZ, NUM, ADRESSE, CODE, VILLE, PAYS,
/// TEL, J_N, NAI_CV_N, NAI_HB_N, ACT_CV_N, NAI_CV_LT, NAI_HB_LT, ACT_CV_LT,
/// ACT_HB_LT, BAR_MITSVA, PARACHA, NOTES, B_MITZ_CIV.
[[nodiscard]] const SchemaTable& schema_naissances();

/// "Bd_DC.dbf": the fields of the births, then N_DC, NOM_DC, PRE_DC, PREH_DC.
[[nodiscard]] const SchemaTable& schema_deces();

/// "Anni_Ev.DBF": TITRE, DATEC, DATEH, COMMENT.
[[nodiscard]] const SchemaTable& schema_evenements();

/// The indexes of the births and the deaths: date of the birth or death,
/// names, town, postal code, date of the next anniversary.
inline constexpr std::array<std::string_view, 7> index_des_fiches = {
    "NAI_CV_N", "NOM", "PRE", "PREH", "VILLE", "CODE", "ACT_CV_N"};

/// The fields in the order of the exports of the table window: those of the
/// births, then those that the deaths add.
inline constexpr std::array<std::string_view, 27> ordre_des_champs = {
    "N",        "NOM",        "PRE",       "PREH",      "CHEZ",      "NUM",        "ADRESSE",
    "CODE",     "VILLE",      "PAYS",      "TEL",       "J_N",       "NAI_CV_N",   "NAI_HB_N",
    "ACT_CV_N", "NAI_CV_LT",  "NAI_HB_LT", "ACT_CV_LT", "ACT_HB_LT", "BAR_MITSVA", "PARACHA",
    "NOTES",    "B_MITZ_CIV", "N_DC",      "NOM_DC",    "PRE_DC",    "PREH_DC"};

/// The fields that hold Hebrew first names, stored in the order of the glyphs
/// (events/hebrew_letters.h): their index follows the Hebrew alphabet
/// (hebrew_order.h) instead of the French order.
inline constexpr std::array<std::string_view, 2> champs_hebreux = {"PREH", "PREH_DC"};

/// True for a field of champs_hebreux (name compared without regard to case).
[[nodiscard]] bool est_champ_hebreu(std::string_view nom);

/// The folder of the tables in the program directory.
inline constexpr std::string_view dossier_des_tables = "dbd";

/// The folder "dbd" of `repertoire_programme` (found without regard to
/// case), created when missing. Throws platform::FileError.
[[nodiscard]] std::filesystem::path
repertoire_des_tables(const std::filesystem::path& repertoire_programme);

/// The file of table `nom_fichier` in the folder of the tables (created when
/// missing), the name found without regard to case: "BD_NAIS.DBF" when the
/// folder holds it so, "Bd_NAIS.dbf" for a table still to be created.
[[nodiscard]] std::filesystem::path
chemin_de_table(const std::filesystem::path& repertoire_programme, std::string_view nom_fichier);

/// The text of field "COMMENT" for the lines of a comment: the lines joined
/// by CR LF.
[[nodiscard]] std::string commentaire_des_lignes(const std::vector<std::string>& lignes);

/// The lines of a comment read from field "COMMENT" (broken at CR LF, LF or
/// CR); no line for an empty field.
[[nodiscard]] std::vector<std::string> lignes_du_commentaire(std::string_view commentaire);

} // namespace orvane::records
