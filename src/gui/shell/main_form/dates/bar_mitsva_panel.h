// The Bar-Mitsva panel: the date shown taken as a birth date, the day a boy
// has thirteen full years ("Bar-Mitsva") or a girl twelve ("Bat-Mitsva"),
// and the reading of the Sabbath on or after it.
#pragma once

#include <QGroupBox>

#include <optional>

class QLabel;
class QPushButton;

namespace orvane::records
{
struct BarMitsva;
}

namespace orvane::gui
{

class PanneauBarMitsva : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauBarMitsva(QWidget* parent = nullptr);

    /// True while "Bat-Mitsva" is chosen (false at start).
    [[nodiscard]] bool fille() const { return fille_; }
    /// The day and its Sabbath; nothing beyond the years the calendar reaches.
    void montre(const std::optional<records::BarMitsva>& bar_mitsva);

signals:
    /// "Bar-Mitsva" or "Bat-Mitsva" was clicked.
    void choix_change();

private:
    void cree_boutons();
    void cree_textes();
    void BoutonBarMitsvaClick();
    void BoutonBatMitsvaClick();
    void choisit_fille(bool fille);

    bool fille_ = false;
    QPushButton* bouton_bar_mitsva_ = nullptr;
    QPushButton* bouton_bat_mitsva_ = nullptr;
    QLabel* Panel8 = nullptr;  // the day
    QLabel* Label26 = nullptr; // its Sabbath
};

} // namespace orvane::gui
