#include "places/dst.h"

#include "places/angle.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <charconv>
#include <optional>

namespace orvane::places
{

namespace
{

constexpr std::size_t longueur_champ = 10;

/// The fields of one line of a table that the lookup keeps.
struct LigneTable {
    std::string mois;
    std::string jour;
    std::string annee;
    std::string valeur;
};

std::optional<int> nombre_entier(std::string_view texte)
{
    const std::string t = platform::trim(texte);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+') {
        v.remove_prefix(1);
    }
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(v.data(), v.data() + v.size(), valeur);
    if (v.empty() || erreur != std::errc{} || fin != v.data() + v.size()) {
        return std::nullopt;
    }
    return valeur;
}

/// Field 1 dropped, 2 and 3 kept, 4 dropped, 5 kept, then the first two
/// characters of the rest; none when the line has fewer than six fields.
std::optional<LigneTable> decoupe(std::string_view ligne)
{
    std::vector<std::string_view> champs;
    std::size_t debut = 0;
    while (champs.size() < 5) {
        const std::size_t tab = ligne.find('\t', debut);
        if (tab == std::string_view::npos) {
            return std::nullopt;
        }
        champs.push_back(ligne.substr(debut, tab - debut));
        debut = tab + 1;
    }
    return LigneTable{
        platform::left(champs[1], longueur_champ), platform::left(champs[2], longueur_champ),
        platform::left(champs[4], longueur_champ), platform::left(ligne.substr(debut), 2)};
}

int entier_ou_erreur(const std::string& texte)
{
    const std::optional<int> n = nombre_entier(texte);
    if (!n) {
        throw ErreurConversion("« " + texte + " » n'est pas un nombre entier valide");
    }
    return *n;
}

using ListeEurope = std::optional<std::vector<std::string>>;

// The countries that follow the European Union's days of change, one a line.
ListeEurope liste_europe(const std::filesystem::path& repertoire)
{
    return platform::read_lines_if_exists(
        repertoire / platform::entry_ignoring_case(repertoire, "H_europe.txt"));
}

std::string pays_selon_l_europe(const ListeEurope& europe, std::string_view pays)
{
    if (europe) {
        for (const std::string& ligne : *europe) {
            if (!ligne.empty() && platform::trim_right(ligne) == pays) {
                return "France";
            }
        }
    }
    return std::string(pays);
}

} // namespace

DstYear cherche_annee(const std::vector<std::string>& lignes, int annee)
{
    std::optional<LigneTable> debut;
    std::optional<LigneTable> fin;
    for (const std::string& ligne : lignes) {
        if (ligne.empty()) {
            continue;
        }
        const std::optional<LigneTable> champs = decoupe(ligne);
        if (!champs || nombre_entier(champs->annee) != annee) {
            continue; // another year, or a year that is not a number
        }
        const std::optional<int> valeur = nombre_entier(champs->valeur);
        if (valeur == 1 && !debut) {
            debut = champs;
        } else if (valeur == 0 && !fin) {
            fin = champs;
        }
        if (debut && fin) {
            break;
        }
    }
    if (!debut || !fin) {
        return DstYear{};
    }
    return DstYear{debut->jour, debut->mois, debut->annee, debut->valeur,
                   fin->jour,   fin->mois,   fin->annee,   fin->valeur};
}

bool est_ete(const DstYear& annee, int jour, int mois)
{
    const int debut = entier_ou_erreur(annee.mois_debut) * 100 + entier_ou_erreur(annee.statut);
    const int fin = entier_ou_erreur(annee.mois_fin) * 100 + entier_ou_erreur(annee.jour_fin);
    const int date = mois * 100 + jour;
    if (debut <= fin) {
        return debut <= date && date < fin;
    }
    // Southern hemisphere: summer at both ends of the civil year.
    return date >= debut || date < fin;
}

double correction_du_jour(const DstYear& annee, int jour, int mois)
{
    return entier_ou_erreur(est_ete(annee, jour, mois) ? annee.valeur_debut : annee.valeur_fin);
}

std::filesystem::path chemin_table_pays(const std::filesystem::path& repertoire,
                                        std::string_view pays)
{
    return repertoire /
           platform::entry_ignoring_case(repertoire, "h_" + std::string(pays) + ".txt");
}

std::string pays_de_la_table(const std::filesystem::path& repertoire, std::string_view pays)
{
    return pays_selon_l_europe(liste_europe(repertoire), pays);
}

TablesEte::TablesEte(std::filesystem::path repertoire) : repertoire_(std::move(repertoire)) {}

std::string TablesEte::pays_de_la_table(std::string_view pays) const
{
    if (!europe_) {
        europe_ = liste_europe(repertoire_);
    }
    return pays_selon_l_europe(*europe_, pays);
}

const TablesEte::Lignes& TablesEte::table(const std::string& pays) const
{
    if (const auto deja = tables_.find(pays); deja != tables_.end()) {
        return deja->second;
    }
    Lignes lignes = platform::read_lines_if_exists(chemin_table_pays(repertoire_, pays));
    return tables_.emplace(pays, std::move(lignes)).first->second;
}

DstYear TablesEte::annee(std::string_view pays, int annee, std::string_view mode) const
{
    if (mode == config::mode_hiver_toute_l_annee || mode == config::mode_ete_toute_l_annee) {
        return DstYear{};
    }
    const Lignes& lignes = table(pays_de_la_table(pays));
    if (!lignes) {
        return DstYear{};
    }
    return cherche_annee(*lignes, annee);
}

double TablesEte::correction(std::string_view pays, std::string_view mode,
                             const engine::DateCivile& jour,
                             std::optional<double> correction_manuelle) const
{
    return correction_pour_le_jour(annee(pays, jour.annee, mode), mode, jour.jour, jour.mois,
                                   correction_manuelle);
}

DstYear lit_decaleur(const std::filesystem::path& repertoire, std::string_view pays, int annee,
                     std::string_view mode)
{
    return TablesEte(repertoire).annee(pays, annee, mode);
}

double correction_pour_le_jour(const DstYear& annee, std::string_view mode, int jour, int mois,
                               std::optional<double> correction_manuelle)
{
    if (mode == config::mode_hiver_toute_l_annee) {
        return 0;
    }
    if (mode == config::mode_ete_toute_l_annee) {
        return 1;
    }
    if (annee.trouve()) {
        return correction_du_jour(annee, jour, mois);
    }
    return correction_manuelle.value_or(0.0);
}

double correction_ete_du_jour(const std::filesystem::path& repertoire, std::string_view pays,
                              std::string_view mode, const engine::DateCivile& jour,
                              std::optional<double> correction_manuelle)
{
    return TablesEte(repertoire).correction(pays, mode, jour, correction_manuelle);
}

} // namespace orvane::places
