#include "zmanim/day/chabbat.h"

#include "zmanim/format/arrondi.h"

#include <algorithm>
#include <array>
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

/// The exit of the Beth Din of Paris before 30 September 2008: 6 minutes
/// after the stars.
constexpr double six_minutes = 6.0 / 60;
static_assert(six_minutes == 0.1);

/// From 30 September 2008, year by year until the date given, the longest
/// interval between the stars and the exit at 8.5°.
struct EcartMaximal {
    int jusqu_au; // last date of the year, as `cle` writes it
    double heures;
};
constexpr std::array<EcartMaximal, 4> ecarts_beth_din = {{
    {cle(2009, 9, 18), 8.0 / 60},
    {cle(2010, 9, 8), 10.0 / 60},
    {cle(2011, 9, 28), 12.0 / 60},
    {cle(2012, 9, 16), 14.0 / 60},
}};
static_assert(ecarts_beth_din[0].heures == 0.13333333333333333);
static_assert(ecarts_beth_din[1].heures == 1.0 / 6);
static_assert(ecarts_beth_din[2].heures == 0.2);
static_assert(ecarts_beth_din[3].heures == 0.23333333333333334);

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
    return {texte_deux_chiffres(heures), texte_deux_chiffres(minutes),
            texte_deux_chiffres(valeur_texte(coucher.secondes))};
}

double sortie_beth_din(double t_sortie, double t_etoiles, const engine::DateCivile& d, bool vaudrel,
                       bool kippour)
{
    const int date = cle(d.annee, d.mois, d.jour);
    if ((vaudrel && !kippour) || date < cle(2008, 9, 30)) {
        return t_etoiles + six_minutes;
    }
    const auto annee_beth_din =
        std::find_if(ecarts_beth_din.begin(), ecarts_beth_din.end(),
                     [date](const EcartMaximal& e) { return date <= e.jusqu_au; });
    if (annee_beth_din == ecarts_beth_din.end()) {
        return t_sortie;
    }
    const double ecart_max = annee_beth_din->heures;
    return t_sortie - t_etoiles > ecart_max ? t_etoiles + ecart_max : t_sortie;
}

} // namespace orvane::zmanim
