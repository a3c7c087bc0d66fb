// The books of zmanim tables: the tables of every city of a list, one after
// another, in numbered group files of the program directory. "Livre" and
// "Livre RT" take the cities of "villefr.cal" forty at a time, every fifth
// day; the plaque lists take those of "villepl.cal" ten at a time, every
// day. A book of 85 cities gives
//
//   zemani1.txt   the cities 1 to 40
//   zemani2.txt   the cities 41 to 80
//   zemanif.txt   the cities 81 to 85 (the rest of the list)
//
// each file written as its tables are computed, never held whole.
#pragma once

#include "tables/range_table.h"
#include "zmanim/settings/parametres.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{

/// The folder a book run creates in the program directory.
inline constexpr std::string_view dossier_livre = "LIVRE";

/// "villefr.cal", or "villepl.cal" for the plaque lists.
[[nodiscard]] std::string_view liste_du_livre(tables::MiseEnPage m);

/// Cities of a group file: 40, or 10 for the plaque lists.
[[nodiscard]] int villes_par_groupe(tables::MiseEnPage m);

/// The name of group file `n` (from 1), "zemani1.txt", or of the last one
/// (`n` 0), "zemanif.txt"; `lettre` 'z' for the books, 'w' for the pages.
[[nodiscard]] std::string nom_fichier_groupe(char lettre, int n, std::string_view extension);

/// The moment boxes of the books, pages and lists: Min'ha Kétana, the second
/// plag and both seasonal hours unchecked; the plaque lists then show Min'ha
/// Kétana again, and "Livre" drops the two night columns (box of the night
/// of Rabbénou Tam).
void prepare_moments_publication(zmanim::ZmanimSettings& reglages, tables::MiseEnPage m);

/// The request of a book of civil year `annee` from a model (opinion and
/// options): the layout, the whole year, every fifth day (every day for the
/// plaque lists), the summer time left out, the place line of the books.
[[nodiscard]] tables::DemandeTable demande_livre(const tables::DemandeTable& modele,
                                                 tables::MiseEnPage m, int annee);

/// Called before each city with the cities done and their total; false
/// stops the run.
using ProgresVilles = std::function<bool(long faites, long total)>;

/// One group file written.
struct FichierGroupe {
    std::filesystem::path chemin; // absolute
    int villes = 0;
};

struct RapportLivre {
    bool liste_absente = false;         // no city list: nothing written
    std::vector<FichierGroupe> groupes; // in order, the last one "…emanif.txt"
    std::vector<std::string> messages;  // "MONTPELLIER (34) : Erreur …", the refused cities
    int villes = 0;                     // tables computed
    bool interrompu = false;            // stopped by the progress callback
};

/// The book of `d` (from `demande_livre`) over the cities of its list in
/// `repertoire`, with the boxes of `reglages` prepared for the layout.
/// Lines with an empty latitude, longitude or offset, or a city of one
/// blank, are passed over; a city refused by the computation ends its table
/// where it stopped and the run goes on. An interrupted run closes the group
/// it was writing as the last file. The work file "zemanim.txt" is left
/// empty, as after the moves of the group files. `autre` receives every
/// city's table too (the workbooks of the book). Throws platform::FileError.
RapportLivre livre_des_villes(const std::filesystem::path& repertoire,
                              const tables::DemandeTable& d, zmanim::ZmanimSettings& reglages,
                              const tables::EnvironnementTable& env,
                              const ProgresVilles& progres = {},
                              tables::SortieTable* autre = nullptr);

/// "Contruit 4 fic + plaq": the plaque list `m` of four civil years from
/// `premiere_annee`, the first group file of each year kept as
/// "ZEMANI1A.txt", "ZEMANI1B.txt", "ZEMANI1C.txt" and "ZEMANI1D.txt" (the
/// plaque makers lay the four years side by side). Returns the files
/// written, in order; fewer when the progress report stopped a year or the
/// list is missing. Throws platform::FileError.
std::vector<std::filesystem::path>
fichiers_des_plaques(const std::filesystem::path& repertoire, const tables::DemandeTable& modele,
                     tables::MiseEnPage m, int premiere_annee, zmanim::ZmanimSettings& reglages,
                     const tables::EnvironnementTable& env, const ProgresVilles& progres = {});

} // namespace orvane::documents
