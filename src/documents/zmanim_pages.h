// The year pages of the zmanim tables, ready for a web site: the page of one
// city for each year ("Page Web pour "), the pages of every city of
// "willefr.cal" ("Page Web selon liste de villes") and of "willemd.cal"
// ("Web liste monde", with the index "ajouter.txt" of its cities). A page is
// the head template "Orvanew/Horaires/fic_h1.htm" made the city's own (the
// lines after its markers replaced), the table of the year and the foot
// template "fic_h2.htm"; a text page ("txt", without "Web") has a two-line
// head instead:
//
//   Orvanew/Horaires/Horaires/2025/PARIS 75.htm     (list, with "Web")
//   Orvanew/Horaires/Horaitxt/2025/PARIS 75.txt     (list, without)
//   Horaires/2025/PARIS 75.htm                      ("Page Web pour ")
//
// A page that exists is never computed again: an interrupted run, started
// again, computes only the pages it had not written.
#pragma once

#include "tables/range_table.h"
#include "zmanim/settings/parametres.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

enum class GenrePages {
    une_ville,    // "Page Web pour " + the city of the window
    liste_villes, // "Page Web selon liste de villes": "willefr.cal"
    liste_monde,  // "Web liste monde": "willemd.cal"
};

struct DemandePages {
    GenrePages genre = GenrePages::liste_villes;
    bool web = true; // "Web": HTML pages ("htm"), else text pages ("txt")
    int premiere_annee = 2025;
    int derniere_annee = 2025;
    /// Opinion, options and "Site" prefix; the place of "Page Web pour ".
    tables::DemandeTable modele;
};

/// The index of the world list, in the program directory.
inline constexpr std::string_view index_monde = "ajouter.txt";

/// "willefr.cal" or "willemd.cal"; empty for one city.
[[nodiscard]] std::string_view liste_des_pages(GenrePages g);

/// The request of the page of `lieu` for civil year `annee`: the whole year,
/// every day, the web or list layout, summer time date by date (the world
/// list keeps the model's choice; its month titles carry no year).
[[nodiscard]] tables::DemandeTable demande_page(const DemandePages& d, const places::Place& lieu,
                                                int annee);

/// The file name of a city (platform::nom_fichier_ville), never empty:
/// "ville" for a name with no letter left.
[[nodiscard]] std::string nom_page_ville(std::string_view ville);

/// The world list's name for a city whose folded name is `nom`, among the
/// names `pris` already given in this run and year (kept in lower case, as
/// names differing by case are one file): while the name is taken,
/// "1" + name, then "2" + that … (8 tries, cut to 12 characters). The name
/// returned is added to `pris`.
[[nodiscard]] std::string nom_page_monde(std::string nom, std::set<std::string>& pris);

/// The index line of a city of the world list:
/// AjouterVille("France","PARIS (75)","PARIS 75.htm"); a double quote or a
/// backslash inside a field is preceded by a backslash.
[[nodiscard]] std::string ligne_index_monde(std::string_view pays, std::string_view ville,
                                            std::string_view page);

/// The page of a city and year, relative to the program directory.
[[nodiscard]] std::filesystem::path chemin_page_zmanim(const DemandePages& d, int annee,
                                                       std::string_view nom);

/// The head of a page: for "htm" the lines of the head template with the
/// lines after the markers of the mode replaced (the city escaped for
/// HTML); for "txt" the title line and a line of one blank.
[[nodiscard]] std::vector<std::string> tete_page_zmanim(const DemandePages& d,
                                                        const std::vector<std::string>& modele,
                                                        int annee, std::string_view ville,
                                                        std::string_view nom);

/// The results memo at the end of a run, `repertoire` the program directory
/// as shown.
[[nodiscard]] std::vector<std::string>
memo_fin_pages(const DemandePages& d, const std::string& repertoire, std::string_view nom_ville);

/// Called before each page with the pages done and their total; false stops
/// the run.
using ProgresPages = std::function<bool(long faites, long total)>;

struct RapportPages {
    std::vector<std::filesystem::path> construites; // absolute, in order
    std::vector<std::filesystem::path> existantes;  // left as they were
    std::vector<std::string> messages;              // the refused cities
    std::vector<std::string> memo;                  // the end-of-run memo
    bool liste_absente = false;                     // no city list: no page
    bool interrompu = false;                        // stopped by the progress callback
};

/// Every page of `d` into `repertoire` (the program directory), with the
/// boxes of `reglages` prepared for the publications. The cities of a list
/// with an empty latitude, longitude or offset, or of one blank, get no
/// page; a city refused by the computation gets none either (its message is
/// reported, and a corrected line gets its page at the next run), and the
/// run goes on. Throws platform::FileError (a
/// missing template, before the first page); the index and the pages
/// written stay in place.
RapportPages pages_zmanim(const std::filesystem::path& repertoire, const DemandePages& d,
                          zmanim::ZmanimSettings& reglages, const tables::EnvironnementTable& env,
                          const ProgresPages& progres = {});

} // namespace orvane::documents
