// The opinion of the day page, chosen in the zmanim window and kept with the
// home place in "lieu_acc.cal".
#pragma once

#include "shell/core/home_place.h"
#include "zmanim/parametres.h"

#include <filesystem>
#include <string_view>

namespace orvane::zmanim
{

/// Keeps `opinion` as the opinion of the day page: in `reglages` and in the
/// home place file, rewritten with the home place, the opinion, the
/// correction and the places file in use (field 8 is kept, so that the next
/// start loads the same list of places). Throws platform::FileError.
void enregistre_opinion_accueil(const std::filesystem::path& repertoire, shell::LieuAccueil accueil,
                                std::string_view opinion, ZmanimSettings& reglages);

} // namespace orvane::zmanim
