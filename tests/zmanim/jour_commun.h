// Helpers of the tests of one day: places, a computation in one call, and
// times read back as minutes.
#pragma once

#include "zmanim/day/horaires_jour.h"
#include "zmanim/sun/soleil.h"

#include <cmath>
#include <string>

namespace orvane::zmanim::test
{

struct Lieu {
    const char* latitude;
    const char* longitude;
    const char* zone;
};

inline const Lieu paris{"48°52N", "2°20E", "+1"};
inline const Lieu jerusalem{"31°47N", "35°13E", "+2"};

/// One day computed as the zmanim window does: the window's opinion is the
/// opinion asked.
inline DayTimes calcule(const Lieu& lieu, int jour, int mois, int annee, const std::string& avis,
                        double ete = 0, ZmanimSettings reglages = {},
                        const ContexteCalcul& contexte = {})
{
    reglages.opinion_calcul = avis;
    DemandeJour d;
    d.jour_semaine = engine::jour_semaine(engine::DateCivile{annee, mois, jour});
    d.date = {annee, mois, jour};
    d.latitude = lieu.latitude;
    d.longitude = lieu.longitude;
    d.zone = lieu.zone;
    d.opinion = avis;
    d.correction_ete = ete;
    DayTimes j;
    horaires_du_jour(d, reglages, j, contexte);
    return j;
}

/// Minutes since midnight of a slot's texts.
inline int minutes(const TexteHoraire& t)
{
    return valeur_texte(t.heures) * 60 + valeur_texte(t.minutes);
}

inline std::string horloge(const TexteHoraire& t)
{
    return t.heures + ":" + t.minutes;
}

/// One minute in hours, and a tolerance of a few seconds.
inline constexpr double minute = 1.0 / 60;
inline constexpr double seconde = 1.0 / 3600;

} // namespace orvane::zmanim::test
