// The sabbatical year (Chemita) and the jubilee (Yovel). Every seventh
// year the land rests; after seven cycles of seven years comes the Yovel.
// The Talmud records two counts: for Rabbi Yehouda the Yovel is also the
// first year of the next cycle, so the cycles follow each other every 49
// years (5734 = 49 × 117 + 1 is a Yovel and starts a cycle); for the
// 'Hakhamim the Yovel is a fiftieth year of its own (5750 is a Yovel, 5749
// the seventh Chemita before it). The Chemita years of our time are the
// multiples of 7: 5782, 5789.
//
// The Shemita/Yovel window shows seventeen years from a first year with
// their marks, describes one year of it and names the next Chemita and
// Yovel.
#pragma once

#include "engine/dates.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane::events
{

inline constexpr std::string_view titre_yovel =
    "Cycles Chemita et Yovel  ( Année sabbatique et jubilé )";

/// The fixed notes beside the next Yovel: it is counted after Rabbi
/// Yehouda, the opinion generally followed.
inline constexpr std::string_view note_yovel_yehouda = "(Selon Rabbi Yehouda)";
inline constexpr std::string_view note_avis_retenu = "Avis généralement retenu";

/// The two counts of the cycles.
enum class AvisChemita { rabbi_yehouda, hakhamim };

/// Cells of the strip and the bounds of its first year.
inline constexpr int annees_de_la_bande = 17;
inline constexpr int premiere_annee_min = 1;
inline constexpr int premiere_annee_max = 32750;

/// "CH" for a Chemita, "Y" for a Yovel, "" otherwise, for year `annee` of a
/// strip starting at `premiere_annee`. Rabbi Yehouda: Chemita when the year
/// is a multiple of 7, Yovel when it follows a multiple of 49 (never year
/// 1, which follows no cycle). 'Hakhamim: Yovel on the multiples of 50,
/// Chemita on the years whose rank in their 50 is a multiple of 7.
[[nodiscard]] std::string_view marque_annee(int annee, int premiere_annee, AvisChemita avis);

/// The marks of the seventeen years from `premiere_annee`.
[[nodiscard]] std::array<std::string_view, annees_de_la_bande>
marques_de_la_bande(int premiere_annee, AvisChemita avis);

/// The year the window describes: the middle of the strip, `premiere_annee`
/// + 8, when the strip starts above 8; otherwise `premiere_annee` itself.
[[nodiscard]] int annee_decrite(int premiere_annee);

/// The first year shown when the window opens on Hebrew year `annee`: eight
/// years before it, so that it stands in the middle, or `annee` itself up to
/// year 8; within the bounds of the strip.
[[nodiscard]] int premiere_annee_autour_de(int annee);

/// The place of `annee` in its cycle: "4e Année du 827e cycle de Chemita",
/// "1re Année du 1er cycle de Chemita"; under the 'Hakhamim a multiple of 50
/// is "Année du Yovel". Rabbi Yehouda counts 7-year cycles straight on; the
/// 'Hakhamim count seven cycles in each 50 years, the Yovel apart.
[[nodiscard]] std::string description_annee(int annee, AvisChemita avis);

/// The next Chemita from Hebrew year `annee` on: the first multiple of 7
/// not below it (5785 → 5789; a Chemita year is its own next).
[[nodiscard]] int prochaine_chemita(int annee);

/// The next Yovel after Rabbi Yehouda: the year after the first multiple of
/// 49 not below the next Chemita (5785 → 5831 + 1 = 5832).
[[nodiscard]] int prochain_yovel(int annee);

/// "Prochaine Chemita : 5789 (hébreu) ---> 2029 (civil)": the first multiple
/// of 7 from Hebrew year `annee` on, with the civil year of its spring.
[[nodiscard]] std::string texte_prochaine_chemita(int annee);

/// "Prochain  Yovel   : 5832 (hébreu) ---> 2072 (civil)": the year after
/// the first multiple of 49 from that next Chemita on (Rabbi Yehouda).
[[nodiscard]] std::string texte_prochain_yovel(int annee);

/// The label of the chosen count: "(Selon Rabbi Yehouda)", "(Selon les
/// 'Hakhamim)", written "(selon …)" when the choice came from the second box.
[[nodiscard]] std::string texte_avis(AvisChemita avis, bool depuis_second_choix);

/// "Aujourd'hui 5 Janvier2025 = 5 Tevet   5785": today's civil date and its
/// Hebrew date, the Hebrew month padded to 7 characters (Adar I in a leap
/// year). The civil year follows the month name without a blank.
[[nodiscard]] std::string texte_aujourdhui_yovel(const engine::DateCivile& aujourdhui);

} // namespace orvane::events
