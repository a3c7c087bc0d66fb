// The annual calendar window TFCivHebr ("Calendrier Civil --> Hébraïque"):
// a place, an opinion and a span of years, and the kind of calendar to
// build from them. "Calculer" runs the checks and questions of the calendar
// (documents/calendar_controls.h), then the builder of the kind chosen: the
// simplified calendar in the text area, the file of date pairs, and the
// other kinds as their builders come.
#pragma once

#include "documents/calendar_controls.h"
#include "documents/calendar_request.h"
#include "documents/consistory_series.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class TFCivHebr : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    TFCivHebr(shell::AppContext& ctx, documents::SensFenetre sens, QWidget* parent = nullptr);
    ~TFCivHebr() override;

    /// Replaces the questions, the save dialog and the printer (tests).
    void set_dialogues(documents::DialoguesCalendrier dialogues, ChoixFichier choix,
                       Imprimante imprimante);

    /// Replaces the opening of a workbook written with the desktop's
    /// application (tests).
    void set_ouvreur(std::function<void(const std::filesystem::path&)> ouvreur);

    /// The state of the controls as "Calculer" reads it.
    [[nodiscard]] documents::ControlesCalendrier controles();
    /// The lines of the direction's text area.
    [[nodiscard]] std::vector<std::string> lignes_affichees() const;

    void Button1Click();      // "Calculer"
    void Button2Click();      // "Enregistrer"
    void Button4Click();      // "Imprimer"
    void SpeedButton1Click(); // "Aujourd'hui"
    void SpeedButton2Click(); // "Valeurs par défaut"
    void CheckBox10Click();   // "Garçon" (Bar-Mitsva modes)
    void CheckBox11Click();   // "Fille"

private:
    void cree_annees();
    void cree_lieu();
    void cree_horaires();
    void cree_contenu();
    void cree_resultats();
    void cree_boutons();
    void connecte();
    void remplit_pays();
    void ouvre_lieu();
    /// A change of the model read from the controls, shown back with the
    /// place's daylight-saving line.
    void applique(const std::function<void(documents::ControlesCalendrier&)>& change);
    /// The model back into the widgets, without their change signals.
    void montre(const documents::ControlesCalendrier& c);
    void annee_changee(int annee);
    void autre_annee_changee(int annee);
    void pays_choisi(const QString& pays);
    void ville_choisie(const QString& ville);
    void opinion_choisie();
    void premiers_du_mois_coche(bool coche);
    void sortie_choisie(int indice);
    void levana_cochee(bool sepharade);
    /// The daylight-saving line of the place for the year shown.
    void montre_heure_ete();
    [[nodiscard]] ZoneResultat* zone() const;
    void affiche(const std::vector<std::string>& lignes);
    /// The request of the builders from the controls and what "Calculer"
    /// retained.
    [[nodiscard]] documents::DemandeCalendrier demande(const documents::CalculRetenu& r) const;
    void construit_calendrier_simplifie(const documents::CalculRetenu& r);
    /// The page files of the city, or of every city of "willefr.cal".
    void construit_pages(const documents::CalculRetenu& r);
    /// "Iphone consistoire": the loop of builds for the consistory.
    void construit_boucle_consistoire(const documents::CalculRetenu& r);
    /// "Calendrier ciop" and "Tables horaires ciop": the consistory's
    /// series of builds and their workbook.
    void construit_series_ciop(const documents::CalculRetenu& r);
    /// "Tables Tset Hakokhavim Admour Hazaken (6,54°)": a year for every
    /// town of "villetset.txt".
    void construit_tables_tset(const documents::CalculRetenu& r);
    /// Shows a series' lines and opens its workbooks.
    void montre_series(const documents::SeriesCiop& s);
    /// The workbook of a spreadsheet kind, opened with the desktop's
    /// application when the kind hands off.
    void construit_classeur(const documents::CalculRetenu& r);
    void construit_fichier_dates();
    // calendar_window_bar_mitsva.cpp: the two Bar-Mitsva modes.
    /// The caption and the controls of these modes (at the opening and
    /// after "Valeurs par défaut").
    void installe_bar_mitsva();
    void cache_controles_bar_mitsva();
    /// "Calculer": the Bar-Mitsva page of each year asked.
    void construit_bar_mitsva(const documents::CalculRetenu& r);

    shell::AppContext& ctx_;
    documents::SensFenetre sens_;
    documents::ControlesCalendrier c_;
    documents::DialoguesCalendrier dialogues_;
    ChoixFichier choix_;
    Imprimante imprimante_;
    std::function<void(const std::filesystem::path&)> ouvreur_;

    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;
    QSpinBox* SpinEdit3 = nullptr;
    QSpinBox* SpinEdit4 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox6 = nullptr;
    QComboBox* ComboBox7 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QSpinBox* estouest = nullptr;
    QLabel* label_estouest = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QStackedWidget* zones_ = nullptr;
    ZoneResultat* Memo1 = nullptr;
    ZoneResultat* Memo3 = nullptr;
    bool remplissage_ = false;
};

} // namespace orvane::gui
