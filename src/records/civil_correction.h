// Civil dates typed in the record window that do not exist: the month or
// the day is brought back into range and the user told why.
#pragma once

#include "engine/dates.h"

#include <optional>
#include <string>

namespace orvane::records
{

/// A typed civil date after correction, with the message to show when the
/// day was changed.
struct DateCivileCorrigee {
    engine::DateCivile date;
    std::optional<std::string> message;
};

/// Corrects a typed civil date. A month below 1 becomes December of the year
/// before, a month above 12 January of the next year; a day beyond the
/// month becomes its last day, with the message "Le 30 Février n'existe pas
/// en 2023\rLe nombre de jours de ce mois est de 28\r\rNous choisissons le
/// dernier jour de ce mois qui est le 28" (February names the year, the
/// other months say "Le 31 Avril n'existe pas."); a day below 1 becomes 1.
[[nodiscard]] DateCivileCorrigee corrige_date_civile(engine::DateCivile saisie);

} // namespace orvane::records
