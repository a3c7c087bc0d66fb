#include "events/readings/bar_mitsva.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/month_grid_steps.h"
#include "engine/names.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "events/readings/parachiot.h"
#include "events/saved_dates.h"
#include "events/year_walk.h"

#include <sstream>

namespace orvane::events
{

engine::DateHebraique date_bar_mitsva(const engine::DateHebraique& naissance, bool fille)
{
    const int cible = naissance.annee + (fille ? 12 : 13);
    const bool naissance_embolismique = engine::annee_hebr_embolismique(naissance.annee);
    const bool cible_embolismique = engine::annee_hebr_embolismique(cible);
    int mois = naissance.mois;
    if (!cible_embolismique && (mois == 6 || mois == 7)) {
        mois = 6; // a common year has one Adar
    } else if (cible_embolismique && mois == 6 && !naissance_embolismique) {
        mois = 7; // born in the only Adar: the Adar next to Nissan
    }
    if (naissance.jour > engine::longueur_mois_hebreu(cible, mois)) {
        const engine::MoisHebreu suivant = engine::mois_suivant({cible, mois});
        return {suivant.annee, suivant.mois, 1};
    }
    return {cible, mois, naissance.jour};
}

std::string lecture_du_chabbat(const LibellesDuJour& l)
{
    // The day mark, the festival or reading and the second reading, as the
    // readings list writes them: the padding of the name tables turned into
    // blanks, the names' own hyphens kept; the intermediate days read
    // "Hol Hamoed".
    std::string marque = l.nom_jour;
    if (marque.rfind("Hol-Hamoed", 0) == 0) {
        marque.replace(0, 10, "Hol Hamoed");
    }
    std::istringstream mots(
        sans_remplissage_garde_traits(marque + " " + l.nom_fete + " " + l.libelle_paracha));
    std::string texte;
    for (std::string mot; mots >> mot;) {
        texte += texte.empty() ? mot : " " + mot;
    }
    return texte;
}

BarMitsva paracha_bar_mitsva(engine::CalendarEngine& e, bool fille, bool diaspora)
{
    BarMitsva b;
    const engine::DateHebraique naissance{e.annee_hebr, e.mois_hebr, e.jour_hebr};
    {
        const DatesSauvees sauve(e);
        engine::DateHebraique d = date_bar_mitsva(naissance, fille);
        b.titre = fille ? "Paracha de Bat-Mitsva" : "Paracha de Bar-Mitsva";
        b.annee_hebr = d.annee;
        b.mois_hebr = d.mois;
        b.jour_hebr = d.jour;
        e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
        b.ligne_date =
            "   " + std::string(engine::jours_semaine[static_cast<std::size_t>(e.jour_semaine)]) +
            " " + std::to_string(e.jour_civil) + " " +
            std::string(engine::mois_civils[static_cast<std::size_t>(e.mois_civil)]) + " " +
            std::to_string(e.annee_civile) + " = " + std::to_string(d.jour) + " " +
            std::string(engine::nom_mois_hebreu(d.mois, e.nb_mois == 13)) + " " +
            std::to_string(d.annee);
        while (e.jour_semaine != 7) {
            d = engine::lendemain(d);
            e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
        }
        LibellesDuJour l = libelles_du_jour(e, diaspora);
        paracha_du_jour(e, diaspora, l);
        b.paracha = lecture_du_chabbat(l);
        b.texte_chabbat = (fille ? "Chabbat Bat-M. " : "Chabbat Bar-Mitsva : ") + b.paracha;
        b.chabbat_annee_hebr = d.annee;
        b.chabbat_mois_hebr = d.mois;
        b.chabbat_jour_hebr = d.jour;
        b.chabbat_annee_civile = e.annee_civile;
        b.chabbat_mois_civil = e.mois_civil;
        b.chabbat_jour_civil = e.jour_civil;
        // The year registers go back to the birth year, the dates to the birth.
        e.annee_hebr = naissance.annee;
        e.annee_civile = naissance.annee - 3760;
        e.calcule_annee();
    }
    return b;
}

} // namespace orvane::events
