// The days on which one visits the cemetery: the eves of the festivals and
// of the new months, and the fasts. A visit is never made on Chabbat: when
// the eve is a Saturday the visit comes the day before (the 28th, the 4th of
// Sivan, the 23rd of Kislev), and a fast put off from Chabbat is kept on
// Sunday (18 Tamouz, 10 Av) or, for Esther, on the Thursday before (11 Adar).

#include "engine/calendar_engine.h"
#include "events/lists/date_lists.h"
#include "events/lists/list_rows.h"
#include "events/year_walk.h"

namespace orvane::events
{

namespace
{

constexpr int jeudi = 5;
constexpr int vendredi = 6;
constexpr int chabbat = 7;

/// One line of the year: a day with its label and what follows its row, or
/// a note alone (`mois` 0).
struct Visite {
    int mois = 0;
    int jour = 0;
    std::string libelle;
    std::string suite;
};

/// The eve of the new month that follows day `jour` of `mois` (weekday `w`):
/// the 29th, or the Friday 28th when the 29th is Chabbat. In Kislev the new
/// month falls in 'Hanouka, when one does not go.
void veille_de_mois(const engine::CalendarEngine& e, int mois, int jour, int w,
                    std::vector<Visite>& v)
{
    const std::string suivant =
        nom_du_mois(e.annee_hebr, mois_suivant_de_l_annee(e.annee_hebr, mois));
    const std::string suite = mois == 3 ? " Pas de visite au cimetière" : "";
    if (jour == 28 && w == vendredi) {
        v.push_back({mois, jour, "Avant-veille de Roch-Hodech " + suivant, suite});
    } else if (jour == 29 && w < chabbat) {
        v.push_back({mois, jour, "Veille de Roch-Hodech " + suivant, suite});
    }
}

/// The lines of the day held in `e` (a day of the year it set up).
void visites_du_jour(const engine::CalendarEngine& e, std::vector<Visite>& v)
{
    const int m = e.mois_hebr;
    const int d = e.jour_hebr;
    const int w = e.jour_semaine;
    const auto ajoute = [&](std::string_view libelle) {
        v.push_back({m, d, std::string(libelle), {}});
    };
    if (m == 1 && d == 9) {
        ajoute("Veille de Kippour");
    } else if (m == 1 && d == 14) {
        ajoute("Veille de Soukot");
    }
    if (m == 3 && d == 23 && w == vendredi) {
        ajoute("Avant-veille de 'Hanouka");
    } else if (m == 3 && d == 24 && w < chabbat) {
        ajoute("Veille de 'Hanouka");
    }
    if (m == 4 && d == 10) {
        ajoute("Jeûne du 10 Tévet");
    }
    // Purim's Adar: Adar II of a leap year.
    const bool adar_de_pourim = m == (e.nb_mois == 13 ? 7 : 6);
    if (adar_de_pourim && ((d == 13 && w < chabbat) || (d == 11 && w == jeudi))) {
        ajoute("Jeûne d'Esther");
    }
    if (m == 8 && d == 5) {
        v.push_back({0, 0, "Tout le mois de Nissan pas de visite au cimetière", {}});
    }
    if (m == 10 && d == 4 && w == vendredi) {
        ajoute("Avant-veille de Chavou'ot");
    } else if (m == 10 && d == 5 && w < chabbat) {
        ajoute("Veille de Chavou'ot");
    }
    if (m == 11 && ((d == 17 && w < chabbat) || (d == 18 && w == 1))) {
        ajoute("Jeûne du 17 Tamouz");
    }
    if (m == 12 && ((d == 9 && w < chabbat) || (d == 10 && w == 1))) {
        ajoute("Jeûne du 9 Av");
    }
    // Eloul's new month is Roch-Hachana, whose eve opens the next year.
    if (m != 13) {
        veille_de_mois(e, m, d, w, v);
    }
}

/// The eve of Roch-Hachana of `annee`: the day before its 1 Tichri, 29
/// Eloul of the year before, whatever its weekday.
JourDeListe veille_de_roch_hachana(engine::CalendarEngine& e, int annee)
{
    JourDeListe j = jour_de_liste(e, {annee, 1, 1});
    j.hebreu = {annee - 1, 13, 29};
    j.civil = engine::veille(j.civil);
    j.jour_semaine = engine::jour_semaine(j.civil);
    return j;
}

void visites_de_l_annee(engine::CalendarEngine& e, int annee, std::vector<std::string>& lignes)
{
    const std::string marge(marge_liste);
    lignes.emplace_back();
    lignes.push_back(marge + "Dates des visites au cimetière pour l'année " +
                     std::to_string(annee));
    lignes.push_back(marge + ligne_de_visite("Veille de Roch-Hachana " + std::to_string(annee),
                                             veille_de_roch_hachana(e, annee)));
    std::vector<Visite> visites;
    pour_chaque_jour_de_l_annee(e, annee, [&] { visites_du_jour(e, visites); });
    for (const Visite& v : visites) {
        if (v.mois == 0) {
            lignes.push_back(marge + v.libelle);
        } else {
            lignes.push_back(marge +
                             ligne_de_visite(v.libelle, jour_de_liste(e, {annee, v.mois, v.jour})) +
                             v.suite);
        }
    }
    lignes.emplace_back();
}

} // namespace

std::vector<std::string> liste_visites(const DemandeListe& d)
{
    engine::CalendarEngine e;
    const std::vector<int> annees = annees_de_la_demande(d);
    std::vector<std::string> lignes =
        titre_des_annees("Dates des visites au cimetière pour les années ", annees);
    for (int annee : annees) {
        visites_de_l_annee(e, annee, lignes);
    }
    return lignes;
}

} // namespace orvane::events
