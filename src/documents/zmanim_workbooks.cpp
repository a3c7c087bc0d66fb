#include "documents/zmanim_workbooks.h"

#include "documents/workbook_writer.h"
#include "engine/names.h"
#include "platform/program_dir.h"
#include "platform/text.h"
#include "tables/chart_series.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>
#include <system_error>
#include <utility>

namespace orvane::documents
{

namespace fs = std::filesystem;
using Agencement = tables::MiseEnPage;

// --- The refusals --------------------------------------------------------

std::string message_cases_incompletes()
{
    return "Erreur :\rLa construction des tableaux excel n'est possible que si\r"
           "l'on a choisi de calculer tous les moments de la journée\r"
           "en cochant sur toutes les cases.";
}

std::string message_hamets()
{
    return "Erreur :\rIl n'y a pas de tableaux excel prévus pour les calculs des moments du "
           "'Hamets\r";
}

std::string message_increment_graphiques(int increment)
{
    return "Erreur :\rLes graphes excel sont construits automatiquement\r"
           "par macros, pour un incrément de 1 seulement.\rIci l'incrément est de " +
           std::to_string(increment) + ".";
}

std::string message_increment_quatorze(int increment)
{
    return "Erreur :\rLes tableaux excel sont construits automatiquement\r"
           "par macros, pour un incrément de 1 ou de 5 seulement.\rIci l'incrément est de " +
           std::to_string(increment) + ".";
}

std::string message_increment_livre_quatorze(int increment)
{
    return "Erreur :\rLes tableaux excel automatiques sont construits\r"
           "pour un incrément de de 5 jours seulement.\rIci l'incrément est de " +
           std::to_string(increment) + ".";
}

std::string message_increment_toutes(int increment)
{
    return "Erreur :\rLes graphes automatiques sont construits automatiquement\r"
           "par macros, pour un incrément de 1 ou de 5 seulement.\rIci l'incrément est de " +
           std::to_string(increment) + ".";
}

std::string message_increment_livre_toutes(int increment)
{
    return "Erreur :\rLes tableaux excel sont construits automatiquement\r"
           "par macros, pour un incrément de 5 seulement.\rIci l'incrément est de " +
           std::to_string(increment) + ".";
}

std::string message_fetes_quatorze()
{
    return "Erreur :\rLa prise en compte des fêtes ne permet pas de construire\r"
           "des tableaux excel de 14 colonnes en format portrait.\r"
           "Pour cela choisir le bouton \"Toutes les colonnes\".\r"
           "Elles seront créées au format paysage";
}

namespace
{

bool livre_seul(Agencement m)
{
    return m == Agencement::livre || m == Agencement::livre_rt;
}

std::string refus_d_increment(ClasseurHoraires k, const ContexteClasseurs& c)
{
    const int i = c.increment;
    switch (k) {
    case ClasseurHoraires::graphiques:
        return i == 1 ? "" : message_increment_graphiques(i);
    case ClasseurHoraires::quatorze_colonnes:
        if (livre_seul(c.mise_en_page)) {
            return i == 5 ? "" : message_increment_livre_quatorze(i);
        }
        return i == 1 || i == 5 ? "" : message_increment_quatorze(i);
    case ClasseurHoraires::toutes_colonnes:
        if (livre_seul(c.mise_en_page)) {
            return i == 5 ? "" : message_increment_livre_toutes(i);
        }
        return i == 1 || i == 5 ? "" : message_increment_toutes(i);
    }
    return {};
}

} // namespace

std::string refus_classeur(ClasseurHoraires k, const ContexteClasseurs& c)
{
    if (c.hamets) {
        return message_hamets();
    }
    // A plaque list shows the columns of its own layout, not every box.
    if (!c.toutes_les_cases && !tables::est_une_plaque(c.mise_en_page)) {
        return message_cases_incompletes();
    }
    if (k == ClasseurHoraires::quatorze_colonnes && c.fetes) {
        return message_fetes_quatorze();
    }
    return refus_d_increment(k, c);
}

std::string nom_classeur(ClasseurHoraires k, const ContexteClasseurs& c)
{
    if (k == ClasseurHoraires::graphiques) {
        return "zeman.xlsx";
    }
    const bool toutes = k == ClasseurHoraires::toutes_colonnes;
    if (c.mise_en_page == Agencement::livre) {
        return toutes ? "tal5_livre.xlsx" : "tab5_livre.xlsx";
    }
    if (c.mise_en_page == Agencement::livre_rt) {
        return toutes ? "tal5_livre_RT.xlsx" : "tab5_livre_RT.xlsx";
    }
    if (tables::est_une_plaque(c.mise_en_page)) {
        return toutes ? "tal2_plaquette.xlsx" : "tab2_plaquette.xlsx";
    }
    if (c.bureau_des_longitudes) {
        return c.increment == 5 ? "tbl_5.xlsx" : "tbl_tout.xlsx";
    }
    const std::string pas = c.increment == 5 ? "5" : "1";
    return (toutes ? "tal_" : "tab_") + pas + ".xlsx";
}

// --- The kept rows -------------------------------------------------------

namespace
{

constexpr int secondes_par_jour = 24 * 3600;

std::optional<int> entier(std::string_view t)
{
    int v = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || erreur != std::errc{} || fin != t.data() + t.size() || v < 0) {
        return std::nullopt;
    }
    return v;
}

/// "07.45" → 27 900 seconds; nothing for a cell that is no time.
std::optional<int> secondes_de_cellule(std::string_view t)
{
    const std::size_t point = t.find('.');
    if (point == std::string_view::npos || point == 0 || point > 2 || t.size() != point + 3) {
        return std::nullopt;
    }
    const std::optional<int> h = entier(t.substr(0, point));
    const std::optional<int> m = entier(t.substr(point + 1));
    if (!h || !m || *m > 59) {
        return std::nullopt;
    }
    return *h * 3600 + *m * 60;
}

/// The seconds the day computed for the slot behind a cell, when the slot
/// still holds the hour and minute the cell shows.
int secondes_du_creneau(const zmanim::DayTimes& j, std::string_view jeton, int secondes_cellule)
{
    const zmanim::TexteHoraire* t = j.creneau(jeton);
    if (t == nullptr || !t->definie()) {
        return 0;
    }
    const std::optional<int> h = entier(platform::trim(t->heures));
    const std::optional<int> m = entier(platform::trim(t->minutes));
    const std::optional<int> s = entier(platform::trim(t->secondes));
    if (!h || !m || !s || *h * 3600 + *m * 60 != secondes_cellule || *s > 59) {
        return 0;
    }
    return *s;
}

/// "19:33", or "19:33:12" with the seconds, as the text table writes it.
std::string texte_horaire(int secondes, bool avec_secondes)
{
    const auto deux = [](int n) { return platform::pad_left(std::to_string(n), 2, '0'); };
    std::string t = deux(secondes / 3600) + ":" + deux(secondes / 60 % 60);
    return avec_secondes ? t + ":" + deux(secondes % 60) : t;
}

CelluleGardee cellule_gardee(const std::string& brute, std::size_t indice,
                             const tables::RangeeTable& r, bool avec_secondes)
{
    CelluleGardee c;
    std::string t = platform::trim(brute);
    if (t.starts_with("après ")) {
        c.apres = true;
        t = platform::trim(t.substr(std::string_view("après ").size()));
    }
    c.texte = t;
    c.secondes = secondes_de_cellule(t);
    if (c.secondes && avec_secondes && r.horaires != nullptr) {
        const std::size_t colonne = c.apres ? tables::colonne_sortie : indice;
        *c.secondes +=
            secondes_du_creneau(*r.horaires, tables::colonnes()[colonne].jeton, *c.secondes);
    }
    if (c.apres && c.secondes) {
        c.texte = "après " + texte_horaire(*c.secondes, avec_secondes);
    }
    return c;
}

} // namespace

void TablesGardees::ligne(const std::string& texte)
{
    lignes_en_attente_.push_back(texte);
}

void TablesGardees::colonnes(const std::vector<tables::ColonneAffichee>& c)
{
    TableGardee t;
    t.colonnes = c;
    // The place line is the first line of the table's head.
    const auto lieu = std::find_if(lignes_en_attente_.begin(), lignes_en_attente_.end(),
                                   [](const std::string& l) { return !platform::trim(l).empty(); });
    if (lieu != lignes_en_attente_.end()) {
        t.lieu = platform::trim(*lieu);
    }
    lignes_en_attente_.clear();
    tables_.push_back(std::move(t));
}

void TablesGardees::rangee(const tables::RangeeTable& r)
{
    lignes_en_attente_.clear();
    if (tables_.empty()) {
        tables_.emplace_back();
    }
    TableGardee& t = tables_.back();
    RangeeGardee g;
    g.date = r.date;
    g.jour_semaine = r.jour_semaine;
    g.hebraique = r.hebraique;
    g.embolismique = r.embolismique;
    g.libelle = platform::trim(r.libelle);
    g.polaire = r.polaire;
    g.note_fetes = platform::trim(r.note_fetes);
    for (std::size_t i = 0; i < r.cellules.size(); ++i) {
        const std::size_t indice = i < t.colonnes.size() ? t.colonnes[i].indice : 0;
        CelluleGardee c = cellule_gardee(r.cellules[i], indice, r, avec_secondes_);
        if (r.polaire || i >= t.colonnes.size()) {
            c.secondes.reset();
        }
        g.cellules.push_back(std::move(c));
    }
    t.rangees.push_back(std::move(g));
}

// --- The sheets -------------------------------------------------------------

namespace
{

/// The columns of the portrait table, by their place in the table order:
/// dawn, tefillin, sunrise, both ends of the Chema, both ends of the
/// prayer, midday, Min'ha Guédola, Plag, Sabbath entry, sunset, stars and
/// Sabbath exit.
constexpr std::array<std::size_t, 14> quatorze = {0, 1, 4, 5, 7, 8, 9, 10, 11, 13, 14, 16, 17, 20};

/// The columns of the curves: dawn, sunrise, midday, sunset, stars.
constexpr std::array<std::size_t, tables::nombre_de_courbes> courbes = {0, 4, 10, 16, 17};

constexpr int ligne_lieu = 0, ligne_titres = 1, ligne_hebreu = 2, premiere_rangee = 3;

/// "3 Tevet 5785", "14 Adar II 5784".
std::string date_hebraique(const RangeeGardee& r)
{
    return std::to_string(r.hebraique.jour) + " " +
           platform::trim(engine::nom_mois_hebreu(r.hebraique.mois, r.embolismique)) + " " +
           std::to_string(r.hebraique.annee);
}

/// A sheet name of at most 31 characters without []:*?/\, told apart from
/// the names already given.
std::string nom_de_feuille(std::string_view voulu, std::set<std::string>& pris)
{
    std::string base;
    for (char ch : voulu) {
        if (std::string_view("[]:*?/\\").find(ch) == std::string_view::npos) {
            base += ch;
        }
    }
    base = platform::trim(base);
    // Cut on a character boundary of the UTF-8 text.
    const auto coupe = [](std::string t, std::size_t n) {
        if (t.size() <= n) {
            return t;
        }
        while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) {
            --n;
        }
        return t.substr(0, n);
    };
    base = coupe(base.empty() ? "Horaires" : base, 31);
    std::string nom = base;
    for (int n = 2; pris.contains(nom); ++n) {
        const std::string suffixe = " " + std::to_string(n);
        nom = coupe(base, 31 - suffixe.size()) + suffixe;
    }
    pris.insert(nom);
    return nom;
}

/// The place of each wanted column among the shown ones, the missing ones
/// left out.
std::vector<std::size_t> positions(const TableGardee& t, const std::vector<std::size_t>& voulues)
{
    std::vector<std::size_t> p;
    for (std::size_t indice : voulues) {
        for (std::size_t i = 0; i < t.colonnes.size(); ++i) {
            if (t.colonnes[i].indice == indice) {
                p.push_back(i);
                break;
            }
        }
    }
    return p;
}

std::vector<std::size_t> toutes(const TableGardee& t)
{
    std::vector<std::size_t> p(t.colonnes.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = i;
    }
    return p;
}

/// How one sheet is laid out.
struct Disposition {
    bool paysage = true;
    bool hebreu = true; // the Hebrew titles and the Hebrew date
    bool fetes = false; // a last column of the festivals
    bool graphique = false;
};

class FeuilleHoraires
{
public:
    FeuilleHoraires(ClasseurXlsx& c, std::string_view nom, const TableGardee& t,
                    std::vector<std::size_t> positions, const Disposition& d, bool secondes)
        : t_(t), positions_(std::move(positions)), d_(d), secondes_(secondes),
          premiere_heure_(d.hebreu ? 2 : 1),
          derniere_(premiere_heure_ + static_cast<int>(positions_.size()) - 1 + (d.fetes ? 1 : 0)),
          f_(c.feuille(nom, {.paysage = d.paysage, .lignes_titre = premiere_rangee}))
    {
    }

    void ecrit()
    {
        f_.fusionne(ligne_lieu, 0, std::max(derniere_, 0), t_.lieu, StyleCellule::titre);
        titres();
        for (std::size_t i = 0; i < t_.rangees.size(); ++i) {
            rangee(premiere_rangee + static_cast<int>(i), t_.rangees[i]);
        }
        largeurs();
        f_.fige(premiere_rangee, premiere_heure_);
        if (d_.graphique && !t_.rangees.empty()) {
            graphique();
        }
    }

private:
    void titres()
    {
        f_.texte(ligne_titres, 0, "Date", StyleCellule::colonne);
        f_.texte(ligne_hebreu, 0, "", StyleCellule::colonne);
        if (d_.hebreu) {
            f_.texte(ligne_titres, 1, "Date hébraïque", StyleCellule::colonne);
            f_.texte(ligne_hebreu, 1, "", StyleCellule::colonne);
        }
        int col = premiere_heure_;
        for (std::size_t p : positions_) {
            const tables::ColonneAffichee& c = t_.colonnes[p];
            f_.texte(ligne_titres, col, platform::trim(c.titre), StyleCellule::colonne);
            f_.texte(ligne_hebreu, col, tables::titre_hebreu_en_lettres(c.titre_hebreu),
                     StyleCellule::colonne);
            ++col;
        }
        if (d_.fetes) {
            f_.texte(ligne_titres, col, "Fêtes", StyleCellule::colonne);
            f_.texte(ligne_hebreu, col, "", StyleCellule::colonne);
        }
    }

    void rangee(int ligne, const RangeeGardee& r)
    {
        const bool chabbat = r.jour_semaine == 7;
        f_.nombre(ligne, 0, date_tableur(r.date), StyleCellule::date);
        if (d_.hebreu) {
            f_.texte(ligne, 1, date_hebraique(r),
                     chabbat ? StyleCellule::texte_marque : StyleCellule::texte);
        }
        int col = premiere_heure_;
        for (std::size_t p : positions_) {
            cellule(ligne, col++, p < r.cellules.size() ? r.cellules[p] : CelluleGardee{}, chabbat);
        }
        if (d_.fetes) {
            f_.texte(ligne, col, r.note_fetes,
                     chabbat ? StyleCellule::texte_marque : StyleCellule::texte);
        }
    }

    void cellule(int ligne, int col, const CelluleGardee& c, bool chabbat)
    {
        // An entry after the exit stays a text, "après 19:33", as in the
        // text table: a bare time there would read as an ordinary entry.
        if (!c.secondes || c.apres) {
            f_.texte(ligne, col, c.texte,
                     chabbat ? StyleCellule::texte_marque : StyleCellule::texte);
            return;
        }
        const StyleCellule style =
            secondes_
                ? (chabbat ? StyleCellule::heure_secondes_marque : StyleCellule::heure_secondes)
                : (chabbat ? StyleCellule::heure_marque : StyleCellule::heure);
        // A time of the day is a fraction of a day in a spreadsheet.
        f_.nombre(ligne, col, static_cast<double>(*c.secondes) / secondes_par_jour, style);
    }

    void largeurs()
    {
        f_.largeurs(0, 0, 11);
        if (d_.hebreu) {
            f_.largeurs(1, 1, 16);
        }
        if (!positions_.empty()) {
            f_.largeurs(premiere_heure_, premiere_heure_ + static_cast<int>(positions_.size()) - 1,
                        secondes_ ? 9 : 7.5);
        }
        if (d_.fetes) {
            f_.largeurs(derniere_, derniere_, 36);
        }
    }

    void graphique()
    {
        GraphiqueLignes g;
        g.titre = "Horaires de " + t_.lieu.substr(0, t_.lieu.find("  "));
        g.titre_abscisses = "Date";
        g.titre_ordonnees = "Heure";
        g.format_ordonnees = secondes_ ? "hh:mm:ss" : "hh:mm";
        g.premiere_ligne = premiere_rangee;
        g.derniere_ligne = premiere_rangee + static_cast<int>(t_.rangees.size()) - 1;
        g.colonne_abscisses = 0;
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            g.courbes.emplace_back(platform::trim(t_.colonnes[positions_[i]].titre),
                                   premiere_heure_ + static_cast<int>(i));
        }
        g.ligne = premiere_rangee;
        g.colonne = derniere_ + 2;
        g.echelle_x = 2;
        g.echelle_y = 2;
        f_.graphique(g);
    }

    const TableGardee& t_;
    std::vector<std::size_t> positions_;
    Disposition d_;
    bool secondes_;
    int premiere_heure_;
    int derniere_;
    FeuilleXlsx f_;
};

bool a_des_fetes(const TableGardee& t)
{
    return std::any_of(t.rangees.begin(), t.rangees.end(),
                       [](const RangeeGardee& r) { return !r.note_fetes.empty(); });
}

std::vector<std::size_t> colonnes_de(ClasseurHoraires k, const TableGardee& t, Agencement m)
{
    switch (k) {
    case ClasseurHoraires::toutes_colonnes:
        return toutes(t);
    case ClasseurHoraires::quatorze_colonnes:
        return tables::est_une_plaque(m) ? toutes(t)
                                         : positions(t, {quatorze.begin(), quatorze.end()});
    case ClasseurHoraires::graphiques:
        return positions(t, {courbes.begin(), courbes.end()});
    }
    return {};
}

Disposition disposition_de(ClasseurHoraires k, const TableGardee& t)
{
    Disposition d;
    d.paysage = k != ClasseurHoraires::quatorze_colonnes;
    d.hebreu = k == ClasseurHoraires::toutes_colonnes;
    d.fetes = k == ClasseurHoraires::toutes_colonnes && a_des_fetes(t);
    d.graphique = k == ClasseurHoraires::graphiques;
    return d;
}

} // namespace

void ecrit_classeur_horaires_vers(const fs::path& destination, ClasseurHoraires k,
                                  const TablesGardees& t, const ContexteClasseurs& c)
{
    ClasseurXlsx classeur(destination);
    std::set<std::string> pris;
    const std::vector<TableGardee>& liste = t.tables();
    for (const TableGardee& table : liste) {
        const std::string voulu = k == ClasseurHoraires::graphiques ? "Graphiques"
                                  : liste.size() > 1 ? table.lieu.substr(0, table.lieu.find("  "))
                                                     : "Horaires";
        FeuilleHoraires f(classeur, nom_de_feuille(voulu, pris), table,
                          colonnes_de(k, table, c.mise_en_page), disposition_de(k, table),
                          t.avec_secondes());
        f.ecrit();
        if (k == ClasseurHoraires::graphiques) {
            break; // the curves of one place
        }
    }
    if (liste.empty()) {
        (void)classeur.feuille("Horaires", {.paysage = true});
    }
    classeur.termine();
}

fs::path dossier_horaires(const fs::path& programme)
{
    const fs::path dossier = programme / "HORAIRES";
    platform::ensure_directory(dossier);
    return dossier;
}

fs::path ecrit_classeur_horaires(const fs::path& programme, ClasseurHoraires k,
                                 const TablesGardees& t, const ContexteClasseurs& c)
{
    const fs::path destination = dossier_horaires(programme) / nom_classeur(k, c);
    ecrit_classeur_horaires_vers(destination, k, t, c);
    return destination;
}

} // namespace orvane::documents
