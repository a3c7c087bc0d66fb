#include "documents/workbook_records.h"

#include "documents/workbook_writer.h"
#include "engine/date_validity.h"
#include "engine/names.h"
#include "platform/text.h"
#include "records/store/record_dates.h"
#include "records/tables/dbase_table.h"
#include "records/tables/listing.h"

#include <algorithm>
#include <functional>

namespace orvane::documents
{

namespace
{

namespace fs = std::filesystem;
using records::Fiche;

/// The first day that the spreadsheets and their readers count alike.
constexpr engine::DateCivile premier_jour_tableur{1900, 3, 1};

/// The texts joined by one blank, each trimmed, the empty ones left out.
std::string joint(std::initializer_list<std::string_view> textes)
{
    std::string r;
    for (const std::string_view t : textes) {
        const std::string m = platform::trim(t);
        if (!m.empty()) {
            r += (r.empty() ? "" : " ") + m;
        }
    }
    return r;
}

/// A civil date of three texts: a date cell when it is one, the texts
/// joined by "/" otherwise.
CelluleFiche date_des_textes(std::string_view jour, std::optional<int> mois,
                             std::string_view mois_ecrit, std::string_view annee)
{
    const auto j = platform::nombre_entier(platform::trim(jour));
    const auto a = platform::nombre_entier(platform::trim(annee));
    if (j && mois && a) {
        const engine::DateCivile d{*a, *mois, *j};
        if (!engine::erreur_date_civile(d)) {
            return {records::texte_de_date(d),
                    premier_jour_tableur <= d ? std::optional(d) : std::nullopt};
        }
    }
    std::string texte;
    for (const std::string_view t : {jour, mois_ecrit, annee}) {
        const std::string m = platform::trim(t);
        if (!m.empty()) {
            texte += (texte.empty() ? "" : "/") + m;
        }
    }
    return {texte, std::nullopt};
}

CelluleFiche texte(std::string t)
{
    return {std::move(t), std::nullopt};
}

/// A column: its title and how a record fills it.
struct Colonne {
    std::string titre;
    std::function<CelluleFiche(const Fiche&)> valeur;
};

using Groupe = const records::GroupeDate& (*)(const Fiche&);

void colonnes_du_groupe(std::vector<Colonne>& c, const std::string& titre, Groupe g)
{
    c.push_back({titre, [g](const Fiche& f) {
                     const records::GroupeDate& d = g(f);
                     return date_des_textes(d.jour, platform::nombre_entier(d.mois), d.mois,
                                            d.annee);
                 }});
    c.push_back({titre + " (jour)", [g](const Fiche& f) { return texte(g(f).jour_semaine); }});
    c.push_back({titre + " (J/N)", [g](const Fiche& f) { return texte(g(f).jour_nuit); }});
    c.push_back({titre + " (hébraïque)", [g](const Fiche& f) {
                     const records::GroupeDate& d = g(f);
                     return texte(joint({d.jour_hebreu, d.mois_hebreu, d.annee_hebraique}));
                 }});
}

void colonnes_de_bar_mitsva(std::vector<Colonne>& c, const std::string& titre)
{
    c.push_back({titre, [](const Fiche& f) {
                     const records::DateEnToutesLettres& d = f.bar_mitsva.civile;
                     return date_des_textes(d.jour, mois_civil_du_nom(d.mois), d.mois, d.annee);
                 }});
    c.push_back({titre + " (hébraïque)", [](const Fiche& f) {
                     const records::DateEnToutesLettres& d = f.bar_mitsva.hebraique;
                     return texte(joint({d.jour, d.mois, d.annee}));
                 }});
}

void colonnes_du_prochain(std::vector<Colonne>& c, const std::string& titre)
{
    c.push_back({titre, [](const Fiche& f) {
                     const records::GroupeAnniversaire& p = f.prochain;
                     return date_des_textes(p.jour, mois_civil_du_nom(p.mois), p.mois, p.annee);
                 }});
    c.push_back({titre + " (jour)",
                 [](const Fiche& f) { return texte(platform::trim(f.prochain.jour_semaine)); }});
    c.push_back({titre + " (hébraïque)", [](const Fiche& f) {
                     const records::GroupeAnniversaire& p = f.prochain;
                     return texte(joint({p.jour_hebreu, p.mois_hebreu, p.annee_hebraique}));
                 }});
}

/// The fields of the family, as positions in champs_de_la_fiche: those that
/// partie_de_la_famille keeps of a record whose every field is filled.
std::vector<bool> champs_de_la_famille(records::Famille famille)
{
    Fiche pleine;
    for (const auto& champ : records::champs_de_la_fiche(pleine)) {
        *champ.second = "x";
    }
    const Fiche partie = records::partie_de_la_famille(famille, pleine);
    std::vector<bool> r;
    for (const auto& champ : records::champs_de_la_fiche(partie)) {
        r.push_back(!champ.second->empty());
    }
    return r;
}

/// The columns of a family: the record number, then the fields in the
/// order of the record lines, a field of its own as a text, the fields of a
/// date (named alike) as the columns of that date.
std::vector<Colonne> colonnes(records::Famille famille)
{
    const auto noms = records::champs_de_la_fiche(Fiche{});
    const std::vector<bool> de_la_famille = champs_de_la_famille(famille);
    std::vector<Colonne> c;
    c.push_back({"N°", [](const Fiche&) { return CelluleFiche{}; }});
    for (std::size_t i = 0; i < noms.size(); ++i) {
        const std::string_view nom = noms[i].first;
        if (!de_la_famille[i] || (i > 0 && noms[i - 1].first == nom)) {
            continue;
        }
        const std::string titre(nom);
        if (i + 1 < noms.size() && noms[i + 1].first == nom) {
            if (titre == "Date") {
                colonnes_du_groupe(
                    c, titre, [](const Fiche& f) -> const auto& { return f.date; });
            } else if (titre == "Date d'inhumation") {
                colonnes_du_groupe(
                    c, titre, [](const Fiche& f) -> const auto& { return f.inhumation; });
            } else if (titre == "Date de Bar-Mitsva") {
                colonnes_de_bar_mitsva(c, titre);
            } else {
                colonnes_du_prochain(c, titre);
            }
            continue;
        }
        c.push_back({titre, [i](const Fiche& f) {
                         return texte(*records::champs_de_la_fiche(f)[i].second);
                     }});
    }
    return c;
}

void ecrit_cellule(FeuilleXlsx& f, int ligne, int colonne, const CelluleFiche& c)
{
    if (c.date) {
        f.nombre(ligne, colonne, date_tableur(*c.date), StyleCellule::date);
    } else if (!c.texte.empty()) {
        f.texte(ligne, colonne, c.texte, StyleCellule::texte);
    }
}

/// The sheet with its row of titles, the columns wide enough for them.
FeuilleXlsx feuille_titree(ClasseurXlsx& classeur, std::string_view nom,
                           const std::vector<std::string>& titres)
{
    FeuilleXlsx f = classeur.feuille(nom, {.paysage = true, .lignes_titre = 1});
    for (std::size_t c = 0; c < titres.size(); ++c) {
        const int colonne = static_cast<int>(c);
        f.texte(0, colonne, titres[c], StyleCellule::colonne);
        f.largeurs(colonne, colonne,
                   static_cast<double>(std::max<std::size_t>(platform::char_count(titres[c]), 10)) +
                       2);
    }
    f.fige(1, 0);
    return f;
}

} // namespace

std::optional<int> mois_civil_du_nom(std::string_view nom)
{
    const std::string n = platform::trim(nom);
    for (std::size_t m = 1; m < engine::mois_civils.size(); ++m) {
        if (platform::equals_ignoring_case(n, engine::mois_civils[m])) {
            return static_cast<int>(m);
        }
    }
    return std::nullopt;
}

std::vector<std::string> colonnes_classeur_fiches(records::Famille famille)
{
    std::vector<std::string> r;
    for (const Colonne& c : colonnes(famille)) {
        r.push_back(c.titre);
    }
    return r;
}

std::vector<CelluleFiche> cellules_de_la_fiche(records::Famille famille,
                                               const records::FicheLue& fiche)
{
    std::vector<CelluleFiche> r;
    for (const Colonne& c : colonnes(famille)) {
        r.push_back(c.valeur(fiche.fiche));
    }
    r.front() = texte(std::to_string(fiche.numero));
    return r;
}

void ecrit_classeur_fiches(const fs::path& destination, records::Famille famille,
                           const std::vector<records::FicheLue>& fiches)
{
    ClasseurXlsx classeur(destination);
    FeuilleXlsx f = feuille_titree(classeur, records::description_famille(famille).nom,
                                   colonnes_classeur_fiches(famille));
    int ligne = 1;
    for (const records::FicheLue& fiche : fiches) {
        const std::vector<CelluleFiche> cellules = cellules_de_la_fiche(famille, fiche);
        f.nombre(ligne, 0, fiche.numero, StyleCellule::nombre);
        for (std::size_t c = 1; c < cellules.size(); ++c) {
            ecrit_cellule(f, ligne, static_cast<int>(c), cellules[c]);
        }
        ++ligne;
    }
    classeur.termine();
}

void ecrit_classeur_table(const fs::path& destination, const records::Table& table)
{
    std::vector<std::string> titres;
    for (const records::ChampDbf& c : table.champs()) {
        titres.push_back(c.nom);
    }
    ClasseurXlsx classeur(destination);
    FeuilleXlsx f = feuille_titree(classeur, records::nom_de_base(table.fichier()), titres);
    int ligne = 1;
    for (const std::size_t fiche : table.fiches_affichees()) {
        for (std::size_t c = 0; c < titres.size(); ++c) {
            const std::string t = table.texte_du_champ(fiche, c);
            const std::optional<engine::DateCivile> d =
                table.champs()[c].type == 'D' ? records::date_du_texte(t) : std::nullopt;
            ecrit_cellule(f, ligne, static_cast<int>(c),
                          d && premier_jour_tableur <= *d ? CelluleFiche{t, d} : texte(t));
        }
        ++ligne;
    }
    classeur.termine();
}

} // namespace orvane::documents
