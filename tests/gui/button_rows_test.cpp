// The rows of command buttons: each button made by name with its text and
// connected to its own slot. For each window every button is clicked in a
// fresh window and what happened is compared with what that button alone
// does, so that two buttons swapped or connected twice show. Then the
// helpers of the buttons, alone.
#include "gui/common/named_button.h"
#include "gui/common/paired_buttons.h"
#include "gui/events/festivals_window.h"
#include "gui/events/year_type_window.h"
#include "gui/shell/places_editor_window.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "qt_test_application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace orvane::gui
{
namespace
{

using Lignes = std::vector<std::string>;

/// The first Hebrew year written after `avant` in a text area, 0 for none.
int premiere_annee(const QWidget& f, const char* zone, const std::string& avant)
{
    const std::string texte = f.findChild<QPlainTextEdit*>(zone)->toPlainText().toStdString();
    std::smatch m;
    if (std::regex_search(texte, m, std::regex(avant + "([0-9]+)"))) {
        return std::stoi(m[1]);
    }
    return 0;
}

class RangeesDeBoutons : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
    }

    template <class Fenetre>
    void branche(Fenetre& f)
    {
        f.set_dialogues(
            [this](const std::filesystem::path& p) {
                ++enregistrements;
                return std::optional<std::filesystem::path>(p);
            },
            [this](const std::string&) { ++erreurs; },
            [this](const TexteAImprimer&) {
                ++impressions;
                return true;
            });
    }

    /// Clicks button `nom` of `f`, after checking its text.
    static void clique(QWidget& f, const char* nom, const QString& texte)
    {
        auto* b = f.findChild<QPushButton*>(nom);
        ASSERT_NE(b, nullptr) << nom;
        EXPECT_EQ(test_support::sans_lettre(b->text()), texte) << nom;
        b->click();
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    int enregistrements = 0;
    int erreurs = 0;
    int impressions = 0;
};

/// What a button of the festivals window did.
struct EffetsFetes {
    int annee = 0;          // the Hebrew year box
    int nombre = 0;         // the number of years box
    int annee_calculee = 0; // the first year listed, 0 when nothing was listed
    int impressions = 0;
    int enregistrements = 0;
    int erreurs = 0;
    bool fichiers_ciop = false;
    bool visible = true;
    friend bool operator==(const EffetsFetes&, const EffetsFetes&) = default;
};

std::ostream& operator<<(std::ostream& o, const EffetsFetes& e)
{
    return o << e.annee << " " << e.nombre << " " << e.annee_calculee << " " << e.impressions << " "
             << e.enregistrements << " " << e.erreurs << " " << e.fichiers_ciop << " " << e.visible;
}

// On 5 January 2025 (5785), the window on 5790 for three years.
TEST_F(RangeesDeBoutons, FetesChaqueBoutonSonAction)
{
    const std::tuple<const char*, QString, EffetsFetes> rangee[] = {
        {"BoutonAujourdhui", "Aujourd'hui", {5785, 3, 5785, 0, 0, 0, false, true}},
        {"BoutonDefaut", "Valeurs par défaut", {5785, 1, 5785, 0, 0, 0, false, true}},
        {"BoutonCalculer", "Calculer", {5790, 3, 5790, 0, 0, 0, false, true}},
        {"BoutonImprimer", "Imprimer", {5790, 3, 0, 1, 0, 0, false, true}},
        {"BoutonEnregistrer", "Enregistrer", {5790, 3, 0, 0, 1, 0, false, true}},
        {"BoutonGlossaire", "Glossaire", {5790, 3, 0, 0, 0, 1, false, true}},
        {"BoutonCiop", "CIOP", {5790, 3, 5792, 0, 0, 0, true, true}},
        {"BoutonFermer", "Fermer", {5790, 3, 0, 0, 0, 0, false, false}},
    };
    for (const auto& [nom, texte, attendu] : rangee) {
        enregistrements = erreurs = impressions = 0;
        std::filesystem::remove_all(dir / "fetes_ciop");
        TFFetes f(*ctx, events::ModeFetes::fetes);
        branche(f);
        f.show();
        f.findChild<QSpinBox*>("AnneeHebraique")->setValue(5790);
        f.findChild<QSpinBox*>("NbAnnees")->setValue(3);
        clique(f, nom, texte);
        const EffetsFetes e{f.findChild<QSpinBox*>("AnneeHebraique")->value(),
                            f.findChild<QSpinBox*>("NbAnnees")->value(),
                            premiere_annee(f, "Memo1", "Année hébraïque "),
                            impressions,
                            enregistrements,
                            erreurs,
                            std::filesystem::exists(dir / "fetes_ciop" / "b_fetes_ciop_5790.txt"),
                            f.isVisible()};
        EXPECT_EQ(e, attendu) << nom;
    }
}

/// What a button of the year-type window did.
struct EffetsType {
    int annee = 0;          // the Hebrew year box
    int annee_calculee = 0; // the year described, 0 when nothing is described
    int impressions = 0;
    int enregistrements = 0;
    int erreurs = 0;
    bool visible = true;
    friend bool operator==(const EffetsType&, const EffetsType&) = default;
};

std::ostream& operator<<(std::ostream& o, const EffetsType& e)
{
    return o << e.annee << " " << e.annee_calculee << " " << e.impressions << " "
             << e.enregistrements << " " << e.erreurs << " " << e.visible;
}

// The window opens on 5790, described; the description is emptied before
// each click.
TEST_F(RangeesDeBoutons, TypeDeLAnneeChaqueBoutonSonAction)
{
    const std::tuple<const char*, QString, EffetsType> rangee[] = {
        {"BoutonAujourdhui", "Aujourd'hui", {5785, 5785, 0, 0, 0, true}},
        {"BoutonCalculer", "Calculer", {5790, 5790, 0, 0, 0, true}},
        {"BoutonEnregistrer", "Enregistrer", {5790, 0, 0, 1, 0, true}},
        {"BoutonImprimer", "Imprimer", {5790, 0, 1, 0, 0, true}},
        {"BoutonGlossaire", "Glossaire", {5790, 0, 0, 0, 1, true}},
        {"BoutonFermer", "Fermer", {5790, 0, 0, 0, 0, false}},
    };
    for (const auto& [nom, texte, attendu] : rangee) {
        enregistrements = erreurs = impressions = 0;
        ctx->annee_choisie = 5790;
        TFYEARTYP f(*ctx);
        branche(f);
        f.show();
        ASSERT_EQ(premiere_annee(f, "Memo1", "L'Année "), 5790);
        f.findChild<QPlainTextEdit*>("Memo1")->clear();
        clique(f, nom, texte);
        const EffetsType e{f.findChild<QSpinBox*>("AnneeHebraique")->value(),
                           premiere_annee(f, "Memo1", "L'Année "),
                           impressions,
                           enregistrements,
                           erreurs,
                           f.isVisible()};
        EXPECT_EQ(e, attendu) << nom;
    }
}

/// What a button of the places editor did.
struct EffetsLieux {
    int rangees = 0;
    Lignes questions;
    Lignes fichier;
    bool visible = true;
};

// A latitude changed in the grid, the first row chosen, then one click.
TEST_F(RangeesDeBoutons, LieuxChaqueBoutonSonAction)
{
    const Lignes depart = {"AGEN (47)\t\tFrance\t44°12'N\t00°37'E\t+1",
                           "Anvers\tBelgique\t51°13'N\t04°24'E\t+1"};
    const std::string anvers_modifie = "Anvers\t\tBelgique\t51°14'N\t04°24'E\t+1";
    const std::string modifie =
        "Le fichier des Lieux a été modifié\r\rVoulez vous sauvegarder les modifications";
    const std::string suppression =
        "Vous allez supprimer la localité\rAGEN (47) de France\rdu fichier lieux.cal\r\rEtes-vous "
        "sûr ?";
    const std::tuple<const char*, QString, EffetsLieux> rangee[] = {
        {"Button1", "Ajouter une nouvelle ville", {3, {}, depart, true}},
        {"Button2", "Enregistrer la ville", {2, {modifie}, {depart[0], anvers_modifie}, true}},
        {"Button3", "Supprimer une ville", {1, {suppression}, {anvers_modifie}, true}},
        {"Button4", "Fermer", {2, {}, depart, false}},
    };
    for (const auto& [nom, texte, attendu] : rangee) {
        platform::write_lines(dir / "lieu.cal", depart);
        Lignes questions;
        TFNLieux f(*ctx);
        f.set_dialogues(
            [&questions](const std::string& m, Reponses) {
                questions.push_back(m);
                return true;
            },
            [](const std::string& m) { ADD_FAILURE() << m; },
            [](const std::string& m) { ADD_FAILURE() << m; });
        f.show();
        auto* grille = f.findChild<QTableWidget*>("StringGrid1");
        grille->item(1, 2)->setText("51°14'N");
        grille->setCurrentCell(0, 0);
        clique(f, nom, texte);
        EXPECT_EQ(grille->rowCount(), attendu.rangees) << nom;
        EXPECT_EQ(questions, attendu.questions) << nom;
        EXPECT_EQ(platform::read_lines(dir / "lieu.cal"), attendu.fichier) << nom;
        EXPECT_EQ(f.isVisible(), attendu.visible) << nom;
    }
}

TEST_F(RangeesDeBoutons, UnBoutonNommeAppelleSonSlotUneFoisParClic)
{
    QWidget parent;
    QSpinBox compteur;
    QPushButton* b = bouton_nomme(&parent, "BoutonCompte", QStringLiteral("Compter"), &compteur,
                                  &QSpinBox::stepUp);
    EXPECT_EQ(b->parent(), &parent);
    EXPECT_EQ(b->objectName(), "BoutonCompte");
    EXPECT_EQ(test_support::sans_lettre(b->text()), "Compter");
    EXPECT_EQ(parent.findChild<QPushButton*>("BoutonCompte"), b);
    EXPECT_EQ(compteur.value(), 0);
    b->click();
    b->click();
    EXPECT_EQ(compteur.value(), 2);
    QPushButton* seul = bouton_nomme(&parent, "BoutonSeul", QStringLiteral("Seul"));
    seul->click();
    EXPECT_EQ(compteur.value(), 2);
}

TEST_F(RangeesDeBoutons, UnePaireDeBoutonsMontreLeChoix)
{
    QWidget parent;
    QPushButton* ete = bouton_de_paire(QStringLiteral("h. d'été"), "BoutonEte", &parent);
    QPushButton* hiver = bouton_de_paire(QStringLiteral("h. d'hiver"), "BoutonHiver", &parent);
    for (QPushButton* b : {ete, hiver}) {
        EXPECT_TRUE(b->isCheckable());
        EXPECT_FALSE(b->autoDefault());
        EXPECT_FALSE(b->isChecked());
        EXPECT_EQ(b->parent(), &parent);
    }
    EXPECT_EQ(ete->objectName(), "BoutonEte");
    EXPECT_EQ(test_support::sans_lettre(hiver->text()), "h. d'hiver");
    const QString choisi = "font-weight: bold; color: red;";
    const QString autre = "font-weight: normal; color: blue;";
    colore_paire(ete, hiver);
    EXPECT_TRUE(ete->isChecked());
    EXPECT_FALSE(hiver->isChecked());
    EXPECT_EQ(ete->styleSheet(), choisi);
    EXPECT_EQ(hiver->styleSheet(), autre);
    colore_paire(hiver, ete);
    EXPECT_FALSE(ete->isChecked());
    EXPECT_TRUE(hiver->isChecked());
    EXPECT_EQ(ete->styleSheet(), autre);
    EXPECT_EQ(hiver->styleSheet(), choisi);
}

} // namespace
} // namespace orvane::gui
