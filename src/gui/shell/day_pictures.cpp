#include "gui/shell/day_pictures.h"

#include "gui/calendars/moon_drawing.h"
#include "shell/main_form/main_panels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace orvane::gui
{

DessinLune::DessinLune(QWidget* parent) : QWidget(parent)
{
    setObjectName("ImageLune");
    setMinimumSize(48, 48);
    setCursor(Qt::PointingHandCursor);
}

void DessinLune::setJourHebreu(int jour)
{
    jour_ = jour;
    setToolTip(QString::fromUtf8(shell::libelle_phase_lune(jour).data(),
                                 static_cast<int>(shell::libelle_phase_lune(jour).size())));
    update();
}

void DessinLune::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), couleur_ciel);
    dessine_lune(p, QPointF(width() / 2.0, height() / 2.0), std::min(width(), height()) / 2.0 - 4,
                 jour_);
}

void DessinLune::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clique();
    }
}

DessinBougie::DessinBougie(QWidget* parent) : QWidget(parent)
{
    setObjectName("ImageBougie");
    setMinimumSize(24, 56);
    setToolTip(QStringLiteral("Allumage des bougies de Chabbat"));
}

void DessinBougie::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width();
    const double h = height();
    const QRectF cire(w * 0.3, h * 0.4, w * 0.4, h * 0.58);
    p.setPen(QPen(QColor(170, 160, 140), 1));
    p.setBrush(QColor(250, 248, 235));
    p.drawRect(cire);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(w / 2, h * 0.4), QPointF(w / 2, h * 0.33));
    QPainterPath flamme;
    flamme.moveTo(w / 2, h * 0.04);
    flamme.cubicTo(w * 0.85, h * 0.22, w * 0.7, h * 0.34, w / 2, h * 0.35);
    flamme.cubicTo(w * 0.3, h * 0.34, w * 0.15, h * 0.22, w / 2, h * 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 20));
    p.drawPath(flamme);
    p.setBrush(QColor(255, 240, 120));
    p.drawEllipse(QPointF(w / 2, h * 0.27), w * 0.08, h * 0.05);
}

} // namespace orvane::gui
