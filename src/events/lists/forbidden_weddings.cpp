// The days and periods without weddings: the festivals and fasts, and the
// mourning periods of the Omer (after Pessa'h to 17 Iyar in the Sephardi
// rite, all of Iyar but Lag Ba'Omer in the Ashkenazi rite) and of the three
// weeks from 17 Tamouz to 9 Av. A fast that falls on Chabbat is kept on
// Sunday (4 Tichri, 18 Tamouz, 10 Av), Esther's on the Thursday before.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/lists/date_lists.h"
#include "events/lists/list_rows.h"

namespace orvane::events
{

namespace
{

constexpr int chabbat = 7;

class Mariages
{
public:
    Mariages(engine::CalendarEngine& e, int annee, std::vector<std::string>& lignes)
        : e_(e), annee_(annee), lignes_(lignes)
    {
    }

    void ecrit_l_annee()
    {
        ligne("Mariages interdits pour l'année " + std::to_string(annee_));
        ligne("Tous les Chabbatot.");
        rangee("Roch-Hachana", d(1, 1) + " et " + d(1, 2));
        rangee("Jeûne de Guédalia", d(1, jour(1, 3).jour_semaine == chabbat ? 4 : 3));
        rangee("Veille de Kippour", d(1, 9));
        rangee("Kippour", d(1, 10));
        rangee("Soukot", d(1, 15) + " au " + d(1, 23));
        rangee("Jeûne du 10 Tévet", d(4, 10));
        esther();
        rangee("Pessa'h", d(8, 15) + " au " + d(8, 22));
        lignes_.emplace_back();
        ligne("Rite Séfarade :");
        rangee("Omer", d(8, 23) + " au " + d(9, 17));
        ligne("Rite Achkénaze :");
        const JourDeListe lag_ba_omer = jour(9, 18);
        rangee(
            "Omer",
            d(9, 1) + " au " + d(9, 29) + " à l'exception du " +
                std::to_string(lag_ba_omer.civil.jour) + " " +
                std::string(engine::mois_civils[static_cast<std::size_t>(lag_ba_omer.civil.mois)]) +
                ", Lag Bomer ");
        lignes_.emplace_back();
        rangee("Chavouot", d(10, 6) + " et " + d(10, 7));
        const int debut = jour(11, 17).jour_semaine == chabbat ? 18 : 17;
        const int fin = jour(12, 9).jour_semaine == chabbat ? 10 : 9;
        rangee("Période des 3 semaines", d(11, debut) + " au " + d(12, fin));
    }

private:
    JourDeListe jour(int mois, int j) { return jour_de_liste(e_, {annee_, mois, j}); }
    std::string d(int mois, int j) { return piece_de_date(jour(mois, j)); }

    void ligne(const std::string& texte) { lignes_.push_back(std::string(marge_liste) + texte); }

    void rangee(std::string_view libelle, const std::string& dates)
    {
        ligne(engine::complete_espaces(libelle, 24) + dates);
    }

    /// 13 Adar (Adar II of a leap year); when it is Chabbat, Thursday 11.
    void esther()
    {
        const int adar = engine::annee_hebr_embolismique(annee_) ? 7 : 6;
        const JourDeListe treize = jour(adar, 13);
        if (treize.jour_semaine < 6) {
            rangee("Jeûne d'Esther", piece_de_date(treize));
        } else if (const JourDeListe onze = jour(adar, 11); onze.jour_semaine == 5) {
            rangee("Jeûne d'Esther", piece_de_date(onze));
        }
    }

    engine::CalendarEngine& e_;
    int annee_;
    std::vector<std::string>& lignes_;
};

} // namespace

std::vector<std::string> mariages_interdits(const DemandeListe& d)
{
    engine::CalendarEngine e;
    const std::vector<int> annees = annees_de_la_demande(d);
    std::vector<std::string> lignes =
        titre_des_annees("Mariages interdits pour les années ", annees);
    for (int annee : annees) {
        lignes.emplace_back();
        Mariages(e, annee, lignes).ecrit_l_annee();
    }
    return lignes;
}

} // namespace orvane::events
