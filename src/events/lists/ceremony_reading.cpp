#include "events/lists/ceremony_reading.h"

#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "platform/text.h"

#include <array>
#include <sstream>
#include <string_view>
#include <utility>

namespace orvane::events
{

namespace
{

/// The short forms of the name tables and the words they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> formes_ecrites = {{
    {"HolAmoed", "Hol Hamoed"},
    {"C.Atseret", "Chemini Atseret"},
    {"S.Tora", "Simha Torah"},
    {"YomTov", "Yom Tov"},
    {"(YomTov)", "(Yom Tov)"},
    {"Kat.", "Katan"},
    {"V.Haberakha", "Vezot Haberakha"},
    {"Hacha", "Hachana"},
    {"1ers", "Premiers"},
}};

std::string_view forme_ecrite(std::string_view mot)
{
    for (const auto& [court, long_] : formes_ecrites) {
        if (mot == court) {
            return long_;
        }
    }
    return mot;
}

/// A label as the table prints it: padding blanked, words written out, one
/// blank between words.
std::string nettoie(std::string_view libelle)
{
    std::istringstream mots(sans_remplissage(libelle));
    std::string texte;
    for (std::string mot; mots >> mot;) {
        if (!texte.empty()) {
            texte += ' ';
        }
        texte += forme_ecrite(mot);
    }
    return texte;
}

std::string libelle_court(std::string_view libelle)
{
    std::string court = nettoie(libelle);
    if (court.starts_with("Omer")) {
        return {};
    }
    if (court.starts_with("Chabbat")) {
        return "Ch." + court.substr(std::string_view("Chabbat").size());
    }
    return court;
}

} // namespace

std::string lecture_de_ceremonie(const LibellesDuJour& l)
{
    std::string texte;
    for (const std::string& morceau : {nettoie(l.nom_fete), nettoie(l.libelle_paracha),
                                       nettoie(l.nom_jour), libelle_court(l.libelle_court)}) {
        if (!morceau.empty()) {
            texte += texte.empty() ? morceau : " " + morceau;
        }
    }
    return platform::trim_right(platform::left(texte, 40));
}

} // namespace orvane::events
