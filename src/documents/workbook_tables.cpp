// The complete calendar and the printers' calendars: a sheet a month, a row
// a day.
#include "documents/day_times_text.h"
#include "documents/workbook_cells.h"
#include "documents/workbook_hebrew_dates.h"
#include "documents/workbook_kinds.h"
#include "documents/workbook_writer.h"

#include <algorithm>
#include <array>

namespace orvane::documents
{

namespace
{

/// The columns of the table of times a layout keeps, by their titles in
/// the export.
std::vector<std::size_t> colonnes_nommees(std::initializer_list<std::string_view> titres)
{
    std::vector<std::size_t> indices;
    for (std::string_view t : titres) {
        const auto it = std::find_if(colonnes_export.begin(), colonnes_export.end(),
                                     [t](const ColonneExport& c) { return c.titre == t; });
        indices.push_back(static_cast<std::size_t>(it - colonnes_export.begin()));
    }
    return indices;
}

std::vector<std::size_t> toutes_les_colonnes()
{
    std::vector<std::size_t> indices(colonnes_export.size());
    for (std::size_t i = 0; i < indices.size(); ++i) {
        indices[i] = i;
    }
    return indices;
}

/// The times a wide town gives from both ends: the morning and evening
/// limits that move with the longitude.
std::vector<std::size_t> colonnes_trois_longitudes()
{
    return colonnes_nommees(
        {"Aube", "L.sol", "Chéma2", "Téph2", "Mijour", "Plag", "E.Ch", "C.sol", "S.Ch"});
}

std::vector<std::size_t> colonnes_imprimeurs()
{
    return colonnes_nommees({"Aube", "L.sol", "Chéma1", "Chéma2", "Téph2", "Mijour", "Min.Gué",
                             "Plag", "E.Ch", "C.sol", "Etoiles", "S.Ch"});
}

struct Disposition {
    std::vector<std::size_t> horaires; // indices in colonnes_export
    bool hebreu = false;               // a last column with the date in Hebrew script
    MiseEnPage mise_en_page;
};

/// The columns before the times: day name, date, festivals and notes, the
/// other calendar's day and month.
constexpr int colonne_jour = 0, colonne_date = 1, colonne_fetes = 2, colonne_autre_jour = 3,
              colonne_autre_mois = 4, premiere_heure = 5;

class FeuilleMois
{
public:
    FeuilleMois(ClasseurXlsx& c, const DonneesClasseur& d, std::size_t mois, const Disposition& k)
        : d_(d), k_(k), mois_(mois), variantes_(static_cast<int>(d.pages.size())),
          derniere_(premiere_heure + static_cast<int>(k.horaires.size()) * variantes_ - 1 +
                    (k.hebreu ? 1 : 0)),
          lignes_titre_(variantes_ > 1 ? 4 : 3),
          f_(c.feuille(nom_feuille_mois(d.sens, page(0)), avec_titres(k.mise_en_page)))
    {
    }

    void ecrit()
    {
        const MoisPage& m = page(0);
        f_.fusionne(0, 0, derniere_, titre_du_mois(m), StyleCellule::titre);
        std::string sous_titre = entete_du_mois(m);
        if (k_.hebreu) {
            sous_titre += std::string(entre_elements) + mois_hebreu_en_lettres(m);
        }
        f_.fusionne(1, 0, derniere_, sous_titre, StyleCellule::sous_titre);
        entetes();
        for (std::size_t j = 0; j < m.jours.size(); ++j) {
            ligne_du_jour(lignes_titre_ + static_cast<int>(j), j);
        }
        largeurs();
    }

private:
    const MoisPage& page(std::size_t variante) const { return d_.pages[variante].mois[mois_]; }

    MiseEnPage avec_titres(MiseEnPage m) const
    {
        m.lignes_titre = lignes_titre_;
        return m;
    }

    std::string mois_hebreu_en_lettres(const MoisPage& m) const
    {
        if (m.jours.empty()) {
            return {};
        }
        const JourPage& j = m.jours.front();
        return d_.sens == Sens::hebreu_civil ? mois_en_lettres(j.hebraique.mois, j.embolismique) +
                                                   " " + annee_en_lettres(j.hebraique.annee)
                                             : std::string();
    }

    /// A heading over one row, or over the two rows of the headings of the
    /// three longitudes.
    void entete(int colonne, std::string_view texte)
    {
        if (lignes_titre_ == 3) {
            f_.texte(2, colonne, texte, StyleCellule::colonne);
            return;
        }
        f_.texte(2, colonne, texte, StyleCellule::colonne);
        f_.texte(3, colonne, "", StyleCellule::colonne);
    }

    void entetes()
    {
        const bool civil = d_.sens == Sens::civil_hebreu;
        entete(colonne_jour, "Jour");
        entete(colonne_date, "Date");
        entete(colonne_fetes, "Fêtes et notes");
        entete(colonne_autre_jour, civil ? "Date hébr." : "Date civile");
        entete(colonne_autre_mois, "Mois");
        for (std::size_t i = 0; i < k_.horaires.size(); ++i) {
            const std::string_view titre = colonnes_export[k_.horaires[i]].titre;
            const int colonne = premiere_heure + static_cast<int>(i) * variantes_;
            if (variantes_ == 1) {
                entete(colonne, titre);
                continue;
            }
            f_.fusionne(2, colonne, colonne + variantes_ - 1, titre, StyleCellule::colonne);
            for (int v = 0; v < variantes_; ++v) {
                f_.texte(3, colonne + v, d_.noms[static_cast<std::size_t>(v)],
                         StyleCellule::colonne);
            }
        }
        if (k_.hebreu) {
            entete(derniere_, "\u05EA\u05D0\u05E8\u05D9\u05DA"); // "date"
        }
    }

    void ligne_du_jour(int ligne, std::size_t indice)
    {
        const JourPage& j = page(0).jours[indice];
        f_.texte(ligne, colonne_jour, jour_court(j.jour_semaine),
                 style_du_jour(j, StyleCellule::texte));
        f_.nombre(ligne, colonne_date, jour_du_sens(d_.sens, j),
                  style_du_jour(j, StyleCellule::nombre));
        f_.texte(ligne, colonne_fetes, fetes_et_notes(j), style_du_jour(j, StyleCellule::texte));
        f_.nombre(ligne, colonne_autre_jour, autre_jour(d_.sens, j),
                  style_du_jour(j, StyleCellule::nombre));
        f_.texte(ligne, colonne_autre_mois, autre_mois(d_.sens, j),
                 style_du_jour(j, StyleCellule::texte));
        for (std::size_t i = 0; i < k_.horaires.size(); ++i) {
            for (int v = 0; v < variantes_; ++v) {
                const JourPage& jv = page(static_cast<std::size_t>(v)).jours[indice];
                const int colonne = premiere_heure + static_cast<int>(i) * variantes_ + v;
                const StyleCellule style = style_du_jour(j, StyleCellule::heure);
                if (!jv.message_polaire.empty()) {
                    f_.texte(ligne, colonne, i == 0 && v == 0 ? jv.message_polaire : "", style);
                } else if (jv.horaires.empty()) {
                    f_.texte(ligne, colonne, "", style);
                } else {
                    f_.heure(ligne, colonne, jv.horaires[k_.horaires[i]], style);
                }
            }
        }
        if (k_.hebreu) {
            f_.texte(ligne, derniere_, date_en_lettres(j.hebraique, j.embolismique),
                     style_du_jour(j, StyleCellule::hebreu));
        }
    }

    void largeurs()
    {
        f_.largeurs(colonne_jour, colonne_date, 5);
        f_.largeurs(colonne_fetes, colonne_fetes, k_.hebreu ? 34 : 44);
        f_.largeurs(colonne_autre_jour, colonne_autre_jour, 6);
        f_.largeurs(colonne_autre_mois, colonne_autre_mois, 9);
        f_.largeurs(premiere_heure, derniere_ - (k_.hebreu ? 1 : 0), 6.5);
        if (k_.hebreu) {
            f_.largeurs(derniere_, derniere_, 16);
        }
    }

    const DonneesClasseur& d_;
    const Disposition& k_;
    std::size_t mois_;
    int variantes_;
    int derniere_;
    int lignes_titre_;
    FeuilleXlsx f_;
};

void ecrit_tables(const std::filesystem::path& destination, const DonneesClasseur& d,
                  const Disposition& k)
{
    ClasseurXlsx c(destination);
    for (std::size_t m = 0; m < d.pages.front().mois.size(); ++m) {
        FeuilleMois(c, d, m, k).ecrit();
    }
    c.termine();
}

} // namespace

void ecrit_classeur_complet(const std::filesystem::path& destination, const DonneesClasseur& d)
{
    Disposition k;
    k.horaires = d.pages.size() > 1 ? colonnes_trois_longitudes() : toutes_les_colonnes();
    k.mise_en_page.paysage = true;
    ecrit_tables(destination, d, k);
}

void ecrit_classeur_imprimeurs(const std::filesystem::path& destination, const DonneesClasseur& d,
                               bool hebreu_aussi)
{
    Disposition k;
    k.horaires = colonnes_imprimeurs();
    k.hebreu = hebreu_aussi;
    k.mise_en_page.paysage = false;
    k.mise_en_page.une_seule_page = true;
    ecrit_tables(destination, d, k);
}

} // namespace orvane::documents
