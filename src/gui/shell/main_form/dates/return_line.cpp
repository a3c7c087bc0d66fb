#include "gui/shell/main_form/dates/return_line.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace orvane::gui
{

namespace
{

QToolButton* fleche(QWidget* parent, const char* nom, Qt::ArrowType sens)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setArrowType(sens);
    return b;
}

} // namespace

LigneRetour::LigneRetour(QWidget* parent) : QWidget(parent)
{
    cree_ligne();
    connect(SpeedButton2, &QToolButton::clicked, this, &LigneRetour::retour_demande);
    connect(SpeedButton3, &QToolButton::clicked, this, &LigneRetour::retour_demande);
}

void LigneRetour::cree_ligne()
{
    SpeedButton2 = fleche(this, "SpeedButton2", Qt::LeftArrow);
    SpeedButton3 = fleche(this, "SpeedButton3", Qt::RightArrow);
    const QString retour = QStringLiteral("Cliquez pour revenir à la date d'aujourd'hui");
    label_retour_ = new QLabel(retour, this);
    label_retour_->setObjectName("LabelRetour");
    label_retour_->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    label_retour_->setCursor(Qt::PointingHandCursor);
    label_retour_->installEventFilter(this);
    label_aujourdhui_ = new QLabel(QStringLiteral("Dates d'aujourd'hui"), this);
    label_aujourdhui_->setObjectName("LabelAujourdhui");
    label_aujourdhui_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    SpeedButton2->setToolTip(retour);
    SpeedButton3->setToolTip(retour);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SpeedButton2);
    layout->addWidget(label_retour_);
    layout->addWidget(SpeedButton3);
    layout->addWidget(label_aujourdhui_);
    layout->addStretch();
}

void LigneRetour::montre(bool aujourdhui)
{
    SpeedButton2->setVisible(!aujourdhui);
    SpeedButton3->setVisible(!aujourdhui);
    label_retour_->setVisible(!aujourdhui);
    label_aujourdhui_->setVisible(aujourdhui);
}

bool LigneRetour::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == label_retour_ && event->type() == QEvent::MouseButtonPress) {
        emit retour_demande();
        return true;
    }
    return QWidget::eventFilter(objet, event);
}

} // namespace orvane::gui
