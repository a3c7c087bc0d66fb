// The records that the main window owns for the whole run and hands by
// reference to the windows it opens. Documents and tables that need their
// own calendar or zmanim values create their own records instead.
#pragma once

#include "engine/calendar_engine.h"
#include "platform/clock.h"

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
};

} // namespace orvane::shell
