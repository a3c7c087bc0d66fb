// The bodies of the page files of a year page: the day lines of each month
// under its title, as text or as HTML (one anchor per month, named by the
// month's number and initial: "1J" for January, "8N" for Nissan, so that the
// links of the head template find them).
#pragma once

#include "documents/calendar_request.h"
#include "documents/year_page.h"

#include "platform/text.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

using platform::echappe_html;

/// "Janvier 2025", "Tichri 5786": the title of a month of the page.
[[nodiscard]] std::string titre_mois(const MoisPage& m, Sens sens);

/// "1J", "8N": the anchor of a month of the page.
[[nodiscard]] std::string ancre_mois(const MoisPage& m, Sens sens);

/// The text body: with the times, the place lines first; then each month
/// under a line of one space and its title.
[[nodiscard]] std::vector<std::string> corps_texte(const PageAnnee& page,
                                                   const DemandeCalendrier& demande);

/// The HTML body; `prefixe_images`: the path from the page to the folder
/// that holds "images/haut.gif". Its elements close inside it, and it closes
/// the table that the head template opens.
[[nodiscard]] std::vector<std::string> corps_html(const PageAnnee& page,
                                                  const DemandeCalendrier& demande,
                                                  std::string_view prefixe_images);

} // namespace orvane::documents
