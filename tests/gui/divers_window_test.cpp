// The "Divers" window driven offscreen in a fresh program directory: every
// table computed, saved, printed to PDF, and its web page written.
#include "documents/divers_tables.h"
#include "documents/html_check.h"
#include "gui/common/text_printer.h"
#include "gui/events/divers_window.h"
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextOption>

#include "qt_test_application.h"

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;
using events::ModeDivers;
using Lignes = std::vector<std::string>;

class FenetreDivers : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
        fs::copy(fs::path(ORVANE_SOURCE_DIR) / "data" / "Orvanew", dir / "Orvanew",
                 fs::copy_options::recursive);
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "data" / "glossair.dta", dir / "glossair.dta");
    }

    void branche(Tdivers& f)
    {
        f.set_dialogues(
            [this](const fs::path& propose) {
                propositions.push_back(propose);
                return std::optional<fs::path>(propose);
            },
            [this](const std::string& m) { erreurs.push_back(m); },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return true;
            });
    }

    static QString memo(Tdivers& f) { return f.findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }

    template <class T>
    static T* controle(Tdivers& f, const char* nom)
    {
        T* c = f.findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    std::vector<fs::path> propositions;
    std::vector<std::string> erreurs;
    std::vector<TexteAImprimer> imprimes;
};

// Every table: computed at opening with the header, saved under its name and
// folder (created when missing), printed to a real PDF.
TEST_F(FenetreDivers, ChaqueTableCalculeeEnregistreeImprimee)
{
    for (const events::DescriptionModeDivers& d : events::modes_divers()) {
        SCOPED_TRACE(std::string(d.nom));
        propositions.clear();
        imprimes.clear();
        Tdivers f(*ctx, d.mode);
        branche(f);
        f.show();
        EXPECT_EQ(f.windowTitle().toStdString(),
                  events::titre_divers(d.mode, events::entrees_par_defaut(d.mode, f.valeurs())));
        ASSERT_FALSE(f.texte().empty());
        EXPECT_FALSE(memo(f).isEmpty());
        if (d.mode != ModeDivers::types_annees) {
            EXPECT_EQ(f.texte()[1], "      " + f.windowTitle().toStdString());
        }
        controle<QPushButton>(f, "BoutonEnregistrer")->click();
        ASSERT_EQ(propositions.size(), 1u);
        EXPECT_EQ(propositions[0].parent_path().filename(), d.dossier);
        ASSERT_TRUE(fs::exists(propositions[0])) << propositions[0];
        EXPECT_EQ(platform::read_lines(propositions[0]), f.texte());
        controle<QPushButton>(f, "BoutonImprimer")->click();
        ASSERT_EQ(imprimes.size(), 1u);
        EXPECT_EQ(imprimes[0].orientation,
                  d.paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
        const fs::path pdf = dir / (std::string(d.nom) + ".pdf");
        ASSERT_TRUE(imprime_en_pdf(QString::fromStdString(pdf.string()), imprimes[0]));
        EXPECT_EQ(platform::read_bytes(pdf).substr(0, 4), "%PDF");
        f.close();
    }
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
}

// Opening computes the table twice (creation, then the first showing), with
// the same text.
TEST_F(FenetreDivers, LOuvertureCalculeDeuxFoisLeMemeTexte)
{
    Tdivers f(*ctx, ModeDivers::roch_hodech);
    const Lignes a_la_creation = f.texte();
    f.show();
    EXPECT_EQ(f.texte(), a_la_creation);
    EXPECT_EQ(controle<QSpinBox>(f, "AnneeHebraique")->value(), 5785);
    EXPECT_EQ(controle<QLabel>(f, "LabelAujourdhui")->text(),
              "Aujourd'hui Dim 5 Janvier 2025 = 5 Tevet 5785");
}

TEST_F(FenetreDivers, LesAnneesLieesSansAnneeZero)
{
    Tdivers f(*ctx, ModeDivers::moladot);
    auto* hebr = controle<QSpinBox>(f, "AnneeHebraique");
    auto* civ = controle<QSpinBox>(f, "AnneeCivile");
    hebr->setValue(3761);
    EXPECT_EQ(civ->value(), 1);
    hebr->setValue(3760);
    EXPECT_EQ(civ->value(), -1);
    // From −1 up, the civil year 1 comes next: no year 0.
    civ->setValue(0);
    EXPECT_EQ(hebr->value(), 3761);
    hebr->setValue(5785);
    civ->setValue(2030);
    EXPECT_EQ(hebr->value(), 5790);
    // The year goes to the small state files.
    EXPECT_EQ(platform::read_lines(dir / "annee_h"), Lignes{"5790"});
}

TEST_F(FenetreDivers, BirkatHahamaNeTouchePasAuxFichiersDAnnee)
{
    platform::write_lines(dir / "annee_h", {"5786"});
    Tdivers f(*ctx, ModeDivers::hahama);
    branche(f);
    f.show();
    controle<QSpinBox>(f, "AnneeHebraique")->setValue(5601);
    controle<QPushButton>(f, "BoutonCalculer")->click();
    EXPECT_EQ(platform::read_lines(dir / "annee_h"), Lignes{"5786"});
}

TEST_F(FenetreDivers, CinqAnneesProposentUnNomSuffixe)
{
    Tdivers f(*ctx, ModeDivers::visites);
    branche(f);
    controle<QSpinBox>(f, "AnneeHebraique")->setValue(5785);
    controle<QSpinBox>(f, "NombreAnnees")->setValue(5);
    controle<QPushButton>(f, "BoutonEnregistrer")->click();
    ASSERT_EQ(propositions.size(), 1u);
    EXPECT_EQ(propositions[0].filename(), "VISITE_5785_5789.txt");
}

TEST_F(FenetreDivers, BarMitsvaEtBatMitsva)
{
    Tdivers f(*ctx, ModeDivers::ceremonies_bar_mitsva);
    branche(f);
    f.show();
    auto* garcon = controle<QCheckBox>(f, "Coche1");
    auto* fille = controle<QCheckBox>(f, "Coche2");
    EXPECT_TRUE(fille->isChecked());
    EXPECT_FALSE(garcon->isChecked());
    EXPECT_EQ(f.windowTitle(), "TABLEAU DES CEREMONIES DE BAT-MITSVA");
    EXPECT_TRUE(fille->font().bold());
    garcon->click();
    EXPECT_FALSE(fille->isChecked());
    EXPECT_TRUE(garcon->font().bold());
    EXPECT_FALSE(fille->font().bold());
    EXPECT_EQ(f.windowTitle(), "TABLEAU DES CEREMONIES DE BAR-MITSVA");
    EXPECT_EQ(f.texte()[1], "      TABLEAU DES CEREMONIES DE BAR-MITSVA");
    EXPECT_TRUE(memo(f).contains("Chabbat de Bar-Mitsva"));
}

TEST_F(FenetreDivers, LimiteInferieureAfficheLeMessage)
{
    Tdivers f(*ctx, ModeDivers::types_annees);
    branche(f);
    f.show();
    const Lignes avant = f.texte();
    controle<QSpinBox>(f, "AnneeHebraiqueFin")->setValue(5600);
    controle<QPushButton>(f, "BoutonCalculer")->click();
    EXPECT_EQ(controle<QLabel>(f, "LabelMessage")->text(),
              "Calcul impossible car l'année limite est inférieure à celle de début de calcul");
    EXPECT_EQ(f.texte(), avant);
}

TEST_F(FenetreDivers, LesEntreesVisiblesSelonLaTable)
{
    Tdivers interdites(*ctx, ModeDivers::visites_interdites);
    interdites.show();
    EXPECT_FALSE(controle<QSpinBox>(interdites, "AnneeHebraique")->isVisible());
    EXPECT_TRUE(controle<QCheckBox>(interdites, "CaseWeb")->isVisible());
    Tdivers levana(*ctx, ModeDivers::levana);
    levana.show();
    EXPECT_TRUE(controle<QCheckBox>(levana, "CaseHoumra")->isVisible());
    EXPECT_TRUE(controle<QCheckBox>(levana, "CaseHoumra")->isChecked());
    EXPECT_TRUE(controle<QPushButton>(levana, "BoutonIsrael")->isVisible());
    EXPECT_FALSE(controle<QComboBox>(levana, "ChoixMois")->isVisible());
    Tdivers moladot(*ctx, ModeDivers::moladot);
    moladot.show();
    EXPECT_TRUE(controle<QComboBox>(moladot, "ChoixMois")->isVisible());
    EXPECT_EQ(controle<QComboBox>(moladot, "ChoixMois")->count(), 14);
    EXPECT_FALSE(controle<QCheckBox>(moladot, "CaseHoumra")->isVisible());
    Tdivers types(*ctx, ModeDivers::types_annees);
    types.show();
    EXPECT_TRUE(controle<QSpinBox>(types, "AnneeHebraiqueFin")->isVisible());
    EXPECT_EQ(controle<QSpinBox>(types, "AnneeHebraique")->singleStep(), 10);
}

// The grid of types shows Hebrew letters in the order of the stored glyphs:
// every piece between tabs keeps its own left-to-right override, and the
// saved file keeps the stored letters.
TEST_F(FenetreDivers, LaGrilleDesTypesGardeSonOrdre)
{
    Tdivers f(*ctx, ModeDivers::types_annees);
    branche(f);
    f.show();
    const QString lro = QString(QChar(0x202D));
    const QStringList lignes = memo(f).split('\n');
    int rangees = 0;
    for (const QString& l : lignes) {
        if (l.contains('\t')) {
            EXPECT_EQ(l.count('\t'), l.count(lro) - 1) << l.toStdString();
            ++rangees;
        }
    }
    EXPECT_GT(rangees, 20);
    EXPECT_TRUE(memo(f).contains(QString::fromUtf8("\u05D0"))); // an alef shown
    EXPECT_NE(f.texte()[7].find("5681"), std::string::npos);    // stored letters kept
    EXPECT_EQ(f.texte()[7].find("\u05D0"), std::string::npos);
    EXPECT_EQ(
        f.findChild<QPlainTextEdit*>("Memo1")->document()->defaultTextOption().textDirection(),
        Qt::LeftToRight);
}

TEST_F(FenetreDivers, LeChoixDuMoisRecalcule)
{
    Tdivers f(*ctx, ModeDivers::moladot);
    branche(f);
    f.show();
    const std::size_t tous = f.texte().size();
    controle<QComboBox>(f, "ChoixMois")->setCurrentIndex(8); // Nissan
    EXPECT_LT(f.texte().size(), tous);
    EXPECT_TRUE(memo(f).contains("NISSAN") || memo(f).contains("Nissan"));
}

TEST_F(FenetreDivers, LevanaEnIsrael)
{
    Tdivers f(*ctx, ModeDivers::levana);
    branche(f);
    f.show();
    EXPECT_TRUE(memo(f).contains("pour la FRANCE"));
    controle<QPushButton>(f, "BoutonIsrael")->click();
    EXPECT_TRUE(memo(f).contains("pour ISRAEL"));
}

TEST_F(FenetreDivers, PageWebDesRacheiHodachim)
{
    Tdivers f(*ctx, ModeDivers::roch_hodech);
    branche(f);
    f.show();
    controle<QCheckBox>(f, "CaseWeb")->setChecked(true);
    controle<QPushButton>(f, "BoutonCalculer")->click();
    const fs::path page = dir / "Orvanew/ELEMENTS/ROCHODEC/5785.htm";
    ASSERT_TRUE(fs::exists(page));
    const std::string html = platform::read_text(page);
    EXPECT_TRUE(documents::test::defauts_html(html).empty());
    EXPECT_NE(html.find("Rachei 'Hodachim de<BR>de l'année juive 5785"), std::string::npos);
    EXPECT_TRUE(erreurs.empty());
}

TEST_F(FenetreDivers, GlossaireEtValeursParDefaut)
{
    Tdivers f(*ctx, ModeDivers::tekoufot);
    branche(f);
    f.show();
    controle<QSpinBox>(f, "AnneeHebraique")->setValue(5790);
    controle<QSpinBox>(f, "NombreAnnees")->setValue(4);
    controle<QPushButton>(f, "BoutonGlossaire")->click();
    EXPECT_TRUE(memo(f).contains("Tékoufa"));
    EXPECT_EQ(f.findChild<QPlainTextEdit*>("Memo1")->font().family(), "Arial");
    controle<QPushButton>(f, "BoutonDefaut")->click();
    EXPECT_EQ(controle<QSpinBox>(f, "AnneeHebraique")->value(), 5785);
    EXPECT_EQ(controle<QSpinBox>(f, "NombreAnnees")->value(), 1);
    EXPECT_TRUE(memo(f).contains("Tékoufa : Année 5785"));
}

} // namespace
} // namespace orvane::gui
