// TFMainForm: the menu bar. Each entry whose window exists opens it after
// freeing the other secondary windows; the entries of the windows still to
// come are not shown.
#include "gui/calendars/calendars_menu.h"
#include "gui/documents/calendar_window.h"
#include "gui/events/events_menu.h"
#include "gui/records/records_menu.h"
#include "gui/reference/glossary_menu.h"
#include "gui/shell/desktop_opener.h"
#include "gui/shell/help_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/places_editor_window.h"
#include "gui/tables/zmanim_window.h"
#include "places/dst.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/main_form/help_documents.h"

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

QAction* entree(QMenu* m, const QString& texte, const char* nom)
{
    QAction* a = m->addAction(texte);
    a->setObjectName(nom);
    return a;
}

/// An entry with a check mark.
QAction* entree_cochable(QMenu* m, const QString& texte, const char* nom)
{
    QAction* a = entree(m, texte, nom);
    a->setCheckable(true);
    return a;
}

} // namespace

void TFMainForm::cree_menus()
{
    // The menus stand in this order whichever window's file fills them.
    for (const char* titre : {"&Fichier", "Dates", "Horaires", "Calendriers", "Fêtes juives",
                              "Divers", "Anniversaires / Bar-Mitsva", "Glossaire", "Analyse",
                              "Systeme solaire / Explications", "Mise à jour"}) {
        (void)menu(QString::fromUtf8(titre));
    }
    cree_menu_fichier();
    cree_menu_horaires();
    cree_menu_calendriers();
    ajoute_menus_fiches(*this, ctx_);
    ajoute_menus_evenements(*this, ctx_);
    ajoute_menus_bases(*this, ctx_);
    ajoute_menus_calendriers(*this, ctx_);
    ajoute_menu_glossaire(*this, ctx_);
    cree_menu_explications();
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
    menu_diaspora_ = entree_cochable(fichier, QStringLiteral("Diaspora"), "MenuDiaspora");
    menu_israel_ = entree_cochable(fichier, QStringLiteral("Israel"), "MenuIsrael");
    connect(menu_diaspora_, &QAction::triggered, this, &TFMainForm::MenuDiasporaClick);
    connect(menu_israel_, &QAction::triggered, this, &TFMainForm::MenuIsraelClick);
    fichier->addSeparator();
    cree_menu_modes(fichier);
    fichier->addSeparator();
    fichier->addAction("&Quitter", QKeySequence::Quit, qApp, &QApplication::closeAllWindows);
}

void TFMainForm::cree_menu_modes(QMenu* fichier)
{
    menu_avec_changement_ = entree_cochable(
        fichier, QStringLiteral("Avec changement d'heure été/hiver"), "AvecChangement");
    menu_hiver_ =
        entree_cochable(fichier, QStringLiteral("Heure hiver toute l'année"), "HiverToutelAnnee");
    menu_ete_ =
        entree_cochable(fichier, QStringLiteral("Heure d'été toute l'année"), "EteToutelAnnee");
    connect(menu_avec_changement_, &QAction::triggered, this, &TFMainForm::AvecChangementClick);
    connect(menu_hiver_, &QAction::triggered, this, &TFMainForm::HiverToutelAnneeClick);
    connect(menu_ete_, &QAction::triggered, this, &TFMainForm::EteToutelAnneeClick);
    coche_modes_horaires();
}

void TFMainForm::cree_menu_horaires()
{
    QAction* horaires =
        entree(menu("Horaires"), QStringLiteral("Horaires en tous lieux du globe ... Zemanim"),
               "Horaires1");
    connect(horaires, &QAction::triggered, this, &TFMainForm::ouvre_horaires);
    QAction* lieux = menu("Horaires")->addAction("Lieux géographiques (Ajouter ou supprimer)");
    lieux->setObjectName("Lieux1");
    connect(lieux, &QAction::triggered, this, &TFMainForm::Lieux1Click);
}

void TFMainForm::cree_menu_explications()
{
    QMenu* explications = menu(QStringLiteral("Systeme solaire / Explications"));
    int numero = 0;
    for (const shell::DocumentAide& d : shell::documents_aide) {
        QAction* a = explications->addAction(
            QString::fromUtf8(d.titre.data(), static_cast<qsizetype>(d.titre.size())));
        a->setObjectName(QStringLiteral("Explication%1").arg(++numero));
        connect(a, &QAction::triggered, this, [this, &d] { montre_document(d); });
    }
}

void TFMainForm::montre_document(const shell::DocumentAide& document)
{
    libere_fenetres();
    try {
        const std::vector<std::string> lignes =
            shell::lignes_du_document(ctx_.repertoire, document);
        auto* fenetre = new FenetreAide(
            QString::fromUtf8(document.titre.data(), static_cast<qsizetype>(document.titre.size())),
            lignes, dialogues_.imprime, this);
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        fenetre->show();
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
}

void TFMainForm::cree_menu_calendriers()
{
    QMenu* calendriers = menu(QStringLiteral("Calendriers"));
    connect(entree(calendriers, QStringLiteral("Civil ---> Hébreu "), "CalendrierCivil"),
            &QAction::triggered, this, [this] { ouvre_calendrier(documents::SensFenetre::civil); });
    connect(entree(calendriers, QStringLiteral("Hébreu --> Civil"), "CalendrierHebreu"),
            &QAction::triggered, this,
            [this] { ouvre_calendrier(documents::SensFenetre::hebreu); });
    // The annual calendar window in its two Bar-Mitsva modes.
    QMenu* bar_mitsva = menu(QStringLiteral("Anniversaires / Bar-Mitsva"));
    connect(entree(bar_mitsva, QStringLiteral("Calendrier des Bar-Mitsvot"), "CalendrierBarMitsva"),
            &QAction::triggered, this,
            [this] { ouvre_calendrier(documents::SensFenetre::bar_mitsva_calendrier); });
    connect(entree(bar_mitsva, QStringLiteral("Tableau des Bar_Mitsvot"), "TableauBarMitsva"),
            &QAction::triggered, this,
            [this] { ouvre_calendrier(documents::SensFenetre::bar_mitsva_tableau); });
}

void TFMainForm::ouvre_horaires()
{
    libere_fenetres();
    auto* fenetre = new TFcalcH(ctx_, this);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
}

void TFMainForm::ouvre_calendrier(documents::SensFenetre sens)
{
    libere_fenetres();
    auto* fenetre = new TFCivHebr(ctx_, sens, this);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
}

void TFMainForm::cree_menu_aide()
{
    QAction* a_propos = entree(menu(QStringLiteral("Mise à jour")), "A propos...", "APropos1");
    connect(a_propos, &QAction::triggered, this, &TFMainForm::APropos1Click);
}

void TFMainForm::MenuDiasporaClick()
{
    choisit_diaspora(true, true);
}

void TFMainForm::MenuIsraelClick()
{
    choisit_diaspora(false, true);
}

void TFMainForm::AvecChangementClick()
{
    choisit_mode_horaire(config::mode_avec_changement);
}

void TFMainForm::HiverToutelAnneeClick()
{
    choisit_mode_horaire(config::mode_hiver_toute_l_annee);
}

void TFMainForm::EteToutelAnneeClick()
{
    choisit_mode_horaire(config::mode_ete_toute_l_annee);
}

void TFMainForm::Lieux1Click()
{
    libere_fenetres();
    auto* fenetre = new TFNLieux(ctx_, this);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
}

void TFMainForm::APropos1Click()
{
    dialogues_.information("Orvane\rCalendrier hébraïque et horaires de la journée juive\r"
                           "Version " ORVANE_VERSION);
}

void TFMainForm::coche_modes_horaires()
{
    const config::CochesModeHoraire& c = ctx_.options.coches;
    menu_avec_changement_->setChecked(c.avec_changement);
    menu_hiver_->setChecked(c.hiver);
    menu_ete_->setChecked(c.ete);
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
