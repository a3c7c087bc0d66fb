#include "gui/events/events_menu.h"

#include "gui/events/festivals_window.h"
#include "gui/events/year_type_window.h"
#include "gui/shell/main_window.h"

#include <QAction>
#include <QMenu>

namespace orvane::gui
{

namespace
{

template <class Fenetre, class... Args>
void ouvre(TFMainForm& parent, Args&&... args)
{
    parent.libere_fenetres();
    auto* f = new Fenetre(std::forward<Args>(args)..., &parent);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->show();
}

} // namespace

void ajoute_menus_evenements(TFMainForm& fenetre, shell::AppContext& ctx)
{
    QMenu* fetes = fenetre.menu(QStringLiteral("Fêtes juives"));
    const std::tuple<const char*, QString, events::ModeFetes> modes[] = {
        {"FetesSeules", QStringLiteral("Fêtes seules"), events::ModeFetes::fetes},
        {"JeunesSeuls", QStringLiteral("Jeûnes seuls"), events::ModeFetes::jeunes},
        {"FetesEtJeunes", QStringLiteral("Fêtes et Jeûnes"), events::ModeFetes::fetes_et_jeunes},
    };
    for (const auto& [nom, texte, mode] : modes) {
        QAction* a = fetes->addAction(texte);
        a->setObjectName(nom);
        QObject::connect(a, &QAction::triggered, &fenetre,
                         [&fenetre, &ctx, m = mode] { ouvre<TFFetes>(fenetre, ctx, m); });
    }
    QAction* siman = fenetre.menu(QStringLiteral("Divers"))
                         ->addAction(QStringLiteral("Siman de l'année    ( Type de l'année )"));
    siman->setObjectName("SimanAnnee");
    QObject::connect(siman, &QAction::triggered, &fenetre,
                     [&fenetre, &ctx] { ouvre<TFYEARTYP>(fenetre, ctx); });
}

} // namespace orvane::gui
