#include "events/glossary_entry.h"

#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::events
{

std::optional<std::vector<std::string>> entree_glossaire(const std::vector<std::string>& fichier,
                                                         std::string_view cle, bool fin_soulignee)
{
    std::size_t i = 0;
    while (i < fichier.size() && fichier[i].find(cle) == std::string::npos) {
        ++i;
    }
    if (i == fichier.size()) {
        return std::nullopt;
    }
    const std::string& premiere = fichier[i];
    const std::size_t longueur = platform::char_count(premiere);
    std::vector<std::string> lignes = {platform::left(premiere, longueur == 0 ? 0 : longueur - 1)};
    for (++i; i < fichier.size(); ++i) {
        const std::string& l = fichier[i];
        if (l.starts_with("@")) {
            continue; // the name line of a paragraph of the same entry
        }
        if (l.find('@') != std::string::npos ||
            (fin_soulignee && l.find("___") != std::string::npos)) {
            break;
        }
        lignes.push_back(l);
    }
    return lignes;
}

std::string message_glossaire_absent(std::string_view cle)
{
    return "Le glossaire « glossair.dta » n'a pas d'entrée « " + std::string(cle) + " ».";
}

std::vector<std::string> lignes_du_glossaire(const std::filesystem::path& repertoire,
                                             std::string_view cle)
{
    const std::vector<std::string> fichier =
        platform::read_lines(platform::lookup_ignoring_case(repertoire, fichier_glossaire));
    std::optional<std::vector<std::string>> entree = entree_glossaire(fichier, cle);
    return entree ? std::move(*entree) : std::vector<std::string>{message_glossaire_absent(cle)};
}

} // namespace orvane::events
