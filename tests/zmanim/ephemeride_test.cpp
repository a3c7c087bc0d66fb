// The program's low-precision solar theory against a precise ephemeris: the
// crossings of every altitude of the zmanim at seven places of both
// hemispheres, on the 1st and the 15th of every month of five years from
// 2000 to 2048, computed once by the public library astronomy-engine
// (tools/fixtures/soleil_reference.mjs). Each time of the day, as computed
// for the slots, is within one minute of the ephemeris; a crossing that the
// ephemeris does not find gives no time, or solar midnight.
//
// Near solar midnight, on the nights when the sun only just reaches an angle,
// its altitude hardly changes: a hundredth of a degree moves the crossing by
// minutes, or makes it vanish. Crossings within half an hour of solar
// midnight are therefore counted apart and not compared.

#include "jour_commun.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

namespace orvane::zmanim
{
namespace
{

using namespace test;

struct Reference {
    double latitude = 0;
    double longitude = 0; // east positive
    int annee = 0, mois = 0, jour = 0;
    double transit = 0;
    // Rising and setting at −0.8333°, −6°, −7.08°, −8.5°, −11°, −12°, −16.1°,
    // −18°; NaN where the sun does not cross.
    std::vector<double> passages;
};

enum Colonne {
    lever,
    coucher,
    civil_matin,
    civil_soir,
    etoiles_matin,
    etoiles_soir,
    sortie_matin,
    sortie_soir,
    tephilin,
    tephilin_soir,
    nautique_matin,
    nautique_soir,
    aube,
    nuit,
    astro_matin,
    astro_soir
};

std::vector<Reference> references()
{
    std::vector<Reference> refs;
    for (const std::string& ligne :
         platform::read_lines(ORVANE_TEST_DATA_DIR "/zmanim/soleil_reference.tsv")) {
        std::vector<std::string> champs;
        std::stringstream s(ligne);
        for (std::string champ; std::getline(s, champ, '\t');) {
            champs.push_back(champ);
        }
        champs.resize(22);
        Reference r;
        r.latitude = std::stod(champs[0]);
        r.longitude = std::stod(champs[1]);
        r.annee = std::stoi(champs[2]);
        r.mois = std::stoi(champs[3]);
        r.jour = std::stoi(champs[4]);
        r.transit = std::stod(champs[5]);
        for (std::size_t i = 6; i < champs.size(); ++i) {
            r.passages.push_back(champs[i].empty() ? std::nan("") : std::stod(champs[i]));
        }
        refs.push_back(r);
    }
    return refs;
}

std::string texte_angle(double degres, char positif, char negatif)
{
    char t[32];
    std::snprintf(t, sizeof t, "%.6f%c", std::fabs(degres), degres < 0 ? negatif : positif);
    return t;
}

DayTimes calcule(const Reference& r, const std::string& avis)
{
    ZmanimSettings reglages;
    reglages.opinion_calcul = avis;
    DayTimes j;
    horaires_du_jour({1,
                      {r.annee, r.mois, r.jour},
                      texte_angle(r.latitude, 'N', 'S'),
                      texte_angle(r.longitude, 'E', 'W'),
                      "0",
                      avis,
                      0},
                     reglages, j);
    return j;
}

/// Compares one computed time with the ephemeris, counting the greatest
/// difference. A missing crossing must be missing here too: no time in the
/// slot, or solar midnight standing in for it.
struct Comparaison {
    double ecart_max = 0;
    int comparees = 0;
    int absentes = 0;
    int rasantes = 0;

    /// True for a time within half an hour of a solar midnight.
    static bool pres_de_minuit(double t, double transit)
    {
        return std::fabs(std::remainder(t - transit - 12, 24)) < 0.5;
    }

    void compare(const DayTimes& j, double t, const TexteHoraire& creneau, double attendu,
                 double transit, const std::string& quoi)
    {
        const bool minuit = std::fabs(t - (j.t_hatsot + 12)) < 1e-9;
        const bool trouve = creneau.definie() && !minuit;
        if ((!std::isnan(attendu) && pres_de_minuit(attendu, transit)) ||
            (std::isnan(attendu) && trouve && pres_de_minuit(t, transit))) {
            ++rasantes;
            return;
        }
        if (std::isnan(attendu)) {
            ++absentes;
            EXPECT_TRUE(!creneau.definie() || minuit) << quoi << ": no crossing expected";
            return;
        }
        ASSERT_TRUE(trouve) << quoi << ": crossing at " << attendu;
        ++comparees;
        const double ecart = std::fabs(t - attendu);
        ecart_max = std::max(ecart_max, ecart);
        EXPECT_LT(ecart, minute) << quoi << ": " << t << " h against " << attendu << " h";
    }
};

TEST(Ephemeride, LesPassagesDuSoleilAUneMinutePres)
{
    const std::vector<Reference> refs = references();
    ASSERT_EQ(refs.size(), 840u);
    Comparaison c;
    for (const Reference& r : refs) {
        const std::string quoi = std::to_string(r.latitude) + " " + std::to_string(r.longitude) +
                                 " " + std::to_string(r.jour) + "/" + std::to_string(r.mois) + "/" +
                                 std::to_string(r.annee);
        const DayTimes om = calcule(r, "Or Méïr");
        ASSERT_FALSE(om.erreur_horaires) << quoi << om.message_erreur;
        const auto& p = r.passages;
        c.compare(om, om.t_hatsot, om.heureH, r.transit, r.transit, quoi + " midi");
        c.compare(om, om.t_lever, om.heureL, p[lever], r.transit, quoi + " lever");
        c.compare(om, om.t_coucher, om.heureC, p[coucher], r.transit, quoi + " coucher");
        c.compare(om, om.t_aube, om.heureA, p[aube], r.transit, quoi + " aube 16.1°");
        c.compare(om, om.t_tephilin, om.heureT, p[tephilin], r.transit, quoi + " téphilin 11°");
        c.compare(om, om.t_etoiles, om.heureTSE, p[etoiles_soir], r.transit,
                  quoi + " étoiles 7.08°");
        c.compare(om, om.t_sortie, om.heureSOR, p[sortie_soir], r.transit, quoi + " sortie 8.5°");
        c.compare(om, om.t_nuit, om.heureN, p[nuit], r.transit, quoi + " nuit 16.1°");

        const DayTimes bdl = calcule(r, "Bureau des Longitudes");
        c.compare(bdl, bdl.t_aube, bdl.heureA, p[astro_matin], r.transit, quoi + " 18° matin");
        c.compare(bdl, bdl.t_tephilin, bdl.heureT, p[nautique_matin], r.transit,
                  quoi + " 12° matin");
        c.compare(bdl, bdl.t_crepuscule_civil, bdl.heureCVLV, p[civil_matin], r.transit,
                  quoi + " 6° matin");
        c.compare(bdl, bdl.t_etoiles, bdl.heureTSE, p[civil_soir], r.transit, quoi + " 6° soir");
        c.compare(bdl, bdl.t_sortie, bdl.heureSOR, p[nautique_soir], r.transit, quoi + " 12° soir");
        c.compare(bdl, bdl.t_nuit, bdl.heureN, p[astro_soir], r.transit, quoi + " 18° soir");
    }
    EXPECT_GT(c.comparees, 10000);
    EXPECT_GT(c.absentes, 20);
    EXPECT_LT(c.rasantes, c.comparees / 100);
    std::printf("%d crossings compared, %d absent, %d grazing, greatest difference %.1f s\n",
                c.comparees, c.absentes, c.rasantes, c.ecart_max * 3600);
}

} // namespace
} // namespace orvane::zmanim
