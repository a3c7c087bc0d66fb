// The curves of the "Graphiques" command: dawn, sunrise, midday, sunset and
// the stars of each computed day, in local clock hours, taken from the rows
// of a table as they come (about fifty bytes a day: a century fits).
#pragma once

#include "tables/range_table.h"

#include <array>
#include <string_view>
#include <vector>

namespace orvane::tables
{

inline constexpr std::size_t nombre_de_courbes = 5;

/// Names of the curves, in order: "Aube", "Lever", "Mi-jour", "Coucher", "Etoiles".
[[nodiscard]] const std::array<std::string_view, nombre_de_courbes>& noms_des_courbes();

struct PointDuJour {
    engine::DateCivile date{2000, 1, 1};
    /// Local hours (zone and summer time added), 0..24 h or a little past.
    std::array<double, nombre_de_courbes> heures{};
};

class CourbesHoraires : public SortieTable
{
public:
    void ligne(const std::string&) override {}
    void rangee(const RangeeTable& r) override;
    [[nodiscard]] const std::vector<PointDuJour>& points() const { return points_; }
    /// Lowest and highest hour of every curve, for the scale.
    [[nodiscard]] std::pair<double, double> etendue() const;

private:
    std::vector<PointDuJour> points_;
};

} // namespace orvane::tables
