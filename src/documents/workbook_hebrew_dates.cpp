#include "documents/workbook_hebrew_dates.h"

#include "platform/text.h"

#include <array>
#include <string_view>
#include <vector>

namespace orvane::documents
{

namespace
{

constexpr std::string_view geresh = "\u05F3";
constexpr std::string_view gershayim = "\u05F4";

constexpr std::array<std::string_view, 10> unites = {
    "", "\u05D0", "\u05D1", "\u05D2", "\u05D3", "\u05D4", "\u05D5", "\u05D6", "\u05D7", "\u05D8"};
constexpr std::array<std::string_view, 10> dizaines = {
    "", "\u05D9", "\u05DB", "\u05DC", "\u05DE", "\u05E0", "\u05E1", "\u05E2", "\u05E4", "\u05E6"};
constexpr std::array<std::string_view, 5> centaines = {"", "\u05E7", "\u05E8", "\u05E9", "\u05EA"};

/// The letters of a number, without the marks.
std::vector<std::string> lettres(int nombre)
{
    std::vector<std::string> l;
    int c = nombre / 100;
    for (; c > 4; c -= 4) {
        l.emplace_back(centaines[4]); // 500 and more: tav, then the rest
    }
    if (c > 0) {
        l.emplace_back(centaines[static_cast<std::size_t>(c)]);
    }
    const int reste = nombre % 100;
    if (reste == 15 || reste == 16) {
        // 10 + 5 and 10 + 6 would spell a Name of God.
        l.emplace_back(unites[9]);
        l.emplace_back(unites[static_cast<std::size_t>(reste - 9)]);
        return l;
    }
    if (reste / 10 > 0) {
        l.emplace_back(dizaines[static_cast<std::size_t>(reste / 10)]);
    }
    if (reste % 10 > 0) {
        l.emplace_back(unites[static_cast<std::size_t>(reste % 10)]);
    }
    return l;
}

constexpr std::array<std::string_view, 14> noms_mois = {
    "",
    "\u05EA\u05E9\u05E8\u05D9", // Tichri
    "\u05D7\u05E9\u05D5\u05DF", // Hechvan
    "\u05DB\u05E1\u05DC\u05D5", // Kislev
    "\u05D8\u05D1\u05EA",       // Tevet
    "\u05E9\u05D1\u05D8",       // Chevat
    "\u05D0\u05D3\u05E8",       // Adar
    "\u05D0\u05D3\u05E8",       // Adar II
    "\u05E0\u05D9\u05E1\u05DF", // Nissan
    "\u05D0\u05D9\u05D9\u05E8", // Iyar
    "\u05E1\u05D9\u05D5\u05DF", // Sivan
    "\u05EA\u05DE\u05D5\u05D6", // Tamouz
    "\u05D0\u05D1",             // Av
    "\u05D0\u05DC\u05D5\u05DC", // Eloul
};

} // namespace

std::string nombre_en_lettres(int nombre)
{
    const std::vector<std::string> l = lettres(nombre);
    if (l.empty()) {
        return {};
    }
    if (l.size() == 1) {
        return l.front() + std::string(geresh);
    }
    std::string texte;
    for (std::size_t i = 0; i + 1 < l.size(); ++i) {
        texte += l[i];
    }
    return texte + std::string(gershayim) + l.back();
}

std::string annee_en_lettres(int annee)
{
    return nombre_en_lettres(annee % 1000);
}

std::string mois_en_lettres(int mois, bool embolismique)
{
    const std::string nom(noms_mois[static_cast<std::size_t>(mois)]);
    if (embolismique && mois == 6) {
        return nom + " " + nombre_en_lettres(1);
    }
    if (mois == 7) {
        return nom + " " + nombre_en_lettres(2);
    }
    return nom;
}

std::string date_en_lettres(const engine::DateHebraique& d, bool embolismique)
{
    return nombre_en_lettres(d.jour) + " " + mois_en_lettres(d.mois, embolismique) + " " +
           annee_en_lettres(d.annee);
}

} // namespace orvane::documents
