// The names of the Sabbaths as the calendar pages write them.
#pragma once

#include <string>
#include <string_view>

namespace orvane::events
{

/// The name that the calendar pages add to a Saturday, from the day's text
/// and its Hebrew date: "Chabbat Chira" (Bechala'h), "Chabbat 'Hazon"
/// (Devarim), "Chabbat Na'hamou" (Vaèt'hanan), "Chabbat Kala" (1 to 5
/// Sivan, 29 Iyar); empty for the others.
[[nodiscard]] std::string nom_chabbat_de_page(std::string_view texte_du_jour, int mois_hebr,
                                              int jour_hebr);

/// "Fête des garçons" for the Thursday after Chabbat Bechala'h, or " et Fête
/// des garçons" after a text that begins with "Tou" (Tou Bichvat that day).
[[nodiscard]] std::string fete_des_garcons(std::string_view texte_du_jeudi);

/// A Sabbath label rewritten for the narrow column of a calendar page
/// (28 characters): 'Hanouka, Tou Beav and Roch Hodech put at the end
/// after " - ", "CH." before the special Sabbaths, blanks tightened.
/// "Hahodech Roch Hodech " gives "CH.Hahodech - Roch Hod." and blanks.
[[nodiscard]] std::string libelle_chabbat_de_page(std::string_view libelle);

} // namespace orvane::events
