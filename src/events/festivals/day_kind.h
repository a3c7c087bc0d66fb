// What kind of day a date is for the day page: the background of the list of
// times, the name of the special day shown above it, and whether the Sabbath
// or a festival begins or ends that evening (the entry and exit lines).
#pragma once

#include "engine/month_grid_steps.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvane::events
{

/// The kinds of day, each with its own colours in the window.
enum class GenreJour {
    ordinaire,   // a weekday without anything
    chabbat,     // a Saturday that is nothing else
    fete_chomee, // a day of rest ("F" in the year list): Roch Hachana, Soukot, Pessa'h ...
    demi_fete,   // intermediate days, 'Hanouka, Pourim, Roch-Hodech, minor days
    jeune,       // a fast
    kippour,     // the Day of Atonement
};

struct NatureJour {
    GenreJour genre = GenreJour::ordinaire;
    /// The name shown above the list on a special day ("Pessa'h", "Jeûne du 9
    /// Av", "Chabbat Zakhor Tetsavè"); empty on an ordinary day.
    std::string nom_special;
    /// The Sabbath (Friday) or a day of rest begins this evening.
    bool entree = false;
    bool entree_chabbat = false; // it is the Sabbath that begins
    /// The Sabbath or a day of rest ends this evening (the next day is not
    /// one).
    bool sortie = false;
    bool sortie_chabbat = false; // it is the Sabbath that ends
    /// The festival that begins this evening follows a day of rest (a
    /// Sabbath before a festival, the first of two festival days): its
    /// candles are lit from the end of this day, after the exit time.
    bool entree_apres_sortie = false;
};

/// True when the Hebrew date is a day of rest of the year list ("F"): the
/// festival days on which work is forbidden, in the Diaspora or in Israel.
[[nodiscard]] bool jour_chome(const engine::DateHebraique& d, bool diaspora);

/// The kind of the Hebrew date `d` (weekday `jour_semaine`, 1 Sunday .. 7
/// Saturday) under the Diaspora or Israel rules.
[[nodiscard]] NatureJour nature_du_jour(const engine::DateHebraique& d, int jour_semaine,
                                        bool diaspora);

/// Sets the entry and exit marks of `n` from whether the day and the next
/// are a Sabbath or a day of rest.
void marque_entree_sortie(NatureJour& n, bool samedi, bool chome, bool demain_samedi,
                          bool demain_chome);

/// `jour_chome` for the days of a long range: each Hebrew year's days of
/// rest listed once.
class JoursChomes
{
public:
    explicit JoursChomes(bool diaspora);
    [[nodiscard]] bool chome(const engine::DateHebraique& d);

private:
    bool diaspora_;
    std::map<int, std::vector<std::pair<int, int>>> annees_; // (month, day) of each year
};

} // namespace orvane::events
