// Weekly readings and special Sabbaths: the worked years, then the order of
// the readings over every year.

#include "engine/calendar_engine.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "events/readings/parachiot.h"
#include "events/year_walk.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

/// Labels of a Saturday given by its Hebrew date.
LibellesDuJour chabbat(CalendarEngine& e, int annee, int mois, int jour, bool diaspora = true)
{
    e.convertit_hebreu_civil(annee, mois, jour);
    EXPECT_EQ(e.jour_semaine, 7) << jour << "/" << mois << "/" << annee;
    LibellesDuJour l = libelles_du_jour(e, diaspora);
    paracha_du_jour(e, diaspora, l, "  ");
    return l;
}

// On the weekdays of 'Hanouka the reading is the table's filler of dashes:
// no reading is given, every year; on its Sabbath the reading of the week.
TEST(TexteParacha, LesJoursDeSemaineDeHanoukaNOntPasDeLecture)
{
    CalendarEngine e;
    for (int annee = 5700; annee < 5800; ++annee) {
        for (int jour = 25; jour <= 29; ++jour) {
            e.convertit_hebreu_civil(annee, 3, jour);
            LibellesDuJour l = libelles_du_jour(e, true);
            paracha_du_jour(e, true, l, "  ");
            const std::string texte = texte_paracha(l);
            if (e.jour_semaine != 7) {
                ASSERT_EQ(texte, "") << jour << " Kislev " << annee;
            } else {
                ASSERT_FALSE(texte.empty()) << jour << " Kislev " << annee;
                ASSERT_EQ(texte.find("--"), std::string::npos) << texte;
            }
        }
    }
}

TEST(PreparerParachiot, TablesDesAnneesCommunesEtEmbolismiques)
{
    CalendarEngine e;
    e.annee_hebr = 5785; // common, Thursday, complete: R 5, S 60
    e.annee_civile = 2025;
    e.calcule_annee();
    const TablesParachiot t = prepare_parachiot(e, true);
    EXPECT_EQ(t.lectures_doubles, (std::array<int, 8>{0, 150, 77, 79, 82, 150, 92, 150}));
    EXPECT_EQ(t.semaines_fetes[3], 1);
    EXPECT_EQ(t.semaines_fetes[4], 2);
    EXPECT_EQ(t.semaines_fetes[5], 2);

    e.annee_hebr = 5784; // leap, Saturday, deficient: R 7, S 58
    e.annee_civile = 2024;
    e.calcule_annee();
    const TablesParachiot b = prepare_parachiot(e, true);
    EXPECT_EQ(b.lectures_doubles, (std::array<int, 8>{0, 150, 150, 150, 150, 150, 92, 101}));
}

// 5785 in the Diaspora: Haazinou on 3 Tichri, Berèchit on 24 Tichri,
// Vayakhel and Pekoudé apart, Tazria-Metsora, A'harè-Mot-Kedochim,
// Behar-Be'houkotaï and Matot-Mass'è joined, Nitsavim alone on 27 Eloul.
TEST(ParachaDuJour, Annee5785EnDiaspora)
{
    CalendarEngine e;
    EXPECT_EQ(chabbat(e, 5785, 1, 3).indice_fete, 50);
    EXPECT_EQ(chabbat(e, 5785, 1, 3).libelle_court, "Chouva ");
    EXPECT_EQ(chabbat(e, 5785, 1, 3).texte_chabbat, "  Chabbat Chouva ");
    EXPECT_EQ(chabbat(e, 5785, 1, 24).indice_fete, 51);
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 1, 24)), "Berèchit");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 6, 22)), "Vayakhel");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 6, 29)), "Pekoudé");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 9, 5)), "Tazria      Metsora");
    EXPECT_EQ(chabbat(e, 5785, 9, 5).libelle_paracha, "Metsora*****");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 9, 12)), "A'harè-Mot  Kedochim");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 9, 26)), "Behar       Be'houkotaï");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 12, 1)), "Matot       Mass'è");
    EXPECT_EQ(texte_paracha(chabbat(e, 5785, 13, 27)), "Nitsavim");
    EXPECT_EQ(chabbat(e, 5785, 13, 27).libelle_paracha, "************");
}

// 5779 in the Diaspora: Tazria and Metsora apart; 22 Nissan (a Saturday) is
// a festival day; Israel reads A'harè-Mot that day and stays a reading ahead
// until Matot and Mass'è, which Israel reads apart and the Diaspora joins.
TEST(ParachaDuJour, Annee5779DiasporaEtIsrael)
{
    CalendarEngine e;
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 8, 1)), "Tazria");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 8, 8)), "Metsora");
    EXPECT_EQ(chabbat(e, 5779, 8, 22, true).indice_fete, 10);
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 8, 22, true)), "");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 8, 22, false)), "A'harè-Mot");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 8, 29, true)), "A'harè-Mot");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 8, 29, false)), "Kedochim");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 12, 2, true)), "Matot       Mass'è");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 11, 24, false)), "Matot");
    EXPECT_EQ(texte_paracha(chabbat(e, 5779, 12, 2, false)), "Mass'è");
}

TEST(ParachaDuJour, DebutDeTichri)
{
    CalendarEngine e;
    // 5784 began on Saturday: Haazinou on Saturday 8 Tichri.
    EXPECT_EQ(chabbat(e, 5784, 1, 8).indice_fete, 50);
    // 5786 begins on Tuesday: Vayèlekh on 5 Tichri, Haazinou on 12 Tichri.
    EXPECT_EQ(chabbat(e, 5786, 1, 5).indice_fete, 49);
    EXPECT_EQ(chabbat(e, 5786, 1, 12).indice_fete, 50);
    EXPECT_EQ(texte_paracha(chabbat(e, 5786, 1, 5)), "Vayèlekh");
    // 5783 began on Monday: Vayèlekh on 6 Tichri, Haazinou on 13 Tichri.
    EXPECT_EQ(chabbat(e, 5783, 1, 13).indice_fete, 50);
    EXPECT_EQ(chabbat(e, 5783, 1, 6).indice_fete, 49);
}

TEST(ParachaDuJour, ChabbatDeHanoukaGardeLaFeteEtDonneLaLecture)
{
    CalendarEngine e;
    const LibellesDuJour l = chabbat(e, 5785, 3, 27);
    EXPECT_EQ(l.indice_fete, 16);
    EXPECT_EQ(l.libelle_paracha, "Mikets******");
    EXPECT_EQ(texte_paracha(l), "Mikets");
}

TEST(ParachaDuJour, ChabbatsSpeciaux)
{
    CalendarEngine e;
    // 5785 (common): Chekalim on 1 Adar, Zakhor on 8 Adar, Para on 22 Adar,
    // Hahodech on 29 Adar, Hagadol on 14 Nissan.
    EXPECT_EQ(chabbat(e, 5785, 6, 1).libelle_court, "Chekalim ");
    EXPECT_EQ(chabbat(e, 5785, 6, 1).texte_chabbat, "  Chabbat Chekalim ");
    EXPECT_EQ(chabbat(e, 5785, 6, 8).libelle_court, "Zakhor ");
    EXPECT_EQ(chabbat(e, 5785, 6, 22).libelle_court, "Para ");
    EXPECT_EQ(chabbat(e, 5785, 6, 29).libelle_court, "Hahodech ");
    EXPECT_EQ(chabbat(e, 5785, 8, 14).libelle_court, "Hagadol ");
    EXPECT_EQ(nom_chabbat_special(chabbat(e, 5785, 8, 14)), "Hagadol");
    EXPECT_EQ(chabbat(e, 5785, 6, 15).texte_chabbat, ""); // Chouchan Pourim
    // 5784 (leap): Chekalim on 29 Adar I, Zakhor on 13 Adar II, Hahodech on
    // 27 Adar II. 5778: 1 Nissan is a Saturday, Hahodech.
    EXPECT_EQ(chabbat(e, 5784, 6, 29).libelle_court, "Chekalim ");
    EXPECT_EQ(chabbat(e, 5784, 7, 13).libelle_court, "Zakhor ");
    EXPECT_EQ(chabbat(e, 5784, 7, 27).libelle_court, "Hahodech ");
    EXPECT_EQ(chabbat(e, 5778, 8, 1).libelle_court, "Hahodech ");
    EXPECT_EQ(chabbat(e, 5778, 8, 1).texte_chabbat_long, "Hahodech ");
}

TEST(ParachaDuJour, LesAutresJoursNeChangentRien)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(5785, 1, 24);
    e.convertit_hebreu_civil(5785, 1, 25); // Sunday
    LibellesDuJour l = libelles_du_jour(e, true);
    const LibellesDuJour avant = l;
    paracha_du_jour(e, true, l);
    EXPECT_EQ(l.indice_fete, avant.indice_fete);
    EXPECT_EQ(l.libelle_paracha, avant.libelle_paracha);
}

/// The reading indexes of a Saturday, pairs expanded; Vayèlekh and Haazinou
/// read early in Tichri counted as the last readings of the cycle.
std::vector<int> lectures(const LibellesDuJour& l)
{
    int i = l.indice_fete;
    if (i == fete_hanouka_jour) {
        for (int k = 51; k <= derniere_lecture; ++k) {
            if (libelles_fetes[static_cast<std::size_t>(k)] == l.libelle_paracha) {
                return {k};
            }
        }
        return {-1};
    }
    if (i < premiere_lecture) {
        return {};
    }
    if (i == 49 || i == 50) {
        i += 53;
    }
    if (l.libelle_paracha.find_first_not_of('*') != std::string::npos) {
        return {i, i + 1};
    }
    return {i};
}

// Every Saturday has exactly one reading or one festival, and from one Simha
// Torah to the next the readings Berèchit .. Haazinou come in order, each
// once, alone or joined.
TEST(ParachaDuJour, OrdreDesLecturesSurToutesLesAnnees)
{
    CalendarEngine e;
    for (bool diaspora : {true, false}) {
        std::vector<int> suite;
        bool apres_simha_tora = false;
        for (int annee = 3860; annee <= 13759; ++annee) {
            pour_chaque_jour_de_l_annee(e, annee, [&] {
                const bool fin_des_fetes = e.mois_hebr == 1 && e.jour_hebr == (diaspora ? 23 : 22);
                if (fin_des_fetes) {
                    if (apres_simha_tora) {
                        std::vector<int> attendu;
                        for (int i = 51; i <= 103; ++i) {
                            attendu.push_back(i);
                        }
                        ASSERT_EQ(suite, attendu) << annee << (diaspora ? " Diaspora" : " Israël");
                    }
                    suite.clear();
                    apres_simha_tora = true;
                }
                if (e.jour_semaine != 7) {
                    return;
                }
                LibellesDuJour l = libelles_du_jour(e, diaspora);
                paracha_du_jour(e, diaspora, l);
                const std::vector<int> ce_chabbat = lectures(l);
                const bool fete = l.indice_fete > 0 && l.indice_fete < premiere_lecture &&
                                  l.indice_fete != fete_hanouka_jour;
                ASSERT_TRUE(ce_chabbat.empty() == fete)
                    << annee << " " << e.mois_hebr << "/" << e.jour_hebr;
                suite.insert(suite.end(), ce_chabbat.begin(), ce_chabbat.end());
            });
        }
    }
}

} // namespace
} // namespace orvane::events
