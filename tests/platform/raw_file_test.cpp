#include "platform/raw_file.h"
#include "temporary_directory.h"

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

using test_support::TemporaryDirectory;
namespace fs = std::filesystem;

std::string random_bytes(std::size_t size)
{
    std::mt19937 generator(5785);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(generator));
    }
    return bytes;
}

/// Lowers the largest file size this process may write, as a full disk
/// would stop a write half-way; restored at the end of the scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_handler_);
    }

private:
    rlimit saved_{};
    void (*previous_handler_)(int) = nullptr;
};

// A pipe in place of a data file is refused at once with a message naming
// it; reading it used to wait for ever for a writer.
TEST(RawFile, UnTubeALaPlaceDUnFichierEstRefuse)
{
    TemporaryDirectory dir;
    const std::filesystem::path tube = dir / "lieu.cal";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    try {
        (void)read_bytes_if_exists(tube);
        FAIL() << "no error";
    } catch (const FileError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("lieu.cal"), std::string::npos) << message;
        EXPECT_NE(message.find("pas un fichier ordinaire"), std::string::npos) << message;
    }
    EXPECT_FALSE(file_exists(tube));
}

TEST(RawFile, WritesAndReadsAnyBytes)
{
    TemporaryDirectory dir;
    const std::string bytes = random_bytes(300000);
    write_bytes(dir / "b.bin", bytes);
    EXPECT_EQ(read_bytes(dir / "b.bin"), bytes);
    write_bytes(dir / "b.bin", "court");
    EXPECT_EQ(read_bytes(dir / "b.bin"), "court");
    write_bytes(dir / "vide", "");
    EXPECT_EQ(read_bytes_if_exists(dir / "vide"), std::string());
}

TEST(RawFile, AtomicWriteLeavesNoTemporaryFile)
{
    TemporaryDirectory dir;
    for (int i = 0; i < 20; ++i) {
        write_bytes(dir / "annee_h", std::to_string(5785 + i) + "\r\n");
    }
    EXPECT_EQ(read_bytes(dir / "annee_h"), "5804\r\n");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"annee_h"});
}

TEST(RawFile, ReplacingKeepsThePermissionsOfTheFile)
{
    TemporaryDirectory dir;
    const auto path = dir / "config.dta";
    write_bytes(path, "a");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    write_bytes(path, "b");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A write never follows a link out of the program directory: the link
// itself is replaced, its target stays as it was, and a dangling link
// creates nothing where it points; an append through a link is refused.
TEST(RawFile, WritingThroughALinkReplacesTheLinkNotItsTarget)
{
    TemporaryDirectory dir;
    fs::create_directory(dir / "dehors");
    write_bytes(dir / "dehors" / "lieu.cal", "ancien");
    fs::create_symlink("dehors/lieu.cal", dir / "lien.cal");
    write_bytes(dir / "lien.cal", "nouveau");
    EXPECT_FALSE(fs::is_symlink(dir / "lien.cal"));
    EXPECT_EQ(read_bytes(dir / "lien.cal"), "nouveau");
    EXPECT_EQ(read_bytes(dir / "dehors" / "lieu.cal"), "ancien");

    fs::create_symlink("dehors/absent.cal", dir / "pendant.cal");
    write_bytes(dir / "pendant.cal", "x");
    EXPECT_FALSE(fs::exists(dir / "dehors" / "absent.cal"));
    EXPECT_EQ(read_bytes(dir / "pendant.cal"), "x");

    fs::create_symlink("dehors/lieu.cal", dir / "trace.dta");
    EXPECT_THROW(append_bytes(dir / "trace.dta", "ajout"), FileError);
    EXPECT_EQ(read_bytes(dir / "dehors" / "lieu.cal"), "ancien");
}

TEST(RawFile, AWriteStoppedHalfWayLeavesTheOldFile)
{
    TemporaryDirectory dir;
    const auto path = dir / "naissances.txt";
    const std::string old_bytes = random_bytes(1000);
    write_bytes(path, old_bytes);
    {
        const FileSizeLimit limit(4096);
        try {
            write_bytes(path, random_bytes(100000));
            FAIL() << "no error";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "Impossible d'écrire le fichier « " +
                                                     path.string() +
                                                     " » : fichier trop volumineux");
        }
    }
    EXPECT_EQ(read_bytes(path), old_bytes);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"naissances.txt"});
}

TEST(RawFile, AFailedRenameLeavesNoTemporaryFile)
{
    TemporaryDirectory dir;
    fs::create_directory(dir / "HORAIRES");
    write_bytes(dir / "HORAIRES" / "z.txt", "x");
    EXPECT_THROW(write_bytes(dir / "HORAIRES", "texte"), FileError);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"HORAIRES"});
    EXPECT_EQ(read_bytes(dir / "HORAIRES" / "z.txt"), "x");
}

TEST(RawFile, WritingIntoAMissingFolderNamesTheProblem)
{
    TemporaryDirectory dir;
    const auto path = dir / "FMAIL5785" / "lettre.txt";
    try {
        write_bytes(path, "x");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire le fichier « " + path.string() +
                      " » : le dossier qui doit le contenir n'existe pas");
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_THROW(append_bytes(path, "x"), FileError);
    EXPECT_EQ(dir.entries(), std::set<std::string>{});
}

TEST(RawFile, CopiesAFileOverAnother)
{
    TemporaryDirectory dir;
    const std::string workbook = random_bytes(70000);
    write_bytes(dir / "modele.xls", workbook);
    write_bytes(dir / "cal_exl.xls", "ancien");
    copy_file_atomically(dir / "modele.xls", dir / "cal_exl.xls");
    EXPECT_EQ(read_bytes(dir / "cal_exl.xls"), workbook);
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"cal_exl.xls", "modele.xls"}));
    EXPECT_THROW(copy_file_atomically(dir / "absent.xls", dir / "cal_exl.xls"), FileError);
    EXPECT_EQ(read_bytes(dir / "cal_exl.xls"), workbook);
}

TEST(RawFile, AppendCreatesThenExtends)
{
    TemporaryDirectory dir;
    append_bytes(dir / "trace.dta", "un\r\n");
    append_bytes(dir / "trace.dta", "");
    append_bytes(dir / "trace.dta", "deux\r\n");
    EXPECT_EQ(read_bytes(dir / "trace.dta"), "un\r\ndeux\r\n");
}

TEST(RawFile, ExistenceTests)
{
    TemporaryDirectory dir;
    EXPECT_TRUE(directory_exists(dir.path()));
    EXPECT_FALSE(file_exists(dir.path()));
    EXPECT_FALSE(file_exists(dir / "absent"));
    EXPECT_EQ(read_bytes_if_exists(dir / "absent"), std::nullopt);
    write_bytes(dir / "f", "1");
    EXPECT_TRUE(file_exists(dir / "f"));
    EXPECT_FALSE(directory_exists(dir / "f"));
}

} // namespace
} // namespace orvane::platform
