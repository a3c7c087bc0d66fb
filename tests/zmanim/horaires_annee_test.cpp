// Properties of every day of a year at several latitudes and for every
// opinion: the times come in their order when they exist, the seasonal
// hours agree with sunrise and sunset, and every written time is a clock
// time.

#include "engine/dates.h"
#include "jour_commun.h"
#include "platform/text.h"
#include "zmanim/format/libelles.h"
#include "zmanim/settings/opinions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::zmanim
{
namespace
{

using namespace test;

const Lieu lieux[] = {
    {"0°10N", "78°30W", "-5"},  // Quito
    {"31°47N", "35°13E", "+2"}, // Jerusalem
    {"48°52N", "2°20E", "+1"},  // Paris
    {"55°45N", "37°37E", "+3"}, // Moscow
    {"33°55S", "18°25E", "+2"}, // Cape Town
    {"62°N", "6°45W", "0"},     // Faroe Islands
};

bool texte_horloge(const TexteHoraire& t)
{
    const int h = valeur_texte(t.heures);
    const int m = valeur_texte(t.minutes);
    return t.heures.size() == 2 && t.minutes.size() == 2 && t.secondes == "00" && h >= 0 &&
           h <= 23 && m >= 0 && m <= 59;
}

/// The sun reaches the angle of the event: its time is not the solar
/// midnight that stands in for it.
bool atteint(const DayTimes& j, double t)
{
    return t != j.t_hatsot + 12;
}

void verifie_ordre(const DayTimes& j, const std::string& quoi)
{
    if (atteint(j, j.t_aube)) {
        ASSERT_LT(j.t_aube, j.t_lever) << quoi;
    }
    if (atteint(j, j.t_tephilin)) {
        ASSERT_LT(j.t_tephilin, j.t_lever) << quoi;
    }
    ASSERT_LT(j.t_lever, j.t_hatsot) << quoi;
    ASSERT_LT(j.t_hatsot, j.t_mincha_gedola) << quoi;
    ASSERT_LE(j.t_mincha_gedola, j.t_mincha_ketana + 1e-9) << quoi;
    ASSERT_LT(j.t_mincha_ketana, j.t_plag) << quoi;
    ASSERT_LT(j.t_plag, j.t_coucher) << quoi;
    ASSERT_LE(j.t_plag, j.t_entree) << quoi;
    ASSERT_LT(j.t_entree, j.t_coucher) << quoi;
    ASSERT_LT(j.t_coucher, j.t_etoiles) << quoi;
    ASSERT_LT(j.t_coucher, j.t_nuit) << quoi;
    ASSERT_LE(j.t_nuit, j.t_hatsot + 12 + 1e-9) << quoi;
    ASSERT_LT(j.t_chema2, j.t_tefila2) << quoi;
    ASSERT_LT(j.t_chema1, j.t_tefila1) << quoi;
}

// Chema, prayer, Min'ha, plag and the tenth hour are counted in the
// seasonal hours of the day.
void verifie_heures_saisonnieres(const DayTimes& j, const std::string& quoi)
{
    const double h = j.heure_saison_lc;
    ASSERT_NEAR(h * 12, j.t_coucher - j.t_lever, 1e-9) << quoi;
    ASSERT_NEAR(j.t_chema2, j.t_lever + 3 * h, 1e-9) << quoi;
    ASSERT_NEAR(j.t_tefila2, j.t_lever + 4 * h, 1e-9) << quoi;
    ASSERT_NEAR(j.t_dixieme, j.t_lever + 9 * h, 1e-9) << quoi;
    ASSERT_NEAR(j.t_mincha_ketana, j.t_coucher - 2.5 * h, 1e-9) << quoi;
    ASSERT_NEAR(j.t_plag, j.t_coucher - 1.25 * h, 1e-9) << quoi;
    // Midday lies halfway between sunrise and sunset, within the sun's
    // motion between the two evaluations.
    ASSERT_NEAR(j.t_hatsot, (j.t_lever + j.t_coucher) / 2, 1.5 * minute) << quoi;
    if (atteint(j, j.t_aube) && atteint(j, j.t_nuit)) {
        ASSERT_NEAR(j.heure_saison_an * 12, j.t_nuit - j.t_aube, 1e-9) << quoi;
        ASSERT_NEAR(j.t_chema1, j.t_aube + 3 * j.heure_saison_an, 1e-9) << quoi;
    }
    // The written seasonal hour is the length rounded to the minute (from
    // the seconds rounded first: 29.6 s counts as 30).
    const int ecrit =
        valeur_texte(platform::trim(j.saison_lc.heures)) * 60 + valeur_texte(j.saison_lc.minutes);
    ASSERT_NEAR(ecrit, h * 60, 0.5 + 1.0 / 120) << quoi;
}

TEST(AnneeEntiere, OrdreEtHeuresSaisonnieresPartout)
{
    int jours = 0;
    int polaires = 0;
    for (const Lieu& lieu : lieux) {
        for (int mois = 1; mois <= 12; ++mois) {
            for (int jour = 1; jour <= 28; ++jour) {
                const DayTimes j = calcule(lieu, jour, mois, 2025, "Or Méïr");
                const std::string quoi = std::string(lieu.latitude) + " " + std::to_string(jour) +
                                         "/" + std::to_string(mois);
                ASSERT_FALSE(j.erreur_horaires) << quoi;
                if (j.jour_polaire) {
                    ++polaires;
                    continue;
                }
                ++jours;
                verifie_ordre(j, quoi);
                verifie_heures_saisonnieres(j, quoi);
                for (const DescriptionCreneau& c : creneaux()) {
                    const TexteHoraire& t = j.*(c.texte);
                    if (t.definie() && !c.duree) {
                        ASSERT_TRUE(texte_horloge(t)) << quoi << ' ' << c.jeton;
                    }
                }
            }
        }
    }
    EXPECT_EQ(polaires, 0);
    EXPECT_EQ(jours, 6 * 12 * 28);
}

// Every opinion on every fourth day at Paris and Jerusalem: dawn before
// tefillin before sunrise, stars and night after sunset, and no time that
// is not a finite number.
TEST(AnneeEntiere, ChaqueAvisDansLOrdre)
{
    for (std::string_view avis : opinions_calcul) {
        for (const Lieu& lieu : {paris, jerusalem}) {
            for (int jd = 0; jd < 365; jd += 4) {
                const int mois = 1 + jd / 31 % 12;
                const int jour = 1 + jd % 28;
                const DayTimes j = calcule(lieu, jour, mois, 2025, std::string(avis));
                const std::string quoi = std::string(avis) + " " + lieu.latitude + " " +
                                         std::to_string(jour) + "/" + std::to_string(mois);
                for (const DescriptionCreneau& c : creneaux()) {
                    ASSERT_TRUE(std::isfinite(j.*(c.instant))) << quoi << ' ' << c.jeton;
                }
                if (j.heureA.definie() && atteint(j, j.t_aube)) {
                    ASSERT_LT(j.t_aube, j.t_tephilin) << quoi;
                }
                if (j.heureT.definie() && atteint(j, j.t_tephilin)) {
                    ASSERT_LT(j.t_tephilin, j.t_lever) << quoi;
                }
                if (j.heureTSE.definie()) {
                    ASSERT_GT(j.t_etoiles, j.t_coucher) << quoi;
                }
                if (j.heureN.definie()) {
                    ASSERT_GT(j.t_nuit, j.t_etoiles) << quoi;
                }
                ASSERT_GE(minutes(j.heureTA1), minutes(j.heureCH1)) << quoi;
            }
        }
    }
}

// Every day of 2000 to 2050 at Paris by the "Bureau des Longitudes": the
// seasonal hour of dawn to night, the Chema and the prayer counted in it
// are written exactly on the days on which the sun reaches 18° below the
// horizon both in the morning and in the evening, and the day's list then
// shows the hour. Without them (about 11 to 30 June; on the last of these
// days the evening reaches 18° but not the next morning) nothing of them is
// written; those days all lie around the June solstice.
TEST(AnneeEntiere, BureauDesLongitudesHeuresSeulementAvecAubeEtNuit)
{
    int sans_nuit = 0;
    for (engine::DateCivile d{2000, 1, 1}; d.annee <= 2050; d = engine::lendemain(d)) {
        const DayTimes j = calcule(paris, d.jour, d.mois, d.annee, "Bureau des Longitudes");
        const std::string quoi =
            std::to_string(d.jour) + "/" + std::to_string(d.mois) + "/" + std::to_string(d.annee);
        ASSERT_FALSE(j.jour_polaire) << quoi;
        const bool aube_et_nuit = j.heureA.definie() && j.heureN.definie();
        ASSERT_EQ(j.saison_an.definie(), aube_et_nuit) << quoi;
        ASSERT_EQ(j.heureCH1.definie(), aube_et_nuit) << quoi;
        ASSERT_EQ(j.heureTA1.definie(), aube_et_nuit) << quoi;
        ASSERT_TRUE(j.heureCH2.definie() && j.heureTA2.definie()) << quoi;
        std::string liste_an;
        for (const LigneDuJour& l : liste_du_jour(j, true, false)) {
            if (l.jeton == "heure_saison_an") {
                liste_an = l.heure;
            }
        }
        ASSERT_EQ(!liste_an.empty(), aube_et_nuit) << quoi;
        if (aube_et_nuit) {
            ASSERT_NEAR(j.heure_saison_an * 12, j.t_nuit - j.t_aube, 1e-9) << quoi;
            ASSERT_NEAR(j.t_chema1, j.t_aube + 3 * j.heure_saison_an, 1e-9) << quoi;
            ASSERT_NEAR(j.t_tefila1, j.t_aube + 4 * j.heure_saison_an, 1e-9) << quoi;
        } else {
            ++sans_nuit;
            ASSERT_EQ(j.heure_saison_an, 0) << quoi;
            ASSERT_TRUE((d.mois == 6 && d.jour >= 5) || (d.mois == 7 && d.jour <= 10)) << quoi;
        }
    }
    // About 19 days a year.
    EXPECT_GE(sans_nuit, 51 * 15);
    EXPECT_LE(sans_nuit, 51 * 23);
}

// At 70° N, where the sun of May and of July sets after midnight and the
// Sabbath begins after it, every written time of every day of 2024, in
// winter time and in summer time, is a clock time on two digits.
TEST(AnneeEntiere, PresDuPoleChaqueHeureSurDeuxChiffres)
{
    const Lieu nord{"70°N", "2°20E", "+1"};
    int entrees_apres_minuit = 0;
    for (double ete : {0.0, 1.0}) {
        for (engine::DateCivile d{2024, 1, 1}; d.annee == 2024; d = engine::lendemain(d)) {
            const DayTimes j = calcule(nord, d.jour, d.mois, d.annee, "Or Méïr", ete);
            const std::string quoi = std::to_string(d.jour) + "/" + std::to_string(d.mois) +
                                     " été " + std::to_string(ete);
            ASSERT_FALSE(j.erreur_horaires) << quoi;
            if (j.jour_polaire) {
                continue;
            }
            for (const DescriptionCreneau& c : creneaux()) {
                const TexteHoraire& t = j.*(c.texte);
                if (t.definie() && !c.duree) {
                    ASSERT_TRUE(texte_horloge(t)) << quoi << ' ' << c.jeton << ' ' << t.heures;
                }
            }
            for (const LigneDuJour& l : liste_du_jour(j, false, false)) {
                if (!l.heure.empty()) {
                    ASSERT_EQ(l.heure.size(), 5u) << quoi << ' ' << l.jeton << ' ' << l.heure;
                }
            }
            if (valeur_texte(j.entree_chabbat.heures) < 10) {
                ++entrees_apres_minuit;
            }
        }
    }
    EXPECT_GT(entrees_apres_minuit, 10);
}

} // namespace
} // namespace orvane::zmanim
