#include "zmanim/settings/panneau_parametres.h"

#include "places/angle.h"
#include "zmanim/settings/opinions.h"

#include <cmath>

namespace orvane::zmanim
{

namespace
{

void coches_halakha(ControlesParametres& c)
{
    applique_halakha(c);
    c.halakha_en_gras = true;
}

void coches_bdl(ControlesParametres& c)
{
    c.arrondis_2930 = true;
    c.trace = false;
    c.centre_soleil = true;
    c.iteration = true;
    c.houmra = false;
    c.affiche_secondes = false;
    c.affiche_decimal = false;
    c.refraction = "36.6";
    c.halakha_en_gras = false;
}

/// The five typed texts read as degrees; NaN for a text that does not read.
std::array<double, 5> angles_saisis(const ControlesParametres& c)
{
    const std::array<const std::string*, 5> textes = {
        &c.texte_aube, &c.texte_tephilin, &c.texte_etoiles, &c.texte_sortie, &c.texte_nuit};
    std::array<double, 5> degres{};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        try {
            degres[i] = places::lit_angle(*textes[i], places::UniteAngle::degres);
        } catch (const places::ErreurConversion&) {
            degres[i] = std::nan("");
        }
    }
    return degres;
}

} // namespace

void copie_parametres(const ControlesParametres& c, ZmanimSettings& reglages, bool complet)
{
    reglages.arrondis_2930 = c.arrondis_2930;
    reglages.trace = c.trace;
    reglages.centre_soleil = c.centre_soleil;
    reglages.iteration = c.iteration;
    reglages.houmra = c.houmra;
    reglages.affiche_secondes = c.affiche_secondes;
    reglages.refraction = c.refraction;
    reglages.decalage_heures = c.decalage_heures;
    reglages.dates_ete = c.dates_ete;
    reglages.annee_civile = c.annee_civile;
    reglages.annee_hebraique = !c.annee_civile;
    reglages.texte_aube = c.texte_aube;
    reglages.texte_tephilin = c.texte_tephilin;
    reglages.texte_etoiles = c.texte_etoiles;
    reglages.texte_sortie = c.texte_sortie;
    reglages.texte_nuit = c.texte_nuit;
    reglages.tossefet = c.tossefet;
    if (complet) {
        reglages.fetes = c.fetes;
        reglages.affiche_decimal = c.affiche_decimal;
    }
}

void coche_arrondis_2930(ControlesParametres& c, bool coche)
{
    c.arrondis_2930 = coche;
    c.houmra = !coche;
}

void coche_houmra(ControlesParametres& c, bool coche)
{
    c.houmra = coche;
    c.arrondis_2930 = !coche;
}

void preset_halakha(ControlesParametres& c, ZmanimSettings& reglages)
{
    coches_halakha(c);
    copie_parametres(c, reglages);
}

void preset_bdl(ControlesParametres& c, ZmanimSettings& reglages)
{
    coches_bdl(c);
    copie_parametres(c, reglages);
}

void etat_initial(ControlesParametres& c, std::string_view opinion_sauvee)
{
    c.opinion = opinion_sauvee;
    if (opinion_sauvee == avis_bdl) {
        coches_bdl(c);
    } else {
        coches_halakha(c);
    }
    c.moments = affichage_moments(opinion_sauvee == avis_bdl);
    c.angles_visibles = opinion_sauvee == avis_selon_choix;
}

void choisit_opinion(ControlesParametres& c, ZmanimSettings& reglages, std::string_view opinion)
{
    const bool selon_choix = opinion == avis_selon_choix;
    if (!selon_choix) {
        const std::array<double, 5> en_vigueur = angles_saisis(c);
        for (std::size_t i = 0; i < en_vigueur.size(); ++i) {
            if (std::isfinite(en_vigueur[i])) {
                c.angles_reference[i] = en_vigueur[i];
            }
        }
    }
    c.opinion = opinion;
    reglages.opinion_calcul = opinion;
    c.angles_visibles = selon_choix;
    const bool bdl = opinion == avis_bdl;
    if (bdl) {
        coches_bdl(c);
    } else {
        coches_halakha(c);
    }
    c.moments = affichage_moments(bdl);
    copie_parametres(c, reglages, true);
}

std::string_view texte_bouton_activation(bool actif)
{
    return actif ? "DESACTIVATION du choix des paramètres" : "ACTIVATION du choix des paramètres";
}

bool angles_hors_opinion(const ControlesParametres& c)
{
    const std::array<double, 5> saisis = angles_saisis(c);
    for (std::size_t i = 0; i < saisis.size(); ++i) {
        if (!(saisis[i] == c.angles_reference[i])) {
            return true;
        }
    }
    return false;
}

std::array<std::string, 8> note_angles_modifies()
{
    return {"ATTENTION ! ", "Une ou plusieurs", "valeurs ne suivent ", "pas l'opinion du",
            "''Or Méïr\".", "Pour revenir aux", "valeurs par défaut,", "cliquer ici."};
}

void retablit_angles_defaut(ControlesParametres& c, const TextesAnglesDefaut& defauts)
{
    c.texte_aube = defauts.aube;
    c.texte_tephilin = defauts.tephilin;
    c.texte_etoiles = defauts.etoiles;
    c.texte_sortie = defauts.sortie;
    c.texte_nuit = defauts.nuit;
}

} // namespace orvane::zmanim
