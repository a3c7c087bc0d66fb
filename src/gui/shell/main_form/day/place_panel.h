// "Lieu": the place of the times (country, city, latitude, longitude, offset
// from GMT, "OK" after coordinates typed by hand), the summer-time
// correction with its summer and winter buttons and the label of the
// summer-time mode, the choice of the places file (about 1300 or more than
// 13000 cities) and the Diaspora / Israel buttons. The window decides what a
// choice changes; the panel keeps the correction typed and the places file
// chosen.
#pragma once

#include <QGroupBox>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane::places
{
struct LieuxCharges;
struct Place;
} // namespace orvane::places

namespace orvane::gui
{

class PanneauLieu : public QGroupBox
{
    Q_OBJECT

public:
    explicit PanneauLieu(QWidget* parent = nullptr);

    // --- The place -------------------------------------------------------------
    /// The countries and cities of the places loaded, and their file ticked.
    void remplit(const places::LieuxCharges& lieux);
    /// Country, city and coordinates of `lieu`.
    void montre_lieu(const places::Place& lieu);
    /// The city picked from the list (`ville` as picked) and its place.
    void montre_ville_choisie(const QString& ville, const places::Place& lieu);
    /// The cities of a country, none chosen, and no coordinates.
    void montre_villes(const std::vector<std::string>& villes);
    /// The three coordinate boxes emptied.
    void efface_coordonnees();
    /// The latitude, longitude and offset boxes copied into `lieu`.
    void copie_coordonnees(places::Place& lieu) const;
    [[nodiscard]] std::string pays() const;
    [[nodiscard]] std::string ville() const;
    /// "lieu.cal" or "lieu_all.cal", as ticked.
    [[nodiscard]] const std::string& fichier_lieux() const { return fichier_lieux_; }

    // --- Summer time --------------------------------------------------------------
    /// The value of the correction box (0 when it holds no number).
    [[nodiscard]] double correction_saisie() const { return correction_saisie_; }
    /// A correction typed into the box, as the user would: the buttons follow.
    void choisit_correction(const std::string& texte);
    /// The correction of the day written into the box; its value is kept,
    /// the buttons are left to the caller.
    void ecrit_correction(const std::string& texte);
    /// The summer or the winter button chosen by the value of the box.
    void boutons_correction();
    /// The label of the summer-time mode, by the winter button.
    void montre_etiquette_horaire();
    /// The label after a day computed: from a table (`trouvee`) or not.
    void montre_table_ete(bool trouvee, bool ete);

    /// The Diaspora or the Israel button chosen.
    void montre_diaspora(bool diaspora);

signals:
    void pays_active(const QString& pays);
    void ville_activee(const QString& ville);
    /// A coordinate was typed by hand.
    void coordonnees_saisies();
    /// "OK": the day computed again with the coordinates typed.
    void calcul_demande();
    /// The value of the correction box changed.
    void correction_changee(double correction);
    /// The summer or the winter button was clicked (the box is written).
    void correction_choisie();
    /// The other places file was ticked.
    void fichier_lieux_change();
    void diaspora_choisie(bool diaspora);

private:
    void cree_boites();
    void cree_boutons();
    void dispose();
    void connecte();

    void Edit4Change(const QString& texte);
    void retient_correction(const QString& texte);
    void BoutonEteClick();
    void BoutonHiverClick();
    void choisit_ete(bool ete);
    void CheckBox1300vClick(bool coche);
    void CheckBox13000vClick(bool coche);
    void choisit_fichier_lieux(bool long_fichier);
    void BoutonDiasporaClick();
    void BoutonIsraelClick();

    double correction_saisie_ = 0;  // the value of the correction box
    std::string fichier_lieux_;     // the places file of the boxes "1300v" / "13000v"
    QComboBox* ComboBox1 = nullptr; // country
    QComboBox* ComboBox2 = nullptr; // city
    QLineEdit* Edit1 = nullptr;     // latitude
    QLineEdit* Edit2 = nullptr;     // longitude
    QLineEdit* Edit3 = nullptr;     // offset
    QLineEdit* Edit4 = nullptr;     // summer-time correction
    QPushButton* bouton_ok_ = nullptr;
    QPushButton* bouton_ete_ = nullptr;
    QPushButton* bouton_hiver_ = nullptr;
    QLabel* Label44 = nullptr; // the summer-time mode
    QCheckBox* case_1300_ = nullptr;
    QCheckBox* case_13000_ = nullptr;
    QPushButton* bouton_diaspora_ = nullptr;
    QPushButton* bouton_israel_ = nullptr;
};

} // namespace orvane::gui
