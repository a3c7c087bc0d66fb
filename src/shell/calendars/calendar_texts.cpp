#include "shell/calendars/calendar_texts.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/cycles/seasons.h"
#include "events/festivals/day_labels.h"
#include "events/readings/parachiot.h"
#include "events/years/characteristics.h"
#include "events/years/year_type.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane::shell
{

namespace
{

using engine::CalendarEngine;
using engine::DateCivile;
using engine::DateHebraique;

constexpr int nissan = 8;
constexpr int iyar = 9;
constexpr int sivan = 10;

std::string nom(std::string_view padded)
{
    return platform::trim(padded);
}

std::string texte_cycle(events::PlaceCycle c, std::string_view fin)
{
    return std::to_string(c.place) + events::suffixe_ordinal(c.place) + " année du " +
           std::to_string(c.numero) + std::string(fin);
}

/// The label tables pad with "-" and "*": blanks on the screen.
std::string sans_remplissage(std::string texte)
{
    std::replace(texte.begin(), texte.end(), '-', ' ');
    std::replace(texte.begin(), texte.end(), '*', ' ');
    return texte;
}

bool commence_par_une_lettre(std::string_view texte)
{
    return !texte.empty() && (std::isalpha(static_cast<unsigned char>(texte.front())) != 0 ||
                              static_cast<unsigned char>(texte.front()) >= 0x80);
}

/// Festival, reading, special Sabbath and note of the day converted in `e`.
std::string libelles(const CalendarEngine& e, bool diaspora)
{
    events::LibellesDuJour l = events::libelles_du_jour(e, diaspora);
    if (e.jour_semaine == 7) {
        events::paracha_du_jour(e, diaspora, l);
    }
    std::string ligne;
    if (l.indice_fete < 49) {
        ligne = platform::trim(sans_remplissage(l.nom_fete));
    }
    const std::string paracha = events::texte_paracha(l);
    if (e.jour_semaine == 7 && commence_par_une_lettre(paracha)) {
        ligne += " Paracha : " + paracha;
    }
    const std::string special = events::nom_chabbat_special(l);
    if (!special.empty()) {
        ligne += " Chabbat " + special;
    }
    const std::string note = platform::trim(sans_remplissage(l.nom_jour));
    if (l.indice_jour > 0 && commence_par_une_lettre(note)) {
        ligne += " " + note;
    }
    return sans_remplissage(ligne);
}

void ajoute_saisons(JourDesCalendriers& j, bool diaspora)
{
    const std::array<events::Tekoufa, 5> saisons = events::calcule_tekoufot(j.hebreu.annee);
    for (std::size_t i = 1; i < saisons.size(); ++i) {
        const events::Tekoufa& t = saisons[i];
        if (DateCivile{t.annee_civile, t.mois_civil, t.jour_civil} == j.civil) {
            j.tekoufa = nom(events::noms_tekoufot[i]);
            j.heure_tekoufa = t.heures;
        }
    }
    j.guechamim = diaspora && engine::veille(events::calcule_guechamim(saisons[1])) == j.civil;
}

/// The texts of the day converted in `e`.
JourDesCalendriers decrit(CalendarEngine& e, bool diaspora)
{
    JourDesCalendriers j;
    j.civil = {e.annee_civile, e.mois_civil, e.jour_civil};
    j.hebreu = {e.annee_hebr, e.mois_hebr, e.jour_hebr};
    j.jour_semaine = e.jour_semaine;
    j.civile_bissextile = engine::annee_civile_bissextile(j.civil.annee);
    j.hebraique_embolismique = engine::annee_hebr_embolismique(j.hebreu.annee);
    const std::string jour = nom(engine::jours_semaine[static_cast<std::size_t>(j.jour_semaine)]);
    j.date_hebraique = jour + " " + std::to_string(j.hebreu.jour) + " " +
                       nom(engine::nom_mois_hebreu(j.hebreu.mois, j.hebraique_embolismique)) + " " +
                       std::to_string(j.hebreu.annee);
    j.date_civile = jour + " " + std::to_string(j.civil.jour) + " " +
                    std::string(engine::mois_civils[static_cast<std::size_t>(j.civil.mois)]) + " " +
                    std::to_string(engine::annee_civile_ecrite(j.civil.annee));
    j.types_annees = texte_types_annees(j.civile_bissextile, j.hebraique_embolismique);
    j.etat = platform::trim_right(libelles(e, diaspora) + texte_omer_du_jour(j.hebreu));
    if (j.civile_bissextile) {
        j.etat += " Bisextile";
    }
    j.octobre_1582 = j.civil.annee == 1582 && j.civil.mois == 10;
    ajoute_saisons(j, diaspora);
    return j;
}

} // namespace

std::string texte_types_annees(bool civile_bissextile, bool hebraique_embolismique)
{
    return std::string(civile_bissextile ? "Année civile bissextile" : "Année civile commune") +
           (hebraique_embolismique ? " - Année hébraïque embolismique (13 mois)"
                                   : " - Année hébraïque commune (12 mois)");
}

std::string texte_omer_du_jour(const DateHebraique& d)
{
    int n = 0;
    if (d.mois == nissan && d.jour >= 16) {
        n = d.jour - 15;
    } else if (d.mois == iyar) {
        n = d.jour + 15;
    } else if (d.mois == sivan && d.jour <= 5) {
        n = d.jour + 44;
    }
    if (n == 0) {
        return {};
    }
    return " " + std::to_string(n) + (n == 1 ? "er" : "e") + " jour de Omer";
}

std::string heure_decimale(double heures)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.1f", heures);
    std::string s(texte);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string heure_et_minutes(double heures)
{
    const long minutes = std::lround(heures * 60.0);
    char texte[32];
    std::snprintf(texte, sizeof texte, "%ldh%02ldmn", minutes / 60, minutes % 60);
    return texte;
}

TextesCycles textes_cycles(int annee_hebr)
{
    TextesCycles t;
    t.solaire = texte_cycle(events::cycle_solaire(annee_hebr), "e cycle solaire");
    t.lunaire = texte_cycle(events::cycle_lunaire(annee_hebr), "e cycle lunaire") +
                (engine::annee_hebr_embolismique(annee_hebr) ? " - année embolismique"
                                                             : " - année commune");
    t.chemita = texte_cycle(events::cycle_chemita(annee_hebr), "e cycle de chemita");
    return t;
}

JourDesCalendriers jour_du_civil(const DateCivile& d, bool diaspora)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    return decrit(e, diaspora);
}

JourDesCalendriers jour_de_l_hebreu(const DateHebraique& d, bool diaspora)
{
    CalendarEngine e;
    e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
    // The labels read the Hebrew registers of the date's own year.
    e.annee_hebr = d.annee;
    e.mois_hebr = d.mois;
    e.jour_hebr = d.jour;
    return decrit(e, diaspora);
}

std::string etat_fenetre_hebraique(const JourDesCalendriers& j)
{
    if (!j.tekoufa.empty()) {
        return "Tékoufa de " + j.tekoufa + " à " + heure_decimale(j.heure_tekoufa) + "h";
    }
    return j.etat;
}

std::string etat_fenetre_civile(const JourDesCalendriers& j)
{
    std::string ligne = j.etat;
    if (!j.tekoufa.empty()) {
        ligne += " Tk " + heure_et_minutes(j.heure_tekoufa);
    }
    if (j.guechamim) {
        ligne += " Guéchamim";
    }
    return ligne;
}

} // namespace orvane::shell
