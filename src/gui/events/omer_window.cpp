#include "gui/events/omer_window.h"

#include "events/festivals/festivals_text.h"
#include "events/glossary_entry.h"
#include "events/hebrew_letters.h"
#include "events/omer/omer_glossary.h"
#include "gui/common/fonts.h"
#include "gui/common/linked_years.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"
#include "shell/app_context.h"
#include "shell/startup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane::gui
{

namespace
{

constexpr int lignes_des_grilles = events::jours_du_compte + 2; // 0 .. 50
constexpr int hauteur_ligne = 26;
constexpr int lignes_visibles = 9; // the shared scroll bar then runs 0 .. 42
/// The widths of the headings: the weekday and date, the count, the Hebrew
/// date and the Hebrew count.
constexpr int largeurs_entetes[] = {192, 97, 160, 100};

QString qs(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QTableWidget* grille(QWidget* parent, const char* nom, int colonnes, const QFont& police)
{
    auto* g = new QTableWidget(lignes_des_grilles, colonnes, parent);
    g->setObjectName(nom);
    g->setFont(police);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setDefaultSectionSize(hauteur_ligne);
    g->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setFixedHeight(lignes_visibles * hauteur_ligne + 2 * g->frameWidth());
    return g;
}

void ecrit_case(QTableWidget& g, int ligne, int colonne, const QString& texte)
{
    auto* item = new QTableWidgetItem(texte);
    g.setItem(ligne, colonne, item);
}

} // namespace

Tfomer::Tfomer(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("Fomer");
    setWindowTitle(qs(events::titre_omer));
    set_dialogues(
        choix_fichier_par_dialogue(this),
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), QString::fromStdString(m));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    auto* l = new QVBoxLayout(this);
    cree_titre();
    cree_annees();
    cree_grilles();
    correspondance_ = new QLabel(this);
    correspondance_->setObjectName("LabelAnnees");
    l->addWidget(correspondance_);
    cree_boutons();
    memo_ = new ZoneResultat("Memo1", 8, this);
    memo_->setMinimumHeight(80);
    l->addWidget(memo_, 1);
    resize(720, 760);
    donne_mnemoniques(this);

    SpinEditHebrChange(
        events::annee_hebr_de_la_civile(annee_civile_de_depart(), events::annee_hebr_max_omer));
    calculer_->setFocus();
}

Tfomer::~Tfomer() = default;

void Tfomer::set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante)
{
    choix_ = std::move(choix);
    erreur_ = std::move(erreur);
    imprimante_ = std::move(imprimante);
}

void Tfomer::cree_titre()
{
    titre_ = new QLabel(this);
    titre_->setObjectName("LabelTitre");
    titre_->setAlignment(Qt::AlignCenter);
    affiche_hebreu(*titre_, events::titre_hebreu_omer, 24);
    auto* note = new QLabel(qs(events::note_omer), this);
    note->setObjectName("LabelNote");
    note->setWordWrap(true);
    layout()->addWidget(titre_);
    layout()->addWidget(note);
}

void Tfomer::cree_annees()
{
    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    l->setContentsMargins(0, 0, 0, 0);
    annee_hebr_ = new QSpinBox(boite);
    annee_hebr_->setObjectName("AnneeHebraique");
    annee_hebr_->setRange(events::annee_hebr_min_omer, events::annee_hebr_max_omer);
    annee_civile_ = new QSpinBox(boite);
    annee_civile_->setObjectName("AnneeCivile");
    annee_civile_->setRange(events::annee_civile_affichee(events::annee_hebr_min_omer),
                            events::annee_civile_affichee(events::annee_hebr_max_omer));
    auto* ec = new QLabel(QStringLiteral("Année &civile"), boite);
    ec->setBuddy(annee_civile_);
    auto* eh = new QLabel(QStringLiteral("Année &hébraïque"), boite);
    eh->setBuddy(annee_hebr_);
    for (QWidget* w : std::initializer_list<QWidget*>{ec, annee_civile_, eh, annee_hebr_}) {
        l->addWidget(w);
    }
    l->addStretch(1);
    layout()->addWidget(boite);
    annees_ = std::make_unique<AnneesLiees>(*annee_hebr_, *annee_civile_, ctx_.repertoire,
                                            [this](const std::string& m) { erreur_(m); });
    connect(annee_hebr_, &QSpinBox::valueChanged, this, &Tfomer::SpinEditHebrChange);
    connect(annee_civile_, &QSpinBox::valueChanged, this, &Tfomer::SpinEditCivChange);
}

void Tfomer::cree_grilles()
{
    auto* entetes = new QWidget(this);
    entetes->setObjectName("HeaderControl1");
    auto* le = new QHBoxLayout(entetes);
    le->setContentsMargins(0, 0, 0, 0);
    le->setSpacing(0);
    for (const char* texte : {"Dates Civiles", "Jour du Omer", "Dates Hébraïques", ""}) {
        auto* e = new QLabel(QString::fromUtf8(texte), entetes);
        e->setAlignment(Qt::AlignCenter);
        e->setFrameStyle(QFrame::Panel | QFrame::Raised);
        entetes_.push_back(e);
        le->addWidget(e);
    }
    le->addStretch(1);

    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    grille_civile_ = grille(boite, "StringGrid1", 3, QFont(QStringLiteral("Arial"), 13));
    grille_hebraique_ = grille(boite, "StringGrid2", 2, police_hebraique(16));
    defilement_ = new QScrollBar(Qt::Vertical, boite);
    defilement_->setObjectName("ScrollBar1");
    defilement_->setRange(0, lignes_des_grilles - lignes_visibles);
    defilement_->setPageStep(lignes_visibles);
    l->addWidget(grille_civile_);
    l->addWidget(grille_hebraique_);
    l->addWidget(defilement_);
    l->addStretch(1);
    // One scroll bar moves both grids; the wheel over a grid moves it too.
    for (QTableWidget* g : {grille_civile_, grille_hebraique_}) {
        connect(defilement_, &QScrollBar::valueChanged, g->verticalScrollBar(),
                &QScrollBar::setValue);
        connect(g->verticalScrollBar(), &QScrollBar::valueChanged, defilement_,
                &QScrollBar::setValue);
    }
    layout()->addWidget(entetes);
    layout()->addWidget(boite);
}

void Tfomer::cree_boutons()
{
    auto* boite = new QWidget(this);
    QPushButton* aujourdhui = bouton_nomme(boite, "BoutonAujourdhui", QStringLiteral("Aujourd'hui"),
                                           this, &Tfomer::BoutonAujourdhuiClick);
    calculer_ = bouton_nomme(boite, "BoutonCalculer", QStringLiteral("Calculer"), this,
                             &Tfomer::BoutonCalculerClick);
    QPushButton* enregistrer =
        bouton_nomme(boite, "BoutonEnregistrer", QStringLiteral("Enregistrer"), this,
                     &Tfomer::BoutonEnregistrerClick);
    QPushButton* imprimer = bouton_nomme(boite, "BoutonImprimer", QStringLiteral("Imprimer"), this,
                                         &Tfomer::BoutonImprimerClick);
    QPushButton* glossaire = bouton_nomme(boite, "BoutonGlossaire", QStringLiteral("Glossaire"),
                                          this, &Tfomer::BoutonGlossaireClick);
    QPushButton* fermer =
        bouton_nomme(boite, "BoutonFermer", QStringLiteral("Fermer"), this, &QWidget::close);
    calculer_->setDefault(true);
    auto* l = new QHBoxLayout(boite);
    l->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {aujourdhui, calculer_, enregistrer, imprimer, glossaire, fermer}) {
        l->addWidget(b);
    }
    layout()->addWidget(boite);
}

int Tfomer::annee_civile_de_depart() const
{
    int annee = ctx_.engine.aujourdhui_annee;
    if (const auto c = shell::lit_fichier_annee(ctx_.repertoire, "annee_c")) {
        annee = *c;
    } else if (const auto h = shell::lit_fichier_annee(ctx_.repertoire, "annee_h")) {
        annee = events::annee_civile_affichee(
            std::clamp(*h, events::annee_hebr_min_omer, events::annee_hebr_max_omer));
    }
    return std::clamp(annee, annee_civile_->minimum(), annee_civile_->maximum());
}

void Tfomer::SpinEditHebrChange(int annee)
{
    if (annees_->montre_annee_hebraique(annee)) {
        BoutonCalculerClick();
    }
}

void Tfomer::SpinEditCivChange(int annee)
{
    if (annees_->en_synchronisation()) {
        return;
    }
    // There is no civil year 0: 0 maps to 3760 from above and to 3761 from
    // below, so that the spin buttons step from 1 to −1 and back.
    const int hebr = events::annee_hebr_de_la_civile(annee, annee_hebr_->value());
    SpinEditHebrChange(std::clamp(hebr, events::annee_hebr_min_omer, events::annee_hebr_max_omer));
}

void Tfomer::BoutonAujourdhuiClick()
{
    annee_civile_->setValue(ctx_.horloge->today().annee);
}

void Tfomer::BoutonCalculerClick()
{
    const int hebr = annee_hebr_->value();
    const int civile = annee_civile_->value();
    try {
        // Without "s_omer.dta" the dates are still those of the year asked,
        // with empty Hebrew texts.
        using Textes = std::array<events::TextesDuJourOmer, events::lignes_du_fichier_omer>;
        const std::optional<Textes> textes = events::lit_textes_omer(ctx_.repertoire);
        table_ = events::table_omer(hebr, textes ? *textes : Textes{});
        remplit_grilles(*table_);
        shell::ecrit_fichiers_annee(ctx_.repertoire, civile, hebr);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
    correspondance_->setText(QString::fromStdString(events::libelle_annees_omer(hebr, civile)));
}

void Tfomer::remplit_grilles(const events::TableOmer& table)
{
    grille_civile_->clearContents();
    grille_hebraique_->clearContents();
    for (int n = 0; n < lignes_des_grilles; ++n) {
        const events::LigneOmer& l = table[static_cast<std::size_t>(n)];
        ecrit_case(*grille_civile_, n, 0, QString::fromStdString(l.nom_jour));
        ecrit_case(*grille_civile_, n, 1, QString::fromStdString(l.date));
        ecrit_case(*grille_civile_, n, 2, QString::fromStdString(l.compte));
        ecrit_case(*grille_hebraique_, n, 0,
                   QString::fromStdString(events::lettres_hebraiques_affichees(l.hebreu_1)));
        ecrit_case(*grille_hebraique_, n, 1,
                   QString::fromStdString(events::lettres_hebraiques_affichees(l.hebreu_2)));
        grille_civile_->item(n, 2)->setTextAlignment(Qt::AlignCenter);
        for (int c = 0; c < 2; ++c) {
            grille_hebraique_->item(n, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    ajuste_colonnes();
}

void Tfomer::ajuste_colonnes()
{
    // Each column as wide as its texts, and at least its share of its
    // heading; the headings then follow the columns.
    grille_civile_->resizeColumnsToContents();
    grille_hebraique_->resizeColumnsToContents();
    const int date = std::max(grille_civile_->columnWidth(0) + grille_civile_->columnWidth(1),
                              largeurs_entetes[0]);
    grille_civile_->setColumnWidth(1, date - grille_civile_->columnWidth(0));
    grille_civile_->setColumnWidth(2,
                                   std::max(grille_civile_->columnWidth(2), largeurs_entetes[1]));
    for (int c = 0; c < 2; ++c) {
        grille_hebraique_->setColumnWidth(
            c, std::max(grille_hebraique_->columnWidth(c) + 8, largeurs_entetes[2 + c]));
    }
    const int largeurs[] = {date, grille_civile_->columnWidth(2), grille_hebraique_->columnWidth(0),
                            grille_hebraique_->columnWidth(1)};
    // Each grid has a frame on both sides: one for each of its headings.
    for (int i = 0; i < 4; ++i) {
        entetes_[i]->setFixedWidth(largeurs[i] + grille_civile_->frameWidth());
    }
    for (QTableWidget* g : {grille_civile_, grille_hebraique_}) {
        int largeur = 2 * g->frameWidth();
        for (int c = 0; c < g->columnCount(); ++c) {
            largeur += g->columnWidth(c);
        }
        g->setFixedWidth(largeur);
    }
}

void Tfomer::BoutonEnregistrerClick()
{
    if (!table_) {
        return;
    }
    (void)enregistre_lignes(ctx_.repertoire, std::string(events::dossier_omer),
                            events::nom_fichier_omer(annee_civile_->value()),
                            events::lignes_fichier_omer(*table_), choix_, erreur_);
}

void Tfomer::BoutonImprimerClick()
{
    if (!table_) {
        return;
    }
    TexteAImprimer t;
    t.lignes =
        events::lignes_a_imprimer_omer(*table_, annee_hebr_->value(), annee_civile_->value());
    t.police = police_fixe(taille_impression_defaut + ctx_.taille_impression);
    imprimante_(t);
}

void Tfomer::BoutonGlossaireClick()
{
    try {
        const std::vector<std::string> fichier = platform::read_lines(
            platform::lookup_ignoring_case(ctx_.repertoire, events::fichier_glossaire));
        memo_->setFont(QFont(QStringLiteral("Arial"), 8));
        memo_->affiche(events::glossaire_omer(fichier));
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

} // namespace orvane::gui
