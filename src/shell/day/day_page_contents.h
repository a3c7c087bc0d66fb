// Everything the home page shows for one date, gathered for the main window
// and for the text of the day page: the day computed, the next civil
// anniversaries of its Hebrew date, the Bar-Mitsva (or Bat-Mitsva) panel of
// a child born that day and the important days of its Hebrew year.
#pragma once

#include "platform/clock.h"
#include "records/anniversaries.h"
#include "records/bar_mitsva.h"
#include "shell/day/day_computation.h"
#include "shell/day/day_page_text.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane::shell
{

/// The next civil anniversaries of the date shown (`anniversaires_suivants`),
/// never beyond the last Hebrew year the calendar reaches.
[[nodiscard]] records::AnniversairesCivils
anniversaires_suivants(const engine::DateHebraique& montree, engine::DateCivile civile_montree,
                       engine::DateCivile aujourdhui, int nombre);

/// The Bar-Mitsva panel for the date shown taken as a birth date
/// (`date_bar_mitsva`); none when the day of age lies beyond the years the
/// calendar reaches.
[[nodiscard]] std::optional<records::BarMitsva>
panneau_bar_mitsva(const engine::DateHebraique& naissance, bool fille, bool diaspora);

/// The two seasonal-hour lines at the local time `maintenant` (hours),
/// Hagra then Maguen Abraham; none without times.
[[nodiscard]] std::vector<std::string> lignes_heures_saison(const JourCalcule& j,
                                                            double maintenant);

/// The local time of a clock time, in hours.
[[nodiscard]] double heures_de(const platform::LocalTime& t) noexcept;

/// What the home page holds for one date.
struct PageAccueil {
    JourCalcule jour;
    records::AnniversairesCivils anniversaires;
    std::optional<records::BarMitsva> bar_mitsva;
    int annee_panneau = 0; // the Hebrew year of the year panel
    std::vector<std::string> jours_importants;
};

/// What the page is asked for.
struct DemandePageAccueil {
    DemandeJourAccueil jour;
    engine::DateCivile aujourdhui;
    int nombre_anniversaires = 15;
    bool fille = false;
};

/// Every panel of the home page for the date asked.
[[nodiscard]] PageAccueil calcule_page_accueil(const DonneesChargees& donnees,
                                               const DemandePageAccueil& demande);

/// The contents of the text page from the panels, the clock line (empty for
/// none) and the time of day of the seasonal hours.
[[nodiscard]] ContenuPageDuJour contenu_page_du_jour(const PageAccueil& page,
                                                     const DemandePageAccueil& demande,
                                                     const std::string& ligne_horloge,
                                                     double maintenant);

} // namespace orvane::shell
