// The writing of a time into its slot: rounded to the minute in the direction
// its halachic stringency asks, and, with "Trace", recorded under its label
// with its local time so that the day can be checked line by line.
#include "zmanim/day/calcul_jour.h"

#include <utility>

namespace orvane::zmanim::detail
{

void CalculJour::ecrit(ModeArrondi mode, double t, TexteHoraire DayTimes::*creneau,
                       std::string_view etiquette)
{
    HeureFormatee f = formate_heure(mode, t, j_.zone, j_.correction_ete, regles_);
    if (reglages_.trace && !etiquette.empty()) {
        j_.trace.push_back({std::string(etiquette), f.locale, f.heures, f.minutes, f.secondes});
    }
    j_.*creneau = {std::move(f.texte_heures), std::move(f.texte_minutes),
                   std::move(f.texte_secondes)};
}

// An event the sun does not reach keeps its numeric time (solar midnight)
// but leaves its slot empty, and is not traced.
void CalculJour::ecrit(ModeArrondi mode, const Croisement& c, double DayTimes::*t,
                       TexteHoraire DayTimes::*creneau, std::string_view etiquette)
{
    j_.*t = c.t;
    if (c.existe) {
        ecrit(mode, c.t, creneau, etiquette);
    } else {
        j_.*creneau = {};
    }
}

// A length of time keeps no zone, summer time or grid shift: the seasonal
// hour slot reads " 01", "15", "00" for 1 h 15 min.
void CalculJour::ecrit_duree(double heures, TexteHoraire DayTimes::*creneau)
{
    HeureFormatee f = formate_duree(heures, regles_);
    j_.*creneau = {" " + f.texte_heures, std::move(f.texte_minutes), std::move(f.texte_secondes)};
}

} // namespace orvane::zmanim::detail
