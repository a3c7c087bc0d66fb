// The header of a year page in the window's text area: the title, the
// year and its counterpart in the other calendar, the Diaspora or Israel
// readings, the place and the legend of the marks, the winter-time note.
#pragma once

#include "documents/calendar_request.h"

#include <string>
#include <vector>

namespace orvane::documents
{

/// The header lines of `annee` in the direction of `demande`; `sans_heure_ete`:
/// the country has no summer-time table for the year.
[[nodiscard]] std::vector<std::string> entete_page(const DemandeCalendrier& demande, int annee,
                                                   bool sans_heure_ete);

/// "\t\t\t5786\t(Commune)": the line before 1 Tichri of a Hebrew year.
[[nodiscard]] std::string ligne_nouvel_an(int annee_hebr, bool embolismique);

/// Civil year written beside Hebrew year `annee_hebr`: the year of its
/// spring, annee − 3760, or −1 in place of 0 (there is no year 0).
[[nodiscard]] int annee_civile_de_l_hebreu(int annee_hebr);

} // namespace orvane::documents
