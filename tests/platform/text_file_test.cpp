#include "platform/encoding.h"
#include "platform/raw_file.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>

namespace orvane::platform
{
namespace
{

using test_support::TemporaryDirectory;
using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsLfCrLfAndCr)
{
    EXPECT_EQ(split_lines(""), Lines{});
    EXPECT_EQ(split_lines("a"), Lines{"a"});
    EXPECT_EQ(split_lines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines("a\r\n\r\nb\n\n"), (Lines{"a", "", "b", ""}));
    // A CR alone ends a line too, mixed with the others.
    EXPECT_EQ(split_lines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(split_lines("a\r\rb\nc\r\nd"), (Lines{"a", "", "b", "c", "d"}));
    EXPECT_EQ(split_lines("\r\n"), Lines{""});
    EXPECT_EQ(split_lines("fin\r"), Lines{"fin"});
    EXPECT_EQ(split_lines("a\rb\r\n"), (Lines{"a", "b"}));   // a lone CR ends its line
    EXPECT_EQ(split_lines("a\t\tb \r\n"), Lines{"a\t\tb "}); // tabs and blanks kept
}

// Each character of the code page, alone on its line, and all of them on one
// line: the file holds exactly the expected bytes and reads back the same.
TEST(TextFile, EveryWindows1252CharacterRoundTripsByteForByte)
{
    TemporaryDirectory dir;
    Lines lines;
    std::string expected_bytes;
    std::string all_characters;
    std::string all_bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == '\n' || byte == '\r') {
            continue;
        }
        const std::string character = utf8_of(windows1252_char(static_cast<unsigned char>(byte)));
        lines.push_back("<" + character + ">");
        expected_bytes += std::string("<") + static_cast<char>(byte) + ">\r\n";
        all_characters += character;
        all_bytes += static_cast<char>(byte);
    }
    lines.push_back(all_characters);
    expected_bytes += all_bytes + "\r\n";

    const auto path = dir / "tous.txt";
    write_lines(path, lines);
    EXPECT_EQ(read_bytes(path), expected_bytes);
    EXPECT_EQ(read_lines(path), lines);
}

TEST(TextFile, ReadsAUtf8File)
{
    TemporaryDirectory dir;
    write_bytes(dir / "u.txt", "Février\r\nשלום\n€ 5785\n");
    EXPECT_EQ(read_lines(dir / "u.txt"), (Lines{"Février", "שלום", "€ 5785"}));
    write_bytes(dir / "bom.txt", "\xEF\xBB\xBF"
                                 "Tichri\r\nHechvan\r\n");
    EXPECT_EQ(read_lines(dir / "bom.txt"), (Lines{"Tichri", "Hechvan"}));
}

TEST(TextFile, ReadsAWindows1252File)
{
    TemporaryDirectory dir;
    write_bytes(dir / "l.cal", "Paris\tFrance\t48\xB0"
                               "52'N\r\nB\xE9ziers\r\nIsra\xEBl");
    EXPECT_EQ(read_lines(dir / "l.cal"), (Lines{"Paris\tFrance\t48°52'N", "Béziers", "Israël"}));
    EXPECT_EQ(read_text(dir / "l.cal"), "Paris\tFrance\t48°52'N\r\nBéziers\r\nIsraël");
}

TEST(TextFile, WritesWindows1252WithCrLf)
{
    TemporaryDirectory dir;
    write_lines(dir / "f.txt", {"Février", "", "Fête des garçons — 1€"});
    EXPECT_EQ(read_bytes(dir / "f.txt"), "F\xE9vrier\r\n\r\nF\xEAte des gar\xE7ons \x97 1\x80\r\n");
    write_lines(dir / "vide.txt", {});
    EXPECT_EQ(read_bytes(dir / "vide.txt"), "");
    EXPECT_EQ(read_lines(dir / "vide.txt"), Lines{});
}

TEST(TextFile, RefusesAnUnencodableCharacterAndKeepsThePreviousFile)
{
    TemporaryDirectory dir;
    const auto path = dir / "deces.txt";
    write_lines(path, {"Ancien contenu"});
    const std::string before = read_bytes(path);
    try {
        write_lines(path, {"Nom", "Prénom א", "fin"});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire le fichier « " + path.string() +
                      " » : à la ligne 2, le caractère « א » (U+05D0) ne peut pas être écrit en "
                      "Windows-1252");
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_EQ(read_bytes(path), before);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"deces.txt"});
}

TEST(TextFile, LineBreaksInsideALineBecomeCrLf)
{
    TemporaryDirectory dir;
    const auto path = dir / "page.txt";
    write_lines(path, {"Vendredi\nChabbat\r\nDimanche", "fin"});
    EXPECT_EQ(read_bytes(path), "Vendredi\r\nChabbat\r\nDimanche\r\nfin\r\n");
    try {
        write_lines(path, {"un", "deux\ntrois\nquatre ש"});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("à la ligne 4, le caractère « ש »"),
                  std::string::npos)
            << error.what();
    }
}

TEST(TextFile, MissingFileIsAnErrorOrNone)
{
    TemporaryDirectory dir;
    const auto path = dir / "config.dta";
    EXPECT_FALSE(file_exists(path));
    EXPECT_EQ(read_lines_if_exists(path), std::nullopt);
    EXPECT_EQ(read_text_if_exists(path), std::nullopt);
    try {
        (void)read_lines(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'ouvrir le fichier « " + path.string() + " » : fichier introuvable");
    }
    write_lines(path, {"Diaspora true"});
    EXPECT_TRUE(file_exists(path));
    EXPECT_EQ(read_lines_if_exists(path), Lines{"Diaspora true"});
}

TEST(TextFile, ADirectoryIsNotAnAbsentFile)
{
    TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "CAL_CIVL");
    EXPECT_FALSE(file_exists(dir / "CAL_CIVL"));
    EXPECT_THROW((void)read_lines_if_exists(dir / "CAL_CIVL"), FileError);
    try {
        (void)read_lines(dir / "CAL_CIVL");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("c'est un dossier"), std::string::npos);
    }
}

TEST(TextFile, AppendsLinesForTraces)
{
    TemporaryDirectory dir;
    const auto path = dir / "trace.dta";
    append_lines(path, {"lever 6,52"});
    append_lines(path, {"coucher 20,47", "Été"});
    EXPECT_EQ(read_bytes(path), "lever 6,52\r\ncoucher 20,47\r\n\xC9t\xE9\r\n");
    EXPECT_THROW(append_lines(path, {"ok", "שלום"}), FileError);
    EXPECT_EQ(read_lines(path), (Lines{"lever 6,52", "coucher 20,47", "Été"}));
}

TEST(TextFile, WritesUtf8AsGiven)
{
    TemporaryDirectory dir;
    const std::string page = "<p>Chabbat שבת — 19 h 58</p>\n";
    write_utf8(dir / "page.html", page);
    EXPECT_EQ(read_bytes(dir / "page.html"), page);
    EXPECT_THROW(write_utf8(dir / "page.html", "F\xE9vrier"), FileError);
    EXPECT_EQ(read_bytes(dir / "page.html"), page);
}

} // namespace
} // namespace orvane::platform
