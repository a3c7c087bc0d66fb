// The text version of the day page, saved in the folder "PAGEACCUEIL" and
// printed: the special day, the date, the clock, the texts of the day, the
// next anniversaries, the Bar-Mitsva date, the characteristics of the year,
// the place with the times of the day, and the important days of the year.
#pragma once

#include "places/place.h"

#include <string>
#include <vector>

namespace orvane::shell
{

/// Longest heading line of the page; the heading of the important days may
/// run to 90 characters.
inline constexpr std::size_t largeur_titre_page = 80;
inline constexpr std::size_t largeur_titre_jours_importants = 90;

/// What the page is built from: the contents of the main window.
struct ContenuPageDuJour {
    std::string nom_jour_special; // the name of a special day, or empty
    std::string date_civile;      // "Vendredi  21  Juin 2024"
    std::string date_hebraique;   // "Vendredi  15  Sivan   5784"
    std::string ligne_horloge;    // the clock line; empty: no line
    /// The texts of the day in order: the two lines of the day, the Sabbath
    /// line, the other labels; an empty text gives no line.
    std::vector<std::string> libelles_jour;
    int nombre_anniversaires = 0;
    std::vector<std::string> anniversaires; // the lines of the list
    bool fille = false;                     // Bat-Mitsva instead of Bar-Mitsva
    std::string ligne_bar_mitsva;
    std::string ligne_chabbat_bar_mitsva;
    int annee_hebr = 0;
    std::vector<std::string> caracteristiques; // the characteristic lines
    places::Place lieu;
    double correction_ete = 0;
    int jour = 0; // civil day and month of the times
    int mois = 0;
    std::string opinion;
    std::vector<std::string> horaires;      // the lines of the times list
    std::vector<std::string> heures_saison; // the two seasonal-hour lines
    std::vector<std::string> durees;        // the four lengths
    bool diaspora = true;
    std::vector<std::string> jours_importants; // the important days of the year
};

/// The lines of the page (`page_du_jour`).
[[nodiscard]] std::vector<std::string> page_du_jour(const ContenuPageDuJour& c);

/// A heading: the text followed by dashes up to `largeur` characters (cut
/// there when longer).
[[nodiscard]] std::string ligne_titre(std::string_view texte,
                                      std::size_t largeur = largeur_titre_page);

/// A correction of summer time as the page writes it: "1", "0", "0.5".
[[nodiscard]] std::string texte_correction(double correction);

} // namespace orvane::shell
