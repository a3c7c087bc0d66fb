#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "platform/raw_file.h"
#include "temporary_directory.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <unistd.h>

namespace orvane::platform
{
namespace
{

using test_support::TemporaryDirectory;
namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

/// Sets an environment variable for the scope of a test, then puts back
/// what was there.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        set(value);
    }
    ~ScopedEnvironment() { set(saved_); }

private:
    void set(const std::optional<std::string>& value)
    {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> saved_;
};

/// A delivered data folder as an installation would hold it.
void make_data(const fs::path& data)
{
    fs::create_directories(data / "modeles" / "html");
    write_bytes(data / "config.dta", "avec_chgt_d_heure true\r\n");
    write_bytes(data / "lieu.cal", "Paris\r\n");
    write_bytes(data / "modeles" / "lettre.txt", "Cher\r\n");
    write_bytes(data / "modeles" / "html" / "page.htm", "<html>");
}

// A rewrite killed half-way (kill -9) leaves ".<name>.tmp-<process>-<n>"
// beside the file: the next start removes those of processes that no longer
// run, in every folder, and nothing else.
TEST(ProgramDirectory, LesTemporairesAbandonnesSontSupprimesAuDemarrage)
{
    TemporaryDirectory dir;
    const fs::path home = dir / "Orvane";
    fs::create_directories(home / "FMAIL" / "2026");
    const std::string vivant = ".config.dta.tmp-" + std::to_string(::getpid()) + "-1";
    for (const fs::path& f : {home / ".lieu.cal.tmp-2147483000-7",
                              home / "FMAIL" / "2026" / ".lettre.txt.tmp-2147483001-0",
                              home / "lieu.cal", home / vivant, home / "notes.tmp-2147483000-1",
                              home / ".x.tmp-abc-1", home / ".tmp-2147483000-1"}) {
        write_bytes(f, "x");
    }
    EXPECT_TRUE(temporaire_abandonne(".lieu.cal.tmp-2147483000-7"));
    EXPECT_FALSE(temporaire_abandonne(vivant));
    (void)install_program_directory(home, dir / "pas-de-donnees");
    EXPECT_FALSE(fs::exists(home / ".lieu.cal.tmp-2147483000-7"));
    EXPECT_FALSE(fs::exists(home / "FMAIL" / "2026" / ".lettre.txt.tmp-2147483001-0"));
    for (const fs::path& garde : {home / "lieu.cal", home / vivant, home / "notes.tmp-2147483000-1",
                                  home / ".x.tmp-abc-1", home / ".tmp-2147483000-1"}) {
        EXPECT_TRUE(fs::exists(garde)) << garde;
    }
}

TEST(ProgramDirectory, HonoursOrvaneHome)
{
    TemporaryDirectory dir;
    const ScopedEnvironment home("ORVANE_HOME", (dir / "mon Orvane").string());
    EXPECT_EQ(program_directory(), dir / "mon Orvane");
}

TEST(ProgramDirectory, DefaultsToOrvaneInTheHomeFolder)
{
    TemporaryDirectory dir;
    const ScopedEnvironment home("HOME", dir.path().string());
    const ScopedEnvironment empty("ORVANE_HOME", std::string());
    EXPECT_EQ(program_directory(), dir / "Orvane");
    const ScopedEnvironment unset("ORVANE_HOME", std::nullopt);
    EXPECT_EQ(program_directory(), dir / "Orvane");
}

TEST(ProgramDirectory, ARelativeOrvaneHomeIsMadeAbsolute)
{
    const ScopedEnvironment home("ORVANE_HOME", "essai/../Orvane-rel");
    EXPECT_EQ(program_directory(), (fs::current_path() / "Orvane-rel").lexically_normal());
}

TEST(ProgramDirectory, FirstStartCopiesTheDeliveredFiles)
{
    TemporaryDirectory dir;
    make_data(dir / "data");
    const fs::path program = dir / "maison" / "Orvane";
    const InstallReport report = install_program_directory(program, dir / "data");
    EXPECT_TRUE(report.data_found);
    EXPECT_EQ(report.kept, Paths{});
    EXPECT_EQ(report.copied,
              (Paths{"config.dta", "lieu.cal", "modeles/html/page.htm", "modeles/lettre.txt"}));
    for (const char* file :
         {"config.dta", "lieu.cal", "modeles/lettre.txt", "modeles/html/page.htm"}) {
        EXPECT_EQ(read_bytes(program / file), read_bytes(dir / "data" / file)) << file;
    }
}

TEST(ProgramDirectory, LaterStartsNeverReplaceTheUsersFiles)
{
    TemporaryDirectory dir;
    make_data(dir / "data");
    const fs::path program = dir / "Orvane";
    (void)install_program_directory(program, dir / "data");
    write_bytes(program / "lieu.cal", "Jérusalem\r\n"); // the user's own place
    fs::remove(program / "modeles" / "lettre.txt");     // deleted by the user
    const InstallReport report = install_program_directory(program, dir / "data");
    EXPECT_EQ(read_bytes(program / "lieu.cal"), "Jérusalem\r\n");
    EXPECT_EQ(read_bytes(program / "modeles" / "lettre.txt"), "Cher\r\n");
    EXPECT_EQ(report.copied, Paths{fs::path("modeles") / "lettre.txt"});
    EXPECT_EQ(report.kept.size(), 3u);
}

TEST(ProgramDirectory, AFileOfAnotherCaseCountsAsPresent)
{
    TemporaryDirectory dir;
    make_data(dir / "data");
    const fs::path program = dir / "Orvane";
    fs::create_directories(program / "MODELES");
    write_bytes(program / "CONFIG.DTA", "mien");
    const InstallReport report = install_program_directory(program, dir / "data");
    EXPECT_FALSE(file_exists(program / "config.dta"));
    EXPECT_EQ(read_bytes(program / "CONFIG.DTA"), "mien");
    EXPECT_TRUE(file_exists(program / "MODELES" / "html" / "page.htm"));
    EXPECT_FALSE(directory_exists(program / "modeles"));
    EXPECT_EQ(report.kept, Paths{fs::path("config.dta")});
}

TEST(ProgramDirectory, HiddenFilesAreNotDelivered)
{
    TemporaryDirectory dir;
    make_data(dir / "data");
    write_bytes(dir / "data" / ".gitkeep", "");
    write_bytes(dir / "data" / "modeles" / ".notes", "");
    const InstallReport report = install_program_directory(dir / "Orvane", dir / "data");
    EXPECT_EQ(report.copied.size(), 4u);
    EXPECT_FALSE(file_exists(dir / "Orvane" / ".gitkeep"));
    EXPECT_FALSE(file_exists(dir / "Orvane" / "modeles" / ".notes"));
}

TEST(ProgramDirectory, MissingDataStillCreatesTheDirectory)
{
    TemporaryDirectory dir;
    const InstallReport report = install_program_directory(dir / "Orvane", dir / "pas-de-data");
    EXPECT_FALSE(report.data_found);
    EXPECT_TRUE(report.copied.empty());
    EXPECT_TRUE(directory_exists(dir / "Orvane"));
}

TEST(DataDirectory, PrefersTheFolderBesideTheExecutable)
{
    TemporaryDirectory dir;
    fs::create_directories(dir / "bin" / "data");
    fs::create_directories(dir / "share" / "orvane" / "data");
    EXPECT_EQ(delivered_data_directory(dir / "bin"), dir / "bin" / "data");
    fs::remove(dir / "bin" / "data");
    EXPECT_EQ(delivered_data_directory(dir / "bin"), dir / "share" / "orvane" / "data");
    fs::remove(dir / "share" / "orvane" / "data");
    EXPECT_EQ(delivered_data_directory(dir / "bin"), fs::path(ORVANE_SOURCE_DIR "/data"));
}

TEST(DataDirectory, TheRunningExecutableIsKnown)
{
    const fs::path exe = executable_path();
    EXPECT_TRUE(exe.is_absolute());
    EXPECT_EQ(exe.filename(), "platform_tests");
    EXPECT_EQ(delivered_data_directory(), delivered_data_directory(exe.parent_path()));
}

TEST(EnsureDirectory, CreatesParentsAndAcceptsAnExistingOne)
{
    TemporaryDirectory dir;
    ensure_directory(dir / "a" / "b" / "c");
    EXPECT_TRUE(directory_exists(dir / "a" / "b" / "c"));
    ensure_directory(dir / "a" / "b" / "c");
    EXPECT_TRUE(directory_exists(dir / "a" / "b" / "c"));
}

TEST(EnsureDirectory, AFileInTheWayIsAnError)
{
    TemporaryDirectory dir;
    write_bytes(dir / "HORAIRES", "");
    try {
        ensure_directory(dir / "HORAIRES");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Impossible de créer le dossier « " +
                                                 (dir / "HORAIRES").string() +
                                                 " » : un fichier porte déjà ce nom");
    }
    try {
        ensure_directory(dir / "HORAIRES" / "2025");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Impossible de créer le dossier « " +
                                                 (dir / "HORAIRES" / "2025").string() +
                                                 " » : un élément du chemin n'est pas un dossier");
    }
}

TEST(EnsureDirectory, SubdirectoriesReuseTheExistingSpelling)
{
    TemporaryDirectory dir;
    fs::create_directory(dir / "Fmail");
    EXPECT_EQ(ensure_subdirectory(dir.path(), "FMAIL/5785"), dir / "Fmail" / "5785");
    EXPECT_TRUE(directory_exists(dir / "Fmail" / "5785"));
    EXPECT_EQ(ensure_subdirectory(dir.path(), "fmail/5785"), dir / "Fmail" / "5785");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"Fmail"});
}

} // namespace
} // namespace orvane::platform
