// The Omer window Tfomer and the Shemita/Yovel window TFYovel driven
// offscreen in a fresh program directory, on Sunday 5 January 2025 (5 Tevet
// 5785).
#include "events/hebrew_letters.h"
#include "gui/common/mnemonics.h"
#include "gui/common/text_printer.h"
#include "gui/events/omer_window.h"
#include "gui/events/yovel_window.h"
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "golden_file.h"
#include "qt_test_application.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvane::gui
{
namespace
{

using Lignes = std::vector<std::string>;
using test_support::sans_lettre;

const std::filesystem::path donnees = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";
const std::filesystem::path golden_omer =
    std::filesystem::path(ORVANE_SOURCE_DIR) / "tests/events/golden/omer";

class FenetresOmer : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
        // The main window's date, as the start converts it.
        ctx->engine.convertit_civil_hebreu(2025, 1, 5);
    }

    void livre(const char* nom) { std::filesystem::copy_file(donnees / nom, dir / nom); }

    void branche(Tfomer& f)
    {
        f.set_dialogues(
            [this](const std::filesystem::path& propose) {
                propositions.push_back(propose);
                return std::optional<std::filesystem::path>(propose);
            },
            [this](const std::string& m) { erreurs.push_back(m); },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return true;
            });
    }

    static QString texte(QTableWidget* g, int ligne, int colonne)
    {
        const QTableWidgetItem* i = g->item(ligne, colonne);
        return i == nullptr ? QString() : i->text();
    }

    static Lignes memo(QWidget& f)
    {
        Lignes r;
        for (const QString& l : f.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n')) {
            r.push_back(l.toStdString());
        }
        return r;
    }

    static std::string etiquette(QWidget& f, const char* nom)
    {
        return f.findChild<QLabel*>(nom)->text().toStdString();
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    std::vector<std::filesystem::path> propositions;
    std::vector<std::string> erreurs;
    std::vector<TexteAImprimer> imprimes;
};

/// Every caption of the window's buttons marks a letter of its own.
void verifie_lettres(QWidget& f)
{
    QSet<QChar> vues;
    for (QAbstractButton* b : f.findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty()) {
            continue; // the corner buttons of the grids
        }
        const QChar c = lettre_mnemonique(b->text());
        EXPECT_FALSE(c.isNull()) << b->text().toStdString();
        EXPECT_FALSE(vues.contains(c)) << b->text().toStdString();
        vues.insert(c);
    }
}

TEST_F(FenetresOmer, OmerEtatInitial)
{
    livre("s_omer.dta");
    Tfomer f(*ctx);
    branche(f);
    EXPECT_EQ(f.objectName(), "Fomer");
    EXPECT_EQ(f.windowTitle(), "COMPTE DU 'OMER");
    auto* hebr = f.findChild<QSpinBox*>("AnneeHebraique");
    auto* civ = f.findChild<QSpinBox*>("AnneeCivile");
    // No year kept yet: this civil year.
    EXPECT_EQ(civ->value(), 2025);
    EXPECT_EQ(hebr->value(), 5785);
    EXPECT_EQ(hebr->minimum(), 1);
    EXPECT_EQ(hebr->maximum(), 13759);
    EXPECT_EQ(civ->minimum(), -3760);
    EXPECT_EQ(civ->maximum(), 9999);
    EXPECT_TRUE(f.findChild<QPushButton*>("BoutonCalculer")->isDefault());
    EXPECT_EQ(etiquette(f, "LabelTitre"), "\u202Dרמעה תריפס\u202C");
    EXPECT_EQ(etiquette(f, "LabelAnnees"), "5785 correspond aux années civiles 2024 / 2025");
    auto* g1 = f.findChild<QTableWidget*>("StringGrid1");
    auto* g2 = f.findChild<QTableWidget*>("StringGrid2");
    ASSERT_EQ(g1->rowCount(), 51);
    ASSERT_EQ(g2->rowCount(), 51);
    EXPECT_EQ(g1->columnCount(), 3);
    EXPECT_EQ(g2->columnCount(), 2);
    EXPECT_EQ(texte(g1, 0, 0), "Dimanche ");
    EXPECT_EQ(texte(g1, 0, 1), "13 Avril 2025");
    EXPECT_EQ(texte(g1, 0, 2), "PESSAH");
    EXPECT_EQ(texte(g1, 1, 1), "14 Avril 2025");
    EXPECT_EQ(texte(g1, 49, 2), "49");
    EXPECT_EQ(texte(g1, 50, 2), "CHAVOUOT");
    EXPECT_EQ(texte(g2, 0, 0), QString::fromStdString(events::lettres_hebraiques_affichees(
                                   events::entete_date_hebraique_omer)));
    EXPECT_EQ(texte(g2, 0, 1), "\u202Dחספ\u202C");
    // 16 Nissan, ט"ז ניסן, drawn left to right as stored.
    EXPECT_EQ(texte(g2, 1, 0), "\u202Dןסינ ז\"ט\u202C");
    EXPECT_EQ(texte(g2, 50, 1), "\u202Dתועובש\u202C");
    EXPECT_EQ(g1->font().family(), "Arial");
    EXPECT_EQ(g1->font().pointSize(), 13);
    EXPECT_EQ(g2->font().pointSize(), 16);
    auto* barre = f.findChild<QScrollBar*>("ScrollBar1");
    EXPECT_EQ(barre->minimum(), 0);
    EXPECT_EQ(barre->maximum(), 42);
    EXPECT_EQ(platform::read_lines(dir / "annee_h"), Lignes{"5785"});
    EXPECT_EQ(platform::read_lines(dir / "annee_c"), Lignes{"2025"});
    verifie_lettres(f);
    EXPECT_TRUE(erreurs.empty());
}

TEST_F(FenetresOmer, OmerAnneesLieesDansLesDeuxSens)
{
    livre("s_omer.dta");
    platform::write_lines(dir / "annee_c", {"2029"});
    platform::write_lines(dir / "annee_h", {"5790"});
    Tfomer f(*ctx);
    branche(f);
    auto* hebr = f.findChild<QSpinBox*>("AnneeHebraique");
    auto* civ = f.findChild<QSpinBox*>("AnneeCivile");
    auto* g1 = f.findChild<QTableWidget*>("StringGrid1");
    // The civil year of the last run: its spring's Omer.
    EXPECT_EQ(civ->value(), 2029);
    EXPECT_EQ(hebr->value(), 5789);
    EXPECT_EQ(texte(g1, 0, 0), "Chabbat  ");
    EXPECT_EQ(texte(g1, 0, 1), "31 Mars 2029");
    EXPECT_EQ(texte(g1, 1, 0), "Dimanche ");
    EXPECT_EQ(texte(g1, 1, 1), "1  Avril 2029");

    hebr->setValue(5790);
    EXPECT_EQ(civ->value(), 2030);
    EXPECT_EQ(texte(g1, 1, 1), "19 Avril 2030");
    EXPECT_EQ(etiquette(f, "LabelAnnees"), "5790 correspond aux années civiles 2029 / 2030");
    EXPECT_EQ(platform::read_lines(dir / "annee_c"), Lignes{"2030"});
    civ->setValue(2025);
    EXPECT_EQ(hebr->value(), 5785);
    EXPECT_EQ(texte(g1, 0, 1), "13 Avril 2025");

    // Around the civil year 0, which does not exist.
    civ->setValue(1);
    EXPECT_EQ(hebr->value(), 3761);
    EXPECT_EQ(etiquette(f, "LabelAnnees"), "3761 correspond aux années civiles -1 / 1");
    civ->setValue(0);
    EXPECT_EQ(hebr->value(), 3760);
    EXPECT_EQ(civ->value(), -1);
    EXPECT_TRUE(texte(g1, 1, 1).endsWith(" -1")) << texte(g1, 1, 1).toStdString();
    civ->setValue(0);
    EXPECT_EQ(hebr->value(), 3761);
    EXPECT_EQ(civ->value(), 1);
    // A year typed below the era: its own Hebrew year, whatever was shown.
    hebr->setValue(3000);
    civ->setValue(2025);
    EXPECT_EQ(hebr->value(), 5785);
    civ->setValue(-3760);
    EXPECT_EQ(hebr->value(), 1);

    hebr->setValue(13759);
    EXPECT_EQ(civ->value(), 9999);
    EXPECT_TRUE(texte(g1, 50, 1).endsWith(" 9999"));
    civ->setValue(2030);
    f.findChild<QPushButton*>("BoutonAujourdhui")->click();
    EXPECT_EQ(civ->value(), 2025);
    EXPECT_EQ(hebr->value(), 5785);
    EXPECT_TRUE(erreurs.empty());
    // The window computes on its own calendar record: the main window's
    // date is left as it was.
    EXPECT_EQ(ctx->engine.annee_hebr, 5785);
    EXPECT_EQ(ctx->engine.mois_hebr, 4);
    EXPECT_EQ(ctx->engine.jour_hebr, 5);
    EXPECT_EQ(ctx->engine.annee_civile, 2025);
}

TEST_F(FenetresOmer, OmerEnregistrerEtImprimer)
{
    livre("s_omer.dta");
    ctx->taille_impression = 2;
    Tfomer f(*ctx);
    branche(f);
    f.findChild<QPushButton*>("BoutonEnregistrer")->click();
    ASSERT_EQ(propositions.size(), 1u);
    EXPECT_EQ(propositions[0].filename(), "OMER_2025.txt");
    EXPECT_EQ(propositions[0].parent_path().filename(), "OMER");
    EXPECT_EQ(platform::read_bytes(propositions[0]),
              test::octets_du_fichier(golden_omer / "OMER_2025.txt"));

    f.findChild<QPushButton*>("BoutonImprimer")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(platform::windows1252_file_bytes(imprimes[0].lignes, "impression"),
              test::octets_du_fichier(golden_omer / "impression_5785.txt"));
    EXPECT_EQ(imprimes[0].police.pointSize(), taille_impression_defaut + 2);
    EXPECT_TRUE(imprimes[0].police.fixedPitch());
    EXPECT_EQ(imprimes[0].orientation, QPageLayout::Portrait);
    const std::filesystem::path pdf = dir / "omer.pdf";
    ASSERT_TRUE(imprime_en_pdf(QString::fromStdString(pdf.string()), imprimes[0]));
    EXPECT_EQ(platform::read_bytes(pdf).substr(0, 4), "%PDF");
    EXPECT_TRUE(erreurs.empty());
}

// Without "s_omer.dta" the rows still follow the year asked, with empty
// Hebrew texts; a short file fills the days it holds.
TEST_F(FenetresOmer, OmerSansFichierDesTextes)
{
    Tfomer f(*ctx);
    branche(f);
    auto* g1 = f.findChild<QTableWidget*>("StringGrid1");
    auto* g2 = f.findChild<QTableWidget*>("StringGrid2");
    f.findChild<QSpinBox*>("AnneeCivile")->setValue(2029);
    EXPECT_EQ(texte(g1, 0, 1), "31 Mars 2029");
    EXPECT_EQ(texte(g2, 1, 0), "\u202D\u202C");
    EXPECT_EQ(texte(g2, 0, 1), "\u202Dחספ\u202C");
    EXPECT_EQ(etiquette(f, "LabelAnnees"), "5789 correspond aux années civiles 2028 / 2029");

    platform::write_lines(dir / "s_omer.dta", {"x\ta\tb", "x\tc"});
    f.findChild<QPushButton*>("BoutonCalculer")->click();
    EXPECT_EQ(texte(g2, 1, 0), "\u202Dא\u202C");
    EXPECT_EQ(texte(g2, 1, 1), "\u202Dב\u202C");
    EXPECT_EQ(texte(g2, 2, 0), "\u202Dש\u202C");
    EXPECT_EQ(texte(g2, 2, 1), "\u202D\u202C");
    EXPECT_EQ(texte(g2, 50, 0), "\u202D\u202C");
    EXPECT_TRUE(erreurs.empty());

    // A file that cannot be read: the platform's message, the label still
    // written.
    std::filesystem::remove(dir / "s_omer.dta");
    std::filesystem::create_directory(dir / "s_omer.dta");
    f.findChild<QSpinBox*>("AnneeCivile")->setValue(2030);
    EXPECT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(etiquette(f, "LabelAnnees"), "5790 correspond aux années civiles 2029 / 2030");
}

TEST_F(FenetresOmer, OmerLesDeuxGrillesDefilentEnsemble)
{
    Tfomer f(*ctx);
    branche(f);
    f.show();
    QApplication::processEvents();
    auto* g1 = f.findChild<QTableWidget*>("StringGrid1");
    auto* g2 = f.findChild<QTableWidget*>("StringGrid2");
    auto* barre = f.findChild<QScrollBar*>("ScrollBar1");
    barre->setValue(20);
    EXPECT_EQ(g1->verticalScrollBar()->value(), 20);
    EXPECT_EQ(g2->verticalScrollBar()->value(), 20);
    g2->verticalScrollBar()->setValue(5);
    EXPECT_EQ(barre->value(), 5);
    EXPECT_EQ(g1->verticalScrollBar()->value(), 5);
    barre->setValue(barre->maximum());
    EXPECT_EQ(g1->rowAt(0), g2->rowAt(0));
    EXPECT_EQ(g1->rowAt(g1->viewport()->height() - 1), 50);
}

TEST_F(FenetresOmer, OmerGlossaire)
{
    Tfomer f(*ctx);
    branche(f);
    f.findChild<QPushButton*>("BoutonGlossaire")->click();
    ASSERT_EQ(erreurs.size(), 1u); // no glossary in a fresh directory
    livre("glossair.dta");
    f.findChild<QPushButton*>("BoutonGlossaire")->click();
    const Lignes m = memo(f);
    ASSERT_GT(m.size(), 5u);
    EXPECT_EQ(m.front(), "@Compte du 'Omer@\tLa Sefirat Haomer, de Pessa'h à Chavouot.");
    EXPECT_EQ(m.back(), "soir le compte en hébreu.");
    EXPECT_EQ(f.findChild<QPlainTextEdit*>("Memo1")->font().family(), "Arial");
    EXPECT_EQ(f.findChild<QPlainTextEdit*>("Memo1")->font().pointSize(), 8);
    EXPECT_EQ(erreurs.size(), 1u);
}

TEST_F(FenetresOmer, YovelALOuverture)
{
    TFYovel f(*ctx);
    EXPECT_EQ(f.objectName(), "FYovel");
    EXPECT_EQ(f.windowTitle(), "Cycles Chemita et Yovel  ( Année sabbatique et jubilé )");
    EXPECT_EQ(f.premiere_annee(), 5777);
    EXPECT_EQ(etiquette(f, "Annee0"), "5777");
    EXPECT_EQ(etiquette(f, "Annee8"), "5785");
    EXPECT_EQ(etiquette(f, "Annee16"), "5793");
    for (int i = 0; i < 17; ++i) {
        const std::string m = etiquette(f, ("Marque" + std::to_string(i)).c_str());
        // 5782 and 5789; 5783 = 49 × 118 + 1 opens the cycles after a Yovel.
        EXPECT_EQ(m, i == 5 || i == 12 ? "CH" : i == 6 ? "Y" : "") << 5777 + i;
    }
    EXPECT_TRUE(f.findChild<QLabel*>("Annee8")->font().bold()); // the year described
    EXPECT_FALSE(f.findChild<QLabel*>("Annee7")->font().bold());
    EXPECT_EQ(etiquette(f, "LabelDescription"), "3e Année du 827e cycle de Chemita");
    EXPECT_EQ(etiquette(f, "LabelAvis"), "(Selon Rabbi Yehouda)");
    EXPECT_EQ(etiquette(f, "LabelAujourdhui"), "Aujourd'hui 5 Janvier2025 = 5 Tevet   5785");
    EXPECT_EQ(etiquette(f, "LabelChemita"), "Prochaine Chemita : 5789 (hébreu) ---> 2029 (civil)");
    EXPECT_EQ(etiquette(f, "LabelYovel"), "Prochain  Yovel   : 5832 (hébreu) ---> 2072 (civil)");
    EXPECT_EQ(etiquette(f, "LabelNoteYehouda"), "(Selon Rabbi Yehouda)");
    EXPECT_EQ(etiquette(f, "LabelNoteRetenu"), "Avis généralement retenu");
    auto* yehouda = f.findChild<QCheckBox*>("CheckBox1");
    auto* hakhamim = f.findChild<QCheckBox*>("CheckBox2");
    EXPECT_EQ(sans_lettre(yehouda->text()), "Selon Rabbi Yehouda");
    EXPECT_EQ(sans_lettre(hakhamim->text()), "Selon les 'Hakhamim");
    EXPECT_TRUE(yehouda->isChecked());
    EXPECT_FALSE(hakhamim->isChecked());
    EXPECT_TRUE(yehouda->font().bold());
    EXPECT_EQ(yehouda->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(hakhamim->font().bold());
    EXPECT_EQ(hakhamim->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(sans_lettre(f.findChild<QPushButton*>("Image1")->text()),
              "Cliquer ici pour aujourd'hui");
    verifie_lettres(f);
}

// The window reads the engine's year and leaves its date as it found it,
// open or closed.
TEST_F(FenetresOmer, YovelLaisseLaDateDuMoteur)
{
    const engine::CalendarEngine avant = ctx->engine;
    {
        TFYovel f(*ctx);
        f.findChild<QCheckBox*>("CheckBox2")->click();
        f.findChild<QPushButton*>("BoutonAvance")->click();
        f.findChild<QPushButton*>("Image1")->click();
        f.close();
    }
    const auto dates = [](const engine::CalendarEngine& e) {
        return std::vector<int>{e.annee_hebr, e.mois_hebr,    e.jour_hebr,    e.annee_civile,
                                e.mois_civil, e.jour_civil,   e.jour_semaine, e.nb_mois,
                                e.jour_rh,    e.code_longueur};
    };
    EXPECT_EQ(dates(ctx->engine), dates(avant));
    // Opened again, it shows the same years; an Omer window in between
    // does not move them.
    {
        Tfomer omer(*ctx);
        branche(omer);
        omer.findChild<QSpinBox*>("AnneeHebraique")->setValue(5800);
    }
    TFYovel g(*ctx);
    EXPECT_EQ(g.premiere_annee(), 5777);
    EXPECT_EQ(etiquette(g, "LabelChemita"), "Prochaine Chemita : 5789 (hébreu) ---> 2029 (civil)");
    EXPECT_EQ(dates(ctx->engine), dates(avant));
}

TEST_F(FenetresOmer, YovelLesDeuxAvis)
{
    ctx->engine.convertit_civil_hebreu(1990, 1, 5); // 5750, a Yovel of the 'Hakhamim
    TFYovel f(*ctx);
    auto* yehouda = f.findChild<QCheckBox*>("CheckBox1");
    auto* hakhamim = f.findChild<QCheckBox*>("CheckBox2");
    EXPECT_EQ(f.premiere_annee(), 5742);
    // Rabbi Yehouda: 5747 and 5754, the multiples of 7.
    const auto marques = [&f] {
        std::vector<std::string> m;
        for (int i = 0; i < 17; ++i) {
            m.push_back(etiquette(f, ("Marque" + std::to_string(i)).c_str()));
        }
        return m;
    };
    std::vector<std::string> attendues(17);
    attendues[5] = attendues[12] = "CH";
    EXPECT_EQ(marques(), attendues);
    hakhamim->click();
    EXPECT_EQ(f.avis(), events::AvisChemita::hakhamim);
    EXPECT_TRUE(hakhamim->isChecked());
    EXPECT_FALSE(yehouda->isChecked());
    EXPECT_TRUE(hakhamim->font().bold());
    EXPECT_EQ(hakhamim->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(yehouda->font().bold());
    EXPECT_EQ(yehouda->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(etiquette(f, "LabelAvis"), "(selon les 'Hakhamim)");
    // 'Hakhamim: 5742, 5749 and 5757 (ranks 42, 49 and 7 of their 50), 5750 the Yovel.
    attendues = std::vector<std::string>(17);
    attendues[0] = attendues[7] = attendues[15] = "CH";
    attendues[8] = "Y";
    EXPECT_EQ(marques(), attendues);
    EXPECT_EQ(etiquette(f, "LabelDescription"), "Année du Yovel");
    // Unchecking the chosen box chooses the other.
    hakhamim->click();
    EXPECT_EQ(f.avis(), events::AvisChemita::rabbi_yehouda);
    EXPECT_TRUE(yehouda->isChecked());
    EXPECT_EQ(etiquette(f, "LabelAvis"), "(selon Rabbi Yehouda)");
    EXPECT_EQ(etiquette(f, "LabelDescription"), "3e Année du 822e cycle de Chemita");
    yehouda->click();
    EXPECT_EQ(f.avis(), events::AvisChemita::hakhamim);
    EXPECT_EQ(etiquette(f, "LabelAvis"), "(Selon les 'Hakhamim)");
    yehouda->click();
    EXPECT_EQ(f.avis(), events::AvisChemita::rabbi_yehouda);
    EXPECT_EQ(etiquette(f, "LabelAvis"), "(Selon Rabbi Yehouda)");
}

TEST_F(FenetresOmer, YovelBornesDeLaBande)
{
    ctx->engine.annee_hebr = 5; // up to 8 the strip starts on the year itself
    TFYovel f(*ctx);
    EXPECT_EQ(f.premiere_annee(), 5);
    EXPECT_EQ(etiquette(f, "LabelDescription"), "5e Année du 1er cycle de Chemita");
    auto* recule = f.findChild<QPushButton*>("BoutonRecule");
    auto* recule_vite = f.findChild<QPushButton*>("BoutonReculeVite");
    for (int i = 0; i < 6; ++i) {
        recule->click();
    }
    EXPECT_EQ(f.premiere_annee(), 1);
    recule_vite->click();
    EXPECT_EQ(f.premiere_annee(), 1);
    EXPECT_EQ(etiquette(f, "Annee0"), "1");
    EXPECT_EQ(etiquette(f, "Marque0"), ""); // year 1 follows no cycle
    EXPECT_EQ(etiquette(f, "Marque6"), "CH");
    f.findChild<QPushButton*>("BoutonAvance")->click();
    EXPECT_EQ(f.premiere_annee(), 2);
    // One press of an outer button is one year.
    f.findChild<QPushButton*>("BoutonAvanceVite")->click();
    EXPECT_EQ(f.premiere_annee(), 3);

    ctx->engine.annee_hebr = 40000;
    TFYovel g(*ctx);
    EXPECT_EQ(g.premiere_annee(), 32750);
    EXPECT_EQ(etiquette(g, "Annee16"), "32766");
    g.findChild<QPushButton*>("BoutonAvance")->click();
    g.findChild<QPushButton*>("BoutonAvanceVite")->click();
    EXPECT_EQ(g.premiere_annee(), 32750);
    g.findChild<QPushButton*>("BoutonReculeVite")->click();
    EXPECT_EQ(g.premiere_annee(), 32749);
    // The picture goes back to today.
    g.findChild<QPushButton*>("Image1")->click();
    EXPECT_EQ(g.premiere_annee(), 5777);
}

// The outer buttons step when pressed, then every 100 ms while held.
TEST_F(FenetresOmer, YovelBoutonsQuiSeRepetent)
{
    TFYovel f(*ctx);
    for (const char* nom : {"BoutonReculeVite", "BoutonAvanceVite"}) {
        auto* b = f.findChild<QPushButton*>(nom);
        EXPECT_TRUE(b->autoRepeat()) << nom;
        EXPECT_EQ(b->autoRepeatInterval(), 100) << nom;
        EXPECT_EQ(b->autoRepeatDelay(), 100) << nom;
    }
    EXPECT_FALSE(f.findChild<QPushButton*>("BoutonAvance")->autoRepeat());
    f.show();
    auto* b = f.findChild<QPushButton*>("BoutonAvanceVite");
    QTest::mousePress(b, Qt::LeftButton);
    EXPECT_EQ(f.premiere_annee(), 5778); // at once
    QTest::qWait(450);
    QTest::mouseRelease(b, Qt::LeftButton);
    const int tenu = f.premiere_annee();
    EXPECT_GE(tenu, 5779);
    EXPECT_LE(tenu, 5778 + 5);
    QTest::qWait(250);
    EXPECT_EQ(f.premiere_annee(), tenu); // released: no more steps
}

TEST_F(FenetresOmer, YovelGlossaire)
{
    TFYovel f(*ctx);
    std::vector<std::string> erreurs_yovel;
    f.set_erreur([&](const std::string& m) { erreurs_yovel.push_back(m); });
    f.findChild<QPushButton*>("BoutonGlossaire")->click();
    ASSERT_EQ(erreurs_yovel.size(), 1u);
    livre("glossair.dta");
    f.findChild<QPushButton*>("BoutonGlossaire")->click();
    const Lignes m = memo(f);
    ASSERT_GT(m.size(), 6u);
    EXPECT_EQ(m.front(), "@Chemita@\tL'année sabbatique");
    EXPECT_NE(std::find(m.begin(), m.end(), "@Yovel@\tLe jubilé"), m.end());
    EXPECT_EQ(m.back(), "opinions.");
    EXPECT_EQ(erreurs_yovel.size(), 1u);
}

} // namespace
} // namespace orvane::gui
