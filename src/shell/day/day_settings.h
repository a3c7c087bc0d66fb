// The zmanim parameters of the day page. The day page always computes with
// the same settings, whatever the zmanim window holds: the halachic
// rounding (houmra on, 29/30 off), the upper limb of the sun with 34′ of
// refraction, each event at its own instant, no seconds, no trace and no
// hour shift. It owns its own `ZmanimSettings`, so nothing has to be saved
// and restored around its computation.
#pragma once

#include "places/place.h"
#include "zmanim/settings/parametres.h"

#include <string_view>

namespace orvane::shell
{

/// The settings of the day page for the opinion of the home place and the
/// place shown (the Tossefet: 18 minutes, 20 in Israel, 40 in Jerusalem).
[[nodiscard]] zmanim::ZmanimSettings reglages_page_du_jour(std::string_view opinion,
                                                           const places::Place& lieu);

} // namespace orvane::shell
