// The day's computation: preparation of the inputs, the first pass with the
// sun of 12 h UT, and what follows the slots (decimal line, trace, table row).
#include "zmanim/day/horaires_jour.h"

#include "engine/dates.h"
#include "platform/text.h"
#include "zmanim/day/calcul_jour.h"
#include "zmanim/settings/opinions.h"
#include "zmanim/sun/soleil.h"

#include <charconv>
#include <cmath>

namespace orvane::zmanim
{

void horaires_du_jour(const DemandeJour& demande, ZmanimSettings& reglages, DayTimes& jour,
                      const ContexteCalcul& contexte)
{
    detail::CalculJour(demande, reglages, jour, contexte).execute();
}

namespace detail
{

namespace
{

/// A whole number of a configuration value; nothing for an empty or
/// unreadable text.
std::optional<int> entier_de(std::string_view texte)
{
    const std::string t = platform::trim(texte);
    int valeur = 0;
    const auto [fin, err] = std::from_chars(t.data(), t.data() + t.size(), valeur);
    if (t.empty() || err != std::errc() || fin != t.data() + t.size()) {
        return std::nullopt;
    }
    return valeur;
}

} // namespace

CalculJour::CalculJour(const DemandeJour& demande, ZmanimSettings& reglages, DayTimes& jour,
                       const ContexteCalcul& contexte)
    : demande_(demande), reglages_(reglages), j_(jour), contexte_(contexte)
{
}

// Two passes over the day. The solar routine places the sun (its right
// ascension and declination) at one instant and finds where it crosses an
// altitude as if it stayed there all day; but in the hours between midday
// and dawn or night the sun moves along the ecliptic, its right ascension by
// about 1° a day (4 minutes of time) and its declination by up to 0.4° a day
// around the equinoxes. The first pass evaluates the sun of 12 h UT and
// keeps, for every altitude, the approximate instant of its crossing; the
// second pass evaluates every event again with the sun of that instant
// ("Itération"). Paris, 21 June 2024: sunrise at 3.808 h UT with the sun of
// noon, 3.784 h UT (85 seconds earlier) with the sun of its own instant.
void CalculJour::execute()
{
    if (!prepare() || !premier_passage() || !evenements_du_jour()) {
        return;
    }
    avis_particuliers();
    heures_aube_nuit();
    apres_creneaux();
}

void CalculJour::commence_jour()
{
    j_.jour_semaine = demande_.jour_semaine > 7 ? demande_.jour_semaine - 7 : demande_.jour_semaine;
    j_.jour = demande_.date.jour;
    j_.mois = demande_.date.mois;
    j_.annee = demande_.date.annee;
    j_.correction_ete = demande_.correction_ete;
    j_.erreur_horaires = false;
    j_.message_erreur.clear();
    j_.jour_polaire = false;
    j_.message_polaire.clear();
    j_.soleil_decimal.clear();
    j_.trace.clear();
    j_.ligne_decimale.clear();
}

bool CalculJour::prepare()
{
    commence_jour();
    const AvisNormalise avis = normalise_opinion(demande_.opinion);
    if (avis.rav_rottenberg) {
        reglages_.mode_rav_rottenberg = true;
    }
    opinion_ = avis.nom;
    j_.opinion = opinion_;
    facteur_ = facteur_proportion(opinion_);
    bdl_ = reglages_.opinion_calcul == avis_bdl;
    ligne_ = !demande_.sans_ligne && contexte_.tableau != nullptr;

    const LieuLu lieu = lit_lieu(demande_.latitude, demande_.longitude, demande_.zone);
    if (lieu.refuse) {
        j_.erreur_horaires = true;
        j_.message_erreur = lieu.message;
        return false;
    }
    j_.latitude = lieu.latitude;
    j_.longitude = lieu.longitude;
    j_.zone = lieu.zone;
    if (demande_.opinion.empty()) {
        j_.erreur_horaires = true;
        j_.message_erreur = std::string(message_avis_absent);
        return false;
    }
    if (!prepare_angles()) {
        return false;
    }
    prepare_regles();
    return true;
}

bool CalculJour::prepare_angles()
{
    SinusAngles s = sinus_par_defaut(reglages_.mode_rav_rottenberg);
    if (demande_.opinion == avis_selon_choix) {
        const SinusChoisis choisis = sinus_choisis(reglages_, s);
        const std::optional<double> chema = angle_en_degres(contexte_.texte_etoiles_chema);
        if (!choisis.sinus || !chema) {
            j_.erreur_horaires = true;
            j_.message_erreur = choisis.sinus
                                    ? message_angle_illisible(contexte_.texte_etoiles_chema,
                                                              "les étoiles du Chéma du soir")
                                    : choisis.erreur;
            return false;
        }
        s = *choisis.sinus;
        s.etoiles_chema = sinus_depression(*chema);
    }
    if (contexte_.sortie_marseille) {
        s.sortie = s.marseille;
    }
    if (contexte_.aube_degres) {
        s.aube = sinus_depression(*contexte_.aube_degres);
    }
    if (contexte_.etoiles_degres) {
        s.etoiles = sinus_depression(*contexte_.etoiles_degres);
    }
    const std::optional<double> refraction = angle_en_degres(reglages_.refraction);
    if (refraction) {
        s.lever_coucher = sinus_lever_coucher(*refraction, reglages_.centre_soleil);
    } else {
        j_.erreur_horaires = true;
        j_.message_erreur = "La réfraction \"" + reglages_.refraction +
                            "\" n'est pas lisible.\rExemples : 34 ou 36.6 (minutes d'angle).";
        return false;
    }
    j_.angles = s;
    return true;
}

void CalculJour::prepare_regles()
{
    regles_ = regles_arrondi(reglages_);
    regles_.mode_ete = contexte_.mode_ete;
    regles_.toutes_latitudes = contexte_.toutes_latitudes;
    regles_.vers_grille = contexte_.vers_grille;
    if (regles_.rav_rottenberg && regles_.houmra && contexte_.lit_cle_ciop) {
        if (const auto v = entier_de(contexte_.lit_cle_ciop("Valeur_max_houmra_ciop"))) {
            regles_.seuil_max_ciop = *v;
        }
        if (const auto v = entier_de(contexte_.lit_cle_ciop("Valeur_min_houmra_ciop"))) {
            regles_.seuil_min_ciop = *v;
        }
    }
}

bool CalculJour::premier_passage()
{
    evalue(j_.angles.lever_coucher, 0);
    if (est_marqueur(j_.heure_lever)) {
        declare_polaire();
        return false;
    }
    j_.o_lever = decalage_jd_de_l_heure(j_.heure_lever);
    j_.o_coucher = decalage_jd_de_l_heure(j_.heure_coucher);
    const double milieu = (j_.heure_lever + j_.heure_coucher) / 2;

    // The sun of midday also gives the coordinates of the decimal line.
    constexpr bool coordonnees_du_soleil = true;
    evalue(j_.angles.lever_coucher, decalage_jd_de_l_heure(milieu), coordonnees_du_soleil);
    // Evaluated at its own instant the sun may miss the horizon on the edge
    // of a polar season: the midpoint of the first pass stands in.
    j_.t_hatsot = est_marqueur(j_.heure_lever) ? milieu : (j_.heure_lever + j_.heure_coucher) / 2;
    ecrit(reglages_.mode_rav_rottenberg ? ModeArrondi::plus_tard : ModeArrondi::normal, j_.t_hatsot,
          &DayTimes::heureH, "HATSOT");

    passe_angles_midi();
    return true;
}

void CalculJour::passe_angles_midi()
{
    const SinusAngles& a = j_.angles;
    j_.o_aube = offset_premier_passage(a.aube, true);
    j_.o_tephilin = offset_premier_passage(a.tephilin, true);
    j_.o_sortie = offset_premier_passage(a.sortie, false);
    j_.o_etoiles = offset_premier_passage(a.etoiles, false);
    j_.o_etoiles_chema = offset_premier_passage(a.etoiles_chema, false);
    j_.o_595 = offset_premier_passage(a.admour, false);
    j_.o_65 = offset_premier_passage(a.admour_chema, false);
    j_.o_nuit = offset_premier_passage(a.nuit, false);
}

void CalculJour::declare_polaire()
{
    const bool dessus = j_.heure_lever > limite_marqueur;
    j_.jour_polaire = true;
    j_.message_polaire = dessus ? "Le soleil est toujours au-dessus de l'horizon"
                                : "Le soleil est toujours au-dessous de l'horizon";
    if (ligne_) {
        contexte_.tableau->jour_polaire(j_);
    }
}

void CalculJour::apres_creneaux()
{
    if (!ligne_) {
        return;
    }
    if (reglages_.affiche_decimal) {
        const double instants[] = {j_.t_aube,    j_.t_tephilin, j_.t_lever,  j_.t_hatsot,
                                   j_.t_coucher, j_.t_etoiles,  j_.t_sortie, j_.t_nuit};
        for (double t : instants) {
            j_.ligne_decimale += platform::left(texte_decimal(j_.zone + t), 8) + "\t";
        }
        j_.ligne_decimale += j_.soleil_decimal;
    }
    if (reglages_.trace && contexte_.journal != nullptr) {
        contexte_.journal->ecrit_jour(j_);
    }
    contexte_.tableau->ligne_tableau(j_);
}

std::pair<int, int> CalculJour::jour_mois_hebreu() const
{
    // The days of a table follow each other: the Hebrew date of one is the
    // day after that of the last, without a conversion.
    thread_local std::optional<std::pair<engine::NumeroJour, engine::DateHebraique>> dernier;
    const engine::DateCivile date{j_.annee, j_.mois, j_.jour};
    const engine::NumeroJour n = engine::numero_du_civil(date);
    if (!dernier || dernier->first != n) {
        const bool suivant = dernier && dernier->first + 1 == n;
        dernier.emplace(n, suivant ? engine::lendemain(dernier->second)
                                   : engine::hebraique_du_civil(date));
    }
    return {dernier->second.jour, dernier->second.mois};
}

} // namespace detail

} // namespace orvane::zmanim
