#include "gui/events/divers_window.h"

#include "documents/divers_tables.h"
#include "engine/date_texts.h"
#include "events/festivals/festivals_text.h"
#include "events/hebrew_letters.h"
#include "gui/common/fonts.h"
#include "gui/common/mnemonics.h"
#include "gui/common/result_area.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextOption>

namespace orvane::gui
{

namespace
{

using events::ModeDivers;

// The tables written in the Hebrew display font: their signs are stored
// letters, shown as Hebrew letters.
bool en_hebreu(ModeDivers mode)
{
    return mode == ModeDivers::types_annees || mode == ModeDivers::series_61;
}

std::vector<std::string> lignes_affichees(ModeDivers mode, const std::vector<std::string>& texte)
{
    if (!en_hebreu(mode)) {
        return texte;
    }
    // A tab ends the left-to-right override of the Unicode layout: each piece
    // between tabs gets its own.
    std::vector<std::string> r;
    r.reserve(texte.size());
    for (const std::string& l : texte) {
        std::string ligne;
        std::size_t debut = 0;
        for (std::size_t tab = l.find('\t');; tab = l.find('\t', debut)) {
            ligne += events::lettres_hebraiques_affichees(l.substr(debut, tab - debut));
            if (tab == std::string::npos) {
                break;
            }
            ligne += '\t';
            debut = tab + 1;
        }
        r.push_back(ligne);
    }
    return r;
}

} // namespace

Tdivers::Tdivers(shell::AppContext& ctx, ModeDivers mode, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), mode_(mode)
{
    setObjectName("divers");
    set_dialogues(
        choix_fichier_par_dialogue(this),
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), QString::fromStdString(m));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    new QGridLayout(this);
    cree_entrees();
    cree_coches();
    cree_notes();
    cree_resultats();
    cree_boutons();
    resize(900, 640);

    // The defaults start from the year the other windows left in "annee_h".
    lit_aujourdhui();
    int annee =
        events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois);
    if (const std::optional<int> h = shell::lit_fichier_annee(ctx_.repertoire, "annee_h")) {
        annee = std::clamp(*h, 1, events::annee_divers_max);
    }
    for (const events::DescriptionModeDivers& d : events::modes_divers()) {
        valeurs_.at(static_cast<std::size_t>(d.mode)) = events::valeurs_par_defaut(d.mode, annee);
    }
    installe_mode();
    donne_mnemoniques(this);
    BoutonCalculerClick();
}

Tdivers::~Tdivers() = default;

void Tdivers::set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante)
{
    choix_ = std::move(choix);
    erreur_ = std::move(erreur);
    imprimante_ = std::move(imprimante);
}

const events::ValeursMode& Tdivers::valeurs() const
{
    return valeurs_.at(static_cast<std::size_t>(mode_));
}

void Tdivers::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!active_) {
        active_ = true;
        active();
    }
}

void Tdivers::active()
{
    memo_->efface();
    liste_hebreu_->hide();
    installe_mode();
    if (mois_->count() > 0) {
        mois_->setCurrentIndex(0);
    }
    BoutonCalculerClick();
    calculer_->setFocus();
}

void Tdivers::lit_aujourdhui()
{
    engine::lit_aujourdhui(ctx_.engine, *ctx_.horloge);
    const engine::CalendarEngine& e = ctx_.engine;
    aujourdhui_->setText(QString::fromStdString(
        events::texte_aujourdhui_divers(e.aujourdhui_annee, e.aujourdhui_mois, e.aujourdhui_jour)));
}

events::EntreesDivers Tdivers::entrees() const
{
    events::EntreesDivers e;
    e.annee_hebr = annee_hebr_->value();
    e.annee_civile = annee_civile_->value();
    e.derniere_hebr = fin_hebr_->value();
    e.derniere_civile = fin_civile_->value();
    e.mois = std::max(mois_->currentIndex(), 0);
    e.nb_annees = nb_annees_->value();
    e.increment = increment_->value();
    e.coche1 = coche1_->isChecked();
    e.houmra = houmra_->isChecked();
    e.web = web_->isVisible() && web_->isChecked();
    return e;
}

void Tdivers::SpinEditHebrChange(int annee)
{
    if (synchronise_) {
        return;
    }
    synchronise_ = true;
    valeurs_.at(static_cast<std::size_t>(mode_)).premiere = annee;
    annee_civile_->setValue(events::annee_civile_affichee(annee));
    synchronise_ = false;
    if (mode_ != ModeDivers::hahama) {
        ecrit_fichiers_annee();
    }
}

void Tdivers::SpinEditCivChange(int annee)
{
    if (synchronise_) {
        return;
    }
    // There is no civil year 0: from above it gives 3760, from below 3761.
    annee_hebr_->setValue(events::annee_hebr_de_la_civile(annee, annee_hebr_->value()));
}

void Tdivers::SpinEditFinHebrChange(int annee)
{
    if (synchronise_) {
        return;
    }
    synchronise_ = true;
    valeurs_.at(static_cast<std::size_t>(mode_)).derniere = annee;
    fin_civile_->setValue(annee - 3760);
    synchronise_ = false;
}

void Tdivers::SpinEditFinCivChange(int annee)
{
    if (synchronise_) {
        return;
    }
    fin_hebr_->setValue(annee + 3760);
}

void Tdivers::NombreChange(int n)
{
    if (!synchronise_) {
        valeurs_.at(static_cast<std::size_t>(mode_)).nb_annees = n;
    }
}

void Tdivers::IncrementChange(int n)
{
    if (!synchronise_) {
        valeurs_.at(static_cast<std::size_t>(mode_)).increment = n;
    }
}

void Tdivers::MoisChange(int /*index*/)
{
    if (!synchronise_) {
        BoutonCalculerClick();
    }
}

void Tdivers::coche_exclusive(QCheckBox* cochee, QCheckBox* autre)
{
    synchronise_ = true;
    cochee->setChecked(true);
    autre->setChecked(false);
    QFont gras = cochee->font();
    gras.setBold(true);
    cochee->setFont(gras);
    QFont normal = autre->font();
    normal.setBold(false);
    autre->setFont(normal);
    synchronise_ = false;
    const std::string titre = events::titre_divers(mode_, entrees());
    setWindowTitle(QString::fromStdString(titre));
}

void Tdivers::Coche1Click(bool coche)
{
    coche_exclusive(coche ? coche1_ : coche2_, coche ? coche2_ : coche1_);
    BoutonCalculerClick();
}

void Tdivers::Coche2Click(bool coche)
{
    Coche1Click(!coche);
}

void Tdivers::HoumraClick()
{
    BoutonCalculerClick();
}

void Tdivers::BoutonIsraelClick()
{
    calcule(true);
}

void Tdivers::BoutonCalculerClick()
{
    calcule(false);
}

void Tdivers::calcule(bool israel)
{
    const events::EntreesDivers e = entrees();
    message_->clear();
    if (events::limite_inferieure(mode_, e)) {
        message_->setText(
            QString::fromUtf8(events::message_limite_inferieure.data(),
                              static_cast<int>(events::message_limite_inferieure.size())));
        return;
    }
    if (mode_ != ModeDivers::hahama) {
        ctx_.annee_choisie = e.annee_hebr;
    }
    QProgressDialog progres(QStringLiteral("Calcul en cours…"), QStringLiteral("Arrêter"), 0, 100,
                            this);
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(500);
    documents::ContexteDivers c;
    c.repertoire = ctx_.repertoire;
    c.tables_ete = &ctx_.donnees.tables_ete;
    c.diaspora = ctx_.options.diaspora;
    c.levana_israel = israel;
    c.progres = [this, &progres](int pourcent, const std::string& etape) {
        progres.setValue(pourcent);
        jauge_->setValue(pourcent);
        etape_->setText(QString::fromStdString(etape));
        QApplication::processEvents();
        return !progres.wasCanceled();
    };
    memo_->hide();
    memo_->efface();
    try {
        const documents::ResultatDivers r = documents::calcule_divers(mode_, e, c);
        progres.reset();
        if (r.arrete) {
            message_->setText(QStringLiteral("Calcul arrêté"));
        }
        texte_ = r.lignes;
        affiche_texte(texte_);
    } catch (const platform::FileError& ex) {
        progres.reset();
        erreur_(ex.what());
    }
    if (events::description(mode_).ecrit_annees) {
        ecrit_fichiers_annee();
    }
    glossaire_affiche_ = false;
    memo_->show();
}

void Tdivers::affiche_texte(const std::vector<std::string>& lignes)
{
    memo_->setFont(en_hebreu(mode_) ? police_hebraique(mode_ == ModeDivers::series_61 ? 8 : 12)
                                    : police_fixe(9, true));
    // The rows are stored in the order of the glyphs, left to right, even
    // when a line begins with Hebrew letters.
    QTextOption option = memo_->document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    memo_->document()->setDefaultTextOption(option);
    memo_->affiche(lignes_affichees(mode_, lignes));
    if (mode_ == ModeDivers::series_61) {
        liste_hebreu_->clear();
        for (const std::string& l : lignes_affichees(mode_, lignes)) {
            liste_hebreu_->addItem(QString::fromStdString(l));
        }
    }
}

void Tdivers::ecrit_fichiers_annee()
{
    try {
        shell::ecrit_fichiers_annee(ctx_.repertoire, annee_civile_->value(), annee_hebr_->value());
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void Tdivers::BoutonAujourdhuiClick()
{
    lit_aujourdhui();
    annee_hebr_->setValue(
        events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois));
    BoutonCalculerClick();
}

void Tdivers::BoutonDefautClick()
{
    lit_aujourdhui();
    const int annee =
        events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois);
    for (const events::DescriptionModeDivers& d : events::modes_divers()) {
        valeurs_.at(static_cast<std::size_t>(d.mode)) = events::valeurs_par_defaut(d.mode, annee);
    }
    active();
}

void Tdivers::BoutonEnregistrerClick()
{
    const events::DescriptionModeDivers& d = events::description(mode_);
    (void)enregistre_lignes(ctx_.repertoire, std::string(d.dossier),
                            events::nom_fichier_divers(mode_, entrees()),
                            glossaire_affiche_ ? memo_->lignes() : texte_, choix_, erreur_);
}

void Tdivers::BoutonImprimerClick()
{
    TexteAImprimer t;
    const std::vector<std::string> lignes =
        glossaire_affiche_ ? memo_->lignes() : lignes_affichees(mode_, texte_);
    t.lignes = events::lignes_a_imprimer_divers(mode_, lignes);
    t.police =
        police_d_impression(memo_->font(), taille_impression_defaut + ctx_.taille_impression);
    t.orientation =
        events::description(mode_).paysage ? QPageLayout::Landscape : QPageLayout::Portrait;
    imprimante_(t);
}

void Tdivers::BoutonGlossaireClick()
{
    try {
        const std::vector<std::string> lignes = documents::glossaire_divers(mode_, ctx_.repertoire);
        memo_->setFont(QFont(QStringLiteral("Arial"), 8));
        memo_->affiche(lignes);
        glossaire_affiche_ = true;
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

} // namespace orvane::gui
