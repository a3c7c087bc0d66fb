#include "platform/raw_file.h"
#include "platform/streamed_text_file.h"
#include "platform/text_file.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

using test_support::TemporaryDirectory;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

/// Lines of every kind over several blocks of the writer: ASCII, accents
/// and typographic characters of the code page, empty lines, a line
/// holding a break of its own.
Lines mixed_lines(std::size_t count)
{
    Lines lines;
    for (std::size_t i = 0; i < count; ++i) {
        switch (i % 5) {
        case 0:
            lines.push_back("Mercredi  \t01\tJanvier  \t2025\t=\t01\tTevet  \t" +
                            std::to_string(i));
            break;
        case 1:
            lines.push_back("Décembre \tÉté œuvre … € «" + std::to_string(i) + "»");
            break;
        case 2:
            lines.emplace_back();
            break;
        case 3:
            lines.push_back("avant\naprès");
            break;
        default:
            lines.push_back(std::string(300, 'x'));
            break;
        }
    }
    return lines;
}

// The file is the one write_lines makes of the same lines, byte for byte,
// over some 200 blocks of the writer; the count of lines includes the
// breaks inside lines.
TEST(StreamedTextFile, WritesWhatWriteLinesWrites)
{
    TemporaryDirectory dir;
    const Lines lines = mixed_lines(50000);
    {
        StreamedTextFile f(dir / "flux.txt");
        for (const std::string& l : lines) {
            f.write_line(l);
        }
        EXPECT_EQ(f.lines_written(), 60000u);
        f.commit();
    }
    write_lines(dir / "entier.txt", lines);
    EXPECT_TRUE(read_bytes(dir / "flux.txt") == read_bytes(dir / "entier.txt"));
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"entier.txt", "flux.txt"}));
}

TEST(StreamedTextFile, EmptyFileAndOneLine)
{
    TemporaryDirectory dir;
    {
        StreamedTextFile f(dir / "vide.txt");
        f.commit();
    }
    EXPECT_EQ(read_bytes(dir / "vide.txt"), "");
    {
        StreamedTextFile f(dir / "un.txt");
        f.write_line("Année");
        f.commit();
    }
    EXPECT_EQ(read_bytes(dir / "un.txt"), "Ann\xe9"
                                          "e\r\n");
}

// Until commit() the old file stays whole beside a hidden temporary file;
// a writer dropped without commit() leaves the old file and nothing else.
TEST(StreamedTextFile, TheOldFileStaysUntilCommit)
{
    TemporaryDirectory dir;
    const fs::path path = dir / "Dates_2025_2025.txt";
    write_lines(path, {"ancien"});
    {
        StreamedTextFile f(path);
        for (const std::string& l : mixed_lines(20000)) {
            f.write_line(l);
        }
        EXPECT_EQ(read_lines(path), Lines{"ancien"});
        ASSERT_EQ(dir.entries().size(), 2u);
        const std::string temporary = *dir.entries().begin();
        EXPECT_EQ(temporary.rfind(".Dates_2025_2025.txt.tmp-", 0), 0u) << temporary;
    }
    EXPECT_EQ(read_lines(path), Lines{"ancien"});
    EXPECT_EQ(dir.entries(), std::set<std::string>{"Dates_2025_2025.txt"});
}

// A character the code page lacks stops the file with a message naming the
// target and its line; the old file stays and the writer takes no more.
TEST(StreamedTextFile, AnUnencodableCharacterNamesItsLine)
{
    TemporaryDirectory dir;
    const fs::path path = dir / "dates.txt";
    write_lines(path, {"ancien"});
    StreamedTextFile f(path);
    f.write_line("un");
    f.write_line("deux\ntrois");
    try {
        f.write_line("quatre \xd7\x90");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire le fichier « " + path.string() +
                      " » : à la ligne 4, le caractère « \xd7\x90 » (U+05D0) ne peut pas être "
                      "écrit en Windows-1252");
    }
    EXPECT_EQ(dir.entries(), std::set<std::string>{"dates.txt"});
    EXPECT_THROW(f.write_line("cinq"), FileError);
    EXPECT_THROW(f.commit(), FileError);
    EXPECT_EQ(read_lines(path), Lines{"ancien"});
}

TEST(StreamedTextFile, AMissingFolderIsNamed)
{
    TemporaryDirectory dir;
    const fs::path path = dir / "DATES" / "Dates_2025_2025.txt";
    try {
        StreamedTextFile f(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire le fichier « " + path.string() +
                      " » : le dossier qui doit le contenir n'existe pas");
        EXPECT_EQ(error.path(), path);
    }
}

// A rename that fails (a folder of that name) leaves the folder as it was
// and no temporary file.
TEST(StreamedTextFile, AFailedCommitLeavesNoTemporaryFile)
{
    TemporaryDirectory dir;
    fs::create_directory(dir / "DATES");
    write_bytes(dir / "DATES" / "z.txt", "x");
    StreamedTextFile f(dir / "DATES");
    f.write_line("ligne");
    EXPECT_THROW(f.commit(), FileError);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"DATES"});
    EXPECT_EQ(read_bytes(dir / "DATES" / "z.txt"), "x");
}

TEST(StreamedTextFile, ReplacingKeepsThePermissions)
{
    TemporaryDirectory dir;
    const fs::path path = dir / "dates.txt";
    write_lines(path, {"ancien"});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    StreamedTextFile f(path);
    f.write_line("nouveau");
    f.commit();
    EXPECT_EQ(read_lines(path), Lines{"nouveau"});
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace orvane::platform
