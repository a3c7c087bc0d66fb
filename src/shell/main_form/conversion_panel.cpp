#include "shell/main_form/conversion_panel.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "engine/names.h"
#include "platform/text.h"

namespace orvane::shell
{

namespace
{

/// The year after or before a civil year, passing over the year 0 that the
/// calendar does not have.
int annee_civile_voisine(int annee, int pas)
{
    const int voisine = annee + pas;
    return voisine == 0 ? voisine + pas : voisine;
}

bool annee_hors_limites_civile(int annee)
{
    return annee < engine::annee_civile_min || annee > engine::annee_civile_max;
}

bool annee_hors_limites_hebraique(int annee)
{
    return annee < engine::annee_hebr_min || annee > engine::annee_hebr_max;
}

std::string message_etat(std::string_view message, bool hors_limites)
{
    std::string texte(message);
    if (hors_limites) {
        texte += '\r';
        texte += engine::message_annees_hors_limites();
    }
    return texte;
}

/// A civil day typed into the day box, rolled over into the month before or
/// after. In October 1582 the ten days dropped by the reform are stepped
/// over: from 4 the next day is 15, from 15 the day before is 4.
engine::DateCivile jour_civil_roule(engine::DateCivile actuelle, int jour)
{
    engine::DateCivile d = actuelle;
    if (jour > engine::jours_du_mois_civil(d.annee, d.mois)) {
        d.jour = 1;
        if (++d.mois > 12) {
            d.mois = 1;
            d.annee = annee_civile_voisine(d.annee, 1);
        }
        return d;
    }
    if (jour <= 0) {
        if (--d.mois < 1) {
            d.mois = 12;
            d.annee = annee_civile_voisine(d.annee, -1);
        }
        d.jour = engine::jours_du_mois_civil(d.annee, d.mois);
        return d;
    }
    d.jour = jour;
    if (d.annee == 1582 && d.mois == 10 && jour >= 5 && jour <= 14) {
        d.jour = jour > actuelle.jour ? 15 : 4;
    }
    return d;
}

} // namespace

PanneauConversion::PanneauConversion(engine::DateCivile date) : civile_(date)
{
    valide_civile();
}

bool PanneauConversion::valide_civile()
{
    if (const auto erreur = engine::erreur_date_civile(civile_)) {
        etat_ = EtatPanneau::civile_invalide;
        message_ = message_etat(*erreur == engine::message_jours_supprimes_1582
                                    ? *erreur
                                    : std::string(engine::message_date_civile_incorrecte),
                                annee_hors_limites_civile(civile_.annee));
        return false;
    }
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(civile_.annee, civile_.mois, civile_.jour);
    hebraique_ = {e.annee_hebr, e.mois_hebr, e.jour_hebr};
    jour_semaine_ = e.jour_semaine;
    etat_ = EtatPanneau::valide;
    message_.clear();
    return true;
}

bool PanneauConversion::valide_hebraique()
{
    if (engine::erreur_date_hebraique(hebraique_)) {
        etat_ = EtatPanneau::hebraique_invalide;
        message_ = message_etat(engine::message_date_hebraique_incorrecte,
                                annee_hors_limites_hebraique(hebraique_.annee));
        return false;
    }
    engine::CalendarEngine e;
    e.convertit_hebreu_civil(hebraique_.annee, hebraique_.mois, hebraique_.jour);
    civile_ = {e.annee_civile, e.mois_civil, e.jour_civil};
    jour_semaine_ = e.jour_semaine;
    etat_ = EtatPanneau::valide;
    message_.clear();
    return true;
}

bool PanneauConversion::change_jour_civil(int jour)
{
    civile_ = jour_civil_roule(civile_, jour);
    return valide_civile();
}

bool PanneauConversion::change_mois_civil(int mois)
{
    if (mois >= 13) {
        civile_.mois = 1;
        civile_.annee = annee_civile_voisine(civile_.annee, 1);
    } else if (mois <= 0) {
        civile_.mois = 12;
        civile_.annee = annee_civile_voisine(civile_.annee, -1);
    } else {
        civile_.mois = mois;
    }
    return valide_civile();
}

bool PanneauConversion::change_annee_civile(int annee)
{
    if (annee == 0) {
        return false;
    }
    civile_.annee = annee;
    return valide_civile();
}

bool PanneauConversion::change_jour_hebreu(int jour)
{
    const engine::DateHebraique d = hebraique_;
    if (annee_hors_limites_hebraique(d.annee) || d.mois < 1 || d.mois > 13) {
        hebraique_.jour = jour;
        return valide_hebraique();
    }
    const int longueur = engine::longueur_mois_hebreu(d.annee, d.mois);
    if (longueur > 0 && jour > longueur) {
        hebraique_ = engine::lendemain(engine::DateHebraique{d.annee, d.mois, longueur});
    } else if (longueur > 0 && jour <= 0) {
        hebraique_ = engine::veille(engine::DateHebraique{d.annee, d.mois, 1});
    } else {
        hebraique_.jour = jour;
    }
    return valide_hebraique();
}

bool PanneauConversion::change_mois_hebreu(int mois)
{
    const int avant = hebraique_.mois;
    if (mois > 13) {
        hebraique_.mois = 1;
        ++hebraique_.annee;
    } else if (mois <= 0) {
        hebraique_.mois = 13;
        --hebraique_.annee;
    } else if (!annee_hors_limites_hebraique(hebraique_.annee)) {
        // Adar II of a common year is passed over in the direction of the step.
        hebraique_.mois = engine::mois_existant(hebraique_.annee, mois, avant < mois);
    } else {
        hebraique_.mois = mois;
    }
    return valide_hebraique();
}

bool PanneauConversion::change_annee_hebraique(int annee)
{
    hebraique_.annee = annee;
    return valide_hebraique();
}

bool PanneauConversion::montre_date_civile(engine::DateCivile d)
{
    civile_ = d;
    return valide_civile();
}

bool PanneauConversion::montre_date_hebraique(engine::DateHebraique d)
{
    hebraique_ = d;
    return valide_hebraique();
}

std::string PanneauConversion::nom_mois_civil() const
{
    return civile_.mois >= 1 && civile_.mois <= 12
               ? std::string(engine::mois_civils[static_cast<std::size_t>(civile_.mois)])
               : std::string();
}

std::string PanneauConversion::nom_mois_hebreu() const
{
    if (hebraique_.mois < 1 || hebraique_.mois > 13) {
        return {};
    }
    engine::CalendarEngine e;
    const bool embolismique =
        !annee_hors_limites_hebraique(hebraique_.annee) && e.teste_embolismique(hebraique_.annee);
    return std::string(engine::nom_mois_hebreu(hebraique_.mois, embolismique));
}

std::string PanneauConversion::nom_jour() const
{
    return jour_semaine_ >= 1 && jour_semaine_ <= 7
               ? platform::trim(engine::jours_semaine[static_cast<std::size_t>(jour_semaine_)])
               : std::string();
}

std::string PanneauConversion::resume() const
{
    return std::string(10, ' ') + nom_mois_civil() + "  " +
           std::to_string(engine::annee_civile_ecrite(civile_.annee)) + std::string(27, ' ') +
           nom_mois_hebreu() + "  " + std::to_string(hebraique_.annee);
}

} // namespace orvane::shell
