// The molad of any month and the day on which it falls.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"

#include <cmath>
#include <cstdio>

namespace orvane::engine
{

namespace
{

// Molad values count hours from 18:00 of the previous day; six hours bring
// them to the civil clock.
constexpr std::int64_t six_heures = 6 * halakim_par_heure; // 6480

std::string texte_molad(int heures, int minutes, int halakim, bool detaille)
{
    char buffer[64];
    if (detaille) {
        // A heleq is 3 1/3 seconds.
        const int secondes = static_cast<int>(std::lround(halakim * 3.33333));
        std::snprintf(buffer, sizeof buffer, "%2dh %2dmn %2dhl (%2ds)", heures, minutes, halakim,
                      secondes);
    } else {
        std::snprintf(buffer, sizeof buffer, "%dh%dm%dhl", heures, minutes, halakim);
    }
    return buffer;
}

} // namespace

void CalendarEngine::calcule_molad_mois(int slot, int annee, bool detaille)
{
    const int sauve[6] = {annee_hebr, mois_hebr, jour_hebr, annee_civile, mois_civil, jour_civil};

    const int mois = slot == 14 ? 1 : slot;
    annee_hebr = slot == 14 ? annee + 1 : annee;
    annee_civile = annee_hebr - 3760;
    jour_hebr = 1;
    calcule_annee();
    const bool commune = nb_mois == 12;
    const int annee_du_mois = annee_hebr;

    // Months counted from Tichri: in a common year there is no month 7.
    const int k = (commune && mois > 7) ? mois - 1 : mois;
    halakim = molad_tichri + std::int64_t{k - 1} * mois_moyen - six_heures;
    decompose_halakim();

    EntreeMolad& entree = table_molad[static_cast<std::size_t>(slot)];
    entree = EntreeMolad{};
    entree.jour_semaine = jour_semaine;
    entree.heures = heures;
    entree.minutes = minutes;
    entree.halakim = static_cast<int>(halakim);
    entree.texte = texte_molad(heures, minutes, static_cast<int>(halakim), detaille);

    if (commune && slot == 7) {
        entree = EntreeMolad{}; // no Adar II in a common year
    } else {
        calcule_jour_du_molad(entree, mois, annee_du_mois);
    }

    annee_hebr = sauve[0];
    mois_hebr = sauve[1];
    jour_hebr = sauve[2];
    annee_civile = sauve[3];
    mois_civil = sauve[4];
    jour_civil = sauve[5];
}

// The molad falls in the week that ends with the 1st of its month: at most
// six days before it. Its Hebrew and civil dates go into the entry.
void CalendarEngine::calcule_jour_du_molad(EntreeMolad& entree, int mois, int annee)
{
    convertit_hebreu_civil(annee, mois, 1);
    int d = jour_semaine;
    const int w = entree.jour_semaine;
    if (w > d) {
        d += 7;
    }
    const int delta = w - d; // −6..0

    int jour = 1 + delta;
    int mois_du_jour = mois;
    int annee_du_jour = annee;
    if (jour <= 0) {
        if (mois == 1) {
            mois_du_jour = 13;
            annee_du_jour = annee - 1;
        } else if (mois == 8 && nb_mois == 12) {
            mois_du_jour = 6;
        } else {
            mois_du_jour = mois - 1;
        }
        // Eloul (month 13) has 29 days in every year.
        const int longueur = mois_du_jour == 13 ? 29 : longueur_mois_hebr[mois_du_jour];
        jour = delta + longueur + 1;
    }
    convertit_hebreu_civil(annee_du_jour, mois_du_jour, jour);
    entree.jour_hebr = jour;
    entree.mois_hebr = mois_du_jour;
    entree.annee_hebr = annee_du_jour;
    entree.jour_civil = jour_civil;
    entree.mois_civil = mois_civil;
    entree.annee_civile = annee_civile;
}

} // namespace orvane::engine
