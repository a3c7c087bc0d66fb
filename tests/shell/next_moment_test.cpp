// The marker of the next moment and the Sabbath pictures of the day page.
#include "shell/day/next_moment.h"

#include <gtest/gtest.h>

namespace orvane::shell
{
namespace
{

long hms(int h, int m, int s = 0)
{
    return h * 3600L + m * 60L + s;
}

LigneHoraire ligne(std::string legende, std::string jeton, std::optional<long> secondes)
{
    LigneHoraire l;
    l.legende = std::move(legende);
    l.jeton = std::move(jeton);
    l.secondes = secondes;
    return l;
}

// A Friday in Paris: the list in its own order, night after midnight.
std::vector<LigneHoraire> vendredi()
{
    return {ligne("Aube : Cha'har", "heureA", hms(3, 1)),
            ligne("Lever du soleil : Nets", "heureL", hms(5, 47)),
            ligne("Min'ha Kétana", "heureMK", hms(18, 36)),
            ligne("Plag Hamin'ha", "heureP", hms(20, 17)),
            ligne("Entrée de Chabbat ", "entree_chabbat", hms(21, 40)),
            ligne("Coucher du soleil : Chekia", "heureC", hms(21, 58)),
            ligne("Sortie des étoiles moy.", "heureTSE", hms(22, 51)),
            ligne("Nuit (selon Rabbénou Tam)", "heureN", std::nullopt),
            ligne("Nuit (selon Rabbénou Tam)", "heureN", hms(23, 40))};
}

TEST(ProchainMoment, LePremierCreneauAVenir)
{
    const ProchainMoment p = prochain_moment(vendredi(), hms(17, 31, 10));
    EXPECT_EQ(p.ligne, 2);
    EXPECT_EQ(p.texte, "Min'ha Kétana\t dans :  1h 04mn");
    EXPECT_TRUE(p.visible);
    EXPECT_FALSE(p.clignote);
    EXPECT_FALSE(p.entree_prochaine);
    EXPECT_EQ(prochain_moment(vendredi(), hms(2, 0)).ligne, 0);
}

TEST(ProchainMoment, DureeRestante)
{
    EXPECT_EQ(texte_duree_restante(hms(2, 5, 59)), "2h 05mn");
    EXPECT_EQ(texte_duree_restante(hms(0, 40)), "0h 40mn");
    EXPECT_EQ(texte_duree_restante(hms(13, 10)), "13h 10mn");
}

// With 40 seconds left the box blinks: shown on even seconds only.
TEST(ProchainMoment, LaDerniereMinuteClignote)
{
    const long avant = hms(18, 36) - 40;
    const ProchainMoment pair = prochain_moment(vendredi(), avant);
    const ProchainMoment impair = prochain_moment(vendredi(), avant + 1);
    EXPECT_TRUE(pair.clignote);
    EXPECT_TRUE(impair.clignote);
    EXPECT_NE(pair.visible, impair.visible);
    EXPECT_FALSE(prochain_moment(vendredi(), hms(18, 34, 59)).clignote);
}

// The entry: red and blue in turn, the candle in the last ten minutes.
TEST(ProchainMoment, EntreeDuChabbat)
{
    const ProchainMoment loin = prochain_moment(vendredi(), hms(21, 20));
    EXPECT_TRUE(loin.entree_prochaine);
    EXPECT_FALSE(loin.bougie);
    const ProchainMoment proche = prochain_moment(vendredi(), hms(21, 31));
    EXPECT_TRUE(proche.bougie);
    EXPECT_NE(proche.legende_rouge, prochain_moment(vendredi(), hms(21, 31, 1)).legende_rouge);
}

// At 23:59 every time is past: the star on the first line and the time
// since the night of Rabbénou Tam.
TEST(ProchainMoment, ApresLeDernierCreneau)
{
    const ProchainMoment p = prochain_moment(vendredi(), hms(23, 59));
    EXPECT_TRUE(p.tous_passes);
    EXPECT_EQ(p.ligne, 0);
    EXPECT_EQ(p.texte, "Nuit (Rabbénou Tam) depuis :  0h 19mn");
    EXPECT_TRUE(p.visible);
}

// A night after midnight counts as later than the evening.
TEST(ProchainMoment, NuitApresMinuit)
{
    auto lignes = vendredi();
    lignes.back().secondes = hms(24, 45);
    const ProchainMoment p = prochain_moment(lignes, hms(23, 59));
    EXPECT_FALSE(p.tous_passes);
    EXPECT_EQ(p.ligne, 8);
    EXPECT_EQ(p.texte, "Nuit (selon Rabbénou Tam)\t dans :  0h 46mn");
}

TEST(EtatChabbat, Vendredi)
{
    const long entree = hms(21, 40);
    EXPECT_TRUE(etat_chabbat(6, entree, std::nullopt, entree - 5 * 60).bougie);
    EXPECT_FALSE(etat_chabbat(6, entree, std::nullopt, entree - 12 * 60).bougie);
    const EtatChabbat apres = etat_chabbat(6, entree, std::nullopt, entree + 60);
    EXPECT_FALSE(apres.bougie);
    EXPECT_TRUE(apres.panneau);
}

// A Saturday after the exit time: the Sabbath panel is hidden.
TEST(EtatChabbat, Samedi)
{
    const long sortie = hms(23, 5);
    EXPECT_TRUE(etat_chabbat(7, std::nullopt, sortie, hms(12, 0)).panneau);
    EXPECT_FALSE(etat_chabbat(7, std::nullopt, sortie, sortie + 1).panneau);
    EXPECT_FALSE(etat_chabbat(3, hms(20, 0), sortie, hms(20, 1)).panneau);
}

} // namespace
} // namespace orvane::shell
