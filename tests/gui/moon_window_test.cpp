// The moon of the program: the pictures of days 1, 8, 15, 22 and 29
// against reference pictures (tests/gui/golden/lune_NN.png, written with
// ORVANE_REECRIT_GOLDEN=1 after a deliberate change), the lit part growing
// and waning through the month, the main window's moon drawn by the same
// function, and the moon window stepping through a month tick by tick.

#include "gui/calendars/calendars_menu.h"
#include "gui/calendars/moon_drawing.h"
#include "gui/calendars/moon_window.h"
#include "gui/shell/day_pictures.h"
#include "gui/shell/main_form/moon_panel.h"
#include "gui/shell/main_window.h"
#include "platform/clock.h"
#include "platform/temporary_directory.h"
#include "shell/app_context.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "golden_file.h"
#include "paris_program_directory.h"
#include "qt_test_application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace orvane::gui
{
namespace
{

constexpr int taille = 64;

/// Pixels whose colour differs from the reference by more than `ecart` in
/// one channel.
int pixels_differents(const QImage& a, const QImage& b, int ecart)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > ecart || std::abs(p.green() - q.green()) > ecart ||
                std::abs(p.blue() - q.blue()) > ecart) {
                ++n;
            }
        }
    }
    return n;
}

/// Lit pixels (bright yellow-white) left and right of the centre line.
std::pair<int, int> pixels_eclaires(const QImage& image)
{
    int gauche = 0;
    int droite = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > 150) {
                (x < image.width() / 2 ? gauche : droite) += 1;
            }
        }
    }
    return {gauche, droite};
}

class DessinDeLaLune : public test_support::TestAvecQt
{
};

TEST_F(DessinDeLaLune, ImagesDeReference)
{
    for (int jour : {1, 8, 15, 22, 29}) {
        const QImage image = image_lune(jour, taille).convertToFormat(QImage::Format_ARGB32);
        const QString chemin =
            QStringLiteral(ORVANE_GOLDEN_DIR "/lune_%1.png").arg(jour, 2, 10, QLatin1Char('0'));
        if (test::reecrit_les_golden()) {
            ASSERT_TRUE(image.save(chemin, "PNG"));
            continue;
        }
        QImage reference(chemin);
        ASSERT_FALSE(reference.isNull()) << chemin.toStdString();
        reference = reference.convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(reference.size(), image.size());
        // Antialiasing may differ by a few levels between versions of Qt.
        EXPECT_LE(pixels_differents(image, reference, 24), taille * taille / 100)
            << "jour " << jour;
    }
}

// The lit part grows to the full moon, then wanes; on the right while the
// moon grows, on the left while it wanes; none at the new moon.
TEST_F(DessinDeLaLune, LaPartieEclaireeSuitLeMois)
{
    EXPECT_EQ(pixels_eclaires(image_lune(1, taille)), (std::pair{0, 0}));
    EXPECT_EQ(pixels_eclaires(image_lune(29, taille)), (std::pair{0, 0}));
    EXPECT_EQ(pixels_eclaires(image_lune(30, taille)), (std::pair{0, 0}));
    int avant = 0;
    for (int jour = 2; jour <= 14; ++jour) {
        const auto [gauche, droite] = pixels_eclaires(image_lune(jour, taille));
        EXPECT_GT(gauche + droite, avant) << jour;
        EXPECT_GE(droite, gauche) << jour;
        avant = gauche + droite;
    }
    // Days 15 and 16 are both all but full; the waning counts from the 16th.
    avant = pixels_eclaires(image_lune(16, taille)).first +
            pixels_eclaires(image_lune(16, taille)).second;
    for (int jour = 17; jour <= 28; ++jour) {
        const auto [gauche, droite] = pixels_eclaires(image_lune(jour, taille));
        EXPECT_LT(gauche + droite, avant) << jour;
        EXPECT_GE(gauche, droite) << jour;
        avant = gauche + droite;
    }
    const auto [g8, d8] = pixels_eclaires(image_lune(8, taille));
    EXPECT_LT(g8, d8 / 4) << "first quarter: the right half";
    const auto [g22, d22] = pixels_eclaires(image_lune(22, taille));
    EXPECT_LT(d22, g22 / 2) << "last quarter: the left half";
}

// The main window's moon is the same drawing.
TEST_F(DessinDeLaLune, LaLuneDeLaFenetrePrincipaleEstLaMeme)
{
    for (int jour : {3, 8, 15, 22}) {
        DessinLune w;
        w.setFixedSize(taille, taille);
        w.setJourHebreu(jour);
        const QImage vue = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(pixels_differents(vue, image_lune(jour, taille), 0), 0) << jour;
    }
}

class FenetreLune : public test_support::TestAvecQt
{
protected:
    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;

    void SetUp() override
    {
        // 13 October 2024 is 11 Tichri 5785; the moon window stops on the
        // day the main window holds.
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2024, 10, 13}), dir.path());
        ctx->engine.convertit_civil_hebreu(2024, 10, 12);
        ASSERT_EQ(ctx->engine.jour_hebr, 10);
    }

    /// Today's Hebrew day as the main window holds it: 10 Tichri.
    int jour_du_moteur() const { return ctx->engine.jour_hebr; }
    static QString jour(TFLune& f) { return f.findChild<QLineEdit*>("Edit1")->text(); }
    static bool notice(TFLune& f) { return !f.findChild<QLabel*>("Label4")->isHidden(); }
    static bool lune_dessinee(TFLune& f, int jour_du_mois)
    {
        auto* scene = f.findChild<SceneLune*>("SceneLune");
        const QImage image = scene->grab().toImage();
        const QPointF c = scene->place_du_jour(jour_du_mois);
        // The edge of the disc, which is drawn even for a new moon.
        const QColor p = image.pixelColor(
            QPoint(static_cast<int>(c.x()), static_cast<int>(c.y() + SceneLune::rayon_lune - 3)));
        return p != QColor(20, 40, 120);
    }
};

TEST_F(FenetreLune, EtatALActivation)
{
    TFLune f(*ctx, jour_du_moteur());
    f.show();
    f.FormActivate();
    EXPECT_EQ(f.windowTitle(), "Phases de la lune au cours du cycle lunaire");
    EXPECT_EQ(jour(f), "30");
    EXPECT_FALSE(notice(f));
    EXPECT_TRUE(f.minuterie()->isActive());
    EXPECT_EQ(f.minuterie()->interval(), 300);
    EXPECT_TRUE(f.findChild<QLabel*>("Label3")->text().startsWith("Aujourd'hui : "));
    for (int j = 1; j <= 30; ++j) {
        EXPECT_FALSE(lune_dessinee(f, j)) << j;
    }
    f.FormDeactivate();
    EXPECT_FALSE(f.minuterie()->isActive());
}

// A month on the test clock: one day a tick, eight ticks on the 10th with
// the notice, the 10th kept on the orbit afterwards.
TEST_F(FenetreLune, UnMoisPasAPas)
{
    TFLune f(*ctx, jour_du_moteur());
    f.show();
    f.FormActivate();
    f.minuterie()->stop();
    for (int j = 1; j <= 9; ++j) {
        f.Timer1Timer();
        EXPECT_EQ(jour(f), QString::number(j));
        EXPECT_FALSE(notice(f));
        EXPECT_TRUE(lune_dessinee(f, j));
        EXPECT_FALSE(lune_dessinee(f, j == 1 ? 30 : j - 1)) << "the day before is hidden";
    }
    for (int i = 0; i < 8; ++i) {
        f.Timer1Timer();
        EXPECT_EQ(jour(f), "10");
        EXPECT_TRUE(notice(f));
    }
    f.Timer1Timer();
    EXPECT_EQ(jour(f), "11");
    EXPECT_FALSE(notice(f));
    EXPECT_TRUE(lune_dessinee(f, 10));
    EXPECT_TRUE(lune_dessinee(f, 11));
    for (int j = 12; j <= 30; ++j) {
        f.Timer1Timer();
    }
    f.Timer1Timer();
    EXPECT_EQ(jour(f), "1");
    EXPECT_TRUE(lune_dessinee(f, 10));
    EXPECT_FALSE(lune_dessinee(f, 30));
}

// Holding "Arrêter le mouvement de la lune" stops the timer; releasing it
// starts it again, from the same day.
TEST_F(FenetreLune, ArreterLeMouvement)
{
    TFLune f(*ctx, jour_du_moteur());
    f.show();
    f.FormActivate();
    f.Timer1Timer();
    auto* bouton = f.findChild<QPushButton*>("Button1");
    QTest::mousePress(bouton, Qt::LeftButton);
    EXPECT_FALSE(f.minuterie()->isActive());
    EXPECT_EQ(jour(f), "1");
    QTest::mouseRelease(bouton, Qt::LeftButton);
    EXPECT_TRUE(f.minuterie()->isActive());
    EXPECT_EQ(jour(f), "1");
}

// The menu entry and a click on the main window's moon open the window.
class OuvertureDeLaLune : public test_support::RepertoireDeParis
{
};

TEST_F(OuvertureDeLaLune, MenuEtClicSurLaLune)
{
    DialoguesPrincipaux d;
    d.confirme = [](const std::string&) { return true; };
    d.erreur = [](const std::string&) {};
    d.information = [](const std::string&) {};
    TFMainForm f(*ctx, std::move(d));
    f.findChild<QTimer*>("Timer1")->stop();
    QAction* entree = f.findChild<QAction*>("PhasesLune");
    ASSERT_NE(entree, nullptr);
    EXPECT_EQ(test_support::sans_lettre(entree->text()), "Phases de la lune   ( Animation )");
    entree->trigger();
    ASSERT_NE(f.findChild<TFLune*>(), nullptr);
    // The moon stops on the Hebrew day the main window shows: 15 Sivan.
    EXPECT_EQ(f.findChild<TFLune*>()->animation().jour_aujourdhui(), 15);
    f.libere_fenetres();
    ASSERT_EQ(f.findChild<TFLune*>(), nullptr);

    auto* panneau = f.findChild<PanneauLune*>("PanneauLune");
    ASSERT_NE(panneau, nullptr);
    QTest::mouseClick(panneau->findChild<DessinLune*>(), Qt::LeftButton);
    ASSERT_NE(f.findChild<TFLune*>(), nullptr) << "the picture";
    f.libere_fenetres();
    QTest::mouseClick(panneau, Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_NE(f.findChild<TFLune*>(), nullptr) << "its panel and title";
    f.libere_fenetres();
    QTest::mouseClick(panneau->findChild<QLabel*>("Label28"), Qt::LeftButton);
    EXPECT_NE(f.findChild<TFLune*>(), nullptr) << "the phase label";
}

} // namespace
} // namespace orvane::gui
