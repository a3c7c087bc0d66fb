// The buttons of a window's row of commands: each made with its object name
// and text and connected by name to the slot it runs.
#pragma once

#include <QObject>
#include <QPushButton>

namespace orvane::gui
{

/// A push button of `parent` with its object name and text.
[[nodiscard]] QPushButton* bouton_nomme(QWidget* parent, const char* nom, const QString& texte);

/// The same, its click connected to `slot` of `receveur`:
///
///   bouton_nomme(boite, "BoutonCalculer", "Calculer", this, &TFFetes::BoutonCalculerClick);
template <class Receveur, class Slot>
QPushButton* bouton_nomme(QWidget* parent, const char* nom, const QString& texte,
                          Receveur* receveur, Slot slot)
{
    QPushButton* b = bouton_nomme(parent, nom, texte);
    QObject::connect(b, &QPushButton::clicked, receveur, slot);
    return b;
}

} // namespace orvane::gui
