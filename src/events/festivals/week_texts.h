// The texts of the day page about the day and its week: the labels of the
// day, the labels of the days left until Friday, the coming Chabbat and its
// reading, the count of the Omer, the first evening of the prayer for rain
// in the Diaspora, and the events of the week in Hebrew letters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// Heading of the week lines.
inline constexpr std::string_view titre_cette_semaine = "Cette semaine       :";

struct TextesSemaine {
    /// The day: mark, festival and short label, or "Roch-Hachana--- 5785
    /// *** CHANA TOVA***", "Yom Hazikaron" …
    std::string texte_jour;
    /// Up to five lines for the days after this one up to Friday that carry
    /// a label, each starting with the weekday name.
    std::vector<std::string> lignes_semaine;
    /// "Chabbat prochain  : Zakhor  Paracha: Tetsavè" ("Aujourd'hui
    /// Chabbat: " on a Saturday).
    std::string ligne_chabbat;
    /// "On compte le 12e jour du Omer" during the Omer, else empty.
    std::string ligne_omer;
    /// Prayer for rain (Diaspora): " Barekh 'Aleinou ce soir à 'Arvit" on
    /// the eve of its first evening, … , else empty.
    std::string note_guechamim;
    /// One Hebrew-letter text (stored Latin letters) for each kind of event
    /// of the week, each once.
    std::vector<std::string> textes_hebreux;
};

/// The texts for the date held in `e` (its date fields are restored).
[[nodiscard]] TextesSemaine libelles_semaine(engine::CalendarEngine& e, bool diaspora);

/// The Hebrew-letter text of a festival index (1..34), or of the new moon
/// (0 with `roch_hodech`), empty when there is none.
[[nodiscard]] std::string_view texte_hebreu_de_fete(int indice_fete);

/// Roch-Hodech, the Omer, Yom HaChoa in Hebrew letters.
inline constexpr std::string_view texte_hebreu_roch_hodech = "cdwj car";
inline constexpr std::string_view texte_hebreu_omer = "rmuh tryps";
inline constexpr std::string_view texte_hebreu_yom_hachoa = "hawch \\wy";

} // namespace orvane::events
