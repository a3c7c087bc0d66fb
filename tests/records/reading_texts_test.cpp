// The texts of the yahrzeit: the delivered "tehilim.dta" and "michna.dta"
// (attribution first, one section per letter, Hebrew in the program's
// glyph order), and the reader of a letter's section and of a name's.

#include "events/hebrew_letters.h"
#include "platform/file_error.h"
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "records/reading_texts.h"

#include <gtest/gtest.h>

#include <cctype>

namespace orvane::records
{
namespace
{

const std::filesystem::path donnees = ORVANE_SOURCE_DIR "/data";
const std::string alphabet = "abgdhwzjfyklmnsupxqrct"; // alef .. tav, Latin letters

/// The Hebrew letter that a passage begins with: the last letter of its
/// first line, which is read from right to left (blanks, numbers and
/// punctuation at the end of the glyphs passed over).
char premiere_lettre(const std::string& ligne)
{
    for (auto it = ligne.rbegin(); it != ligne.rend(); ++it) {
        if (events::lettre_hebraique(*it) != 0) {
            return *it;
        }
        if (*it == '(' || *it == ')' || std::isdigit(static_cast<unsigned char>(*it)) ||
            *it == ' ') {
            continue;
        }
        break;
    }
    return '?';
}

/// The passages of a section: the runs of lines between empty lines, after
/// the name of the letter.
std::vector<std::vector<std::string>> passages(const std::vector<std::string>& section)
{
    std::vector<std::vector<std::string>> p(1);
    for (std::size_t i = 1; i < section.size(); ++i) {
        if (section[i].empty()) {
            if (!p.back().empty()) {
                p.emplace_back();
            }
        } else {
            p.back().push_back(section[i]);
        }
    }
    if (p.back().empty()) {
        p.pop_back();
    }
    return p;
}

/// Every character of a stored Hebrew line is a letter of the font or one
/// of the few signs kept; lines are at most 45 characters.
void verifie_les_glyphes(const std::vector<std::string>& lignes, const std::string& fichier)
{
    for (const std::string& l : lignes) {
        ASSERT_LE(l.size(), 45u) << fichier << " : " << l;
        for (const char c : l) {
            ASSERT_TRUE(events::lettre_hebraique(c) != 0 ||
                        std::string_view(" .,:;'\"()-0123456789").find(c) != std::string_view::npos)
                << fichier << " : « " << c << " » dans " << l;
        }
    }
}

TEST(TextesDeLecture, LesFichiersLivresCommencentParLeurSource)
{
    const std::vector<std::string> t = platform::read_lines(donnees / "tehilim.dta");
    ASSERT_GE(t.size(), 3u);
    EXPECT_NE(t[0].find("Psaume 119"), std::string::npos);
    EXPECT_NE(t[0].find("Westminster Leningrad Codex (domaine public)"), std::string::npos);
    EXPECT_NE(t[0].find("Open Scriptures Hebrew Bible"), std::string::npos);
    const std::vector<std::string> m = platform::read_lines(donnees / "michna.dta");
    EXPECT_NE(m[0].find("Romm, Vilna 1913 (domaine public)"), std::string::npos);
    EXPECT_NE(m[0].find("Sefaria/Sefaria-Export"), std::string::npos);
    for (const char* f : {"tehilim.dta", "michna.dta"}) {
        const std::string o = platform::read_bytes(donnees / f);
        EXPECT_FALSE(platform::is_valid_utf8(o) && o.find("\xC3") != std::string::npos)
            << f << " est en UTF-8";
        for (std::size_t i = o.find('\n'); i != std::string::npos; i = o.find('\n', i + 1)) {
            ASSERT_TRUE(i > 0 && o[i - 1] == '\r') << f << ", octet " << i;
        }
        EXPECT_EQ(o.substr(o.size() - 2), "\r\n");
    }
}

// Psalm 119 is an acrostic: its 22 stanzas of eight verses each begin,
// verse by verse, with the letters of the alphabet in turn.
TEST(TextesDeLecture, ChaqueStropheDuPsaumeCommenceParSaLettre)
{
    int verset = 0;
    for (const char lettre : alphabet) {
        const std::vector<std::string> s =
            lignes_de_la_lettre(donnees / "tehilim.dta", std::string(1, lettre));
        ASSERT_FALSE(s.empty()) << lettre;
        verifie_les_glyphes(s, "tehilim.dta");
        const auto versets = passages(s);
        ASSERT_EQ(versets.size(), 8u) << lettre;
        for (const auto& v : versets) {
            ++verset;
            const std::string numero = "(" + std::to_string(verset) + ")";
            ASSERT_GE(v[0].size(), numero.size());
            EXPECT_EQ(v[0].substr(v[0].size() - numero.size()), numero) << v[0];
            EXPECT_EQ(premiere_lettre(v[0].substr(0, v[0].size() - numero.size())), lettre) << v[0];
            EXPECT_EQ(v.back().front(), ':') << "le verset finit par le sof passouq : " << v.back();
        }
    }
    EXPECT_EQ(verset, 176);
}

// Each letter has mishnayot that begin with it, under the tractate and its
// chapter; the mishnayot of נשמה begin with its four letters in turn.
TEST(TextesDeLecture, ChaqueMichnaCommenceParSaLettre)
{
    const auto verifie = [](std::string_view cle, const std::string& initiales) {
        const std::vector<std::string> s = lignes_de_la_lettre(donnees / "michna.dta", cle);
        ASSERT_FALSE(s.empty()) << cle;
        verifie_les_glyphes(s, "michna.dta");
        const auto michnayot = passages(s);
        ASSERT_EQ(michnayot.size(), initiales.size()) << cle;
        for (std::size_t i = 0; i < michnayot.size(); ++i) {
            ASSERT_GE(michnayot[i].size(), 2u);
            // "7:4 twawqm": the tractate (Mikvaot) and its chapter:mishna.
            const std::string& reference = michnayot[i][0];
            ASSERT_NE(reference.find(':'), std::string::npos) << reference;
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(reference[0]))) << reference;
            EXPECT_EQ(premiere_lettre(michnayot[i][1]), initiales[i])
                << cle << " : " << michnayot[i][1];
        }
    };
    for (const char lettre : alphabet) {
        verifie(std::string(1, lettre), std::string(2, lettre));
    }
    verifie(section_nechama, "ncmh");
    EXPECT_EQ(lignes_de_la_lettre(donnees / "michna.dta", section_nechama)[0], "hmcn"); // נשמה
}

TEST(TextesDeLecture, LesLettresFinalesEtLesNoms)
{
    const std::filesystem::path t = donnees / "tehilim.dta";
    EXPECT_EQ(lignes_de_la_lettre(t, "\\"), lignes_de_la_lettre(t, "m"));
    EXPECT_EQ(lignes_de_la_lettre(t, "}"), lignes_de_la_lettre(t, "n"));
    EXPECT_EQ(lignes_de_la_lettre(t, "{"), lignes_de_la_lettre(t, "x"));
    EXPECT_TRUE(lignes_de_la_lettre(t, "Q").empty());
    EXPECT_TRUE(lignes_de_la_lettre(t, "").empty());

    // "\hrba" is אברהם in the order of its glyphs: read from its end, alef,
    // bet, resh, he, mem.
    std::vector<std::string> attendu;
    for (const char* l : {"a", "b", "r", "h", "m"}) {
        const std::vector<std::string> s = lignes_de_la_lettre(t, l);
        attendu.insert(attendu.end(), s.begin(), s.end());
    }
    EXPECT_EQ(lignes_du_nom(t, "\\hrba"), attendu);
    EXPECT_EQ(lignes_du_nom(t, "- \\hrba "), attendu);
    EXPECT_TRUE(lignes_du_nom(t, "").empty());
}

TEST(TextesDeLecture, LeLecteurDUnFichierEcritALaMain)
{
    platform::test_support::TemporaryDirectory dir;
    const std::filesystem::path f = dir / "tehilim.dta";
    platform::write_lines(f, {"Source : un essai", "@", "rien", "@a", "un", "", "deux", "@ab",
                              "faux", "@b", "trois", "@a", "encore"});
    EXPECT_EQ(lignes_de_la_lettre(f, "a"), (std::vector<std::string>{"un", "", "deux"}));
    EXPECT_EQ(lignes_de_la_lettre(f, "ab"), (std::vector<std::string>{"faux"}));
    EXPECT_EQ(lignes_de_la_lettre(f, "b"), (std::vector<std::string>{"trois"}));
    EXPECT_EQ(lignes_du_nom(f, "ba"), (std::vector<std::string>{"un", "", "deux", "trois"}));
    EXPECT_THROW((void)lignes_de_la_lettre(dir / "michna.dta", "a"), platform::FileError);
}

} // namespace
} // namespace orvane::records
