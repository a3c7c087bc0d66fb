// The spreadsheet workbooks of the results window, written as real .xlsx
// files into the folder "HORAIRES" of the program directory:
//
// - "Tableaux toutes les colonnes" ("tal_1.xlsx", "tal_5.xlsx"): every
//   shown column, landscape, the French and Hebrew titles above the days;
// - "Tableaux 14 colonnes" ("tab_1.xlsx", "tab_5.xlsx"): the date and the
//   fourteen times that fit a portrait page, dawn, tefillin, sunrise, both
//   ends of the Chema and of the prayer, midday, Min'ha Guédola, Plag, the
//   Sabbath entry, sunset, the stars and the Sabbath exit; a book
//   ("tab5_livre.xlsx", "tab5_livre_RT.xlsx") has one sheet a city, a plaque
//   list ("tab2_plaquette.xlsx") keeps the columns of its own layout;
// - "Graphiques" ("zeman.xlsx"): the day's dawn, sunrise, midday, sunset and
//   stars, and their curves over the range.
//
//   TablesGardees gardees;                       // one more receiver of the table
//   SortiesMultiples tout({&memo, &gardees});
//   (void)calcule_table(d, reglages, env, tout);
//   ContexteClasseurs c{.increment = d.increment, .mise_en_page = d.mise_en_page};
//   if (std::string refus = refus_classeur(Classeur::toutes_colonnes, c); refus.empty()) {
//       fs::path ecrit = ecrit_classeur_horaires(programme, Classeur::toutes_colonnes, gardees, c);
//   }
#pragma once

#include "tables/range_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::documents
{

/// The three commands of the spreadsheet panel.
enum class ClasseurHoraires { quatorze_colonnes, toutes_colonnes, graphiques };

/// What the commands need to know of the computation behind the rows.
struct ContexteClasseurs {
    bool toutes_les_cases = true; // every time box of the zmanim window checked
    bool hamets = false;          // a computation of the 'Hamets times
    bool fetes = false;           // " Prise en compte des fêtes"
    bool bureau_des_longitudes = false;
    int increment = 1;
    tables::MiseEnPage mise_en_page = tables::MiseEnPage::tableau;
};

/// The messages of the refusals.
[[nodiscard]] std::string message_cases_incompletes();
[[nodiscard]] std::string message_hamets();
[[nodiscard]] std::string message_increment_graphiques(int increment);
[[nodiscard]] std::string message_increment_quatorze(int increment);
[[nodiscard]] std::string message_increment_livre_quatorze(int increment);
[[nodiscard]] std::string message_increment_toutes(int increment);
[[nodiscard]] std::string message_increment_livre_toutes(int increment);
[[nodiscard]] std::string message_fetes_quatorze();

/// Why a command cannot build its workbook, or "" when it can. The 'Hamets
/// times first, then the time boxes (a plaque list is exempt), then what
/// the command asks of the increment and the festivals.
[[nodiscard]] std::string refus_classeur(ClasseurHoraires k, const ContexteClasseurs& c);

/// The name of the workbook a command writes: "tab_1.xlsx", "tal_5.xlsx",
/// "zeman.xlsx" …
[[nodiscard]] std::string nom_classeur(ClasseurHoraires k, const ContexteClasseurs& c);

/// A cell of a kept row: a time of the day in seconds since midnight, and
/// the text of the cell ("07.45", "--", "--.--", a word of the polar
/// message; "après 19:33" for an entry after the exit, written as text).
struct CelluleGardee {
    std::optional<int> secondes;
    std::string texte;
    bool apres = false; // "après": the entry comes after the exit
};

struct RangeeGardee {
    engine::DateCivile date{2000, 1, 1};
    int jour_semaine = 1;
    engine::DateHebraique hebraique{5760, 1, 1};
    bool embolismique = false;
    std::string libelle;
    bool polaire = false;
    std::string note_fetes;
    std::vector<CelluleGardee> cellules; // one a shown column
};

/// One table: a city of a book, or the only one.
struct TableGardee {
    std::string lieu; // the place line, trimmed
    std::vector<tables::ColonneAffichee> colonnes;
    std::vector<RangeeGardee> rangees;
};

/// Receiver that keeps the rows of the tables handed to it, one table for
/// each set of columns announced (a book announces them for each city).
class TablesGardees : public tables::SortieTable
{
public:
    /// `avec_secondes`: the times were computed with their seconds
    /// ("Affiche les secondes"), kept and shown "hh:mm:ss".
    explicit TablesGardees(bool avec_secondes = false) : avec_secondes_(avec_secondes) {}
    void ligne(const std::string& texte) override;
    void colonnes(const std::vector<tables::ColonneAffichee>& c) override;
    void rangee(const tables::RangeeTable& r) override;

    [[nodiscard]] const std::vector<TableGardee>& tables() const { return tables_; }
    [[nodiscard]] bool avec_secondes() const { return avec_secondes_; }

private:
    bool avec_secondes_;
    std::vector<std::string> lignes_en_attente_;
    std::vector<TableGardee> tables_;
};

/// The folder "HORAIRES" of the program directory, created when missing.
/// Throws platform::FileError.
[[nodiscard]] std::filesystem::path dossier_horaires(const std::filesystem::path& programme);

/// Writes the workbook of command `k` into "HORAIRES" of `programme` (the
/// file appears whole or not at all) and returns its path. Call it only
/// when `refus_classeur` is empty. Throws platform::FileError.
std::filesystem::path ecrit_classeur_horaires(const std::filesystem::path& programme,
                                              ClasseurHoraires k, const TablesGardees& t,
                                              const ContexteClasseurs& c);

/// The same at a given path.
void ecrit_classeur_horaires_vers(const std::filesystem::path& destination, ClasseurHoraires k,
                                  const TablesGardees& t, const ContexteClasseurs& c);

} // namespace orvane::documents
