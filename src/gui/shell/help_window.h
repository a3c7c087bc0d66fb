// The help window: one of the documents the program delivers, to read,
// print or close.
#pragma once

#include "gui/common/text_printer.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace orvane::gui
{

class ZoneResultat;

class FenetreAide : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    /// The window titled `titre` showing `lignes`; "Imprimer" hands them to
    /// `imprime`.
    FenetreAide(const QString& titre, const std::vector<std::string>& lignes, Imprimante imprime,
                QWidget* parent = nullptr);

private:
    void imprimer();

    std::vector<std::string> lignes_;
    Imprimante imprime_;
    ZoneResultat* texte_ = nullptr;
};

} // namespace orvane::gui
