// The zmanim window TFcalcH ("Calcul des horaires de la journée juive selon
// la date, la localité et l'opinion rabbinique"): a range of dates, a place,
// an opinion, the times to show and the days to keep; "Calcul" asks the
// Tossefet and hour-shift questions, computes the table into "zemanim.txt"
// (tables/), and shows it in the results window TFMemH.
#pragma once

#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "tables/tossefet_questions.h"
#include "tables/zmanim_controls.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFMemH;

/// The questions of "Calcul", replaceable by the tests.
struct DialoguesHoraires {
    std::function<void(const std::string&)> erreur;
    std::function<void(const std::string&)> information;
    /// Yes / No / Cancel.
    std::function<tables::ReponseTossefet(const std::string&)> question;
    /// Yes / No.
    std::function<bool(const std::string&)> confirmation;
};

class TFcalcH : public QWidget
{
    Q_OBJECT

public:
    explicit TFcalcH(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFcalcH() override;

    void set_dialogues(DialoguesHoraires d);

    /// The state of the controls as "Calcul" reads it.
    [[nodiscard]] tables::ControlesHoraires controles() const;
    [[nodiscard]] TFMemH* resultats() const { return resultats_; }

    void CalculClick();
    void CetteAnneeClick();
    /// "Enregistrer cette localité" / "Supprimer cette localité".
    void enregistre_localite();
    void supprime_localite();
    /// "Calcul horaires est-ouest-secondes pour ciop".
    void Button11Click();
    /// "Contruit 4 fic + plaq": four years of the plaque list chosen.
    void construit_plaques();

    /// Replaces the wait between two east-west tables (tests).
    void set_attente(std::function<void(int secondes)> attente);

private:
    void cree_dates();
    void cree_lieu();
    void cree_avis();
    void cree_moments();
    void cree_choix();
    void cree_sorties();
    void cree_parametres();
    void connecte_parametres();
    void montre_parametres(const zmanim::ControlesParametres& p);
    void cree_boutons();
    void connecte();
    /// The model back into the widgets, without their change signals.
    void montre(const tables::ControlesHoraires& c);
    void applique(const std::function<void(tables::ControlesHoraires&)>& change);
    void montre_villes(const std::string& pays);
    void pays_choisi(const QString& pays);
    void ville_choisie(const QString& ville);
    void opinion_choisie(const QString& opinion);
    void enregistre_etat(const tables::ControlesHoraires& c) const;
    /// The Tossefet question of the place; false when cancelled.
    bool demande_tossefet(tables::ControlesHoraires& c, bool& marseille);
    void calcule(const tables::ControlesHoraires& c, bool marseille);
    [[nodiscard]] tables::EnvironnementTable environnement() const;
    /// The table of the window into "zemanim.txt" and the results window.
    void calcule_memo(const tables::ControlesHoraires& c, tables::PreparationHoraires& p);
    void calcule_publication(const tables::ControlesHoraires& c, tables::PreparationHoraires& p);
    void calcule_liste_du_jour(const tables::ControlesHoraires& c, tables::PreparationHoraires& p);
    void calcule_latitudes(const tables::ControlesHoraires& c, tables::PreparationHoraires& p);
    void calcule_liste_hamets(const tables::ControlesHoraires& c, tables::PreparationHoraires& p);
    /// Lines of a run shown in the memo of the results window.
    void montre_lignes(const tables::ControlesHoraires& c, std::vector<std::string> lignes);
    void montre_legende_est_ouest();

    shell::AppContext& ctx_;
    tables::ControlesHoraires c_;
    DialoguesHoraires dialogues_;
    TFMemH* resultats_ = nullptr;
    bool remplissage_ = false;

    std::array<QComboBox*, 3> debut_{};
    std::array<QComboBox*, 3> fin_{};
    QComboBox* ComboBoxHebreu = nullptr;
    QSpinBox* SpinAnnee = nullptr;
    QRadioButton* RadioCivile = nullptr;
    QRadioButton* RadioHebraique = nullptr;
    QSpinBox* SpinIncrement = nullptr;
    QSpinBox* SpinDecalage = nullptr;
    QComboBox* ComboPays = nullptr;
    QComboBox* ComboVille = nullptr;
    QLineEdit* EditLatitude = nullptr;
    QLineEdit* EditLongitude = nullptr;
    QLineEdit* EditZone = nullptr;
    QComboBox* ComboAvis = nullptr;
    QSpinBox* SpinTossefet = nullptr;
    QCheckBox* CaseSecondes = nullptr;
    std::array<QLineEdit*, 5> angles_{};
    QLineEdit* EditEtoilesChema = nullptr;
    std::array<QCheckBox*, 19> moments_{};
    QComboBox* ComboJours = nullptr;
    QButtonGroup* grilles_ = nullptr;
    QCheckBox* CaseToutesEntrees = nullptr;
    QCheckBox* CaseEte = nullptr;
    QCheckBox* CaseFetes = nullptr;
    QCheckBox* CaseDateComplete = nullptr;
    QCheckBox* CaseDixieme = nullptr;
    QCheckBox* CaseHamets = nullptr;
    QComboBox* ComboMethode = nullptr;
    QCheckBox* CaseAvis = nullptr;
    QLabel* LabelEte = nullptr;
    QPushButton* BoutonCalcul = nullptr;
    QButtonGroup* sorties_ = nullptr;
    QCheckBox* CaseWeb = nullptr;
    QCheckBox* CaseActuj = nullptr;
    QPushButton* Button11 = nullptr;
    std::function<void(int)> attente_;
    // The panel of specific parameters.
    QPushButton* BoutonActivation = nullptr;
    QCheckBox* CaseArrondis = nullptr;
    QCheckBox* CaseTrace = nullptr;
    QCheckBox* CaseCentre = nullptr;
    QCheckBox* CaseIteration = nullptr;
    QCheckBox* CaseHoumra = nullptr;
    QCheckBox* CaseDecimal = nullptr;
    QComboBox* ComboRefraction = nullptr;
    QPushButton* BoutonHalakha = nullptr;
    QPushButton* BoutonBdl = nullptr;
    std::array<QPushButton*, 5> defauts_{};
    QPushButton* DefautTossefet = nullptr;
    QPushButton* NoteAngles = nullptr;
};

} // namespace orvane::gui
