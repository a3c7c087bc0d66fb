// "Ouvrir les fichiers / Excel" of the records window: the workbook of the
// family, written beside its files and opened in the spreadsheet program.
#include "documents/workbook_records.h"
#include "gui/records/veldor_window.h"
#include "records/store/families.h"
#include "records/tables/listing.h"

namespace orvane::gui
{

namespace
{

// The workbook of a family of text files, in its folder: "BASE_BAR.xlsx",
// "BASE_DC.xlsx", "BASE_EVEN.xlsx".
const char* nom_du_classeur(records::Famille f)
{
    switch (f) {
    case records::Famille::naissance:
        return "BASE_BAR.xlsx";
    case records::Famille::deces:
        return "BASE_DC.xlsx";
    default:
        return "BASE_EVEN.xlsx";
    }
}

} // namespace

void TFVeldor::BoutonFichiersExcelClick()
{
    std::filesystem::path classeur;
    try {
        if (sur_table_) {
            if (!table_.ouverte()) {
                return;
            }
            classeur =
                table_.fichier().parent_path() / (records::nom_de_base(table_.fichier()) + ".xlsx");
            documents::ecrit_classeur_table(classeur, table_);
        } else if (base_) {
            classeur = base_->fichiers().noms.parent_path() / nom_du_classeur(famille_);
            documents::ecrit_classeur_fiches(classeur, famille_, base_->fiches());
        } else {
            return;
        }
    } catch (const std::exception& e) {
        erreur_(e.what());
        return;
    }
    if (!ouvreur_(classeur)) {
        erreur_("Le fichier " + classeur.string() + " n'a pas pu être ouvert");
    }
}

} // namespace orvane::gui
