// The results window TFMemH ("Table des horaires"): the table of the zmanim
// window as a grid (French titles and the row of Hebrew titles) and as text,
// printing and saving, the chart of the times over the range, and the panel
// of the sun's altitudes at sunrise and sunset.
#pragma once

#include "documents/zmanim_workbooks.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "tables/chart_series.h"
#include "tables/columns.h"
#include "tables/table_request.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;
class GraphiqueHoraires;

/// What a computation of the zmanim window hands to the results window.
struct ResultatHoraires {
    std::vector<std::string> lignes;              // the memo
    std::vector<std::vector<std::string>> grille; // label, then the cells
    std::vector<tables::ColonneAffichee> titres;  // the shown columns
    std::vector<tables::PointDuJour> courbes;     // the chart
    places::Place lieu;
    int annee = 2025; // Hebrew or civil after the reference
    int increment = 1;
    bool hamets = false;                 // the 'Hamets times: saved into "HAMETS"
    bool dixieme_heure = false;          // saved into "NEUVIEME"
    engine::DateCivile date{2025, 1, 1}; // the day of the altitude table
    zmanim::ZmanimSettings reglages;
    bool tous_les_moments = false; // every time box checked: the workbooks can be built
    tables::DemandeTable demande;  // the table computed
    /// The rows kept for the workbooks, and what their commands check.
    std::shared_ptr<const documents::TablesGardees> gardees;
    documents::ContexteClasseurs classeurs;
};

class TFMemH : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;

    explicit TFMemH(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFMemH() override;

    /// Replaces the save dialog, the printer and the error box (tests).
    void set_dialogues(ChoixFichier choix, Imprimante imprimante, MessageErreur erreur);
    /// Replaces the opening of a written workbook (tests).
    void set_ouvreur(std::function<void(const std::filesystem::path&)> ouvreur);

    void montre_resultat(ResultatHoraires r);
    /// Shows the memo rather than the grid (the runs over lists of cities).
    void montre_memo();
    /// The tables of a book run, kept for the workbook commands.
    void garde_pour_classeurs(std::shared_ptr<const documents::TablesGardees> gardees,
                              const documents::ContexteClasseurs& contexte);

    void Button1Click();  // "Imprimer"
    void Button2Click();  // "Enregister"
    void Button8Click();  // "Voir le mémo"
    void Button11Click(); // "Voir la grille"
    void Button4Click();  // "Graphiques": the chart in a window and in a workbook
    void Button6Click();  // "Tableaux 14 colonnes"
    void Button12Click(); // "Tableaux toutes les colonnes"
    void Button9Click();  // "Calculer" of the altitudes
    void Button14Click(); // "Imprimer" of the altitudes
    void Button15Click(); // "Enregistrer" of the altitudes

    [[nodiscard]] const ResultatHoraires& resultat() const { return r_; }
    [[nodiscard]] GraphiqueHoraires* graphique() const { return graphique_; }

signals:
    void retour(); // "Retour à l'écran du choix"

private:
    void cree_grille();
    void cree_boutons();
    void cree_altitudes();
    void cree_classeurs();
    /// The workbook of a command, refused with its message or written and opened.
    void classeur(documents::ClasseurHoraires k);
    void remplit_grille();
    /// The name the save proposes: the city without blanks and hyphens, the year.
    [[nodiscard]] std::string nom_propose() const;

    shell::AppContext& ctx_;
    ResultatHoraires r_;
    ChoixFichier choix_;
    Imprimante imprimante_;
    MessageErreur erreur_;
    std::function<void(const std::filesystem::path&)> ouvreur_;
    QStackedWidget* vues_ = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    ZoneResultat* Memo1 = nullptr;
    ZoneResultat* Memo3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    GraphiqueHoraires* graphique_ = nullptr;
    bool altitudes_calculees_ = false;
};

} // namespace orvane::gui
