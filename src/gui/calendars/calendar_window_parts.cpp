#include "gui/calendars/calendar_window_parts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace orvane::gui
{

namespace
{

QToolButton* bouton(QWidget* parent, int numero, const QString& texte, const QIcon& icone)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QStringLiteral("SpeedButton%1").arg(numero));
    b->setText(texte);
    b->setToolTip(texte);
    if (!icone.isNull()) {
        b->setIcon(icone);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return b;
}

} // namespace

BoutonsNavigation cree_boutons_navigation(QWidget* parent, QGridLayout* grille,
                                          const QString& legende)
{
    BoutonsNavigation b;
    auto* l = new QLabel(legende, parent);
    l->setObjectName("LegendeBoutons");
    grille->addWidget(l, 0, 0, 1, 7);
    b.aujourdhui = bouton(parent, 1, QStringLiteral("Aujourd'hui"), QIcon());
    grille->addWidget(b.aujourdhui, 1, 0, 2, 1);
    // The upward column takes the glyph of the day +1 button, the downward
    // one that of the day −1 button.
    const QIcon monte = parent->style()->standardIcon(QStyle::SP_ArrowUp);
    const QIcon descend = parent->style()->standardIcon(QStyle::SP_ArrowDown);
    const std::array<QString, 6> pas = {QStringLiteral("Jour"), QStringLiteral("Mois"),
                                        QStringLiteral("An"),   QStringLiteral("10"),
                                        QStringLiteral("100"),  QStringLiteral("1000")};
    for (std::size_t i = 0; i < pas.size(); ++i) {
        const int numero = 2 + 2 * static_cast<int>(i);
        b.haut[i] = bouton(parent, numero, QStringLiteral("+") + pas[i], monte);
        b.bas[i] = bouton(parent, numero + 1, QStringLiteral("-") + pas[i], descend);
        grille->addWidget(b.haut[i], 1, static_cast<int>(i) + 1);
        grille->addWidget(b.bas[i], 2, static_cast<int>(i) + 1);
    }
    return b;
}

QCheckBox* cree_case_liaison(QWidget* parent, const QString& bulle)
{
    auto* c = new QCheckBox(texte_lies, parent);
    c->setObjectName("CheckBox3");
    c->setChecked(true);
    c->setToolTip(bulle);
    return c;
}

} // namespace orvane::gui
