#include "gui/reference/glossary_menu.h"

#include "gui/reference/glossary_window.h"
#include "gui/shell/main_window.h"

#include <QAction>
#include <QMenu>

namespace orvane::gui
{

void ajoute_menu_glossaire(TFMainForm& fenetre, shell::AppContext& ctx)
{
    QAction* rubriques = fenetre.menu(QStringLiteral("Glossaire"))
                             ->addAction(QStringLiteral("Rubriques - Principes du calendrier"));
    rubriques->setObjectName("Rubriques1");
    QObject::connect(rubriques, &QAction::triggered, &fenetre, [&fenetre, &ctx] {
        fenetre.libere_fenetres();
        auto* f = new TFGlos2(ctx, &fenetre);
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
    });
}

} // namespace orvane::gui
