// The controls of the zmanim window that set the parameters, and their
// coupling rules, without any widget: the window mirrors `ControlesParametres`
// in its boxes, calls these operations when the user acts, and shows what
// they leave.
//
//   ControlesParametres c;               // as the window is created
//   choisit_opinion(c, reglages, "Bureau des Longitudes");
//   // c.refraction "36.6", c.centre_soleil, c.arrondis_2930, !c.houmra
//   choisit_opinion(c, reglages, "Or Méïr");
//   // back to "34", houmra on, centre off, halachic captions
#pragma once

#include "zmanim/format/libelles.h"
#include "zmanim/settings/parametres.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::zmanim
{

struct ControlesParametres {
    bool arrondis_2930 = false;    // "Arrondis 29/30 sec"
    bool trace = false;            // "Trace"
    bool centre_soleil = false;    // "Centre du soleil"
    bool iteration = true;         // "Itération"
    bool houmra = true;            // "Houmra - arrondis à 1/59 ou 29/30 sec"
    bool affiche_secondes = false; // "Affiche les secondes"
    bool affiche_decimal = false;  // "Affiche en décimal"
    std::string refraction = "34"; // list "Réfraction"
    int decalage_heures = 0;       // hour-shift spin box
    bool annee_civile = true;      // reference year of the range tables
    bool dates_ete = false;        // " Dates ci-dessus avec heure été / hiver"
    bool fetes = false;            // " Prise en compte des fêtes"
    std::string texte_aube{texte_aube_defaut};
    std::string texte_tephilin{texte_tephilin_defaut};
    std::string texte_etoiles{texte_etoiles_defaut};
    std::string texte_sortie{texte_sortie_defaut};
    std::string texte_nuit{texte_nuit_defaut};
    int tossefet = tossefet_diaspora; // "Tossefet entrée Chabbat", 4 to 40

    std::string opinion{"Or Méïr"}; // list "Selon l'opinion de :"
    bool panneau_actif = false;     // "ACTIVATION du choix des paramètres spécifiques" pressed
    bool halakha_en_gras = true;    // which preset label is bold
    bool angles_visibles = false;   // the five angle edits, with "Selon choix des valeurs"
    /// Angles (degrees) in force when an opinion other than "Selon choix des
    /// valeurs" was last chosen; the warning note compares against them.
    std::array<double, 5> angles_reference{degres_aube, degres_tephilin, degres_etoiles,
                                           degres_sortie, degres_nuit};
    AffichageMoments moments = affichage_moments(false);
};

/// Copies the window's controls into the parameters: the flags, the
/// refraction, the hour shift, " Dates ci-dessus avec heure été / hiver",
/// the year reference, the five angle texts and the Tossefet; " Prise en
/// compte des fêtes" and "Affiche en décimal" only when `complet` (at
/// start-up they stay off).
void copie_parametres(const ControlesParametres& c, ZmanimSettings& reglages, bool complet = true);

/// "Arrondis 29/30 sec" and the houmra box exclude each other: checking one
/// unchecks the other, unchecking one checks the other.
void coche_arrondis_2930(ControlesParametres& c, bool coche);
void coche_houmra(ControlesParametres& c, bool coche);

/// True while "Affiche les secondes" disables the two rounding boxes and the
/// "Tableaux 14 colonnes" button.
[[nodiscard]] inline bool arrondis_desactives(const ControlesParametres& c)
{
    return c.affiche_secondes;
}

/// The halachic way of computing and writing the times, one rule for the
/// checks of the parameter panel and for the settings of the day page, which
/// hold the same fields: each time rounded to the minute towards stringency
/// (houmra) rather than at 29/30 seconds, the sun's upper limb rather than
/// its centre, with 34′ of refraction, each event evaluated at its own
/// instant (iteration), and no seconds, decimal line or trace.
template <class Reglages>
void applique_halakha(Reglages& r)
{
    r.affiche_secondes = false;
    r.affiche_decimal = false;
    r.houmra = true;
    r.arrondis_2930 = false;
    r.trace = false;
    r.centre_soleil = false;
    r.iteration = true;
    r.refraction = "34";
}

/// The checks of " à la HALAKHA " (`applique_halakha`, the halakha label in
/// bold); then copied.
void preset_halakha(ControlesParametres& c, ZmanimSettings& reglages);

/// The checks of "      au B d L      ": 29/30, centre and iteration on,
/// houmra, trace, seconds and decimal off, refraction "36.6"; then copied.
void preset_bdl(ControlesParametres& c, ZmanimSettings& reglages);

/// The state of the controls when the window is created, from the opinion
/// saved for it: the "Bureau des Longitudes" checks, or the halachic ones.
void etat_initial(ControlesParametres& c, std::string_view opinion_sauvee);

/// A new choice of opinion: the checks, refraction, captions and hints of
/// its family, the angle edits shown for "Selon choix des valeurs", then a
/// full copy into the parameters (`opinion_calcul` takes the name).
void choisit_opinion(ControlesParametres& c, ZmanimSettings& reglages, std::string_view opinion);

/// Caption of the activation button, pressed or not.
[[nodiscard]] std::string_view texte_bouton_activation(bool actif);

/// True while one of the five typed angles, read as numbers, differs from
/// the angles in force when another opinion was last chosen. A text that is
/// not a number counts as different.
[[nodiscard]] bool angles_hors_opinion(const ControlesParametres& c);

/// The eight lines of the warning note shown meanwhile.
[[nodiscard]] std::array<std::string, 8> note_angles_modifies();

/// The "déf" buttons and the warning note: the default texts written back.
void retablit_angles_defaut(ControlesParametres& c, const TextesAnglesDefaut& defauts);

} // namespace orvane::zmanim
