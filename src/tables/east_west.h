// The consistory's east-west tables to the second: for one or more Hebrew
// years, the year's table of Paris at the centre of the town (02°20'E), at
// its western end (02°15'E) and at its eastern end (02°25'E), after the
// opinions "Or Méïr" and "Rav Rottenberg": six tables a year. Five minutes of
// arc of longitude are twenty seconds of time, so the three tables differ by
// about twenty seconds in every time of the day, which only a table with
// seconds can show.
//
// The number of years and the pause after each table come from
// "config_ciop.txt". The run is a sequence of tables: each is handed to the
// caller (the window exports it to the spreadsheet), who then waits the
// pause; the library itself never sleeps.
//
//   const LectureCiop l = lit_reglages_ciop(donnees.config_ciop, 5785);
//   RappelsEstOuest rappels;
//   rappels.table = [&](const TableEstOuest& t, const std::vector<std::string>& lignes) {...};
//   rappels.attente = [&](int secondes) {...};
//   calcule_est_ouest(*l.reglages, 5785, reglages, env, rappels);
//   // 5785 "Or Méïr" CENTRE, OUEST, EST, then "Rav Rottenberg" CENTRE, OUEST, EST
#pragma once

#include "config/config.h"
#include "tables/range_table.h"
#include "tables/tossefet_questions.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::tables
{

inline constexpr std::string_view cle_annees_ciop = "Nbr_annees_a_calculer_ciop";
inline constexpr std::string_view cle_pause_ciop = "Calculs_horaires_est_ouest_secondes_ciop";

/// The years of the Hebrew-year list of the zmanim window.
inline constexpr int premiere_annee_liste = 5750;
inline constexpr int derniere_annee_liste = 5860;

/// Longest pause accepted after a table, seconds (an hour).
inline constexpr int pause_maximale = 3600;

/// What "config_ciop.txt" decides for the run.
struct ReglagesCiop {
    int annees = 1; // Hebrew years computed, from the year of the list
    int pause = 30; // seconds to wait after each table
};

/// The settings, or the French message that refuses them (nothing is
/// computed then).
struct LectureCiop {
    std::optional<ReglagesCiop> reglages;
    std::string message;
};

/// Reads both keys for a run from Hebrew year `annee`: an absent or empty
/// key takes its default (1 year, 30 seconds). A value that is not a whole
/// number, a pause outside 0..3600 seconds, or a number of years that is
/// below 1 or goes past the last year of the list are refused with a message
/// naming the key and the file.
[[nodiscard]] LectureCiop lit_reglages_ciop(const config::FichierCles& ciop, int annee);

/// Why `annees` years from `annee` cannot be computed: a year outside the
/// list (5750 to 5860), fewer than one year, or years past 5860; nothing
/// when they can.
[[nodiscard]] std::optional<std::string> refus_des_annees(int annee, int annees);

/// The caption of the button for the Hebrew year of the list, the number of
/// years read again from the file ("1" when absent).
[[nodiscard]] std::string texte_bouton_est_ouest(int annee, const config::FichierCles& ciop);

/// One table of the run.
struct TableEstOuest {
    int annee = 0;                                // Hebrew year
    std::string_view opinion;                     // "Or Méïr" or "Rav Rottenberg"
    std::string_view code_opinion;                // "OM" or "CIOP"
    std::string_view longitude;                   // "02°20'E", "02°15'E" or "02°25'E"
    std::string_view position;                    // "CENTRE", "OUEST" or "EST"
    [[nodiscard]] std::string etiquettes() const; // "        CENTRE      OM"
};

/// The six tables of a year in the order they are computed: "Or Méïr" at
/// the centre, the west and the east, then "Rav Rottenberg" likewise.
[[nodiscard]] std::vector<TableEstOuest> tables_de_l_annee(int annee);

/// The request of a table: Paris, 1 Tichri to 29 Eloul of the year with the
/// Hebrew date first, summer time date by date, no festivals, the full date,
/// every day, and the tags on the place line.
[[nodiscard]] DemandeTable demande_est_ouest(const TableEstOuest& t);

/// "est_ouest_5785_OM_CENTRE.txt": a file name for a table.
[[nodiscard]] std::string nom_fichier_est_ouest(const TableEstOuest& t);

/// What the run asks of its caller.
struct RappelsEstOuest {
    /// Yes / No / Cancel to the Tossefet question of a table; without it the
    /// answer is No (the box's value). Cancel stops the run.
    std::function<ReponseTossefet(const QuestionTossefet&)> question;
    /// The note shown after a Yes that brings one.
    std::function<void(const std::string&)> information;
    /// A finished table: which one, and its lines as "zemanim.txt" holds them.
    std::function<void(const TableEstOuest&, const std::vector<std::string>&)> table;
    /// Wait this many seconds before going on.
    std::function<void(int secondes)> attente;
};

struct ResultatEstOuest {
    int tables = 0;         // tables handed to the caller
    bool annule = false;    // a Tossefet question was cancelled
    bool refuse = false;    // a refused setting or table
    std::string message;    // French message of the refusal
    int derniere_annee = 0; // the year the list shows at the end
};

/// The run one table at a time, for a caller that waits between tables
/// without blocking (the window starts a timer for `pause()` seconds after
/// each `table_suivante()`). `ciop` as `lit_reglages_ciop` gives it, the
/// years already checked (`refus_des_annees`). `reglages` are the
/// window's: seconds are shown and the opinion is set for each table; the
/// Rav Rottenberg mode is on during the Rav Rottenberg tables only and off
/// at the end.
class CalculEstOuest
{
public:
    CalculEstOuest(const ReglagesCiop& ciop, int annee, zmanim::ZmanimSettings& reglages,
                   const EnvironnementTable& env, RappelsEstOuest rappels);

    /// Computes the next table and hands it to the caller. False when
    /// nothing was computed: the run is over, cancelled or refused.
    bool table_suivante();
    [[nodiscard]] bool termine() const { return suivante_ >= tables_.size() || arrete_; }
    [[nodiscard]] int pause() const { return pause_; }
    [[nodiscard]] const ResultatEstOuest& resultat() const { return resultat_; }

private:
    bool pose_la_tossefet(DemandeTable& d);

    std::vector<TableEstOuest> tables_;
    std::size_t suivante_ = 0;
    int pause_;
    zmanim::ZmanimSettings& reglages_;
    const EnvironnementTable& env_;
    RappelsEstOuest rappels_;
    ResultatEstOuest resultat_;
    bool arrete_ = false;
};

/// `Button11Click`: the whole run, the caller's `attente` after each table.
/// Refuses years outside the list or past its end before computing.
ResultatEstOuest calcule_est_ouest(const ReglagesCiop& ciop, int annee,
                                   zmanim::ZmanimSettings& reglages, const EnvironnementTable& env,
                                   const RappelsEstOuest& rappels);

} // namespace orvane::tables
