// The festivals window and the year-type window driven offscreen in a fresh
// program directory.
#include "documents/html_check.h"
#include "gui/common/text_printer.h"
#include "gui/events/festivals_window.h"
#include "gui/events/year_type_window.h"
#include "gui/shell/main_window.h"
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "qt_test_application.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orvane::gui
{
namespace
{

using Lignes = std::vector<std::string>;

class FenetresEvenements : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
    }

    /// Saves where the window proposes, and remembers the proposal.
    ChoixFichier choix_accepte()
    {
        return [this](const std::filesystem::path& propose) {
            propositions.push_back(propose);
            return std::optional<std::filesystem::path>(propose);
        };
    }

    template <class Fenetre>
    void branche(Fenetre& f)
    {
        f.set_dialogues(
            choix_accepte(), [this](const std::string& m) { erreurs.push_back(m); },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return true;
            });
    }

    static Lignes texte(QWidget& f, const char* nom)
    {
        Lignes r;
        for (const QString& l : f.findChild<QPlainTextEdit*>(nom)->toPlainText().split('\n')) {
            r.push_back(l.toStdString());
        }
        return r;
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    std::vector<std::filesystem::path> propositions;
    std::vector<std::string> erreurs;
    std::vector<TexteAImprimer> imprimes;
};

// "Page web": each year computed is also a page between the festivals'
// templates, well formed, with its title; an existing page is kept.
TEST_F(FenetresEvenements, FetesEnPageWeb)
{
    std::filesystem::copy(std::filesystem::path(ORVANE_SOURCE_DIR) / "data" / "Orvanew",
                          dir / "Orvanew", std::filesystem::copy_options::recursive);
    TFFetes f(*ctx, events::ModeFetes::fetes);
    branche(f);
    f.findChild<QSpinBox*>("AnneeHebraique")->setValue(5785);
    f.findChild<QSpinBox*>("NbAnnees")->setValue(2);
    f.findChild<QCheckBox*>("CheckBoxWeb")->setChecked(true);
    f.findChild<QPushButton*>("BoutonCalculer")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    for (int annee : {5785, 5786}) {
        const auto page = dir / "Orvanew/Fetes/FETES" / (std::to_string(annee) + ".htm");
        ASSERT_TRUE(std::filesystem::exists(page)) << annee;
        const std::string html = platform::read_text(page);
        EXPECT_EQ(documents::test::defauts_html(html), std::vector<std::string>{}) << annee;
        EXPECT_NE(html.find("de l'année juive " + std::to_string(annee) + "<BR>Années civiles " +
                            std::to_string(annee - 3760) + "/" + std::to_string(annee - 3759)),
                  std::string::npos);
        EXPECT_NE(html.find("<PRE><FONT style=\"font-size: 8pt\">"), std::string::npos);
        EXPECT_NE(html.find("* F : Jour de fête chômé&nbsp;&nbsp;f : Jour de demi-fête"),
                  std::string::npos);
    }
    EXPECT_NE(platform::read_text(dir / "Orvanew/Fetes/FETES/5785.htm").find("Pessa'h"),
              std::string::npos);
    platform::write_lines(dir / "Orvanew/Fetes/FETES/5785.htm", {"gardée"});
    f.findChild<QPushButton*>("BoutonCalculer")->click();
    EXPECT_EQ(platform::read_lines(dir / "Orvanew/Fetes/FETES/5785.htm"), Lignes{"gardée"});
}

TEST_F(FenetresEvenements, FetesEtatInitialEtAnneesLiees)
{
    platform::write_lines(dir / "s_fetes.dta", {"Tous", "Pourim", "Pessa'h"});
    TFFetes f(*ctx, events::ModeFetes::fetes);
    EXPECT_EQ(f.windowTitle(), "Fêtes de l'année juive");
    auto* hebr = f.findChild<QSpinBox*>("AnneeHebraique");
    auto* civ = f.findChild<QSpinBox*>("AnneeCivile");
    EXPECT_EQ(hebr->value(), 5785); // 5 January 2025
    EXPECT_EQ(civ->value(), 2025);
    EXPECT_EQ(f.findChild<QSpinBox*>("NbAnnees")->value(), 1);
    EXPECT_EQ(hebr->minimum(), 3860);
    EXPECT_EQ(hebr->maximum(), 13759);
    auto* noms = f.findChild<QListWidget*>("ListeNoms");
    ASSERT_EQ(noms->count(), 3);
    EXPECT_EQ(noms->currentItem()->text(), "Tous");

    hebr->setValue(5790);
    EXPECT_EQ(civ->value(), 2030);
    EXPECT_EQ(platform::read_lines(dir / "annee_h"), Lignes{"5790"});
    EXPECT_EQ(platform::read_lines(dir / "annee_c"), Lignes{"2030"});
    civ->setValue(2000);
    EXPECT_EQ(hebr->value(), 5760);
    // The years are read back when the window opens again.
    TFFetes g(*ctx, events::ModeFetes::jeunes);
    EXPECT_EQ(g.findChild<QSpinBox*>("AnneeHebraique")->value(), 5760);
    EXPECT_TRUE(erreurs.empty());
}

TEST_F(FenetresEvenements, FetesCalculerEnregistrerImprimer)
{
    TFFetes f(*ctx, events::ModeFetes::fetes_et_jeunes);
    branche(f);
    f.findChild<QSpinBox*>("AnneeHebraique")->setValue(5785);
    f.findChild<QSpinBox*>("NbAnnees")->setValue(2);
    f.findChild<QPushButton*>("BoutonCalculer")->click();
    const Lignes liste = texte(f, "Memo1");
    ASSERT_GT(liste.size(), 80u);
    EXPECT_EQ(std::count_if(liste.begin(), liste.end(),
                            [](const std::string& l) { return l.starts_with(" : Année"); }),
              2);
    EXPECT_EQ(liste[3], " : Année hébraïque 5785 ---> 2024/2025    FÊTES et JEÛNES JUIFS");
    EXPECT_EQ(liste[5],
              " F  Roch Hachana       5785   :  Jeudi     3  Octobre   2024   1 ---> Tichri ");
    const Lignes carac = texte(f, "Memo2");
    EXPECT_EQ(
        carac[0],
        "    L'année 5785 est du type HA CHA A : correspond à 2024/2025 du calendrier civil.");
    EXPECT_EQ(f.findChild<QLabel*>("LabelNature")->text(), "5785 : commune");
    EXPECT_EQ(f.findChild<QLabel*>("LabelSigne")->text(), "\u202Dאשה\u202C");
    EXPECT_EQ(ctx->annee_choisie, 5785);

    f.findChild<QPushButton*>("BoutonEnregistrer")->click();
    ASSERT_EQ(propositions.size(), 1u);
    EXPECT_EQ(propositions[0].filename(), "FETES-JEUNES_5785_5786.txt");
    EXPECT_EQ(propositions[0].parent_path().filename(), "FETEJEUN");
    const std::string octets = platform::read_bytes(propositions[0]);
    EXPECT_NE(octets.find(" F  Roch Hachana       5785   :  Jeudi     3  Octobre   2024   1 ---> "
                          "Tichri \r\n"),
              std::string::npos);
    EXPECT_NE(octets.find("Ann\xE9"
                          "e h\xE9"
                          "bra\xEF"
                          "que 5785"),
              std::string::npos);

    f.findChild<QPushButton*>("BoutonImprimer")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes.size(), 4u + liste.size() + carac.size());
    EXPECT_EQ(imprimes[0].lignes[4 + 5], "    " + liste[5]);
    EXPECT_EQ(imprimes[0].police.pointSize(), taille_impression_defaut);
    // The printing helper writes a real document.
    const std::filesystem::path pdf = dir / "fetes.pdf";
    ASSERT_TRUE(imprime_en_pdf(QString::fromStdString(pdf.string()), imprimes[0]));
    EXPECT_EQ(platform::read_bytes(pdf).substr(0, 4), "%PDF");
}

TEST_F(FenetresEvenements, FetesSelectionParNomEtIsrael)
{
    platform::write_lines(dir / "s_jeunes.dta", {"Tous", "Jeûne d'Esther"});
    ctx->options.diaspora = false;
    TFFetes f(*ctx, events::ModeFetes::jeunes);
    branche(f);
    f.findChild<QListWidget*>("ListeNoms")->setCurrentRow(1);
    f.findChild<QPushButton*>("BoutonCalculer")->click();
    const Lignes liste = texte(f, "Memo1");
    ASSERT_EQ(liste.size(), 4u + 1u);
    EXPECT_NE(liste[4].find("Jeûne d'Esther"), std::string::npos);
}

TEST_F(FenetresEvenements, FetesConsistoire)
{
    TFFetes f(*ctx, events::ModeFetes::fetes);
    branche(f);
    f.findChild<QSpinBox*>("AnneeHebraique")->setValue(5785);
    f.findChild<QPushButton*>("BoutonCiop")->click();
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
    const auto fetes = platform::read_lines(dir / "fetes_ciop" / "b_fetes_ciop_5785.txt");
    ASSERT_GT(fetes.size(), 40u);
    bool veille = false;
    for (const std::string& l : fetes) {
        veille = veille || l.find("Veille de Kippour") != std::string::npos;
    }
    EXPECT_TRUE(veille);
    EXPECT_TRUE(std::filesystem::exists(dir / "fetes_ciop" / "b_levana_molad_5785.txt"));
}

TEST_F(FenetresEvenements, TypeDeLAnnee)
{
    ctx->annee_choisie = 5784;
    TFYEARTYP f(*ctx);
    branche(f);
    EXPECT_EQ(f.windowTitle(), "Type / caractéristiques de l'année juive (Simane de l'année)");
    auto* hebr = f.findChild<QSpinBox*>("AnneeHebraique");
    auto* civ = f.findChild<QSpinBox*>("AnneeCivile");
    EXPECT_EQ(hebr->value(), 5784);
    EXPECT_EQ(civ->value(), 2024);
    EXPECT_TRUE(f.findChild<QPushButton*>("BoutonCalculer")->isDefault());
    const Lignes t = texte(f, "Memo1");
    EXPECT_EQ(t[5], "    L'Année 5784 est du type ZA 'HA G :");
    EXPECT_EQ(f.findChild<QLabel*>("LabelNature")->text(), "(5784 est une année embolismique)");
    EXPECT_EQ(f.findChild<QLabel*>("LabelMot")->text(), "\u202Dתרבועמ\u202C");

    // Around the year 0 of the civil calendar.
    hebr->setValue(3761);
    EXPECT_EQ(civ->value(), 1);
    EXPECT_EQ(f.findChild<QLabel*>("LabelCorrespondance")->text(),
              "    L'année 3761 Correspond à -1 / 1 du calendrier civil.");
    civ->setValue(0);
    EXPECT_EQ(hebr->value(), 3760);
    EXPECT_EQ(civ->value(), -1);
    civ->setValue(0);
    EXPECT_EQ(hebr->value(), 3761);
    EXPECT_EQ(civ->value(), 1);
    hebr->setValue(999999);
    EXPECT_EQ(texte(f, "Memo1").size(), 17u);
    EXPECT_EQ(ctx->annee_choisie, 999999);

    hebr->setValue(5785);
    f.findChild<QPushButton*>("BoutonEnregistrer")->click();
    ASSERT_EQ(propositions.size(), 1u);
    EXPECT_EQ(propositions[0].filename(), "TYPE_5785.txt");
    EXPECT_EQ(propositions[0].parent_path().filename(), "CARACT_ANNEE");
    EXPECT_EQ(platform::read_lines(propositions[0]).size(), 17u);
    f.findChild<QPushButton*>("BoutonImprimer")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes[0], " ");
    EXPECT_EQ(imprimes[0].lignes.size(), 4u + 16u);
}

// The main window's print-size box is added to the size of every printout.
TEST_F(FenetresEvenements, TailleDImpressionDeLaFenetrePrincipale)
{
    ctx->taille_impression = -3;
    TFYEARTYP type(*ctx);
    branche(type);
    type.findChild<QPushButton*>("BoutonImprimer")->click();
    TFFetes fetes(*ctx, events::ModeFetes::fetes);
    branche(fetes);
    fetes.findChild<QPushButton*>("BoutonImprimer")->click();
    ASSERT_EQ(imprimes.size(), 2u);
    EXPECT_EQ(imprimes[0].police.pointSize(), taille_impression_defaut - 3);
    EXPECT_EQ(imprimes[1].police.pointSize(), taille_impression_defaut - 3);
}

TEST_F(FenetresEvenements, TypeGlossaire)
{
    TFYEARTYP f(*ctx);
    branche(f);
    f.findChild<QPushButton*>("BoutonGlossaire")->click();
    ASSERT_EQ(erreurs.size(), 1u); // no glossary in a fresh directory
    platform::write_lines(dir / "glossair.dta", {"@@Calendrier@", "@Type de l'année@",
                                                 "Le type d'une année ...", "@Cycle lunaire@"});
    f.findChild<QPushButton*>("BoutonGlossaire")->click();
    EXPECT_EQ(texte(f, "Memo1"), (Lignes{"@Type de l'année", "Le type d'une année ..."}));
    EXPECT_EQ(erreurs.size(), 1u);
}

TEST_F(FenetresEvenements, EntreesDuMenu)
{
    TFMainForm m(*ctx);
    for (const char* nom : {"FetesSeules", "JeunesSeuls", "FetesEtJeunes", "SimanAnnee"}) {
        ASSERT_NE(m.findChild<QAction*>(nom), nullptr) << nom;
    }
    m.findChild<QAction*>("JeunesSeuls")->trigger();
    auto* fetes = m.findChild<TFFetes*>();
    ASSERT_NE(fetes, nullptr);
    EXPECT_EQ(fetes->mode(), events::ModeFetes::jeunes);
    m.findChild<QAction*>("SimanAnnee")->trigger();
    EXPECT_NE(m.findChild<TFYEARTYP*>(), nullptr);
}

} // namespace
} // namespace orvane::gui
