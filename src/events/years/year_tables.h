// The analysis tables of year types and cycles: the table of types, the
// grid of year signs, the table and the list of cycles and series. Each
// table, and a row asked alone, makes its own calendar record; a table sets
// up all the years it shows in that one record.
#pragma once

#include <string>
#include <vector>

namespace orvane::events
{

/// Years of the tables of types and series that the 64-bit molad arithmetic
/// still serves.
inline constexpr int derniere_annee_types = 214999;
inline constexpr int derniere_annee_cycles = 32700;

/// "TABLEAU DE TYPES (Simane)": one row per year from `premiere`, stepping by
/// `increment`, `nb_annees` rows at most, between years 1 and 214999.
[[nodiscard]] std::vector<std::string> tableau_de_types(int premiere, int nb_annees, int increment);

/// One row of that table:
/// "      5785   HA CHA A    Jeudi      30  30     29   -    Dimanche   Commune      9    17 355
/// j".
[[nodiscard]] std::string ligne_tableau_de_types(int annee);

/// "TYPES DES ANNEES (Simane)": the Hebrew signs of the years `premiere` to
/// `derniere`, ten to a row, read from right to left (first year's number
/// at the right end of its row).
[[nodiscard]] std::vector<std::string> types_des_annees(int premiere, int derniere);

/// Default first year of that grid for the current Hebrew year: a year
/// ending in 1, about a century earlier.
[[nodiscard]] int premiere_annee_grille(int annee_courante);

/// "TABLEAU DES ANNEES / CYCLES / SERIES)": the cycles in blocks of 19 (361
/// years), three lines (years, cycles, series) per block within the range.
/// Nothing when `derniere` ≤ `premiere`.
[[nodiscard]] std::vector<std::string> tableau_cycles_series(int premiere, int derniere);

/// "LISTE DES ANNEES / CYCLES / SERIES": the first year of every cycle up to
/// `centaines` hundred years, its cycle, series and molad.
[[nodiscard]] std::vector<std::string> liste_cycles_series(int centaines);

} // namespace orvane::events
