// The content of one record of the text stores, as the two lines of the
// record write it: every field is the text found in (or written to) the
// file, so that a record read and written again keeps what the user typed
// to the letter. record_dates.h fills the date fields from computed dates
// and reads them back as dates.
//
// The three families share one record; each uses its own parts:
//   births ("Naissance"):      correspondant, date, bar_mitsva, prochain
//   deaths ("Décès"):          defunt, correspondant, date, inhumation, prochain
//   events ("Anniversaire"):   texte_evenement, date, prochain
#pragma once

#include "records/anniversaries.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::records
{

/// The contact group of a person ("COR" … "ADR" … "OBS" …).
struct Coordonnees {
    std::string civilite; // "M.", "Mme", "Mle" or "Rav"
    std::string nom;
    std::string prenom; // civil first name
    std::string chez;   // care of
    std::string numero;
    std::string adresse;
    std::string code_postal;
    std::string ville;
    std::string pays;
    std::string telephone_notes;
    friend bool operator==(const Coordonnees&, const Coordonnees&) = default;
};

/// The deceased of a death record ("DC", civility, name, first name).
struct Defunt {
    std::string civilite;
    std::string nom;
    std::string prenom;
    friend bool operator==(const Defunt&, const Defunt&) = default;
};

/// A date group: the civil date with its weekday, the day-or-night flag,
/// and the Hebrew date after the night rule.
struct GroupeDate {
    std::string jour_semaine; // "Jeudi"
    std::string jour;         // "3"
    std::string mois;         // month number, "10"
    std::string annee;        // "2024"
    std::string jour_nuit;    // "J", "N" or empty
    std::string jour_hebreu;  // "1"
    std::string mois_hebreu;  // month name, "Tichri"
    std::string annee_hebraique;
    friend bool operator==(const GroupeDate&, const GroupeDate&) = default;
};

/// A date written as day, month name and year.
struct DateEnToutesLettres {
    std::string jour;
    std::string mois; // "Octobre", "Adar II"
    std::string annee;
    friend bool operator==(const DateEnToutesLettres&, const DateEnToutesLettres&) = default;
};

/// The Bar-Mitsva (or Bat-Mitsva) part of a birth record.
struct BarMitsvaEcrite {
    DateEnToutesLettres civile;
    DateEnToutesLettres hebraique;
    std::string paracha; // the reading of the Bar-Mitsva Sabbath
    friend bool operator==(const BarMitsvaEcrite&, const BarMitsvaEcrite&) = default;
};

/// The next-anniversary group ("ANI"), recomputed from today.
struct GroupeAnniversaire {
    std::string jour_semaine;
    std::string jour;
    std::string mois; // civil month name
    std::string annee;
    std::string jour_hebreu;
    std::string mois_hebreu;
    std::string annee_hebraique;
    friend bool operator==(const GroupeAnniversaire&, const GroupeAnniversaire&) = default;
};

/// One record, whatever its family.
struct Fiche {
    Defunt defunt;
    Coordonnees correspondant;
    std::string texte_evenement; // the lines of the description, each followed by a blank
    GroupeDate date;             // birth, death or event
    BarMitsvaEcrite bar_mitsva;
    GroupeDate inhumation;
    GroupeAnniversaire prochain;
    friend bool operator==(const Fiche&, const Fiche&) = default;
};

/// The text of an event as the record keeps it: the lines of the
/// description box joined, each followed by a blank.
[[nodiscard]] std::string texte_evenement(const std::vector<std::string>& lignes);

/// The parts of `fiche` that the lines of `famille` hold, the others left
/// empty.
[[nodiscard]] Fiche partie_de_la_famille(Famille famille, const Fiche& fiche);

/// Every field of a record with the name the window gives it ("Nom",
/// "Ville" …), in the order of the lines; the same list over a record that
/// can be changed.
[[nodiscard]] std::vector<std::pair<std::string_view, const std::string*>>
champs_de_la_fiche(const Fiche& fiche);
[[nodiscard]] std::vector<std::pair<std::string_view, std::string*>>
champs_de_la_fiche(Fiche& fiche);

} // namespace orvane::records
