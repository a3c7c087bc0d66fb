// A label that gives the keyboard focus to its field: its letter marked
// with "&" reaches the field.
#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

namespace orvane::gui
{

/// A label of `parent` for the field `compagnon`.
[[nodiscard]] QLabel* libelle(QWidget* parent, const QString& texte, QWidget* compagnon);

/// The grid layout of a widget built with one.
[[nodiscard]] QGridLayout* grille(QWidget* w);

} // namespace orvane::gui
