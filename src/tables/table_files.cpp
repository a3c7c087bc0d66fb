#include "tables/table_files.h"

namespace orvane::tables
{

void MemoDeTable::ligne(const std::string& texte)
{
    if (lignes.size() < lignes_du_memo) {
        lignes.push_back(texte);
    } else {
        tronque_ = true;
    }
}

void MemoDeTable::rangee(const RangeeTable& r)
{
    ligne(r.texte);
    if (grille.size() < lignes_du_memo) {
        std::vector<std::string> rang{r.libelle};
        rang.insert(rang.end(), r.cellules.begin(), r.cellules.end());
        grille.push_back(std::move(rang));
    }
}

} // namespace orvane::tables
