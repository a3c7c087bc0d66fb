// Two checkable buttons of which one is chosen at a time (Bar-Mitsva or
// Bat-Mitsva, summer or winter time, Diaspora or Israel): the chosen one is
// checked and drawn in bold red, the other in blue.
#pragma once

class QPushButton;
class QString;
class QWidget;

namespace orvane::gui
{

/// A checkable button of a pair, with its object name; Enter does not press it.
[[nodiscard]] QPushButton* bouton_de_paire(const QString& texte, const char* nom, QWidget* parent);

/// `choisi` checked in bold red, `autre` unchecked in blue.
void colore_paire(QPushButton* choisi, QPushButton* autre);

} // namespace orvane::gui
