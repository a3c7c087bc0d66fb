// The record viewer TFConsult ("Consultation des fiches"): one birth record
// of "BD_NAIS.DBF" at a time, its fields edited in place, the grid of its
// dates (birth in both calendars, next anniversary, Bar-Mitsva) and a clock
// of today's dates.
#pragma once

#include "gui/common/save_text.h"
#include "records/tables/dbase_table.h"

#include <QWidget>

#include <map>

class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTimer;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class TFConsult : public QWidget
{
    Q_OBJECT

public:
    explicit TFConsult(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFConsult() override;

    /// Replaces the error box (tests).
    void set_erreur(MessageErreur erreur) { erreur_ = std::move(erreur); }

    void BoutonPremierClick();
    void BoutonPrecedentClick();
    void BoutonSuivantClick();
    void BoutonDernierClick();
    void BoutonValiderClick();
    void BoutonTriClick();
    void BoutonSansTriClick();
    void BoutonFermerClick();
    /// The clock: the time and today's civil and Hebrew dates, or those of
    /// the day chosen in the calendar.
    void Horloge();

    [[nodiscard]] const records::Table& table() const { return table_; }

private:
    void cree_champs();
    void cree_grille();
    void cree_boutons();
    void cree_horloge();
    void ouvre_table();
    void affiche_fiche();
    void remplit_grille();
    void deplace(bool (records::Table::*mouvement)());

    shell::AppContext& ctx_;
    MessageErreur erreur_;
    records::Table table_;
    std::map<std::string, QLineEdit*> champs_; // by field name
    QTableWidget* grille_ = nullptr;
    QLabel* nombre_ = nullptr;
    QLabel* heure_ = nullptr;
    QLabel* date_civile_ = nullptr;
    QLabel* date_hebraique_ = nullptr;
    QCheckBox* jour_courant_ = nullptr;
    QCalendarWidget* calendrier_ = nullptr;
    QTimer* minuterie_ = nullptr;
    bool chargement_ = false;
};

} // namespace orvane::gui
