// TFMainForm: the place of the times (country, city, coordinates, "OK"),
// the summer-time correction and its two buttons, the choice of the places
// file and the Diaspora / Israel buttons.
#include "gui/common/fonts.h"
#include "gui/shell/main_window.h"
#include "places/dst_texts.h"
#include "places/places.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/day/day_page_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace orvane::gui
{

namespace
{

QPushButton* bouton_paire(const QString& texte, const char* nom, QWidget* parent)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setCheckable(true);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* coordonnee(const char* nom, const char* aide, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setToolTip(QString::fromUtf8(aide).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    e->setMaximumWidth(90);
    return e;
}

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
    "mémorisé.\rRelancer le programme pour prendre un compte tout changement sur cette case.";
constexpr const char* aide_13000 =
    "Utilise un fichier existant de plus de 13000 villes dans le monde.\rCe choix est "
    "mémorisé.\rRelancer le programme pour prendre un compte tout changement sur cette "
    "case.\rLe lancement du programme est un peu ralenti lorsque cette case est selctionnée.";

QString bulle(const char* texte)
{
    return QString::fromUtf8(texte).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

QWidget* TFMainForm::cree_panneau_lieu()
{
    auto* g = new QGroupBox(QStringLiteral("Lieu"));
    g->setObjectName("PanneauLieu");
    ComboBox1 = new QComboBox(g);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox2 = new QComboBox(g);
    ComboBox2->setObjectName("ComboBox2");
    for (QComboBox* c : {ComboBox1, ComboBox2}) {
        c->setMinimumContentsLength(18);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMaxVisibleItems(25);
    }
    Edit1 = coordonnee("Edit1", aide_latitude, g);
    Edit2 = coordonnee("Edit2", aide_longitude, g);
    Edit3 = coordonnee("Edit3", aide_gmt, g);
    Edit4 = coordonnee("Edit4", "0 en hiver et 1 en été, en France", g);
    Edit4->setMaximumWidth(40);
    bouton_ok_ = new QPushButton(QStringLiteral("OK"), g);
    bouton_ok_->setObjectName("BoutonOK");
    bouton_ok_->setToolTip(bulle(aide_ok));
    bouton_ete_ = bouton_paire(QStringLiteral("h. d'été"), "BoutonEte", g);
    bouton_hiver_ = bouton_paire(QStringLiteral("h. d'hiver"), "BoutonHiver", g);
    Label44 = new QLabel(g);
    Label44->setObjectName("Label44");
    Label44->setWordWrap(true);
    case_1300_ = new QCheckBox(QStringLiteral("1300v"), g);
    case_1300_->setObjectName("CheckBox1300v");
    case_1300_->setToolTip(bulle(aide_1300));
    case_13000_ = new QCheckBox(QStringLiteral("13000v"), g);
    case_13000_->setObjectName("CheckBox13000v");
    case_13000_->setToolTip(bulle(aide_13000));
    bouton_diaspora_ = bouton_paire(QStringLiteral(" Diaspora"), "BoutonDiaspora", g);
    bouton_israel_ = bouton_paire(QStringLiteral(" Israel"), "BoutonIsrael", g);

    auto* grille = new QGridLayout(g);
    grille->setVerticalSpacing(3);
    grille->addWidget(new QLabel(QStringLiteral("Pays"), g), 0, 0);
    grille->addWidget(ComboBox1, 0, 1, 1, 3);
    grille->addWidget(case_1300_, 0, 4);
    grille->addWidget(bouton_diaspora_, 0, 5);
    grille->addWidget(new QLabel(QStringLiteral("Ville"), g), 1, 0);
    grille->addWidget(ComboBox2, 1, 1, 1, 3);
    grille->addWidget(case_13000_, 1, 4);
    grille->addWidget(bouton_israel_, 1, 5);
    auto* coords = new QHBoxLayout;
    coords->addWidget(new QLabel(QStringLiteral("Lat."), g));
    coords->addWidget(Edit1);
    coords->addWidget(new QLabel(QStringLiteral("Long."), g));
    coords->addWidget(Edit2);
    coords->addWidget(new QLabel(QStringLiteral("gmt"), g));
    coords->addWidget(Edit3);
    coords->addWidget(bouton_ok_);
    grille->addLayout(coords, 2, 0, 1, 6);
    auto* ete = new QHBoxLayout;
    ete->addWidget(Edit4);
    ete->addWidget(bouton_ete_);
    ete->addWidget(bouton_hiver_);
    ete->addWidget(Label44, 1);
    grille->addLayout(ete, 3, 0, 1, 6);

    connecte_lieu();
    return g;
}

void TFMainForm::connecte_lieu()
{
    connect(ComboBox1, &QComboBox::textActivated, this, &TFMainForm::ComboBox1Change);
    connect(ComboBox2, &QComboBox::textActivated, this, &TFMainForm::ComboBox2Change);
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        connect(e, &QLineEdit::textEdited, this, &TFMainForm::coordonnees_saisies);
    }
    connect(bouton_ok_, &QPushButton::clicked, this, &TFMainForm::calcule_jour);
    connect(Edit4, &QLineEdit::textChanged, this, &TFMainForm::Edit4Change);
    connect(bouton_ete_, &QPushButton::clicked, this, [this] { choisit_ete(true); });
    connect(bouton_hiver_, &QPushButton::clicked, this, [this] { choisit_ete(false); });
    connect(case_1300_, &QCheckBox::clicked, this, [this](bool c) { choisit_fichier_lieux(!c); });
    connect(case_13000_, &QCheckBox::clicked, this, [this](bool c) { choisit_fichier_lieux(c); });
    connect(bouton_diaspora_, &QPushButton::clicked, this,
            [this] { choisit_diaspora(true, true); });
    connect(bouton_israel_, &QPushButton::clicked, this, [this] { choisit_diaspora(false, true); });
}

void TFMainForm::remplit_lieux()
{
    ctx_.lieux = places::charge_lieux(ctx_.repertoire);
    fichier_lieux_ = ctx_.lieux.fichier_lieux;
    const bool long_fichier = fichier_lieux_ == places::fichier_lieux_long;
    case_1300_->setChecked(!long_fichier);
    case_13000_->setChecked(long_fichier);
    ComboBox1->clear();
    for (const std::string& p : ctx_.lieux.listes.pays) {
        ComboBox1->addItem(QString::fromStdString(p));
    }
    ComboBox2->clear();
    for (const std::string& v : ctx_.lieux.listes.villes) {
        ComboBox2->addItem(QString::fromStdString(v));
    }
}

void TFMainForm::applique_lieu_accueil()
{
    const places::LieuAccueil& a = ctx_.lieux.accueil;
    ctx_.lieu_courant = a.lieu;
    ctx_.lieu_accueil = a.lieu;
    ComboBox1->setCurrentText(QString::fromStdString(a.lieu.pays));
    ComboBox2->setCurrentText(QString::fromStdString(a.lieu.ville));
    Edit1->setText(QString::fromStdString(a.lieu.latitude));
    Edit2->setText(QString::fromStdString(a.lieu.longitude));
    Edit3->setText(QString::fromStdString(a.lieu.decalage));
    Label40->setText(QString::fromStdString(a.opinion));
    Edit4->setText(QString::fromStdString(a.correction));
}

void TFMainForm::ComboBox1Change(const QString& pays_q)
{
    const std::string pays = pays_q.toStdString();
    const places::ChoixPays choix = places::choix_pays(ctx_.lieux.listes, pays);
    ComboBox2->clear();
    for (const std::string& v : choix.villes) {
        ComboBox2->addItem(QString::fromStdString(v));
    }
    ComboBox2->setCurrentIndex(-1);
    choisit_diaspora(!places::est_israel(pays), true);
    ctx_.lieu_courant = places::Place{"", pays, "", "", ""};
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        e->clear();
    }
    cache_horaires("   Choisissez une ville en " + pays);
}

void TFMainForm::ComboBox2Change(const QString& ville_q)
{
    const std::string ville = ville_q.toStdString();
    const std::optional<places::Place> lieu =
        places::choix_ville(ctx_.lieux.listes, ville, ComboBox1->currentText().toStdString());
    if (!lieu) {
        return;
    }
    ctx_.lieu_courant = *lieu;
    ctx_.lieu_accueil = *lieu;
    ComboBox2->setCurrentText(ville_q);
    ComboBox1->setCurrentText(QString::fromStdString(lieu->pays));
    Edit1->setText(QString::fromStdString(lieu->latitude));
    Edit2->setText(QString::fromStdString(lieu->longitude));
    Edit3->setText(QString::fromStdString(lieu->decalage));
    if (!lieu->latitude.empty() && !lieu->longitude.empty() && !lieu->decalage.empty()) {
        calcule_jour();
        choisit_diaspora(!places::est_israel(lieu->pays), true);
    }
}

void TFMainForm::coordonnees_saisies()
{
    for (places::Place* p : {&ctx_.lieu_courant, &ctx_.lieu_accueil}) {
        p->latitude = Edit1->text().toStdString();
        p->longitude = Edit2->text().toStdString();
        p->decalage = Edit3->text().toStdString();
    }
}

void TFMainForm::Edit4Change(const QString& texte)
{
    bool lu = false;
    const double valeur = QString(texte).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&lu);
    correction_saisie_ = lu ? valeur : 0.0;
    ctx_.heure_ete.correction_manuelle = correction_saisie_;
    if (garde_correction_) {
        return;
    }
    // A value typed by hand: the buttons follow it without clicking back.
    garde_correction_ = true;
    boutons_correction();
    garde_correction_ = false;
}

void TFMainForm::choisit_ete(bool ete)
{
    garde_correction_ = true;
    Edit4->setText(ete ? QStringLiteral("1") : QStringLiteral("0"));
    garde_correction_ = false;
    colore_paire(ete ? bouton_ete_ : bouton_hiver_, ete ? bouton_hiver_ : bouton_ete_);
    calcule_jour();
}

void TFMainForm::boutons_correction()
{
    const bool ete = correction_saisie_ != 0;
    colore_paire(ete ? bouton_ete_ : bouton_hiver_, ete ? bouton_hiver_ : bouton_ete_);
}

void TFMainForm::choisit_fichier_lieux(bool long_fichier)
{
    case_1300_->setChecked(!long_fichier);
    case_13000_->setChecked(long_fichier);
    fichier_lieux_ =
        std::string(long_fichier ? places::fichier_lieux_long : places::fichier_lieux_court);
    calcule_jour();
}

void TFMainForm::choisit_diaspora(bool diaspora, bool par_l_utilisateur)
{
    const bool change = ctx_.options.diaspora != diaspora;
    ctx_.options.diaspora = diaspora;
    colore_paire(diaspora ? bouton_diaspora_ : bouton_israel_,
                 diaspora ? bouton_israel_ : bouton_diaspora_);
    menu_diaspora_->setChecked(diaspora);
    menu_israel_->setChecked(!diaspora);
    if (!par_l_utilisateur || !affiche_) {
        return;
    }
    try {
        config::sauve_options(ctx_.repertoire, ctx_.options);
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
    if (change && page_prete_) {
        SpinEdit1Change(SpinEdit1->value());
        date_bar_mitsva();
        calcule_jour();
    }
}

shell::DemandePageAccueil TFMainForm::demande_page() const
{
    shell::DemandePageAccueil d;
    d.jour.date = panneau_.date_civile();
    d.jour.lieu = ctx_.lieu_courant;
    d.jour.opinion = Label40->text().toStdString();
    d.jour.diaspora = ctx_.options.diaspora;
    d.jour.mode_horaire = ctx_.options.mode_horaire;
    d.jour.vaudrel = ctx_.options.intervalle_sortie_chabbat;
    d.jour.correction_saisie = correction_saisie_;
    d.aujourdhui = aujourdhui();
    d.nombre_anniversaires = SpinEdit7->value();
    d.fille = fille_;
    return d;
}

} // namespace orvane::gui
