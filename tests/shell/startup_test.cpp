#include "config/config.h"
#include "config/program_options.h"
#include "places/place.h"
#include "shell/startup.h"

#include "platform/temporary_directory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

using platform::test_support::TemporaryDirectory;
using Lignes = std::vector<std::string>;

/// Answers the questions with `reponse` and keeps them.
struct Questions {
    bool reponse = true;
    std::vector<std::string> posees;
    platform::Confirmation confirmation()
    {
        return [this](const std::string& m) {
            posees.push_back(m);
            return reponse;
        };
    }
};

class Demarrage : public ::testing::Test
{
protected:
    TemporaryDirectory dir;
    config::ProgramOptions options;
    Questions questions;
    void config(const Lignes& lignes) { platform::write_lines(dir / "config.dta", lignes); }
    bool demarre()
    {
        return config::lit_options_demarrage(dir.path(), options, questions.confirmation());
    }
};

TEST_F(Demarrage, SansCleDHeureLeModeAvecChangementSansQuestion)
{
    config({"Horaire true"});
    EXPECT_TRUE(demarre());
    EXPECT_EQ(options.mode_horaire, config::mode_avec_changement);
    EXPECT_EQ(options.coches, (config::CochesModeHoraire{true, false, false}));
    EXPECT_TRUE(questions.posees.empty());
}

TEST_F(Demarrage, SansFichierLesValeursParDefaut)
{
    EXPECT_TRUE(demarre());
    EXPECT_EQ(options.mode_horaire, config::mode_avec_changement);
    EXPECT_TRUE(options.tahanoun);
    EXPECT_TRUE(options.fete_des_garcons);
    EXPECT_EQ(options.langage, "français");
    EXPECT_FALSE(options.compatibilite);
    EXPECT_FALSE(options.categorie_cs || options.categorie_hp || options.categorie_dv);
}

// A key that is absent is off: it does not repeat the key read before it.
TEST_F(Demarrage, UneCleAbsenteEstFausse)
{
    config({"avec_chgt_d_heure true"});
    EXPECT_TRUE(demarre());
    EXPECT_EQ(options.mode_horaire, config::mode_avec_changement);
    EXPECT_EQ(options.coches, (config::CochesModeHoraire{true, false, false}));
    EXPECT_TRUE(questions.posees.empty());
}

TEST_F(Demarrage, UnSeulModeVrai)
{
    config({"avec_chgt_d_heure false", "heure_hiver_toute_l_annee true",
            "heure_ete_toute_l_annee false"});
    EXPECT_TRUE(demarre());
    EXPECT_EQ(options.mode_horaire, config::mode_hiver_toute_l_annee);
    EXPECT_EQ(options.coches, (config::CochesModeHoraire{false, true, false}));
}

TEST_F(Demarrage, TroisModesFauxDonnentLeModeAvecChangement)
{
    config({"avec_chgt_d_heure false", "heure_hiver_toute_l_annee false",
            "heure_ete_toute_l_annee false"});
    EXPECT_TRUE(demarre());
    EXPECT_EQ(options.mode_horaire, config::mode_avec_changement);
    EXPECT_TRUE(questions.posees.empty());
}

TEST_F(Demarrage, ModesIncoherentsOui)
{
    config({"avec_chgt_d_heure true", "heure_hiver_toute_l_annee true",
            "heure_ete_toute_l_annee false"});
    EXPECT_TRUE(demarre());
    ASSERT_EQ(questions.posees.size(), 1u);
    EXPECT_EQ(questions.posees[0], config::message_mode_incoherent());
    EXPECT_EQ(options.mode_horaire, config::mode_hiver_toute_l_annee); // the later key wins
    EXPECT_EQ(options.coches, (config::CochesModeHoraire{true, true, false}));
}

TEST_F(Demarrage, ModesIncoherentsAnnuler)
{
    config({"avec_chgt_d_heure true", "heure_hiver_toute_l_annee true",
            "heure_ete_toute_l_annee true"});
    questions.reponse = false;
    EXPECT_FALSE(demarre());
}

TEST_F(Demarrage, CategoriesLangueEtDrapeaux)
{
    config(
        {"Categorie CS DV", "pas_tahanoun true", "pas_ytro false", "langage English", "win7 true"});
    EXPECT_TRUE(demarre());
    EXPECT_TRUE(options.categorie_cs);
    EXPECT_FALSE(options.categorie_hp);
    EXPECT_TRUE(options.categorie_dv);
    EXPECT_FALSE(options.tahanoun);
    EXPECT_TRUE(options.fete_des_garcons);
    EXPECT_EQ(options.langage, "français"); // only "anglais" selects English
    EXPECT_TRUE(options.compatibilite);
    config({"langage anglais"});
    EXPECT_TRUE(demarre());
    EXPECT_EQ(options.langage, "anglais");
}

TEST_F(Demarrage, LeLieuDAccueilDecideDesRegles)
{
    config({"Diaspora true", "Affichage true", "Site http://a.fr/", "Vaudrel true"});
    config::lit_options_affichage(dir.path(), options, places::est_israel("Israël"));
    EXPECT_FALSE(options.diaspora);
    EXPECT_TRUE(options.affichage);
    EXPECT_FALSE(options.pas_affichage);
    EXPECT_EQ(options.site, "http://a.fr/");
    EXPECT_TRUE(options.intervalle_sortie_chabbat);
    config({"Diaspora false"});
    config::lit_options_affichage(dir.path(), options, places::est_israel("France"));
    EXPECT_TRUE(options.diaspora);
}

TEST_F(Demarrage, SauveOptionsPuisRelit)
{
    config({"Horaire false", "Affichage false", "Pas_Affichage true", "Diaspora true",
            "Israel false", "francais true", "anglais false", "hebreu false", "langage anglais"});
    options.diaspora = false;
    options.affichage = true;
    options.pas_affichage = false;
    config::sauve_options(dir.path(), options);
    EXPECT_EQ(platform::read_lines(dir / "config.dta"),
              (Lignes{"Horaire true", "Affichage true", "Pas_Affichage false", "Diaspora false",
                      "Israel true", "francais true", "anglais false", "hebreu false",
                      "langage anglais"}));
    config::ProgramOptions relues;
    config::lit_options_affichage(dir.path(), relues, places::est_israel("France"));
    EXPECT_TRUE(relues.affichage);
}

TEST_F(Demarrage, ChangementDeMode)
{
    config({"avec_chgt_d_heure true", "heure_hiver_toute_l_annee false",
            "heure_ete_toute_l_annee false"});
    ASSERT_TRUE(demarre());
    EXPECT_FALSE(config::change_mode_horaire(dir.path(), options, config::mode_avec_changement,
                                             questions.confirmation()));
    EXPECT_TRUE(questions.posees.empty());

    EXPECT_TRUE(config::change_mode_horaire(dir.path(), options, config::mode_ete_toute_l_annee,
                                            questions.confirmation()));
    ASSERT_EQ(questions.posees.size(), 2u);
    EXPECT_EQ(questions.posees[0],
              "Le programme était configuré en mode les heures d'été ou d'hiver.\rVous avez "
              "choisi de le passer en mode les heures d'été toute l'année\rCette option sera "
              "mémorisée par le programme pour tous les calculs.\r(Vous pourrez bien-sûr faire un "
              "nouveau choix)");
    EXPECT_EQ(questions.posees[1], "Confirmation");
    EXPECT_EQ(options.coches, (config::CochesModeHoraire{false, false, true}));

    config::ProgramOptions relues;
    ASSERT_TRUE(config::lit_options_demarrage(dir.path(), relues, questions.confirmation()));
    EXPECT_EQ(relues.mode_horaire, config::mode_ete_toute_l_annee);
}

TEST_F(Demarrage, ChangementDeModeAnnuleALaSecondeQuestion)
{
    config({"avec_chgt_d_heure true"});
    ASSERT_TRUE(demarre());
    int n = 0;
    const platform::Confirmation oui_puis_non = [&n](const std::string&) { return ++n == 1; };
    EXPECT_FALSE(config::change_mode_horaire(dir.path(), options, config::mode_hiver_toute_l_annee,
                                             oui_puis_non));
    EXPECT_EQ(options.mode_horaire, config::mode_avec_changement);
    EXPECT_EQ(platform::read_lines(dir / "config.dta"), (Lignes{"avec_chgt_d_heure true"}));
}

TEST(Repertoires, TousCreesAChaqueDemarrage)
{
    TemporaryDirectory dir;
    platform::write_lines(dir / "FMAIL", {}); // would have stopped everything before
    std::filesystem::remove(dir / "FMAIL");
    std::filesystem::create_directories(dir / "FMAIL");
    platform::write_lines(dir / "FMAIL" / "5786", {}); // a file in the way of one directory
    const auto echecs = cree_repertoires(dir.path(), 5786);
    ASSERT_EQ(echecs.size(), 1u);
    EXPECT_EQ(echecs[0], dir / "FMAIL" / "5786");
    for (std::string_view nom : repertoires_de_sortie()) {
        EXPECT_TRUE(std::filesystem::is_directory(dir / std::string(nom))) << nom;
    }
    EXPECT_EQ(repertoires_de_sortie().size(), 30u);
}

TEST(Repertoires, FmailDeLAnneeAvecSesParents)
{
    TemporaryDirectory dir;
    std::filesystem::create_directories(dir / "horaires"); // other case: kept as it is
    EXPECT_TRUE(cree_repertoires(dir.path(), 5785).empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "FMAIL" / "5785"));
    EXPECT_FALSE(std::filesystem::exists(dir / "HORAIRES"));
    EXPECT_TRUE(cree_repertoires(dir.path(), 5786).empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "FMAIL" / "5786"));
}

TEST(EtapeCreation, AujourdhuiFichiersAnneeEtRepertoires)
{
    TemporaryDirectory dir;
    platform::FixedClock horloge({2025, 3, 30});
    engine::CalendarEngine engine;
    config::ProgramOptions options;
    Questions q;
    ASSERT_TRUE(etape_creation(dir.path(), horloge, engine, options, q.confirmation()).continuer);
    EXPECT_EQ(engine.aujourdhui_annee, 2025);
    EXPECT_EQ(engine.annee_hebr, 5785);
    EXPECT_EQ(engine.mois_hebr, 8); // 1 Nissan 5785
    EXPECT_EQ(engine.jour_hebr, 1);
    EXPECT_EQ(lit_fichier_annee(dir.path(), "annee_c"), 2025);
    EXPECT_EQ(lit_fichier_annee(dir.path(), "annee_h"), 5785);
    EXPECT_EQ(platform::read_lines(dir / "annee_h"), (Lignes{"5785"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "FMAIL" / "5785"));
    EXPECT_EQ(lit_fichier_annee(dir.path(), "absent"), std::nullopt);
}

// "annee_c" that cannot be written (a directory in its place): the step is
// reported, and the other steps still run, so the summer-time mode of
// config.dta is still read (it used to be skipped, moving every time of the
// day page by one hour).
TEST(EtapeCreation, UneEtapeEnEchecNEmpechePasLesAutres)
{
    TemporaryDirectory dir;
    std::filesystem::create_directories(dir / "annee_c" / "dossier");
    platform::write_lines(dir / "config.dta",
                          {"avec_chgt_d_heure false", "heure_hiver_toute_l_annee false",
                           "heure_ete_toute_l_annee true"});
    platform::FixedClock horloge({2025, 3, 30});
    engine::CalendarEngine engine;
    config::ProgramOptions options;
    Questions q;
    const ResultatCreation r =
        etape_creation(dir.path(), horloge, engine, options, q.confirmation());
    EXPECT_TRUE(r.continuer);
    ASSERT_EQ(r.erreurs.size(), 1u);
    EXPECT_NE(r.erreurs[0].find("annee_c"), std::string::npos) << r.erreurs[0];
    EXPECT_EQ(options.mode_horaire, config::mode_ete_toute_l_annee);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "FMAIL" / "5785"));
}

TEST(Fermeture, ChoixDiaspora)
{
    TemporaryDirectory dir;
    ecrit_choix_diaspora(dir.path(), true);
    EXPECT_EQ(platform::read_lines(dir / "veldor3.ini"), (Lignes{"Diaspora=TRUE"}));
    ecrit_choix_diaspora(dir.path(), false);
    EXPECT_EQ(platform::read_lines(dir / "veldor3.ini"), (Lignes{"Diaspora=FALSE"}));
}

TEST(OuvreDocument, MessagesDErreur)
{
    TemporaryDirectory dir;
    platform::write_lines(dir / "Aide.txt", {"aide"});
    platform::RecordingDocumentOpener ouvreur;
    EXPECT_EQ(ouvre_document(dir.path(), "aide.txt", ouvreur), std::nullopt);
    ASSERT_EQ(ouvreur.opened().size(), 1u);
    EXPECT_EQ(ouvreur.opened()[0], dir / "Aide.txt");
    EXPECT_EQ(ouvre_document(dir.path(), "absent.xls", ouvreur),
              "Erreur 2 en ouvrant absent.xls\rVoir les libellés dans le fichier openerro.dta");
    ouvreur.set_succeeds(false);
    EXPECT_EQ(ouvre_document(dir.path(), "Aide.txt", ouvreur),
              "Erreur 31 en ouvrant Aide.txt\rVoir les libellés dans le fichier openerro.dta");
}

} // namespace
} // namespace orvane::shell
