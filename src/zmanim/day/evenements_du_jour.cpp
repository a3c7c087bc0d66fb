// The second pass over the day: every event evaluated again with the sun of
// its own instant, from dawn to the night of Rabbénou Tam. The first pass,
// with the sun of 12 h UT, left each event's approximate instant as an offset
// from noon (`o_aube`, `o_lever`, ...); between noon and that instant the sun
// has moved along the ecliptic, so that its right ascension and declination,
// and with them the crossing, are taken there (85 seconds on a June sunrise
// at Paris).
#include "zmanim/day/calcul_jour.h"
#include "zmanim/day/chabbat.h"
#include "zmanim/settings/opinions.h"
#include "zmanim/sun/soleil.h"

namespace orvane::zmanim::detail
{

namespace
{

constexpr int mois_tichri = 1;
constexpr int jour_kippour = 10; // 10 Tichri
constexpr int mois_tamouz = 11;

/// Half an hour, the shortest wait after midday for Min'ha Guédola.
constexpr double trente_minutes = 30.0 / 60;
static_assert(trente_minutes == 0.5);

/// On a white night the Sabbath exit is at least 4 minutes after the stars.
constexpr double quatre_minutes = 4.0 / 60;
static_assert(quatre_minutes == 1.0 / 15);

} // namespace

bool CalculJour::evenements_du_jour()
{
    aube_et_tephilin();
    if (!lever_et_coucher()) {
        return false;
    }
    apres_midi();
    entree_chabbat();
    etoiles_sortie_nuit();
    if (contexte_.mise_en_page_livre) {
        heures_72_minutes();
    }
    return true;
}

void CalculJour::aube_et_tephilin()
{
    const Croisement aube = matin(j_.angles.aube, j_.o_aube);
    aube_existe_ = aube.existe;
    ecrit(ModeArrondi::normal, aube, &DayTimes::t_aube, &DayTimes::heureA, "CHA'HAR OM");

    const Croisement tephilin = matin(j_.angles.tephilin, j_.o_tephilin);
    ecrit(ModeArrondi::plus_tard, tephilin, &DayTimes::t_tephilin, &DayTimes::heureT,
          "TEPHILIN OM");
}

bool CalculJour::lever_et_coucher()
{
    evalue(j_.angles.lever_coucher, j_.o_lever);
    if (est_marqueur(j_.heure_lever)) {
        declare_polaire();
        return false;
    }
    j_.t_lever = j_.heure_lever;
    ecrit(ModeArrondi::normal, j_.t_lever, &DayTimes::heureL, "LEVER DU SOLEIL (NETS)");
    if (opinion_ == avis_or_meir && reglages_.mode_rav_rottenberg) {
        ajuste_aube_rav_rottenberg();
    }

    evalue(j_.angles.lever_coucher, j_.o_coucher);
    j_.t_coucher = j_.heure_coucher;
    ecrit(ModeArrondi::plus_tot, j_.t_coucher, &DayTimes::heureC, "COUCHER DU SOLEIL (CHEKIA)");

    j_.heure_saison_lc = (j_.t_coucher - j_.t_lever) / 12;
    ecrit_duree(j_.heure_saison_lc, &DayTimes::saison_lc);
    return true;
}

// The Rav Rottenberg's tables put dawn at least an hour and a half before
// sunrise, and two hours before it in the month of Tamouz; the written
// times are moved, not the numeric dawn.
void CalculJour::ajuste_aube_rav_rottenberg()
{
    if (!j_.heureA.definie()) {
        return;
    }
    const int lever_h = valeur_texte(j_.heureL.heures);
    const int lever_m = valeur_texte(j_.heureL.minutes);
    int aube_h = valeur_texte(j_.heureA.heures);
    int aube_m = valeur_texte(j_.heureA.minutes);
    constexpr int heure_et_demie = 90; // minutes
    if ((lever_h * 60 + lever_m) - (aube_h * 60 + aube_m) < heure_et_demie) {
        aube_h = lever_h - 1;
        aube_m = lever_m - 30;
        if (aube_m < 0) {
            aube_m += 60;
            --aube_h;
        }
    }
    if (jour_mois_hebreu().second == mois_tamouz) {
        aube_h = lever_h - 2;
        aube_m = lever_m;
    }
    j_.heureA.heures = texte_deux_chiffres(aube_h);
    j_.heureA.minutes = texte_deux_chiffres(aube_m);
}

// Min'ha Guédola half a seasonal hour after midday, but never less than
// half an hour; Min'ha Kétana two and a half and the plag one and a quarter
// seasonal hours before sunset.
void CalculJour::apres_midi()
{
    const double demi_heure_saisonniere = (j_.t_coucher - j_.t_lever) / 24;
    const bool minimum = demi_heure_saisonniere <= trente_minutes;
    j_.t_mincha_gedola = j_.t_hatsot + (minimum ? trente_minutes : demi_heure_saisonniere);
    ecrit(minimum ? ModeArrondi::normal : ModeArrondi::plus_tard, j_.t_mincha_gedola,
          &DayTimes::heureMG, "GUEDOLA");

    j_.t_mincha_ketana = j_.t_coucher - heures_mincha_ketana * j_.heure_saison_lc;
    ecrit(ModeArrondi::plus_tard, j_.t_mincha_ketana, &DayTimes::heureMK);

    j_.t_plag = j_.t_coucher - heures_plag * j_.heure_saison_lc;
    ecrit(ModeArrondi::plus_tard, j_.t_plag, &DayTimes::heureP, "PLAG");
}

void CalculJour::entree_chabbat()
{
    j_.t_entree = j_.t_coucher - reglages_.tossefet / 60.0;
    if (j_.t_entree < j_.t_plag) {
        j_.t_entree = j_.t_plag;
        j_.entree_chabbat = j_.heureP;
    } else {
        j_.entree_chabbat = texte_entree(j_.heureC, reglages_.tossefet);
    }
}

void CalculJour::etoiles_sortie_nuit()
{
    const Croisement etoiles = soir(j_.angles.etoiles, j_.o_etoiles);
    ecrit(ModeArrondi::plus_tard, etoiles, &DayTimes::t_etoiles, &DayTimes::heureTSE, "TSET OM");

    const Croisement chema = soir(j_.angles.etoiles_chema, j_.o_etoiles_chema);
    ecrit(ModeArrondi::plus_tard, chema, &DayTimes::t_etoiles_chema, &DayTimes::heureTSECHEMA,
          "TSET Chema");

    // In a white night the exit is solar midnight, and at least 4 minutes
    // after the stars.
    Croisement sortie = soir(j_.angles.sortie, j_.o_sortie);
    if (j_.heure_lever == toujours_au_dessus && minuit_apres() - j_.t_etoiles < quatre_minutes) {
        sortie.t = minuit_apres() + quatre_minutes;
    }
    if (opinion_ == avis_beth_din && sortie.existe) {
        const auto [jour_h, mois_h] = contexte_.vaudrel ? jour_mois_hebreu() : std::pair{0, 0};
        const bool kippour = jour_h == jour_kippour && mois_h == mois_tichri;
        sortie.t = sortie_beth_din(sortie.t, j_.t_etoiles, {j_.annee, j_.mois, j_.jour},
                                   contexte_.vaudrel, kippour);
    }
    ecrit(ModeArrondi::plus_tard, sortie, &DayTimes::t_sortie, &DayTimes::heureSOR);

    const Croisement nuit = soir(j_.angles.nuit, j_.o_nuit);
    nuit_existe_ = nuit.existe;
    ecrit(ModeArrondi::plus_tard, nuit, &DayTimes::t_nuit, &DayTimes::heureN);
}

// The book layouts: dawn and night 72 seasonal minutes (1.2 seasonal hours)
// from sunrise and sunset, and the end of the Chema of that day.
void CalculJour::heures_72_minutes()
{
    j_.t_aube72 = j_.t_lever - soixante_douze_minutes * j_.heure_saison_lc;
    ecrit(ModeArrondi::normal, j_.t_aube72, &DayTimes::heureA72);
    j_.t_nuit72 = j_.t_coucher + soixante_douze_minutes * j_.heure_saison_lc;
    ecrit(ModeArrondi::plus_tard, j_.t_nuit72, &DayTimes::heureN72);
    j_.t_chema72 = j_.t_aube72 + heures_fin_chema * (j_.t_nuit72 - j_.t_aube72) / 12;
    ecrit(ModeArrondi::plus_tot, j_.t_chema72, &DayTimes::heureC72);
}

} // namespace orvane::zmanim::detail
