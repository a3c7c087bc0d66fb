// The texts of the festivals window ("Date des fêtes de l'année") for one
// Hebrew year: the list of festivals and fasts with its heading, and the
// characteristics of the year. The window runs it year after year, and so
// do the command line and the consistory files.
#pragma once

#include "events/festivals/festival_lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::events
{

/// The three modes of the window.
enum class ModeFetes { fetes, jeunes, fetes_et_jeunes };

/// "FÊTES JUIVES", "JEÛNES JUIFS", "FÊTES et JEÛNES JUIFS".
[[nodiscard]] std::string_view titre_mode_fetes(ModeFetes mode);

/// What a run of the window asks.
struct DemandeFetes {
    ModeFetes mode = ModeFetes::fetes_et_jeunes;
    bool diaspora = true;
    bool consistoire = false;       // the eves of Kippour and 'Hanouka too
    std::string selection = "Tous"; // item of the name list
};

/// The texts of one year.
struct TexteAnneeFetes {
    std::vector<std::string> lignes;           // first text area
    std::vector<std::string> caracteristiques; // second text area
    std::vector<EntreeDatee> entrees;          // the entries kept, with their dates
};

/// The texts of Hebrew year `annee`: its list, its characteristics and the
/// dates of its entries, all in one calendar record of their own.
[[nodiscard]] TexteAnneeFetes texte_annee_fetes(int annee, const DemandeFetes& demande);

/// File name proposed by "Enregistrer": "FETES_5785.txt",
/// "JEUNES_5785_5790.txt", "FETES-JEUNES_5785.txt" …
[[nodiscard]] std::string nom_fichier_fetes(ModeFetes mode, int premiere, int derniere);

/// Output folder of the mode: "FETES", "JEUNES", "FETEJEUN".
[[nodiscard]] std::string_view dossier_fetes(ModeFetes mode);

/// The lines that "Imprimer" prints: four blank lines, then every line of
/// the two text areas after four spaces.
[[nodiscard]] std::vector<std::string>
lignes_a_imprimer_fetes(const std::vector<std::string>& liste,
                        const std::vector<std::string>& caracteristiques);

/// Hebrew year of a civil date as the year windows take it: civil year +
/// 3760, + 3761 from September.
[[nodiscard]] int annee_hebraique_du_jour(int annee_civile, int mois_civil);

/// Civil year that the year windows show beside Hebrew year `annee`
/// (annee − 3760, one less up to 3760 since there is no year 0).
[[nodiscard]] int annee_civile_affichee(int annee_hebr);

/// Hebrew year for a civil year typed beside it: civile + 3760, or
/// civile + 3761 before the era (−1 is the year of 3760). A civil year 0,
/// which does not exist, is the spin box stepping across it: to 3761 when
/// the Hebrew year shown before was 3760 or less, to 3760 otherwise.
[[nodiscard]] int annee_hebr_de_la_civile(int annee_civile, int annee_hebr_avant);

} // namespace orvane::events
