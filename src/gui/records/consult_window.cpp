#include "gui/records/consult_window.h"

#include "engine/date_validity.h"
#include "engine/names.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "platform/text.h"
#include "records/day_lines.h"
#include "records/tables/date_grid.h"
#include "records/tables/listing.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

struct ChampAffiche {
    const char* champ;
    const char* libelle;
    const char* aide;
};

// The edits of the viewer, in the order of the form.
constexpr ChampAffiche champs_affiches[] = {
    {"N", "Mr, Mme, Mlle            Nom", "M pour Monsieur"},
    {"NOM", "", ""},
    {"PRE", "Prénom civil", ""},
    {"PREH", "Prénom hébraïque", ""},
    {"CHEZ", "Chez", ""},
    {"TEL", "Téléphone", ""},
    {"NUM", "Numéro", ""},
    {"ADRESSE", "Adresse", ""},
    {"CODE", "ZiP", ""},
    {"VILLE", "Ville", ""},
    {"PAYS", "Pays", ""},
    {"NAI_CV_N", "Date naissance", "Format = 10/05/1998"},
    {"J_N", "Entre la tombée de la nuit et minuit", "Indiquer J ou N"},
};

} // namespace

TFConsult::TFConsult(shell::AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FConsult");
    setWindowTitle(QStringLiteral("Consultation des fiches"));
    erreur_ = [this](const std::string& m) {
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(m).replace('\r', '\n'));
    };
    auto* l = new QGridLayout(this);
    (void)l;
    cree_champs();
    cree_grille();
    cree_boutons();
    cree_horloge();
    resize(900, 600);
    donne_mnemoniques(this);
    ouvre_table();
}

TFConsult::~TFConsult() = default;

void TFConsult::cree_champs()
{
    auto* boite = new QWidget(this);
    auto* l = new QGridLayout(boite);
    int ligne = 0;
    for (const ChampAffiche& c : champs_affiches) {
        auto* e = new QLineEdit(boite);
        e->setObjectName(c.champ);
        e->setToolTip(QString::fromUtf8(c.aide));
        champs_[c.champ] = e;
        if (std::string_view(c.champ) == "NOM") {
            // The name beside the civility, in capitals.
            l->addWidget(e, 0, 2);
            connect(e, &QLineEdit::textEdited, this,
                    [e](const QString& t) { e->setText(t.toUpper()); });
            continue;
        }
        auto* libelle = new QLabel(QString::fromUtf8(c.libelle), boite);
        libelle->setBuddy(e);
        l->addWidget(libelle, ligne, 0);
        l->addWidget(e, ligne, 1);
        ++ligne;
    }
    champs_["N"]->setMaxLength(3);
    champs_["J_N"]->setMaxLength(1);
    connect(champs_["NAI_CV_N"], &QLineEdit::textChanged, this, [this] {
        if (!chargement_) {
            remplit_grille();
        }
    });
    static_cast<QGridLayout*>(layout())->addWidget(boite, 0, 0, 2, 1);
}

void TFConsult::cree_grille()
{
    grille_ = new QTableWidget(7, 5, this);
    grille_->setObjectName("GrilleDates");
    grille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille_->horizontalHeader()->hide();
    grille_->verticalHeader()->hide();
    static_cast<QGridLayout*>(layout())->addWidget(grille_, 0, 1);
}

void TFConsult::cree_boutons()
{
    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    const std::tuple<const char*, QString, void (TFConsult::*)()> liste[] = {
        {"BoutonPremier", QStringLiteral("|<"), &TFConsult::BoutonPremierClick},
        {"BoutonPrecedent", QStringLiteral("<"), &TFConsult::BoutonPrecedentClick},
        {"BoutonSuivant", QStringLiteral(">"), &TFConsult::BoutonSuivantClick},
        {"BoutonDernier", QStringLiteral(">|"), &TFConsult::BoutonDernierClick},
        {"BoutonValider", QStringLiteral("&Valider"), &TFConsult::BoutonValiderClick},
        {"BoutonTri", QStringLiteral("&Trier alphab."), &TFConsult::BoutonTriClick},
        {"BoutonSansTri", QStringLiteral("&Supprim. tri"), &TFConsult::BoutonSansTriClick},
        {"BoutonFermer", QStringLiteral("&Fermer"), &TFConsult::BoutonFermerClick}};
    for (const auto& [nom, texte, action] : liste) {
        l->addWidget(bouton_nomme(boite, nom, texte, this, action));
    }
    nombre_ = new QLabel(boite);
    nombre_->setObjectName("LabelNombre");
    l->addWidget(nombre_);
    static_cast<QGridLayout*>(layout())->addWidget(boite, 2, 0, 1, 2);
}

void TFConsult::cree_horloge()
{
    auto* boite = new QWidget(this);
    auto* l = new QVBoxLayout(boite);
    heure_ = new QLabel(boite);
    heure_->setObjectName("LabelHeure");
    date_civile_ = new QLabel(boite);
    date_civile_->setObjectName("LabelDateCivile");
    date_hebraique_ = new QLabel(boite);
    date_hebraique_->setObjectName("LabelDateHebraique");
    jour_courant_ = new QCheckBox(QStringLiteral("&Jour courant"), boite);
    jour_courant_->setObjectName("JourCourant");
    jour_courant_->setChecked(true);
    calendrier_ = new QCalendarWidget(boite);
    calendrier_->setObjectName("Calendrier");
    calendrier_->setLocale(QLocale(QLocale::French, QLocale::France));
    for (QWidget* w : std::initializer_list<QWidget*>{heure_, date_civile_, date_hebraique_,
                                                      jour_courant_, calendrier_}) {
        l->addWidget(w);
    }
    static_cast<QGridLayout*>(layout())->addWidget(boite, 1, 1);
    minuterie_ = new QTimer(this);
    minuterie_->setInterval(1000);
    connect(minuterie_, &QTimer::timeout, this, &TFConsult::Horloge);
    connect(calendrier_, &QCalendarWidget::selectionChanged, this, &TFConsult::Horloge);
    connect(jour_courant_, &QCheckBox::toggled, this, &TFConsult::Horloge);
    minuterie_->start();
    Horloge();
}

void TFConsult::ouvre_table()
{
    try {
        const records::SchemaTable& s = records::schema_naissances();
        table_ = records::Table::ouvre_ou_cree(
            records::chemin_de_table(ctx_.repertoire, s.nom_fichier), s.champs);
    } catch (const std::exception& e) {
        erreur_(std::string(records::message_table_non_ouverte) + "\r" + e.what());
        return;
    }
    table_.premier();
    affiche_fiche();
}

void TFConsult::affiche_fiche()
{
    chargement_ = true;
    const bool fiche = table_.ouverte() && table_.position().has_value();
    for (const auto& [champ, edit] : champs_) {
        edit->setText(fiche ? qs(table_.texte(champ)) : QString());
    }
    chargement_ = false;
    nombre_->setText(
        qs(records::libelle_enregistrements_fiches(table_.ouverte() ? table_.nombre() : 0)));
    remplit_grille();
}

void TFConsult::remplit_grille()
{
    const platform::LocalDate d = ctx_.horloge->today();
    try {
        const std::optional<records::GrilleDesDates> g = records::grille_des_dates(
            champs_["NAI_CV_N"]->text().toStdString(), champs_["N"]->text().toStdString(),
            engine::DateCivile(d.annee, d.mois, d.jour));
        if (!g) {
            return; // not a date of ten characters: the grid stays
        }
        for (std::size_t r = 0; r < g->cases.size(); ++r) {
            for (std::size_t c = 0; c < g->cases[r].size(); ++c) {
                grille_->setItem(static_cast<int>(r), static_cast<int>(c),
                                 new QTableWidgetItem(qs(g->cases[r][c])));
            }
        }
        grille_->resizeColumnsToContents();
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFConsult::deplace(bool (records::Table::*mouvement)())
{
    if (table_.ouverte()) {
        (table_.*mouvement)();
        affiche_fiche();
    }
}

void TFConsult::BoutonPremierClick()
{
    deplace(&records::Table::premier);
}

void TFConsult::BoutonPrecedentClick()
{
    deplace(&records::Table::precedent);
}

void TFConsult::BoutonSuivantClick()
{
    deplace(&records::Table::suivant);
}

void TFConsult::BoutonDernierClick()
{
    deplace(&records::Table::dernier);
}

void TFConsult::BoutonValiderClick()
{
    if (!table_.ouverte()) {
        return;
    }
    try {
        if (table_.position().has_value()) {
            table_.modifie();
        } else {
            table_.insere();
        }
        for (const auto& [champ, edit] : champs_) {
            table_.change_texte(champ, edit->text().toStdString());
        }
        table_.valide();
    } catch (const std::exception& e) {
        table_.annule();
        erreur_(e.what());
        return;
    }
    affiche_fiche();
}

void TFConsult::BoutonTriClick()
{
    if (table_.ouverte()) {
        table_.trie_par("NOM");
        table_.limite(" ", "z");
        affiche_fiche();
    }
}

void TFConsult::BoutonSansTriClick()
{
    if (table_.ouverte()) {
        table_.trie_par("");
        affiche_fiche();
    }
}

void TFConsult::BoutonFermerClick()
{
    minuterie_->stop();
    table_.ferme();
    close();
}

void TFConsult::Horloge()
{
    const platform::LocalTime t = ctx_.horloge->now();
    const platform::LocalDate aujourdhui = ctx_.horloge->today();
    engine::DateCivile jour(aujourdhui.annee, aujourdhui.mois, aujourdhui.jour);
    if (!jour_courant_->isChecked()) {
        const QDate choisi = calendrier_->selectedDate();
        jour = engine::DateCivile(choisi.year(), choisi.month(), choisi.day());
    }
    heure_->setText(QString::asprintf("%02d:%02d:%02d", t.heures, t.minutes, t.secondes));
    if (engine::erreur_date_civile(jour)) {
        date_civile_->clear();
        date_hebraique_->clear();
        return;
    }
    const records::JourComplet j = records::jour_du_civil(jour);
    date_civile_->setText(qs(platform::trim(records::texte_civil(j))));
    date_hebraique_->setText(qs(records::texte_hebraique(j.hebraique)));
}

} // namespace orvane::gui
