// The trace of the computed days, "trace.dta" in the program directory: for
// each day the intermediate local times of midday, dawn, tefillin, sunrise,
// sunset and the others, unrounded and rounded, so that a table can be
// checked line by line. The file is created on first use and only ever
// appended to.
//
//   2024<TAB>HATSOT<TAB><TAB>CHA'HAR OM<TAB><TAB>…
//   21 Juin<TAB>13.9550<TAB>13h 57mn 0s<TAB>…
#pragma once

#include "zmanim/day/horaires_jour.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::zmanim
{

inline constexpr std::string_view fichier_trace = "trace.dta";

/// The heading of a calculation: the reference year, a tab, then each
/// label of the day's traced times followed by two tabs.
[[nodiscard]] std::string entete_trace(int annee_reference, const DayTimes& jour);

/// The line of one day: the day on two digits, a blank, the first four
/// letters of the month ("Juin", "Déce"), a tab, then for each traced time
/// the first 7 characters of its decimal local time, a tab, the first 7
/// characters of the hours, "h ", the minutes, "mn ", the seconds, "s", a tab.
[[nodiscard]] std::string ligne_trace(const DayTimes& jour);

/// Appends the trace of each day to a file; the heading goes before the
/// first day of the calculation.
class FichierTrace final : public JournalTrace
{
public:
    FichierTrace(std::filesystem::path chemin, int annee_reference);
    /// Throws platform::FileError when the file cannot be written.
    void ecrit_jour(const DayTimes& jour) override;

private:
    std::filesystem::path chemin_;
    int annee_reference_;
    bool entete_ecrit_ = false;
};

} // namespace orvane::zmanim
