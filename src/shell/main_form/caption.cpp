#include "shell/main_form/caption.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"

namespace orvane::shell
{

std::string titre_fenetre(std::string_view date_civile, std::string_view date_hebraique,
                          std::string_view mode_horaire)
{
    return "Orvane - Aujourd'hui :  " + std::string(date_civile) + " - " +
           std::string(date_hebraique) + "     (Le programme est configuré selon " +
           std::string(mode_horaire) + ")";
}

std::string titre_fenetre(const platform::Clock& horloge, std::string_view mode_horaire)
{
    engine::CalendarEngine e;
    const engine::DatesDuJour d = engine::ecrit_dates_du_jour(e, horloge);
    return titre_fenetre(d.ligne_date_civile, d.ligne_date_hebraique, mode_horaire);
}

} // namespace orvane::shell
