// The delivered "glossair.dta": its bytes, its chapters and paragraphs, and
// every entry that a window's "Glossaire" button looks for.
#include "events/glossary_entry.h"
#include "reference/glossary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

namespace orvane::reference
{
namespace
{

using Lignes = std::vector<std::string>;

const std::filesystem::path data = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";

std::string octets_de(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

/// UTF-8 of one Windows-1252 byte, by the code page's own table (0x80 to
/// 0x9F differ from Latin-1); empty for the five bytes it leaves undefined.
std::string utf8_de_1252(unsigned char c)
{
    static const char16_t haut[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    const char32_t u = (c >= 0x80 && c < 0xA0) ? haut[c - 0x80] : c;
    std::string s;
    if (u == 0) {
        return s;
    }
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
    return s;
}

/// The lines of the delivered file, read by this test's own decoder.
Lignes lignes_decodees()
{
    const std::string octets = octets_de(data / "glossair.dta");
    Lignes lignes;
    std::string ligne;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (octets[i] == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') {
            lignes.push_back(ligne);
            ligne.clear();
            ++i;
        } else {
            ligne += utf8_de_1252(static_cast<unsigned char>(octets[i]));
        }
    }
    return lignes;
}

class GlossaireLivre : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const auto lu = lit_glossaire(data);
        ASSERT_TRUE(lu.has_value());
        fichier = *lu;
    }
    static inline Lignes fichier;
};

// Windows-1252, CR LF after every line and nowhere else, no byte the code
// page leaves undefined, no control character but the tab; the program's
// reader gives the lines this test decodes on its own.
TEST_F(GlossaireLivre, OctetsWindows1252AvecCRLF)
{
    const std::string octets = octets_de(data / "glossair.dta");
    ASSERT_FALSE(octets.empty());
    EXPECT_TRUE(octets.ends_with("\r\n"));
    std::size_t ligne = 1;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const auto c = static_cast<unsigned char>(octets[i]);
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < octets.size() && octets[i + 1] == '\n')
                << "CR seul, ligne " << ligne;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && octets[i - 1] == '\r') << "LF seul, ligne " << ligne;
            ++ligne;
        } else {
            ASSERT_FALSE(c < 0x20 && c != '\t') << "contrôle " << int(c) << ", ligne " << ligne;
            ASSERT_FALSE(c >= 0x80 && utf8_de_1252(c).empty())
                << "octet indéfini " << int(c) << ", ligne " << ligne;
        }
    }
    // Accented letters are single bytes (é = E9), not UTF-8 sequences.
    EXPECT_NE(octets.find("\xE9"), std::string::npos);
    EXPECT_EQ(octets.find("\xC3\xA9"), std::string::npos);
    EXPECT_EQ(fichier, lignes_decodees());
}

TEST_F(GlossaireLivre, Chapitres)
{
    EXPECT_EQ(chapitres(fichier),
              (Lignes{"Principes du calendrier", "Types et cycles des années",
                      "Lune, soleil et saisons", "Les fêtes et les jeûnes",
                      "Lectures et Chabbatot particuliers", "Horaires de la journée",
                      "Opinions de calcul", "Anniversaires et deuil", "Coutumes"}));
}

// Every chapter has paragraphs; every paragraph is found by its name at its
// own line, has a subtitle and a text of several sentences, and its name
// is that of no other paragraph or chapter.
TEST_F(GlossaireLivre, ChaqueParagrapheASonTexte)
{
    std::set<std::string> noms;
    std::size_t total = 0;
    for (const std::string& chapitre : chapitres(fichier)) {
        const Lignes paragraphes = paragraphes_du_chapitre(fichier, chapitre);
        EXPECT_GE(paragraphes.size(), 4u) << chapitre;
        for (const std::string& nom : paragraphes) {
            EXPECT_TRUE(noms.insert(nom).second) << "nom répété : " << nom;
            const auto p = paragraphe(fichier, nom);
            ASSERT_TRUE(p.has_value()) << nom;
            EXPECT_FALSE(p->sous_titre.empty()) << nom;
            std::string texte;
            for (const std::string& l : p->texte) {
                texte += l + " ";
            }
            EXPECT_GE(texte.size(), 200u) << nom;
            EXPECT_GE(std::count(texte.begin(), texte.end(), '.'), 2) << nom;
            EXPECT_EQ(texte.find('@'), std::string::npos) << nom;
            // Its first line containing "@name@" is its own paragraph line.
            const auto ligne = std::find_if(fichier.begin(), fichier.end(), [&](const auto& l) {
                return l.find("@" + nom + "@") != std::string::npos;
            });
            ASSERT_NE(ligne, fichier.end());
            EXPECT_TRUE(ligne->starts_with("@" + nom + "@\t")) << nom;
            // The line after its text is its end mark, with an at sign so
            // that the windows' entries stop there too.
            const auto fin = ligne + 1 + static_cast<std::ptrdiff_t>(p->texte.size());
            ASSERT_NE(fin, fichier.end()) << nom;
            EXPECT_TRUE(fin->starts_with("_") && fin->ends_with("@")) << nom;
            ++total;
        }
    }
    EXPECT_EQ(noms.size(), total);
    EXPECT_GE(total, 80u);
}

// The entries of the windows' "Glossaire" buttons: each key finds, at its
// first line, the paragraph line of the paragraph that explains it, and the
// entry holds that paragraph's text and nothing more, with the end of a
// plain entry as with the end of an underlined one.
TEST_F(GlossaireLivre, EntreesDesFenetres)
{
    const std::pair<std::string_view, std::string> cles[] = {
        {events::cle_glossaire_type, "Type de l'année"},
        {events::cle_glossaire_fetes, "Fêtes de l'année"},
        {"Compte du 'Omer", "Compte du 'Omer"},
        {"Chemita@", "Chemita"},
        {"Yovel@", "Yovel"},
        {"Molad@", "Molad"},
        {"Birkat Halevana@", "Birkat Halevana"},
        {"Birkat Ha'hama@", "Birkat Ha'hama"},
        {"Roch-Hodech@", "Roch-Hodech"},
        {"chamime@", "Guéchamime"},
        {"koufa@", "Tékoufa"},
        {"Bar-Mitsva@", "Bar-Mitsva"},
    };
    for (const auto& [cle, nom] : cles) {
        const auto p = paragraphe(fichier, nom);
        ASSERT_TRUE(p.has_value()) << cle;
        for (bool soulignee : {false, true}) {
            const auto entree = events::entree_glossaire(fichier, cle, soulignee);
            ASSERT_TRUE(entree.has_value()) << cle;
            ASSERT_FALSE(entree->empty());
            EXPECT_TRUE(entree->front().starts_with("@" + nom + "@\t")) << cle;
            EXPECT_EQ(Lignes(entree->begin() + 1, entree->end()), p->texte) << cle;
        }
    }
}

// The year-analysis tables read their four entries on from one opening of
// the file: each key is found after the line of the previous one.
TEST_F(GlossaireLivre, EntreesLuesALaSuite)
{
    const std::pair<std::string_view, std::string> suite[] = {
        {"@Type de l'ann", "Type de l'année"},
        {"@Cycle lunaire@", "Cycle lunaire"},
        {"@Cycle solaire@", "Cycle solaire"},
        {"rie@", "Série"},
    };
    std::size_t depuis = 0;
    for (const auto& [cle, nom] : suite) {
        const Lignes reste(fichier.begin() + static_cast<std::ptrdiff_t>(depuis), fichier.end());
        const auto entree = events::entree_glossaire(reste, cle, true);
        ASSERT_TRUE(entree.has_value()) << cle;
        EXPECT_TRUE(entree->front().starts_with("@" + nom + "@\t")) << cle;
        EXPECT_EQ(Lignes(entree->begin() + 1, entree->end()), paragraphe(fichier, nom)->texte);
        const auto ligne = std::find_if(reste.begin(), reste.end(), [&](const std::string& l) {
            return l.find(cle) != std::string::npos;
        });
        depuis += static_cast<std::size_t>(ligne - reste.begin()) + 1;
    }
}

// Some facts of the calendar that the texts state, checked where they are
// written: a wrong digit here is a wrong teaching.
TEST_F(GlossaireLivre, FaitsDuCalendrier)
{
    const auto contient = [&](const std::string& nom, const std::string& fait) {
        const std::optional<ParagrapheGlossaire> p = paragraphe(fichier, nom);
        std::string texte;
        for (const std::string& l : p->texte) {
            texte += (texte.empty() ? "" : " ") + l;
        }
        return texte.find(fait) != std::string::npos;
    };
    EXPECT_TRUE(contient("Molad", "29 jours 12 heures et 793 'halakim"));
    EXPECT_TRUE(contient("Molad", "1080 'halakim"));
    EXPECT_TRUE(contient("Années communes et embolismiques", "3, 6, 8, 11, 14, 17 et 19"));
    EXPECT_TRUE(contient("Type de l'année", "5785 est de type HA CHA A"));
    EXPECT_TRUE(contient("Cycle lunaire", "5785 est ainsi la 9e année du 305e cycle"));
    EXPECT_TRUE(contient("Cycle solaire", "est la première du 207e cycle"));
    EXPECT_TRUE(contient("Birkat Ha'hama", "8 avril 2009 (14 Nissan 5769)"));
    EXPECT_TRUE(contient("Alot Hacha'har", "16,1°"));
    EXPECT_TRUE(contient("Michéyakir", "11°"));
    EXPECT_TRUE(contient("Tset Hakokhavim", "7,08°"));
    EXPECT_TRUE(contient("Sortie du Chabbat", "8,5°"));
    EXPECT_TRUE(contient("Admour Hazaken", "5,95°"));
    EXPECT_TRUE(contient("Rav Rottenberg", "7,12°"));
    EXPECT_TRUE(contient("Beth Din de Marseille", "7,35°"));
    EXPECT_TRUE(contient("Entrée du Chabbat", "18 minutes en Diaspora"));
}

/// The RTF form of a text, as a word processor's file holds it.
std::string en_rtf(const std::string& utf8)
{
    std::string s;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            s += static_cast<char>(c);
            continue;
        }
        // Two-byte UTF-8 sequences: the letters of the texts (Latin-1 range).
        const unsigned u = ((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", u);
        s += hex;
    }
    return s;
}

// The printable document "Glossair.rtf" holds every chapter and paragraph
// name of the file, in pure ASCII with its groups balanced.
TEST_F(GlossaireLivre, DocumentImprimable)
{
    const std::string rtf = octets_de(data / "Glossair.rtf");
    ASSERT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
    int profondeur = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80);
        if (rtf[i] == '\\') {
            ++i; // an escaped brace is no group
        } else if (rtf[i] == '{') {
            ++profondeur;
        } else if (rtf[i] == '}') {
            ASSERT_GT(profondeur--, 0);
        }
    }
    EXPECT_EQ(profondeur, 0);
    std::size_t position = 0;
    for (const std::string& chapitre : chapitres(fichier)) {
        position = rtf.find("\\b " + en_rtf(chapitre) + "\\b0", position);
        ASSERT_NE(position, std::string::npos) << chapitre;
        for (const std::string& nom : paragraphes_du_chapitre(fichier, chapitre)) {
            position = rtf.find("\\b " + en_rtf(nom) + "\\b0", position);
            ASSERT_NE(position, std::string::npos) << nom;
        }
    }
}

} // namespace
} // namespace orvane::reference
