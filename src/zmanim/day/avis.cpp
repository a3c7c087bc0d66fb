// The rules of the opinions, applied over the times of the angles, then the
// times counted in seasonal hours from dawn to night.
#include "zmanim/day/calcul_jour.h"
#include "zmanim/settings/opinions.h"

#include <algorithm>

namespace orvane::zmanim::detail
{

namespace
{

/// Tefillin of the "4MilsAN" and "5Mils" opinions: from 52 fixed minutes
/// before sunrise, whatever the share of the day that sets their dawn.
constexpr double tephilin_avant_lever_mils = 52.0 / 60;
static_assert(tephilin_avant_lever_mils == 0.8666666666666667);

/// Tefillin of "4MilsLC": 6 seasonal minutes after dawn.
constexpr int minutes_tephilin_apres_aube_lc = 6;

/// Tefillin of the paved Maguen Abraham: 20 minutes after dawn, written with
/// eight decimals as its tables have always had them; 12 µs short of
/// 20.0 / 60, which moves a time lying on the edge of a rounded second.
constexpr double tephilin_apres_aube_pavee = 0.33333333;

/// The seasonal hour of dawn to night when dawn comes after night (a white
/// night for the angle of dawn but not for that of night): two hours.
constexpr double heure_saison_de_repli = 2.0;

} // namespace

void CalculJour::avis_particuliers()
{
    if (bdl_) {
        bureau_des_longitudes();
    }
    if (opinion_ == avis_4mils_lc) {
        aube_nuit_proportionnelles(0, true);
    }
    if (opinion_ == avis_4mils_an || opinion_ == avis_5mils) {
        aube_nuit_proportionnelles(facteur_, false);
    }
    if (opinion_ == avis_pavee || opinion_ == avis_rav_rottenberg) {
        pavee();
    }
    if (opinion_ == avis_admour) {
        admour();
    }
}

// Astronomical (18°), nautical (12°) and civil (6°) twilights, morning and
// evening, in the slots of dawn, tefillin, stars, exit and night.
void CalculJour::bureau_des_longitudes()
{
    const SinusAngles& a = j_.angles;
    const Croisement aube = crepuscule(a.astronomique, true);
    aube_existe_ = aube.existe;
    ecrit(ModeArrondi::normal, aube, &DayTimes::t_aube, &DayTimes::heureA);
    ecrit(ModeArrondi::plus_tard, crepuscule(a.nautique, true), &DayTimes::t_tephilin,
          &DayTimes::heureT);
    ecrit(ModeArrondi::normal, crepuscule(a.civil, true), &DayTimes::t_crepuscule_civil,
          &DayTimes::heureCVLV);
    ecrit(ModeArrondi::normal, crepuscule(a.civil, false), &DayTimes::t_etoiles,
          &DayTimes::heureTSE);
    ecrit(ModeArrondi::normal, crepuscule(a.nautique, false), &DayTimes::t_sortie,
          &DayTimes::heureSOR);
    const Croisement nuit = crepuscule(a.astronomique, false);
    nuit_existe_ = nuit.existe;
    ecrit(ModeArrondi::normal, nuit, &DayTimes::t_nuit, &DayTimes::heureN);
}

// Dawn and night at 72 minutes of a twelfth of the day ("4MilsLC": 1.2
// seasonal hours) or at a fixed share of the day ("4MilsAN" 1/8, "5Mils"
// 1/6), within the solar midnights around the day; tefillin 6 seasonal
// minutes after dawn ("4MilsLC") or 52 minutes before sunrise.
void CalculJour::aube_nuit_proportionnelles(double facteur, bool heures_saisonnieres)
{
    const double jour = j_.t_coucher - j_.t_lever;
    const double ecart =
        heures_saisonnieres ? soixante_douze_minutes * j_.heure_saison_lc : facteur * jour;

    aube_existe_ = nuit_existe_ = true;
    j_.t_aube = std::max(j_.t_lever - ecart, minuit_avant());
    ecrit(ModeArrondi::normal, j_.t_aube, &DayTimes::heureA,
          heures_saisonnieres ? "AUBE LC" : "AUBE AN");

    j_.t_nuit = std::min(j_.t_coucher + ecart, minuit_apres());
    ecrit(ModeArrondi::plus_tard, j_.t_nuit, &DayTimes::heureN,
          heures_saisonnieres ? "NUIT LC" : "NUIT AN");

    const double tephilin =
        heures_saisonnieres ? j_.t_aube + j_.heure_saison_lc * minutes_tephilin_apres_aube_lc / 60
                            : j_.t_lever - tephilin_avant_lever_mils;
    j_.t_tephilin = std::max(tephilin, minuit_avant());
    ecrit(ModeArrondi::plus_tard, j_.t_tephilin, &DayTimes::heureT,
          heures_saisonnieres ? "TEPH LC" : "TEPHILIN 4AN");
}

// The Maguen Abraham as paved: dawn 72 fixed minutes before sunrise, night
// 72 minutes after sunset, tefillin 20 minutes after dawn; stars at 7.5°
// (the Rav Rottenberg: 7.12°).
void CalculJour::pavee()
{
    aube_existe_ = nuit_existe_ = true;
    j_.t_aube = std::max(j_.t_lever - soixante_douze_minutes, minuit_avant());
    ecrit(ModeArrondi::normal, j_.t_aube, &DayTimes::heureA, "AUBE PAV");

    j_.t_nuit = std::min(j_.t_coucher + soixante_douze_minutes, minuit_apres());
    ecrit(ModeArrondi::plus_tard, j_.t_nuit, &DayTimes::heureN, "NUIT PAV");

    j_.t_tephilin = std::max(j_.t_aube + tephilin_apres_aube_pavee, minuit_avant());
    ecrit(ModeArrondi::plus_tard, j_.t_tephilin, &DayTimes::heureT, "TEPHILIN PAVEE");

    const double sinus =
        opinion_ == avis_rav_rottenberg ? j_.angles.rav_rottenberg : j_.angles.pavee;
    Croisement etoiles = soir(sinus, j_.o_etoiles);
    etoiles.t = std::min(etoiles.t, minuit_apres());
    ecrit(ModeArrondi::plus_tard, etoiles, &DayTimes::t_etoiles, &DayTimes::heureTSE, "TSET PAVEE");
}

// The Admour Hazaken: stars at 5.95°, and at 6.5° for the evening Chema.
void CalculJour::admour()
{
    const Croisement etoiles = soir(j_.angles.admour, j_.o_595);
    ecrit(ModeArrondi::plus_tard, etoiles, &DayTimes::t_etoiles, &DayTimes::heureTSE,
          "TSET ADMOUR");

    const Croisement chema = soir(j_.angles.admour_chema, j_.o_65);
    ecrit(ModeArrondi::plus_tard, chema, &DayTimes::t_etoiles_chema, &DayTimes::heureTSECHEMA,
          "TSET ADMOUR Chema");
}

// Seasonal hours of the day from dawn to night when the sun reaches both;
// the latest Chema and prayer 3 and 4 of them after dawn, or 3 and 4 hours
// of sunrise to sunset after sunrise; the second plag of a day from 72
// minutes before sunrise to 72 minutes after sunset; the beginning of the
// tenth hour.
void CalculJour::heures_aube_nuit()
{
    if (aube_existe_ && nuit_existe_) {
        heures_de_l_aube_a_la_nuit();
    } else {
        sans_heures_de_l_aube_a_la_nuit();
    }
    const double lc = j_.heure_saison_lc;
    j_.t_chema2 = j_.t_lever + heures_fin_chema * lc;
    ecrit(ModeArrondi::plus_tot, j_.t_chema2, &DayTimes::heureCH2);
    j_.t_tefila2 = j_.t_lever + heures_fin_tefila * lc;
    ecrit(ModeArrondi::plus_tot, j_.t_tefila2, &DayTimes::heureTA2);
    // The day of the second plag runs from 72 minutes before sunrise to 72
    // minutes after sunset.
    static_assert(2 * soixante_douze_minutes == 2.4);
    const double jour_72_minutes = j_.t_coucher - j_.t_lever + 2 * soixante_douze_minutes;
    j_.t_plag2 = (j_.t_coucher + soixante_douze_minutes) - heures_plag * (jour_72_minutes / 12);
    ecrit(ModeArrondi::plus_tard, j_.t_plag2, &DayTimes::heure2P);
    j_.t_dixieme = j_.t_lever + heures_avant_dixieme * lc;
    ecrit(ModeArrondi::plus_tot, j_.t_dixieme, &DayTimes::heureNV);
}

// The twelfth of dawn to night, and the Chema and the prayer 3 and 4 of them
// after dawn.
void CalculJour::heures_de_l_aube_a_la_nuit()
{
    double heure = (j_.t_nuit - j_.t_aube) / 12;
    if (heure == 0) {
        // Dawn and night both at the solar midnight after the day.
        heure = (j_.t_nuit - j_.t_aube + 24) / 12;
    }
    if (heure < 0) {
        heure = heure_saison_de_repli;
    }
    j_.heure_saison_an = heure;
    ecrit_duree(j_.heure_saison_an, &DayTimes::saison_an);
    j_.t_chema1 = j_.t_aube + heures_fin_chema * j_.heure_saison_an;
    ecrit(ModeArrondi::plus_tot, j_.t_chema1, &DayTimes::heureCH1);
    j_.t_tefila1 = j_.t_aube + heures_fin_tefila * j_.heure_saison_an;
    ecrit(ModeArrondi::plus_tot, j_.t_tefila1, &DayTimes::heureTA1);
}

// The sun does not go down to the angle of dawn or of night (18° at Paris
// from about 11 to 30 June, "Bureau des Longitudes"): their solar midnights
// stand in for the missing crossings, 24 hours apart, and would give a
// seasonal hour of exactly 2 hours. No hour of dawn to night then, and no Chema or
// prayer counted in it: the slots stay empty, the length is 0 and the two
// times stand at dawn's stand-in, as the missing crossings stand at theirs.
void CalculJour::sans_heures_de_l_aube_a_la_nuit()
{
    j_.heure_saison_an = 0;
    j_.saison_an = {};
    j_.t_chema1 = j_.t_aube;
    j_.heureCH1 = {};
    j_.t_tefila1 = j_.t_aube;
    j_.heureTA1 = {};
}

} // namespace orvane::zmanim::detail
