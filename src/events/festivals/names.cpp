#include "events/festivals/names.h"

#include <algorithm>

namespace orvane::events
{

std::string sans_remplissage(std::string_view nom)
{
    std::string texte(nom);
    std::replace_if(
        texte.begin(), texte.end(), [](char c) { return c == '*' || c == '-'; }, ' ');
    return texte;
}

} // namespace orvane::events
