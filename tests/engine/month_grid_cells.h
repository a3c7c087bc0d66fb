// What a month grid shows, read back cell by cell for the tests.
#pragma once

#include "engine/month_grid.h"

#include <vector>

namespace orvane::engine::test_support
{

struct JourPlace {
    int jour;
    int colonne;
};

/// The days of the week rows with their columns, in reading order.
inline std::vector<JourPlace> jours_places(const GrilleMois& g)
{
    std::vector<JourPlace> jours;
    for (int ligne = 1; ligne < lignes_grille; ++ligne) {
        for (int colonne = 0; colonne < colonnes_grille; ++colonne) {
            if (const auto jour = g.jour_de_case(colonne, ligne)) {
                jours.push_back({*jour, colonne});
            }
        }
    }
    return jours;
}

} // namespace orvane::engine::test_support
