#include "events/years/year_tables.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/years/year_type.h"
#include "platform/text.h"

namespace orvane::events
{

namespace
{

using engine::cadre_nombre;
using engine::complete_espaces;

const std::string marge = "      ";

std::string nombre(long long n, int largeur)
{
    return complete_espaces(std::to_string(n), largeur);
}

std::string jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

/// The row of year `annee`, set up in `e`: the table lends one record to
/// all its rows.
std::string ligne_tableau_de_types(engine::CalendarEngine& e, int annee)
{
    const TypeAnnee t = type_de_l_annee(e, annee);
    std::string l =
        nombre(annee, 7) + complete_espaces(signes_rh[static_cast<std::size_t>(t.jour_rh)], 3) +
        complete_espaces(signes_nature[static_cast<std::size_t>(t.nature_annee)], 4) +
        complete_espaces(signes_pessah[static_cast<std::size_t>(t.jour_pessah)], 5) +
        complete_espaces(jour(t.jour_rh), 11) + std::to_string(t.hechvan) + "  " +
        std::to_string(t.kislev) + "     " + std::to_string(e.longueur_mois_hebr[6]) + "  ";
    if (t.embolismique) {
        l += nombre(e.longueur_mois_hebr[7], 6) + complete_espaces(jour(t.jour_pessah), 11) +
             "Embolism";
    } else {
        l += " -    " + complete_espaces(jour(t.jour_pessah), 11) + "Commune  ";
    }
    // Columns counted after the margin (past the 80 characters that
    // complete_espaces keeps).
    l = platform::pad_right(l, 75) + std::to_string(cycle_lunaire(annee).place);
    l = platform::pad_right(l, 80) + std::to_string(cycle_solaire(annee).place);
    l = platform::pad_right(l, 82) + "     " + std::to_string(t.longueur) + " j";
    return marge + l;
}

} // namespace

std::string ligne_tableau_de_types(int annee)
{
    engine::CalendarEngine e;
    return ligne_tableau_de_types(e, annee);
}

std::vector<std::string> tableau_de_types(int premiere, int nb_annees, int increment)
{
    engine::CalendarEngine e;
    std::vector<std::string> lignes = {
        marge + "CARACTERISTIQUES DES ANNEES",
        marge + "Années   Type    " + "   Roche     He  Ki Adar(I)ADAR II" +
            " Pessah    Com/Emb  Cycle   Cycle   Nombre",
        "                       Hachana                                            Lunaire Solaire "
        "de jours",
        ""};
    int ecrites = 0;
    for (long long annee = premiere;
         ecrites < nb_annees && annee >= 1 && annee <= derniere_annee_types; annee += increment) {
        lignes.push_back(ligne_tableau_de_types(e, static_cast<int>(annee)));
        ++ecrites;
        if (increment == 0) {
            break;
        }
    }
    return lignes;
}

int premiere_annee_grille(int annee_courante)
{
    return annee_courante - annee_courante % 10 - 99;
}

std::vector<std::string> types_des_annees(int premiere, int derniere)
{
    engine::CalendarEngine e;
    const std::string avant = "     " + std::string("  ");
    const std::string egal(51, '=');
    std::vector<std::string> lignes = {
        avant + std::string(45, '=') + "h\"b===",
        avant + " TYPE DES ANNEES   " + std::to_string(premiere) + "  A  " +
            std::to_string(derniere),
        avant + " hfwcp   (COMMUNE)  \t\thcb , gjb , hkg , ach , zkh , gcz , ajz",
        avant + " trbwum  (EMBOLISMIQUE)\tzcb , hjb , zkg , gch , ajh , hcz , gjz",
        avant + egal,
        avant + " 10  \t  9\t  8\t  7\t  6\t  5\t  4\t  3\t  2\t  1   ANNEES",
        " "};
    const int r = static_cast<int>(engine::floor_mod(premiere, 10));
    const int fin = derniere + static_cast<int>(engine::floor_mod(-derniere, 10));
    std::string rangee = std::to_string(premiere);
    for (int annee = premiere; annee <= fin; ++annee) {
        if (annee > derniere) {
            rangee = "  \t" + rangee;
        } else {
            rangee = signe_hebreu(type_de_l_annee(e, annee)) + " \t" + rangee;
        }
        if (engine::floor_mod(annee + 1, 10) == r) {
            if (annee != premiere) {
                lignes.push_back(avant + rangee);
            }
            rangee = std::to_string(annee + 1);
        }
    }
    if (rangee.find('\t') != std::string::npos) {
        lignes.push_back(rangee);
    }
    return lignes;
}

std::vector<std::string> tableau_cycles_series(int premiere, int derniere)
{
    std::vector<std::string> lignes;
    if (derniere <= premiere) {
        return lignes;
    }
    engine::CalendarEngine e;
    std::string annees;
    std::string cycles;
    std::string series;
    for (int n = 1;; ++n) {
        const int f = 19 * (n - 1) + 1;
        if (f >= derniere_annee_cycles) {
            break;
        }
        annees += nombre(f, 5);
        cycles += nombre(n, 5);
        series += nombre(serie_de_l_annee(e, f).serie, 5);
        if (n % 19 == 0) {
            if (premiere < f && f < derniere + 361) {
                lignes.push_back(marge + "Années " + annees);
                lignes.push_back(marge + "Cycles " + cycles);
                lignes.push_back(marge + "Séries " + series);
                lignes.emplace_back();
            }
            annees.clear();
            cycles.clear();
            series.clear();
        }
    }
    return lignes;
}

std::vector<std::string> liste_cycles_series(int centaines)
{
    engine::CalendarEngine e;
    std::vector<std::string> lignes = {"    \t                     <------- MOLAD DU CYCLE ------>",
                                       "    An. Héb  Cycles  Séries   jour\t   Heures\thalakim  ",
                                       ""};
    for (int f = 1; f < derniere_annee_cycles && f <= 100 * centaines; f += 19) {
        const int serie = serie_de_l_annee(e, f).serie;
        const BorneSerie m = molad_hebdomadaire(e.molad_tichri);
        lignes.push_back("    " + cadre_nombre(f, 5) + "\t" +
                         std::to_string(cycle_lunaire(f).numero) + "  \t" + "  " +
                         cadre_nombre(serie, 2) + "\t" + complete_espaces(jour(m.jour), 11) +
                         complete_espaces(cadre_nombre(m.heure, 2), 4) + "heures " +
                         complete_espaces(cadre_nombre(m.halakim, 4), 4) + " hal   ");
    }
    return lignes;
}

} // namespace orvane::events
