#include "shell/day/day_settings.h"

#include "zmanim/settings/panneau_parametres.h"

#include <string>

namespace orvane::shell
{

zmanim::ZmanimSettings reglages_page_du_jour(std::string_view opinion, const places::Place& lieu)
{
    zmanim::ZmanimSettings r;
    zmanim::applique_halakha(r);
    r.decalage_heures = 0;
    // The day page has no opinion list of its own: its opinion also names
    // the computation, so that the Rav Rottenberg thresholds follow it.
    r.opinion_accueil = std::string(opinion);
    r.opinion_calcul = std::string(opinion);
    zmanim::initialise_angles(r);
    zmanim::applique_tossefet(r, lieu.pays, lieu.ville);
    return r;
}

} // namespace orvane::shell
