// The days of the new month (Roch 'Hodech). A month follows a month of 29
// or 30 days: after 30 days the new month is kept two days, the 30th of the
// month that ends and the 1st of the month that begins; after 29 days, the
// 1st alone. Tichri begins with the two days of Roch-Hachana. Hechvan and
// Kislev have 29 or 30 days by the type of the year; Tichri, Chevat, Adar I,
// Nissan, Sivan and Av always 30; the others 29.

#include "engine/calendar_engine.h"
#include "engine/month_grid_steps.h"
#include "events/lists/date_lists.h"
#include "events/lists/list_rows.h"
#include "platform/text.h"

namespace orvane::events
{

namespace
{

constexpr int tichri = 1;
constexpr int av = 12;

class NouveauxMois
{
public:
    NouveauxMois(engine::CalendarEngine& e, int annee, std::vector<std::string>& lignes)
        : e_(e), annee_(annee), lignes_(lignes)
    {
    }

    [[nodiscard]] bool a_le_mois(int mois) const
    {
        return engine::longueur_mois_hebreu(annee_, mois) > 0;
    }

    void roch_hachana()
    {
        rangee("ROCH-HACHANA", tichri, 1);
        rangee("ROCH-HACHANA", tichri, 2);
    }

    /// The days of the new month of `mois` (not Tichri): the 30th of the
    /// month before when it has one, then the 1st.
    void debut_du_mois(int mois)
    {
        const int avant = engine::mois_precedent({annee_, mois}).mois;
        const std::string nom = platform::to_upper(nom_du_mois(annee_, mois));
        if (engine::longueur_mois_hebreu(annee_, avant) == 30) {
            rangee(nom, avant, 30);
        }
        rangee(nom, mois, 1);
    }

    /// Roch-Hachana, then the new month of every month that follows, up to
    /// 1 Eloul: the new month after Eloul is next year's Roch-Hachana.
    void tous_les_mois()
    {
        roch_hachana();
        for (int mois = tichri; mois <= av; ++mois) {
            if (a_le_mois(mois)) {
                debut_du_mois(mois_suivant_de_l_annee(annee_, mois));
            }
        }
    }

private:
    void rangee(std::string_view libelle, int mois, int jour)
    {
        lignes_.push_back(std::string(marge_liste) +
                          ligne_de_nouveau_mois(libelle, jour_de_liste(e_, {annee_, mois, jour})));
    }

    engine::CalendarEngine& e_;
    int annee_;
    std::vector<std::string>& lignes_;
};

} // namespace

std::vector<std::string> liste_roch_hodech(const DemandeListe& d, int mois)
{
    engine::CalendarEngine e;
    const std::vector<int> annees = annees_de_la_demande(d);
    std::vector<std::string> lignes = titre_des_annees("Roch Hodech pour les années ", annees);
    for (int annee : annees) {
        lignes.push_back(std::string(marge_liste) + "Roch Hodech de l'année " +
                         std::to_string(annee));
        NouveauxMois n(e, annee, lignes);
        if (mois == 0) {
            n.tous_les_mois();
        } else if (mois == tichri) {
            n.roch_hachana();
        } else if (mois > tichri && mois <= 13 && n.a_le_mois(mois)) {
            n.debut_du_mois(mois);
        }
        lignes.emplace_back();
    }
    return lignes;
}

} // namespace orvane::events
