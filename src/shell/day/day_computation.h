// The computation of the day shown by the main window (`calcule_jour`): the
// summer-time correction of the date for the country of the place, the times
// of the day by the opinion of the day page, the list of times, the limits of
// the seasonal hours and the lengths of day and night, the Sabbath of the
// week with its entry and exit, the texts of the day and of its week, the
// characteristics of its Hebrew year and the date lines.
//
//   DemandeJourAccueil d;
//   d.date = {2024, 6, 21};
//   d.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
//   d.opinion = "Beth Din (France)";
//   JourCalcule j = calcule_jour(DonneesChargees(repertoire), d);
//   // j.correction_ete 1; j.horaires[2].texte "Lever du soleil : Nets      05:47"
#pragma once

#include "engine/dates.h"
#include "engine/month_grid_steps.h"
#include "events/festivals/day_kind.h"
#include "events/festivals/week_texts.h"
#include "events/years/characteristics.h"
#include "places/dst.h"
#include "places/place.h"
#include "shell/day/loaded_data.h"
#include "shell/day/seasonal_hours.h"
#include "shell/day/times_list.h"
#include "zmanim/day/day_times.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::shell
{

/// What the main window asks for.
struct DemandeJourAccueil {
    engine::DateCivile date; // the date shown (years 100..9999)
    places::Place lieu;      // the current place; no city: no times
    std::string opinion;     // the opinion of the day page (home place)
    bool diaspora = true;    // Diaspora or Israel rules
    std::string mode_horaire{config::mode_avec_changement};
    bool vaudrel = false; // fixed Sabbath exit interval of the Beth Din de Paris
    /// The correction box of the window (the user's own value), used when
    /// no table gives the days of change.
    std::optional<double> correction_saisie;
};

/// The times of one date at the place: the correction used and the day.
struct HorairesDate {
    engine::DateCivile date;
    double correction_ete = 0;
    places::DstYear annee_ete;
    zmanim::DayTimes jour;
};

/// The Sabbath of the week of the date shown: its Friday (entry) and its
/// Saturday (exit), the date itself when it is one of them.
struct ChabbatDeLaSemaine {
    HorairesDate vendredi;
    HorairesDate samedi;
    std::optional<long> entree; // seconds from the start of Friday to the entry
    std::optional<long> sortie; // seconds from the start of Saturday to the exit
};

struct JourCalcule {
    // --- The date -----------------------------------------------------------
    engine::DateCivile date;
    engine::DateHebraique hebraique;
    int jour_semaine = 0;
    std::string date_civile;    // "Vendredi  21  Juin 2024"
    std::string date_hebraique; // "Vendredi  15  Sivan   5784"
    std::string ligne_date;     // " Vendredi 21 Juin 2024"
    events::NatureJour nature;
    events::TextesSemaine textes;
    events::CaracteristiquesAnnee caracteristiques;

    // --- The times (only with a city) -----------------------------------------
    bool avec_ville = false; // a place was given
    bool refuse = false;     // the zmanim computation refused the place
    bool polaire = false;    // the sun does not rise or does not set
    std::string message;     // the refusal or the polar message
    HorairesDate horaires;
    std::vector<LigneHoraire> lignes;
    LimitesJournee limites_hagra;          // sunrise, sunset
    LimitesJournee limites_maguen_abraham; // dawn, night
    std::vector<std::string> durees;       // the four lengths
    ChabbatDeLaSemaine chabbat;
    /// The text of the day followed by " Ent: 21.40  Sor: 22.58".
    std::string texte_chabbat;

    /// True when the times were computed.
    [[nodiscard]] bool a_des_horaires() const { return avec_ville && !refuse && !polaire; }
};

/// The times of civil date `d` at the place by the day page's settings.
[[nodiscard]] HorairesDate horaires_de_la_date(const DonneesChargees& donnees,
                                               const DemandeJourAccueil& demande,
                                               engine::DateCivile d);

/// `calcule_jour`: the whole day for the date and the place asked, on the
/// loaded summer-time tables and "config_ciop.txt". Throws
/// platform::FileError when a table exists but cannot be read.
[[nodiscard]] JourCalcule calcule_jour(const DonneesChargees& donnees,
                                       const DemandeJourAccueil& demande);

/// The text of the day without what follows "Ent" (the Sabbath times of an
/// earlier computation).
[[nodiscard]] std::string sans_horaires_chabbat(std::string_view texte);

/// "Chabbat prochain ... Ent: 21.40  Sor: 22.58": the text of the day
/// followed by the entry and exit of the Sabbath as hour "." minutes.
[[nodiscard]] std::string texte_avec_chabbat(std::string_view texte_jour,
                                             const zmanim::TexteHoraire& entree,
                                             const zmanim::TexteHoraire& sortie);

} // namespace orvane::shell
