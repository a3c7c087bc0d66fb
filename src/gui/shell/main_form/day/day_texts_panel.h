// The texts of the date shown, at the top of the middle column: the city
// with "Aujourd'hui  :" or "Date  :", the name of a festival or fast, the
// text of the day with the Sabbath times, the Omer, the coming Sabbath, the
// week and the prayer for rain, and the events of the week in Hebrew
// letters. The panel keeps the texts it shows, so that the day page writes
// what the window shows.
#pragma once

#include "shell/day/day_labels.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QLabel;

namespace orvane::gui
{

class PanneauTextesDuJour : public QWidget
{
    Q_OBJECT

public:
    using Textes = std::array<std::string, shell::etiquettes_du_jour.size()>;

    explicit PanneauTextesDuJour(QWidget* parent = nullptr);

    /// "Ville : PARIS (75)   Aujourd'hui  :".
    void montre_ville(const std::string& ligne);
    /// The name of a festival or fast in large red letters, or none.
    void montre_jour_special(const std::string& nom, bool visible);
    /// The texts of the day (an empty text hides its line) and the events of
    /// the week in Hebrew letters, on one line three blanks apart.
    void montre(const Textes& textes, const std::vector<std::string>& textes_hebreux);
    /// The text of the day without its Sabbath times (no times computed).
    void retire_horaires_chabbat();
    /// The lines of texts shown or hidden with the day's panels.
    void montre_textes(bool visibles);
    /// The texts as shown.
    [[nodiscard]] const Textes& textes() const { return textes_; }

private:
    void cree_titres();
    void cree_textes();

    Textes textes_;
    QLabel* Label9 = nullptr;  // the city
    QLabel* Label13 = nullptr; // the festival or fast
    QWidget* textes_jour_ = nullptr;
    std::array<QLabel*, shell::etiquettes_du_jour.size()> libelles_jour_{};
    QLabel* Label20 = nullptr; // the week in Hebrew letters
};

} // namespace orvane::gui
