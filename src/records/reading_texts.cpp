#include "records/reading_texts.h"

#include "events/hebrew_letters.h"
#include "platform/text_file.h"

namespace orvane::records
{

namespace
{

std::string lettre_de_section(std::string_view lettre)
{
    if (lettre.size() != 1) {
        return std::string(lettre);
    }
    switch (lettre[0]) {
    case '\\':
        return "m";
    case '}':
        return "n";
    case '{':
        return "x";
    default:
        return std::string(lettre);
    }
}

std::vector<std::string> section(const std::vector<std::string>& lignes, std::string_view lettre)
{
    const std::string entete = "@" + lettre_de_section(lettre);
    std::vector<std::string> s;
    bool dedans = false;
    for (const std::string& l : lignes) {
        if (!l.empty() && l[0] == '@') {
            if (dedans) {
                break;
            }
            dedans = l == entete;
        } else if (dedans) {
            s.push_back(l);
        }
    }
    return s;
}

} // namespace

std::vector<std::string> lignes_de_la_lettre(const std::filesystem::path& fichier,
                                             std::string_view lettre)
{
    return section(platform::read_lines(fichier), lettre);
}

std::vector<std::string> lignes_du_nom(const std::filesystem::path& fichier, std::string_view nom)
{
    const std::vector<std::string> lignes = platform::read_lines(fichier);
    std::vector<std::string> texte;
    for (auto it = nom.rbegin(); it != nom.rend(); ++it) {
        if (events::lettre_hebraique(*it) == 0) {
            continue;
        }
        const std::vector<std::string> s = section(lignes, std::string_view(&*it, 1));
        texte.insert(texte.end(), s.begin(), s.end());
    }
    return texte;
}

} // namespace orvane::records
