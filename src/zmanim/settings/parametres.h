// The parameters of the zmanim computation: depression angles, refraction,
// rounding and display options, the Sabbath-entry interval (Tossefet), the
// opinion, and the switches of the range tables.
//
// Each user owns its own `ZmanimSettings`: the day page, the zmanim window
// and every document build theirs, so that a choice made in one window never
// changes the times of another.
#pragma once

#include "zmanim/format/arrondi.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::zmanim
{

/// Number of the "moment" check boxes: the times a table may show.
inline constexpr std::size_t nombre_moments = 19;

/// The Tossefet, minutes by which the Sabbath is taken in before sunset: 18
/// in the Diaspora, 20 in Israel, 40 in Jerusalem.
inline constexpr int tossefet_diaspora = 18;
inline constexpr int tossefet_israel = 20;
inline constexpr int tossefet_jerusalem = 40;

/// Default angle texts, in degrees below the horizon.
inline constexpr std::string_view texte_aube_defaut = "16.1";
inline constexpr std::string_view texte_tephilin_defaut = "11";
inline constexpr std::string_view texte_etoiles_defaut = "7.08";
inline constexpr std::string_view texte_etoiles_rav_rottenberg = "7.12";
inline constexpr std::string_view texte_sortie_defaut = "8.5";
inline constexpr std::string_view texte_nuit_defaut = "16.1";
inline constexpr std::string_view texte_admour_defaut = "5.95";
inline constexpr std::string_view texte_admour_chema_defaut = "6.5";

/// The texts that the "déf" buttons write back (stars at 7.12° in the Rav
/// Rottenberg mode).
struct TextesAnglesDefaut {
    std::string aube{texte_aube_defaut};
    std::string tephilin{texte_tephilin_defaut};
    std::string etoiles{texte_etoiles_defaut};
    std::string sortie{texte_sortie_defaut};
    std::string nuit{texte_nuit_defaut};
    std::string admour{texte_admour_defaut};
    std::string admour_chema{texte_admour_chema_defaut};
};

struct ZmanimSettings {
    bool arrondis_2930 = false;       // "Arrondis 29/30 sec"
    bool trace = false;               // "Trace": write "trace.dta"
    bool centre_soleil = false;       // "Centre du soleil": no 16′ semi-diameter
    bool iteration = true;            // "Itération": each event at its own instant
    bool houmra = true;               // "Houmra - arrondis à 1/59 ou 29/30 sec"
    bool affiche_secondes = false;    // "Affiche les secondes"
    bool affiche_decimal = false;     // "Affiche en décimal"
    std::string refraction = "34";    // arc-minutes, angle notation, at most 30 characters
    int decalage_heures = 0;          // whole hours added to a results grid
    int tossefet = tossefet_diaspora; // minutes between Sabbath entry and sunset

    // Angles typed for "Selon choix des valeurs", degrees, at most 20 characters.
    std::string texte_aube{texte_aube_defaut};
    std::string texte_tephilin{texte_tephilin_defaut};
    std::string texte_etoiles{texte_etoiles_defaut};
    std::string texte_sortie{texte_sortie_defaut};
    std::string texte_nuit{texte_nuit_defaut};

    /// Opinion of the zmanim window; it also decides the "Bureau des
    /// Longitudes" twilights and the Rav Rottenberg rounding.
    std::string opinion_calcul{"Or Méïr"};
    /// Opinion of the day page.
    std::string opinion_accueil{"Beth Din (France)"};

    bool annee_civile = true;     // " Calcul de l'année civile"
    bool annee_hebraique = false; // " Calcul de l'année hébraïque"
    bool dates_ete = false;       // " Dates ci-dessus avec heure été / hiver"
    bool fetes = false;           // " Prise en compte des fêtes"
    std::array<bool, nombre_moments> moments{true, true, true, true, true, true, true,
                                             true, true, true, true, true, true, true,
                                             true, true, true, true, true};
    bool diaspora = true; // Diaspora rules (off in Israel)

    /// Rav Rottenberg mode: switched on by an opinion stored as "Rav_Ro…",
    /// off again only when its owner clears it. Stars at 7.12°, midday rounded
    /// later, the Rav Rottenberg thresholds, and dawn adjusted for "Or Méïr".
    bool mode_rav_rottenberg = false;

    /// The texts the "déf" buttons restore, set by `initialise_angles`.
    TextesAnglesDefaut defauts;
};

/// Resets the default angle texts: 16.1°, 11°, 7.08° (7.12° in the Rav
/// Rottenberg mode), 8.5°, 16.1°, 5.95° and 6.5°.
void initialise_angles(ZmanimSettings& reglages);

/// The sines of the altitudes used by one day's computation (negative: below
/// the horizon).
struct SinusAngles {
    double lever_coucher = 0;  // standard altitude of sunrise and sunset, −50′ by default
    double aube = 0;           // 16.1°
    double tephilin = 0;       // 11°
    double etoiles = 0;        // 7.08° (7.12° in the Rav Rottenberg mode)
    double etoiles_chema = 0;  // 8°, stars for the evening Chema
    double sortie = 0;         // 8.5°, Sabbath exit
    double nuit = 0;           // 16.1°, night of Rabbénou Tam
    double pavee = 0;          // 7.5°, stars of the "Pavée"
    double rav_rottenberg = 0; // 7.12°, stars of the Rav Rottenberg
    double admour = 0;         // 5.95°, stars of the Admour Hazaken
    double admour_chema = 0;   // 6.5°, his stars for the evening Chema
    double marseille = 0;      // 7.35°, Sabbath exit of the Beth Din of Marseille
    double civil = 0;          // 6°, civil twilight
    double nautique = 0;       // 12°, nautical twilight
    double astronomique = 0;   // 18°, astronomical twilight
};

// The default altitudes of the opinions, degrees below the horizon (the
// default texts above write the same numbers). Dawn and the night of
// Rabbénou Tam at 16.1°, the sun's depression 72 minutes from sunrise and
// sunset at Jerusalem at the equinoxes; tefillin at 11°, when a man can be
// recognised; the stars at 7.08° (three middle stars) and 8°, 7.5°, 7.12°,
// 5.95° and 6.5° for the opinions that see them elsewhere; the Sabbath exit
// at 8.5° (three small stars).
inline constexpr double degres_aube = 16.1;
inline constexpr double degres_tephilin = 11;
inline constexpr double degres_etoiles = 7.08;
inline constexpr double degres_etoiles_rav_rottenberg = 7.12;
inline constexpr double degres_etoiles_chema = 8;
inline constexpr double degres_sortie = 8.5;
inline constexpr double degres_nuit = 16.1;
inline constexpr double degres_etoiles_pavee = 7.5;
inline constexpr double degres_admour = 5.95;
inline constexpr double degres_admour_chema = 6.5;

/// Exit angle of the Beth Din of Marseille, degrees.
inline constexpr double angle_sortie_marseille = 7.35;

// The twilights of the astronomers: the sun 6° (civil), 12° (nautical) and
// 18° (astronomical) below the horizon.
inline constexpr double degres_crepuscule_civil = 6;
inline constexpr double degres_crepuscule_nautique = 12;
inline constexpr double degres_crepuscule_astronomique = 18;

/// Refraction at the horizon by default, arc-minutes: with the sun's 16′
/// semi-diameter the upper limb rises and sets at 50′ below the horizon.
inline constexpr double refraction_defaut = 34;

/// Degrees of an angle text in the notation of the places files ("16.1",
/// "16°06", "+1"), or nothing when the text is not an angle.
[[nodiscard]] std::optional<double> angle_en_degres(std::string_view texte);

/// "La valeur "…" choisie pour <pour> n'est pas un angle." and examples.
[[nodiscard]] std::string message_angle_illisible(std::string_view texte, std::string_view pour);

/// The sines of every opinion's default angles; the sunrise altitude for the
/// default 34′ of refraction and the upper limb.
[[nodiscard]] SinusAngles sinus_par_defaut(bool mode_rav_rottenberg);

/// The dawn, tefillin, stars, exit and night sines read from the five typed
/// texts of `reglages` (degrees). On a text that is not an angle, a French
/// message naming it.
struct SinusChoisis {
    std::optional<SinusAngles> sinus;
    std::string erreur;
};
[[nodiscard]] SinusChoisis sinus_choisis(const ZmanimSettings& reglages, SinusAngles base);

/// The rounding rules that `reglages` imply. `vers_grille`, the summer-time
/// mode, the "toutes latitudes" mode and the Rav Rottenberg thresholds of the
/// configuration are the caller's.
[[nodiscard]] ReglesArrondi regles_arrondi(const ZmanimSettings& reglages);

/// Tossefet and Diaspora of a place: 18 minutes in the Diaspora, 20 in
/// Israel ("Israël", first six letters of the country), 40 in Jerusalem
/// ("JERUSALEM" or "Jérusalem", first nine letters of the city), the last two
/// without the Diaspora rules.
struct TossefetDuLieu {
    int tossefet = tossefet_diaspora;
    bool diaspora = true;
};
[[nodiscard]] TossefetDuLieu tossefet_du_lieu(std::string_view pays, std::string_view ville);

/// Applies the Tossefet rule of a place to `reglages`.
void applique_tossefet(ZmanimSettings& reglages, std::string_view pays, std::string_view ville);

} // namespace orvane::zmanim
