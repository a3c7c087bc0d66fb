// The times that a year page gives for a day: sunrise and sunset, then the
// moment of the day that matters (the entry or exit of the Sabbath or of a
// festival, the beginning and end of a fast), short on the day line and
// spelt out in the export line, with the table of all the day's times at
// the end of the export line.
//
// The legend of the page explains the marks: E. entry, S. exit, D. beginning
// and F. end of a fast, Ch Chabbat, TY Yom Tov, RH Roch-Hachana, Ki Kippour.
//
//   " 08:44 17:06 E.Ch16:48"   Friday 3 January 2025 at Paris
//   " 08:44 17:07 S.Ch18:01"   Saturday 4 January
//   " 08:43 D.07:01 F.17:52"   a minor fast: from dawn to the stars
//   " D.07:00 E.Ch16:57"       a fast on a Friday, which the Sabbath ends
#pragma once

#include "documents/calendar_day.h"
#include "documents/year_notes.h"
#include "zmanim/day/day_times.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// What the evening and the day are: read from the days of rest and the
/// fasts of the notes.
struct MomentsDuJour {
    std::string entree; // kind of the rest day that begins this evening ("Ch", "TY", "RH", "Ki")
    std::string sortie; // kind of the rest day that ends this evening
    bool apres_repos = false;  // the entry follows a day of rest: lit after its exit
    bool jeune_mineur = false; // a fast from dawn to the stars
    bool fin_jeune = false;    // 9 Av: the fast ends at the stars
    bool debut_jeune = false;  // the eve of 9 Av: the fast begins at sunset
};

/// The moments of `jour` (its weekday included).
[[nodiscard]] MomentsDuJour moments_du_jour(const JourCalendrier& jour,
                                            const NotesDesAnnees& notes);

/// The times text of the day line, at most 22 characters; on a polar day the
/// polar message.
[[nodiscard]] std::string texte_horaires_ligne(const zmanim::DayTimes& t, const MomentsDuJour& m);

/// A moment of the day with its time: "Entrée Chabbat" at 16:48.
struct MomentHoraire {
    std::string libelle; // "Entrée Chabbat", "Sortie Kippour", "Début du jeûne", "Fin du jeûne"
    zmanim::TexteHoraire heure;
    [[nodiscard]] bool est_debut() const; // an entry, or the beginning of a fast
};

/// The moments of the day in the order of the export line (none on a polar
/// day).
[[nodiscard]] std::vector<MomentHoraire> moments_horaires(const zmanim::DayTimes& t,
                                                          const MomentsDuJour& m);

/// The export items of the moments: "Entrée Chabbat 16.48", "Sortie Kippour
/// 18.52", "Début du jeûne 07.01", "Fin du jeûne 17.52".
[[nodiscard]] std::vector<std::string> elements_horaires(const zmanim::DayTimes& t,
                                                         const MomentsDuJour& m);

/// The columns of the table of times at the end of an export line: their
/// titles and the slots they read.
struct ColonneExport {
    std::string_view titre;
    std::string_view jeton;
};
inline constexpr std::array<ColonneExport, 16> colonnes_export = {{
    {"Aube", "heureA"},
    {"Début", "heureT"},
    {"L.sol", "heureL"},
    {"Chéma1", "heureCH1"},
    {"Chéma2", "heureCH2"},
    {"Téph1", "heureTA1"},
    {"Téph2", "heureTA2"},
    {"Mijour", "heureH"},
    {"Min.Gué", "heureMG"},
    {"Min.Két", "heureMK"},
    {"Plag", "heureP"},
    {"E.Ch", "entree_chabbat"},
    {"C.sol", "heureC"},
    {"Etoiles", "heureTSE"},
    {"S.Ch", "heureSOR"},
    {"Nuit", "heureN"},
}};

/// The times of the columns, "07.01", each after a tab ("--.--" for a slot
/// the day has not; nothing on a polar day but the message).
[[nodiscard]] std::string colonnes_horaires(const zmanim::DayTimes& t);

/// "hh:mm" of a slot on two digits each, "--:--" when it has no time.
[[nodiscard]] std::string heure_courte(const zmanim::TexteHoraire& h, char separateur = ':');

} // namespace orvane::documents
