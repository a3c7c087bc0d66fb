// The arguments every command reads the same way: dates, places and
// opinions, each checked by one rule with one French message naming what
// was typed.
#pragma once

#include "cli/cli.h"
#include "engine/dates.h"
#include "places/charge_lieux.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane::cli
{

/// A civil date typed `Y-M-D`, checked by the rules of the windows (years
/// 100 to 9999, real months and days); a message otherwise.
[[nodiscard]] std::optional<engine::DateCivile> civil_date_argument(CliContext& ctx,
                                                                    std::string_view text);

/// A Hebrew date typed `Y-M-D` (month 1 Tichri .. 13 Eloul), checked the
/// same way.
[[nodiscard]] std::optional<engine::DateHebraique> hebrew_date_argument(CliContext& ctx,
                                                                        std::string_view text);

/// True for a Hebrew year of the engine's range (3860..13759); a message
/// naming it otherwise.
[[nodiscard]] bool hebrew_year_argument(CliContext& ctx, int year);

/// The last year of a list of Hebrew years from `first` (`to`, or `first`
/// itself when `to` is 0); nothing, with a message, when a year is out of
/// range or the list runs backwards.
[[nodiscard]] std::optional<int> last_hebrew_year_argument(CliContext& ctx, int first, int to);

/// The date of --today / --from, or the system clock's date when empty.
[[nodiscard]] std::optional<engine::DateCivile> today_argument(CliContext& ctx,
                                                               std::string_view text);

/// What a command was told of its place: a city of the places files, or
/// three typed coordinates.
struct PlaceArguments {
    std::string city;
    std::string country;
    std::string lat;
    std::string lon;
    std::string zone;
    /// Whether the command may fall back on the home place when nothing is
    /// given.
    bool home_by_default = false;
};

/// Adds --place, --country, --lat, --lon and --zone to a command.
void add_place_options(CLI::App& command, PlaceArguments& place);

/// The place of the arguments: the city found in the places file in use,
/// then in "lieu_all.cal" (read only then; without regard to case and
/// accents, the nearest names suggested when unknown), or the typed
/// coordinates, or the home place when allowed and nothing was given.
[[nodiscard]] std::optional<places::Place> place_argument(CliContext& ctx,
                                                          const std::filesystem::path& dir,
                                                          const places::LieuxCharges& loaded,
                                                          const PlaceArguments& place);

/// True for an opinion the zmanim computations know: a name of the zmanim
/// window's list or of the day page's, or a name computed as one of them
/// ("Guéonim" is computed as the Beth Din).
[[nodiscard]] bool known_opinion(std::string_view name);

/// The opinion as typed when known; a message with the possible names
/// otherwise.
[[nodiscard]] std::optional<std::string> opinion_argument(CliContext& ctx, std::string_view name);

} // namespace orvane::cli
