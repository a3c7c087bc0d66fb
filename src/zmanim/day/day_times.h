// The times of one computed day, by slot: what `horaires_du_jour` leaves for
// the day page, the tables and the documents.
//
// Each slot keeps the three texts of its clock time exactly as the rounding
// wrote them ("05", "47", "00"), since pages and templates copy them as they
// are; the numeric times beside them are hours of Universal Time as the
// solar routine gave them, zone not added and not reduced to 0..24 h.
//
// Each user owns its record; every computation overwrites what it reaches.
// A refused day (`erreur_horaires`) or a polar day (`jour_polaire`) stops
// early and leaves the slots it did not reach as they were: read the two
// flags before the slots.
#pragma once

#include "engine/dates.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/settings/parametres.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::zmanim
{

/// The clock time of a slot as three texts; all three empty when the slot
/// has no time on the day (a twilight the sun does not reach).
struct TexteHoraire {
    std::string heures;
    std::string minutes;
    std::string secondes;

    [[nodiscard]] bool definie() const { return !heures.empty(); }
    friend bool operator==(const TexteHoraire&, const TexteHoraire&) = default;
};

/// One traced time: its label, the local time and its rounded parts.
struct EntreeTrace {
    std::string etiquette; // "HATSOT", "CHA'HAR OM", ...
    double locale = 0;     // hours, zone and summer time added, unrounded
    int heures = 0;
    int minutes = 0;
    int secondes = 0;
};

class DayTimes
{
public:
    // --- The day and the place of the last computation --------------------
    int jour_semaine = 0; // 1 Sunday … 7 Chabbat
    int jour = 0;
    int mois = 0;
    int annee = 0;
    std::string opinion;       // name of the computation ("Beth Din de Paris", ...)
    double latitude = 0;       // radians, north positive
    double longitude = 0;      // radians, WEST positive
    double zone = 0;           // hours from Universal Time
    double correction_ete = 0; // hours, as given by the caller
    SinusAngles angles;        // the altitudes the day was computed with

    // --- Shared values of the solar routine ----------------------------------
    double sinus_hauteur = 0; // target altitude of the next call (sine)
    double decalage_jd = 0;   // evaluation at 12 h UT plus this many days
    double heure_lever = 0;   // morning crossing, or ±500
    double heure_coucher = 0; // evening crossing; kept when ±500 is returned

    // --- Numeric times, hours UT ---------------------------------------------
    double t_aube = 0;
    double t_tephilin = 0;
    double t_lever = 0;
    double t_hatsot = 0;
    double t_coucher = 0;
    double t_mincha_gedola = 0;
    double t_mincha_ketana = 0;
    double t_plag = 0;
    double t_entree = 0;
    double t_etoiles = 0;
    double t_etoiles_chema = 0;
    double t_sortie = 0;
    double t_nuit = 0;
    double t_aube72 = 0;
    double t_nuit72 = 0;
    double t_crepuscule_civil = 0;
    double t_chema1 = 0;
    double t_chema2 = 0;
    double t_tefila1 = 0;
    double t_tefila2 = 0;
    double t_plag2 = 0;
    double t_dixieme = 0;
    double t_chema72 = 0;
    double heure_saison_lc = 0; // one twelfth of sunrise to sunset, hours
    double heure_saison_an = 0; // one twelfth of dawn to night, hours

    // --- First-pass evaluation offsets, days -------------------------------
    double o_lever = 0;
    double o_coucher = 0;
    double o_aube = 0;
    double o_tephilin = 0;
    double o_sortie = 0;
    double o_etoiles = 0;
    double o_etoiles_chema = 0;
    double o_595 = 0;
    double o_65 = 0;
    double o_nuit = 0;

    // --- Slots, in storage order ---------------------------------------------
    TexteHoraire heureA;         // dawn
    TexteHoraire heureA72;       // dawn 72 seasonal minutes before sunrise (books)
    TexteHoraire heureT;         // tefillin
    TexteHoraire heureL;         // sunrise
    TexteHoraire heureC72;       // end of Chema, 72-minute day (books)
    TexteHoraire heureCH1;       // end of Chema, dawn to night
    TexteHoraire heureCH2;       // end of Chema, sunrise to sunset
    TexteHoraire heureTA1;       // end of prayer, dawn to night
    TexteHoraire heureTA2;       // end of prayer, sunrise to sunset
    TexteHoraire heureH;         // midday
    TexteHoraire heureMG;        // Min'ha Guédola
    TexteHoraire heureMK;        // Min'ha Kétana
    TexteHoraire heureP;         // Plag Hamin'ha
    TexteHoraire heure2P;        // second plag, 72-minute day
    TexteHoraire entree_chabbat; // Sabbath entry
    TexteHoraire heureC;         // sunset
    TexteHoraire heureSOR;       // Sabbath exit
    TexteHoraire heureTSE;       // stars
    TexteHoraire heureTSECHEMA;  // stars of the evening Chema
    TexteHoraire heureN;         // night of Rabbénou Tam
    TexteHoraire heureN72;       // night 72 seasonal minutes after sunset (books)
    TexteHoraire saison_lc;      // seasonal hour, sunrise to sunset (" 01", "15", "00")
    TexteHoraire saison_an;      // seasonal hour, dawn to night
    TexteHoraire heureCVLV;      // civil twilight of the morning ("Bureau des Longitudes")
    TexteHoraire heureNV;        // beginning of the tenth hour

    // --- State of the computation --------------------------------------------
    bool erreur_horaires = false;   // the inputs were refused
    std::string message_erreur;     // French message of the refusal; empty when silent
    bool jour_polaire = false;      // the sun does not cross the horizon that day
    std::string message_polaire;    // "Le soleil est toujours au-dessus de l'horizon" ...
    std::string soleil_decimal;     // sun's right ascension and declination at midday
    std::vector<EntreeTrace> trace; // the day's traced times, each with its label
    std::string ligne_decimale;     // the decimal-hours line of the day

    /// The solar routine on the shared values: reads `sinus_hauteur` and
    /// `decalage_jd` (ignored when "Itération" is off), writes `heure_lever`
    /// and `heure_coucher` and resets `decalage_jd` to 0; when the sun does
    /// not cross the altitude, `heure_lever` becomes +500 or −500 and the two
    /// other values are left as they were. With "Affiche en décimal",
    /// `coordonnees_du_soleil` (the day asks it of its midday evaluation) and
    /// `soleil_decimal` empty, the sun's right ascension (hours, 0..24) and
    /// declination (degrees) at the instant of evaluation fill it.
    void calcul_lever_coucher(const engine::DateCivile& date, double lat, double lon,
                              const ZmanimSettings& reglages, bool coordonnees_du_soleil = false);

    /// Copies the three texts of a written time into the slot named by
    /// `jeton` ("heureA", "heureTSE", "entree_chabbat", ...); a name that is
    /// no slot changes nothing.
    void memorise_heure(std::string_view jeton, const HeureFormatee& f);

    /// The slot named by a token, or nullptr.
    [[nodiscard]] TexteHoraire* creneau(std::string_view jeton);
    [[nodiscard]] const TexteHoraire* creneau(std::string_view jeton) const;

    /// The numeric time behind a slot (hours UT; a length in hours for the
    /// seasonal hours), or nullptr.
    [[nodiscard]] const double* instant(std::string_view jeton) const;
};

/// A slot: its token, its texts and its numeric time in `DayTimes`.
struct DescriptionCreneau {
    std::string_view jeton;
    TexteHoraire DayTimes::*texte;
    double DayTimes::*instant;
    bool duree; // a length of time, not an instant
};

/// Every slot in storage order.
[[nodiscard]] const std::array<DescriptionCreneau, 25>& creneaux();

} // namespace orvane::zmanim
