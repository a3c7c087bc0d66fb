#include "engine/month_grid_hebrew.h"

#include "engine/arithmetic.h"
#include "engine/month_grid_steps.h"
#include "engine/names.h"
#include "platform/clock.h"

#include <algorithm>

namespace orvane::engine
{

namespace
{

constexpr int premiere_annee = 1;

} // namespace

GrilleMoisHebreu::GrilleMoisHebreu(const platform::Clock& horloge) : GrilleMois(horloge)
{
    const platform::LocalDate d = horloge_.today();
    creation_ = {d.annee, d.mois, d.jour};
    prend_aujourdhui();
    met_a_jour();
}

void GrilleMoisHebreu::prend_aujourdhui()
{
    const platform::LocalDate d = horloge_.today();
    moteur_.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    annee_ = moteur_.annee_hebr;
    mois_ = moteur_.mois_hebr;
    jour_ = moteur_.jour_hebr;
}

int GrilleMoisHebreu::jours_du_mois(int annee, int mois) const
{
    return annee == annee_montree_.annee ? annee_montree_.jours(mois)
                                         : longueur_mois_hebreu(annee, mois);
}

bool GrilleMoisHebreu::est_bissextile(int annee) const
{
    return annee_hebr_embolismique(annee);
}

int GrilleMoisHebreu::jour_semaine_du_premier()
{
    moteur_.convertit_hebreu_civil(annee_, mois_, 1);
    // The conversion set the record up for the year shown.
    annee_montree_.annee = annee_;
    annee_montree_.nb_mois = moteur_.nb_mois;
    annee_montree_.longueurs = moteur_.longueur_mois_hebr;
    return moteur_.jour_semaine;
}

void GrilleMoisHebreu::applique(int annee, int mois, int jour)
{
    annee_ = annee;
    mois_ = mois;
    jour_ = std::clamp(jour, 1, jours_du_mois(annee_, mois_));
    date_changee();
    met_a_jour();
}

bool GrilleMoisHebreu::setHYear(int annee)
{
    if (annee == annee_ || annee < premiere_annee) {
        return false;
    }
    applique(annee, mois_existant(annee, mois_, false), jour_);
    return true;
}

bool GrilleMoisHebreu::setHMonth(int mois)
{
    if (mois > 13 || mois == mois_) {
        return false;
    }
    if (mois <= 0) {
        if (annee_ <= premiere_annee) {
            return false;
        }
        applique(annee_ - 1, 13, jour_);
        return true;
    }
    applique(annee_, mois_existant(annee_, mois, mois > mois_), jour_);
    return true;
}

bool GrilleMoisHebreu::setHDay(int jour)
{
    if (jour == jour_) {
        return false;
    }
    if (jour > jours_ce_mois()) {
        const MoisHebreu suivant = mois_suivant({annee_, mois_});
        applique(suivant.annee, suivant.mois, 1);
    } else if (jour <= 0) {
        const MoisHebreu precedent = mois_precedent({annee_, mois_});
        if (precedent.annee < premiere_annee) {
            return false;
        }
        applique(precedent.annee, precedent.mois, jours_du_mois(precedent.annee, precedent.mois));
    } else {
        applique(annee_, mois_, jour);
    }
    return true;
}

void GrilleMoisHebreu::setDate(const DateHebraique& d)
{
    const int a = std::max(d.annee, premiere_annee);
    applique(a, mois_existant(a, std::clamp(d.mois, 1, 13), false), d.jour);
}

bool GrilleMoisHebreu::recule_mois()
{
    if (annee_ == premiere_annee && mois_ == 1) {
        return false;
    }
    const MoisHebreu precedent = mois_precedent({annee_, mois_});
    applique(precedent.annee, precedent.mois, jour_);
    return true;
}

bool GrilleMoisHebreu::avance_mois()
{
    const MoisHebreu suivant = mois_suivant({annee_, mois_});
    applique(suivant.annee, suivant.mois, jour_);
    return true;
}

bool GrilleMoisHebreu::recule_annee()
{
    return setHYear(annee_ - 1);
}

bool GrilleMoisHebreu::avance_annee()
{
    return setHYear(annee_ + 1);
}

std::string GrilleMoisHebreu::texte_date() const
{
    return std::to_string(jour_) + ' ' +
           std::string(nom_mois_hebreu(mois_, est_bissextile(annee_))) + ' ' +
           std::to_string(annee_);
}

} // namespace orvane::engine
