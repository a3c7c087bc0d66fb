#include "gui/widgets/month_grid_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orvane::gui
{

using engine::colonnes_grille;
using engine::lignes_grille;

MonthGridView::MonthGridView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void MonthGridView::setStartOfWeek(int debut_semaine)
{
    grille_a_changer().setStartOfWeek(debut_semaine);
    update();
}

void MonthGridView::setUseCurrentDate(bool oui)
{
    grille_a_changer().setUseCurrentDate(oui);
    update();
}

void MonthGridView::setReadOnly(bool oui)
{
    grille_a_changer().setReadOnly(oui);
    update();
}

void MonthGridView::setGridLineWidth(int epaisseur)
{
    epaisseur_ = std::max(epaisseur, 0);
    update();
}

int MonthGridView::largeur_colonne() const
{
    return std::max((width() - 6 * epaisseur_) / colonnes_grille, 1);
}

int MonthGridView::hauteur_ligne() const
{
    return std::max((height() - 6 * epaisseur_) / lignes_grille, 1);
}

QRect MonthGridView::rect_case(int colonne, int ligne) const
{
    const int l = largeur_colonne();
    const int h = hauteur_ligne();
    return {colonne * (l + epaisseur_), ligne * (h + epaisseur_), l, h};
}

std::optional<engine::CaseGrille> MonthGridView::case_en(QPoint point) const
{
    for (int ligne = 0; ligne < lignes_grille; ++ligne) {
        for (int colonne = 0; colonne < colonnes_grille; ++colonne) {
            if (rect_case(colonne, ligne).contains(point)) {
                return engine::CaseGrille{colonne, ligne};
            }
        }
    }
    return std::nullopt;
}

QSize MonthGridView::sizeHint() const
{
    const int texte = fontMetrics().horizontalAdvance(QStringLiteral("Chab.")) + 12;
    const int ligne = fontMetrics().height() + 8;
    return {colonnes_grille * texte + 6 * epaisseur_, lignes_grille * ligne + 6 * epaisseur_};
}

QSize MonthGridView::minimumSizeHint() const
{
    const int ligne = fontMetrics().height() + 2;
    return {colonnes_grille * fontMetrics().horizontalAdvance(QStringLiteral("Chab")) +
                6 * epaisseur_,
            lignes_grille * ligne + 6 * epaisseur_};
}

void MonthGridView::apres_changement(bool change)
{
    update();
    if (change) {
        emit changed();
    }
}

void MonthGridView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const engine::GrilleMois& g = grille();
    const QPalette& pal = palette();
    const engine::CaseGrille focus = g.case_focus();
    // The grid lines are the background seen between the cells.
    p.fillRect(QRect(0, 0, rect_case(6, 6).right() + 1, rect_case(6, 6).bottom() + 1),
               pal.color(QPalette::Mid));
    for (int ligne = 0; ligne < lignes_grille; ++ligne) {
        for (int colonne = 0; colonne < colonnes_grille; ++colonne) {
            const QRect r = rect_case(colonne, ligne);
            const bool titre = ligne == 0;
            const bool choisie = !titre && engine::CaseGrille{colonne, ligne} == focus;
            p.fillRect(r, pal.color(titre     ? QPalette::Button
                                    : choisie ? QPalette::Highlight
                                              : QPalette::Base));
            p.setPen(pal.color(titre     ? QPalette::ButtonText
                               : choisie ? QPalette::HighlightedText
                                         : QPalette::Text));
            p.drawText(r, Qt::AlignCenter, QString::fromStdString(g.texte_case(colonne, ligne)));
        }
    }
}

void MonthGridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (const auto c = case_en(event->position().toPoint())) {
        apres_changement(grille_a_changer().clique(c->colonne, c->ligne));
    }
}

void MonthGridView::keyPressEvent(QKeyEvent* event)
{
    int cases = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        cases = -1;
        break;
    case Qt::Key_Right:
        cases = 1;
        break;
    case Qt::Key_Up:
        cases = -colonnes_grille;
        break;
    case Qt::Key_Down:
        cases = colonnes_grille;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    apres_changement(grille_a_changer().deplace_focus(cases));
}

} // namespace orvane::gui
