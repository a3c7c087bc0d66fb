// Bar-Mitsva (thirteen full years, for a boy) and Bat-Mitsva (twelve, for a
// girl): the date, the Sabbath on or after it and the reading of that
// Sabbath, with the texts of the main window's panel.
//
// The date itself is events::date_bar_mitsva.
#pragma once

#include "records/day_lines.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane::records
{

enum class Sexe { garcon, fille };

/// The Bar-Mitsva panel of the main window for a birth date.
struct BarMitsva {
    JourComplet date;          // the Bar-Mitsva or Bat-Mitsva day
    JourComplet chabbat;       // the Sabbath on or after it
    std::string paracha;       // the reading (or festival) of that Sabbath, "Tazria Metsora"
    std::string titre;         // "Paracha de Bar-Mitsva" or "Paracha de Bat-Mitsva"
    std::string ligne_date;    // "   Jeudi     3 Octobre 2024 = 1 Tichri  5785"
    std::string ligne_chabbat; // "Chabbat Bar-Mitsva : Haazinou"
};

/// The panel for Hebrew birth date `naissance` (the target year must lie
/// within 3860..13759); `diaspora` chooses the readings of the Diaspora or of
/// Israel. The Sabbath and its reading are those of events::paracha_bar_mitsva.
[[nodiscard]] BarMitsva calcule_bar_mitsva(const engine::DateHebraique& naissance, Sexe sexe,
                                           bool diaspora);

/// The sex from the civility of a database record: "M", "M.", "Mr" and "Rav"
/// a boy, "Mme" and "Mle" a girl; nothing for anything else (the record
/// window then shows message_civilite_manquante and computes nothing).
[[nodiscard]] std::optional<Sexe> sexe_de_la_civilite(std::string_view civilite);

inline constexpr std::string_view message_civilite_manquante =
    "Le champ \"M Mme ou Mle\" doit être obligatoirement renseigné\r";

} // namespace orvane::records
