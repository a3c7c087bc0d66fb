// "lieu_ini.cal" written and read back, its damaged lines refused; the days
// of the date lists brought into their month; the Tossefet questions of
// each kind of place and what each answer keeps.
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "tables/tossefet_questions.h"
#include "tables/window_state.h"

#include <gtest/gtest.h>

namespace orvane::tables
{
namespace
{

EtatFenetreHoraires paris()
{
    EtatFenetreHoraires e;
    e.lieu = {"PARIS (75)", "France", "48°52N", "2°20E", "+1"};
    e.debut = {2025, 1, 1};
    e.fin = {2025, 12, 31};
    e.opinion = "Or Méïr";
    e.increment = 5;
    return e;
}

TEST(EtatDeLaFenetre, EcritPuisRelu)
{
    platform::test_support::TemporaryDirectory dossier;
    cre_fic_conf_lieu_init_cal(dossier.path(), paris());
    const auto lignes = platform::read_lines(dossier.path() / "lieu_ini.cal");
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes[0], "PARIS (75)\tFrance\t48°52N\t2°20E\t+1\t1/1/2025\t31/12/2025\tOr "
                         "Méïr\t5\t");
    EXPECT_EQ(lit_etat_fenetre(dossier.path()), paris());
    EXPECT_FALSE(lit_etat_fenetre(dossier.path() / "absent"));
}

TEST(EtatDeLaFenetre, LignesAbimees)
{
    EXPECT_FALSE(lit_ligne_etat(""));
    EXPECT_FALSE(lit_ligne_etat("PARIS\tFrance\t48°52N\t2°20E\t+1\t1/1/2025\t31/12\tOr\t1\t"));
    EXPECT_FALSE(lit_ligne_etat("PARIS\tFrance\t48°52N\t2°20E\t+1\t1/x/2025\t3/1/2025\tOr\t1\t"));
    EXPECT_FALSE(lit_ligne_etat("PARIS\tFrance\t48°52N\t2°20E\t+1\t1/1/2025\t3/1/2025\tOr\tdix\t"));
    // A day past its month is brought back into it; the increment into 1..31.
    const auto e =
        lit_ligne_etat("PARIS\tFrance\t48°52N\t2°20E\t+1\t31/2/2025\t31/4/2025\tOr\t99\t");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->debut, engine::DateCivile(2025, 2, 28));
    EXPECT_EQ(e->fin, engine::DateCivile(2025, 4, 30));
    EXPECT_EQ(e->increment, 31);
}

TEST(ListesDeDates, LesJoursQuiNExistentPas)
{
    EXPECT_EQ(date_des_listes(31, 2, 2025), engine::DateCivile(2025, 2, 28));
    EXPECT_EQ(date_des_listes(31, 2, 2024), engine::DateCivile(2024, 2, 29));
    EXPECT_EQ(date_des_listes(31, 4, 2025), engine::DateCivile(2025, 4, 30));
    EXPECT_EQ(date_des_listes(31, 12, 2025), engine::DateCivile(2025, 12, 31));
    // The first Hebrew year of the list begins on 30 September 1989.
    EXPECT_EQ(date_des_listes(30, 9, 1989), engine::DateCivile(1989, 9, 30));
    EXPECT_EQ(engine::hebraique_du_civil(date_des_listes(30, 9, 1989)),
              engine::DateHebraique(5750, 1, 1));
}

TEST(QuestionsTossefet, ChaqueSorteDeLieu)
{
    const places::Place marseille{"MARSEILLE (13)", "France", "43°18N", "5°24E", "+1"};
    const places::Place jerusalem{"Jérusalem", "Israël", "31°46N", "35°13E", "+2"};
    const places::Place haifa{"Haïfa", "Israël", "32°49N", "34°59E", "+2"};
    const places::Place paris{"PARIS (75)", "France", "48°52N", "2°20E", "+1"};
    auto q = question_tossefet(marseille, 18);
    ASSERT_TRUE(q);
    EXPECT_TRUE(q->marseille);
    EXPECT_EQ(q->texte.rfind("Il existe des horaires d'entrée et de sortie de Chabbat spécifiques "
                             "au Beth Din de Marseille.\r",
                             0),
              0u);
    auto t = tossefet_retenue(q, ReponseTossefet::oui, 18);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->tossefet, 20);
    EXPECT_TRUE(t->sortie_marseille);
    t = tossefet_retenue(q, ReponseTossefet::non, 18);
    EXPECT_EQ(t->tossefet, 18);
    EXPECT_FALSE(t->sortie_marseille);
    EXPECT_FALSE(tossefet_retenue(q, ReponseTossefet::annuler, 18));

    // Jerusalem with the box at 18: 40 proposed, the box's value named.
    q = question_tossefet(jerusalem, 18);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->valeur_oui, 40);
    EXPECT_NE(q->texte.find("appliquer la valeur de 18 choisie sur la boîte \"Tossefet, entrée "
                            "Chab.\"\r"),
              std::string::npos);
    EXPECT_FALSE(question_tossefet(jerusalem, 40));
    // Another city of Israel: 20.
    q = question_tossefet(haifa, 18);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->valeur_oui, 20);
    EXPECT_EQ(tossefet_retenue(q, ReponseTossefet::oui, 18)->tossefet, 20);
    EXPECT_FALSE(question_tossefet(haifa, 20));
    // The Diaspora: 18, asked only when the box differs.
    EXPECT_FALSE(question_tossefet(paris, 18));
    q = question_tossefet(paris, 15);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->valeur_oui, 18);
    EXPECT_EQ(tossefet_retenue(q, ReponseTossefet::non, 15)->tossefet, 15);
    // No question: the box as it is.
    EXPECT_EQ(tossefet_retenue(std::nullopt, ReponseTossefet::annuler, 18)->tossefet, 18);
}

} // namespace
} // namespace orvane::tables
