// The one drawing of the moon of the program: the disc seen from the Earth
// on a day of the Hebrew month, its lit part on the right while it grows and
// on the left while it wanes. The main window's moon, the moon pictures of
// the two calendar windows and the thirty moons of the moon window are all
// drawn by it.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

namespace orvane::gui
{

/// The moon of Hebrew day `jour_hebr` (1..30) as a disc of radius `rayon`
/// centred on `centre`: the dark disc, then its lit part.
void dessine_lune(QPainter& p, QPointF centre, double rayon, int jour_hebr);

/// Night sky of the moon pictures.
inline const QColor couleur_ciel(10, 20, 60);

/// A square picture of `taille` pixels: the sky and the moon of the day,
/// with a margin of 4 pixels.
[[nodiscard]] QImage image_lune(int jour_hebr, int taille);

} // namespace orvane::gui
