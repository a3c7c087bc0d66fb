// The sabbatical and jubilee years under the two counts: the worked years
// (5782, 5789, 5734, 5749, 5750), the cycles over every year of the engine
// and beyond, the description of a year, the next Chemita and Yovel, the
// texts of the window and its glossary.
#include "events/glossary_entry.h"
#include "events/omer/omer_glossary.h"
#include "events/omer/shemita.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::events
{
namespace
{

constexpr AvisChemita yehouda = AvisChemita::rabbi_yehouda;
constexpr AvisChemita hakhamim = AvisChemita::hakhamim;

/// The mark of a year in a strip that does not start at year 1.
std::string_view marque(int annee, AvisChemita avis)
{
    return marque_annee(annee, annee > 8 ? annee - 8 : 1, avis);
}

TEST(Chemita, AnneesDeNotreTemps)
{
    EXPECT_EQ(marque(5782, yehouda), "CH");
    EXPECT_EQ(marque(5789, yehouda), "CH");
    EXPECT_EQ(marque(5785, yehouda), "");
    // 5734 = 49 × 117 + 1: a Yovel, and the first year of a cycle.
    EXPECT_EQ(marque(5734, yehouda), "Y");
    EXPECT_EQ(description_annee(5734, yehouda), "1re Année du 820e cycle de Chemita");
    EXPECT_EQ(marque(5750, hakhamim), "Y");
    EXPECT_EQ(description_annee(5750, hakhamim), "Année du Yovel");
    EXPECT_EQ(marque(5749, hakhamim), "CH");
    EXPECT_EQ(marque(5750, yehouda), "");
    EXPECT_EQ(marque(5734, hakhamim), "");
}

TEST(Chemita, BandeAutourDe5785)
{
    const int premiere = premiere_annee_autour_de(5785);
    EXPECT_EQ(premiere, 5777);
    EXPECT_EQ(annee_decrite(premiere), 5785);
    const auto m = marques_de_la_bande(premiere, yehouda);
    std::vector<int> chemita;
    for (int i = 0; i < annees_de_la_bande; ++i) {
        EXPECT_EQ(m[static_cast<std::size_t>(i)], marque_annee(premiere + i, premiere, yehouda));
        if (m[static_cast<std::size_t>(i)] == "CH") {
            chemita.push_back(premiere + i);
        }
    }
    EXPECT_EQ(chemita, (std::vector<int>{5782, 5789}));
    EXPECT_EQ(description_annee(5785, yehouda), "3e Année du 827e cycle de Chemita");
}

// Rabbi Yehouda: each 49 years from 49k + 1 hold seven Chemita, at the
// ranks 7, 14 .. 49, and open with the Yovel (but the first).
// 'Hakhamim: each 50 years from 50k + 1 hold seven Chemita at the same
// ranks, and close with the Yovel. Checked over the strip's whole range.
TEST(Chemita, SeptChemitaParCycleSelonChaqueAvis)
{
    for (int debut = 1; debut + 49 <= premiere_annee_max + 16; debut += 49) {
        int ch = 0;
        for (int rang = 1; rang <= 49; ++rang) {
            const int annee = debut + rang - 1;
            const std::string_view m = marque(annee, yehouda);
            ASSERT_EQ(m == "CH", rang % 7 == 0) << annee;
            ASSERT_EQ(m == "Y", rang == 1 && annee > 1) << annee;
            ch += m == "CH";
        }
        ASSERT_EQ(ch, 7) << debut;
    }
    for (int debut = 1; debut + 50 <= premiere_annee_max + 16; debut += 50) {
        int ch = 0;
        for (int rang = 1; rang <= 50; ++rang) {
            const int annee = debut + rang - 1;
            const std::string_view m = marque(annee, hakhamim);
            ASSERT_EQ(m == "CH", rang % 7 == 0 && rang < 50) << annee;
            ASSERT_EQ(m == "Y", rang == 50) << annee;
            ch += m == "CH";
        }
        ASSERT_EQ(ch, 7) << debut;
    }
    // Seven years between two Chemita, one more across a Yovel of the 'Hakhamim.
    int precedente_yehouda = 0;
    int precedente_hakhamim = 0;
    for (int annee = 3860; annee <= 13759; ++annee) {
        if (marque(annee, yehouda) == "CH") {
            ASSERT_TRUE(precedente_yehouda == 0 || annee - precedente_yehouda == 7) << annee;
            precedente_yehouda = annee;
        }
        if (marque(annee, hakhamim) == "CH") {
            const int ecart = annee - precedente_hakhamim;
            ASSERT_TRUE(precedente_hakhamim == 0 || ecart == 7 || (ecart == 8 && annee % 50 == 7))
                << annee;
            precedente_hakhamim = annee;
        }
    }
}

TEST(Chemita, PremiereAnneeDeLaBande)
{
    // Year 1 follows no cycle: no Yovel in the strip that starts there.
    EXPECT_EQ(marque_annee(1, 1, yehouda), "");
    EXPECT_EQ(marques_de_la_bande(1, yehouda)[6], "CH");
    EXPECT_EQ(marque_annee(50, 34, yehouda), "Y");
    EXPECT_EQ(premiere_annee_autour_de(8), 8);
    EXPECT_EQ(premiere_annee_autour_de(9), 1);
    EXPECT_EQ(premiere_annee_autour_de(0), 1);
    EXPECT_EQ(premiere_annee_autour_de(40000), premiere_annee_max);
    EXPECT_EQ(annee_decrite(8), 8);
    EXPECT_EQ(annee_decrite(9), 17);
}

TEST(Chemita, DescriptionDUneAnnee)
{
    EXPECT_EQ(description_annee(1, yehouda), "1re Année du 1er cycle de Chemita");
    EXPECT_EQ(description_annee(7, yehouda), "7e Année du 1er cycle de Chemita");
    EXPECT_EQ(description_annee(8, yehouda), "1re Année du 2e cycle de Chemita");
    EXPECT_EQ(description_annee(49, hakhamim), "7e Année du 7e cycle de Chemita");
    EXPECT_EQ(description_annee(51, hakhamim), "1re Année du 8e cycle de Chemita");
    EXPECT_EQ(description_annee(5785, hakhamim), "7e Année du 810e cycle de Chemita");
    // After seven Yovel of the 'Hakhamim 49 cycles are complete: 351 starts
    // the 50th.
    EXPECT_EQ(description_annee(350, hakhamim), "Année du Yovel");
    EXPECT_EQ(description_annee(349, hakhamim), "7e Année du 49e cycle de Chemita");
    EXPECT_EQ(description_annee(351, hakhamim), "1re Année du 50e cycle de Chemita");
}

// Year after year the rank goes round 1..7 and the cycle number rises by
// one at each rank 1, under both counts; the Yovel of the 'Hakhamim stands
// outside the cycles.
TEST(Chemita, DescriptionsSeSuivent)
{
    for (AvisChemita avis : {yehouda, hakhamim}) {
        int rang = 0;
        int cycle = 0;
        for (int annee = 1; annee <= premiere_annee_max + 16; ++annee) {
            const std::string d = description_annee(annee, avis);
            if (avis == hakhamim && annee % 50 == 0) {
                ASSERT_EQ(d, "Année du Yovel");
                continue;
            }
            const int r = std::stoi(d);
            const int c = std::stoi(d.substr(d.find("du ") + 3));
            ASSERT_EQ(r, rang % 7 + 1) << annee << " " << d;
            ASSERT_EQ(c, r == 1 ? cycle + 1 : cycle) << annee << " " << d;
            rang = r;
            cycle = c;
        }
        EXPECT_EQ(cycle, avis == yehouda ? (premiere_annee_max + 16 + 6) / 7
                                         : (premiere_annee_max + 16) / 50 * 7 +
                                               ((premiere_annee_max + 16) % 50 + 6) / 7);
    }
}

TEST(Chemita, ProchainesChemitaEtYovel)
{
    EXPECT_EQ(texte_prochaine_chemita(5785), "Prochaine Chemita : 5789 (hébreu) ---> 2029 (civil)");
    EXPECT_EQ(texte_prochain_yovel(5785), "Prochain  Yovel   : 5832 (hébreu) ---> 2072 (civil)");
    EXPECT_EQ(prochaine_chemita(5789), 5789);
    EXPECT_EQ(prochain_yovel(5831), 5832);
    EXPECT_EQ(prochain_yovel(5832), 5881);
    for (int annee = 1; annee <= 13759; ++annee) {
        const int c = prochaine_chemita(annee);
        ASSERT_EQ(c % 7, 0) << annee;
        ASSERT_TRUE(c >= annee && c - annee < 7) << annee;
        ASSERT_EQ(marque(c, yehouda), "CH") << annee;
        const int y = prochain_yovel(annee);
        ASSERT_EQ(marque(y, yehouda), "Y") << annee;
        ASSERT_TRUE(y > c && y - c <= 49) << annee;
    }
    // Civil years before the era are written one lower.
    EXPECT_EQ(texte_prochaine_chemita(3755), "Prochaine Chemita : 3759 (hébreu) ---> -2 (civil)");
}

TEST(Chemita, TextesDeLaFenetre)
{
    EXPECT_EQ(texte_avis(yehouda, false), "(Selon Rabbi Yehouda)");
    EXPECT_EQ(texte_avis(hakhamim, false), "(Selon les 'Hakhamim)");
    EXPECT_EQ(texte_avis(yehouda, true), "(selon Rabbi Yehouda)");
    EXPECT_EQ(texte_avis(hakhamim, true), "(selon les 'Hakhamim)");
    EXPECT_EQ(texte_aujourdhui_yovel({2025, 1, 5}), "Aujourd'hui 5 Janvier2025 = 5 Tevet   5785");
    // 15 February 2024 is 6 Adar I of the leap year 5784.
    EXPECT_EQ(texte_aujourdhui_yovel({2024, 2, 15}), "Aujourd'hui 15 Février2024 = 6 Adar I  5784");
    EXPECT_EQ(texte_aujourdhui_yovel({2025, 3, 6}), "Aujourd'hui 6 Mars2025 = 6 Adar    5785");
}

TEST(GlossaireYovel, DeuxEntreesDuFichierLivre)
{
    const auto fichier =
        platform::read_lines(std::filesystem::path(ORVANE_SOURCE_DIR) / "data/glossair.dta");
    const std::vector<std::string> g = glossaire_yovel(fichier);
    ASSERT_GT(g.size(), 6u);
    EXPECT_EQ(g.front(), "@Chemita@\tL'année sabbatique");
    const auto yovel = std::find(g.begin(), g.end(), "@Yovel@\tLe jubilé");
    ASSERT_NE(yovel, g.end());
    EXPECT_TRUE(std::none_of(g.begin() + 1, yovel, [](const std::string& l) {
        return l.find('@') != std::string::npos;
    }));
    EXPECT_TRUE(g.back().starts_with("opinions")) << g.back();
    EXPECT_EQ(glossaire_yovel({"@Yovel@\tLe jubilé.", "texte"}),
              (std::vector<std::string>{message_glossaire_absent(cle_glossaire_chemita),
                                        "@Yovel@\tLe jubilé", "texte"}));
}

} // namespace
} // namespace orvane::events
