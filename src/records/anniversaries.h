// The next anniversaries of a Hebrew date: for the record window (one line
// per year, with its civil and Hebrew date) and for the list "Prochains
// anniversaires civils" of the main window. Each anniversary is the date
// carried to the year by `reporte_date`, so that Adar, Adar I and Adar II,
// 30 Hechvan and 30 Kislev land on a day the year has.
#pragma once

#include "records/day_lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// The three families of records.
enum class Famille { naissance, deces, evenement };

/// One anniversary of a list.
struct Anniversaire {
    JourComplet jour;
    bool passe = false;          // before today: its line ends with " x"
    std::string ligne;           // "   Jeudi    3  Octobre   2024 --> 1  Tichri  5785"
    std::string texte_civil;     // the text before "-->", trimmed ("Anniversaire civil")
    std::string texte_hebraique; // the text after it, trimmed ("Anniv. hébraïque")
};

/// The anniversaries of the record window.
struct ProchainsAnniversaires {
    std::string entete;                      // " 15 anniversaires de la naissance"
    std::vector<Anniversaire> anniversaires; // the first is the next anniversary
};

/// The first Hebrew year whose anniversary of `evenement` falls today or
/// later: today's Hebrew year, or the next one when the date carried to it
/// is already past.
[[nodiscard]] int premiere_annee_a_venir(const engine::DateHebraique& evenement,
                                         engine::DateCivile aujourdhui);

/// The anniversaries of `evenement` from the first one today or later,
/// every `pas` years (1 by default in the window): `nombre` of them, two
/// more for a death. The heading says how many: " " + count + " anniversaires
/// du décès " (count + 2), or " " + count + " anniversaire(s) de l'événement"
/// / " de la naissance".
[[nodiscard]] ProchainsAnniversaires prochains_anniversaires(const engine::DateHebraique& evenement,
                                                             engine::DateCivile aujourdhui,
                                                             int nombre, int pas, Famille famille);

/// The fields of the next-anniversary group of a record: weekday filled to
/// 9, day filled to 3, civil month name, civil year, "-->", Hebrew day
/// filled to 3, Hebrew month name, Hebrew year.
[[nodiscard]] std::vector<std::string> groupe_anniversaire(const Anniversaire& a);

/// The list "Prochains anniversaires civils" of the main window.
struct AnniversairesCivils {
    std::string titre;               // "   15  Prochains anniversaires civils"
    std::vector<std::string> lignes; // "Jeu 3  Octo 2024 :1  Tichri  5785"
    std::string texte_affiche;       // "   " + the first line
    std::vector<JourComplet> jours;  // the days of the lines
};

/// The `nombre` next civil anniversaries of the Hebrew date shown
/// (`montree`, whose civil date is `civile_montree`). For a date shown
/// today or later the list begins the year after it. For a date shown
/// before today it begins with the first anniversary that falls today or
/// later, never with a date already past.
[[nodiscard]] AnniversairesCivils anniversaires_civils(const engine::DateHebraique& montree,
                                                       engine::DateCivile civile_montree,
                                                       engine::DateCivile aujourdhui, int nombre);

/// A line of the main window's list: the first three letters of the
/// weekday and a blank, the civil day filled to 3, the first four letters
/// of the month filled to 4, a blank, the civil year filled to 5, ":", the
/// Hebrew day filled to 3, the Hebrew month name filled to 8, the Hebrew
/// year.
[[nodiscard]] std::string ligne_anniversaire_civil(const JourComplet& jour);

/// The confirmation before the next anniversary of every record is computed
/// again; `bouton` is the caption of the button that asks for it.
[[nodiscard]] std::string message_tout_recalculer(std::string_view bouton);

} // namespace orvane::records
