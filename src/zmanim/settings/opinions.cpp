#include "zmanim/settings/opinions.h"

#include "platform/text.h"

#include <optional>
#include <utility>

namespace orvane::zmanim
{

namespace
{

/// True when the first `n` characters of `nom` are `debut`.
bool commence_par(std::string_view nom, std::string_view debut)
{
    return platform::left(nom, platform::char_count(debut)) == debut;
}

} // namespace

namespace
{

AvisNormalise normalise(std::string_view nom)
{
    AvisNormalise avis{std::string(nom)};
    std::string& n = avis.nom;
    if (commence_par(n, "Or")) {
        n = avis_or_meir;
    }
    if (n == avis_selon_choix) {
        n = avis_or_meir;
    }
    if (commence_par(n, "Beth Din")) {
        n = avis_beth_din;
    }
    if (n == "Guéonim") {
        n = avis_beth_din;
    }
    if (commence_par(n, "Aube à 72min (Aub")) {
        n = avis_4mils_an;
    }
    if (commence_par(n, "Aube à 72min (Lev")) {
        n = avis_4mils_lc;
    }
    if (commence_par(n, "Aube à 5 Mils")) {
        n = avis_5mils;
    }
    if (commence_par(n, "Maguen")) {
        n = avis_pavee;
    }
    if (commence_par(n, "Mixte")) {
        n = avis_beth_din;
    }
    if (commence_par(n, "Admour")) {
        n = avis_admour;
    }
    if (commence_par(n, "Rav_Ro")) {
        n = avis_rav_rottenberg;
        avis.rav_rottenberg = true;
    }
    return avis;
}

} // namespace

AvisNormalise normalise_opinion(std::string_view nom)
{
    // A table asks the same name for each of its days.
    thread_local std::optional<std::pair<std::string, AvisNormalise>> dernier;
    if (!dernier || dernier->first != nom) {
        dernier.emplace(std::string(nom), normalise(nom));
    }
    return dernier->second;
}

double facteur_proportion(std::string_view nom_calcul) noexcept
{
    if (nom_calcul == avis_4mils_an) {
        return proportion_4mils_an;
    }
    if (nom_calcul == avis_5mils) {
        return proportion_5mils;
    }
    return 0;
}

} // namespace orvane::zmanim
