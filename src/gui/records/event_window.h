// The events window TFEvent ("Evénements"): the dated events of the table
// "Anni_Ev.DBF", each entered by its civil or its Hebrew date, with the list
// of its next anniversaries, saved as a file and printed.
#pragma once

#include "gui/common/question.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "records/events/event_sheet.h"
#include "records/tables/dbase_table.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class TFEvent : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;
    using Question = std::function<QMessageBox::StandardButton(const std::string&, Reponses)>;

    explicit TFEvent(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFEvent() override;

    /// Replaces the save dialog, the error box, the printer and the
    /// questions (tests).
    void set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante,
                       Question question);

    void BoutonCalculClick();
    void BoutonEnregistrerClick();
    void BoutonImprimerClick();
    void BoutonImpressionDirecteClick();
    void BoutonFermerClick();
    void BoutonPremierClick();
    void BoutonPrecedentClick();
    void BoutonSuivantClick();
    void BoutonDernierClick();
    void BoutonInsererClick();
    void BoutonSupprimerClick();
    void BoutonValiderClick();

    [[nodiscard]] const records::Table& table() const { return table_; }

private:
    void cree_saisie();
    void cree_navigation();
    void cree_resultats();
    void cree_boutons();
    void ouvre_table();
    void affiche_fiche();
    [[nodiscard]] records::SaisieEvenement saisie() const;
    /// The changes typed are kept before the record shown changes: true
    /// when the move may go on.
    [[nodiscard]] bool quitte_la_fiche();
    bool enregistre_la_fiche();
    void deplace(bool (records::Table::*mouvement)());
    void modifie();

    shell::AppContext& ctx_;
    ChoixFichier choix_;
    MessageErreur erreur_;
    Imprimante imprimante_;
    Question question_;
    records::Table table_;
    records::CalculEvenement calcul_;
    bool insertion_ = false;
    bool modifiee_ = false;
    bool chargement_ = false;

    QLabel* aujourdhui_ = nullptr;
    QLineEdit* titre_ = nullptr;
    QLineEdit* date_civile_ = nullptr;
    QLineEdit* date_hebraique_ = nullptr;
    QLineEdit* texte_civil_ = nullptr;
    QLineEdit* texte_hebreu_ = nullptr;
    QPlainTextEdit* commentaire_ = nullptr;
    QCheckBox* plusieurs_ = nullptr;
    QSpinBox* nb_annees_ = nullptr;
    QSpinBox* increment_ = nullptr;
    QLabel* libelle_nb_ = nullptr;
    QLabel* libelle_increment_ = nullptr;
    QLabel* position_ = nullptr;
    ZoneResultat* anniversaires_ = nullptr;
};

} // namespace orvane::gui
