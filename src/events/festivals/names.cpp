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

std::string sans_remplissage_garde_traits(std::string_view nom)
{
    const auto lettre = [&nom](std::size_t i) {
        return i < nom.size() && nom[i] != ' ' && nom[i] != '*' && nom[i] != '-';
    };
    std::string texte(nom);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const bool trait_d_union = texte[i] == '-' && i > 0 && lettre(i - 1) && lettre(i + 1);
        if (texte[i] == '*' || (texte[i] == '-' && !trait_d_union)) {
            texte[i] = ' ';
        }
    }
    return texte;
}

} // namespace orvane::events
