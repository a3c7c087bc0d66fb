// The questions asked before a table about the Sabbath entry (the
// Tossefet, minutes before sunset): Marseille has its Beth Din's own entry
// and exit, Jerusalem takes the Sabbath in 40 minutes before sunset, the
// other cities of Israel 20, the Diaspora 18. When the box of the window
// holds another value the user chooses between the two.
#pragma once

#include "places/place.h"

#include <optional>
#include <string>

namespace orvane::tables
{

struct QuestionTossefet {
    std::string texte;       // Yes / No / Cancel
    int valeur_oui = 18;     // the Tossefet of a Yes
    bool marseille = false;  // a Yes also takes the exit at 7.35°
    std::string information; // shown after a Yes (Marseille), empty otherwise
};

/// The question for the place, or nothing when the box already holds the
/// place's value.
[[nodiscard]] std::optional<QuestionTossefet> question_tossefet(const places::Place& lieu,
                                                                int tossefet_case);

enum class ReponseTossefet { oui, non, annuler };

/// What the table takes: the Tossefet and the exit of Marseille.
struct TossefetRetenue {
    int tossefet = 18;
    bool sortie_marseille = false;
};

/// The Tossefet after the answer (nothing for Cancel, which ends the command).
[[nodiscard]] std::optional<TossefetRetenue>
tossefet_retenue(const std::optional<QuestionTossefet>& q, ReponseTossefet r, int tossefet_case);

} // namespace orvane::tables
