// What the lists of dates share: the years asked, the days they convert and
// the column texts of their rows.
#pragma once

#include "engine/dates.h"
#include "events/lists/date_lists.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// The last Hebrew year whose days all lie in the calendar's era (which
/// ends on 28 Hechvan 13760).
inline constexpr int derniere_annee_des_listes = 13759;

/// Six blanks before the lines of the lists.
inline constexpr std::string_view marge_liste = "      ";

/// The years of a request, in order (see DemandeListe).
[[nodiscard]] std::vector<int> annees_de_la_demande(const DemandeListe& d);

/// "Roch Hodech pour les années 5785-5789": six blanks, `debut`, the first
/// and the last year. Nothing (an empty vector) for fewer than two years.
[[nodiscard]] std::vector<std::string> titre_des_annees(std::string_view debut,
                                                        const std::vector<int>& annees);

/// One day of a list: its Hebrew date, civil date and weekday (1 Sunday ..
/// 7 Chabbat).
struct JourDeListe {
    engine::DateHebraique hebreu;
    engine::DateCivile civil;
    int jour_semaine = 0;
};

/// The day `d` converted in `e`.
[[nodiscard]] JourDeListe jour_de_liste(engine::CalendarEngine& e, const engine::DateHebraique& d);

/// The French name of Hebrew month `mois` of year `annee` (Adar or Adar I
/// by the leap status of that year), padded to 7 characters.
[[nodiscard]] std::string nom_du_mois(int annee, int mois);

/// The month after `mois` in year `annee`: Nissan after Adar of a common
/// year, Adar II after Adar I (the lists never ask it of Eloul).
[[nodiscard]] int mois_suivant_de_l_annee(int annee, int mois);

/// Cemetery row: the label (pad 36), weekday (pad 9), Hebrew day (pad 4),
/// month (pad 9), year (pad 5), " ---> ", civil day (pad 4), month (pad 10),
/// year (pad 5).
[[nodiscard]] std::string ligne_de_visite(std::string_view libelle, const JourDeListe& j);

/// Date piece of the weddings list: weekday (pad 9), civil day (pad 4),
/// civil month (pad 10), civil year (pad 5).
[[nodiscard]] std::string piece_de_date(const JourDeListe& j);

/// New-month row: the label (pad 14), weekday (pad 9), Hebrew day (pad 4),
/// month (pad 8), year (pad 5), " --->  ", civil day (pad 4), month (pad
/// 10), year (pad 5).
[[nodiscard]] std::string ligne_de_nouveau_mois(std::string_view libelle, const JourDeListe& j);

/// "Di 20 11 2011": two letters of the weekday, the day and the month on two
/// digits, the civil year.
[[nodiscard]] std::string date_courte(const engine::DateCivile& d);

} // namespace orvane::events
