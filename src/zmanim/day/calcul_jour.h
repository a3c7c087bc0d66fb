// Inside `horaires_du_jour`: the computation of one day, step by step. Not
// for use outside the zmanim library.
#pragma once

#include "zmanim/day/horaires_jour.h"

#include <string_view>
#include <utility>

namespace orvane::zmanim::detail
{

/// 72 minutes in hours: four mils of walking at 18 minutes the mil, from dawn
/// to sunrise and from sunset to night; as a factor of a seasonal hour, 72
/// seasonal minutes.
inline constexpr double soixante_douze_minutes = 72.0 / 60;
static_assert(soixante_douze_minutes == 1.2);

// Seasonal hours, twelfths of the day, counted from its beginning: the Chema
// is read by the end of the third, the morning prayer by the end of the
// fourth; the tenth begins after nine.
inline constexpr int heures_fin_chema = 3;
inline constexpr int heures_fin_tefila = 4;
inline constexpr int heures_avant_dixieme = 9;

// Seasonal hours counted back from the end of the day: Min'ha Kétana two and
// a half, the plag hamin'ha one and a quarter.
inline constexpr double heures_mincha_ketana = 2.5;
inline constexpr double heures_plag = 1.25;

/// A crossing as an event uses it: the time and whether the day has one.
struct Croisement {
    double t = 0;
    bool existe = true;
};

class CalculJour
{
public:
    CalculJour(const DemandeJour& demande, ZmanimSettings& reglages, DayTimes& jour,
               const ContexteCalcul& contexte);

    /// The whole day; the results are in `jour`.
    void execute();

private:
    // horaires_jour.cpp: preparation, the first pass with the sun of 12 h
    // UT, the end of the day.
    void commence_jour();
    bool prepare();
    bool prepare_angles();
    void prepare_regles();
    bool premier_passage();
    void passe_angles_midi();
    void declare_polaire();
    void apres_creneaux();

    // passages.cpp: calls of the solar routine for one event.
    void evalue(double sinus, double decalage, bool coordonnees_du_soleil = false);
    double offset_premier_passage(double sinus, bool matin);
    Croisement matin(double sinus, double decalage);
    Croisement soir(double sinus, double decalage);
    Croisement crepuscule(double sinus, bool matin);
    double minuit_avant() const { return j_.t_hatsot - 12; }
    double minuit_apres() const { return j_.t_hatsot + 12; }

    // ecriture.cpp: a time rounded into its slot, traced under its label
    // (none: not traced).
    void ecrit(ModeArrondi mode, double t, TexteHoraire DayTimes::*creneau,
               std::string_view etiquette = {});
    void ecrit(ModeArrondi mode, const Croisement& c, double DayTimes::*t,
               TexteHoraire DayTimes::*creneau, std::string_view etiquette = {});
    void ecrit_duree(double heures, TexteHoraire DayTimes::*creneau);

    // evenements_du_jour.cpp: the second pass, each event with the sun at
    // its own instant, from dawn to the night of Rabbénou Tam.
    bool evenements_du_jour();
    void aube_et_tephilin();
    bool lever_et_coucher();
    void ajuste_aube_rav_rottenberg();
    void apres_midi();
    void entree_chabbat();
    void etoiles_sortie_nuit();
    void heures_72_minutes();

    // avis.cpp: the rules of the opinions, then the times from dawn to night.
    void avis_particuliers();
    void bureau_des_longitudes();
    void aube_nuit_proportionnelles(double facteur, bool heures_saisonnieres);
    void pavee();
    void admour();
    void heures_aube_nuit();
    void heures_de_l_aube_a_la_nuit();
    void sans_heures_de_l_aube_a_la_nuit();

    /// Day and month of the Hebrew date of the day (month 1 Tichri … 11 Tamouz).
    [[nodiscard]] std::pair<int, int> jour_mois_hebreu() const;

    const DemandeJour& demande_;
    ZmanimSettings& reglages_;
    DayTimes& j_;
    const ContexteCalcul& contexte_;
    ReglesArrondi regles_;
    std::string opinion_; // name of the computation
    bool bdl_ = false;    // twilights of the "Bureau des Longitudes"
    double facteur_ = 0;  // proportion of the "Mils" opinions
    bool ligne_ = false;  // a row is asked and someone takes it
    // The sun reaches the angle of dawn, of night, on the day: without either
    // the day from dawn to night has no length to divide into hours.
    bool aube_existe_ = false;
    bool nuit_existe_ = false;
};

} // namespace orvane::zmanim::detail
