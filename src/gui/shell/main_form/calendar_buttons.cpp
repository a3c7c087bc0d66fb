#include "gui/shell/main_form/calendar_buttons.h"

#include "gui/common/named_button.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace orvane::gui
{

BoutonsCalendriers::BoutonsCalendriers(QWidget* parent) : QWidget(parent)
{
    setObjectName("BoutonsCalendriers");
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(bouton_nomme(this, "BoutonCalendrierCivil",
                                    QStringLiteral("Calendrier civil hébr"), this,
                                    &BoutonsCalendriers::calendrier_civil));
    colonne->addWidget(bouton_nomme(this, "BoutonCalendrierHebreu",
                                    QStringLiteral("Calendrier hébr civil"), this,
                                    &BoutonsCalendriers::calendrier_hebreu));
}

} // namespace orvane::gui
