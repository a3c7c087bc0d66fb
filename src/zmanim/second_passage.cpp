// The second pass: every event evaluated with the sun of its own instant,
// from dawn to the night of Rabbénou Tam.
#include "zmanim/calcul_jour.h"
#include "zmanim/chabbat.h"
#include "zmanim/opinions.h"
#include "zmanim/soleil.h"

namespace orvane::zmanim::detail
{

namespace
{

/// A number written with a leading "0" below 10: the dawn texts of the Rav
/// Rottenberg adjustment.
std::string texte_aube(int valeur)
{
    std::string t = std::to_string(valeur);
    return valeur < 10 && t.size() < 2 ? "0" + t : t;
}

constexpr int mois_tamouz = 11;

} // namespace

bool CalculJour::second_passage()
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
    j_.etiquette_trace = "CHA'HAR OM";
    ecrit(ModeArrondi::normal, aube, &DayTimes::t_aube, &DayTimes::heureA);

    const Croisement tephilin = matin(j_.angles.tephilin, j_.o_tephilin);
    j_.etiquette_trace = "TEPHILIN OM";
    ecrit(ModeArrondi::plus_tard, tephilin, &DayTimes::t_tephilin, &DayTimes::heureT);
}

bool CalculJour::lever_et_coucher()
{
    evalue(j_.angles.lever_coucher, j_.o_lever);
    if (est_marqueur(j_.heure_lever)) {
        declare_polaire();
        return false;
    }
    j_.t_lever = j_.heure_lever;
    j_.etiquette_trace = "LEVER DU SOLEIL (NETS)";
    ecrit(ModeArrondi::normal, j_.t_lever, &DayTimes::heureL);
    if (opinion_ == avis_or_meir && reglages_.mode_rav_rottenberg) {
        ajuste_aube_rav_rottenberg();
    }

    evalue(j_.angles.lever_coucher, j_.o_coucher);
    j_.t_coucher = j_.heure_coucher;
    j_.etiquette_trace = "COUCHER DU SOLEIL (CHEKIA)";
    ecrit(ModeArrondi::plus_tot, j_.t_coucher, &DayTimes::heureC);

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
    if ((lever_h * 60 + lever_m) - (aube_h * 60 + aube_m) < 90) {
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
    j_.heureA.heures = texte_aube(aube_h);
    j_.heureA.minutes = texte_aube(aube_m);
}

// Min'ha Guédola half a seasonal hour after midday, but never less than
// half an hour; Min'ha Kétana two and a half and the plag one and a quarter
// seasonal hours before sunset.
void CalculJour::apres_midi()
{
    const double demi_heure = (j_.t_coucher - j_.t_lever) / 24;
    const bool minimum = demi_heure <= 0.5;
    j_.t_mincha_gedola = j_.t_hatsot + (minimum ? 0.5 : demi_heure);
    j_.etiquette_trace = "GUEDOLA";
    ecrit(minimum ? ModeArrondi::normal : ModeArrondi::plus_tard, j_.t_mincha_gedola,
          &DayTimes::heureMG);

    j_.t_mincha_ketana = j_.t_coucher - 2.5 * j_.heure_saison_lc;
    ecrit(ModeArrondi::plus_tard, j_.t_mincha_ketana, &DayTimes::heureMK);

    j_.t_plag = j_.t_coucher - 1.25 * j_.heure_saison_lc;
    j_.etiquette_trace = "PLAG";
    ecrit(ModeArrondi::plus_tard, j_.t_plag, &DayTimes::heureP);
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
    j_.etiquette_trace = "TSET OM";
    ecrit(ModeArrondi::plus_tard, etoiles, &DayTimes::t_etoiles, &DayTimes::heureTSE);

    const Croisement chema = soir(j_.angles.etoiles_chema, j_.o_etoiles_chema);
    j_.etiquette_trace = "TSET Chema";
    ecrit(ModeArrondi::plus_tard, chema, &DayTimes::t_etoiles_chema, &DayTimes::heureTSECHEMA);

    // In a white night the exit is solar midnight, and at least 4 minutes
    // after the stars.
    Croisement sortie = soir(j_.angles.sortie, j_.o_sortie);
    if (j_.heure_lever == toujours_au_dessus && minuit_apres() - j_.t_etoiles < 1.0 / 15) {
        sortie.t = minuit_apres() + 1.0 / 15;
    }
    if (opinion_ == avis_beth_din && sortie.existe) {
        const auto [jour_h, mois_h] = contexte_.vaudrel ? jour_mois_hebreu() : std::pair{0, 0};
        sortie.t = sortie_beth_din(sortie.t, j_.t_etoiles, j_.jour, j_.mois, j_.annee,
                                   contexte_.vaudrel, jour_h == 10 && mois_h == 1);
    }
    ecrit(ModeArrondi::plus_tard, sortie, &DayTimes::t_sortie, &DayTimes::heureSOR);

    const Croisement nuit = soir(j_.angles.nuit, j_.o_nuit);
    ecrit(ModeArrondi::plus_tard, nuit, &DayTimes::t_nuit, &DayTimes::heureN);
}

// The book layouts: dawn and night 72 seasonal minutes (1.2 seasonal hours)
// from sunrise and sunset, and the end of the Chema of that day.
void CalculJour::heures_72_minutes()
{
    j_.t_aube72 = j_.t_lever - 1.2 * j_.heure_saison_lc;
    ecrit(ModeArrondi::normal, j_.t_aube72, &DayTimes::heureA72);
    j_.t_nuit72 = j_.t_coucher + 1.2 * j_.heure_saison_lc;
    ecrit(ModeArrondi::plus_tard, j_.t_nuit72, &DayTimes::heureN72);
    j_.t_chema72 = j_.t_aube72 + 3 * (j_.t_nuit72 - j_.t_aube72) / 12;
    ecrit(ModeArrondi::plus_tot, j_.t_chema72, &DayTimes::heureC72);
}

} // namespace orvane::zmanim::detail
