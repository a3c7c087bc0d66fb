// From an instant in hours of Universal Time to the clock time shown: the
// zone and the summer-time correction are added, the result is split into
// hours, minutes and seconds and rounded to the minute in the direction that
// the time's halachic stringency (the "houmra") requires: a latest-allowed
// time (end of the Chema, sunset) is rounded earlier, an earliest-allowed
// time (stars, Sabbath exit) later.
//
//   13 h 30 min 30 s with the houmra: "plus_tôt" 13:30, "plus_tard" 13:31,
//   "normal" 13:31.  −0.25 h reads 23:45 and 24.5 h reads 00:30.
#pragma once

#include <string>
#include <string_view>

namespace orvane::zmanim
{

/// Direction of the rounding to the minute, named by the caller per time.
enum class ModeArrondi {
    plus_tot,  // "plus_tôt": latest times, rounded toward earlier
    plus_tard, // "plus_tard": earliest times, rounded toward later
    normal,    // "normal": neutral times, to the nearest minute
    tretar     // "trétar", and any unknown text: seconds dropped
};

/// The mode named by a text: "plus_tôt", "plus_tard", "normal"; any other
/// text (among them "trétar") drops the seconds.
[[nodiscard]] ModeArrondi mode_arrondi(std::string_view texte) noexcept;

/// The text by which callers name a mode ("plus_tôt", ...).
[[nodiscard]] std::string_view texte_mode_arrondi(ModeArrondi mode) noexcept;

/// The summer-time setting of the program, which may override the correction
/// a caller passes.
enum class ModeEte {
    avec_changement,   // "les heures d'été ou d'hiver": the correction as given
    hiver_toute_annee, // "les heures d'hiver toute l'année": 0
    ete_toute_annee    // "les heures d'été toute l'année": 1
};

/// The mode of one of the three texts of the configuration; any other text
/// keeps the correction as given.
[[nodiscard]] ModeEte mode_ete_du_texte(std::string_view texte) noexcept;

/// Thresholds of the houmra of the Rav Rottenberg opinion when no
/// configuration gives them ("Valeur_max_houmra_ciop", "Valeur_min_houmra_ciop").
inline constexpr int seuil_max_ciop_defaut = 57;
inline constexpr int seuil_min_ciop_defaut = 3;

/// Everything besides the instant that decides how a time is written.
struct ReglesArrondi {
    bool houmra = true;            // "Houmra - arrondis à 1/59 ou 29/30 sec"
    bool arrondis_2930 = false;    // "Arrondis 29/30 sec": threshold 29 for every mode
    bool affiche_secondes = false; // "Affiche les secondes": no rounding to the minute
    bool rav_rottenberg = false;   // Rav Rottenberg mode, or that opinion in the zmanim window
    int seuil_max_ciop = seuil_max_ciop_defaut; // "plus_tôt" threshold in that case
    int seuil_min_ciop = seuil_min_ciop_defaut; // "plus_tard" threshold in that case
    ModeEte mode_ete = ModeEte::avec_changement;
    bool toutes_latitudes = false; // the "toutes latitudes" tables: summer time forced
    bool vers_grille = false;      // a results-grid table is being built
    int decalage_heures = 0;       // whole hours added to the clock texts of a grid
};

/// A written time: the numbers and the three texts of two digits at least
/// ("07", "05", "00"). `texte_*` are empty for an instant that is not a
/// finite number.
struct HeureFormatee {
    double locale = 0; // T + Z + D, unrounded, hours
    int heures = 0;    // hours of the rounded local time, before the reduction to 0..23
    int minutes = 0;   // 0..59
    int secondes = 0;  // 0..59; 0 once rounded to the minute
    std::string texte_heures;
    std::string texte_minutes;
    std::string texte_secondes;

    [[nodiscard]] bool definie() const { return !texte_heures.empty(); }
};

/// Seconds from which a mode moves to the next minute: "plus_tard" from the
/// threshold, "normal" and "plus_tôt" beyond it.
[[nodiscard]] int seuil_secondes(ModeArrondi mode, const ReglesArrondi& regles) noexcept;

/// The clock time of instant `t` (hours UT) at a place of zone `z` (hours)
/// with a summer-time correction `d` (hours). The program's summer-time mode
/// may replace `d`; the clock hour is brought into 0..23, so that an instant
/// before midnight of the date reads as the evening before. A negative local
/// time is split from the hour below it (−0.25 h is 23:45).
[[nodiscard]] HeureFormatee formate_heure(ModeArrondi mode, double t, double z, double d,
                                          const ReglesArrondi& regles);

/// A length of time (a seasonal hour, the length of the day) written as
/// hours, minutes and seconds, rounded "normal". No zone, no summer time, no
/// grid shift and no reduction to a clock hour: a seasonal hour of 1 h 15 min
/// reads 01:15 whatever the summer-time mode.
[[nodiscard]] HeureFormatee formate_duree(double heures, const ReglesArrondi& regles);

/// A number on two digits at least: 7 → "07", 12 → "12" (negative numbers as
/// they are).
[[nodiscard]] std::string texte_deux_chiffres(int valeur);

/// The whole number a time text reads: "05" → 5; 0 for an empty text.
[[nodiscard]] int valeur_texte(std::string_view texte) noexcept;

/// The decimal text of a number as the program writes it for traces and
/// decimal lines: up to 15 significant digits, a point, no trailing zeros
/// ("5.78333333333333", "-0.25", "12").
[[nodiscard]] std::string texte_decimal(double valeur);

} // namespace orvane::zmanim
