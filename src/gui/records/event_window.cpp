#include "gui/records/event_window.h"

#include "gui/common/buddy_label.h"
#include "gui/common/fonts.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace orvane::gui
{

namespace
{

constexpr const char* aide_date_civile =
    "Date naissance civile    (03/01/1951)\r             Format  (jj/mm/aaaa)\r"
    " 1 : Janvier\r 2 : Février\r 3 : Mars\r 4 : Avril\r 5 : Mai\r 6 : Juin\r 7 : Juillet\r"
    " 8 : Août\r 9 : Septembre\r10 : Octobre\r11 : Novembre\r12 : Décembre";
constexpr const char* aide_date_hebraique =
    "Date naissance hébraïque (25/04/5700)\r             Format  (jj/mm/aaaa)\r"
    " 1 : Tichri\r 2 : Hechvan\r 3 : Kislev\r 4 : Tevet\r 5 : Chevat\r 6 : Adar (I)\r"
    " 7 : Adar II\r 8 : Nissan\r 9 : Iyar\r10 : Sivan\r11 : Tamouz\r12 : Av\r13 : Eloul";
constexpr const char* aide_deux_calculs =
    "En cas de saisie d'une date hébraïque cliquer 2 fois sur calculer";

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Hints are written with CR line breaks; Qt breaks at LF.
QString aide(const char* texte)
{
    return QString::fromUtf8(texte).replace('\r', '\n');
}

QLineEdit* edition(QWidget* parent, const char* nom, int longueur)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setMaxLength(longueur);
    return e;
}

} // namespace

TFEvent::TFEvent(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FEvent");
    setWindowTitle(QStringLiteral("Evénements"));
    set_dialogues(
        choix_fichier_par_dialogue(this, filtres_rtf_et_texte),
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), QString::fromStdString(m));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); },
        [this](const std::string& texte, Reponses r) {
            return pose_question(this, windowTitle(), texte, r);
        });
    new QGridLayout(this);
    cree_saisie();
    cree_navigation();
    cree_resultats();
    cree_boutons();
    resize(860, 620);
    donne_mnemoniques(this);
    ouvre_table();
}

TFEvent::~TFEvent() = default;

void TFEvent::set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante,
                            Question question)
{
    choix_ = std::move(choix);
    erreur_ = std::move(erreur);
    imprimante_ = std::move(imprimante);
    question_ = std::move(question);
}

void TFEvent::cree_saisie()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    const platform::LocalDate d = ctx_.horloge->today();
    aujourdhui_ =
        new QLabel(QStringLiteral("Aujourd'hui : ") +
                       QDate(d.annee, d.mois, d.jour).toString(QStringLiteral("dd/MM/yyyy")),
                   boite);
    aujourdhui_->setObjectName("LabelAujourdhui");
    titre_ = edition(boite, "Titre", 50);
    date_civile_ = edition(boite, "DateCivile", 10);
    date_civile_->setToolTip(aide(aide_date_civile));
    date_hebraique_ = edition(boite, "DateHebraique", 12);
    date_hebraique_->setToolTip(aide(aide_date_hebraique) + "\n\n" + aide(aide_deux_calculs));
    texte_civil_ = edition(boite, "TexteCivil", 80);
    texte_hebreu_ = edition(boite, "TexteHebreu", 80);
    texte_civil_->setReadOnly(true);
    texte_hebreu_->setReadOnly(true);
    l->addWidget(aujourdhui_, 0, 0, 1, 3);
    l->addWidget(libelle(boite, QStringLiteral("&Titre"), titre_), 1, 0);
    l->addWidget(titre_, 1, 1, 1, 2);
    l->addWidget(libelle(boite, QStringLiteral("Date &civile"), date_civile_), 2, 0);
    l->addWidget(date_civile_, 2, 1);
    l->addWidget(texte_civil_, 2, 2);
    l->addWidget(libelle(boite, QStringLiteral("Date &hébraïque"), date_hebraique_), 3, 0);
    l->addWidget(date_hebraique_, 3, 1);
    l->addWidget(texte_hebreu_, 3, 2);
    boite->setToolTip(QStringLiteral("Saisie possible en civil ou héhraïque"));
    static_cast<QGridLayout*>(layout())->addWidget(boite, 0, 0);
    for (QLineEdit* e : {titre_, date_civile_}) {
        connect(e, &QLineEdit::textEdited, this, &TFEvent::modifie);
    }
    // A Hebrew date typed is the one computed from: the civil date and the
    // texts are emptied.
    connect(date_hebraique_, &QLineEdit::textEdited, this, [this] {
        date_civile_->clear();
        texte_civil_->clear();
        texte_hebreu_->clear();
        modifie();
    });
}

void TFEvent::cree_navigation()
{
    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    const std::pair<const char*, QString> boutons[] = {
        {"BoutonPremier", QStringLiteral("|<")}, {"BoutonPrecedent", QStringLiteral("<")},
        {"BoutonSuivant", QStringLiteral(">")},  {"BoutonDernier", QStringLiteral(">|")},
        {"BoutonInserer", QStringLiteral("+")},  {"BoutonSupprimer", QStringLiteral("−")},
        {"BoutonValider", QStringLiteral("✓")}};
    void (TFEvent::*actions[])() = {&TFEvent::BoutonPremierClick, &TFEvent::BoutonPrecedentClick,
                                    &TFEvent::BoutonSuivantClick, &TFEvent::BoutonDernierClick,
                                    &TFEvent::BoutonInsererClick, &TFEvent::BoutonSupprimerClick,
                                    &TFEvent::BoutonValiderClick};
    const char* aides[] = {"Premier événement",
                           "Evénement précédent",
                           "Evénement suivant",
                           "Dernier événement",
                           "Nouvel événement",
                           "Supprimer l'événement",
                           "Enregistrer l'événement dans la table"};
    for (std::size_t i = 0; i < std::size(boutons); ++i) {
        QPushButton* b = bouton_nomme(boite, boutons[i].first, boutons[i].second, this, actions[i]);
        b->setToolTip(QString::fromUtf8(aides[i]));
        l->addWidget(b);
    }
    position_ = new QLabel(boite);
    position_->setObjectName("LabelPosition");
    l->addWidget(position_);
    l->addStretch(1);
    static_cast<QGridLayout*>(layout())->addWidget(boite, 1, 0);
}

void TFEvent::cree_resultats()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    commentaire_ = new QPlainTextEdit(boite);
    commentaire_->setObjectName("Commentaires");
    commentaire_->setToolTip(QStringLiteral("Saisissez vos commentaires"));
    connect(commentaire_, &QPlainTextEdit::textChanged, this, [this] {
        if (!chargement_) {
            modifie();
        }
    });
    anniversaires_ = new ZoneResultat("Anniversaires", 9, boite);
    plusieurs_ = new QCheckBox(QStringLiteral("&Plusieurs années"), boite);
    plusieurs_->setObjectName("PlusieursAnnees");
    nb_annees_ = new QSpinBox(boite);
    nb_annees_->setObjectName("NbAnnees");
    nb_annees_->setRange(1, 1000);
    increment_ = new QSpinBox(boite);
    increment_->setObjectName("Increment");
    increment_->setRange(-1000, 1000);
    increment_->setValue(1);
    libelle_nb_ = libelle(boite, QStringLiteral("Nb d'a&nnées"), nb_annees_);
    libelle_increment_ = libelle(boite, QStringLiteral("Incré&ment"), increment_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{nb_annees_, increment_, libelle_nb_, libelle_increment_}) {
        w->hide();
    }
    connect(plusieurs_, &QCheckBox::toggled, this, [this](bool coche) {
        for (QWidget* w : std::initializer_list<QWidget*>{nb_annees_, increment_, libelle_nb_,
                                                          libelle_increment_}) {
            w->setVisible(coche);
        }
    });
    l->addWidget(libelle(boite, QStringLiteral("C&ommentaires"), commentaire_), 0, 0);
    l->addWidget(commentaire_, 1, 0, 3, 1);
    l->addWidget(libelle(boite, QStringLiteral("Prochains &anniversaires"), anniversaires_), 0, 1);
    l->addWidget(anniversaires_, 1, 1);
    auto* annees = new QWidget(boite);
    auto* la = new QHBoxLayout(annees);
    for (QWidget* w : std::initializer_list<QWidget*>{plusieurs_, libelle_nb_, nb_annees_,
                                                      libelle_increment_, increment_}) {
        la->addWidget(w);
    }
    la->addStretch(1);
    l->addWidget(annees, 2, 1);
    l->setRowStretch(1, 1);
    static_cast<QGridLayout*>(layout())->addWidget(boite, 2, 0);
    static_cast<QGridLayout*>(layout())->setRowStretch(2, 1);
}

void TFEvent::cree_boutons()
{
    auto* boite = new QWidget(this);
    QPushButton* calcul = bouton_nomme(boite, "BoutonCalcul", QStringLiteral("Calcul"), this,
                                       &TFEvent::BoutonCalculClick);
    calcul->setToolTip(aide(aide_deux_calculs));
    calcul->setDefault(true);
    QPushButton* enregistrer =
        bouton_nomme(boite, "BoutonEnregistrer", QStringLiteral("Enregistrer"), this,
                     &TFEvent::BoutonEnregistrerClick);
    QPushButton* imprimer = bouton_nomme(boite, "BoutonImprimer", QStringLiteral("Imprimer"), this,
                                         &TFEvent::BoutonImprimerClick);
    QPushButton* directe =
        bouton_nomme(boite, "BoutonImpressionDirecte", QStringLiteral("Impression directe"), this,
                     &TFEvent::BoutonImpressionDirecteClick);
    directe->setToolTip(QStringLiteral(
        "Impression directe en insérant  en début de texte le fichier \"fonddeb.txt\" et en fin "
        "de texte le fichier \"fondfin.txt\""));
    QPushButton* fermer = bouton_nomme(boite, "BoutonFermer", QStringLiteral("Fermer"), this,
                                       &TFEvent::BoutonFermerClick);
    auto* l = new QHBoxLayout(boite);
    for (QPushButton* b : {calcul, enregistrer, imprimer, directe, fermer}) {
        l->addWidget(b);
    }
    static_cast<QGridLayout*>(layout())->addWidget(boite, 3, 0);
}

void TFEvent::ouvre_table()
{
    try {
        const records::SchemaTable& s = records::schema_evenements();
        table_ = records::Table::ouvre_ou_cree(
            records::chemin_de_table(ctx_.repertoire, s.nom_fichier), s.champs);
    } catch (const std::exception& e) {
        erreur_(std::string("La table des événements n'a pas pu être ouverte :\r") + e.what());
        return;
    }
    table_.premier();
    affiche_fiche();
    BoutonCalculClick();
}

void TFEvent::affiche_fiche()
{
    chargement_ = true;
    const bool fiche = table_.ouverte() && table_.position().has_value();
    titre_->setText(fiche ? qs(table_.texte("TITRE")) : QString());
    date_civile_->setText(fiche ? qs(table_.texte("DATEC")) : QString());
    date_hebraique_->setText(fiche ? qs(table_.texte("DATEH")) : QString());
    QStringList lignes;
    if (fiche) {
        for (const std::string& l : records::lignes_du_commentaire(table_.texte("COMMENT"))) {
            lignes.push_back(qs(l));
        }
    }
    commentaire_->setPlainText(lignes.join('\n'));
    texte_civil_->clear();
    texte_hebreu_->clear();
    anniversaires_->efface();
    const std::size_t n = table_.ouverte() ? table_.nombre() : 0;
    position_->setText(fiche ? QString::number(*table_.position() + 1) + " / " + QString::number(n)
                             : QStringLiteral("0 / ") + QString::number(n));
    modifiee_ = false;
    insertion_ = false;
    chargement_ = false;
}

records::SaisieEvenement TFEvent::saisie() const
{
    records::SaisieEvenement s;
    s.titre = titre_->text().toStdString();
    s.date_civile = date_civile_->text().toStdString();
    s.date_hebraique = date_hebraique_->text().toStdString();
    for (const QString& l : commentaire_->toPlainText().split('\n')) {
        s.commentaire.push_back(l.toStdString());
    }
    if (s.commentaire.size() == 1 && s.commentaire.front().empty()) {
        s.commentaire.clear();
    }
    s.plusieurs_annees = plusieurs_->isChecked();
    if (!s.plusieurs_annees) {
        nb_annees_->setValue(1);
    }
    s.nb_annees = nb_annees_->value();
    s.increment = increment_->value();
    return s;
}

void TFEvent::modifie()
{
    if (!chargement_) {
        modifiee_ = true;
    }
}

void TFEvent::BoutonCalculClick()
{
    const platform::LocalDate d = ctx_.horloge->today();
    calcul_ = records::calcule_evenement(saisie(), engine::DateCivile(d.annee, d.mois, d.jour));
    anniversaires_->efface();
    if (!calcul_.erreur.empty()) {
        erreur_(calcul_.erreur);
        (calcul_.focus == records::ChampEvenement::date_hebraique ? date_hebraique_ : date_civile_)
            ->setFocus();
        return;
    }
    chargement_ = true;
    const bool change = date_civile_->text() != qs(calcul_.date_civile) ||
                        date_hebraique_->text() != qs(calcul_.date_hebraique);
    date_civile_->setText(qs(calcul_.date_civile));
    date_hebraique_->setText(qs(calcul_.date_hebraique));
    chargement_ = false;
    if (change) {
        modifie();
    }
    texte_civil_->setText(qs(calcul_.texte_civil));
    texte_hebreu_->setText(qs(calcul_.texte_hebreu));
    anniversaires_->affiche(calcul_.anniversaires);
}

void TFEvent::BoutonEnregistrerClick()
{
    const records::SaisieEvenement s = saisie();
    (void)enregistre_lignes(ctx_.repertoire, "EVENTS", records::nom_fichier_evenement(s.titre),
                            records::lignes_evenement(s, calcul_), choix_, erreur_);
}

void TFEvent::BoutonImprimerClick()
{
    TexteAImprimer t;
    t.lignes = records::lignes_impression_evenement(saisie(), calcul_);
    t.police = police_d_impression(commentaire_->font(), 8 + ctx_.taille_impression);
    imprimante_(t);
}

void TFEvent::BoutonImpressionDirecteClick()
{
    try {
        const auto cadre = [this](const char* nom) {
            return platform::read_lines(platform::lookup_ignoring_case(ctx_.repertoire, nom));
        };
        const std::vector<std::string> debut = cadre("fonddeb.txt");
        const std::vector<std::string> fin = cadre("fondfin.txt");
        TexteAImprimer t;
        t.lignes = records::lignes_impression_directe(saisie(), calcul_, debut, fin);
        t.police = police_fixe(taille_impression_defaut + ctx_.taille_impression);
        imprimante_(t);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFEvent::BoutonFermerClick()
{
    // The changes typed into the record go to the table first.
    if (!quitte_la_fiche()) {
        return;
    }
    switch (
        question_(std::string(records::question_fermeture_evenement), Reponses::oui_non_annuler)) {
    case QMessageBox::Yes:
        BoutonEnregistrerClick();
        break;
    case QMessageBox::No:
        close();
        break;
    default:
        break;
    }
}

bool TFEvent::quitte_la_fiche()
{
    if (!modifiee_) {
        return true;
    }
    switch (question_("Enregistrer les modifications de l'événement dans la table ?",
                      Reponses::oui_non_annuler)) {
    case QMessageBox::Yes:
        return enregistre_la_fiche();
    case QMessageBox::No:
        table_.annule();
        return true;
    default:
        return false;
    }
}

bool TFEvent::enregistre_la_fiche()
{
    if (!table_.ouverte()) {
        return false;
    }
    try {
        if (!insertion_ && table_.position().has_value()) {
            table_.modifie();
        } else if (!insertion_) {
            table_.insere();
        }
        const records::SaisieEvenement s = saisie();
        table_.change_texte("TITRE", s.titre);
        table_.change_texte("DATEC", s.date_civile);
        table_.change_texte("DATEH", s.date_hebraique);
        table_.change_texte("COMMENT", records::commentaire_des_lignes(s.commentaire));
        table_.valide();
    } catch (const std::exception& e) {
        erreur_(e.what());
        return false;
    }
    affiche_fiche();
    return true;
}

void TFEvent::deplace(bool (records::Table::*mouvement)())
{
    if (!table_.ouverte() || !quitte_la_fiche()) {
        return;
    }
    (table_.*mouvement)();
    affiche_fiche();
    BoutonCalculClick();
}

void TFEvent::BoutonPremierClick()
{
    deplace(&records::Table::premier);
}

void TFEvent::BoutonPrecedentClick()
{
    deplace(&records::Table::precedent);
}

void TFEvent::BoutonSuivantClick()
{
    deplace(&records::Table::suivant);
}

void TFEvent::BoutonDernierClick()
{
    deplace(&records::Table::dernier);
}

void TFEvent::BoutonInsererClick()
{
    if (!table_.ouverte() || !quitte_la_fiche()) {
        return;
    }
    table_.insere();
    affiche_fiche();
    insertion_ = true;
    position_->setText(QStringLiteral("Nouvel événement"));
    titre_->setFocus();
}

void TFEvent::BoutonSupprimerClick()
{
    if (!table_.ouverte() || !table_.position().has_value()) {
        return;
    }
    if (question_("Supprimer l'événement « " + table_.texte("TITRE") + " » de la table ?",
                  Reponses::oui_non) != QMessageBox::Yes) {
        return;
    }
    try {
        table_.supprime();
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
    affiche_fiche();
    BoutonCalculClick();
}

void TFEvent::BoutonValiderClick()
{
    (void)enregistre_la_fiche();
}

} // namespace orvane::gui
