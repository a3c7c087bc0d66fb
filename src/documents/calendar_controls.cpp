#include "documents/calendar_controls.h"

#include "engine/date_validity.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/settings/opinions.h"

#include <algorithm>

namespace orvane::documents
{
namespace
{

constexpr std::string_view coordonnees_paris_latitude = "48°52'N";
constexpr std::string_view coordonnees_paris_longitude = "02°20'E";

bool commence_par(std::string_view texte, std::string_view debut)
{
    return texte.substr(0, debut.size()) == debut;
}

bool est_jerusalem(const places::Place& p)
{
    return commence_par(p.ville, "JERUSALEM") || commence_par(p.ville, "Jérusalem");
}

bool en_israel(const places::Place& p)
{
    return commence_par(p.pays, "Israël");
}

/// A year of one calendar that stepped onto 0 goes on to the other side.
int sans_annee_zero(int annee, int precedente)
{
    if (annee != 0) {
        return annee;
    }
    return precedente > 0 ? -1 : 1;
}

int hebraique_de_la_civile(int civile)
{
    return civile + 3760 + (civile <= 0 ? 1 : 0);
}

int civile_de_l_hebraique(int hebraique)
{
    return hebraique - 3760 - (hebraique <= 3760 ? 1 : 0);
}

/// The question of a Tossefet other than the standard of the place.
std::string question_tossefet(std::string_view debut, int boite)
{
    return std::string(debut) +
           "\r\rCliquez sur \"OUI\" pour appliquer cette valeur standard.\r\rCliquez sur "
           "\"NON\" pour appliquer la valeur de " +
           std::to_string(boite) + " choisie sur la boîte \"Tossefet, entrée Chab.\"\r";
}

std::string question_choix(std::string_view item)
{
    return "Vous avez choisi \"" + std::string(item) + "\". Voulez-vous continuer ?\r";
}

/// The Tossefet of the place's standard and its question; none for
/// Marseille's own computation, which sets its own.
struct StandardTossefet {
    int minutes;
    std::string debut;
};

StandardTossefet standard_du_lieu(const places::Place& p)
{
    if (est_jerusalem(p)) {
        return {40, "L'entrée de Chabbat spécifique à JERUSALEM est de 40 minutes avant le "
                    "coucher du Soleil."};
    }
    if (en_israel(p)) {
        return {20, "L'entrée de Chabbat standard en Israël est de 20 minutes avant le coucher "
                    "du Soleil."};
    }
    return {18, "L'entrée de Chabbat standard est de 18 minutes avant le coucher du Soleil."};
}

/// Steps 6 to 9: Marseille's own computation, or the standard Tossefet of
/// the place when the box holds another value. False when cancelled.
bool choisit_tossefet(ControlesCalendrier& c, CalculRetenu& r, const DialoguesCalendrier& d)
{
    const bool ciop =
        std::string_view(sorties_calendrier[static_cast<std::size_t>(c.sortie)]).find("ciop") !=
        std::string_view::npos;
    if (commence_par(c.lieu.ville, "Marseille") && !ciop) {
        const Reponse marseille = d.question(
            "Il existe des horaires d'entrée et de sortie de Chabbat spécifiques au Beth Din de "
            "Marseille.\r(Pour info : Entrée Chab. 20m avant Chkia, Sortie. 7,35°.)\r\rPour "
            "cela, nous avons prévu 2 modes de calcul pour cette ville.\r\rLe calcul spécifique "
            "au Beth Din de Marseille (réponse OUI)\rLe calcul standard, à l'instar des autres "
            "villes de France (réponse NON)\r");
        if (marseille == Reponse::annuler) {
            return false;
        }
        if (marseille == Reponse::oui) {
            d.information("Pour information, cela consiste à avoir une Tossefet à l'entrée du "
                          "Chabbat de 20 minutes au lieu de 18 minutes, et une sortie à 7,35° au "
                          "lieu de 8,5°.\r(Ces valeurs sont prises en compte par le programme "
                          "sans que vous ayez à les sélectionner)");
            r.tossefet = 20;
            r.degres_sortie = 7.35;
            r.marseille = true;
            return true; // Marseille's own rule: no other standard is proposed
        }
    }
    const StandardTossefet s = standard_du_lieu(c.lieu);
    if (c.tossefet != s.minutes) {
        const Reponse choix = d.question(question_tossefet(s.debut, c.tossefet));
        if (choix == Reponse::annuler) {
            return false;
        }
        r.tossefet = choix == Reponse::oui ? s.minutes : c.tossefet;
    } else {
        r.tossefet = c.tossefet;
    }
    return true;
}

/// The calendar's message when a year of the span (the driving year and
/// the ones after it) lies outside the years the calendar converts.
std::optional<std::string> annees_hors_du_calendrier(const ControlesCalendrier& c)
{
    const bool hebreu = en_hebreu(c.sens);
    const int min = hebreu ? engine::annee_hebr_min : engine::annee_civile_min;
    const int max = hebreu ? engine::annee_hebr_max : engine::annee_civile_max;
    const long derniere = static_cast<long>(c.annee) + c.nombre_annees - 1;
    if (c.annee >= min && derniere <= max) {
        return std::nullopt;
    }
    return std::to_string(c.annee) + (c.nombre_annees > 1 ? " à " + std::to_string(derniere) : "") +
           " : " + engine::message_annees_hors_limites();
}

int indice_opinion(std::string_view opinion)
{
    const auto& liste = zmanim::opinions_accueil;
    const auto it = std::find(liste.begin(), liste.end(), opinion);
    return it == liste.end() ? -1 : static_cast<int>(it - liste.begin());
}

const std::string message_tableur =
    "Pour construire un calendrier sous excel, le nombre\rd'années doit impérativement être "
    "égal à 1";
const std::string message_mode_hebreu = "Il faut vous mettre sur \" Calendrier Hébraïque  -->  "
                                        "Civil \".\r";
const std::string message_mode_civil = "Il faut vous mettre sur \" Calendrier Civil --> "
                                       "Hébraïque \".\r";

} // namespace

bool en_hebreu(SensFenetre sens)
{
    return sens == SensFenetre::hebreu;
}

bool bar_mitsva(SensFenetre sens)
{
    return sens == SensFenetre::bar_mitsva_calendrier || sens == SensFenetre::bar_mitsva_tableau;
}

void annees_d_aujourdhui(ControlesCalendrier& c, const engine::DateCivile& aujourdhui)
{
    const int hebraique = engine::hebraique_du_civil(aujourdhui).annee;
    if (en_hebreu(c.sens)) {
        c.annee = hebraique;
        c.autre_annee = hebraique - 3760;
    } else {
        c.annee = hebraique - 3760;
        c.autre_annee = hebraique;
    }
}

ControlesCalendrier controles_d_ouverture(SensFenetre sens, const engine::DateCivile& aujourdhui)
{
    ControlesCalendrier c;
    c.sens = sens;
    c.mois_fin = en_hebreu(sens) ? 13 : 12;
    annees_d_aujourdhui(c, aujourdhui);
    return c;
}

void change_annee(ControlesCalendrier& c, int annee)
{
    c.annee = sans_annee_zero(annee, c.annee);
    c.autre_annee =
        en_hebreu(c.sens) ? civile_de_l_hebraique(c.annee) : hebraique_de_la_civile(c.annee);
}

void change_autre_annee(ControlesCalendrier& c, int autre)
{
    c.autre_annee = sans_annee_zero(autre, c.autre_annee);
    c.annee = en_hebreu(c.sens) ? hebraique_de_la_civile(c.autre_annee)
                                : civile_de_l_hebraique(c.autre_annee);
}

std::string titre_des_annees(const ControlesCalendrier& c)
{
    if (!en_hebreu(c.sens)) {
        return "Année civile  Année hébr             Année civile " + std::to_string(c.annee) +
               "  =  " + std::to_string(c.autre_annee) + " / " + std::to_string(c.autre_annee + 1) +
               " hébraïques";
    }
    const int civile = c.autre_annee;
    const int avant = civile == 1 ? -1 : civile - 1;
    return "Année hébr  Année civile             Année hébraïque " + std::to_string(c.annee) +
           "  =  " + std::to_string(avant) + " / " + std::to_string(civile) + " civiles";
}

void choisit_ville(ControlesCalendrier& c)
{
    c.tossefet = standard_du_lieu(c.lieu).minutes;
    c.diaspora = !est_jerusalem(c.lieu) && !en_israel(c.lieu);
    c.est_ouest = commence_par(c.lieu.ville, "PARIS") ? 5 : 3;
}

void valeurs_par_defaut(ControlesCalendrier& c, const engine::DateCivile& aujourdhui)
{
    annees_d_aujourdhui(c, aujourdhui);
    c.nombre_annees = 1;
    c.increment = 1;
    c.mois_debut = 1;
    c.premiers_du_mois = false;
    c.chabbat_et_fetes = false;
    c.parachiot = true;
    c.sortie = 0;
    c.etoiles = 0;
    c.hamets = 0;
    c.regle_entree = 0;
    c.tossefet = 18;
    if (!bar_mitsva(c.sens)) {
        c.horaires = true;
    }
}

bool montre_est_ouest(const ControlesCalendrier& c)
{
    return commence_par(c.opinion, "Rav");
}

DemandeCalendrier demande_du_calcul(const ControlesCalendrier& c, const CalculRetenu& r)
{
    DemandeCalendrier d;
    d.sens = en_hebreu(c.sens) ? Sens::hebreu_civil : Sens::civil_hebreu;
    d.annee = c.annee;
    d.nombre_annees = c.nombre_annees;
    d.mois_debut = c.mois_debut;
    d.mois_fin = c.mois_fin;
    d.premiers_du_mois = c.premiers_du_mois;
    d.chabbat_et_fetes = c.chabbat_et_fetes;
    d.parachiot = c.parachiot;
    d.horaires = c.horaires;
    d.opinion_sur_tables = c.opinion_sur_tables;
    d.web = c.web;
    d.levana_sepharade = c.levana_sepharade;
    d.calendrier_mural = r.sortie == Sortie::mural_civil || r.sortie == Sortie::mural_hebreu;
    d.cible = c.cible == CibleFenetre::memo ? Cible::memo : Cible::fichier;
    d.lieu = c.lieu;
    d.opinion = r.opinion;
    d.diaspora = r.diaspora;
    d.tossefet = r.tossefet;
    d.regle_entree = r.regle_entree;
    d.toutes_entrees = c.toutes_entrees;
    d.est_ouest = c.est_ouest;
    d.contexte.sortie_marseille = r.marseille;
    if (c.etoiles != 0) {
        // The first size is the standard of each opinion (7.12° for the
        // Rav Rottenberg): only another choice is imposed.
        d.contexte.etoiles_degres = r.degres_etoiles;
    }
    return d;
}

void applique_configuration(DemandeCalendrier& d, const config::ProgramOptions& options,
                            const config::FichierCles& ciop)
{
    d.mode_horaire = options.mode_horaire;
    d.contexte.mode_ete = zmanim::mode_ete_du_texte(options.mode_horaire);
    d.contexte.vaudrel = options.intervalle_sortie_chabbat;
    d.contexte.lit_cle_ciop = [&ciop](std::string_view cle) { return ciop.valeur(cle); };
}

std::optional<std::string> refus_de_la_sortie(const ControlesCalendrier& c)
{
    const bool hebreu = en_hebreu(c.sens);
    const bool une_annee = c.nombre_annees == 1;
    switch (static_cast<Sortie>(c.sortie)) {
    case Sortie::excel_complet:
        if (c.premiers_du_mois || c.chabbat_et_fetes) {
            return "Il n'est pas prévu de pouvoir construire un tableau Excel avec les "
                   "choix\r'Uniquement Jours de Chabbat et fêtes' ou 'Premiers du mois seuls.'";
        }
        return une_annee ? std::nullopt : std::optional<std::string>(message_tableur);
    case Sortie::magnet:
        if (!une_annee) {
            return "Pour construire un magnet sous excel, le nombre\rd'années doit "
                   "impérativement être égal à 1";
        }
        return std::nullopt;
    case Sortie::imprimeurs_fr:
    case Sortie::imprimeurs_fr_hb:
        if (!hebreu) {
            return message_mode_hebreu;
        }
        return une_annee ? std::nullopt : std::optional<std::string>(message_tableur);
    case Sortie::mural_civil:
    case Sortie::mural_hebreu:
        if (hebreu) {
            return message_mode_civil;
        }
        return une_annee ? std::nullopt : std::optional<std::string>(message_tableur);
    case Sortie::tables_ciop:
    case Sortie::calendrier_ciop:
        return hebreu ? std::nullopt : std::optional<std::string>(message_mode_hebreu);
    case Sortie::tset_admour:
    case Sortie::iphone_consistoire:
        return hebreu ? std::optional<std::string>(message_mode_civil) : std::nullopt;
    case Sortie::simplifie:
    case Sortie::dates:
        break;
    }
    return std::nullopt;
}

std::optional<CalculRetenu> prepare_calcul(ControlesCalendrier& c,
                                           const DialoguesCalendrier& dialogues)
{
    if (!c.horaires && !bar_mitsva(c.sens)) {
        dialogues.erreur("Erreur :\rPour construire les calendriers excel automatiquement\rvous "
                         "devez avoir sélectionné 'Indique les horaires'.\rIci ce n'est pas le "
                         "cas.");
        return std::nullopt;
    }
    if (const auto hors = annees_hors_du_calendrier(c)) {
        dialogues.erreur(*hors);
        return std::nullopt;
    }
    if (c.lieu.ville == "PARIS (75)" && (c.lieu.longitude != coordonnees_paris_longitude ||
                                         c.lieu.latitude != coordonnees_paris_latitude)) {
        const ReponseParis r = dialogues.avertissement_paris(
            "Les coordonnées de Paris sont '48°52'N  et  02°20'E\rVoulez-vous que l'on corrige "
            "pour vous, ou vous continuez quand-même ?\rCliquez sur Ignorer pour continuer avec "
            "cette longitude");
        if (r == ReponseParis::ok) {
            c.lieu.latitude = coordonnees_paris_latitude;
            c.lieu.longitude = coordonnees_paris_longitude;
        }
        if (r != ReponseParis::ignorer) {
            return std::nullopt;
        }
    }
    // A choice without a selection takes its first item; so does an
    // opinion the list does not hold.
    if (indice_opinion(c.opinion) < 0) {
        c.opinion = std::string(zmanim::opinions_accueil[0]);
    }
    c.sortie = std::clamp(c.sortie, 0, static_cast<int>(sorties_calendrier.size()) - 1);
    c.etoiles = std::clamp(c.etoiles, 0, static_cast<int>(tailles_etoiles.size()) - 1);
    c.regle_entree =
        std::clamp(c.regle_entree, 0, static_cast<int>(regles_entree_chabbat.size()) - 1);
    CalculRetenu r;
    r.sortie = static_cast<Sortie>(c.sortie);
    if (r.sortie == Sortie::iphone_consistoire) {
        c.regle_entree = 0;
    }
    r.diaspora = !en_israel(c.lieu);
    if (!choisit_tossefet(c, r, dialogues)) {
        return std::nullopt;
    }
    c.tossefet = r.tossefet;
    const TailleEtoiles& etoiles = tailles_etoiles[static_cast<std::size_t>(c.etoiles)];
    r.degres_etoiles = etoiles.degres;
    r.libelle_etoiles = std::string(etoiles.libelle);
    if (c.etoiles != 0 &&
        !dialogues.confirmation("La valeur standard pour les étoiles moyennes est à 7.08°\r\r" +
                                question_choix(etoiles.item))) {
        return std::nullopt;
    }
    if (c.regle_entree != 0 &&
        !dialogues.confirmation(
            question_choix(regles_entree_chabbat[static_cast<std::size_t>(c.regle_entree)]))) {
        return std::nullopt;
    }
    if (indice_opinion(c.opinion) > 1 && !dialogues.confirmation(question_choix(c.opinion))) {
        return std::nullopt;
    }
    r.regle_entree = c.regle_entree;
    r.opinion = c.opinion;
    if (const auto refus = refus_de_la_sortie(c)) {
        dialogues.erreur(*refus);
        return std::nullopt;
    }
    return r;
}

} // namespace orvane::documents
