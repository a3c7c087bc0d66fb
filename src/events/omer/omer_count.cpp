#include "events/omer/omer_count.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

using engine::complete_espaces;

constexpr std::size_t longueur_ligne_lue = 80;
constexpr std::size_t longueur_second_texte = 20;
constexpr int nissan = 8;

/// The `n`-th tab-separated field of `ligne` (from 0); empty when absent.
std::string champ(const std::string& ligne, int n)
{
    std::size_t debut = 0;
    for (int i = 0; i < n; ++i) {
        debut = ligne.find('\t', debut);
        if (debut == std::string::npos) {
            return {};
        }
        ++debut;
    }
    const std::size_t fin = ligne.find('\t', debut);
    return ligne.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
}

std::string nom_du_jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

std::string annee_ecrite(int annee)
{
    return std::to_string(engine::annee_civile_ecrite(annee));
}

/// "31 Mars 2029" (row 0).
std::string date_simple(const engine::DateCivile& d)
{
    return std::to_string(d.jour) + " " +
           std::string(engine::mois_civils[static_cast<std::size_t>(d.mois)]) + " " +
           annee_ecrite(d.annee);
}

/// "1  Avril 2029", "12 Mai   2029": the columns of rows 1..50.
std::string date_en_colonnes(const engine::DateCivile& d)
{
    return complete_espaces(std::to_string(d.jour), 2) + " " +
           complete_espaces(engine::mois_civils[static_cast<std::size_t>(d.mois)], 5) + " " +
           annee_ecrite(d.annee);
}

std::string compte_de_la_ligne(int n)
{
    if (n == 0) {
        return "PESSAH";
    }
    return n > jours_du_compte ? "CHAVOUOT" : std::to_string(n);
}

bool est_un_jour_du_compte(const LigneOmer& l)
{
    return l.compte != "PESSAH" && l.compte != "CHAVOUOT";
}

} // namespace

std::array<TextesDuJourOmer, lignes_du_fichier_omer>
textes_omer(const std::vector<std::string>& lignes)
{
    std::array<TextesDuJourOmer, lignes_du_fichier_omer> textes;
    const std::size_t n = std::min(lignes.size(), textes.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string ligne = platform::left(lignes[i], longueur_ligne_lue);
        textes[i].premier = champ(ligne, 1);
        textes[i].second = platform::left(champ(ligne, 2), longueur_second_texte);
    }
    return textes;
}

std::optional<std::array<TextesDuJourOmer, lignes_du_fichier_omer>>
lit_textes_omer(const std::filesystem::path& repertoire)
{
    const std::optional<std::vector<std::string>> lignes = platform::read_lines_if_exists(
        platform::lookup_ignoring_case(repertoire, fichier_textes_omer));
    if (!lignes) {
        return std::nullopt;
    }
    return textes_omer(*lignes);
}

TableOmer table_omer(int annee_hebr,
                     const std::array<TextesDuJourOmer, lignes_du_fichier_omer>& textes)
{
    TableOmer table;
    engine::CalendarEngine e;
    // Row n is n days after 15 Nissan: 16 to 30 Nissan, 1 to 29 Iyar, then
    // Sivan. The engine keeps the year set up, so each conversion after the
    // first is a walk inside it.
    engine::DateHebraique jour(annee_hebr, nissan, 16);
    for (int n = 1; n < static_cast<int>(table.size()); ++n) {
        e.convertit_hebreu_civil(jour.annee, jour.mois, jour.jour);
        LigneOmer& l = table[static_cast<std::size_t>(n)];
        l.date_hebraique = jour;
        l.date_civile = engine::DateCivile(e.annee_civile, e.mois_civil, e.jour_civil);
        l.jour_semaine = e.jour_semaine;
        l.nom_jour = nom_du_jour(l.jour_semaine);
        l.date = date_en_colonnes(l.date_civile);
        l.compte = compte_de_la_ligne(n);
        l.hebreu_1 = textes[static_cast<std::size_t>(n - 1)].premier;
        l.hebreu_2 = textes[static_cast<std::size_t>(n - 1)].second;
        jour = engine::lendemain(jour);
    }
    // Row 0: the first day of Pessa'h, the eve of the count.
    LigneOmer& pessah = table[0];
    pessah.date_hebraique = engine::DateHebraique(annee_hebr, nissan, 15);
    pessah.date_civile = engine::veille(table[1].date_civile);
    pessah.jour_semaine = table[1].jour_semaine == 1 ? 7 : table[1].jour_semaine - 1;
    pessah.nom_jour = nom_du_jour(pessah.jour_semaine);
    pessah.date = date_simple(pessah.date_civile);
    pessah.compte = compte_de_la_ligne(0);
    pessah.hebreu_1 = std::string(entete_date_hebraique_omer);
    pessah.hebreu_2 = std::string(entete_compte_hebreu_omer);
    return table;
}

std::string libelle_annees_omer(int annee_hebr, int annee_civile)
{
    // Tichri falls in the civil year before; there is no year 0, so the
    // year before 1 is -1.
    int tichri = annee_civile - 1;
    if (annee_hebr == 3761) {
        --tichri;
    }
    return std::to_string(annee_hebr) + " correspond aux années civiles " + std::to_string(tichri) +
           " / " + std::to_string(annee_civile);
}

std::string nom_fichier_omer(int annee_civile)
{
    return "OMER_" + std::to_string(annee_civile) + ".txt";
}

std::vector<std::string> lignes_fichier_omer(const TableOmer& table)
{
    std::vector<std::string> lignes = {"Dates civiles          Compte du Omer"};
    for (const LigneOmer& l : table) {
        lignes.push_back(
            platform::left(complete_espaces(l.nom_jour, 10) + l.date + "      " + l.compte, 80));
    }
    return lignes;
}

std::vector<std::string> lignes_a_imprimer_omer(const TableOmer& table, int annee_hebr,
                                                int annee_civile)
{
    const std::string marge(8, ' ');
    const std::string t = "Année hébraïque :" + std::to_string(annee_hebr) + "     " +
                          "Année civile :" + std::to_string(annee_civile);
    const std::string r(platform::char_count(t), '=');
    std::vector<std::string> lignes(4, " ");
    for (const std::string& l : {r, std::string(titre_omer), t, r,
                                 std::string("Dates civiles              Compte du Omer"),
                                 std::string("                           dès la veille au soir")}) {
        lignes.push_back(marge + l);
    }
    lignes.emplace_back(" ");
    for (const LigneOmer& l : table) {
        lignes.push_back(marge + complete_espaces(l.nom_jour, 12) + complete_espaces(l.date, 15) +
                         "--->  " + complete_espaces(l.compte, 4) +
                         (est_un_jour_du_compte(l) ? "jour du Omer" : ""));
    }
    return lignes;
}

} // namespace orvane::events
