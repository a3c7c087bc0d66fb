// The times of the day at the place, in the right column: the opinion they
// follow and the date, the list of times coloured by the kind of day (a day
// of rest, a fast, Kippour, a half-festival, the Sabbath) with a star on the
// line of the next moment, the column of that moment, the seasonal hours
// (Hagra and Maguen Abraham) and the lengths of day and night.
#pragma once

#include <QGroupBox>

#include <string>
#include <vector>

class QLabel;

namespace orvane::shell
{
struct JourCalcule;
}

namespace orvane::gui
{

class ColonneProchainMoment;
class ZoneResultat;

class PanneauHoraires : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauHoraires(QWidget* parent = nullptr);

    /// The opinion of the times ("Beth Din (France)").
    void montre_opinion(const std::string& opinion);
    /// The date of the times (" Vendredi 21 Juin 2024").
    void montre_date(const std::string& ligne);
    /// The times of `j`, which has times.
    void affiche(const shell::JourCalcule& j);
    /// No times: `message` alone in the list.
    void cache(const std::string& message);
    /// The list emptied (a date that does not exist).
    void efface_liste();
    /// The star, the next moment and the seasonal hours of `j` at
    /// `maintenant` seconds from midnight.
    void place_marqueur(const shell::JourCalcule& j, long maintenant);
    /// The entry and the exit stars of the Sabbath.
    void montre_etoiles(bool entree, bool sortie);
    /// The date line, the stars, the marks and the column shown or hidden
    /// with the day's panels.
    void montre_controles_du_jour(bool visibles);

private:
    void cree_liste();
    void cree_panneaux();
    void dispose(QLabel* titre);
    void colore_liste(const shell::JourCalcule& j);
    /// The top of line `ligne` of the list (0 is the empty first line) in the
    /// coordinates of the column.
    [[nodiscard]] int haut_de_ligne(int ligne) const;

    std::vector<std::string> marques_; // the lines of the marks shown
    QLabel* Label40 = nullptr;         // the opinion
    QLabel* Memo3 = nullptr;           // the date
    ZoneResultat* Memo2 = nullptr;     // the list of times
    ZoneResultat* memo5 = nullptr;     // the star of the next moment
    ColonneProchainMoment* colonne_ = nullptr;
    ZoneResultat* Memo10 = nullptr; // the seasonal hours
    ZoneResultat* Memo11 = nullptr; // the lengths of day and night
    QWidget* panneaux_horaires_ = nullptr;
};

} // namespace orvane::gui
