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

} // namespace orvane::places
