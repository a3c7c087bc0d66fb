// The zmanim window without its widgets: the state of its controls, the
// moves of its year boxes (a Hebrew year sets 1 Tichri to 29 Eloul, a civil
// year 1 January to 31 December), the day choices that force the increment
// and the summer time, and the preparation of "Calcul": the checks, then the
// table request and the parameters the computation takes.
#pragma once

#include "places/place.h"
#include "tables/pesach.h"
#include "tables/table_request.h"
#include "zmanim/settings/panneau_parametres.h"

#include <array>
#include <optional>
#include <string>

namespace orvane::tables
{

/// "Tableaux", "Grilles 13 mois du 1er/30 sept", "Grilles 12 mois, 1er janv/31 déc".
enum class Grille { tableaux, treize_mois, douze_mois };

/// The year lists: the civil years from 1989, so that 30 September 1989
/// (1 Tichri 5750, the first Hebrew year of its list) can be chosen.
inline constexpr int premiere_annee_civile = 1989;
inline constexpr int derniere_annee_civile = 2100;
inline constexpr int premiere_annee_hebraique = 5750;
inline constexpr int derniere_annee_hebraique = 5860;

/// The output modes of "Calcul", in the order of their buttons.
enum class ModeSortie {
    memo,            // "Memo": the table of the window
    page_ville,      // "Page Web pour " + the city
    pages_liste,     // "Page Web selon liste de villes"
    liste_monde,     // "Web liste monde"
    livre,           // "Livre"
    livre_rt,        // "Livre RT"
    plaque_chema,    // "Lst plaq. av chéma"
    plaque,          // "Lst plaqu. ss chéma"
    liste_hamets,    // "Liste hamets (selon fic willefr.cal)"
    liste_du_jour,   // "Zemanim du jour pour liste de villes (villactu.cal)"
    toutes_latitudes // "toutes latitudes"
};

inline constexpr std::size_t nombre_de_sorties = 11;

/// The caption of a mode's button; "Page Web pour " is followed by the city.
[[nodiscard]] std::string texte_de_la_sortie(ModeSortie m, std::string_view ville);

/// The layout of a book mode ("Livre" … the plaque lists); `tableau` otherwise.
[[nodiscard]] MiseEnPage mise_en_page_de(ModeSortie m);

struct ControlesHoraires {
    /// The parameter panel: opinion, Tossefet, hour shift, angles, rounding,
    /// seconds, summer time date by date, festivals, year reference.
    zmanim::ControlesParametres parametres;
    places::Place lieu{"PARIS (75)", "France", "48°52N", "2°20E", "+1"};
    engine::DateCivile debut{2025, 1, 1};
    engine::DateCivile fin{2025, 12, 31};
    int annee_hebraique = 5785;
    int increment = 1;
    std::array<bool, 19> moments{true, true, true, true, true, true, true, true, true, true,
                                 true, true, true, true, true, true, true, true, true};
    FiltreJours filtre = FiltreJours::tous;
    Grille grille = Grille::tableaux;
    bool toutes_entrees = false; // "Affiche toutes les entrées de Chab."
    bool date_complete = true;   // " Affichage de la date complète dans le tableau"
    bool dixieme_heure = false;  // "Début de la 10 ème heure"
    bool hamets = false;         // "Heures du 'Hamets de Pessa'h"
    MethodeHamets methode_hamets = MethodeHamets::beth_din;
    bool indique_avis = false; // "Indique l'opinion sur les tables"
    std::string texte_etoiles_chema = "8";
    ModeSortie sortie = ModeSortie::memo;
    bool web = false;   // "Web": HTML pages rather than text pages
    bool actuj = false; // "Actuj": the five times of the list of the day
};

/// The Hebrew year list moved: 1 Tichri to 29 Eloul of `annee`.
void choisit_annee_hebraique(ControlesHoraires& c, int annee);

/// The civil year moved (year spin box, the reference civil): 1 January to
/// 31 December, and the Hebrew year `annee` + 3760.
void choisit_annee_civile(ControlesHoraires& c, int annee);

/// "Cette année": the current civil year or the current Hebrew year, after
/// the reference.
void cette_annee(ControlesHoraires& c, const engine::DateCivile& aujourdhui);

/// The year spin box: one year up or down in the reference calendar.
void avance_annee(ControlesHoraires& c, int pas);

/// "Calcul année civile" or "Calcul année hébr.".
[[nodiscard]] std::string texte_bouton_calcul(const ControlesHoraires& c);

/// A day choice: any choice but every day forces the increment 1 and the
/// summer time date by date; the weekly ones also the civil year of the
/// start date and the civil reference.
void choisit_filtre(ControlesHoraires& c, FiltreJours f);

/// "Tout sélectionner" / "Désélectionner".
void coche_tous_les_moments(ControlesHoraires& c, bool coche);

/// What "Calcul" computes once the checks have passed.
struct PreparationHoraires {
    std::optional<std::string> refus; // the error box, nothing computed
    DemandeTable demande;
    zmanim::ZmanimSettings reglages;
};

/// Reads the controls as "Calcul" does (the Tossefet already answered):
/// the grids' ranges, the Pesach increment check, the request and the
/// parameters.
[[nodiscard]] PreparationHoraires prepare_horaires(const ControlesHoraires& c);

} // namespace orvane::tables
