// What "Iphone consistoire" writes after each calendar of its loop: the two
// files of the telephone application and an iCalendar file of the same
// days, "CONSISTO/PARIS2026.ics". The command line makes the iCalendar file
// of any place from the same days.
#pragma once

#include "documents/calendar_request.h"
#include "documents/consistory_phone.h"
#include "documents/icalendar.h"
#include "documents/year_page.h"
#include "places/dst.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::documents
{

/// The days of a civil year's calendar for the telephone files: read from
/// its export, with the days of the changes of summer time of its place.
[[nodiscard]] JoursTelephone jours_du_calendrier(const DemandeCalendrier& demande,
                                                 const CalendrierSimplifie& calendrier,
                                                 const places::TablesEte& tables);

struct ResultatConsistoire {
    ResultatTelephone telephone;
    std::filesystem::path ical; // empty when the H file was there already
};

/// The H, D and iCalendar files of one build of the loop (the iCalendar
/// file with the Sabbath and festival times). Nothing is written when the
/// H file exists. Throws platform::FileError.
ResultatConsistoire ecrit_table_consistoire(const std::filesystem::path& repertoire,
                                            const DemandeCalendrier& demande,
                                            const CalendrierSimplifie& calendrier,
                                            const places::TablesEte& tables,
                                            std::string_view horodatage);

} // namespace orvane::documents
