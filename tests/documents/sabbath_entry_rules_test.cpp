// The rules of the Sabbath entry: each on the worked cases of a summer and
// a winter Friday, then over every Friday of a year of Paris, where the
// entry printed stays between plag and the usual entry and keeps to the
// rule's limit in summer time.
#include "document_files.h"
#include "documents/sabbath_entry_rules.h"
#include "documents/year_page.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane::documents
{
namespace
{

using namespace test;

zmanim::DayTimes jour(const char* entree_h, const char* entree_m, const char* plag_h,
                      const char* plag_m)
{
    zmanim::DayTimes t;
    t.entree_chabbat = {entree_h, entree_m, "00"};
    t.heureP = {plag_h, plag_m, "00"};
    return t;
}

std::string hm(const zmanim::TexteHoraire& t)
{
    return t.heures + ":" + t.minutes;
}

TEST(ReglesEntreeChabbat, CasTypes)
{
    const zmanim::DayTimes ete = jour("21", "40", "19", "55"); // a Friday of June in Paris
    const std::map<int, std::string> attendu = {{0, "21:40"}, {1, "20:10"}, {2, "19:55"},
                                                {3, "19:55"}, {4, "20:00"}, {5, "20:15"},
                                                {6, "20:30"}, {7, "20:40"}};
    for (const auto& [regle, heure] : attendu) {
        EXPECT_EQ(hm(entree_selon_la_regle(ete, regle, true)), heure) << regle;
    }
    // Outside summer time only the rule of all the year applies.
    for (int regle = 0; regle <= 7; ++regle) {
        EXPECT_EQ(hm(entree_selon_la_regle(ete, regle, false)), regle == 3 ? "19:55" : "21:40")
            << regle;
    }
    // A limit later than the usual entry, or plag after it: the usual entry.
    const zmanim::DayTimes tot = jour("19", "30", "18", "40");
    EXPECT_EQ(entree_selon_la_regle(tot, 4, true), tot.entree_chabbat);
    const zmanim::DayTimes nord = jour("20", "05", "20", "10"); // plag after sunset - Tossefet
    EXPECT_EQ(hm(entree_selon_la_regle(nord, 4, true)), "20:05");
    // Rule indexes outside the list leave the entry as it is.
    EXPECT_EQ(entree_selon_la_regle(ete, 8, true), ete.entree_chabbat);
    EXPECT_EQ(entree_selon_la_regle(ete, -1, true), ete.entree_chabbat);
}

/// The "E.Ch" entries of the Fridays of a page, by day line.
std::map<std::string, int> entrees(const CalendrierSimplifie& c)
{
    std::map<std::string, int> e;
    for (const std::string& l : c.memo) {
        const std::size_t i = l.find("E.Ch");
        if (i != std::string::npos && l.rfind("  Vendredi", 0) == 0) {
            e[l.substr(0, 23)] = std::stoi(l.substr(i + 4, 2)) * 60 + std::stoi(l.substr(i + 7, 2));
        }
    }
    return e;
}

TEST(ReglesEntreeChabbat, ChaqueVendrediDeParis)
{
    DemandeCalendrier d = demande_paris(Sens::civil_hebreu, 2025);
    const auto normales = entrees(calendrier_simplifie(d, tables_livrees()));
    ASSERT_GT(normales.size(), 40u);
    d.regle_entree = 4; // no later than 20:00 in summer time
    const auto limitees = entrees(calendrier_simplifie(d, tables_livrees()));
    ASSERT_EQ(limitees.size(), normales.size());
    int changees = 0;
    int a_vingt_heures = 0;
    for (const auto& [ligne, normale] : normales) {
        const int e = limitees.at(ligne);
        EXPECT_LE(e, normale) << ligne;
        if (normale <= 20 * 60) {
            EXPECT_EQ(e, normale) << ligne;
        } else {
            // 20:00, or plag when plag itself comes later (June in Paris):
            // earlier than the usual entry either way.
            EXPECT_GE(e, 20 * 60) << ligne;
            EXPECT_LT(e, normale) << ligne;
            a_vingt_heures += e == 20 * 60 ? 1 : 0;
            ++changees;
        }
    }
    EXPECT_GT(changees, 10); // the Fridays of May to August
    EXPECT_GT(a_vingt_heures, 3);
}

// "Affiche toutes les entrées de Chabbat": under each Friday whose entry
// the rule moved, the usual entry on a line of its own; nothing else moves.
TEST(ReglesEntreeChabbat, ToutesLesEntrees)
{
    DemandeCalendrier d = demande_paris(Sens::civil_hebreu, 2025);
    d.regle_entree = 4;
    const CalendrierSimplifie seule = calendrier_simplifie(d, tables_livrees());
    d.toutes_entrees = true;
    const CalendrierSimplifie toutes = calendrier_simplifie(d, tables_livrees());
    const auto normales =
        entrees(calendrier_simplifie(demande_paris(Sens::civil_hebreu, 2025), tables_livrees()));
    std::vector<std::string> sans_ajouts;
    int ajoutees = 0;
    for (std::size_t i = 0; i < toutes.memo.size(); ++i) {
        const std::string& l = toutes.memo[i];
        if (l.find("Entrée habituelle du Chabbat : ") == std::string::npos) {
            sans_ajouts.push_back(l);
            continue;
        }
        ++ajoutees;
        ASSERT_GT(i, 0u);
        const std::string vendredi = toutes.memo[i - 1].substr(0, 23);
        const int n = normales.at(vendredi);
        EXPECT_EQ(l.substr(l.size() - 5), (n / 60 < 10 ? "0" : "") + std::to_string(n / 60) + ":" +
                                              (n % 60 < 10 ? "0" : "") + std::to_string(n % 60))
            << vendredi;
    }
    EXPECT_EQ(sans_ajouts, seule.memo);
    EXPECT_GT(ajoutees, 10);
    EXPECT_EQ(toutes.pages[0].export_lignes, seule.pages[0].export_lignes);
}

} // namespace
} // namespace orvane::documents
