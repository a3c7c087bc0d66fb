#include "gui/calendars/civil_calendar_window.h"

#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "gui/calendars/hebrew_calendar_window.h"
#include "gui/common/mnemonics.h"
#include "gui/shell/day_pictures.h"
#include "gui/widgets/tg_calendar.h"
#include "shell/app_context.h"
#include "shell/calendars/calendar_texts.h"
#include "shell/calendars/civil_moves.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

constexpr std::array<int, 6> pas_des_boutons = {0, 0, 1, 10, 100, 1000};

const QString bulle_annee = QStringLiteral("Seul moyen de passer\nau-delà du 1 Tichri 1");
const QString bulle_annee_zero =
    QStringLiteral("L'année astronomique inclus l'année 0\nqui correspond à -1 de l'année "
                   "civile\ndonc l'année 0 n'existe pas");

QSpinBox* champ(QWidget* parent, const char* nom, int min, int max)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setKeyboardTracking(false);
    return s;
}

QString bulle_des_mois()
{
    const char* noms[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                          "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    QString bulle;
    for (int m = 1; m <= 12; ++m) {
        bulle += QStringLiteral("%1 : %2").arg(m, 2).arg(QString::fromUtf8(noms[m - 1]));
        if (m < 12) {
            bulle += '\n';
        }
    }
    return bulle;
}

} // namespace

TFNCH1::TFNCH1(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("TFNCH1");
    setWindowTitle(QStringLiteral("Conversion dates civiles ---> dates hébraïque"));
    cree_grille_et_champs();
    cree_textes();
    cree_commandes();
    connecte();
    connecte_boutons();
    donne_mnemoniques(this);
    SpeedButton1Click();
    GCalendar1Change();
}

void TFNCH1::cree_grille_et_champs()
{
    GCalendar1 = new TGCalendar(*ctx_.horloge, this);
    GCalendar1->setObjectName("GCalendar1");
    GCalendar1->setMinimumSize(280, 180);
    SpinEdit1 = champ(this, "SpinEdit1", -1, 32);
    SpinEdit2 = champ(this, "SpinEdit2", -1, 13);
    SpinEdit2->setToolTip(bulle_des_mois());
    SpinEdit3 = champ(this, "SpinEdit3", engine::premier_jour_ere.annee - 1,
                      engine::dernier_jour_ere.annee + 1);
    SpinEdit3->setToolTip(bulle_annee);
    SpinEdit4 = champ(this, "SpinEdit4", engine::premier_jour_ere.annee - 2,
                      engine::dernier_jour_ere.annee + 1);
}

void TFNCH1::cree_textes()
{
    const auto etiquette = [this](const char* nom) {
        auto* l = new QLabel(this);
        l->setObjectName(nom);
        return l;
    };
    Label1 = etiquette("Label1");
    Label3 = etiquette("Label3");
    Label22 = etiquette("Label22");
    Label7 = etiquette("Label7");
    Label5 = etiquette("Label5");
    Label8 = etiquette("Label8");
    Panel1 = etiquette("Panel1");
    Statusbar1 = new QStatusBar(this);
    Statusbar1->setObjectName("Statusbar1");
    Statusbar1->setSizeGripEnabled(false);
    Image1 = new DessinLune(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(56, 56);
}

void TFNCH1::cree_commandes()
{
    CheckBox3 = cree_case_liaison(
        this, QStringLiteral("Si validé, tout changement sur un des calendiers affecte "
                             "automatiquement le second.\nSi dévalidé, les deux calendiers sont "
                             "conplètement indépendants"));
    Button1 =
        new QPushButton(QStringLiteral("Récupère la date civile de la fenètre de droite"), this);
    Button1->setObjectName("Button1");
    Button1->setToolTip(
        QStringLiteral("La date civile initiale est celle de la fenètre de droite"));
    Button1->hide();
    Button6 = new QPushButton(QStringLiteral("Imprimer"), this);
    Button6->setObjectName("Button6");
    Button5 = new QPushButton(QStringLiteral("Fermer"), this);
    Button5->setObjectName("Button5");

    auto* champs = new QHBoxLayout;
    champs->addWidget(
        new QLabel(QStringLiteral("Jour cv        Mois cv        Année cv   "), this));
    champs->addWidget(SpinEdit1);
    champs->addWidget(SpinEdit2);
    champs->addWidget(SpinEdit3);
    champs->addWidget(SpinEdit4);
    auto* navigation = new QGridLayout;
    boutons_ = cree_boutons_navigation(
        this, navigation,
        QStringLiteral("+1                       +1                     +1    10   100  1000      "
                       "Phase de la lune"));
    navigation->addWidget(Image1, 1, 7, 2, 1);
    auto* commandes = new QHBoxLayout;
    commandes->addWidget(Button6);
    commandes->addStretch();
    commandes->addWidget(Button5);

    auto* page = new QVBoxLayout(this);
    page->addLayout(champs);
    page->addWidget(GCalendar1, 1);
    for (QLabel* l : {Label1, Label3, Label22, Label7, Label5, Label8, Panel1}) {
        page->addWidget(l);
    }
    page->addLayout(navigation);
    page->addWidget(CheckBox3);
    page->addWidget(Button1);
    page->addLayout(commandes);
    page->addWidget(Statusbar1);
}

void TFNCH1::connecte()
{
    connect(GCalendar1, &MonthGridView::changed, this, &TFNCH1::GCalendar1Change);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TFNCH1::SpinEdit1Change);
    connect(SpinEdit2, &QSpinBox::valueChanged, this, &TFNCH1::SpinEdit2Change);
    connect(SpinEdit3, &QSpinBox::valueChanged, this, &TFNCH1::SpinEdit3Change);
    connect(SpinEdit4, &QSpinBox::valueChanged, this, &TFNCH1::SpinEdit4Change);
    connect(CheckBox3, &QCheckBox::toggled, this, &TFNCH1::CheckBox3Click);
    connect(Button1, &QPushButton::clicked, this, &TFNCH1::Button1Click);
    connect(Button6, &QPushButton::clicked, this, &TFNCH1::Button6Click);
    connect(Button5, &QPushButton::clicked, this, [this] {
        if (hebreu_) {
            hebreu_->close();
        }
        close();
    });
    connect(boutons_.aujourdhui, &QToolButton::clicked, this, &TFNCH1::SpeedButton1Click);
}

void TFNCH1::connecte_boutons()
{
    const auto relie = [this](QToolButton* b, int index, int sens) {
        connect(b, &QToolButton::clicked, this, [this, index, sens] {
            std::optional<engine::DateCivile> d;
            if (index == 0) {
                d = shell::deplace_jours_civils(date(), sens);
            } else if (index == 1) {
                d = shell::deplace_mois_civil(date(), sens);
            } else {
                d = shell::deplace_annees_civiles(
                    date(), sens * pas_des_boutons[static_cast<std::size_t>(index)]);
            }
            if (d) {
                va_a(*d);
            }
        });
    };
    for (int i = 0; i < 6; ++i) {
        relie(boutons_.haut[static_cast<std::size_t>(i)], i, 1);
        relie(boutons_.bas[static_cast<std::size_t>(i)], i, -1);
    }
}

void TFNCH1::lie_a(TFHebr1* hebreu)
{
    hebreu_ = hebreu;
}

engine::DateCivile TFNCH1::date() const
{
    return {GCalendar1->Year(), GCalendar1->Month(), GCalendar1->Day()};
}

engine::DateHebraique TFNCH1::date_hebraique() const
{
    return engine::hebraique_du_civil(date());
}

void TFNCH1::va_a(const engine::DateCivile& d)
{
    if (d != date()) {
        GCalendar1->setDate(d);
    }
}

void TFNCH1::coche_liaison(bool liees)
{
    CheckBox3->setChecked(liees);
}

void TFNCH1::Button1Click()
{
    if (hebreu_) {
        va_a(engine::civil_de_l_hebreu(hebreu_->date()));
    }
}

void TFNCH1::GCalendar1Change()
{
    const engine::DateCivile d = date();
    if (!engine::dans_l_ere(d)) {
        GCalendar1->setDate(shell::dans_l_ere_civile(d));
        return;
    }
    const shell::JourDesCalendriers j = shell::jour_du_civil(d, ctx_.options.diaspora);
    remet_champs();
    Label1->setText(qs(j.date_civile));
    Label22->setText(qs(j.types_annees));
    Label3->setText(qs(j.date_hebraique));
    const shell::TextesCycles cycles = shell::textes_cycles(j.hebreu.annee);
    Label7->setText(qs(cycles.solaire));
    Label5->setText(qs(cycles.lunaire));
    Label8->setText(qs(cycles.chemita));
    Statusbar1->showMessage(qs(shell::etat_fenetre_civile(j)));
    Image1->setJourHebreu(j.hebreu.jour);
    Image1->setToolTip(QStringLiteral("Voir aussi le menu\nDivers/Phases Lune"));
    Panel1->setText(j.octobre_1582 ? QString::fromUtf8(
                                         shell::texte_reforme_civil.data(),
                                         static_cast<qsizetype>(shell::texte_reforme_civil.size()))
                                   : QString());
    pret_ = true;
    if (CheckBox3->isChecked() && hebreu_ && hebreu_->pret()) {
        hebreu_->Button1Click();
    }
}

void TFNCH1::remet_champs()
{
    const QSignalBlocker b1(SpinEdit1), b2(SpinEdit2), b3(SpinEdit3), b4(SpinEdit4);
    const engine::DateCivile d = date();
    SpinEdit1->setValue(d.jour);
    SpinEdit2->setValue(d.mois);
    SpinEdit3->setValue(d.annee);
    annee_ecrite_ = engine::annee_civile_ecrite(d.annee);
    SpinEdit4->setValue(annee_ecrite_);
    SpinEdit3->setToolTip(d.annee == 0 ? bulle_annee_zero : bulle_annee);
}

void TFNCH1::SpinEdit1Change(int jour)
{
    va_a(shell::date_du_jour_civil_saisi(date(), jour));
    remet_champs();
}

void TFNCH1::SpinEdit2Change(int mois)
{
    va_a(shell::date_du_mois_civil_saisi(date(), mois));
    remet_champs();
}

void TFNCH1::SpinEdit3Change(int annee)
{
    va_a(shell::date_de_l_annee_civile_saisie(date(), annee));
    remet_champs();
}

void TFNCH1::SpinEdit4Change(int annee_ecrite)
{
    va_a(shell::date_de_l_annee_civile_saisie(
        date(), shell::annee_astronomique(annee_ecrite, annee_ecrite_)));
    remet_champs();
}

void TFNCH1::CheckBox3Click(bool liees)
{
    CheckBox3->setText(texte_liaison(liees));
    Button1->setVisible(!liees);
    if (hebreu_) {
        hebreu_->coche_liaison(liees);
    }
    if (liees) {
        GCalendar1Change();
    }
}

void TFNCH1::SpeedButton1Click()
{
    const platform::LocalDate aujourdhui = ctx_.horloge->today();
    va_a(shell::dans_l_ere_civile({aujourdhui.annee, aujourdhui.mois, aujourdhui.jour}));
}

void TFNCH1::Button6Click()
{
    imprime(*this, reglages_impression_fenetre(ctx_.taille_impression));
}

} // namespace orvane::gui
