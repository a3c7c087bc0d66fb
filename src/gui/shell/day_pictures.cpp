#include "gui/shell/day_pictures.h"

#include "shell/main_form/main_panels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace orvane::gui
{

namespace
{

/// The lit part of a disc of radius r centred at c, lit on the right, for
/// a lit fraction f: the right half-disc, less (crescent) or plus (gibbous)
/// the half-ellipse of the terminator, whose half-width is r × |1 − 2f|.
QPainterPath partie_eclairee(QPointF c, double r, double f)
{
    const QRectF disque(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath moitie;
    moitie.moveTo(c.x(), c.y() - r);
    moitie.arcTo(disque, 90, -180);
    moitie.closeSubpath();
    const double a = r * std::abs(1.0 - 2.0 * f);
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(c.x() - a, c.y() - r, 2 * a, 2 * r));
    QPainterPath gauche;
    gauche.addRect(QRectF(c.x() - r - 1, c.y() - r - 1, r + 1, 2 * r + 2));
    if (f < 0.5) {
        return moitie.subtracted(ellipse);
    }
    return moitie.united(ellipse.intersected(gauche));
}

} // namespace

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
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(10, 20, 60));
    const double r = std::min(width(), height()) / 2.0 - 4;
    const QPointF c(width() / 2.0, height() / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 50, 70));
    p.drawEllipse(c, r, r);
    const shell::PhaseLune phase = shell::phase_lune(jour_);
    if (phase.fraction <= 0.0) {
        return;
    }
    QPainterPath eclairee = partie_eclairee(c, r, phase.fraction);
    if (!phase.croissante) {
        // The waning moon is lit on the other side.
        QTransform miroir;
        miroir.translate(2 * c.x(), 0);
        miroir.scale(-1, 1);
        eclairee = miroir.map(eclairee);
    }
    p.setBrush(QColor(250, 245, 200));
    p.drawPath(eclairee);
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
