#include "tables/window_state.h"

#include "platform/file_error.h"
#include "platform/text_file.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace orvane::tables
{

namespace
{

std::string texte_date(const engine::DateCivile& d)
{
    return std::to_string(d.jour) + "/" + std::to_string(d.mois) + "/" + std::to_string(d.annee);
}

std::optional<int> entier(std::string_view t)
{
    int v = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (erreur != std::errc() || fin != t.data() + t.size() || t.empty()) {
        return std::nullopt;
    }
    return v;
}

std::vector<std::string_view> champs(std::string_view ligne, char sep)
{
    std::vector<std::string_view> c;
    for (std::size_t debut = 0;;) {
        const std::size_t i = ligne.find(sep, debut);
        c.push_back(ligne.substr(debut, i == std::string_view::npos ? i : i - debut));
        if (i == std::string_view::npos) {
            return c;
        }
        debut = i + 1;
    }
}

std::optional<engine::DateCivile> lit_date(std::string_view t)
{
    const std::vector<std::string_view> p = champs(t, '/');
    if (p.size() != 3) {
        return std::nullopt;
    }
    const auto j = entier(p[0]), m = entier(p[1]), a = entier(p[2]);
    if (!j || !m || !a || *m < 1 || *m > 12 || *j < 1) {
        return std::nullopt;
    }
    return date_des_listes(*j, *m, *a);
}

} // namespace

engine::DateCivile date_des_listes(int jour, int mois, int annee)
{
    mois = std::clamp(mois, 1, 12);
    return {annee, mois, std::clamp(jour, 1, engine::jours_du_mois_civil(annee, mois))};
}

std::string ligne_etat(const EtatFenetreHoraires& e)
{
    std::string t;
    for (const std::string& champ :
         {e.lieu.ville, e.lieu.pays, e.lieu.latitude, e.lieu.longitude, e.lieu.decalage,
          texte_date(e.debut), texte_date(e.fin), e.opinion, std::to_string(e.increment)}) {
        t += champ + "\t";
    }
    return t;
}

std::optional<EtatFenetreHoraires> lit_ligne_etat(std::string_view ligne)
{
    const std::vector<std::string_view> c = champs(ligne, '\t');
    if (c.size() < 9) {
        return std::nullopt;
    }
    const auto debut = lit_date(c[5]), fin = lit_date(c[6]);
    const auto increment = entier(c[8]);
    if (!debut || !fin || !increment) {
        return std::nullopt;
    }
    EtatFenetreHoraires e;
    e.lieu = {std::string(c[0]), std::string(c[1]), std::string(c[2]), std::string(c[3]),
              std::string(c[4])};
    e.debut = *debut;
    e.fin = *fin;
    e.opinion = std::string(c[7]);
    e.increment = std::clamp(*increment, 1, 31);
    return e;
}

void cre_fic_conf_lieu_init_cal(const std::filesystem::path& repertoire,
                                const EtatFenetreHoraires& e)
{
    platform::write_lines(repertoire / nom_etat_fenetre, {ligne_etat(e)});
}

std::optional<EtatFenetreHoraires> lit_etat_fenetre(const std::filesystem::path& repertoire)
{
    try {
        const auto lignes = platform::read_lines_if_exists(repertoire / nom_etat_fenetre);
        if (!lignes || lignes->empty()) {
            return std::nullopt;
        }
        return lit_ligne_etat(lignes->front());
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

} // namespace orvane::tables
