// The mailing window TFReplace ("Mailing lettres depuis fiches base de
// données"): a letter model filled with the fields of the records of a table
// whose next anniversary falls in a period, each letter saved as an RTF
// document, printed, or both; and the letter of one person found by name.
#pragma once

#include "gui/common/question.h"
#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "records/mailing/mailing_run.h"
#include "records/tables/dbase_table.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
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

class TFReplace : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;
    using Question = std::function<QMessageBox::StandardButton(const std::string&, Reponses)>;
    /// A file to open: the table first, then the model (nothing: cancelled).
    using ChoixOuverture = std::function<std::optional<std::filesystem::path>(
        const std::filesystem::path& dossier, const QString& titre, const QString& filtre)>;
    /// The folder of the letters (TFDir): nothing when cancelled.
    using ChoixDossier =
        std::function<std::optional<std::filesystem::path>(const std::filesystem::path& propose)>;

    explicit TFReplace(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFReplace() override;

    /// Replaces the dialogs (tests).
    void set_dialogues(ChoixOuverture ouverture, ChoixFichier enregistrement, ChoixDossier dossier,
                       MessageErreur erreur, Imprimante imprimante, Question question);

    void BoutonOuvrirClick();
    void BoutonEnregistrerModeleClick();
    void BoutonInsererClick();
    void BoutonAujourdhuiClick();
    void BoutonMailingClick();
    void RechercheParNom();
    void ChoixDuNom(const QString& nom);
    void ChoixDeLaPersonne(const QString& ligne);
    /// "Imprimer la fiche trouvée jointe": the letter of the person found,
    /// after a confirmation.
    void ImprimeFicheTrouvee();

    [[nodiscard]] const records::Table& table() const { return table_; }

private:
    void cree_controles();
    void cree_periode(QWidget* boite);
    void active(bool modele);
    void ouvre_table(const std::filesystem::path& fichier);
    void charge_modele();
    void selection();
    [[nodiscard]] engine::DateCivile debut() const;
    [[nodiscard]] std::string date_du_jour() const;
    void imprime_lettre(const std::string& lettre);
    void normalise_debut();

    shell::AppContext& ctx_;
    ChoixOuverture ouverture_;
    ChoixFichier choix_;
    ChoixDossier dossier_;
    MessageErreur erreur_;
    Imprimante imprimante_;
    Question question_;
    records::Table table_;
    std::filesystem::path modele_;
    std::vector<records::FicheAPublier> selection_;
    std::vector<records::FicheAPublier> trouvees_;
    std::optional<records::FicheAPublier> trouvee_; // the person of the last letter found
    bool synchronise_ = false;

    QPlainTextEdit* memo_ = nullptr;
    QListWidget* champs_ = nullptr;
    QListWidget* liste_ = nullptr;
    ZoneResultat* personnes_ = nullptr;
    QSpinBox* jour_ = nullptr;
    QSpinBox* mois_ = nullptr;
    QSpinBox* annee_ = nullptr;
    QSpinBox* jours_ = nullptr;
    QCheckBox* sans_date_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* compte_ = nullptr;
    QPushButton* mailing_ = nullptr;
    std::vector<QWidget*> controles_;
};

} // namespace orvane::gui
