#include "gui/widgets/th_calend.h"

namespace orvane::gui
{

THCalend::THCalend(const platform::Clock& horloge, QWidget* parent)
    : MonthGridView(parent), hebreu_(horloge)
{
}

void THCalend::setHYear(int annee)
{
    apres_changement(hebreu_.setHYear(annee));
}

void THCalend::setHMonth(int mois)
{
    apres_changement(hebreu_.setHMonth(mois));
}

void THCalend::setHDay(int jour)
{
    apres_changement(hebreu_.setHDay(jour));
}

void THCalend::setDate(const engine::DateHebraique& d)
{
    hebreu_.setDate(d);
    apres_changement(true);
}

void THCalend::recule_mois()
{
    apres_changement(hebreu_.recule_mois());
}

void THCalend::avance_mois()
{
    apres_changement(hebreu_.avance_mois());
}

void THCalend::recule_annee()
{
    apres_changement(hebreu_.recule_annee());
}

void THCalend::avance_annee()
{
    apres_changement(hebreu_.avance_annee());
}

} // namespace orvane::gui
