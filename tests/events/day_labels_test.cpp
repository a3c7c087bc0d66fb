// Labels of a day: the worked cases of the calendar, then properties over
// every year that the program converts.

#include "engine/calendar_engine.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "events/year_walk.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

LibellesDuJour hebreu(CalendarEngine& e, int annee, int mois, int jour, bool diaspora = true)
{
    e.convertit_hebreu_civil(annee, mois, jour);
    return libelles_du_jour(e, diaspora);
}

LibellesDuJour civil(CalendarEngine& e, int annee, int mois, int jour, bool diaspora = true)
{
    e.convertit_civil_hebreu(annee, mois, jour);
    return libelles_du_jour(e, diaspora);
}

/// First Hebrew year from `debut` whose day (mois, jour) is on `jour_semaine`.
int annee_ou(int debut, int mois, int jour, int jour_semaine)
{
    CalendarEngine e;
    for (int annee = debut;; ++annee) {
        e.convertit_hebreu_civil(annee, mois, jour);
        if (e.jour_semaine == jour_semaine) {
            return annee;
        }
    }
}

TEST(LibellesDuJour, EntreeZeroSuitLeJourDeLaSemaine)
{
    CalendarEngine e;
    const LibellesDuJour chabbat = civil(e, 2024, 11, 9); // 8 Hechvan 5785, Saturday
    EXPECT_EQ(chabbat.indice_fete, 0);
    EXPECT_EQ(chabbat.nom_fete, "************");
    EXPECT_EQ(chabbat.nom_jour, "************");
    EXPECT_EQ(chabbat.libelle_court, "        ");
    EXPECT_EQ(chabbat.libelle_paracha, "---------");
    const LibellesDuJour lundi = civil(e, 2024, 11, 11);
    EXPECT_EQ(lundi.nom_fete, "------------");
}

TEST(LibellesDuJour, RochHachanaNEstPasRochHodech)
{
    CalendarEngine e;
    const LibellesDuJour rh = hebreu(e, 5785, 1, 1);
    EXPECT_EQ(rh.indice_fete, 1);
    EXPECT_EQ(rh.indice_jour, 0);
    EXPECT_EQ(hebreu(e, 5785, 2, 1).indice_jour, 1);
    EXPECT_EQ(hebreu(e, 5785, 1, 30).indice_jour, 1);
    EXPECT_EQ(hebreu(e, 5785, 2, 1).nom_jour, "Roch-Hodech ");
}

TEST(LibellesDuJour, GuedaliaPasseAuDimancheQuandLe3EstChabbat)
{
    const int annee = annee_ou(5700, 1, 3, 7);
    CalendarEngine e;
    EXPECT_EQ(hebreu(e, annee, 1, 3).indice_fete, 0) << annee;
    EXPECT_EQ(hebreu(e, annee, 1, 4).indice_fete, 2) << annee;
    const int autre = annee_ou(5700, 1, 3, 2);
    EXPECT_EQ(hebreu(e, autre, 1, 3).indice_fete, 2);
    EXPECT_EQ(hebreu(e, autre, 1, 4).indice_fete, 0);
}

TEST(LibellesDuJour, EstherEtPremiersNesAvancentAuJeudi)
{
    CalendarEngine e;
    const int esther = annee_ou(5700, 7, 13, 7); // leap year: Adar II
    EXPECT_EQ(hebreu(e, esther, 7, 11).indice_fete, 8) << esther;
    EXPECT_EQ(hebreu(e, esther, 7, 13).indice_fete, 0);
    const int bechorot = annee_ou(5700, 8, 14, 7);
    EXPECT_EQ(hebreu(e, bechorot, 8, 12).indice_fete, 25) << bechorot;
    EXPECT_EQ(hebreu(e, bechorot, 8, 14).indice_fete, 0);
}

TEST(LibellesDuJour, NeufAvEtDixSeptTamouzPassentAuDimanche)
{
    CalendarEngine e;
    const int av = annee_ou(5700, 12, 9, 7);
    EXPECT_EQ(hebreu(e, av, 12, 9).indice_fete, 0);
    EXPECT_EQ(hebreu(e, av, 12, 10).indice_fete, 14);
    const int tamouz = annee_ou(5700, 11, 17, 7);
    EXPECT_EQ(hebreu(e, tamouz, 11, 18).indice_fete, 13);
    // 5785: 9 Av is Sunday 3 August 2025 (the 9th is a Saturday).
    EXPECT_EQ(civil(e, 2025, 8, 3).indice_fete, 14);
}

TEST(LibellesDuJour, HanoukaSelonLaLongueurDeKislev)
{
    CalendarEngine e;
    // 5785: Kislev of 30 days, 'Hanouka from 25 Kislev to 2 Tevet.
    EXPECT_EQ(hebreu(e, 5785, 4, 2).indice_fete, 16);
    EXPECT_EQ(hebreu(e, 5785, 4, 3).indice_fete, 0);
    EXPECT_EQ(hebreu(e, 5785, 3, 25).libelle_paracha, "-----------");
    // 5784: Kislev of 29 days, to 3 Tevet.
    EXPECT_EQ(hebreu(e, 5784, 4, 3).indice_fete, 16);
    EXPECT_EQ(hebreu(e, 5784, 4, 4).indice_fete, 0);
    EXPECT_EQ(jour_de_hanouka(e), "");
    (void)hebreu(e, 5784, 3, 25);
    EXPECT_EQ(jour_de_hanouka(e), "1er 'Hanouka");
    (void)hebreu(e, 5784, 4, 3);
    EXPECT_EQ(jour_de_hanouka(e), "8e 'Hanouka");
    (void)hebreu(e, 5785, 4, 2);
    EXPECT_EQ(jour_de_hanouka(e), "8e 'Hanouka");
}

TEST(LibellesDuJour, SecondsJoursEnDiasporaJoursIntermediairesEnIsrael)
{
    CalendarEngine e;
    const LibellesDuJour souccot_israel = hebreu(e, 5785, 1, 16, false);
    EXPECT_EQ(souccot_israel.indice_fete, 4);
    EXPECT_EQ(souccot_israel.indice_jour, 2);
    EXPECT_EQ(hebreu(e, 5785, 1, 16, true).indice_jour, 0);
    const LibellesDuJour chemini = hebreu(e, 5785, 1, 22, false);
    EXPECT_EQ(chemini.indice_fete, 22);
    EXPECT_EQ(chemini.nom_jour, "Simha Tora ");
    EXPECT_EQ(hebreu(e, 5785, 1, 23, false).indice_fete, 0);
    EXPECT_EQ(hebreu(e, 5785, 1, 23, true).indice_fete, 23);
    EXPECT_EQ(hebreu(e, 5785, 8, 22, false).indice_fete, 0);
    EXPECT_EQ(hebreu(e, 5785, 8, 22, true).indice_fete, 10);
    EXPECT_EQ(hebreu(e, 5785, 10, 7, false).indice_fete, 0);
    EXPECT_EQ(hebreu(e, 5785, 10, 7, true).indice_fete, 12);
}

TEST(LibellesDuJour, PourimChouchanEstUneMarqueLeChabbat)
{
    CalendarEngine e;
    // 15 Adar 5785 is Saturday 15 March 2025.
    const LibellesDuJour chabbat = hebreu(e, 5785, 6, 15);
    EXPECT_EQ(chabbat.indice_fete, 0);
    EXPECT_EQ(chabbat.indice_jour, 14);
    EXPECT_EQ(chabbat.nom_jour, "Pourim Chouchan");
    // 15 Adar 5786 (a common year) is Thursday 5 March 2026.
    const LibellesDuJour jeudi = hebreu(e, 5786, 6, 15);
    EXPECT_EQ(jeudi.indice_fete, 17);
    EXPECT_EQ(jeudi.indice_jour, 0);
}

TEST(LibellesDuJour, AnneeEmbolismiquePourimKatan)
{
    CalendarEngine e;
    // 5784 is a leap year: Esther and Pourim in Adar II, the small Pourim in Adar I.
    EXPECT_EQ(hebreu(e, 5784, 6, 14).indice_jour, 6);
    EXPECT_EQ(hebreu(e, 5784, 6, 14).nom_jour, "Pourim Kat. ");
    EXPECT_EQ(hebreu(e, 5784, 6, 15).nom_jour, "Pourim Chouchan Katan");
    EXPECT_EQ(hebreu(e, 5784, 6, 14).indice_fete, 0);
    EXPECT_EQ(hebreu(e, 5784, 7, 14).indice_fete, 9);
    EXPECT_EQ(hebreu(e, 5784, 7, 15).indice_fete, 17); // Monday 25 March 2024
}

TEST(LibellesDuJour, ChekalimLeChabbatAvantAdar)
{
    CalendarEngine e;
    // 5785 (common): 1 Adar is Saturday 1 March 2025.
    EXPECT_EQ(hebreu(e, 5785, 6, 1).libelle_court, "Chekalim****");
    // 5784 (leap): the Saturday after 24 Adar I, 9 March 2024 (29 Adar I).
    EXPECT_EQ(civil(e, 2024, 3, 9).libelle_court, "Chekalim****");
}

TEST(LibellesDuJour, TikounHatalLe15NissanPuisLeOmer)
{
    CalendarEngine e;
    const LibellesDuJour quinze = hebreu(e, 5784, 8, 15);
    EXPECT_EQ(quinze.indice_fete, 10);
    EXPECT_EQ(quinze.libelle_court, "Tikoun Hatal");
    EXPECT_EQ(quinze.texte_tal, "Tikoun Hatal");
    EXPECT_EQ(quinze.texte_omer, "");
    // The count of the Omer wins over the prayer for dew from the 16th on,
    // in the Diaspora as in Israel.
    for (bool diaspora : {true, false}) {
        for (int jour : {16, 21, 22}) {
            const LibellesDuJour l = hebreu(e, 5784, 8, jour, diaspora);
            EXPECT_EQ(l.libelle_court, libelle_omer(jour - 15)) << jour << " " << diaspora;
            EXPECT_EQ(l.texte_omer, l.libelle_court);
            EXPECT_EQ(l.texte_tal, "");
        }
    }
    EXPECT_EQ(hebreu(e, 5784, 8, 16).libelle_court, "Omer  1 ");
    EXPECT_EQ(hebreu(e, 5784, 9, 18).libelle_court, "Omer 33 ");
    EXPECT_EQ(hebreu(e, 5784, 9, 18).nom_jour, "Lag Ba'omer-");
    EXPECT_EQ(hebreu(e, 5784, 10, 5).libelle_court, "Omer 49 ");
    EXPECT_EQ(hebreu(e, 5784, 10, 6).libelle_court, "        ");
}

TEST(LibellesDuJour, JoursDeLEtatDIsrael)
{
    CalendarEngine e;
    const LibellesDuJour creation = hebreu(e, 5708, 9, 5);
    EXPECT_EQ(creation.nom_jour, "Création de l'E");
    EXPECT_EQ(creation.nom_fete, "tat d'Israel----");
    EXPECT_EQ(creation.indice_fete, 0);
    const LibellesDuJour reunification = hebreu(e, 5727, 9, 28);
    EXPECT_EQ(reunification.nom_jour, "Réunification de");
    EXPECT_EQ(reunification.nom_fete, " Jérusalem");
    EXPECT_EQ(hebreu(e, 5728, 9, 28).nom_jour, "Yom Yérouchalaïm");
    EXPECT_EQ(hebreu(e, 5726, 9, 28).nom_jour, "------------");
    // 5785: 5 Iyar is a Saturday: Yom Hazikaron on Wednesday 2 Iyar, Yom
    // Haatsmaout on Thursday 3 Iyar.
    EXPECT_EQ(hebreu(e, 5785, 9, 2).nom_jour, "Yom Hazikaron" + std::string(19, '-'));
    EXPECT_EQ(hebreu(e, 5785, 9, 3).nom_jour, "Yom Haatsmaout" + std::string(18, '-'));
    EXPECT_EQ(hebreu(e, 5785, 9, 5).nom_jour, "************");
    EXPECT_EQ(hebreu(e, 5707, 9, 5).nom_jour, "------------");
    // 5784: 27 Nissan is Sunday 5 May 2024: Yom HaChoa on Monday the 28th.
    EXPECT_EQ(hebreu(e, 5784, 8, 28).nom_jour, "Yom HaChoa--------");
    EXPECT_EQ(hebreu(e, 5784, 8, 27).nom_jour, "------------");
}

TEST(LibellesDuJour, LesMoisSansFeteNAjoutentRien)
{
    CalendarEngine e;
    for (int jour = 2; jour <= 29; ++jour) {
        EXPECT_EQ(hebreu(e, 5785, 2, jour).indice_fete, 0) << jour;
        EXPECT_EQ(hebreu(e, 5785, 13, jour).indice_fete, 0) << jour;
    }
}

// Over every year: 'Hanouka has eight days, no fast falls on Chabbat, every
// festival of the list of names is marked once a year where expected.
TEST(LibellesDuJour, ProprietesSurToutesLesAnnees)
{
    CalendarEngine e;
    for (int annee = 3860; annee <= 13759; ++annee) {
        for (bool diaspora : {true, false}) {
            std::map<int, int> jours_par_fete;
            pour_chaque_jour_de_l_annee(e, annee, [&] {
                const LibellesDuJour l = libelles_du_jour(e, diaspora);
                ++jours_par_fete[l.indice_fete];
                const bool jeune = l.indice_fete == 2 || l.indice_fete == 6 || l.indice_fete == 8 ||
                                   l.indice_fete == 13 || l.indice_fete == 14 ||
                                   l.indice_fete == 25;
                if (jeune) {
                    ASSERT_NE(e.jour_semaine, 7) << annee << " fast " << l.indice_fete;
                }
            });
            ASSERT_EQ(jours_par_fete[16], 8) << annee;
            ASSERT_EQ(jours_par_fete[1], 2) << annee;
            ASSERT_EQ(jours_par_fete[3], 1) << annee;
            for (int jeune : {2, 6, 8, 13, 14, 25}) {
                ASSERT_EQ(jours_par_fete[jeune], 1) << annee << " fast " << jeune;
            }
            ASSERT_EQ(jours_par_fete[10], diaspora ? 8 : 7) << annee;
            ASSERT_EQ(jours_par_fete[12], diaspora ? 2 : 1) << annee;
        }
    }
}

} // namespace
} // namespace orvane::events
