// Helpers of the document tests: the delivered data folder as program
// directory, the bytes of written files, and the golden files.
#pragma once

#include "documents/calendar_request.h"
#include "places/dst.h"
#include "platform/temporary_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace orvane::documents::test
{

inline const std::filesystem::path donnees_livrees = ORVANE_SOURCE_DIR "/data";
inline const std::filesystem::path dossier_golden = ORVANE_SOURCE_DIR "/tests/documents/golden";

/// The summer-time tables delivered with the program.
inline const places::TablesEte& tables_livrees()
{
    static const places::TablesEte tables(donnees_livrees);
    return tables;
}

/// The bytes of a file, read without any decoding.
inline std::string octets(const std::filesystem::path& chemin)
{
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

/// A program directory holding a copy of the delivered page templates.
class RepertoireAvecModeles : public platform::test_support::TemporaryDirectory
{
public:
    RepertoireAvecModeles()
    {
        std::filesystem::copy(donnees_livrees / "Orvanew", path() / "Orvanew",
                              std::filesystem::copy_options::recursive);
    }
};

/// The request of Paris (the default place and opinion) for a whole year
/// of the direction.
inline DemandeCalendrier demande_paris(Sens sens, int annee)
{
    DemandeCalendrier d;
    d.sens = sens;
    d.annee = annee;
    d.mois_fin = sens == Sens::civil_hebreu ? 12 : 13;
    return d;
}

/// Compares the bytes of `fichier` with the golden file `nom`; with
/// ORVANE_REECRIT_GOLDEN=1 the golden file is written instead (to be read
/// line by line before it is kept).
inline void compare_au_golden(const std::filesystem::path& fichier, std::string_view nom)
{
    const std::filesystem::path golden = dossier_golden / std::string(nom);
    const char* reecrit = std::getenv("ORVANE_REECRIT_GOLDEN");
    if (reecrit != nullptr && std::string_view(reecrit) == "1") {
        std::filesystem::copy_file(fichier, golden,
                                   std::filesystem::copy_options::overwrite_existing);
        return;
    }
    const std::string attendu = octets(golden);
    ASSERT_FALSE(attendu.empty()) << golden;
    EXPECT_TRUE(octets(fichier) == attendu) << nom << " differs from the golden file " << golden;
}

} // namespace orvane::documents::test
