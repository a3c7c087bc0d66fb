// The markers of the record lines and the place of each group, shared by
// the writer (lines_build.cpp) and the reader (lines_parse.cpp).
#pragma once

#include "records/store/group_reader.h"

#include <array>
#include <string_view>

namespace orvane::records::disposition
{

inline constexpr std::string_view cor = "COR";
inline constexpr std::string_view adr = "ADR";
inline constexpr std::string_view obs = "OBS";
inline constexpr std::string_view even = "EVEN";
inline constexpr std::string_view nais = "NAIS";
inline constexpr std::string_view bar = "BAR";
inline constexpr std::string_view par = "PAR";
inline constexpr std::string_view ani = "ANI";
inline constexpr std::string_view dc = "DC";
inline constexpr std::string_view inh = "INH";
inline constexpr std::string_view fleche = "-->";

/// Fields of a date group after its marker: weekday, day, month, year,
/// J/N, "-->", Hebrew day, month, year; the arrow is the sixth.
inline constexpr int taille_date = 9;
inline constexpr std::size_t fleche_date = 5;
/// Fields of the next-anniversary group: the same without J/N.
inline constexpr int taille_anniversaire = 8;
inline constexpr std::size_t fleche_anniversaire = 4;

inline constexpr std::array<Marqueur, 3> noms_naissance = {{{cor, 3}, {adr, 6}, {obs, 1}}};
inline constexpr std::array<Marqueur, 4> noms_deces = {{{dc, 3}, {cor, 3}, {adr, 6}, {obs, 1}}};
inline constexpr std::array<Marqueur, 1> noms_evenement = {{{even, 1}}};

inline constexpr std::array<Marqueur, 4> dates_naissance = {
    {{nais, taille_date}, {bar, variable}, {par, 1}, {ani, taille_anniversaire}}};
inline constexpr std::array<Marqueur, 3> dates_deces = {
    {{dc, taille_date}, {inh, taille_date}, {ani, taille_anniversaire}}};
inline constexpr std::array<Marqueur, 2> dates_evenement = {
    {{even, taille_date}, {ani, taille_anniversaire}}};

} // namespace orvane::records::disposition
