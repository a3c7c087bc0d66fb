// The dates of mourning after a death, counted from the burial in the first
// year: the seventh and thirtieth days, eleven months (end of the Kaddich)
// and twelve months (end of the mourning), then the first anniversary of
// the death itself.
#pragma once

#include "records/day_lines.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// A civil date with its day-or-night flag ("J", "N" or empty).
struct DateEtMoment {
    engine::DateCivile civile;
    std::string jour_nuit;
};

/// One line of the mourning dates.
struct DateDeDeuil {
    std::string libelle; // "    7 jours : "
    JourComplet jour;
    bool passe = false; // before today: the line ends with " x"
    std::string ligne;
};

/// The mourning lines of a death and its burial, in order: "    Inhumation :
/// " (with "(La nuit)" for a night burial), "    7 jours : " (burial + 6
/// days), "   30 jours : " (+ 29 days), "   11 mois  : " and "   12 mois  : "
/// (`ajoute_mois` of the burial), "    1 année : " before the 12 months
/// when they make the year, and "   1è année : " (the death carried one year
/// on) after a death in a leap year.
[[nodiscard]] std::vector<DateDeDeuil> dates_de_deuil(const DateEtMoment& deces,
                                                      const DateEtMoment& inhumation,
                                                      engine::DateCivile aujourdhui);

/// The rules printed below the mourning lines on the record sheet.
inline constexpr std::array<std::string_view, 10> regles_du_deuil = {
    "    La 1e année, il y a plusieurs dates, à célébrer à partir de l'inhumation :",
    "    1) 7e jour,    2) 30e jour,       3) 11 mois, fin de la récitation du Kaddich,",
    "    4) 12 mois, fin du deuil,       5) 1 an, 1er anniversaire.",
    "    6) Si l'année écoulée=13 mois, l'anniversaire 13e mois à partir du DC.",
    "    Les années suivantes, les anniversaires seront commémorés à partir",
    "    de la date du décès et non plus celle de l'inhumation.",
    "    On ne commémore pas un décès certains jours de l'année.",
    "    A proximité des fêtes, ces cérémonies, même la fin du deuil peuvent",
    "    être avancés. Auquel cas,",
    "    en référer à une autorité rabbinique pour les modalités d'application.",
};

} // namespace orvane::records
