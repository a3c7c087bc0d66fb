// The delivered configuration and places files, as the program reads them.
#include "config/config.h"
#include "config/program_options.h"
#include "places/angle.h"
#include "places/home_place.h"
#include "places/places.h"

#include "platform/raw_file.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::places
{
namespace
{

const std::filesystem::path data = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";

// Each key reads its own line: no key stands below a longer key containing it.
TEST(ConfigLivree, ChaqueCleLitSaPropreLigne)
{
    for (const char* fichier : {"config.dta", "config_ciop.txt"}) {
        const auto lignes = platform::read_lines(data / fichier);
        ASSERT_FALSE(lignes.empty());
        for (const std::string& ligne : lignes) {
            const std::string cle = ligne.substr(0, ligne.find(' '));
            EXPECT_EQ(config::valeur_de_cle(lignes, cle), ligne.substr(cle.size() + 1))
                << fichier << " " << cle;
        }
    }
}

TEST(ConfigLivree, TousLesReglagesParDefaut)
{
    config::ProgramOptions options;
    options.tahanoun = false;
    bool question = false;
    ASSERT_TRUE(config::lit_options_demarrage(data, options, [&question](const std::string&) {
        question = true;
        return true;
    }));
    EXPECT_FALSE(question);
    EXPECT_EQ(options.mode_horaire, config::mode_avec_changement);
    EXPECT_TRUE(options.tahanoun);
    EXPECT_TRUE(options.fete_des_garcons);
    EXPECT_EQ(options.langage, "français");
    EXPECT_FALSE(options.compatibilite);
    config::lit_options_affichage(data, options, places::est_israel("France"));
    EXPECT_TRUE(options.diaspora);
    EXPECT_EQ(options.site, "");
    EXPECT_FALSE(options.intervalle_sortie_chabbat);
    EXPECT_EQ(config::lit_cle(data, config::fichier_config_ciop, "Nbr_annees_a_calculer_ciop"),
              "1");
    EXPECT_EQ(config::lit_cle(data, config::fichier_config_ciop, "Valeur_max_houmra_ciop"), "57");
    EXPECT_EQ(config::lit_cle(data, config::fichier_config_ciop, "tempo_calendrier_ciop_SAVE"),
              "660");
    for (const char* cle :
         {"Horaire", "Affichage", "Pas_Affichage", "Diaspora", "Israel", "francais", "anglais",
          "hebreu", "Table1N", "Table1NOM", "Table1PREH_DC"}) {
        EXPECT_TRUE(config::cle_presente(data, config::fichier_config, cle)) << cle;
    }
}

TEST(LieuxLivres, ChaqueLigneSeLitEtSesCoordonneesAussi)
{
    for (const char* fichier : {"lieu.cal", "lieu_all.cal"}) {
        const auto bytes = platform::read_bytes(data / fichier);
        ASSERT_FALSE(platform::is_valid_utf8(bytes)) << "Windows-1252 expected";
        const ListesLieux l = lit_fichier_lieux(data, fichier);
        std::set<std::pair<std::string, std::string>> vus;
        for (const Place& p : l.lieux) {
            ASSERT_FALSE(p.ville.empty());
            EXPECT_LE(platform::char_count(p.ville), longueur_champ_lieu) << p.ville;
            EXPECT_LE(platform::char_count(p.pays), longueur_champ_lieu) << p.pays;
            EXPECT_TRUE(lieu_enregistrable(p)) << p.ville;
            const double lat = latitude_degres(p.latitude);
            const double lon = longitude_degres_est(p.longitude);
            const double dec = lit_angle(p.decalage, UniteAngle::degres);
            EXPECT_TRUE(lat >= -90 && lat <= 90) << p.ville;
            EXPECT_TRUE(lon >= -180 && lon <= 180) << p.ville;
            EXPECT_TRUE(dec >= -12 && dec <= 14) << p.ville;
            EXPECT_TRUE(vus.insert({p.pays, p.ville}).second)
                << "twice: " << p.ville << " " << p.pays;
        }
    }
    EXPECT_GT(lit_fichier_lieux(data, "lieu_all.cal").lignes.size(), 13000u);
    const auto court = lit_fichier_lieux(data, "lieu.cal");
    EXPECT_GT(court.lignes.size(), 1200u);
    EXPECT_LT(court.lignes.size(), 1500u);
}

// Every French department has its main towns, in the "PARIS (75)" form.
TEST(LieuxLivres, ChaqueDepartementFrancais)
{
    const ChoixPays france = choix_pays(lit_fichier_lieux(data, "lieu.cal"), "France");
    std::set<std::string> departements;
    for (const std::string& ville : france.villes) {
        const auto ouvre = ville.rfind(" (");
        ASSERT_NE(ouvre, std::string::npos) << ville;
        departements.insert(ville.substr(ouvre + 2, ville.size() - ouvre - 3));
    }
    for (int d = 1; d <= 95; ++d) {
        if (d == 20) {
            continue; // Corsica: 2A and 2B
        }
        EXPECT_TRUE(departements.count(platform::pad_left(std::to_string(d), 2, '0'))) << d;
    }
    EXPECT_TRUE(departements.count("2A"));
    EXPECT_TRUE(departements.count("2B"));
    const auto paris = choix_ville(lit_fichier_lieux(data, "lieu.cal"), "PARIS (75)", "France");
    ASSERT_TRUE(paris);
    EXPECT_EQ(*paris, (Place{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"}));
}

TEST(LieuxLivres, CommunautesEtIsrael)
{
    const ListesLieux l = lit_fichier_lieux(data, "lieu.cal");
    EXPECT_GT(choix_pays(l, "Israël").villes.size(), 100u);
    const std::pair<const char*, const char*> villes[] = {{"Jérusalem", "Israël"},
                                                          {"Tel-Aviv", "Israël"},
                                                          {"Bnei Brak", "Israël"},
                                                          {"Anvers", "Belgique"},
                                                          {"Londres", "Royaume-Uni"},
                                                          {"New York (NY)", "États-Unis"},
                                                          {"Montréal", "Canada"},
                                                          {"Casablanca", "Maroc"},
                                                          {"Djerba (Houmt Souk)", "Tunisie"},
                                                          {"Buenos Aires", "Argentine"},
                                                          {"Johannesbourg", "Afrique du Sud"},
                                                          {"Strasbourg", ""}};
    for (const auto& [ville, pays] : villes) {
        if (*pays) {
            EXPECT_TRUE(choix_ville(l, ville, pays).has_value()) << ville;
            EXPECT_EQ(choix_ville(l, ville, pays)->pays, pays) << ville;
        }
    }
    const auto accueil = platform::read_lines(data / "lieu_ac2.cal");
    EXPECT_EQ(accueil, (std::vector<std::string>{std::string(ligne_lieu_accueil_defaut)}));
}

} // namespace
} // namespace orvane::places
