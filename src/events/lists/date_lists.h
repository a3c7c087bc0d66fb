// The lists of dates that customs attach to the calendar: the days of the
// new month, the days of the visits to the cemetery and the periods without
// them, the days and periods without weddings, and the Sabbaths of the
// Bar-Mitsva ceremonies. Each list returns the lines that follow the
// window's header; a list asked for one year gives exactly the text of that
// year (the web page of the year). Each makes its own calendar record.
//
//   liste_roch_hodech({5785, 1, 1}, 0)[1]
//   // "      ROCH-HACHANA  Jeudi    1   Tichri  5785  --->  3   Octobre   2024 "
#pragma once

#include <string>
#include <vector>

namespace orvane::events
{

/// The years of a list: `nb_annees` years from `premiere`, `increment`
/// apart. Only the years 1 to 13759 are written: the walk stops at the
/// first year outside them, and an increment of 0 writes its year once.
struct DemandeListe {
    int premiere = 0;
    int nb_annees = 1;
    int increment = 1;
};

/// "DATES DES VISITES AU CIMETIERE": for each year, the eve of Roch-Hachana,
/// of Kippour, of Soukot, of 'Hanouka, of Chavou'ot and of every new month,
/// and the fasts, on which one goes to the cemetery; a visit that would fall
/// on Chabbat is made the day before.
[[nodiscard]] std::vector<std::string> liste_visites(const DemandeListe& d);

/// "PERIODES OU LES VISITES AU CIMETIERE SONT INTERDITES": the fixed text.
[[nodiscard]] std::vector<std::string> visites_interdites();

/// "DATES DES MARIAGES INTERDITS": for each year, the festivals, fasts and
/// periods without weddings, the Omer after both rites.
[[nodiscard]] std::vector<std::string> mariages_interdits(const DemandeListe& d);

/// "DATES DE ROCH 'HODECH": for each year, the days of the new month of
/// every month (`mois` 0) from Roch-Hachana to 1 Eloul, or of month `mois`
/// alone (1..13 with 7 Adar II; nothing for Adar II of a common year).
[[nodiscard]] std::vector<std::string> liste_roch_hodech(const DemandeListe& d, int mois);

/// "TABLEAU DES CEREMONIES DE BAR-MITSVA" (or BAT-MITSVA for a girl): for
/// `nb_tables` ceremony years from `annee`, one line per Chabbat with the
/// births whose ceremony (13 years for a boy, 12 for a girl) falls in the
/// week that this Chabbat ends, and the reading of that Chabbat in the
/// Diaspora or in Israel.
[[nodiscard]] std::vector<std::string> ceremonies_bar_mitsva(int annee, int nb_tables, bool fille,
                                                             bool diaspora);

} // namespace orvane::events
