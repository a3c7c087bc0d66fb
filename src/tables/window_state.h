// "lieu_ini.cal": the last state of the zmanim window, one line of
// tab-separated fields (city, country, latitude, longitude, zone, start and
// end dates as day/month/year, opinion, increment), each followed by a tab.
// Written after every change of year, reference or opinion and before each
// computation; read back when the window opens.
#pragma once

#include "engine/dates.h"
#include "places/place.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvane::tables
{

inline constexpr std::string_view nom_etat_fenetre = "lieu_ini.cal";

struct EtatFenetreHoraires {
    places::Place lieu;
    engine::DateCivile debut{2025, 1, 1};
    engine::DateCivile fin{2025, 12, 31};
    std::string opinion;
    int increment = 1;

    friend bool operator==(const EtatFenetreHoraires&, const EtatFenetreHoraires&) = default;
};

/// The line of the file.
[[nodiscard]] std::string ligne_etat(const EtatFenetreHoraires& e);

/// The state a line holds; nothing when a field is missing or a date or the
/// increment is not a number (the window then keeps its defaults).
[[nodiscard]] std::optional<EtatFenetreHoraires> lit_ligne_etat(std::string_view ligne);

/// `cre_fic_conf_lieu_init_cal`: writes the file in `repertoire` (whole or
/// not at all). Throws platform::FileError.
void cre_fic_conf_lieu_init_cal(const std::filesystem::path& repertoire,
                                const EtatFenetreHoraires& e);

/// The state of the file of `repertoire`, if it is there and readable.
[[nodiscard]] std::optional<EtatFenetreHoraires>
lit_etat_fenetre(const std::filesystem::path& repertoire);

/// The date of the day, month and year lists, the day brought back into
/// the month (31/02 is the last day of February, 31/04 the 30th).
[[nodiscard]] engine::DateCivile date_des_listes(int jour, int mois, int annee);

} // namespace orvane::tables
