// The table window TFmaint ("Consultation de la base de données"): any
// dBase table of the folder "dbd" in a grid, its listing, its printing and
// its three exports as text for a spreadsheet.
#pragma once

#include "gui/common/save_text.h"
#include "gui/common/text_printer.h"
#include "records/tables/dbase_table.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QTableWidget;

namespace orvane::shell
{
struct AppContext;
}

namespace orvane::gui
{

class ZoneResultat;

class TFmaint : public QWidget
{
    Q_OBJECT

public:
    using Imprimante = std::function<bool(const TexteAImprimer&)>;
    /// Chooses a table in the folder: its path, nothing when cancelled.
    using ChoixTable =
        std::function<std::optional<std::filesystem::path>(const std::filesystem::path& dossier)>;
    using Information = std::function<void(const std::string&)>;

    explicit TFmaint(shell::AppContext& ctx, QWidget* parent = nullptr);
    ~TFmaint() override;

    /// Replaces the dialogs (tests).
    void set_dialogues(ChoixTable table, ChoixFichier enregistrement, MessageErreur erreur,
                       Information information, Imprimante imprimante);

    void BoutonChoisirClick();
    void BoutonListerClick();
    void BoutonImprimerClick();
    void BoutonExportTexteClick();
    void BoutonExportExcelClick();
    void BoutonExportSelectionClick();

    [[nodiscard]] const records::Table& table() const { return table_; }

private:
    void cree_controles();
    void ouvre(const std::filesystem::path& fichier);
    void remplit_grille();
    /// Writes the lines of an export into the text area and into the file
    /// chosen in the save dialog.
    void exporte(const std::vector<std::string>& lignes);

    shell::AppContext& ctx_;
    ChoixTable choix_table_;
    ChoixFichier choix_;
    MessageErreur erreur_;
    Information information_;
    Imprimante imprimante_;
    records::Table table_;
    std::filesystem::path dossier_;

    QGroupBox* groupe_ = nullptr;
    QTableWidget* grille_ = nullptr;
    QLabel* nombre_ = nullptr;
    ZoneResultat* memo_ = nullptr;
};

} // namespace orvane::gui
