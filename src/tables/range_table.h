// A zmanim table over a range of dates: the place line and its notes, the
// title line, then one row per chosen day, each handed to the receivers of
// the table (the text file "zemanim.txt", the results grid, the weekly
// file, the 'Hamets block) as it is computed, so that a table of a hundred
// years never stands in memory.
//
//   DemandeTable d;                       // Paris, 2025, "Or Méïr"
//   zmanim::ZmanimSettings reglages;
//   EnvironnementTable env{&tables_ete};
//   LignesEnMemoire lignes;
//   ResultatTable r = calcule_table(d, reglages, env, lignes);
//   // lignes.lignes: "PARIS (75)  (France)    Lat. : 48°52N …", …, the 365 rows
#pragma once

#include "events/festivals/day_kind.h"
#include "tables/table_request.h"
#include "zmanim/day/day_times.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/settings/parametres.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::places
{
class TablesEte;
}

namespace orvane::tables
{

/// One computed day of the table.
struct RangeeTable {
    engine::DateCivile date{2000, 1, 1};
    int jour_semaine = 1;
    engine::DateHebraique hebraique{5760, 1, 1};
    bool embolismique = false;
    std::string libelle;                // the date label, with its day letter
    std::string texte;                  // the line of the text file
    std::vector<std::string> cellules;  // the cells of the grid (" 07.45")
    bool polaire = false;               // the sun does not rise or does not set
    std::string note_fetes;             // the festival note, with " Prise en compte des fêtes"
    events::NatureJour nature;          // entry and exit of the day
    const zmanim::DayTimes* horaires{}; // the day's times, for the call only
    double correction_ete = 0;          // hours of summer time applied to the day
};

/// Receiver of a table as it is built.
class SortieTable
{
public:
    virtual ~SortieTable() = default;
    /// A line before the rows: the place line, the notes, the title line.
    virtual void ligne(const std::string& texte) = 0;
    /// The shown columns, once, before the first row.
    virtual void colonnes(const std::vector<ColonneAffichee>& /*colonnes*/) {}
    /// A computed day.
    virtual void rangee(const RangeeTable& r) = 0;
};

/// Hands every line and row to several receivers in turn.
class SortiesMultiples : public SortieTable
{
public:
    explicit SortiesMultiples(std::vector<SortieTable*> sorties) : sorties_(std::move(sorties)) {}
    void ligne(const std::string& texte) override;
    void colonnes(const std::vector<ColonneAffichee>& c) override;
    void rangee(const RangeeTable& r) override;

private:
    std::vector<SortieTable*> sorties_;
};

/// Keeps every line (header lines and the text of each row) in memory: the
/// short tables of the tests and the results memo.
class LignesEnMemoire : public SortieTable
{
public:
    void ligne(const std::string& texte) override { lignes.push_back(texte); }
    void rangee(const RangeeTable& r) override { lignes.push_back(r.texte); }
    std::vector<std::string> lignes;
};

/// What the program gives besides the request: the summer-time tables and
/// mode, the configuration's keys, and a progress report that may stop the
/// table (it returns false to cancel).
struct EnvironnementTable {
    const places::TablesEte* tables_ete = nullptr;
    std::string mode_horaire = "les heures d'été ou d'hiver";
    zmanim::ModeEte mode_ete = zmanim::ModeEte::avec_changement;
    bool vaudrel = false; // fixed 6-minute Sabbath exit for "Beth Din de Paris"
    std::function<std::string(std::string_view)> lit_cle_ciop;
    std::function<bool(long fait, long total)> progression;
    /// The trace of each day ("trace.dta"), when "Trace" is checked.
    zmanim::JournalTrace* journal = nullptr;
};

struct ResultatTable {
    bool refuse = false; // nothing or not everything could be computed
    std::string message; // French message of the refusal (for an error box)
    bool annule = false; // the progress report stopped the table
    long rangees = 0;    // rows handed to the receivers
};

/// The table: header lines, then the rows from `d.debut` to `d.fin`.
/// `reglages` receives the angles of the opinion (and the typed ones for
/// "Selon choix des valeurs"). Refusals (no place, end before start, a day
/// refused by the computation) end the table with their message, after the
/// lines already handed out.
[[nodiscard]] ResultatTable calcule_table(const DemandeTable& d, zmanim::ZmanimSettings& reglages,
                                          const EnvironnementTable& env, SortieTable& sortie);

/// Whether the table's summer time comes from a table of the country: the
/// days are corrected date by date and the country has a table for the year
/// of the start date.
[[nodiscard]] bool ete_d_une_table(const DemandeTable& d, const EnvironnementTable& env);

/// The note under the place line: summer time taken into account or not, or
/// the hour shift.
[[nodiscard]] std::string note_heure_ete(bool ete_d_une_table, int decalage_heures);

/// The warning label of the window that matches the note.
[[nodiscard]] std::string avertissement_heure_ete(bool ete_d_une_table, int decalage_heures);

/// The question asked before a table with an hour shift.
[[nodiscard]] std::string question_decalage(int decalage_heures);

} // namespace orvane::tables
