#include "platform/file_lookup.h"
#include "platform/raw_file.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

using test_support::TemporaryDirectory;
namespace fs = std::filesystem;

TEST(LookupIgnoringCase, FindsTheExistingSpelling)
{
    TemporaryDirectory dir;
    write_bytes(dir / "Config.DTA", "");
    write_bytes(dir / "Éphémérides.txt", "");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "config.dta"), dir / "Config.DTA");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "CONFIG.DTA"), dir / "Config.DTA");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "Config.DTA"), dir / "Config.DTA");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "éphémérides.TXT"), dir / "Éphémérides.txt");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "ÉPHÉMÉRIDES.txt"), dir / "Éphémérides.txt");
}

TEST(LookupIgnoringCase, KeepsTheAskedNameWhenNothingMatches)
{
    TemporaryDirectory dir;
    write_bytes(dir / "config.dta", "");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "Lieu.cal"), dir / "Lieu.cal");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "config.dt"), dir / "config.dt");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "ephemerides.txt"), dir / "ephemerides.txt");
    EXPECT_EQ(lookup_ignoring_case(dir / "absent", "x.txt"), dir / "absent" / "x.txt");
}

TEST(LookupIgnoringCase, PrefersTheExactNameThenTheFirstInByteOrder)
{
    TemporaryDirectory dir;
    write_bytes(dir / "lieu.cal", "");
    write_bytes(dir / "LIEU.cal", "");
    write_bytes(dir / "Lieu.cal", "");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "lieu.cal"), dir / "lieu.cal");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "Lieu.cal"), dir / "Lieu.cal");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "LIEU.CAL"), dir / "LIEU.cal");
}

TEST(LookupIgnoringCase, LooksUpEveryComponentOfANestedPath)
{
    TemporaryDirectory dir;
    fs::create_directories(dir / "FMAIL" / "Lettres");
    write_bytes(dir / "FMAIL" / "Lettres" / "Modele.TXT", "");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "fmail/lettres/modele.txt"),
              dir / "FMAIL" / "Lettres" / "Modele.TXT");
    // From the first missing component on, the asked names are kept.
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "fmail/5785/lettre.txt"),
              dir / "FMAIL" / "5785" / "lettre.txt");
    EXPECT_EQ(lookup_ignoring_case(dir.path(), "fmail/./LETTRES/../lettres"),
              dir / "FMAIL" / "." / "Lettres" / ".." / "Lettres");
}

TEST(LookupIgnoringCase, AcceptsAnAbsolutePath)
{
    TemporaryDirectory dir;
    write_bytes(dir / "Annee_H", "");
    const fs::path asked = dir.path() / "ANNEE_H";
    EXPECT_EQ(lookup_ignoring_case("/ailleurs", asked), dir / "Annee_H");
}

TEST(LookupIgnoringCase, FindsFoldersAndDanglingLinksToo)
{
    TemporaryDirectory dir;
    fs::create_directory(dir / "CAL_CIVL");
    fs::create_symlink("nulle-part", dir / "Lien");
    EXPECT_EQ(entry_ignoring_case(dir.path(), "cal_civl"), fs::path("CAL_CIVL"));
    EXPECT_EQ(entry_ignoring_case(dir.path(), "LIEN"), fs::path("Lien"));
    EXPECT_EQ(entry_ignoring_case(dir.path(), "autre"), fs::path("autre"));
}

} // namespace
} // namespace orvane::platform
