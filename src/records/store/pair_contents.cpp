#include "records/store/pair_contents.h"

#include "platform/text_file.h"
#include "records/store/numbered_line.h"

#include <algorithm>

namespace orvane::records
{

namespace
{

CoteDeLigne cote(const std::string& ligne)
{
    CoteDeLigne c;
    c.vide = ligne_vide(ligne);
    if (!c.vide) {
        c.numero = separe_numero(ligne).numero;
    }
    return c;
}

bool concordent(const CoteDeLigne& noms, const CoteDeLigne& dates)
{
    if (noms.vide || dates.vide) {
        return noms.vide && dates.vide;
    }
    return noms.numero && noms.numero == dates.numero;
}

std::vector<std::string> lignes_du_fichier(const std::filesystem::path& fichier)
{
    return platform::read_lines_if_exists(fichier).value_or(std::vector<std::string>{});
}

} // namespace

int ContenuPaire::dernier_numero() const
{
    int dernier = 0;
    for (const std::size_t ligne : lignes_des_fiches) {
        dernier = std::max(dernier, separe_numero(noms[ligne]).numero.value_or(0));
    }
    return dernier;
}

ContenuPaire compare_lignes(std::vector<std::string> noms, std::vector<std::string> dates)
{
    ContenuPaire c;
    const std::size_t lignes = std::max(noms.size(), dates.size());
    noms.resize(lignes);
    dates.resize(lignes);
    for (std::size_t i = 0; i < lignes; ++i) {
        const CoteDeLigne n = cote(noms[i]);
        const CoteDeLigne d = cote(dates[i]);
        if (!n.vide) {
            c.lignes_des_fiches.push_back(i);
        }
        if (!concordent(n, d)) {
            c.defauts.push_back({i + 1, n, d});
        }
    }
    c.noms = std::move(noms);
    c.dates = std::move(dates);
    return c;
}

ContenuPaire lit_paire(const FichiersFamille& fichiers)
{
    return compare_lignes(lignes_du_fichier(fichiers.noms), lignes_du_fichier(fichiers.dates));
}

std::string octets_du_fichier(std::vector<std::string> lignes, const std::filesystem::path& fichier)
{
    while (!lignes.empty() && ligne_vide(lignes.back())) {
        lignes.pop_back();
    }
    return platform::windows1252_file_bytes(lignes, fichier);
}

} // namespace orvane::records
