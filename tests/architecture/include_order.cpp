#include "include_order.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <tuple>

namespace orvane::architecture
{

namespace
{

constexpr std::string_view fleche = "←";

std::vector<std::string> mots(std::string_view texte)
{
    std::vector<std::string> resultat;
    std::istringstream flux{std::string(texte)};
    std::string mot;
    while (flux >> mot) {
        resultat.push_back(mot);
    }
    return resultat;
}

// "shell." → "shell", "`platform" → "platform".
std::string nom_seul(std::string mot)
{
    const auto garde = [](char c) { return (c >= 'a' && c <= 'z') || c == '_' || c == '/'; };
    mot.erase(std::remove_if(mot.begin(), mot.end(), [&](char c) { return !garde(c); }), mot.end());
    return mot;
}

bool est_front(std::string_view dossier)
{
    return dossier == "gui" || dossier == "cli";
}

// Qt's headers: <QString>, <QtWidgets/QLabel>, <qglobal.h> is not used here.
bool est_entete_qt(std::string_view nom)
{
    return nom.size() > 1 && nom[0] == 'Q' && ((nom[1] >= 'A' && nom[1] <= 'Z') || nom[1] == 't');
}

struct Include {
    std::string nom;
    bool guillemets = false;
};

// The included name of a line "#include "x/y.h"" or "#include <x>", if any.
std::optional<Include> include_de_la_ligne(std::string_view ligne)
{
    const std::size_t debut = ligne.find_first_not_of(" \t");
    if (debut == std::string_view::npos || ligne.substr(debut, 8) != "#include") {
        return std::nullopt;
    }
    const std::size_t ouvre = ligne.find_first_of("\"<", debut + 8);
    if (ouvre == std::string_view::npos) {
        return std::nullopt;
    }
    const char fin = ligne[ouvre] == '"' ? '"' : '>';
    const std::size_t ferme = ligne.find(fin, ouvre + 1);
    if (ferme == std::string_view::npos) {
        return std::nullopt;
    }
    return Include{std::string(ligne.substr(ouvre + 1, ferme - ouvre - 1)), fin == '"'};
}

std::ptrdiff_t rang(const std::vector<std::string>& ordre, std::string_view nom)
{
    const auto it = std::find(ordre.begin(), ordre.end(), nom);
    return it == ordre.end() ? -1 : it - ordre.begin();
}

// Why `dossier` may not include `inclus`, or nothing when it may.
std::optional<std::string> raison_interdite(const std::vector<std::string>& ordre,
                                            const std::string& dossier, const Include& inclus)
{
    if (!inclus.guillemets) {
        if (!est_front(dossier) && est_entete_qt(inclus.nom)) {
            return dossier + " is a library without Qt";
        }
        return std::nullopt;
    }
    const std::size_t barre = inclus.nom.find('/');
    if (barre == std::string::npos) {
        return std::nullopt; // beside the including file, in the same folder
    }
    const std::string cible = inclus.nom.substr(0, barre);
    if (est_front(cible)) {
        if (cible == dossier) {
            return std::nullopt;
        }
        return cible + " is a front end, above every library";
    }
    const std::ptrdiff_t rang_cible = rang(ordre, cible);
    if (rang_cible < 0) {
        return std::nullopt; // not a folder of src/ (a test helper, a system path)
    }
    if (est_front(dossier)) {
        return std::nullopt;
    }
    if (rang_cible > rang(ordre, dossier)) {
        return cible + " is not before " + dossier;
    }
    return std::nullopt;
}

void lit_fichier(const std::filesystem::path& chemin, const std::string& relatif,
                 const std::string& dossier, const std::vector<std::string>& ordre,
                 std::vector<IncludeInterdit>& interdits)
{
    std::ifstream flux(chemin);
    std::string ligne;
    int numero = 0;
    while (std::getline(flux, ligne)) {
        ++numero;
        const std::optional<Include> inclus = include_de_la_ligne(ligne);
        if (!inclus) {
            continue;
        }
        if (std::optional<std::string> raison = raison_interdite(ordre, dossier, *inclus)) {
            interdits.push_back({relatif, numero, inclus->nom, *raison});
        }
    }
}

} // namespace

std::vector<std::string> ordre_des_bibliotheques(std::string_view texte)
{
    const std::vector<std::string> m = mots(texte);
    std::vector<std::string> ordre;
    for (std::size_t i = 0; i + 2 < m.size(); ++i) {
        if (m[i + 1] != fleche) {
            continue;
        }
        ordre.push_back(nom_seul(m[i]));
        for (std::size_t j = i; j + 2 < m.size() && m[j + 1] == fleche; j += 2) {
            ordre.push_back(nom_seul(m[j + 2]));
        }
        break;
    }
    return ordre;
}

std::vector<IncludeInterdit> includes_interdits(const std::filesystem::path& racine_src,
                                                const std::vector<std::string>& ordre)
{
    std::vector<IncludeInterdit> interdits;
    for (const auto& entree : std::filesystem::recursive_directory_iterator(racine_src)) {
        const std::filesystem::path& chemin = entree.path();
        if (!entree.is_regular_file() ||
            (chemin.extension() != ".h" && chemin.extension() != ".cpp")) {
            continue;
        }
        const std::filesystem::path relatif = std::filesystem::relative(chemin, racine_src);
        const std::string nom_relatif = (racine_src.filename() / relatif).generic_string();
        if (relatif.begin() == relatif.end() || std::next(relatif.begin()) == relatif.end()) {
            continue; // a file directly in src/
        }
        const std::string dossier = relatif.begin()->string();
        if (!est_front(dossier) && rang(ordre, dossier) < 0) {
            interdits.push_back(
                {nom_relatif, 0, "", dossier + " is not in the order of the libraries"});
            continue;
        }
        lit_fichier(chemin, nom_relatif, dossier, ordre, interdits);
    }
    std::sort(interdits.begin(), interdits.end(),
              [](const IncludeInterdit& a, const IncludeInterdit& b) {
                  return std::tie(a.fichier, a.ligne) < std::tie(b.fichier, b.ligne);
              });
    return interdits;
}

std::string texte_include_interdit(const IncludeInterdit& i)
{
    return i.fichier + ":" + std::to_string(i.ligne) + " includes \"" + i.include + "\" (" +
           i.raison + ")";
}

} // namespace orvane::architecture
