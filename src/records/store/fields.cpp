#include "records/store/fields.h"

#include "platform/text.h"

#include <string>

namespace orvane::records
{

namespace
{

bool est_controle(char32_t c) noexcept
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

std::string champ_ecrit(std::string_view texte)
{
    std::string ecrit;
    ecrit.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        const platform::CodePoint c = platform::code_point_at(texte, i);
        // A byte that is not UTF-8 is kept: the encoding check names it.
        const bool blanc = c.valid && (c.value == ' ' || est_controle(c.value));
        if (!blanc) {
            ecrit.append(texte.substr(i, c.length));
        } else if (ecrit.empty() || ecrit.back() != ' ') {
            ecrit.push_back(' ');
        }
        i += c.length;
    }
    return ecrit;
}

std::string mot_ecrit(std::string_view texte)
{
    std::string mot = champ_ecrit(texte);
    std::erase(mot, ' ');
    return mot;
}

std::vector<std::string_view> separe_champs(std::string_view ligne)
{
    std::vector<std::string_view> champs;
    for (;;) {
        const std::size_t tab = ligne.find('\t');
        champs.push_back(ligne.substr(0, tab));
        if (tab == std::string_view::npos) {
            return champs;
        }
        ligne.remove_prefix(tab + 1);
    }
}

std::string joint_champs(const std::vector<std::string>& champs)
{
    std::string ligne;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0) {
            ligne.push_back('\t');
        }
        ligne += champs[i];
    }
    return ligne;
}

std::string joint_par_blancs(const std::vector<std::string_view>& textes)
{
    std::string texte;
    for (std::size_t i = 0; i < textes.size(); ++i) {
        if (i > 0) {
            texte.push_back(' ');
        }
        texte += textes[i];
    }
    return texte;
}

} // namespace orvane::records
