// Key and value files of the program directory: "config.dta" (options,
// summer-time mode, dated inscriptions) and "config_ciop.txt" (consistory
// tables), one entry a line: the key, one separator (a blank in every line
// the program writes) and the value up to the end of the line.
//
//   avec_chgt_d_heure true
//   langage anglais
//   CS_HB_15_07 Souccot chez les grands-parents
//
// A line belongs to a key when the key occurs in its key part, the text
// before its first blank (the whole line when it has none). So "Affichage"
// also reaches the line of "Pas_Affichage" (which must stand below it, as in
// the delivered file), but "anglais" does not reach "langage anglais".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::config
{

inline constexpr std::string_view fichier_config = "config.dta";
inline constexpr std::string_view fichier_config_ciop = "config_ciop.txt";

/// Longest line the value reader sees, and the flag reader, in characters.
inline constexpr std::size_t longueur_lue_valeur = 150;
inline constexpr std::size_t longueur_lue_drapeau = 80;

/// True when `cle` occurs in the key part of `ligne`.
[[nodiscard]] bool ligne_de_la_cle(std::string_view ligne, std::string_view cle);

/// Index of the first line of the key, or -1.
[[nodiscard]] int premiere_ligne_de_la_cle(const std::vector<std::string>& lignes,
                                           std::string_view cle);

/// The value of the first line of the key (cut to `longueur` characters):
/// the line without its first (length of key + 1) characters. Empty when no
/// line has the key.
[[nodiscard]] std::string valeur_de_cle(const std::vector<std::string>& lignes,
                                        std::string_view cle,
                                        std::size_t longueur = longueur_lue_valeur);

/// The lines with the value of the key replaced: each line of the key keeps
/// its text up to its first blank and takes the value after it (a line
/// without blank keeps the key and its one separator: "avec_chgt_d_heure="
/// + value). Every other line is kept as it is. A key found in no line is
/// added at the end as key, blank, value.
[[nodiscard]] std::vector<std::string>
lignes_avec_cle(std::vector<std::string> lignes, std::string_view cle, std::string_view valeur);

/// The lines of a key file, read once; the lookups below on them.
struct FichierCles {
    std::vector<std::string> lignes;

    /// The value of the key (`lit_cle`); empty when absent.
    [[nodiscard]] std::string valeur(std::string_view cle) const;
    /// True when the key's value is exactly "true" (`lit_cle_vrai`).
    [[nodiscard]] bool vrai(std::string_view cle) const;
    /// True when the key stands in the file, whatever its value.
    [[nodiscard]] bool presente(std::string_view cle) const;
};

/// The key file `fichier` of `repertoire` (name found without regard to
/// case); no lines when it is absent. Throws platform::FileError when the
/// file exists but cannot be read.
[[nodiscard]] FichierCles lit_fichier_cles(const std::filesystem::path& repertoire,
                                           std::string_view fichier);

/// `lit_cle`: the value of the key in the file `fichier` of `repertoire`
/// (name found without regard to case); empty when the file or the key is
/// absent. Throws platform::FileError when the file exists but cannot be read.
[[nodiscard]] std::string lit_cle(const std::filesystem::path& repertoire, std::string_view fichier,
                                  std::string_view cle);

/// True when the key's value is exactly "true"; false also when the file or
/// the key is absent.
[[nodiscard]] bool lit_cle_vrai(const std::filesystem::path& repertoire, std::string_view fichier,
                                std::string_view cle);

/// True when the key stands in the file (whatever its value).
[[nodiscard]] bool cle_presente(const std::filesystem::path& repertoire, std::string_view fichier,
                                std::string_view cle);

/// Writes the value of a key into "config.dta" (or `fichier`), replacing the
/// file atomically; the file is created when absent. Throws
/// platform::FileError, and the old file is then untouched.
void ecrit_cle(const std::filesystem::path& repertoire, std::string_view cle,
               std::string_view valeur, std::string_view fichier = fichier_config);

/// Several keys written in order into one new file, replaced atomically
/// once: all of them reach the file or none.
void ecrit_cles(const std::filesystem::path& repertoire,
                const std::vector<std::pair<std::string, std::string>>& cles_valeurs,
                std::string_view fichier = fichier_config);

/// "true" or "false".
[[nodiscard]] inline std::string_view texte_drapeau(bool drapeau)
{
    return drapeau ? "true" : "false";
}

/// The same with a flag, written "true" or "false".
void ecrit_cle(const std::filesystem::path& repertoire, std::string_view cle, bool drapeau,
               std::string_view fichier = fichier_config);

} // namespace orvane::config
