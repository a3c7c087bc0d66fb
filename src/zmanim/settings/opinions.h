// The rabbinical opinions by which the times of the day are computed.
//
// The opinions differ in the depression angles of dawn, tefillin, stars and
// night, in whether dawn and night are fixed or proportional offsets from
// sunrise and sunset, and in a few special rules. A name offered to the user
// (or kept in an older file) is turned into the name of its computation:
//
//   "Beth Din (France)"          → "Beth Din de Paris"
//   "Aube à 72min (Lev/Coucher)" → "4MilsLC"   (72 seasonal minutes)
//   "Maguen Abraham (pavé)"      → "Pavée"     (72 fixed minutes)
//   "Rav_Rottenberg" (old files) → "Rav Rottenberg", Rav Rottenberg mode on
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvane::zmanim
{

// Names of the computations.
inline constexpr std::string_view avis_or_meir = "Or Méïr";
inline constexpr std::string_view avis_beth_din = "Beth Din de Paris";
inline constexpr std::string_view avis_4mils_an = "4MilsAN";
inline constexpr std::string_view avis_4mils_lc = "4MilsLC";
inline constexpr std::string_view avis_5mils = "5Mils";
inline constexpr std::string_view avis_pavee = "Pavée";
inline constexpr std::string_view avis_admour = "Admour";
inline constexpr std::string_view avis_bdl = "Bureau des Longitudes";
inline constexpr std::string_view avis_rav_rottenberg = "Rav Rottenberg";

/// The opinion whose angles the user types; computed as "Or Méïr".
inline constexpr std::string_view avis_selon_choix = "Selon choix des valeurs";

/// The refusal of a computation asked without an opinion.
inline constexpr std::string_view message_avis_absent =
    "Veuillez définir l'avis de référence à partir de la fenêtre des horaires.\r";

/// The opinions of the zmanim window, in the order of its list.
inline constexpr std::array<std::string_view, 10> opinions_calcul = {
    "Or Méïr",
    "Beth Din (France)",
    "Aube à 72min (Aube/Nuit)",
    "Aube à 72min (Lev/Coucher)",
    "Aube à 5 Mils (1/6 Lev-Co)",
    "Maguen Abraham (pavé)",
    "Admour Hazaken (ét. 5.95°)",
    "Bureau des Longitudes",
    "Selon choix des valeurs",
    "Rav Rottenberg",
};

/// The opinions offered for the day page: the first six, the Admour Hazaken
/// and the Rav Rottenberg.
inline constexpr std::array<std::string_view, 8> opinions_accueil = {
    "Or Méïr",
    "Beth Din (France)",
    "Aube à 72min (Aube/Nuit)",
    "Aube à 72min (Lev/Coucher)",
    "Aube à 5 Mils (1/6 Lev-Co)",
    "Maguen Abraham (pavé)",
    "Admour Hazaken",
    "Rav Rottenberg",
};

/// A name turned into the name of its computation.
struct AvisNormalise {
    std::string nom;             // "Or Méïr", "Beth Din de Paris", ...
    bool rav_rottenberg = false; // the old name "Rav_Ro…" switches the mode on
};

/// The computation of an opinion name. The rules are applied in turn, each on
/// the name the previous one left: "Or…" and "Selon choix des valeurs" are
/// "Or Méïr"; "Beth Din…", "Guéonim" and "Mixte…" are "Beth Din de Paris";
/// "Aube à 72min (Aub…" "4MilsAN"; "Aube à 72min (Lev…" "4MilsLC"; "Aube à
/// 5 Mils…" "5Mils"; "Maguen…" "Pavée"; "Admour…" "Admour"; "Rav_Ro…"
/// "Rav Rottenberg" with the Rav Rottenberg mode. A name no rule knows is
/// kept as it is (and computed with the angles of "Or Méïr").
[[nodiscard]] AvisNormalise normalise_opinion(std::string_view nom);

/// Share of the day from sunrise to sunset by which dawn precedes sunrise
/// and night follows sunset in "4MilsAN": one eighth.
inline constexpr double proportion_4mils_an = 0.125;

/// The same share in "5Mils": one sixth, kept at eight decimals as the
/// tables print it. 1.0 / 6 would move the dawn of a 16-hour day by 0.4 ms,
/// and with it a time lying on the edge of a rounded second.
inline constexpr double proportion_5mils = 0.16666666;

/// Proportion of the day that dawn precedes sunrise (and night follows
/// sunset) in the "Mils" opinions: `proportion_4mils_an` for "4MilsAN",
/// `proportion_5mils` for "5Mils"; 0 for the others.
[[nodiscard]] double facteur_proportion(std::string_view nom_calcul) noexcept;

} // namespace orvane::zmanim
