#include "engine/calendar_engine.h"
#include "engine/month_grid_steps.h"
#include "events/festivals/names.h"
#include "events/readings/bar_mitsva.h"
#include "events/readings/sabbath_names.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

TEST(ParachaBarMitsva, NaissanceLe30AdarIEtAnneeCommune)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(5768, 6, 30); // 30 Adar I, a leap year
    const BarMitsva b = paracha_bar_mitsva(e, false, true);
    EXPECT_EQ(b.titre, "Paracha de Bar-Mitsva");
    EXPECT_EQ(b.annee_hebr, 5781);
    EXPECT_EQ(b.mois_hebr, 8); // 5781 is common: 1 Nissan
    EXPECT_EQ(b.jour_hebr, 1);
    EXPECT_EQ(b.ligne_date, "   Dimanche  14 Mars 2021 = 1 Nissan  5781");
    EXPECT_EQ(b.chabbat_jour_hebr, 7);
    EXPECT_EQ(b.chabbat_jour_civil, 20);
    EXPECT_EQ(b.texte_chabbat, "Chabbat Bar-Mitsva : Vayikra");
    EXPECT_EQ(b.paracha, "Vayikra");
    // Every field is given back.
    EXPECT_EQ(e.annee_hebr, 5768);
    EXPECT_EQ(e.mois_hebr, 6);
    EXPECT_EQ(e.jour_hebr, 30);
    EXPECT_EQ(e.nb_mois, 13);
    EXPECT_EQ(e.annee_civile, 2008);
}

TEST(ParachaBarMitsva, AdarDevientAdarIIEtBatMitsva)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(5771, 7, 14); // 14 Adar II 5771
    const BarMitsva fille = paracha_bar_mitsva(e, true, true);
    EXPECT_EQ(fille.titre, "Paracha de Bat-Mitsva");
    EXPECT_EQ(fille.annee_hebr, 5783); // common: Adar
    EXPECT_EQ(fille.mois_hebr, 6);
    EXPECT_EQ(fille.texte_chabbat.rfind("Chabbat Bat-M. ", 0), 0u);
    e.convertit_hebreu_civil(5773, 6, 10); // Adar of a common year
    const BarMitsva garcon = paracha_bar_mitsva(e, false, true);
    EXPECT_EQ(garcon.annee_hebr, 5786);
    EXPECT_EQ(garcon.mois_hebr, 6);        // 5786 is common too
    e.convertit_hebreu_civil(5771, 6, 10); // Adar I 5771 → 5784 leap: stays in month 6
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).mois_hebr, 6);
    e.convertit_hebreu_civil(5770, 6, 10); // common → 5783 common
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).mois_hebr, 6);
    e.convertit_hebreu_civil(5768, 6, 10); // 5768 leap; Adar I → 5781 common: Adar
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).mois_hebr, 6);
    e.convertit_hebreu_civil(5766, 6, 10); // common → 5779 leap: Adar II
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).mois_hebr, 7);
}

TEST(ParachaBarMitsva, JourDeFeteEtHolHamoed)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(5772, 8, 17); // 17 Nissan 5785 is a Tuesday
    const BarMitsva b = paracha_bar_mitsva(e, false, true);
    EXPECT_EQ(b.chabbat_jour_hebr, 21);
    EXPECT_EQ(b.texte_chabbat, "Chabbat Bar-Mitsva : Pessa'h") << "padding blanked";
}

// The reading as the panel writes it: the day mark with its blank, then the
// reading as the readings list writes it, its own hyphens kept; nothing is
// added after it.
TEST(ParachaBarMitsva, HolHamoedEtLecturesAvecTraits)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(5771, 8, 19); // 19 Nissan 5784 is a Saturday of Hol Hamoed
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).paracha, "Hol Hamoed Pessa'h");
    e.convertit_hebreu_civil(5600, 1, 3); // Chabbat 6 Tichri 5613, between the two holy days
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).paracha, "Vayèlekh");
    e.convertit_hebreu_civil(5772, 9, 12); // Chabbat 12 Iyar 5785 (10 May 2025)
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).texte_chabbat,
              "Chabbat Bar-Mitsva : A'harè-Mot Kedochim");
    e.convertit_hebreu_civil(5772, 6, 8); // Chabbat Zakhor 8 Adar 5785
    EXPECT_EQ(paracha_bar_mitsva(e, false, true).paracha, "Tetsavè");
}

// Every reading of a Bar-Mitsva Sabbath over a whole cycle of years is
// written as the readings list writes it, and its hyphens are the names'.
TEST(ParachaBarMitsva, LecturesCommeLaListe)
{
    EXPECT_EQ(sans_remplissage_garde_traits("A'harè-Mot**"), "A'harè-Mot  ");
    EXPECT_EQ(sans_remplissage_garde_traits("Lag Ba'omer-"), "Lag Ba'omer ");
    EXPECT_EQ(sans_remplissage_garde_traits("---------"), "         ");
    EXPECT_EQ(sans_remplissage_garde_traits("Roch-Hodech "), "Roch-Hodech ");
    EXPECT_EQ(sans_remplissage_garde_traits("-a-"), " a ");
    CalendarEngine e;
    for (int jour = 1; jour <= 30; jour += 7) {
        for (int mois = 1; mois <= 13; ++mois) {
            if (mois == 7 || jour > engine::longueur_mois_hebreu(5772, mois)) {
                continue;
            }
            e.convertit_hebreu_civil(5772, mois, jour);
            const std::string p = paracha_bar_mitsva(e, false, true).paracha;
            EXPECT_EQ(p.find("--"), std::string::npos) << p;
            EXPECT_EQ(p.find('*'), std::string::npos) << p;
            EXPECT_EQ(p.find(" - "), std::string::npos) << p;
            EXPECT_NE(p.back(), '-') << p;
            EXPECT_FALSE(p.empty());
        }
    }
}

TEST(NomsDeChabbat, PagesDuCalendrier)
{
    EXPECT_EQ(nom_chabbat_de_page("Bechala'h", 5, 10), "Chabbat Chira");
    EXPECT_EQ(nom_chabbat_de_page("Devarim", 12, 8), "Chabbat 'Hazon");
    EXPECT_EQ(nom_chabbat_de_page("Vaèt'hanan", 12, 15), "Chabbat Na'hamou");
    EXPECT_EQ(nom_chabbat_de_page("Bemidbar", 10, 3), "Chabbat Kala");
    EXPECT_EQ(nom_chabbat_de_page("Bemidbar", 9, 29), "Chabbat Kala");
    EXPECT_EQ(nom_chabbat_de_page("Nasso", 10, 10), "");
    EXPECT_EQ(fete_des_garcons("Tou Bichvat "), " et Fête des garçons");
    EXPECT_EQ(fete_des_garcons(""), "Fête des garçons");
}

TEST(NomsDeChabbat, LibellesReecrits)
{
    EXPECT_EQ(libelle_chabbat_de_page("Zakhor "), "CH.Zakhor" + std::string(19, ' '));
    EXPECT_EQ(libelle_chabbat_de_page("Mikets 'Hanouka Roch Hodech "),
              "Mikets - 'Hanouka - Roch Hod.");
    EXPECT_EQ(libelle_chabbat_de_page("Roch Hodech Hahodech "),
              "CH.Hahodech - Roch Hod." + std::string(5, ' '));
    EXPECT_EQ(libelle_chabbat_de_page("  Chekalim  Roch Hodech "),
              "CH.Chekalim - Roch Hod." + std::string(5, ' '));
    EXPECT_EQ(libelle_chabbat_de_page("Ekev Tou Beav"), "Ekev - Tou Beav" + std::string(13, ' '));
    EXPECT_EQ(libelle_chabbat_de_page("Para   Chemini"), "CH.Para Chemini" + std::string(13, ' '));
}

} // namespace
} // namespace orvane::events
