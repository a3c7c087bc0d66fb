// The band at the top of the main window: the program's name, today's civil
// and Hebrew dates in red, the clock with the same time in halakim, the moon
// of the date shown and the commands of the day page.
#pragma once

#include "platform/clock.h"

#include <QWidget>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace orvane::engine
{
struct DatesDuJour;
}

namespace orvane::gui
{

class BoutonsCalendriers;
class BoutonsPageDuJour;
class PanneauLune;

class BandeauPrincipal : public QWidget
{
    Q_OBJECT

public:
    explicit BandeauPrincipal(QWidget* parent = nullptr);

    /// Today's two date lines ("Vendredi  21  Juin 2024").
    void montre_dates_du_jour(const engine::DatesDuJour& dates);
    /// The clock at time `t`: " 10:05:07" and
    /// "10 h 05 mn 07 sec = 10 h 92.1 halakim ".
    void montre_heure(const platform::LocalTime& t);
    /// The clock line of the last time shown; empty before the first.
    [[nodiscard]] std::string ligne_horloge() const;

    [[nodiscard]] PanneauLune* lune() const { return lune_; }
    /// The type of the program's name, for printing the title.
    [[nodiscard]] QFont police_titre() const;

signals:
    /// The program's name was clicked.
    void titre_clique();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

public:
    [[nodiscard]] BoutonsPageDuJour* boutons_page() const { return boutons_page_; }
    [[nodiscard]] BoutonsCalendriers* calendriers() const { return calendriers_; }

private:
    void cree_titre();
    void cree_dates();
    void cree_horloge();
    void dispose();

    std::optional<platform::LocalTime> heure_; // the time the clock shows
    QLabel* titre_ = nullptr;
    QLabel* Label7 = nullptr; // today's civil date
    QLabel* Label8 = nullptr; // today's Hebrew date
    QLineEdit* Memo4 = nullptr;
    QLabel* Label46 = nullptr;
    PanneauLune* lune_ = nullptr;
    BoutonsPageDuJour* boutons_page_ = nullptr;
    BoutonsCalendriers* calendriers_ = nullptr;
};

} // namespace orvane::gui
