// The days on which one does not visit the cemetery, and what the mourner
// does when the seventh or thirtieth day of mourning or the anniversary of
// the death falls on one of them.

#include "events/lists/date_lists.h"
#include "events/lists/list_rows.h"

#include <string_view>

namespace orvane::events
{

std::vector<std::string> visites_interdites()
{
    constexpr std::string_view texte[] = {
        "",
        "Tous les Chabbatot.",
        "Les jours de fête tels que Soukot, Pessah et Chavou'ot.",
        "les jours de Roch-Hodech, 'Hanouka, Pourim et ‘Hol Hamoed.",
        "Tous le mois de Nissan, sauf s'il y a nécessité tel que pour le septième jour",
        "ou le trentième jour de deuil ou pour le Yahrzeit (l'anniversaire du décès).",
        "",
        "Si le septième jour de deuil tombe à Roch-Hodech, 'Hanouka ou Pourim,",
        "on se rendra au cimetière à l'issue de la fête afin de ne pas s'attrister et d'en "
        "venir à pleurer.",
        "On ne rendra pas avant la fête, car il est interdit à l'endeuillé de quitter son lieu "
        "de séjour.",
        "",
        "Mais si le trentième jour ou celui de l'anniversaire de l'année tombe à Roch-Hodech, "
        "'Hanouka ou à Pourim,",
        "la visite au cimetière se fera la veille ou le lendemain de la fête.",
        "(Yalkout Yosseph - Bikour 'Holim Véavélout, ch.21.)",
    };
    std::vector<std::string> lignes;
    for (std::string_view l : texte) {
        lignes.push_back(l.empty() ? std::string() : std::string(marge_liste) + std::string(l));
    }
    return lignes;
}

} // namespace orvane::events
