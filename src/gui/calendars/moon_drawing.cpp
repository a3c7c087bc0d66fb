#include "gui/calendars/moon_drawing.h"

#include "shell/main_form/main_panels.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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

void dessine_lune(QPainter& p, QPointF centre, double rayon, int jour_hebr)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 50, 70));
    p.drawEllipse(centre, rayon, rayon);
    const shell::PhaseLune phase = shell::phase_lune(jour_hebr);
    if (phase.fraction > 0.0) {
        QPainterPath eclairee = partie_eclairee(centre, rayon, phase.fraction);
        if (!phase.croissante) {
            // The waning moon is lit on the other side.
            QTransform miroir;
            miroir.translate(2 * centre.x(), 0);
            miroir.scale(-1, 1);
            eclairee = miroir.map(eclairee);
        }
        p.setBrush(QColor(250, 245, 200));
        p.drawPath(eclairee);
    }
    p.restore();
}

QImage image_lune(int jour_hebr, int taille)
{
    QImage image(taille, taille, QImage::Format_ARGB32);
    image.fill(couleur_ciel);
    QPainter p(&image);
    dessine_lune(p, QPointF(taille / 2.0, taille / 2.0), std::max(1.0, taille / 2.0 - 4),
                 jour_hebr);
    return image;
}

} // namespace orvane::gui
