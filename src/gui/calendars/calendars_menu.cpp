#include "gui/calendars/calendars_menu.h"

#include "gui/calendars/civil_calendar_window.h"
#include "gui/calendars/hebrew_calendar_window.h"
#include "gui/calendars/moon_window.h"
#include "gui/shell/main_form/moon_panel.h"
#include "gui/shell/main_window.h"

#include <QAction>
#include <QMenu>

namespace orvane::gui
{

void ouvre_conversion(TFMainForm& fenetre, shell::AppContext& ctx)
{
    fenetre.libere_fenetres();
    auto* civil = new TFNCH1(ctx, &fenetre);
    civil->setAttribute(Qt::WA_DeleteOnClose);
    auto* hebreu = new TFHebr1(ctx, civil->date_hebraique(), &fenetre);
    hebreu->setAttribute(Qt::WA_DeleteOnClose);
    civil->lie_a(hebreu);
    hebreu->lie_a(civil);
    civil->show();
    hebreu->show();
    hebreu->move(civil->frameGeometry().topRight());
}

void ouvre_lune(TFMainForm& fenetre, shell::AppContext& ctx)
{
    fenetre.libere_fenetres();
    auto* lune = new TFLune(ctx, fenetre.panneau().date_hebraique().jour, &fenetre);
    lune->setAttribute(Qt::WA_DeleteOnClose);
    lune->show();
}

void ajoute_menus_calendriers(TFMainForm& fenetre, shell::AppContext& ctx)
{
    QAction* conversion = fenetre.menu(QStringLiteral("Dates"))
                              ->addAction(QStringLiteral("Conversion  civile <===> hébraïque"));
    conversion->setObjectName("ConversionCivileHebraique");
    QObject::connect(conversion, &QAction::triggered, &fenetre,
                     [&fenetre, &ctx] { ouvre_conversion(fenetre, ctx); });
    QAction* lune = fenetre.menu(QStringLiteral("Divers"))
                        ->addAction(QStringLiteral("Phases de la lune   ( Animation )"));
    lune->setObjectName("PhasesLune");
    QObject::connect(lune, &QAction::triggered, &fenetre,
                     [&fenetre, &ctx] { ouvre_lune(fenetre, ctx); });
    if (auto* panneau = fenetre.findChild<PanneauLune*>("PanneauLune")) {
        QObject::connect(panneau, &PanneauLune::clique, &fenetre,
                         [&fenetre, &ctx] { ouvre_lune(fenetre, ctx); });
    }
}

} // namespace orvane::gui
