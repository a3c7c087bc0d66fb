#include "gui/events/year_type_window.h"

#include "events/festivals/festivals_text.h"
#include "events/glossary_entry.h"
#include "events/years/year_type_text.h"
#include "gui/common/fonts.h"
#include "gui/common/glossary_view.h"
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
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace orvane::gui
{

namespace
{

constexpr int annee_hebr_max_type = 999999;

} // namespace

TFYEARTYP::TFYEARTYP(shell::AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FYEARTYP");
    setWindowTitle(QString::fromUtf8(events::titre_type_annee.data(),
                                     static_cast<int>(events::titre_type_annee.size())));
    set_dialogues(
        choix_fichier_par_dialogue(this),
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), QString::fromStdString(m));
        },
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    new QGridLayout(this);
    cree_annees();
    cree_etiquettes();
    cree_boutons();
    memo_ = new ZoneResultat("Memo1", 10, this);
    static_cast<QGridLayout*>(layout())->addWidget(memo_, 3, 0, 1, 3);
    static_cast<QGridLayout*>(layout())->setRowStretch(3, 1);
    resize(760, 560);
    donne_mnemoniques(this);

    int annee = ctx_.annee_choisie;
    if (annee < 1) {
        annee = events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee,
                                                ctx_.engine.aujourdhui_mois);
    }
    SpinEditHebrChange(std::min(annee, annee_hebr_max_type));
    calculer_->setFocus();
}

TFYEARTYP::~TFYEARTYP() = default;

void TFYEARTYP::set_dialogues(ChoixFichier choix, MessageErreur erreur, Imprimante imprimante)
{
    choix_ = std::move(choix);
    erreur_ = std::move(erreur);
    imprimante_ = std::move(imprimante);
}

void TFYEARTYP::cree_annees()
{
    auto* l = static_cast<QGridLayout*>(layout());
    annee_hebr_ = new QSpinBox(this);
    annee_hebr_->setObjectName("AnneeHebraique");
    annee_hebr_->setRange(1, annee_hebr_max_type);
    annee_civile_ = new QSpinBox(this);
    annee_civile_->setObjectName("AnneeCivile");
    annee_civile_->setRange(events::annee_civile_affichee(1),
                            events::annee_civile_affichee(annee_hebr_max_type));
    auto* eh = new QLabel(QStringLiteral("Année &hébraïque"), this);
    eh->setBuddy(annee_hebr_);
    auto* ec = new QLabel(QStringLiteral("Année &civile"), this);
    ec->setBuddy(annee_civile_);
    l->addWidget(eh, 0, 0);
    l->addWidget(annee_hebr_, 0, 1);
    l->addWidget(ec, 1, 0);
    l->addWidget(annee_civile_, 1, 1);
    annees_ = std::make_unique<AnneesLiees>(*annee_hebr_, *annee_civile_, ctx_.repertoire,
                                            [this](const std::string& m) { erreur_(m); });
    connect(annee_hebr_, &QSpinBox::valueChanged, this, &TFYEARTYP::SpinEditHebrChange);
    connect(annee_civile_, &QSpinBox::valueChanged, this, &TFYEARTYP::SpinEditCivChange);
}

void TFYEARTYP::cree_etiquettes()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    signe_ = new QLabel(boite);
    signe_->setObjectName("LabelSigne");
    mot_ = new QLabel(boite);
    mot_->setObjectName("LabelMot");
    mot_->setStyleSheet(QStringLiteral("color: red"));
    nature_ = new QLabel(boite);
    nature_->setObjectName("LabelNature");
    nature_->setStyleSheet(QStringLiteral("color: red"));
    correspondance_ = new QLabel(boite);
    correspondance_->setObjectName("LabelCorrespondance");
    l->addWidget(signe_, 0, 0, 2, 1);
    l->addWidget(mot_, 0, 1);
    l->addWidget(nature_, 1, 1);
    l->addWidget(correspondance_, 2, 0, 1, 2);
    static_cast<QGridLayout*>(layout())->addWidget(boite, 0, 2, 2, 1);
}

void TFYEARTYP::cree_boutons()
{
    auto* boite = new QWidget(this);
    QPushButton* aujourdhui = bouton_nomme(boite, "BoutonAujourdhui", QStringLiteral("Aujourd'hui"),
                                           this, &TFYEARTYP::BoutonAujourdhuiClick);
    calculer_ = bouton_nomme(boite, "BoutonCalculer", QStringLiteral("Calculer"), this,
                             &TFYEARTYP::BoutonCalculerClick);
    QPushButton* enregistrer =
        bouton_nomme(boite, "BoutonEnregistrer", QStringLiteral("Enregistrer"), this,
                     &TFYEARTYP::BoutonEnregistrerClick);
    QPushButton* imprimer = bouton_nomme(boite, "BoutonImprimer", QStringLiteral("Imprimer"), this,
                                         &TFYEARTYP::BoutonImprimerClick);
    QPushButton* glossaire = bouton_nomme(boite, "BoutonGlossaire", QStringLiteral("Glossaire"),
                                          this, &TFYEARTYP::BoutonGlossaireClick);
    QPushButton* fermer =
        bouton_nomme(boite, "BoutonFermer", QStringLiteral("Fermer"), this, &QWidget::close);
    calculer_->setDefault(true);
    auto* l = new QHBoxLayout(boite);
    for (QPushButton* b : {aujourdhui, calculer_, enregistrer, imprimer, glossaire, fermer}) {
        l->addWidget(b);
    }
    static_cast<QGridLayout*>(layout())->addWidget(boite, 2, 0, 1, 3);
}

void TFYEARTYP::SpinEditHebrChange(int annee)
{
    if (annees_->montre_annee_hebraique(annee)) {
        BoutonCalculerClick();
    }
}

void TFYEARTYP::SpinEditCivChange(int annee)
{
    if (annees_->en_synchronisation()) {
        return;
    }
    // There is no civil year 0: 0 maps to 3760 from above and to 3761 from
    // below, so that the spin buttons step from 1 to −1 and back.
    SpinEditHebrChange(events::annee_hebr_de_la_civile(annee, annee_hebr_->value()));
}

void TFYEARTYP::BoutonAujourdhuiClick()
{
    SpinEditHebrChange(
        events::annee_hebraique_du_jour(ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois));
}

void TFYEARTYP::BoutonCalculerClick()
{
    const int annee = annee_hebr_->value();
    ctx_.annee_choisie = annee;
    const events::TexteTypeAnnee t =
        events::texte_type_annee(annee, annee_civile_->value(), events::titre_type_annee);
    memo_->setFont(police_fixe(10));
    memo_->hide();
    memo_->affiche(t.lignes);
    memo_->show();
    affiche_hebreu(*signe_, t.signe_hebreu, 28);
    affiche_hebreu(*mot_, t.mot_hebreu, 16);
    nature_->setText(QString::fromStdString(t.texte_nature));
    correspondance_->setText(QString::fromStdString(t.correspondance));
}

void TFYEARTYP::BoutonEnregistrerClick()
{
    (void)enregistre_lignes(ctx_.repertoire, "CARACT_ANNEE",
                            events::nom_fichier_type(annee_hebr_->value()), memo_->lignes(), choix_,
                            erreur_);
}

void TFYEARTYP::BoutonImprimerClick()
{
    TexteAImprimer t;
    t.lignes = events::lignes_a_imprimer_type(memo_->lignes());
    t.police =
        police_d_impression(memo_->font(), taille_impression_defaut + ctx_.taille_impression);
    imprimante_(t);
}

void TFYEARTYP::BoutonGlossaireClick()
{
    affiche_glossaire(*memo_, ctx_.repertoire, events::cle_glossaire_type, erreur_);
}

} // namespace orvane::gui
