// The year page of the annual calendar: one civil or Hebrew year, day by
// day, with the date of the other calendar, the festival, reading and cycle
// labels and, on request, the times of the day at one place. It gives the
// lines of the window's text area (a header, then each month), the day
// lines month by month for the page files (city_pages.h), and the export
// lines of "cal_exl.txt" that the spreadsheet workbooks read.
//
// A civil day line: the civil date, the label, the note column, the Hebrew
// date (87 characters), then the times; and the start of its export line:
//
//   "  Vendredi  3 Janv 2025" + 34 blanks + 16 "-" + "  3 Tevet   5785 08:44 17:06 E.Ch16:48 "
//   "Ven\t3\tEntrée Chabbat 16.48    \t3\t07.01\t07.34…"
#pragma once

#include "documents/calendar_request.h"
#include "documents/day_times_text.h"
#include "engine/dates.h"
#include "places/dst.h"
#include "zmanim/day/day_times.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::documents
{

/// Width of a day line before the times, and its width with them.
inline constexpr std::size_t largeur_ligne_dates = 87;
inline constexpr std::size_t largeur_ligne_horaires = 109;

/// One day of a page as values, for the workbooks: what its export line
/// writes, before it is joined into text.
struct JourPage {
    engine::DateCivile civile;
    engine::DateHebraique hebraique;
    int jour_semaine = 0;      // 1 Sunday … 7 Chabbat
    bool embolismique = false; // the Hebrew year has Adar II
    bool marque = false;       // a Sabbath, festival or fast
    /// The items of the export line ("CHABBAT", "Vayigache", "Sortie
    /// Chabbat 18.02"), cleaned as the export writes them.
    std::vector<std::string> elements;
    /// The entry, exit and fast times among them, as values.
    std::vector<MomentHoraire> moments;
    /// With the times: the slots of `colonnes_export`, in its order.
    std::vector<zmanim::TexteHoraire> horaires;
    std::string message_polaire; // the sun does not cross the horizon
};

/// The day lines of one month of a page, in the numbering of the direction
/// (a civil month, or a Hebrew month 1 Tichri .. 13 Eloul).
struct MoisPage {
    int annee = 0;
    int mois = 0;
    std::vector<std::string> lignes; // with the year line before 1 Tichri
    /// The title, heading and other calendar's months of the month in the
    /// export: " Calendrier de 2025 ( 5785 - 5786 ) pour PARIS (75)",
    /// " Janvier  2025", "Tevet 5785  Chevat 5785".
    std::string titre;
    std::string entete;
    std::string autres;
    /// Every day written (after the filters), whole: not cut at the limit
    /// of the text area.
    std::vector<JourPage> jours;
};

struct PageAnnee {
    int annee = 0; // the driving year of the page
    /// The header of the text area (empty for file outputs and once the
    /// display is off).
    std::vector<std::string> entete;
    /// Every month asked, whole: the body of the page files.
    std::vector<MoisPage> mois;
    /// The lines the text area receives for this year.
    std::vector<std::string> memo;
    /// The lines of "cal_exl.txt" for this year.
    std::vector<std::string> export_lignes;
};

/// The line that closes a text area cut at its limit of day lines.
[[nodiscard]] std::string avis_de_limite(int lignes);

/// The display of the text area, shared by the years of one request: it
/// stops after the limit of day lines (450 civil, 533 Hebrew). Only the
/// text area (the target "Memo") has such a limit.
struct CompteurAffichage {
    int lignes_jour = 0;
    bool affiche = true;
};

/// `construit_page_calendrier`: the page of `annee` (civil or Hebrew after
/// `demande.sens`). The summer-time corrections come from `tables`. Throws
/// platform::FileError when a summer-time table exists but cannot be read.
[[nodiscard]] PageAnnee construit_page_calendrier(const DemandeCalendrier& demande, int annee,
                                                  const places::TablesEte& tables,
                                                  CompteurAffichage& compteur);

/// The result of "Calculer" for the simplified calendar.
struct CalendrierSimplifie {
    std::vector<PageAnnee> pages;
    std::vector<std::string> memo; // the text area, all the years
    CompteurAffichage compteur;
    /// Why nothing was built (the place's coordinates refused), else empty.
    std::string erreur;
};

/// `Button1_calcul`: the pages of the years asked, from the driving year
/// upward, with one display counter for all of them. Nothing is built when
/// the place's latitude, longitude or offset is refused.
[[nodiscard]] CalendrierSimplifie calendrier_simplifie(const DemandeCalendrier& demande,
                                                       const places::TablesEte& tables);

/// Name of the export file and of the window's last place, in the program
/// directory.
inline constexpr std::string_view fichier_export = "cal_exl.txt";
inline constexpr std::string_view fichier_lieu_calendrier = "lieuinim.cal";

/// Writes "cal_exl.txt" (the export lines of the last page built: each page
/// rewrites it) and "lieuinim.cal" into `repertoire`. Throws
/// platform::FileError.
void ecrit_fichiers_calendrier(const std::filesystem::path& repertoire,
                               const CalendrierSimplifie& calendrier,
                               const DemandeCalendrier& demande);

/// The last place of the window, as "lieuinim.cal" keeps it.
struct LieuCalendrier {
    places::Place lieu;
    std::string opinion;
    int regle_entree = 0;
    friend bool operator==(const LieuCalendrier&, const LieuCalendrier&) = default;
};

/// The one line of "lieuinim.cal": city, country, latitude, longitude,
/// offset, opinion and the index of the Sabbath-entry rule, each followed by
/// a tab (a tab inside a field becomes a blank).
[[nodiscard]] std::string ligne_lieu_calendrier(const LieuCalendrier& l);

/// "lieuinim.cal" of `repertoire`, or nothing when it is missing or has no
/// city; a rule index that is not one of the eight reads 0.
[[nodiscard]] std::optional<LieuCalendrier>
lit_lieu_calendrier(const std::filesystem::path& repertoire);

} // namespace orvane::documents
