// The caption of the main window: today's civil and Hebrew dates and the
// summer-time mode the program follows.
#pragma once

#include <string>
#include <string_view>

namespace orvane::platform
{
class Clock;
}

namespace orvane::shell
{

/// "Orvane - Aujourd'hui :  " + today's civil date line + " - " + today's
/// Hebrew date line + "     (Le programme est configuré selon " + the
/// summer-time mode + ")".
[[nodiscard]] std::string titre_fenetre(std::string_view date_civile,
                                        std::string_view date_hebraique,
                                        std::string_view mode_horaire);

/// The same for today by the clock.
[[nodiscard]] std::string titre_fenetre(const platform::Clock& horloge,
                                        std::string_view mode_horaire);

} // namespace orvane::shell
