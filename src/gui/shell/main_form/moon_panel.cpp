#include "gui/shell/main_form/moon_panel.h"

#include "gui/shell/day_pictures.h"
#include "shell/main_form/main_panels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace orvane::gui
{

PanneauLune::PanneauLune(QWidget* parent) : QGroupBox(QStringLiteral("Phase de la lune"), parent)
{
    setObjectName("PanneauLune");
    cree_panneau();
}

void PanneauLune::cree_panneau()
{
    lune_ = new DessinLune(this);
    lune_->setFixedSize(56, 56);
    Label28 = new QLabel(this);
    Label28->setObjectName("Label28");
    Label28->setMinimumWidth(
        Label28->fontMetrics().horizontalAdvance(QStringLiteral("Lune décroissante")) + 4);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(lune_);
    layout->addWidget(Label28);
    connect(lune_, &DessinLune::clique, this, &PanneauLune::clique);
    setCursor(Qt::PointingHandCursor);
}

void PanneauLune::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clique();
    }
}

void PanneauLune::montre_jour(int jour_hebr)
{
    const std::string_view phase = shell::libelle_phase_lune(jour_hebr);
    Label28->setText(QString::fromUtf8(phase.data(), static_cast<qsizetype>(phase.size())));
    lune_->setJourHebreu(jour_hebr);
}

} // namespace orvane::gui
