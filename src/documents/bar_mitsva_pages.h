// The Bar-Mitsva calendars and tables of a year of births: for every civil
// day of the year, the Hebrew date of birth, the day the child comes of age
// and the reading of the Chabbat of the ceremony; as the text of the
// window, the four work files, and the text or HTML page of the year.
//
//   ParametresBarMitsva p;                  // a boy, calendar mode
//   PageBarMitsva page = construit_page_calendrier_bm(p, 2011, 12, tables);
//   ecrit_fichiers_bar_mitsva(repertoire, page);
//   ecrit_page_bar_mitsva(repertoire, page, true);
//   // repertoire/Orvanew/Cal_Bar/Civheb/2011.htm
//
// The pages of a year are named by the year, with "F" after it for a girl
// ("2011.htm", "2011F.htm"): the boys' and the girls' pages stand side by
// side. The HTML pages go to "Orvanew/Cal_Bar/Civheb/" (calendar) or
// "Orvanew/Tab_Bar/Civheb/" (table), the text pages to
// "Orvanew/Bar/Civheb/", where a table's name takes a "T" ("2011T.txt").
#pragma once

#include "documents/bar_mitsva_rows.h"
#include "places/dst.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// "Calendrier des Bar-Mitsvot pour un garçon", "Tableau des Bat-Mitsvot
/// pour une fille": the caption of the window in these modes.
[[nodiscard]] std::string titre_bar_mitsva(ModeBarMitsva mode, bool fille);

/// The heading of a year of births, as the text area and "barmanim.txt"
/// receive it: "CALENDRIER DES BAR-MITSVOT - 2011", the Hebrew years, the
/// year of the ceremonies, the titles of the columns.
[[nodiscard]] std::vector<std::string> entete_bar_mitsva(ModeBarMitsva mode, bool fille, int annee);

/// Names of the work files in the program directory.
inline constexpr std::string_view fichier_lignes_bm = "cemanim.txt";
inline constexpr std::string_view fichier_naissances_bm = "nemanim.txt";
inline constexpr std::string_view fichier_lectures_bm = "pemanim.txt";
inline constexpr std::string_view fichier_texte_bm = "barmanim.txt";

struct PageBarMitsva {
    int annee = 0;
    ParametresBarMitsva parametres;
    std::vector<LigneBarMitsva> lignes;
    /// "barmanim.txt": the heading, the year lines on 1 Tichri and a row a
    /// birth day (its day line, then the columns of the mode).
    std::vector<std::string> texte;
    /// "cemanim.txt": the same rows, each behind its anchor "B" + key and
    /// linked to the two other sections.
    std::vector<std::string> calendrier;
    std::vector<std::string> naissances; // "nemanim.txt"
    std::vector<std::string> lectures;   // "pemanim.txt"
};

/// `construit_page_calendrier_bm`: the births of civil year `annee`, months
/// 1 to `mois_fin`. The day lines are those of the year page (the summer-
/// time `tables` are not read: there are no times).
[[nodiscard]] PageBarMitsva construit_page_calendrier_bm(const ParametresBarMitsva& p, int annee,
                                                         int mois_fin,
                                                         const places::TablesEte& tables);

/// The four work files written afresh into `repertoire`. Throws
/// platform::FileError.
void ecrit_fichiers_bar_mitsva(const std::filesystem::path& repertoire, const PageBarMitsva& page);

/// "2011", "2011F": the name of the pages of a year.
[[nodiscard]] std::string nom_page_bar_mitsva(int annee, bool fille);

/// Where the page goes, relative to the program directory.
[[nodiscard]] std::filesystem::path chemin_page_bar_mitsva(const ParametresBarMitsva& p, int annee,
                                                           bool web);

/// The lines of the pages, from the templates of "Orvanew/Bar" in
/// `repertoire` (the HTML head gets its title after the marker
/// "Bar Mitsvot<BR>"). Throws platform::FileError (a missing template).
[[nodiscard]] std::vector<std::string> page_html_bar_mitsva(const std::filesystem::path& repertoire,
                                                            const PageBarMitsva& page);
[[nodiscard]] std::vector<std::string>
page_texte_bar_mitsva(const std::filesystem::path& repertoire, const PageBarMitsva& page);

/// Writes the text or HTML page and returns its absolute path. A page of
/// the same name is replaced. Throws platform::FileError.
std::filesystem::path ecrit_page_bar_mitsva(const std::filesystem::path& repertoire,
                                            const PageBarMitsva& page, bool web);

} // namespace orvane::documents
