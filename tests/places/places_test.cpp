#include "places/charge_lieux.h"
#include "places/home_place.h"
#include "places/places.h"
#include "places/places_editor.h"

#include "platform/file_error.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::places
{
namespace
{

using platform::test_support::TemporaryDirectory;
using Lignes = std::vector<std::string>;

const Lignes fichier_test = {
    "PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
    "Conakry\t\tGuinée\t09°32'N\t13°41'W\t0",
    "",
    "Port Moresby\t\tPapouasie-Nouvelle-Guinée\t09°27'S\t147°11'E\t+10",
    "Valence\t\tEspagne\t39°28'N\t00°23'W\t+1",
    "Valence\t\tFrance\t44°56'N\t04°54'E\t+1",
    "Jérusalem\tIsraël\t31°46'N\t35°13'E\t+2",
    "Évian\t\tFrance\t46°24'N\t06°35'E\t+1\tcommentaire",
};

TEST(DecoupeLigneLieu, UneOuDeuxTabulationsApresLaVille)
{
    const Place attendu{"Jérusalem", "Israël", "31°46'N", "35°13'E", "+2"};
    EXPECT_EQ(decoupe_ligne_lieu("Jérusalem\tIsraël\t31°46'N\t35°13'E\t+2"), attendu);
    EXPECT_EQ(decoupe_ligne_lieu("Jérusalem\t\tIsraël\t31°46'N\t35°13'E\t+2"), attendu);
    EXPECT_EQ(decoupe_ligne_lieu("Évian\t\tFrance\t46°24'N\t06°35'E\t+1\tcommentaire").decalage,
              "+1");
    EXPECT_EQ(decoupe_ligne_lieu("Lyon\t\tFrance").latitude, "");
    EXPECT_EQ(decoupe_ligne_lieu(ligne_lieu(attendu)), attendu);
}

TEST(DecoupeLigneLieu, ChampsCoupes)
{
    const Place lieu = decoupe_ligne_lieu(std::string(40, 'a') + "\t\tFrance\t1\t2\t+12345678901");
    EXPECT_EQ(lieu.ville, std::string(30, 'a'));
    EXPECT_EQ(lieu.decalage, "+123456789");
}

TEST(Listes, TrieesSansDoublonsEtSansLignesVides)
{
    const ListesLieux l = listes_des_lignes(fichier_test);
    EXPECT_EQ(l.lignes.size(), 7u);
    EXPECT_EQ(l.pays,
              (Lignes{"Espagne", "France", "Guinée", "Israël", "Papouasie-Nouvelle-Guinée"}));
    EXPECT_EQ(l.villes,
              (Lignes{"Conakry", "Évian", "Jérusalem", "PARIS (75)", "Port Moresby", "Valence"}));
    EXPECT_TRUE(avant_dans_la_liste("Égypte", "France"));
    EXPECT_TRUE(avant_dans_la_liste("egypte", "Égypte") != avant_dans_la_liste("Égypte", "egypte"));
}

TEST(ChoixPays, LeChampPaysCompareExactement)
{
    const ListesLieux l = listes_des_lignes(fichier_test);
    const ChoixPays guinee = choix_pays(l, "Guinée");
    EXPECT_EQ(guinee.villes, (Lignes{"Conakry"}));
    ASSERT_TRUE(guinee.premier_lieu);
    EXPECT_EQ(guinee.premier_lieu->latitude, "09°32'N");
    const ChoixPays france = choix_pays(l, "France");
    EXPECT_EQ(france.villes, (Lignes{"PARIS (75)", "Valence", "Évian"})); // file order
    EXPECT_EQ(france.premier_lieu->ville, "PARIS (75)");
    EXPECT_EQ(choix_pays(l, "Israël").villes, (Lignes{"Jérusalem"}));
    EXPECT_TRUE(choix_pays(l, "Japon").villes.empty());
    EXPECT_FALSE(choix_pays(l, "Japon").premier_lieu);
}

TEST(ChoixVille, LaVilleDuPaysChoisi)
{
    const ListesLieux l = listes_des_lignes(fichier_test);
    EXPECT_EQ(choix_ville(l, "Valence", "Espagne")->latitude, "39°28'N");
    EXPECT_EQ(choix_ville(l, "Valence", "France")->latitude, "44°56'N");
    // Without a country, or from another one: the last line of that name.
    EXPECT_EQ(choix_ville(l, "Valence")->pays, "France");
    EXPECT_EQ(choix_ville(l, "Valence", "Guinée")->pays, "France");
    EXPECT_EQ(choix_ville(l, "Jérusalem", "Israël")->longitude, "35°13'E"); // one tab only
    EXPECT_FALSE(choix_ville(l, "Valen"));
}

class LieuAccueilFichier : public ::testing::Test
{
protected:
    TemporaryDirectory dir;
    Lignes accueil() { return platform::read_lines(dir / "lieu_acc.cal"); }
};

TEST_F(LieuAccueilFichier, CreeAvecLaLigneParDefaut)
{
    platform::write_lines(dir / "lieu.cal", fichier_test);
    const LieuxCharges c = charge_lieux(dir.path());
    EXPECT_EQ(accueil(), (Lignes{std::string(ligne_lieu_accueil_defaut)}));
    EXPECT_EQ(c.fichier_lieux, "lieu.cal");
    EXPECT_EQ(c.accueil.lieu, (Place{"PARIS (75)", "France", "48°52'N", "02°20'E", "1"}));
    EXPECT_EQ(c.accueil.opinion, "Beth Din (France)");
    EXPECT_EQ(c.accueil.correction, "1");
    EXPECT_EQ(c.listes.lignes.size(), 7u);
}

TEST_F(LieuAccueilFichier, LeChamp8ChoisitLeFichierDeLieux)
{
    platform::write_lines(dir / "lieu.cal", {"A\t\tFrance\t1N\t1E\t+1"});
    platform::write_lines(dir / "lieu_all.cal",
                          {"B\t\tFrance\t1N\t1E\t+1", "C\t\tFrance\t1N\t1E\t+1"});
    LieuAccueil a = decoupe_lieu_accueil(ligne_lieu_accueil_defaut);
    a.fichier_lieux = "lieu_all.cal";
    ecrit_lieu_accueil(dir.path(), a);
    EXPECT_EQ(charge_lieux(dir.path()).listes.villes, (Lignes{"B", "C"}));
    // The opinion choice rewrites the line without field 8: back to lieu.cal.
    ecrit_lieu_accueil(dir.path(), a, false);
    EXPECT_EQ(accueil()[0], "PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tBeth Din (France)\t1\t");
    EXPECT_EQ(charge_lieux(dir.path()).listes.villes, (Lignes{"A"}));
    EXPECT_EQ(fichier_lieux_nomme("LIEU_ALL.CAL"), "lieu.cal");
}

TEST_F(LieuAccueilFichier, SansFichierDeLieuxLesListesRestentVides)
{
    const LieuxCharges c = charge_lieux(dir.path());
    EXPECT_TRUE(c.listes.lignes.empty());
    EXPECT_TRUE(c.listes.pays.empty());
}

TEST_F(LieuAccueilFichier, LigneDeBoitesRemplaceeParLaCopie)
{
    const std::string copie = "Lyon\tFrance\t45°45'N\t04°51'E\t1\tBeth Din (France)\t0\tlieu.cal\t";
    platform::write_lines(dir / "lieu_ac2.cal", {copie});
    for (const char* mauvaise :
         {"", "combobox1\tcombobox2", "AA Ville ?\tFrance", "Paris\tFrance\tEdit1"}) {
        platform::write_lines(dir / "lieu_acc.cal", {mauvaise});
        EXPECT_TRUE(repare_lieu_accueil(dir.path())) << mauvaise;
        EXPECT_EQ(accueil(), (Lignes{copie}));
    }
    EXPECT_FALSE(repare_lieu_accueil(dir.path()));
}

TEST_F(LieuAccueilFichier, SansCopieLaLigneParDefaut)
{
    platform::write_lines(dir / "lieu_acc.cal", {"Edit1\tEdit2"});
    EXPECT_TRUE(repare_lieu_accueil(dir.path()));
    EXPECT_EQ(accueil(), (Lignes{std::string(ligne_lieu_accueil_defaut)}));
    platform::write_lines(dir / "lieu_acc.cal", {""});
    platform::write_lines(dir / "lieu_ac2.cal", {"combobox"});
    EXPECT_TRUE(repare_lieu_accueil(dir.path()));
    EXPECT_EQ(accueil(), (Lignes{std::string(ligne_lieu_accueil_defaut)}));
    platform::write_lines(dir / "lieu_acc.cal", {});
    EXPECT_TRUE(repare_lieu_accueil(dir.path()));
    EXPECT_EQ(accueil(), (Lignes{std::string(ligne_lieu_accueil_defaut)}));
}

// A program directory that cannot be written (read-only home, here one
// that does not exist) still gives the default home place, from memory;
// an unreadable saved copy (a directory in its place) does not block the
// repair of a bad home line.
TEST_F(LieuAccueilFichier, SansEcriturePossibleLaLigneParDefautEnMemoire)
{
    const AccueilLu lu = prepare_lieu_accueil(dir / "absent");
    EXPECT_EQ(lu.accueil.lieu, decoupe_lieu_accueil(ligne_lieu_accueil_defaut).lieu);
    EXPECT_FALSE(std::filesystem::exists(dir / "absent"));

    platform::write_lines(dir / "lieu_acc.cal", {"combobox"});
    std::filesystem::create_directory(dir / "lieu_ac2.cal");
    const AccueilLu repare = prepare_lieu_accueil(dir.path());
    EXPECT_EQ(repare.accueil.lieu, decoupe_lieu_accueil(ligne_lieu_accueil_defaut).lieu);
    EXPECT_EQ(accueil(), (Lignes{std::string(ligne_lieu_accueil_defaut)}));
}

// A places file that gives no place, missing or empty, is said so instead
// of leaving the lists empty.
TEST_F(LieuAccueilFichier, UnFichierDeLieuxVideEstSignale)
{
    EXPECT_NE(message_sans_lieux(charge_lieux(dir.path())), std::nullopt); // missing
    platform::write_lines(dir / "lieu.cal", {"", ""});
    const std::optional<std::string> vide = message_sans_lieux(charge_lieux(dir.path()));
    ASSERT_TRUE(vide.has_value());
    EXPECT_NE(vide->find("« lieu.cal » ne contient aucune ville"), std::string::npos) << *vide;
    platform::write_lines(dir / "lieu.cal", fichier_test);
    EXPECT_EQ(message_sans_lieux(charge_lieux(dir.path())), std::nullopt);
}

TEST(LigneLieuAccueil, AllerRetour)
{
    const LieuAccueil a{
        {"Haïfa", "Israël", "32°49'N", "34°59'E", "+2"}, "Or Méïr", "0", "lieu_all.cal"};
    EXPECT_EQ(decoupe_lieu_accueil(ligne_lieu_accueil(a)), a);
    EXPECT_EQ(decoupe_lieu_accueil("Paris\tFrance"),
              (LieuAccueil{{"Paris", "France", "", "", ""}, "", "", ""}));
}

TEST(EditeurLieux, LesRangeesIntouchéesSontRecopiéesTellesQuelles)
{
    const Lignes lignes = {"jérusalem\tIsraël\t31°46'N\t35°13'E\t+2",
                           "lyon\t\tfrance\t45°45'N\t04°51'E\t+1\tnote"};
    EditeurLieux e = EditeurLieux::des_lignes(lignes);
    ASSERT_EQ(e.rangees().size(), 2u);
    EXPECT_EQ(e.rangees()[1].lieu.ville, "lyon");
    EXPECT_EQ(e.lignes(), lignes);
    e.change(1, ColonneLieu::decalage, "+1"); // same text: untouched
    EXPECT_EQ(e.lignes(), lignes);
    EXPECT_FALSE(e.modifie());
    e.change(1, ColonneLieu::latitude, "45°46'N");
    EXPECT_EQ(e.lignes()[0], lignes[0]);
    EXPECT_EQ(e.lignes()[1], "Lyon\t\tFrance\t45°46'N\t04°51'E\t+1");
    EXPECT_TRUE(e.modifie());
}

TEST(EditeurLieux, AjouteEtSupprimeDansLeFichier)
{
    TemporaryDirectory dir;
    const Lignes cinq = {"A\t\tFrance\t1N\t1E\t+1", "B\t\tFrance\t2N\t2E\t+1",
                         "C\t\tFrance\t3N\t3E\t+1", "D\t\tFrance\t4N\t4E\t+1",
                         "E\t\tFrance\t5N\t5E\t+1"};
    platform::write_lines(dir / "lieu.cal", cinq);
    EditeurLieux e = EditeurLieux::lit(dir.path(), "lieu.cal");
    e.supprime(2);
    e.ecrit_fichier(dir.path(), "lieu.cal");
    EXPECT_EQ(platform::read_lines(dir / "lieu.cal"), (Lignes{cinq[0], cinq[1], cinq[3], cinq[4]}));

    e.ajoute();
    EXPECT_EQ(e.verifie(), "Veuillez remplir tous les champs de cette ligne\r");
    e.change(4, ColonneLieu::ville, "tarascon");
    e.change(4, ColonneLieu::pays, "france");
    e.change(4, ColonneLieu::latitude, "43°48'N");
    e.change(4, ColonneLieu::longitude, "04°40'E");
    EXPECT_TRUE(e.verifie());
    e.change(4, ColonneLieu::decalage, "+1");
    EXPECT_FALSE(e.verifie());
    e.ecrit_fichier(dir.path(), "lieu.cal");
    EXPECT_FALSE(e.modifie());
    EXPECT_EQ(platform::read_lines(dir / "lieu.cal").back(),
              "Tarascon\t\tFrance\t43°48'N\t04°40'E\t+1");
    EXPECT_EQ(listes_des_lignes(platform::read_lines(dir / "lieu.cal")).villes.size(), 5u);
}

// "Enregistrer cette localité" and "Supprimer cette localité" of the zmanim
// window: a known city gets its new coordinates in place, a new one is added
// at the end; deleting removes that city of that country only.
TEST(EditeurLieux, EnregistreEtSupprimeUneLocalite)
{
    TemporaryDirectory dir;
    const Lignes trois = {"A\t\tFrance\t1N\t1E\t+1", "A\t\tBelgique\t2N\t2E\t+1",
                          "C\t\tFrance\t3N\t3E\t+1"};
    platform::write_lines(dir / "lieu.cal", trois);
    enregistre_localite(dir.path(), "lieu.cal", {"A", "France", "1°30N", "1E", "+1"});
    EXPECT_EQ(platform::read_lines(dir / "lieu.cal"),
              (Lignes{"A\t\tFrance\t1°30N\t1E\t+1", trois[1], trois[2]}));
    enregistre_localite(dir.path(), "lieu.cal", {"Dax", "France", "43°42N", "1°03O", "+1"});
    EXPECT_EQ(platform::read_lines(dir / "lieu.cal").back(), "Dax\t\tFrance\t43°42N\t1°03O\t+1");
    EXPECT_TRUE(supprime_localite(dir.path(), "lieu.cal", {"A", "France", "", "", ""}));
    EXPECT_EQ(platform::read_lines(dir / "lieu.cal").front(), trois[1]);
    EXPECT_EQ(platform::read_lines(dir / "lieu.cal").size(), 3u);
    EXPECT_FALSE(supprime_localite(dir.path(), "lieu.cal", {"Z", "France", "", "", ""}));
}

// A places file that could not be read is never written: a city added to
// the empty grid of the editor used to replace the whole list.
TEST(EditeurLieux, UnFichierIllisibleNEstJamaisReecrit)
{
    TemporaryDirectory dir;
    platform::write_lines(dir / "lieu.cal", fichier_test);
    EditeurLieux e = EditeurLieux::illisible("Impossible de lire le fichier « lieu.cal »");
    EXPECT_TRUE(e.rangees().empty());
    e.ajoute();
    e.change(0, ColonneLieu::ville, "Lyon (69)");
    e.change(0, ColonneLieu::pays, "France");
    e.change(0, ColonneLieu::latitude, "45°45'N");
    e.change(0, ColonneLieu::longitude, "04°50'E");
    e.change(0, ColonneLieu::decalage, "+1");
    try {
        e.ecrit_fichier(dir.path(), "lieu.cal");
        FAIL() << "written";
    } catch (const platform::FileError& erreur) {
        EXPECT_NE(std::string(erreur.what()).find("n'est pas réécrit"), std::string::npos);
    }
    std::vector<std::string> attendu = fichier_test;
    attendu.erase(std::remove(attendu.begin(), attendu.end(), ""), attendu.end());
    std::vector<std::string> relu = platform::read_lines(dir / "lieu.cal");
    relu.erase(std::remove(relu.begin(), relu.end(), ""), relu.end());
    EXPECT_EQ(relu, attendu);
}

TEST(EditeurLieux, UneRangeeVideAuMilieuEstRefusee)
{
    EditeurLieux e = EditeurLieux::des_lignes({"A\t\tFrance\t1N\t1E\t+1"});
    e.ajoute();
    e.ajoute();
    for (ColonneLieu c : {ColonneLieu::ville, ColonneLieu::pays, ColonneLieu::latitude,
                          ColonneLieu::longitude, ColonneLieu::decalage}) {
        e.change(2, c, "x");
    }
    EXPECT_TRUE(e.verifie()); // row 1 is still empty
}

TEST(EditeurLieux, MessagesDeLaFenetre)
{
    EXPECT_EQ(message_suppression("PARIS (75)", "France"),
              "Vous allez supprimer la localité\rPARIS (75) de France\rdu fichier "
              "lieux.cal\r\rEtes-vous sûr ?");
    EditeurLieux e = EditeurLieux::des_lignes({"A\x01\x02\t\tFrance\t1N\t1E\t+1", ""});
    ASSERT_EQ(e.rangees().size(), 1u);
    EXPECT_EQ(e.rangees()[0].lieu.ville, "A");
}

// The opinion chosen for the day page keeps the places file in use in the
// home place file, so that the next start loads the same list.
TEST(OpinionAccueil, LeFichierDesLieuxEstGarde)
{
    platform::test_support::TemporaryDirectory dir;
    LieuAccueil accueil;
    accueil.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "1"};
    accueil.opinion = "Beth Din (France)";
    accueil.correction = "1";
    accueil.fichier_lieux = "lieu_all.cal";
    enregistre_opinion_accueil(dir.path(), accueil, "Or Méïr");
    const std::vector<std::string> l = platform::read_lines(dir.path() / "lieu_acc.cal");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0], "PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tOr Méïr\t1\tlieu_all.cal\t");
}

} // namespace
} // namespace orvane::places
