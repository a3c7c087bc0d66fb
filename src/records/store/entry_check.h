// A record typed in the window, made ready to be written: its two lines,
// or why it cannot be written, and the warning the user must accept before
// a line too long is cut.
#pragma once

#include "records/store/lines.h"

#include <cstddef>
#include <optional>
#include <string>

namespace orvane::records
{

/// The longest names line, in characters, that the files take whole.
inline constexpr std::size_t longueur_maximale_ligne = 255;

struct FicheSaisie {
    LignesFiche lignes;
    /// Why the record cannot be written: a field holds a character that
    /// Windows-1252 cannot hold.
    std::optional<std::string> refus;
    /// The names line is longer than 255 characters: the warning to accept
    /// before it is cut.
    std::optional<std::string> avertissement;
};

/// The lines of `fiche` in the format of `famille`, checked.
[[nodiscard]] FicheSaisie prepare_fiche(Famille famille, const Fiche& fiche);

/// The names line cut to 255 characters, once the warning was accepted.
[[nodiscard]] LignesFiche lignes_coupees(const LignesFiche& lignes);

} // namespace orvane::records
