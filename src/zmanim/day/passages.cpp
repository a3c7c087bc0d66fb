// The calls of the solar routine for one event, and the solar-midnight rule
// of the days on which the sun does not reach an angle.
#include "zmanim/day/calcul_jour.h"
#include "zmanim/sun/soleil.h"

namespace orvane::zmanim::detail
{

void CalculJour::evalue(double sinus, double decalage, bool coordonnees_du_soleil)
{
    j_.sinus_hauteur = sinus;
    j_.decalage_jd = decalage;
    j_.calcul_lever_coucher({j_.annee, j_.mois, j_.jour}, j_.latitude, j_.longitude, reglages_,
                            coordonnees_du_soleil);
}

double CalculJour::offset_premier_passage(double sinus, bool matin)
{
    evalue(sinus, 0);
    double t = matin ? j_.heure_lever : j_.heure_coucher;
    if (est_marqueur(j_.heure_lever)) {
        t = matin ? minuit_avant() : minuit_apres();
    }
    return decalage_jd_de_l_heure(t);
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
    constexpr double premiere_evaluation_matin = 0.25; // days after 12 h UT
    constexpr double premiere_evaluation_soir = 0.75;
    const Croisement absent{du_matin ? minuit_avant() : minuit_apres(), false};
    evalue(sinus, du_matin ? premiere_evaluation_matin : premiere_evaluation_soir);
    if (est_marqueur(j_.heure_lever)) {
        return absent;
    }
    const double premier = du_matin ? j_.heure_lever : j_.heure_coucher;
    evalue(sinus, decalage_jd_de_l_heure(premier));
    if (est_marqueur(j_.heure_lever)) {
        return absent;
    }
    return {du_matin ? j_.heure_lever : j_.heure_coucher, true};
}

} // namespace orvane::zmanim::detail
