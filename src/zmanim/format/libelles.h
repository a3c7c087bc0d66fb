// Names of the times of the day as the windows and tables show them, and the
// explanations attached to them.
//
// The nineteen "moment" check boxes of the zmanim window choose the times a
// table shows; the day page lists the first seventeen. Each names a slot of
// `DayTimes` by its token. The "Bureau des Longitudes" relabels boxes 4 to 12
// as the astronomical, nautical and civil twilights around sunrise, midday
// and sunset, and hides the others.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::zmanim
{

class DayTimes;

/// One moment: its caption and the token of the slot that holds its time.
struct Moment {
    std::string_view legende;
    std::string_view jeton;
};

/// The moments of the halachic opinions, in the order of the check boxes.
inline constexpr std::array<Moment, 19> moments_halakha = {{
    {"Aube : Cha'har", "heureA"},
    {"Début des Téphilin /Chéma", "heureT"},
    {"Lever du soleil : Nets", "heureL"},
    {"Fin 1er Zemane du Chéma", "heureCH1"},
    {"Fin 2e Zemane du Chéma", "heureCH2"},
    {"Fin 1er Zemane de Téphila", "heureTA1"},
    {"Fin 2e Zemane de Téphila", "heureTA2"},
    {"Mi-journée : 'Hatsot", "heureH"},
    {"Min'ha Guédola", "heureMG"},
    {"Min'ha Kétana", "heureMK"},
    {"Plag Hamin'ha", "heureP"},
    {"Entrée du Chabbat", "entree_chabbat"},
    {"2e Plag Hamin'ha", "heure2P"},
    {"Coucher du soleil : Chekia", "heureC"},
    {"Sortie des étoiles moy.", "heureTSE"},
    {"Sortie du Chabbat", "heureSOR"},
    {"Nuit (selon Rabbénou Tam)", "heureN"},
    {"Heure saison.Lever/Coucher", "heure_saison_lc"},
    {"Heure saison. Aube/Nuit", "heure_saison_an"},
}};

/// Number of moments of the day page's list (the seasonal hours are apart).
inline constexpr std::size_t moments_page_du_jour = 17;

/// Boxes 4 to 12 for the "Bureau des Longitudes", with the slots they show.
inline constexpr std::size_t premier_moment_bdl = 3; // index of box 4
inline constexpr std::array<Moment, 9> moments_bdl = {{
    {"Crépuscule astronom.  (lever)", "heureA"},
    {"Crépuscule nautique   (lever)", "heureT"},
    {"Crépuscule civil      (lever)", "heureCVLV"},
    {"Lever du soleil              ", "heureL"},
    {"Mi-journée                   ", "heureH"},
    {"Coucher du soleil            ", "heureC"},
    {"Crépuscule civil    (coucher)", "heureTSE"},
    {"Crépuscule nautique (coucher)", "heureSOR"},
    {"Crépuscule astronom.(coucher)", "heureN"},
}};

/// Captions of the festival columns of the tables.
inline constexpr std::string_view legende_entree_fete = "Entrée de la fête";
inline constexpr std::string_view legende_sortie_fete = "Sortie de la fête";

/// Width to which the captions of the check boxes are padded.
inline constexpr std::size_t largeur_legende = 26;

/// The caption of a halachic moment padded with blanks to 26 characters.
[[nodiscard]] std::string legende_padded(std::size_t index);

/// What the nineteen check boxes show for an opinion family.
struct AffichageMoments {
    std::array<std::string, 19> legendes;
    std::array<std::string, 19> explications; // hints; empty when there is none
    std::array<bool, 19> visibles{};
};

/// Captions, hints and visibility of the check boxes: the halachic ones, or
/// the twilights of the "Bureau des Longitudes" in boxes 4 to 12.
[[nodiscard]] AffichageMoments affichage_moments(bool bureau_des_longitudes);

/// One line of the list of the day: a caption and its time.
struct LigneDuJour {
    std::string legende; // "Lever du soleil : Nets"
    std::string jeton;   // "heureL"
    std::string heure;   // "05:47", "05:47:12" with the seconds; empty without a time
};

/// The list of the times of a day as the day page shows it: the seventeen
/// moments of the halachic opinions (or the nine twilights of the "Bureau
/// des Longitudes"), then the two seasonal hours.
[[nodiscard]] std::vector<LigneDuJour> liste_du_jour(const DayTimes& jour,
                                                     bool bureau_des_longitudes, bool secondes);

/// True when the hints of the halachic opinions apply: neither the window's
/// opinion nor the opinion saved for it begins with "Bureau".
[[nodiscard]] bool explications_halakha(std::string_view opinion, std::string_view opinion_sauvee);

} // namespace orvane::zmanim
