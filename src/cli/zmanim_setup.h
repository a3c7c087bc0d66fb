// What the zmanim commands share: the parameters of an opinion as the
// zmanim window sets them, and the configuration's part of a computation.
#pragma once

#include "cli/cli.h"
#include "places/place.h"
#include "shell/day/loaded_data.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/settings/parametres.h"

#include <string_view>

namespace orvane::cli
{

/// The parameters as the zmanim window sets them for the opinion, with the
/// Tossefet of the place.
[[nodiscard]] zmanim::ZmanimSettings settings_for(std::string_view opinion, bool seconds,
                                                  const places::Place& place);

/// The configuration's part: the summer-time mode, the Beth Din exit
/// interval ("Vaudrel") and the thresholds of "config_ciop.txt".
[[nodiscard]] zmanim::ContexteCalcul context_for(const ConfigurationChargee& configuration,
                                                 const shell::DonneesChargees& donnees);

} // namespace orvane::cli
