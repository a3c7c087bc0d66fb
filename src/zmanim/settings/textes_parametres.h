// Captions and hints of the controls of the zmanim window that set the
// parameters, as the window shows them (\r breaks a hint into lines).
#pragma once

#include "zmanim/settings/parametres.h"

#include <array>
#include <string_view>

namespace orvane::zmanim
{

inline constexpr std::string_view legende_arrondis_2930 = "Arrondis 29/30 sec";
inline constexpr std::string_view legende_trace = "Trace";
inline constexpr std::string_view legende_centre_soleil = "Centre du soleil";
inline constexpr std::string_view legende_iteration = "Itération";
inline constexpr std::string_view legende_houmra = "Houmra - arrondis à 1/59 ou 29/30 sec";
inline constexpr std::string_view legende_secondes = "Affiche les secondes";
inline constexpr std::string_view legende_decimal = "Affiche en décimal";
inline constexpr std::string_view legende_tossefet = "Tossefet entrée Chabbat";
inline constexpr std::string_view legende_choix_conformes = "Choix conformes";
inline constexpr std::string_view legende_preset_halakha = " à la HALAKHA ";
inline constexpr std::string_view legende_preset_bdl = "      au B d L      ";

/// Limits of the Tossefet box, in minutes, and the value of its "déf" button.
inline constexpr int tossefet_min = 4;
inline constexpr int tossefet_max = 40;
inline constexpr int tossefet_defaut = tossefet_diaspora;

inline constexpr std::string_view aide_secondes =
    "Résultats avec les secondes.\rIl n'y a pas d'arrondis à la minute.";
inline constexpr std::string_view aide_houmra =
    "Arrondis à la minute.\rSelon la houmra, minute supérieure dès 1 ou 30 sec, minute "
    "inférieure jusqu'à 29 ou 59 sec\rCeci est la HALAKHA. Cocher ici pour tableau exploitable "
    "quotidiennement.";
inline constexpr std::string_view aide_arrondis_2930 =
    "Arrondis à la minute supérieure ou inférieure\rpour tous les horaires, sans aucune "
    "'houmra.\r29 sec : minute inférieure et 30 sec : minute supérieure.";
inline constexpr std::string_view aide_centre_soleil =
    "Pour la HALAKHA, c'est le bord du soleil et non le centre\rCette case ne doit donc pas être "
    "cochée. Si l'on veut le centre du soleil\rpour des calculs, astronomiques, cocher cette case";
inline constexpr std::string_view aide_refraction =
    "Pour la HALAKHA, choisir généralement une réfraction de 34.\rCeci va dans le sens de la "
    "houmra. Pour des calculs astronomiques,\r il est habituel de retenir une réfraction de 36.6 "
    "minutes d'angle";
inline constexpr std::string_view aide_iteration =
    "Cette case doit toujours être cochée. Ne pas invalider autrement les résultats seront "
    "approximatifs.";
inline constexpr std::string_view aide_decalage_heures =
    "Cette valeur doit être à zéro.\rIl est possible d'ajouter 1 heure par exemple à "
    "l'ensemble\rdes calculs. Mais, attention! cette heure est ajoutée dans\rtoute la grille, été "
    "comme hiver.";
inline constexpr std::string_view aide_panneau =
    "Les paramètres de calcul sont modifiables lorsque ce panneau est actif.\rCeci permet à "
    "l'utilisateur d'observer l'effet de certains phénomènes sur\rles horaires. Toutefois, il "
    "n'est pas conseilléd'en faire usage sans en connaitre la portée.";
inline constexpr std::string_view aide_preset_halakha =
    "Cliquez ici pour rétablir les valeurs ci-contre conformes à la HALAKHA";
inline constexpr std::string_view aide_preset_bdl =
    "Cliquez ici pour rétablir les valeurs ci-contre conformes au Bureau des  Longitudes";

/// Hints of the five "déf" buttons: dawn, tefillin, stars, exit, night.
inline constexpr std::array<std::string_view, 5> aides_defaut = {
    "Valeur par défaut pour l'aube", "Valeur par défaut pour le début du Chéma",
    "Valeur par défaut pour la sortie des étoiles", "Valeur par défaut pour la sortie du Chabbat",
    "Valeur par défaut pour la nuit"};

/// The items of the list "Réfraction" (any text the angle reader accepts
/// may be typed as well).
inline constexpr std::array<std::string_view, 57> choix_refraction = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",    "7",  "8",  "9",  "10", "11", "12", "13", "14",
    "15", "16", "17", "18", "19", "20", "21",   "22", "23", "24", "25", "26", "27", "28", "29",
    "30", "31", "32", "33", "34", "35", "36.6", "30", "31", "32", "33", "35", "36", "37", "38",
    "39", "40", "41", "42", "43", "44", "45",   "46", "47", "48", "49", "50"};

} // namespace orvane::zmanim
