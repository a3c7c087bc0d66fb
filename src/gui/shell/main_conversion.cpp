// TFMainForm: the conversion panel (civil and Hebrew boxes), the two month
// grids, the return to today and the invalid-date states. The rules are
// those of shell::PanneauConversion; the boxes only show its values.
#include "engine/date_validity.h"
#include "gui/common/fonts.h"
#include "gui/common/result_area.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/tg_calendar.h"
#include "gui/widgets/th_calend.h"
#include "shell/app_context.h"
#include "shell/main_form/main_panels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace orvane::gui
{

namespace
{

QSpinBox* boite(QWidget* parent, const char* nom, int min, int max)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setKeyboardTracking(false);
    s->setFont(police_fixe(9, true));
    return s;
}

/// A read-only box wide enough for `modele`.
QLineEdit* texte(QWidget* parent, const char* nom, const QString& modele = {})
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setReadOnly(true);
    e->setFont(police_fixe(8));
    if (!modele.isEmpty()) {
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(modele) + 12);
    }
    return e;
}

/// Sets a box without running its change handler.
void pose(QSpinBox* s, int valeur)
{
    const QSignalBlocker bloque(s);
    s->setValue(valeur);
}

} // namespace

QWidget* TFMainForm::cree_panneau_conversion()
{
    auto* g = new QGroupBox(QStringLiteral("Conversion de dates"));
    g->setObjectName("PanneauConversion");
    SpinEdit3 = boite(g, "SpinEdit3", 0, 32);
    SpinEdit9 = boite(g, "SpinEdit9", 0, 13);
    SpinEdit5 = boite(g, "SpinEdit5", -3760, 25000);
    SpinEdit6 = boite(g, "SpinEdit6", 0, 32);
    SpinEdit10 = boite(g, "SpinEdit10", -1, 14);
    SpinEdit8 = boite(g, "SpinEdit8", 1, 25000);
    Edit13 = texte(g, "Edit13", QStringLiteral("Septembre"));
    Edit14 = texte(g, "Edit14", QStringLiteral("Hechvan"));
    Edit7 = texte(g, "Edit7", QStringLiteral("Mercredi"));
    Edit11 = texte(g, "Edit11", QStringLiteral("Mercredi"));
    Edit5 = texte(g, "Edit5", QStringLiteral("30"));
    Edit6 = texte(g, "Edit6", QStringLiteral("30"));
    Edit9 = texte(g, "Edit9");
    message_date_ = new QLabel(g);
    message_date_->setObjectName("LabelDateIncorrecte");
    message_date_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    message_date_->hide();

    auto* grille = new QGridLayout(g);
    grille->setHorizontalSpacing(4);
    grille->setVerticalSpacing(3);
    auto* civil = new QLabel(QStringLiteral("Civil"), g);
    auto* hebreu = new QLabel(QStringLiteral("Hébreu"), g);
    const std::array<QWidget*, 7> ligne_civile = {civil,  Edit7,     SpinEdit3, SpinEdit9,
                                                  Edit13, SpinEdit5, Edit5};
    const std::array<QWidget*, 7> ligne_hebraique = {hebreu, Edit11,    SpinEdit6, SpinEdit10,
                                                     Edit14, SpinEdit8, Edit6};
    for (int c = 0; c < 7; ++c) {
        grille->addWidget(ligne_civile[static_cast<std::size_t>(c)], 0, c);
        grille->addWidget(ligne_hebraique[static_cast<std::size_t>(c)], 1, c);
    }
    grille->addWidget(Edit9, 2, 0, 1, 7);
    grille->addWidget(message_date_, 3, 0, 1, 7);
    cote_civil_ = {Edit7, SpinEdit3, SpinEdit9, Edit13, SpinEdit5, Edit5};
    cote_hebreu_ = {Edit11, SpinEdit6, SpinEdit10, Edit14, SpinEdit8, Edit6};
    connecte_panneau();
    return g;
}

void TFMainForm::connecte_panneau()
{
    using P = shell::PanneauConversion;
    const auto sur = [this](QSpinBox* s, auto&& regle, bool civil) {
        connect(s, &QSpinBox::valueChanged, this, [this, regle, civil](int v) {
            const auto changement = [&regle, v](P& p) { return (p.*regle)(v); };
            civil ? change_civil(changement) : change_hebreu(changement);
        });
    };
    sur(SpinEdit3, &P::change_jour_civil, true);
    sur(SpinEdit9, &P::change_mois_civil, true);
    sur(SpinEdit5, &P::change_annee_civile, true);
    sur(SpinEdit6, &P::change_jour_hebreu, false);
    sur(SpinEdit10, &P::change_mois_hebreu, false);
    sur(SpinEdit8, &P::change_annee_hebraique, false);
    // The year panel follows the Hebrew year typed in the panel.
    connect(SpinEdit8, &QSpinBox::valueChanged, this, [this](int v) {
        if (!garde_changement_ && v >= engine::annee_hebr_min && v <= engine::annee_hebr_max) {
            SpinEdit1->setValue(v);
        }
    });
}

QWidget* TFMainForm::cree_grilles()
{
    auto* w = new QWidget;
    GCalendar1 = new TGCalendar(*ctx_.horloge, w);
    GCalendar1->setObjectName("GCalendar1");
    HCalend1 = new THCalend(*ctx_.horloge, w);
    HCalend1->setObjectName("HCalend1");
    for (MonthGridView* g :
         {static_cast<MonthGridView*>(GCalendar1), static_cast<MonthGridView*>(HCalend1)}) {
        g->setMinimumSize(180, 120);
        g->setFont(police_fixe(8));
    }
    connect(GCalendar1, &TGCalendar::changed, this, &TFMainForm::GCalendar1Change);
    connect(HCalend1, &THCalend::changed, this, &TFMainForm::HCalend1Change);
    auto* layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(GCalendar1);
    layout->addWidget(HCalend1);
    return w;
}

QWidget* TFMainForm::cree_retour()
{
    auto* w = new QWidget;
    SpeedButton2 = new QToolButton(w);
    SpeedButton2->setObjectName("SpeedButton2");
    SpeedButton2->setArrowType(Qt::LeftArrow);
    SpeedButton3 = new QToolButton(w);
    SpeedButton3->setObjectName("SpeedButton3");
    SpeedButton3->setArrowType(Qt::RightArrow);
    label_retour_ = new QLabel(QStringLiteral("Cliquez pour revenir à la date d'aujourd'hui"), w);
    label_retour_->setObjectName("LabelRetour");
    label_retour_->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    label_retour_->setCursor(Qt::PointingHandCursor);
    label_retour_->installEventFilter(this);
    label_aujourdhui_ = new QLabel(QStringLiteral("Dates d'aujourd'hui"), w);
    label_aujourdhui_->setObjectName("LabelAujourdhui");
    label_aujourdhui_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    for (QToolButton* b : {SpeedButton2, SpeedButton3}) {
        b->setToolTip(label_retour_->text());
        connect(b, &QToolButton::clicked, this, &TFMainForm::revient_aujourdhui);
    }
    auto* layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SpeedButton2);
    layout->addWidget(label_retour_);
    layout->addWidget(SpeedButton3);
    layout->addWidget(label_aujourdhui_);
    layout->addStretch();
    return w;
}

void TFMainForm::change_civil(const std::function<bool(shell::PanneauConversion&)>& changement)
{
    if (garde_changement_) {
        return;
    }
    changement(panneau_);
    apres_changement();
}

void TFMainForm::change_hebreu(const std::function<bool(shell::PanneauConversion&)>& changement)
{
    if (garde_changement_) {
        return;
    }
    changement(panneau_);
    apres_changement();
}

void TFMainForm::ecrit_boites()
{
    const bool garde = garde_changement_;
    garde_changement_ = true;
    pose(SpinEdit3, panneau_.jour_civil());
    pose(SpinEdit9, panneau_.mois_civil());
    pose(SpinEdit5, panneau_.annee_civile());
    pose(SpinEdit6, panneau_.jour_hebr());
    pose(SpinEdit10, panneau_.mois_hebr());
    pose(SpinEdit8, panneau_.annee_hebr());
    Edit13->setText(QString::fromStdString(panneau_.nom_mois_civil()));
    Edit14->setText(QString::fromStdString(panneau_.nom_mois_hebreu()));
    const QString jour = QString::fromStdString(panneau_.nom_jour());
    Edit7->setText(jour);
    Edit11->setText(jour);
    Edit5->setText(QString::number(panneau_.jour_civil()));
    Edit6->setText(QString::number(panneau_.jour_hebr()));
    Edit9->setText(QString::fromStdString(panneau_.resume()));
    garde_changement_ = garde;
}

void TFMainForm::apres_changement()
{
    ecrit_boites();
    switch (panneau_.etat()) {
    case shell::EtatPanneau::civile_invalide:
        efface_date_hebraique();
        return;
    case shell::EtatPanneau::hebraique_invalide:
        efface_date_civile();
        return;
    case shell::EtatPanneau::valide:
        visualise_date_hebraique();
        visualise_date_civile();
        break;
    }
    deplace_grilles();
    anniversaires_suivants();
    date_bar_mitsva();
    if (page_prete_) {
        calcule_jour();
        // Ten minutes without another change bring the panel back to today.
        minutes_sans_changement_ = 0;
        Timer2->start();
    }
    montre_retour();
}

void TFMainForm::montre_controles_du_jour(bool visibles)
{
    const std::array<QWidget*, 10> controles = {
        Edit7, Edit11, groupe_anniversaires_, groupe_bar_mitsva_, textes_jour_, Memo3, memo5,
        Memo6, Memo7,  colonne_memo9_};
    for (QWidget* w : controles) {
        w->setVisible(visibles);
    }
    if (!visibles) {
        Memo2->efface();
        message_date_->setText(QString::fromStdString(panneau_.message()));
    }
    message_date_->setVisible(!visibles);
}

void TFMainForm::efface_date_hebraique()
{
    for (QWidget* w : cote_hebreu_) {
        w->hide();
    }
    montre_controles_du_jour(false);
}

void TFMainForm::visualise_date_hebraique()
{
    for (QWidget* w : cote_hebreu_) {
        w->show();
    }
    montre_controles_du_jour(true);
}

void TFMainForm::efface_date_civile()
{
    for (QWidget* w : cote_civil_) {
        w->hide();
    }
    montre_controles_du_jour(false);
}

void TFMainForm::visualise_date_civile()
{
    for (QWidget* w : cote_civil_) {
        w->show();
    }
    montre_controles_du_jour(true);
}

void TFMainForm::deplace_grilles()
{
    garde_grille_civile_ = true;
    GCalendar1->setDate({panneau_.annee_civile(), panneau_.mois_civil(), panneau_.jour_civil()});
    garde_grille_civile_ = false;
    garde_grille_hebraique_ = true;
    HCalend1->setDate({panneau_.annee_hebr(), panneau_.mois_hebr(), panneau_.jour_hebr()});
    garde_grille_hebraique_ = false;
}

void TFMainForm::GCalendar1Change()
{
    if (garde_grille_civile_) {
        return;
    }
    const engine::DateCivile d{GCalendar1->Year(), GCalendar1->Month(), GCalendar1->Day()};
    if (d.annee == panneau_.annee_civile() && d.mois == panneau_.mois_civil()) {
        SpinEdit3->setValue(d.jour);
        return;
    }
    panneau_.montre_date_civile(d);
    apres_changement();
}

void TFMainForm::HCalend1Change()
{
    if (garde_grille_hebraique_) {
        return;
    }
    const engine::DateHebraique d{HCalend1->HYear(), HCalend1->HMonth(), HCalend1->HDay()};
    if (d.annee == panneau_.annee_hebr() && d.mois == panneau_.mois_hebr()) {
        SpinEdit6->setValue(d.jour);
        return;
    }
    panneau_.montre_date_hebraique(d);
    apres_changement();
}

void TFMainForm::montre_retour()
{
    const bool aujourdhui = montre_aujourdhui();
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton2, SpeedButton3, label_retour_}) {
        w->setVisible(!aujourdhui);
    }
    label_aujourdhui_->setVisible(aujourdhui);
    Label9->setText(
        QString::fromStdString(shell::libelle_ville(ctx_.lieu_courant.ville, aujourdhui)));
}

void TFMainForm::revient_aujourdhui()
{
    Timer2->stop();
    minutes_sans_changement_ = 0;
    panneau_.montre_date_civile(aujourdhui());
    apres_changement();
    Timer2->stop();
}

} // namespace orvane::gui
