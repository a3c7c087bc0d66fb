// The controls of the "Divers" window and which of them each table shows.

#include "events/festivals/festivals_text.h"
#include "gui/common/buddy_label.h"
#include "gui/common/fonts.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "gui/events/divers_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QSpinBox* champ_annee(QWidget* parent, const char* nom)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setAccelerated(true);
    return s;
}

void montre(const std::vector<QWidget*>& widgets, bool visible)
{
    for (QWidget* w : widgets) {
        w->setVisible(visible);
    }
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

void Tdivers::cree_entrees()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    annee_hebr_ = champ_annee(boite, "AnneeHebraique");
    annee_civile_ = champ_annee(boite, "AnneeCivile");
    fin_hebr_ = champ_annee(boite, "AnneeHebraiqueFin");
    fin_civile_ = champ_annee(boite, "AnneeCivileFin");
    nb_annees_ = champ_annee(boite, "NombreAnnees");
    increment_ = champ_annee(boite, "Increment");
    mois_ = new QComboBox(boite);
    mois_->setObjectName("ChoixMois");
    QLabel* eh = libelle(boite, QStringLiteral("Année &hébraïque"), annee_hebr_);
    QLabel* ec = libelle(boite, QStringLiteral("Année &civile"), annee_civile_);
    QLabel* fh = libelle(boite, QStringLiteral("Année hébraïque &fin"), fin_hebr_);
    QLabel* fc = libelle(boite, QStringLiteral("Année civile fi&n"), fin_civile_);
    libelle_nb_ = libelle(boite, QStringLiteral("N&br d'années"), nb_annees_);
    QLabel* inc = libelle(boite, QStringLiteral("Incré&ment"), increment_);
    libelle_mois_ = libelle(boite, QStringLiteral("M&ois hébraïques"), mois_);
    l->addWidget(eh, 0, 0);
    l->addWidget(annee_hebr_, 0, 1);
    l->addWidget(ec, 1, 0);
    l->addWidget(annee_civile_, 1, 1);
    l->addWidget(fh, 0, 2);
    l->addWidget(fin_hebr_, 0, 3);
    l->addWidget(fc, 1, 2);
    l->addWidget(fin_civile_, 1, 3);
    l->addWidget(libelle_mois_, 0, 4);
    l->addWidget(mois_, 0, 5);
    l->addWidget(libelle_nb_, 1, 4);
    l->addWidget(nb_annees_, 1, 5);
    l->addWidget(inc, 2, 4);
    l->addWidget(increment_, 2, 5);
    entrees_annees_ = {eh, annee_hebr_, ec, annee_civile_};
    entrees_fin_ = {fh, fin_hebr_, fc, fin_civile_};
    entrees_nb_ = {libelle_nb_, nb_annees_};
    entrees_increment_ = {inc, increment_};
    entrees_mois_ = {libelle_mois_, mois_};
    grille(this)->addWidget(boite, 0, 0);
    connect(annee_hebr_, &QSpinBox::valueChanged, this, &Tdivers::SpinEditHebrChange);
    connect(annee_civile_, &QSpinBox::valueChanged, this, &Tdivers::SpinEditCivChange);
    connect(fin_hebr_, &QSpinBox::valueChanged, this, &Tdivers::SpinEditFinHebrChange);
    connect(fin_civile_, &QSpinBox::valueChanged, this, &Tdivers::SpinEditFinCivChange);
    connect(nb_annees_, &QSpinBox::valueChanged, this, &Tdivers::NombreChange);
    connect(increment_, &QSpinBox::valueChanged, this, &Tdivers::IncrementChange);
    connect(mois_, &QComboBox::currentIndexChanged, this, &Tdivers::MoisChange);
}

void Tdivers::cree_coches()
{
    auto* boite = new QWidget(this);
    auto* l = new QVBoxLayout(boite);
    coche1_ = new QCheckBox(boite);
    coche1_->setObjectName("Coche1");
    coche2_ = new QCheckBox(boite);
    coche2_->setObjectName("Coche2");
    web_ = new QCheckBox(QStringLiteral("Création de fichiers &Web"), boite);
    web_->setObjectName("CaseWeb");
    houmra_ = new QCheckBox(QStringLiteral("'Houmra de l'équation du temps"), boite);
    houmra_->setObjectName("CaseHoumra");
    israel_ = bouton_nomme(boite, "BoutonIsrael",
                           QStringLiteral("Cliquez ici pour calculer la Bircat Halévana en Israël"),
                           this, &Tdivers::BoutonIsraelClick);
    for (QWidget* w : std::initializer_list<QWidget*>{coche1_, coche2_, web_, houmra_, israel_}) {
        l->addWidget(w);
    }
    grille(this)->addWidget(boite, 0, 1);
    connect(coche1_, &QCheckBox::clicked, this, &Tdivers::Coche1Click);
    connect(coche2_, &QCheckBox::clicked, this, &Tdivers::Coche2Click);
    connect(houmra_, &QCheckBox::clicked, this, &Tdivers::HoumraClick);
}

void Tdivers::cree_notes()
{
    auto* boite = new QWidget(this);
    auto* l = new QVBoxLayout(boite);
    aujourdhui_ = new QLabel(boite);
    aujourdhui_->setObjectName("LabelAujourdhui");
    message_ = new QLabel(boite);
    message_->setObjectName("LabelMessage");
    message_->setStyleSheet(QStringLiteral("color: red"));
    l->addWidget(aujourdhui_);
    l->addWidget(message_);
    for (std::string_view note : events::notes_divers(mode_)) {
        auto* n = new QLabel(qs(note), boite);
        n->setObjectName("Note");
        notes_.push_back(n);
        l->addWidget(n);
    }
    grille(this)->addWidget(boite, 1, 0, 1, 2);
}

void Tdivers::cree_boutons()
{
    auto* boite = new QWidget(this);
    QPushButton* aujourdhui = bouton_nomme(boite, "BoutonAujourdhui", QStringLiteral("Aujourd'hui"),
                                           this, &Tdivers::BoutonAujourdhuiClick);
    calculer_ = bouton_nomme(boite, "BoutonCalculer", QStringLiteral("Calculer"), this,
                             &Tdivers::BoutonCalculerClick);
    QPushButton* defaut = bouton_nomme(boite, "BoutonDefaut", QStringLiteral("Valeurs par défaut"),
                                       this, &Tdivers::BoutonDefautClick);
    QPushButton* enregistrer =
        bouton_nomme(boite, "BoutonEnregistrer", QStringLiteral("Enregistrer"), this,
                     &Tdivers::BoutonEnregistrerClick);
    QPushButton* imprimer = bouton_nomme(boite, "BoutonImprimer", QStringLiteral("Imprimer"), this,
                                         &Tdivers::BoutonImprimerClick);
    glossaire_ = bouton_nomme(boite, "BoutonGlossaire", QStringLiteral("Glossaire"), this,
                              &Tdivers::BoutonGlossaireClick);
    QPushButton* fermer =
        bouton_nomme(boite, "BoutonFermer", QStringLiteral("Fermer"), this, &QWidget::close);
    calculer_->setDefault(true);
    auto* l = new QHBoxLayout(boite);
    for (QPushButton* b :
         {aujourdhui, calculer_, defaut, enregistrer, imprimer, glossaire_, fermer}) {
        l->addWidget(b);
    }
    grille(this)->addWidget(boite, 3, 0, 1, 2);
}

void Tdivers::cree_resultats()
{
    auto* boite = new QWidget(this);
    auto* l = new QVBoxLayout(boite);
    memo_ = new ZoneResultat("Memo1", 9, boite);
    liste_hebreu_ = new QListWidget(boite);
    liste_hebreu_->setObjectName("ListeHebreu");
    liste_hebreu_->setFont(police_hebraique(8));
    liste_hebreu_->hide();
    jauge_ = new QProgressBar(boite);
    jauge_->setObjectName("Jauge");
    jauge_->setRange(0, 100);
    etape_ = new QLabel(boite);
    etape_->setObjectName("LabelEtape");
    l->addWidget(memo_, 1);
    l->addWidget(liste_hebreu_);
    l->addWidget(jauge_);
    l->addWidget(etape_);
    grille(this)->addWidget(boite, 2, 0, 1, 2);
    grille(this)->setRowStretch(2, 1);
}

void Tdivers::installe_mode()
{
    const events::DescriptionModeDivers& d = events::description(mode_);
    const events::ControlesVisibles& c = d.controles;
    montre(entrees_annees_, c.annees);
    montre(entrees_fin_, c.derniere);
    montre(entrees_nb_, c.nb_annees);
    montre(entrees_increment_, c.increment);
    montre(entrees_mois_, c.mois);
    coche1_->setVisible(c.coches);
    coche2_->setVisible(c.coches);
    web_->setVisible(c.web);
    houmra_->setVisible(c.houmra);
    israel_->setVisible(c.bouton_israel);
    jauge_->setVisible(mode_ == events::ModeDivers::series_61);
    etape_->setVisible(mode_ == events::ModeDivers::series_61);
    glossaire_->setEnabled(!d.cles_glossaire.empty());
    coche1_->setText(qs(d.coche1));
    coche2_->setText(qs(d.coche2));
    libelle_mois_->setText(qs(d.libelle_mois));
    libelle_nb_->setText(qs(d.libelle_nb_annees));

    const int max = events::annee_max(mode_);
    const events::ValeursMode& v = valeurs();
    synchronise_ = true;
    annee_hebr_->setRange(1, max);
    annee_civile_->setRange(events::annee_civile_affichee(1), events::annee_civile_affichee(max));
    fin_hebr_->setRange(1, max);
    fin_civile_->setRange(1 - 3760, max - 3760);
    for (QSpinBox* s : {annee_hebr_, annee_civile_, fin_hebr_, fin_civile_}) {
        s->setSingleStep(d.pas_annees);
    }
    nb_annees_->setRange(0, events::nb_annees_maximum(mode_));
    increment_->setRange(1, max);
    annee_hebr_->setValue(v.premiere);
    annee_civile_->setValue(events::annee_civile_affichee(v.premiere));
    fin_hebr_->setValue(std::max(v.derniere, 1));
    fin_civile_->setValue(std::max(v.derniere, 1) - 3760);
    nb_annees_->setValue(v.nb_annees);
    increment_->setValue(v.increment);
    mois_->clear();
    for (std::string_view m : d.choix_mois) {
        mois_->addItem(qs(m));
    }
    coche1_->setChecked(!d.coche2_par_defaut);
    coche2_->setChecked(d.coche2_par_defaut);
    houmra_->setChecked(true);
    synchronise_ = false;
    coche_exclusive(coche1_->isChecked() ? coche1_ : coche2_,
                    coche1_->isChecked() ? coche2_ : coche1_);
}

} // namespace orvane::gui
