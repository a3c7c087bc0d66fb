// The two conversions of the calendar record. Neither counts days from an
// epoch: a civil date becomes a day index of its conversion year (1
// September to 31 August), `ecart_nissan` ties that index to the Hebrew
// year, and the date is found by walking the months of either calendar
// backwards from the last one.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"

namespace orvane::engine
{

namespace
{

// Days from 1 September to 31 August, without February.
constexpr int jours_annee_civile_sans_fevrier = 337;

// A(M): civil index of day 0 of month M, before the decalage_mars term.
int debut_mois_civil(int mois, int fevrier) noexcept
{
    switch (mois) {
    case 9:
        return -184 - fevrier;
    case 10:
        return -154 - fevrier;
    case 11:
        return -123 - fevrier;
    case 12:
        return -93 - fevrier;
    case 1:
        return -62 - fevrier;
    case 2:
        return -31 - fevrier;
    case 3:
        return -31;
    case 4:
        return 0;
    case 5:
        return 30;
    case 6:
        return 61;
    case 7:
        return 91;
    default:
        return 122; // August
    }
}

// Length of Hebrew month `mois` in the order of the backward walk.
int longueur_pour_marche(int mois, int embolismique, int hechvan, int kislev) noexcept
{
    switch (mois) {
    case 13:
        return 29;
    case 12:
        return 30;
    case 11:
        return 29;
    case 10:
        return 30;
    case 9:
        return 29;
    case 8:
        return 30;
    case 7:
        return 29 * embolismique;
    case 6:
        return 29 + embolismique;
    case 5:
        return 30;
    case 4:
        return 29;
    case 3:
        return kislev;
    case 2:
        return hechvan;
    default:
        return 30; // Tichri
    }
}

// Length of the civil month in the backward walk from August.
int longueur_mois_civil_marche(int mois, int fevrier) noexcept
{
    switch (mois) {
    case 2:
        return fevrier;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

// Julian dates run to 4 October 1582; Friday 15 October is the first
// Gregorian day.
bool avant_reforme(int annee, int mois, int jour) noexcept
{
    return annee < 1582 || (annee == 1582 && (mois < 10 || (mois == 10 && jour < 15)));
}

// The ten days from 5 to 14 October 1582 do not exist. The two ends of the
// gap are taken as their nearest real day (5 → 15, 14 → 4); the days between
// are read as Julian dates.
int jour_reel_octobre_1582(int annee, int mois, int jour) noexcept
{
    if (annee == 1582 && mois == 10) {
        if (jour == 5) {
            return 15;
        }
        if (jour == 14) {
            return 4;
        }
    }
    return jour;
}

} // namespace

int CalendarEngine::index_civil() const
{
    return debut_mois_civil(mois_civil, fevrier) + jour_civil - decalage_mars;
}

int CalendarEngine::decalage_mois_hebr(int mois) const
{
    const int e = embolismique;
    const int k = kislev;
    const int h = hechvan;
    switch (mois) {
    case 1:
        return -118 - k - h - e;
    case 2:
        return -88 - k - h - e;
    case 3:
        return -88 - k - e;
    case 4:
        return -88 - e;
    case 5:
        return -59 - e;
    case 6:
        return -29 - e;
    case 7:
        return 0;
    case 8:
        return 29 * e;
    case 9:
        return 29 * e + 30;
    case 10:
        return 29 * e + 59;
    case 11:
        return 29 * e + 89;
    case 12:
        return 29 * e + 118;
    default:
        return 29 * e + 148; // Eloul
    }
}

void CalendarEngine::convertit_civil_hebreu(int annee, int mois, int jour)
{
    annee_civile = annee;
    mois_civil = mois;
    jour_civil = jour;
    jour_civil_saisi = jour;

    jour_civil = jour_reel_octobre_1582(annee, mois, jour);
    const bool julien = avant_reforme(annee, mois, jour_civil);

    annee_civile_base = mois >= 9 ? annee + 1 : annee;
    annee_hebr = annee_civile_base + 3760;
    calcule_annee();
    if (julien) {
        decalage_mars = 23 - fevrier;
    } else if (mois >= 9) {
        // The century term is that of the spring year: 1 September 1800
        // already counts the day that February 1800 drops.
        decalage_mars = terme_siecle(annee + 1) - fevrier;
    }
    jour_hebreu_du_civil();

    annee_civile = annee;
    mois_civil = mois;
    jour_civil = jour;
}

void CalendarEngine::jour_hebreu_du_civil()
{
    int r = index_civil() + nb_mois + 106 + hechvan + kislev + ecart_nissan;
    for (;;) {
        jour_semaine = normalise_jour(static_cast<int>(floor_mod(r, 7)) + jour_rh - 1);
        const int longueur = 295 + 30 * embolismique + hechvan + kislev;
        if (r > longueur) {
            annee_hebr += 1;
            calcule_annee_hebr();
            embolismique = nb_mois - 12;
            r -= longueur;
            continue;
        }
        int reste = longueur;
        for (int m = 13; m >= 1; --m) {
            if (r <= reste) {
                mois_hebr = m;
                reste -= longueur_pour_marche(m, embolismique, hechvan, kislev);
            }
        }
        jour_hebr = r - reste;
        if (jour_hebr > 0) {
            return;
        }
        annee_hebr -= 1;
        calcule_annee_hebr();
        embolismique = nb_mois - 12;
        r += 295 + 30 * embolismique + hechvan + kislev;
    }
}

void CalendarEngine::convertit_hebreu_civil(int annee, int mois, int jour)
{
    annee_hebr = annee;
    mois_hebr = mois;
    jour_hebr = jour;
    annee_civile = annee - 3760;
    annee_civile_base = annee_civile;
    calcule_annee();
    jour_civil_de_l_hebreu();
    annee_hebr = annee;
    mois_hebr = mois;
    jour_hebr = jour;
}

void CalendarEngine::jour_civil_de_l_hebreu()
{
    const int q = decalage_mois_hebr(mois_hebr) + jour_hebr;
    int n = q - ecart_nissan + fevrier + 184 + decalage_mars;
    for (;;) {
        prepare_annee_civile();
        if (n <= jours_annee_civile_sans_fevrier + fevrier) {
            break;
        }
        n -= jours_annee_civile_sans_fevrier + fevrier;
        annee_civile += 1;
    }

    int reste = jours_annee_civile_sans_fevrier + fevrier;
    constexpr int ordre[12] = {8, 7, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9};
    for (int mois : ordre) {
        if (n <= reste) {
            mois_civil = mois;
            reste -= longueur_mois_civil_marche(mois, fevrier);
            if (mois == 12) {
                annee_civile -= 1;
            }
        }
    }
    jour_civil = n - reste;
    if (jour_civil < 1) {
        // A Hebrew date of the last days of August before the conversion
        // year (early centuries, when Tichri could begin in August).
        jour_civil += 31;
        mois_civil = 8;
    }
    jour_semaine = jour_modulo_7(std::int64_t{jour_repere} + q - ecart_nissan);

    // Hebrew year 5343 is computed with the Gregorian values of 1583: its
    // days before the reform come out ten days late and are put back into
    // the Julian calendar (27 September → 17 September ...).
    if (annee_civile == 1582 &&
        ((mois_civil == 9 && jour_civil >= 27) || (mois_civil == 10 && jour_civil <= 14))) {
        jour_civil -= 10;
        if (jour_civil <= 0) {
            jour_civil += 30;
            mois_civil -= 1;
        }
    }
}

} // namespace orvane::engine
