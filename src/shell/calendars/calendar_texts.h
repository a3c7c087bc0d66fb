// The texts of the two calendar windows for the day they show: the dates
// of both calendars with their weekdays, the kinds of the two years, the
// places of the Hebrew year in its cycles, and the status line with the
// festival, the reading, the Omer count and the seasons.
//
//   JourDesCalendriers j = jour_du_civil({2025, 4, 14}, true);   // 16 Nissan 5785
//   j.etat         // "HolAmoed Pessa'h 1er jour de Omer" ...
//   textes_cycles(5785).solaire    // "17e année du 207e cycle solaire"
#pragma once

#include "engine/dates.h"

#include <string>
#include <string_view>

namespace orvane::shell
{

/// The notice of the Hebrew window for a civil date of October 1582.
inline constexpr std::string_view texte_reforme_hebreu =
    "Cal. julien ==> grégorien : Jeudi 4 oct 1582 ==>Vend 15 oct 1582";
/// The notice of the civil window for October 1582.
inline constexpr std::string_view texte_reforme_civil = "Réforme du calendrier civil";

/// "Année civile commune - Année hébraïque commune (12 mois)", or with
/// "bissextile" and "embolismique (13 mois)".
[[nodiscard]] std::string texte_types_annees(bool civile_bissextile, bool hebraique_embolismique);

/// The Omer count of a Hebrew date: from 16 Nissan (" 1er jour de Omer") to
/// 5 Sivan (" 49e jour de Omer"); empty on the other days.
[[nodiscard]] std::string texte_omer_du_jour(const engine::DateHebraique& d);

/// Hours with one decimal and a decimal comma: 3.25 → "3,3".
[[nodiscard]] std::string heure_decimale(double heures);

/// Hours and minutes: 3.25 → "3h15mn".
[[nodiscard]] std::string heure_et_minutes(double heures);

/// The places of Hebrew year Y in its three cycles, each year counted from
/// 1 in its cycle and the cycles from 1: "17e année du 207e cycle solaire",
/// "9e année du 305e cycle lunaire - année commune", "3e année du 827e cycle
/// de chemita" for 5785 ("1re année du …" for a first year).
struct TextesCycles {
    std::string solaire;
    std::string lunaire;
    std::string chemita;
};
[[nodiscard]] TextesCycles textes_cycles(int annee_hebr);

/// Everything the two windows write about one day.
struct JourDesCalendriers {
    engine::DateCivile civil;
    engine::DateHebraique hebreu;
    int jour_semaine = 0; // 1 Sunday .. 7 Chabbat
    bool civile_bissextile = false;
    bool hebraique_embolismique = false;
    /// "Lundi 1 Tichri 1": weekday, day, month, year.
    std::string date_hebraique;
    /// "Vendredi 15 Octobre 1582", years before 1 written one lower.
    std::string date_civile;
    /// "Année civile commune - Année hébraïque commune (12 mois)".
    std::string types_annees;
    /// The status line without the seasons: festival, reading, special
    /// Sabbath, note, Omer count, " Bisextile".
    std::string etat;
    /// The season of the day, when one falls on it: its name ("TICHRI") and
    /// hour (0..24, Jerusalem mean time).
    std::string tekoufa;
    double heure_tekoufa = 0;
    /// True on the evening the Diaspora starts asking for rain.
    bool guechamim = false;
    /// True for a civil date of October 1582, the month of the reform.
    bool octobre_1582 = false;
};

/// The day of a civil date of the era, for the civil window.
[[nodiscard]] JourDesCalendriers jour_du_civil(const engine::DateCivile& d, bool diaspora);

/// The day of a Hebrew date of the era, for the Hebrew window.
[[nodiscard]] JourDesCalendriers jour_de_l_hebreu(const engine::DateHebraique& d, bool diaspora);

/// The status line of the Hebrew window: "Tékoufa de TICHRI à 3,0h" on the
/// day of a season, the line of the day otherwise.
[[nodiscard]] std::string etat_fenetre_hebraique(const JourDesCalendriers& j);

/// The status line of the civil window: the line of the day, then " Tk " and
/// the hour of a season ("3h00mn"), then " Guéchamim" on its evening.
[[nodiscard]] std::string etat_fenetre_civile(const JourDesCalendriers& j);

} // namespace orvane::shell
