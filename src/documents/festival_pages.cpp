#include "documents/festival_pages.h"

#include "documents/page_bodies.h"
#include "documents/templates.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"

namespace orvane::documents
{
namespace
{

namespace fs = std::filesystem;

const fs::path dossier_fetes = fs::path(std::string(dossier_donnees)) / "Fetes";

} // namespace

fs::path chemin_page_fetes(int annee)
{
    return dossier_fetes / "FETES" / (std::to_string(annee) + ".htm");
}

ResultatPage page_fetes(const fs::path& repertoire, int annee,
                        const std::vector<std::string>& lignes)
{
    ResultatPage r{platform::lookup_ignoring_case(repertoire, chemin_page_fetes(annee)), false};
    if (fs::exists(r.page)) {
        return r;
    }
    std::vector<std::string> page = platform::read_lines(
        platform::lookup_ignoring_case(repertoire, dossier_fetes / "fic_f1.htm"));
    const std::vector<std::string> pied = platform::read_lines(
        platform::lookup_ignoring_case(repertoire, dossier_fetes / "fic_f2.htm"));
    page = remplace_ligne_marquee(std::move(page), "Fetes annee",
                                  "de l'année juive " + std::to_string(annee) +
                                      "<BR>Années civiles " + std::to_string(annee - 3760) + "/" +
                                      std::to_string(annee - 3759));
    page = remplace_ligne_marquee(std::move(page), "Fetes titre", "<BR>Fêtes ");
    page.emplace_back("<PRE><FONT style=\"font-size: 8pt\">");
    for (const std::string& l : lignes) {
        page.push_back(echappe_html(l));
    }
    page.emplace_back("</FONT></PRE>");
    page.emplace_back("<BR>");
    page.emplace_back("* F : Jour de fête chômé&nbsp;&nbsp;f : Jour de demi-fête");
    page.insert(page.end(), pied.begin(), pied.end());
    ecrit_page(r.page, page);
    r.construite = true;
    return r;
}

} // namespace orvane::documents
