#include "events/readings/bar_mitsva.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "events/readings/parachiot.h"
#include "events/saved_dates.h"
#include "events/year_walk.h"

#include <sstream>

namespace orvane::events
{

namespace
{

struct DateHebraique {
    int annee;
    int mois;
    int jour;
};

/// The birth date carried to the year of age.
DateHebraique date_de_majorite(engine::CalendarEngine& e, DateHebraique naissance,
                               bool naissance_commune, int ans)
{
    DateHebraique d{naissance.annee + ans, naissance.mois, naissance.jour};
    const bool commune = !engine::annee_hebr_embolismique(d.annee);
    if (d.mois == 6 && naissance_commune && !commune) {
        d.mois = 7;
    } else if (d.mois == 7 && commune) {
        d.mois = 6;
    }
    e.annee_hebr = d.annee;
    e.annee_civile = d.annee - 3760;
    e.calcule_annee();
    if (d.jour > jours_du_mois_hebreu(e, d.mois)) {
        d.jour = 1;
        d.mois += (d.mois == 6 && commune) ? 2 : 1;
    }
    return d;
}

DateHebraique lendemain_hebreu(const engine::CalendarEngine& e, DateHebraique d)
{
    ++d.jour;
    while (d.jour > jours_du_mois_hebreu(e, d.mois)) {
        d.jour = 1;
        ++d.mois;
        if (d.mois > 13) {
            d.mois = 1;
            ++d.annee;
            return d; // the caller sets the new year up
        }
    }
    return d;
}

} // namespace

std::string lecture_du_chabbat(const LibellesDuJour& l)
{
    // Words of the day mark, the festival or reading and the second reading,
    // with the padding of the name tables turned into blanks.
    std::istringstream mots(
        sans_remplissage(l.nom_jour + " " + l.nom_fete + " " + l.libelle_paracha));
    std::string texte;
    for (std::string mot; mots >> mot;) {
        texte += texte.empty() ? mot : " " + mot;
    }
    const std::string special = nom_chabbat_special(l);
    if (!special.empty() && texte.find(special) == std::string::npos) {
        texte += " - Chabbat " + special;
    }
    return texte;
}

BarMitsva paracha_bar_mitsva(engine::CalendarEngine& e, bool fille, bool diaspora)
{
    BarMitsva b;
    const DateHebraique naissance{e.annee_hebr, e.mois_hebr, e.jour_hebr};
    const bool naissance_commune = !engine::annee_hebr_embolismique(naissance.annee);
    {
        const DatesSauvees sauve(e);
        DateHebraique d = date_de_majorite(e, naissance, naissance_commune, fille ? 12 : 13);
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
            d = lendemain_hebreu(e, d);
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
