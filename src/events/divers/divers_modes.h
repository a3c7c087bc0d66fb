// The fifteen tables of the "Divers" window: for each, its title, the
// inputs it shows with their defaults, the name and folder of its saved
// file, its glossary keys and its web pages. One table holds it all, so
// that the window, the command line and the tests read the same facts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::events
{

enum class ModeDivers : std::uint8_t {
    moladot,
    levana,
    hahama,
    guechamim,
    tekoufot,
    roch_hodech,
    visites,
    visites_interdites,
    mariages,
    tableau_types,
    types_annees,
    series_61,
    tableau_cycles,
    liste_cycles,
    ceremonies_bar_mitsva,
};

inline constexpr int nombre_modes_divers = 15;

/// The inputs a mode shows (the others are hidden).
struct ControlesVisibles {
    bool annees = false;    // first Hebrew and civil year
    bool mois = false;      // the month (or season) choice
    bool nb_annees = false; // number of years
    bool increment = false; // increment between years
    bool derniere = false;  // last Hebrew and civil year
    bool coches = false;    // the two exclusive check boxes
    bool web = false;       // "Création de fichiers Web"
    bool houmra = false;    // "'Houmra de l'équation du temps"
    bool bouton_israel = false;
};

/// Where a mode's web pages go, from which templates, under which title.
struct PagesWeb {
    std::string_view dossier; // under "Orvanew/ELEMENTS/"
    std::string_view gabarit; // "fic_dm": the templates "fic_dm1.htm" and "fic_dm2.htm"
    std::string_view titre;   // "Moladot de<BR>"
};

struct DescriptionModeDivers {
    ModeDivers mode;
    std::string_view nom;   // the command line's name: "moladot", "levana" …
    std::string_view titre; // the window's title, the header's second line
    ControlesVisibles controles;
    std::string_view coche1; // captions of the two check boxes
    std::string_view coche2;
    bool coche2_par_defaut = false;
    std::vector<std::string_view> choix_mois; // the entries of the month choice
    std::string_view libelle_mois;            // "Mois hébraïques", "      Tékoufa"
    std::string_view libelle_nb_annees;       // "Nbr d'années"
    int pas_annees = 1;                       // the year inputs' step
    std::string_view prefixe_fichier;         // "MOLAD_"; the file name is fixed when empty
    std::string_view fichier_fixe;            // "SERIE_.txt"
    std::string_view dossier;                 // the save folder: "MOLAD"
    std::vector<std::string_view> cles_glossaire;
    std::optional<PagesWeb> web;
    bool paysage = false;     // printed in landscape
    bool ecrit_annees = true; // the years go to "annee_h" and "annee_c" after a computation
};

/// The fifteen modes in menu order.
[[nodiscard]] const std::array<DescriptionModeDivers, nombre_modes_divers>& modes_divers();
[[nodiscard]] const DescriptionModeDivers& description(ModeDivers mode);
/// The mode of a command-line name; nothing for an unknown name.
[[nodiscard]] std::optional<ModeDivers> mode_divers_nomme(std::string_view nom);

/// The remembered inputs of one mode (`valeurs_divers`).
struct ValeursMode {
    int premiere = 1;  // first Hebrew year
    int nb_annees = 1; // number of years (hundreds of years for the list of cycles)
    int increment = 1;
    int derniere = 0; // last Hebrew year (the grid of types, the table of cycles)
};

/// The defaults of a mode for the current Hebrew year `y` (`valeurs_par_defaut`).
[[nodiscard]] ValeursMode valeurs_par_defaut(ModeDivers mode, int y);

/// Bounds of the inputs: no loop of a table goes past them.
inline constexpr int annee_divers_max = 13759;
inline constexpr int annee_types_max = 214999;
inline constexpr int annee_hahama_max = 210169;
inline constexpr int nb_annees_max = 13759;
inline constexpr int centaines_max = 100;
[[nodiscard]] int annee_max(ModeDivers mode);
[[nodiscard]] int nb_annees_maximum(ModeDivers mode);

/// What the window's inputs hold when a table is computed.
struct EntreesDivers {
    int annee_hebr = 1;
    int annee_civile = 1;
    int derniere_hebr = 0;
    int derniere_civile = 0;
    int mois = 0; // index in the month choice
    int nb_annees = 1;
    int increment = 1;
    bool coche1 = false; // Sépharade, Diaspora, garçon
    bool houmra = true;
    bool web = false;
};

/// The inputs of a mode from its remembered values, its check boxes at
/// their opening state.
[[nodiscard]] EntreesDivers entrees_par_defaut(ModeDivers mode, const ValeursMode& v);

/// The title shown: the mode's, or for the Bar-Mitsva ceremonies of a girl
/// "TABLEAU DES CEREMONIES DE BAT-MITSVA".
[[nodiscard]] std::string titre_divers(ModeDivers mode, const EntreesDivers& e);

/// The four header lines above a table (none for the grid of types).
[[nodiscard]] std::vector<std::string> entete_divers(ModeDivers mode, const EntreesDivers& e);

/// The notes shown under the inputs of a mode.
[[nodiscard]] std::vector<std::string_view> notes_divers(ModeDivers mode);

/// "Aujourd'hui Jeu 10 Décembre 2026 = 30 Kislev 5787".
[[nodiscard]] std::string texte_aujourdhui_divers(int annee, int mois, int jour);

/// The message of a last year below the first.
inline constexpr std::string_view message_limite_inferieure =
    "Calcul impossible car l'année limite est inférieure à celle de début de calcul";
/// True when the mode has a last year and it lies below the first.
[[nodiscard]] bool limite_inferieure(ModeDivers mode, const EntreesDivers& e);

/// The proposed name of the saved file: "MOLAD_5785.txt", "MOLAD_5785_5789.txt".
[[nodiscard]] std::string nom_fichier_divers(ModeDivers mode, const EntreesDivers& e);

/// The lines as printed: three blank lines then the text; the grid of
/// types with eight spaces in front of every line.
[[nodiscard]] std::vector<std::string>
lignes_a_imprimer_divers(ModeDivers mode, const std::vector<std::string>& texte);

} // namespace orvane::events
