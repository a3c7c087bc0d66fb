// One day of a year page: its two dates, the label of its line (festival,
// weekly reading and notes), the note column (season, prayer for rain) and
// the items of its export line.
#pragma once

#include "documents/calendar_request.h"
#include "documents/year_notes.h"
#include "engine/dates.h"
#include "events/festivals/day_labels.h"

#include <string>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::documents
{

/// Width of the label of a day line and of its note column.
inline constexpr std::size_t largeur_libelle = 32;
inline constexpr std::size_t largeur_note = 16;

struct JourCalendrier {
    engine::DateCivile civile;
    engine::DateHebraique hebraique;
    int jour_semaine = 0;
    bool embolismique = false; // the Hebrew year has Adar II
    /// The label of the day line: the festival, the weekly reading and the
    /// notes, joined by blanks ("Pessa'h Omer  1", "Vayigache"), uncut.
    std::string libelle;
    /// The note column: "TEK  3h  0mn", "Le soir,Guécham.", or 16 "-".
    std::string note;
    /// The items of the export line, in order, without their separators.
    std::vector<std::string> elements;
    /// The day carries a Sabbath, festival or fast mark.
    bool marque = false;
    MarqueLevana levana = MarqueLevana::aucune;
};

/// The day held in `e` (converted: its Hebrew and civil fields describe it).
[[nodiscard]] JourCalendrier jour_calendrier(const engine::CalendarEngine& e,
                                             const NotesDesAnnees& notes,
                                             const DemandeCalendrier& demande);

/// Two readings of one Sabbath keep exactly four blanks between their
/// names in the export line: "Tazria    Metsora".
inline constexpr std::string_view entre_deux_lectures = "    ";

/// An export item as the spreadsheets read it: every "*" and every run of
/// two or more "-" removed (a single hyphen of "Roch-Hodech" stays), the
/// blanks in front dropped.
[[nodiscard]] std::string element_nettoye(std::string_view element);

/// "Tékoufa 3h0mn": the season as the export line names it.
[[nodiscard]] std::string texte_tekoufa_export(double heures);

} // namespace orvane::documents
