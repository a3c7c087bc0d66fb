#include "reference/glossary.h"

#include "events/glossary_entry.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"

#include <algorithm>

namespace orvane::reference
{

namespace
{

bool est_commentaire(std::string_view ligne)
{
    return ligne.starts_with(';');
}

bool est_marque_de_fin(std::string_view ligne)
{
    return ligne.starts_with('_');
}

/// The subtitle held by the rest of a paragraph line after its name.
std::string sous_titre_du_reste(std::string_view reste)
{
    const std::size_t tab = reste.find('\t');
    if (tab == std::string_view::npos) {
        return {};
    }
    std::string_view s = reste.substr(tab + 1);
    while (s.starts_with('\t')) {
        s.remove_prefix(1);
    }
    if (s.starts_with('@')) {
        return {};
    }
    return std::string(s);
}

} // namespace

std::optional<std::string> chapitre_de_la_ligne(std::string_view ligne)
{
    if (est_commentaire(ligne) || est_marque_de_fin(ligne)) {
        return std::nullopt;
    }
    const std::size_t debut = ligne.find("@@");
    if (debut == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t fin = ligne.find('@', debut + 2);
    if (fin == std::string_view::npos || fin == debut + 2) {
        return std::nullopt;
    }
    return std::string(ligne.substr(debut + 2, fin - debut - 2));
}

std::optional<EnTeteParagraphe> paragraphe_de_la_ligne(std::string_view ligne)
{
    if (est_commentaire(ligne) || est_marque_de_fin(ligne) ||
        ligne.find("@@") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t debut = ligne.find('@');
    if (debut == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t fin = ligne.find('@', debut + 1);
    if (fin == std::string_view::npos || fin == debut + 1) {
        return std::nullopt;
    }
    return EnTeteParagraphe{std::string(ligne.substr(debut + 1, fin - debut - 1)),
                            sous_titre_du_reste(ligne.substr(fin + 1))};
}

std::vector<std::string> chapitres(const std::vector<std::string>& fichier)
{
    std::vector<std::string> noms;
    for (const std::string& ligne : fichier) {
        std::optional<std::string> nom = chapitre_de_la_ligne(ligne);
        if (nom && std::find(noms.begin(), noms.end(), *nom) == noms.end()) {
            noms.push_back(std::move(*nom));
        }
    }
    return noms;
}

std::vector<std::string> paragraphes_du_chapitre(const std::vector<std::string>& fichier,
                                                 std::string_view chapitre)
{
    auto ligne = std::find_if(fichier.begin(), fichier.end(), [&](const std::string& l) {
        return chapitre_de_la_ligne(l) == chapitre;
    });
    std::vector<std::string> noms;
    if (ligne == fichier.end()) {
        return noms;
    }
    for (++ligne; ligne != fichier.end(); ++ligne) {
        const std::optional<std::string> autre = chapitre_de_la_ligne(*ligne);
        if (autre && *autre != chapitre) {
            break;
        }
        if (std::optional<EnTeteParagraphe> p = paragraphe_de_la_ligne(*ligne)) {
            noms.push_back(std::move(p->nom));
        }
    }
    return noms;
}

std::optional<ParagrapheGlossaire> paragraphe(const std::vector<std::string>& fichier,
                                              std::string_view nom)
{
    const std::string cle = "@" + std::string(nom) + "@";
    std::size_t i = 0;
    std::size_t position = std::string::npos;
    for (; i < fichier.size(); ++i) {
        position = fichier[i].find(cle);
        if (position != std::string::npos) {
            break;
        }
    }
    if (i == fichier.size()) {
        return std::nullopt;
    }
    ParagrapheGlossaire p{
        std::string(nom),
        sous_titre_du_reste(std::string_view(fichier[i]).substr(position + cle.size())),
        {}};
    for (++i; i < fichier.size(); ++i) {
        const std::string& l = fichier[i];
        if (l.starts_with('@') || est_marque_de_fin(l)) {
            break;
        }
        if (!est_commentaire(l)) {
            p.texte.push_back(l);
        }
    }
    return p;
}

std::vector<std::string> lignes_du_memo(const ParagrapheGlossaire& p)
{
    std::vector<std::string> lignes{""};
    lignes.insert(lignes.end(), p.texte.begin(), p.texte.end());
    return lignes;
}

std::vector<std::string> page_a_imprimer(std::string_view nom, const std::vector<std::string>& memo)
{
    std::vector<std::string> page(4, " ");
    page.push_back("    " + std::string(nom));
    page.emplace_back();
    for (std::size_t i = 1; i < memo.size(); ++i) {
        page.push_back("        " + memo[i]);
    }
    return page;
}

std::optional<std::vector<std::string>> lit_glossaire(const std::filesystem::path& repertoire)
{
    return platform::read_lines_if_exists(
        platform::lookup_ignoring_case(repertoire, events::fichier_glossaire));
}

} // namespace orvane::reference
