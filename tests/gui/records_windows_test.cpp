// The records windows driven offscreen in a fresh program directory: the
// events window on its table "Anni_Ev.DBF".
#include "gui/common/text_printer.h"
#include "gui/records/consult_window.h"
#include "gui/records/event_window.h"
#include "gui/records/folder_window.h"
#include "gui/records/mailing_window.h"
#include "gui/records/table_window.h"
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "records/tables/dbase_table.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "qt_test_application.h"

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;

class FenetreEvenements : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
    }

    void branche(TFEvent& f)
    {
        f.set_dialogues(
            [this](const fs::path& p) {
                enregistres.push_back(p);
                return std::optional<fs::path>(p);
            },
            [this](const std::string& m) { erreurs.push_back(m); },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return true;
            },
            [this](const std::string& q, Reponses) {
                questions.push_back(q);
                return reponse;
            });
    }

    template <class T>
    static T* c(QWidget& f, const char* nom)
    {
        T* w = f.findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    static void clique(QWidget& f, const char* nom) { c<QPushButton>(f, nom)->click(); }

    static void tape(QLineEdit* e, const QString& texte)
    {
        e->setText(texte);
        emit e->textEdited(texte);
    }

    records::Table relit_naissances() const
    {
        return records::Table::ouvre(records::chemin_de_table(dir.path(), "Bd_NAIS.dbf"));
    }

    records::Table relit() const
    {
        return records::Table::ouvre(records::chemin_de_table(dir.path(), "Anni_Ev.DBF"));
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    std::vector<fs::path> enregistres;
    std::vector<std::string> erreurs;
    std::vector<std::string> questions;
    std::vector<TexteAImprimer> imprimes;
    QMessageBox::StandardButton reponse = QMessageBox::Yes;
};

TEST_F(FenetreEvenements, UnEvenementSaisiParSaDateHebraique)
{
    TFEvent f(*ctx);
    branche(f);
    ASSERT_TRUE(fs::exists(dir / "dbd" / "Anni_Ev.DBF")); // created with its schema
    EXPECT_EQ(c<QLabel>(f, "LabelAujourdhui")->text(), "Aujourd'hui : 05/01/2025");
    clique(f, "BoutonInserer");
    tape(c<QLineEdit>(f, "Titre"), "Pourim");
    tape(c<QLineEdit>(f, "DateHebraique"), "14/6/5785");
    c<QPlainTextEdit>(f, "Commentaires")->setPlainText("Lecture de la Méguila\nà 19 h");
    clique(f, "BoutonCalcul");
    EXPECT_EQ(c<QLineEdit>(f, "DateCivile")->text(), "14/03/2025");
    EXPECT_EQ(c<QLineEdit>(f, "DateHebraique")->text(), "14/06/5785");
    EXPECT_EQ(c<QLineEdit>(f, "TexteCivil")->text(), "Vendredi 14 Mars 2025");
    EXPECT_TRUE(c<QPlainTextEdit>(f, "Anniversaires")->toPlainText().contains("14 Adar"));
    clique(f, "BoutonValider");
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    records::Table t = relit();
    ASSERT_EQ(t.nombre(), 1u);
    EXPECT_EQ(t.texte("TITRE"), "Pourim");
    EXPECT_EQ(t.texte("DATEC"), "14/03/2025");
    EXPECT_EQ(t.texte("DATEH"), "14/06/5785");
    EXPECT_EQ(records::lignes_du_commentaire(t.texte("COMMENT")),
              (std::vector<std::string>{"Lecture de la Méguila", "à 19 h"}));
}

TEST_F(FenetreEvenements, LesChangementsNonEnregistresSontDemandes)
{
    {
        TFEvent f(*ctx);
        branche(f);
        for (const char* titre : {"Un", "Deux"}) {
            clique(f, "BoutonInserer");
            tape(c<QLineEdit>(f, "Titre"), titre);
            tape(c<QLineEdit>(f, "DateCivile"), "01/01/2000");
            clique(f, "BoutonValider");
        }
        ASSERT_EQ(f.table().nombre(), 2u);
        clique(f, "BoutonPremier");
        tape(c<QLineEdit>(f, "Titre"), "Un modifié");
        // No: the change is dropped and the move goes on.
        reponse = QMessageBox::No;
        clique(f, "BoutonSuivant");
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(c<QLineEdit>(f, "Titre")->text(), "Deux");
        // Cancel: the record stays with what was typed.
        tape(c<QLineEdit>(f, "Titre"), "Deux modifié");
        reponse = QMessageBox::Cancel;
        clique(f, "BoutonPremier");
        EXPECT_EQ(c<QLineEdit>(f, "Titre")->text(), "Deux modifié");
        // Yes: posted before the move.
        reponse = QMessageBox::Yes;
        clique(f, "BoutonPremier");
        EXPECT_EQ(c<QLineEdit>(f, "Titre")->text(), "Un");
    }
    records::Table t = relit();
    std::vector<std::string> titres;
    for (bool ok = t.premier(); ok; ok = t.suivant()) {
        titres.push_back(t.texte("TITRE"));
    }
    EXPECT_EQ(titres, (std::vector<std::string>{"Un", "Deux modifié"}));
}

TEST_F(FenetreEvenements, SupprimerUnEvenement)
{
    TFEvent f(*ctx);
    branche(f);
    clique(f, "BoutonInserer");
    tape(c<QLineEdit>(f, "Titre"), "A supprimer");
    clique(f, "BoutonValider");
    reponse = QMessageBox::No;
    clique(f, "BoutonSupprimer");
    EXPECT_EQ(relit().nombre(), 1u);
    reponse = QMessageBox::Yes;
    clique(f, "BoutonSupprimer");
    EXPECT_EQ(relit().nombre(), 0u);
    EXPECT_EQ(questions.back(), "Supprimer l'événement « A supprimer » de la table ?");
}

TEST_F(FenetreEvenements, EnregistrerImprimerEtFermer)
{
    TFEvent f(*ctx);
    branche(f);
    clique(f, "BoutonInserer");
    tape(c<QLineEdit>(f, "Titre"), "Brit mila");
    tape(c<QLineEdit>(f, "DateCivile"), "13/03/2025");
    c<QCheckBox>(f, "PlusieursAnnees")->setChecked(true);
    c<QSpinBox>(f, "NbAnnees")->setValue(3);
    clique(f, "BoutonCalcul");
    clique(f, "BoutonEnregistrer");
    ASSERT_EQ(enregistres.size(), 1u);
    EXPECT_EQ(enregistres[0], dir / "EVENTS" / "Brit_mil.txt");
    const std::vector<std::string> lignes = platform::read_lines(enregistres[0]);
    ASSERT_EQ(lignes.size(), 4u + 3u + 1u);
    EXPECT_EQ(lignes[0], "Jeudi    13 Mars 2025(Jeudi     13 Adar    5785 )");
    EXPECT_EQ(lignes[4], "Les prochains anniversaires");
    clique(f, "BoutonImprimer");
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes[5], "        Brit mila");
    const fs::path pdf = dir / "evenement.pdf";
    ASSERT_TRUE(imprime_en_pdf(QString::fromStdString(pdf.string()), imprimes[0]));
    EXPECT_EQ(platform::read_bytes(pdf).substr(0, 4), "%PDF");
    // The direct printing needs its two frame files.
    clique(f, "BoutonImpressionDirecte");
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_NE(erreurs[0].find("fonddeb.txt"), std::string::npos) << erreurs[0];
    platform::write_lines(dir / "fonddeb.txt", {"COMMUNAUTE"});
    platform::write_lines(dir / "fondfin.txt", {"FIN"});
    clique(f, "BoutonImpressionDirecte");
    ASSERT_EQ(imprimes.size(), 2u);
    EXPECT_EQ(imprimes[1].lignes.front(), "        COMMUNAUTE");
    // Closing: the unposted event first, then the question of the Part.
    f.show();
    reponse = QMessageBox::Yes;
    clique(f, "BoutonFermer");
    EXPECT_EQ(relit().nombre(), 1u);
    EXPECT_EQ(questions.back(), "Le résultat est en attente\rFaut-il le sauver dans un fichier ?");
    EXPECT_TRUE(f.isVisible()); // Yes saves and stays
    reponse = QMessageBox::No;
    clique(f, "BoutonFermer");
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FenetreEvenements, UneDateImpossible)
{
    TFEvent f(*ctx);
    branche(f);
    clique(f, "BoutonInserer");
    tape(c<QLineEdit>(f, "DateHebraique"), "5/7/5780");
    clique(f, "BoutonCalcul");
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0], "Cette date n'existe pas\rl'année est commune");
    EXPECT_TRUE(c<QPlainTextEdit>(f, "Anniversaires")->toPlainText().isEmpty());
}

// Three births in the table of the program directory.
void remplit_naissances(const fs::path& repertoire)
{
    const records::SchemaTable& s = records::schema_naissances();
    records::Table t = records::Table::ouvre_ou_cree(
        records::chemin_de_table(repertoire, s.nom_fichier), s.champs);
    const std::tuple<const char*, const char*, const char*, const char*> fiches[] = {
        {"M", "LÉVY", "David", "10/05/1998"},
        {"Mme", "COHEN", "Léa", "03/01/1951"},
        {"M.", "BENHAMOU", "Élie", "09/11/1999"}};
    for (const auto& [n, nom, prenom, date] : fiches) {
        t.insere();
        t.change_texte("N", n);
        t.change_texte("NOM", nom);
        t.change_texte("PRE", prenom);
        t.change_texte("NAI_CV_N", date);
        t.change_texte("NOTES", "Vendredi 13 Décembre 2024 --> suivi par le rabbin");
        t.valide();
    }
}

class FenetresDesBases : public FenetreEvenements
{
protected:
    void branche(TFmaint& f)
    {
        f.set_dialogues([this](const fs::path&) { return table_choisie; },
                        [this](const fs::path& p) {
                            enregistres.push_back(p);
                            return std::optional<fs::path>(p);
                        },
                        [this](const std::string& m) { erreurs.push_back(m); },
                        [this](const std::string& m) { informations.push_back(m); },
                        [this](const TexteAImprimer& t) {
                            imprimes.push_back(t);
                            return true;
                        });
    }

    std::optional<fs::path> table_choisie;
    std::vector<std::string> informations;
};

TEST_F(FenetresDesBases, LaTableEnGrilleEtSesExports)
{
    remplit_naissances(dir.path());
    TFmaint f(*ctx);
    branche(f);
    auto* grille = f.findChild<QTableWidget*>("Grille");
    ASSERT_EQ(grille->rowCount(), 3);
    EXPECT_EQ(grille->horizontalHeaderItem(1)->text(), "NOM");
    EXPECT_EQ(grille->item(1, 1)->text(), "COHEN");
    EXPECT_EQ(f.findChild<QGroupBox*>("GroupeBase")->title(), "Base de données : Bd_NAIS.dbf");
    EXPECT_EQ(f.findChild<QLabel*>("LabelNombre")->text(), "3 enregistrements");
    f.findChild<QPushButton*>("BoutonLister")->click();
    const QString liste = f.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    EXPECT_TRUE(liste.startsWith(" M LÉVY David")) << liste.toStdString();
    f.findChild<QPushButton*>("BoutonExportExcel")->click();
    ASSERT_EQ(enregistres.size(), 1u);
    EXPECT_EQ(enregistres[0], dir / "dbd" / "Bd_NAIS.txt");
    const std::vector<std::string> lignes = platform::read_lines(enregistres[0]);
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(lignes[1].rfind("\tMme\tCOHEN\tLéa\t", 0), 0u) << lignes[1];
    // No field chosen in config.dta: the notice, then the default fields.
    f.findChild<QPushButton*>("BoutonExportSelection")->click();
    ASSERT_EQ(informations.size(), 1u);
    const std::vector<std::string> defaut = platform::read_lines(enregistres.back());
    EXPECT_EQ(defaut[0].rfind("M\tLÉVY\tDavid\t", 0), 0u) << defaut[0];
    EXPECT_NE(defaut[0].find("suivi par le rabbin"), std::string::npos);
    // "Table1NOM" set: only the name.
    platform::write_lines(dir / "config.dta", {"Table1NOM true"});
    f.findChild<QPushButton*>("BoutonExportSelection")->click();
    EXPECT_EQ(informations.size(), 1u);
    EXPECT_EQ(platform::read_lines(enregistres.back()),
              (std::vector<std::string>{"LÉVY\t", "COHEN\t", "BENHAMOU\t"}));
    f.findChild<QPushButton*>("BoutonImprimer")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes.size(), 3u);
    // Another table chosen; a cancelled choice keeps the one open.
    f.findChild<QPushButton*>("BoutonChoisir")->click();
    EXPECT_EQ(f.table().fichier(), dir / "dbd" / "Bd_NAIS.dbf");
    EXPECT_TRUE(f.table().ouverte());
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
}

TEST_F(FenetresDesBases, LaFicheEtLaGrilleDesDates)
{
    remplit_naissances(dir.path());
    TFConsult f(*ctx);
    f.set_erreur([this](const std::string& m) { erreurs.push_back(m); });
    EXPECT_EQ(f.findChild<QLabel*>("LabelNombre")->text(), "3 Enregistrements");
    EXPECT_EQ(f.findChild<QLineEdit*>("NOM")->text(), "LÉVY");
    auto* grille = f.findChild<QTableWidget*>("GrilleDates");
    EXPECT_EQ(grille->item(1, 0)->text(), "Naissance civile");
    EXPECT_EQ(grille->item(2, 4)->text(), "5758");
    EXPECT_EQ(grille->item(5, 0)->text(), "Bar Mitzva"); // civility exactly "M"
    f.findChild<QPushButton*>("BoutonDernier")->click();
    EXPECT_EQ(f.findChild<QLineEdit*>("PRE")->text(), "Élie");
    EXPECT_EQ(grille->item(5, 0)->text(), "Bat Mitzva"); // "M." is not "M" here
    // Sorted by name, then back to the order of the file.
    f.findChild<QPushButton*>("BoutonTri")->click();
    EXPECT_EQ(f.findChild<QLineEdit*>("NOM")->text(), "BENHAMOU");
    f.findChild<QPushButton*>("BoutonSansTri")->click();
    EXPECT_EQ(f.findChild<QLineEdit*>("NOM")->text(), "LÉVY");
    // A change posted reaches the file.
    f.findChild<QLineEdit*>("VILLE")->setText("Besançon");
    f.findChild<QPushButton*>("BoutonValider")->click();
    records::Table t = records::Table::ouvre(records::chemin_de_table(dir.path(), "Bd_NAIS.dbf"));
    EXPECT_EQ(t.texte("VILLE"), "Besançon");
    // A birth date of another length leaves the grid as it was.
    f.findChild<QLineEdit*>("NAI_CV_N")->setText("1/1/2000");
    EXPECT_EQ(grille->item(2, 4)->text(), "5758");
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
    // The clock writes today's dates.
    f.Horloge();
    EXPECT_EQ(f.findChild<QLabel*>("LabelDateHebraique")->text(), "5  Tevet   5785");
}

class FenetreMailing : public FenetresDesBases
{
protected:
    void branche(TFReplace& f)
    {
        f.set_dialogues(
            [this](const fs::path&, const QString&, const QString&) {
                std::optional<fs::path> r;
                if (!ouvertures.empty()) {
                    r = ouvertures.front();
                    ouvertures.erase(ouvertures.begin());
                }
                return r;
            },
            [this](const fs::path& p) {
                enregistres.push_back(p);
                return std::optional<fs::path>(p);
            },
            [this](const fs::path& p) {
                dossiers.push_back(p);
                return std::optional<fs::path>(p);
            },
            [this](const std::string& m) { erreurs.push_back(m); },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return true;
            },
            [this](const std::string& q, Reponses) {
                questions.push_back(q);
                QMessageBox::StandardButton r = QMessageBox::Yes;
                if (!reponses.empty()) {
                    r = reponses.front();
                    reponses.erase(reponses.begin());
                }
                return r;
            });
    }

    std::vector<fs::path> ouvertures;
    std::vector<fs::path> dossiers;
    std::vector<QMessageBox::StandardButton> reponses;
};

TEST_F(FenetreMailing, LettresDeLaPeriodeEnregistreesEtImprimees)
{
    remplit_naissances(dir.path());
    {
        records::Table t = relit_naissances();
        for (bool ok = t.premier(); ok; ok = t.suivant()) {
            t.modifie();
            t.change_texte("ACT_CV_N", t.texte("NOM") == "COHEN" ? "25/01/2025" : "08/01/2025");
            t.valide();
        }
    }
    platform::write_lines(dir / "model_test.txt", {"<@N> <@NOM> <@PRE>, le <@DATE>"});
    TFReplace f(*ctx);
    branche(f);
    // Before a model: the invitation, the controls disabled.
    EXPECT_TRUE(c<QPlainTextEdit>(f, "Modele")->toPlainText().contains("Veuillez ouvrir"));
    EXPECT_FALSE(c<QPushButton>(f, "BoutonMailing")->isEnabled());
    EXPECT_EQ(c<QLabel>(f, "LabelTotal")->text(), "3 fiches au total");
    ouvertures = {dir / "dbd" / "Bd_NAIS.dbf", dir / "model_test.txt"};
    clique(f, "BoutonOuvrir");
    EXPECT_TRUE(c<QPushButton>(f, "BoutonMailing")->isEnabled());
    // From today 5 January 2025 and 15 days: the two births of the 8th.
    EXPECT_EQ(c<QLabel>(f, "LabelCompte")->text(), "2 fiches sélectionnées");
    EXPECT_EQ(c<QListWidget>(f, "ListeFiches")->count(), 2);
    // Save yes, print yes, every record.
    reponses = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes};
    clique(f, "BoutonMailing");
    ASSERT_EQ(dossiers.size(), 1u);
    EXPECT_EQ(dossiers[0], dir / "FMAIL" / std::to_string(ctx->engine.annee_hebr));
    EXPECT_TRUE(fs::exists(dossiers[0] / "LÉVY_David.rtf"));
    EXPECT_TRUE(fs::exists(dossiers[0] / "BENHA_Élie.rtf"));
    ASSERT_EQ(imprimes.size(), 2u);
    EXPECT_EQ(imprimes[0].lignes[4], "    Monsieur LÉVY David, le 05/01/2025");
    EXPECT_EQ(c<QLabel>(f, "LabelCompte")->text(), "2 fiches traitées");
    const QString personnes = c<QPlainTextEdit>(f, "ListePersonnes")->toPlainText();
    EXPECT_TRUE(personnes.contains("----- ENREGISTREMENT -----"));
    EXPECT_TRUE(personnes.contains("----- IMPRESSION -----"));
    // The start 31 February becomes 3 March; 0 days: nobody.
    c<QSpinBox>(f, "NbJours")->setValue(0);
    c<QSpinBox>(f, "Mois")->setValue(2);
    c<QSpinBox>(f, "Jour")->setValue(31);
    EXPECT_EQ(c<QSpinBox>(f, "Jour")->value(), 1);
    EXPECT_EQ(c<QSpinBox>(f, "Mois")->value(), 3);
    EXPECT_EQ(c<QLabel>(f, "LabelCompte")->text(), "0 fiches sélectionnées");
    // Inserting a field puts a blank and its placeholder at the cursor.
    c<QPlainTextEdit>(f, "Modele")->setPlainText("Cher");
    c<QPlainTextEdit>(f, "Modele")->moveCursor(QTextCursor::End);
    c<QListWidget>(f, "ListeChamps")->setCurrentRow(2); // DATE, N, NOM
    clique(f, "BoutonInserer");
    EXPECT_EQ(c<QPlainTextEdit>(f, "Modele")->toPlainText(), "Cher <@NOM>");
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
}

TEST_F(FenetreMailing, RechercheDUnePersonneParSonNom)
{
    remplit_naissances(dir.path());
    platform::write_lines(dir / "model_test.txt", {"<@NOM> <@PRE>"});
    TFReplace f(*ctx);
    branche(f);
    ouvertures = {dir / "dbd" / "Bd_NAIS.dbf", dir / "model_test.txt"};
    clique(f, "BoutonOuvrir");
    f.findChild<QAction*>("RechercheNom")->trigger();
    auto* liste = c<QListWidget>(f, "ListeFiches");
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->item(0)->text(), "BENHAMOU"); // sorted in French order
    f.ChoixDuNom("COHEN");
    ASSERT_EQ(liste->count(), 1);
    EXPECT_EQ(liste->item(0)->text(), "COHEN Léa ");
    f.ChoixDeLaPersonne("COHEN Léa ");
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes[4], "    COHEN Léa");
    // "Imprimer la fiche trouvée jointe": after its confirmation.
    reponses = {QMessageBox::Cancel};
    f.findChild<QAction*>("ImprimerFicheJointe")->trigger();
    EXPECT_EQ(imprimes.size(), 1u);
    f.findChild<QAction*>("ImprimerFicheJointe")->trigger();
    ASSERT_EQ(imprimes.size(), 2u);
    EXPECT_EQ(questions.back(), "Etes-vous sûr d'imprimer la fiche de COHEN Léa\r");
    EXPECT_EQ(imprimes[1].lignes.back(), "    Impression de la fiche jointe de COHEN Léa");
}

// The folder window: created when missing, its label names the folder
// chosen, OK gives it back.
TEST_F(FenetreMailing, LaFenetreDesDossiers)
{
    const fs::path sortie = dir / "FMAIL" / "5785";
    TFDir d(sortie);
    EXPECT_TRUE(fs::is_directory(sortie));
    EXPECT_EQ(d.windowTitle(), "Sélection d'un dossier pour les fichiers de mailing");
    EXPECT_EQ(d.findChild<QLabel*>("LabelDossier")->text().toStdString(),
              "Les fichiers seront sauvés dans le répertoire : " + sortie.string());
    d.choisit(dir.path());
    EXPECT_EQ(d.dossier(), dir.path());
    EXPECT_NE(d.findChild<QLabel*>("LabelDossier")->text().toStdString().find(dir.path().string()),
              std::string::npos);
    QTimer::singleShot(0, &d, [&d] { d.findChild<QPushButton*>("OK")->click(); });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
}

} // namespace
} // namespace orvane::gui
