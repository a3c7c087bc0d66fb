// The day page shown in front of the main window: the text page in a text
// area ("Memo8", Courier New 8, vertical scroll bar) with "Fermer",
// "Enregistrer" and "Imprimer".
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QPushButton;

namespace orvane::gui
{

class ZoneResultat;

class PageDuJourVue : public QWidget
{
    Q_OBJECT

public:
    explicit PageDuJourVue(QWidget* parent = nullptr);

    /// Shows these lines.
    void affiche(const std::vector<std::string>& lignes);
    [[nodiscard]] std::vector<std::string> lignes() const;

signals:
    void fermer();
    void enregistrer();
    void imprimer();

private:
    ZoneResultat* Memo8 = nullptr;
};

} // namespace orvane::gui
