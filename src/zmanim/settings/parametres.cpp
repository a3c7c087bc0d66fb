#include "zmanim/settings/parametres.h"

#include "places/angle.h"
#include "platform/text.h"
#include "zmanim/sun/soleil.h"

#include <cmath>

namespace orvane::zmanim
{

void initialise_angles(ZmanimSettings& reglages)
{
    reglages.defauts = TextesAnglesDefaut{};
    if (reglages.mode_rav_rottenberg) {
        reglages.defauts.etoiles = texte_etoiles_rav_rottenberg;
    }
}

SinusAngles sinus_par_defaut(bool mode_rav_rottenberg)
{
    SinusAngles s;
    s.lever_coucher = sinus_lever_coucher(refraction_defaut, false);
    s.aube = sinus_depression(degres_aube);
    s.tephilin = sinus_depression(degres_tephilin);
    s.etoiles =
        sinus_depression(mode_rav_rottenberg ? degres_etoiles_rav_rottenberg : degres_etoiles);
    s.etoiles_chema = sinus_depression(degres_etoiles_chema);
    s.sortie = sinus_depression(degres_sortie);
    s.nuit = sinus_depression(degres_nuit);
    s.pavee = sinus_depression(degres_etoiles_pavee);
    s.rav_rottenberg = sinus_depression(degres_etoiles_rav_rottenberg);
    s.admour = sinus_depression(degres_admour);
    s.admour_chema = sinus_depression(degres_admour_chema);
    s.marseille = sinus_depression(angle_sortie_marseille);
    s.civil = sinus_depression(degres_crepuscule_civil);
    s.nautique = sinus_depression(degres_crepuscule_nautique);
    s.astronomique = sinus_depression(degres_crepuscule_astronomique);
    return s;
}

std::optional<double> angle_en_degres(std::string_view texte)
{
    try {
        const double degres = places::lit_angle(texte, places::UniteAngle::degres);
        if (std::isfinite(degres)) {
            return degres;
        }
    } catch (const places::ErreurConversion&) {
    }
    return std::nullopt;
}

std::string message_angle_illisible(std::string_view texte, std::string_view pour)
{
    return "La valeur \"" + std::string(texte) + "\" choisie pour " + std::string(pour) +
           " n'est pas un angle.\rExemples : 16.1 ou 16°06 (degrés sous l'horizon).";
}

namespace
{

/// One typed angle read in degrees into `sinus`; false with a message naming
/// the time it sets when the text is not an angle.
bool lit_angle_choisi(const std::string& texte, std::string_view pour, double& sinus,
                      std::string& erreur)
{
    const std::optional<double> degres = angle_en_degres(texte);
    if (!degres) {
        erreur = message_angle_illisible(texte, pour);
        return false;
    }
    sinus = sinus_depression(*degres);
    return true;
}

} // namespace

SinusChoisis sinus_choisis(const ZmanimSettings& reglages, SinusAngles base)
{
    SinusChoisis r;
    if (lit_angle_choisi(reglages.texte_aube, "l'aube", base.aube, r.erreur) &&
        lit_angle_choisi(reglages.texte_tephilin, "le début du Chéma", base.tephilin, r.erreur) &&
        lit_angle_choisi(reglages.texte_etoiles, "la sortie des étoiles", base.etoiles, r.erreur) &&
        lit_angle_choisi(reglages.texte_sortie, "la sortie du Chabbat", base.sortie, r.erreur) &&
        lit_angle_choisi(reglages.texte_nuit, "la nuit", base.nuit, r.erreur)) {
        r.sinus = base;
    }
    return r;
}

ReglesArrondi regles_arrondi(const ZmanimSettings& reglages)
{
    ReglesArrondi r;
    r.houmra = reglages.houmra;
    r.arrondis_2930 = reglages.arrondis_2930;
    r.affiche_secondes = reglages.affiche_secondes;
    r.rav_rottenberg = reglages.mode_rav_rottenberg || reglages.opinion_calcul == "Rav Rottenberg";
    r.decalage_heures = reglages.decalage_heures;
    return r;
}

TossefetDuLieu tossefet_du_lieu(std::string_view pays, std::string_view ville)
{
    TossefetDuLieu t;
    if (platform::left(pays, 6) == "Israël") {
        t = {tossefet_israel, false};
    }
    const std::string debut_ville = platform::left(ville, 9);
    if (debut_ville == "JERUSALEM" || debut_ville == "Jérusalem") {
        t = {tossefet_jerusalem, false};
    }
    return t;
}

void applique_tossefet(ZmanimSettings& reglages, std::string_view pays, std::string_view ville)
{
    const TossefetDuLieu t = tossefet_du_lieu(pays, ville);
    reglages.tossefet = t.tossefet;
    reglages.diaspora = t.diaspora;
}

} // namespace orvane::zmanim
