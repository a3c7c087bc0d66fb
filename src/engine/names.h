// Fixed name tables with which every date of the program is written. The
// trailing blanks belong to the names: column layouts are built from them.
// Tables are indexed from 1 (index 0 is empty).
#pragma once

#include <array>
#include <string_view>

namespace orvane::engine
{

/// French civil months, 1..12: "Janvier" .. "Décembre".
inline constexpr std::array<std::string_view, 13> mois_civils = {
    "",        "Janvier", "Février",   "Mars",    "Avril",    "Mai",     "Juin",
    "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};

/// French two-letter civil months, 1..12 (April is "AL").
inline constexpr std::array<std::string_view, 13> mois_civils_courts = {
    "", "Ja", "Fé", "Mr", "AL", "My", "Jn", "Jl", "Ao", "Se", "Oc", "No", "Dé"};

/// French weekdays padded to 9 characters, 1 Sunday .. 7 Saturday.
inline constexpr std::array<std::string_view, 8> jours_semaine = {
    "", "Dimanche ", "Lundi    ", "Mardi    ", "Mercredi ", "Jeudi    ", "Vendredi ", "Chabbat  "};

/// French weekdays with one trailing blank, 1..7 (calendar windows).
inline constexpr std::array<std::string_view, 8> jours_semaine_courts = {
    "", "Dimanche ", "Lundi ", "Mardi ", "Mercredi ", "Jeudi ", "Vendredi ", "Chabbat "};

/// Hebrew months in French spelling padded to 7 characters, 1..13, and an
/// entry 14 of two blanks. Entry 6 is the common-year name; the calendar
/// record keeps its own copy whose entry 6 follows the leap status.
inline constexpr std::array<std::string_view, 15> mois_hebreux = {
    "",        "Tichri ", "Hechvan", "Kislev ", "Tevet  ", "Chevat ", "Adar   ", "Adar II",
    "Nissan ", "Iyar   ", "Sivan  ", "Tamouz ", "Av     ", "Eloul  ", "  "};

/// English civil months, 1..12, as the English outputs write them.
inline constexpr std::array<std::string_view, 13> mois_civils_anglais = {
    "",     "January", "Febuary",   "March",   "April",     "May",      "June",
    "July", "August",  "September", "October", "Novembrer", "Décembrer"};

/// English two-letter civil months, 1..12.
inline constexpr std::array<std::string_view, 13> mois_civils_courts_anglais = {
    "", "Ja", "Fe", "Mr", "Ap", "Ma", "Jn", "Jl", "Ag", "Sp", "Oc", "No", "De"};

/// English weekdays, 1..7, as the English outputs write them.
inline constexpr std::array<std::string_view, 8> jours_semaine_anglais = {
    "",        "Sunday ",  "Monday    ", "Tuesday    ", "Wedenesday ", "Thursday    ",
    "Friday ", "Chabbat  "};

/// Hebrew months in English spelling, 1..13 and 14; entry 6 is never rewritten.
inline constexpr std::array<std::string_view, 15> mois_hebreux_anglais = {
    "",        "Tishri ", "Heshvan", "Kislev ", "Tevet  ", "Shevat ", "Adar I ", "Adar II",
    "Nissan ", "Iyar   ", "Sivan  ", "Tamuz ",  "Av     ", "Elul  ",  "  "};

/// Name of Hebrew month 6 for a year of the given leap status.
[[nodiscard]] constexpr std::string_view nom_mois6(bool embolismique) noexcept
{
    return embolismique ? "Adar I " : "Adar   ";
}

} // namespace orvane::engine

namespace orvane::engine
{

/// French name of Hebrew month `mois` (1..13) in a year of the given leap
/// status, padded to 7 characters.
[[nodiscard]] constexpr std::string_view nom_mois_hebreu(int mois, bool embolismique) noexcept
{
    return mois == 6 ? nom_mois6(embolismique) : mois_hebreux[static_cast<std::size_t>(mois)];
}

} // namespace orvane::engine
