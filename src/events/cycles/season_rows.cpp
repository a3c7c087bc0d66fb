#include "events/cycles/season_rows.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/saved_dates.h"

#include <cstdio>

namespace orvane::events
{

namespace
{

using engine::complete_espaces;

const std::string marge = "      ";

std::string nombre(long long n, int largeur)
{
    return complete_espaces(std::to_string(n), largeur);
}

std::string annee_ecrite(int annee, int largeur)
{
    return nombre(engine::annee_civile_ecrite(annee), largeur);
}

std::string mois_civil(int mois, int largeur)
{
    return complete_espaces(engine::mois_civils[static_cast<std::size_t>(mois)], largeur);
}

std::string mois_hebreu(int mois, int annee, int largeur)
{
    return complete_espaces(engine::nom_mois_hebreu(mois, engine::annee_hebr_embolismique(annee)),
                            largeur);
}

std::string nom_jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

/// First year from `premiere` on that starts a solar cycle (Y ≡ 1 mod 28).
int premier_debut_de_cycle(int premiere)
{
    return premiere + static_cast<int>(engine::floor_mod(1 - premiere, 28));
}

std::string ligne_hahama(const Tekoufa& t, int annee)
{
    return t.nom_jour + nombre(t.jour_civil, 3) + mois_civil(t.mois_civil, 5) +
           annee_ecrite(t.annee_civile, 5) + " ---> " + nombre(t.jour_hebr, 3) +
           mois_hebreu(t.mois_hebr, t.annee_hebr, 0) + " " + std::to_string(annee);
}

std::vector<std::string> notes_guechamim(std::string_view avant)
{
    std::vector<std::string> n = {"La Chéélat Guéchamim commence toujours dès la veille au soir",
                                  "du jour indiqué ci-dessous, à la prière de 'Arvit.",
                                  "Si la Chéélat Guéchamim tombe un Chabbat, elle sera récitée",
                                  "dès la sortie du Chabbat",
                                  "Le Tikoune Hatal est récité à partir du matin du 15 Nissan",
                                  "qui est aussi le 1er jour de Pessa'h"};
    for (std::string& l : n) {
        l = std::string(avant) + l;
    }
    return n;
}

std::string ligne_priere(std::string_view nom, int annee, const DateGuechamim& d,
                         std::string_view marge_ligne)
{
    return std::string(marge_ligne) + std::string(nom) + std::to_string(annee) + " : " +
           complete_espaces(nom_jour(d.jour_semaine), 10) + nombre(d.jour_hebr, 3) +
           mois_hebreu(d.mois_hebr, d.annee_hebr, 9) + nombre(d.annee_hebr, 7) + "--->    " +
           nombre(d.civile.jour, 3) + mois_civil(d.civile.mois, 9) +
           std::to_string(engine::annee_civile_ecrite(d.civile.annee));
}

/// 15 Nissan, the first morning of the prayer for dew.
DateGuechamim date_tal(engine::CalendarEngine& e, int annee)
{
    const DatesSauvees sauve(e);
    e.convertit_hebreu_civil(annee, 8, 15);
    return {{e.annee_civile, e.mois_civil, e.jour_civil}, annee, 8, 15, e.jour_semaine};
}

} // namespace

std::string heure_tekoufa(double heures)
{
    const int h = static_cast<int>(heures);
    const int mn = static_cast<int>((heures - h) * 60);
    char texte[32];
    std::snprintf(texte, sizeof texte, " %2dh %2dmn", h, mn);
    return texte;
}

std::string ligne_tekoufa(int annee, int numero, const Tekoufa& t)
{
    return marge + complete_espaces(noms_tekoufot[static_cast<std::size_t>(numero)], 8) +
           nombre(annee, 7) + complete_espaces(t.nom_jour, 10) + nombre(t.jour_civil, 3) +
           mois_civil(t.mois_civil, 10) + annee_ecrite(t.annee_civile, 6) + "à " +
           complete_espaces(heure_tekoufa(t.heures), 10) + " --->  " + nombre(t.jour_hebr, 4) +
           mois_hebreu(t.mois_hebr, t.annee_hebr, 9) + nombre(t.annee_hebr, 7);
}

std::vector<std::string> table_tekoufot(int premiere, int nb_annees, int increment, int seule)
{
    engine::CalendarEngine e;
    const int derniere = premiere + (nb_annees - 1) * increment;
    std::vector<std::string> lignes = {marge + "Tékoufot pour les années " +
                                       std::to_string(premiere) + " " + std::to_string(derniere)};
    for (int n = 0; n < nb_annees; ++n) {
        const int annee = premiere + n * increment;
        const auto saisons = detail::calcule_tekoufot(e, annee);
        lignes.push_back(marge + "Tékoufa : Année " + std::to_string(annee));
        for (int i = 1; i <= 4; ++i) {
            if (seule == 0 || seule == i) {
                lignes.push_back(ligne_tekoufa(annee, i, saisons[static_cast<std::size_t>(i)]));
            }
            if (annee == 1 && i == 2) {
                lignes.emplace_back();
                lignes.push_back(
                    marge + "Les deux premières Tekoufot sont théoriques (données par le calcul)");
                lignes.emplace_back();
            }
        }
    }
    return lignes;
}

std::vector<std::string> table_birkat_hahama(int premiere, int nb_annees, int increment)
{
    constexpr int derniere_annee_permise = 210169;
    engine::CalendarEngine e;
    const Tekoufa premiere_tekoufa = detail::calcule_tekoufot(e, 1)[3];
    std::vector<std::string> lignes = {
        marge + "Première Tékoufa de Nissan",
        marge + premiere_tekoufa.nom_jour + std::to_string(premiere_tekoufa.jour_civil) + " " +
            std::string(
                engine::mois_civils[static_cast<std::size_t>(premiere_tekoufa.mois_civil)]) +
            " " + std::to_string(engine::annee_civile_ecrite(premiere_tekoufa.annee_civile)) +
            " ---> " + std::to_string(premiere_tekoufa.jour_hebr) + " " +
            mois_hebreu(premiere_tekoufa.mois_hebr, premiere_tekoufa.annee_hebr, 0) + "an " +
            std::to_string(premiere_tekoufa.annee_hebr) + "   0 heure  (théorique)",
        marge + "Mardi    25 Mars -3760 ---> 21 Adar   an 1  18 heures (montre)", "",
        marge + "Birkat Hahama : Calcul depuis l'année " + std::to_string(premiere)};
    const int limite = std::min(premiere + nb_annees, derniere_annee_permise);
    for (int annee = premier_debut_de_cycle(premiere); annee <= limite;
         annee += std::max(increment, 1)) {
        if (engine::floor_mod(annee, 28) != 1) {
            continue;
        }
        const bool prochain = annee == 5797;
        if (prochain) {
            lignes.push_back("   Prochain ---------------------");
        }
        lignes.push_back(marge + ligne_hahama(detail::calcule_tekoufa_nissan(e, annee), annee));
        if (prochain) {
            lignes.push_back("   ------------------------------");
        }
    }
    return lignes;
}

namespace detail
{

DateGuechamim date_guechamim(engine::CalendarEngine& e, int annee, bool diaspora)
{
    const DatesSauvees sauve(e);
    DateGuechamim d;
    if (diaspora) {
        d.civile = calcule_guechamim(calcule_tekoufot(e, annee)[1]);
        e.convertit_civil_hebreu(d.civile.annee, d.civile.mois, d.civile.jour);
    } else {
        e.convertit_hebreu_civil(annee, 2, 7);
        d.civile = {e.annee_civile, e.mois_civil, e.jour_civil};
    }
    d.annee_hebr = e.annee_hebr;
    d.mois_hebr = e.mois_hebr;
    d.jour_hebr = e.jour_hebr;
    d.jour_semaine = e.jour_semaine;
    return d;
}

} // namespace detail

DateGuechamim date_guechamim(int annee, bool diaspora)
{
    engine::CalendarEngine e;
    return detail::date_guechamim(e, annee, diaspora);
}

std::vector<std::string> table_guechamim(int premiere, int nb_annees, int increment, bool diaspora,
                                         bool web)
{
    engine::CalendarEngine e;
    const std::string titre = diaspora ? "Guéchamim/Tal en Diaspora" : "Guéchamim/Tal en Israël";
    std::vector<std::string> lignes;
    const auto notes = [&](std::string_view avant) {
        for (std::string& l : notes_guechamim(avant)) {
            lignes.push_back(std::move(l));
        }
    };
    if (!web) {
        lignes.push_back(marge + titre);
        notes(marge);
        lignes.emplace_back();
    }
    const std::string marge_ligne = web ? "  " : "     ";
    for (int n = 0; n < nb_annees; ++n) {
        const int annee = premiere + n * increment;
        if (web) {
            lignes.push_back("  " + titre);
            lignes.emplace_back(" ");
            notes("  ");
            lignes.back() += ".";
            lignes[lignes.size() - 3] += ".";
            lignes.emplace_back(" ");
        }
        lignes.push_back(ligne_priere("Chéélat Guechamim  ", annee,
                                      detail::date_guechamim(e, annee, diaspora), marge_ligne));
        lignes.push_back(
            ligne_priere("Tikoun Hatal       ", annee, date_tal(e, annee), marge_ligne));
    }
    return lignes;
}

} // namespace orvane::events
