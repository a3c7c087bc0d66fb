#include "config/config.h"

#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::config
{

namespace
{

constexpr std::string_view blancs = " \t";

std::vector<std::string> lignes_du_fichier(const std::filesystem::path& repertoire,
                                           std::string_view fichier)
{
    const auto lignes = platform::read_lines_if_exists(
        repertoire / platform::entry_ignoring_case(repertoire, fichier));
    return lignes ? *lignes : std::vector<std::string>{};
}

/// The line rewritten with a new value for the key it holds.
std::string ligne_reecrite(const std::string& ligne, std::string_view cle, std::string_view valeur)
{
    const std::size_t blanc = ligne.find_first_of(blancs);
    if (blanc != std::string::npos) {
        return ligne.substr(0, blanc + 1) + std::string(valeur);
    }
    // "avec_chgt_d_heure=true": the key keeps its one-character separator.
    const std::size_t fin_cle = ligne.find(cle) + cle.size();
    const std::size_t fin_separateur = std::min(ligne.size(), fin_cle + 1);
    std::string debut = ligne.substr(0, fin_separateur);
    if (fin_separateur == fin_cle) {
        debut += ' ';
    }
    return debut + std::string(valeur);
}

} // namespace

bool ligne_de_la_cle(std::string_view ligne, std::string_view cle)
{
    if (cle.empty()) {
        return false;
    }
    const std::string_view partie_cle = ligne.substr(0, ligne.find_first_of(blancs));
    return partie_cle.find(cle) != std::string_view::npos;
}

int premiere_ligne_de_la_cle(const std::vector<std::string>& lignes, std::string_view cle)
{
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (ligne_de_la_cle(lignes[i], cle)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string valeur_de_cle(const std::vector<std::string>& lignes, std::string_view cle,
                          std::size_t longueur)
{
    const int i = premiere_ligne_de_la_cle(lignes, cle);
    if (i < 0) {
        return {};
    }
    const std::string ligne = platform::left(lignes[static_cast<std::size_t>(i)], longueur);
    return platform::mid(ligne, platform::char_count(cle) + 1);
}

std::vector<std::string> lignes_avec_cle(std::vector<std::string> lignes, std::string_view cle,
                                         std::string_view valeur)
{
    bool trouvee = false;
    for (std::string& ligne : lignes) {
        if (ligne_de_la_cle(ligne, cle)) {
            ligne = ligne_reecrite(ligne, cle, valeur);
            trouvee = true;
        }
    }
    if (!trouvee) {
        lignes.push_back(std::string(cle) + " " + std::string(valeur));
    }
    return lignes;
}

std::string FichierCles::valeur(std::string_view cle) const
{
    return valeur_de_cle(lignes, cle, longueur_lue_valeur);
}

bool FichierCles::vrai(std::string_view cle) const
{
    return presente(cle) && valeur_de_cle(lignes, cle, longueur_lue_drapeau) == "true";
}

bool FichierCles::presente(std::string_view cle) const
{
    return premiere_ligne_de_la_cle(lignes, cle) >= 0;
}

FichierCles lit_fichier_cles(const std::filesystem::path& repertoire, std::string_view fichier)
{
    return FichierCles{lignes_du_fichier(repertoire, fichier)};
}

std::string lit_cle(const std::filesystem::path& repertoire, std::string_view fichier,
                    std::string_view cle)
{
    return lit_fichier_cles(repertoire, fichier).valeur(cle);
}

bool lit_cle_vrai(const std::filesystem::path& repertoire, std::string_view fichier,
                  std::string_view cle)
{
    return lit_fichier_cles(repertoire, fichier).vrai(cle);
}

bool cle_presente(const std::filesystem::path& repertoire, std::string_view fichier,
                  std::string_view cle)
{
    return lit_fichier_cles(repertoire, fichier).presente(cle);
}

void ecrit_cle(const std::filesystem::path& repertoire, std::string_view cle,
               std::string_view valeur, std::string_view fichier)
{
    const std::filesystem::path chemin =
        repertoire / platform::entry_ignoring_case(repertoire, fichier);
    platform::write_lines(chemin,
                          lignes_avec_cle(lignes_du_fichier(repertoire, fichier), cle, valeur));
}

void ecrit_cles(const std::filesystem::path& repertoire,
                const std::vector<std::pair<std::string, std::string>>& cles_valeurs,
                std::string_view fichier)
{
    std::vector<std::string> lignes = lignes_du_fichier(repertoire, fichier);
    for (const auto& [cle, valeur] : cles_valeurs) {
        lignes = lignes_avec_cle(std::move(lignes), cle, valeur);
    }
    platform::write_lines(repertoire / platform::entry_ignoring_case(repertoire, fichier), lignes);
}

void ecrit_cle(const std::filesystem::path& repertoire, std::string_view cle, bool drapeau,
               std::string_view fichier)
{
    ecrit_cle(repertoire, cle, texte_drapeau(drapeau), fichier);
}

} // namespace orvane::config
