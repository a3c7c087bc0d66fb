#include "places/charge_lieux.h"

namespace orvane::places
{

LieuxCharges charge_lieux(const std::filesystem::path& repertoire)
{
    AccueilLu lu = prepare_lieu_accueil(repertoire);
    LieuxCharges charges;
    charges.listes = lit_fichier_lieux(repertoire, lu.fichier_lieux);
    charges.fichier_lieux = std::move(lu.fichier_lieux);
    charges.accueil = std::move(lu.accueil);
    return charges;
}

std::optional<std::string> message_sans_lieux(const LieuxCharges& lieux)
{
    if (!lieux.listes.lieux.empty()) {
        return std::nullopt;
    }
    return "Le fichier des lieux « " + lieux.fichier_lieux +
           " » ne contient aucune ville (il est absent ou vide).\rTapez les coordonnées d'une "
           "ville, ou remettez le fichier livré avec le programme.";
}

} // namespace orvane::places
