#include "gui/calendars/hebrew_calendar_window.h"

#include "engine/date_validity.h"
#include "gui/calendars/civil_calendar_window.h"
#include "gui/common/mnemonics.h"
#include "gui/shell/day_pictures.h"
#include "gui/widgets/th_calend.h"
#include "shell/app_context.h"
#include "shell/calendars/calendar_texts.h"
#include "shell/calendars/hebrew_moves.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

const QString bulle_image = QStringLiteral("Voir aussi le menu\nDivers/Phases Lune");

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
    QString bulle;
    const char* noms[] = {"Tichri", "Hechvan", "Kislev", "Tevet",  "Chevat", "Adar I", "Adar II",
                          "Nissan", "Iyar",    "Sivan",  "Tamouz", "Av",     "Eloul"};
    for (int m = 1; m <= 13; ++m) {
        bulle += QStringLiteral("%1 : %2").arg(m, 2).arg(QString::fromUtf8(noms[m - 1]));
        if (m < 13) {
            bulle += '\n';
        }
    }
    return bulle;
}

} // namespace

TFHebr1::TFHebr1(shell::AppContext& ctx, const engine::DateHebraique& date, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("TFHebr1");
    setWindowTitle(QStringLiteral("Conversion  dates hébraïques ---> dates civiles"));
    cree_grille_et_champs();
    cree_textes();
    cree_commandes();
    connecte();
    donne_mnemoniques(this);
    HCalend1->setDate(shell::dans_l_ere_hebraique(date));
}

void TFHebr1::cree_grille_et_champs()
{
    HCalend1 = new THCalend(*ctx_.horloge, this);
    HCalend1->setObjectName("HCalend1");
    HCalend1->setMinimumSize(280, 180);
    SpinEdit1 = champ(this, "SpinEdit1", -1, 31);
    SpinEdit2 = champ(this, "SpinEdit2", -1, 14);
    SpinEdit2->setToolTip(bulle_des_mois());
    SpinEdit3 = champ(this, "SpinEdit3", 0, engine::dernier_jour_ere_hebreu.annee + 1);
}

void TFHebr1::cree_textes()
{
    const auto etiquette = [this](const char* nom) {
        auto* l = new QLabel(this);
        l->setObjectName(nom);
        return l;
    };
    Label1 = etiquette("Label1");
    Label2 = etiquette("Label2");
    Label3 = etiquette("Label3");
    Panel1 = etiquette("Panel1");
    Statusbar1 = new QStatusBar(this);
    Statusbar1->setObjectName("Statusbar1");
    Statusbar1->setSizeGripEnabled(false);
    Image1 = new DessinLune(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(56, 56);
    Edit1 =
        new QLineEdit(QString::fromUtf8(shell::texte_reforme_hebreu.data(),
                                        static_cast<qsizetype>(shell::texte_reforme_hebreu.size())),
                      this);
    Edit1->setObjectName("Edit1");
    Edit1->setReadOnly(true);
    Edit1->hide();
}

void TFHebr1::cree_commandes()
{
    CheckBox3 = cree_case_liaison(
        this, QStringLiteral("Si validé, tout changement sur un des calendiers affecte "
                             "automatiquement le second.\nSi dévalidé, les deux calendiers sont "
                             "complétement indépendants"));
    Button1 =
        new QPushButton(QStringLiteral("Récupère la date hébraïque de la fenètre de gauche"), this);
    Button1->setObjectName("Button1");
    Button1->setToolTip(
        QStringLiteral("La date hébraïque initiale est celle de la fenètre de gauche"));
    Button1->hide();
    Button15 = new QPushButton(QStringLiteral("Imprimer"), this);
    Button15->setObjectName("Button15");
    Button15->setToolTip(QStringLiteral("Imprime le calendrier\ncomme à l'écran"));
    Button5 = new QPushButton(QStringLiteral("Fermer"), this);
    Button5->setObjectName("Button5");

    auto* champs = new QHBoxLayout;
    champs->addWidget(new QLabel(QStringLiteral("Jour hb       Mois hb    Année hb"), this));
    champs->addWidget(SpinEdit1);
    champs->addWidget(SpinEdit2);
    champs->addWidget(SpinEdit3);
    auto* navigation = new QGridLayout;
    boutons_ = cree_boutons_navigation(
        this, navigation,
        QStringLiteral("+1                  +1                     +1    10    100  1000     Phase "
                       "de la lune"));
    navigation->addWidget(Image1, 1, 7, 2, 1);
    auto* commandes = new QHBoxLayout;
    commandes->addWidget(Button15);
    commandes->addStretch();
    commandes->addWidget(Button5);

    auto* page = new QVBoxLayout(this);
    page->addLayout(champs);
    page->addWidget(HCalend1, 1);
    page->addWidget(Label1);
    page->addWidget(Label2);
    page->addWidget(Label3);
    page->addWidget(Edit1);
    page->addWidget(Panel1);
    page->addLayout(navigation);
    page->addWidget(CheckBox3);
    page->addWidget(Button1);
    page->addLayout(commandes);
    page->addWidget(Statusbar1);
}

void TFHebr1::connecte()
{
    connect(HCalend1, &MonthGridView::changed, this, &TFHebr1::HCalend1Change);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TFHebr1::SpinEdit1Change);
    connect(SpinEdit2, &QSpinBox::valueChanged, this, &TFHebr1::SpinEdit2Change);
    connect(SpinEdit3, &QSpinBox::valueChanged, this, &TFHebr1::SpinEdit3Change);
    connect(CheckBox3, &QCheckBox::toggled, this, &TFHebr1::CheckBox3Click);
    connect(Button1, &QPushButton::clicked, this, &TFHebr1::Button1Click);
    connect(Button15, &QPushButton::clicked, this, &TFHebr1::Button15Click);
    connect(Button5, &QPushButton::clicked, this, [this] {
        if (civil_) {
            civil_->close();
        }
        close();
    });
    connect(boutons_.aujourdhui, &QToolButton::clicked, this, &TFHebr1::SpeedButton1Click);
    const auto relie = [this](QToolButton* b, int index, int sens) {
        connect(b, &QToolButton::clicked, this, [this, index, sens] {
            std::optional<engine::DateHebraique> d;
            if (index == 0) {
                d = shell::deplace_jours(date(), sens);
            } else if (index == 1) {
                d = shell::deplace_mois(date(), sens);
            } else {
                d = shell::deplace_annees(date(),
                                          sens * pas_des_boutons[static_cast<std::size_t>(index)]);
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

void TFHebr1::lie_a(TFNCH1* civil)
{
    civil_ = civil;
}

engine::DateHebraique TFHebr1::date() const
{
    return {HCalend1->HYear(), HCalend1->HMonth(), HCalend1->HDay()};
}

void TFHebr1::va_a(const engine::DateHebraique& d)
{
    if (d != date()) {
        HCalend1->setDate(d);
    }
}

void TFHebr1::coche_liaison(bool liees)
{
    CheckBox3->setChecked(liees);
}

void TFHebr1::Button1Click()
{
    if (civil_) {
        va_a(civil_->date_hebraique());
    }
}

void TFHebr1::HCalend1Change()
{
    const engine::DateHebraique d = date();
    if (!engine::dans_l_ere(d)) {
        HCalend1->setDate(shell::dans_l_ere_hebraique(d));
        return;
    }
    Panel1->clear();
    const shell::JourDesCalendriers j = shell::jour_de_l_hebreu(d, ctx_.options.diaspora);
    remet_champs();
    Label3->setText(qs(j.types_annees));
    Label1->setText(qs(j.date_hebraique));
    Label2->setText(qs(j.date_civile));
    Statusbar1->showMessage(qs(shell::etat_fenetre_hebraique(j)));
    Image1->setJourHebreu(d.jour);
    Image1->setToolTip(bulle_image);
    Edit1->setVisible(j.octobre_1582);
    pret_ = true;
    if (CheckBox3->isChecked() && civil_ && civil_->pret()) {
        civil_->Button1Click();
    }
}

void TFHebr1::remet_champs()
{
    const QSignalBlocker b1(SpinEdit1), b2(SpinEdit2), b3(SpinEdit3);
    SpinEdit1->setValue(HCalend1->HDay());
    SpinEdit2->setValue(HCalend1->HMonth());
    SpinEdit3->setValue(HCalend1->HYear());
}

void TFHebr1::SpinEdit1Change(int jour)
{
    va_a(shell::date_du_jour_saisi(date(), jour));
    remet_champs();
}

void TFHebr1::SpinEdit2Change(int mois)
{
    va_a(shell::date_du_mois_saisi(date(), mois));
    remet_champs();
}

void TFHebr1::SpinEdit3Change(int annee)
{
    va_a(shell::date_de_l_annee_saisie(date(), annee));
    remet_champs();
}

void TFHebr1::CheckBox3Click(bool liees)
{
    CheckBox3->setText(texte_liaison(liees));
    Button1->setVisible(!liees);
    if (civil_) {
        civil_->coche_liaison(liees);
    }
    if (liees) {
        HCalend1Change();
    }
}

void TFHebr1::SpeedButton1Click()
{
    const platform::LocalDate aujourdhui = ctx_.horloge->today();
    va_a(engine::hebraique_du_civil({aujourdhui.annee, aujourdhui.mois, aujourdhui.jour}));
}

void TFHebr1::Button15Click()
{
    imprime(*this, reglages_impression_fenetre(ctx_.taille_impression));
}

} // namespace orvane::gui
