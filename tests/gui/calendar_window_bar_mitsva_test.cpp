// The annual calendar window offscreen in its two Bar-Mitsva modes: the
// caption after the sex chosen, the controls hidden and shown (also after
// "Valeurs par défaut"), "Calculer" writing the text area, the work files,
// the page and the workbook; the two entries of the main menu.
#include "find_control.h"
#include "gui/documents/calendar_window.h"
#include "gui/shell/main_window.h"
#include "paris_program_directory.h"
#include "places/charge_lieux.h"
#include "platform/text_file.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;
using documents::SensFenetre;

class FenetreBarMitsva : public test_support::RepertoireDeParis
{
protected:
    std::vector<std::string> erreurs;
    std::vector<fs::path> ouverts;

    void SetUp() override
    {
        RepertoireDeParis::SetUp();
        fs::create_directories(dir / "Orvanew");
        fs::copy(fs::path(ORVANE_SOURCE_DIR) / "data" / "Orvanew" / "Bar", dir / "Orvanew" / "Bar",
                 fs::copy_options::recursive);
        ctx->lieux = places::charge_lieux(dir.path());
        ctx->lieu_courant = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
        ctx->lieux.accueil.opinion = "Beth Din (France)";
    }

    std::unique_ptr<TFCivHebr> ouvre(SensFenetre sens)
    {
        auto f = std::make_unique<TFCivHebr>(*ctx, sens);
        documents::DialoguesCalendrier d;
        d.erreur = [this](const std::string& m) { erreurs.push_back(m); };
        d.information = [](const std::string&) {};
        d.question = [](const std::string&) { return documents::Reponse::oui; };
        d.confirmation = [](const std::string&) { return true; };
        d.avertissement_paris = [](const std::string&) { return documents::ReponseParis::ignorer; };
        f->set_dialogues(
            std::move(d), [](const fs::path& p) -> std::optional<fs::path> { return p; },
            [](const TexteAImprimer&) { return true; });
        f->set_ouvreur([this](const fs::path& p) { ouverts.push_back(p); });
        return f;
    }

    static bool visible(QWidget& f, const char* nom)
    {
        return controle<QWidget>(f, nom)->isVisibleTo(&f);
    }

    /// The label of a control, by its buddy.
    static QLabel* legende(QWidget& f, const char* nom)
    {
        for (QLabel* l : f.findChildren<QLabel*>()) {
            if (l->buddy() == f.findChild<QWidget*>(nom)) {
                return l;
            }
        }
        return nullptr;
    }

    void controles_des_modes(QWidget& f)
    {
        for (const char* cache : {"CheckBox4", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox8",
                                  "SpinEdit3", "SpinEdit4", "SpinEdit2"}) {
            EXPECT_FALSE(visible(f, cache)) << cache;
        }
        for (const char* nom : {"SpinEdit3", "SpinEdit4", "SpinEdit2"}) {
            ASSERT_NE(legende(f, nom), nullptr) << nom;
            EXPECT_FALSE(legende(f, nom)->isVisibleTo(&f)) << nom;
        }
        EXPECT_TRUE(visible(f, "CheckBox10"));
        EXPECT_TRUE(visible(f, "CheckBox11"));
        EXPECT_FALSE(controle<QCheckBox>(f, "CheckBox4")->isChecked());
        EXPECT_TRUE(controle<QCheckBox>(f, "CheckBox9")->isChecked());
        EXPECT_TRUE(controle<QRadioButton>(f, "RadioButton3")->isChecked());
    }
};

TEST_F(FenetreBarMitsva, TitreEtControlesDansLesDeuxModes)
{
    auto calendrier = ouvre(SensFenetre::bar_mitsva_calendrier);
    EXPECT_EQ(calendrier->windowTitle(), "Calendrier des Bar-Mitsvot pour un garçon");
    controles_des_modes(*calendrier);
    // "Fille" checked unchecks "Garçon" and the caption follows.
    controle<QCheckBox>(*calendrier, "CheckBox11")->click();
    EXPECT_FALSE(controle<QCheckBox>(*calendrier, "CheckBox10")->isChecked());
    EXPECT_EQ(calendrier->windowTitle(), "Calendrier des Bat-Mitsvot pour une fille");
    controle<QCheckBox>(*calendrier, "CheckBox10")->click();
    EXPECT_FALSE(controle<QCheckBox>(*calendrier, "CheckBox11")->isChecked());
    EXPECT_EQ(calendrier->windowTitle(), "Calendrier des Bar-Mitsvot pour un garçon");

    auto tableau = ouvre(SensFenetre::bar_mitsva_tableau);
    EXPECT_EQ(tableau->windowTitle(), "Tableau des Bar-Mitsvot pour un garçon");
    controle<QCheckBox>(*tableau, "CheckBox11")->setChecked(true);
    EXPECT_EQ(tableau->windowTitle(), "Tableau des Bat-Mitsvot pour une fille");
    // A change of year, then "Valeurs par défaut", keep the controls of the
    // mode and the sex chosen.
    controle<QSpinBox>(*tableau, "SpinEdit5")->setValue(2011);
    controles_des_modes(*tableau);
    tableau->SpeedButton2Click();
    controles_des_modes(*tableau);
    EXPECT_EQ(tableau->windowTitle(), "Tableau des Bat-Mitsvot pour une fille");

    // The other directions have no sex to choose.
    auto civil = ouvre(SensFenetre::civil);
    EXPECT_FALSE(visible(*civil, "CheckBox10"));
    EXPECT_TRUE(visible(*civil, "CheckBox4"));
}

TEST_F(FenetreBarMitsva, CalculerEcritLaPageDeLAnnee)
{
    auto f = ouvre(SensFenetre::bar_mitsva_tableau);
    controle<QSpinBox>(*f, "SpinEdit5")->setValue(2011);
    controle<QCheckBox>(*f, "CheckBox11")->setChecked(true);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    const QString texte = controle<QPlainTextEdit>(*f, "Memo1")->toPlainText();
    EXPECT_TRUE(texte.startsWith("TABLEAU DES BAT-MITSVOT - 2011\n"));
    EXPECT_TRUE(texte.contains("Naissances en 2011 - Bat-Mitsva en 2023"));
    EXPECT_TRUE(texte.contains(
        "  Mardi    15 Mars 2011                                  ----------------  9 Adar II 5771"
        "\t 2  Mars 2023\t 9  Adar 5783\t"));
    const fs::path page = dir / "Orvanew/Tab_Bar/Civheb/2011F.htm";
    EXPECT_TRUE(fs::exists(page));
    EXPECT_TRUE(texte.contains(QString::fromStdString("Page écrite : " + page.string())));
    EXPECT_EQ(platform::read_lines(dir / "nemanim.txt").size(), 365u);
    EXPECT_EQ(platform::read_lines(dir / "barmanim.txt").size(), 373u);
    EXPECT_TRUE(ouverts.empty());

    // The country box "N": born after nightfall, the next Hebrew day.
    controle<QComboBox>(*f, "ComboBox1")->setCurrentText("N");
    controle<QPushButton>(*f, "Button1")->click();
    EXPECT_TRUE(controle<QPlainTextEdit>(*f, "Memo1")
                    ->toPlainText()
                    .contains("\t 3  Mars 2023\t10  Adar 5783\t"));

    // The spreadsheet kind writes the workbook and opens it; "Web" off
    // writes the text page.
    controle<QCheckBox>(*f, "CheckBox9")->setChecked(false);
    controle<QComboBox>(*f, "ComboBox5")->setCurrentIndex(1);
    controle<QPushButton>(*f, "Button1")->click();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_TRUE(fs::exists(dir / "Orvanew/Bar/Civheb/2011FT.txt"));
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts.front(), dir / "Orvanew/Tab_Bar/Civheb/2011F.xlsx");
    EXPECT_TRUE(fs::exists(ouverts.front()));
}

TEST_F(FenetreBarMitsva, OuverteParLeMenu)
{
    DialoguesPrincipaux d;
    d.confirme = [](const std::string&) { return true; };
    d.erreur = [](const std::string& m) { ADD_FAILURE() << m; };
    d.information = [](const std::string&) {};
    d.choix_ouverture = [] { return std::optional<std::string>(); };
    TFMainForm principale(*ctx, std::move(d));
    principale.findChild<QTimer*>("Timer1")->stop();
    principale.findChild<QAction*>("CalendrierBarMitsva")->trigger();
    ASSERT_NE(principale.findChild<TFCivHebr*>(), nullptr);
    EXPECT_EQ(principale.findChild<TFCivHebr*>()->windowTitle(),
              "Calendrier des Bar-Mitsvot pour un garçon");
    principale.findChild<QAction*>("TableauBarMitsva")->trigger();
    ASSERT_EQ(principale.findChildren<TFCivHebr*>().size(), 1u);
    EXPECT_EQ(principale.findChild<TFCivHebr*>()->windowTitle(),
              "Tableau des Bar-Mitsvot pour un garçon");
}

} // namespace
} // namespace orvane::gui
