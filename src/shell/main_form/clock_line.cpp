#include "shell/main_form/clock_line.h"

#include "platform/text.h"
#include "zmanim/format/arrondi.h"

#include <array>
#include <cstdio>

namespace orvane::shell
{

double halakim_de_l_heure(int minutes, int secondes) noexcept
{
    return minutes * 18.0 + secondes * 0.3;
}

std::string ligne_horloge(const platform::LocalTime& t)
{
    // In tenths of a helek, to keep 0.3 × seconds exact.
    const long dixiemes = t.minutes * 180L + t.secondes * 3L;
    char halakim[32];
    std::snprintf(halakim, sizeof halakim, "%ld.%ld", dixiemes / 10, dixiemes % 10);
    std::string ligne = std::to_string(t.heures) + " h " + zmanim::texte_deux_chiffres(t.minutes);
    ligne += t.secondes < 10 ? " mn 0" : " mn ";
    ligne += std::to_string(t.secondes) + " sec";
    ligne += " = " + std::to_string(t.heures) + " h " + halakim + " halakim ";
    return ligne;
}

std::string texte_heure(const platform::LocalTime& t)
{
    return " " + zmanim::texte_deux_chiffres(t.heures) + ":" +
           zmanim::texte_deux_chiffres(t.minutes) + ":" + zmanim::texte_deux_chiffres(t.secondes);
}

EtoilesChabbat etoiles_chabbat(std::string_view jour_montre, std::string_view jour_aujourdhui)
{
    const std::string montre = platform::left(jour_montre, 4);
    const std::string aujourdhui = platform::left(jour_aujourdhui, 4);
    return {montre == "Vend" || aujourdhui == "Frid", montre == "Chab" || aujourdhui == "Satu"};
}

std::string_view jour_anglais(int jour_semaine) noexcept
{
    static constexpr std::array<std::string_view, 8> noms = {
        "", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return jour_semaine >= 1 && jour_semaine <= 7 ? noms[static_cast<std::size_t>(jour_semaine)]
                                                  : std::string_view{};
}

} // namespace orvane::shell
