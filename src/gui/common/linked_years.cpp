#include "gui/common/linked_years.h"

#include "events/festivals/festivals_text.h"
#include "platform/file_error.h"
#include "shell/startup.h"

#include <QSpinBox>

#include <utility>

namespace orvane::gui
{

AnneesLiees::AnneesLiees(QSpinBox& hebraique, QSpinBox& civile, std::filesystem::path repertoire,
                         MessageErreur erreur)
    : hebraique_(hebraique), civile_(civile), repertoire_(std::move(repertoire)),
      erreur_(std::move(erreur))
{
}

bool AnneesLiees::montre_annee_hebraique(int annee)
{
    if (synchronise_) {
        return false;
    }
    synchronise_ = true;
    hebraique_.setValue(annee);
    civile_.setValue(events::annee_civile_affichee(annee));
    synchronise_ = false;
    ecrit_fichiers_annee();
    return true;
}

bool AnneesLiees::montre_annee_civile(int annee)
{
    if (synchronise_) {
        return false;
    }
    synchronise_ = true;
    hebraique_.setValue(events::annee_hebr_de_la_civile(annee, hebraique_.value()));
    synchronise_ = false;
    ecrit_fichiers_annee();
    return true;
}

void AnneesLiees::ecrit_fichiers_annee()
{
    try {
        shell::ecrit_fichiers_annee(repertoire_, civile_.value(), hebraique_.value());
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

} // namespace orvane::gui
