// Moladot, Birkat Halévana and the consistory files.

#include "../platform/temporary_directory.h"
#include "engine/calendar_engine.h"
#include "events/cycles/levana.h"
#include "events/cycles/molad_rows.h"
#include "events/festivals/consistory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;
using engine::DateCivile;

/// France's summer time since 1996: last Sunday of March to last Sunday of
/// October (the test's own rule).
bool ete_france(DateCivile d)
{
    const auto dernier_dimanche = [](int annee, int mois) {
        CalendarEngine e;
        for (int jour = 31;; --jour) {
            e.convertit_civil_hebreu(annee, mois, jour);
            if (e.jour_semaine == 1) {
                return jour;
            }
        }
    };
    if (d.mois < 3 || d.mois > 10) {
        return false;
    }
    if (d.mois > 3 && d.mois < 10) {
        return true;
    }
    const int limite = dernier_dimanche(d.annee, d.mois);
    return d.mois == 3 ? d.jour >= limite : d.jour < limite;
}

TEST(Moladot, Annee5784)
{
    const auto lignes = table_moladot(5784, 1, 1);
    ASSERT_EQ(lignes.size(), 2u + 13u);
    EXPECT_EQ(lignes[0], "      Moladot pour les années 5784");
    EXPECT_EQ(lignes[2],
              "      Tichri  : Vendredi 29  Eloul   5783  à  5h 49mn  0hl ( 0s) --->  15 "
              "Septembre 2023");
    EXPECT_EQ(lignes[9],
              "      Nissan  : Lundi    29  Adar II 5784  à 22h 57mn  7hl (23s) --->  8  "
              "Avril     2024");
    // A common year has no Adar II row.
    EXPECT_EQ(table_moladot(5785, 1, 1).size(), 2u + 12u);
    EXPECT_EQ(table_moladot(5785, 3, 1, 8).size(), 1u + 3u * 2u);
}

TEST(BirkatHalevana, LimitesEnFranceEtEnIsrael)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2025, 1, 5);
    OptionsLevana france;
    france.heure_ete = ete_france;
    // Molad of Tichri 5785: Thursday 3 October 2024 at 3 h 21 mn 13 hl.
    const LimiteLevana debut =
        limite_levana(e, 1, 5785, debut_levana_achkenaze, SorteLimite::debut, france);
    EXPECT_EQ(debut.civile, (DateCivile{2024, 10, 6}));
    EXPECT_EQ(debut.heures, 3); // 3 h 21 − 1 h 21 + summer hour
    EXPECT_EQ(debut.minutes, 0);
    EXPECT_TRUE(debut.ete);
    EXPECT_EQ(debut.texte, " 3h  0mn 13hl (43s)");
    const LimiteLevana fin = limite_levana(e, 1, 5785, fin_levana, SorteLimite::fin, france);
    EXPECT_EQ(fin.jour_hebr, 15);
    EXPECT_EQ(fin.civile, (DateCivile{2024, 10, 17}));
    EXPECT_EQ(fin.heures, 21);
    EXPECT_EQ(fin.minutes, 22);
    // The caller's date is left alone.
    EXPECT_EQ(e.annee_civile, 2025);
    EXPECT_EQ(e.jour_hebr, 5);

    OptionsLevana israel;
    israel.table = TableLevana::israel;
    israel.indique_nuit = true;
    const LimiteLevana i = limite_levana(e, 1, 5785, fin_levana, SorteLimite::fin, israel);
    EXPECT_EQ(i.heures, 21);
    const LimiteLevana jour =
        limite_levana(e, 2, 5785, debut_levana_achkenaze, SorteLimite::debut, israel);
    // Molad of Hechvan: Friday 1 November 2024 at 16 h 5 mn: the limit falls in daytime.
    EXPECT_EQ(jour.texte, "Nuit qui suit  Lundi    ");
}

// Summer time is looked up again for the day of the limit: the molad of
// Nissan 5785 (27 March 2025) is in winter time, the beginning of the
// blessing (30 March) in summer time.
TEST(BirkatHalevana, HeureDEteDuJourDeLaLimite)
{
    CalendarEngine e;
    OptionsLevana france;
    france.heure_ete = ete_france;
    e.calcule_molad_mois(8, 5785, true);
    const engine::EntreeMolad m = e.table_molad[8];
    ASSERT_FALSE(ete_france({m.annee_civile, m.mois_civil, m.jour_civil}));
    const LimiteLevana l =
        limite_levana(e, 8, 5785, debut_levana_achkenaze, SorteLimite::debut, france);
    EXPECT_TRUE(l.ete);
    OptionsLevana sans_ete;
    const LimiteLevana hiver =
        limite_levana(e, 8, 5785, debut_levana_achkenaze, SorteLimite::debut, sans_ete);
    EXPECT_EQ((l.heures * 60 + l.minutes) - (hiver.heures * 60 + hiver.minutes), 60);
}

// A limit never lands on a day its month does not have, whatever the year.
TEST(BirkatHalevana, DatesValidesSurDesSiecles)
{
    CalendarEngine e;
    OptionsLevana o;
    for (int annee = 3860; annee <= 13759; annee += 37) {
        for (int slot = 1; slot <= 13; ++slot) {
            if (slot == 7 && e.nb_mois == 12) {
                continue;
            }
            for (int offset : {debut_levana_achkenaze, debut_levana_sepharade, fin_levana}) {
                const LimiteLevana l = limite_levana(e, slot, annee, offset, SorteLimite::debut, o);
                CalendarEngine v;
                v.annee_hebr = l.annee_hebr;
                v.annee_civile = l.annee_hebr - 3760;
                v.calcule_annee();
                const int longueur = l.mois_hebr == 13 ? 29 : v.longueur_mois_hebr[l.mois_hebr];
                ASSERT_GE(l.jour_hebr, 1);
                ASSERT_LE(l.jour_hebr, longueur) << annee << " slot " << slot;
            }
        }
    }
}

TEST(BirkatHalevana, Tables)
{
    ChoixLevana choix;
    choix.options.heure_ete = ete_france;
    const auto france = table_levana(5785, choix);
    ASSERT_EQ(france.size(), 4u + 12u * 4u);
    EXPECT_EQ(france[0], "      Birkat Halévana : Année 5785 ( >>> pour la FRANCE <<< )");
    EXPECT_EQ(france[4].substr(0, 38), "      Tichri  : MOLAD               : ");
    EXPECT_EQ(france[5],
              "      TICHRI  : DEBUT LEVANA (ACHK) : Dimanche 4   Tichri  5785 dès  3h  0mn "
              "13hl (43s)     é  ---> 6  Octobre   2024");
    choix.limite_exacte = true;
    EXPECT_EQ(table_levana(5785, choix).size(), 3u + 12u * 4u);
    choix.options.table = TableLevana::israel;
    const auto israel = table_levana(5784, choix);
    EXPECT_EQ(israel.size(), 1u + 13u * 3u);
    EXPECT_EQ(israel[0], "      Birkat Halévana : Année 5784 ( >>> pour ISRAEL <<< )");
}

TEST(FichiersCiop, CreesDansLeurDossier)
{
    platform::test_support::TemporaryDirectory dir;
    ChoixLevana choix;
    choix.options.heure_ete = ete_france;
    std::vector<FichierCiop> fichiers = fichiers_levana_ciop(5785, choix);
    fichiers.push_back(fichier_fetes_ciop(5785, {"a", "b"}));
    ASSERT_EQ(fichiers.size(), 6u);
    ecrit_fichiers_ciop(dir.path(), fichiers);
    const auto levana = platform::read_lines(dir.path() / "fetes_ciop" / "b_levana_ciop_5785.txt");
    ASSERT_EQ(levana.size(), 2u + 12u * 2u);
    EXPECT_EQ(levana[0], "Birkat Halévana : Année 5785 ( >>> pour la FRANCE <<< )");
    EXPECT_EQ(levana[1], "Selon la coutume Achkénaze, 3 jours après le Molad");
    EXPECT_EQ(levana[2].substr(0, 26), "Tichri  : DEBUT LEVANA : D");
    const auto tsv = platform::read_lines(dir.path() / "fetes_ciop" / "b_molad_ciop_2_5785.txt");
    ASSERT_EQ(tsv.size(), 12u);
    EXPECT_EQ(tsv[0], "Tichri\tMOLAD\tJeudi\t1\tTichri\t5785\t3h 21mn 13hl (43s)\t3\t10\t2024");
    EXPECT_EQ(platform::read_lines(dir.path() / "fetes_ciop" / "b_fetes_ciop_5785.txt"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(platform::read_lines(dir.path() / "fetes_ciop" / "b_levana_molad_5785.txt").size(),
              2u + 36u);
}

} // namespace
} // namespace orvane::events
