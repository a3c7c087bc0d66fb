// TFCivHebr: the consistory's series ("Calendrier ciop", "Tables horaires
// ciop") and the nightfall tables of the Admour Hazaken, with their
// progress and their workbooks.
#include "documents/consistory_series.h"
#include "gui/common/result_area.h"
#include "gui/documents/calendar_window.h"
#include "shell/app_context.h"
#include "zmanim/settings/opinions.h"

#include <QProgressDialog>

namespace orvane::gui
{
namespace
{

/// The progress of a series in a dialog that the user may cancel.
class ProgresDeSerie
{
public:
    ProgresDeSerie(const QString& texte, QWidget* parent)
        : dialogue_(texte, QStringLiteral("&Annuler"), 0, 1, parent)
    {
        dialogue_.setWindowModality(Qt::WindowModal);
        dialogue_.setMinimumDuration(500);
    }
    documents::ProgresSerie rappel()
    {
        return [this](int faites, int total) {
            dialogue_.setMaximum(total);
            dialogue_.setValue(faites);
            return !dialogue_.wasCanceled();
        };
    }

private:
    QProgressDialog dialogue_;
};

} // namespace

void TFCivHebr::construit_series_ciop(const documents::CalculRetenu& r)
{
    ProgresDeSerie progres(QStringLiteral("Calendriers du consistoire…"), this);
    const documents::SeriesCiop s =
        documents::series_ciop(demande(r), r.sortie, ctx_.donnees.config_ciop,
                               ctx_.donnees.tables_ete, ctx_.repertoire, progres.rappel());
    // The window ends on the first kind, "Or Méïr" at its own place.
    c_.sortie = 0;
    c_.opinion = std::string(zmanim::avis_or_meir);
    montre(c_);
    montre_series(s);
}

void TFCivHebr::construit_tables_tset(const documents::CalculRetenu& r)
{
    ProgresDeSerie progres(QStringLiteral("Tables de Tset Hakokhavim…"), this);
    montre_series(documents::tables_tset(demande(r), ctx_.donnees.tables_ete, ctx_.repertoire,
                                         progres.rappel()));
}

void TFCivHebr::montre_series(const documents::SeriesCiop& s)
{
    std::vector<std::string> lignes = s.memo;
    lignes.emplace_back();
    lignes.push_back(std::to_string(s.fichiers.size()) + " fichier(s) écrit(s).");
    if (s.interrompu) {
        lignes.emplace_back("Construction arrêtée.");
    }
    affiche(lignes);
    for (const std::filesystem::path& classeur : s.classeurs) {
        ouvreur_(classeur);
    }
}

} // namespace orvane::gui
