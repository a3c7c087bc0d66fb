// The dBase file format of the record tables, read and written in memory
// through shapelib's DBF functions.
//
// A dBase III table is a 32-byte header (version, date of the last change,
// number of records, length of the header and of a record, the language
// driver at byte 29), one 32-byte descriptor per field (name, type, width,
// decimals), the byte 0x0D, then the records one after the other, each
// beginning with a blank (or "*" when it was deleted), and the byte 0x1A.
// Every field has its fixed width: text is completed with blanks, a date is
// written "YYYYMMDD", a number is aligned on the right.
//
// In memory a value is the field's text in UTF-8 as a person reads it: text
// without the blanks that complete it, a date as its eight digits (or empty),
// a number without the blanks that align it. Memo fields and fields of types
// the program does not use keep their bytes exactly, so that a table of
// another program is written back as it was read.
#pragma once

#include "engine/dates.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// One field of a table.
struct ChampDbf {
    std::string nom; // "NOM": upper case, at most 10 characters
    char type = 'C'; // 'C' text, 'D' date, 'N' or 'F' number, 'L' logical, 'M' memo
    int taille = 0;  // width in bytes
    int decimales = 0;
    friend bool operator==(const ChampDbf&, const ChampDbf&) = default;
};

/// One record: a value per field, in the order of the fields.
struct FicheDbf {
    std::vector<std::string> valeurs;
    bool effacee = false; // marked deleted ("*") by another program
    friend bool operator==(const FicheDbf&, const FicheDbf&) = default;
};

/// A whole table.
struct ContenuDbf {
    unsigned char version = 0x03; // 0x03 dBase III; 0x83 and 0x8B with a memo file
    std::vector<ChampDbf> champs;
    std::vector<FicheDbf> fiches;
    /// The file ended before the last record that its header announced; the
    /// records that were whole are in `fiches`.
    bool incomplet = false;
};

/// A file that is not a dBase table, or a damaged one. what() is a French
/// clause in lower case: "l'en-tête est incomplet".
class DbfInvalide : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A value that its field cannot hold; what() is a whole French sentence
/// naming the field: "Le champ « NOM » ne peut contenir que 50 caractères".
class ValeurRefusee : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The table held in `octets` (the whole file). Text is read in the code
/// page that its language driver names (code_pages.h). Throws DbfInvalide.
[[nodiscard]] ContenuDbf lit_dbf(std::string_view octets);

/// The bytes of a dBase III table holding `contenu`, text in Windows-1252
/// with the language driver 0x03, `modification` as the date of the last
/// change, the end byte 0x1A. The version byte of `contenu` is kept when the
/// table has a memo field (its memo file stays valid), otherwise it is 0x03.
/// A date, number or logical that another program left damaged is written
/// back as it was read. Throws ValeurRefusee for a text that does not fit its
/// field (a character of a DOS code page that Windows-1252 lacks).
[[nodiscard]] std::string ecrit_dbf(const ContenuDbf& contenu, engine::DateCivile modification);

/// The bytes of one value in its field, `champ.taille` of them. Throws
/// ValeurRefusee: a character outside Windows-1252, a text longer than the
/// field, a date that is not eight digits, a number that is not one.
[[nodiscard]] std::string octets_du_champ(const ChampDbf& champ, std::string_view valeur);

} // namespace orvane::records
