// "Jours importants de l'année": a Hebrew year, its two civil years
// ("civile  2023 / 2024 = 5784  hébraïque") and its festivals and fasts, "F"
// before a day of rest and "f" before a half-festival. A click on the list
// makes it tall (it then takes the room of the panel above it) or small again.
#pragma once

#include <QGroupBox>

#include <string>
#include <vector>

class QLabel;
class QSpinBox;

namespace orvane::gui
{

class ZoneResultat;

class PanneauAnnee : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauAnnee(QWidget* parent = nullptr);

    /// The Hebrew year in the box.
    [[nodiscard]] int annee() const;
    /// The year written into the box without `annee_choisie`.
    void ecrit_annee(int annee);
    /// The year typed into the box, as the user would: `annee_choisie` follows.
    void choisit_annee(int annee);
    /// Year `annee` and its important days.
    void montre(int annee, const std::vector<std::string>& jours_importants);
    /// The list back to its small size.
    void reduit_liste();
    /// The font of the list, for printing.
    [[nodiscard]] QFont police_liste() const;

signals:
    /// A Hebrew year was typed or stepped into the box.
    void annee_choisie(int annee);
    /// The list became tall (true) or small again (false).
    void agrandie(bool grande);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void cree_panneau();
    void Memo1Click();

    bool liste_grande_ = false; // the list at its tall size
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label32 = nullptr; // the civil years
    ZoneResultat* Memo1 = nullptr;
};

} // namespace orvane::gui
