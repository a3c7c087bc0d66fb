// TFMainForm: the menu bar. Each entry whose window exists opens it after
// freeing the other secondary windows; the entries of the windows still to
// come are not shown.
#include "gui/events/events_menu.h"
#include "gui/shell/desktop_opener.h"
#include "gui/shell/main_window.h"
#include "gui/shell/places_editor_window.h"
#include "places/dst.h"
#include "platform/file_error.h"
#include "shell/app_context.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "0"
#endif

namespace orvane::gui
{

namespace
{

constexpr std::array<std::string_view, 3> modes_horaires = {
    config::mode_avec_changement, config::mode_hiver_toute_l_annee, config::mode_ete_toute_l_annee};

QAction* entree(QMenu* m, const QString& texte, const char* nom)
{
    QAction* a = m->addAction(texte);
    a->setObjectName(nom);
    return a;
}

} // namespace

void TFMainForm::cree_menus()
{
    cree_menu_fichier();
    cree_menu_horaires();
    ajoute_menus_evenements(*this, ctx_);
    cree_menu_aide();
}

void TFMainForm::cree_menu_fichier()
{
    QMenu* fichier = menu("&Fichier");
    connect(entree(fichier, QStringLiteral("&Ouvrir"), "Ouvrir1"), &QAction::triggered, this,
            &TFMainForm::ouvre_fichier);
    connect(entree(fichier, QStringLiteral("Imprimer la page d'accueil"), "ImprimerPageAccueil"),
            &QAction::triggered, this, &TFMainForm::imprime_page);
    fichier->addSeparator();
    menu_diaspora_ = entree(fichier, QStringLiteral("Diaspora"), "MenuDiaspora");
    menu_israel_ = entree(fichier, QStringLiteral("Israel"), "MenuIsrael");
    for (QAction* a : {menu_diaspora_, menu_israel_}) {
        a->setCheckable(true);
    }
    connect(menu_diaspora_, &QAction::triggered, this, [this] { choisit_diaspora(true, true); });
    connect(menu_israel_, &QAction::triggered, this, [this] { choisit_diaspora(false, true); });
    fichier->addSeparator();
    const std::array<std::pair<QString, const char*>, 3> modes = {{
        {QStringLiteral("Avec changement d'heure été/hiver"), "AvecChangement"},
        {QStringLiteral("Heure hiver toute l'année"), "HiverToutelAnnee"},
        {QStringLiteral("Heure d'été toute l'année"), "EteToutelAnnee"},
    }};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        menus_modes_[i] = entree(fichier, modes[i].first, modes[i].second);
        menus_modes_[i]->setCheckable(true);
        connect(menus_modes_[i], &QAction::triggered, this,
                [this, i] { choisit_mode_horaire(modes_horaires[i]); });
    }
    coche_modes_horaires();
    fichier->addSeparator();
    fichier->addAction("&Quitter", QKeySequence::Quit, qApp, &QApplication::closeAllWindows);
}

void TFMainForm::cree_menu_horaires()
{
    QAction* lieux = menu("Horaires")->addAction("Lieux géographiques (Ajouter ou supprimer)");
    lieux->setObjectName("Lieux1");
    connect(lieux, &QAction::triggered, this, [this] {
        libere_fenetres();
        auto* fenetre = new TFNLieux(ctx_, this);
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        fenetre->show();
    });
}

void TFMainForm::cree_menu_aide()
{
    QAction* a_propos = entree(menu(QStringLiteral("Mise à jour")), "A propos...", "APropos1");
    connect(a_propos, &QAction::triggered, this, [this] {
        dialogues_.information("Orvane\rCalendrier hébraïque et horaires de la journée juive\r"
                               "Version " ORVANE_VERSION);
    });
}

void TFMainForm::coche_modes_horaires()
{
    const config::CochesModeHoraire& c = ctx_.options.coches;
    menus_modes_[0]->setChecked(c.avec_changement);
    menus_modes_[1]->setChecked(c.hiver);
    menus_modes_[2]->setChecked(c.ete);
}

void TFMainForm::choisit_mode_horaire(std::string_view mode)
{
    try {
        if (config::change_mode_horaire(ctx_.repertoire, ctx_.options, mode, dialogues_.confirme)) {
            titre_fenetre();
            calcule_jour();
        }
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
    coche_modes_horaires();
}

void TFMainForm::ouvre_fichier()
{
    const std::optional<std::string> fichier = dialogues_.choix_ouverture();
    if (fichier) {
        ouvre_document(this, ctx_.repertoire, *fichier);
    }
}

} // namespace orvane::gui
