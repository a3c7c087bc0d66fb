// What a year page notes on some days besides their labels, gathered once
// for the Hebrew years a page spans: the days of rest and the fasts (for the
// entry, exit and fast times), the four seasons, the first evening of the
// prayer for rain and the limits of Birkat Halévana.
#pragma once

#include "engine/dates.h"
#include "events/cycles/seasons.h"

#include <functional>
#include <map>
#include <set>
#include <string>

namespace orvane::documents
{

/// The mark of Birkat Halévana on the day where a limit falls.
enum class MarqueLevana { aucune, debut, fin };

/// Whether a civil day is in summer time in France (for the limits of
/// Birkat Halévana given on the French clock).
using EteFrance = std::function<bool(engine::DateCivile)>;

class NotesDesAnnees
{
public:
    /// The notes of Hebrew years `premiere` to `derniere` under the Diaspora
    /// or Israel rules; `levana`: the limits of Birkat Halévana too (after
    /// the Sephardi custom of 7 days, or the Ashkenazi one of 3).
    NotesDesAnnees(int premiere, int derniere, bool diaspora, bool levana, bool sepharade,
                   const EteFrance& ete_france);

    /// A day on which work is forbidden: a Sabbath or a festival day of rest.
    [[nodiscard]] bool repos(const engine::DateHebraique& d, int jour_semaine) const;
    /// The index of the fast of the day in the festival names (2 Guedalia,
    /// 6 10 Tevet, 8 Esther, 13 17 Tamouz, 14 9 Av, 25 the first-born), after
    /// its postponement; 0 on another day.
    [[nodiscard]] int jeune(const engine::DateHebraique& d) const;
    /// The festival of rest of the day (its index: 1 Roch-Hachana, 3 Kippour,
    /// …); 0 when there is none.
    [[nodiscard]] int fete_chomee(const engine::DateHebraique& d) const;
    /// The season that falls on a civil day, or nullptr.
    [[nodiscard]] const events::Tekoufa* tekoufa(const engine::DateCivile& d) const;
    /// True on the day whose evening begins the prayer for rain.
    [[nodiscard]] bool soir_guechamim(const engine::DateCivile& d) const;
    [[nodiscard]] MarqueLevana levana(const engine::DateHebraique& d) const;

private:
    std::map<engine::DateHebraique, int> fetes_chomees_;
    std::map<engine::DateHebraique, int> jeunes_;
    std::map<engine::DateCivile, events::Tekoufa> tekoufot_;
    std::set<engine::DateCivile> soirs_guechamim_;
    std::map<engine::DateHebraique, MarqueLevana> levana_;
};

} // namespace orvane::documents
