// What the annual calendar window asks of a year page: the direction, the
// years and months, the filters, the place and the opinion, and where the
// lines go. The window fills one `DemandeCalendrier` from its controls and
// hands it to the year page builder (year_page.h) or to the page files
// (city_pages.h).
//
//   DemandeCalendrier d;
//   d.sens = Sens::civil_hebreu;
//   d.annee = 2025;                       // civil year 2025 = 5785 / 5786
//   d.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
//   CalendrierSimplifie c = calendrier_simplifie(d, tables_ete);
#pragma once

#include "config/summer_time_mode.h"
#include "places/place.h"
#include "zmanim/day/horaires_jour.h"

#include <string>

namespace orvane::documents
{

/// The two directions of the window: a civil year with its Hebrew dates, or
/// a Hebrew year with its civil dates.
enum class Sens { civil_hebreu, hebreu_civil };

/// Where the lines of a page go: the text area of the window ("Memo"), or
/// the page files of one city or of a list of cities.
enum class Cible { memo, fichier };

/// Most day lines the text area receives in one request (all its years
/// together): the window holds no more.
inline constexpr int limite_lignes_civil = 450;
inline constexpr int limite_lignes_hebreu = 533;

/// The eight rules of the Sabbath entry in summer, of which the window keeps
/// the index in "lieuinim.cal".
inline constexpr int nombre_regles_entree = 8;

struct DemandeCalendrier {
    Sens sens = Sens::civil_hebreu;
    int annee = 2025;                // driving year: civil or Hebrew after `sens`
    int nombre_annees = 1;           // years built from `annee` upward, one by one
    int mois_debut = 1;              // first month, in the numbering of the direction
    int mois_fin = 12;               // last month (13 Eloul in the Hebrew direction)
    bool premiers_du_mois = false;   // "Premiers du mois seuls"
    bool chabbat_et_fetes = false;   // "Uniquement Jours de Chabbat et fêtes"
    bool parachiot = true;           // "Indique les Parachiyot"
    bool horaires = true;            // "Horaires"
    bool opinion_sur_tables = false; // "Indique l'opinion sur les tables"
    bool web = false;                // "Web": HTML pages instead of text
    bool levana_sepharade = true;    // Birkat Halévana after the Sephardi custom (7 days)
    bool pour_tableur = false;       // a spreadsheet build: the export runs to the end
    bool calendrier_mural = false;   // the wall calendars title their export by Hebrew year
    Cible cible = Cible::memo;

    places::Place lieu{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    std::string opinion{"Beth Din (France)"};
    bool diaspora = true;
    int tossefet = zmanim::tossefet_diaspora; // "Tossefet, entrée Chab.", minutes
    int regle_entree = 0;                     // index of the Sabbath-entry rule, 0..7
    bool toutes_entrees = false; // "Affiche toutes les entrées de Chabbat": the usual one too
    /// Minutes of arc between the centre of the town and its east or west
    /// end ("estouest"), for the opinion of Rav Rottenberg.
    int est_ouest = 3;
    std::string mode_horaire{config::mode_avec_changement};
    /// What the program's configuration adds to the computation of the times
    /// (summer-time mode, the "Vaudrel" exit, the thresholds of
    /// "config_ciop.txt", the Marseille exit).
    zmanim::ContexteCalcul contexte;
    /// The program's title, written in capitals on the first line of a page.
    std::string titre_programme{"Orvane"};
};

/// The opinion as the pages name it: "Beth Din" for every opinion whose
/// first three letters are "Bet" ("Beth Din (France)" → "Beth Din").
[[nodiscard]] std::string opinion_des_pages(std::string_view opinion);

/// The settings of the annual calendar's computation: the halachic rounding
/// and sun (as every printed calendar), the default angles of the opinion,
/// and the window's own Tossefet.
[[nodiscard]] zmanim::ZmanimSettings reglages_calendrier(const DemandeCalendrier& demande);

} // namespace orvane::documents
