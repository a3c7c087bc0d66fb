// Moladot of the months of a year and the days on which they fall.

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

namespace orvane::engine
{
namespace
{

namespace ref = orvane::reference;

TEST(Molad, TichriEtNissan5784)
{
    CalendarEngine e;
    e.calcule_molad_mois(1, 5784);
    const EntreeMolad& tichri = e.table_molad[1];
    EXPECT_EQ(tichri.jour_semaine, 6);
    EXPECT_EQ(tichri.texte, "5h49m0hl");
    EXPECT_EQ(tichri.jour_civil, 15);
    EXPECT_EQ(tichri.mois_civil, 9);
    EXPECT_EQ(tichri.annee_civile, 2023);
    EXPECT_EQ(tichri.jour_hebr, 29);
    EXPECT_EQ(tichri.mois_hebr, 13);
    EXPECT_EQ(tichri.annee_hebr, 5783);

    e.calcule_molad_mois(8, 5784, true);
    const EntreeMolad& nissan = e.table_molad[8];
    EXPECT_EQ(nissan.jour_semaine, 2);
    EXPECT_EQ(nissan.texte, "22h 57mn  7hl (23s)");
    EXPECT_EQ(nissan.annee_civile, 2024);
    EXPECT_EQ(nissan.mois_civil, 4);
    EXPECT_EQ(nissan.jour_civil, 8);
    EXPECT_EQ(nissan.jour_hebr, 29);
    EXPECT_EQ(nissan.mois_hebr, 7);
    EXPECT_EQ(nissan.annee_hebr, 5784);
}

// In a common year Nissan is the seventh month from Tichri, and slot 7 is
// cleared.
TEST(Molad, AnneeCommuneSansAdarII)
{
    CalendarEngine e;
    e.calcule_molad_mois(1, 5785);
    e.calcule_molad_mois(8, 5785);
    e.calcule_molad_mois(7, 5785);
    EXPECT_EQ(e.table_molad[7].jour_semaine, 0);
    EXPECT_EQ(e.table_molad[7].texte, "");
    EXPECT_EQ(e.table_molad[7].annee_civile, 0);

    // Six mean months after the molad of Tichri (3 October 2024, 3 h 21 mn
    // 13 hl on the clock): Saturday 29 March 2025 at 7 h 46 mn 1 hl.
    const EntreeMolad& nissan = e.table_molad[8];
    EXPECT_EQ(nissan.jour_semaine, 7);
    EXPECT_EQ(nissan.heures, 7);
    EXPECT_EQ(nissan.minutes, 46);
    EXPECT_EQ(nissan.halakim, 1);
    EXPECT_EQ(nissan.mois_hebr, 6) << "the day before 1 Nissan is in Adar";
}

// The fields of the date are left as they were found.
TEST(Molad, LesChampsDeDateSontRendus)
{
    CalendarEngine e;
    e.convertit_civil_hebreu(2025, 1, 5);
    e.calcule_molad_mois(14, 5790, true);
    EXPECT_EQ(e.annee_civile, 2025);
    EXPECT_EQ(e.mois_civil, 1);
    EXPECT_EQ(e.jour_civil, 5);
    EXPECT_EQ(e.annee_hebr, 5785);
    EXPECT_EQ(e.mois_hebr, 4);
    EXPECT_EQ(e.jour_hebr, 5);
}

// Over many years each molad falls within the six days before the 1st of
// its month (or on it), its dates agree with each other, and the moladot of
// successive months are one mean month apart.
TEST(Molad, JourDuMoladDansLaSemaineDuPremierDuMois)
{
    CalendarEngine e;
    for (int annee = 3860; annee <= 13759; annee += 7) {
        const bool embolismique = annee_hebr_embolismique(annee);
        std::int64_t precedent = -1;
        for (int slot = 1; slot <= 14; ++slot) {
            if (slot == 7 && !embolismique) {
                continue;
            }
            e.calcule_molad_mois(slot, annee);
            const EntreeMolad& m = e.table_molad[static_cast<std::size_t>(slot)];
            const int mois = slot == 14 ? 1 : slot;
            const int annee_mois = slot == 14 ? annee + 1 : annee;
            const std::int64_t premier = ref::fixed_from_hebrew({annee_mois, mois, 1});
            const std::int64_t jour =
                ref::fixed_from_hebrew({m.annee_hebr, m.mois_hebr, m.jour_hebr});
            ASSERT_GE(jour, premier - 6) << annee << " slot " << slot;
            ASSERT_LE(jour, premier) << annee << " slot " << slot;
            ASSERT_EQ(ref::fixed_from_civil({m.annee_civile, m.mois_civil, m.jour_civil}), jour);
            ASSERT_EQ(ref::weekday(jour), m.jour_semaine);
            // Time of the molad in halakim from the start of its civil day.
            const std::int64_t instant =
                jour * halakim_par_jour + m.heures * 1080 + m.minutes * 18 + m.halakim;
            if (precedent >= 0) {
                ASSERT_EQ(instant - precedent, mois_moyen) << annee << " slot " << slot;
            }
            precedent = instant;
        }
    }
}

} // namespace
} // namespace orvane::engine
