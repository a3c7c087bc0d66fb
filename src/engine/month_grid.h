// The layout of a month grid: seven columns (the days of the week) and
// seven rows, a title row and six week rows. A grid shows one month; day 1
// stands in the column of its weekday on the first week row, and the focus
// (the cell drawn as selected) is the cell of the day shown.
//
// `GrilleMois` holds what the civil and the Hebrew grids share: the date,
// the first weekday of the columns, the read-only and current-date switches,
// and the placing of the days in the cells. The two calendars give the
// month lengths and the weekday of day 1.
//
//   GrilleMoisCivil g(horloge);       // today's month
//   g.setDate({2024, 12, 31});
//   g.texte_case(0, 0);                // "Dim."
//   g.jour_de_case(0, 1);              // 1: 1 December 2024 is a Sunday
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform
{
class Clock;
}

namespace orvane::engine
{

inline constexpr int colonnes_grille = 7;
inline constexpr int lignes_grille = 7; // a title row and six week rows

/// Column titles by weekday, 1 Sunday .. 7 Saturday.
inline constexpr std::array<std::string_view, 8> titres_jours_grille = {
    "", "Dim.", "Lun.", "Mar.", "Mer.", "Jeu.", "Ven.", "Chab."};

/// Title of column `colonne` (0..6) when the first column shows weekday
/// `debut_semaine` (0 Sunday .. 6 Saturday): the weekday (colonne +
/// debut_semaine) mod 7.
[[nodiscard]] std::string_view titre_colonne(int colonne, int debut_semaine) noexcept;

/// Grid position of day 1 (the month offset): the day number of a cell is
/// colonne + decalage + 7 × (ligne − 1). For day 1 on weekday `jour_semaine`
/// (1..7) and columns starting on `debut_semaine` (0..6), a = (jour_semaine
/// − debut_semaine + 7) mod 7 is one more than the column of day 1, except
/// that a = 0 stands for the last column: decalage = 2 − a, or −5 when a = 0.
/// A month that begins on Saturday with Sunday columns: decalage −5, day 1 in
/// column 6 of the first week row.
[[nodiscard]] constexpr int decalage_du_mois(int jour_semaine, int debut_semaine) noexcept
{
    const int a = ((jour_semaine - debut_semaine) % 7 + 7) % 7;
    return a == 0 ? -5 : 2 - a;
}

/// A cell of the grid: column 0..6, row 0 (titles) .. 6.
struct CaseGrille {
    int colonne = 0;
    int ligne = 0;
    friend bool operator==(const CaseGrille&, const CaseGrille&) = default;
};

class GrilleMois
{
public:
    explicit GrilleMois(const platform::Clock& horloge) : horloge_(horloge) {}
    virtual ~GrilleMois() = default;
    GrilleMois(const GrilleMois&) = delete;
    GrilleMois& operator=(const GrilleMois&) = delete;

    /// Weekday of the first column, 0 Sunday .. 6 Saturday.
    [[nodiscard]] int StartOfWeek() const noexcept { return debut_semaine_; }
    /// Sets the first column (taken modulo 7) and places the days again; the
    /// date does not change.
    void setStartOfWeek(int debut_semaine);

    /// True while the grid shows today, until the first explicit change.
    [[nodiscard]] bool UseCurrentDate() const noexcept { return date_du_jour_; }
    /// On: the grid takes today's date from the clock. Off: the grid keeps
    /// its date. Neither is a change of date for the listeners.
    void setUseCurrentDate(bool oui);

    /// With ReadOnly on, clicks do not change the date.
    [[nodiscard]] bool ReadOnly() const noexcept { return lecture_seule_; }
    void setReadOnly(bool oui) noexcept { lecture_seule_ = oui; }

    /// Month offset of the month shown (see decalage_du_mois).
    [[nodiscard]] int decalage() const noexcept { return decalage_; }

    /// Text of a cell: the weekday title on row 0, the day number on a week
    /// row, empty before day 1 and after the last day.
    [[nodiscard]] std::string texte_case(int colonne, int ligne) const;
    /// The day number a week-row cell shows, if any.
    [[nodiscard]] std::optional<int> jour_de_case(int colonne, int ligne) const;
    /// Only a cell with a day number can be selected, and none while
    /// ReadOnly is on.
    [[nodiscard]] bool case_selectionnable(int colonne, int ligne) const;
    /// The cell of the day shown.
    [[nodiscard]] CaseGrille case_focus() const;
    /// A click on a cell: its day number, if it has one, becomes the day (as
    /// a change of day). True when the date changed.
    bool clique(int colonne, int ligne);
    /// The focus moved by `cases` cells in reading order (arrow keys: ±1 for
    /// a column, ±7 for a row): the day reached, when the month has it,
    /// becomes the day; nothing while ReadOnly is on. True when the date
    /// changed.
    bool deplace_focus(int cases);

    /// Days of month `mois` of year `annee` in this grid's calendar.
    [[nodiscard]] virtual int jours_du_mois(int annee, int mois) const = 0;
    /// Days of the month shown.
    [[nodiscard]] int jours_ce_mois() const { return jours_du_mois(annee_, mois_); }
    /// Leap year of this grid's calendar.
    [[nodiscard]] virtual bool est_bissextile(int annee) const = 0;
    /// Places day 1 of the month shown (the month offset); the focus follows
    /// the day. Run after every change of date or of the first column.
    void met_a_jour();

protected:
    /// Weekday (1 Sunday .. 7 Saturday) of day 1 of the month shown.
    [[nodiscard]] virtual int jour_semaine_du_premier() = 0;
    /// Day number shown for the n-th day of the month (the civil grid skips
    /// the days dropped in October 1582).
    [[nodiscard]] virtual int jour_du_rang(int rang) const { return rang; }
    /// Inverse of jour_du_rang.
    [[nodiscard]] virtual int rang_du_jour(int jour) const { return jour; }
    /// The change of day that a click makes; true when the date changed.
    virtual bool change_jour(int jour) = 0;
    /// Takes today's date from the clock.
    virtual void prend_aujourdhui() = 0;

    /// An explicit change: the grid no longer follows today.
    void date_changee();

    const platform::Clock& horloge_;
    int annee_ = 0;
    int mois_ = 1;
    int jour_ = 1;

private:
    int debut_semaine_ = 0;
    int decalage_ = 1;
    bool date_du_jour_ = true;
    bool lecture_seule_ = false;
};

} // namespace orvane::engine
