#include "cli/zmanim_setup.h"

#include "zmanim/settings/panneau_parametres.h"

namespace orvane::cli
{

zmanim::ZmanimSettings settings_for(std::string_view opinion, bool seconds,
                                    const places::Place& place)
{
    zmanim::ZmanimSettings reglages;
    zmanim::ControlesParametres controles;
    zmanim::choisit_opinion(controles, reglages, opinion);
    reglages.affiche_secondes = seconds;
    zmanim::applique_tossefet(reglages, place.pays, place.ville);
    return reglages;
}

zmanim::ContexteCalcul context_for(const ConfigurationChargee& configuration,
                                   const shell::DonneesChargees& donnees)
{
    zmanim::ContexteCalcul contexte;
    contexte.mode_ete = zmanim::mode_ete_du_texte(configuration.options.mode_horaire);
    contexte.vaudrel = configuration.cles.vrai("Vaudrel");
    contexte.lit_cle_ciop = [&ciop = donnees.config_ciop](std::string_view cle) {
        return ciop.valeur(cle);
    };
    return contexte;
}

} // namespace orvane::cli
