// The calls of the solar routine for one event, the solar-midnight rule of
// the days on which the sun does not reach an angle, and the writing of a
// time into its slot.
#include "zmanim/calcul_jour.h"
#include "zmanim/soleil.h"

namespace orvane::zmanim::detail
{

void CalculJour::evalue(double sinus, double decalage)
{
    j_.sinus_hauteur = sinus;
    j_.decalage_jd = decalage;
    j_.calcul_lever_coucher(j_.jour, j_.mois, j_.annee, j_.latitude, j_.longitude, reglages_);
}

double CalculJour::offset_premier_passage(double sinus, bool matin)
{
    evalue(sinus, 0);
    double t = matin ? j_.heure_lever : j_.heure_coucher;
    if (est_marqueur(j_.heure_lever)) {
        t = matin ? minuit_avant() : minuit_apres();
    }
    return (t - 12) / 24;
}

// In a white night the sun does not go down as far as the angle: the event
// takes the solar midnight that follows the day, for a morning event as for
// an evening one (the tables have always shown dawn so). The sun that never
// rises as high as an angle (an angle typed above the horizon) gives no time.
Croisement CalculJour::matin(double sinus, double decalage)
{
    evalue(sinus, decalage);
    if (j_.heure_lever == toujours_au_dessus) {
        return {minuit_apres(), true};
    }
    if (j_.heure_lever == toujours_au_dessous) {
        return {minuit_avant(), false};
    }
    return {j_.heure_lever, true};
}

Croisement CalculJour::soir(double sinus, double decalage)
{
    evalue(sinus, decalage);
    if (j_.heure_lever == toujours_au_dessus) {
        return {minuit_apres(), true};
    }
    if (j_.heure_lever == toujours_au_dessous) {
        return {minuit_apres(), false};
    }
    return {j_.heure_coucher, true};
}

// The twilights of the "Bureau des Longitudes": a first evaluation in the
// morning (12 h UT + 0.25 day) or the evening (+ 0.75 day), a second at the
// instant found. A day on which the sun does not reach the angle has no such
// twilight: the time stands at solar midnight and the slot stays empty.
Croisement CalculJour::crepuscule(double sinus, bool du_matin)
{
    const Croisement absent{du_matin ? minuit_avant() : minuit_apres(), false};
    evalue(sinus, du_matin ? 0.25 : 0.75);
    if (est_marqueur(j_.heure_lever)) {
        return absent;
    }
    const double premier = du_matin ? j_.heure_lever : j_.heure_coucher;
    evalue(sinus, (premier - 12) / 24);
    if (est_marqueur(j_.heure_lever)) {
        return absent;
    }
    return {du_matin ? j_.heure_lever : j_.heure_coucher, true};
}

void CalculJour::ecrit(ModeArrondi mode, double t, TexteHoraire DayTimes::*creneau)
{
    const HeureFormatee f = formate_heure(mode, t, j_.zone, j_.correction_ete, regles_);
    if (reglages_.trace && j_.etiquette_trace != " ") {
        j_.trace.push_back({j_.etiquette_trace, f.locale, f.heures, f.minutes, f.secondes});
    }
    j_.etiquette_trace = " ";
    j_.*creneau = {f.texte_heures, f.texte_minutes, f.texte_secondes};
}

void CalculJour::ecrit(ModeArrondi mode, const Croisement& c, double DayTimes::*t,
                       TexteHoraire DayTimes::*creneau)
{
    j_.*t = c.t;
    if (c.existe) {
        ecrit(mode, c.t, creneau);
    } else {
        j_.etiquette_trace = " ";
        j_.*creneau = {};
    }
}

// A length of time keeps no zone, summer time or grid shift: the seasonal
// hour slot reads " 01", "15", "00" for 1 h 15 min.
void CalculJour::ecrit_duree(double heures, TexteHoraire DayTimes::*creneau)
{
    const HeureFormatee f = formate_duree(heures, regles_);
    j_.*creneau = {" " + f.texte_heures, f.texte_minutes, f.texte_secondes};
}

} // namespace orvane::zmanim::detail
