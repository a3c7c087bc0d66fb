// "Caractéristiques de l'année hébraïque" of the date shown: its type, its
// length, its places in the lunar and the solar cycles, the blessing of the
// sun and the sabbatical year, with the year's sign and its word in Hebrew
// letters on the right.
#pragma once

#include <QGroupBox>

#include <array>

class QLabel;

namespace orvane::events
{
struct CaracteristiquesAnnee;
}

namespace orvane::gui
{

class PanneauCaracteristiques : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauCaracteristiques(QWidget* parent = nullptr);

    void montre(const events::CaracteristiquesAnnee& k);

private:
    void cree_panneau();

    std::array<QLabel*, 6> caracteristiques_{}; // type .. sabbatical year
    QLabel* Label16 = nullptr;                  // the sign in Hebrew letters
    QLabel* Label41 = nullptr;                  // the word in Hebrew letters
};

} // namespace orvane::gui
