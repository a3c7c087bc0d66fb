#include "places/france_summer_time.h"

#include "config/summer_time_mode.h"
#include "places/dst.h"

#include <exception>
#include <optional>

namespace orvane::places
{

std::function<bool(engine::DateCivile)> heure_ete_france(const TablesEte& tables)
{
    return [&tables](engine::DateCivile d) {
        try {
            return tables.correction("France", config::mode_avec_changement, d, std::nullopt) >= 1;
        } catch (const std::exception&) {
            return false; // no table: winter time
        }
    };
}

} // namespace orvane::places
