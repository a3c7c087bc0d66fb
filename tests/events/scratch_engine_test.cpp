// The functions that set up their years in a calendar record of their own,
// and the forms that walk many years in one record they are lent.
//
// A record keeps the registers of its last years; a table that walks
// hundreds of years shares one record so that it keeps them. Each result
// must still depend on the year asked alone: a far year asked in between,
// or a record that last served other years, changes nothing.

#include "engine/calendar_engine.h"
#include "events/cycles/molad_rows.h"
#include "events/cycles/season_rows.h"
#include "events/cycles/seasons.h"
#include "events/festivals/consistory.h"
#include "events/festivals/festival_lines.h"
#include "events/festivals/festivals_text.h"
#include "events/years/year_tables.h"
#include "events/years/year_type_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

auto champs(const Tekoufa& t)
{
    return std::make_tuple(t.jour_civil, t.mois_civil, t.annee_civile, t.jour_hebr, t.mois_hebr,
                           t.annee_hebr, t.jour_semaine, t.nom_jour, t.heures);
}

auto champs(const DateGuechamim& d)
{
    return std::make_tuple(d.civile, d.annee_hebr, d.mois_hebr, d.jour_hebr, d.jour_semaine);
}

auto champs(const EntreeDatee& d)
{
    return std::make_tuple(d.fete, d.jour_civil, d.mois_civil, d.annee_civile, d.jour_semaine);
}

auto champs(const LignesCiopLevana& l)
{
    return std::make_tuple(l.molad, l.debut, l.fin, l.molad_tsv, l.debut_tsv, l.fin_tsv);
}

auto champs(const TexteAnneeFetes& t)
{
    return std::make_tuple(t.lignes, t.caracteristiques);
}

/// The date fields that a lent record must get back.
auto dates(const CalendarEngine& e)
{
    return std::make_tuple(e.annee_hebr, e.mois_hebr, e.jour_hebr, e.annee_civile, e.mois_civil,
                           e.jour_civil, e.jour_semaine);
}

/// Years of the whole range in an order that jumps across it: 7919 is prime
/// to the 9900 years, so every year comes once, never next to the last one.
std::vector<int> annees_en_desordre(int pas)
{
    std::vector<int> annees;
    for (int k = 0; k < 9900; k += pas) {
        annees.push_back(3860 + static_cast<int>((static_cast<long long>(k) * 7919) % 9900));
    }
    return annees;
}

// 5785 (common, seasons in a Gregorian year), then 13061 (the season of
// Tamouz in September) and 5343 (a Julian season of Tichri), then 5785
// again: the texts of 5785 are those of the first call.
TEST(RegistreDeCalcul, UneAnneeLointaineEntreDeuxAppelsNeChangeRien)
{
    const TexteTypeAnnee type = texte_type_annee(5785, 2025);
    const auto saisons = calcule_tekoufot(5785);
    const Tekoufa nissan = calcule_tekoufa_nissan(5785);
    const DateGuechamim pluie = date_guechamim(5785, true);
    const LignesCiopLevana adar = lignes_ciop_levana(6, 5785, {});
    const std::string ligne = ligne_tableau_de_types(5785);
    const TexteAnneeFetes fetes = texte_annee_fetes(5785, {});
    for (int lointaine : {13061, 5343, 3860}) {
        (void)texte_type_annee(lointaine, lointaine - 3760);
        (void)calcule_tekoufot(lointaine);
        (void)date_guechamim(lointaine, false);
        (void)lignes_ciop_levana(7, lointaine, {});
        (void)texte_annee_fetes(lointaine, {});

        EXPECT_EQ(texte_type_annee(5785, 2025).lignes, type.lignes) << lointaine;
        for (std::size_t i = 1; i <= 4; ++i) {
            EXPECT_EQ(champs(calcule_tekoufot(5785)[i]), champs(saisons[i])) << lointaine;
        }
        EXPECT_EQ(champs(calcule_tekoufa_nissan(5785)), champs(nissan)) << lointaine;
        EXPECT_EQ(champs(date_guechamim(5785, true)), champs(pluie)) << lointaine;
        EXPECT_EQ(champs(lignes_ciop_levana(6, 5785, {})), champs(adar)) << lointaine;
        EXPECT_EQ(ligne_tableau_de_types(5785), ligne) << lointaine;
        EXPECT_EQ(champs(texte_annee_fetes(5785, {})), champs(fetes)) << lointaine;
    }
}

// One record lent for every year of the range, taken out of order, gives
// what a new record gives for each year, and its date fields come back.
TEST(RegistrePrete, SaisonsEtPluieCommeDansUnRegistreNeuf)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2025, 1, 5);
    const auto avant = dates(e);
    for (int annee : annees_en_desordre(1)) {
        const auto prete = detail::calcule_tekoufot(e, annee);
        const auto neuf = calcule_tekoufot(annee);
        for (std::size_t i = 1; i <= 4; ++i) {
            ASSERT_EQ(champs(prete[i]), champs(neuf[i])) << annee << " saison " << i;
        }
        ASSERT_EQ(champs(detail::calcule_tekoufa_nissan(e, annee)),
                  champs(calcule_tekoufa_nissan(annee)))
            << annee;
        for (bool diaspora : {true, false}) {
            ASSERT_EQ(champs(detail::date_guechamim(e, annee, diaspora)),
                      champs(date_guechamim(annee, diaspora)))
                << annee << (diaspora ? " Diaspora" : " Israël");
        }
        ASSERT_EQ(dates(e), avant) << annee;
    }
}

TEST(RegistrePrete, LevanaEtDatesDesFetesCommeDansUnRegistreNeuf)
{
    CalendarEngine e;
    ChoixLevana choix;
    choix.sepharade = true;
    CalendarEngine liste;
    for (int annee : annees_en_desordre(37)) {
        for (int slot = 1; slot <= 13; ++slot) {
            e.convertit_civil_hebreu(2025, 1, 5);
            const auto avant = dates(e);
            ASSERT_EQ(champs(detail::lignes_ciop_levana(e, slot, annee, choix)),
                      champs(lignes_ciop_levana(slot, annee, choix)))
                << annee << " mois " << slot;
            ASSERT_EQ(dates(e), avant) << annee << " mois " << slot;
        }
        // The entries of both lists, dated one by one in the lent record,
        // one by one in new records, and all together.
        for (bool diaspora : {true, false}) {
            const auto entrees =
                liste_fetes_annee(liste, annee, {true, true, diaspora, ModeListe::consistoire});
            const std::vector<EntreeDatee> ensemble = dates_des_entrees(entrees);
            ASSERT_EQ(ensemble.size(), entrees.size());
            for (std::size_t k = 0; k < entrees.size(); ++k) {
                const EntreeFete& f = entrees[k];
                const EntreeDatee seule = date_de_l_entree(f);
                ASSERT_EQ(champs(detail::date_de_l_entree(e, f)), champs(seule))
                    << annee << " " << f.mois_hebr << "/" << f.jour_hebr;
                ASSERT_EQ(champs(ensemble[k]), champs(seule))
                    << annee << " " << f.mois_hebr << "/" << f.jour_hebr;
            }
        }
    }
}

// The tables share one record over all their years; each of their rows is
// the row that its year gives alone.
TEST(TablesSurUnRegistre, TypesDesAnneesCommeAnneeParAnnee)
{
    constexpr int pas = 43;
    const auto table = tableau_de_types(1, 5000, pas); // years 1 to 214958
    ASSERT_EQ(table.size(), 4u + 5000u);
    for (std::size_t k = 0; k < 5000; ++k) {
        const int annee = 1 + static_cast<int>(k) * pas;
        ASSERT_EQ(table[4 + k], ligne_tableau_de_types(annee)) << annee;
    }
}

TEST(TablesSurUnRegistre, SaisonsCommeAnneeParAnnee)
{
    const auto table = table_tekoufot(13759, 396, -25); // down to 3884
    std::vector<std::string> attendu = {table.front()};
    for (int n = 0; n < 396; ++n) {
        const int annee = 13759 - 25 * n;
        attendu.push_back("      Tékoufa : Année " + std::to_string(annee));
        const auto saisons = calcule_tekoufot(annee);
        for (int i = 1; i <= 4; ++i) {
            attendu.push_back(ligne_tekoufa(annee, i, saisons[static_cast<std::size_t>(i)]));
        }
    }
    EXPECT_EQ(table, attendu);
}

// The rain table of several years: the notes once, then the two lines of
// each year as the table of that year alone writes them (in the layout of
// the web pages each year repeats its notes).
TEST(TablesSurUnRegistre, PluieEtMoladotCommeAnneeParAnnee)
{
    for (bool diaspora : {true, false}) {
        const auto table = table_guechamim(3860, 300, 33, diaspora);
        const auto web = table_guechamim(3860, 300, 33, diaspora, true);
        std::vector<std::string> attendu;
        std::vector<std::string> attendu_web;
        for (int n = 0; n < 300; ++n) {
            const auto seule = table_guechamim(3860 + 33 * n, 1, 1, diaspora);
            attendu.insert(attendu.end(), seule.begin() + (n == 0 ? 0 : 8), seule.end());
            const auto seule_web = table_guechamim(3860 + 33 * n, 1, 1, diaspora, true);
            attendu_web.insert(attendu_web.end(), seule_web.begin(), seule_web.end());
        }
        EXPECT_EQ(table, attendu) << diaspora;
        EXPECT_EQ(web, attendu_web) << diaspora;
    }

    const auto moladot = table_moladot(5000, 200, 19);
    std::vector<std::string> attendu = {moladot.front()};
    for (int n = 0; n < 200; ++n) {
        const auto seule = table_moladot(5000 + 19 * n, 1, 1);
        attendu.insert(attendu.end(), seule.begin() + 1, seule.end());
    }
    EXPECT_EQ(moladot, attendu);
}

// The consistory files and the festivals text walk the months or the
// entries of a year in one record: their lines are those of each month or
// entry alone.
TEST(TablesSurUnRegistre, FichiersDuConsistoireEtFetesCommeUnParUn)
{
    ChoixLevana choix;
    for (int annee : {5784, 5785, 3860, 13759}) {
        const std::vector<FichierCiop> fichiers = fichiers_levana_ciop(annee, choix);
        std::vector<std::string> molad(fichiers[0].lignes.begin(), fichiers[0].lignes.begin() + 2);
        for (int slot = 1; slot <= 13; ++slot) {
            if (const LignesCiopLevana l = lignes_ciop_levana(slot, annee, choix);
                !l.molad.empty()) {
                molad.push_back(l.molad);
            }
        }
        EXPECT_EQ(fichiers[0].lignes, molad) << annee;

        CalendarEngine e;
        const TexteAnneeFetes t = texte_annee_fetes(annee, {});
        const std::vector<EntreeFete> liste = liste_fetes_annee(e, annee, {});
        ASSERT_EQ(t.entrees.size(), liste.size()) << annee;
        const std::size_t debut = t.lignes.size() - liste.size();
        for (std::size_t k = 0; k < liste.size(); ++k) {
            const EntreeDatee d = date_de_l_entree(liste[k]);
            EXPECT_EQ(champs(t.entrees[k]), champs(d)) << annee;
            EXPECT_EQ(t.lignes[debut + k], ligne_fenetre_fetes(d)) << annee;
        }
    }
}

} // namespace
} // namespace orvane::events
