#include "gui/tables/zmanim_window.h"

#include "documents/zmanim_books.h"
#include "documents/zmanim_pages.h"
#include "documents/zmanim_workbooks.h"
#include "gui/common/mnemonics.h"
#include "gui/common/question.h"
#include "gui/tables/results_window.h"
#include "places/home_place.h"
#include "places/places.h"
#include "places/places_editor.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/text_file.h"
#include "shell/app_context.h"
#include "tables/chart_series.h"
#include "tables/day_list.h"
#include "tables/east_west.h"
#include "tables/latitudes.h"
#include "tables/table_run.h"
#include "tables/tenth_hour.h"
#include "tables/tossefet_questions.h"
#include "tables/weekly_columns.h"
#include "tables/window_state.h"
#include "zmanim/format/libelles.h"
#include "zmanim/format/trace.h"
#include "zmanim/settings/opinions.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;

QString qs(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

std::string texte(const QString& t)
{
    return t.trimmed().toStdString();
}

engine::DateCivile date_de(const std::array<QComboBox*, 3>& d)
{
    return tables::date_des_listes(d[0]->currentIndex() + 1, d[1]->currentIndex() + 1,
                                   tables::premiere_annee_civile + d[2]->currentIndex());
}

void montre_date(const std::array<QComboBox*, 3>& d, const engine::DateCivile& date)
{
    d[0]->setCurrentIndex(date.jour - 1);
    d[1]->setCurrentIndex(date.mois - 1);
    d[2]->setCurrentIndex(date.annee - tables::premiere_annee_civile);
}

/// The 'Hamets days of the Hebrew year whose eve of Pessa'h the range holds
/// (the year of its start, or the next).
tables::JoursHamets jours_dans(const tables::DemandeTable& d)
{
    const int annee = engine::hebraique_du_civil(d.debut).annee;
    const tables::JoursHamets j = tables::jours_du_hamets(annee);
    return j.veille < d.debut ? tables::jours_du_hamets(annee + 1) : j;
}

/// Blocks the change signals of every widget of `w` while it lives.
class SansSignaux
{
public:
    explicit SansSignaux(QWidget* w)
    {
        for (QObject* o : w->findChildren<QObject*>()) {
            bloques_.push_back(std::make_unique<QSignalBlocker>(o));
        }
    }

private:
    std::vector<std::unique_ptr<QSignalBlocker>> bloques_;
};

} // namespace

TFcalcH::TFcalcH(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FcalcH");
    setWindowTitle(QStringLiteral("Calcul des horaires de la journée juive selon la date, la "
                                  "localité et l'opinion rabbinique"));
    DialoguesHoraires d;
    d.erreur = [this](const std::string& m) {
        QMessageBox::critical(this, windowTitle(), qs(m).replace('\r', '\n'));
    };
    d.information = [this](const std::string& m) {
        QMessageBox::information(this, windowTitle(), qs(m).replace('\r', '\n'));
    };
    d.question = [this](const std::string& m) {
        switch (pose_question(this, windowTitle(), m, Reponses::oui_non_annuler)) {
        case QMessageBox::Yes:
            return tables::ReponseTossefet::oui;
        case QMessageBox::No:
            return tables::ReponseTossefet::non;
        default:
            return tables::ReponseTossefet::annuler;
        }
    };
    d.confirmation = [this](const std::string& m) {
        return repond_oui(this, windowTitle(), m, Reponses::oui_non);
    };
    set_dialogues(std::move(d));
    // The pause between two east-west tables leaves the window alive: the
    // events go on being processed while the timer runs.
    set_attente([](int secondes) {
        QEventLoop boucle;
        QTimer::singleShot(secondes * 1000, &boucle, &QEventLoop::quit);
        boucle.exec();
    });

    auto* disposition = new QVBoxLayout(this);
    auto* colonnes = new QHBoxLayout;
    auto* gauche = new QVBoxLayout;
    cree_dates();
    cree_lieu();
    cree_avis();
    cree_parametres();
    cree_moments();
    cree_choix();
    for (const char* nom : {"GroupeDates", "GroupeLieu", "GroupeAvis", "GroupeParametres"}) {
        gauche->addWidget(findChild<QGroupBox*>(nom));
    }
    cree_sorties();
    auto* droite = new QVBoxLayout;
    droite->addWidget(findChild<QGroupBox*>("GroupeChoix"));
    droite->addWidget(findChild<QGroupBox*>("GroupeSorties"));
    colonnes->addLayout(gauche, 3);
    colonnes->addWidget(findChild<QGroupBox*>("GroupeMoments"), 3);
    colonnes->addLayout(droite, 3);
    disposition->addLayout(colonnes, 1);
    cree_boutons();
    for (const std::string& pays : ctx_.lieux.listes.pays) {
        ComboPays->addItem(qs(pays));
    }
    resultats_ = new TFMemH(ctx_, this);
    connect(resultats_, &TFMemH::retour, this, [this] {
        show();
        raise();
    });

    // The last state of the window, else the place of the main window.
    if (const auto etat = tables::lit_etat_fenetre(ctx_.repertoire)) {
        c_.lieu = etat->lieu;
        c_.debut = etat->debut;
        c_.fin = etat->fin;
        c_.increment = etat->increment;
        if (!etat->opinion.empty()) {
            c_.parametres.opinion = etat->opinion;
        }
    } else if (!ctx_.lieu_courant.ville.empty()) {
        c_.lieu = ctx_.lieu_courant;
    }
    c_.annee_hebraique = std::clamp(c_.debut.annee + 3760, tables::premiere_annee_hebraique,
                                    tables::derniere_annee_hebraique);
    zmanim::ZmanimSettings reglages;
    zmanim::choisit_opinion(c_.parametres, reglages, c_.parametres.opinion);
    c_.parametres.tossefet = zmanim::tossefet_du_lieu(c_.lieu.pays, c_.lieu.ville).tossefet;
    montre(c_);
    connecte();
    connecte_parametres();
    resize(1300, 740);
    donne_mnemoniques(this);
}

TFcalcH::~TFcalcH() = default;

void TFcalcH::set_dialogues(DialoguesHoraires d)
{
    dialogues_ = std::move(d);
}

void TFcalcH::set_attente(std::function<void(int)> attente)
{
    attente_ = std::move(attente);
}

void TFcalcH::connecte()
{
    const auto date_changee = [this] { applique([](auto&) {}); };
    for (QComboBox* c : {debut_[0], debut_[1], debut_[2], fin_[0], fin_[1], fin_[2]}) {
        connect(c, &QComboBox::currentIndexChanged, this, date_changee);
    }
    connect(debut_[2], &QComboBox::currentIndexChanged, this, [this](int i) {
        applique([i](auto& c) {
            c.annee_hebraique =
                std::clamp(tables::premiere_annee_civile + i + 3760,
                           tables::premiere_annee_hebraique, tables::derniere_annee_hebraique);
        });
    });
    connect(ComboBoxHebreu, &QComboBox::currentIndexChanged, this, [this](int i) {
        applique([i](auto& c) {
            tables::choisit_annee_hebraique(c, tables::premiere_annee_hebraique + i);
        });
    });
    connect(SpinAnnee, &QSpinBox::valueChanged, this, [this](int pas) {
        if (pas != 0) {
            applique([pas](auto& c) { tables::avance_annee(c, pas); });
        }
    });
    connect(RadioCivile, &QRadioButton::toggled, this, [this] { applique([](auto&) {}); });
    connect(ComboJours, &QComboBox::currentIndexChanged, this, [this](int i) {
        applique([i](auto& c) {
            tables::choisit_filtre(c,
                                   tables::choix_des_filtres()[static_cast<std::size_t>(i)].filtre);
        });
    });
    connect(ComboPays, &QComboBox::textActivated, this, &TFcalcH::pays_choisi);
    connect(ComboVille, &QComboBox::textActivated, this, &TFcalcH::ville_choisie);
    for (QCheckBox* b : {CaseEte, CaseSecondes}) {
        connect(b, &QCheckBox::toggled, this, [this] { applique([](auto&) {}); });
    }
}

tables::ControlesHoraires TFcalcH::controles() const
{
    tables::ControlesHoraires c = c_;
    c.debut = date_de(debut_);
    c.fin = date_de(fin_);
    c.annee_hebraique = tables::premiere_annee_hebraique + ComboBoxHebreu->currentIndex();
    zmanim::ControlesParametres& p = c.parametres;
    p.annee_civile = RadioCivile->isChecked();
    p.decalage_heures = SpinDecalage->value();
    p.opinion = texte(ComboAvis->currentText());
    p.tossefet = SpinTossefet->value();
    p.affiche_secondes = CaseSecondes->isChecked();
    p.dates_ete = CaseEte->isChecked();
    p.fetes = CaseFetes->isChecked();
    std::array<std::string*, 5> textes{&p.texte_aube, &p.texte_tephilin, &p.texte_etoiles,
                                       &p.texte_sortie, &p.texte_nuit};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        *textes[i] = texte(angles_[i]->text());
    }
    c.texte_etoiles_chema = texte(EditEtoilesChema->text());
    p.arrondis_2930 = CaseArrondis->isChecked();
    p.trace = CaseTrace->isChecked();
    p.centre_soleil = CaseCentre->isChecked();
    p.iteration = CaseIteration->isChecked();
    p.houmra = CaseHoumra->isChecked();
    p.affiche_decimal = CaseDecimal->isChecked();
    p.refraction = texte(ComboRefraction->currentText());
    c.increment = SpinIncrement->value();
    c.lieu = {texte(ComboVille->currentText()), texte(ComboPays->currentText()),
              texte(EditLatitude->text()), texte(EditLongitude->text()), texte(EditZone->text())};
    for (std::size_t i = 0; i < moments_.size(); ++i) {
        c.moments[i] = moments_[i]->isChecked();
    }
    c.filtre =
        tables::choix_des_filtres()[static_cast<std::size_t>(ComboJours->currentIndex())].filtre;
    c.grille = static_cast<tables::Grille>(std::max(grilles_->checkedId(), 0));
    c.toutes_entrees = CaseToutesEntrees->isChecked();
    c.date_complete = CaseDateComplete->isChecked();
    c.dixieme_heure = CaseDixieme->isChecked();
    c.hamets = CaseHamets->isChecked();
    c.methode_hamets = static_cast<tables::MethodeHamets>(ComboMethode->currentIndex());
    c.indique_avis = CaseAvis->isChecked();
    c.sortie = static_cast<tables::ModeSortie>(std::max(sorties_->checkedId(), 0));
    c.web = CaseWeb->isChecked();
    c.actuj = CaseActuj->isChecked();
    return c;
}

void TFcalcH::montre(const tables::ControlesHoraires& c)
{
    remplissage_ = true;
    const SansSignaux bloque(this);
    montre_date(debut_, c.debut);
    montre_date(fin_, c.fin);
    ComboBoxHebreu->setCurrentIndex(c.annee_hebraique - tables::premiere_annee_hebraique);
    SpinAnnee->setValue(0);
    const zmanim::ControlesParametres& p = c.parametres;
    RadioCivile->setChecked(p.annee_civile);
    RadioHebraique->setChecked(!p.annee_civile);
    SpinIncrement->setValue(c.increment);
    SpinDecalage->setValue(p.decalage_heures);
    ComboPays->setCurrentText(qs(c.lieu.pays));
    montre_villes(c.lieu.pays);
    ComboVille->setCurrentText(qs(c.lieu.ville));
    EditLatitude->setText(qs(c.lieu.latitude));
    EditLongitude->setText(qs(c.lieu.longitude));
    EditZone->setText(qs(c.lieu.decalage));
    ComboAvis->setCurrentIndex(std::max(ComboAvis->findText(qs(p.opinion)), 0));
    SpinTossefet->setValue(p.tossefet);
    CaseSecondes->setChecked(p.affiche_secondes);
    const std::array<const std::string*, 5> textes{
        &p.texte_aube, &p.texte_tephilin, &p.texte_etoiles, &p.texte_sortie, &p.texte_nuit};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        angles_[i]->setText(qs(*textes[i]));
        angles_[i]->setVisible(p.angles_visibles);
    }
    EditEtoilesChema->setText(qs(c.texte_etoiles_chema));
    montre_parametres(p);
    EditEtoilesChema->setVisible(p.angles_visibles);
    for (std::size_t i = 0; i < moments_.size(); ++i) {
        moments_[i]->setChecked(c.moments[i]);
        moments_[i]->setText(qs(p.moments.legendes[i]));
        moments_[i]->setVisible(p.moments.visibles[i]);
    }
    for (std::size_t i = 0; i < tables::choix_des_filtres().size(); ++i) {
        if (tables::choix_des_filtres()[i].filtre == c.filtre) {
            ComboJours->setCurrentIndex(static_cast<int>(i));
        }
    }
    grilles_->button(static_cast<int>(c.grille))->setChecked(true);
    CaseToutesEntrees->setChecked(c.toutes_entrees);
    CaseEte->setChecked(p.dates_ete);
    CaseFetes->setChecked(p.fetes);
    CaseDateComplete->setChecked(c.date_complete);
    // The festivals and the full date go with the summer time date by date.
    CaseFetes->setVisible(p.dates_ete);
    CaseDateComplete->setVisible(p.dates_ete);
    CaseDixieme->setChecked(c.dixieme_heure);
    CaseHamets->setChecked(c.hamets);
    ComboMethode->setCurrentIndex(static_cast<int>(c.methode_hamets));
    CaseAvis->setChecked(c.indique_avis);
    sorties_->button(static_cast<int>(c.sortie))->setChecked(true);
    sorties_->button(static_cast<int>(tables::ModeSortie::page_ville))
        ->setText(qs(tables::texte_de_la_sortie(tables::ModeSortie::page_ville, c.lieu.ville)));
    CaseWeb->setChecked(c.web);
    CaseActuj->setChecked(c.actuj);
    montre_legende_est_ouest();
    BoutonCalcul->setText(qs(tables::texte_bouton_calcul(c)));
    const tables::PreparationHoraires prep = tables::prepare_horaires(c);
    tables::EnvironnementTable env;
    env.tables_ete = &ctx_.donnees.tables_ete;
    env.mode_horaire = ctx_.options.mode_horaire;
    LabelEte->setText(qs(tables::avertissement_heure_ete(tables::ete_d_une_table(prep.demande, env),
                                                         p.decalage_heures)));
    remplissage_ = false;
}

void TFcalcH::montre_parametres(const zmanim::ControlesParametres& p)
{
    BoutonActivation->setText(qs(zmanim::texte_bouton_activation(p.panneau_actif)));
    const std::array<std::pair<QCheckBox*, bool>, 6> cases{{{CaseArrondis, p.arrondis_2930},
                                                            {CaseTrace, p.trace},
                                                            {CaseCentre, p.centre_soleil},
                                                            {CaseIteration, p.iteration},
                                                            {CaseHoumra, p.houmra},
                                                            {CaseDecimal, p.affiche_decimal}}};
    for (const auto& [boite, cochee] : cases) {
        boite->setChecked(cochee);
        boite->setEnabled(p.panneau_actif);
    }
    // The seconds are written unrounded: the two rounding boxes mean nothing then.
    CaseArrondis->setEnabled(p.panneau_actif && !zmanim::arrondis_desactives(p));
    CaseHoumra->setEnabled(p.panneau_actif && !zmanim::arrondis_desactives(p));
    ComboRefraction->setEditText(qs(p.refraction));
    ComboRefraction->setEnabled(p.panneau_actif);
    BoutonHalakha->setEnabled(p.panneau_actif);
    BoutonBdl->setEnabled(p.panneau_actif);
    QFont gras = BoutonHalakha->font();
    gras.setBold(p.halakha_en_gras);
    BoutonHalakha->setFont(gras);
    gras.setBold(!p.halakha_en_gras);
    BoutonBdl->setFont(gras);
    for (QPushButton* b : defauts_) {
        b->setVisible(p.angles_visibles);
    }
    const bool note = p.angles_visibles && zmanim::angles_hors_opinion(p);
    QString lignes;
    for (const std::string& l : zmanim::note_angles_modifies()) {
        lignes += qs(l) + QStringLiteral("\n");
    }
    NoteAngles->setText(lignes.trimmed());
    NoteAngles->setVisible(note);
}

void TFcalcH::connecte_parametres()
{
    using P = zmanim::ControlesParametres;
    connect(BoutonActivation, &QPushButton::clicked, this, [this] {
        applique([](auto& c) { c.parametres.panneau_actif = !c.parametres.panneau_actif; });
    });
    connect(CaseArrondis, &QCheckBox::clicked, this, [this](bool coche) {
        applique([coche](auto& c) { zmanim::coche_arrondis_2930(c.parametres, coche); });
    });
    connect(CaseHoumra, &QCheckBox::clicked, this, [this](bool coche) {
        applique([coche](auto& c) { zmanim::coche_houmra(c.parametres, coche); });
    });
    for (QCheckBox* b : {CaseTrace, CaseCentre, CaseIteration, CaseDecimal}) {
        connect(b, &QCheckBox::clicked, this, [this] { applique([](auto&) {}); });
    }
    const auto preset = [this](void (*f)(P&, zmanim::ZmanimSettings&)) {
        applique([f](auto& c) {
            zmanim::ZmanimSettings reglages;
            f(c.parametres, reglages);
        });
    };
    connect(BoutonHalakha, &QPushButton::clicked, this,
            [preset] { preset(zmanim::preset_halakha); });
    connect(BoutonBdl, &QPushButton::clicked, this, [preset] { preset(zmanim::preset_bdl); });
    const zmanim::TextesAnglesDefaut d;
    const std::array<std::string, 5> textes{d.aube, d.tephilin, d.etoiles, d.sortie, d.nuit};
    for (std::size_t i = 0; i < defauts_.size(); ++i) {
        connect(defauts_[i], &QPushButton::clicked, this, [this, i, t = textes[i]] {
            angles_[i]->setText(qs(t));
            applique([](auto&) {});
        });
    }
    for (QLineEdit* e : angles_) {
        connect(e, &QLineEdit::editingFinished, this, [this] { applique([](auto&) {}); });
    }
    connect(DefautTossefet, &QPushButton::clicked, this,
            [this] { SpinTossefet->setValue(zmanim::tossefet_diaspora); });
    connect(NoteAngles, &QPushButton::clicked, this, [this] {
        applique([](auto& c) {
            zmanim::retablit_angles_defaut(c.parametres, zmanim::TextesAnglesDefaut{});
        });
    });
}

void TFcalcH::applique(const std::function<void(tables::ControlesHoraires&)>& change)
{
    if (remplissage_) {
        return;
    }
    c_ = controles();
    change(c_);
    montre(c_);
}

void TFcalcH::montre_villes(const std::string& pays)
{
    ComboVille->clear();
    for (const std::string& v : places::choix_pays(ctx_.lieux.listes, pays).villes) {
        ComboVille->addItem(qs(v));
    }
}

void TFcalcH::pays_choisi(const QString& pays)
{
    applique([&](auto& c) {
        const places::ChoixPays choix = places::choix_pays(ctx_.lieux.listes, texte(pays));
        if (choix.premier_lieu) {
            c.lieu = *choix.premier_lieu;
        } else {
            c.lieu = {"", texte(pays), "", "", ""};
        }
    });
}

void TFcalcH::ville_choisie(const QString& ville)
{
    applique([&](auto& c) {
        if (const auto lieu = places::choix_ville(ctx_.lieux.listes, texte(ville), c.lieu.pays)) {
            c.lieu = *lieu;
        }
    });
}

void TFcalcH::opinion_choisie(const QString& opinion)
{
    applique([&](auto& c) {
        zmanim::ZmanimSettings reglages;
        zmanim::choisit_opinion(c.parametres, reglages, texte(opinion));
    });
    if (!remplissage_) {
        enregistre_etat(c_);
        // The choice of an opinion rewrites the home place (its places file kept).
        try {
            const places::LieuAccueil& accueil = ctx_.lieux.accueil;
            if (!accueil.lieu.ville.empty()) {
                places::ecrit_lieu_accueil(ctx_.repertoire, accueil,
                                           !accueil.fichier_lieux.empty());
            }
        } catch (const platform::FileError& e) {
            dialogues_.erreur(e.what());
        }
    }
}

namespace
{

std::string fichier_en_usage(const shell::AppContext& ctx)
{
    return ctx.lieux.fichier_lieux.empty() ? "lieu.cal" : ctx.lieux.fichier_lieux;
}

} // namespace

void TFcalcH::enregistre_localite()
{
    const places::Place lieu = controles().lieu;
    if (!places::lieu_enregistrable(lieu) || lieu.decalage.empty()) {
        dialogues_.erreur("Localité incomplète : indiquez le pays, la ville, la latitude (N ou "
                          "S), la longitude (E, O ou W) et le décalage GMT.");
        return;
    }
    try {
        places::enregistre_localite(ctx_.repertoire, fichier_en_usage(ctx_), lieu);
        dialogues_.information("La localité " + lieu.ville + " (" + lieu.pays +
                               ") est enregistrée dans le fichier " + fichier_en_usage(ctx_) +
                               ".\rElle sera dans les listes au prochain lancement du programme.");
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
}

void TFcalcH::supprime_localite()
{
    const places::Place lieu = controles().lieu;
    if (!dialogues_.confirmation(places::message_suppression(lieu.ville, lieu.pays))) {
        return;
    }
    try {
        if (!places::supprime_localite(ctx_.repertoire, fichier_en_usage(ctx_), lieu)) {
            dialogues_.erreur("La localité " + lieu.ville + " (" + lieu.pays +
                              ") n'est pas dans le fichier " + fichier_en_usage(ctx_) + ".");
        }
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
}

void TFcalcH::CetteAnneeClick()
{
    const platform::LocalDate d = ctx_.horloge->today();
    applique([&](auto& c) { tables::cette_annee(c, {d.annee, d.mois, d.jour}); });
    enregistre_etat(c_);
}

void TFcalcH::enregistre_etat(const tables::ControlesHoraires& c) const
{
    tables::EtatFenetreHoraires e;
    e.lieu = c.lieu;
    e.debut = c.debut;
    e.fin = c.fin;
    e.opinion = c.parametres.opinion;
    e.increment = c.increment;
    try {
        tables::cre_fic_conf_lieu_init_cal(ctx_.repertoire, e);
    } catch (const platform::FileError& err) {
        dialogues_.erreur(err.what());
    }
}

bool TFcalcH::demande_tossefet(tables::ControlesHoraires& c, bool& marseille)
{
    const auto question = tables::question_tossefet(c.lieu, c.parametres.tossefet);
    const tables::ReponseTossefet r =
        question ? dialogues_.question(question->texte) : tables::ReponseTossefet::non;
    const auto retenue = tables::tossefet_retenue(question, r, c.parametres.tossefet);
    if (!retenue) {
        return false;
    }
    if (question && question->marseille && r == tables::ReponseTossefet::oui) {
        dialogues_.information(question->information);
    }
    c.parametres.tossefet = retenue->tossefet;
    marseille = retenue->sortie_marseille;
    SpinTossefet->setValue(retenue->tossefet);
    return true;
}

void TFcalcH::CalculClick()
{
    tables::ControlesHoraires c = controles();
    bool marseille = false;
    if (!demande_tossefet(c, marseille)) {
        return;
    }
    c_ = c;
    calcule(c, marseille);
}

tables::EnvironnementTable TFcalcH::environnement() const
{
    tables::EnvironnementTable env;
    env.tables_ete = &ctx_.donnees.tables_ete;
    env.mode_horaire = ctx_.options.mode_horaire;
    env.mode_ete = zmanim::mode_ete_du_texte(ctx_.options.mode_horaire);
    env.vaudrel = ctx_.options.intervalle_sortie_chabbat;
    env.lit_cle_ciop = [this](std::string_view cle) {
        return ctx_.donnees.config_ciop.valeur(cle);
    };
    return env;
}

namespace
{

/// The progress of a long run, with its cancel button; shown after half a
/// second.
class Progression
{
public:
    Progression(QWidget* parent, const QString& texte)
        : dialogue_(texte, QStringLiteral("&Annuler"), 0, 1000, parent)
    {
        dialogue_.setWindowModality(Qt::WindowModal);
        dialogue_.setMinimumDuration(500);
    }
    /// False once cancelled.
    bool operator()(long fait, long total)
    {
        dialogue_.setValue(static_cast<int>(fait * 1000 / std::max(total, 1L)));
        QApplication::processEvents();
        return !dialogue_.wasCanceled();
    }
    void termine() { dialogue_.reset(); }

private:
    QProgressDialog dialogue_;
};

} // namespace

void TFcalcH::calcule(const tables::ControlesHoraires& c, bool marseille)
{
    tables::PreparationHoraires p = tables::prepare_horaires(c);
    if (p.refus) {
        dialogues_.erreur(*p.refus);
        return;
    }
    const int decalage = c.parametres.decalage_heures;
    if (decalage != 0 && !dialogues_.confirmation(tables::question_decalage(decalage))) {
        return;
    }
    p.demande.sortie_marseille = marseille;
    p.demande.prefixe_site = ctx_.options.site;
    enregistre_etat(c);
    try {
        switch (c.sortie) {
        case tables::ModeSortie::memo:
            calcule_memo(c, p);
            break;
        case tables::ModeSortie::liste_du_jour:
            calcule_liste_du_jour(c, p);
            break;
        case tables::ModeSortie::toutes_latitudes:
            calcule_latitudes(c, p);
            break;
        case tables::ModeSortie::liste_hamets:
            calcule_liste_hamets(c, p);
            break;
        default:
            calcule_publication(c, p);
            break;
        }
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
}

void TFcalcH::calcule_memo(const tables::ControlesHoraires& c, tables::PreparationHoraires& p)
{
    tables::EnvironnementTable env = environnement();
    Progression progres(this, QStringLiteral("Calcul des horaires…"));
    env.progression = [&progres](long fait, long total) {
        return (fait % 64 != 0 && fait != total) || progres(fait, total);
    };
    std::optional<zmanim::FichierTrace> trace;
    if (p.reglages.trace) {
        trace.emplace(ctx_.repertoire / std::string(zmanim::fichier_trace),
                      p.demande.annee_reference);
        env.journal = &*trace;
    }
    tables::CourbesHoraires courbes;
    auto gardees = std::make_shared<documents::TablesGardees>(p.reglages.affiche_secondes);
    std::vector<tables::SortieTable*> sorties{&courbes, gardees.get()};
    const tables::JoursHamets jours = jours_dans(p.demande);
    std::optional<tables::RecolteHamets> hamets;
    if (c.hamets) {
        hamets.emplace(jours, c.methode_hamets, zmanim::regles_arrondi(p.reglages));
        sorties.push_back(&*hamets);
    }
    std::optional<tables::FichierDixiemeHeure> dixieme;
    if (c.dixieme_heure) {
        dixieme.emplace(ctx_.repertoire, p.demande);
        sorties.push_back(&*dixieme);
    }
    tables::ColonnesDesSemaines semaines;
    const bool en_colonnes = c.filtre == tables::FiltreJours::semaines_en_colonnes;
    if (en_colonnes) {
        sorties.push_back(&semaines);
        platform::write_lines(ctx_.repertoire / std::string(tables::liste_des_colonnes),
                              {places::ligne_lieu(p.demande.lieu)});
    }
    tables::SortiesMultiples autres(std::move(sorties));
    const tables::TableEcrite t =
        tables::ecrit_table(ctx_.repertoire, p.demande, p.reglages, env, &autres);
    progres.termine();
    if (dixieme) {
        dixieme->termine();
    }
    if (t.resultat.refuse) {
        dialogues_.erreur(t.resultat.message);
    }
    ResultatHoraires r;
    r.lignes = t.memo.lignes;
    r.grille = t.memo.grille;
    r.titres = t.memo.titres();
    r.courbes = courbes.points();
    r.lieu = p.demande.lieu;
    r.annee = p.demande.annee_reference;
    r.increment = p.demande.increment;
    r.dixieme_heure = c.dixieme_heure;
    r.date = p.demande.debut;
    r.reglages = p.reglages;
    r.tous_les_moments = std::all_of(c.moments.begin(), c.moments.end(), [](bool b) { return b; });
    r.demande = p.demande;
    r.gardees = gardees;
    r.classeurs.toutes_les_cases = r.tous_les_moments;
    r.classeurs.hamets = c.hamets;
    r.classeurs.fetes = p.demande.fetes;
    r.classeurs.bureau_des_longitudes = p.demande.opinion.starts_with("Bureau");
    r.classeurs.increment = p.demande.increment;
    r.classeurs.mise_en_page = p.demande.mise_en_page;
    if (hamets && hamets->complete()) {
        r.hamets = true;
        const auto bloc = tables::bloc_hamets(jours, hamets->horaires(), r.lieu.ville);
        tables::ajoute_au_fichier(
            tables::fichier_hamets(ctx_.repertoire, jours, r.lieu.ville, false), bloc);
        r.lignes = tables::lignes_courtes_hamets(jours, hamets->horaires());
    }
    if (en_colonnes) {
        r.lignes = semaines.lignes();
    }
    resultats_->montre_resultat(std::move(r));
    if (en_colonnes) {
        resultats_->montre_memo();
    }
    resultats_->show();
    resultats_->raise();
}

void TFcalcH::montre_lignes(const tables::ControlesHoraires& c, std::vector<std::string> lignes)
{
    ResultatHoraires r;
    r.lignes = std::move(lignes);
    r.lieu = c.lieu;
    r.annee = c.parametres.annee_civile ? c.debut.annee : c.annee_hebraique;
    r.date = c.debut;
    resultats_->montre_resultat(std::move(r));
    resultats_->montre_memo();
    resultats_->show();
    resultats_->raise();
}

void TFcalcH::calcule_publication(const tables::ControlesHoraires& c,
                                  tables::PreparationHoraires& p)
{
    const tables::EnvironnementTable env = environnement();
    Progression progres(this, QStringLiteral("Construction des pages…"));
    const auto suivi = [&progres](long fait, long total) { return progres(fait, total); };
    const tables::MiseEnPage m = tables::mise_en_page_de(c.sortie);
    std::vector<std::string> lignes;
    std::shared_ptr<documents::TablesGardees> gardees;
    tables::DemandeTable livre;
    if (m != tables::MiseEnPage::tableau) {
        // The books keep their tables for the workbooks of the results window.
        gardees = std::make_shared<documents::TablesGardees>(p.reglages.affiche_secondes);
        livre = documents::demande_livre(p.demande, m, c.debut.annee);
        const documents::RapportLivre r = documents::livre_des_villes(
            ctx_.repertoire, livre, p.reglages, env, suivi, gardees.get());
        for (const documents::FichierGroupe& g : r.groupes) {
            lignes.push_back(" " + g.chemin.filename().string() + " : " + std::to_string(g.villes) +
                             " villes");
        }
        if (r.liste_absente) {
            lignes.push_back(" Liste de villes absente : " +
                             std::string(documents::liste_du_livre(m)));
        }
        lignes.insert(lignes.end(), r.messages.begin(), r.messages.end());
    } else {
        documents::DemandePages d;
        d.genre = c.sortie == tables::ModeSortie::page_ville ? documents::GenrePages::une_ville
                  : c.sortie == tables::ModeSortie::liste_monde
                      ? documents::GenrePages::liste_monde
                      : documents::GenrePages::liste_villes;
        if (d.genre == documents::GenrePages::une_ville && !c.web) {
            progres.termine();
            dialogues_.erreur("\"Page Web pour \" ne construit des pages qu'avec \"Web\" coché.");
            return;
        }
        d.web = c.web;
        d.premiere_annee = c.debut.annee;
        d.derniere_annee = c.fin.annee;
        d.modele = p.demande;
        const documents::RapportPages r =
            documents::pages_zmanim(ctx_.repertoire, d, p.reglages, env, suivi);
        lignes = r.memo;
        lignes.insert(lignes.end(), r.messages.begin(), r.messages.end());
    }
    progres.termine();
    montre_lignes(c, std::move(lignes));
    if (gardees) {
        documents::ContexteClasseurs contexte;
        contexte.toutes_les_cases = true; // the books choose their own columns
        contexte.increment = livre.increment;
        contexte.mise_en_page = m;
        contexte.bureau_des_longitudes = livre.opinion.starts_with("Bureau");
        resultats_->garde_pour_classeurs(std::move(gardees), contexte);
    }
}

void TFcalcH::calcule_liste_du_jour(const tables::ControlesHoraires& c,
                                    tables::PreparationHoraires& p)
{
    const places::ListesLieux villes =
        places::lit_fichier_lieux(ctx_.repertoire, std::string(tables::liste_villes_du_jour));
    tables::DemandeListeDuJour d;
    d.date = c.debut;
    d.opinion = c.parametres.opinion;
    d.actuj = c.actuj;
    const tables::ListeDuJour l =
        tables::liste_du_jour_des_villes(villes.lieux, d, p.reglages, environnement());
    tables::ecrit_liste_du_jour(ctx_.repertoire, l);
    std::vector<std::string> lignes = l.lignes;
    lignes.insert(lignes.end(), l.messages.begin(), l.messages.end());
    montre_lignes(c, std::move(lignes));
}

void TFcalcH::calcule_latitudes(const tables::ControlesHoraires& c, tables::PreparationHoraires& p)
{
    zmanim::ContexteCalcul contexte;
    contexte.vaudrel = ctx_.options.intervalle_sortie_chabbat;
    const tables::TableLatitudes t =
        tables::table_latitudes(c.lieu.longitude, p.reglages, contexte);
    if (t.refusee()) {
        dialogues_.erreur(t.erreur);
        return;
    }
    tables::ecrit_latitudes(ctx_.repertoire, t);
    montre_lignes(c, t.lignes);
}

void TFcalcH::calcule_liste_hamets(const tables::ControlesHoraires& c,
                                   tables::PreparationHoraires& p)
{
    if (!c.hamets) {
        dialogues_.erreur("La liste du 'Hamets demande la case \"Heures du 'Hamets de "
                          "Pessa'h\".");
        return;
    }
    const places::ListesLieux villes = places::lit_fichier_lieux(ctx_.repertoire, "willefr.cal");
    const tables::JoursHamets jours = jours_dans(p.demande);
    const tables::EnvironnementTable env = environnement();
    Progression progres(this, QStringLiteral("Heures du 'Hamets des villes…"));
    std::vector<std::string> lignes = tables::entete_liste_hamets(jours);
    long fait = 0;
    for (const places::Place& lieu : villes.lieux) {
        if (!progres(fait++, static_cast<long>(villes.lieux.size()))) {
            break;
        }
        tables::DemandeTable d = p.demande;
        d.lieu = lieu;
        const tables::ResultatHamets r =
            tables::calcule_hamets(d, p.reglages, env, jours, c.methode_hamets);
        if (r.complet) {
            lignes.push_back(tables::ligne_liste_hamets(jours, r.horaires, lieu.ville));
        }
    }
    progres.termine();
    tables::ajoute_au_fichier(tables::fichier_hamets(ctx_.repertoire, jours, "", true), lignes);
    montre_lignes(c, std::move(lignes));
}

void TFcalcH::construit_plaques()
{
    const tables::ControlesHoraires c = controles();
    if (c.sortie != tables::ModeSortie::plaque && c.sortie != tables::ModeSortie::plaque_chema) {
        dialogues_.erreur("Choisir d'abord une liste de plaques : \"Lst plaq. av chéma\" ou "
                          "\"Lst plaqu. ss chéma\".");
        return;
    }
    tables::PreparationHoraires p = tables::prepare_horaires(c);
    Progression progres(this, QStringLiteral("Fichiers des plaques…"));
    try {
        const std::vector<fs::path> fichiers = documents::fichiers_des_plaques(
            ctx_.repertoire, p.demande, tables::mise_en_page_de(c.sortie), c.debut.annee,
            p.reglages, environnement(), [&progres](long f, long t) { return progres(f, t); });
        progres.termine();
        std::vector<std::string> lignes;
        for (const fs::path& f : fichiers) {
            lignes.push_back(" " + f.filename().string());
        }
        montre_lignes(c, std::move(lignes));
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
}

void TFcalcH::montre_legende_est_ouest()
{
    Button11->setText(
        qs(tables::texte_bouton_est_ouest(c_.annee_hebraique, ctx_.donnees.config_ciop)));
}

void TFcalcH::Button11Click()
{
    const tables::LectureCiop l =
        tables::lit_reglages_ciop(ctx_.donnees.config_ciop, c_.annee_hebraique);
    if (!l.reglages) {
        dialogues_.erreur(l.message);
        return;
    }
    tables::RappelsEstOuest rappels;
    rappels.question = [this](const tables::QuestionTossefet& q) {
        return dialogues_.question(q.texte);
    };
    rappels.information = dialogues_.information;
    std::vector<std::string> memo;
    rappels.table = [&](const tables::TableEstOuest& t, const std::vector<std::string>& lignes) {
        const fs::path fichier = ctx_.repertoire / "HORAIRES" / tables::nom_fichier_est_ouest(t);
        platform::cree_dossier_de(fichier);
        platform::write_lines(fichier, lignes);
        memo.push_back(" " + fichier.filename().string());
    };
    rappels.attente = attente_;
    zmanim::ZmanimSettings reglages = tables::prepare_horaires(controles()).reglages;
    reglages.affiche_secondes = true;
    try {
        const tables::ResultatEstOuest r = tables::calcule_est_ouest(
            *l.reglages, c_.annee_hebraique, reglages, environnement(), rappels);
        memo.insert(memo.begin(), " Tables est-ouest avec secondes : " + std::to_string(r.tables) +
                                      " tables dans HORAIRES");
        montre_lignes(c_, std::move(memo));
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
}

} // namespace orvane::gui
