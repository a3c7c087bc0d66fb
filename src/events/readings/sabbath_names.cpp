#include "events/readings/sabbath_names.h"

#include "engine/date_texts.h"

#include <array>

namespace orvane::events
{

namespace
{

bool contient(std::string_view texte, std::string_view mot)
{
    return texte.find(mot) != std::string_view::npos;
}

/// Moves `mot` from where it stands to the end, as " - " + `fin`.
void met_a_la_fin(std::string& texte, std::string_view mot, std::string_view fin)
{
    const std::size_t p = texte.find(mot);
    if (p == std::string::npos) {
        return;
    }
    texte.erase(p, mot.size());
    while (!texte.empty() && texte.back() == ' ') {
        texte.pop_back();
    }
    texte += " - " + std::string(fin);
}

void remplace_tout(std::string& texte, std::string_view de, std::string_view par)
{
    for (std::size_t p = texte.find(de); p != std::string::npos; p = texte.find(de, p)) {
        texte.replace(p, de.size(), par);
    }
}

} // namespace

std::string nom_chabbat_de_page(std::string_view texte, int mois, int jour)
{
    if (contient(texte, "Bechal")) {
        return "Chabbat Chira";
    }
    if (contient(texte, "Devarim")) {
        return "Chabbat 'Hazon";
    }
    if (contient(texte, "Vaèt")) {
        return "Chabbat Na'hamou";
    }
    if ((mois == 10 && jour >= 1 && jour <= 5) || (mois == 9 && jour == 29)) {
        return "Chabbat Kala";
    }
    return {};
}

std::string fete_des_garcons(std::string_view texte)
{
    return texte.starts_with("Tou") ? " et Fête des garçons" : "Fête des garçons";
}

std::string libelle_chabbat_de_page(std::string_view libelle)
{
    std::string texte(libelle);
    met_a_la_fin(texte, "'Hanouka", "'Hanouka");
    met_a_la_fin(texte, "Tou Beav", "Tou Beav");
    met_a_la_fin(texte, "Roch Hodech ", "Roch Hodech");
    static const std::array<std::string_view, 7> speciaux = {
        "Hahod", "Para ", "Chira ", "Zakhor ", "Hagadol ", "Chouva ", "Chek"};
    for (std::string_view s : speciaux) {
        const std::size_t p = texte.find(s);
        if (p != std::string::npos && (p < 3 || texte.compare(p - 3, 3, "CH.") != 0)) {
            texte.insert(p, "CH.");
        }
    }
    remplace_tout(texte, "  ", " ");
    for (int i = 0; i < 2 && !texte.empty() && texte.front() == ' '; ++i) {
        texte.erase(0, 1);
    }
    if (contient(texte, "Hahodech - Roch Hodech") || contient(texte, "Chekalim - Roch Hodech") ||
        contient(texte, "Hanouka - Roch Hodech")) {
        texte.replace(texte.rfind("Roch Hodech"), 11, "Roch Hod.");
    }
    return engine::complete_espaces(texte, 28);
}

} // namespace orvane::events
