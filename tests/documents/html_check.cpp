#include "html_check.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace orvane::documents::test
{

namespace
{

std::string minuscules(std::string_view t)
{
    std::string r(t);
    std::transform(r.begin(), r.end(), r.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return r;
}

/// Well-formed UTF-8 without overlong forms or surrogates, decoded here by
/// hand rather than by the program's own helpers.
bool utf8_valide(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int suite = 0;
        char32_t valeur = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xc2 && c <= 0xdf) {
            suite = 1;
            valeur = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            suite = 2;
            valeur = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            suite = 3;
            valeur = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= suite; ++k) {
            if (i + k >= s.size()) {
                return false;
            }
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xc0) != 0x80) {
                return false;
            }
            valeur = (valeur << 6) | (d & 0x3f);
        }
        if ((suite == 2 && valeur < 0x800) || (suite == 3 && valeur < 0x10000) ||
            (valeur >= 0xd800 && valeur <= 0xdfff) || valeur > 0x10ffff) {
            return false;
        }
        i += static_cast<std::size_t>(suite) + 1;
    }
    return true;
}

const std::set<std::string> elements_vides = {"area",   "base",  "br",    "col",  "embed",
                                              "hr",     "img",   "input", "link", "meta",
                                              "source", "track", "wbr"};

bool lettre_de_nom(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_' || c == ':';
}

struct Lecteur {
    std::string_view page;
    std::size_t i = 0;
    std::vector<std::string> ouverts;
    std::vector<std::string> defauts;
    bool charset = false;

    void faute(const std::string& texte)
    {
        defauts.push_back(texte + " (octet " + std::to_string(i) + ")");
    }

    void entite()
    {
        std::size_t j = i + 1;
        if (j < page.size() && page[j] == '#') {
            ++j;
        }
        const std::size_t debut = j;
        while (j < page.size() && std::isalnum(static_cast<unsigned char>(page[j])) != 0) {
            ++j;
        }
        if (j == debut || j >= page.size() || page[j] != ';') {
            faute("« & » qui n'ouvre pas une entité");
        }
        i = j;
    }

    /// Attributes up to the end of a tag; false when the tag is broken.
    bool attributs(std::string& nom_balise)
    {
        while (i < page.size()) {
            while (i < page.size() && std::isspace(static_cast<unsigned char>(page[i])) != 0) {
                ++i;
            }
            if (i >= page.size()) {
                return false;
            }
            if (page[i] == '>' || (page[i] == '/' && i + 1 < page.size() && page[i + 1] == '>')) {
                return true;
            }
            const std::size_t debut = i;
            while (i < page.size() && lettre_de_nom(page[i])) {
                ++i;
            }
            if (i == debut) {
                faute("attribut illisible dans <" + nom_balise + ">");
                return false;
            }
            const std::string nom = minuscules(page.substr(debut, i - debut));
            if (i < page.size() && page[i] == '=') {
                ++i;
                std::string valeur;
                if (i < page.size() && (page[i] == '"' || page[i] == '\'')) {
                    const char guillemet = page[i++];
                    const std::size_t fin = page.find(guillemet, i);
                    if (fin == std::string_view::npos) {
                        faute("guillemet non fermé dans <" + nom_balise + ">");
                        return false;
                    }
                    valeur = std::string(page.substr(i, fin - i));
                    if (valeur.find('<') != std::string::npos) {
                        faute("« < » dans la valeur d'un attribut");
                    }
                    i = fin + 1;
                } else {
                    const std::size_t v = i;
                    while (i < page.size() &&
                           std::isspace(static_cast<unsigned char>(page[i])) == 0 &&
                           page[i] != '>') {
                        if (page[i] == '"' || page[i] == '\'' || page[i] == '<' || page[i] == '=') {
                            faute("valeur d'attribut sans guillemets mal formée");
                        }
                        ++i;
                    }
                    valeur = std::string(page.substr(v, i - v));
                }
                if (nom_balise == "meta" && nom == "charset" && minuscules(valeur) == "utf-8") {
                    charset = true;
                }
                if (nom_balise == "meta" && nom == "content" &&
                    minuscules(valeur).find("charset=utf-8") != std::string::npos) {
                    charset = true;
                }
            }
        }
        return false;
    }

    void texte_brut(const std::string& nom)
    {
        const std::string fin = "</" + nom;
        std::size_t j = i;
        for (;;) {
            j = page.find('<', j);
            if (j == std::string_view::npos) {
                faute("<" + nom + "> jamais fermé");
                i = page.size();
                return;
            }
            if (minuscules(page.substr(j, fin.size())) == fin) {
                i = j;
                return;
            }
            ++j;
        }
    }

    void balise()
    {
        if (page.substr(i, 4) == "<!--") {
            const std::size_t fin = page.find("-->", i + 4);
            if (fin == std::string_view::npos) {
                faute("commentaire non fermé");
                i = page.size();
            } else {
                i = fin + 3;
            }
            return;
        }
        if (page.substr(i, 2) == "<!") {
            const std::size_t fin = page.find('>', i);
            i = fin == std::string_view::npos ? page.size() : fin + 1;
            return;
        }
        const bool fermante = i + 1 < page.size() && page[i + 1] == '/';
        i += fermante ? 2 : 1;
        const std::size_t debut = i;
        while (i < page.size() && lettre_de_nom(page[i])) {
            ++i;
        }
        if (i == debut) {
            faute("« < » seul dans le texte");
            return;
        }
        std::string nom = minuscules(page.substr(debut, i - debut));
        if (!attributs(nom)) {
            faute("balise <" + nom + "> non terminée");
            i = page.size();
            return;
        }
        const bool auto_fermee = page[i] == '/';
        i += auto_fermee ? 2 : 1;
        if (fermante) {
            if (ouverts.empty() || ouverts.back() != nom) {
                faute("</" + nom + "> ferme " +
                      (ouverts.empty() ? "rien" : "<" + ouverts.back() + ">"));
                return;
            }
            ouverts.pop_back();
            return;
        }
        if (auto_fermee || elements_vides.contains(nom)) {
            return;
        }
        ouverts.push_back(nom);
        if (nom == "script" || nom == "style") {
            texte_brut(nom);
        }
    }

    void lit()
    {
        while (i < page.size()) {
            const char c = page[i];
            if (c == '<') {
                balise();
            } else if (c == '&') {
                entite();
                ++i;
            } else if (c == '>') {
                faute("« > » seul dans le texte");
                ++i;
            } else {
                ++i;
            }
        }
        for (const std::string& o : ouverts) {
            defauts.push_back("<" + o + "> jamais fermé");
        }
    }
};

} // namespace

std::vector<std::string> defauts_html(std::string_view page)
{
    if (!utf8_valide(page)) {
        return {"la page n'est pas en UTF-8 valide"};
    }
    Lecteur l;
    l.page = page;
    l.lit();
    if (!l.charset) {
        l.defauts.emplace_back("le jeu de caractères UTF-8 n'est pas déclaré");
    }
    return l.defauts;
}

} // namespace orvane::documents::test
