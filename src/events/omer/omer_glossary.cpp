#include "events/omer/omer_glossary.h"

#include "events/glossary_entry.h"
#include "events/omer/omer_count.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

std::vector<std::string> entree_ou_message(const std::vector<std::string>& fichier,
                                           std::string_view cle)
{
    std::optional<std::vector<std::string>> entree = entree_glossaire(fichier, cle);
    return entree ? std::move(*entree) : std::vector<std::string>{message_glossaire_absent(cle)};
}

} // namespace

std::vector<std::string> glossaire_omer(const std::vector<std::string>& fichier)
{
    std::vector<std::string> lignes = entree_ou_message(fichier, cle_glossaire_omer);
    const auto premiere = std::find_if(fichier.begin(), fichier.end(), [](const std::string& l) {
        return l.find(cle_glossaire_omer) != std::string::npos;
    });
    if (premiere != fichier.end()) {
        lignes.front() = *premiere; // this entry keeps its title line whole
    }
    return lignes;
}

std::vector<std::string> glossaire_yovel(const std::vector<std::string>& fichier)
{
    std::vector<std::string> lignes = entree_ou_message(fichier, cle_glossaire_chemita);
    const std::vector<std::string> yovel = entree_ou_message(fichier, cle_glossaire_yovel);
    lignes.insert(lignes.end(), yovel.begin(), yovel.end());
    return lignes;
}

} // namespace orvane::events
