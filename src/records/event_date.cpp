#include "records/event_date.h"

#include "platform/text.h"

namespace orvane::records
{

bool est_de_nuit(std::string_view jour_nuit)
{
    const std::string drapeau = platform::trim(jour_nuit);
    return drapeau == "N" || drapeau == "n";
}

JourComplet date_hebraique_evenement(engine::DateCivile d, std::string_view jour_nuit)
{
    JourComplet jour = jour_du_civil(d);
    if (est_de_nuit(jour_nuit)) {
        jour.hebraique = engine::lendemain(jour.hebraique);
        jour.jour_semaine = jour.jour_semaine % 7 + 1;
    }
    return jour;
}

} // namespace orvane::records
