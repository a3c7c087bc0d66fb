// The consistory ("CIOP") files of a Hebrew year: the festivals list with
// the eves of Kippour and 'Hanouka, and the molad and Birkat Halévana of
// every month for France, as text and as tab-separated fields. The
// consistory workbooks read them from the folder "fetes_ciop".
#pragma once

#include "events/cycles/molad_rows.h"
#include "events/festivals/festivals_text.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::events
{

inline constexpr std::string_view dossier_ciop = "fetes_ciop";

/// One file: its name inside "fetes_ciop" and its lines.
struct FichierCiop {
    std::string nom;
    std::vector<std::string> lignes;
};

/// The festivals file of year `annee` ("b_fetes_ciop_5785.txt"), from the
/// text the window computed in consistory mode.
[[nodiscard]] FichierCiop fichier_fetes_ciop(int annee, const std::vector<std::string>& lignes);

/// The five molad and Birkat Halévana files of year `annee` (France; the
/// custom chooses the beginning of the blessing). The months share one
/// calendar record that the files make.
[[nodiscard]] std::vector<FichierCiop> fichiers_levana_ciop(int annee, const ChoixLevana& choix);

/// Writes the files into "fetes_ciop" of `repertoire`, creating the folder
/// when missing. Throws platform::FileError.
void ecrit_fichiers_ciop(const std::filesystem::path& repertoire,
                         const std::vector<FichierCiop>& fichiers);

} // namespace orvane::events
