// The records that the main window owns for the whole run and hands by
// reference to the windows it opens. Documents and tables that need their
// own calendar or zmanim values create their own records instead.
#pragma once

#include "config/program_options.h"
#include "engine/calendar_engine.h"
#include "places/charge_lieux.h"
#include "places/dst.h"
#include "places/place.h"
#include "platform/clock.h"
#include "shell/day/loaded_data.h"

#include <filesystem>
#include <memory>

namespace orvane::shell
{

struct AppContext {
    /// `horloge` gives today's date and the time; `repertoire` is the
    /// program directory (configuration, data, outputs).
    AppContext(std::unique_ptr<platform::Clock> horloge, std::filesystem::path repertoire);

    std::unique_ptr<platform::Clock> horloge;
    std::filesystem::path repertoire;
    engine::CalendarEngine engine;

    DonneesChargees donnees;        // summer-time tables and "config_ciop.txt", read once
    config::ProgramOptions options; // read at start and at the first showing
    places::LieuxCharges lieux;     // places file in use, its lists, the home place file
    places::Place lieu_courant;     // the place the computations read
    places::Place lieu_accueil;     // the place saved in "lieu_acc.cal"
    places::EtatHeureEte heure_ete; // summer-time correction of the day shown
    int annee_choisie = 0;          // Hebrew year last chosen in a year window (0: none yet)
    int taille_impression = 0;      // the main window's print-size box, -8..10 added to the sizes
};

} // namespace orvane::shell
