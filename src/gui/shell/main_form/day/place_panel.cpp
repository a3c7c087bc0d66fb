#include "gui/shell/main_form/day/place_panel.h"

#include "gui/common/paired_buttons.h"
#include "places/charge_lieux.h"
#include "places/dst_texts.h"
#include "places/places.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane::gui
{

namespace
{

constexpr const char* aide_latitude =
    "LATITUDE\rExprimée en 'degré + décimal' séparé par un point ou un virgule.\r   Exemple : "
    "48.80N ou 48,80N = 48°et 8/10 de degré Nord.\rExprimée en 'degré + minutes' séparé par un ° "
    "\r   Exemple : 48°50N = 48° et 50 minutes Nord.\rN pour Nord et S pour Sud.";
constexpr const char* aide_longitude =
    "LONGITUDE\rExprimée en 'degré + décimal' séparé par un point ou un virgule.\r   Exemple : "
    "2.3E ou 2,3E = 2°et 3/10 de degré Est.\rExprimée en 'degré + minutes' séparé par un ° \r   "
    "Exemple : 2°20E = 2° et 20 minutes Est.\rE pour Est et W ou O pour Ouest.";
constexpr const char* aide_gmt = "GMT\rExemple : +1  ou  -5";
constexpr const char* aide_ok =
    "Si vous changez les coordonnées\rmanuellement, activez ce bouton\rpour les prendre en compte";
constexpr const char* aide_1300 =
    "Utilise un fichier existant de près de 1300 villes dans le monde.\rCe choix est "
    "mémorisé.\rRelancer le programme pour prendre en compte tout changement sur cette case.";
constexpr const char* aide_13000 =
    "Utilise un fichier existant de plus de 13000 villes dans le monde.\rCe choix est "
    "mémorisé.\rRelancer le programme pour prendre en compte tout changement sur cette "
    "case.\rLe lancement du programme est un peu ralenti lorsque cette case est sélectionnée.";

QString bulle(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString qs(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

QLineEdit* coordonnee(const char* nom, const char* aide, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setToolTip(bulle(aide));
    e->setMaximumWidth(90);
    return e;
}

void remplit_liste(QComboBox* c, const std::vector<std::string>& noms)
{
    c->clear();
    for (const std::string& n : noms) {
        c->addItem(QString::fromStdString(n));
    }
}

} // namespace

PanneauLieu::PanneauLieu(QWidget* parent)
    : QGroupBox(QStringLiteral("Lieu"), parent),
      fichier_lieux_(std::string(places::fichier_lieux_court))
{
    setObjectName("PanneauLieu");
    cree_boites();
    cree_boutons();
    dispose();
    connecte();
}

void PanneauLieu::cree_boites()
{
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    for (QComboBox* c : {ComboBox1, ComboBox2}) {
        c->setMinimumContentsLength(18);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMaxVisibleItems(25);
    }
    Edit1 = coordonnee("Edit1", aide_latitude, this);
    Edit2 = coordonnee("Edit2", aide_longitude, this);
    Edit3 = coordonnee("Edit3", aide_gmt, this);
    Edit4 = coordonnee("Edit4", "0 en hiver et 1 en été, en France", this);
    Edit4->setMaximumWidth(40);
}

void PanneauLieu::cree_boutons()
{
    bouton_ok_ = new QPushButton(QStringLiteral("OK"), this);
    bouton_ok_->setObjectName("BoutonOK");
    bouton_ok_->setToolTip(bulle(aide_ok));
    bouton_ete_ = bouton_de_paire(QStringLiteral("h. d'été"), "BoutonEte", this);
    bouton_hiver_ = bouton_de_paire(QStringLiteral("h. d'hiver"), "BoutonHiver", this);
    Label44 = new QLabel(this);
    Label44->setObjectName("Label44");
    Label44->setWordWrap(true);
    case_1300_ = new QCheckBox(QStringLiteral("1300v"), this);
    case_1300_->setObjectName("CheckBox1300v");
    case_1300_->setToolTip(bulle(aide_1300));
    case_13000_ = new QCheckBox(QStringLiteral("13000v"), this);
    case_13000_->setObjectName("CheckBox13000v");
    case_13000_->setToolTip(bulle(aide_13000));
    bouton_diaspora_ = bouton_de_paire(QStringLiteral(" Diaspora"), "BoutonDiaspora", this);
    bouton_israel_ = bouton_de_paire(QStringLiteral(" Israel"), "BoutonIsrael", this);
}

void PanneauLieu::dispose()
{
    auto* grille = new QGridLayout(this);
    grille->setVerticalSpacing(3);
    grille->addWidget(new QLabel(QStringLiteral("Pays"), this), 0, 0);
    grille->addWidget(ComboBox1, 0, 1, 1, 3);
    grille->addWidget(case_1300_, 0, 4);
    grille->addWidget(bouton_diaspora_, 0, 5);
    grille->addWidget(new QLabel(QStringLiteral("Ville"), this), 1, 0);
    grille->addWidget(ComboBox2, 1, 1, 1, 3);
    grille->addWidget(case_13000_, 1, 4);
    grille->addWidget(bouton_israel_, 1, 5);
    auto* coords = new QHBoxLayout;
    coords->addWidget(new QLabel(QStringLiteral("Lat."), this));
    coords->addWidget(Edit1);
    coords->addWidget(new QLabel(QStringLiteral("Long."), this));
    coords->addWidget(Edit2);
    coords->addWidget(new QLabel(QStringLiteral("gmt"), this));
    coords->addWidget(Edit3);
    coords->addWidget(bouton_ok_);
    grille->addLayout(coords, 2, 0, 1, 6);
    auto* ete = new QHBoxLayout;
    ete->addWidget(Edit4);
    ete->addWidget(bouton_ete_);
    ete->addWidget(bouton_hiver_);
    ete->addWidget(Label44, 1);
    grille->addLayout(ete, 3, 0, 1, 6);
}

void PanneauLieu::connecte()
{
    connect(ComboBox1, &QComboBox::textActivated, this, &PanneauLieu::pays_active);
    connect(ComboBox2, &QComboBox::textActivated, this, &PanneauLieu::ville_activee);
    connect(Edit1, &QLineEdit::textEdited, this, &PanneauLieu::coordonnees_saisies);
    connect(Edit2, &QLineEdit::textEdited, this, &PanneauLieu::coordonnees_saisies);
    connect(Edit3, &QLineEdit::textEdited, this, &PanneauLieu::coordonnees_saisies);
    connect(bouton_ok_, &QPushButton::clicked, this, &PanneauLieu::calcul_demande);
    connect(Edit4, &QLineEdit::textChanged, this, &PanneauLieu::Edit4Change);
    connect(bouton_ete_, &QPushButton::clicked, this, &PanneauLieu::BoutonEteClick);
    connect(bouton_hiver_, &QPushButton::clicked, this, &PanneauLieu::BoutonHiverClick);
    connect(case_1300_, &QCheckBox::clicked, this, &PanneauLieu::CheckBox1300vClick);
    connect(case_13000_, &QCheckBox::clicked, this, &PanneauLieu::CheckBox13000vClick);
    connect(bouton_diaspora_, &QPushButton::clicked, this, &PanneauLieu::BoutonDiasporaClick);
    connect(bouton_israel_, &QPushButton::clicked, this, &PanneauLieu::BoutonIsraelClick);
}

void PanneauLieu::remplit(const places::LieuxCharges& lieux)
{
    fichier_lieux_ = lieux.fichier_lieux;
    const bool long_fichier = fichier_lieux_ == places::fichier_lieux_long;
    case_1300_->setChecked(!long_fichier);
    case_13000_->setChecked(long_fichier);
    remplit_liste(ComboBox1, lieux.listes.pays);
    remplit_liste(ComboBox2, lieux.listes.villes);
}

void PanneauLieu::montre_lieu(const places::Place& lieu)
{
    ComboBox1->setCurrentText(QString::fromStdString(lieu.pays));
    ComboBox2->setCurrentText(QString::fromStdString(lieu.ville));
    Edit1->setText(QString::fromStdString(lieu.latitude));
    Edit2->setText(QString::fromStdString(lieu.longitude));
    Edit3->setText(QString::fromStdString(lieu.decalage));
}

void PanneauLieu::montre_ville_choisie(const QString& ville, const places::Place& lieu)
{
    ComboBox2->setCurrentText(ville);
    ComboBox1->setCurrentText(QString::fromStdString(lieu.pays));
    Edit1->setText(QString::fromStdString(lieu.latitude));
    Edit2->setText(QString::fromStdString(lieu.longitude));
    Edit3->setText(QString::fromStdString(lieu.decalage));
}

void PanneauLieu::montre_villes(const std::vector<std::string>& villes)
{
    remplit_liste(ComboBox2, villes);
    ComboBox2->setCurrentIndex(-1);
}

void PanneauLieu::efface_coordonnees()
{
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        e->clear();
    }
}

void PanneauLieu::copie_coordonnees(places::Place& lieu) const
{
    lieu.latitude = Edit1->text().toStdString();
    lieu.longitude = Edit2->text().toStdString();
    lieu.decalage = Edit3->text().toStdString();
}

std::string PanneauLieu::pays() const
{
    return ComboBox1->currentText().toStdString();
}

std::string PanneauLieu::ville() const
{
    return ComboBox2->currentText().toStdString();
}

void PanneauLieu::choisit_correction(const std::string& texte)
{
    Edit4->setText(QString::fromStdString(texte));
}

void PanneauLieu::ecrit_correction(const std::string& texte)
{
    {
        const QSignalBlocker bloque(Edit4);
        Edit4->setText(QString::fromStdString(texte));
    }
    retient_correction(Edit4->text());
}

void PanneauLieu::Edit4Change(const QString& texte)
{
    retient_correction(texte);
    // A value typed by hand: the buttons follow it without clicking back.
    boutons_correction();
}

void PanneauLieu::retient_correction(const QString& texte)
{
    bool lu = false;
    const double valeur = QString(texte).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&lu);
    correction_saisie_ = lu ? valeur : 0.0;
    emit correction_changee(correction_saisie_);
}

void PanneauLieu::boutons_correction()
{
    const bool ete = correction_saisie_ != 0;
    colore_paire(ete ? bouton_ete_ : bouton_hiver_, ete ? bouton_hiver_ : bouton_ete_);
}

void PanneauLieu::montre_etiquette_horaire()
{
    Label44->setText(qs(places::texte_etiquette_horaire(bouton_hiver_->isChecked())));
}

void PanneauLieu::montre_table_ete(bool trouvee, bool ete)
{
    if (trouvee) {
        Label44->setText(qs(places::texte_etiquette_table(ete)));
    }
    Label44->setToolTip(bulle(places::bulle_etiquette(trouvee)));
}

void PanneauLieu::montre_diaspora(bool diaspora)
{
    colore_paire(diaspora ? bouton_diaspora_ : bouton_israel_,
                 diaspora ? bouton_israel_ : bouton_diaspora_);
}

void PanneauLieu::BoutonEteClick()
{
    choisit_ete(true);
}

void PanneauLieu::BoutonHiverClick()
{
    choisit_ete(false);
}

void PanneauLieu::choisit_ete(bool ete)
{
    ecrit_correction(ete ? "1" : "0");
    colore_paire(ete ? bouton_ete_ : bouton_hiver_, ete ? bouton_hiver_ : bouton_ete_);
    emit correction_choisie();
}

void PanneauLieu::CheckBox1300vClick(bool coche)
{
    choisit_fichier_lieux(!coche);
}

void PanneauLieu::CheckBox13000vClick(bool coche)
{
    choisit_fichier_lieux(coche);
}

void PanneauLieu::choisit_fichier_lieux(bool long_fichier)
{
    case_1300_->setChecked(!long_fichier);
    case_13000_->setChecked(long_fichier);
    fichier_lieux_ =
        std::string(long_fichier ? places::fichier_lieux_long : places::fichier_lieux_court);
    emit fichier_lieux_change();
}

void PanneauLieu::BoutonDiasporaClick()
{
    emit diaspora_choisie(true);
}

void PanneauLieu::BoutonIsraelClick()
{
    emit diaspora_choisie(false);
}

} // namespace orvane::gui
