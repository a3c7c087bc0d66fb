#include "shell/day/day_computation.h"

#include "config/config.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "engine/month_grid_civil.h"
#include "engine/names.h"
#include "platform/text.h"
#include "shell/day/day_settings.h"
#include "zmanim/day/horaires_jour.h"

namespace orvane::shell
{

namespace
{

bool lieu_complet(const places::Place& l)
{
    return !l.ville.empty() && !l.latitude.empty() && !l.longitude.empty() && !l.decalage.empty();
}

bool dans_les_limites(engine::DateCivile d)
{
    return d.annee >= engine::annee_civile_min && d.annee <= engine::annee_civile_max;
}

engine::DateCivile decale(engine::DateCivile d, int jours)
{
    for (; jours > 0; --jours) {
        d = engine::lendemain(d);
    }
    for (; jours < 0; ++jours) {
        d = engine::veille(d);
    }
    return d;
}

/// Local clock hours of an instant of the day computed in `h`.
double heure_locale(const HorairesDate& h, double instant)
{
    return instant + h.jour.zone + h.correction_ete;
}

void dates_du_jour(JourCalcule& j, const DemandeJourAccueil& demande)
{
    const engine::DateCivile d = demande.date;
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    j.date = d;
    j.hebraique = {e.annee_hebr, e.mois_hebr, e.jour_hebr};
    j.jour_semaine = e.jour_semaine;
    j.date_civile = engine::ligne_date_civile(e.jour_semaine, d);
    j.date_hebraique =
        engine::ligne_date_hebraique(e, e.jour_semaine, {e.annee_hebr, e.mois_hebr, e.jour_hebr});
    j.ligne_date = " " +
                   platform::trim(engine::jours_semaine[static_cast<std::size_t>(e.jour_semaine)]) +
                   " " + std::to_string(d.jour) + " " +
                   std::string(engine::mois_civils[static_cast<std::size_t>(d.mois)]) + " " +
                   std::to_string(engine::annee_civile_ecrite(d.annee));
    j.nature = events::nature_du_jour(j.hebraique, j.jour_semaine, demande.diaspora);
    j.textes = events::libelles_semaine(e, demande.diaspora);
    j.caracteristiques = events::caracteristiques_annee(e);
    j.texte_chabbat = sans_horaires_chabbat(j.textes.texte_jour);
}

void limites_et_durees(JourCalcule& j, const HorairesDate& veille)
{
    const zmanim::DayTimes& t = j.horaires.jour;
    const zmanim::DayTimes& v = veille.jour;
    j.limites_hagra = {heure_locale(j.horaires, t.t_lever), heure_locale(j.horaires, t.t_coucher),
                       heure_locale(veille, v.t_coucher)};
    j.limites_maguen_abraham = {heure_locale(j.horaires, t.t_aube),
                                heure_locale(j.horaires, t.t_nuit), heure_locale(veille, v.t_nuit)};
    // Without a dawn or a night (the sun never as low as their angle), the
    // two times stand at the solar midnights and their difference means nothing.
    const bool aube_et_nuit = t.heureA.definie() && t.heureN.definie();
    j.durees = lignes_durees(t.t_coucher - t.t_lever,
                             aube_et_nuit ? std::optional(t.t_nuit - t.t_aube) : std::nullopt);
}

void chabbat_de_la_semaine(JourCalcule& j, const DonneesChargees& donnees,
                           const DemandeJourAccueil& demande)
{
    const engine::DateCivile samedi = decale(j.date, 7 - j.jour_semaine);
    const engine::DateCivile vendredi = engine::veille(samedi);
    if (!dans_les_limites(samedi) || !dans_les_limites(vendredi)) {
        return;
    }
    ChabbatDeLaSemaine& c = j.chabbat;
    c.vendredi = vendredi == j.date ? j.horaires : horaires_de_la_date(donnees, demande, vendredi);
    c.samedi = samedi == j.date ? j.horaires : horaires_de_la_date(donnees, demande, samedi);
    if (c.vendredi.jour.jour_polaire || c.samedi.jour.jour_polaire) {
        return;
    }
    c.entree = secondes_du_creneau(c.vendredi.jour, "entree_chabbat", c.vendredi.correction_ete);
    c.sortie = secondes_du_creneau(c.samedi.jour, "heureSOR", c.samedi.correction_ete);
    j.texte_chabbat = texte_avec_chabbat(j.textes.texte_jour, c.vendredi.jour.entree_chabbat,
                                         c.samedi.jour.heureSOR);
}

} // namespace

HorairesDate horaires_de_la_date(const DonneesChargees& donnees, const DemandeJourAccueil& demande,
                                 engine::DateCivile d)
{
    HorairesDate h;
    h.date = d;
    h.annee_ete = donnees.tables_ete.annee(demande.lieu.pays, d.annee, demande.mode_horaire);
    h.correction_ete = places::correction_pour_le_jour(h.annee_ete, demande.mode_horaire, d.jour,
                                                       d.mois, demande.correction_saisie);
    zmanim::ZmanimSettings reglages = reglages_page_du_jour(demande.opinion, demande.lieu);
    zmanim::ContexteCalcul contexte;
    contexte.mode_ete = zmanim::mode_ete_du_texte(demande.mode_horaire);
    contexte.vaudrel = demande.vaudrel;
    contexte.lit_cle_ciop = [&ciop = donnees.config_ciop](std::string_view cle) {
        return ciop.valeur(cle);
    };
    zmanim::DemandeJour jour;
    jour.jour_semaine = engine::jour_semaine(d);
    jour.date = d;
    jour.latitude = demande.lieu.latitude;
    jour.longitude = demande.lieu.longitude;
    jour.zone = demande.lieu.decalage;
    jour.opinion = demande.opinion;
    jour.correction_ete = h.correction_ete;
    zmanim::horaires_du_jour(jour, reglages, h.jour, contexte);
    return h;
}

JourCalcule calcule_jour(const DonneesChargees& donnees, const DemandeJourAccueil& demande)
{
    JourCalcule j;
    dates_du_jour(j, demande);
    j.avec_ville = lieu_complet(demande.lieu);
    if (!j.avec_ville) {
        return j;
    }
    j.horaires = horaires_de_la_date(donnees, demande, demande.date);
    const zmanim::DayTimes& t = j.horaires.jour;
    if (t.erreur_horaires) {
        j.refuse = true;
        j.message = t.message_erreur;
        return j;
    }
    if (t.jour_polaire) {
        j.polaire = true;
        j.message = t.message_polaire;
        return j;
    }
    j.lignes = lignes_horaires(t, j.horaires.correction_ete, j.nature);
    const engine::DateCivile veille = engine::veille(demande.date);
    HorairesDate h_veille =
        dans_les_limites(veille) ? horaires_de_la_date(donnees, demande, veille) : j.horaires;
    if (h_veille.jour.jour_polaire) {
        h_veille = j.horaires;
    }
    limites_et_durees(j, h_veille);
    chabbat_de_la_semaine(j, donnees, demande);
    return j;
}

std::string sans_horaires_chabbat(std::string_view texte)
{
    const std::size_t ent = texte.find("Ent");
    return std::string(ent == std::string_view::npos ? texte : texte.substr(0, ent));
}

std::string texte_avec_chabbat(std::string_view texte_jour, const zmanim::TexteHoraire& entree,
                               const zmanim::TexteHoraire& sortie)
{
    return sans_horaires_chabbat(texte_jour) + " Ent: " + platform::trim(entree.heures) + "." +
           entree.minutes + "  Sor: " + platform::trim(sortie.heures) + "." + sortie.minutes;
}

} // namespace orvane::shell
