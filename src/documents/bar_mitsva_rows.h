// One birth day of a Bar-Mitsva calendar or table (`calcul`): the Hebrew
// date of birth, the day the child comes of age (a boy at 13, a girl at
// 12), the Chabbat of that week with its reading, and the rows that the
// text and the three sections of the HTML page receive.
//
//   ParametresBarMitsva p;                    // a boy, Diaspora, calendar
//   LectureDuChabbat lecture(p, 1999);        // the years of the ceremonies
//   std::optional<LigneBarMitsva> l = calcul({1999, 11, 9}, p, lecture);
//   // l->naissance_hebraique 30 Hechvan 5760, l->ceremonie 1 Kislev 5773,
//   // l->ceremonie_civile Thursday 15 November 2012
#pragma once

#include "documents/calendar_request.h"
#include "documents/year_notes.h"
#include "engine/dates.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane::documents
{

/// The two documents: a calendar of the births, or a table that adds the
/// dates of the ceremonies.
enum class ModeBarMitsva { calendrier, tableau };

struct ParametresBarMitsva {
    ModeBarMitsva mode = ModeBarMitsva::calendrier;
    bool fille = false;
    /// Born after nightfall: the Hebrew date is that of the next day.
    bool apres_la_nuit = false;
    bool diaspora = true;
};

/// Thirteen years for a boy, twelve for a girl.
[[nodiscard]] int age_de_la_ceremonie(bool fille);

/// The letter that makes "Bar" or "Bat" of "Ba": 'r' or 't', 'R' or 'T'.
[[nodiscard]] char lettre_du_sexe(bool fille);
[[nodiscard]] char lettre_du_sexe_majuscule(bool fille);

/// True when the country box holds the single letter "N" or "n": the
/// births are taken to be after nightfall.
[[nodiscard]] bool naissance_apres_la_nuit(std::string_view pays);

/// "05/03/2024": the key of a birth day in the anchors of the page.
[[nodiscard]] std::string cle_de_naissance(const engine::DateCivile& d);

/// The Chabbat labels of the years where the ceremonies of one year of
/// births fall (the festival, the reading and the notes of the year pages).
class LectureDuChabbat
{
public:
    LectureDuChabbat(const ParametresBarMitsva& p, int annee_de_naissance);
    /// "Tetsavé Zakhor": the label and the note column of the Chabbat
    /// `chabbat`, the padding of stars and dashes turned into blanks.
    [[nodiscard]] std::string texte(const engine::DateCivile& chabbat) const;

private:
    DemandeCalendrier demande_;
    NotesDesAnnees notes_;
};

struct LigneBarMitsva {
    std::string cle; // "15/03/2011"
    engine::DateCivile naissance;
    engine::DateHebraique naissance_hebraique; // after nightfall: the next day
    engine::DateHebraique ceremonie;
    engine::DateCivile ceremonie_civile;
    engine::DateCivile chabbat; // the first Chabbat on or after the ceremony
    engine::DateHebraique chabbat_hebraique;
    std::string lecture; // the reading text of that Chabbat
    /// "Mercredi  10 Adar II 5771": the Hebrew date of birth, its weekday.
    std::string date_hebraique;
    /// The columns after the day line of the birth: in calendar mode the
    /// Hebrew date of birth, in table mode the civil and the Hebrew date of
    /// the ceremony; then the reading. Each column follows a tab.
    std::string colonnes;
    std::string html_naissance; // the row of "nemanim.txt"
    std::string html_lecture;   // the row of "pemanim.txt"
};

/// `calcul`: the row of the birth day `naissance`; nothing when the
/// ceremony falls outside the calendar (after the Hebrew year 13759).
[[nodiscard]] std::optional<LigneBarMitsva> calcul(const engine::DateCivile& naissance,
                                                   const ParametresBarMitsva& p,
                                                   const LectureDuChabbat& lecture);

/// "15  Nove 2012" and " 1  Kislev 5773": the dates of the table's columns.
[[nodiscard]] std::string date_civile_du_tableau(const engine::DateCivile& d);
[[nodiscard]] std::string date_hebraique_du_tableau(const engine::DateHebraique& d);

} // namespace orvane::documents
