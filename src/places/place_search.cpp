#include "places/place_search.h"

#include <algorithm>
#include <tuple>

namespace orvane::places
{

namespace
{

bool meme_pays(const Place& lieu, std::string_view pays)
{
    return pays.empty() || cle_de_tri(lieu.pays) == cle_de_tri(pays);
}

std::optional<Place> sans_casse_ni_accents(const ListesLieux& listes, std::string_view ville,
                                           std::string_view pays)
{
    const std::u32string cle = cle_de_tri(ville);
    for (const Place& lieu : listes.lieux) {
        if (cle_de_tri(lieu.ville) == cle && meme_pays(lieu, pays)) {
            return lieu;
        }
    }
    return std::nullopt;
}

// Levenshtein distance: the fewest insertions, deletions and changes of one
// character that turn `a` into `b`.
std::size_t distance_d_edition(const std::u32string& a, const std::u32string& b)
{
    std::vector<std::size_t> precedente(b.size() + 1);
    std::vector<std::size_t> courante(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        precedente[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        courante[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = precedente[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            courante[j] = std::min({precedente[j] + 1, courante[j - 1] + 1, change});
        }
        std::swap(precedente, courante);
    }
    return precedente[b.size()];
}

// "PARIS (75)" is also found as "Paris": the name without the department
// or state in parentheses at its end.
std::u32string sans_precision(const std::u32string& cle)
{
    const std::size_t parenthese = cle.rfind(U" (");
    return parenthese == std::u32string::npos || cle.back() != U')' ? cle
                                                                    : cle.substr(0, parenthese);
}

// How near `nom` stands to the typed key: (0 when it begins with it, else
// 1; then the number of edits, or of letters past the typed ones).
std::optional<std::pair<int, std::size_t>> proximite(const std::u32string& cle,
                                                     const std::u32string& nom, std::size_t limite)
{
    if (!cle.empty() && nom.rfind(cle, 0) == 0) {
        return std::pair{0, nom.size() - cle.size()};
    }
    const std::size_t d =
        std::min(distance_d_edition(cle, nom), distance_d_edition(cle, sans_precision(nom)));
    if (d <= limite) {
        return std::pair{1, d};
    }
    return std::nullopt;
}

} // namespace

std::optional<Place> cherche_ville(const std::vector<const ListesLieux*>& listes,
                                   std::string_view ville, std::string_view pays)
{
    for (const ListesLieux* l : listes) {
        if (std::optional<Place> p = choix_ville(*l, ville, pays); p && meme_pays(*p, pays)) {
            return p;
        }
    }
    for (const ListesLieux* l : listes) {
        if (std::optional<Place> p = sans_casse_ni_accents(*l, ville, pays)) {
            return p;
        }
    }
    return std::nullopt;
}

std::vector<std::string> villes_proches(const std::vector<const ListesLieux*>& listes,
                                        std::string_view ville, std::size_t nombre)
{
    const std::u32string cle = cle_de_tri(ville);
    const std::size_t limite = std::max<std::size_t>(2, cle.size() / 3);
    // (0 for a name that begins with the typed text, else 1; distance; name)
    std::vector<std::tuple<int, std::size_t, std::string>> candidats;
    for (const ListesLieux* l : listes) {
        for (const std::string& nom : l->villes) {
            if (const auto p = proximite(cle, cle_de_tri(nom), limite)) {
                candidats.emplace_back(p->first, p->second, nom);
            }
        }
    }
    std::sort(candidats.begin(), candidats.end());
    std::vector<std::string> noms;
    for (const auto& [rang, distance, nom] : candidats) {
        if (noms.size() == nombre) {
            break;
        }
        if (std::find(noms.begin(), noms.end(), nom) == noms.end()) {
            noms.push_back(nom);
        }
    }
    return noms;
}

} // namespace orvane::places
