// Helpers of the zmanim table tests: the delivered data as program
// directory, Paris in 2025, and a table computed into memory.
#pragma once

#include "places/dst.h"
#include "tables/range_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::tables::test
{

inline const std::filesystem::path donnees_livrees = ORVANE_SOURCE_DIR "/data";
inline const std::filesystem::path dossier_golden = ORVANE_SOURCE_DIR "/tests/tables/golden";

inline const places::TablesEte& tables_livrees()
{
    static const places::TablesEte tables(donnees_livrees);
    return tables;
}

inline EnvironnementTable environnement()
{
    EnvironnementTable env;
    env.tables_ete = &tables_livrees();
    return env;
}

/// Paris, "Or Méïr", January 2025.
inline DemandeTable paris_janvier()
{
    DemandeTable d;
    d.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    d.debut = {2025, 1, 1};
    d.fin = {2025, 1, 31};
    d.annee_reference = 2025;
    return d;
}

/// The rows of a table kept whole.
class Rangees : public SortieTable
{
public:
    void ligne(const std::string& texte) override { lignes.push_back(texte); }
    void colonnes(const std::vector<ColonneAffichee>& c) override { titres = c; }
    void rangee(const RangeeTable& r) override
    {
        RangeeTable copie = r;
        copie.horaires = nullptr;
        rangees.push_back(std::move(copie));
    }
    std::vector<std::string> lignes;
    std::vector<ColonneAffichee> titres;
    std::vector<RangeeTable> rangees;
};

/// The table of `d` with default parameters.
inline Rangees table_de(const DemandeTable& d, ResultatTable* resultat = nullptr,
                        zmanim::ZmanimSettings reglages = {})
{
    Rangees r;
    const ResultatTable res = calcule_table(d, reglages, environnement(), r);
    if (resultat != nullptr) {
        *resultat = res;
    }
    return r;
}

} // namespace orvane::tables::test
