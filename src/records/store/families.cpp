#include "records/store/families.h"

#include "platform/file_lookup.h"
#include "platform/program_dir.h"
#include "platform/raw_file.h"

#include <algorithm>

namespace orvane::records
{

namespace fs = std::filesystem;

const std::array<DescriptionFamille, 3> familles = {{
    {Famille::naissance, "Naissance", "&Bar Mitsva", "barmitsv", "base_bm_noms.txt",
     "base_bm_dates.txt", "Dates de Bar-Mitsva",
     "B.données sous BARMITSV\\ : base_bm_noms.txt  base_bm_dates.txt  BASE_BAR.xls"},
    {Famille::deces, "Décès", "&Décès", "deces", "base_dc_noms.txt", "base_dc_dates.txt",
     "Dates d'anniversaire de décès",
     "B.données sous DECES\\ : base_dc_noms.txt  base_dc_dates.txt  BASE_DC.xls"},
    {Famille::evenement, "Anniversaire", "&Anniversaires", "events", "base_even_noms.txt",
     "base_even_dates.txt", "Dates d'anniversaire",
     "B.données sous EVENT\\ : base_even_noms.txt  base_even_dates.txt  BASE_EVEN.xls"},
}};

const DescriptionFamille& description_famille(Famille famille)
{
    return *std::find_if(familles.begin(), familles.end(),
                         [famille](const DescriptionFamille& d) { return d.famille == famille; });
}

std::optional<Famille> famille_du_nom(std::string_view nom)
{
    for (const DescriptionFamille& d : familles) {
        if (d.nom == nom) {
            return d.famille;
        }
    }
    return std::nullopt;
}

namespace
{

fs::path fichier_du_dossier(const fs::path& dossier, std::string_view nom)
{
    const fs::path chemin = dossier / platform::entry_ignoring_case(dossier, nom);
    if (!platform::file_exists(chemin)) {
        platform::write_bytes(chemin, "");
    }
    return chemin;
}

} // namespace

FichiersFamille choisit_fichiers(const fs::path& dossier_programme, Famille famille)
{
    const DescriptionFamille& d = description_famille(famille);
    const fs::path dossier = platform::ensure_subdirectory(dossier_programme, fs::path(d.dossier));
    return {fichier_du_dossier(dossier, d.fichier_noms),
            fichier_du_dossier(dossier, d.fichier_dates)};
}

} // namespace orvane::records
