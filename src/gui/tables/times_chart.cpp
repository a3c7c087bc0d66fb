#include "gui/tables/times_chart.h"

#include "engine/names.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

#include <array>
#include <cmath>

namespace orvane::gui
{

namespace
{

// One colour a curve, from the dark of dawn to the dark of the stars.
const std::array<QColor, tables::nombre_de_courbes> couleurs{
    QColor(40, 40, 140), QColor(220, 120, 0), QColor(200, 0, 0), QColor(160, 60, 160),
    QColor(0, 110, 60)};

constexpr int marge_gauche = 48;
constexpr int marge_droite = 110;
constexpr int marge_haut = 28;
constexpr int marge_bas = 30;

} // namespace

GraphiqueHoraires::GraphiqueHoraires(QWidget* parent) : QWidget(parent)
{
    setObjectName("Graphique");
    setMinimumSize(480, 300);
}

void GraphiqueHoraires::montre(std::vector<tables::PointDuJour> points, QString titre)
{
    points_ = std::move(points);
    titre_ = std::move(titre);
    update();
}

void GraphiqueHoraires::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    dessine(p, rect());
}

void GraphiqueHoraires::dessine(QPainter& p, const QRect& zone) const
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRect plot = zone.adjusted(marge_gauche, marge_haut, -marge_droite, -marge_bas);
    p.setPen(Qt::black);
    p.drawText(zone.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop, titre_);
    p.drawRect(plot);
    if (points_.empty() || plot.width() <= 0 || plot.height() <= 0) {
        return;
    }
    double bas = 24;
    double haut = 0;
    for (const tables::PointDuJour& pt : points_) {
        for (double h : pt.heures) {
            bas = std::min(bas, h);
            haut = std::max(haut, h);
        }
    }
    bas = std::floor(bas);
    haut = std::ceil(haut);
    if (haut <= bas) {
        haut = bas + 1;
    }
    const auto y = [&](double h) {
        return plot.bottom() - (h - bas) / (haut - bas) * plot.height();
    };
    const double pas_x =
        points_.size() > 1 ? static_cast<double>(plot.width()) / (points_.size() - 1) : 0;
    const auto x = [&](std::size_t i) { return plot.left() + i * pas_x; };
    // Hours up the side.
    p.setPen(QColor(220, 220, 220));
    for (int h = static_cast<int>(bas); h <= static_cast<int>(haut); ++h) {
        p.drawLine(QPointF(plot.left(), y(h)), QPointF(plot.right(), y(h)));
    }
    p.setPen(Qt::black);
    for (int h = static_cast<int>(bas); h <= static_cast<int>(haut); ++h) {
        p.drawText(QRectF(zone.left(), y(h) - 8, marge_gauche - 6, 16),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 h").arg(h % 24));
    }
    // The first day of each month along the bottom.
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (i == 0 || points_[i].date.mois != points_[i - 1].date.mois) {
            const std::string_view m =
                engine::mois_civils_courts[static_cast<std::size_t>(points_[i].date.mois)];
            p.setPen(QColor(220, 220, 220));
            p.drawLine(QPointF(x(i), plot.top()), QPointF(x(i), plot.bottom()));
            p.setPen(Qt::black);
            p.drawText(QPointF(x(i) + 2, plot.bottom() + 16),
                       QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size())));
        }
    }
    for (std::size_t c = 0; c < tables::nombre_de_courbes; ++c) {
        QPainterPath chemin;
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const QPointF pt(x(i), y(points_[i].heures[c]));
            if (i == 0) {
                chemin.moveTo(pt);
            } else {
                chemin.lineTo(pt);
            }
        }
        p.setPen(QPen(couleurs[c], 2));
        p.drawPath(chemin);
        const std::string_view nom = tables::noms_des_courbes()[c];
        p.drawText(QPointF(plot.right() + 10, plot.top() + 18 + 20 * static_cast<double>(c)),
                   QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())));
    }
}

bool GraphiqueHoraires::imprime(QPrinter& printer) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    // Drawn at screen size into an image, then laid on the page: the margins
    // and the text keep their proportions whatever the printer's resolution.
    QImage image(1600, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter dans_l_image(&image);
        dessine(dans_l_image, image.rect());
    }
    QPainter p;
    if (!p.begin(&printer)) {
        return false;
    }
    const QRect page = p.viewport();
    const QSize taille = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(page.topLeft(), taille), image);
    return p.end();
}

} // namespace orvane::gui
