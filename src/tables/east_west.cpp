#include "tables/east_west.h"

#include "platform/text.h"
#include "zmanim/settings/opinions.h"

#include <array>
#include <charconv>

namespace orvane::tables
{

namespace
{

constexpr std::string_view nom_fichier_ciop = config::fichier_config_ciop;

/// The three longitudes of Paris, five minutes of arc apart, in run order.
struct Position {
    std::string_view longitude;
    std::string_view nom;
};
constexpr std::array<Position, 3> positions{{
    {"02°20'E", "CENTRE"},
    {"02°15'E", "OUEST"},
    {"02°25'E", "EST"},
}};

struct Avis {
    std::string_view nom;
    std::string_view code;
};
constexpr std::array<Avis, 2> avis{{
    {zmanim::avis_or_meir, "OM"},
    {zmanim::avis_rav_rottenberg, "CIOP"},
}};

std::string cle_du_fichier(std::string_view cle)
{
    return "Clé « " + std::string(cle) + " » du fichier « " + std::string(nom_fichier_ciop) +
           " » : ";
}

/// The value of a key, its default when the key is absent or empty.
struct Valeur {
    std::optional<int> nombre;
    std::string message;
};
Valeur valeur_entiere(const config::FichierCles& ciop, std::string_view cle, int defaut)
{
    const std::string texte = platform::trim(ciop.valeur(cle));
    if (texte.empty()) {
        return {defaut, {}};
    }
    if (const std::optional<int> n = platform::nombre_entier(texte)) {
        return {n, {}};
    }
    return {std::nullopt,
            cle_du_fichier(cle) + "« " + texte + " » n'est pas un nombre entier valide."};
}

} // namespace

std::optional<std::string> refus_des_annees(int annee, int annees)
{
    if (annee < premiere_annee_liste || annee > derniere_annee_liste) {
        return "L'année hébraïque " + std::to_string(annee) +
               " n'est pas dans la liste des années (" + std::to_string(premiere_annee_liste) +
               " à " + std::to_string(derniere_annee_liste) + ").";
    }
    const int maximum = derniere_annee_liste - annee + 1;
    if (annees < 1 || annees > maximum) {
        return "Le nombre d'années à calculer (" + std::to_string(annees) +
               ") doit être compris entre 1 et " + std::to_string(maximum) +
               " : les calculs partent de " + std::to_string(annee) +
               " et ne vont pas au-delà de " + std::to_string(derniere_annee_liste) +
               ", dernière année de la liste.";
    }
    return std::nullopt;
}

LectureCiop lit_reglages_ciop(const config::FichierCles& ciop, int annee)
{
    const ReglagesCiop defauts;
    const Valeur annees = valeur_entiere(ciop, cle_annees_ciop, defauts.annees);
    if (!annees.nombre) {
        return {std::nullopt, annees.message};
    }
    const Valeur pause = valeur_entiere(ciop, cle_pause_ciop, defauts.pause);
    if (!pause.nombre) {
        return {std::nullopt, pause.message};
    }
    if (const auto refus = refus_des_annees(annee, *annees.nombre)) {
        return {std::nullopt, cle_du_fichier(cle_annees_ciop) + *refus};
    }
    if (*pause.nombre < 0 || *pause.nombre > pause_maximale) {
        return {std::nullopt, cle_du_fichier(cle_pause_ciop) + "la pause de " +
                                  std::to_string(*pause.nombre) +
                                  " secondes doit être comprise entre 0 et " +
                                  std::to_string(pause_maximale) + " secondes."};
    }
    return {ReglagesCiop{*annees.nombre, *pause.nombre}, {}};
}

std::string texte_bouton_est_ouest(int annee, const config::FichierCles& ciop)
{
    std::string n = platform::trim(ciop.valeur(cle_annees_ciop));
    if (n.empty()) {
        n = "1";
    }
    return "Calcul est-ouest-secondes pour ciop pour " + std::to_string(annee) + "  " + n +
           " année(s)";
}

std::string TableEstOuest::etiquettes() const
{
    return "        " + std::string(position) + "      " + std::string(code_opinion);
}

std::vector<TableEstOuest> tables_de_l_annee(int annee)
{
    std::vector<TableEstOuest> tables;
    for (const Avis& a : avis) {
        for (const Position& p : positions) {
            tables.push_back({annee, a.nom, a.code, p.longitude, p.nom});
        }
    }
    return tables;
}

DemandeTable demande_est_ouest(const TableEstOuest& t)
{
    DemandeTable d;
    d.lieu = {"Paris (75)", "France", "48°52'N", std::string(t.longitude), " +1"};
    d.debut = engine::civil_de_l_hebreu({t.annee, 1, 1});
    d.fin = engine::civil_de_l_hebreu({t.annee, 13, 29});
    d.increment = 1;
    d.opinion = std::string(t.opinion);
    d.ete_jour_par_jour = true;
    d.fetes = false;
    d.date_complete = true;
    d.reference_hebraique = true;
    d.annee_reference = t.annee;
    d.etiquettes = t.etiquettes();
    return d;
}

std::string nom_fichier_est_ouest(const TableEstOuest& t)
{
    return "est_ouest_" + std::to_string(t.annee) + "_" + std::string(t.code_opinion) + "_" +
           std::string(t.position) + ".txt";
}

CalculEstOuest::CalculEstOuest(const ReglagesCiop& ciop, int annee,
                               zmanim::ZmanimSettings& reglages, const EnvironnementTable& env,
                               RappelsEstOuest rappels)
    : pause_(ciop.pause), reglages_(reglages), env_(env), rappels_(std::move(rappels))
{
    for (int a = annee; a < annee + ciop.annees; ++a) {
        for (const TableEstOuest& t : tables_de_l_annee(a)) {
            tables_.push_back(t);
        }
    }
    resultat_.derniere_annee = annee;
}

bool CalculEstOuest::pose_la_tossefet(DemandeTable& d)
{
    const std::optional<QuestionTossefet> q = question_tossefet(d.lieu, reglages_.tossefet);
    const ReponseTossefet r = q && rappels_.question ? rappels_.question(*q) : ReponseTossefet::non;
    const std::optional<TossefetRetenue> retenue = tossefet_retenue(q, r, reglages_.tossefet);
    if (!retenue) {
        return false;
    }
    if (q && r == ReponseTossefet::oui && !q->information.empty() && rappels_.information) {
        rappels_.information(q->information);
    }
    reglages_.tossefet = retenue->tossefet;
    d.sortie_marseille = retenue->sortie_marseille;
    return true;
}

bool CalculEstOuest::table_suivante()
{
    if (termine()) {
        return false;
    }
    const TableEstOuest& t = tables_[suivante_];
    resultat_.derniere_annee = t.annee;
    DemandeTable d = demande_est_ouest(t);
    if (!pose_la_tossefet(d)) {
        resultat_.annule = true;
        arrete_ = true;
        return false;
    }
    const bool rav_rottenberg = t.opinion == zmanim::avis_rav_rottenberg;
    reglages_.opinion_calcul = d.opinion;
    reglages_.affiche_secondes = true;
    reglages_.mode_rav_rottenberg = rav_rottenberg;
    LignesEnMemoire lignes;
    const ResultatTable r = calcule_table(d, reglages_, env_, lignes);
    reglages_.mode_rav_rottenberg = false;
    if (r.refuse) {
        resultat_.refuse = true;
        resultat_.message = r.message;
        arrete_ = true;
        return false;
    }
    ++suivante_;
    ++resultat_.tables;
    if (rappels_.table) {
        rappels_.table(t, lignes.lignes);
    }
    return true;
}

ResultatEstOuest calcule_est_ouest(const ReglagesCiop& ciop, int annee,
                                   zmanim::ZmanimSettings& reglages, const EnvironnementTable& env,
                                   const RappelsEstOuest& rappels)
{
    if (const auto refus = refus_des_annees(annee, ciop.annees)) {
        ResultatEstOuest r;
        r.refuse = true;
        r.message = *refus;
        r.derniere_annee = annee;
        return r;
    }
    CalculEstOuest calcul(ciop, annee, reglages, env, rappels);
    while (calcul.table_suivante()) {
        if (rappels.attente) {
            rappels.attente(calcul.pause());
        }
    }
    return calcul.resultat();
}

} // namespace orvane::tables
