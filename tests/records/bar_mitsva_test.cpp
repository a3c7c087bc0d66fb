// Bar-Mitsva and Bat-Mitsva dates over every combination of common and leap
// years, their Sabbath and its reading.

#include "events/readings/bar_mitsva.h"
#include "records/bar_mitsva.h"
#include "records/carrying.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace orvane::records
{
namespace
{

namespace ref = orvane::reference;
using engine::DateCivile;
using engine::DateHebraique;

// Leap years: 5771, 5782, 5784, 5787. Common: 5758, 5772, 5783, 5785, 5797.
TEST(DateBarMitsva, ReglesDAdar)
{
    struct Cas {
        const char* nom;
        DateHebraique naissance;
        Sexe sexe;
        DateHebraique attendu;
    };
    const Cas cas[] = {
        {"Adar d'une année commune, cible embolismique",
         {5758, 6, 14},
         Sexe::garcon,
         {5771, 7, 14}},
        {"Adar I, cible embolismique", {5771, 6, 14}, Sexe::garcon, {5784, 6, 14}},
        {"Adar I, cible commune", {5771, 6, 14}, Sexe::fille, {5783, 6, 14}},
        {"Adar II, cible embolismique", {5771, 7, 7}, Sexe::garcon, {5784, 7, 7}},
        {"Adar II, cible commune", {5771, 7, 7}, Sexe::fille, {5783, 6, 7}},
        {"Adar commun, cible commune", {5772, 6, 29}, Sexe::garcon, {5785, 6, 29}},
        {"30 Adar I, cible embolismique", {5771, 6, 30}, Sexe::garcon, {5784, 6, 30}},
        {"30 Adar I, cible commune", {5771, 6, 30}, Sexe::fille, {5783, 8, 1}},
        {"30 Hechvan, Hechvan de 29 jours", {5771, 2, 30}, Sexe::garcon, {5784, 3, 1}},
        {"30 Kislev, Kislev de 29 jours", {5772, 3, 30}, Sexe::fille, {5784, 4, 1}},
        {"Tichri", {5772, 1, 24}, Sexe::garcon, {5785, 1, 24}},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(events::date_bar_mitsva(c.naissance, c.sexe == Sexe::fille), c.attendu) << c.nom;
    }
}

// Every birth date of two centuries, boy and girl: the date exists, and it
// is the birth date carried to the target year by the anniversary rules
// (two formulations of the same rules agree). All four pairs of common and
// leap years occur.
TEST(DateBarMitsva, ExisteEtSuitLesReglesDAnniversaire)
{
    std::set<std::pair<bool, bool>> combinaisons;
    for (int annee = 5600; annee < 5800; ++annee) {
        for (Sexe sexe : {Sexe::garcon, Sexe::fille}) {
            const int cible = annee + (sexe == Sexe::garcon ? 13 : 12);
            combinaisons.insert({ref::hebrew_leap(annee), ref::hebrew_leap(cible)});
            for (int mois = 1; mois <= 13; ++mois) {
                for (int jour = 1; jour <= ref::month_length(annee, mois); ++jour) {
                    const DateHebraique r =
                        events::date_bar_mitsva({annee, mois, jour}, sexe == Sexe::fille);
                    ASSERT_GE(ref::month_length(r.annee, r.mois), r.jour)
                        << jour << '/' << mois << '/' << annee;
                    ASSERT_EQ(r, reporte_date({annee, mois, jour}, cible))
                        << jour << '/' << mois << '/' << annee;
                }
            }
        }
    }
    EXPECT_EQ(combinaisons.size(), 4u);
}

// 24 Tichri 5785 is Saturday 26 October 2024, Berèchit.
TEST(PanneauBarMitsva, SamediDeBerechit)
{
    const BarMitsva b = calcule_bar_mitsva({5772, 1, 24}, Sexe::garcon, true);
    EXPECT_EQ(b.date.civile, (DateCivile{2024, 10, 26}));
    EXPECT_EQ(b.chabbat, b.date);
    EXPECT_EQ(b.titre, "Paracha de Bar-Mitsva");
    EXPECT_EQ(b.ligne_date, "   Chabbat   26 Octobre 2024 = 24 Tichri  5785");
    EXPECT_EQ(b.ligne_chabbat, "Chabbat Bar-Mitsva : Berèchit");
    const BarMitsva f = calcule_bar_mitsva({5773, 1, 24}, Sexe::fille, true);
    EXPECT_EQ(f.titre, "Paracha de Bat-Mitsva");
    EXPECT_EQ(f.ligne_chabbat, "Chabbat Bat-M. Berèchit");
}

// Thursday 3 October 2024 (1 Tichri 5785): the Sabbath is 3 Tichri, Haazinou.
TEST(PanneauBarMitsva, LeSamediSuivantLaDate)
{
    const BarMitsva b = calcule_bar_mitsva({5772, 1, 1}, Sexe::garcon, true);
    EXPECT_EQ(b.ligne_date, "   Jeudi     3 Octobre 2024 = 1 Tichri  5785");
    EXPECT_EQ(b.chabbat.civile, (DateCivile{2024, 10, 5}));
    EXPECT_EQ(b.chabbat.hebraique, (DateHebraique{5785, 1, 3}));
    EXPECT_EQ(b.paracha.rfind("Haazinou", 0), 0u) << b.paracha;
}

// 5 Iyar 5785 (3 May 2025), Tazria and Metsora read together.
TEST(PanneauBarMitsva, LecturesJointes)
{
    const BarMitsva b = calcule_bar_mitsva({5772, 9, 5}, Sexe::garcon, true);
    EXPECT_EQ(b.chabbat.civile, (DateCivile{2025, 5, 3}));
    EXPECT_EQ(b.paracha, "Tazria Metsora");
}

// 8 Adar 5785 (8 March 2025), the Sabbath before Pourim: Zakhor.
TEST(PanneauBarMitsva, ChabbatSpecial)
{
    const BarMitsva b = calcule_bar_mitsva({5772, 6, 8}, Sexe::garcon, true);
    EXPECT_EQ(b.chabbat.civile, (DateCivile{2025, 3, 8}));
    EXPECT_EQ(b.paracha, "Tetsavè"); // the reading alone, as the readings list has it
}

// Born on 29 Adar of a common year with a common target year: the Sabbath
// after the Bar-Mitsva date is reached through 1 Nissan, never an Adar II.
TEST(PanneauBarMitsva, DuDernierAdarAuSamediDeNissan)
{
    // 29 Adar 5785 is Saturday 29 March 2025 itself; 28 Adar 5785 a Friday.
    const BarMitsva b = calcule_bar_mitsva({5772, 6, 28}, Sexe::garcon, true);
    EXPECT_EQ(b.date.jour_semaine, 6);
    EXPECT_EQ(b.chabbat.hebraique, (DateHebraique{5785, 6, 29}));
    // 29 Adar 5786 (common) is Wednesday 18 March 2026: Chabbat 3 Nissan.
    const BarMitsva c = calcule_bar_mitsva({5773, 6, 29}, Sexe::garcon, true);
    EXPECT_EQ(c.date.civile, (DateCivile{2026, 3, 18}));
    EXPECT_EQ(c.chabbat.hebraique, (DateHebraique{5786, 8, 3}));
    EXPECT_EQ(c.chabbat.civile, (DateCivile{2026, 3, 21}));
}

TEST(Civilite, GarconFilleOuManquante)
{
    for (const char* c : {"M", "M.", "Mr", "Rav", " M. "}) {
        EXPECT_EQ(sexe_de_la_civilite(c), Sexe::garcon) << c;
    }
    for (const char* c : {"Mme", "Mle"}) {
        EXPECT_EQ(sexe_de_la_civilite(c), Sexe::fille) << c;
    }
    for (const char* c : {"", "Dr", "mme"}) {
        EXPECT_FALSE(sexe_de_la_civilite(c).has_value()) << c;
    }
    EXPECT_EQ(message_civilite_manquante,
              "Le champ \"M Mme ou Mle\" doit être obligatoirement renseigné\r");
}

} // namespace
} // namespace orvane::records
