// "Semaines_en_colonnes": the weeks of a year side by side, Sunday to the
// Sabbath across, one line per time of the table down, so that a week of
// times reads at a glance (the notice boards of the synagogues).
//
//   Semaine du 05/01/25 au 11/01/25
//   	Dim 05/01	Lun 06/01	…	Chab 11/01
//    Aube	07:01	07:00	…	06:59
#pragma once

#include "tables/range_table.h"

#include <array>
#include <string>
#include <vector>

namespace orvane::tables
{

/// "villecol.cal", the one-city list of the weekly columns, in the program
/// directory.
inline constexpr std::string_view liste_des_colonnes = "villecol.cal";

class ColonnesDesSemaines : public SortieTable
{
public:
    void ligne(const std::string&) override {}
    void colonnes(const std::vector<ColonneAffichee>& c) override { titres_ = c; }
    void rangee(const RangeeTable& r) override;

    /// The blocks of every week, an empty line after each.
    [[nodiscard]] std::vector<std::string> lignes() const;

private:
    struct Jour {
        engine::DateCivile date{2000, 1, 1};
        std::vector<std::string> heures; // the text of each shown column
        bool present = false;
    };
    using Semaine = std::array<Jour, 7>;
    std::vector<ColonneAffichee> titres_;
    std::vector<Semaine> semaines_;
};

} // namespace orvane::tables
