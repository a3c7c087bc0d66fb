#include "records/civil_correction.h"

#include "engine/names.h"

#include <algorithm>

namespace orvane::records
{

DateCivileCorrigee corrige_date_civile(engine::DateCivile saisie)
{
    auto& [annee, mois, jour] = saisie;
    if (mois < 1) {
        mois = 12;
        --annee;
    } else if (mois > 12) {
        mois = 1;
        ++annee;
    }
    DateCivileCorrigee c{{annee, mois, std::max(jour, 1)}, std::nullopt};
    const int longueur = engine::jours_du_mois_civil(annee, mois);
    if (jour <= longueur) {
        return c;
    }
    const std::string nom(engine::mois_civils[static_cast<std::size_t>(mois)]);
    std::string message = "Le " + std::to_string(jour) + " " + nom;
    message += mois == 2 ? " n'existe pas en " + std::to_string(annee) : " n'existe pas.";
    message += "\rLe nombre de jours de ce mois est de " + std::to_string(longueur) + "\r\r" +
               "Nous choisissons le dernier jour de ce mois qui est le " + std::to_string(longueur);
    c.date.jour = longueur;
    c.message = std::move(message);
    return c;
}

} // namespace orvane::records
