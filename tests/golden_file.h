// Golden files of the tests: the bytes a program wrote against a file kept
// in a test folder's golden/ directory.
//
// With ORVANE_REECRIT_GOLDEN=1 in the environment the golden file is written
// from the program's output instead of compared, after a deliberate change
// (to be read line by line before it is kept).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace orvane::test
{

/// The bytes of a file, read without any decoding.
inline std::string octets_du_fichier(const std::filesystem::path& chemin)
{
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

inline bool reecrit_les_golden()
{
    const char* v = std::getenv("ORVANE_REECRIT_GOLDEN");
    return v != nullptr && std::string_view(v) == "1";
}

/// Compares `obtenu` with the golden file `dossier`/`nom`, or writes it there.
inline void compare_au_golden(const std::string& obtenu, const std::filesystem::path& dossier,
                              std::string_view nom)
{
    const std::filesystem::path golden = dossier / std::string(nom);
    if (reecrit_les_golden()) {
        std::ofstream(golden, std::ios::binary) << obtenu;
        return;
    }
    const std::string attendu = octets_du_fichier(golden);
    ASSERT_FALSE(attendu.empty()) << golden;
    EXPECT_TRUE(obtenu == attendu) << nom << " differs from the golden file " << golden;
}

} // namespace orvane::test
