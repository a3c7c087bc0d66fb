// The columns of a zmanim table, in their fixed order from dawn to the
// seasonal hours: the slot each shows, the moment box that chooses it, and
// its titles (French, the "Bureau des Longitudes" twilights, and the titles
// of the grid's Hebrew-font row, stored as the Latin letters of that font).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::zmanim
{
struct ZmanimSettings;
}

namespace orvane::tables
{

/// The layouts that add or take away columns.
enum class MiseEnPage {
    tableau,          // "Tableaux": one table (the memo, the web pages, the lists)
    livre,            // "Livre"
    livre_rt,         // "Livre RT": the 72-minute columns
    plaque_chema,     // "Lst plaq. av chéma": with the evening-Chema stars
    plaque_sans_chema // "Lst plaqu. ss chéma"
};

[[nodiscard]] bool est_un_livre(MiseEnPage m);
[[nodiscard]] bool est_une_plaque(MiseEnPage m);

/// A column. `moment` and `moment_bdl` are indexes of the nineteen moment
/// boxes (`ZmanimSettings::moments`) that show it, −1 when none does.
struct Colonne {
    std::string_view jeton; // slot of DayTimes
    int moment;             // halachic opinions
    int moment_bdl;         // "Bureau des Longitudes"
    std::string_view titre;
    std::string_view titre_bdl;
    std::string_view titre_hebreu;
};

inline constexpr std::size_t nombre_colonnes = 25;

/// Every column in table order.
[[nodiscard]] const std::array<Colonne, nombre_colonnes>& colonnes();

/// Index in `colonnes()` of the Sabbath entry and exit columns, which show
/// their time only on the days that begin or end a day of rest.
inline constexpr std::size_t colonne_entree = 14;
inline constexpr std::size_t colonne_sortie = 20;

/// What decides the shown columns besides the moment boxes.
struct ChoixColonnes {
    bool bureau_des_longitudes = false;
    MiseEnPage mise_en_page = MiseEnPage::tableau;
    bool dixieme_heure = false;         // "Début de la 10 ème heure"
    std::string texte_etoiles = "7.08"; // stars angle written after "Etoiles"
};

/// A shown column: its index in `colonnes()` and its two titles.
struct ColonneAffichee {
    std::size_t indice;
    std::string titre;
    std::string titre_hebreu;
};

/// A title of the Hebrew-font row in Hebrew letters, in reading order: the
/// stored titles are the Latin keys of a Hebrew font (a א, b ב, g ג, d ד,
/// h ה, w ו, z ז, j ח, f ט, y י, k כ, l ל, m מ, n נ, s ס, u ע, p פ, x צ,
/// q ק, r ר, c ש, t ת, "{" ץ) written from left to right as the letters
/// stand on the screen. "   twxj" → "חצות".
[[nodiscard]] std::string titre_hebreu_en_lettres(std::string_view latin);

/// The columns a table shows, in order.
[[nodiscard]] std::vector<ColonneAffichee> colonnes_affichees(const std::array<bool, 19>& moments,
                                                              const ChoixColonnes& choix);

} // namespace orvane::tables
