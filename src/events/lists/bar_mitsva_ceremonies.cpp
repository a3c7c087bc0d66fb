// The table of the Bar-Mitsva (or Bat-Mitsva) ceremonies of a Hebrew year:
// one line per Chabbat, with the first and the last birth day of the
// children whose ceremony falls in the week that this Chabbat ends, the
// Chabbat's civil and Hebrew date and its reading.
//
//   "  du Di 20 11 2011 au Ch 26 11 2011 -->  30 11 2024 = 29 Hechvan 5785  Toledot"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "events/festivals/day_labels.h"
#include "events/lists/ceremony_reading.h"
#include "events/lists/ceremony_weeks.h"
#include "events/lists/date_lists.h"
#include "events/lists/list_rows.h"
#include "events/readings/parachiot.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

std::string deux_chiffres(int n)
{
    return engine::complete_zeros(std::to_string(n), 2);
}

std::vector<std::string> entete(int annee, bool fille)
{
    return {" ",
            "   ANNEE " + std::to_string(annee) + " = " +
                std::to_string(engine::annee_civile_ecrite(annee - 3761)) + " / " +
                std::to_string(engine::annee_civile_ecrite(annee - 3760)),
            " ",
            std::string("         Dates de naissance                Chabbat de Ba") +
                (fille ? "t" : "r") + "-Mitsva        Sidra-Paracha / Chabbat spécial",
            " "};
}

/// "30 11 2024 = 29 Hechvan 5785  Toledot": the Chabbat held in `e`, with
/// its reading.
std::string date_et_lecture(const engine::CalendarEngine& e, bool diaspora)
{
    LibellesDuJour l = libelles_du_jour(e, diaspora);
    paracha_du_jour(e, diaspora, l);
    return deux_chiffres(e.jour_civil) + " " + deux_chiffres(e.mois_civil) + " " +
           std::to_string(engine::annee_civile_ecrite(e.annee_civile)) + " = " +
           deux_chiffres(e.jour_hebr) + " " + nom_du_mois(e.annee_hebr, e.mois_hebr) + " " +
           std::to_string(e.annee_hebr) + "  " + lecture_de_ceremonie(l);
}

void table_de_l_annee(engine::CalendarEngine& e, int annee, bool fille, bool diaspora,
                      std::vector<std::string>& lignes)
{
    const std::vector<SemaineDeCeremonie> semaines = semaines_de_ceremonie(e, annee, fille);
    if (semaines.empty()) {
        return;
    }
    for (std::string& l : entete(annee, fille)) {
        lignes.push_back(std::move(l));
    }
    for (const SemaineDeCeremonie& s : semaines) {
        e.convertit_civil_hebreu(s.chabbat.annee, s.chabbat.mois, s.chabbat.jour);
        lignes.push_back("  du " + date_courte(s.premiere_naissance) + " au " +
                         date_courte(s.derniere_naissance) + " -->  " +
                         date_et_lecture(e, diaspora));
    }
}

} // namespace

std::vector<std::string> ceremonies_bar_mitsva(int annee, int nb_tables, bool fille, bool diaspora)
{
    engine::CalendarEngine e;
    std::vector<std::string> lignes;
    // The years before the first with births write nothing: start there.
    const long long fin = static_cast<long long>(annee) + std::max(nb_tables, 0);
    for (long long a = std::max(annee, 1); a < fin && a <= derniere_annee_des_listes; ++a) {
        table_de_l_annee(e, static_cast<int>(a), fille, diaspora, lignes);
    }
    return lignes;
}

} // namespace orvane::events
