// The delivered list of the French cities with a Jewish community,
// "willefr.cal", over which the annual calendar makes the page of every
// city: each of its lines is a place of the delivered places files, read by
// the program's own readers, with coordinates the times accept.
#include "document_files.h"
#include "documents/consistory_series.h"
#include "places/places.h"
#include "platform/text_file.h"
#include "zmanim/day/horaires_jour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace orvane::documents
{
namespace
{

using namespace test;

TEST(ListeWillefr, ChaqueLigneEstUnLieuDesFichiersDeLieux)
{
    const places::ListesLieux willefr = places::lit_fichier_lieux(donnees_livrees, "willefr.cal");
    const places::ListesLieux courts = places::lit_fichier_lieux(donnees_livrees, "lieu.cal");
    const places::ListesLieux longs = places::lit_fichier_lieux(donnees_livrees, "lieu_all.cal");
    ASSERT_GE(willefr.lieux.size(), 150u);
    // Every line of the file is a place, none empty: the slots of the list
    // page follow the lines.
    EXPECT_EQ(willefr.lieux.size(), platform::read_lines(donnees_livrees / "willefr.cal").size());
    const auto dans = [](const places::ListesLieux& l, const places::Place& p) {
        return std::find(l.lieux.begin(), l.lieux.end(), p) != l.lieux.end();
    };
    std::set<std::string> vues;
    for (const places::Place& p : willefr.lieux) {
        EXPECT_TRUE(dans(courts, p) || dans(longs, p)) << p.ville;
        EXPECT_EQ(p.pays, "France") << p.ville;
        EXPECT_FALSE(zmanim::lit_lieu(p.latitude, p.longitude, p.decalage).refuse) << p.ville;
        EXPECT_TRUE(vues.insert(p.ville).second) << p.ville << " twice";
    }
    for (const char* ville : {"PARIS (75)", "MARSEILLE (13)", "LYON (69)", "STRASBOURG (67)",
                              "TOULOUSE (31)", "NICE (06)", "SARCELLES (95)"}) {
        EXPECT_TRUE(vues.count(ville)) << ville;
    }
}

// The consistory's lists: "villcons.cal" in the format of the places
// files, "villetset.txt" in its own; every town a place of the places files.
TEST(ListesDuConsistoire, ChaqueVilleEstUnLieuDesFichiersDeLieux)
{
    const places::ListesLieux courts = places::lit_fichier_lieux(donnees_livrees, "lieu.cal");
    const places::ListesLieux longs = places::lit_fichier_lieux(donnees_livrees, "lieu_all.cal");
    const auto connu = [&](const places::Place& p) {
        for (const places::ListesLieux* l : {&courts, &longs}) {
            if (std::find(l->lieux.begin(), l->lieux.end(), p) != l->lieux.end()) {
                return true;
            }
        }
        return false;
    };
    const places::ListesLieux cons = places::lit_fichier_lieux(donnees_livrees, "villcons.cal");
    ASSERT_GE(cons.lieux.size(), 20u);
    EXPECT_EQ(cons.lieux.front().ville, "PARIS (75)");
    for (const places::Place& p : cons.lieux) {
        EXPECT_TRUE(connu(p)) << p.ville;
    }
    const std::vector<std::string> tset = platform::read_lines(donnees_livrees / "villetset.txt");
    ASSERT_GE(tset.size(), 10u);
    std::set<std::string> pays;
    for (const std::string& l : tset) {
        const places::Place p = lieu_tset(l);
        EXPECT_TRUE(connu(p)) << l;
        EXPECT_FALSE(zmanim::lit_lieu(p.latitude, p.longitude, p.decalage).refuse) << l;
        pays.insert(p.pays);
    }
    EXPECT_GE(pays.size(), 4u); // France, Israel and communities abroad
}

} // namespace
} // namespace orvane::documents
