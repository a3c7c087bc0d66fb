// Year types, cycles and series.

#include "engine/calendar_engine.h"
#include "events/years/year_type.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

TEST(TypeDeLAnnee, Annees5785Et5784)
{
    CalendarEngine e;
    const TypeAnnee t = type_de_l_annee(e, 5785);
    EXPECT_EQ(t.jour_rh, 5);
    EXPECT_EQ(t.nature_annee, 2);
    EXPECT_EQ(t.jour_pessah, 1);
    EXPECT_EQ(t.longueur, 355);
    EXPECT_FALSE(t.embolismique);
    EXPECT_EQ(signe_latin(t), "HA CHA A");
    EXPECT_EQ(signe_hebreu(t), "ach");

    const TypeAnnee b = type_de_l_annee(e, 5784);
    EXPECT_EQ(signe_latin(b), "ZA 'HA G");
    EXPECT_EQ(b.longueur, 383);
    EXPECT_EQ(b.jour_pessah, 3);
    EXPECT_EQ(signe_hebreu(b), "gjz");
}

// Fourteen types exist: Roch-Hachana on Monday, Tuesday, Thursday or
// Chabbat, Pessa'h on Sunday, Tuesday, Thursday or Chabbat, and the length
// follows from the two.
TEST(TypeDeLAnnee, QuatorzeTypesSeulement)
{
    CalendarEngine e;
    std::set<std::string> communes;
    std::set<std::string> embolismiques;
    for (int annee = 3860; annee <= 13759; ++annee) {
        const TypeAnnee t = type_de_l_annee(e, annee);
        ASSERT_TRUE(t.jour_rh == 2 || t.jour_rh == 3 || t.jour_rh == 5 || t.jour_rh == 7);
        ASSERT_TRUE(t.jour_pessah == 1 || t.jour_pessah == 3 || t.jour_pessah == 5 ||
                    t.jour_pessah == 7)
            << annee;
        (t.embolismique ? embolismiques : communes).insert(signe_hebreu(t));
    }
    EXPECT_EQ(communes, (std::set<std::string>{"hcb", "gjb", "hkg", "ach", "zkh", "gcz", "ajz"}));
    EXPECT_EQ(embolismiques,
              (std::set<std::string>{"zcb", "hjb", "zkg", "gch", "ajh", "hcz", "gjz"}));
}

TEST(Cycles, PlacesDansLesCycles)
{
    EXPECT_EQ(cycle_lunaire(5785).numero, 305);
    EXPECT_EQ(cycle_lunaire(5785).place, 9);
    EXPECT_EQ(cycle_solaire(5769).place, 1);
    EXPECT_EQ(cycle_solaire(5797).place, 1);
    EXPECT_EQ(cycle_solaire(5785).place, 17);
    EXPECT_EQ(cycle_chemita(5782).place, 7);
    EXPECT_EQ(cycle_lunaire(1).numero, 1);
    EXPECT_EQ(cycle_lunaire(19).place, 19);
    EXPECT_EQ(cycle_lunaire(20).place, 1);
}

TEST(Series, BornesEnOrdreCroissant)
{
    for (std::size_t s = 2; s <= 61; ++s) {
        const BorneSerie a = bornes_series[s - 1];
        const BorneSerie b = bornes_series[s];
        const long long va = (a.jour * 24LL + a.heure) * 1080 + a.halakim;
        const long long vb = (b.jour * 24LL + b.heure) * 1080 + b.halakim;
        EXPECT_LT(va, vb) << s;
    }
}

TEST(Series, MoladSurLesBornes)
{
    const auto molad = [](int jour, int heure, int halakim) {
        return ((jour - 1) * 24LL + heure) * 1080 + halakim + 24 * 1080; // day 1 = Sunday
    };
    EXPECT_EQ(serie_du_molad(molad(1, 0, 408)), 61); // equal to the first bound
    EXPECT_EQ(serie_du_molad(molad(1, 0, 409)), 1);
    EXPECT_EQ(serie_du_molad(molad(1, 5, 333)), 1);
    EXPECT_EQ(serie_du_molad(molad(1, 5, 334)), 2);
    EXPECT_EQ(serie_du_molad(molad(7, 20, 561)), 61);
    EXPECT_EQ(serie_du_molad(molad(2, 5, 204)), 10);
}

TEST(Series, Annee1EtPremieresSeriesTrouvees)
{
    CalendarEngine e;
    const SerieAnnee un = serie_de_l_annee(e, 1);
    EXPECT_EQ(un.serie, 10);
    EXPECT_EQ(un.rang, 1);
    const BorneSerie m = molad_hebdomadaire(e.molad_tichri);
    EXPECT_EQ(m.jour, 2);
    EXPECT_EQ(m.heure, 5);
    EXPECT_EQ(m.halakim, 204);
    EXPECT_EQ(serie_de_l_annee(e, 20).serie, 32);
    EXPECT_EQ(serie_de_l_annee(e, 39).serie, 56);
    EXPECT_EQ(serie_de_l_annee(e, 58).serie, 20);
    EXPECT_EQ(serie_de_l_annee(e, 77).serie, 43);
    EXPECT_EQ(serie_de_l_annee(e, 191).serie, 1);
    const SerieAnnee s = serie_de_l_annee(e, 5785);
    EXPECT_EQ(s.rang, 9);
    EXPECT_EQ(e.annee_hebr, 5777);
    int premiere_serie_1 = 0;
    for (int f = 1; premiere_serie_1 == 0; f += 19) {
        if (serie_de_l_annee(e, f).serie == 1) {
            premiere_serie_1 = f;
        }
    }
    EXPECT_EQ(premiere_serie_1, 191);
}

// The series of a cycle fixes the types of its nineteen years.
TEST(Series, UneSerieUneSuiteDeTypes)
{
    CalendarEngine e;
    std::map<int, std::string> types_par_serie;
    for (int premiere = 1; premiere < 20000; premiere += 19) {
        const int serie = serie_de_l_annee(e, premiere).serie;
        std::string types;
        for (int annee = premiere; annee < premiere + 19; ++annee) {
            types += signe_hebreu(type_de_l_annee(e, annee)) + " ";
        }
        const auto [it, nouveau] = types_par_serie.emplace(serie, types);
        ASSERT_EQ(it->second, types) << "series " << serie << " at " << premiere;
        (void)nouveau;
    }
    EXPECT_GE(types_par_serie.size(), 40u);
}

} // namespace
} // namespace orvane::events
