// The smaller panels of the main window as texts: the moon phase, the year
// panel (its civil years and the important days of the Hebrew year), the
// place label, the today-or-not texts and the anniversaries title.
#pragma once

#include "engine/dates.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::shell
{

// --- The moon -----------------------------------------------------------------

/// "Lune croissante" below the 15th of the Hebrew month, "Pleine lune" on the
/// 15th, "Lune décroissante" after it, and "Lune invisible" on the 29th, the
/// 30th and the 1st, when the moon is new.
[[nodiscard]] std::string_view libelle_phase_lune(int jour_hebr) noexcept;

/// The moon of a Hebrew day as the picture draws it: the lit part of the
/// disc seen from the Earth and the side it is on.
struct PhaseLune {
    /// Fraction of the disc that is lit, 0 (new moon) to 1 (full moon).
    double fraction = 0;
    /// True while the moon grows (lit on the right, seen from the north).
    bool croissante = true;
};

/// The phase on Hebrew day `jour_hebr` (1..30): the age of the moon is
/// counted from the molad at the start of the month, one mean lunation of
/// 29.53 days; days 29, 30 and 1 draw a new moon.
[[nodiscard]] PhaseLune phase_lune(int jour_hebr) noexcept;

// --- The year panel ---------------------------------------------------------------

/// "civile  2024 / 2025 = 5785  hébraïque": the two civil years of Hebrew
/// year `annee_hebr`, as Y − 3761 and Y − 3760.
[[nodiscard]] std::string libelle_annee_panneau(int annee_hebr);

/// The important days of Hebrew year `annee_hebr` as the year panel lists
/// them, each line marked "F" for a day of rest and "f" for a half-festival:
/// "F Roch Hachana    : Jeudi    03  Octobre   2024  ==>  1 Tichri  5785".
[[nodiscard]] std::vector<std::string> jours_importants(int annee_hebr, bool diaspora);

// --- The date shown -----------------------------------------------------------------

/// `Label9`: "Ville : " + city + "   " + "Aujourd'hui  :" when the date shown
/// is today, "Date  :" otherwise.
[[nodiscard]] std::string libelle_ville(std::string_view ville, bool aujourdhui);

/// A text of the day for a date that is not today: a text beginning with
/// "Aujour" has its first 12 characters ("Aujourd'hui ") replaced by
/// "Ce jour ". Today's texts are left as they are.
[[nodiscard]] std::string libelle_pour_la_date(std::string_view texte, bool aujourdhui);

/// "   15  Prochains anniversaires civils".
[[nodiscard]] std::string titre_anniversaires(int nombre);

} // namespace orvane::shell
