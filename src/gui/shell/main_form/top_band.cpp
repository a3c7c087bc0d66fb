#include "gui/shell/main_form/top_band.h"

#include "engine/date_texts.h"
#include "gui/common/fonts.h"
#include "gui/shell/main_form/calendar_buttons.h"
#include "gui/shell/main_form/day_page_buttons.h"
#include "gui/shell/main_form/moon_panel.h"
#include "shell/main_form/clock_line.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvane::gui
{

BandeauPrincipal::BandeauPrincipal(QWidget* parent) : QWidget(parent)
{
    cree_titre();
    cree_dates();
    cree_horloge();
    dispose();
}

void BandeauPrincipal::cree_titre()
{
    titre_ = new QLabel(QStringLiteral("Orvane"), this);
    titre_->setObjectName("LabelTitre");
    QFont grand = titre_->font();
    grand.setPointSize(22);
    grand.setBold(true);
    titre_->setFont(grand);
    titre_->setStyleSheet(QStringLiteral("color: #1a3c8c;"));
    titre_->setCursor(Qt::PointingHandCursor);
    titre_->setToolTip(QStringLiteral("Lisez moi : le guide du programme"));
    titre_->installEventFilter(this);
}

QFont BandeauPrincipal::police_titre() const
{
    return titre_->font();
}

bool BandeauPrincipal::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == titre_ && event->type() == QEvent::MouseButtonRelease) {
        emit titre_clique();
        return true;
    }
    return QWidget::eventFilter(objet, event);
}

void BandeauPrincipal::cree_dates()
{
    Label7 = new QLabel(this);
    Label7->setObjectName("Label7");
    Label8 = new QLabel(this);
    Label8->setObjectName("Label8");
    for (QLabel* l : {Label7, Label8}) {
        l->setFont(police_fixe(11, true));
        l->setStyleSheet(QStringLiteral("color: red;"));
    }
}

void BandeauPrincipal::cree_horloge()
{
    Memo4 = new QLineEdit(this);
    Memo4->setObjectName("Memo4");
    Memo4->setReadOnly(true);
    Memo4->setFont(police_fixe(14, true));
    Memo4->setMaximumWidth(120);
    Label46 = new QLabel(this);
    Label46->setObjectName("Label46");
    Label46->setFont(police_fixe(9));
    Label46->setMinimumWidth(Label46->fontMetrics().horizontalAdvance(
        QStringLiteral("23 h 59 mn 59 sec = 23 h 1079.7 halakim ")));
}

void BandeauPrincipal::dispose()
{
    auto* dates = new QVBoxLayout;
    dates->addWidget(Label7);
    dates->addWidget(Label8);
    auto* horloge = new QVBoxLayout;
    horloge->addWidget(Memo4);
    horloge->addWidget(Label46);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titre_);
    layout->addSpacing(16);
    layout->addLayout(dates);
    layout->addSpacing(16);
    layout->addLayout(horloge);
    layout->addStretch();
    layout->addWidget(calendriers_ = new BoutonsCalendriers);
    layout->addSpacing(8);
    lune_ = new PanneauLune;
    layout->addWidget(lune_);
    boutons_page_ = new BoutonsPageDuJour;
    layout->addWidget(boutons_page_);
}

void BandeauPrincipal::montre_dates_du_jour(const engine::DatesDuJour& dates)
{
    Label7->setText(QString::fromStdString(dates.ligne_date_civile));
    Label8->setText(QString::fromStdString(dates.ligne_date_hebraique));
}

void BandeauPrincipal::montre_heure(const platform::LocalTime& t)
{
    heure_ = t;
    Memo4->setText(QString::fromStdString(shell::texte_heure(t)));
    Label46->setText(QString::fromStdString(shell::ligne_horloge(t)));
}

std::string BandeauPrincipal::ligne_horloge() const
{
    return heure_ ? shell::ligne_horloge(*heure_) : std::string();
}

} // namespace orvane::gui
