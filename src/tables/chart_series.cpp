#include "tables/chart_series.h"

#include <algorithm>

namespace orvane::tables
{

const std::array<std::string_view, nombre_de_courbes>& noms_des_courbes()
{
    static const std::array<std::string_view, nombre_de_courbes> noms{"Aube", "Lever", "Mi-jour",
                                                                      "Coucher", "Etoiles"};
    return noms;
}

void CourbesHoraires::rangee(const RangeeTable& r)
{
    // A polar day has no sunrise or sunset: the curves break there.
    if (r.polaire || r.horaires == nullptr) {
        return;
    }
    const zmanim::DayTimes& j = *r.horaires;
    const double decalage = j.zone + r.correction_ete;
    PointDuJour p;
    p.date = r.date;
    p.heures = {j.t_aube + decalage, j.t_lever + decalage, j.t_hatsot + decalage,
                j.t_coucher + decalage, j.t_etoiles + decalage};
    points_.push_back(p);
}

std::pair<double, double> CourbesHoraires::etendue() const
{
    double bas = 24;
    double haut = 0;
    for (const PointDuJour& p : points_) {
        bas = std::min(bas, *std::min_element(p.heures.begin(), p.heures.end()));
        haut = std::max(haut, *std::max_element(p.heures.begin(), p.heures.end()));
    }
    return bas <= haut ? std::pair{bas, haut} : std::pair{0.0, 24.0};
}

} // namespace orvane::tables
