// The festivals and fasts of one Hebrew year, one entry per day, in the
// order of the year, with the mark of the days of rest ("F") and half-rest
// ("f"). The festivals window, the main window and the consistory files
// write their lines from it.
#pragma once

#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// Who asks for the list: the entries differ a little.
enum class ModeListe {
    fenetre_fetes,      // the festivals window
    fenetre_principale, // the main window: Yom Hazikaron too
    consistoire,        // the consistory files: the eves of Kippour and of 'Hanouka too
};

struct ChoixListe {
    bool fetes = true;
    bool jeunes = true;
    bool diaspora = true;
    ModeListe mode = ModeListe::fenetre_fetes;
};

inline constexpr char marque_chome = 'F';     // "Jour de fête chômé"
inline constexpr char marque_demi_fete = 'f'; // "Jour de demi-fête"
inline constexpr char marque_aucune = ' ';

/// One day of the list: its Hebrew date (after the postponement of a fast
/// or of Yom Haatsmaout), the index of its name in `libelles_fetes`, its
/// mark and whether it is a fast.
struct EntreeFete {
    int annee_hebr = 0;
    int mois_hebr = 0;
    int jour_hebr = 0;
    int indice = 0;
    char marque = marque_aucune;
    bool jeune = false;
    friend bool operator==(const EntreeFete&, const EntreeFete&) = default;
};

/// The entries of Hebrew year `annee`; `e` is used to set the year up (its
/// year registers are left on `annee`, its date fields unchanged).
[[nodiscard]] std::vector<EntreeFete> liste_fetes_annee(engine::CalendarEngine& e, int annee,
                                                        const ChoixListe& choix);

} // namespace orvane::events
