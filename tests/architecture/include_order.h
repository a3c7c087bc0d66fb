// The order of the libraries of src/ and the includes that break it.
//
// Each library may include only itself and the libraries before it in the
// order that docs/ARCHITECTURE.md writes ("platform ← engine ← config ←
// …"); no library includes Qt, gui/ or cli/; cli/ and gui/ do not include
// each other.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::architecture
{

/// The library names of the first chain "a ← b ← c …" found in `texte`,
/// in order; empty when there is none. The chain may run over several lines.
[[nodiscard]] std::vector<std::string> ordre_des_bibliotheques(std::string_view texte);

/// One include that breaks the order: "src/engine/x.h:12 includes
/// \"zmanim/y.h\" (zmanim is not before engine)".
struct IncludeInterdit {
    std::string fichier; // relative to the root handed to the check
    int ligne = 0;
    std::string include;
    std::string raison;
};

/// Every include of the .h and .cpp files below `racine_src` (the src/
/// folder) that breaks `ordre`.
[[nodiscard]] std::vector<IncludeInterdit>
includes_interdits(const std::filesystem::path& racine_src, const std::vector<std::string>& ordre);

/// "fichier:ligne includes "x" (raison)".
[[nodiscard]] std::string texte_include_interdit(const IncludeInterdit& i);

} // namespace orvane::architecture
