// The times of one Jewish day for one place and one rabbinical opinion:
// dawn, tefillin, sunrise, the latest Chema and prayer, midday, the afternoon
// times, the Sabbath entry, sunset, the stars, the Sabbath exit, the night of
// Rabbénou Tam and the seasonal hours, each rounded in the direction its
// halachic stringency requires.
//
// Every event is first evaluated with the sun of 12 h UT, then again with the
// sun of its own instant ("Itération"). In a white night, when the sun does
// not go down as far as an angle, dawn and night take solar midnight. On a
// polar day (no sunrise) nothing but the polar message is produced.
//
//   DemandeJour d{6, {2024, 6, 21}, "48°52N", "2°20E", "+1", "Beth Din (France)", 1};
//   ZmanimSettings reglages;        // the day page's own
//   DayTimes jour;
//   horaires_du_jour(d, reglages, jour);
//   // jour.heureL {"05", "47", "00"}, jour.heureC {"21", "58", "00"}
#pragma once

#include "zmanim/day/day_times.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/settings/parametres.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::zmanim
{

/// One day to compute.
struct DemandeJour {
    int jour_semaine = 1; // 1 Sunday … 7 Chabbat; above 7, 7 is taken off
    engine::DateCivile date{2000, 1, 1};
    std::string latitude;      // "48°52N": angle, then N or S
    std::string longitude;     // "2°20E": angle, then E, O or W
    std::string zone;          // "+1": hours from Universal Time
    std::string opinion;       // a name of the opinion lists, or an older stored name
    double correction_ete = 0; // hours: 0 or 1 from the summer-time tables
    bool sans_ligne = true;    // no row for a table
};

/// Receiver of the rows of a range table, called once per computed day.
class SortieTableau
{
public:
    virtual ~SortieTableau() = default;
    /// The day's slots are filled.
    virtual void ligne_tableau(const DayTimes& jour) = 0;
    /// The sun does not rise or set that day; `jour.message_polaire` says which.
    virtual void jour_polaire(const DayTimes& jour) = 0;
};

/// Receiver of the trace of each computed day (the file "trace.dta").
class JournalTrace
{
public:
    virtual ~JournalTrace() = default;
    virtual void ecrit_jour(const DayTimes& jour) = 0;
};

/// What the program and the running output decide besides the parameters.
struct ContexteCalcul {
    ModeEte mode_ete = ModeEte::avec_changement; // summer-time mode of the program
    bool vaudrel = false;            // fixed 6-minute Sabbath exit for "Beth Din de Paris"
    bool vers_grille = false;        // a results-grid table: the hour shift applies
    bool toutes_latitudes = false;   // the "toutes latitudes" tables: summer time forced
    bool mise_en_page_livre = false; // book layouts: the 72-minute slots
    bool sortie_marseille = false;   // Sabbath exit at 7.35° for this computation
    /// Evening-Chema stars in degrees, for "Selon choix des valeurs" only;
    /// every other opinion uses 8°.
    std::string texte_etoiles_chema = "8";
    /// Dawn and nightfall depressions, degrees, imposed on every opinion
    /// (the annual calendar's size of the stars, the consistory's dawn of
    /// the fasts); nothing keeps the opinion's own.
    std::optional<double> aube_degres;
    std::optional<double> etoiles_degres;
    /// Reads a key of "config_ciop.txt" (empty when absent); no reader: the
    /// Rav Rottenberg thresholds stay 57 and 3.
    std::function<std::string(std::string_view)> lit_cle_ciop;
    SortieTableau* tableau = nullptr; // rows, when `sans_ligne` is off
    JournalTrace* journal = nullptr;  // trace, when "Trace" is on and a row is asked
};

/// Computes the day into `jour`. Refused inputs set `jour.erreur_horaires`
/// and, unless the refusal is silent (the untouched texts "Edit…" of empty
/// boxes), leave a French message in `jour.message_erreur`. An old opinion
/// name "Rav_Ro…" switches `reglages.mode_rav_rottenberg` on.
void horaires_du_jour(const DemandeJour& demande, ZmanimSettings& reglages, DayTimes& jour,
                      const ContexteCalcul& contexte = {});

/// The place of a request read from its texts, or a French message.
struct LieuLu {
    double latitude = 0;  // radians, north positive
    double longitude = 0; // radians, west positive
    double zone = 0;      // hours
    bool refuse = false;
    std::string message; // empty for a silent refusal
};

/// Reads and checks the latitude, longitude and zone texts of a request.
[[nodiscard]] LieuLu lit_lieu(std::string_view latitude, std::string_view longitude,
                              std::string_view zone);

} // namespace orvane::zmanim
