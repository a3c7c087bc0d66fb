// "Calculer" of the records window: the Hebrew date of the event, the
// Bar-Mitsva or the mourning dates, the next anniversaries, and the two
// views of the sheet, "Fiche" and "Dates".
#include "engine/date_validity.h"
#include "engine/names.h"
#include "events/hebrew_letters.h"
#include "gui/common/result_area.h"
#include "gui/records/veldor_window.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "records/bar_mitsva.h"
#include "records/event_date.h"
#include "records/fifteen_days.h"
#include "records/mourning.h"
#include "records/reading_texts.h"
#include "records/store/record_dates.h"
#include "shell/app_context.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

std::string texte(const QLineEdit* e)
{
    return e->text().trimmed().toStdString();
}

std::string texte(const QComboBox* c)
{
    return c->currentText().trimmed().toStdString();
}

// The number of anniversaries that stay within the years the calendar
// converts: from `premiere`, every `pas` years, up to the Hebrew year 13759.
int lignes_possibles(int premiere, int pas)
{
    if (premiere > engine::annee_hebr_max) {
        return 0;
    }
    return (engine::annee_hebr_max - premiere) / pas + 1;
}

// A civil date whose seven days before and after are all convertible.
bool centre_possible(engine::DateCivile d)
{
    return d.annee > engine::annee_civile_min && d.annee < engine::annee_civile_max;
}

// "Jeudi 3 Octobre 2024 --> 1 Tichri 5785"
std::string ligne_du_jour(const records::JourComplet& j)
{
    return platform::trim(records::texte_civil(j)) + " --> " +
           platform::trim(records::texte_hebraique(j.hebraique));
}

} // namespace

bool TFVeldor::calcule(std::optional<records::Sexe> sexe)
{
    evenement_.reset();
    bar_mitsva_.reset();
    deuil_.clear();
    anniversaires_ = {};
    anniv_civil_->clear();
    anniv_hebreu_->clear();
    const std::optional<engine::DateCivile> d = date_civile_valide();
    if (!d || d->annee < engine::annee_civile_min) {
        erreur_(std::string(engine::message_date_civile_incorrecte) + "\r" +
                engine::message_annees_hors_limites());
        jour_civil_->setFocus();
        return false;
    }
    const platform::LocalDate t = ctx_.horloge->today();
    const engine::DateCivile aujourdhui(t.annee, t.mois, t.jour);
    const std::string jour_nuit = texte(jour_nuit_);
    const records::JourComplet ev = records::date_hebraique_evenement(*d, jour_nuit);
    if (famille_ == records::Famille::naissance) {
        std::optional<records::Sexe> s = sexe;
        if (sur_table_) {
            s = records::sexe_de_la_civilite(texte(civilite_));
            if (!s) {
                erreur_(std::string(records::message_civilite_manquante));
                civilite_->setFocus();
                return false;
            }
        }
        sexe_ = s.value_or(records::Sexe::garcon);
        if (ev.hebraique.annee + 13 <= engine::annee_hebr_max) {
            bar_mitsva_ = records::calcule_bar_mitsva(ev.hebraique, *sexe_, ctx_.options.diaspora);
        }
    }
    evenement_ = ev;
    if (famille_ == records::Famille::deces) {
        const engine::DateCivile b = date_inhumation_saisie();
        if (!engine::erreur_date_civile(b) && b.annee < engine::annee_civile_max) {
            for (const records::DateDeDeuil& l : records::dates_de_deuil(
                     {*d, jour_nuit}, {b, texte(nuit_inhumation_)}, aujourdhui)) {
                deuil_.push_back(l.ligne);
            }
        }
    }
    const int premiere = records::premiere_annee_a_venir(ev.hebraique, aujourdhui);
    const int supplement = famille_ == records::Famille::deces ? 2 : 0;
    const int nombre =
        std::min(nb_annees_->value(), lignes_possibles(premiere, pas_->value()) - supplement);
    if (nombre > 0) {
        anniversaires_ = records::prochains_anniversaires(ev.hebraique, aujourdhui, nombre,
                                                          pas_->value(), famille_);
        anniv_civil_->setText(qs(anniversaires_.anniversaires.front().texte_civil));
        anniv_hebreu_->setText(qs(anniversaires_.anniversaires.front().texte_hebraique));
    }
    affiche_vue();
    return true;
}

std::string TFVeldor::entete() const
{
    std::string titre;
    switch (famille_) {
    case records::Famille::naissance:
        titre = sexe_ == records::Sexe::fille ? " DATES DE BAT MITSVA " : " DATES DE BAR MITSVA ";
        break;
    case records::Famille::deces:
        titre = " ANNIVERSAIRES DE DECES";
        break;
    case records::Famille::evenement:
        titre = " ANNIVERSAIRES";
        break;
    }
    return "bs\"d" + titre;
}

std::vector<std::string> TFVeldor::lignes_fiche() const
{
    std::vector<std::string> l = {entete(), ""};
    const records::Fiche f = fiche_saisie();
    const auto personne = [&l](const std::string& civ, const std::string& nom,
                               const std::string& prenom, const std::string& avant) {
        const std::string p = platform::trim(civ + " " + nom + " " + prenom);
        if (!p.empty()) {
            l.push_back(avant + p);
        }
    };
    if (famille_ == records::Famille::deces) {
        personne(f.defunt.civilite, f.defunt.nom, f.defunt.prenom, "Défunt : ");
    }
    if (famille_ == records::Famille::evenement) {
        l.push_back(platform::trim(f.texte_evenement));
    } else {
        const records::Coordonnees& c = f.correspondant;
        personne(c.civilite, c.nom, c.prenom,
                 famille_ == records::Famille::deces ? "Correspondant : " : "");
        for (const std::string& ligne :
             {c.chez.empty() ? std::string() : "Chez " + c.chez,
              platform::trim(c.numero + " " + c.adresse),
              platform::trim(c.code_postal + " " + c.ville), c.pays, c.telephone_notes}) {
            if (!ligne.empty()) {
                l.push_back(ligne);
            }
        }
    }
    l.emplace_back();
    if (evenement_) {
        const records::JourComplet civil = records::jour_du_civil(evenement_->civile);
        const bool nuit = records::est_de_nuit(f.date.jour_nuit);
        l.push_back(titre_date_->text().toStdString() + " : " +
                    platform::trim(records::texte_civil(civil)) + (nuit ? " (La nuit)" : "") +
                    " --> " + platform::trim(records::texte_hebraique(evenement_->hebraique)));
    }
    if (bar_mitsva_) {
        l.emplace_back();
        l.push_back(bar_mitsva_->titre);
        l.push_back(bar_mitsva_->ligne_date);
        l.push_back(bar_mitsva_->ligne_chabbat);
    }
    if (!deuil_.empty()) {
        l.emplace_back();
        l.insert(l.end(), deuil_.begin(), deuil_.end());
        l.emplace_back();
        l.insert(l.end(), records::regles_du_deuil.begin(), records::regles_du_deuil.end());
    }
    if (!anniversaires_.anniversaires.empty()) {
        l.emplace_back();
        l.push_back(anniversaires_.entete);
        for (const records::Anniversaire& a : anniversaires_.anniversaires) {
            l.push_back(a.ligne);
        }
    }
    return l;
}

std::vector<std::string> TFVeldor::lignes_dates() const
{
    std::vector<std::string> l = {entete(), ""};
    if (!anniversaires_.anniversaires.empty()) {
        l.push_back(anniversaires_.entete);
        for (const records::Anniversaire& a : anniversaires_.anniversaires) {
            l.push_back(a.ligne);
        }
        l.emplace_back();
    }
    const bool diaspora = ctx_.options.diaspora;
    std::optional<engine::DateCivile> centre;
    if (famille_ == records::Famille::naissance && bar_mitsva_) {
        const char* qui = sexe_ == records::Sexe::fille ? "Bat-Mitsva du " : "Bar-Mitsva du ";
        l.push_back(records::titre_quinze_jours_naissance(
            qui + platform::trim(records::texte_civil(bar_mitsva_->date))));
        centre = bar_mitsva_->date.civile;
    } else if (!anniversaires_.anniversaires.empty()) {
        const records::Anniversaire& a = anniversaires_.anniversaires.front();
        if (famille_ == records::Famille::deces) {
            l.emplace_back(records::titre_prochain_anniversaire_deces);
            l.push_back(a.ligne);
            l.emplace_back(records::titre_quinze_jours_deces);
        } else {
            l.emplace_back(records::titre_date_evenement);
            if (evenement_) {
                l.push_back("   " + ligne_du_jour(*evenement_));
            }
            l.emplace_back(records::titre_prochain_anniversaire_evenement);
            l.push_back(a.ligne);
            l.emplace_back(records::titre_quinze_jours_evenement);
        }
        centre = a.jour.civile;
    }
    if (centre && centre_possible(*centre)) {
        for (std::string& ligne : records::quinze_jours(*centre, diaspora)) {
            l.push_back(std::move(ligne));
        }
    }
    return l;
}

void TFVeldor::affiche_vue()
{
    feuille_->affiche(vue_ == Vue::fiche ? lignes_fiche() : lignes_dates());
    if (!lecture_.empty()) {
        affiche_lecture(lecture_);
    }
}

void TFVeldor::affiche_lecture(std::string_view fichier)
{
    lecture_ = fichier;
    lecture_zone_->clear();
    const std::string nom = texte(prenom_hebreu_defunt_);
    if (nom.empty()) {
        lecture_zone_->setPlainText(
            QStringLiteral("Saisissez le prénom hébraïque du défunt en lettres latines."));
        return;
    }
    std::vector<std::string> lignes;
    try {
        const std::filesystem::path f = platform::lookup_ignoring_case(ctx_.repertoire, fichier);
        lignes = records::lignes_du_nom(f, nom);
        // After the letters of the name, the mishnayot of the word "soul".
        if (fichier == records::fichier_michna) {
            for (std::string& l : records::lignes_de_la_lettre(f, records::section_nechama)) {
                lignes.push_back(std::move(l));
            }
        }
    } catch (const platform::FileError& e) {
        lecture_.clear();
        erreur_(e.what());
        return;
    }
    QStringList texte_hebreu;
    for (const std::string& ligne : lignes) {
        texte_hebreu.push_back(qs(events::lettres_hebraiques_affichees(ligne)));
    }
    lecture_zone_->setPlainText(texte_hebreu.join('\n'));
    // Hebrew reads from the right: every line set against the right edge.
    lecture_zone_->selectAll();
    lecture_zone_->setAlignment(Qt::AlignRight);
    QTextCursor debut = lecture_zone_->textCursor();
    debut.movePosition(QTextCursor::Start);
    lecture_zone_->setTextCursor(debut);
}

records::Fiche TFVeldor::fiche_saisie() const
{
    records::Fiche f;
    f.correspondant = {texte(civilite_),   texte(nom_),      texte(prenom_),      texte(chez_),
                       texte(numero_rue_), texte(adresse_),  texte(code_postal_), texte(ville_),
                       texte(pays_),       texte(telephone_)};
    f.defunt = {texte(civilite_defunt_), texte(nom_defunt_), texte(prenom_defunt_)};
    std::vector<std::string> lignes;
    for (const QString& ligne : texte_evenement_->toPlainText().split('\n')) {
        if (!ligne.trimmed().isEmpty()) {
            lignes.push_back(ligne.trimmed().toStdString());
        }
    }
    f.texte_evenement = records::texte_evenement(lignes);
    if (const std::optional<engine::DateCivile> d = date_civile_valide()) {
        f.date = records::groupe_date(*d, texte(jour_nuit_));
    }
    if (famille_ == records::Famille::deces) {
        const engine::DateCivile b = date_inhumation_saisie();
        if (!engine::erreur_date_civile(b)) {
            f.inhumation = records::groupe_date(b, texte(nuit_inhumation_));
        }
    }
    if (bar_mitsva_) {
        f.bar_mitsva = records::bar_mitsva_ecrite(*bar_mitsva_);
    }
    if (!anniversaires_.anniversaires.empty()) {
        f.prochain = records::groupe_prochain(anniversaires_.anniversaires.front());
    }
    return records::partie_de_la_famille(famille_, f);
}

void TFVeldor::affiche_fiche_lue(const records::Fiche& f)
{
    chargement_ = true;
    const auto met = [](QLineEdit* e, const std::string& t) { e->setText(qs(t)); };
    const records::Coordonnees& c = f.correspondant;
    civilite_->setEditText(qs(c.civilite));
    met(nom_, c.nom);
    met(prenom_, c.prenom);
    met(chez_, c.chez);
    met(numero_rue_, c.numero);
    met(adresse_, c.adresse);
    met(code_postal_, c.code_postal);
    met(ville_, c.ville);
    met(pays_, c.pays);
    met(telephone_, c.telephone_notes);
    civilite_defunt_->setEditText(qs(f.defunt.civilite));
    met(nom_defunt_, f.defunt.nom);
    met(prenom_defunt_, f.defunt.prenom);
    texte_evenement_->setPlainText(qs(platform::trim(f.texte_evenement)));
    jour_nuit_->setEditText(qs(f.date.jour_nuit));
    nuit_inhumation_->setEditText(qs(f.inhumation.jour_nuit));
    // The sex of a birth: the Bar-Mitsva comes thirteen years after the
    // birth, the Bat-Mitsva twelve.
    const std::optional<engine::DateHebraique> h = records::date_hebraique(f.date);
    sexe_ = records::sexe_de_la_civilite(c.civilite);
    if (h && !f.bar_mitsva.hebraique.annee.empty()) {
        const int ecart = std::atoi(f.bar_mitsva.hebraique.annee.c_str()) - h->annee;
        sexe_ = ecart == 12 ? records::Sexe::fille : records::Sexe::garcon;
    }
    std::optional<engine::DateCivile> d = records::date_civile(f.date);
    if (!d && h) {
        d = engine::civil_de_l_hebreu(*h);
    }
    chargement_ = false;
    if (d) {
        montre_date_civile(*d);
    }
    // The burial as the record holds it, after the death that it follows.
    if (const std::optional<engine::DateCivile> b = records::date_civile(f.inhumation)) {
        chargement_ = true;
        jour_inhumation_->setValue(b->jour);
        mois_inhumation_->setValue(b->mois);
        annee_inhumation_->setValue(b->annee);
        chargement_ = false;
    }
    inhumation_changee();
    libelles_des_civilites();
}

} // namespace orvane::gui
