// The records window on the text files of its family: the position box,
// and adding, changing, removing, duplicating and recomputing records.
#include "gui/records/veldor_window.h"
#include "platform/text.h"
#include "records/store/lines.h"
#include "records/store/messages.h"
#include "records/store/record_dates.h"
#include "records/tables/french_order.h"
#include "shell/app_context.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSpinBox>

#include <algorithm>
#include <set>

namespace orvane::gui
{

namespace
{

engine::DateCivile aujourdhui(const shell::AppContext& ctx)
{
    const platform::LocalDate t = ctx.horloge->today();
    return {t.annee, t.mois, t.jour};
}

// The name by which a record is found: the deceased's for a death, the
// text for an event.
std::string nom_de_la_fiche(records::Famille famille, const records::Fiche& f)
{
    switch (famille) {
    case records::Famille::deces:
        return platform::trim(f.defunt.nom);
    case records::Famille::evenement:
        return platform::trim(f.texte_evenement);
    default:
        return platform::trim(f.correspondant.nom);
    }
}

} // namespace

void TFVeldor::ouvre_base()
{
    try {
        base_.emplace(records::BaseFiches::ouvre(ctx_.repertoire, famille_));
        const records::Comptage c = base_->compte_fiches();
        nombre_ = c.nombre;
        if (!c.message.empty()) {
            information_(c.message);
        }
        const records::EtatBase e = base_->etat();
        if (!e.message.empty()) {
            erreur_(e.message);
        }
    } catch (const std::exception& e) {
        base_.reset();
        erreur_(e.what());
        return;
    }
    bornes_de_position();
    if (nombre_ > 0) {
        va_a(1);
    } else {
        affiche_position();
    }
}

void TFVeldor::bornes_de_position()
{
    const bool avant = chargement_;
    chargement_ = true;
    // The position never goes beyond the records.
    const int max = std::max(1, nombre_);
    position_boite_->setRange(1, max);
    defilement_->setRange(1, max);
    chargement_ = avant;
}

void TFVeldor::affiche_position()
{
    const bool avant = chargement_;
    chargement_ = true;
    position_boite_->setValue(std::max(1, position_));
    defilement_->setValue(std::max(1, position_));
    numero_fiche_->setText(position_ > 0 ? QString::number(numero_) : QString());
    libelle_position_->setText(QString::fromStdString(records::texte_position(position_, nombre_)));
    chargement_ = avant;
}

void TFVeldor::va_a(int position)
{
    if (nombre_ == 0) {
        erreur_(std::string(records::message_aucune_fiche));
        affiche_position();
        return;
    }
    position = std::clamp(position, 1, nombre_);
    if (sur_table_) {
        table_.va_a(static_cast<std::size_t>(position - 1));
        affiche_enregistrement();
        return;
    }
    const records::LectureFiche l = base_->lit_fiche(position);
    if (!l.fiche) {
        erreur_(l.message);
        affiche_position();
        return;
    }
    position_ = position;
    numero_ = l.fiche->numero;
    affiche_fiche_lue(l.fiche->fiche);
    affiche_position();
    (void)calcule(sexe_);
}

bool TFVeldor::accepte_coupure(const std::string& avertissement)
{
    return question_(avertissement, Reponses::oui_annuler) == QMessageBox::Yes;
}

void TFVeldor::applique(const records::Resultat& r)
{
    if (!r.message.empty()) {
        (r.fait ? information_ : erreur_)(r.message);
    }
    if (!r.fait) {
        return;
    }
    nombre_ = r.nombre;
    bornes_de_position();
    if (r.position > 0) {
        va_a(r.position);
    } else if (nombre_ == 0) {
        position_ = 0;
        numero_ = 0;
        affiche_position();
    } else {
        va_a(std::min(std::max(position_, 1), nombre_));
    }
}

void TFVeldor::ajoute_texte()
{
    if (!base_ || !calcule(sexe_)) {
        return;
    }
    try {
        applique(base_->ajoute_fiche(fiche_saisie(),
                                     [this](const std::string& m) { return accepte_coupure(m); }));
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFVeldor::modifie_texte()
{
    if (!base_ || !calcule(sexe_)) {
        return;
    }
    try {
        applique(base_->modifie_fiche(position_, numero_, fiche_saisie(),
                                      [this](const std::string& m) { return accepte_coupure(m); }));
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFVeldor::supprime_texte()
{
    try {
        applique(base_->supprime_fiche(position_, numero_));
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFVeldor::duplique_texte()
{
    try {
        applique(base_->duplique_fiche(position_, numero_));
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
}

void TFVeldor::recalcule_textes()
{
    if (!base_) {
        return;
    }
    int recalculees = 0;
    int gardees = 0;
    try {
        for (const records::FicheLue& l : base_->fiches()) {
            records::Fiche f = l.fiche;
            if (!records::recalcule_prochain(famille_, f, aujourdhui(ctx_)) || f == l.fiche) {
                continue;
            }
            // Lines that the program did not write are kept as they are.
            if (records::construit_lignes(famille_, l.fiche) != l.lignes) {
                ++gardees;
                continue;
            }
            const records::Resultat r = base_->modifie_fiche(
                l.position, l.numero, f, [](const std::string&) { return true; });
            if (!r.fait) {
                erreur_(r.message);
                break;
            }
            ++recalculees;
        }
    } catch (const std::exception& e) {
        erreur_(e.what());
    }
    std::string m =
        "Les prochains anniversaires ont été recalculés : " + std::to_string(recalculees) +
        " fiche" + (recalculees > 1 ? "s" : "") + " modifiée" + (recalculees > 1 ? "s" : "");
    if (gardees > 0) {
        m += "\r" + records::message_fiches_gardees(gardees);
    }
    information_(m);
    if (nombre_ > 0) {
        va_a(std::max(position_, 1));
    }
}

std::vector<std::string> TFVeldor::noms_des_fiches()
{
    std::set<std::string> vus;
    std::vector<std::string> noms;
    const auto ajoute = [&](const std::string& n) {
        if (!n.empty() && vus.insert(n).second) {
            noms.push_back(n);
        }
    };
    if (sur_table_) {
        const char* champ = famille_ == records::Famille::deces ? "NOM_DC" : "NOM";
        for (std::size_t f : table_.fiches()) {
            ajoute(platform::trim(table_.texte_de(f, champ)));
        }
    } else if (base_) {
        for (const records::FicheLue& l : base_->fiches()) {
            ajoute(nom_de_la_fiche(famille_, l.fiche));
        }
    }
    std::stable_sort(noms.begin(), noms.end(), [](const std::string& a, const std::string& b) {
        return records::cle_francaise(a) < records::cle_francaise(b);
    });
    return noms;
}

void TFVeldor::choisit_nom(const QString& nom)
{
    const std::string n = nom.trimmed().toStdString();
    liste_noms_->hide();
    aide_liste_->hide();
    bool trouvee = false;
    if (sur_table_) {
        trouvee = table_.trouve(famille_ == records::Famille::deces ? "NOM_DC" : "NOM", n);
        if (trouvee) {
            affiche_enregistrement();
        }
    } else if (base_) {
        for (const records::FicheLue& l : base_->fiches()) {
            if (nom_de_la_fiche(famille_, l.fiche) == n) {
                va_a(l.position);
                trouvee = true;
                break;
            }
        }
    }
    information_(trouvee ? "Fiche trouvée" : "Fiche non trouvée");
}

} // namespace orvane::gui
