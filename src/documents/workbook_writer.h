// A spreadsheet workbook (.xlsx) as the calendars lay it out for print: a
// few cell styles, sheets set up for A4 paper, and a file that appears only
// once it is whole. Written with libxlsxwriter.
//
//   ClasseurXlsx c(chemin);
//   FeuilleXlsx f = c.feuille("Janvier 2025", {.paysage = true, .lignes_titre = 3});
//   f.texte(0, 0, "Calendrier de 2025", StyleCellule::titre);
//   f.heure(3, 4, horaire, StyleCellule::heure);       // 07:01, a time of the day
//   c.termine();                                        // the file appears now
#pragma once

#include "engine/dates.h"
#include "zmanim/day/day_times.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace orvane::documents
{

/// The looks of the cells. The "_marque" styles shade a Sabbath, a festival
/// or a fast.
enum class StyleCellule {
    titre,
    sous_titre,
    colonne, // heading of a column
    texte,
    texte_marque,
    nombre,
    nombre_marque,
    heure,
    heure_marque,
    case_mois, // a day of a month grid: several lines, top left
    case_mois_marque,
    case_vide,
    hebreu, // right to left
    hebreu_marque,
    heure_secondes, // a time of the day shown "hh:mm:ss"
    heure_secondes_marque,
    date, // a civil date shown "dd/mm/yyyy"
};

/// The print set-up of a sheet: always A4, fitted to one page wide.
struct MiseEnPage {
    bool paysage = false;
    /// The first rows (titles and column headings) printed again on every
    /// page; 0 for none.
    int lignes_titre = 0;
    /// The whole sheet on one page (a month of a wall calendar, a magnet).
    bool une_seule_page = false;
};

/// A line chart drawn from columns of a sheet: one curve a column, the
/// rows `premiere_ligne` to `derniere_ligne` (from 0) along the horizontal
/// axis, labelled by the column `colonne_abscisses`.
struct GraphiqueLignes {
    std::string titre;
    std::string titre_abscisses;
    std::string titre_ordonnees;
    std::string format_ordonnees = "hh:mm"; // number format of the vertical axis
    int premiere_ligne = 0;
    int derniere_ligne = 0;
    int colonne_abscisses = 0;
    std::vector<std::pair<std::string, int>> courbes; // name and column of each curve
    int ligne = 0;                                    // top left cell of the chart
    int colonne = 0;
    double echelle_x = 1; // size against the default 480 × 288 pixels
    double echelle_y = 1;
};

/// The minutes since midnight of a time of the day ("07", "01" → 421), or
/// nothing when the slot has no time.
[[nodiscard]] std::optional<int> minutes_du_jour(const zmanim::TexteHoraire& h);

class FeuilleXlsx
{
public:
    void texte(int ligne, int colonne, std::string_view texte, StyleCellule style);
    void nombre(int ligne, int colonne, double valeur, StyleCellule style);
    /// A time of the day as a spreadsheet time shown "hh:mm"; "--:--" as
    /// text when the slot has none.
    void heure(int ligne, int colonne, const zmanim::TexteHoraire& h, StyleCellule style);
    /// A text across the columns `premiere` to `derniere` of one row.
    void fusionne(int ligne, int premiere, int derniere, std::string_view texte,
                  StyleCellule style);
    void largeurs(int premiere, int derniere, double caracteres);
    void hauteur(int ligne, double points);
    /// Keeps the first `lignes` rows and `colonnes` columns in view when
    /// the sheet scrolls.
    void fige(int lignes, int colonnes);
    /// A line chart of the columns of this sheet, placed on it.
    void graphique(const GraphiqueLignes& g);

private:
    friend class ClasseurXlsx;
    FeuilleXlsx(class ClasseurXlsx& classeur, lxw_worksheet* feuille)
        : classeur_(&classeur), feuille_(feuille)
    {
    }
    ClasseurXlsx* classeur_;
    lxw_worksheet* feuille_;
};

/// A workbook written to a hidden temporary file beside `destination` and
/// renamed onto it by `termine`; a workbook not finished (an exception on
/// the way) leaves no file behind, and an older workbook of that name stays
/// as it was.
class ClasseurXlsx
{
public:
    /// Throws platform::FileError when the folder of `destination` cannot
    /// be written.
    explicit ClasseurXlsx(std::filesystem::path destination);
    ClasseurXlsx(const ClasseurXlsx&) = delete;
    ClasseurXlsx& operator=(const ClasseurXlsx&) = delete;
    ~ClasseurXlsx();

    /// A new sheet named `nom` (at most 31 characters, none of []:*?/\),
    /// set up for print.
    FeuilleXlsx feuille(std::string_view nom, const MiseEnPage& mise_en_page);

    /// Writes the workbook and puts it in place. Throws platform::FileError
    /// naming the destination (a cell or a sheet refused on the way, the
    /// disk full …); the temporary file is then removed.
    void termine();

    [[nodiscard]] const std::filesystem::path& destination() const { return destination_; }

private:
    friend class FeuilleXlsx;
    lxw_format* format(StyleCellule style) const;
    void verifie(int erreur);
    void cree_formats();

    std::filesystem::path destination_;
    std::filesystem::path temporaire_;
    lxw_workbook* classeur_ = nullptr;
    std::map<StyleCellule, lxw_format*> formats_;
    int premiere_erreur_ = 0;
};

/// A civil date as a spreadsheet counts it: the days since 30 December
/// 1899 (true from 1 March 1900 on, where spreadsheets leave their false
/// 29 February 1900 behind).
[[nodiscard]] double date_tableur(const engine::DateCivile& d);

} // namespace orvane::documents
