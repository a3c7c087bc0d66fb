// The sun altitude table of the results window: its title block, its lines
// counted and stepped by index, its refusals, the crossings against the
// times of the day, and the file "aube.txt" read back byte by byte.
#include "tables/altitudes.h"

#include "golden_file.h"
#include "places/angle.h"
#include "platform/temporary_directory.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/sun/soleil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvane::tables
{
namespace
{

const places::Place paris{"PARIS (75)", "France", "48°52N", "2°20E", "+1"};

/// Lines of the title block before the first altitude (with the houmra line).
constexpr std::size_t lignes_de_titre = 12;

DemandeAltitudes demande(std::string min, std::string max, std::string inc,
                         engine::DateCivile date = {2018, 3, 20}, places::Place lieu = paris)
{
    return {lieu, date, min, max, inc, choix_arrondi(zmanim::ZmanimSettings{})};
}

std::vector<std::string> lignes_des_hauteurs(const TableAltitudes& t)
{
    if (t.memo.size() < lignes_de_titre) {
        return {};
    }
    return {t.memo.begin() + lignes_de_titre, t.memo.end()};
}

/// The tab-separated cells of a line, blanks of the padding taken off.
std::vector<std::string> cellules(const std::string& ligne)
{
    std::vector<std::string> c(1);
    for (char ch : ligne) {
        if (ch == '\t') {
            c.emplace_back();
        } else if (ch != ' ') {
            c.back() += ch;
        }
    }
    return c;
}

int secondes_de(const std::string& hms)
{
    int h = 0, m = 0, s = 0;
    EXPECT_EQ(std::sscanf(hms.c_str(), "%d:%d:%d", &h, &m, &s), 3) << hms;
    return h * 3600 + m * 60 + s;
}

TEST(LectureDesChamps, LeLecteurDAnglesGardeLeSigne)
{
    using places::UniteAngle;
    EXPECT_DOUBLE_EQ(places::lit_angle("-0.5", UniteAngle::degres), -0.5);
    EXPECT_DOUBLE_EQ(places::lit_angle("-16.1", UniteAngle::degres), -16.1);
    EXPECT_DOUBLE_EQ(places::lit_angle("-0°30", UniteAngle::degres), -0.5);
}

// Paris on the 2018 spring equinox, −16.1° to −1° by 0.1°, the panel's
// defaults: the title block as the memo shows it, "aube.txt" byte for byte,
// and the minute column the seconds column rounded to the nearest minute.
TEST(TableAltitudes, ParisAuPrintemps)
{
    const TableAltitudes t = table_altitudes(demande("-16.1", "-1", "0.1"), {});
    ASSERT_EQ(t.memo.size(), lignes_de_titre + 151) << t.erreur;
    const std::vector<std::string> titre = {
        "   ================================================================B\"H===",
        "  PARIS (75)  (France)   Latitude : 48°52N   Longitude : 2°20E   GMT : +1",
        "  Date  : 20 Mars 2018",
        "Houmra - arrondis à 1/59 ou 29/30 sec",
        "",
        "  Arrondies à la minute inférieure ou supérieure selon 29 ou 30 secondes",
        "   ======================================================================",
        "",
        "Hauteur  \tLever    \tLever   \tCoucher  \tCoucher",
        "du soleil\t(secondes)\t(minutes)\t(secondes)\t(minutes)",
        "(degrés)",
        std::string(73, '_')};
    EXPECT_EQ(std::vector<std::string>(t.memo.begin(), t.memo.begin() + lignes_de_titre), titre);
    EXPECT_EQ(t.memo[lignes_de_titre], "-16.1    \t05:19:29 \t05:19    \t20:38:05 \t20:38");
    for (const std::string& l : lignes_des_hauteurs(t)) {
        const std::vector<std::string> c = cellules(l);
        for (std::size_t k : {1u, 3u}) {
            const int minutes = (secondes_de(c[k]) + 30) / 60;
            char attendu[16];
            std::snprintf(attendu, sizeof attendu, "%02d:%02d", minutes / 60, minutes % 60);
            EXPECT_EQ(c[k + 1], attendu) << l;
        }
    }
    platform::test_support::TemporaryDirectory dir;
    ecrit_aube(dir.path(), t);
    orvane::test::compare_au_golden(orvane::test::octets_du_fichier(dir / "aube.txt"),
                                    ORVANE_SOURCE_DIR "/tests/tables/golden",
                                    "aube_paris_2018-03-20.txt");
}

TEST(TableAltitudes, LaDateEtLeChoixDArrondi)
{
    const std::pair<engine::DateCivile, std::string> dates[] = {
        {{2019, 1, 5}, "  Date  :  05 Janv 2019"},
        {{2018, 2, 9}, "  Date  :  09 Févr 2018"},
        {{2018, 8, 10}, "  Date  : 10 Août 2018"},
        {{2018, 5, 31}, "  Date  : 31 Mai 2018"},
        {{2018, 12, 21}, "  Date  : 21 Déce 2018"}};
    for (const auto& [date, ligne] : dates) {
        EXPECT_EQ(table_altitudes(demande("-1", "-1", "1", date), {}).memo.at(2), ligne);
    }
    zmanim::ZmanimSettings r;
    r.houmra = false;
    EXPECT_EQ(choix_arrondi(r), "");
    r.arrondis_2930 = true;
    EXPECT_EQ(choix_arrondi(r), "Arrondis 29/30 sec");
    DemandeAltitudes sans = demande("-1", "-1", "1");
    sans.choix_arrondi.clear();
    const TableAltitudes t = table_altitudes(sans, {});
    EXPECT_EQ(t.memo.at(3), "") << "no rounding line when no box is checked";
    EXPECT_EQ(t.memo.size(), lignes_de_titre);
}

// |max − min| / increment lines from the minimum, by index: a hundred and
// fifty steps of 0.1° read −1.1 exactly, written with the decimals typed.
// Bounds in the wrong order are swapped.
TEST(TableAltitudes, LesHauteursParIndex)
{
    const std::vector<std::string> lignes =
        lignes_des_hauteurs(table_altitudes(demande("-16.1", "-1", "0.1"), {}));
    ASSERT_EQ(lignes.size(), 151u);
    for (int k = 0; k < 151; ++k) {
        const int dixiemes = 161 - k; // −16.1° + k × 0.1°, tenths below zero
        const std::string attendu =
            "-" + std::to_string(dixiemes / 10) + "." + std::to_string(dixiemes % 10);
        EXPECT_EQ(cellules(lignes[static_cast<std::size_t>(k)])[0], attendu) << "line " << k;
    }
    struct Cas {
        const char *min, *max, *inc;
        std::size_t lignes;
        const char *premiere, *derniere;
    };
    const Cas cas[] = {
        {"-1", "-16.1", "0.1", 151, "-16.1", "-1.1"},
        {"-18", "0", "0.25", 72, "-18.00", "-0.25"},
        {"-75", "0", "0.1", 750, "-75.0", "-0.1"},
        {"-16°06", "-1", "0.5", 30, "-16.1", "-1.6"},
        {"-12", "-12", "1", 1, "-12", "-12"},
        {"-1", "0", "0.1", 10, "-1.0", "-0.1"},
        {"0", "10", "3", 3, "0", "6"},
    };
    for (const Cas& c : cas) {
        const std::vector<std::string> l =
            lignes_des_hauteurs(table_altitudes(demande(c.min, c.max, c.inc), {}));
        ASSERT_EQ(l.size(), c.lignes) << c.min << " " << c.max << " " << c.inc;
        EXPECT_EQ(cellules(l.front())[0], c.premiere);
        EXPECT_EQ(cellules(l.back())[0], c.derniere);
    }
}

TEST(TableAltitudes, PlusDe750LignesRefusees)
{
    const TableAltitudes t = table_altitudes(demande("-90", "0", "0.1"), {});
    EXPECT_FALSE(t.refusee()) << "the memo says it, no message box";
    const std::vector<std::string> fin = {
        " ", "  Le nombre de lignes à afficher est trop élevé.",
        "  Diminuer l'intervale min-max ou augmenter l'incrément."};
    EXPECT_EQ(lignes_des_hauteurs(t), fin);
    EXPECT_TRUE(t.fichier.empty());
    EXPECT_TRUE(table_altitudes(demande("-75.1", "0", "0.1"), {}).fichier.empty());

    // An existing "aube.txt" is kept.
    platform::test_support::TemporaryDirectory dir;
    ecrit_aube(dir.path(), table_altitudes(demande("-2", "-1", "1"), {}));
    const std::string avant = orvane::test::octets_du_fichier(dir / "aube.txt");
    ecrit_aube(dir.path(), t);
    EXPECT_EQ(orvane::test::octets_du_fichier(dir / "aube.txt"), avant);
}

TEST(TableAltitudes, ChampsRefusesNommes)
{
    const char* cas[][4] = {
        {"-16.1", "-1", "0", "L'incrément « 0 » doit être supérieur à zéro."},
        {"-16.1", "-1", "-0.1", "L'incrément « -0.1 » doit être supérieur à zéro."},
        {"-16.1", "-1", "", "L'incrément «  » doit être supérieur à zéro."},
        {"abc", "-1", "0.1", "Le minimum « abc » n'est pas un nombre de degrés."},
        {"-16.1", "4°x", "0.1", "Le maximum « 4°x » n'est pas un nombre de degrés."},
        {"-16.1", "-1", "un", "L'incrément « un » n'est pas un nombre de degrés."},
        {"-95", "-1", "0.1", "Le minimum « -95 » est hors limites"},
        {"-16.1", "nan", "0.1", "Le maximum « nan » est hors limites"},
    };
    for (const auto& c : cas) {
        const TableAltitudes t = table_altitudes(demande(c[0], c[1], c[2]), {});
        EXPECT_EQ(t.erreur.rfind(c[3], 0), 0u) << t.erreur;
        EXPECT_TRUE(t.memo.empty() && t.fichier.empty());
    }
    DemandeAltitudes sans_lieu = demande("-16.1", "-1", "0.1");
    sans_lieu.lieu.latitude = "48°52X";
    const TableAltitudes t = table_altitudes(sans_lieu, {});
    EXPECT_NE(t.erreur.find("Nord (N) ou Sud (S)"), std::string::npos) << t.erreur;
    platform::test_support::TemporaryDirectory dir;
    ecrit_aube(dir.path(), t);
    EXPECT_TRUE(dir.entries().empty()) << "a refused table writes nothing";
}

/// The altitudes at which the sun crosses, morning or evening, lie in one
/// interval, and the times move one way across it.
class SuiteDeCroisements
{
public:
    explicit SuiteDeCroisements(bool montante) : montante_(montante) {}
    /// False when a crossing comes back after being lost or goes the wrong way.
    bool suivant(std::optional<double> t)
    {
        if (!t) {
            perdu_ = perdu_ || vu_;
            return true;
        }
        const bool dans_l_ordre = !vu_ || (montante_ ? *t > precedent_ : *t < precedent_);
        vu_ = true;
        precedent_ = *t;
        return dans_l_ordre && !perdu_;
    }

private:
    bool montante_;
    bool vu_ = false;    // a crossing at a lower altitude
    bool perdu_ = false; // and none at some altitude since
    double precedent_ = 0;
};

// The sun climbs through the altitudes in the morning and goes down through
// them in the evening: every day of 2018 at four latitudes, −18° to +60° by
// 0.5°, the morning crossing comes later and the evening one earlier as the
// altitude rises, within the half days around noon; a crossing lost at one
// altitude (above the sun of noon) is lost at every altitude beyond it.
TEST(CroisementsAltitude, LeMatinMonteLeSoirDescend)
{
    for (double lat : {0.0, 31.78, 48.87, 60.0}) {
        for (engine::DateCivile d{2018, 1, 1}; d.annee == 2018; d = engine::lendemain(d)) {
            SuiteDeCroisements matins(true), soirs(false);
            for (int dixiemes = -180; dixiemes <= 600; dixiemes += 5) {
                const CroisementsAltitude c =
                    croisements_altitude(d, lat * zmanim::radians_par_degre,
                                         -2.33 * zmanim::radians_par_degre, dixiemes / 10.0, true);
                ASSERT_TRUE(matins.suivant(c.matin) && soirs.suivant(c.soir))
                    << lat << "° " << d.mois << "/" << d.jour << " at " << dixiemes / 10.0;
                EXPECT_TRUE(c.matin.value_or(0) > -1 && c.soir.value_or(0) < 25);
            }
        }
    }
}

// A sun that never stands at an altitude leaves "--", never the time of the
// altitude before: at 60° N on the June solstice the sun goes no lower than
// −6.6°; at Paris on the equinox it climbs no higher than 41°.
TEST(TableAltitudes, SansPassageDeuxTirets)
{
    places::Place nord = paris;
    nord.latitude = "60°0N";
    const std::vector<std::string> juin =
        lignes_des_hauteurs(table_altitudes(demande("-10", "-3", "1", {2018, 6, 21}, nord), {}));
    ASSERT_EQ(juin.size(), 7u);
    for (std::size_t i = 0; i < juin.size(); ++i) {
        const std::vector<std::string> c = cellules(juin[i]);
        for (std::size_t k = 1; k < 5; ++k) {
            EXPECT_EQ(c[k] == "--", i < 4) << juin[i]; // −10° … −7°
        }
    }
    const std::vector<std::string> midi =
        lignes_des_hauteurs(table_altitudes(demande("30", "50", "5"), {}));
    ASSERT_EQ(midi.size(), 4u);
    EXPECT_EQ(midi[2].find("--"), std::string::npos) << midi[2];
    EXPECT_EQ(midi[3], "45       \t--       \t--       \t--       \t--");
}

// The crossings are those of the times of the day: dawn at 16.1° and the
// visible sunrise and sunset at −50′, each with the sun of its own instant,
// every day of 2018 at Paris; the written minutes of dawn and sunrise (both
// to the nearest minute) are the table's.
TEST(CroisementsAltitude, CommeLesHorairesDuJour)
{
    const double lat = places::lit_angle("48°52"), lon = -places::lit_angle("2°20");
    zmanim::ZmanimSettings reglages;
    for (engine::DateCivile d{2018, 1, 1}; d.annee == 2018; d = engine::lendemain(d)) {
        zmanim::DayTimes j;
        zmanim::horaires_du_jour(
            {engine::jour_semaine(d), d, "48°52N", "2°20E", "+1", "Or Méïr", 0}, reglages, j);
        const CroisementsAltitude aube = croisements_altitude(d, lat, lon, -16.1, true);
        const CroisementsAltitude soleil = croisements_altitude(d, lat, lon, -50.0 / 60, true);
        ASSERT_TRUE(aube.matin && soleil.matin && soleil.soir);
        EXPECT_NEAR(*aube.matin, j.t_aube, 1e-9) << d.mois << "/" << d.jour;
        EXPECT_NEAR(*soleil.matin, j.t_lever, 1e-9) << d.mois << "/" << d.jour;
        EXPECT_NEAR(*soleil.soir, j.t_coucher, 1e-9) << d.mois << "/" << d.jour;
        if (d.jour != 21) {
            continue;
        }
        const auto minutes = [&](const char* h) {
            return cellules(lignes_des_hauteurs(table_altitudes(demande(h, h, "1", d), {})).at(0))
                .at(2);
        };
        EXPECT_EQ(minutes("-16.1"), j.heureA.heures + ":" + j.heureA.minutes) << d.mois;
        EXPECT_EQ(minutes("-0°50"), j.heureL.heures + ":" + j.heureL.minutes) << d.mois;
    }
}

// Without "Itération" each crossing keeps the sun of 12 h UT, seconds away
// from the refined one (the declination moves 0.4° a day at the equinox).
TEST(CroisementsAltitude, SansIterationLeSoleilDeMidi)
{
    const double lat = places::lit_angle("48°52"), lon = -places::lit_angle("2°20");
    const engine::DateCivile d{2018, 3, 20};
    const zmanim::PassagesSoleil midi =
        zmanim::passages_soleil(d, lat, lon, std::sin(-16.1 * zmanim::radians_par_degre), 0);
    const CroisementsAltitude sans = croisements_altitude(d, lat, lon, -16.1, false);
    const CroisementsAltitude avec = croisements_altitude(d, lat, lon, -16.1, true);
    ASSERT_TRUE(sans.matin && sans.soir && avec.matin);
    EXPECT_EQ(*sans.matin, midi.lever);
    EXPECT_EQ(*sans.soir, midi.coucher);
    const double ecart = std::fabs(*avec.matin - *sans.matin) * 3600;
    EXPECT_TRUE(ecart > 5 && ecart < 120) << ecart << " s";
}

// "aube.txt" read back by a reader of its own: Windows-1252 (the letters of
// the file are those of Latin-1, one byte each), CR LF after every line, each
// line the memo's after four blanks.
TEST(FichierAube, RelluOctetParOctet)
{
    const TableAltitudes t = table_altitudes(demande("-16.1", "-1", "0.1"), {});
    platform::test_support::TemporaryDirectory dir;
    ecrit_aube(dir.path(), t);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"aube.txt"}) << "no temporary file left";
    std::vector<std::string> lignes(1);
    const std::string octets = orvane::test::octets_du_fichier(dir / "aube.txt");
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(octets[i]);
        if (c == '\r') {
            ASSERT_EQ(octets.at(i + 1), '\n') << "a CR alone";
            lignes.emplace_back();
            ++i;
        } else if (c >= 0x80) {
            ASSERT_GE(c, 0xA0);
            lignes.back() += static_cast<char>(0xC0 | (c >> 6));
            lignes.back() += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            ASSERT_NE(c, '\n') << "a LF alone";
            lignes.back() += static_cast<char>(c);
        }
    }
    EXPECT_EQ(lignes.back(), "") << "the last line ends with CR LF";
    lignes.pop_back();
    EXPECT_EQ(lignes, t.fichier);
    for (std::size_t i = 0; i < t.memo.size(); ++i) {
        EXPECT_EQ(t.fichier.at(i), "    " + t.memo[i]);
    }
}

} // namespace
} // namespace orvane::tables
