// The three summer-time modes of the program, kept in "config.dta" by their
// keys and shown to the user by these texts ("Le programme était configuré
// en mode …").
#pragma once

#include <string_view>

namespace orvane::config
{

inline constexpr std::string_view mode_avec_changement = "les heures d'été ou d'hiver";
inline constexpr std::string_view mode_hiver_toute_l_annee = "les heures d'hiver toute l'année";
inline constexpr std::string_view mode_ete_toute_l_annee = "les heures d'été toute l'année";

} // namespace orvane::config
