// The count of the Omer: seven weeks counted every evening from the second
// night of Pessa'h, the eve of 16 Nissan, to the eve of 6 Sivan, Chavouot,
// the fiftieth day. The Omer window lists the 51 days from 15 Nissan to
// 6 Sivan with their civil dates and the Hebrew texts of "s_omer.dta".
//
//   table_omer(5789, textes).lignes[1]   // Dimanche 1 Avril 2029, day 1
#pragma once

#include "engine/dates.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::events
{

inline constexpr std::string_view titre_omer = "COMPTE DU 'OMER";
/// "ספירת העומר", stored as the glyphs left to right.
inline constexpr std::string_view titre_hebreu_omer = "rmuh tryps";
inline constexpr std::string_view note_omer =
    "On compte le Omer à partir de la veille du jour indiqué , à la tombée de la nuit";
/// Headings of the Hebrew grid: "ט"ו  ניסן" (15 Nissan) and "פסח".
inline constexpr std::string_view entete_date_hebraique_omer = "}syn  w\"f";
inline constexpr std::string_view entete_compte_hebreu_omer = "jsp";
inline constexpr std::string_view cle_glossaire_omer = "Compte du 'Omer";
inline constexpr std::string_view fichier_textes_omer = "s_omer.dta";
inline constexpr std::string_view dossier_omer = "OMER";

/// Hebrew years whose Omer the window lists: the engine converts every day
/// from 1 Tichri 1 to the autumn of 13760.
inline constexpr int annee_hebr_min_omer = 1;
inline constexpr int annee_hebr_max_omer = 13759;

/// Days of the count: 49, then Chavouot.
inline constexpr int jours_du_compte = 49;
inline constexpr int lignes_du_fichier_omer = 50;

/// The two Hebrew texts of one day, stored as the glyphs left to right.
struct TextesDuJourOmer {
    std::string premier; // the Hebrew date: "z\"f }syn" is ט"ז ניסן
    std::string second;  // the short count, at most 20 characters
};

/// The texts of days 1..50 (index 0 is day 1) from the lines of
/// "s_omer.dta": each line read up to 80 characters, its tab-separated
/// fields being an unused first text, the first Hebrew text and the second
/// (cut to 20 characters). A missing line or field gives empty texts.
[[nodiscard]] std::array<TextesDuJourOmer, lignes_du_fichier_omer>
textes_omer(const std::vector<std::string>& lignes);

/// The texts of the program directory's "s_omer.dta" (name found without
/// regard to case); nothing when the file does not exist. Throws
/// platform::FileError when it cannot be read.
[[nodiscard]] std::optional<std::array<TextesDuJourOmer, lignes_du_fichier_omer>>
lit_textes_omer(const std::filesystem::path& repertoire);

/// One row of the Omer table.
struct LigneOmer {
    engine::DateHebraique date_hebraique;
    engine::DateCivile date_civile;
    int jour_semaine = 0; // 1 Sunday .. 7 Chabbat
    std::string nom_jour; // padded weekday, "Dimanche ", "Chabbat  "
    std::string date;     // "1  Avril 2029"; row 0 "31 Mars 2029"
    std::string compte;   // "PESSAH", "1" .. "49", "CHAVOUOT"
    std::string hebreu_1; // first Hebrew text (row 0: the heading)
    std::string hebreu_2; // second Hebrew text (row 0: "jsp")
};

/// Rows 0 (15 Nissan, Pessa'h) to 50 (6 Sivan, Chavouot).
using TableOmer = std::array<LigneOmer, jours_du_compte + 2>;

/// The Omer of Hebrew year `annee_hebr` (annee_hebr_min_omer ..
/// annee_hebr_max_omer), with the Hebrew texts of days 1..50. Row n is n
/// days after 15 Nissan; its civil date is written day (to 2) + " " + month
/// (to 5) + " " + year, row 0's without the padding.
[[nodiscard]] TableOmer
table_omer(int annee_hebr, const std::array<TextesDuJourOmer, lignes_du_fichier_omer>& textes);

/// "5785 correspond aux années civiles 2024 / 2025": the civil years of
/// Tichri and of Nissan of Hebrew year `annee_hebr`, `annee_civile` being
/// the one of its spring as the window shows it.
[[nodiscard]] std::string libelle_annees_omer(int annee_hebr, int annee_civile);

/// "OMER_2025.txt".
[[nodiscard]] std::string nom_fichier_omer(int annee_civile);

/// The lines "Enregistrer" writes: a heading, then one line per row.
[[nodiscard]] std::vector<std::string> lignes_fichier_omer(const TableOmer& table);

/// The lines "Imprimer" prints: four blank lines, a framed title with the
/// two years, the headings and one line per row, all after eight blanks.
[[nodiscard]] std::vector<std::string> lignes_a_imprimer_omer(const TableOmer& table,
                                                              int annee_hebr, int annee_civile);

} // namespace orvane::events
