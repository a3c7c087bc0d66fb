// The month-grid widgets driven offscreen: default state first, then
// setters, clicks and keys, with the change signals counted.
#include "gui/widgets/tg_calendar.h"
#include "gui/widgets/th_calend.h"
#include "platform/clock.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "qt_test_application.h"

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

// Thursday 3 October 2024 is 1 Tichri 5785.
const platform::FixedClock horloge({2024, 10, 3});

class GrillesMois : public test_support::TestAvecQt
{
protected:
    /// Clicks the middle of a cell.
    static void clique(MonthGridView& g, int colonne, int ligne)
    {
        QTest::mouseClick(&g, Qt::LeftButton, {}, g.rect_case(colonne, ligne).center());
    }
};

TEST_F(GrillesMois, CivileEtatParDefaut)
{
    TGCalendar g(horloge);
    EXPECT_EQ(g.Year(), 2024);
    EXPECT_EQ(g.Month(), 10);
    EXPECT_EQ(g.Day(), 3);
    EXPECT_TRUE(g.UseCurrentDate());
    EXPECT_FALSE(g.ReadOnly());
    EXPECT_EQ(g.StartOfWeek(), 0);
    EXPECT_EQ(g.GridLineWidth(), 1);
    EXPECT_EQ(g.property("Year").toInt(), 2024);
    EXPECT_EQ(g.grille().texte_case(0, 0), "Dim.");
}

// Day 32 in December 2024: 1 January 2025 and one change signal.
TEST_F(GrillesMois, CivileJour32EnDecembre)
{
    TGCalendar g(horloge);
    g.setDate({2024, 12, 31});
    QSignalSpy changes(&g, &MonthGridView::changed);
    g.setDay(32);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(g.Year(), 2025);
    EXPECT_EQ(g.Month(), 1);
    EXPECT_EQ(g.Day(), 1);
    EXPECT_FALSE(g.UseCurrentDate());
    g.setYear(2025); // the same year: no change
    g.setMonth(1);
    g.setDay(1);
    EXPECT_EQ(changes.count(), 1);
    g.setProperty("Month", 0); // December of 2024
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(g.Year(), 2024);
    EXPECT_EQ(g.Month(), 12);
}

TEST_F(GrillesMois, CivileClics)
{
    TGCalendar g(horloge);
    g.resize(7 * 40 + 6, 7 * 24 + 6);
    g.setDate({2024, 12, 31}); // 1 December 2024 is a Sunday
    QSignalSpy changes(&g, &MonthGridView::changed);
    clique(g, 3, 2); // Wednesday 11 December
    EXPECT_EQ(g.Day(), 11);
    EXPECT_EQ(changes.count(), 1);
    clique(g, 3, 0); // the title row
    clique(g, 3, 5); // after the 31st
    clique(g, 3, 2); // the same day
    EXPECT_EQ(changes.count(), 1);
    g.setReadOnly(true);
    clique(g, 0, 2);
    EXPECT_EQ(g.Day(), 11);
    EXPECT_EQ(changes.count(), 1);
    g.setReadOnly(false);
    clique(g, 0, 2);
    EXPECT_EQ(g.Day(), 8);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(GrillesMois, CivileFlechesDuClavier)
{
    TGCalendar g(horloge);
    QSignalSpy changes(&g, &MonthGridView::changed);
    QTest::keyClick(&g, Qt::Key_Right);
    EXPECT_EQ(g.Day(), 4);
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.Day(), 11);
    QTest::keyClick(&g, Qt::Key_Up);
    QTest::keyClick(&g, Qt::Key_Up); // 4 − 7: outside the month, nothing
    EXPECT_EQ(g.Day(), 4);
    EXPECT_EQ(changes.count(), 3);
}

// Columns and rows share the widget's size, less the six grid lines.
TEST_F(GrillesMois, ColonnesEtLignesSuiventLaTaille)
{
    TGCalendar g(horloge);
    g.resize(7 * 50 + 6, 7 * 30 + 6);
    EXPECT_EQ(g.largeur_colonne(), 50);
    EXPECT_EQ(g.hauteur_ligne(), 30);
    EXPECT_EQ(g.rect_case(3, 2), QRect(153, 62, 50, 30));
    g.setGridLineWidth(3);
    EXPECT_EQ(g.largeur_colonne(), (7 * 50 + 6 - 18) / 7);
    g.resize(7 * 100 + 18, 7 * 60 + 18);
    EXPECT_EQ(g.largeur_colonne(), 100);
    EXPECT_EQ(g.hauteur_ligne(), 60);
    const auto c = g.case_en(g.rect_case(6, 6).center());
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->colonne, 6);
    EXPECT_EQ(c->ligne, 6);
    EXPECT_FALSE(g.case_en(QPoint(100, 5)).has_value()); // on a grid line
}

// The cell of the day is drawn as selected, the others on the base colour.
TEST_F(GrillesMois, LaCaseDuJourEstDessineeChoisie)
{
    TGCalendar g(horloge);
    g.resize(7 * 40 + 6, 7 * 24 + 6);
    const QImage image = g.grab().toImage();
    const engine::CaseGrille focus = g.grille().case_focus();
    const QPoint coin = g.rect_case(focus.colonne, focus.ligne).topLeft() + QPoint(2, 2);
    EXPECT_EQ(image.pixelColor(coin), g.palette().color(QPalette::Highlight));
    const QPoint autre = g.rect_case(0, 3).topLeft() + QPoint(2, 2);
    EXPECT_EQ(image.pixelColor(autre), g.palette().color(QPalette::Base));
}

TEST_F(GrillesMois, PremierJourDeLaSemaineSansChangementDeDate)
{
    TGCalendar g(horloge);
    QSignalSpy changes(&g, &MonthGridView::changed);
    g.setStartOfWeek(1);
    EXPECT_EQ(g.grille().texte_case(0, 0), "Lun.");
    EXPECT_EQ(g.grille().texte_case(6, 0), "Dim.");
    EXPECT_EQ(changes.count(), 0);
    g.setDate({1999, 1, 1});
    g.setUseCurrentDate(true);
    EXPECT_EQ(g.Year(), 2024);
    EXPECT_TRUE(g.UseCurrentDate());
}

TEST_F(GrillesMois, HebraiqueEtatParDefaut)
{
    THCalend g(horloge);
    EXPECT_EQ(g.HYear(), 5785);
    EXPECT_EQ(g.HMonth(), 1);
    EXPECT_EQ(g.HDay(), 1);
    EXPECT_TRUE(g.UseCurrentDate());
    EXPECT_FALSE(g.ReadOnly());
    EXPECT_EQ(g.texte_date(), QStringLiteral("1 Tichri  5785"));
    EXPECT_EQ(g.grille().texte_case(4, 1), "1"); // a Thursday
}

// In a common year the month after Adar is Nissan and the one before
// Nissan is Adar; month 7 typed in steps over to 8 or back to 6.
TEST_F(GrillesMois, HebraiqueAdarDUneAnneeCommune)
{
    THCalend g(horloge);
    g.setDate({5785, 6, 10});
    QSignalSpy changes(&g, &MonthGridView::changed);
    g.avance_mois();
    EXPECT_EQ(g.HMonth(), 8);
    g.recule_mois();
    EXPECT_EQ(g.HMonth(), 6);
    g.setHMonth(7);
    EXPECT_EQ(g.HMonth(), 8);
    g.setProperty("HMonth", 7);
    EXPECT_EQ(g.HMonth(), 6);
    EXPECT_EQ(changes.count(), 4);
    g.setHMonth(14); // above 13: nothing
    EXPECT_EQ(changes.count(), 4);
}

// The day after 29 Eloul is 1 Tichri of the next year.
TEST_F(GrillesMois, HebraiqueApresEloul)
{
    THCalend g(horloge);
    g.setDate({5784, 13, 29});
    QSignalSpy changes(&g, &MonthGridView::changed);
    g.setHDay(30);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(g.texte_date(), QStringLiteral("1 Tichri  5785"));
    g.avance_annee();
    g.recule_annee();
    EXPECT_EQ(g.HYear(), 5785);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(GrillesMois, HebraiqueClicEtTichriDeLAnUn)
{
    THCalend g(horloge);
    g.resize(7 * 40 + 6, 7 * 24 + 6);
    QSignalSpy changes(&g, &MonthGridView::changed);
    clique(g, 0, 2); // Sunday 4 Tichri 5785
    EXPECT_EQ(g.HDay(), 4);
    EXPECT_EQ(changes.count(), 1);
    g.setDate({1, 1, 1});
    g.recule_mois();
    EXPECT_EQ(g.HYear(), 1);
    EXPECT_EQ(changes.count(), 2);
}

} // namespace
} // namespace orvane::gui
