// The home place of the day page, kept in "lieu_acc.cal": one line of eight
// tab-ended fields, the place, the opinion of the day page, the summer-time
// correction and the places file in use.
//
//   PARIS (75)<TAB>France<TAB>48°52'N<TAB>02°20'E<TAB>1<TAB>Beth Din
//   (France)<TAB>1<TAB>lieu.cal<TAB>
#pragma once

#include "places/place.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::places
{

inline constexpr std::string_view fichier_lieu_accueil = "lieu_acc.cal";
inline constexpr std::string_view fichier_lieu_accueil_secours = "lieu_ac2.cal";

/// The line of a new "lieu_acc.cal".
inline constexpr std::string_view ligne_lieu_accueil_defaut =
    "PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tBeth Din (France)\t1\tlieu.cal\t";

struct LieuAccueil {
    Place lieu;
    std::string opinion;       // "Beth Din (France)"
    std::string correction;    // summer-time correction, "0" or "1"
    std::string fichier_lieux; // "lieu.cal" or "lieu_all.cal"; empty when not written

    friend bool operator==(const LieuAccueil&, const LieuAccueil&) = default;
};

/// The fields of a home place line (missing fields empty).
[[nodiscard]] LieuAccueil decoupe_lieu_accueil(std::string_view ligne);

/// The line of a home place, every field followed by a tab; without field 8
/// when `avec_fichier` is false (the opinion choice of the zmanim window).
[[nodiscard]] std::string ligne_lieu_accueil(const LieuAccueil& accueil, bool avec_fichier = true);

/// The places file a field 8 names: "lieu_all.cal" for that name, "lieu.cal"
/// for any other.
[[nodiscard]] std::string_view fichier_lieux_nomme(std::string_view champ);

/// True for a line that holds the texts of untouched input boxes or nothing.
[[nodiscard]] bool ligne_accueil_a_reparer(std::string_view ligne);

/// `repare_lieu_accueil`: when "lieu_acc.cal" exists and its first line is
/// empty or holds box texts ("combobox", "AA Ville ?", "Edit"), the first
/// line of "lieu_ac2.cal" replaces it, or the default line when that file is
/// missing or bad itself. True when the file was rewritten.
bool repare_lieu_accueil(const std::filesystem::path& repertoire);

/// The home place file of a run: created with the default line when missing,
/// repaired when bad (an unreadable "lieu_ac2.cal" gives the default line);
/// then its first line, and the places file named by field 8 of its last
/// line. In a program directory that cannot be written, the line is used
/// from memory. Throws platform::FileError when "lieu_acc.cal" exists but
/// cannot be read.
struct AccueilLu {
    LieuAccueil accueil;
    std::string fichier_lieux;
};
[[nodiscard]] AccueilLu prepare_lieu_accueil(const std::filesystem::path& repertoire);

/// Rewrites "lieu_acc.cal" with one line (atomically). Throws platform::FileError.
void ecrit_lieu_accueil(const std::filesystem::path& repertoire, const LieuAccueil& accueil,
                        bool avec_fichier = true);

/// Keeps `opinion` as the opinion of the day page in the home place file,
/// rewritten with the home place, the opinion, the correction and the places
/// file in use (field 8 is kept, so that the next start loads the same list
/// of places). Throws platform::FileError.
void enregistre_opinion_accueil(const std::filesystem::path& repertoire, LieuAccueil accueil,
                                std::string_view opinion);

} // namespace orvane::places
