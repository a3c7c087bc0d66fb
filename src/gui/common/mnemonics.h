// Keyboard access: every button of a window and every menu and menu entry
// gets an Alt-letter of its own. A caption that already marks its letter
// ("&Ouvrir") keeps it; the others take the first free letter of one of
// their words, then any free letter.
#pragma once

#include <QSet>
#include <QString>

class QMenuBar;
class QWidget;

namespace orvane::gui
{

/// The letter a caption marks with "&" (lower case), or a null character.
[[nodiscard]] QChar lettre_mnemonique(const QString& texte);

/// `texte` with a mnemonic: its own, or the first letter not in `prises`
/// (the start of a word first), which is then taken. Unchanged when every
/// letter is taken.
[[nodiscard]] QString avec_mnemonique(const QString& texte, QSet<QChar>& prises);

/// Gives a letter to every button of `fenetre` that has a caption, one
/// letter per button in the whole window.
void donne_mnemoniques(QWidget* fenetre);

/// Gives a letter to every menu of the bar and to every entry of each menu
/// (unique within that menu).
void donne_mnemoniques(QMenuBar* barre);

} // namespace orvane::gui
