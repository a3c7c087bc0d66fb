// The places editor driven offscreen: a city added, then deleted, in the
// places file of a fresh program directory.
#include "gui/shell/main_window.h"
#include "gui/shell/places_editor_window.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "qt_test_application.h"

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

using Lignes = std::vector<std::string>;

class FenetreLieux : public test_support::TestAvecQt
{
protected:
    platform::test_support::TemporaryDirectory dir;
    const Lignes depart = {"AGEN (47)\t\tFrance\t44°12'N\t00°37'E\t+1",
                           "Anvers\tBelgique\t51°13'N\t04°24'E\t+1",
                           "Jérusalem\t\tIsraël\t31°46'N\t35°13'E\t+2\tcapitale"};
    std::unique_ptr<shell::AppContext> ctx;
    std::vector<std::string> questions;
    std::vector<Reponses> boutons; // the buttons of each question
    std::vector<std::string> erreurs;
    std::vector<std::string> avertissements;
    bool reponse = true;

    void SetUp() override
    {
        platform::write_lines(dir / "lieu.cal", depart);
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 3, 30}), dir.path());
    }
    std::unique_ptr<TFNLieux> ouvre()
    {
        auto f = std::make_unique<TFNLieux>(*ctx);
        f->set_dialogues(
            [this](const std::string& m, Reponses r) {
                questions.push_back(m);
                boutons.push_back(r);
                return reponse;
            },
            [this](const std::string& m) { erreurs.push_back(m); },
            [this](const std::string& m) { avertissements.push_back(m); });
        return f;
    }
    static void saisit(QTableWidget* g, int rangee, const QStringList& cellules)
    {
        for (int c = 0; c < cellules.size(); ++c) {
            g->item(rangee, c)->setText(cellules[c]);
        }
    }
    Lignes fichier() { return platform::read_lines(dir / "lieu.cal"); }
};

TEST_F(FenetreLieux, EtatInitial)
{
    auto f = ouvre();
    EXPECT_EQ(f->windowTitle(), "Saisie de nouveaux Lieux");
    auto* g = f->findChild<QTableWidget*>("StringGrid1");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->horizontalHeaderItem(4)->text(), "Heure T. U.");
    EXPECT_EQ(g->item(1, 0)->text(), "Anvers");
    EXPECT_EQ(g->item(1, 1)->text(), "Belgique");
    EXPECT_EQ(g->item(2, 4)->text(), "+2");
    EXPECT_EQ(test_support::sans_lettre(f->findChild<QPushButton*>("Button1")->text()),
              "Ajouter une nouvelle ville");
}

TEST_F(FenetreLieux, AjouteUneVille)
{
    auto f = ouvre();
    auto* g = f->findChild<QTableWidget*>("StringGrid1");
    f->findChild<QPushButton*>("Button1")->click();
    ASSERT_EQ(g->rowCount(), 4);
    EXPECT_EQ(g->currentRow(), 3);
    saisit(g, 3, {"tarascon", "France", "43°48'N", "04°40'E"});
    f->findChild<QPushButton*>("Button2")->click();
    ASSERT_EQ(erreurs, (Lignes{"Veuillez remplir tous les champs de cette ligne\r"}));
    EXPECT_EQ(fichier(), depart); // nothing written
    g->item(3, 4)->setText("+1");
    f->findChild<QPushButton*>("Button2")->click();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1],
              "Le fichier des Lieux a été modifié\r\rVoulez vous sauvegarder les modifications");
    EXPECT_EQ(boutons[1], Reponses::oui_annuler);
    Lignes attendu = depart;
    attendu.push_back("Tarascon\t\tFrance\t43°48'N\t04°40'E\t+1");
    EXPECT_EQ(fichier(), attendu); // the rows read are written back unchanged
}

// After "Ajouter une nouvelle ville" the typing goes into the new city's
// name; after saving, the grid shows what the file holds.
TEST_F(FenetreLieux, SaisieDansLaNouvelleLigneEtGrilleRelue)
{
    auto f = ouvre();
    f->show();
    QApplication::setActiveWindow(f.get());
    auto* g = f->findChild<QTableWidget*>("StringGrid1");
    f->findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(g->currentRow(), 3);
    EXPECT_EQ(g->currentColumn(), 0);
    QWidget* saisie = QApplication::focusWidget();
    ASSERT_NE(saisie, nullptr);
    EXPECT_TRUE(g->isAncestorOf(saisie)); // the cell's editor, not the button
    EXPECT_NE(qobject_cast<QLineEdit*>(saisie), nullptr);
    saisit(g, 3, {"lunel", "france", "43°40'N", "04°08'E", "+1"});
    f->findChild<QPushButton*>("Button2")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_EQ(fichier().back(), "Lunel\t\tFrance\t43°40'N\t04°08'E\t+1");
    EXPECT_EQ(g->item(3, 0)->text(), "Lunel");
    EXPECT_EQ(g->item(3, 1)->text(), "France");
}

// The search box keeps the rows whose city or country holds the text,
// without regard to case or accents.
TEST_F(FenetreLieux, Recherche)
{
    auto f = ouvre();
    auto* g = f->findChild<QTableWidget*>("StringGrid1");
    auto* recherche = f->findChild<QLineEdit*>("RechercheLieu");
    ASSERT_NE(recherche, nullptr);
    const auto visibles = [g] {
        QStringList v;
        for (int r = 0; r < g->rowCount(); ++r) {
            if (!g->isRowHidden(r)) {
                v.push_back(g->item(r, 0)->text());
            }
        }
        return v;
    };
    recherche->setText("JERUS");
    EXPECT_EQ(visibles(), (QStringList{"Jérusalem"}));
    recherche->setText("belg");
    EXPECT_EQ(visibles(), (QStringList{"Anvers"}));
    recherche->setText("nulle part");
    EXPECT_TRUE(visibles().isEmpty());
    f->findChild<QPushButton*>("Button1")->click(); // a new row stays in view
    EXPECT_EQ(visibles(), (QStringList{""}));
    recherche->clear();
    EXPECT_EQ(visibles().size(), 4);
}

TEST_F(FenetreLieux, AnnulerNEcritRien)
{
    auto f = ouvre();
    auto* g = f->findChild<QTableWidget*>("StringGrid1");
    f->findChild<QPushButton*>("Button1")->click();
    saisit(g, 3, {"Lunel", "France", "43°40'N", "04°08'E", "+1"});
    reponse = false;
    f->findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(fichier(), depart);
}

TEST_F(FenetreLieux, SupprimeUneVille)
{
    auto f = ouvre();
    auto* g = f->findChild<QTableWidget*>("StringGrid1");
    g->setCurrentCell(1, 0);
    reponse = false;
    f->findChild<QPushButton*>("Button3")->click();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Vous allez supprimer la localité\rAnvers de Belgique\rdu fichier "
                            "lieux.cal\r\rEtes-vous sûr ?");
    EXPECT_EQ(boutons[0], Reponses::oui_non); // a deletion is answered Yes or No
    EXPECT_EQ(g->rowCount(), 3);
    reponse = true;
    f->findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(g->rowCount(), 2);
    EXPECT_EQ(g->item(1, 0)->text(), "Jérusalem");
    EXPECT_EQ(fichier(), (Lignes{depart[0], depart[2]}));
}

TEST_F(FenetreLieux, AidesDesCoordonnees)
{
    auto f = ouvre();
    auto* label = f->findChild<QLabel*>("Label3");
    ASSERT_NE(label, nullptr);
    emit label->linkActivated("aide");
    EXPECT_EQ(avertissements, (Lignes{"GMT\rExemple : +1  ou  -5"}));
}

TEST_F(FenetreLieux, OuverteParLeMenuHoraires)
{
    TFMainForm principale(*ctx);
    auto* action = principale.findChild<QAction*>("Lieux1");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(test_support::sans_lettre(action->text()),
              "Lieux géographiques (Ajouter ou supprimer)");
    action->trigger();
    auto* f = principale.findChild<TFNLieux*>("FNLieux");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->findChild<QTableWidget*>("StringGrid1")->rowCount(), 3);
}

} // namespace
} // namespace orvane::gui
