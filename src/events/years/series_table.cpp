#include "events/years/series_table.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "events/years/year_type.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"

#include <algorithm>
#include <array>
#include <map>

namespace orvane::events
{

namespace
{

// Series 58 first occurs at that year; the search stops before it.
constexpr int fin_recherche = 213846;

std::string debut_de_ligne(int serie, int annee)
{
    const BorneSerie& b = bornes_series[static_cast<std::size_t>(serie)];
    return engine::complete_zeros(std::to_string(serie), 2) + "  " + "\t" + std::to_string(annee) +
           "\t" + "  " + std::to_string(b.jour) + " J " + std::to_string(b.heure) + " H " +
           std::to_string(b.halakim) + " HL  " + "\t";
}

} // namespace

std::string ligne_de_droite_a_gauche(std::string_view ligne)
{
    std::vector<std::string_view> morceaux;
    std::string_view reste = ligne;
    for (std::size_t p = reste.find("  "); p != std::string_view::npos; p = reste.find("  ")) {
        morceaux.push_back(reste.substr(0, p + 1));
        reste.remove_prefix(p + 1);
    }
    std::string texte(reste);
    texte += "  ";
    for (auto it = morceaux.rbegin(); it != morceaux.rend(); ++it) {
        texte += *it;
    }
    return texte;
}

std::vector<std::string> calcule_61_series(const ProgresSeries& progres)
{
    engine::CalendarEngine e;
    std::map<int, std::string> trouvees;
    std::string ligne;
    int serie = 0;
    for (int annee = 1; annee < fin_recherche && trouvees.size() < 60; ++annee) {
        const TypeAnnee t = type_de_l_annee(e, annee);
        if ((annee - 1) % 19 == 0) {
            serie = serie_de_l_annee(e, annee).serie;
            ligne = debut_de_ligne(serie, annee);
            const int pourcent = static_cast<int>(trouvees.size() * 100 / 61);
            if (progres && !progres(pourcent, annee, serie)) {
                return {};
            }
        }
        ligne += "  " + signe_hebreu(t) + "  ";
        if (annee % 19 == 0 && !trouvees.contains(serie)) {
            trouvees.emplace(serie, ligne);
        }
    }
    std::vector<std::string> lignes;
    for (const auto& [s, l] : trouvees) {
        lignes.push_back(ligne_de_droite_a_gauche(l));
    }
    return lignes;
}

std::vector<std::string> explications_61_series()
{
    return {" ",
            "EXPLICATIONS : LA SERIE 1 EST CHOISIE LORSQUE LE PREMIER MOLAD DU CYCLE DE 19 ANS "
            "INTERVIENT",
            "DANS L'INTERVALE DU DIMANCHE 0H 408 HALAKIM ET DIMANCHE 5H 333 HALAKIM",
            "PREMIERE OCCURRENCE : 191 EME ANNEE DE LA CREATION"};
}

std::vector<std::string> texte_61_series(const std::vector<std::string>& fichier)
{
    std::string colonnes = "   ";
    for (int n = 19; n >= 1; --n) {
        colonnes += engine::complete_zeros(std::to_string(n), 2) + "     ";
    }
    colonnes += "APRES MOLAD   1 OCCUR.   SERIE";
    std::vector<std::string> lignes = {"    LES 61 SERIES" + std::string(143, ' ') + "h\"b", "",
                                       colonnes, ""};
    lignes.insert(lignes.end(), fichier.begin(), fichier.end());
    for (std::string& l : explications_61_series()) {
        lignes.push_back(std::move(l));
    }
    return lignes;
}

Series lit_ou_calcule_series(const std::filesystem::path& repertoire, const ProgresSeries& progres)
{
    const std::filesystem::path chemin =
        platform::lookup_ignoring_case(repertoire, std::string(nom_fichier_series));
    if (auto lignes = platform::read_lines_if_exists(chemin)) {
        return {std::move(*lignes), true};
    }
    Series s{calcule_61_series(progres), false};
    if (!s.lignes.empty()) {
        platform::write_lines(chemin, s.lignes);
    }
    return s;
}

} // namespace orvane::events
