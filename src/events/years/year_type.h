// The type of a Hebrew year (its Simane) and its places in the cycles.
//
// Three things fix the layout of a year's calendar: the weekday of
// Roch-Hachana, whether Hechvan and Kislev are short or long, and the
// weekday of Pessa'h. 5785: Roch-Hachana on Thursday (HA), both months
// complete (CHA), Pessa'h on Sunday (A): "HA CHA A", in Hebrew letters "ach".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// Signs indexed by the weekday of Roch-Hachana (2, 3, 5, 7 occur), by the
/// kind of year (0 deficient, 1 regular, 2 complete) and by the weekday of
/// Pessa'h (1, 3, 5, 7 occur); the others are empty.
inline constexpr std::array<std::string_view, 8> signes_rh = {"", "",   "BA", "GA",
                                                              "", "HA", "",   "ZA"};
inline constexpr std::array<std::string_view, 3> signes_nature = {"'HA", "KA", "CHA"};
inline constexpr std::array<std::string_view, 8> signes_pessah = {"", "A", "", "G",
                                                                  "", "H", "", "Z"};
/// The same as letters of the Hebrew display font (b ב, g ג, h ה, z ז, j ח,
/// k כ, c ש, a א).
inline constexpr std::array<std::string_view, 8> lettres_rh = {"", "", "b", "g", "", "h", "", "z"};
inline constexpr std::array<std::string_view, 3> lettres_nature = {"j", "k", "c"};
inline constexpr std::array<std::string_view, 8> lettres_pessah = {"", "a", "", "g",
                                                                   "", "h", "", "z"};

/// "Common" and "leap" in Hebrew letters (פשוטה, מעוברת).
inline constexpr std::string_view mot_commune = "hfwcp";
inline constexpr std::string_view mot_embolismique = "trbwum";

/// The type of the Hebrew year set up in `e` (after calcule_annee).
struct TypeAnnee {
    int jour_rh = 0;      // weekday of Roch-Hachana
    int nature_annee = 0; // 0 Hechvan and Kislev 29, 1 Kislev 30, 2 both 30
    int jour_pessah = 0;  // weekday of 15 Nissan
    int longueur = 0;     // days: 353..355, 383..385
    bool embolismique = false;
    int hechvan = 0;
    int kislev = 0;
};

/// Type of the year set up in `e`.
[[nodiscard]] TypeAnnee type_de_l_annee(const engine::CalendarEngine& e);

/// Sets up Hebrew year `annee` in `e` (civil year of its spring) and gives
/// its type.
[[nodiscard]] TypeAnnee type_de_l_annee(engine::CalendarEngine& e, int annee);

/// "HA CHA A": Roch-Hachana, kind and Pessa'h signs.
[[nodiscard]] std::string signe_latin(const TypeAnnee& t);

/// "ach": Pessa'h, kind and Roch-Hachana letters, in the stored order of the
/// Hebrew font.
[[nodiscard]] std::string signe_hebreu(const TypeAnnee& t);

/// The number of a cycle of `longueur` years that holds year Y (Y ≥ 1), and
/// the place of Y in it (1..longueur).
struct PlaceCycle {
    int numero = 0;
    int place = 0;
};
[[nodiscard]] PlaceCycle cycle_de_l_annee(int annee, int longueur);
[[nodiscard]] inline PlaceCycle cycle_lunaire(int annee)
{
    return cycle_de_l_annee(annee, 19);
}
[[nodiscard]] inline PlaceCycle cycle_solaire(int annee)
{
    return cycle_de_l_annee(annee, 28);
}
[[nodiscard]] inline PlaceCycle cycle_chemita(int annee)
{
    return cycle_de_l_annee(annee, 7);
}

/// Lower bound of a series: weekday 1..7, hour counted from 18:00 of the
/// eve, halakim 0..1079.
struct BorneSerie {
    int jour;
    int heure;
    int halakim;
};

/// Rows 1..61 (row 0 unused): the molad of Tichri of the first year of a
/// 19-year cycle that lies above row s and not above row s + 1 starts a
/// cycle of series s. The sequence of the 19 year types of a cycle depends
/// only on its series.
extern const std::array<BorneSerie, 62> bornes_series;

/// Series (1..61) of a weekly-form molad of Tichri (halakim from the eve of
/// Sunday, any number of weeks). A molad equal to a bound belongs to the
/// series below; one above the last bound or not above the first is 61.
[[nodiscard]] int serie_du_molad(std::int64_t molad_tichri);

/// The series of the 19-year cycle of year Y and the place (rang, 1..19) of
/// Y in it. Leaves in `e` the first year of the cycle in annee_hebr, month
/// and day 1, and the Rosh-Hachana registers of that year: callers put
/// annee_hebr back.
struct SerieAnnee {
    int serie = 0;
    int rang = 0;
};
[[nodiscard]] SerieAnnee serie_de_l_annee(engine::CalendarEngine& e, int annee);

/// Weekly form of a molad of Tichri split as the series count it: weekday
/// 1..7, hour from 18:00 of the eve, halakim 0..1079.
[[nodiscard]] BorneSerie molad_hebdomadaire(std::int64_t molad_tichri);

} // namespace orvane::events
