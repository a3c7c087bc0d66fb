// The delivered summer-time tables against the system's time-zone database:
// for every country of the places files, every day of 2000 to 2040 gets the
// correction that the clocks of its main zone really have, or no table line
// for a year that two lines cannot describe.
#include "places/dst.h"

#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

namespace orvane::places
{
namespace
{

const std::filesystem::path source = ORVANE_SOURCE_DIR;

struct ZonePays {
    std::string pays;
    std::string zone;
    double decalage = 0; // standard offset of the places, hours
};

std::vector<ZonePays> zones_des_pays()
{
    std::vector<ZonePays> zones;
    for (const std::string& ligne : platform::read_lines(source / "tools" / "dst" / "zones.tsv")) {
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        std::istringstream champs(ligne);
        ZonePays z;
        std::string decalage;
        std::getline(champs, z.pays, '\t');
        std::getline(champs, z.zone, '\t');
        std::getline(champs, decalage, '\t');
        z.decalage = std::stod(decalage);
        zones.push_back(z);
    }
    return zones;
}

/// Offset from Universal Time of the zone's clocks at noon of standard time,
/// from the C library's reading of the time-zone database.
class HorlogeDeZone
{
public:
    explicit HorlogeDeZone(const std::string& zone)
    {
        ::setenv("TZ", (":" + zone).c_str(), 1);
        ::tzset();
    }
    ~HorlogeDeZone()
    {
        ::unsetenv("TZ");
        ::tzset();
    }
    static double decalage_a_midi(int annee, int mois, int jour, double standard)
    {
        std::tm utc{};
        utc.tm_year = annee - 1900;
        utc.tm_mon = mois - 1;
        utc.tm_mday = jour;
        utc.tm_hour = 12;
        const std::time_t instant = ::timegm(&utc) - static_cast<std::time_t>(standard * 3600);
        std::tm local{};
        ::localtime_r(&instant, &local);
        return static_cast<double>(local.tm_gmtoff) / 3600;
    }
};

bool bissextile(int a)
{
    return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
}

int jours_du_mois(int annee, int mois)
{
    static constexpr int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mois == 2 && bissextile(annee) ? 29 : longueurs[mois - 1];
}

/// True when the year's corrections are 0 or 1 and the summer days make one
/// period (over the new year in the south), so that two lines describe it.
bool descriptible(const std::vector<double>& corrections)
{
    int debuts = 0;
    for (std::size_t i = 0; i < corrections.size(); ++i) {
        const double c = corrections[i];
        if (c != 0 && c != 1) {
            return false;
        }
        const double veille = corrections[i == 0 ? corrections.size() - 1 : i - 1];
        debuts += (c == 1 && veille == 0) ? 1 : 0;
    }
    return debuts == 1;
}

TEST(TablesLivrees, ChaqueJourDe2000A2040SelonLaBaseDesFuseaux)
{
    const std::filesystem::path data = source / "data";
    const auto zones = zones_des_pays();
    ASSERT_GT(zones.size(), 200u);
    int tables = 0;
    for (const ZonePays& z : zones) {
        HorlogeDeZone horloge(z.zone);
        bool une_ligne = false;
        for (int annee = 2000; annee <= 2040; ++annee) {
            std::vector<double> corrections;
            for (int mois = 1; mois <= 12; ++mois) {
                for (int jour = 1; jour <= jours_du_mois(annee, mois); ++jour) {
                    corrections.push_back(
                        HorlogeDeZone::decalage_a_midi(annee, mois, jour, z.decalage) - z.decalage);
                }
            }
            const DstYear trouve = lit_decaleur(data, z.pays, annee, config::mode_avec_changement);
            if (!descriptible(corrections)) {
                // No summer at all, or more than two lines could say.
                EXPECT_FALSE(trouve.trouve()) << z.pays << " " << annee;
                continue;
            }
            une_ligne = true;
            ASSERT_TRUE(trouve.trouve()) << z.pays << " " << annee;
            std::size_t i = 0;
            for (int mois = 1; mois <= 12; ++mois) {
                for (int jour = 1; jour <= jours_du_mois(annee, mois); ++jour, ++i) {
                    ASSERT_EQ(correction_du_jour(trouve, jour, mois), corrections[i])
                        << z.pays << " (" << z.zone << ") " << jour << "/" << mois << "/" << annee;
                }
            }
        }
        tables += une_ligne ? 1 : 0;
    }
    EXPECT_GT(tables, 60); // countries with summer time somewhere in 2000-2040
}

TEST(TablesLivrees, ExemplesConnus)
{
    const std::filesystem::path data = source / "data";
    const DstYear france = lit_decaleur(data, "France", 2025, config::mode_avec_changement);
    EXPECT_EQ(france, (DstYear{"30", "3", "2025", "1", "26", "10", "2025", "0"}));
    const DstYear israel = lit_decaleur(data, "Israël", 2025, config::mode_avec_changement);
    EXPECT_EQ(israel.statut, "28");
    EXPECT_EQ(israel.jour_fin, "26");
    // Belgium follows the European rules: the table of France.
    EXPECT_EQ(lit_decaleur(data, "Belgique", 2025, config::mode_avec_changement), france);
    const DstYear usa = lit_decaleur(data, "États-Unis", 2025, config::mode_avec_changement);
    EXPECT_EQ(usa.statut + "/" + usa.mois_debut + " " + usa.jour_fin + "/" + usa.mois_fin,
              "9/3 2/11");
    const DstYear chili = lit_decaleur(data, "Chili", 2025, config::mode_avec_changement);
    EXPECT_TRUE(est_ete(chili, 1, 1));
    EXPECT_FALSE(est_ete(chili, 1, 7));
    EXPECT_FALSE(lit_decaleur(data, "Japon", 2025, config::mode_avec_changement).trouve());
}

// Every year 1970-2100 of every table has its two lines, in the format the
// reader expects, at most once.
TEST(TablesLivrees, DeuxLignesParAnnee)
{
    for (const auto& entree : std::filesystem::directory_iterator(source / "data")) {
        const std::string nom = entree.path().filename().string();
        if (nom.rfind("h_", 0) != 0) {
            continue;
        }
        std::map<int, int> lignes_par_annee;
        for (const std::string& ligne : platform::read_lines(entree.path())) {
            std::vector<std::string> champs;
            std::istringstream flux(ligne);
            for (std::string champ; std::getline(flux, champ, '\t');) {
                champs.push_back(champ);
            }
            ASSERT_EQ(champs.size(), 6u) << nom << ": " << ligne;
            ++lignes_par_annee[std::stoi(champs[4])];
        }
        for (const auto& [annee, n] : lignes_par_annee) {
            EXPECT_EQ(n, 2) << nom << " " << annee;
            EXPECT_TRUE(annee >= 1970 && annee <= 2100) << nom;
        }
    }
}

} // namespace
} // namespace orvane::places
