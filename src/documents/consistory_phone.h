// The files of the consistory's telephone application ("Iphone
// consistoire"): from the export of a civil year's calendar
// ("cal_exl.txt"), the times of every day (H file) and the labels of every
// day that has one (D file), one line each, fields in double quotes
// separated by semicolons:
//
//   CONSISTO/H_PARIS2026.txt   "02/01/2026";"16:56:00";"Allumage Nérot Chabbat"
//   CONSISTO/D_PARIS2026.txt   "02/01/2026";"Entrée Chabbat 16:56"
//
// The same days also make an iCalendar file (icalendar.h).
#pragma once

#include "engine/dates.h"
#include "places/dst.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// One time of a day: its label and the time "hh:mm:00".
struct HoraireTelephone {
    engine::DateCivile date;
    std::string heure;
    std::string libelle;
    /// A Sabbath, festival or fast time (candle lighting, entry, exit),
    /// rather than one of the times of every day.
    bool marque = false;
    friend bool operator==(const HoraireTelephone&, const HoraireTelephone&) = default;
};

/// One label of a day ("Pessa'h", "Omer 12", "Heure d'été (+1h)").
struct LibelleTelephone {
    engine::DateCivile date;
    std::string libelle;
    /// The label carries a time ("Entrée Chabbat 16:56").
    bool avec_heure = false;
    friend bool operator==(const LibelleTelephone&, const LibelleTelephone&) = default;
};

struct JoursTelephone {
    std::vector<HoraireTelephone> horaires;
    std::vector<LibelleTelephone> libelles;
};

/// The days of an export of the civil direction. The title line
/// (" Calendrier de 2026 ( … ) pour …") gives the year, whatever its number
/// of digits; a month heading is recognised by its exact form, a blank, the
/// whole month name, two blanks and the year (" Janvier  2026"), so that no
/// day line ("Mar" + tab) is taken for one; the column headings (with
/// "Min.Gué") name the columns of the times. Lines before a title and a
/// month heading are passed over.
[[nodiscard]] JoursTelephone lit_export_telephone(const std::vector<std::string>& lignes);

/// Adds the day of each change of the summer time of `annee` to the labels,
/// "Heure d'été (+1h)" and "Heure d'hiver (-1h)", in date order.
void ajoute_changements_heure(JoursTelephone& jours, const places::DstYear& ete, int annee);

/// The lines of the two files.
[[nodiscard]] std::string ligne_horaire(const HoraireTelephone& h);
[[nodiscard]] std::string ligne_libelle(const LibelleTelephone& l);

/// The name of the city in the files: without its part between parentheses
/// and made a safe file name ("PARIS (75)" → "PARIS").
[[nodiscard]] std::string ville_telephone(std::string_view ville);

inline constexpr std::string_view dossier_telephone = "CONSISTO";

/// What the writing of the two files did.
struct ResultatTelephone {
    std::filesystem::path horaires; // CONSISTO/H_<city><year>.txt
    std::filesystem::path libelles; // CONSISTO/D_<city><year>.txt
    /// The H file was there already: nothing written, and the line for the
    /// window (its name + " existe déjà").
    std::optional<std::string> deja_la;
};

/// Writes the H and D files of `ville` for `annee` into "CONSISTO" of
/// `repertoire` (created when missing). An existing H file is never
/// overwritten. Throws platform::FileError.
ResultatTelephone ecrit_fichiers_telephone(const std::filesystem::path& repertoire,
                                           std::string_view ville, int annee,
                                           const JoursTelephone& jours);

} // namespace orvane::documents
