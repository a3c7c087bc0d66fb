// The workbooks of the annual calendar, one layout per kind, made from the
// year pages (their days as values, year_page.h), ready to print on A4:
//
// - complete calendar: a sheet a month, one row a day with the festivals and
//   notes and every time of the day, landscape;
// - magnet: the whole year on one portrait page, the Sabbaths, festivals and
//   fasts with their entry and exit times, the months in two columns;
// - printers' calendars (Hebrew years): a sheet a month, one page each, the
//   main times; the French/Hebrew one adds the date in Hebrew script;
// - wall calendars: a sheet a month, the days on a grid of weeks, landscape.
//
// With the opinion of Rav Rottenberg a workbook holds the times of the
// town's centre, east and west side by side.
#pragma once

#include "documents/calendar_request.h"
#include "documents/year_page.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::documents
{

/// The kinds of workbook.
enum class Classeur { complet, magnet, imprimeurs_fr, imprimeurs_fr_hb, mural_civil, mural_hebreu };

/// The year page (or pages) that a workbook is made from.
struct DonneesClasseur {
    Sens sens = Sens::civil_hebreu; // the direction of the pages
    std::string ville;
    std::string opinion;
    /// One page, or with Rav Rottenberg the centre, east and west pages of
    /// the same months (each named in `noms`).
    std::vector<PageAnnee> pages;
    std::vector<std::string> noms;
};

/// Each writes its workbook at `destination` (replaced whole, see
/// ClasseurXlsx). Throws platform::FileError.
void ecrit_classeur_complet(const std::filesystem::path& destination, const DonneesClasseur& d);
void ecrit_classeur_magnet(const std::filesystem::path& destination, const DonneesClasseur& d);
/// `hebreu_aussi`: the French/Hebrew printers' calendar.
void ecrit_classeur_imprimeurs(const std::filesystem::path& destination, const DonneesClasseur& d,
                               bool hebreu_aussi);
/// The grid of the months of the pages (civil months, or Hebrew months for
/// the wall calendar by Hebrew year).
void ecrit_classeur_mural(const std::filesystem::path& destination, const DonneesClasseur& d);

/// The name of a month's sheet: "Janvier 2025", "Adar II 5784".
[[nodiscard]] std::string nom_feuille_mois(Sens sens, const MoisPage& m);

} // namespace orvane::documents
