#include "documents/sabbath_entry_rules.h"

#include "zmanim/format/arrondi.h"

#include <algorithm>
#include <array>
#include <string>

namespace orvane::documents
{
namespace
{

int minutes_de(const zmanim::TexteHoraire& t)
{
    return zmanim::valeur_texte(t.heures) * 60 + zmanim::valeur_texte(t.minutes);
}

zmanim::TexteHoraire texte_de(int minutes, const zmanim::TexteHoraire& modele)
{
    const auto deux = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    zmanim::TexteHoraire t = modele;
    t.heures = std::to_string(minutes / 60);
    t.minutes = deux(minutes % 60);
    t.secondes = "00";
    return t;
}

/// The latest entry of each rule in minutes after midnight; none (a large
/// value) for the rules without one.
constexpr std::array<int, 8> limites = {24 * 60,      0,           0, 0, 20 * 60, 20 * 60 + 15,
                                        20 * 60 + 30, 20 * 60 + 40};

} // namespace

zmanim::TexteHoraire entree_selon_la_regle(const zmanim::DayTimes& jour, int regle, bool ete)
{
    const zmanim::TexteHoraire& normale = jour.entree_chabbat;
    const bool regle_d_ete = regle == 1 || regle == 2 || (regle >= 4 && regle <= 7);
    if (regle <= 0 || regle > 7 || (regle_d_ete && !ete) || !normale.definie() ||
        !jour.heureP.definie()) {
        return normale;
    }
    const int n = minutes_de(normale);
    const int plag = minutes_de(jour.heureP);
    int entree = n;
    if (regle == 1) {
        entree = std::min(n, plag + 15);
    } else if (regle == 2 || regle == 3) {
        entree = plag;
    } else {
        entree = std::min(n, limites[static_cast<std::size_t>(regle)]);
    }
    entree = std::clamp(entree, std::min(plag, n), n);
    return entree == n ? normale : texte_de(entree, normale);
}

} // namespace orvane::documents
