// The times by latitude: the whole of "latitude.txt" against its golden file,
// its blocks and lines counted, each line against the times of the day
// computed on their own, the polar days, and the file read back.
#include "tables/latitudes.h"

#include "golden_file.h"
#include "platform/temporary_directory.h"
#include "zmanim/day/day_times.h"
#include "zmanim/settings/opinions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace orvane::tables
{
namespace
{

const std::filesystem::path dossier_golden = ORVANE_SOURCE_DIR "/tests/tables/golden";

/// Heading, titles, 272 latitudes, a line of one blank.
constexpr std::size_t lignes_par_bloc = 2 + 272 + 1;

const TableLatitudes& table_paris()
{
    static const TableLatitudes t = table_latitudes("2°20E", {});
    return t;
}

std::vector<std::string> cellules(const std::string& ligne)
{
    std::vector<std::string> c(1);
    for (char ch : ligne) {
        if (ch == '\t') {
            c.emplace_back();
        } else {
            c.back() += ch;
        }
    }
    return c;
}

/// The seven cells of one day as a day computed on its own gives them, at
/// zone +1 without summer time (the table's Universal Time + 1).
std::vector<std::string> cellules_attendues(const std::string& latitude,
                                            const engine::DateCivile& d, std::string_view opinion)
{
    zmanim::ZmanimSettings reglages;
    zmanim::DayTimes j;
    zmanim::horaires_du_jour(
        {engine::jour_semaine(d), d, latitude, "2°20E", "+1", std::string(opinion), 0}, reglages,
        j);
    EXPECT_FALSE(j.erreur_horaires);
    if (j.jour_polaire) {
        const bool dessus = j.message_polaire == "Le soleil est toujours au-dessus de l'horizon";
        return {"Le", "soleil", "est", "toujours", dessus ? "dessus" : "sous", "l'horizon", ""};
    }
    std::vector<std::string> c;
    for (const zmanim::TexteHoraire* t :
         {&j.heureA, &j.heureT, &j.heureL, &j.heureC, &j.heureTSE, &j.heureSOR, &j.heureN}) {
        c.push_back(t->definie() ? t->heures + ":" + t->minutes : "--");
    }
    return c;
}

TEST(TexteLatitude, DegresMinutesEtN)
{
    EXPECT_EQ(texte_latitude_table(0), "0°0N");
    EXPECT_EQ(texte_latitude_table(1), "0°15N");
    EXPECT_EQ(texte_latitude_table(3), "0°45N");
    EXPECT_EQ(texte_latitude_table(4), "1°0N");
    EXPECT_EQ(texte_latitude_table(195), "48°45N");
    EXPECT_EQ(texte_latitude_table(271), "67°45N");
}

// The whole file for the window's default longitude, byte for byte.
TEST(TableLatitudes, LeFichierCommeLeGoldenLeGarde)
{
    ASSERT_FALSE(table_paris().refusee()) << table_paris().erreur;
    platform::test_support::TemporaryDirectory dir;
    ecrit_latitudes(dir.path(), table_paris());
    orvane::test::compare_au_golden(orvane::test::octets_du_fichier(dir / "latitude.txt"),
                                    dossier_golden, "latitude_2E20.txt");
}

TEST(TableLatitudes, SixBlocsDe272Latitudes)
{
    const std::vector<std::string>& l = table_paris().lignes;
    ASSERT_EQ(l.size(), 6 * lignes_par_bloc);
    const std::string titres = "\tAube\tTeph\tLever\tCouch\tTset\tSortie\tNuit";
    for (std::size_t o = 0; o < 6; ++o) {
        const std::string avis(zmanim::opinions_accueil[o]);
        const std::size_t debut = o * lignes_par_bloc;
        const std::string sept(7, '\t');
        EXPECT_EQ(l[debut], "Equi Printemps\t" + avis + sept + "Solt Eté\t" + avis + sept +
                                "Equi Automne\t" + avis + sept + "Solt Hiver\t" + avis);
        EXPECT_EQ(l[debut + 1], titres + titres + titres + titres);
        for (int k = 0; k < lignes_par_opinion; ++k) {
            const std::string& ligne = l[debut + 2 + static_cast<std::size_t>(k)];
            const std::vector<std::string> c = cellules(ligne);
            ASSERT_EQ(c.size(), 1u + 28u + 1u) << ligne; // the last cell follows the last tab
            const std::string latitude =
                std::to_string(k / 4) + "°" + std::to_string(k % 4 * 15) + "N";
            EXPECT_EQ(c.front(), latitude);
            EXPECT_EQ(c.back(), "") << "every time is followed by a tab";
        }
        EXPECT_EQ(l[debut + lignes_par_bloc - 1], " ");
    }
    EXPECT_EQ(l[2].rfind("0°0N\t05:54\t06:15\t06:55\t19:01\t", 0), 0u) << l[2];
}

// Each day of each line is the day computed on its own: the table's zone
// "0" with the forced hour of summer time is zone +1 without it. Every
// fourth latitude of every opinion, and the last ones, where the polar
// days begin.
TEST(TableLatitudes, ChaqueJourCommeLesHorairesDuJour)
{
    const std::vector<std::string>& l = table_paris().lignes;
    ASSERT_EQ(l.size(), 6 * lignes_par_bloc);
    for (std::size_t o = 0; o < 6; ++o) {
        for (int k = 0; k < lignes_par_opinion; ++k) {
            if (k % 4 != 1 && k < 260) {
                continue;
            }
            const std::vector<std::string> c =
                cellules(l[o * lignes_par_bloc + 2 + static_cast<std::size_t>(k)]);
            for (std::size_t d = 0; d < dates_latitudes.size(); ++d) {
                const std::vector<std::string> attendu = cellules_attendues(
                    texte_latitude_table(k), dates_latitudes[d], zmanim::opinions_accueil[o]);
                const std::vector<std::string> obtenu(c.begin() + 1 + 7 * d,
                                                      c.begin() + 1 + 7 * (d + 1));
                EXPECT_EQ(obtenu, attendu) << zmanim::opinions_accueil[o] << " "
                                           << texte_latitude_table(k) << " date " << d;
            }
        }
    }
}

// A polar day writes its mark, never the times of the latitude before it;
// once the sun stays up (21 June) or down (21 December) it does so at every
// latitude further north, and the other two days never are polar.
TEST(TableLatitudes, LesJoursPolairesSansHeuresRestees)
{
    const std::vector<std::string>& l = table_paris().lignes;
    ASSERT_EQ(l.size(), 6 * lignes_par_bloc);
    for (std::size_t o = 0; o < 6; ++o) {
        std::array<bool, 4> polaire{};
        std::array<int, 4> premier{-1, -1, -1, -1};
        for (int k = 0; k < lignes_par_opinion; ++k) {
            const std::vector<std::string> c =
                cellules(l[o * lignes_par_bloc + 2 + static_cast<std::size_t>(k)]);
            for (std::size_t d = 0; d < 4; ++d) {
                const bool p = c[1 + 7 * d] == "Le";
                if (polaire[d]) {
                    EXPECT_TRUE(p) << texte_latitude_table(k) << " date " << d;
                }
                if (p && !polaire[d]) {
                    premier[d] = k;
                }
                polaire[d] = polaire[d] || p;
                if (p) {
                    for (std::size_t i = 1; i <= 7; ++i) {
                        EXPECT_EQ(c[7 * d + i].find(':'), std::string::npos)
                            << texte_latitude_table(k) << " date " << d;
                    }
                    EXPECT_EQ(c[5 + 7 * d], d == 1 ? "dessus" : "sous");
                }
            }
        }
        EXPECT_EQ(premier[0], -1);
        EXPECT_EQ(premier[2], -1);
        // With 34′ of refraction and the sun's radius the midnight sun begins
        // a little south of the polar circle, the polar night north of it.
        EXPECT_EQ(texte_latitude_table(premier[1]), "65°45N");
        EXPECT_EQ(texte_latitude_table(premier[3]), "67°30N");
    }
}

// The program's summer-time mode does not move the table: its hour is forced.
TEST(TableLatitudes, LHeureDEteForcee)
{
    zmanim::ContexteCalcul hiver;
    hiver.mode_ete = zmanim::ModeEte::hiver_toute_annee;
    EXPECT_EQ(table_latitudes("2°20E", {}, hiver).lignes, table_paris().lignes);
    const TableLatitudes jerusalem = table_latitudes("35°13E", {});
    ASSERT_EQ(jerusalem.lignes.size(), table_paris().lignes.size());
    EXPECT_NE(jerusalem.lignes[2], table_paris().lignes[2]);
}

TEST(TableLatitudes, LongitudeRefusee)
{
    const TableLatitudes t = table_latitudes("2°20X", {});
    ASSERT_TRUE(t.refusee());
    EXPECT_NE(t.erreur.find("Veuillez définir la longitude Est (E) ou Ouest (O) ou West (W)"),
              std::string::npos)
        << t.erreur;
    EXPECT_TRUE(t.lignes.empty());
    platform::test_support::TemporaryDirectory dir;
    ecrit_latitudes(dir.path(), t);
    EXPECT_TRUE(dir.entries().empty());
    EXPECT_TRUE(table_latitudes("", {}).refusee());
}

// "latitude.txt" read back: CR LF after every line, Windows-1252 letters.
TEST(FichierLatitudes, RelluOctetParOctet)
{
    platform::test_support::TemporaryDirectory dir;
    ecrit_latitudes(dir.path(), table_paris());
    const std::string octets = orvane::test::octets_du_fichier(dir / "latitude.txt");
    std::size_t lf = 0, crlf = 0;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        lf += octets[i] == '\n';
        crlf += octets[i] == '\n' && i > 0 && octets[i - 1] == '\r';
    }
    EXPECT_EQ(lf, 6 * lignes_par_bloc);
    EXPECT_EQ(crlf, lf);
    EXPECT_EQ(octets.rfind("Equi Printemps\tOr M\xE9\xEFr\t", 0), 0u);
    EXPECT_NE(octets.find("\r\n0\xB0"
                          "0N\t"),
              std::string::npos);
    EXPECT_NE(octets.find("Maguen Abraham (pav\xE9)"), std::string::npos);
}

} // namespace
} // namespace orvane::tables
