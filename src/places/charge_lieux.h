// Loading the places at the first showing of the main window.
#pragma once

#include "places/home_place.h"
#include "places/places.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvane::places
{

/// The places of a run: the lists of the file in use and the home place.
struct LieuxCharges {
    std::string fichier_lieux; // "lieu.cal" or "lieu_all.cal"
    ListesLieux listes;
    LieuAccueil accueil;
};

/// `charge_lieux`: "lieu_acc.cal" created when missing and repaired when
/// bad, the places file it names read into the lists, and its home place.
/// Throws platform::FileError when a file exists but cannot be read or the
/// home place file cannot be written.
[[nodiscard]] LieuxCharges charge_lieux(const std::filesystem::path& repertoire);

/// The message to show when the places file in use gave no place (missing
/// or empty), instead of empty lists; none when it has places.
[[nodiscard]] std::optional<std::string> message_sans_lieux(const LieuxCharges& lieux);

} // namespace orvane::places
