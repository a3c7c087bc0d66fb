#include "documents/divers_pages.h"

#include "documents/page_bodies.h"
#include "documents/templates.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"

namespace orvane::documents
{
namespace
{

namespace fs = std::filesystem;

const fs::path dossier_elements = fs::path(std::string(dossier_donnees)) / "ELEMENTS";

// The marker line of the templates' head, followed by the title line.
constexpr std::string_view marque_titre = "Divers titre";

std::string gabarit(const events::PagesWeb& web, char partie)
{
    return std::string(web.gabarit) + partie + ".htm";
}

} // namespace

fs::path chemin_page_divers(const events::PagesWeb& web, int annee)
{
    return dossier_elements / std::string(web.dossier) / (std::to_string(annee) + ".htm");
}

std::string titre_page_divers(const events::PagesWeb& web, int annee)
{
    // The Hebrew year begins in the autumn of the first civil year.
    return std::string(web.titre) + "de l'année juive " + std::to_string(annee) +
           "<BR>Années civiles " + std::to_string(annee - 3761) + "/" +
           std::to_string(annee - 3760);
}

ResultatPage page_divers(const fs::path& repertoire, const events::PagesWeb& web, int annee,
                         const std::vector<std::string>& lignes)
{
    ResultatPage r{platform::lookup_ignoring_case(repertoire, chemin_page_divers(web, annee)),
                   false};
    if (fs::exists(r.page)) {
        return r;
    }
    std::vector<std::string> page = platform::read_lines(
        platform::lookup_ignoring_case(repertoire, dossier_elements / gabarit(web, '1')));
    const std::vector<std::string> pied = platform::read_lines(
        platform::lookup_ignoring_case(repertoire, dossier_elements / gabarit(web, '2')));
    page = remplace_ligne_marquee(std::move(page), marque_titre, titre_page_divers(web, annee));
    page.emplace_back("<PRE>");
    for (const std::string& l : lignes) {
        page.push_back(echappe_html(l));
    }
    page.emplace_back("</PRE>");
    page.insert(page.end(), pied.begin(), pied.end());
    ecrit_page(r.page, page);
    r.construite = true;
    return r;
}

} // namespace orvane::documents
