#include "gui/widgets/tg_calendar.h"

namespace orvane::gui
{

TGCalendar::TGCalendar(const platform::Clock& horloge, QWidget* parent)
    : MonthGridView(parent), civil_(horloge)
{
}

void TGCalendar::setYear(int annee)
{
    apres_changement(civil_.setYear(annee));
}

void TGCalendar::setMonth(int mois)
{
    apres_changement(civil_.setMonth(mois));
}

void TGCalendar::setDay(int jour)
{
    apres_changement(civil_.setDay(jour));
}

void TGCalendar::setDate(const engine::DateCivile& d)
{
    civil_.setDate(d);
    apres_changement(true);
}

} // namespace orvane::gui
