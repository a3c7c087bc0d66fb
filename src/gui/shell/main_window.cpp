// TFMainForm: creation, layout of the panels, first showing, the clock and
// the automatic return to today, the secondary windows and the caption.
#include "gui/shell/main_window.h"

#include "engine/date_texts.h"
#include "gui/common/mnemonics.h"
#include "gui/common/question.h"
#include "gui/shell/day_page_view.h"
#include "gui/shell/main_form/dates/anniversaries_panel.h"
#include "gui/shell/main_form/dates/bar_mitsva_panel.h"
#include "gui/shell/main_form/dates/conversion_boxes.h"
#include "gui/shell/main_form/dates/month_grids.h"
#include "gui/shell/main_form/dates/return_line.h"
#include "gui/shell/main_form/day/day_texts_panel.h"
#include "gui/shell/main_form/day/place_panel.h"
#include "gui/shell/main_form/day/times_panel.h"
#include "gui/shell/main_form/day/year_characteristics_panel.h"
#include "gui/shell/main_form/top_band.h"
#include "gui/shell/main_form/year_panel.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/main_form/caption.h"
#include "shell/main_form/clock_line.h"
#include "shell/startup.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QString qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

} // namespace

DialoguesPrincipaux DialoguesPrincipaux::de_qt(QWidget* parent)
{
    DialoguesPrincipaux d;
    d.confirme = [parent](const std::string& m) {
        return repond_oui(parent, QStringLiteral("Confirmation"), m, Reponses::oui_annuler);
    };
    d.erreur = [parent](const std::string& m) {
        QMessageBox::critical(parent, QStringLiteral("Erreur"), qs(m));
    };
    d.information = [parent](const std::string& m) {
        QMessageBox::information(parent, QStringLiteral("Information"), qs(m));
    };
    d.choix_enregistrement = choix_fichier_par_dialogue(parent);
    d.choix_enregistrement_page = choix_fichier_par_dialogue(parent, filtres_rtf_et_texte);
    d.imprime = [parent](const TexteAImprimer& t) { return imprime_avec_dialogue(parent, t); };
    d.choix_ouverture = [parent]() -> std::optional<std::string> {
        // Every file shows at first: the program's own outputs are text files
        // and pages as often as RTF documents.
        QString filtre = QStringLiteral("Tous les fichiers (*)");
        const QString f = QFileDialog::getOpenFileName(
            parent, QStringLiteral("Ouvrir"), QDir::currentPath(),
            QStringLiteral("Fichiers RichEdit (*.rtf);;Fichiers Texte (*.txt);;Documents Word "
                           "(*.doc);;Tous les fichiers (*);;Fichiers graphiques (*.GIF);;Fichiers "
                           "Graph. TIF (*.TIF)"),
            &filtre);
        if (f.isEmpty()) {
            return std::nullopt;
        }
        return f.toStdString();
    };
    return d;
}

TFMainForm::TFMainForm(shell::AppContext& ctx, QWidget* parent)
    : TFMainForm(ctx, DialoguesPrincipaux::de_qt(nullptr), parent)
{
    dialogues_ = DialoguesPrincipaux::de_qt(this);
}

TFMainForm::TFMainForm(shell::AppContext& ctx, DialoguesPrincipaux dialogues, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), dialogues_(std::move(dialogues)),
      panneau_(engine::DateCivile{ctx.horloge->today().annee, ctx.horloge->today().mois,
                                  ctx.horloge->today().jour})
{
    setObjectName("FMainForm");
    const shell::ResultatCreation creation = shell::etape_creation(
        ctx_.repertoire, *ctx_.horloge, ctx_.engine, ctx_.options, dialogues_.confirme);
    doit_quitter_ = !creation.continuer;
    for (const std::string& erreur : creation.erreurs) {
        dialogues_.erreur(erreur);
    }
    cree_fenetre();
    connecte_dates();
    connecte_lieu();
    connecte_page();
    cree_menus();
    applique_dates_du_jour();
    titre_fenetre();
    cree_minuteries();
    resize(1366, 740);
    donne_mnemoniques(menuBar());
    donne_mnemoniques(this);
}

TFMainForm::~TFMainForm() = default;

QMenu* TFMainForm::menu(const QString& title)
{
    for (QMenu* m : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        // The letter marks of keyboard access are not part of the name.
        if (QString(m->title()).remove('&') == QString(title).remove('&')) {
            return m;
        }
    }
    return menuBar()->addMenu(title);
}

QWidget* TFMainForm::cree_panneaux()
{
    // Below 33 parts of this width the window scrolls instead of squeezing.
    constexpr int largeur_par_part = 36;
    auto* colonne1 = new QVBoxLayout;
    colonne1->addWidget(conversion_ = new BoitesConversion(panneau_));
    colonne1->addWidget(retour_ = new LigneRetour);
    colonne1->addWidget(grilles_ = new GrillesDuMois(panneau_, *ctx_.horloge), 1);
    colonne1->addWidget(anniversaires_ = new PanneauAnniversaires);
    colonne1->addWidget(bar_mitsva_ = new PanneauBarMitsva);
    auto* colonne2 = new QVBoxLayout;
    colonne2->addWidget(textes_ = new PanneauTextesDuJour);
    colonne2->addWidget(caracteristiques_ = new PanneauCaracteristiques);
    colonne2->addWidget(annee_ = new PanneauAnnee, 1);
    auto* colonne3 = new QVBoxLayout;
    colonne3->addWidget(lieu_ = new PanneauLieu);
    colonne3->addWidget(horaires_ = new PanneauHoraires, 1);

    // The columns share the width 10 : 11 : 12 whatever they show, so that
    // no text, short or long, moves the others.
    auto* colonnes = new QHBoxLayout;
    int numero = 0;
    for (auto [colonne, part] : {std::pair{colonne1, 10}, {colonne2, 11}, {colonne3, 12}}) {
        auto* cadre = new QWidget;
        cadre->setObjectName(QStringLiteral("Colonne%1").arg(++numero));
        cadre->setLayout(colonne);
        colonne->setContentsMargins(0, 0, 0, 0);
        cadre->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        cadre->setMinimumWidth(part * largeur_par_part);
        colonnes->addWidget(cadre, part);
    }
    auto* contenu = new QWidget;
    contenu->setObjectName("PanneauxPrincipaux");
    auto* layout = new QVBoxLayout(contenu);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(bandeau_ = new BandeauPrincipal);
    layout->addLayout(colonnes, 1);
    return contenu;
}

void TFMainForm::cree_fenetre()
{
    QWidget* contenu = cree_panneaux();
    // Below 1366 × 768 the panels scroll rather than overlap.
    auto* defilement = new QScrollArea;
    defilement->setObjectName("Defilement");
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setWidget(contenu);
    vue_page_ = new PageDuJourVue;
    pile_ = new QStackedWidget;
    pile_->addWidget(defilement);
    pile_->addWidget(vue_page_);
    setCentralWidget(pile_);
}

void TFMainForm::cree_minuteries()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFMainForm::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(60 * 1000);
    connect(Timer2, &QTimer::timeout, this, &TFMainForm::Timer2Timer);
}

engine::DateCivile TFMainForm::aujourdhui() const
{
    const platform::LocalDate d = ctx_.horloge->today();
    return {d.annee, d.mois, d.jour};
}

bool TFMainForm::montre_aujourdhui() const
{
    return panneau_.valide() && panneau_.date_civile() == aujourdhui();
}

void TFMainForm::applique_dates_du_jour()
{
    engine::lit_aujourdhui(ctx_.engine, *ctx_.horloge);
    engine::CalendarEngine e;
    bandeau_->montre_dates_du_jour(engine::ecrit_dates_du_jour(e, *ctx_.horloge));
}

void TFMainForm::titre_fenetre()
{
    setWindowTitle(qs(shell::titre_fenetre(*ctx_.horloge, ctx_.options.mode_horaire)));
}

void TFMainForm::montre_erreur_fichier(const std::exception& e)
{
    dialogues_.erreur(e.what());
}

void TFMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    premier_affichage();
}

void TFMainForm::premier_affichage()
{
    if (affiche_) {
        return;
    }
    affiche_ = true;
    horaires_->efface_liste();
    affiche_etoiles();
    // The panel on today; the date boxes are written, not typed.
    panneau_.montre_date_civile(aujourdhui());
    conversion_->ecrit();
    grilles_->deplace();
    titre_fenetre();
    try {
        remplit_lieux();
        applique_lieu_accueil();
        config::lit_options_affichage(ctx_.repertoire, ctx_.options,
                                      places::est_israel(ctx_.lieu_courant.pays));
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
    choisit_diaspora(ctx_.options.diaspora, false);
    // The year panel and the Bar-Mitsva reading follow the Diaspora choice.
    annee_->ecrit_annee(panneau_.annee_hebr());
    SpinEdit1Change(panneau_.annee_hebr());
    date_bar_mitsva();
    anniversaires_->ecrit_titre();
    anniversaires_suivants();
    page_prete_ = true;
    calcule_jour();
    lieu_->montre_etiquette_horaire();
    montre_retour();
    Timer1Timer(); // the clock shows at once, not a second later
    Timer1->start();
}

void TFMainForm::Timer1Timer()
{
    const platform::LocalTime t = ctx_.horloge->now();
    bandeau_->montre_heure(t);
    affiche_etoiles();
    if (page_prete_ && panneau_.valide() && page_.jour.a_des_horaires()) {
        horaires_->place_marqueur(page_.jour, shell::secondes_du_jour(t));
    }
    if (shell::heure_pleine(t)) {
        applique_dates_du_jour();
        titre_fenetre();
        // A date the user changed less than ten minutes ago stays (the
        // ten-minute count brings it back); one that followed today moves on.
        if (!Timer2->isActive()) {
            revient_aujourdhui();
        }
        lieu_->montre_etiquette_horaire();
    }
    lieu_->boutons_correction();
}

void TFMainForm::Timer2Timer()
{
    if (!page_prete_ || montre_aujourdhui()) {
        Timer2->stop();
        minutes_sans_changement_ = 0;
        return;
    }
    if (++minutes_sans_changement_ >= 10) {
        revient_aujourdhui();
    }
}

void TFMainForm::ferme_page()
{
    pile_->setCurrentIndex(0);
    annee_->reduit_liste();
}

void TFMainForm::libere_fenetres()
{
    const auto enfants = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* w : enfants) {
        if (w->isWindow() && qobject_cast<QMenu*>(w) == nullptr) {
            w->close();
            delete w;
        }
    }
    if (const auto annee = shell::lit_fichier_annee(ctx_.repertoire, "annee_h")) {
        ctx_.annee_choisie = *annee;
    }
    pile_->setCurrentIndex(0);
}

void TFMainForm::closeEvent(QCloseEvent* event)
{
    try {
        shell::ecrit_choix_diaspora(ctx_.repertoire, ctx_.options.diaspora);
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
    libere_fenetres();
    Timer1->stop();
    Timer2->stop();
    event->accept();
}

} // namespace orvane::gui
