// What a computed day hands on: the row of a table, the decimal line, the
// trace and its file, the slots by token, and the opinion of the day page
// kept in the home place file.

#include "jour_commun.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "zmanim/format/libelles.h"
#include "zmanim/format/trace.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::zmanim
{
namespace
{

using namespace test;

class Lignes : public SortieTableau
{
public:
    std::vector<std::string> decimales;
    int polaires = 0;
    void ligne_tableau(const DayTimes& j) override { decimales.push_back(j.ligne_decimale); }
    void jour_polaire(const DayTimes&) override { ++polaires; }
};

class Journal : public JournalTrace
{
public:
    std::vector<std::vector<std::string>> jours;
    void ecrit_jour(const DayTimes& j) override
    {
        std::vector<std::string> etiquettes;
        for (const EntreeTrace& e : j.trace) {
            etiquettes.push_back(e.etiquette);
        }
        jours.push_back(etiquettes);
    }
};

DemandeJour demande(int jour, int mois, const std::string& avis, bool ligne)
{
    return {engine::jour_semaine(engine::DateCivile{2024, mois, jour}),
            {2024, mois, jour},
            "48°52N",
            "2°20E",
            "+1",
            avis,
            1,
            !ligne};
}

TEST(Sorties, UneLigneParJourDemandee)
{
    Lignes lignes;
    ContexteCalcul c;
    c.tableau = &lignes;
    ZmanimSettings r;
    DayTimes j;
    horaires_du_jour(demande(21, 6, "Or Méïr", true), r, j, c);
    horaires_du_jour(demande(22, 6, "Or Méïr", false), r, j, c);
    horaires_du_jour(demande(23, 6, "Or Méïr", true), r, j, c);
    EXPECT_EQ(lignes.decimales.size(), 2u);
    EXPECT_EQ(lignes.polaires, 0);
    EXPECT_TRUE(lignes.decimales[0].empty()) << "no decimal line unless asked";
}

// The traced times, in the order they are computed; the opinions add
// their own.
TEST(Sorties, TraceDesHeuresDuJour)
{
    Lignes lignes;
    Journal journal;
    ContexteCalcul c;
    c.tableau = &lignes;
    c.journal = &journal;
    ZmanimSettings r;
    DayTimes j;
    horaires_du_jour(demande(21, 6, "Or Méïr", true), r, j, c);
    EXPECT_TRUE(journal.jours.empty()) << "no trace unless \"Trace\" is checked";
    r.trace = true;
    horaires_du_jour(demande(21, 6, "Or Méïr", true), r, j, c);
    ASSERT_EQ(journal.jours.size(), 1u);
    const std::vector<std::string> om = {"HATSOT",
                                         "CHA'HAR OM",
                                         "TEPHILIN OM",
                                         "LEVER DU SOLEIL (NETS)",
                                         "COUCHER DU SOLEIL (CHEKIA)",
                                         "GUEDOLA",
                                         "PLAG",
                                         "TSET OM",
                                         "TSET Chema"};
    EXPECT_EQ(journal.jours[0], om);
    EXPECT_NEAR(j.trace[0].locale, j.t_hatsot + 2, 1e-12);

    horaires_du_jour(demande(21, 6, "Maguen Abraham (pavé)", true), r, j, c);
    std::vector<std::string> pavee = om;
    for (const char* e : {"AUBE PAV", "NUIT PAV", "TEPHILIN PAVEE", "TSET PAVEE"}) {
        pavee.push_back(e);
    }
    EXPECT_EQ(journal.jours[1], pavee);
}

// With "Affiche en décimal": dawn, tefillin, sunrise, midday, sunset,
// stars, exit and night in decimal hours of the zone, then the sun's right
// ascension (hours) and declination (degrees) at midday.
TEST(Sorties, LigneDecimale)
{
    Lignes lignes;
    ContexteCalcul c;
    c.tableau = &lignes;
    ZmanimSettings r;
    r.affiche_decimal = true;
    DayTimes j;
    horaires_du_jour(demande(21, 6, "Or Méïr", true), r, j, c);
    ASSERT_EQ(lignes.decimales.size(), 1u);
    const std::string& l = lignes.decimales[0];
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (std::size_t p; (p = l.find('\t', debut)) != std::string::npos; debut = p + 1) {
        champs.push_back(l.substr(debut, p - debut));
    }
    champs.push_back(l.substr(debut));
    ASSERT_EQ(champs.size(), 10u) << l;
    EXPECT_EQ(champs[2].substr(0, 4), "4.78") << "sunrise 04:47 of the zone";
    EXPECT_LE(champs[0].size(), 8u);
    EXPECT_EQ(champs[8].substr(0, 3), "6.0") << "right ascension at the solstice: 6 h";
    EXPECT_EQ(champs[9].substr(0, 4), "23.4") << "declination: 23.4°";
    EXPECT_EQ(j.soleil_decimal, champs[8] + "\t" + champs[9]);
}

TEST(Sorties, FichierTrace)
{
    platform::test_support::TemporaryDirectory dir;
    FichierTrace fichier(dir.path() / fichier_trace, 2024);
    ContexteCalcul c;
    Lignes lignes;
    c.tableau = &lignes;
    c.journal = &fichier;
    ZmanimSettings r;
    r.trace = true;
    DayTimes j;
    horaires_du_jour(demande(21, 6, "Or Méïr", true), r, j, c);
    horaires_du_jour(demande(22, 12, "Or Méïr", true), r, j, c);
    const std::vector<std::string> l = platform::read_lines(dir.path() / "trace.dta");
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].substr(0, 26), "2024\tHATSOT\t\tCHA'HAR OM\t\tT");
    EXPECT_EQ(l[1].substr(0, 8), "21 Juin\t");
    EXPECT_EQ(l[2].substr(0, 9), "22 Déce\t");
    EXPECT_NE(l[1].find("\t13h 53mn 0s\t"), std::string::npos) << l[1];
    // Appended, never emptied: a second calculation adds its heading again.
    FichierTrace encore(dir.path() / fichier_trace, 2025);
    c.journal = &encore;
    horaires_du_jour(demande(1, 1, "Or Méïr", true), r, j, c);
    EXPECT_EQ(platform::read_lines(dir.path() / "trace.dta").size(), 5u);
}

TEST(Sorties, CreneauxParJeton)
{
    std::set<std::string_view> jetons;
    for (const DescriptionCreneau& c : creneaux()) {
        jetons.insert(c.jeton);
    }
    EXPECT_EQ(jetons.size(), 25u);
    for (const Moment& m : moments_halakha) {
        EXPECT_TRUE(jetons.count(m.jeton)) << m.jeton;
    }
    for (const Moment& m : moments_bdl) {
        EXPECT_TRUE(jetons.count(m.jeton)) << m.jeton;
    }
    DayTimes j;
    HeureFormatee f;
    f.texte_heures = "05";
    f.texte_minutes = "47";
    f.texte_secondes = "00";
    j.memorise_heure("heureL", f);
    EXPECT_EQ(j.heureL, (TexteHoraire{"05", "47", "00"}));
    const DayTimes avant = j;
    j.memorise_heure("heureInconnue", f);
    EXPECT_EQ(j.heureA, avant.heureA);
    EXPECT_EQ(j.creneau("heureInconnue"), nullptr);
    EXPECT_EQ(j.instant("heureL"), &j.t_lever);
    EXPECT_EQ(j.creneau("heure_saison_an"), &j.saison_an);
}

TEST(Sorties, ListeDuJour)
{
    ZmanimSettings r;
    DayTimes j;
    horaires_du_jour(demande(21, 6, "Or Méïr", false), r, j);
    const std::vector<LigneDuJour> l = liste_du_jour(j, false, false);
    ASSERT_EQ(l.size(), 19u);
    EXPECT_EQ(l[2].legende, "Lever du soleil : Nets");
    EXPECT_EQ(l[2].heure, "05:47");
    EXPECT_EQ(l[11].heure, "21:40");
    EXPECT_EQ(l[17].heure, "01:21");
    EXPECT_EQ(liste_du_jour(j, false, true)[2].heure, "05:47:00");
    EXPECT_EQ(liste_du_jour(j, true, false).size(), 11u);
}

} // namespace
} // namespace orvane::zmanim
