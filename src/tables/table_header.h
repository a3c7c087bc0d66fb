// The lines a zmanim table writes before its rows: the place line, the
// summer-time note, the notes of the web pages, the title line; and the
// lines between two months of a web page.
#pragma once

#include "tables/columns.h"
#include "tables/table_request.h"

#include <string>
#include <vector>

namespace orvane::tables
{

/// The place line of the layout and output of `d`; `ete_par_date` when the
/// summer time is applied date by date.
[[nodiscard]] std::string ligne_du_lieu(const DemandeTable& d);

/// The lines of the web pages after the summer-time note: the rule of the
/// summer time in France, or the warning of the other countries, then the
/// opening of the first month's anchor.
[[nodiscard]] std::vector<std::string> notes_web(const DemandeTable& d);

/// The title line of the shown columns as the text file receives it.
[[nodiscard]] std::string ligne_des_titres(const DemandeTable& d,
                                           const std::vector<ColonneAffichee>& colonnes);

/// The lines written when the rows pass from month `mois` to the next:
/// the link back to the top and the next month's title (web pages), a line
/// of one blank (text pages of the lists), nothing otherwise.
[[nodiscard]] std::vector<std::string> lignes_changement_de_mois(const DemandeTable& d, int mois,
                                                                 int annee);

} // namespace orvane::tables
