// TFMainForm: creation, layout of the panels, first showing, the clock and
// the automatic return to today, the secondary windows and the caption.
#include "gui/shell/main_window.h"

#include "engine/date_texts.h"
#include "gui/common/fonts.h"
#include "gui/common/result_area.h"
#include "gui/shell/day_page_view.h"
#include "gui/shell/day_pictures.h"
#include "gui/widgets/tg_calendar.h"
#include "gui/widgets/th_calend.h"
#include "places/dst_texts.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/main_form/caption.h"
#include "shell/main_form/clock_line.h"
#include "shell/main_form/main_panels.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
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

QMessageBox::StandardButton question(QWidget* parent, const std::string& texte)
{
    return QMessageBox::question(parent, QStringLiteral("Confirmation"), qs(texte),
                                 QMessageBox::Yes | QMessageBox::Cancel);
}

} // namespace

DialoguesPrincipaux DialoguesPrincipaux::de_qt(QWidget* parent)
{
    DialoguesPrincipaux d;
    d.confirme = [parent](const std::string& m) { return question(parent, m) == QMessageBox::Yes; };
    d.erreur = [parent](const std::string& m) {
        QMessageBox::critical(parent, QStringLiteral("Erreur"), qs(m));
    };
    d.information = [parent](const std::string& m) {
        QMessageBox::information(parent, QStringLiteral("Information"), qs(m));
    };
    d.choix_enregistrement = choix_fichier_par_dialogue(parent);
    d.imprime = [parent](const TexteAImprimer& t) { return imprime_avec_dialogue(parent, t); };
    d.choix_ouverture = [parent]() -> std::optional<std::string> {
        const QString f = QFileDialog::getOpenFileName(
            parent, QStringLiteral("Ouvrir"), QString(),
            QStringLiteral("Fichiers RichEdit (*.rtf);;Fichiers Texte (*.txt);;Documents Word "
                           "(*.doc);;Tous les fichiers (*);;Fichiers graphiques (*.GIF);;Fichiers "
                           "Graph. TIF (*.TIF)"));
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
    try {
        doit_quitter_ = !shell::etape_creation(ctx_.repertoire, *ctx_.horloge, ctx_.engine,
                                               ctx_.options, dialogues_.confirme);
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
    fichier_lieux_ = std::string(places::fichier_lieux_court);
    cree_fenetre();
    cree_menus();
    applique_dates_du_jour();
    titre_fenetre();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFMainForm::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(60 * 1000);
    connect(Timer2, &QTimer::timeout, this, &TFMainForm::Timer2Timer);
    resize(1366, 740);
}

TFMainForm::~TFMainForm() = default;

QMenu* TFMainForm::menu(const QString& title)
{
    for (QMenu* m : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (m->title() == title) {
            return m;
        }
    }
    return menuBar()->addMenu(title);
}

void TFMainForm::cree_fenetre()
{
    auto* colonne1 = new QVBoxLayout;
    colonne1->addWidget(cree_panneau_conversion());
    colonne1->addWidget(cree_retour());
    colonne1->addWidget(cree_grilles(), 1);
    colonne1->addWidget(cree_anniversaires());
    colonne1->addWidget(cree_bar_mitsva());
    auto* colonne2 = new QVBoxLayout;
    colonne2->addWidget(cree_textes_du_jour());
    colonne2->addWidget(cree_caracteristiques());
    colonne2->addWidget(cree_panneau_annee(), 1);
    auto* colonne3 = new QVBoxLayout;
    colonne3->addWidget(cree_panneau_lieu());
    colonne3->addWidget(cree_panneau_horaires(), 1);

    auto* colonnes = new QHBoxLayout;
    colonnes->addLayout(colonne1, 10);
    colonnes->addLayout(colonne2, 11);
    colonnes->addLayout(colonne3, 12);
    auto* contenu = new QWidget;
    contenu->setObjectName("PanneauxPrincipaux");
    auto* layout = new QVBoxLayout(contenu);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(cree_bandeau());
    layout->addLayout(colonnes, 1);

    // Below 1366 × 768 the panels scroll rather than overlap.
    auto* defilement = new QScrollArea;
    defilement->setObjectName("Defilement");
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setWidget(contenu);
    vue_page_ = new PageDuJourVue;
    connect(vue_page_, &PageDuJourVue::fermer, this, [this] {
        pile_->setCurrentIndex(0);
        memo1_grand_ = false;
        Memo1->setMaximumHeight(Memo1->minimumHeight() + 60);
    });
    connect(vue_page_, &PageDuJourVue::enregistrer, this, &TFMainForm::enregistre_page);
    connect(vue_page_, &PageDuJourVue::imprimer, this, &TFMainForm::imprime_page);
    pile_ = new QStackedWidget;
    pile_->addWidget(defilement);
    pile_->addWidget(vue_page_);
    setCentralWidget(pile_);
}

QWidget* TFMainForm::cree_bandeau()
{
    auto* bandeau = new QWidget;
    titre_ = new QLabel(QStringLiteral("Orvane"), bandeau);
    titre_->setObjectName("LabelTitre");
    QFont grand = titre_->font();
    grand.setPointSize(22);
    grand.setBold(true);
    titre_->setFont(grand);
    titre_->setStyleSheet(QStringLiteral("color: #1a3c8c;"));

    Label7 = new QLabel(bandeau);
    Label7->setObjectName("Label7");
    Label8 = new QLabel(bandeau);
    Label8->setObjectName("Label8");
    for (QLabel* l : {Label7, Label8}) {
        l->setFont(police_fixe(11, true));
        l->setStyleSheet(QStringLiteral("color: red;"));
    }
    auto* dates = new QVBoxLayout;
    dates->addWidget(Label7);
    dates->addWidget(Label8);

    Memo4 = new QLineEdit(bandeau);
    Memo4->setObjectName("Memo4");
    Memo4->setReadOnly(true);
    Memo4->setFont(police_fixe(14, true));
    Memo4->setMaximumWidth(120);
    Label46 = new QLabel(bandeau);
    Label46->setObjectName("Label46");
    Label46->setFont(police_fixe(9));
    Label46->setMinimumWidth(Label46->fontMetrics().horizontalAdvance(
        QStringLiteral("23 h 59 mn 59 sec = 23 h 1079.7 halakim ")));
    auto* horloge = new QVBoxLayout;
    horloge->addWidget(Memo4);
    horloge->addWidget(Label46);

    auto* layout = new QHBoxLayout(bandeau);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titre_);
    layout->addSpacing(16);
    layout->addLayout(dates);
    layout->addSpacing(16);
    layout->addLayout(horloge);
    layout->addStretch();
    layout->addWidget(cree_lune());
    layout->addWidget(cree_boutons_page());
    return bandeau;
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
    const engine::DatesDuJour d = engine::ecrit_dates_du_jour(e, *ctx_.horloge);
    Label7->setText(qs(d.ligne_date_civile));
    Label8->setText(qs(d.ligne_date_hebraique));
}

void TFMainForm::titre_fenetre()
{
    setWindowTitle(qs(shell::titre_fenetre(*ctx_.horloge, ctx_.options.mode_horaire)));
}

void TFMainForm::montre_erreur_fichier(const std::exception& e)
{
    dialogues_.erreur(e.what());
}

void TFMainForm::colore_paire(QPushButton* choisi, QPushButton* autre)
{
    choisi->setChecked(true);
    autre->setChecked(false);
    choisi->setStyleSheet(QStringLiteral("font-weight: bold; color: red;"));
    autre->setStyleSheet(QStringLiteral("font-weight: normal; color: blue;"));
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
    Memo2->efface();
    affiche_etoiles();
    // The panel on today, without running the handlers of the boxes.
    panneau_.montre_date_civile(aujourdhui());
    ecrit_boites();
    deplace_grilles();
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
    {
        const bool garde = garde_changement_;
        garde_changement_ = true;
        SpinEdit1->setValue(panneau_.annee_hebr());
        garde_changement_ = garde;
    }
    SpinEdit1Change(panneau_.annee_hebr());
    date_bar_mitsva();
    Edit10->setText(qs(shell::titre_anniversaires(SpinEdit7->value())));
    anniversaires_suivants();
    page_prete_ = true;
    calcule_jour();
    Label44->setText(qs(std::string(places::texte_etiquette_horaire(bouton_hiver_->isChecked()))));
    montre_retour();
    Timer1Timer(); // the clock shows at once, not a second later
    Timer1->start();
}

void TFMainForm::Timer1Timer()
{
    const platform::LocalTime t = ctx_.horloge->now();
    Memo4->setText(qs(shell::texte_heure(t)));
    affiche_etoiles();
    Label46->setText(qs(shell::ligne_horloge(t)));
    if (page_prete_ && panneau_.valide() && page_.jour.a_des_horaires()) {
        place_marqueur(shell::secondes_du_jour(t));
    }
    if (shell::heure_pleine(t)) {
        applique_dates_du_jour();
        titre_fenetre();
        revient_aujourdhui();
        Label44->setText(
            qs(std::string(places::texte_etiquette_horaire(bouton_hiver_->isChecked()))));
    }
    boutons_correction();
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
