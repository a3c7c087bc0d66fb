#include "records/store/group_reader.h"

#include <algorithm>

namespace orvane::records
{

namespace
{

constexpr std::size_t absent = static_cast<std::size_t>(-1);

std::size_t cherche(std::span<const std::string_view> champs, std::string_view mot,
                    std::size_t depuis)
{
    for (std::size_t i = depuis; i < champs.size(); ++i) {
        if (champs[i] == mot) {
            return i;
        }
    }
    return absent;
}

/// Where the groups after group `k` begin when they all have their size
/// and end the line, each marker at its place; none otherwise.
std::size_t place_depuis_la_fin(std::span<const std::string_view> champs,
                                std::span<const Marqueur> disposition, std::size_t k,
                                std::size_t debut)
{
    std::size_t suite = 0;
    for (std::size_t j = k + 1; j < disposition.size(); ++j) {
        if (disposition[j].taille == variable) {
            return absent;
        }
        suite += 1 + static_cast<std::size_t>(disposition[j].taille);
    }
    if (champs.size() < debut + suite) {
        return absent;
    }
    const std::size_t place = champs.size() - suite;
    for (std::size_t j = k + 1, p = place; j < disposition.size();
         p += 1 + static_cast<std::size_t>(disposition[j].taille), ++j) {
        if (champs[p] != disposition[j].mot) {
            return absent;
        }
    }
    return place;
}

/// Where the fields of group `k`, which begin at `debut`, end: at the
/// expected place when the next marker stands there (counted from the end
/// of the line after a group of varying size), otherwise at the first later
/// marker found, otherwise at the end of the line.
std::size_t fin_du_groupe(std::span<const std::string_view> champs,
                          std::span<const Marqueur> disposition, std::size_t k, std::size_t debut)
{
    const Marqueur& m = disposition[k];
    if (k + 1 == disposition.size()) {
        return champs.size();
    }
    if (m.taille != variable) {
        const std::size_t attendue = debut + static_cast<std::size_t>(m.taille);
        if (attendue < champs.size() && champs[attendue] == disposition[k + 1].mot) {
            return attendue;
        }
    } else if (const std::size_t place = place_depuis_la_fin(champs, disposition, k, debut);
               place != absent) {
        return place;
    }
    std::size_t fin = champs.size();
    for (std::size_t j = k + 1; j < disposition.size(); ++j) {
        fin = std::min(fin, std::min(champs.size(), cherche(champs, disposition[j].mot, debut)));
    }
    return fin;
}

} // namespace

std::vector<GroupeLu> lit_groupes(std::span<const std::string_view> champs,
                                  std::span<const Marqueur> disposition)
{
    std::vector<GroupeLu> groupes(disposition.size());
    std::size_t curseur = 0;
    for (std::size_t k = 0; k < disposition.size(); ++k) {
        const std::size_t marque = cherche(champs, disposition[k].mot, curseur);
        if (marque == absent) {
            continue;
        }
        const std::size_t debut = marque + 1;
        const std::size_t fin = fin_du_groupe(champs, disposition, k, debut);
        groupes[k].trouve = true;
        groupes[k].champs.assign(champs.begin() + static_cast<std::ptrdiff_t>(debut),
                                 champs.begin() + static_cast<std::ptrdiff_t>(fin));
        curseur = fin;
    }
    return groupes;
}

std::string_view champ(const std::vector<std::string_view>& champs, std::size_t i)
{
    return i < champs.size() ? champs[i] : std::string_view{};
}

} // namespace orvane::records
