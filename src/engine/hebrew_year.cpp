// Hebrew year arithmetic of the calendar record: leap years, the molad of
// Tichri from the 19-year cycle, the postponements of Rosh Hachana and the
// lengths of the year and of its months.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"

namespace orvane::engine
{

namespace
{

// Remainders, modulo one week, of 235, 12 and 13 mean months, and the molad
// of Tichri of year 1 (BaHaRaD: Monday 5 h 204 halakim, counted from 18:00
// Sunday, that is 2 days 5 hours 204 halakim).
constexpr std::int64_t reste_cycle = 69715;
constexpr std::int64_t reste_annee_commune = 113196;
constexpr std::int64_t reste_annee_embolismique = 152869;
constexpr std::int64_t molad_an_un = 57444;
// Six mean months modulo a week: from the molad of Tichri to that of Nissan.
constexpr std::int64_t six_mois = 56598;

// Leap years among the first `rang` years of a cycle (0..18): years 3, 6, 8,
// 11, 14, 17 and 19 of the cycle are leap years.
constexpr int embolismiques_avant(int rang) noexcept
{
    constexpr int table[19] = {0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6};
    return table[rang];
}

// Lo ADOU Rosh: 1 Tichri never falls on Sunday, Wednesday or Friday.
constexpr bool jour_interdit(int jour) noexcept
{
    return jour == 1 || jour == 4 || jour == 6;
}

// GaTaRaD: 9 hours 204 halakim; BeTouTaKPaT: 15 hours 589 halakim.
constexpr int limite_gatarad = 9 * 1080 + 204;      // 9924
constexpr int limite_betoutakpat = 15 * 1080 + 589; // 16789

// The month-6 name changes only between a common and a leap year; kept out
// of line, the assignment leaves the check that usually finds it right short.
[[gnu::noinline]] void remplace(std::string& texte, std::string_view nouveau)
{
    texte = nouveau;
}

} // namespace

bool CalendarEngine::teste_embolismique(int annee)
{
    const bool leap = annee_hebr_embolismique(annee);
    nb_mois = leap ? 13 : 12;
    ecrit_nom_mois6(leap);
    return leap;
}

void CalendarEngine::ecrit_nom_mois6(bool leap)
{
    // Written only when the leap status changes: most calls find it right.
    const std::string_view nom = nom_mois6(leap);
    if (noms_mois_hebr[6] != nom) {
        remplace(noms_mois_hebr[6], nom);
    }
}

void CalendarEngine::fixe_embolismique()
{
    const bool leap = teste_embolismique(annee_hebr);
    longueur_mois_hebr[6] = leap ? 30 : 29;
    longueur_mois_hebr[7] = leap ? 29 : 0;
}

void CalendarEngine::decompose_cycle()
{
    cyl = static_cast<int>(floor_div(annee_hebr - 1, 19));
    rang_cycle = (annee_hebr - 1) - 19 * cyl;
    emb = embolismiques_avant(rang_cycle);
    com = rang_cycle - emb;
}

void CalendarEngine::decompose_halakim()
{
    const TempsDecompose t = decompose(halakim);
    semaines = t.semaines;
    jour_semaine = t.jour_semaine;
    heures = t.heures;
    minutes = t.minutes;
    halakim = t.halakim;
}

void CalendarEngine::calcule_molad_tichri()
{
    // 64-bit sums: the weekly form grows with the number of cycles.
    molad_tichri = std::int64_t{cyl} * reste_cycle + std::int64_t{com} * reste_annee_commune +
                   std::int64_t{emb} * reste_annee_embolismique + molad_an_un;
    halakim = molad_tichri;
    decompose_halakim();
}

void CalendarEngine::applique_reports()
{
    // 1. Lo ADOU.
    report = 0;
    if (jour_interdit(jour_semaine)) {
        jour_semaine = normalise_jour(jour_semaine + 1);
        report = 1;
        return;
    }
    // 2. Molad zaken: a molad at or after noon (hour 18 of the count from
    //    18:00) moves the new year to the next day, and lo ADOU applies once
    //    to that day.
    if (heures >= 18) {
        jour_semaine = normalise_jour(jour_semaine + 1);
        if (jour_interdit(jour_semaine)) {
            jour_semaine = normalise_jour(jour_semaine + 1);
        }
        return;
    }
    // 3. The last two rules concern common years only.
    if (nb_mois == 13) {
        return;
    }
    parties_molad = heures * 1080 + minutes * 18 + static_cast<int>(halakim);
    // 4. GaTaRaD: a common year whose molad is on Tuesday at 9 h 204 or
    //    later would last 356 days; it begins on Thursday.
    if (jour_semaine == 3) {
        if (parties_molad >= limite_gatarad) {
            jour_semaine = 5;
        }
        return;
    }
    // 5. BeTouTaKPaT: after a leap year, a molad on Monday at 15 h 589 or
    //    later would leave the leap year 382 days; the year begins on Tuesday.
    if (jour_semaine == 2 && parties_molad >= limite_betoutakpat) {
        annee_hebr -= 1;
        fixe_embolismique();
        const bool precedente_embolismique = nb_mois == 13;
        annee_hebr += 1;
        fixe_embolismique();
        if (precedente_embolismique) {
            jour_semaine = 3;
        }
    }
}

void CalendarEngine::calcule_jour_rh()
{
    fixe_embolismique();
    decompose_cycle();
    calcule_molad_tichri();
    applique_reports();
}

void CalendarEngine::calcule_annee_hebr()
{
    registres_annee_hebr();
}

void CalendarEngine::etablit_annee_hebr()
{
    annee_hebr += 1;
    calcule_jour_rh();
    jour_rh_suivant = jour_semaine;
    annee_hebr -= 1;
    calcule_jour_rh();
    jour_rh = jour_semaine;
    molad_nissan = molad_tichri + six_mois;
    halakim = molad_nissan;
    calcule_longueurs();
}

void CalendarEngine::calcule_longueurs()
{
    if (jour_rh_suivant <= jour_rh) {
        jour_rh_suivant += 7;
    }
    code_longueur = jour_rh_suivant - jour_rh;
    hechvan = 29;
    kislev = 30;
    if (nb_mois == 12) {
        code_longueur += 2;
    }
    switch (code_longueur) {
    case 5: // deficient: Hechvan and Kislev of 29 days
        jour_mois7 = jour_rh + nb_mois - 11;
        kislev = 29;
        break;
    case 6: // regular: Hechvan 29, Kislev 30
        jour_mois7 = jour_rh + nb_mois - 10;
        break;
    default: // complete: both of 30 days
        jour_mois7 = jour_rh + nb_mois - 9;
        hechvan = 30;
        break;
    }
    if (jour_mois7 > 7) {
        jour_mois7 -= 7;
    }
    longueur_mois_hebr[2] = hechvan;
    longueur_mois_hebr[3] = kislev;
}

} // namespace orvane::engine
