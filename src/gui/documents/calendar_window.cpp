#include "gui/documents/calendar_window.h"

#include "documents/city_pages.h"
#include "documents/consistory_loop.h"
#include "documents/consistory_outputs.h"
#include "documents/consistory_series.h"
#include "documents/dates_file.h"
#include "documents/icalendar.h"
#include "documents/workbook_build.h"
#include "documents/year_page.h"
#include "gui/common/mnemonics.h"
#include "gui/common/question.h"
#include "gui/common/result_area.h"
#include "gui/shell/desktop_opener.h"
#include "places/dst_texts.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"
#include "shell/app_context.h"
#include "zmanim/settings/opinions.h"

#include <QCheckBox>
#include <QComboBox>
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
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orvane::gui
{
namespace
{

QString qs(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

std::string texte(const QString& t)
{
    return t.toStdString();
}

QString titre_de_la_fenetre(documents::SensFenetre sens)
{
    return documents::en_hebreu(sens) ? QStringLiteral("Calendrier Hébreu --> Civil")
                                      : QStringLiteral("Calendrier Civil --> Hébraïque");
}

engine::DateCivile aujourdhui(const shell::AppContext& ctx)
{
    const platform::LocalDate d = ctx.horloge->today();
    return {d.annee, d.mois, d.jour};
}

Reponses boutons_de(bool trois)
{
    return trois ? Reponses::oui_non_annuler : Reponses::oui_annuler;
}

} // namespace

TFCivHebr::TFCivHebr(shell::AppContext& ctx, documents::SensFenetre sens, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), sens_(sens)
{
    setObjectName("FCivHebr");
    setWindowTitle(titre_de_la_fenetre(sens));
    documents::DialoguesCalendrier d;
    d.erreur = [this](const std::string& m) {
        QMessageBox::critical(this, windowTitle(), qs(m).replace('\r', '\n'));
    };
    d.information = [this](const std::string& m) {
        QMessageBox::information(this, windowTitle(), qs(m).replace('\r', '\n'));
    };
    d.question = [this](const std::string& m) {
        switch (pose_question(this, windowTitle(), m, boutons_de(true))) {
        case QMessageBox::Yes:
            return documents::Reponse::oui;
        case QMessageBox::No:
            return documents::Reponse::non;
        default:
            return documents::Reponse::annuler;
        }
    };
    d.confirmation = [this](const std::string& m) {
        return repond_oui(this, windowTitle(), m, boutons_de(false));
    };
    d.avertissement_paris = [this](const std::string& m) {
        QMessageBox boite(QMessageBox::Warning, windowTitle(), qs(m).replace('\r', '\n'),
                          QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Ignore, this);
        boite.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
        boite.button(QMessageBox::Cancel)->setText(QStringLiteral("&Annuler"));
        boite.button(QMessageBox::Ignore)->setText(QStringLiteral("&Ignorer"));
        const int r = boite.exec();
        return r == QMessageBox::Ok       ? documents::ReponseParis::ok
               : r == QMessageBox::Ignore ? documents::ReponseParis::ignorer
                                          : documents::ReponseParis::annuler;
    };
    set_dialogues(std::move(d), choix_fichier_par_dialogue(this),
                  [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); });
    set_ouvreur([this](const std::filesystem::path& p) {
        ouvre_document(this, ctx_.repertoire, p.string());
    });

    auto* haut = new QHBoxLayout;
    auto* gauche = new QVBoxLayout;
    cree_annees();
    cree_lieu();
    cree_horaires();
    cree_contenu();
    cree_resultats();
    auto* disposition = new QVBoxLayout(this);
    for (QGroupBox* g : findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        QBoxLayout* cote = g->objectName() == "GroupeContenu" ? static_cast<QBoxLayout*>(haut)
                                                              : static_cast<QBoxLayout*>(gauche);
        cote->addWidget(g);
    }
    haut->insertLayout(0, gauche, 3);
    disposition->addLayout(haut);
    disposition->addWidget(zones_, 1);
    cree_boutons();
    connecte();

    c_ = documents::controles_d_ouverture(sens_, aujourdhui(ctx_));
    remplit_pays();
    ouvre_lieu();
    montre(c_);
    montre_heure_ete();
    if (documents::bar_mitsva(sens_)) {
        installe_bar_mitsva();
    }
    resize(1100, 760);
    donne_mnemoniques(this);
}

TFCivHebr::~TFCivHebr() = default;

void TFCivHebr::set_ouvreur(std::function<void(const std::filesystem::path&)> ouvreur)
{
    ouvreur_ = std::move(ouvreur);
}

void TFCivHebr::set_dialogues(documents::DialoguesCalendrier dialogues, ChoixFichier choix,
                              Imprimante imprimante)
{
    dialogues_ = std::move(dialogues);
    choix_ = std::move(choix);
    imprimante_ = std::move(imprimante);
}

void TFCivHebr::remplit_pays()
{
    const QSignalBlocker bloque(ComboBox1);
    ComboBox1->clear();
    for (const std::string& pays : ctx_.lieux.listes.pays) {
        ComboBox1->addItem(qs(pays));
    }
}

void TFCivHebr::ouvre_lieu()
{
    // The main window's place when it has one, else the window's last.
    if (!ctx_.lieu_courant.ville.empty()) {
        c_.lieu = ctx_.lieu_courant;
        c_.opinion = ctx_.lieux.accueil.opinion;
    } else if (const auto dernier = documents::lit_lieu_calendrier(ctx_.repertoire)) {
        c_.lieu = dernier->lieu;
        c_.opinion = dernier->opinion;
        c_.regle_entree = dernier->regle_entree;
    }
    documents::choisit_ville(c_);
}

documents::ControlesCalendrier TFCivHebr::controles()
{
    documents::ControlesCalendrier& c = c_;
    c.annee = SpinEdit5->value();
    c.autre_annee = SpinEdit6->value();
    c.mois_debut = SpinEdit3->value();
    c.mois_fin = SpinEdit4->value();
    c.nombre_annees = SpinEdit1->value();
    c.increment = SpinEdit2->value();
    c.sortie = ComboBox5->currentIndex();
    c.premiers_du_mois = CheckBox1->isChecked();
    c.chabbat_et_fetes = CheckBox2->isChecked();
    c.parachiot = CheckBox3->isChecked();
    c.hilloulot = CheckBox7->isChecked();
    c.levana_sepharade = CheckBox8->isChecked();
    c.horaires = CheckBox4->isChecked();
    c.opinion_sur_tables = CheckBox12->isChecked();
    c.toutes_entrees = CheckBox13->isChecked();
    c.web = CheckBox9->isChecked();
    c.fille = CheckBox11->isChecked();
    c.lieu.pays = texte(ComboBox1->currentText());
    c.lieu.ville = texte(ComboBox2->currentText());
    c.lieu.latitude = texte(Edit3->text().trimmed());
    c.lieu.longitude = texte(Edit4->text().trimmed());
    c.lieu.decalage = texte(Edit5->text().trimmed());
    c.opinion = texte(ComboBox3->currentText());
    c.etoiles = ComboBox6->currentIndex();
    c.hamets = ComboBox7->currentIndex();
    c.regle_entree = ComboBox4->currentIndex();
    c.tossefet = SpinEdit7->value();
    c.est_ouest = estouest->value();
    c.cible = RadioButton1->isChecked()   ? documents::CibleFenetre::fichier_ville
              : RadioButton3->isChecked() ? documents::CibleFenetre::fichier_liste
                                          : documents::CibleFenetre::memo;
    return c;
}

void TFCivHebr::montre(const documents::ControlesCalendrier& c)
{
    remplissage_ = true;
    const QList<QWidget*> tous = findChildren<QWidget*>();
    std::vector<std::unique_ptr<QSignalBlocker>> bloques;
    for (QWidget* w : tous) {
        bloques.push_back(std::make_unique<QSignalBlocker>(w));
    }
    SpinEdit5->setValue(c.annee);
    SpinEdit6->setValue(c.autre_annee);
    Label1->setText(qs(documents::titre_des_annees(c)));
    SpinEdit3->setValue(c.mois_debut);
    SpinEdit4->setValue(c.mois_fin);
    SpinEdit1->setValue(c.nombre_annees);
    SpinEdit2->setValue(c.increment);
    ComboBox5->setCurrentIndex(c.sortie);
    CheckBox1->setChecked(c.premiers_du_mois);
    CheckBox2->setChecked(c.chabbat_et_fetes);
    CheckBox3->setChecked(c.parachiot);
    CheckBox4->setChecked(c.horaires);
    CheckBox2->setVisible(!c.premiers_du_mois);
    CheckBox3->setVisible(!c.premiers_du_mois);
    ComboBox1->setCurrentText(qs(c.lieu.pays));
    ComboBox2->clear();
    for (const std::string& v : places::choix_pays(ctx_.lieux.listes, c.lieu.pays).villes) {
        ComboBox2->addItem(qs(v));
    }
    ComboBox2->setCurrentText(qs(c.lieu.ville));
    Edit3->setText(qs(c.lieu.latitude));
    Edit4->setText(qs(c.lieu.longitude));
    Edit5->setText(qs(c.lieu.decalage));
    const int avis = ComboBox3->findText(qs(c.opinion));
    ComboBox3->setCurrentIndex(std::max(avis, 0));
    ComboBox6->setCurrentIndex(c.etoiles);
    ComboBox6->setVisible(static_cast<documents::Sortie>(c.sortie) !=
                          documents::Sortie::tset_admour);
    ComboBox7->setCurrentIndex(c.hamets);
    ComboBox4->setCurrentIndex(c.regle_entree);
    SpinEdit7->setValue(c.tossefet);
    estouest->setValue(c.est_ouest);
    const bool rav = documents::montre_est_ouest(c);
    estouest->setVisible(rav);
    label_estouest->setVisible(rav);
    if (documents::bar_mitsva(sens_)) {
        cache_controles_bar_mitsva();
    }
    bloques.clear();
    remplissage_ = false;
}

void TFCivHebr::annee_changee(int annee)
{
    // The year before the change decides which side a year 0 goes to.
    const int precedente = c_.annee;
    applique([&](auto& c) {
        c.annee = precedente;
        documents::change_annee(c, annee);
    });
}

void TFCivHebr::autre_annee_changee(int annee)
{
    const int precedente = c_.autre_annee;
    applique([&](auto& c) {
        c.autre_annee = precedente;
        documents::change_autre_annee(c, annee);
    });
}

void TFCivHebr::pays_choisi(const QString& pays)
{
    applique([&](auto& c) {
        const places::ChoixPays choix = places::choix_pays(ctx_.lieux.listes, texte(pays));
        if (choix.premier_lieu) {
            c.lieu = *choix.premier_lieu;
        } else {
            c.lieu.pays = texte(pays);
            c.lieu.ville.clear();
        }
        documents::choisit_ville(c);
    });
}

void TFCivHebr::ville_choisie(const QString& ville)
{
    applique([&](auto& c) {
        if (const auto lieu = places::choix_ville(ctx_.lieux.listes, texte(ville), c.lieu.pays)) {
            c.lieu = *lieu;
        }
        documents::choisit_ville(c);
    });
}

void TFCivHebr::opinion_choisie()
{
    if (remplissage_) {
        return;
    }
    c_ = controles();
    const bool rav = documents::montre_est_ouest(c_);
    estouest->setVisible(rav);
    label_estouest->setVisible(rav);
}

void TFCivHebr::premiers_du_mois_coche(bool coche)
{
    CheckBox2->setVisible(!coche);
    CheckBox3->setVisible(!coche);
}

void TFCivHebr::sortie_choisie(int indice)
{
    ComboBox6->setVisible(static_cast<documents::Sortie>(indice) != documents::Sortie::tset_admour);
}

void TFCivHebr::levana_cochee(bool sepharade)
{
    CheckBox8->setText(sepharade ? QStringLiteral("Bircat Lévana Sépharade")
                                 : QStringLiteral("Bircat Lévana Ashkénaze"));
}

void TFCivHebr::montre_heure_ete()
{
    const documents::ControlesCalendrier c = controles();
    const bool hebreu = documents::en_hebreu(sens_);
    const int civile = hebreu ? c.autre_annee : c.annee;
    if (c.lieu.pays.empty() || civile < 100 || civile > 9999) {
        Edit1->clear();
        return;
    }
    try {
        const places::DstYear annee =
            ctx_.donnees.tables_ete.annee(c.lieu.pays, civile, ctx_.options.mode_horaire);
        Edit1->setText(qs(places::texte_statut_annee(annee, civile, hebreu)));
    } catch (const platform::FileError& e) {
        Edit1->setText(qs(e.what()));
    }
}

ZoneResultat* TFCivHebr::zone() const
{
    return documents::en_hebreu(sens_) ? Memo3 : Memo1;
}

std::vector<std::string> TFCivHebr::lignes_affichees() const
{
    std::vector<std::string> lignes;
    for (const QString& l : zone()->toPlainText().split('\n')) {
        lignes.push_back(texte(l));
    }
    return lignes;
}

void TFCivHebr::affiche(const std::vector<std::string>& lignes)
{
    zone()->affiche(lignes);
}

void TFCivHebr::applique(const std::function<void(documents::ControlesCalendrier&)>& change)
{
    documents::ControlesCalendrier c = controles();
    change(c);
    c_ = c;
    montre(c_);
    montre_heure_ete();
}

void TFCivHebr::SpeedButton1Click()
{
    applique([this](auto& c) { documents::annees_d_aujourdhui(c, aujourdhui(ctx_)); });
}

void TFCivHebr::SpeedButton2Click()
{
    applique([this](auto& c) { documents::valeurs_par_defaut(c, aujourdhui(ctx_)); });
    if (documents::bar_mitsva(sens_)) {
        installe_bar_mitsva();
    }
}

void TFCivHebr::Button1Click()
{
    documents::ControlesCalendrier c = controles();
    const std::optional<documents::CalculRetenu> r = documents::prepare_calcul(c, dialogues_);
    c_ = c;
    montre(c_); // the Tossefet retained, the coordinates of Paris set right
    if (!r) {
        return;
    }
    try {
        if (documents::bar_mitsva(sens_)) {
            construit_bar_mitsva(*r);
            return;
        }
        switch (r->sortie) {
        case documents::Sortie::simplifie:
            if (c_.cible == documents::CibleFenetre::memo) {
                construit_calendrier_simplifie(*r);
            } else {
                construit_pages(*r);
            }
            break;
        case documents::Sortie::dates:
            construit_fichier_dates();
            break;
        case documents::Sortie::excel_complet:
        case documents::Sortie::magnet:
        case documents::Sortie::imprimeurs_fr:
        case documents::Sortie::imprimeurs_fr_hb:
        case documents::Sortie::mural_civil:
        case documents::Sortie::mural_hebreu:
            construit_classeur(*r);
            break;
        case documents::Sortie::iphone_consistoire:
            construit_boucle_consistoire(*r);
            break;
        case documents::Sortie::tables_ciop:
        case documents::Sortie::calendrier_ciop:
            construit_series_ciop(*r);
            break;
        case documents::Sortie::tset_admour:
            construit_tables_tset(*r);
            break;
        }
    } catch (const documents::RefusClasseur& e) {
        dialogues_.erreur(e.what());
    } catch (const documents::RefusSerie& e) {
        dialogues_.erreur(e.what());
    } catch (const platform::FileError& e) {
        dialogues_.erreur(e.what());
    }
}

documents::DemandeCalendrier TFCivHebr::demande(const documents::CalculRetenu& r) const
{
    documents::DemandeCalendrier d = documents::demande_du_calcul(c_, r);
    documents::applique_configuration(d, ctx_.options, ctx_.donnees.config_ciop);
    return d;
}

void TFCivHebr::construit_calendrier_simplifie(const documents::CalculRetenu& r)
{
    const documents::DemandeCalendrier d = demande(r);
    const documents::CalendrierSimplifie calendrier =
        documents::calendrier_simplifie(d, ctx_.donnees.tables_ete);
    if (!calendrier.erreur.empty()) {
        Memo1->clear();
        Memo3->clear();
        dialogues_.erreur(calendrier.erreur);
        return;
    }
    affiche(calendrier.memo);
    documents::ecrit_fichiers_calendrier(ctx_.repertoire, calendrier, d);
}

void TFCivHebr::construit_pages(const documents::CalculRetenu& r)
{
    const documents::DemandeCalendrier d = demande(r);
    const int derniere = d.annee + d.nombre_annees - 1;
    std::vector<std::string> lignes;
    if (c_.cible == documents::CibleFenetre::fichier_ville) {
        for (const documents::ResultatPage& p :
             documents::pages_une_ville(ctx_.repertoire, d, ctx_.donnees.tables_ete)) {
            lignes.push_back((p.construite ? "Page écrite : " : "Page déjà faite, gardée : ") +
                             p.page.string());
        }
    } else {
        const std::vector<std::string> liste =
            platform::read_lines(platform::lookup_ignoring_case(ctx_.repertoire, "willefr.cal"));
        // Every city of the list, every year: long work, shown and stoppable.
        QProgressDialog progres(QStringLiteral("Pages des villes de « willefr.cal »…"),
                                QStringLiteral("&Annuler"), 0,
                                static_cast<int>(liste.size()) * d.nombre_annees, this);
        progres.setWindowModality(Qt::WindowModal);
        progres.setMinimumDuration(500);
        for (int annee = d.annee; annee <= derniere; ++annee) {
            const int deja = (annee - d.annee) * static_cast<int>(liste.size());
            const documents::RapportListe rapport = documents::pages_liste_villes(
                ctx_.repertoire, d, annee, liste, ctx_.donnees.tables_ete, {}, {}, {},
                [&progres, deja](int faites, int) {
                    progres.setValue(deja + faites);
                    return !progres.wasCanceled();
                });
            lignes.insert(lignes.end(), rapport.messages.begin(), rapport.messages.end());
            if (rapport.interrompu) {
                lignes.push_back("Construction arrêtée en " + std::to_string(annee) + ".");
                affiche(lignes);
                return;
            }
        }
        lignes.emplace_back("FICHIER 'WILLEFR.CAL'");
    }
    for (const std::string& l : documents::rapport_pages(d, d.annee, derniere)) {
        lignes.push_back(l);
    }
    affiche(lignes);
}

void TFCivHebr::construit_boucle_consistoire(const documents::CalculRetenu& r)
{
    std::vector<std::string> fichiers;
    const std::string horodatage = documents::horodatage_ical(std::chrono::system_clock::now());
    const documents::RapportConsistoire rapport = documents::boucle_consistoire(
        c_, r, ctx_.options, ctx_.donnees.config_ciop, ctx_.donnees.tables_ete, ctx_.repertoire,
        [&](const documents::DemandeCalendrier& d, const documents::CalendrierSimplifie& cal) {
            const documents::ResultatConsistoire t = documents::ecrit_table_consistoire(
                ctx_.repertoire, d, cal, ctx_.donnees.tables_ete, horodatage);
            fichiers.push_back(t.telephone.deja_la
                                   ? *t.telephone.deja_la
                                   : "Ecrits : " + t.telephone.horaires.string() + ", " +
                                         t.telephone.libelles.string() + ", " + t.ical.string());
        });
    std::vector<std::string> lignes = rapport.memo;
    lignes.emplace_back();
    lignes.insert(lignes.end(), fichiers.begin(), fichiers.end());
    lignes.push_back(std::to_string(rapport.calendriers) +
                     " calendrier(s) construit(s) pour le consistoire.");
    lignes.insert(lignes.end(), rapport.erreurs.begin(), rapport.erreurs.end());
    affiche(lignes);
    c_.lieu = rapport.lieu;
    c_.opinion = "Beth Din (France)";
    montre(c_);
}

void TFCivHebr::construit_classeur(const documents::CalculRetenu& r)
{
    const documents::DemandeCalendrier d = demande(r);
    const documents::Classeur classeur = *documents::classeur_de_la_sortie(r.sortie);
    const std::filesystem::path chemin =
        documents::construit_classeur(classeur, d, ctx_.donnees.tables_ete, ctx_.repertoire);
    affiche({"", "Classeur écrit : " + chemin.string()});
    // The wall calendars open whatever the target; the others only from
    // the text area's target.
    const bool mural =
        r.sortie == documents::Sortie::mural_civil || r.sortie == documents::Sortie::mural_hebreu;
    if (mural || c_.cible == documents::CibleFenetre::memo) {
        ouvreur_(chemin);
    }
}

void TFCivHebr::construit_fichier_dates()
{
    const documents::SensDates sens = documents::en_hebreu(sens_)
                                          ? documents::SensDates::hebreu_civil
                                          : documents::SensDates::civil_hebreu;
    if (const auto refus = documents::refus_dates(sens, c_.annee, c_.nombre_annees)) {
        dialogues_.erreur(*refus);
        return;
    }
    const documents::FichierDates f =
        documents::ecrit_fichier_dates(ctx_.repertoire, sens, c_.annee, c_.nombre_annees);
    affiche(f.message);
}

void TFCivHebr::Button2Click()
{
    const documents::ControlesCalendrier c = controles();
    const std::string ville = c.lieu.ville.substr(0, std::min<std::size_t>(5, c.lieu.ville.size()));
    (void)enregistre_lignes(ctx_.repertoire, documents::en_hebreu(sens_) ? "CAL_HEBR" : "CAL_CIVL",
                            ville + std::to_string(c.annee) + ".txt", lignes_affichees(), choix_,
                            dialogues_.erreur);
}

void TFCivHebr::Button4Click()
{
    TexteAImprimer t;
    t.lignes.assign(4, " ");
    for (const std::string& l : lignes_affichees()) {
        t.lignes.push_back("  " + l);
    }
    t.police = police_d_impression(zone()->font(), 8 + ctx_.taille_impression);
    imprimante_(t);
}

} // namespace orvane::gui
