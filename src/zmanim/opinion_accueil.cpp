#include "zmanim/opinion_accueil.h"

#include "shell/core/places.h"

namespace orvane::zmanim
{

void enregistre_opinion_accueil(const std::filesystem::path& repertoire, shell::LieuAccueil accueil,
                                std::string_view opinion, ZmanimSettings& reglages)
{
    accueil.opinion = opinion;
    accueil.fichier_lieux = shell::fichier_lieux_nomme(accueil.fichier_lieux);
    shell::ecrit_lieu_accueil(repertoire, accueil, true);
    reglages.opinion_accueil = opinion;
}

} // namespace orvane::zmanim
