// What one zmanim table is asked for: the place, the range of dates, the
// choice of days and columns, the layout and the options of the window.
#pragma once

#include "engine/dates.h"
#include "places/place.h"
#include "tables/columns.h"
#include "tables/day_filter.h"

#include <string>

namespace orvane::tables
{

/// Where the rows go: the single table and the books (a tab between the
/// cells), the web pages (two blanks), the text pages of the city lists.
enum class Sortie { memo, web, liste };

struct DemandeTable {
    places::Place lieu{"PARIS (75)", "France", "48°52N", "2°20E", "+1"};
    engine::DateCivile debut{2025, 1, 1};
    engine::DateCivile fin{2025, 12, 31};
    int increment = 1; // days between two rows, 1 to 31
    std::string opinion = "Or Méïr";
    FiltreJours filtre = FiltreJours::tous;
    MiseEnPage mise_en_page = MiseEnPage::tableau;
    Sortie sortie = Sortie::memo;
    bool ete_jour_par_jour = false;   // " Dates ci-dessus avec heure été / hiver"
    bool fetes = false;               // " Prise en compte des fêtes"
    bool date_complete = true;        // " Affichage de la date complète dans le tableau"
    bool reference_hebraique = false; // " Calcul de l'année hébraïque"
    int annee_reference = 2025;       // the year of the year list (civil or Hebrew)
    bool indique_avis = false;        // "Indique l'opinion sur les tables"
    bool toutes_entrees = false;      // "Affiche toutes les entrées de Chab."
    bool grille_mois = false;         // a 12- or 13-month grid
    bool dixieme_heure = false;       // "Début de la 10 ème heure"
    bool sortie_marseille = false;    // the Beth Din of Marseille's 7.35° exit
    std::string texte_etoiles_chema = "8";
    /// Tags of the east-west run appended to the place line ("        CENTRE"
    /// and "      OM" …); empty otherwise.
    std::string etiquettes;
    /// The "Site" prefix of the program's options: the image links of the
    /// web pages.
    std::string prefixe_site;
    /// The world list: no year in the month titles of its pages.
    bool liste_monde = false;
};

/// Diaspora rules unless the country's first six letters are "Israël".
[[nodiscard]] bool en_diaspora(const DemandeTable& d);

/// Whether the days that begin or end a day of rest are marked, so that the
/// entry and exit cells show only on them.
[[nodiscard]] bool marque_entrees_sorties(const DemandeTable& d);

/// The separator between the cells of a row.
[[nodiscard]] std::string_view separateur(const DemandeTable& d);

} // namespace orvane::tables
