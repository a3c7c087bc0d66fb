// The Omer table: the worked days of 5789 (16 Nissan on Sunday 1 April
// 2029), the count over every Hebrew year of the engine, the days of the
// independent library @hebcal/core, the texts of "s_omer.dta" read from
// short and damaged files, the delivered file decoded back to Hebrew, and
// the saved and printed lines of 2025 byte for byte.
#include "../golden_file.h"
#include "../platform/temporary_directory.h"
#include "engine/dates.h"
#include "events/glossary_entry.h"
#include "events/hebrew_letters.h"
#include "events/omer/omer_count.h"
#include "events/omer/omer_glossary.h"
#include "platform/raw_file.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace orvane::events
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;
using Textes = std::array<TextesDuJourOmer, lignes_du_fichier_omer>;

const std::filesystem::path donnees = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";
const std::filesystem::path dossier_golden =
    std::filesystem::path(ORVANE_SOURCE_DIR) / "tests/events/golden/omer";

Textes textes_livres()
{
    return textes_omer(platform::read_lines(donnees / "s_omer.dta"));
}

/// A stored Hebrew text in the order it is read: the Latin letters become
/// Hebrew letters, and the glyphs stored left to right are read right to
/// left.
std::string en_hebreu(std::string_view stocke)
{
    std::u32string lettres = platform::decode_utf8(lettres_hebraiques(stocke));
    std::reverse(lettres.begin(), lettres.end());
    std::string texte;
    for (char32_t c : lettres) {
        texte += platform::utf8_of(c);
    }
    return texte;
}

std::vector<std::string> champs(const std::string& ligne)
{
    std::vector<std::string> c;
    std::istringstream in(ligne);
    for (std::string f; std::getline(in, f, '\t');) {
        c.push_back(f);
    }
    return c;
}

TEST(TableOmer, PessahUnSamediEtLePremierAvril)
{
    const TableOmer t = table_omer(5789, textes_livres());
    // 16 Nissan 5789 is Sunday 1 April 2029: the eve of the count, 15
    // Nissan, is Saturday 31 March.
    EXPECT_EQ(t[0].nom_jour, "Chabbat  ");
    EXPECT_EQ(t[0].date, "31 Mars 2029");
    EXPECT_EQ(t[0].compte, "PESSAH");
    EXPECT_EQ(t[0].date_civile, DateCivile(2029, 3, 31));
    EXPECT_EQ(t[0].date_hebraique, DateHebraique(5789, 8, 15));
    EXPECT_EQ(t[0].hebreu_1, "}syn  w\"f");
    EXPECT_EQ(t[0].hebreu_2, "jsp");
    EXPECT_EQ(t[1].nom_jour, "Dimanche ");
    EXPECT_EQ(t[1].date, "1  Avril 2029");
    EXPECT_EQ(t[1].compte, "1");
    EXPECT_EQ(t[1].date_hebraique, DateHebraique(5789, 8, 16));
    EXPECT_EQ(en_hebreu(t[1].hebreu_1), "ט\"ז ניסן");
    EXPECT_EQ(t[16].date_hebraique, DateHebraique(5789, 9, 1)); // after 30 Nissan
    EXPECT_EQ(t[16].date, "16 Avril 2029");
    EXPECT_EQ(t[31].date, "1  Mai   2029");
    EXPECT_EQ(t[45].date_hebraique, DateHebraique(5789, 10, 1)); // after 29 Iyar
    EXPECT_EQ(t[49].compte, "49");
    EXPECT_EQ(t[49].date_hebraique, DateHebraique(5789, 10, 5));
    EXPECT_EQ(t[50].compte, "CHAVOUOT");
    EXPECT_EQ(t[50].date_hebraique, DateHebraique(5789, 10, 6));
    EXPECT_EQ(t[50].date_civile, DateCivile(2029, 5, 20));
    EXPECT_EQ(t[50].nom_jour, "Dimanche ");
    EXPECT_EQ(en_hebreu(t[50].hebreu_1), "ו' סיון");
}

// For every Hebrew year of the engine: rows 1..49 count 1..49 from 16
// Nissan to 5 Sivan, row 50 is 6 Sivan, all 51 rows on consecutive civil
// days with their weekdays, and the civil date converts back to the Hebrew
// date of its row.
TEST(TableOmer, ChaqueAnneeCompteQuaranteNeufJoursConsecutifs)
{
    const Textes textes{};
    for (int annee = 3860; annee <= 13759; ++annee) {
        const TableOmer t = table_omer(annee, textes);
        const engine::NumeroJour debut = engine::numero_du_civil(t[0].date_civile);
        for (int n = 0; n <= 50; ++n) {
            const LigneOmer& l = t[static_cast<std::size_t>(n)];
            ASSERT_EQ(engine::numero_du_civil(l.date_civile), debut + n) << annee << " ligne " << n;
            ASSERT_EQ(l.jour_semaine, engine::jour_semaine(l.date_civile)) << annee << " " << n;
            if (n >= 1 && n <= 49) {
                ASSERT_EQ(l.compte, std::to_string(n)) << annee;
            }
        }
        ASSERT_EQ(t[1].date_hebraique, DateHebraique(annee, 8, 16)) << annee;
        ASSERT_EQ(t[49].date_hebraique, DateHebraique(annee, 10, 5)) << annee;
        ASSERT_EQ(t[50].date_hebraique, DateHebraique(annee, 10, 6)) << annee;
        ASSERT_EQ(engine::hebraique_du_civil(t[1].date_civile), t[1].date_hebraique) << annee;
        ASSERT_EQ(engine::hebraique_du_civil(t[50].date_civile), t[50].date_hebraique) << annee;
        // Pessa'h never falls on Monday, Wednesday or Friday, so the count
        // never starts on Tuesday, Thursday or Saturday.
        ASSERT_TRUE(t[1].jour_semaine != 3 && t[1].jour_semaine != 5 && t[1].jour_semaine != 7)
            << annee;
    }
}

// Every day of the Omer of 5700..5900 as @hebcal/core counts it
// (tools/fixtures/hebcal_omer.mjs): the same Hebrew day, civil day and
// number, and no year with a day more or less.
TEST(TableOmer, CommeLaBibliothequeIndependante)
{
    const auto lignes = platform::read_lines(std::filesystem::path(ORVANE_TEST_DATA_DIR) /
                                             "events/hebcal_omer.tsv");
    ASSERT_EQ(lignes.size(), 201u * 49u);
    const Textes textes{};
    std::map<int, TableOmer> tables;
    std::map<int, int> jours;
    for (const std::string& texte : lignes) {
        std::istringstream in(texte);
        int ah = 0, mh = 0, jh = 0, ac = 0, mc = 0, jc = 0, omer = 0;
        in >> ah >> mh >> jh >> ac >> mc >> jc >> omer;
        ASSERT_TRUE(in) << texte;
        auto it = tables.find(ah);
        if (it == tables.end()) {
            it = tables.emplace(ah, table_omer(ah, textes)).first;
        }
        ASSERT_GE(omer, 1) << texte;
        ASSERT_LE(omer, 49) << texte;
        const LigneOmer& l = it->second[static_cast<std::size_t>(omer)];
        EXPECT_EQ(l.date_hebraique, DateHebraique(ah, mh, jh)) << texte;
        EXPECT_EQ(l.date_civile, DateCivile(ac, mc, jc)) << texte;
        EXPECT_EQ(l.compte, std::to_string(omer)) << texte;
        ++jours[ah];
    }
    ASSERT_EQ(jours.size(), 201u);
    for (const auto& [annee, n] : jours) {
        EXPECT_EQ(n, 49) << annee;
    }
}

TEST(TableOmer, AnneesDuDebutDeLEre)
{
    // Hebrew year 1: the spring of civil year 3760 before the first, written
    // -3760 (there is no year 0); Julian dates.
    const TableOmer t = table_omer(1, Textes{});
    EXPECT_EQ(t[1].date_civile.annee, -3759);
    EXPECT_TRUE(t[1].date.ends_with(" -3760")) << t[1].date;
    EXPECT_EQ(engine::hebraique_du_civil(t[1].date_civile), DateHebraique(1, 8, 16));
    // The last year whose Omer the engine converts.
    const TableOmer fin = table_omer(13759, Textes{});
    EXPECT_EQ(fin[50].date_civile.annee, 9999);
    EXPECT_EQ(engine::hebraique_du_civil(fin[50].date_civile), DateHebraique(13759, 10, 6));
}

TEST(TextesOmer, LignesEtChampsManquantsDonnentDesTextesVides)
{
    const std::string long_texte(70, 'a');
    const Textes t = textes_omer({
        "phrase\tz\"f }syn\t'a",
        "phrase sans tabulation",
        "phrase\tseulement le premier",
        "\t\t",
        "x\t" + long_texte + "\t" + std::string(30, 'b'),
        "x\tpremier\tsecond\tquatrieme champ",
    });
    EXPECT_EQ(t[0].premier, "z\"f }syn");
    EXPECT_EQ(t[0].second, "'a");
    EXPECT_EQ(t[1].premier, "");
    EXPECT_EQ(t[1].second, "");
    EXPECT_EQ(t[2].premier, "seulement le premier");
    EXPECT_EQ(t[2].second, "");
    EXPECT_EQ(t[3].premier, "");
    EXPECT_EQ(t[3].second, "");
    // The line is read to 80 characters: 2 + 70 + 1 leave 7 of the second
    // text, under its own cut at 20.
    EXPECT_EQ(t[4].premier, long_texte);
    EXPECT_EQ(t[4].second, std::string(80 - 2 - 70 - 1, 'b'));
    EXPECT_EQ(t[5].second, "second");
    // Days the file does not reach.
    for (std::size_t i = 6; i < t.size(); ++i) {
        EXPECT_EQ(t[i].premier, "") << i;
        EXPECT_EQ(t[i].second, "") << i;
    }
    const Textes vide = textes_omer({});
    EXPECT_TRUE(std::all_of(vide.begin(), vide.end(), [](const TextesDuJourOmer& x) {
        return x.premier.empty() && x.second.empty();
    }));
    // Twenty characters at most of the second text.
    const Textes coupe = textes_omer({"x\ty\t" + std::string(25, 'b')});
    EXPECT_EQ(coupe[0].second, std::string(20, 'b'));
}

TEST(TextesOmer, FichierDuRepertoireDuProgramme)
{
    platform::test_support::TemporaryDirectory dir;
    EXPECT_FALSE(lit_textes_omer(dir.path()).has_value());
    platform::write_lines(dir / "S_OMER.DTA", {"a\tb\tc", "d\te"});
    const auto t = lit_textes_omer(dir.path());
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ((*t)[0].premier, "b");
    EXPECT_EQ((*t)[0].second, "c");
    EXPECT_EQ((*t)[1].premier, "e");
    EXPECT_EQ((*t)[2].premier, "");
    // A short file fills the rows it has and leaves the others empty.
    const TableOmer table = table_omer(5785, *t);
    EXPECT_EQ(table[1].hebreu_1, "b");
    EXPECT_EQ(table[2].hebreu_1, "e");
    EXPECT_EQ(table[3].hebreu_1, "");
    EXPECT_EQ(table[50].hebreu_2, "");

    // Binary bytes and a line of 100 000 characters: read as far as they go.
    std::string octets(std::string("\x00\xff\t\x01\x80\tz", 7) + "\r\n" + std::string(100000, 'q') +
                       "\t" + std::string(50, 'r') + "\n");
    std::ofstream(dir / "S_OMER.DTA", std::ios::binary) << octets;
    const auto abime = lit_textes_omer(dir.path());
    ASSERT_TRUE(abime.has_value());
    EXPECT_EQ((*abime)[0].second, "z");
    EXPECT_EQ((*abime)[1].premier, "");
    EXPECT_EQ((*abime)[1].second, "");
    EXPECT_EQ(table_omer(5785, *abime)[50].compte, "CHAVOUOT");
}

// The delivered file, read byte for byte: 50 lines in CR LF, none past 80
// characters, and the texts decoded back to the Hebrew of the count.
TEST(TextesOmer, FichierLivreSeLitEnHebreu)
{
    const std::string octets = platform::read_bytes(donnees / "s_omer.dta");
    const std::vector<std::string> lignes = platform::split_lines(octets);
    ASSERT_EQ(lignes.size(), 50u);
    EXPECT_EQ(std::count(octets.begin(), octets.end(), '\n'), 50);
    EXPECT_EQ(octets.find("\n"), octets.find("\r\n") + 1);
    EXPECT_EQ(octets.find('\r', 0), octets.find("\r\n"));
    for (const std::string& l : lignes) {
        EXPECT_LE(l.size(), 80u) << l;
        ASSERT_EQ(champs(l).size(), 3u) << l;
        EXPECT_LE(champs(l)[2].size(), 20u) << l;
        EXPECT_TRUE(std::all_of(l.begin(), l.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << l;
    }
    const std::map<int, std::string> phrases = {
        {1, "היום יום אחד לעומר"},
        {7, "היום שבעה ימים שהם שבוע אחד לעומר"},
        {8, "היום שמונה ימים שהם שבוע אחד ויום אחד לעומר"},
        {14, "היום ארבעה עשר יום שהם שני שבועות לעומר"},
        {33, "היום שלשה ושלשים יום שהם ארבעה שבועות וחמשה ימים לעומר"},
        {49, "היום תשעה וארבעים יום שהם שבעה שבועות לעומר"},
        {50, "חג השבועות"},
    };
    for (const auto& [jour, phrase] : phrases) {
        EXPECT_EQ(en_hebreu(champs(lignes[static_cast<std::size_t>(jour - 1)])[0]), phrase) << jour;
    }
    const std::map<int, std::pair<std::string, std::string>> jours = {
        {1, {"ט\"ז ניסן", "א'"}},
        {7, {"כ\"ב ניסן", "ז' - א\"ש"}},
        {8, {"כ\"ג ניסן", "ח' - א\"ש וא\"י"}},
        {15, {"ל' ניסן", "ט\"ו - ב\"ש וא\"י"}},
        {16, {"א' אייר", "ט\"ז - ב\"ש וב\"י"}},
        {33, {"י\"ח אייר", "ל\"ג - ד\"ש וה\"י"}},
        {44, {"כ\"ט אייר", "מ\"ד - ו\"ש וב\"י"}},
        {45, {"א' סיון", "מ\"ה - ו\"ש וג\"י"}},
        {49, {"ה' סיון", "מ\"ט - ז\"ש"}},
        {50, {"ו' סיון", "שבועות"}},
    };
    const Textes t = textes_livres();
    for (const auto& [jour, textes] : jours) {
        const TextesDuJourOmer& j = t[static_cast<std::size_t>(jour - 1)];
        EXPECT_EQ(en_hebreu(j.premier), textes.first) << jour;
        EXPECT_EQ(en_hebreu(j.second), textes.second) << jour;
    }
}

TEST(TableOmer, LibelleDesAnnees)
{
    EXPECT_EQ(libelle_annees_omer(5785, 2025), "5785 correspond aux années civiles 2024 / 2025");
    // No year 0: Tichri 3761 is in the autumn of -1, Nissan in the spring of 1.
    EXPECT_EQ(libelle_annees_omer(3761, 1), "3761 correspond aux années civiles -1 / 1");
    EXPECT_EQ(libelle_annees_omer(3760, -1), "3760 correspond aux années civiles -2 / -1");
    EXPECT_EQ(nom_fichier_omer(2025), "OMER_2025.txt");
}

// "Enregistrer" and "Imprimer" of 2025 (5785: 16 Nissan on Monday 14
// April) against their golden files.
TEST(TableOmer, FichierEtImpressionDe2025)
{
    const TableOmer t = table_omer(5785, textes_livres());
    const std::vector<std::string> fichier = lignes_fichier_omer(t);
    ASSERT_EQ(fichier.size(), 52u);
    EXPECT_EQ(fichier[0], "Dates civiles          Compte du Omer");
    EXPECT_EQ(fichier[1], "Dimanche  13 Avril 2025      PESSAH");
    EXPECT_EQ(fichier[2], "Lundi     14 Avril 2025      1");
    EXPECT_EQ(fichier[51], "Lundi     2  Juin  2025      CHAVOUOT");
    test::compare_au_golden(platform::windows1252_file_bytes(fichier, "OMER_2025.txt"),
                            dossier_golden, "OMER_2025.txt");

    const std::vector<std::string> imprime = lignes_a_imprimer_omer(t, 5785, 2025);
    ASSERT_EQ(imprime.size(), 4u + 6u + 1u + 51u);
    EXPECT_EQ(imprime[5], "        COMPTE DU 'OMER");
    EXPECT_EQ(imprime[6], "        Année hébraïque :5785     Année civile :2025");
    EXPECT_EQ(imprime[4], "        " + std::string(44, '='));
    EXPECT_EQ(imprime[11], "        Dimanche    13 Avril 2025  --->  PESSAH");
    EXPECT_EQ(imprime[12], "        Lundi       14 Avril 2025  --->  1   jour du Omer");
    EXPECT_EQ(imprime.back(), "        Lundi       2  Juin  2025  --->  CHAVOUOT");
    test::compare_au_golden(platform::windows1252_file_bytes(imprime, "impression"), dossier_golden,
                            "impression_5785.txt");
}

TEST(GlossaireOmer, EntreeDuFichierLivre)
{
    const auto fichier = platform::read_lines(donnees / "glossair.dta");
    const std::vector<std::string> g = glossaire_omer(fichier);
    ASSERT_GT(g.size(), 5u);
    // This entry keeps the end of its title line.
    EXPECT_EQ(g.front(), "@Compte du 'Omer@\tLa Sefirat Haomer, de Pessa'h à Chavouot.");
    EXPECT_EQ(g.back(), "soir le compte en hébreu.");
    EXPECT_TRUE(std::none_of(g.begin() + 1, g.end(), [](const std::string& l) {
        return l.find('@') != std::string::npos;
    }));
    EXPECT_EQ(glossaire_omer({"@Autre@", "texte"}),
              std::vector<std::string>{message_glossaire_absent(cle_glossaire_omer)});
}

} // namespace
} // namespace orvane::events
