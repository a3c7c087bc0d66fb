#include "documents/divers_tables.h"

#include "documents/divers_pages.h"
#include "events/cycles/molad_rows.h"
#include "events/cycles/season_rows.h"
#include "events/glossary_entry.h"
#include "events/lists/date_lists.h"
#include "events/years/series_table.h"
#include "events/years/year_tables.h"
#include "places/france_summer_time.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"
#include "zmanim/sun/equation_of_time.h"

#include <algorithm>

namespace orvane::documents
{

namespace
{

using events::EntreesDivers;
using events::ModeDivers;
using Lignes = std::vector<std::string>;

void ajoute(Lignes& a, const Lignes& b)
{
    a.insert(a.end(), b.begin(), b.end());
}

events::ChoixLevana choix_levana(const EntreesDivers& e, const ContexteDivers& c)
{
    events::ChoixLevana choix;
    choix.options.table =
        c.levana_israel ? events::TableLevana::israel : events::TableLevana::france;
    choix.sepharade = e.coche1;
    if (c.tables_ete != nullptr) {
        choix.options.heure_ete = places::heure_ete_france(*c.tables_ete);
    }
    if (e.houmra) {
        choix.options.houmra = zmanim::minutes_houmra_equation;
    }
    return choix;
}

bool avance(const ContexteDivers& c, std::size_t fait, std::size_t total, int annee)
{
    if (!c.progres || total == 0) {
        return true;
    }
    return c.progres(static_cast<int>(fait * 100 / total), std::to_string(annee));
}

// The tables that walk the years themselves, for `nb` years from `premiere`.
Lignes table_des_annees(ModeDivers mode, const EntreesDivers& e, int premiere, int nb,
                        const ContexteDivers& c)
{
    const int k = e.increment;
    const events::DemandeListe liste{premiere, nb, k};
    switch (mode) {
    case ModeDivers::moladot:
        return events::table_moladot(premiere, nb, k, e.mois);
    case ModeDivers::tekoufot:
        return events::table_tekoufot(premiere, nb, k, e.mois);
    case ModeDivers::guechamim:
        return events::table_guechamim(premiere, nb, k, e.coche1, e.web);
    case ModeDivers::hahama:
        return events::table_birkat_hahama(premiere, nb, k);
    case ModeDivers::roch_hodech:
        return events::liste_roch_hodech(liste, e.mois);
    case ModeDivers::visites:
        return events::liste_visites(liste);
    case ModeDivers::mariages:
        return events::mariages_interdits(liste);
    case ModeDivers::tableau_types:
        return events::tableau_de_types(premiere, nb, k);
    case ModeDivers::ceremonies_bar_mitsva:
        return events::ceremonies_bar_mitsva(premiere, nb, !e.coche1, c.diaspora);
    case ModeDivers::levana: {
        Lignes r;
        const events::ChoixLevana choix = choix_levana(e, c);
        for (int i = 0, y = premiere; i < nb; ++i, y += k) {
            ajoute(r, events::table_levana(y, choix));
        }
        return r;
    }
    default:
        return {};
    }
}

Lignes soixante_et_une_series(const ContexteDivers& c, ResultatDivers& r)
{
    const events::Series s =
        events::lit_ou_calcule_series(c.repertoire, [&c](int pourcent, int annee, int serie) {
            return !c.progres ||
                   c.progres(pourcent, std::to_string(annee) + "   " + std::to_string(serie));
        });
    r.du_fichier = s.du_fichier;
    r.arrete = s.lignes.empty();
    return s.du_fichier ? events::texte_61_series(s.lignes) : s.lignes;
}

// The tables that take no year loop of ours.
Lignes table_sans_boucle(ModeDivers mode, const EntreesDivers& e, const ContexteDivers& c,
                         ResultatDivers& r)
{
    switch (mode) {
    case ModeDivers::visites_interdites:
        return events::visites_interdites();
    case ModeDivers::types_annees:
        return events::types_des_annees(e.annee_hebr, e.derniere_hebr);
    case ModeDivers::series_61:
        return soixante_et_une_series(c, r);
    case ModeDivers::tableau_cycles:
        return events::tableau_cycles_series(e.annee_hebr, e.derniere_hebr);
    case ModeDivers::liste_cycles:
        return events::liste_cycles_series(e.nb_annees);
    default:
        return {};
    }
}

bool sans_boucle(ModeDivers mode)
{
    return mode == ModeDivers::visites_interdites || mode == ModeDivers::types_annees ||
           mode == ModeDivers::series_61 || mode == ModeDivers::tableau_cycles ||
           mode == ModeDivers::liste_cycles;
}

EntreesDivers dans_les_bornes(ModeDivers mode, EntreesDivers e)
{
    const int max = events::annee_max(mode);
    e.annee_hebr = std::min(e.annee_hebr, max);
    e.derniere_hebr = std::clamp(e.derniere_hebr, 0, max);
    e.nb_annees = std::clamp(e.nb_annees, 0, events::nb_annees_maximum(mode));
    e.increment = std::clamp(e.increment, 1, max);
    return e;
}

// One page per year, each from the text of that year alone; the text
// shown is the last year's.
Lignes pages_par_annee(ModeDivers mode, const EntreesDivers& e, const ContexteDivers& c,
                       ResultatDivers& r)
{
    const events::PagesWeb& web = *events::description(mode).web;
    if (mode == ModeDivers::visites_interdites || mode == ModeDivers::hahama) {
        // One page for the whole table, under its first year.
        Lignes texte = mode == ModeDivers::hahama
                           ? events::table_birkat_hahama(e.annee_hebr, e.nb_annees, e.increment)
                           : events::visites_interdites();
        const ResultatPage p = page_divers(c.repertoire, web, e.annee_hebr, texte);
        if (p.construite) {
            r.pages_construites.push_back(p.page);
        }
        return texte;
    }
    Lignes texte;
    const std::vector<int> annees = annees_de_la_table(mode, e);
    for (std::size_t i = 0; i < annees.size(); ++i) {
        if (!avance(c, i, annees.size(), annees[i])) {
            r.arrete = true;
            break;
        }
        texte = table_des_annees(mode, e, annees[i], 1, c);
        const ResultatPage p = page_divers(c.repertoire, web, annees[i], texte);
        if (p.construite) {
            r.pages_construites.push_back(p.page);
        }
    }
    return texte;
}

} // namespace

std::vector<int> annees_de_la_table(ModeDivers mode, const EntreesDivers& entrees)
{
    const EntreesDivers e = dans_les_bornes(mode, entrees);
    std::vector<int> r;
    for (int i = 0, y = e.annee_hebr; i < e.nb_annees && y >= 1 && y <= events::annee_max(mode);
         ++i, y += e.increment) {
        r.push_back(y);
    }
    return r;
}

ResultatDivers calcule_divers(ModeDivers mode, const EntreesDivers& entrees,
                              const ContexteDivers& c)
{
    ResultatDivers r;
    const EntreesDivers e = dans_les_bornes(mode, entrees);
    if (e.annee_hebr < 0 && events::description(mode).controles.annees) {
        return r;
    }
    if (events::limite_inferieure(mode, e)) {
        r.lignes = {std::string(events::message_limite_inferieure)};
        return r;
    }
    r.calcule = true;
    r.lignes = events::entete_divers(mode, e);
    const auto& web = events::description(mode).web;
    if (e.web && web.has_value() && events::description(mode).controles.web) {
        r.lignes = pages_par_annee(mode, e, c, r);
    } else if (sans_boucle(mode)) {
        ajoute(r.lignes, table_sans_boucle(mode, e, c, r));
    } else {
        // The tables stop at the mode's last year; Birkat Ha'hama counts
        // its span of years itself.
        const int nb = mode == ModeDivers::hahama
                           ? e.nb_annees
                           : static_cast<int>(annees_de_la_table(mode, e).size());
        ajoute(r.lignes, table_des_annees(mode, e, e.annee_hebr, nb, c));
    }
    return r;
}

std::vector<std::string> glossaire_divers(ModeDivers mode, const std::filesystem::path& repertoire)
{
    const Lignes fichier =
        platform::read_lines(platform::lookup_ignoring_case(repertoire, events::fichier_glossaire));
    Lignes r;
    for (std::string_view cle : events::description(mode).cles_glossaire) {
        const std::optional<Lignes> entree = events::entree_glossaire(fichier, cle, true);
        ajoute(r, entree ? *entree : Lignes{events::message_glossaire_absent(cle)});
    }
    return r;
}

} // namespace orvane::documents
