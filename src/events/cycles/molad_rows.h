// Rows of the moladot and Birkat Halévana tables.
#pragma once

#include "events/cycles/levana.h"

#include <string>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// The moladot of `nb_annees` Hebrew years from `premiere` (stepping by
/// `increment`): every month, or only month `seul` (1..13). The years share
/// one calendar record that the table makes.
[[nodiscard]] std::vector<std::string> table_moladot(int premiere, int nb_annees, int increment,
                                                     int seul = 0);

/// One row of the moladot table for `slot` of Hebrew year `annee` (after
/// calcule_molad_mois in detailed form); empty for Adar II of a common year.
[[nodiscard]] std::string ligne_molad(const engine::CalendarEngine& e, int slot, int annee);

struct ChoixLevana {
    OptionsLevana options;
    bool sepharade = false;     // Israel table: the Sephardi beginning
    bool limite_exacte = false; // France: no note on the daytime hours
};

/// The Birkat Halévana table of one Hebrew year, for France (molad, both
/// beginnings and the end of each month) or for Israel (molad, beginning,
/// end), computed in one calendar record of its own.
[[nodiscard]] std::vector<std::string> table_levana(int annee, const ChoixLevana& choix);

/// The molad and the limits of one month as the consistory files give them:
/// the rows ": MOLAD        : ", ": DEBUT LEVANA : ", ": FIN   LEVANA : "
/// (France), with the custom's beginning. Empty for Adar II of a common year.
/// Computed in a calendar record of its own.
struct LignesCiopLevana {
    std::string molad;
    std::string debut;
    std::string fin;
    std::vector<std::string> molad_tsv; // the same in tab-separated fields
    std::vector<std::string> debut_tsv;
    std::vector<std::string> fin_tsv;
};
[[nodiscard]] LignesCiopLevana lignes_ciop_levana(int slot, int annee, const ChoixLevana& choix);

namespace detail
{
/// The same in a record that the consistory files lend for all the months
/// of the year. The date fields of `e` are left as found; the result does
/// not depend on what `e` held.
[[nodiscard]] LignesCiopLevana lignes_ciop_levana(engine::CalendarEngine& e, int slot, int annee,
                                                  const ChoixLevana& choix);
} // namespace detail

} // namespace orvane::events
