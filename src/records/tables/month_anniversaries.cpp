#include "records/tables/month_anniversaries.h"

#include "engine/date_validity.h"
#include "records/anniversaries.h"
#include "records/event_date.h"

#include <algorithm>

namespace orvane::records
{

engine::DateCivile meme_jour_du_mois_suivant(engine::DateCivile d)
{
    if (d.annee > engine::annee_civile_max ||
        (d.annee == engine::annee_civile_max && d.mois == 12)) {
        return engine::dernier_jour_ere;
    }
    const int mois = d.mois == 12 ? 1 : d.mois + 1;
    const int annee = d.mois == 12 ? d.annee + 1 : d.annee;
    return {annee, mois, std::min(d.jour, engine::jours_du_mois_civil(annee, mois))};
}

std::optional<engine::DateCivile>
prochain_anniversaire_de_la_fiche(const Table& t, std::size_t fiche, engine::DateCivile aujourdhui)
{
    const std::optional<engine::DateCivile> date = t.date_de(fiche, "NAI_CV_N");
    if (!date || engine::erreur_date_civile(*date)) {
        return std::nullopt;
    }
    const std::string nuit = t.a_le_champ("J_N") ? t.texte_de(fiche, "J_N") : std::string();
    const JourComplet evenement = date_hebraique_evenement(*date, nuit);
    if (premiere_annee_a_venir(evenement.hebraique, aujourdhui) > engine::annee_hebr_max) {
        return std::nullopt;
    }
    const ProchainsAnniversaires p =
        prochains_anniversaires(evenement.hebraique, aujourdhui, 1, 1, Famille::naissance);
    return p.anniversaires.front().jour.civile;
}

std::vector<std::size_t> anniversaires_du_mois(const Table& t, engine::DateCivile aujourdhui)
{
    const engine::DateCivile fin = meme_jour_du_mois_suivant(aujourdhui);
    std::vector<std::size_t> choisies;
    for (const std::size_t fiche : t.fiches()) {
        const auto a = prochain_anniversaire_de_la_fiche(t, fiche, aujourdhui);
        if (a && aujourdhui <= *a && *a <= fin) {
            choisies.push_back(fiche);
        }
    }
    return choisies;
}

} // namespace orvane::records
