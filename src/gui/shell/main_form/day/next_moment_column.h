// The column beside the list of times: the box of the next moment of the
// Jewish day ("Min'ha Kétana  dans :  1h 04mn") in front of its line, the
// stars of the Sabbath entry (Friday) and exit (Saturday), the candle in the
// last minutes before the entry and "Chabbat Chalom" after it.
#pragma once

#include <QWidget>

class QLabel;

namespace orvane::shell
{
struct EtatChabbat;
struct ProchainMoment;
} // namespace orvane::shell

namespace orvane::gui
{

class DessinBougie;

class ColonneProchainMoment : public QWidget
{
    Q_OBJECT

public:
    explicit ColonneProchainMoment(QWidget* parent = nullptr);

    /// The next moment `p` with its box `haut` pixels below the top of the
    /// column, and the Sabbath pictures of `chabbat`.
    void montre_moment(const shell::ProchainMoment& p, int haut, const shell::EtatChabbat& chabbat);
    /// No next moment and no pictures (no times for the day).
    void cache_moment();
    /// The entry and the exit stars.
    void montre_etoiles(bool entree, bool sortie);

private:
    void cree_colonne();
    void dispose();

    QLabel* Memo9 = nullptr; // the next moment
    QLabel* Memo6 = nullptr; // the entry star
    QLabel* Memo7 = nullptr; // the exit star
    DessinBougie* bougie_ = nullptr;
    QLabel* panneau_chabbat_ = nullptr;
};

} // namespace orvane::gui
