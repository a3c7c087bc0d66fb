#include "gui/records/records_menu.h"

#include "gui/records/consult_window.h"
#include "gui/records/event_window.h"
#include "gui/records/mailing_window.h"
#include "gui/records/table_window.h"
#include "gui/records/veldor_window.h"
#include "gui/shell/main_window.h"
#include "records/store/families.h"
#include "shell/app_context.h"

#include <QAction>
#include <QMenu>

namespace orvane::gui
{

namespace
{

// A database entry: hidden in the compatibility mode, where the records
// live in text files only.
template <class Fenetre>
void entree_de_base(TFMainForm& fenetre, shell::AppContext& ctx, const QString& texte,
                    const char* nom)
{
    QAction* a = fenetre.menu(QStringLiteral("Anniversaires / Bar-Mitsva"))->addAction(texte);
    a->setObjectName(nom);
    a->setVisible(!ctx.options.compatibilite);
    QObject::connect(a, &QAction::triggered, &fenetre, [&fenetre, &ctx] {
        if (ctx.options.compatibilite) {
            return;
        }
        fenetre.libere_fenetres();
        auto* f = new Fenetre(ctx, &fenetre);
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
    });
}

// A records window of one family: its text files in the compatibility
// mode, so the entry is shown in both modes.
void entree_de_famille(TFMainForm& fenetre, shell::AppContext& ctx, records::Famille famille,
                       const char* nom)
{
    const records::DescriptionFamille& d = records::description_famille(famille);
    QAction* a = fenetre.menu(QStringLiteral("Anniversaires / Bar-Mitsva"))
                     ->addAction(QString::fromUtf8(d.entree_menu.data(),
                                                   static_cast<int>(d.entree_menu.size())));
    a->setObjectName(nom);
    QObject::connect(a, &QAction::triggered, &fenetre, [&fenetre, &ctx, famille] {
        fenetre.libere_fenetres();
        auto* f = new TFVeldor(ctx, famille, &fenetre);
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
    });
}

} // namespace

void ajoute_menus_fiches(TFMainForm& fenetre, shell::AppContext& ctx)
{
    entree_de_famille(fenetre, ctx, records::Famille::evenement, "Anniversaires");
    entree_de_famille(fenetre, ctx, records::Famille::naissance, "BarMitsva");
    entree_de_famille(fenetre, ctx, records::Famille::deces, "Deces");
    entree_de_base<TFEvent>(fenetre, ctx, QStringLiteral("&Evénements divers"), "EvenementsDivers");
}

void ajoute_menus_bases(TFMainForm& fenetre, shell::AppContext& ctx)
{
    entree_de_base<TFReplace>(fenetre, ctx, QStringLiteral("&Mailing"), "Mailing");
    entree_de_base<TFmaint>(fenetre, ctx, QStringLiteral("Consultation de la base"),
                            "ConsultationBase");
    entree_de_base<TFConsult>(fenetre, ctx, QStringLiteral("Consultation par fiche"),
                              "ConsultationFiche");
}

} // namespace orvane::gui
