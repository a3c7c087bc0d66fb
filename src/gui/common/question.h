// The modal questions of the windows, with the buttons each question names,
// captioned in French ("&Oui", "&Non", "&Annuler") whatever the system's
// language.
#pragma once

#include <QMessageBox>

#include <string>

namespace orvane::gui
{

/// The buttons of a question.
enum class Reponses { oui_annuler, oui_non, oui_non_annuler };

/// Asks `texte` (CR line breaks allowed); returns the button chosen (Cancel
/// also when the box is closed without an answer, No for a Yes/No question).
QMessageBox::StandardButton pose_question(QWidget* parent, const QString& titre,
                                          const std::string& texte, Reponses reponses);

/// True when the user answered Yes.
bool repond_oui(QWidget* parent, const QString& titre, const std::string& texte, Reponses reponses);

} // namespace orvane::gui
