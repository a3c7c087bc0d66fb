#include "records/store/numbered_line.h"

#include "platform/text.h"

namespace orvane::records
{

LigneNumerotee separe_numero(std::string_view ligne)
{
    const std::size_t tab = ligne.find('\t');
    LigneNumerotee l;
    l.numero = platform::nombre_entier(ligne.substr(0, tab));
    if (tab != std::string_view::npos) {
        l.contenu = ligne.substr(tab + 1);
    }
    return l;
}

std::string ligne_numerotee(int numero, std::string_view contenu)
{
    std::string ligne = std::to_string(numero);
    ligne.push_back('\t');
    ligne += contenu;
    return ligne;
}

bool ligne_vide(std::string_view ligne) noexcept
{
    return ligne.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace orvane::records
