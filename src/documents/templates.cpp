#include "documents/templates.h"

#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

namespace orvane::documents
{

namespace fs = std::filesystem;

namespace
{

bool est_html(const fs::path& chemin)
{
    const std::string ext = platform::to_lower(chemin.extension().string());
    return ext == ".htm" || ext == ".html";
}

} // namespace

std::vector<std::string> remplace_ligne_marquee(std::vector<std::string> lignes,
                                                std::string_view marque, std::string_view valeur)
{
    for (std::size_t i = 0; i + 1 < lignes.size(); ++i) {
        if (lignes[i].find(marque) != std::string::npos) {
            lignes[i + 1] = std::string(valeur);
            ++i;
        }
    }
    return lignes;
}

std::optional<std::string_view> page_du_nom_court(std::string_view nom)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> pages = {{
        {"h", "horaires.htm"},
        {"c2", "calendh2.htm"},
        {"c5", "calendh5.htm"},
        {"c6", "calendh6.htm"},
        {"l", "lune.htm"},
        {"s", "calsel.htm"},
        {"e5", "halakha5.htm"},
        {"e6", "halakha6.htm"},
    }};
    for (const auto& [court, page] : pages) {
        if (nom == court) {
            return page;
        }
    }
    return std::nullopt;
}

void remplace_ligne_marquee(const fs::path& repertoire, std::string_view page,
                            std::string_view marque, std::string_view valeur)
{
    const std::optional<std::string_view> court = page_du_nom_court(page);
    const fs::path chemin =
        platform::lookup_ignoring_case(repertoire, fs::path(court.value_or(page)));
    const auto lignes = platform::read_lines_if_exists(chemin);
    if (!lignes) {
        return;
    }
    ecrit_page(chemin, remplace_ligne_marquee(*lignes, marque, valeur));
}

void ecrit_page(const fs::path& chemin, const std::vector<std::string>& lignes)
{
    platform::cree_dossier_de(chemin);
    if (!est_html(chemin)) {
        platform::write_lines(chemin, lignes);
        return;
    }
    std::string texte;
    for (const std::string& l : lignes) {
        texte += l + "\r\n";
    }
    platform::write_utf8(chemin, texte);
}

void assemble_page(const fs::path& tete, const fs::path& corps, const fs::path& pied,
                   const fs::path& page)
{
    std::vector<std::string> lignes = platform::read_lines(tete);
    for (const fs::path& suite : {corps, pied}) {
        const std::vector<std::string> autres = platform::read_lines(suite);
        lignes.insert(lignes.end(), autres.begin(), autres.end());
    }
    ecrit_page(page, lignes);
}

std::vector<std::string> entete_simple(std::string_view texte)
{
    return {std::string(texte), " "};
}

void ecrit_entete_simple(const fs::path& fichier, std::string_view texte)
{
    ecrit_page(fichier, entete_simple(texte));
}

void deplace_corps(const fs::path& source, const fs::path& destination, bool garde)
{
    std::error_code erreur;
    fs::remove(destination, erreur);
    if (erreur) {
        throw platform::file_error(platform::FileAction::write, destination, erreur.value());
    }
    if (fs::exists(source)) {
        fs::rename(source, destination, erreur);
        if (erreur) {
            throw platform::file_error(platform::FileAction::write, destination, erreur.value());
        }
    } else {
        platform::write_lines(destination, {});
    }
    if (!garde) {
        platform::write_lines(source, {});
    }
}

} // namespace orvane::documents
