#include "tables/table_run.h"

#include "tables/weekly_file.h"

namespace orvane::tables
{

std::string nom_du_corps(const DemandeTable& d)
{
    const bool w = d.sortie != Sortie::memo && !est_un_livre(d.mise_en_page);
    return w ? "wemanim.txt" : "zemanim.txt";
}

TableEcrite ecrit_table(const std::filesystem::path& repertoire, const DemandeTable& d,
                        zmanim::ZmanimSettings& reglages, const EnvironnementTable& env,
                        SortieTable* autre)
{
    TableEcrite t;
    FichierTable corps(repertoire / nom_du_corps(d));
    FichierSemaines semaines(d, repertoire / "semaines.txt");
    std::vector<SortieTable*> sorties{&corps, &semaines, &t.memo};
    if (autre != nullptr) {
        sorties.push_back(autre);
    }
    SortiesMultiples toutes(std::move(sorties));
    t.resultat = calcule_table(d, reglages, env, toutes);
    corps.termine();
    semaines.termine();
    return t;
}

} // namespace orvane::tables
