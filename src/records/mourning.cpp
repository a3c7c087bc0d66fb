#include "records/mourning.h"

#include "engine/arithmetic.h"
#include "engine/month_grid_civil.h"
#include "records/carrying.h"
#include "records/event_date.h"

namespace orvane::records
{

namespace
{

DateDeDeuil ligne_de_deuil(std::string_view libelle, const JourComplet& jour,
                           engine::DateCivile aujourdhui, std::string_view note = {})
{
    DateDeDeuil d;
    d.libelle = std::string(libelle);
    d.jour = jour;
    d.passe = jour.civile < aujourdhui;
    d.ligne = d.libelle + texte_civil(jour) + " --> " + texte_hebraique(jour.hebraique);
    if (!note.empty()) {
        d.ligne += " " + std::string(note);
    }
    if (d.passe) {
        d.ligne += " x";
    }
    return d;
}

} // namespace

std::vector<DateDeDeuil> dates_de_deuil(const DateEtMoment& deces, const DateEtMoment& inhumation,
                                        engine::DateCivile aujourdhui)
{
    const engine::DateHebraique d =
        date_hebraique_evenement(deces.civile, deces.jour_nuit).hebraique;
    JourComplet enterrement = date_hebraique_evenement(inhumation.civile, inhumation.jour_nuit);
    const engine::DateHebraique b = enterrement.hebraique;
    // The burial line names the weekday of its civil date, also at night.
    enterrement.jour_semaine = engine::jour_semaine(inhumation.civile);
    const bool nuit = est_de_nuit(inhumation.jour_nuit);

    std::vector<DateDeDeuil> lignes;
    lignes.push_back(
        ligne_de_deuil("    Inhumation :  ", enterrement, aujourdhui, nuit ? "(La nuit)" : ""));
    lignes.push_back(ligne_de_deuil(
        "    7 jours : ", jour_de_l_hebreu(engine::decale_jours_hebreu(b, 6)), aujourdhui));
    lignes.push_back(ligne_de_deuil(
        "   30 jours : ", jour_de_l_hebreu(engine::decale_jours_hebreu(b, 29)), aujourdhui));
    lignes.push_back(
        ligne_de_deuil("   11 mois  : ", jour_de_l_hebreu(ajoute_mois(b, 11)), aujourdhui));

    // In a leap year of death twelve months from a burial before Adar II end
    // before the first anniversary; otherwise they make the year.
    const bool embolismique = engine::annee_hebr_embolismique(d.annee);
    const JourComplet douze_mois = jour_de_l_hebreu(ajoute_mois(b, 12));
    if (!(embolismique && d.mois < 7)) {
        lignes.push_back(ligne_de_deuil("    1 année : ", douze_mois, aujourdhui));
    }
    lignes.push_back(ligne_de_deuil("   12 mois  : ", douze_mois, aujourdhui));
    if (embolismique) {
        lignes.push_back(ligne_de_deuil(
            "   1è année : ", jour_de_l_hebreu(reporte_date(d, d.annee + 1)), aujourdhui));
    }
    return lignes;
}

} // namespace orvane::records
