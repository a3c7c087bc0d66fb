#include "records/mailing/period.h"

#include <algorithm>

namespace orvane::records
{

namespace
{

engine::DateCivile avance_le_mois(engine::DateCivile d) noexcept
{
    if (++d.mois > 12) {
        d.mois = 1;
        ++d.annee;
    }
    return d;
}

} // namespace

engine::DateCivile debut_de_periode(int jour, int mois, int annee) noexcept
{
    engine::DateCivile d(std::clamp(annee, annee_mailing_min, annee_mailing_max),
                         std::clamp(mois, 1, 13), std::max(jour, 1));
    if (d.mois == 13) {
        d.mois = 12;
        d = avance_le_mois(d);
    }
    if (d.jour > engine::jours_du_mois_civil(d.annee, d.mois)) {
        d.jour = 1;
        d = avance_le_mois(d);
    }
    if (d.annee > annee_mailing_max) {
        d = engine::DateCivile(annee_mailing_max, 12, 31);
    }
    return d;
}

engine::DateCivile fin_de_periode(engine::DateCivile debut, int jours) noexcept
{
    engine::DateCivile fin = debut;
    fin.jour += std::clamp(jours, 0, jours_mailing_max);
    // Thirty days from the end of January pass the whole of February: the
    // length of each month is taken off until the day is one of its own.
    for (int longueur = engine::jours_du_mois_civil(fin.annee, fin.mois); fin.jour > longueur;
         longueur = engine::jours_du_mois_civil(fin.annee, fin.mois)) {
        fin.jour -= longueur;
        fin = avance_le_mois(fin);
    }
    return fin;
}

bool dans_la_periode(engine::DateCivile d, engine::DateCivile debut,
                     engine::DateCivile fin) noexcept
{
    return debut <= d && d <= fin;
}

} // namespace orvane::records
