// The texts that describe a Hebrew year: its type, length, cycles, the
// blessing of the sun when the solar cycle starts again, its place in the
// sabbatical cycle. The main window, the day page and the festivals window
// show them.
#pragma once

#include <string>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

struct CaracteristiquesAnnee {
    std::string texte_type;          // "L'année 5785 est du type HA CHA A"
    std::string texte_longueur;      // "Commune  12 mois : 355 jours"
    std::string signe_hebreu;        // "ach" (Hebrew display letters)
    std::string mot_hebreu;          // "hfwcp" or "trbwum"
    std::string texte_cycle_lunaire; // "9e année du 305e cycle lunaire"
    std::string texte_cycle_solaire; // "17e année du 207e cycle solaire"
    std::string texte_birkat_hahama; // " " or "Bircat HA'HAMA : Mercredi 8 Avril 2009"
    std::string texte_chemita;       // "3e  année du cycle de Chemita" or "Année de Chemita"
};

/// Characteristics of the Hebrew year annee_hebr of `e`. The date fields of
/// `e` are restored; its year registers are left on that year.
[[nodiscard]] CaracteristiquesAnnee caracteristiques_annee(engine::CalendarEngine& e);

/// Lines of the characteristics block of the festivals window for Hebrew
/// year `annee` (the last one empty). annee_hebr of `e` is restored.
[[nodiscard]] std::vector<std::string> bloc_caracteristiques(engine::CalendarEngine& e, int annee);

/// "re" for the first place, "e" for the others.
[[nodiscard]] std::string suffixe_ordinal(int n);

} // namespace orvane::events
