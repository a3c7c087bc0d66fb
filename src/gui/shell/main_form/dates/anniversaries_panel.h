// The next civil anniversaries of the date shown: how many (1..100, 15 at
// start), the title "   15  Prochains anniversaires civils" and the list,
// one line a year, "Mer 11 Juin 2025 :15 Sivan   5785".
#pragma once

#include <QGroupBox>

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace orvane::gui
{

class PanneauAnniversaires : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauAnniversaires(QWidget* parent = nullptr);

    /// How many anniversaries the list shows.
    [[nodiscard]] int nombre() const;
    /// The title written for the number in the box.
    void ecrit_titre();
    /// The lines of the list, the first one chosen.
    void montre(const std::vector<std::string>& lignes);

signals:
    /// The number was changed (the title is written already).
    void nombre_change();

private:
    void cree_panneau();
    void SpinEdit7Change();

    QSpinBox* SpinEdit7 = nullptr; // how many
    QLineEdit* Edit10 = nullptr;   // the title
    QComboBox* ComboBox3 = nullptr;
};

} // namespace orvane::gui
