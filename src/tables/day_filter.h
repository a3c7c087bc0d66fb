// The choice of days of a zmanim table ("Choix du jour de la semaine"): every
// day stepping by the increment, one day of the week, Fridays and Sabbaths,
// Sabbaths and festivals, or the weekly summaries.
#pragma once

#include <array>
#include <string_view>

namespace orvane::tables
{

/// The filters in the order of the list, with the codes the day loop uses:
/// 1 Sunday … 7 Chabbat are the day of the week itself.
enum class FiltreJours {
    tous = 0,
    dimanche = 1,
    lundi = 2,
    mardi = 3,
    mercredi = 4,
    jeudi = 5,
    vendredi = 6,
    chabbat = 7,
    vendredi_et_chabbat = 8,
    semaines = 9,
    chabbatot_et_fetes = 10,
    semaines_en_colonnes = 11,
};

struct ChoixFiltre {
    std::string_view texte;
    FiltreJours filtre;
};

/// The items of the list, in list order.
[[nodiscard]] const std::array<ChoixFiltre, 12>& choix_des_filtres();

/// The filter of an item text; an unknown text (the keywords typed in the
/// box, "Grilles_1janv_31dec" …) is "every day".
[[nodiscard]] FiltreJours filtre_du_texte(std::string_view texte);

/// The item text of a filter.
[[nodiscard]] std::string_view texte_du_filtre(FiltreJours f);

/// True when an item begins with "Semaines": the weekly outputs, which run
/// over a whole civil year.
[[nodiscard]] bool est_hebdomadaire(FiltreJours f);

/// Whether the filter keeps a day. `jour_semaine` 1 Sunday … 7 Chabbat;
/// `fete` a festival day (a day of rest) for "Chabbatot et Fêtes".
[[nodiscard]] bool garde_le_jour(FiltreJours f, int jour_semaine, bool fete);

} // namespace orvane::tables
