// Inside `horaires_du_jour`: the computation of one day, step by step. Not
// for use outside the zmanim library.
#pragma once

#include "zmanim/horaires_jour.h"

#include <utility>

namespace orvane::zmanim::detail
{

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
    // horaires_jour.cpp: preparation, first pass, the end of the day.
    void commence_jour();
    bool prepare();
    bool prepare_angles();
    void prepare_regles();
    bool premier_passage();
    void passe_angles_midi();
    void declare_polaire();
    void apres_creneaux();

    // passages.cpp: calls of the solar routine and writing of the slots.
    void evalue(double sinus, double decalage);
    double offset_premier_passage(double sinus, bool matin);
    Croisement matin(double sinus, double decalage);
    Croisement soir(double sinus, double decalage);
    Croisement crepuscule(double sinus, bool matin);
    void ecrit(ModeArrondi mode, double t, TexteHoraire DayTimes::*creneau);
    void ecrit(ModeArrondi mode, const Croisement& c, double DayTimes::*t,
               TexteHoraire DayTimes::*creneau);
    void ecrit_duree(double heures, TexteHoraire DayTimes::*creneau);
    double minuit_avant() const { return j_.t_hatsot - 12; }
    double minuit_apres() const { return j_.t_hatsot + 12; }

    // second_passage.cpp: S2 to S12.
    bool second_passage();
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
};

} // namespace orvane::zmanim::detail
