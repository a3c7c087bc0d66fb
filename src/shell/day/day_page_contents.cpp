#include "shell/day/day_page_contents.h"

#include "engine/date_validity.h"
#include "platform/text.h"
#include "shell/day/day_labels.h"
#include "shell/main_form/main_panels.h"

#include <algorithm>

namespace orvane::shell
{

records::AnniversairesCivils anniversaires_suivants(const engine::DateHebraique& montree,
                                                    engine::DateCivile civile_montree,
                                                    engine::DateCivile aujourdhui, int nombre)
{
    // The list runs at most to the last year of the calendar: one year past
    // the date shown or past today's year, whichever is later, then one a year.
    const int depart = std::max(montree.annee, records::jour_du_civil(aujourdhui).hebraique.annee);
    const int possibles = engine::annee_hebr_max - depart - 1;
    return records::anniversaires_civils(montree, civile_montree, aujourdhui,
                                         std::clamp(nombre, 0, std::max(possibles, 0)));
}

std::optional<records::BarMitsva> panneau_bar_mitsva(const engine::DateHebraique& naissance,
                                                     bool fille, bool diaspora)
{
    if (naissance.annee + 13 + 1 > engine::annee_hebr_max) {
        return std::nullopt;
    }
    return records::calcule_bar_mitsva(
        naissance, fille ? records::Sexe::fille : records::Sexe::garcon, diaspora);
}

double heures_de(const platform::LocalTime& t) noexcept
{
    return t.heures + t.minutes / 60.0 + t.secondes / 3600.0;
}

std::vector<std::string> lignes_heures_saison(const JourCalcule& j, double maintenant)
{
    if (!j.a_des_horaires()) {
        return {};
    }
    return {ligne_heure_saison(methode_hagra, heure_saison(j.limites_hagra, maintenant)),
            ligne_heure_saison(methode_maguen_abraham,
                               heure_saison(j.limites_maguen_abraham, maintenant))};
}

PageAccueil calcule_page_accueil(const DonneesChargees& donnees, const DemandePageAccueil& demande)
{
    PageAccueil p;
    p.jour = calcule_jour(donnees, demande.jour);
    p.anniversaires = anniversaires_suivants(p.jour.hebraique, p.jour.date, demande.aujourdhui,
                                             demande.nombre_anniversaires);
    p.bar_mitsva = panneau_bar_mitsva(p.jour.hebraique, demande.fille, demande.jour.diaspora);
    p.annee_panneau = p.jour.hebraique.annee;
    p.jours_importants = jours_importants(p.annee_panneau, demande.jour.diaspora);
    return p;
}

ContenuPageDuJour contenu_page_du_jour(const PageAccueil& page, const DemandePageAccueil& demande,
                                       const std::string& ligne_horloge, double maintenant)
{
    const JourCalcule& j = page.jour;
    ContenuPageDuJour c;
    c.nom_jour_special = j.nature.nom_special;
    c.date_civile = j.date_civile;
    c.date_hebraique = j.date_hebraique;
    c.ligne_horloge = ligne_horloge;
    const bool aujourdhui = j.date == demande.aujourdhui;
    for (const std::string& t : textes_du_jour(j, aujourdhui)) {
        c.libelles_jour.push_back(t);
    }
    c.nombre_anniversaires = static_cast<int>(page.anniversaires.lignes.size());
    c.anniversaires = page.anniversaires.lignes;
    c.fille = demande.fille;
    if (page.bar_mitsva) {
        c.ligne_bar_mitsva = page.bar_mitsva->ligne_date;
        c.ligne_chabbat_bar_mitsva = page.bar_mitsva->ligne_chabbat;
    }
    // The characteristics are those of the year of the date shown, whatever
    // year the year panel lists.
    c.annee_hebr = j.hebraique.annee;
    const events::CaracteristiquesAnnee& k = j.caracteristiques;
    for (const std::string* l :
         {&k.texte_type, &k.texte_longueur, &k.texte_cycle_lunaire, &k.texte_cycle_solaire,
          &k.texte_birkat_hahama, &k.texte_chemita}) {
        if (!platform::trim(*l).empty()) {
            c.caracteristiques.push_back(*l);
        }
    }
    c.lieu = demande.jour.lieu;
    c.correction_ete = j.horaires.correction_ete;
    c.jour = j.date.jour;
    c.mois = j.date.mois;
    c.opinion = demande.jour.opinion;
    if (j.a_des_horaires()) {
        for (const LigneHoraire& l : j.lignes) {
            c.horaires.push_back(l.texte);
        }
    } else if (!j.message.empty()) {
        c.horaires.push_back(j.message);
    }
    c.heures_saison = lignes_heures_saison(j, maintenant);
    c.durees = j.durees;
    c.diaspora = demande.jour.diaspora;
    c.jours_importants = page.jours_importants;
    return c;
}

} // namespace orvane::shell
