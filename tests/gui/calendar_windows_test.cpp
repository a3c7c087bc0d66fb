// The two linked calendar windows TFNCH1 and TFHebr1 driven offscreen: the
// state they open with, the worked days of both calendars, the two ends of
// the era, the link between them, printing, and the main window's entry.

#include "engine/date_validity.h"
#include "gui/calendars/calendars_menu.h"
#include "gui/calendars/civil_calendar_window.h"
#include "gui/calendars/hebrew_calendar_window.h"
#include "gui/calendars/window_printing.h"
#include "gui/shell/main_window.h"
#include "platform/clock.h"
#include "platform/temporary_directory.h"
#include "shell/app_context.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "paris_program_directory.h"
#include "qt_test_application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace orvane::gui
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;
using test_support::sans_lettre;

class FenetresCalendriers : public test_support::TestAvecQt
{
protected:
    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    std::unique_ptr<TFNCH1> civil;
    std::unique_ptr<TFHebr1> hebreu;

    void SetUp() override
    {
        // Thursday 3 October 2024 is 1 Tichri 5785.
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2024, 10, 3}), dir.path());
        ctx->options.diaspora = true;
        civil = std::make_unique<TFNCH1>(*ctx);
        hebreu = std::make_unique<TFHebr1>(*ctx, civil->date_hebraique());
        civil->lie_a(hebreu.get());
        hebreu->lie_a(civil.get());
        civil->show();
        hebreu->show();
    }

    template <class T>
    static T* controle(QWidget& w, const char* nom)
    {
        T* c = w.findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }
    static QString label(QWidget& w, const char* nom) { return controle<QLabel>(w, nom)->text(); }
    static QString etat(QWidget& w)
    {
        return controle<QStatusBar>(w, "Statusbar1")->currentMessage();
    }
    static void clique(QWidget& w, const char* nom) { controle<QAbstractButton>(w, nom)->click(); }
    static QSpinBox* champ(QWidget& w, const char* nom) { return controle<QSpinBox>(w, nom); }

    /// The Hebrew window's spin fields set to a date, year first.
    void date_hebraique(const DateHebraique& d)
    {
        champ(*hebreu, "SpinEdit3")->setValue(d.annee);
        champ(*hebreu, "SpinEdit2")->setValue(d.mois);
        champ(*hebreu, "SpinEdit1")->setValue(d.jour);
    }
    void date_civile(const DateCivile& d)
    {
        champ(*civil, "SpinEdit3")->setValue(d.annee);
        champ(*civil, "SpinEdit2")->setValue(d.mois);
        champ(*civil, "SpinEdit1")->setValue(d.jour);
    }
};

TEST_F(FenetresCalendriers, EtatALOuverture)
{
    EXPECT_EQ(civil->windowTitle(), "Conversion dates civiles ---> dates hébraïque");
    EXPECT_EQ(hebreu->windowTitle(), "Conversion  dates hébraïques ---> dates civiles");
    EXPECT_EQ(civil->date(), (DateCivile{2024, 10, 3}));
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 1, 1}));
    EXPECT_EQ(label(*civil, "Label1"), "Jeudi 3 Octobre 2024");
    EXPECT_EQ(label(*civil, "Label3"), "Jeudi 1 Tichri 5785");
    EXPECT_EQ(label(*civil, "Label22"),
              "Année civile bissextile - Année hébraïque commune (12 mois)");
    EXPECT_EQ(label(*civil, "Label7"), "17e année du 207e cycle solaire");
    EXPECT_EQ(label(*civil, "Label5"), "9e année du 305e cycle lunaire - année commune");
    EXPECT_EQ(label(*civil, "Label8"), "3e année du 827e cycle de chemita");
    EXPECT_EQ(label(*hebreu, "Label1"), "Jeudi 1 Tichri 5785");
    EXPECT_EQ(label(*hebreu, "Label2"), "Jeudi 3 Octobre 2024");
    EXPECT_EQ(etat(*hebreu), "Roch Hachana Bisextile");
    EXPECT_EQ(champ(*civil, "SpinEdit4")->value(), 2024);
    for (QWidget* w : {static_cast<QWidget*>(civil.get()), static_cast<QWidget*>(hebreu.get())}) {
        auto* lien = controle<QCheckBox>(*w, "CheckBox3");
        EXPECT_TRUE(lien->isChecked());
        EXPECT_EQ(sans_lettre(lien->text()), "Le 2 calendriers ci-contre sont interdépendants");
        EXPECT_TRUE(controle<QPushButton>(*w, "Button1")->isHidden());
        for (int n = 1; n <= 13; ++n) {
            EXPECT_NE(w->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n)), nullptr);
        }
    }
    EXPECT_TRUE(controle<QLineEdit>(*hebreu, "Edit1")->isHidden());
    EXPECT_TRUE(label(*civil, "Panel1").isEmpty());
}

// 29 Adar of a common year, one day on: 1 Nissan, and the civil window
// follows to Sunday 30 March 2025.
TEST_F(FenetresCalendriers, Adar29PlusUnJourDonne1Nissan)
{
    date_hebraique({5785, 6, 29});
    ASSERT_EQ(hebreu->date(), (DateHebraique{5785, 6, 29}));
    clique(*hebreu, "SpeedButton2");
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 8, 1}));
    EXPECT_EQ(label(*hebreu, "Label1"), "Dimanche 1 Nissan 5785");
    EXPECT_EQ(civil->date(), (DateCivile{2025, 3, 30}));
    EXPECT_EQ(label(*civil, "Label1"), "Dimanche 30 Mars 2025");
    clique(*hebreu, "SpeedButton3");
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 6, 29}));
    // The day field stepped to 30 on 29 Adar goes to 1 Nissan too.
    champ(*hebreu, "SpinEdit1")->setValue(30);
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 8, 1}));
    EXPECT_EQ(champ(*hebreu, "SpinEdit1")->value(), 1);
    EXPECT_EQ(champ(*hebreu, "SpinEdit2")->value(), 8);
}

TEST_F(FenetresCalendriers, CompteDuOmer)
{
    date_hebraique({5785, 8, 16});
    EXPECT_EQ(etat(*hebreu), "Pessa'h 1er jour de Omer");
    EXPECT_EQ(etat(*civil), "Pessa'h 1er jour de Omer");
    date_hebraique({5785, 10, 5});
    EXPECT_EQ(etat(*hebreu), " 49e jour de Omer");
    EXPECT_TRUE(etat(*civil).endsWith(" 49e jour de Omer"));
}

// Every jump of years from Adar II lands on Adar, the day kept within it.
TEST_F(FenetresCalendriers, SautsDAnneesDepuisAdar2)
{
    for (const auto& [bouton, attendu] : {std::pair{"SpeedButton6", DateHebraique{5785, 6, 29}},
                                          std::pair{"SpeedButton7", DateHebraique{5783, 6, 29}},
                                          std::pair{"SpeedButton8", DateHebraique{5794, 6, 29}},
                                          std::pair{"SpeedButton9", DateHebraique{5774, 6, 29}},
                                          std::pair{"SpeedButton10", DateHebraique{5884, 6, 29}},
                                          std::pair{"SpeedButton11", DateHebraique{5684, 6, 29}},
                                          std::pair{"SpeedButton12", DateHebraique{6784, 6, 29}},
                                          std::pair{"SpeedButton13", DateHebraique{4784, 6, 29}}}) {
        date_hebraique({5784, 7, 29});
        ASSERT_EQ(hebreu->date(), (DateHebraique{5784, 7, 29}));
        clique(*hebreu, bouton);
        EXPECT_EQ(hebreu->date(), attendu) << bouton;
        EXPECT_EQ(champ(*hebreu, "SpinEdit2")->value(), 6) << bouton;
        EXPECT_EQ(civil->date_hebraique(), attendu) << bouton;
    }
    date_hebraique({5784, 6, 30});
    clique(*hebreu, "SpeedButton6");
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 6, 29})) << "30 Adar I → 29 Adar";
}

TEST_F(FenetresCalendriers, LaReformeDOctobre1582)
{
    date_civile({1582, 10, 4});
    EXPECT_EQ(label(*civil, "Label1"), "Jeudi 4 Octobre 1582");
    EXPECT_EQ(label(*civil, "Panel1"), "Réforme du calendrier civil");
    EXPECT_FALSE(controle<QLineEdit>(*hebreu, "Edit1")->isHidden());
    EXPECT_EQ(controle<QLineEdit>(*hebreu, "Edit1")->text(),
              "Cal. julien ==> grégorien : Jeudi 4 oct 1582 ==>Vend 15 oct 1582");
    clique(*civil, "SpeedButton2");
    EXPECT_EQ(civil->date(), (DateCivile{1582, 10, 15}));
    EXPECT_EQ(label(*civil, "Label1"), "Vendredi 15 Octobre 1582");
    EXPECT_EQ(label(*civil, "Label3"), "Vendredi 19 Tichri 5343");
    EXPECT_EQ(label(*hebreu, "Label2"), "Vendredi 15 Octobre 1582");
    clique(*civil, "SpeedButton3");
    EXPECT_EQ(civil->date(), (DateCivile{1582, 10, 4}));
    // The day field steps over the missing days both ways.
    champ(*civil, "SpinEdit1")->setValue(5);
    EXPECT_EQ(civil->date(), (DateCivile{1582, 10, 15}));
    champ(*civil, "SpinEdit1")->setValue(14);
    EXPECT_EQ(civil->date(), (DateCivile{1582, 10, 4}));
    clique(*civil, "SpeedButton4");
    EXPECT_TRUE(label(*civil, "Panel1").isEmpty());
    EXPECT_TRUE(controle<QLineEdit>(*hebreu, "Edit1")->isHidden());
}

// Astronomical year 0 is written −1, with the hint about year 0.
TEST_F(FenetresCalendriers, AnneeAstronomiqueZero)
{
    champ(*civil, "SpinEdit3")->setValue(0);
    EXPECT_EQ(civil->date().annee, 0);
    EXPECT_EQ(champ(*civil, "SpinEdit4")->value(), -1);
    EXPECT_TRUE(
        champ(*civil, "SpinEdit3")->toolTip().startsWith("L'année astronomique inclus l'année 0"));
    EXPECT_TRUE(label(*civil, "Label1").endsWith("Octobre -1"));
    // The written year stepped from −1 to 0 is year 1; from 1 to 0, year −1.
    champ(*civil, "SpinEdit4")->setValue(0);
    EXPECT_EQ(civil->date().annee, 1);
    EXPECT_EQ(champ(*civil, "SpinEdit4")->value(), 1);
    EXPECT_EQ(champ(*civil, "SpinEdit3")->toolTip(), "Seul moyen de passer\nau-delà du 1 Tichri 1");
    champ(*civil, "SpinEdit4")->setValue(0);
    EXPECT_EQ(civil->date().annee, 0);
    champ(*civil, "SpinEdit4")->setValue(-3761);
    EXPECT_EQ(civil->date().annee, -3760);
}

// 7 October −3760 is Monday 1 Tichri 1, and no button goes before it.
TEST_F(FenetresCalendriers, PremierJourDeLEre)
{
    date_civile({-3760, 10, 7});
    ASSERT_EQ(civil->date(), engine::premier_jour_ere);
    EXPECT_EQ(label(*civil, "Label3"), "Lundi 1 Tichri 1");
    EXPECT_EQ(label(*civil, "Label1"), "Lundi 7 Octobre -3761");
    EXPECT_EQ(hebreu->date(), (DateHebraique{1, 1, 1}));
    EXPECT_EQ(label(*hebreu, "Label1"), "Lundi 1 Tichri 1");
    for (const char* bouton : {"SpeedButton3", "SpeedButton5", "SpeedButton7", "SpeedButton9",
                               "SpeedButton11", "SpeedButton13"}) {
        clique(*civil, bouton);
        EXPECT_EQ(civil->date(), engine::premier_jour_ere) << bouton;
        clique(*hebreu, bouton);
        EXPECT_EQ(hebreu->date(), (DateHebraique{1, 1, 1})) << bouton;
    }
    // The fields cannot go before it either.
    for (int jour = 1; jour < 7; ++jour) {
        champ(*civil, "SpinEdit1")->setValue(jour);
        EXPECT_EQ(civil->date(), engine::premier_jour_ere) << jour;
        EXPECT_EQ(label(*civil, "Label3"), "Lundi 1 Tichri 1");
    }
    champ(*civil, "SpinEdit2")->setValue(9);
    EXPECT_EQ(civil->date(), engine::premier_jour_ere);
    champ(*civil, "SpinEdit3")->setValue(-3761);
    EXPECT_EQ(civil->date(), engine::premier_jour_ere);
    champ(*hebreu, "SpinEdit1")->setValue(0);
    EXPECT_EQ(hebreu->date(), (DateHebraique{1, 1, 1}));
    champ(*hebreu, "SpinEdit3")->setValue(0);
    EXPECT_EQ(hebreu->date(), (DateHebraique{1, 1, 1}));
    // One day on from there, and back again.
    clique(*civil, "SpeedButton2");
    EXPECT_EQ(hebreu->date(), (DateHebraique{1, 1, 2}));
    clique(*hebreu, "SpeedButton3");
    EXPECT_EQ(civil->date(), engine::premier_jour_ere);
}

TEST_F(FenetresCalendriers, DernierJourDeLEre)
{
    date_civile({9999, 12, 31});
    ASSERT_EQ(civil->date(), engine::dernier_jour_ere);
    EXPECT_EQ(hebreu->date(), engine::dernier_jour_ere_hebreu);
    for (const char* bouton : {"SpeedButton2", "SpeedButton4", "SpeedButton6", "SpeedButton8",
                               "SpeedButton10", "SpeedButton12"}) {
        clique(*civil, bouton);
        EXPECT_EQ(civil->date(), engine::dernier_jour_ere) << bouton;
        clique(*hebreu, bouton);
        EXPECT_EQ(hebreu->date(), engine::dernier_jour_ere_hebreu) << bouton;
    }
    champ(*hebreu, "SpinEdit1")->setValue(29);
    EXPECT_EQ(hebreu->date(), engine::dernier_jour_ere_hebreu);
}

TEST_F(FenetresCalendriers, FenetresIndependantes)
{
    controle<QCheckBox>(*hebreu, "CheckBox3")->setChecked(false);
    EXPECT_FALSE(controle<QCheckBox>(*civil, "CheckBox3")->isChecked());
    EXPECT_EQ(controle<QCheckBox>(*civil, "CheckBox3")->text(),
              "Le 2 calendriers ci-contre sont indépendants");
    EXPECT_FALSE(controle<QPushButton>(*hebreu, "Button1")->isHidden());
    EXPECT_FALSE(controle<QPushButton>(*civil, "Button1")->isHidden());
    clique(*hebreu, "SpeedButton4");
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 2, 1}));
    EXPECT_EQ(civil->date(), (DateCivile{2024, 10, 3})) << "not linked";
    clique(*civil, "Button1");
    EXPECT_EQ(civil->date(), (DateCivile{2024, 11, 2}));
    clique(*civil, "SpeedButton6");
    EXPECT_EQ(hebreu->date(), (DateHebraique{5785, 2, 1}));
    clique(*hebreu, "Button1");
    EXPECT_EQ(hebreu->date(), civil->date_hebraique());
    // Linked again: both boxes checked, the buttons hidden.
    controle<QCheckBox>(*civil, "CheckBox3")->setChecked(true);
    EXPECT_TRUE(controle<QCheckBox>(*hebreu, "CheckBox3")->isChecked());
    EXPECT_TRUE(controle<QPushButton>(*hebreu, "Button1")->isHidden());
}

// The seasons on the two status lines: the hour with a decimal comma in the
// Hebrew window, in hours and minutes in the civil one, and the evening of
// the prayer for rain.
TEST_F(FenetresCalendriers, TekoufaEtGuechamim)
{
    date_civile({2024, 10, 7});
    EXPECT_EQ(etat(*hebreu), "Tékoufa de TICHRI à 3,0h");
    EXPECT_EQ(etat(*civil), " Bisextile Tk 3h00mn");
    date_civile({2024, 12, 4});
    EXPECT_EQ(etat(*civil), " Bisextile Guéchamim");
    date_civile({2025, 1, 6});
    EXPECT_EQ(etat(*hebreu), "Tékoufa de TEVET à 10,5h");
    EXPECT_EQ(etat(*civil), " Tk 10h30mn");
}

// "Imprimer" hands the window with the printer's settings: portrait,
// "Courier New" at the print size of the main window.
TEST_F(FenetresCalendriers, ImprimerAvecOrientationEtPolice)
{
    ctx->taille_impression = 2;
    std::vector<std::pair<QWidget*, ReglagesImpression>> imprimes;
    const auto retient = [&imprimes](QWidget& w, const ReglagesImpression& r) {
        imprimes.emplace_back(&w, r);
        return true;
    };
    hebreu->imprime = retient;
    civil->imprime = retient;
    clique(*hebreu, "Button15");
    clique(*civil, "Button6");
    ASSERT_EQ(imprimes.size(), 2u);
    EXPECT_EQ(imprimes[0].first, hebreu.get());
    EXPECT_EQ(imprimes[1].first, civil.get());
    for (const auto& [w, r] : imprimes) {
        EXPECT_EQ(r.orientation, QPageLayout::Portrait);
        EXPECT_EQ(r.police.family(), "Courier New");
        EXPECT_EQ(r.police.pointSize(), 12);
    }
}

// Printed for real into a PDF file: a printer left in landscape by another
// document is set to portrait before the page is drawn.
TEST_F(FenetresCalendriers, ImpressionPdfEnPortrait)
{
    const std::filesystem::path pdf = dir / "fenetre.pdf";
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(imprime_fenetre(printer, *hebreu, reglages_impression_fenetre(0)));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    std::ifstream f(pdf, std::ios::binary);
    const std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(octets.starts_with("%PDF"));
    // A4 portrait: 595 × 842 points.
    EXPECT_NE(octets.find("/MediaBox [0 0 595"), std::string::npos);
}

TEST_F(FenetresCalendriers, FermerFermeLesDeux)
{
    clique(*civil, "Button5");
    EXPECT_FALSE(civil->isVisible());
    EXPECT_FALSE(hebreu->isVisible());
}

// The main window opens the pair from "Dates", linked and on its date.
class MenuDesCalendriers : public test_support::RepertoireDeParis
{
};

TEST_F(MenuDesCalendriers, ConversionCivileHebraique)
{
    DialoguesPrincipaux d;
    d.confirme = [](const std::string&) { return true; };
    d.erreur = [](const std::string&) {};
    d.information = [](const std::string&) {};
    TFMainForm f(*ctx, std::move(d));
    f.findChild<QTimer*>("Timer1")->stop();
    QAction* entree = f.findChild<QAction*>("ConversionCivileHebraique");
    ASSERT_NE(entree, nullptr);
    EXPECT_EQ(sans_lettre(entree->text()), "Conversion  civile <===> hébraïque");
    entree->trigger();
    auto* c = f.findChild<TFNCH1*>();
    auto* h = f.findChild<TFHebr1*>();
    ASSERT_NE(c, nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(c->date(), (DateCivile{2024, 6, 21}));
    EXPECT_EQ(h->date(), (DateHebraique{5784, 10, 15}));
    c->findChild<QToolButton*>("SpeedButton2")->click();
    EXPECT_EQ(h->date(), (DateHebraique{5784, 10, 16})) << "linked";
    // Opening another secondary window frees both.
    f.findChild<QAction*>("PhasesLune")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.findChild<TFNCH1*>(), nullptr);
    EXPECT_EQ(f.findChild<TFHebr1*>(), nullptr);
}

} // namespace
} // namespace orvane::gui
