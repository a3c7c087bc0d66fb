// The year list of festivals and fasts.

#include "engine/calendar_engine.h"
#include "events/festivals/year_list.h"
#include "events/year_walk.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::events
{
namespace
{

using engine::CalendarEngine;

std::vector<EntreeFete> liste(int annee, bool diaspora = true,
                              ModeListe mode = ModeListe::fenetre_fetes, bool fetes = true,
                              bool jeunes = true)
{
    CalendarEngine e;
    return liste_fetes_annee(e, annee, {fetes, jeunes, diaspora, mode});
}

std::vector<EntreeFete> avec_indice(const std::vector<EntreeFete>& l, int indice)
{
    std::vector<EntreeFete> r;
    std::copy_if(l.begin(), l.end(), std::back_inserter(r),
                 [indice](const EntreeFete& f) { return f.indice == indice; });
    return r;
}

TEST(ListeFetesAnnee, Annee5785EnDiaspora)
{
    const auto l = liste(5785);
    ASSERT_EQ(l.size(), 44u);
    EXPECT_EQ(l.front(), (EntreeFete{5785, 1, 1, 1, 'F', false}));
    // 3 Tichri 5785 is a Saturday: the fast of Guedalia is on Sunday the 4th.
    EXPECT_EQ(l[2], (EntreeFete{5785, 1, 4, 2, ' ', true}));
    EXPECT_EQ(avec_indice(l, 23).size(), 1u);
    EXPECT_EQ(avec_indice(l, 5).size(), 8u);
    EXPECT_EQ(avec_indice(l, 5).back().mois_hebr, 4);
    EXPECT_EQ(avec_indice(l, 5).back().jour_hebr, 2);
    // 5 Iyar 5785 is a Saturday: Yom Haatsmaout on Thursday 3 Iyar.
    EXPECT_EQ(avec_indice(l, 26).at(0).jour_hebr, 3);
    EXPECT_TRUE(avec_indice(l, 34).empty()); // the main window's only
    EXPECT_TRUE(avec_indice(l, 18).empty()); // the consistory's only
}

TEST(ListeFetesAnnee, IsraelEtDiaspora)
{
    const auto d = liste(5785, true);
    const auto i = liste(5785, false);
    EXPECT_EQ(d.size() - i.size(), 3u); // 23 Tichri, 22 Nissan, 7 Sivan
    const auto souccot = [](const std::vector<EntreeFete>& l) {
        return *std::find_if(l.begin(), l.end(), [](const EntreeFete& f) {
            return f.mois_hebr == 1 && f.jour_hebr == 16;
        });
    };
    EXPECT_EQ(souccot(d).indice, 32);
    EXPECT_EQ(souccot(d).marque, 'F');
    EXPECT_EQ(souccot(i).indice, 29);
    EXPECT_EQ(souccot(i).marque, 'f');
    EXPECT_EQ(avec_indice(i, 31).size(), 1u);
    EXPECT_TRUE(avec_indice(i, 23).empty());
}

TEST(ListeFetesAnnee, ModesDeLaListe)
{
    const auto ciop = liste(5785, true, ModeListe::consistoire);
    EXPECT_EQ(avec_indice(ciop, 18).at(0).jour_hebr, 9);
    EXPECT_EQ(avec_indice(ciop, 19).at(0).jour_hebr, 24);
    const auto principale = liste(5785, true, ModeListe::fenetre_principale);
    // 4 Iyar 5785 is a Friday: Yom Hazikaron on Wednesday 2 Iyar.
    EXPECT_EQ(avec_indice(principale, 34).at(0).jour_hebr, 2);
    const auto jeunes = liste(5785, true, ModeListe::fenetre_fetes, false, true);
    EXPECT_EQ(jeunes.size(), 6u);
    EXPECT_TRUE(
        std::all_of(jeunes.begin(), jeunes.end(), [](const EntreeFete& f) { return f.jeune; }));
    const auto fetes = liste(5785, true, ModeListe::fenetre_fetes, true, false);
    EXPECT_EQ(fetes.size(), 38u);
}

TEST(ListeFetesAnnee, JoursDeLEtatDIsrael)
{
    EXPECT_TRUE(avec_indice(liste(5707), 26).empty());
    // 5 Iyar 5708 was a Friday: the list moves it to Thursday the 4th.
    EXPECT_EQ(avec_indice(liste(5708), 26).at(0).jour_hebr, 4);
    EXPECT_TRUE(avec_indice(liste(5726), 24).empty());
    EXPECT_EQ(avec_indice(liste(5727), 24).size(), 1u);
}

TEST(ListeFetesAnnee, EstherEnAdarIIDesAnneesEmbolismiques)
{
    const auto l = liste(5784);
    EXPECT_EQ(avec_indice(l, 8).at(0).mois_hebr, 7);
    EXPECT_EQ(avec_indice(l, 9).at(0).mois_hebr, 7);
    EXPECT_EQ(avec_indice(liste(5785), 9).at(0).mois_hebr, 6);
}

// Over every year: the entries come in the order of the year, no fast is on
// Chabbat, 'Hanouka has eight days.
TEST(ListeFetesAnnee, ProprietesSurToutesLesAnnees)
{
    CalendarEngine e;
    for (int annee = 3860; annee <= 13759; ++annee) {
        for (bool diaspora : {true, false}) {
            const auto l =
                liste_fetes_annee(e, annee, {true, true, diaspora, ModeListe::consistoire});
            int hanouka = 0;
            for (std::size_t k = 0; k < l.size(); ++k) {
                const EntreeFete& f = l[k];
                ASSERT_GE(f.jour_hebr, 1);
                ASSERT_LE(f.jour_hebr, jours_du_mois_hebreu(e, f.mois_hebr)) << annee;
                if (k > 0) {
                    const EntreeFete& p = l[k - 1];
                    ASSERT_TRUE(p.mois_hebr < f.mois_hebr ||
                                (p.mois_hebr == f.mois_hebr && p.jour_hebr < f.jour_hebr))
                        << annee << " " << f.indice;
                }
                if (f.jeune) {
                    ASSERT_NE(jour_semaine_hebreu(e, f.mois_hebr, f.jour_hebr), 7) << annee;
                }
                hanouka += f.indice == 5 ? 1 : 0;
            }
            ASSERT_EQ(hanouka, 8) << annee;
        }
    }
}

} // namespace
} // namespace orvane::events
