#include "events/omer/shemita.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

constexpr int chemita = 7;               // years of a cycle
constexpr int cycle_yehouda = 49;        // seven cycles, the Yovel opening the next
constexpr int cycle_hakhamim = 50;       // seven cycles and the Yovel apart
constexpr int cycles_par_yovel = 7;      // cycles of Chemita between two Yovel
constexpr int ecart_civil_nissan = 3760; // Hebrew year − civil year of its spring

std::string annee_civile_du_printemps(int annee_hebr)
{
    return std::to_string(engine::annee_civile_ecrite(annee_hebr - ecart_civil_nissan));
}

/// Rank in its cycle (1..7) and number of completed cycles before it.
struct RangDansLeCycle {
    int rang = 0;
    int cycles_avant = 0;
};

RangDansLeCycle rang_yehouda(int annee)
{
    return {(annee - 1) % chemita + 1, (annee - 1) / chemita};
}

/// Each 50 years hold seven cycles and the Yovel: year 50k + 7j + r (r 1..7,
/// j 0..6) is year r of cycle 7k + j + 1. 351 is the first year of the 50th
/// cycle.
RangDansLeCycle rang_hakhamim(int annee)
{
    const int yovels = (annee - 1) / cycle_hakhamim;
    const int dans_le_yovel = (annee - 1) % cycle_hakhamim; // [0, 49]
    return {dans_le_yovel % chemita + 1, cycles_par_yovel * yovels + dans_le_yovel / chemita};
}

} // namespace

std::string_view marque_annee(int annee, int premiere_annee, AvisChemita avis)
{
    if (avis == AvisChemita::rabbi_yehouda) {
        if (annee % chemita == 0) {
            return "CH";
        }
        return (annee - 1) % cycle_yehouda == 0 && premiere_annee != 1 ? "Y" : "";
    }
    const int rang = annee % cycle_hakhamim;
    if (rang == 0) {
        return "Y";
    }
    return rang % chemita == 0 ? "CH" : "";
}

std::array<std::string_view, annees_de_la_bande> marques_de_la_bande(int premiere_annee,
                                                                     AvisChemita avis)
{
    std::array<std::string_view, annees_de_la_bande> marques;
    for (int i = 0; i < annees_de_la_bande; ++i) {
        marques[static_cast<std::size_t>(i)] =
            marque_annee(premiere_annee + i, premiere_annee, avis);
    }
    return marques;
}

int annee_decrite(int premiere_annee)
{
    return premiere_annee > 8 ? premiere_annee + 8 : premiere_annee;
}

int premiere_annee_autour_de(int annee)
{
    return std::clamp(annee > 8 ? annee - 8 : annee, premiere_annee_min, premiere_annee_max);
}

std::string description_annee(int annee, AvisChemita avis)
{
    if (avis == AvisChemita::hakhamim && annee % cycle_hakhamim == 0) {
        return "Année du Yovel";
    }
    const RangDansLeCycle r =
        avis == AvisChemita::rabbi_yehouda ? rang_yehouda(annee) : rang_hakhamim(annee);
    return std::to_string(r.rang) + (r.rang == 1 ? "re Année du " : "e Année du ") +
           std::to_string(r.cycles_avant + 1) +
           (r.cycles_avant == 0 ? "er cycle de Chemita" : "e cycle de Chemita");
}

int prochaine_chemita(int annee)
{
    return (annee + chemita - 1) / chemita * chemita;
}

int prochain_yovel(int annee)
{
    // The Yovel is the year after the 49th: 5831 closes seven cycles, 5832
    // (spring 2072) is the Yovel.
    const int y7 = prochaine_chemita(annee);
    return (y7 + cycle_yehouda - 1) / cycle_yehouda * cycle_yehouda + 1;
}

std::string texte_prochaine_chemita(int annee)
{
    const int y7 = prochaine_chemita(annee);
    return "Prochaine Chemita : " + std::to_string(y7) + " (hébreu) ---> " +
           annee_civile_du_printemps(y7) + " (civil)";
}

std::string texte_prochain_yovel(int annee)
{
    const int yovel = prochain_yovel(annee);
    return "Prochain  Yovel   : " + std::to_string(yovel) + " (hébreu) ---> " +
           annee_civile_du_printemps(yovel) + " (civil)";
}

std::string texte_avis(AvisChemita avis, bool depuis_second_choix)
{
    const std::string selon = depuis_second_choix ? "(selon " : "(Selon ";
    return selon + (avis == AvisChemita::rabbi_yehouda ? "Rabbi Yehouda)" : "les 'Hakhamim)");
}

std::string texte_aujourdhui_yovel(const engine::DateCivile& aujourdhui)
{
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(aujourdhui.annee, aujourdhui.mois, aujourdhui.jour);
    const bool embolismique = e.teste_embolismique(e.annee_hebr);
    return "Aujourd'hui " + std::to_string(aujourdhui.jour) + " " +
           std::string(engine::mois_civils[static_cast<std::size_t>(aujourdhui.mois)]) +
           std::to_string(engine::annee_civile_ecrite(aujourdhui.annee)) + " = " +
           std::to_string(e.jour_hebr) + " " +
           std::string(engine::nom_mois_hebreu(e.mois_hebr, embolismique)) + " " +
           std::to_string(e.annee_hebr);
}

} // namespace orvane::events
