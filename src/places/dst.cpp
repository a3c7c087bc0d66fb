#include "places/dst.h"

#include "places/angle.h"
#include "platform/file_error.h"
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
    const std::optional<int> n = platform::nombre_entier(texte);
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

/// A line of the table taken for a year, with its number in the file (1 for
/// the first line).
struct LigneTrouvee {
    std::size_t numero = 0;
    LigneTable champs;
};

struct LignesDeLAnnee {
    std::optional<LigneTrouvee> debut; // field 6 reads 1
    std::optional<LigneTrouvee> fin;   // field 6 reads 0
};

/// The first start line and the first end line of the year, in whichever
/// order they stand; a line whose year is not a number is passed over.
LignesDeLAnnee lignes_de_l_annee(const std::vector<std::string>& lignes, int annee)
{
    LignesDeLAnnee l;
    for (std::size_t i = 0; i < lignes.size() && !(l.debut && l.fin); ++i) {
        const std::optional<LigneTable> champs =
            lignes[i].empty() ? std::nullopt : decoupe(lignes[i]);
        if (!champs || platform::nombre_entier(champs->annee) != annee) {
            continue; // another year, or a year that is not a number
        }
        const std::optional<int> valeur = platform::nombre_entier(champs->valeur);
        if (valeur == 1 && !l.debut) {
            l.debut = LigneTrouvee{i + 1, *champs};
        } else if (valeur == 0 && !l.fin) {
            l.fin = LigneTrouvee{i + 1, *champs};
        }
    }
    return l;
}

/// Why a line taken for a year cannot give its day: a month that is not 1
/// to 12, a day that is not 1 to 31, a value that is not a whole number.
std::optional<std::string> defaut_de_la_ligne(const LigneTable& l)
{
    const auto hors = [](const std::string& texte, int min, int max) {
        const std::optional<int> n = platform::nombre_entier(texte);
        return !n || *n < min || *n > max;
    };
    if (hors(l.mois, 1, 12)) {
        return "le mois « " + l.mois + " » n'est pas un mois de 1 à 12";
    }
    if (hors(l.jour, 1, 31)) {
        return "le jour « " + l.jour + " » n'est pas un jour de 1 à 31";
    }
    if (!platform::nombre_entier(l.valeur)) {
        return "la correction « " + l.valeur + " » n'est pas un nombre entier";
    }
    return std::nullopt;
}

} // namespace

DstYear cherche_annee(const std::vector<std::string>& lignes, int annee)
{
    const LignesDeLAnnee l = lignes_de_l_annee(lignes, annee);
    if (!l.debut || !l.fin) {
        return DstYear{};
    }
    const LigneTable& debut = l.debut->champs;
    const LigneTable& fin = l.fin->champs;
    return DstYear{debut.jour, debut.mois, debut.annee, debut.valeur,
                   fin.jour,   fin.mois,   fin.annee,   fin.valeur};
}

std::optional<std::string> defaut_de_l_annee(const std::vector<std::string>& lignes, int annee)
{
    const LignesDeLAnnee l = lignes_de_l_annee(lignes, annee);
    if (!l.debut || !l.fin || l.debut->champs.jour == " ") {
        return std::nullopt; // no such year, or a year marked as one without change
    }
    for (const LigneTrouvee* t : {&*l.debut, &*l.fin}) {
        if (std::optional<std::string> defaut = defaut_de_la_ligne(t->champs)) {
            return "ligne " + std::to_string(t->numero) + " : " + *defaut;
        }
    }
    return std::nullopt;
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
    std::string pays_table = pays_de_la_table(pays);
    // A year is looked up in its table once: a calendar asks every day of it.
    auto cle = std::make_pair(std::move(pays_table), annee);
    if (const auto deja = annees_.find(cle); deja != annees_.end()) {
        return deja->second;
    }
    const Lignes& lignes = table(cle.first);
    if (!lignes) {
        return annees_.emplace(std::move(cle), DstYear{}).first->second;
    }
    if (const std::optional<std::string> defaut = defaut_de_l_annee(*lignes, annee)) {
        throw platform::file_error(platform::FileAction::read,
                                   chemin_table_pays(repertoire_, cle.first), *defaut);
    }
    return annees_.emplace(std::move(cle), cherche_annee(*lignes, annee)).first->second;
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
