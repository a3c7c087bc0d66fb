// The events window without its widgets: an event entered by its civil or
// its Hebrew date, the other date computed, its texts, and the list of its
// next anniversaries by the Hebrew calendar; the saved file, the printed
// page and the sheet of the direct printing.
//
//   SaisieEvenement s;
//   s.date_civile = "13/03/2025";
//   calcule_evenement(s, {2025, 1, 5}).anniversaires[0]
//   // "Jeudi    13    Mars   2025 ---> 13 Adar      5785"
#pragma once

#include "engine/dates.h"

#include <string>
#include <vector>

namespace orvane::records
{

/// What the window holds of an event.
struct SaisieEvenement {
    std::string titre;
    std::string date_civile;    // "jj/mm/aaaa"
    std::string date_hebraique; // "jj/mm/aaaa", months 1 Tichri .. 13 Eloul
    std::vector<std::string> commentaire;
    bool plusieurs_annees = false;
    int nb_annees = 1; // 1..1000
    int increment = 1;
};

/// Which edit takes the focus after an error.
enum class ChampEvenement { aucun, date_civile, date_hebraique };

/// What "Calcul" gives.
struct CalculEvenement {
    std::string erreur; // empty when the computation went through
    ChampEvenement focus = ChampEvenement::aucun;
    std::string date_civile; // the two edits as rewritten
    std::string date_hebraique;
    std::string texte_civil;  // "Jeudi    13 Mars 2025"
    std::string texte_hebreu; // "Jeudi     13 Adar    5785 "
    std::vector<std::string> anniversaires;
};

/// The computation of the window (`calcule_evenement`) for today's civil
/// date: the civil date decides when both are typed; each anniversary is
/// carried from the event's own day and month by the rules of the
/// anniversaries, from the first one today or later, and the list stops at
/// the last year the calendar converts.
[[nodiscard]] CalculEvenement calcule_evenement(const SaisieEvenement& saisie,
                                                engine::DateCivile aujourdhui);

/// The proposed name of the saved file: the title with " * , . /" made "_",
/// its first 8 characters, ".txt"; "EVENT.txt" for an empty title.
[[nodiscard]] std::string nom_fichier_evenement(std::string_view titre);

/// The lines of the saved file.
[[nodiscard]] std::vector<std::string> lignes_evenement(const SaisieEvenement& saisie,
                                                        const CalculEvenement& calcul);

/// The lines of "Imprimer": four blank lines, then the sheet with a margin
/// of eight blanks.
[[nodiscard]] std::vector<std::string> lignes_impression_evenement(const SaisieEvenement& saisie,
                                                                   const CalculEvenement& calcul);

/// The sheet of the direct printing, between the lines of "fonddeb.txt"
/// and "fondfin.txt", every line after eight blanks.
[[nodiscard]] std::vector<std::string>
lignes_impression_directe(const SaisieEvenement& saisie, const CalculEvenement& calcul,
                          const std::vector<std::string>& debut,
                          const std::vector<std::string>& fin);

/// The closing question of the window.
inline constexpr std::string_view question_fermeture_evenement =
    "Le résultat est en attente\rFaut-il le sauver dans un fichier ?";

} // namespace orvane::records
