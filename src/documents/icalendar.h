// The days of the telephone files as an iCalendar file (RFC 5545), which
// phones and desktop calendars import: the labels of the days as all-day
// events, and, when asked, the Sabbath, festival and fast times as events
// at their local time (floating times: the hour of the place, wherever the
// calendar is read).
//
//   BEGIN:VEVENT
//   UID:20260402-2@orvane
//   DTSTAMP:20261210T000000Z
//   DTSTART;VALUE=DATE:20260402
//   DTEND;VALUE=DATE:20260403
//   SUMMARY:Pessa'h
//   END:VEVENT
#pragma once

#include "documents/consistory_phone.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

struct DemandeIcal {
    std::string ville; // the calendar's name: "Calendrier juif 2026 – PARIS (75)"
    int annee = 0;
    bool avec_horaires = false; // the Sabbath, festival and fast times too
    /// The instant of the file's making, "20261210T153000Z".
    std::string horodatage;
};

/// The text of the file, UTF-8, lines ended by CR LF and folded at 75
/// bytes (never inside a character). The labels that carry a time become
/// timed events with `avec_horaires`, and are left out without it.
[[nodiscard]] std::string calendrier_ical(const JoursTelephone& jours, const DemandeIcal& demande);

/// An instant in universal time as iCalendar writes it ("20261210T153000Z").
[[nodiscard]] std::string horodatage_ical(std::chrono::system_clock::time_point instant);

/// A text value escaped for iCalendar (backslash, comma, semicolon, line
/// ends).
[[nodiscard]] std::string echappe_ical(std::string_view texte);

} // namespace orvane::documents
