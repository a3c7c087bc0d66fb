// The controls of the records window and their layout.
#include "gui/common/buddy_label.h"
#include "gui/common/fonts.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "gui/records/veldor_window.h"
#include "records/event_date.h"
#include "records/reading_texts.h"
#include "records/store/families.h"

#include "engine/date_validity.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Hints are written with CR line breaks; Qt breaks at LF.
QString aide(std::string_view texte)
{
    return qs(texte).replace('\r', '\n');
}

QSpinBox* boite_nombre(QWidget* parent, const char* nom, int min, int max, int valeur)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setValue(valeur);
    return s;
}

QLineEdit* edition(QWidget* parent, const char* nom, bool lecture_seule = false)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setReadOnly(lecture_seule);
    return e;
}

QComboBox* liste(QWidget* parent, const char* nom, const QStringList& elements)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(nom);
    c->setEditable(true);
    c->addItems(elements);
    return c;
}

} // namespace

void TFVeldor::cree_dates()
{
    auto* boite = new QGroupBox(this);
    boite->setObjectName("GroupeDates");
    auto* l = new QGridLayout(boite);
    titre_date_ = new QLabel(boite);
    jour_civil_ = boite_nombre(boite, "SpinEdit3", 0, 32, 1);
    mois_civil_ = boite_nombre(boite, "SpinEdit9", 0, 13, 1);
    nom_mois_civil_ = edition(boite, "Edit13", true);
    annee_civile_ = boite_nombre(boite, "SpinEdit5", 1, 9999, 2006);
    annee_civile_->setToolTip(qs(engine::message_annee_civile_limites).trimmed());
    jour_hebreu_ = boite_nombre(boite, "SpinEdit6", 0, 31, 1);
    mois_hebreu_ = boite_nombre(boite, "SpinEdit10", 0, 14, 1);
    nom_mois_hebreu_ = edition(boite, "Edit14", true);
    annee_hebraique_ = boite_nombre(boite, "SpinEdit8", 1, 13759, 5766);
    annee_hebraique_->setToolTip(qs(engine::message_annee_hebraique_limites));
    jour_semaine_ = edition(boite, "Edit7", true);
    jour_evenement_ = edition(boite, "Edit11", true);
    jour_evenement_->setToolTip(QStringLiteral("Date hébraïque de l'événement, après la tombée "
                                               "de la nuit le jour suivant"));
    jour_nuit_ = liste(boite, "ComboBox1", {"J", "N"});
    alerte_civile_ = new QLabel(boite);
    alerte_civile_->setObjectName("LabelAlerteCivile");
    alerte_hebraique_ = new QLabel(boite);
    alerte_hebraique_->setObjectName("LabelAlerteHebraique");
    l->addWidget(titre_date_, 0, 0, 1, 6);
    l->addWidget(libelle(boite, QStringLiteral("Date &civile"), jour_civil_), 1, 0);
    l->addWidget(jour_civil_, 1, 1);
    l->addWidget(mois_civil_, 1, 2);
    l->addWidget(nom_mois_civil_, 1, 3);
    l->addWidget(annee_civile_, 1, 4);
    l->addWidget(jour_semaine_, 1, 5);
    l->addWidget(libelle(boite, QStringLiteral("&Jour / Nuit"), jour_nuit_), 1, 6);
    l->addWidget(jour_nuit_, 1, 7);
    l->addWidget(alerte_civile_, 2, 1, 1, 7);
    l->addWidget(libelle(boite, QStringLiteral("Date &hébraïque"), jour_hebreu_), 3, 0);
    l->addWidget(jour_hebreu_, 3, 1);
    l->addWidget(mois_hebreu_, 3, 2);
    l->addWidget(nom_mois_hebreu_, 3, 3);
    l->addWidget(annee_hebraique_, 3, 4);
    l->addWidget(jour_evenement_, 3, 5, 1, 3);
    l->addWidget(alerte_hebraique_, 4, 1, 1, 7);
    cree_inhumation(boite);
    l->addWidget(inhumation_, 5, 0, 1, 8);
    bar_ = bouton_nomme(boite, "BoutonBarMitsva", QStringLiteral("Bar-Mitsva"), this,
                        &TFVeldor::BoutonBarMitsvaClick);
    bat_ = bouton_nomme(boite, "BoutonBatMitsva", QStringLiteral("Bat-Mitsva"), this,
                        &TFVeldor::BoutonBatMitsvaClick);
    l->addWidget(bar_, 6, 1, 1, 2);
    l->addWidget(bat_, 6, 3, 1, 2);
    grille(this)->addWidget(boite, 0, 0);
}

void TFVeldor::cree_inhumation(QWidget* boite)
{
    inhumation_ = new QWidget(boite);
    auto* l = new QHBoxLayout(inhumation_);
    l->setContentsMargins(0, 0, 0, 0);
    jour_inhumation_ = boite_nombre(inhumation_, "SpinEdit4", 0, 32, 1);
    mois_inhumation_ = boite_nombre(inhumation_, "SpinEdit7", 0, 13, 1);
    annee_inhumation_ = boite_nombre(inhumation_, "SpinEdit11", 1, 9999, 2006);
    nuit_inhumation_ = liste(inhumation_, "ComboBox2", {"J", "N"});
    nuit_inhumation_->setToolTip(aide(records::aide_jour_nuit_inhumation));
    hebreu_inhumation_ = edition(inhumation_, "EditInhumationHebreu", true);
    l->addWidget(libelle(inhumation_, QStringLiteral("&Inhumation"), jour_inhumation_));
    for (QWidget* w :
         std::initializer_list<QWidget*>{jour_inhumation_, mois_inhumation_, annee_inhumation_,
                                         nuit_inhumation_, hebreu_inhumation_}) {
        l->addWidget(w);
    }
}

void TFVeldor::cree_personnes()
{
    personnes_ = new QGroupBox(this);
    personnes_->setObjectName("GroupePersonnes");
    auto* l = new QGridLayout(personnes_);
    correspondant_ = new QLabel(personnes_);
    correspondant_->setObjectName("LabelCorrespondant");
    const QStringList civilites = {"M.", "Mme", "Mle", "Rav"};
    civilite_ = liste(personnes_, "ComboBox6", civilites);
    civilite_->setCurrentIndex(-1);
    civilite_->setEditText(QString());
    nom_ = edition(personnes_, "EditNom");
    prenom_ = edition(personnes_, "EditPrenom");
    prenom_hebreu_ = edition(personnes_, "EditPrenomHebreu");
    prenom_hebreu_->setToolTip(
        QStringLiteral("Prénom hébraïque en lettres latines (a=א b=ב g=ג d=ד …)"));
    chez_ = edition(personnes_, "EditChez");
    numero_rue_ = edition(personnes_, "EditNumero");
    adresse_ = edition(personnes_, "EditAdresse");
    code_postal_ = edition(personnes_, "EditCodePostal");
    ville_ = edition(personnes_, "EditVille");
    pays_ = edition(personnes_, "EditPays");
    telephone_ = edition(personnes_, "EditTelephone");
    notes_ = edition(personnes_, "EditNotes");
    fils_de_ = new QLabel(QStringLiteral("Fils de"), personnes_);
    fils_de_->setObjectName("LabelFilsDe");
    const std::pair<const char*, QWidget*> lignes[] = {
        {"M Mme ou Mle.....", civilite_},      {"Nom ..................", nom_},
        {"Prénom civil .......", prenom_},     {"Prénom hébraïque ..", prenom_hebreu_},
        {"Chez ..................", chez_},    {"Numéro ..............", numero_rue_},
        {"Adresse .............", adresse_},   {"Code postal ........", code_postal_},
        {"Ville ...................", ville_}, {"Pays ..................", pays_},
        {"Téléphone - Notes", telephone_},     {"Notes ..................", notes_}};
    l->addWidget(correspondant_, 0, 0, 1, 2);
    int rang = 1;
    for (const auto& [texte, w] : lignes) {
        QLabel* lb = libelle(personnes_, QString::fromUtf8(texte), w);
        lb->setObjectName(QStringLiteral("Libelle") + w->objectName());
        l->addWidget(lb, rang, 0);
        l->addWidget(w, rang, 1);
        ++rang;
    }
    l->addWidget(fils_de_, 4, 2); // beside "Chez"
    // The deceased, beside the correspondent.
    defunt_ = new QWidget(personnes_);
    auto* ld = new QGridLayout(defunt_);
    civilite_defunt_ = liste(defunt_, "ComboBox3", civilites);
    civilite_defunt_->setCurrentIndex(-1);
    civilite_defunt_->setEditText(QString());
    nom_defunt_ = edition(defunt_, "EditNomDefunt");
    prenom_defunt_ = edition(defunt_, "EditPrenomDefunt");
    prenom_hebreu_defunt_ = edition(defunt_, "EditPrenomHebreuDefunt");
    prenom_hebreu_defunt_->setToolTip(QStringLiteral(
        "Prénom hébraïque du défunt en lettres latines (a=א b=ב g=ג d=ד …), pour les Téhilim "
        "et les Michnayot"));
    const std::pair<const char*, QWidget*> lignes_defunt[] = {
        {"M Mme ou Mle", civilite_defunt_},
        {"Nom", nom_defunt_},
        {"Prénom civil", prenom_defunt_},
        {"Prénom hébraïque", prenom_hebreu_defunt_}};
    rang = 0;
    for (const auto& [texte, w] : lignes_defunt) {
        ld->addWidget(libelle(defunt_, QString::fromUtf8(texte), w), rang, 0);
        ld->addWidget(w, rang, 1);
        ++rang;
    }
    l->addWidget(defunt_, 1, 2, 4, 1);
    texte_evenement_ = new QPlainTextEdit(personnes_);
    texte_evenement_->setObjectName("MemoEvenement");
    texte_evenement_->setToolTip(QStringLiteral("Description de l'événement"));
    l->addWidget(texte_evenement_, rang + 12, 0, 1, 3);
    grille(this)->addWidget(personnes_, 1, 0, 2, 1);
}

void TFVeldor::cree_position()
{
    auto* boite = new QGroupBox(this);
    boite->setObjectName("GroupePosition");
    auto* l = new QGridLayout(boite);
    nb_annees_ = boite_nombre(boite, "SpinEdit1", 1, 1000, 1);
    pas_ = boite_nombre(boite, "SpinEdit2", 1, 1000, 1);
    position_boite_ = boite_nombre(boite, "SpinEdit15", 1, 1, 1);
    defilement_ = new QScrollBar(Qt::Horizontal, boite);
    defilement_->setObjectName("ScrollBar1");
    defilement_->setRange(1, 1);
    numero_fiche_ = edition(boite, "Edit12", true);
    libelle_position_ = new QLabel(boite);
    libelle_position_->setObjectName("LabelPosition");
    selection_ = new QLabel(boite);
    selection_->setObjectName("LabelSelection");
    anniv_civil_ = edition(boite, "EditAnnivCivil", true);
    anniv_hebreu_ = edition(boite, "EditAnnivHebreu", true);
    l->addWidget(libelle(boite, QStringLiteral("Nombre\nd'&années :  "), nb_annees_), 0, 0);
    l->addWidget(nb_annees_, 0, 1);
    l->addWidget(libelle(boite, QStringLiteral("&Pas"), pas_), 0, 2);
    l->addWidget(pas_, 0, 3);
    l->addWidget(libelle(boite, QStringLiteral("P&osition"), position_boite_), 1, 0);
    l->addWidget(position_boite_, 1, 1);
    l->addWidget(defilement_, 1, 2, 1, 2);
    l->addWidget(libelle(boite, QStringLiteral("Fiche N°"), numero_fiche_), 2, 0);
    l->addWidget(numero_fiche_, 2, 1);
    l->addWidget(libelle_position_, 2, 2);
    l->addWidget(selection_, 2, 3);
    l->addWidget(libelle(boite, QStringLiteral("Anniversaire civil"), anniv_civil_), 3, 0);
    l->addWidget(anniv_civil_, 3, 1, 1, 3);
    l->addWidget(libelle(boite, QStringLiteral("Anniv. hébraïque"), anniv_hebreu_), 4, 0);
    l->addWidget(anniv_hebreu_, 4, 1, 1, 3);
    grille(this)->addWidget(boite, 0, 1);
    connect(position_boite_, &QSpinBox::valueChanged, this, [this](int p) {
        if (!chargement_) {
            va_a(p);
        }
    });
    connect(defilement_, &QScrollBar::valueChanged, position_boite_, &QSpinBox::setValue);
}

void TFVeldor::cree_feuille()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    entete_hebreu_ = new QLabel(boite);
    entete_hebreu_->setObjectName("LabelBsd");
    affiche_hebreu(*entete_hebreu_, "bs\"d", 14);
    entete_hebreu_->setAlignment(Qt::AlignRight);
    feuille_ = new ZoneResultat("MemoFiche", 9, boite);
    lecture_zone_ = new QTextEdit(boite);
    lecture_zone_->setObjectName("MemoLecture");
    lecture_zone_->setReadOnly(true);
    lecture_zone_->setFont(police_hebraique(14));
    lecture_zone_->setToolTip(QStringLiteral("Ce texte est composé ici sur l'espace de droite."));
    aide_liste_ = new QLabel(QStringLiteral("Choisissez un patronyme dans la liste"), boite);
    aide_liste_->setObjectName("LabelListeNoms");
    liste_noms_ = new QListWidget(boite);
    liste_noms_->setObjectName("ListeNoms");
    connect(liste_noms_, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* i) { choisit_nom(i->text()); });
    l->addWidget(entete_hebreu_, 0, 0);
    l->addWidget(feuille_, 1, 0, 2, 1);
    l->addWidget(lecture_zone_, 1, 1);
    l->addWidget(aide_liste_, 0, 2);
    l->addWidget(liste_noms_, 1, 2, 2, 1);
    l->setColumnStretch(0, 3);
    l->setColumnStretch(1, 2);
    aide_liste_->hide();
    liste_noms_->hide();
    grille(this)->addWidget(boite, 1, 1, 2, 1);
    grille(this)->setRowStretch(2, 1);
    grille(this)->setColumnStretch(1, 1);
}

void TFVeldor::cree_boutons()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    struct Commande {
        const char* nom;
        const char* texte;
        void (TFVeldor::*action)();
    };
    const Commande commandes[] = {
        {"BoutonCalculer", "Calculer", &TFVeldor::BoutonCalculerClick},
        {"BoutonFiche", "Fiche", &TFVeldor::BoutonFicheClick},
        {"BoutonDates", "Dates", &TFVeldor::BoutonDatesClick},
        {"BoutonNouvelle", "Nouvelle fiche", &TFVeldor::BoutonNouvelleClick},
        {"BoutonEnregistrerNouvelle", "Enregistrer nouvelle fiche",
         &TFVeldor::BoutonEnregistrerNouvelleClick},
        {"BoutonModifications", "Enregistrer modifications", &TFVeldor::BoutonModificationsClick},
        {"BoutonSupprimer", "Supprimer cette fiche", &TFVeldor::BoutonSupprimerClick},
        {"BoutonDupliquer", "Dupliquer cette fiche", &TFVeldor::BoutonDupliquerClick},
        {"BoutonOrdonner", "Ordonner la base", &TFVeldor::BoutonOrdonnerClick},
        {"BoutonToutRecalculer", "Tout Recalculer", &TFVeldor::BoutonToutRecalculerClick},
        {"BoutonEffacer", "Effacer cette fiche", &TFVeldor::BoutonEffacerClick},
        {"BoutonEnregistrerMemo", "Enregistrer memo", &TFVeldor::BoutonEnregistrerMemoClick},
        {"BoutonImprimerMemo", "Imprimer memo", &TFVeldor::BoutonImprimerMemoClick},
        {"BoutonFichiersTxt", "Ouvrir les fichiers / txt", &TFVeldor::BoutonFichiersTxtClick},
        {"BoutonFichiersExcel", "Ouvrir les fichiers / Excel", &TFVeldor::BoutonFichiersExcelClick},
        {"BoutonTehilim", "Téhilim", &TFVeldor::BoutonTehilimClick},
        {"BoutonMichnayot", "Michnayot", &TFVeldor::BoutonMichnayotClick},
        {"BoutonAujourdhui", "Retour à la date d'aujourd'hui", &TFVeldor::BoutonAujourdhuiClick},
        {"BoutonFermer", "&Fermer", &TFVeldor::BoutonFermerClick},
    };
    int i = 0;
    for (const Commande& c : commandes) {
        QPushButton* b = bouton_nomme(boite, c.nom, QString::fromUtf8(c.texte), this, c.action);
        l->addWidget(b, i / 7, i % 7);
        ++i;
    }
    auto* calculer = boite->findChild<QPushButton*>("BoutonCalculer");
    calculer->setDefault(true);
    ordonner_ = boite->findChild<QPushButton*>("BoutonOrdonner");
    tout_recalculer_ = boite->findChild<QPushButton*>("BoutonToutRecalculer");
    boite->findChild<QPushButton*>("BoutonTehilim")
        ->setToolTip(QStringLiteral("Le jour de l'anniversaire de décès, il est d'usage de lire "
                                    "certaines passages extraits du psaume 119\nCe texte est "
                                    "composé ici sur l'espace de droite."));
    boite->findChild<QPushButton*>("BoutonMichnayot")
        ->setToolTip(QStringLiteral(
            "Le jour de l'anniversaire de décès, il est d'usage de lire certaines Michnayot "
            "(passages du Talmud)\nCe texte est composé ici sur l'espace de droite."));
    boite->findChild<QPushButton*>("BoutonEnregistrerMemo")
        ->setToolTip(QStringLiteral("Enregistre le texte affiché dans un fichier"));
    const records::DescriptionFamille& d = records::description_famille(famille_);
    boite->findChild<QPushButton*>("BoutonFichiersTxt")->setToolTip(qs(d.note_dossier));
    grille(this)->addWidget(boite, 3, 0, 1, 2);
}

void TFVeldor::cree_menu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName("MenuFiches");
    menu_->addAction(QStringLiteral("Rechercher une fiche selon le Nom"), this,
                     &TFVeldor::RechercherClick);
    if (sur_table_) {
        const bool deces = famille_ == records::Famille::deces;
        const std::pair<const char*, const char*> tris[] = {
            {"NAI_CV_N", deces ? "Trier par date de décès" : "Trier par date de naissance"},
            {"NOM", "Trier par nom"},
            {"PRE", "Trier par prénom civil"},
            {"PREH", "Trier par prénom hébraïque"},
            {"VILLE", "Trier par ville"},
            {"CODE", "Trier par code postal"},
            {"ACT_CV_N", "Trier par date du prochain anniversaire"}};
        menu_->addSeparator();
        for (const auto& [index, texte] : tris) {
            QAction* a = menu_->addAction(QString::fromUtf8(texte));
            a->setObjectName(QStringLiteral("Tri") + index);
            const std::string i = index;
            connect(a, &QAction::triggered, this, [this, i] { trie_par(i); });
        }
        menu_->addSeparator();
        menu_->addAction(QStringLiteral("Anniv. mois courant"), this,
                         &TFVeldor::AnnivMoisCourantClick);
        menu_->addAction(QStringLiteral("Présentation de toutes les fiches"), this,
                         &TFVeldor::PresentationClick);
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { menu_->popup(mapToGlobal(p)); });
}

void TFVeldor::adapte_a_la_famille()
{
    using records::Famille;
    const bool naissance = famille_ == Famille::naissance;
    const bool deces = famille_ == Famille::deces;
    const bool evenement = famille_ == Famille::evenement;
    inhumation_->setVisible(deces);
    // In a table the sex comes from the civility.
    bar_->setVisible(naissance && !sur_table_);
    bat_->setVisible(naissance && !sur_table_);
    defunt_->setVisible(deces);
    for (QWidget* w :
         std::initializer_list<QWidget*>{civilite_, nom_, prenom_, chez_, numero_rue_, adresse_,
                                         code_postal_, ville_, pays_, telephone_, correspondant_}) {
        w->setVisible(!evenement);
        if (QWidget* l =
                personnes_->findChild<QLabel*>(QStringLiteral("Libelle") + w->objectName())) {
            l->setVisible(!evenement);
        }
    }
    fils_de_->setVisible(naissance);
    // The text files keep no Hebrew first name but the deceased's one, read
    // for the Psalm verses, and no notes beside the telephone.
    for (QWidget* w : std::initializer_list<QWidget*>{prenom_hebreu_, notes_}) {
        w->setVisible(sur_table_);
        personnes_->findChild<QLabel*>(QStringLiteral("Libelle") + w->objectName())
            ->setVisible(sur_table_);
    }
    texte_evenement_->setVisible(evenement);
    ordonner_->setEnabled(!sur_table_);
    for (const char* nom : {"BoutonTehilim", "BoutonMichnayot"}) {
        findChild<QPushButton*>(nom)->setVisible(deces);
    }
    lecture_zone_->setVisible(deces);
    jour_nuit_->setToolTip(
        aide(naissance ? records::aide_jour_nuit_naissance : records::aide_jour_nuit_deces));
    titre_date_->setText(naissance ? QStringLiteral("Date de naissance")
                         : deces   ? QStringLiteral("Date du décès")
                                   : QStringLiteral("Date de l'événement"));
    if (sur_table_) {
        setWindowTitle(deces ? QStringLiteral("Base de données - Décès")
                             : QStringLiteral("Base de données - Naissances"));
    } else {
        setWindowTitle(qs(records::description_famille(famille_).titre));
    }
}

} // namespace orvane::gui
