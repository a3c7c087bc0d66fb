// The annual calendar window offscreen: its opening in each direction, the
// simplified calendar and the dates file built, questions answered each
// way, refusals, saving and printing, and its entries in the main window.
#include "documents/year_page.h"
#include "find_control.h"
#include "gui/documents/calendar_window.h"
#include "gui/shell/main_window.h"
#include "paris_program_directory.h"
#include "places/charge_lieux.h"
#include "platform/text_file.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;
using documents::Reponse;
using documents::SensFenetre;

class FenetreCalendrier : public test_support::RepertoireDeParis
{
protected:
    std::vector<std::string> erreurs, informations, questions, confirmations;
    std::deque<Reponse> reponses;
    std::vector<fs::path> enregistres;
    std::vector<TexteAImprimer> imprimes;

    void SetUp() override
    {
        RepertoireDeParis::SetUp();
        ctx->lieux = places::charge_lieux(dir.path());
        ctx->lieu_courant = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
        ctx->lieux.accueil.opinion = "Or Méïr";
    }

    std::unique_ptr<TFCivHebr> ouvre(SensFenetre sens)
    {
        auto f = std::make_unique<TFCivHebr>(*ctx, sens);
        documents::DialoguesCalendrier d;
        d.erreur = [this](const std::string& m) { erreurs.push_back(m); };
        d.information = [this](const std::string& m) { informations.push_back(m); };
        d.question = [this](const std::string& m) {
            questions.push_back(m);
            const Reponse r = reponses.empty() ? Reponse::annuler : reponses.front();
            if (!reponses.empty()) {
                reponses.pop_front();
            }
            return r;
        };
        d.confirmation = [this](const std::string& m) {
            confirmations.push_back(m);
            return true;
        };
        d.avertissement_paris = [](const std::string&) { return documents::ReponseParis::ignorer; };
        f->set_dialogues(
            std::move(d),
            [this](const fs::path& p) -> std::optional<fs::path> {
                enregistres.push_back(p);
                return p;
            },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return true;
            });
        return f;
    }
    static QString memo(QWidget& f, const char* nom)
    {
        return controle<QPlainTextEdit>(f, nom)->toPlainText();
    }
};

TEST_F(FenetreCalendrier, OuvertureDansChaqueSens)
{
    auto civil = ouvre(SensFenetre::civil); // 21 June 2024: 5784
    EXPECT_EQ(civil->windowTitle(), "Calendrier Civil --> Hébraïque");
    EXPECT_EQ(controle<QSpinBox>(*civil, "SpinEdit5")->value(), 2024);
    EXPECT_EQ(controle<QSpinBox>(*civil, "SpinEdit6")->value(), 5784);
    EXPECT_EQ(controle<QSpinBox>(*civil, "SpinEdit4")->maximum(), 12);
    EXPECT_EQ(controle<QLabel>(*civil, "Label1")->text(),
              "Année civile  Année hébr             Année civile 2024  =  5784 / 5785 hébraïques");
    EXPECT_EQ(controle<QComboBox>(*civil, "ComboBox2")->currentText(), "PARIS (75)");
    EXPECT_EQ(controle<QSpinBox>(*civil, "estouest")->value(), 5);
    EXPECT_FALSE(controle<QSpinBox>(*civil, "estouest")->isVisibleTo(civil.get()));
    EXPECT_EQ(controle<QComboBox>(*civil, "ComboBox5")->count(), 12);
    EXPECT_FALSE(controle<QLineEdit>(*civil, "Edit1")->text().isEmpty()); // summer time of 2024
    auto hebreu = ouvre(SensFenetre::hebreu);
    EXPECT_EQ(controle<QSpinBox>(*hebreu, "SpinEdit5")->value(), 5784);
    EXPECT_EQ(controle<QSpinBox>(*hebreu, "SpinEdit4")->value(), 13);
    // The years stay coupled; a year 0 goes on to -1.
    controle<QSpinBox>(*civil, "SpinEdit5")->setValue(2030);
    EXPECT_EQ(controle<QSpinBox>(*civil, "SpinEdit6")->value(), 5790);
    controle<QSpinBox>(*civil, "SpinEdit5")->setValue(1);
    controle<QSpinBox>(*civil, "SpinEdit5")->setValue(0);
    EXPECT_EQ(controle<QSpinBox>(*civil, "SpinEdit5")->value(), -1);
    // "Premiers du mois seuls" hides the two choices it makes pointless.
    controle<QCheckBox>(*civil, "CheckBox1")->setChecked(true);
    EXPECT_FALSE(controle<QCheckBox>(*civil, "CheckBox2")->isVisibleTo(civil.get()));
    controle<QComboBox>(*civil, "ComboBox3")->setCurrentText("Rav Rottenberg");
    EXPECT_TRUE(controle<QSpinBox>(*civil, "estouest")->isVisibleTo(civil.get()));
}

TEST_F(FenetreCalendrier, CalendrierSimplifieConstruit)
{
    auto f = ouvre(SensFenetre::civil);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    const QString page = memo(*f, "Memo1");
    EXPECT_TRUE(page.contains("Année civile 2024")) << page.left(400).toStdString();
    EXPECT_TRUE(page.contains("PARIS (75)"));
    EXPECT_TRUE(page.contains("Vendredi 21 Juin 2024"));
    EXPECT_TRUE(fs::exists(dir / "cal_exl.txt"));
    const auto lieu = documents::lit_lieu_calendrier(dir.path());
    ASSERT_TRUE(lieu);
    EXPECT_EQ(lieu->lieu.ville, "PARIS (75)");
    // Saved under the city's first letters and the year, printed with its
    // four blank lines and two blanks before each line.
    controle<QPushButton>(*f, "Button2")->click();
    ASSERT_EQ(enregistres.size(), 1u);
    EXPECT_EQ(enregistres[0].filename(), "PARIS2024.txt");
    EXPECT_EQ(enregistres[0].parent_path().filename(), "CAL_CIVL");
    EXPECT_EQ(platform::read_lines(enregistres[0]), f->lignes_affichees());
    controle<QPushButton>(*f, "Button4")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes[3], " ");
    EXPECT_EQ(imprimes[0].lignes[4], "  " + f->lignes_affichees()[0]);
    ASSERT_TRUE(
        imprime_en_pdf(QString::fromStdString((dir / "calendrier.pdf").string()), imprimes[0]));
    EXPECT_GT(fs::file_size(dir / "calendrier.pdf"), 1000u);
}

TEST_F(FenetreCalendrier, QuestionsDeJerusalem)
{
    auto f = ouvre(SensFenetre::civil);
    emit controle<QComboBox>(*f, "ComboBox1")->textActivated("Israël");
    emit controle<QComboBox>(*f, "ComboBox2")->textActivated("Jérusalem");
    EXPECT_EQ(controle<QSpinBox>(*f, "SpinEdit7")->value(), 40);
    controle<QSpinBox>(*f, "SpinEdit7")->setValue(18);
    reponses = {Reponse::annuler};
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(memo(*f, "Memo1").isEmpty()); // cancelled: nothing built
    EXPECT_EQ(controle<QSpinBox>(*f, "SpinEdit7")->value(), 18);
    reponses = {Reponse::oui};
    controle<QPushButton>(*f, "Button1")->click();
    EXPECT_EQ(controle<QSpinBox>(*f, "SpinEdit7")->value(), 40);
    EXPECT_TRUE(memo(*f, "Memo1").contains("Jérusalem"));
}

TEST_F(FenetreCalendrier, FichierDeDatesEtRefus)
{
    auto f = ouvre(SensFenetre::civil);
    controle<QComboBox>(*f, "ComboBox5")->setCurrentIndex(2);
    controle<QSpinBox>(*f, "SpinEdit1")->setValue(2);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    const fs::path fichier = dir / "DATES" / "Dates_2024_2025.txt";
    ASSERT_TRUE(fs::exists(fichier));
    EXPECT_EQ(platform::read_lines(fichier).front(), "ANNEE(S) 2024 à 2025");
    EXPECT_TRUE(memo(*f, "Memo1").contains("Création de fichier terminée."));

    auto h = ouvre(SensFenetre::hebreu);
    controle<QComboBox>(*h, "ComboBox5")->setCurrentIndex(6); // wall calendar by civil year
    controle<QPushButton>(*h, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0], "Il faut vous mettre sur \" Calendrier Civil --> Hébraïque \".\r");
    controle<QCheckBox>(*h, "CheckBox4")->setChecked(false);
    controle<QComboBox>(*h, "ComboBox5")->setCurrentIndex(0);
    controle<QPushButton>(*h, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 2u);
    EXPECT_EQ(erreurs[1].rfind("Erreur :\rPour construire les calendriers excel", 0), 0u);
}

// A spreadsheet kind writes its workbook and opens it from the text area's
// target; the wall calendar opens whatever the target.
TEST_F(FenetreCalendrier, ClasseursEcritsEtOuverts)
{
    auto f = ouvre(SensFenetre::civil);
    std::vector<fs::path> ouverts;
    f->set_ouvreur([&ouverts](const fs::path& p) { ouverts.push_back(p); });
    controle<QComboBox>(*f, "ComboBox5")->setCurrentIndex(1); // complete calendar
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0].extension(), ".xlsx");
    EXPECT_TRUE(fs::exists(ouverts[0]));
    EXPECT_TRUE(memo(*f, "Memo1").contains("Classeur écrit : "));
    controle<QRadioButton>(*f, "RadioButton1")->setChecked(true); // the city's files
    controle<QPushButton>(*f, "Button1")->click();
    EXPECT_EQ(ouverts.size(), 1u);
    controle<QComboBox>(*f, "ComboBox5")->setCurrentIndex(6); // wall calendar, civil year
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_EQ(ouverts.size(), 2u);
    // Rav Rottenberg has no printers' layout.
    auto h = ouvre(SensFenetre::hebreu);
    h->set_ouvreur([&ouverts](const fs::path& p) { ouverts.push_back(p); });
    controle<QComboBox>(*h, "ComboBox3")->setCurrentText("Rav Rottenberg");
    controle<QComboBox>(*h, "ComboBox5")->setCurrentIndex(4);
    controle<QPushButton>(*h, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_NE(erreurs[0].find("Rav Rottenberg"), std::string::npos) << erreurs[0];
    EXPECT_EQ(ouverts.size(), 2u);
}

// "Fic ville ci-dessus" writes the city's page; "Fic liste Willefr.cal"
// the page of every town of the list and the list page.
TEST_F(FenetreCalendrier, PagesDeLaVilleEtDeLaListe)
{
    fs::copy(fs::path(ORVANE_SOURCE_DIR) / "data" / "Orvanew", dir / "Orvanew",
             fs::copy_options::recursive);
    platform::write_lines(dir / "willefr.cal", {"PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
                                                "Lyon\t\tFrance\t45°45'N\t04°51'E\t+1"});
    auto f = ouvre(SensFenetre::civil);
    controle<QCheckBox>(*f, "CheckBox1")->setChecked(true); // short pages
    controle<QRadioButton>(*f, "RadioButton1")->setChecked(true);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_TRUE(fs::exists(dir / "CAL_CIVL/2024/PARIS 75.txt"));
    EXPECT_TRUE(memo(*f, "Memo1").contains("Page écrite : "));
    controle<QRadioButton>(*f, "RadioButton3")->setChecked(true);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_TRUE(fs::exists(dir / "CAL_CIVL/2024/Lyon.txt"));
    EXPECT_TRUE(memo(*f, "Memo1").contains("FICHIER 'WILLEFR.CAL'"));
    EXPECT_TRUE(memo(*f, "Memo1").contains("CONSTRUCTION DES PAGES WEB TERMINEE pour 1 année(s)"));
}

// "Iphone consistoire" builds one calendar a year for the place.
TEST_F(FenetreCalendrier, BoucleDuConsistoire)
{
    auto f = ouvre(SensFenetre::civil);
    controle<QComboBox>(*f, "ComboBox5")->setCurrentIndex(8);
    controle<QSpinBox>(*f, "SpinEdit1")->setValue(2);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_TRUE(memo(*f, "Memo1").contains("2 calendrier(s) construit(s) pour le consistoire."));
    EXPECT_TRUE(memo(*f, "Memo1").contains("Année civile 2025"));
    EXPECT_EQ(controle<QComboBox>(*f, "ComboBox3")->currentText(), "Beth Din (France)");
    // The telephone files and the iCalendar file of each year.
    for (const char* nom : {"H_PARIS2024.txt", "D_PARIS2024.txt", "PARIS2024.ics",
                            "H_PARIS2025.txt", "D_PARIS2025.txt", "PARIS2025.ics"}) {
        EXPECT_TRUE(fs::exists(dir / "CONSISTO" / nom)) << nom;
    }
    controle<QPushButton>(*f, "Button1")->click(); // never written twice
    EXPECT_TRUE(memo(*f, "Memo1").contains("H_PARIS2024.txt existe déjà"));
    auto h = ouvre(SensFenetre::hebreu); // refused in the Hebrew direction
    controle<QComboBox>(*h, "ComboBox5")->setCurrentIndex(8);
    controle<QPushButton>(*h, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u);
}

// "Calendrier ciop": the festival files first, then the twenty-four builds
// and the workbook, opened; the window ends on the first kind and "Or Méïr".
TEST_F(FenetreCalendrier, SeriesDuConsistoire)
{
    auto h = ouvre(SensFenetre::hebreu); // 5784
    std::vector<fs::path> ouverts;
    h->set_ouvreur([&ouverts](const fs::path& p) { ouverts.push_back(p); });
    controle<QComboBox>(*h, "ComboBox5")->setCurrentIndex(10);
    controle<QPushButton>(*h, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_TRUE(erreurs[0].starts_with("Erreur :\rVeuillez calculer auparavant les fêtes de "
                                       "l'année 5784 et l'année 5785."))
        << erreurs[0];
    for (const int annee : {5784, 5785}) {
        const fs::path fetes =
            dir / "fetes_ciop" / ("b_fetes_ciop_" + std::to_string(annee) + ".txt");
        platform::cree_dossier_de(fetes);
        platform::write_lines(fetes, {"fêtes"});
    }
    controle<QPushButton>(*h, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u) << erreurs.back();
    EXPECT_TRUE(fs::exists(dir / "CAL_GrE0.txt"));
    EXPECT_TRUE(fs::exists(dir / "CAL_M_W2.txt"));
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0], dir / "CALENDRIER_CIOP_5784" / "CALENDRIER_CIOP_5784_PARIS.xlsx");
    EXPECT_TRUE(fs::exists(ouverts[0]));
    EXPECT_EQ(controle<QComboBox>(*h, "ComboBox5")->currentIndex(), 0);
    EXPECT_EQ(controle<QComboBox>(*h, "ComboBox3")->currentText(), "Or Méïr");
    EXPECT_TRUE(memo(*h, "Memo3").contains("24 fichier(s) écrit(s)."));
}

// The nightfall tables of the Admour Hazaken: "villetset.txt" asked for,
// then one copy a town and the workbook.
TEST_F(FenetreCalendrier, TablesTsetHakokhavim)
{
    auto f = ouvre(SensFenetre::civil);
    std::vector<fs::path> ouverts;
    f->set_ouvreur([&ouverts](const fs::path& p) { ouverts.push_back(p); });
    controle<QComboBox>(*f, "ComboBox5")->setCurrentIndex(11);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0], "Il manque le fichier villetset.txt.");
    platform::write_lines(dir / "villetset.txt", {"PARIS (75)\tFrance\t48°52'N\t02°20'E\t+1",
                                                  "Lyon\tFrance\t45°45'N\t04°51'E\t+1"});
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_EQ(erreurs.size(), 1u) << erreurs.back();
    EXPECT_TRUE(fs::exists(dir / "tset_vil_2.txt"));
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0], dir / "TSET_ADMOUR_2024.xlsx");
    EXPECT_TRUE(memo(*f, "Memo1").contains("tset_vil_2.txt : Lyon"));
}

TEST_F(FenetreCalendrier, OuverteParLeMenuEtLesBoutons)
{
    DialoguesPrincipaux d;
    d.confirme = [](const std::string&) { return true; };
    d.erreur = [](const std::string& m) { ADD_FAILURE() << m; };
    d.information = [](const std::string&) {};
    d.choix_ouverture = [] { return std::optional<std::string>(); };
    TFMainForm principale(*ctx, std::move(d));
    principale.findChild<QTimer*>("Timer1")->stop();
    principale.findChild<QAction*>("CalendrierHebreu")->trigger();
    auto* f = principale.findChild<TFCivHebr*>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Calendrier Hébreu --> Civil");
    principale.findChild<QPushButton*>("BoutonCalendrierCivil")->click();
    ASSERT_EQ(principale.findChildren<TFCivHebr*>().size(), 1u); // one window at a time
    EXPECT_EQ(principale.findChild<TFCivHebr*>()->windowTitle(), "Calendrier Civil --> Hébraïque");
}

} // namespace
} // namespace orvane::gui
