#include "gui/events/events_menu.h"

#include "gui/events/divers_window.h"
#include "gui/events/festivals_window.h"
#include "gui/events/omer_window.h"
#include "gui/events/year_type_window.h"
#include "gui/events/yovel_window.h"
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

struct EntreeDivers {
    const char* nom;
    const char* texte;
    events::ModeDivers mode;
};

void ajoute_entrees_divers(QMenu* menu, TFMainForm& fenetre, shell::AppContext& ctx,
                           std::initializer_list<EntreeDivers> entrees)
{
    for (const EntreeDivers& e : entrees) {
        QAction* a = menu->addAction(QString::fromUtf8(e.texte));
        a->setObjectName(e.nom);
        QObject::connect(a, &QAction::triggered, &fenetre,
                         [&fenetre, &ctx, m = e.mode] { ouvre<Tdivers>(fenetre, ctx, m); });
    }
}

// The tables of the "Divers" window under "Divers", "Analyse" and the
// Bar-Mitsva menu.
void ajoute_menus_divers(TFMainForm& fenetre, shell::AppContext& ctx)
{
    using M = events::ModeDivers;
    QMenu* divers = fenetre.menu(QStringLiteral("Divers"));
    ajoute_entrees_divers(divers, fenetre, ctx,
                          {{"Moladot", "Moladot", M::moladot},
                           {"Tekoufot", "Tékoufot", M::tekoufot},
                           {"RacheHodachim", "Rachè-'Hodachim", M::roch_hodech},
                           {"BirkatHalevana", "Birkat Halevana", M::levana},
                           {"BirkatHahama", "Birkat Ha'hama", M::hahama},
                           {"GuechamimTal", "Guéchamim/Tal", M::guechamim}});
    QMenu* autres = divers->addMenu(QStringLiteral("Autres événements"));
    autres->setObjectName("AutresEvenements");
    ajoute_entrees_divers(
        autres, fenetre, ctx,
        {{"MariagesInterdits", "Dates des mariages interdits", M::mariages},
         {"VisitesCimetiere", "Visites au cimetière", M::visites},
         {"VisitesInterdites", "Visites interdites au cimetière", M::visites_interdites}});
    QAction* yovel =
        divers->addAction(QStringLiteral("Chemita / Yovel     ( Année sabbatique et jubilé )"));
    yovel->setObjectName("ChemitaYovel");
    QObject::connect(yovel, &QAction::triggered, &fenetre,
                     [&fenetre, &ctx] { ouvre<TFYovel>(fenetre, ctx); });
    QAction* omer = divers->addAction(QStringLiteral("Compte du Omer    ( Supputation du 'Omer )"));
    omer->setObjectName("CompteOmer");
    QObject::connect(omer, &QAction::triggered, &fenetre,
                     [&fenetre, &ctx] { ouvre<Tfomer>(fenetre, ctx); });
    ajoute_entrees_divers(fenetre.menu(QStringLiteral("Analyse")), fenetre, ctx,
                          {{"TableauTypes", "Tableau de types", M::tableau_types},
                           {"TypesAnnees", "Types des années", M::types_annees},
                           {"Series61", "Les 61 séries", M::series_61},
                           {"TableauCycles", "Tableau cycles / séries", M::tableau_cycles},
                           {"ListeCycles", "Liste cycles / séries", M::liste_cycles}});
    ajoute_entrees_divers(
        fenetre.menu(QStringLiteral("Anniversaires / Bar-Mitsva")), fenetre, ctx,
        {{"CeremoniesBarMitsva", "Cérémonies de Bar-Mitsva", M::ceremonies_bar_mitsva}});
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
    ajoute_menus_divers(fenetre, ctx);
}

} // namespace orvane::gui
