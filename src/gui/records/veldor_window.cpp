#include "gui/records/veldor_window.h"

#include "events/hebrew_letters.h"
#include "gui/common/fonts.h"
#include "gui/common/mnemonics.h"
#include "gui/common/result_area.h"
#include "gui/shell/desktop_opener.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/file_names.h"
#include "platform/text_file.h"
#include "records/reading_texts.h"
#include "records/store/messages.h"
#include "records/tables/listing.h"
#include "shell/app_context.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

namespace orvane::gui
{

namespace
{

// The folder and the beginning of the name of the saved sheets.
struct NomMemo {
    const char* dossier;
    const char* prefixe;
};

NomMemo nom_memo(records::Famille f)
{
    switch (f) {
    case records::Famille::naissance:
        return {"BARMITSV", "NAI_"};
    case records::Famille::deces:
        return {"DECES", "DC_"};
    default:
        return {"EVENTS", "EVEN_"};
    }
}

} // namespace

TFVeldor::TFVeldor(shell::AppContext& ctx, records::Famille famille, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), famille_(famille),
      sur_table_(!ctx.options.compatibilite && famille != records::Famille::evenement)
{
    setObjectName("FVeldor");
    set_dialogues(
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(),
                                  QString::fromStdString(m).replace('\r', '\n'));
        },
        [this](const std::string& m) {
            QMessageBox::information(this, windowTitle(),
                                     QString::fromStdString(m).replace('\r', '\n'));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); },
        [this](const std::string& texte, Reponses r) {
            return pose_question(this, windowTitle(), texte, r);
        },
        [](const std::filesystem::path& p) {
            DesktopDocumentOpener o;
            return o.open(p);
        });
    new QGridLayout(this);
    cree_dates();
    cree_personnes();
    cree_position();
    cree_feuille();
    cree_boutons();
    cree_menu();
    adapte_a_la_famille();
    connecte_dates();
    libelles_des_civilites();
    resize(1100, 760);
    donne_mnemoniques(this);
    // Until a record is shown, the dates are today's.
    BoutonAujourdhuiClick();
    if (sur_table_) {
        ouvre_table();
    } else {
        ouvre_base();
    }
}

TFVeldor::~TFVeldor() = default;

void TFVeldor::set_dialogues(MessageErreur erreur, MessageErreur information, Imprimante imprimante,
                             Question question, Ouvreur ouvreur)
{
    erreur_ = std::move(erreur);
    information_ = std::move(information);
    imprimante_ = std::move(imprimante);
    question_ = std::move(question);
    ouvreur_ = std::move(ouvreur);
}

void TFVeldor::BoutonCalculerClick()
{
    (void)calcule(sexe_);
}

void TFVeldor::BoutonBarMitsvaClick()
{
    (void)calcule(records::Sexe::garcon);
}

void TFVeldor::BoutonBatMitsvaClick()
{
    (void)calcule(records::Sexe::fille);
}

void TFVeldor::BoutonDatesClick()
{
    vue_ = Vue::dates;
    affiche_vue();
}

void TFVeldor::BoutonFicheClick()
{
    vue_ = Vue::fiche;
    affiche_vue();
}

void TFVeldor::BoutonNouvelleClick()
{
    BoutonEffacerClick();
    position_ = 0;
    numero_ = 0;
    numero_fiche_->clear();
    libelle_position_->setText(QStringLiteral("Nouvelle fiche"));
    BoutonAujourdhuiClick();
    (famille_ == records::Famille::evenement ? static_cast<QWidget*>(texte_evenement_)
                                             : static_cast<QWidget*>(civilite_))
        ->setFocus();
}

void TFVeldor::BoutonEffacerClick()
{
    for (QLineEdit* e : {nom_, prenom_, prenom_hebreu_, chez_, numero_rue_, adresse_, code_postal_,
                         ville_, pays_, telephone_, notes_, nom_defunt_, prenom_defunt_,
                         prenom_hebreu_defunt_, anniv_civil_, anniv_hebreu_}) {
        e->clear();
    }
    for (QComboBox* c : {civilite_, civilite_defunt_}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    jour_nuit_->setEditText(QStringLiteral("J"));
    nuit_inhumation_->setEditText(QStringLiteral("J"));
    texte_evenement_->clear();
    feuille_->efface();
    lecture_zone_->clear();
    lecture_.clear();
    anniversaires_ = {};
    evenement_.reset();
    bar_mitsva_.reset();
    deuil_.clear();
}

void TFVeldor::BoutonEnregistrerNouvelleClick()
{
    if (question_(std::string(records::question_ajout), Reponses::oui_non) != QMessageBox::Yes) {
        return;
    }
    if (sur_table_) {
        if (poste(true)) {
            information_(records::message_fiche_enregistree(numero_));
        }
    } else {
        ajoute_texte();
    }
}

void TFVeldor::BoutonModificationsClick()
{
    if (nombre_ == 0) {
        erreur_(std::string(records::message_aucune_fiche));
        return;
    }
    if (position_ == 0) {
        erreur_("Aucune fiche enregistrée n'est affichée : choisissez sa position.");
        return;
    }
    if (question_(records::question_modification(numero_), Reponses::oui_non) != QMessageBox::Yes) {
        return;
    }
    if (sur_table_) {
        if (poste(false)) {
            information_(records::message_fiche_enregistree(numero_));
        }
    } else {
        modifie_texte();
    }
}

void TFVeldor::BoutonSupprimerClick()
{
    if (position_ == 0) {
        return;
    }
    if (question_(records::question_suppression(numero_), Reponses::oui_non) != QMessageBox::Yes) {
        return;
    }
    if (!sur_table_) {
        supprime_texte();
        return;
    }
    const int numero = numero_;
    try {
        table_.supprime();
    } catch (const std::exception& e) {
        erreur_(e.what());
        return;
    }
    affiche_enregistrement();
    information_(records::message_fiche_supprimee(numero));
}

void TFVeldor::BoutonDupliquerClick()
{
    if (position_ == 0) {
        return;
    }
    if (question_(records::question_duplication(numero_), Reponses::oui_non) != QMessageBox::Yes) {
        return;
    }
    if (!sur_table_) {
        duplique_texte();
        return;
    }
    const int ancien = numero_;
    if (poste(true)) {
        information_(records::message_fiche_dupliquee(ancien, numero_));
    }
}

void TFVeldor::BoutonOrdonnerClick()
{
    if (sur_table_ ||
        question_(std::string(records::question_renumerotation), Reponses::oui_non) !=
            QMessageBox::Yes ||
        question_(std::string(records::question_confirmez), Reponses::oui_non) !=
            QMessageBox::Yes) {
        return;
    }
    const platform::LocalDate t = ctx_.horloge->today();
    try {
        applique(base_->renumerote(engine::DateCivile(t.annee, t.mois, t.jour)));
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFVeldor::BoutonToutRecalculerClick()
{
    const std::string bouton = tout_recalculer_->text().remove('&').toStdString();
    if (question_(records::message_tout_recalculer(bouton), Reponses::oui_non) !=
        QMessageBox::Yes) {
        return;
    }
    if (sur_table_) {
        recalcule_table();
    } else {
        recalcule_textes();
    }
}

void TFVeldor::BoutonEnregistrerMemoClick()
{
    const NomMemo n = nom_memo(famille_);
    std::string nom = n.prefixe;
    if (famille_ != records::Famille::evenement) {
        const QLineEdit* e = famille_ == records::Famille::deces ? nom_defunt_ : nom_;
        nom += e->text().trimmed().toStdString() + "_";
    }
    const engine::DateCivile d = date_civile_saisie();
    nom += std::to_string(d.jour) + "_" + std::to_string(d.mois) + "_" + std::to_string(d.annee) +
           (vue_ == Vue::dates ? "_Dates" : "_Fiche");
    try {
        const std::filesystem::path dossier =
            platform::lookup_ignoring_case(ctx_.repertoire, n.dossier);
        std::filesystem::create_directories(dossier);
        // A sheet never replaces another one: a second sheet of the same
        // name, or of a namesake, takes the next free name.
        const std::filesystem::path p =
            platform::chemin_libre(dossier, platform::nom_de_fichier_sur(nom), ".txt");
        platform::write_lines(p, feuille_->lignes());
        memo_ = p;
        information_("Le mémo a été enregistré dans le fichier\r" + p.string());
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFVeldor::BoutonImprimerMemoClick()
{
    TexteAImprimer t;
    t.lignes = feuille_->lignes();
    t.police =
        police_d_impression(feuille_->font(), taille_impression_defaut + ctx_.taille_impression);
    // The heading begins with its Hebrew letters, printed in the Hebrew font.
    const std::string bsd = "bs\"d";
    if (!t.lignes.empty() && t.lignes.front().starts_with(bsd)) {
        t.lignes.front() =
            events::lettres_hebraiques_affichees(bsd) + t.lignes.front().substr(bsd.size());
        t.polices_des_lignes[0] = police_hebraique(t.police.pointSize());
    }
    if (!imprimante_(t)) {
        return;
    }
}

void TFVeldor::BoutonFichiersTxtClick()
{
    std::vector<std::filesystem::path> fichiers;
    if (sur_table_) {
        const std::filesystem::path p =
            table_.fichier().parent_path() / (records::nom_de_base(table_.fichier()) + ".txt");
        try {
            platform::write_lines(p, lignes_de_la_table());
        } catch (const std::exception& e) {
            erreur_(e.what());
            return;
        }
        fichiers.push_back(p);
    } else if (base_) {
        fichiers = {base_->fichiers().noms, base_->fichiers().dates};
    }
    for (const std::filesystem::path& p : fichiers) {
        if (!ouvreur_(p)) {
            erreur_("Le fichier " + p.string() + " n'a pas pu être ouvert");
        }
    }
}

void TFVeldor::BoutonAujourdhuiClick()
{
    const platform::LocalDate t = ctx_.horloge->today();
    montre_date_civile(engine::DateCivile(t.annee, t.mois, t.jour));
}

void TFVeldor::BoutonTehilimClick()
{
    if (famille_ == records::Famille::deces) {
        affiche_lecture(records::fichier_tehilim);
    }
}

void TFVeldor::BoutonMichnayotClick()
{
    if (famille_ == records::Famille::deces) {
        affiche_lecture(records::fichier_michna);
    }
}

void TFVeldor::BoutonFermerClick()
{
    close();
}

void TFVeldor::RechercherClick()
{
    liste_noms_->clear();
    for (const std::string& n : noms_des_fiches()) {
        liste_noms_->addItem(QString::fromStdString(n));
    }
    aide_liste_->show();
    liste_noms_->show();
    liste_noms_->setFocus();
}

} // namespace orvane::gui
