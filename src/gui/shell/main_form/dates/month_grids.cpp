#include "gui/shell/main_form/dates/month_grids.h"

#include "gui/common/fonts.h"
#include "gui/widgets/tg_calendar.h"
#include "gui/widgets/th_calend.h"
#include "shell/main_form/conversion_panel.h"

#include <QHBoxLayout>

namespace orvane::gui
{

GrillesDuMois::GrillesDuMois(const shell::PanneauConversion& modele, const platform::Clock& horloge,
                             QWidget* parent)
    : QWidget(parent), modele_(modele)
{
    cree_grilles(horloge);
    connect(GCalendar1, &TGCalendar::changed, this, &GrillesDuMois::GCalendar1Change);
    connect(HCalend1, &THCalend::changed, this, &GrillesDuMois::HCalend1Change);
}

void GrillesDuMois::cree_grilles(const platform::Clock& horloge)
{
    GCalendar1 = new TGCalendar(horloge, this);
    GCalendar1->setObjectName("GCalendar1");
    HCalend1 = new THCalend(horloge, this);
    HCalend1->setObjectName("HCalend1");
    for (MonthGridView* g :
         {static_cast<MonthGridView*>(GCalendar1), static_cast<MonthGridView*>(HCalend1)}) {
        g->setMinimumSize(180, 120);
        g->setFont(police_fixe(8));
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(GCalendar1);
    layout->addWidget(HCalend1);
}

void GrillesDuMois::deplace()
{
    {
        const QSignalBlocker bloque(GCalendar1);
        GCalendar1->setDate(modele_.date_civile());
    }
    const QSignalBlocker bloque(HCalend1);
    HCalend1->setDate(modele_.date_hebraique());
}

void GrillesDuMois::GCalendar1Change()
{
    const engine::DateCivile d{GCalendar1->Year(), GCalendar1->Month(), GCalendar1->Day()};
    if (d.annee == modele_.annee_civile() && d.mois == modele_.mois_civil()) {
        emit jour_civil_choisi(d.jour);
        return;
    }
    emit date_civile_choisie(d);
}

void GrillesDuMois::HCalend1Change()
{
    const engine::DateHebraique d{HCalend1->HYear(), HCalend1->HMonth(), HCalend1->HDay()};
    if (d.annee == modele_.annee_hebr() && d.mois == modele_.mois_hebr()) {
        emit jour_hebreu_choisi(d.jour);
        return;
    }
    emit date_hebraique_choisie(d);
}

} // namespace orvane::gui
