#include "records/mailing/table_records.h"

#include "records/tables/dbase_table.h"

namespace orvane::records
{

std::vector<FicheAPublier> fiches_de_la_table(const Table& table)
{
    std::vector<FicheAPublier> r;
    const bool a_la_date = table.a_le_champ("ACT_CV_N");
    for (const std::size_t fiche : table.fiches_affichees()) {
        FicheAPublier f;
        for (const ChampDbf& c : table.champs()) {
            f.champs.emplace_back(c.nom, table.texte_de(fiche, c.nom));
        }
        if (a_la_date) {
            f.prochain_anniversaire = table.date_de(fiche, "ACT_CV_N");
        }
        r.push_back(std::move(f));
    }
    return r;
}

} // namespace orvane::records
