#include "gui/records/mailing_window.h"

#include "engine/dates.h"
#include "gui/common/fonts.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "gui/records/folder_window.h"
#include "platform/encoding.h"
#include "platform/file_error.h"
#include "platform/raw_file.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "records/mailing/period.h"
#include "records/mailing/table_records.h"
#include "records/tables/french_order.h"
#include "records/tables/listing.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace orvane::gui
{

namespace
{

namespace fs = std::filesystem;

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

QSpinBox* champ_nombre(QWidget* parent, const char* nom, int min, int max, int valeur)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setValue(valeur);
    return s;
}

constexpr const char* invitation =
    "\n\n    Veuillez ouvrir une base de données  \"naissance\" ou \"décès\"";

} // namespace

TFReplace::TFReplace(shell::AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FReplace");
    setWindowTitle(QStringLiteral("Mailing lettres depuis fiches base de données"));
    set_dialogues(
        [this](const fs::path& dossier, const QString& titre,
               const QString& filtre) -> std::optional<fs::path> {
            const QString f = QFileDialog::getOpenFileName(
                this, titre, QString::fromStdString(dossier.string()), filtre);
            return f.isEmpty() ? std::nullopt : std::optional<fs::path>(f.toStdString());
        },
        choix_fichier_par_dialogue(this),
        [this](const fs::path& propose) { return TFDir::demande(propose, this); },
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(),
                                  QString::fromStdString(m).replace('\r', '\n'));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); },
        [this](const std::string& texte, Reponses r) {
            return pose_question(this, windowTitle(), texte, r);
        });
    cree_controles();
    resize(980, 660);
    donne_mnemoniques(this);
    try {
        const records::SchemaTable& s = records::schema_naissances();
        ouvre_table(records::chemin_de_table(ctx_.repertoire, s.nom_fichier));
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
    active(false);
}

TFReplace::~TFReplace() = default;

void TFReplace::set_dialogues(ChoixOuverture ouverture, ChoixFichier enregistrement,
                              ChoixDossier dossier, MessageErreur erreur, Imprimante imprimante,
                              Question question)
{
    ouverture_ = std::move(ouverture);
    choix_ = std::move(enregistrement);
    dossier_ = std::move(dossier);
    erreur_ = std::move(erreur);
    imprimante_ = std::move(imprimante);
    question_ = std::move(question);
}

void TFReplace::cree_controles()
{
    auto* l = new QGridLayout(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Modele");
    memo_->setFont(police_fixe(10));
    l->addWidget(memo_, 0, 0, 3, 1);
    auto* droite = new QWidget(this);
    auto* ld = new QVBoxLayout(droite);
    champs_ = new QListWidget(droite);
    champs_->setObjectName("ListeChamps");
    champs_->setToolTip(QStringLiteral("Sélection d'un champ pour insérer dans le modèle"));
    QPushButton* inserer =
        bouton_nomme(droite, "BoutonInserer", QStringLiteral("&Insérer un champ dans le texte"),
                     this, &TFReplace::BoutonInsererClick);
    inserer->setToolTip(QStringLiteral("Insère le champ sélectionné à l'emplacement du curseur"));
    ld->addWidget(champs_, 1);
    ld->addWidget(inserer);
    cree_periode(droite);
    liste_ = new QListWidget(droite);
    liste_->setObjectName("ListeFiches");
    ld->addWidget(liste_, 1);
    total_ = new QLabel(droite);
    total_->setObjectName("LabelTotal");
    compte_ = new QLabel(droite);
    compte_->setObjectName("LabelCompte");
    ld->addWidget(total_);
    ld->addWidget(compte_);
    l->addWidget(droite, 0, 1, 3, 1);
    personnes_ = new ZoneResultat("ListePersonnes", 9, this);
    l->addWidget(new QLabel(QStringLiteral("Liste des personnes"), this), 3, 0);
    l->addWidget(personnes_, 4, 0, 1, 2);
    auto* boutons = new QWidget(this);
    auto* lb = new QHBoxLayout(boutons);
    QPushButton* ouvrir =
        bouton_nomme(boutons, "BoutonOuvrir",
                     QStringLiteral("&Ouverture d'une base de donnée puis d'un fichier modèle"),
                     this, &TFReplace::BoutonOuvrirClick);
    ouvrir->setToolTip(
        QStringLiteral("Selection d'une Base de données\npuis ouverture d'un fichier modèle"));
    QPushButton* enregistrer = bouton_nomme(boutons, "BoutonEnregistrerModele",
                                            QStringLiteral("Enregistement d'un fichier modèle"),
                                            this, &TFReplace::BoutonEnregistrerModeleClick);
    enregistrer->setToolTip(QStringLiteral("Sauver le modèle modifié"));
    mailing_ = bouton_nomme(boutons, "BoutonMailing", QStringLiteral("&Mailing"), this,
                            &TFReplace::BoutonMailingClick);
    mailing_->setToolTip(QStringLiteral("Génère les fichiers de Mailing. Sélectionner des fiches"));
    QPushButton* fermer =
        bouton_nomme(boutons, "BoutonFermer", QStringLiteral("&Fermer"), this, &QWidget::close);
    for (QPushButton* b : {ouvrir, enregistrer, mailing_, fermer}) {
        lb->addWidget(b);
    }
    l->addWidget(boutons, 5, 0, 1, 2);
    l->setRowStretch(0, 1);
    l->setColumnStretch(0, 2);
    controles_ = {memo_, champs_, inserer, liste_, enregistrer, mailing_,
                  jour_, mois_,   annee_,  jours_, sans_date_};
    // The context menu: the letter of one person found by name.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* recherche = new QAction(QStringLiteral("Recherche une fiche selon le Nom"), this);
    recherche->setObjectName("RechercheNom");
    connect(recherche, &QAction::triggered, this, &TFReplace::RechercheParNom);
    addAction(recherche);
    auto* jointe = new QAction(QStringLiteral("Imprimer la fiche trouvée jointe"), this);
    jointe->setObjectName("ImprimerFicheJointe");
    connect(jointe, &QAction::triggered, this, &TFReplace::ImprimeFicheTrouvee);
    addAction(jointe);
    connect(liste_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (trouvees_.empty() && liste_->property("noms").toBool()) {
            ChoixDuNom(item->text());
        } else if (!trouvees_.empty()) {
            ChoixDeLaPersonne(item->text());
        }
    });
}

void TFReplace::cree_periode(QWidget* boite)
{
    const platform::LocalDate d = ctx_.horloge->today();
    jour_ = champ_nombre(boite, "Jour", 1, 32, d.jour);
    mois_ = champ_nombre(boite, "Mois", 1, 13, d.mois);
    annee_ =
        champ_nombre(boite, "Annee", records::annee_mailing_min, records::annee_mailing_max,
                     std::clamp(d.annee, records::annee_mailing_min, records::annee_mailing_max));
    jours_ = champ_nombre(boite, "NbJours", 0, records::jours_mailing_max, 15);
    sans_date_ = new QCheckBox(QStringLiteral("&Sans date"), boite);
    sans_date_->setObjectName("SansDate");
    QPushButton* aujourdhui =
        bouton_nomme(boite, "BoutonAujourdhui", QStringLiteral("&Date d'aujourd'hui"), this,
                     &TFReplace::BoutonAujourdhuiClick);
    auto* ligne = new QWidget(boite);
    auto* l = new QHBoxLayout(ligne);
    for (QWidget* w : std::initializer_list<QWidget*>{jour_, mois_, annee_, jours_}) {
        l->addWidget(w);
    }
    auto* ld = static_cast<QVBoxLayout*>(boite->layout());
    ld->addWidget(new QLabel(QStringLiteral("Date début                   Dates+N jours"), boite));
    ld->addWidget(ligne);
    ld->addWidget(aujourdhui);
    ld->addWidget(sans_date_);
    for (QSpinBox* s : {jour_, mois_}) {
        connect(s, &QSpinBox::valueChanged, this, &TFReplace::normalise_debut);
    }
    for (QSpinBox* s : {annee_, jours_}) {
        connect(s, &QSpinBox::valueChanged, this, &TFReplace::selection);
    }
    connect(sans_date_, &QCheckBox::toggled, this, &TFReplace::selection);
}

void TFReplace::active(bool modele)
{
    for (QWidget* w : controles_) {
        w->setEnabled(modele);
    }
    if (!modele) {
        memo_->setPlainText(QString::fromUtf8(invitation));
    }
}

void TFReplace::ouvre_table(const fs::path& fichier)
{
    table_ = records::Table::ouvre(fichier);
    champs_->clear();
    std::vector<std::string> noms;
    for (const records::ChampDbf& c : table_.champs()) {
        noms.push_back(c.nom);
    }
    for (const std::string& c : records::liste_des_champs(noms)) {
        champs_->addItem(qs(c));
    }
    total_->setText(QString::number(table_.nombre()) + QStringLiteral(" fiches au total"));
}

void TFReplace::charge_modele()
{
    if (modele_.empty()) {
        return;
    }
    try {
        memo_->setPlainText(qs(platform::utf8_from_file_bytes(platform::read_bytes(modele_))));
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFReplace::BoutonOuvrirClick()
{
    const std::optional<fs::path> table =
        ouverture_(records::repertoire_des_tables(ctx_.repertoire),
                   QStringLiteral("Ouverture d'une base de données"),
                   QStringLiteral("DBase IV (BD_*.dbf *.DBF)"));
    if (!table) {
        return;
    }
    try {
        ouvre_table(*table);
    } catch (const std::exception& e) {
        erreur_(e.what());
        return;
    }
    const std::optional<fs::path> modele = ouverture_(
        ctx_.repertoire, QStringLiteral("Sélection d'un modèle"), QStringLiteral("model*.txt"));
    if (!modele) {
        return;
    }
    modele_ = *modele;
    charge_modele();
    active(true);
    personnes_->efface();
    selection();
}

void TFReplace::BoutonEnregistrerModeleClick()
{
    std::vector<std::string> lignes;
    for (const QString& l : memo_->toPlainText().split('\n')) {
        lignes.push_back(l.toStdString());
    }
    if (const auto f =
            enregistre_lignes(ctx_.repertoire, "", "Model.txt", lignes, choix_, erreur_)) {
        modele_ = *f;
    }
}

void TFReplace::BoutonInsererClick()
{
    if (QListWidgetItem* item = champs_->currentItem()) {
        memo_->textCursor().insertText(qs(records::insertion_champ(item->text().toStdString())));
    }
}

void TFReplace::BoutonAujourdhuiClick()
{
    const platform::LocalDate d = ctx_.horloge->today();
    synchronise_ = true;
    annee_->setValue(d.annee);
    mois_->setValue(d.mois);
    jour_->setValue(d.jour);
    synchronise_ = false;
    selection();
}

void TFReplace::normalise_debut()
{
    if (synchronise_) {
        return;
    }
    // A day the month lacks opens the next month; month 13 is January.
    const engine::DateCivile d =
        records::debut_de_periode(jour_->value(), mois_->value(), annee_->value());
    synchronise_ = true;
    annee_->setValue(d.annee);
    mois_->setValue(d.mois);
    jour_->setValue(d.jour);
    synchronise_ = false;
    selection();
}

engine::DateCivile TFReplace::debut() const
{
    return records::debut_de_periode(jour_->value(), mois_->value(), annee_->value());
}

std::string TFReplace::date_du_jour() const
{
    const platform::LocalDate d = ctx_.horloge->today();
    return records::texte_de_date(engine::DateCivile(d.annee, d.mois, d.jour));
}

void TFReplace::selection()
{
    if (synchronise_ || !table_.ouverte()) {
        return;
    }
    trouvees_.clear();
    liste_->setProperty("noms", false);
    selection_ = records::fiches_de_la_periode(records::fiches_de_la_table(table_), debut(),
                                               jours_->value(), sans_date_->isChecked());
    liste_->clear();
    for (const records::FicheAPublier& f : selection_) {
        liste_->addItem(qs(records::ligne_de_selection(f)));
    }
    const QString n = QString::number(selection_.size());
    mailing_->setToolTip(QStringLiteral("Mailing vers fichier\n") + n +
                         QStringLiteral(" fiches sélectionnées"));
    compte_->setText(n + QStringLiteral(" fiches sélectionnées"));
}

void TFReplace::imprime_lettre(const std::string& lettre)
{
    TexteAImprimer t;
    t.lignes.assign(4, " ");
    for (const std::string& l : platform::split_lines(lettre)) {
        t.lignes.push_back("    " + l);
    }
    t.police = police_fixe(8 + ctx_.taille_impression);
    imprimante_(t);
}

void TFReplace::BoutonMailingClick()
{
    personnes_->efface();
    selection();
    const auto enregistrer =
        question_("Voulez-vous enregistrer la ou les fiches ? \r", Reponses::oui_non_annuler);
    if (enregistrer == QMessageBox::Cancel) {
        return;
    }
    const auto imprimer =
        question_("Voulez-vous imprimer la ou les fiches", Reponses::oui_non_annuler);
    if (imprimer == QMessageBox::Cancel || selection_.empty()) {
        return;
    }
    const bool sauve = enregistrer == QMessageBox::Yes;
    const bool imprime = imprimer == QMessageBox::Yes;
    if (!sauve && !imprime) {
        return;
    }
    const auto combien = question_("Traiter une seule fiche\rou toutes les fiches sélectionnées",
                                   Reponses::oui_non_annuler);
    if (combien == QMessageBox::Cancel) {
        return;
    }
    const bool une = combien == QMessageBox::Yes;
    const std::string modele = memo_->toPlainText().toStdString();
    std::size_t traitees = 0;
    try {
        if (sauve) {
            const std::optional<fs::path> dossier =
                dossier_(ctx_.repertoire / records::dossier_mailing(ctx_.engine.annee_hebr));
            if (!dossier) {
                return;
            }
            const records::ResultatMailing r =
                records::publipostage(selection_, modele, date_du_jour(), *dossier, une);
            personnes_->ajoute(r.personnes);
            traitees = r.lettres.size();
        }
        if (imprime) {
            const records::FicheAPublier& premiere = selection_.front();
            const std::string question =
                une ? "Etes-vous sûr d'imprimer la fiche de " + records::champ_de(premiere, "NOM") +
                          " " + records::champ_de(premiere, "PRE") + "\r"
                    : "Etes-vous sûr d'imprimer toute la liste des " +
                          std::to_string(selection_.size()) + " fiches dont l'anniversaire\r" +
                          "tombe entre le " + std::to_string(jour_->value()) + " " +
                          std::to_string(mois_->value()) + " " + std::to_string(annee_->value()) +
                          " et dans les " + std::to_string(jours_->value()) + " jours qui suivent ";
            if (question_(question, Reponses::oui_annuler) != QMessageBox::Yes) {
                return;
            }
            personnes_->ajoute({"----- IMPRESSION -----"});
            for (const records::FicheAPublier& f : selection_) {
                imprime_lettre(records::remplit_modele(modele, f.champs, date_du_jour()));
                personnes_->ajoute(
                    {records::champ_de(f, "NOM") + " " + records::champ_de(f, "PRE")});
                traitees = std::max<std::size_t>(traitees, 1);
                if (une) {
                    break;
                }
            }
            traitees = une ? 1 : selection_.size();
        }
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
    compte_->setText(QString::number(traitees) + QStringLiteral(" fiches traitées"));
}

void TFReplace::RechercheParNom()
{
    if (!table_.ouverte()) {
        return;
    }
    table_.rouvre();
    personnes_->affiche({"Choisissez un patronyme dans la liste"});
    trouvees_.clear();
    std::set<std::pair<std::string, std::string>> noms; // French key, name
    for (const records::FicheAPublier& f : records::fiches_de_la_table(table_)) {
        const std::string nom = records::champ_de(f, "NOM");
        noms.emplace(records::cle_francaise(nom), nom);
    }
    liste_->clear();
    std::string precedent;
    for (const auto& [cle, nom] : noms) {
        if (cle != precedent) {
            liste_->addItem(qs(nom));
        }
        precedent = cle;
    }
    liste_->setProperty("noms", true);
}

void TFReplace::ChoixDuNom(const QString& nom)
{
    charge_modele();
    trouvees_.clear();
    liste_->clear();
    for (const records::FicheAPublier& f : records::fiches_de_la_table(table_)) {
        if (records::champ_de(f, "NOM") == nom.toStdString()) {
            trouvees_.push_back(f);
            liste_->addItem(qs(records::champ_de(f, "NOM") + " " + records::champ_de(f, "PRE") +
                               " " + records::champ_de(f, "PREH")));
        }
    }
    liste_->setProperty("noms", false);
}

void TFReplace::ChoixDeLaPersonne(const QString& ligne)
{
    charge_modele();
    for (const records::FicheAPublier& f : trouvees_) {
        const std::string texte = records::champ_de(f, "NOM") + " " + records::champ_de(f, "PRE") +
                                  " " + records::champ_de(f, "PREH");
        if (qs(texte) == ligne) {
            const std::string lettre = records::remplit_modele(memo_->toPlainText().toStdString(),
                                                               f.champs, date_du_jour(), true);
            memo_->setPlainText(qs(lettre));
            imprime_lettre(lettre);
            trouvee_ = f;
            return;
        }
    }
}

void TFReplace::ImprimeFicheTrouvee()
{
    if (!trouvee_) {
        return;
    }
    const std::string nom =
        records::champ_de(*trouvee_, "NOM") + " " + records::champ_de(*trouvee_, "PRE");
    if (question_("Etes-vous sûr d'imprimer la fiche de " + nom + "\r", Reponses::oui_annuler) !=
        QMessageBox::Yes) {
        return;
    }
    memo_->appendPlainText(qs("Impression de la fiche jointe de " + nom));
    imprime_lettre(memo_->toPlainText().toStdString());
}

} // namespace orvane::gui
