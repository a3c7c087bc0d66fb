#include "zmanim/chabbat.h"

#include "zmanim/arrondi.h"

#include <string>

namespace orvane::zmanim
{

namespace
{

/// Dates compared as one number: 30 September 2008 is 20080930.
constexpr int cle(int annee, int mois, int jour)
{
    return annee * 10000 + mois * 100 + jour;
}

} // namespace

TexteHoraire texte_entree(const TexteHoraire& coucher, int tossefet)
{
    int heures = valeur_texte(coucher.heures);
    int minutes = valeur_texte(coucher.minutes) - tossefet;
    while (minutes < 0) {
        minutes += 60;
        --heures;
    }
    if (heures < 0) {
        heures += 24;
    }
    return {std::to_string(heures), texte_deux_chiffres(minutes),
            texte_deux_chiffres(valeur_texte(coucher.secondes))};
}

double sortie_beth_din(double t_sortie, double t_etoiles, int jour, int mois, int annee,
                       bool vaudrel, bool kippour)
{
    constexpr double six_minutes = 0.1;
    const int date = cle(annee, mois, jour);
    if ((vaudrel && !kippour) || date < cle(2008, 9, 30)) {
        return t_etoiles + six_minutes;
    }
    double ecart_max = 0;
    if (date <= cle(2009, 9, 18)) {
        ecart_max = 0.13333333333333333; // 8 minutes
    } else if (date <= cle(2010, 9, 8)) {
        ecart_max = 1.0 / 6; // 10 minutes
    } else if (date <= cle(2011, 9, 28)) {
        ecart_max = 0.2; // 12 minutes
    } else if (date <= cle(2012, 9, 16)) {
        ecart_max = 0.23333333333333334; // 14 minutes
    } else {
        return t_sortie;
    }
    return t_sortie - t_etoiles > ecart_max ? t_etoiles + ecart_max : t_sortie;
}

} // namespace orvane::zmanim
