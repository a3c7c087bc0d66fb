// The controls of the annual calendar window and their layout: the years,
// the place, the times' choices, the content of the calendar, the text areas
// and the commands.
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "gui/documents/calendar_window.h"
#include "zmanim/settings/opinions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orvane::gui
{
namespace
{

template <class Liste>
QComboBox* liste(QWidget* parent, const char* nom, const Liste& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(nom);
    for (const auto& item : items) {
        if constexpr (requires { item.item; }) {
            c->addItem(
                QString::fromUtf8(item.item.data(), static_cast<qsizetype>(item.item.size())));
        } else {
            c->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
        }
    }
    return c;
}

QSpinBox* boite(QWidget* parent, const char* nom, int min, int max)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setKeyboardTracking(false);
    return s;
}

QCheckBox* case_a_cocher(QWidget* parent, const char* nom, const char* legende, bool cochee)
{
    auto* c = new QCheckBox(QString::fromUtf8(legende), parent);
    c->setObjectName(nom);
    c->setChecked(cochee);
    return c;
}

QLineEdit* champ(QWidget* parent, const char* nom)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    return e;
}

} // namespace

void TFCivHebr::cree_annees()
{
    auto* g = new QGroupBox(QStringLiteral("Années et mois"), this);
    g->setObjectName("GroupeAnnees");
    Label1 = new QLabel(g);
    Label1->setObjectName("Label1");
    SpinEdit5 = boite(g, "SpinEdit5", -3760, 13759);
    SpinEdit6 = boite(g, "SpinEdit6", -3760, 13759);
    SpinEdit3 = boite(g, "SpinEdit3", 1, 13);
    SpinEdit4 = boite(g, "SpinEdit4", 1, documents::en_hebreu(sens_) ? 13 : 12);
    SpinEdit1 = boite(g, "SpinEdit1", 1, 10000);
    SpinEdit2 = boite(g, "SpinEdit2", 1, 10000);
    auto* grille = new QGridLayout(g);
    grille->addWidget(Label1, 0, 0, 1, 6);
    const bool hebreu = documents::en_hebreu(sens_);
    const std::pair<const char*, QSpinBox*> boites[] = {
        {hebreu ? "Année hébraïque" : "Année civile", SpinEdit5},
        {hebreu ? "Année civile" : "Année hébraïque", SpinEdit6},
        {"Mois début", SpinEdit3},
        {"Mois fin", SpinEdit4},
        {"Nombre d'années calculées", SpinEdit1},
        {"Calcul tous les x années", SpinEdit2}};
    int colonne = 0;
    for (const auto& [legende, s] : boites) {
        auto* l = new QLabel(QString::fromUtf8(legende), g);
        l->setBuddy(s);
        grille->addWidget(l, 1, colonne);
        grille->addWidget(s, 2, colonne++);
    }
}

void TFCivHebr::cree_lieu()
{
    auto* g = new QGroupBox(QStringLiteral("Lieu"), this);
    g->setObjectName("GroupeLieu");
    ComboBox1 = new QComboBox(g);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2 = new QComboBox(g);
    ComboBox2->setObjectName("ComboBox2");
    Edit3 = champ(g, "Edit3");
    Edit4 = champ(g, "Edit4");
    Edit5 = champ(g, "Edit5");
    Edit1 = champ(g, "Edit1");
    Edit1->setReadOnly(true);
    Edit1->setToolTip(QStringLiteral("Le tableau ci-dessous tient compte des heures d'été et "
                                     "d'hiver"));
    auto* grille = new QGridLayout(g);
    const std::pair<const char*, QWidget*> champs[] = {{"Pays", ComboBox1},
                                                       {"Ville", ComboBox2},
                                                       {"Lat.", Edit3},
                                                       {"Long.", Edit4},
                                                       {"gmt", Edit5}};
    int colonne = 0;
    for (const auto& [legende, w] : champs) {
        grille->addWidget(new QLabel(QString::fromUtf8(legende), g), 0, colonne);
        grille->addWidget(w, 1, colonne++);
    }
    grille->addWidget(Edit1, 2, 0, 1, colonne);
}

void TFCivHebr::cree_horaires()
{
    auto* g = new QGroupBox(QStringLiteral("Horaires"), this);
    g->setObjectName("GroupeHoraires");
    ComboBox3 = liste(g, "ComboBox3", zmanim::opinions_accueil);
    ComboBox6 = liste(g, "ComboBox6", documents::tailles_etoiles);
    ComboBox7 = liste(g, "ComboBox7", documents::methodes_hamets);
    ComboBox4 = liste(g, "ComboBox4", documents::regles_entree_chabbat);
    SpinEdit7 = boite(g, "SpinEdit7", 4, 40);
    estouest = boite(g, "estouest", 0, 60);
    label_estouest = new QLabel(QStringLiteral("Minutes d'angle\nentre est / ouest"), g);
    label_estouest->setBuddy(estouest);
    auto* grille = new QGridLayout(g);
    grille->addWidget(new QLabel(QStringLiteral("Avis"), g), 0, 0);
    grille->addWidget(ComboBox3, 0, 1);
    grille->addWidget(ComboBox6, 0, 2);
    grille->addWidget(ComboBox7, 1, 1);
    grille->addWidget(ComboBox4, 1, 2);
    auto* tossefet = new QLabel(QStringLiteral("Tossefet, entrée Chab."), g);
    tossefet->setBuddy(SpinEdit7);
    grille->addWidget(tossefet, 2, 0);
    grille->addWidget(SpinEdit7, 2, 1);
    grille->addWidget(label_estouest, 3, 0);
    grille->addWidget(estouest, 3, 1);
}

void TFCivHebr::cree_contenu()
{
    auto* g = new QGroupBox(QStringLiteral("Contenu du calendrier"), this);
    g->setObjectName("GroupeContenu");
    ComboBox5 = liste(g, "ComboBox5", documents::sorties_calendrier);
    CheckBox1 = case_a_cocher(g, "CheckBox1", "Premiers du mois seuls", false);
    CheckBox2 = case_a_cocher(g, "CheckBox2", "Uniquement Jours de Chabbat et fêtes", false);
    CheckBox3 = case_a_cocher(g, "CheckBox3", "Indique les Parachiyot", true);
    CheckBox7 = case_a_cocher(g, "CheckBox7", "Indique les Hilloulot", false);
    CheckBox8 = case_a_cocher(g, "CheckBox8", "Bircat Lévana Sépharade", true);
    CheckBox4 = case_a_cocher(g, "CheckBox4", "Horaires", true);
    CheckBox12 = case_a_cocher(g, "CheckBox12", "Indique l'opinion sur les tables", false);
    CheckBox13 = case_a_cocher(g, "CheckBox13", "Affiche toutes les entrées de Chabbat", false);
    CheckBox9 = case_a_cocher(g, "CheckBox9", "Web", false);
    CheckBox10 = case_a_cocher(g, "CheckBox10", "Garçon", true);
    CheckBox11 = case_a_cocher(g, "CheckBox11", "Fille", false);
    const bool bar_mitsva = documents::bar_mitsva(sens_);
    CheckBox10->setVisible(bar_mitsva);
    CheckBox11->setVisible(bar_mitsva);
    RadioButton2 = new QRadioButton(QStringLiteral("Memo"), g);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->setChecked(true);
    RadioButton1 = new QRadioButton(QStringLiteral("Fic ville ci-dessus"), g);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton3 = new QRadioButton(QStringLiteral("Fic liste Willefr.cal"), g);
    RadioButton3->setObjectName("RadioButton3");
    auto* colonne = new QVBoxLayout(g);
    colonne->addWidget(ComboBox5);
    for (QWidget* w :
         std::initializer_list<QWidget*>{CheckBox1, CheckBox2, CheckBox3, CheckBox7, CheckBox8,
                                         CheckBox4, CheckBox12, CheckBox13, CheckBox9, CheckBox10,
                                         CheckBox11, RadioButton2, RadioButton1, RadioButton3}) {
        colonne->addWidget(w);
    }
    colonne->addStretch();
}

void TFCivHebr::cree_resultats()
{
    zones_ = new QStackedWidget(this);
    Memo1 = new ZoneResultat("Memo1", 8, zones_);
    Memo3 = new ZoneResultat("Memo3", 8, zones_);
    zones_->addWidget(Memo1);
    zones_->addWidget(Memo3);
    zones_->setCurrentWidget(zone());
}

void TFCivHebr::cree_boutons()
{
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(bouton_nomme(this, "SpeedButton1", QStringLiteral("Aujourd'hui"), this,
                                  &TFCivHebr::SpeedButton1Click));
    ligne->addWidget(bouton_nomme(this, "SpeedButton2", QStringLiteral("Valeurs par défaut"), this,
                                  &TFCivHebr::SpeedButton2Click));
    ligne->addStretch();
    ligne->addWidget(
        bouton_nomme(this, "Button1", QStringLiteral("Calculer"), this, &TFCivHebr::Button1Click));
    ligne->addWidget(bouton_nomme(this, "Button2", QStringLiteral("Enregistrer"), this,
                                  &TFCivHebr::Button2Click));
    ligne->addWidget(
        bouton_nomme(this, "Button4", QStringLiteral("Imprimer"), this, &TFCivHebr::Button4Click));
    ligne->addWidget(
        bouton_nomme(this, "Button3", QStringLiteral("Fermer"), this, &QWidget::close));
    static_cast<QVBoxLayout*>(layout())->addLayout(ligne);
}

void TFCivHebr::connecte()
{
    connect(SpinEdit5, &QSpinBox::valueChanged, this, &TFCivHebr::annee_changee);
    connect(SpinEdit6, &QSpinBox::valueChanged, this, &TFCivHebr::autre_annee_changee);
    connect(ComboBox1, &QComboBox::textActivated, this, &TFCivHebr::pays_choisi);
    connect(ComboBox2, &QComboBox::textActivated, this, &TFCivHebr::ville_choisie);
    connect(ComboBox3, &QComboBox::currentTextChanged, this, &TFCivHebr::opinion_choisie);
    connect(CheckBox1, &QCheckBox::toggled, this, &TFCivHebr::premiers_du_mois_coche);
    connect(CheckBox8, &QCheckBox::toggled, this, &TFCivHebr::levana_cochee);
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, &TFCivHebr::sortie_choisie);
    // Garçon and Fille exclude each other.
    connect(CheckBox10, &QCheckBox::toggled, this, &TFCivHebr::CheckBox10Click);
    connect(CheckBox11, &QCheckBox::toggled, this, &TFCivHebr::CheckBox11Click);
}

} // namespace orvane::gui
