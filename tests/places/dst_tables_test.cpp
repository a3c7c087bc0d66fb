// The delivered summer-time tables against the system's time-zone database:
// for every country key of the places files, every day of 2000 to 2040 gets
// the correction that the clocks of its zone really have, or no table line
// for a year that two lines cannot describe; and every city of the places
// files, read as the program reads it, has the clocks of its own zone but in
// the years listed as beyond two lines.
#include "places/angle.h"
#include "places/dst.h"
#include "places/places.h"

#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <tuple>

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

/// The tab-separated fields of each line of a file of tools/dst, its
/// comment lines left out.
std::vector<std::vector<std::string>> lignes_tsv(const std::string& fichier)
{
    std::vector<std::vector<std::string>> lignes;
    for (const std::string& ligne : platform::read_lines(source / "tools" / "dst" / fichier)) {
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        std::vector<std::string> champs;
        std::istringstream flux(ligne);
        for (std::string champ; std::getline(flux, champ, '\t');) {
            champs.push_back(champ);
        }
        lignes.push_back(champs);
    }
    return lignes;
}

std::vector<ZonePays> zones_des_pays()
{
    std::vector<ZonePays> zones;
    for (const auto& champs : lignes_tsv("zones.tsv")) {
        zones.push_back(ZonePays{champs.at(0), champs.at(1), std::stod(champs.at(2))});
    }
    return zones;
}

/// Offset from Universal Time of the zone's clocks at noon of standard time,
/// from the C library's reading of the time-zone database.
class HorlogeDeZone
{
public:
    // The zone's compiled file as the generators read it (tests/data/zoneinfo),
    // not the system's, whose rules change with each release of the database.
    explicit HorlogeDeZone(const std::string& zone)
    {
        const std::string fichier = std::string(ORVANE_TEST_DATA_DIR) + "/zoneinfo/" + zone;
        EXPECT_TRUE(std::filesystem::is_regular_file(fichier)) << fichier;
        ::setenv("TZ", (":" + fichier).c_str(), 1);
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

/// A year in which the clocks of a zone differ from what the program gives
/// the cities of a country key: key, zone, year.
using AnneeFausse = std::tuple<std::string, std::string, int>;

/// The places of the two files, as the program reads them, that share a
/// country key, a zone and an offset (so the same clocks every day).
struct GroupeDeLieux {
    std::string pays;
    std::string zone;
    std::string decalage;
    std::vector<std::string> villes;
};

std::vector<GroupeDeLieux> lieux_livres_par_zone()
{
    std::map<std::pair<std::string, std::string>, std::string> zones;
    for (const auto& champs : lignes_tsv("city_zones.tsv")) {
        // The city as the program reads it: its first 30 characters.
        zones[{platform::left(champs.at(0), longueur_champ_lieu), champs.at(1)}] = champs.at(2);
    }
    std::map<std::tuple<std::string, std::string, std::string>, GroupeDeLieux> groupes;
    std::set<std::pair<std::string, std::string>> vus;
    for (std::string_view fichier : {fichier_lieux_court, fichier_lieux_long}) {
        for (const Place& p : lit_fichier_lieux(source / "data", fichier).lieux) {
            const auto zone = zones.find({p.ville, p.pays});
            EXPECT_NE(zone, zones.end()) << p.ville << " (" << p.pays << ") has no time zone";
            if (zone == zones.end()) {
                continue;
            }
            vus.insert(zone->first);
            GroupeDeLieux& g = groupes[{p.pays, zone->second, p.decalage}];
            g.pays = p.pays;
            g.zone = zone->second;
            g.decalage = p.decalage;
            g.villes.push_back(p.ville);
        }
    }
    EXPECT_EQ(vus.size(), zones.size()) << "city_zones.tsv names cities of neither file";
    std::vector<GroupeDeLieux> liste;
    for (auto& [cle, g] : groupes) {
        liste.push_back(std::move(g));
    }
    return liste;
}

/// The first day of the year on which standard offset plus the program's
/// correction is not the zone's offset at noon (the clock is the group's).
std::optional<std::string> premier_jour_faux(const GroupeDeLieux& g, const TablesEte& tables,
                                             int annee, double standard)
{
    const DstYear changements = tables.annee(g.pays, annee, config::mode_avec_changement);
    for (int mois = 1; mois <= 12; ++mois) {
        for (int jour = 1; jour <= jours_du_mois(annee, mois); ++jour) {
            const double programme =
                standard + correction_pour_le_jour(changements, config::mode_avec_changement, jour,
                                                   mois, std::nullopt);
            const double horloges = HorlogeDeZone::decalage_a_midi(annee, mois, jour, standard);
            if (programme != horloges) {
                std::ostringstream texte;
                texte << jour << "/" << mois << ": " << programme << " h, clocks " << horloges
                      << " h";
                return texte.str();
            }
        }
    }
    return std::nullopt;
}

/// The years of 2000 to 2040 in which the places of the group have not the
/// clocks of their zone, each with its first wrong day.
std::map<AnneeFausse, std::string> annees_fausses(const GroupeDeLieux& g, const TablesEte& tables)
{
    const double standard = lit_angle(g.decalage, UniteAngle::degres);
    HorlogeDeZone horloge(g.zone);
    std::map<AnneeFausse, std::string> fausses;
    for (int annee = 2000; annee <= 2040; ++annee) {
        if (std::optional<std::string> jour = premier_jour_faux(g, tables, annee, standard)) {
            fausses.emplace(AnneeFausse{g.pays, g.zone, annee}, std::move(*jour));
        }
    }
    return fausses;
}

// Every city of lieu.cal and lieu_all.cal, through the readers of the
// program: its offset plus the correction of the table its country key
// selects (through H_europe.txt) is the offset of its own zone on every day
// of 2000 to 2040, except in the years of inexpressible.tsv, and each of
// those is a year where it is not.
TEST(TablesLivrees, ChaqueVilleALHeureDeSaZone)
{
    std::set<AnneeFausse> listees;
    for (const auto& champs : lignes_tsv("inexpressible.tsv")) {
        listees.insert({champs.at(0), champs.at(1), std::stoi(champs.at(2))});
    }
    const TablesEte tables(source / "data");
    const std::vector<GroupeDeLieux> groupes = lieux_livres_par_zone();
    ASSERT_GT(groupes.size(), 300u);
    std::set<AnneeFausse> trouvees;
    for (const GroupeDeLieux& g : groupes) {
        for (const auto& [annee, jour] : annees_fausses(g, tables)) {
            trouvees.insert(annee);
            EXPECT_TRUE(listees.count(annee))
                << g.villes.front() << " (" << g.pays << ", " << g.zone << ", " << g.villes.size()
                << " villes) " << std::get<2>(annee) << " " << jour;
        }
    }
    for (const AnneeFausse& a : listees) {
        EXPECT_TRUE(trouvees.count(a)) << "listed but right: " << std::get<0>(a) << " ("
                                       << std::get<1>(a) << ") " << std::get<2>(a);
    }
}

// Cities whose clocks are not those of their country's main zone.
TEST(TablesLivrees, VillesHorsDuFuseauDeLeurPays)
{
    const ListesLieux lieux = lit_fichier_lieux(source / "data", fichier_lieux_court);
    const TablesEte tables(source / "data");
    struct Cas {
        const char* ville;
        const char* decalage;
        int mois; // of 15 January or 15 July 2025
        double correction;
    };
    const Cas cas[] = {
        {"Sydney", "+10", 1, 1},       {"Perth", "+8", 1, 0},       {"Brisbane", "+10", 1, 0},
        {"Gold Coast", "+10", 1, 0},   {"Adelaide", "+9.5", 1, 1},  {"New York (NY)", "-5", 7, 1},
        {"Phoenix (AZ)", "-7", 7, 0},  {"Tucson (AZ)", "-7", 7, 0}, {"Honolulu (HI)", "-10", 7, 0},
        {"Chicago (IL)", "-6", 7, 1},  {"Regina", "-6", 7, 0},      {"Saskatoon", "-6", 7, 0},
        {"Montréal", "-5", 7, 1},      {"Tijuana", "-8", 7, 1},     {"Mexicali", "-8", 7, 1},
        {"Ciudad Juárez", "-7", 7, 1}, {"Mexico", "-6", 7, 0},      {"PARIS (75)", "+1", 7, 1},
        {"Jérusalem", "+2", 7, 1},
    };
    for (const Cas& c : cas) {
        const std::optional<Place> p = choix_ville(lieux, c.ville);
        ASSERT_TRUE(p) << c.ville;
        EXPECT_EQ(p->decalage, c.decalage) << c.ville;
        EXPECT_EQ(tables.correction(p->pays, config::mode_avec_changement, {2025, c.mois, 15},
                                    std::nullopt),
                  c.correction)
            << c.ville << " (" << p->pays << ") 15/" << c.mois << "/2025";
    }
    // The region keys are countries of their own in the lists, beside their country.
    EXPECT_EQ(choix_ville(lieux, "Perth")->pays, "Australie (Occidentale)");
    EXPECT_EQ(choix_ville(lieux, "Phoenix (AZ)")->pays, "États-Unis (Arizona)");
    EXPECT_EQ(choix_ville(lieux, "Tijuana")->pays, "Mexique (Basse-Californie)");
    EXPECT_EQ(choix_ville(lieux, "Chicago (IL)")->pays, "États-Unis");
    const auto australie = std::find(lieux.pays.begin(), lieux.pays.end(), "Australie");
    ASSERT_NE(australie, lieux.pays.end());
    EXPECT_EQ(*std::next(australie), "Australie (Méridionale)");
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
