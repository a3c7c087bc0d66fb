#include "gui/events/festivals_window.h"

#include "documents/festival_pages.h"

#include "engine/date_validity.h"
#include "events/cycles/molad_rows.h"
#include "events/festivals/consistory.h"
#include "events/glossary_entry.h"
#include "events/years/characteristics.h"
#include "events/years/year_type.h"
#include "gui/common/fonts.h"
#include "gui/common/glossary_view.h"
#include "gui/common/linked_years.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "places/dst.h"
#include "places/france_summer_time.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"
#include "shell/app_context.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QSpinBox* champ(QWidget* parent, const char* nom, int min, int max, int valeur)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setValue(valeur);
    return s;
}

} // namespace

QString titre_fenetre_fetes(events::ModeFetes mode)
{
    switch (mode) {
    case events::ModeFetes::fetes:
        return QStringLiteral("Fêtes de l'année juive");
    case events::ModeFetes::jeunes:
        return QStringLiteral("Jeûnes de l'année juive");
    default:
        return QStringLiteral("Fêtes et Jeûnes de l'année juive");
    }
}

std::string fichier_noms_fetes(events::ModeFetes mode)
{
    switch (mode) {
    case events::ModeFetes::fetes:
        return "s_fetes.dta";
    case events::ModeFetes::jeunes:
        return "s_jeunes.dta";
    default:
        return "s_fetjeu.dta";
    }
}

TFFetes::TFFetes(shell::AppContext& ctx, events::ModeFetes mode, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), mode_(mode)
{
    setObjectName("FFetes");
    setWindowTitle(titre_fenetre_fetes(mode));
    set_dialogues(
        choix_fichier_par_dialogue(this),
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), QString::fromStdString(m));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    auto* grille = new QGridLayout(this);
    cree_annees();
    cree_selection();
    cree_boutons();
    cree_resultats();
    charge_noms();
    resize(1000, 700);
    donne_mnemoniques(this);

    // The years kept from the last run, else this year.
    int annee =
        events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois);
    if (const auto lue = shell::lit_fichier_annee(ctx_.repertoire, "annee_h")) {
        annee = *lue;
    }
    annee = std::clamp(annee, engine::annee_hebr_min, engine::annee_hebr_max);
    SpinEditHebrChange(annee);
    (void)grille;
}

TFFetes::~TFFetes() = default;

void TFFetes::set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante)
{
    choix_ = std::move(choix);
    erreur_ = std::move(erreur);
    imprimante_ = std::move(imprimante);
}

void TFFetes::cree_annees()
{
    auto* boite = new QGroupBox(QStringLiteral("Années"), this);
    auto* l = new QGridLayout(boite);
    annee_hebr_ =
        champ(boite, "AnneeHebraique", engine::annee_hebr_min, engine::annee_hebr_max, 5785);
    annee_civile_ =
        champ(boite, "AnneeCivile", engine::annee_civile_min, engine::annee_civile_max, 2025);
    nb_annees_ = champ(boite, "NbAnnees", 1, 32700, 1);
    increment_ = champ(boite, "Increment", 1, 1000, 1);
    const auto etiquette = [boite](const QString& texte, QWidget* buddy) {
        auto* e = new QLabel(texte, boite);
        e->setBuddy(buddy);
        return e;
    };
    l->addWidget(etiquette(QStringLiteral("Année &hébraïque"), annee_hebr_), 0, 0);
    l->addWidget(annee_hebr_, 0, 1);
    l->addWidget(etiquette(QStringLiteral("Année &civile"), annee_civile_), 1, 0);
    l->addWidget(annee_civile_, 1, 1);
    l->addWidget(etiquette(QStringLiteral("&Nb d'années"), nb_annees_), 2, 0);
    l->addWidget(nb_annees_, 2, 1);
    l->addWidget(etiquette(QStringLiteral("&Incrément"), increment_), 3, 0);
    l->addWidget(increment_, 3, 1);
    signe_ = new QLabel(boite);
    signe_->setObjectName("LabelSigne");
    mot_ = new QLabel(boite);
    mot_->setObjectName("LabelMot");
    nature_ = new QLabel(boite);
    nature_->setObjectName("LabelNature");
    l->addWidget(signe_, 4, 0);
    l->addWidget(mot_, 4, 1);
    l->addWidget(nature_, 5, 0, 1, 2);
    static_cast<QGridLayout*>(layout())->addWidget(boite, 0, 0);
    annees_ = std::make_unique<AnneesLiees>(*annee_hebr_, *annee_civile_, ctx_.repertoire,
                                            [this](const std::string& m) { erreur_(m); });
    connect(annee_hebr_, &QSpinBox::valueChanged, this, &TFFetes::SpinEditHebrChange);
    connect(annee_civile_, &QSpinBox::valueChanged, this, &TFFetes::SpinEditCivChange);
}

void TFFetes::cree_selection()
{
    noms_ = new QListWidget(this);
    noms_->setObjectName("ListeNoms");
    static_cast<QGridLayout*>(layout())->addWidget(noms_, 1, 0);
}

void TFFetes::cree_boutons()
{
    auto* boite = new QWidget(this);
    QPushButton* aujourdhui = bouton_nomme(boite, "BoutonAujourdhui", QStringLiteral("Aujourd'hui"),
                                           this, &TFFetes::BoutonAujourdhuiClick);
    QPushButton* defaut = bouton_nomme(boite, "BoutonDefaut", QStringLiteral("Valeurs par défaut"),
                                       this, &TFFetes::BoutonDefautClick);
    QPushButton* calculer = bouton_nomme(boite, "BoutonCalculer", QStringLiteral("Calculer"), this,
                                         &TFFetes::BoutonCalculerClick);
    QPushButton* imprimer = bouton_nomme(boite, "BoutonImprimer", QStringLiteral("Imprimer"), this,
                                         &TFFetes::BoutonImprimerClick);
    QPushButton* enregistrer =
        bouton_nomme(boite, "BoutonEnregistrer", QStringLiteral("Enregistrer"), this,
                     &TFFetes::BoutonEnregistrerClick);
    QPushButton* glossaire = bouton_nomme(boite, "BoutonGlossaire", QStringLiteral("Glossaire"),
                                          this, &TFFetes::BoutonGlossaireClick);
    QPushButton* ciop =
        bouton_nomme(boite, "BoutonCiop", QStringLiteral("CIOP"), this, &TFFetes::BoutonCiopClick);
    QPushButton* fermer =
        bouton_nomme(boite, "BoutonFermer", QStringLiteral("Fermer"), this, &QWidget::close);
    auto* l = new QVBoxLayout(boite);
    for (QPushButton* b :
         {aujourdhui, defaut, calculer, imprimer, enregistrer, glossaire, ciop, fermer}) {
        l->addWidget(b);
    }
    // Each year also as a web page, between the festivals' page templates.
    web_ = new QCheckBox(QStringLiteral("Page web"), boite);
    web_->setObjectName("CheckBoxWeb");
    web_->setToolTip(QStringLiteral("Chaque année est aussi écrite en page HTML dans "
                                    "Orvanew/Fetes/FETES"));
    l->addWidget(web_);
    l->addStretch();
    static_cast<QGridLayout*>(layout())->addWidget(boite, 2, 0);
}

void TFFetes::cree_resultats()
{
    memo1_ = new ZoneResultat("Memo1", 8, this);
    memo2_ = new ZoneResultat("Memo2", 8, this);
    auto* g = static_cast<QGridLayout*>(layout());
    g->addWidget(memo1_, 0, 1, 3, 1);
    g->addWidget(memo2_, 3, 0, 1, 2);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
}

void TFFetes::charge_noms()
{
    noms_->clear();
    const std::filesystem::path chemin =
        platform::lookup_ignoring_case(ctx_.repertoire, fichier_noms_fetes(mode_));
    std::vector<std::string> noms = {"Tous"};
    try {
        if (auto lignes = platform::read_lines_if_exists(chemin)) {
            noms.clear();
            for (const std::string& l : *lignes) {
                if (!l.empty()) {
                    noms.push_back(l);
                }
            }
        }
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
    for (const std::string& n : noms) {
        noms_->addItem(QString::fromStdString(n));
    }
    noms_->setCurrentRow(0);
}

void TFFetes::SpinEditHebrChange(int annee)
{
    annees_->montre_annee_hebraique(annee);
}

void TFFetes::SpinEditCivChange(int annee)
{
    annees_->montre_annee_civile(annee);
}

void TFFetes::BoutonAujourdhuiClick()
{
    SpinEditHebrChange(
        events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois));
    BoutonCalculerClick();
}

void TFFetes::BoutonDefautClick()
{
    nb_annees_->setValue(1);
    increment_->setValue(1);
    BoutonAujourdhuiClick();
}

std::vector<int> TFFetes::annees_demandees() const
{
    std::vector<int> annees;
    for (long long n = 0, annee = annee_hebr_->value();
         n < nb_annees_->value() && annee <= engine::annee_hebr_max;
         ++n, annee += increment_->value()) {
        annees.push_back(static_cast<int>(annee));
    }
    return annees;
}

bool TFFetes::calcule(bool consistoire)
{
    const std::vector<int> annees = annees_demandees();
    events::DemandeFetes demande;
    demande.mode = mode_;
    demande.diaspora = ctx_.options.diaspora;
    demande.consistoire = consistoire;
    demande.selection = noms_->currentItem() != nullptr ? noms_->currentItem()->text().toStdString()
                                                        : std::string("Tous");
    memo1_->setFont(police_fixe(8));
    memo1_->efface();
    memo2_->efface();
    ctx_.annee_choisie = annees.front();
    QProgressDialog progres(QStringLiteral("Calcul des années…"), QStringLiteral("Arrêter"), 0,
                            static_cast<int>(annees.size()), this);
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(500);
    events::ChoixLevana levana;
    levana.options.heure_ete = places::heure_ete_france(ctx_.donnees.tables_ete);
    for (std::size_t i = 0; i < annees.size(); ++i) {
        progres.setValue(static_cast<int>(i));
        QApplication::processEvents();
        if (progres.wasCanceled()) {
            return false;
        }
        const events::TexteAnneeFetes t = events::texte_annee_fetes(annees[i], demande);
        if (consistoire) {
            memo1_->affiche(t.lignes);
            std::vector<events::FichierCiop> fichiers =
                events::fichiers_levana_ciop(annees[i], levana);
            fichiers.push_back(events::fichier_fetes_ciop(annees[i], t.lignes));
            events::ecrit_fichiers_ciop(ctx_.repertoire, fichiers);
        } else {
            memo1_->ajoute(t.lignes);
            if (web_->isChecked()) {
                (void)documents::page_fetes(ctx_.repertoire, annees[i], t.lignes);
            }
        }
        memo2_->ajoute(t.caracteristiques);
    }
    affiche_premiere_annee(annees.front());
    memo1_->moveCursor(QTextCursor::Start);
    memo2_->moveCursor(QTextCursor::Start);
    return true;
}

void TFFetes::affiche_premiere_annee(int annee)
{
    engine::CalendarEngine e;
    e.annee_hebr = annee;
    const events::CaracteristiquesAnnee c = events::caracteristiques_annee(e);
    affiche_hebreu(*signe_, c.signe_hebreu, 24);
    affiche_hebreu(*mot_, c.mot_hebreu, 16);
    nature_->setText(QString::number(annee) + (c.mot_hebreu == events::mot_commune
                                                   ? QStringLiteral(" : commune")
                                                   : QStringLiteral(" : embolismique")));
}

void TFFetes::BoutonCalculerClick()
{
    try {
        calcule(false);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFFetes::BoutonCiopClick()
{
    try {
        calcule(true);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFFetes::BoutonImprimerClick()
{
    TexteAImprimer t;
    t.lignes = events::lignes_a_imprimer_fetes(memo1_->lignes(), memo2_->lignes());
    t.police =
        police_d_impression(memo1_->font(), taille_impression_defaut + ctx_.taille_impression);
    imprimante_(t);
}

void TFFetes::BoutonEnregistrerClick()
{
    const std::vector<int> annees = annees_demandees();
    const std::string nom = events::nom_fichier_fetes(mode_, annees.front(), annees.back());
    (void)enregistre_lignes(ctx_.repertoire, std::string(events::dossier_fetes(mode_)), nom,
                            memo1_->lignes(), choix_, erreur_);
}

void TFFetes::BoutonGlossaireClick()
{
    affiche_glossaire(*memo1_, ctx_.repertoire, events::cle_glossaire_fetes, erreur_);
}

} // namespace orvane::gui
