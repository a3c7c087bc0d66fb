// What the two calendar windows share: the navigation buttons by day,
// month, year, 10, 100 and 1000 years, the link box between the two
// windows, and the status line with the moon of the day.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QGridLayout;
class QStatusBar;
class QToolButton;

namespace orvane::gui
{

inline const QString texte_lies = QStringLiteral("Le 2 calendriers ci-contre sont interdépendants");
inline const QString texte_independants =
    QStringLiteral("Le 2 calendriers ci-contre sont indépendants");

/// The navigation buttons: SpeedButton1 "Aujourd'hui", then the pairs
/// (up, down) 2/3 day, 4/5 month, 6/7 year, 8/9 ten, 10/11 a hundred,
/// 12/13 a thousand years, under the legend.
struct BoutonsNavigation {
    QToolButton* aujourdhui = nullptr;
    /// Index 0 day, 1 month, 2 year, 3 ten years, 4 a hundred, 5 a thousand.
    std::array<QToolButton*, 6> haut{};
    std::array<QToolButton*, 6> bas{};
};

/// The buttons in a grid of their own, the legend above them.
[[nodiscard]] BoutonsNavigation cree_boutons_navigation(QWidget* parent, QGridLayout* grille,
                                                        const QString& legende);

/// The link box, checked, with its hint.
[[nodiscard]] QCheckBox* cree_case_liaison(QWidget* parent, const QString& bulle);

/// The text of the link box for its state.
[[nodiscard]] inline const QString& texte_liaison(bool liees)
{
    return liees ? texte_lies : texte_independants;
}

/// A text of the shell library on a Qt control.
[[nodiscard]] inline QString qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

} // namespace orvane::gui
