#include "platform/file_names.h"

#include "platform/file_lookup.h"
#include "platform/text.h"

namespace orvane::platform
{

namespace
{

char32_t lettre_simple(char32_t c)
{
    switch (c) {
    case U'é':
    case U'è':
    case U'ê':
    case U'ë':
    case U'É':
    case U'Ê':
        return U'e';
    case U'à':
    case U'â':
    case U'ä':
    case U'Â':
        return U'a';
    case U'î':
    case U'ï':
        return U'i';
    case U'Ï':
        return U'I';
    case U'ù':
    case U'û':
    case U'ü':
        return U'u';
    case U'ç':
        return U'c';
    case U'ô':
        return U'o';
    default:
        break;
    }
    const std::u32string_view blancs = U"'()-.,/\\:*?\"<>|";
    if (c < 0x20 || c == 0x7f || blancs.find(c) != std::u32string_view::npos) {
        return U' ';
    }
    // Every other accented Latin letter loses its accent ("Ñ" → "N").
    return lettre_sans_accent(c);
}

} // namespace

std::string nom_fichier_ville(std::string_view ville)
{
    std::string nom;
    for (char32_t c : decode_utf8(ville)) {
        const char32_t s = lettre_simple(c);
        if (s == U' ' && (nom.empty() || nom.back() == ' ')) {
            continue;
        }
        nom += utf8_of(s);
    }
    return trim(cut(trim(nom), 8));
}

std::string nom_de_fichier_sur(std::string_view texte)
{
    const std::u32string_view interdits = U"/\\:*?\"<>|";
    std::string nom;
    for (char32_t c : decode_utf8(texte)) {
        const bool interdit =
            c < 0x20 || c == 0x7f || interdits.find(c) != std::u32string_view::npos;
        nom += interdit ? std::string("_") : utf8_of(c);
    }
    const std::size_t debut = nom.find_first_not_of(" .");
    if (debut == std::string::npos) {
        return "_";
    }
    return nom.substr(debut, nom.find_last_not_of(" .") - debut + 1);
}

std::filesystem::path chemin_libre(const std::filesystem::path& dossier, std::string_view base,
                                   std::string_view extension)
{
    std::string nom = std::string(base) + std::string(extension);
    for (int n = 2; std::filesystem::exists(lookup_ignoring_case(dossier, nom)); ++n) {
        nom = std::string(base) + "_" + std::to_string(n) + std::string(extension);
    }
    return dossier / nom;
}

} // namespace orvane::platform
