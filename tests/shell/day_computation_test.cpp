// The computation of the day of the main window: the times of Paris and
// Jerusalem with the summer-time tables delivered with the program, the
// entry and exit lines, the Sabbath of the week, the refused places and the
// polar days, and the kinds of days.
#include "platform/temporary_directory.h"
#include "shell/day/day_computation.h"
#include "shell/day/day_labels.h"
#include "shell/day/day_settings.h"
#include "zmanim/settings/panneau_parametres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace orvane::shell
{
namespace
{

namespace fs = std::filesystem;
using events::GenreJour;
using events::jour_chome;
using events::nature_du_jour;
using events::NatureJour;

const places::Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
const places::Place jerusalem{"Jérusalem", "Israël", "31°46'N", "35°13'E", "+2"};

class CalculDuJour : public ::testing::Test
{
protected:
    platform::test_support::TemporaryDirectory dir;

    void SetUp() override
    {
        for (const char* f : {"h_France.txt", "H_europe.txt", "h_Israël.txt"}) {
            fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "data" / f, dir / f);
        }
    }

    JourCalcule calcule(engine::DateCivile d, const places::Place& lieu = paris,
                        bool diaspora = true, std::string opinion = "Beth Din (France)")
    {
        DemandeJourAccueil demande;
        demande.date = d;
        demande.lieu = lieu;
        demande.opinion = std::move(opinion);
        demande.diaspora = diaspora;
        return calcule_jour(DonneesChargees(dir.path()), demande);
    }
};

const LigneHoraire* trouve(const JourCalcule& j, std::string_view jeton)
{
    const auto it = std::find_if(j.lignes.begin(), j.lignes.end(),
                                 [jeton](const LigneHoraire& l) { return l.jeton == jeton; });
    return it == j.lignes.end() ? nullptr : &*it;
}

// Friday 21 June 2024 in Paris, summer time from the table of France.
TEST_F(CalculDuJour, ParisLe21Juin2024)
{
    const JourCalcule j = calcule({2024, 6, 21});
    ASSERT_TRUE(j.a_des_horaires()) << j.message;
    EXPECT_EQ(j.horaires.correction_ete, 1.0);
    EXPECT_TRUE(j.horaires.annee_ete.trouve());
    EXPECT_EQ(j.date_civile, "Vendredi  21  Juin 2024");
    EXPECT_EQ(j.date_hebraique, "Vendredi  15  Sivan   5784");
    EXPECT_EQ(j.ligne_date, " Vendredi 21 Juin 2024");
    ASSERT_NE(trouve(j, "heureL"), nullptr);
    EXPECT_EQ(trouve(j, "heureL")->texte, "Lever du soleil : Nets      05:47");
    EXPECT_EQ(trouve(j, "heureC")->texte, "Coucher du soleil : Chekia  21:58");
    // The Sabbath begins this evening, 18 minutes before sunset; it does not
    // end today.
    ASSERT_NE(trouve(j, "entree_chabbat"), nullptr);
    EXPECT_EQ(trouve(j, "entree_chabbat")->texte, "Entrée de Chabbat           21:40");
    EXPECT_EQ(trouve(j, "heureSOR"), nullptr);
    EXPECT_EQ(j.lignes.size(), 16u);
    EXPECT_EQ(*trouve(j, "heureL")->secondes, 5 * 3600 + 47 * 60);
    // The night falls after midnight in June: its time counts on the next day.
    EXPECT_GT(*trouve(j, "heureN")->secondes, 24 * 3600);
    EXPECT_NEAR(j.limites_hagra.matin, 5 + 47 / 60.0, 1 / 60.0);
    EXPECT_NEAR(j.limites_hagra.soir, 21 + 58 / 60.0, 1 / 60.0);
    EXPECT_NEAR(j.limites_hagra.soir_veille, j.limites_hagra.soir, 2 / 60.0);
    ASSERT_EQ(j.durees.size(), 4u);
    EXPECT_EQ(j.durees[0].substr(0, 38), "  Durée jour Lev/coucher (Hagra)     ");
    EXPECT_EQ(j.texte_chabbat.substr(j.texte_chabbat.find("Ent")), "Ent: 21.40  Sor: 23.05");
}

/// The time part of a line: "21:25", "après 21:25".
std::string heure_de(const JourCalcule& j, std::string_view jeton)
{
    const LigneHoraire* l = trouve(j, jeton);
    return l == nullptr ? std::string("(pas de ligne)") : l->heure;
}

// A Saturday that is the eve of a festival: the Sabbath ends, and the
// festival's candles are lit after that end, never before sunset during the
// Sabbath. The same on the first evening of a Diaspora second day.
TEST_F(CalculDuJour, ChabbatQuiMeneAUneFete)
{
    struct Cas {
        engine::DateCivile date;
        bool diaspora;
        const char* quoi;
        bool sortie_chabbat; // the Sabbath exit line stands
    };
    const Cas cas[] = {
        {{2025, 4, 12}, true, "samedi veille de Pessa'h", true},
        {{2025, 4, 12}, false, "samedi veille de Pessa'h en Israël", true},
        {{2029, 5, 19}, true, "samedi veille de Chavouot", true},
        {{2025, 4, 13}, true, "premier jour de Pessa'h, veille du second", false},
        {{2025, 10, 7}, true, "premier jour de Soukot, veille du second", false},
    };
    for (const Cas& c : cas) {
        const JourCalcule j = calcule(c.date, paris, c.diaspora);
        ASSERT_TRUE(j.a_des_horaires()) << c.quoi;
        const LigneHoraire* entree = trouve(j, "entree_chabbat");
        ASSERT_NE(entree, nullptr) << c.quoi;
        EXPECT_EQ(entree->legende, "Entrée de Yom Tov ") << c.quoi;
        const std::string sortie = heure_de(j, "heureSOR");
        if (c.sortie_chabbat) {
            ASSERT_NE(trouve(j, "heureSOR"), nullptr) << c.quoi;
            EXPECT_EQ(trouve(j, "heureSOR")->legende, "Sortie de Chabbat ") << c.quoi;
        } else {
            EXPECT_EQ(trouve(j, "heureSOR"), nullptr) << c.quoi; // the festival goes on
        }
        // The entry reads "après" the exit time of the day, at its instant.
        const zmanim::TexteHoraire* t = j.horaires.jour.creneau("heureSOR");
        ASSERT_NE(t, nullptr);
        const std::string fin =
            std::string(t->heures.size() < 2 ? "0" : "") + t->heures + ":" + t->minutes;
        EXPECT_EQ(entree->heure, "après " + fin) << c.quoi;
        EXPECT_EQ(entree->texte, "Entrée de Yom Tov           après " + fin) << c.quoi;
        EXPECT_EQ(*entree->secondes,
                  *secondes_du_creneau(j.horaires.jour, "heureSOR", j.horaires.correction_ete));
        if (c.sortie_chabbat) {
            EXPECT_EQ(sortie, fin) << c.quoi;
        }
    }
    // 12 April 2025 in Paris: the Sabbath ends at 21:28 (Beth Din).
    EXPECT_EQ(heure_de(calcule({2025, 4, 12}), "entree_chabbat"), "après 21:28");
}

// A festival that is not preceded by a day of rest begins before sunset; the
// last day of a festival has its exit.
TEST_F(CalculDuJour, VeilleEtFinDeFeteOrdinaires)
{
    const JourCalcule veille = calcule({2026, 4, 1}); // Wednesday, eve of Pessa'h
    ASSERT_NE(trouve(veille, "entree_chabbat"), nullptr);
    EXPECT_EQ(heure_de(veille, "entree_chabbat").find("après"), std::string::npos);
    EXPECT_EQ(trouve(veille, "heureSOR"), nullptr);
    const JourCalcule second = calcule({2026, 4, 3}); // second day (Friday): the Sabbath follows
    EXPECT_EQ(trouve(second, "entree_chabbat")->legende, "Entrée de Chabbat ");
    EXPECT_EQ(heure_de(second, "entree_chabbat").find("après"), std::string::npos);
    const JourCalcule israel = calcule({2025, 4, 13}, paris, false); // one day in Israel
    EXPECT_EQ(trouve(israel, "entree_chabbat"), nullptr);
    ASSERT_NE(trouve(israel, "heureSOR"), nullptr);
    EXPECT_EQ(trouve(israel, "heureSOR")->legende, "Sortie de Yom Tov ");
}

// The next day the exit line stands and the entry line does not.
TEST_F(CalculDuJour, ParisLeChabbat22Juin2024)
{
    const JourCalcule j = calcule({2024, 6, 22});
    ASSERT_TRUE(j.a_des_horaires());
    EXPECT_EQ(trouve(j, "entree_chabbat"), nullptr);
    ASSERT_NE(trouve(j, "heureSOR"), nullptr);
    EXPECT_EQ(trouve(j, "heureSOR")->legende, "Sortie de Chabbat ");
    EXPECT_EQ(j.nature.genre, GenreJour::chabbat);
    EXPECT_EQ(j.chabbat.samedi.date, (engine::DateCivile{2024, 6, 22}));
    EXPECT_EQ(j.chabbat.vendredi.date, (engine::DateCivile{2024, 6, 21}));
    EXPECT_EQ(*j.chabbat.sortie, *trouve(j, "heureSOR")->secondes);
}

// A Wednesday: the Sabbath of its week is the coming one; winter time.
TEST_F(CalculDuJour, LeChabbatDeLaSemaineEnHiver)
{
    const JourCalcule j = calcule({2024, 12, 18});
    EXPECT_EQ(j.horaires.correction_ete, 0.0);
    EXPECT_EQ(j.chabbat.vendredi.date, (engine::DateCivile{2024, 12, 20}));
    EXPECT_EQ(j.chabbat.samedi.date, (engine::DateCivile{2024, 12, 21}));
    EXPECT_EQ(trouve(j, "entree_chabbat"), nullptr);
    EXPECT_EQ(trouve(j, "heureSOR"), nullptr);
    const std::string& e = j.chabbat.vendredi.jour.entree_chabbat.minutes;
    EXPECT_NE(
        j.texte_chabbat.find(" Ent: " + j.chabbat.vendredi.jour.entree_chabbat.heures + "." + e),
        std::string::npos);
}

// Jerusalem: 40 minutes between the entry and sunset.
TEST_F(CalculDuJour, JerusalemQuaranteMinutes)
{
    const JourCalcule j = calcule({2024, 10, 4}, jerusalem, false);
    ASSERT_TRUE(j.a_des_horaires());
    const long entree = *trouve(j, "entree_chabbat")->secondes;
    const long coucher = *trouve(j, "heureC")->secondes;
    EXPECT_EQ(coucher - entree, 40 * 60);
    EXPECT_EQ(j.horaires.correction_ete, 1.0);
}

TEST_F(CalculDuJour, SansVilleRienNEstCalcule)
{
    const JourCalcule j = calcule({2024, 6, 21}, places::Place{"", "France", "", "", ""});
    EXPECT_FALSE(j.avec_ville);
    EXPECT_FALSE(j.a_des_horaires());
    EXPECT_TRUE(j.lignes.empty());
    EXPECT_FALSE(j.textes.texte_jour.empty()); // the texts of the day are there
}

TEST_F(CalculDuJour, LatitudeRefusee)
{
    places::Place mauvais = paris;
    mauvais.latitude = "48°52'X";
    const JourCalcule j = calcule({2024, 6, 21}, mauvais);
    EXPECT_TRUE(j.refuse);
    EXPECT_NE(j.message.find("Veuillez définir la latitude"), std::string::npos);
    EXPECT_TRUE(j.lignes.empty());
}

TEST_F(CalculDuJour, JourPolaire)
{
    const places::Place tromso{"Tromsø", "Norvège", "69°39'N", "18°57'E", "+1"};
    const JourCalcule j = calcule({2024, 6, 21}, tromso);
    EXPECT_TRUE(j.polaire);
    EXPECT_EQ(j.message, "Le soleil est toujours au-dessus de l'horizon");
    EXPECT_FALSE(j.a_des_horaires());
}

// The eve of Pessa'h 5784 (Monday 22 April 2024): a festival begins; its
// last day in the Diaspora (Tuesday 30 April) ends it.
TEST_F(CalculDuJour, EntreeEtSortieDeYomTov)
{
    const JourCalcule veille = calcule({2024, 4, 22});
    ASSERT_NE(trouve(veille, "entree_chabbat"), nullptr);
    EXPECT_EQ(trouve(veille, "entree_chabbat")->legende, "Entrée de Yom Tov ");
    const JourCalcule dernier = calcule({2024, 4, 30});
    ASSERT_NE(trouve(dernier, "heureSOR"), nullptr);
    EXPECT_EQ(trouve(dernier, "heureSOR")->legende, "Sortie de Yom Tov ");
    EXPECT_EQ(dernier.nature.genre, GenreJour::fete_chomee);
    // In Israel the festival ends a day earlier.
    EXPECT_EQ(trouve(calcule({2024, 4, 30}, jerusalem, false), "heureSOR"), nullptr);
    EXPECT_NE(trouve(calcule({2024, 4, 29}, jerusalem, false), "heureSOR"), nullptr);
}

TEST(NatureDuJour, GenresDesJours)
{
    // Kippour 5785 is a Saturday: 12 October 2024.
    EXPECT_EQ(nature_du_jour({5785, 1, 10}, 7, true).genre, GenreJour::kippour);
    EXPECT_EQ(nature_du_jour({5784, 12, 9}, 3, true).genre, GenreJour::jeune); // 13 August 2024
    EXPECT_EQ(nature_du_jour({5784, 8, 15}, 3, true).genre, GenreJour::fete_chomee);
    EXPECT_EQ(nature_du_jour({5784, 8, 17}, 5, true).genre, GenreJour::demi_fete);
    EXPECT_EQ(nature_du_jour({5784, 9, 1}, 5, true).genre, GenreJour::demi_fete); // Roch-Hodech
    EXPECT_EQ(nature_du_jour({5784, 9, 12}, 2, true).genre, GenreJour::ordinaire);
    const NatureJour pessah = nature_du_jour({5784, 8, 15}, 3, true);
    EXPECT_EQ(pessah.nom_special, "Pessa'h");
    const NatureJour chabbat = nature_du_jour({5784, 10, 16}, 7, true); // 22 June 2024
    EXPECT_EQ(chabbat.genre, GenreJour::chabbat);
    EXPECT_EQ(chabbat.nom_special, "Chabbat Behaalotkha");
}

// Roch Hachana 5785 fell on Thursday and Friday: no entry on the first
// day, the Sabbath entry on the second.
TEST(NatureDuJour, RochHachanaAvantChabbat)
{
    // The second day of Roch Hachana begins after the first one ends.
    const NatureJour premier = nature_du_jour({5785, 1, 1}, 5, true);
    EXPECT_TRUE(premier.entree);
    EXPECT_TRUE(premier.entree_apres_sortie);
    EXPECT_FALSE(premier.entree_chabbat);
    EXPECT_FALSE(premier.sortie);
    const NatureJour second = nature_du_jour({5785, 1, 2}, 6, true);
    EXPECT_TRUE(second.entree);
    EXPECT_TRUE(second.entree_chabbat);
    const NatureJour veille = nature_du_jour({5784, 13, 29}, 4, true);
    EXPECT_TRUE(veille.entree);
    EXPECT_FALSE(veille.entree_chabbat);
    EXPECT_TRUE(jour_chome({5785, 1, 2}, false));
    EXPECT_FALSE(jour_chome({5785, 1, 3}, true));
}

TEST(TextesDuJour, AffichageSansRemplissage)
{
    EXPECT_EQ(texte_affiche("------------ ------------          Ent: 21.40  Sor: 23.05"),
              "Ent: 21.40  Sor: 23.05");
    EXPECT_EQ(texte_affiche("Roch-Hachana--- 5785  *** CHANA TOVA***"),
              "Roch Hachana    5785  *** CHANA TOVA***");
    EXPECT_EQ(sans_horaires_chabbat("Pessa'h  Ent: 19.55  Sor: 21.10"), "Pessa'h  ");
}

TEST_F(CalculDuJour, TextesPourUnAutreJour)
{
    const JourCalcule j = calcule({2024, 10, 5});
    const auto aujourdhui = textes_du_jour(j, true);
    const auto autre = textes_du_jour(j, false);
    EXPECT_EQ(aujourdhui[2].rfind("Aujourd'hui Chabbat: ", 0), 0u) << aujourdhui[2];
    EXPECT_EQ(autre[2].rfind("Ce jour Chabbat: ", 0), 0u) << autre[2];
    EXPECT_EQ(etiquettes_du_jour[0], "Label3");
}

// The day page computes its times the way the zmanim window's halachic
// preset checks them, from any state of the window's boxes.
TEST(ReglagesPageDuJour, CeuxDuPresetHalakha)
{
    zmanim::ControlesParametres c;
    c.affiche_secondes = c.affiche_decimal = c.arrondis_2930 = c.trace = c.centre_soleil = true;
    c.houmra = c.iteration = false;
    c.refraction = "36.6";
    zmanim::ZmanimSettings fenetre;
    zmanim::preset_halakha(c, fenetre);
    const zmanim::ZmanimSettings page =
        reglages_page_du_jour("Or Méïr", {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"});
    EXPECT_TRUE(c.halakha_en_gras);
    EXPECT_EQ(page.affiche_secondes, fenetre.affiche_secondes);
    EXPECT_EQ(page.affiche_decimal, c.affiche_decimal);
    EXPECT_EQ(page.houmra, fenetre.houmra);
    EXPECT_EQ(page.arrondis_2930, fenetre.arrondis_2930);
    EXPECT_EQ(page.trace, fenetre.trace);
    EXPECT_EQ(page.centre_soleil, fenetre.centre_soleil);
    EXPECT_EQ(page.iteration, fenetre.iteration);
    EXPECT_EQ(page.refraction, fenetre.refraction);
    EXPECT_EQ(page.refraction, "34");
}

} // namespace
} // namespace orvane::shell
