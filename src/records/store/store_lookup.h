// Finding the record of a position in the lines of a store (store.cpp and
// the writing operations).
#pragma once

#include "records/store/pair_contents.h"

#include <cstddef>
#include <string>
#include <variant>

namespace orvane::records
{

/// The line (from 0) of the record at `position` when both of its lines
/// hold `numero`; otherwise the message that says why not ("Le fichier ne
/// contient aucune fiche", a position beyond the records, a record moved).
[[nodiscard]] std::variant<std::size_t, std::string> ligne_de_la_fiche(const ContenuPaire& contenu,
                                                                       int position, int numero);

/// The line of the record at `position` and its number, when both lines
/// of the position hold the same number; otherwise the message.
struct FicheTrouvee {
    std::size_t ligne = 0;
    int numero = 0;
};
[[nodiscard]] std::variant<FicheTrouvee, std::string>
fiche_a_la_position(const ContenuPaire& contenu, int position);

} // namespace orvane::records
