// TFMainForm: the next anniversaries, the Bar-Mitsva panel, the year panel,
// the moon, and the day page with its three commands.
#include "engine/date_validity.h"
#include "events/hebrew_letters.h"
#include "gui/common/fonts.h"
#include "gui/common/result_area.h"
#include "gui/shell/day_page_view.h"
#include "gui/shell/day_pictures.h"
#include "gui/shell/main_window.h"
#include "shell/app_context.h"
#include "shell/main_form/clock_line.h"
#include "shell/main_form/main_panels.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "0"
#endif

namespace orvane::gui
{

namespace
{

QString qs(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<int>(texte.size()));
}

QString bulle(std::string_view texte)
{
    return qs(texte).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

constexpr std::string_view aide_memo1 =
    "F au début de ligne indiquent les jours de Fêtes (Fériés)\rf au début de ligne indiquent les "
    "jours de demi-fêtes (semi-fériés).\rCliquer ici pour changer la taille de cette fenètre.";
constexpr std::string_view aide_taille =
    "Si 0, taille d'impression standard.\rSelon le Driver de l'imprimante utilisée, il est "
    "quelques fois nécessaire\rd'augmenter ou de diminuer la taille de la police d'impression. "
    "Faire un essai.";

/// The heading of the printed page: "with God's help" in Hebrew letters.
constexpr std::string_view entete_hebreu = "d\"sb";

} // namespace

QWidget* TFMainForm::cree_anniversaires()
{
    groupe_anniversaires_ = new QGroupBox;
    groupe_anniversaires_->setObjectName("PanneauAnniversaires");
    SpinEdit7 = new QSpinBox(groupe_anniversaires_);
    SpinEdit7->setObjectName("SpinEdit7");
    SpinEdit7->setRange(1, 100);
    SpinEdit7->setValue(15);
    Edit10 = new QLineEdit(groupe_anniversaires_);
    Edit10->setObjectName("Edit10");
    Edit10->setReadOnly(true);
    ComboBox3 = new QComboBox(groupe_anniversaires_);
    ComboBox3->setObjectName("ComboBox3");
    ComboBox3->setFont(police_fixe(9));
    ComboBox3->setMaxVisibleItems(20);
    ComboBox3->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox3->setMinimumContentsLength(34);
    connect(SpinEdit7, &QSpinBox::valueChanged, this, [this](int n) {
        Edit10->setText(qs(shell::titre_anniversaires(n)));
        anniversaires_suivants();
    });
    auto* haut = new QHBoxLayout;
    haut->addWidget(SpinEdit7);
    haut->addWidget(Edit10, 1);
    auto* layout = new QVBoxLayout(groupe_anniversaires_);
    layout->setSpacing(3);
    layout->addLayout(haut);
    layout->addWidget(ComboBox3);
    return groupe_anniversaires_;
}

QWidget* TFMainForm::cree_bar_mitsva()
{
    groupe_bar_mitsva_ = new QGroupBox;
    groupe_bar_mitsva_->setObjectName("PanneauBarMitsva");
    bouton_bar_mitsva_ = new QPushButton(QStringLiteral("Bar-Mitsva"), groupe_bar_mitsva_);
    bouton_bar_mitsva_->setObjectName("BoutonBarMitsva");
    bouton_bar_mitsva_->setToolTip(QStringLiteral("Treize ans révolus pour un garçon"));
    bouton_bat_mitsva_ = new QPushButton(QStringLiteral("Bat-Mitsva"), groupe_bar_mitsva_);
    bouton_bat_mitsva_->setObjectName("BoutonBatMitsva");
    bouton_bat_mitsva_->setToolTip(QStringLiteral("Douze ans révolus pour une fille"));
    for (QPushButton* b : {bouton_bar_mitsva_, bouton_bat_mitsva_}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
    }
    colore_paire(bouton_bar_mitsva_, bouton_bat_mitsva_);
    Panel8 = new QLabel(groupe_bar_mitsva_);
    Panel8->setObjectName("Panel8");
    Panel8->setFrameShape(QFrame::Panel);
    Panel8->setFrameShadow(QFrame::Sunken);
    Panel8->setFont(police_fixe(9));
    Label26 = new QLabel(groupe_bar_mitsva_);
    Label26->setObjectName("Label26");
    Label26->setWordWrap(true);
    connect(bouton_bar_mitsva_, &QPushButton::clicked, this, [this] { choisit_fille(false); });
    connect(bouton_bat_mitsva_, &QPushButton::clicked, this, [this] { choisit_fille(true); });
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bouton_bar_mitsva_);
    boutons->addWidget(bouton_bat_mitsva_);
    boutons->addStretch();
    auto* layout = new QVBoxLayout(groupe_bar_mitsva_);
    layout->setSpacing(3);
    layout->addLayout(boutons);
    layout->addWidget(Panel8);
    layout->addWidget(Label26);
    return groupe_bar_mitsva_;
}

QWidget* TFMainForm::cree_panneau_annee()
{
    auto* g = new QGroupBox(QStringLiteral("Jours importants de l'année"));
    g->setObjectName("PanneauAnnee");
    SpinEdit1 = new QSpinBox(g);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(engine::annee_hebr_min, engine::annee_hebr_max);
    SpinEdit1->setKeyboardTracking(false);
    Label32 = new QLabel(g);
    Label32->setObjectName("Label32");
    Memo1 = new ZoneResultat("Memo1", 8, g);
    Memo1->setToolTip(bulle(aide_memo1));
    Memo1->setMinimumHeight(110);
    Memo1->viewport()->installEventFilter(this);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int y) {
        if (!garde_changement_) {
            SpinEdit1Change(y);
        }
    });
    auto* haut = new QHBoxLayout;
    haut->addWidget(SpinEdit1);
    haut->addWidget(Label32, 1);
    auto* layout = new QVBoxLayout(g);
    layout->setSpacing(3);
    layout->addLayout(haut);
    layout->addWidget(Memo1, 1);
    return g;
}

QWidget* TFMainForm::cree_lune()
{
    auto* g = new QGroupBox(QStringLiteral("Phase de la lune"));
    g->setObjectName("PanneauLune");
    lune_ = new DessinLune(g);
    lune_->setFixedSize(56, 56);
    Label28 = new QLabel(g);
    Label28->setObjectName("Label28");
    Label28->setMinimumWidth(
        Label28->fontMetrics().horizontalAdvance(QStringLiteral("Lune décroissante")) + 4);
    auto* layout = new QHBoxLayout(g);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(lune_);
    layout->addWidget(Label28);
    return g;
}

QWidget* TFMainForm::cree_boutons_page()
{
    auto* w = new QWidget;
    auto* montre = new QPushButton(QStringLiteral("Page du jour"), w);
    montre->setObjectName("BoutonPageDuJour");
    montre->setToolTip(
        QStringLiteral("Cliquez pour visualiser et enregister cette page en mode ligne"));
    auto* imprime = new QPushButton(QStringLiteral("Imprimer la page"), w);
    imprime->setObjectName("BoutonImprimerPage");
    imprime->setToolTip(QStringLiteral("Cliquez pour imprimer cette page en mode ligne"));
    SpinEdit4 = new QSpinBox(w);
    SpinEdit4->setObjectName("SpinEdit4");
    SpinEdit4->setRange(-8, 10);
    SpinEdit4->setValue(0);
    SpinEdit4->setToolTip(bulle(aide_taille));
    connect(SpinEdit4, &QSpinBox::valueChanged, this,
            [this](int t) { ctx_.taille_impression = t; });
    connect(montre, &QPushButton::clicked, this, &TFMainForm::montre_page);
    connect(imprime, &QPushButton::clicked, this, &TFMainForm::imprime_page);
    auto* taille = new QHBoxLayout;
    taille->addWidget(new QLabel(QStringLiteral(" Taille impression +/-"), w));
    taille->addWidget(SpinEdit4);
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(montre);
    boutons->addWidget(imprime);
    layout->addLayout(boutons);
    layout->addLayout(taille);
    return w;
}

void TFMainForm::anniversaires_suivants()
{
    if (!panneau_.valide()) {
        return;
    }
    page_.anniversaires = shell::anniversaires_suivants(
        panneau_.date_hebraique(), panneau_.date_civile(), aujourdhui(), SpinEdit7->value());
    ComboBox3->clear();
    for (const std::string& l : page_.anniversaires.lignes) {
        ComboBox3->addItem(qs(l));
    }
    ComboBox3->setCurrentIndex(0);
}

void TFMainForm::date_bar_mitsva()
{
    if (!panneau_.valide()) {
        return;
    }
    page_.bar_mitsva =
        shell::panneau_bar_mitsva(panneau_.date_hebraique(), fille_, ctx_.options.diaspora);
    Panel8->setText(page_.bar_mitsva ? qs(page_.bar_mitsva->ligne_date) : QString());
    Label26->setText(page_.bar_mitsva ? qs(page_.bar_mitsva->ligne_chabbat) : QString());
}

void TFMainForm::choisit_fille(bool fille)
{
    fille_ = fille;
    colore_paire(fille ? bouton_bat_mitsva_ : bouton_bar_mitsva_,
                 fille ? bouton_bar_mitsva_ : bouton_bat_mitsva_);
    date_bar_mitsva();
    if (page_prete_) {
        calcule_jour();
    }
}

void TFMainForm::SpinEdit1Change(int annee)
{
    page_.annee_panneau = annee;
    ctx_.annee_choisie = annee;
    Label32->setText(qs(shell::libelle_annee_panneau(annee)));
    page_.jours_importants = shell::jours_importants(annee, ctx_.options.diaspora);
    Memo1->affiche(page_.jours_importants);
}

void TFMainForm::affiche_lune()
{
    const int jour = page_.jour.hebraique.jour;
    Label28->setText(qs(shell::libelle_phase_lune(jour)));
    lune_->setJourHebreu(jour);
}

bool TFMainForm::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (objet == label_retour_) {
            revient_aujourdhui();
            return true;
        }
        if (Memo1 != nullptr && objet == Memo1->viewport()) {
            // A click toggles the list between its small and its tall size.
            memo1_grand_ = !memo1_grand_;
            Memo1->setMaximumHeight(memo1_grand_ ? QWIDGETSIZE_MAX : Memo1->minimumHeight() + 60);
        }
    }
    return QMainWindow::eventFilter(objet, event);
}

std::vector<std::string> TFMainForm::page_du_jour() const
{
    const shell::DemandePageAccueil demande = demande_page();
    shell::ContenuPageDuJour c = shell::contenu_page_du_jour(
        page_, demande, Label46->text().toStdString(), shell::heures_de(ctx_.horloge->now()));
    // The page shows what the window shows.
    c.lieu.ville = ComboBox2->currentText().toStdString();
    c.lieu.pays = ComboBox1->currentText().toStdString();
    for (std::size_t i = 0; i < libelles_jour_.size() && i < c.libelles_jour.size(); ++i) {
        c.libelles_jour[i] = libelles_jour_[i]->text().toStdString();
    }
    return shell::page_du_jour(c);
}

void TFMainForm::montre_page()
{
    vue_page_->affiche(page_du_jour());
    pile_->setCurrentWidget(vue_page_);
}

void TFMainForm::enregistre_page()
{
    (void)enregistre_lignes(ctx_.repertoire, "PAGEACCUEIL", "page_.txt", page_du_jour(),
                            dialogues_.choix_enregistrement, dialogues_.erreur);
}

void TFMainForm::imprime_page()
{
    TexteAImprimer t;
    t.orientation = QPageLayout::Portrait;
    t.police = police_d_impression(Memo1->font(), 8 + SpinEdit4->value());
    t.lignes.push_back(std::string(11, '\t') + events::lettres_hebraiques_affichees(entete_hebreu));
    t.lignes.emplace_back("Orvane");
    t.lignes.emplace_back("Version " ORVANE_VERSION);
    t.lignes.emplace_back();
    for (std::string& l : page_du_jour()) {
        t.lignes.push_back(std::move(l));
    }
    dialogues_.imprime(t);
}

} // namespace orvane::gui
