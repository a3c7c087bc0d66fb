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

// Civil month (1..12) and day of day `n` of a conversion year, from 1 for
// 1 September to 337 + fevrier for 31 August. Counted from 1 March (d = 0),
// the months run 31 30 31 30 31, 31 30 31 30 31, 31 and February: each run
// of five months takes 153 days, so day d is in month m = (5 d + 2) / 153
// after March, which began on day (153 m + 2) / 5. 1 September is day 184 of
// that count; March to August end the conversion year and count from 0.
// n = 123: d = 306, m = 1532 / 153 = 10, January, day 306 − 306 + 1 = 1.
struct JourDuMois {
    int mois;
    int jour;
};

constexpr JourDuMois jour_du_mois_civil(int n, int fevrier) noexcept
{
    int d = n + 183;
    if (d >= jours_annee_civile_sans_fevrier + fevrier) {
        d -= jours_annee_civile_sans_fevrier + fevrier; // March to August
    }
    const int m = (5 * d + 2) / 153; // [0, 11], 0 for March
    const int jour = d - (153 * m + 2) / 5 + 1;
    return {m < 10 ? m + 3 : m - 9, jour};
}

static_assert(jour_du_mois_civil(1, 28).mois == 9 && jour_du_mois_civil(1, 28).jour == 1);
static_assert(jour_du_mois_civil(122, 29).mois == 12 && jour_du_mois_civil(122, 29).jour == 31);
static_assert(jour_du_mois_civil(123, 28).mois == 1 && jour_du_mois_civil(123, 28).jour == 1);
static_assert(jour_du_mois_civil(182, 29).mois == 2 && jour_du_mois_civil(182, 29).jour == 29);
static_assert(jour_du_mois_civil(182, 28).mois == 3 && jour_du_mois_civil(182, 28).jour == 1);
static_assert(jour_du_mois_civil(366, 29).mois == 8 && jour_du_mois_civil(366, 29).jour == 31);

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
        // The month is the earliest one whose end is not before day r.
        int mois = mois_hebr;
        int reste = longueur;
        for (int m = 13; m >= 1; --m) {
            if (r <= reste) {
                mois = m;
                reste -= longueur_pour_marche(m, embolismique, hechvan, kislev);
            }
        }
        mois_hebr = mois;
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
    marche_vers_le_civil(true);
    annee_hebr = annee;
    mois_hebr = mois;
    jour_hebr = jour;
}

void CalendarEngine::jour_civil_de_l_hebreu()
{
    marche_vers_le_civil(false);
}

void CalendarEngine::marche_vers_le_civil(bool annee_civile_preparee)
{
    const int q = decalage_mois_hebr(mois_hebr) + jour_hebr;
    int n = q - ecart_nissan + fevrier + 184 + decalage_mars;
    if (!annee_civile_preparee) {
        prepare_annee_civile();
    }
    while (n > jours_annee_civile_sans_fevrier + fevrier) {
        n -= jours_annee_civile_sans_fevrier + fevrier;
        annee_civile += 1;
        prepare_annee_civile();
    }

    if (n >= 1) {
        const JourDuMois j = jour_du_mois_civil(n, fevrier);
        mois_civil = j.mois;
        jour_civil = j.jour;
        if (j.mois >= 9) {
            annee_civile -= 1; // September to December: the autumn year
        }
    } else {
        // A Hebrew date of the last days of August before the conversion
        // year (early centuries, when Tichri could begin in August).
        annee_civile -= 1;
        mois_civil = 8;
        jour_civil = n + 31;
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
