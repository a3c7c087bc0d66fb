// The three longitudes of Rav Rottenberg (the shift by hemisphere, the
// carry of the minutes, the three export files and their workbooks), the
// refusal of the printers' calendars with that opinion, the Hebrew-script
// dates, the workbook that never appears half written, and the list run's
// workbooks.
#include "document_files.h"
#include "documents/workbook_build.h"
#include "documents/workbook_hebrew_dates.h"
#include "documents/workbook_longitudes.h"
#include "documents/workbook_writer.h"
#include "places/angle.h"
#include "platform/file_error.h"
#include "platform/text_file.h"
#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

TEST(LongitudeDecalee, WorkedExamples)
{
    struct Cas {
        const char* longitude;
        int minutes;
        const char* attendu;
    };
    for (const Cas& c : {
             Cas{"02°20'E", 5, "02°25'E"},  // Paris, east end
             Cas{"02°20'E", -5, "02°15'E"}, // Paris, west end
             Cas{"02°58'E", 5, "03°03'E"},  // the minutes carry into the degrees
             Cas{"03°02'E", -5, "02°57'E"}, // and borrow from them
             Cas{"01°30'W", 5, "01°25'W"},  // east of a western town: fewer minutes
             Cas{"01°30'W", -5, "01°35'W"},
             Cas{"01°30'O", 3, "01°27'O"},  // "O" (Ouest) is kept
             Cas{"73°59'W", -3, "74°02'W"}, // carry in the west
             Cas{"00°02'W", 5, "00°03'E"},  // across Greenwich
             Cas{"2°20E", 5, "02°25'E"},    // the places file's other notations
             Cas{"2.3333E", -5, "02°15'E"},
             Cas{"02°20'E", 0, "02°20'E"},
         }) {
        EXPECT_EQ(longitude_decalee(c.longitude, c.minutes), c.attendu)
            << c.longitude << " " << c.minutes;
    }
    EXPECT_THROW((void)longitude_decalee("02°20'X", 5), places::ErreurConversion);
}

TEST(LongitudeDecalee, EveryMinuteOfLongitudeMovesEastByTheShift)
{
    // Over every minute of longitude from 179°W to 179°E and every shift the
    // box allows, the text read back is the longitude plus the shift.
    for (int minutes = -179 * 60; minutes <= 179 * 60; minutes += 7) {
        const std::string texte = places::texte_longitude(minutes / 60.0);
        for (int decalage = -60; decalage <= 60; decalage += 11) {
            const std::string d = longitude_decalee(texte, decalage);
            const double lu = places::longitude_degres_est(d) * 60;
            ASSERT_NEAR(lu, minutes + decalage, 1e-6) << texte << " " << decalage << " " << d;
            const int m = std::stoi(d.substr(d.find("°") + 2, 2));
            ASSERT_LT(m, 60) << d;
        }
    }
}

TEST(TroisLongitudes, CentreAsTypedThenEastAndWest)
{
    const TroisLongitudes l = trois_longitudes("02°20'E", 5);
    EXPECT_EQ(l.centre, "02°20'E");
    EXPECT_EQ(l.est, "02°25'E");
    EXPECT_EQ(l.ouest, "02°15'E");
    EXPECT_TRUE(avis_rav_rottenberg("Rav Rottenberg"));
    EXPECT_FALSE(avis_rav_rottenberg("Rambam"));
}

DemandeCalendrier rottenberg(Sens sens, int annee, const std::string& longitude)
{
    DemandeCalendrier d;
    d.sens = sens;
    d.annee = annee;
    d.mois_fin = sens == Sens::civil_hebreu ? 12 : 13;
    d.opinion = "Rav Rottenberg";
    d.lieu.longitude = longitude;
    d.est_ouest = 5;
    return d;
}

/// The day lines of an export, cut at the tabs.
std::vector<std::vector<std::string>> jours_exportes(const fs::path& fichier)
{
    std::vector<std::vector<std::string>> jours;
    for (const std::string& l : platform::read_lines(fichier)) {
        if (l.size() > 4 && l[3] == '\t' && l.substr(0, 4) != "Jour") {
            std::vector<std::string> c(1);
            for (char ch : l) {
                ch == '\t' ? (void)c.emplace_back() : (void)(c.back() += ch);
            }
            jours.push_back(c);
        }
    }
    return jours;
}

TEST(ClasseurRottenberg, ParisThreeExportsAndTheCentreLast)
{
    platform::test_support::TemporaryDirectory dossier;
    const DemandeCalendrier d = rottenberg(Sens::civil_hebreu, 2025, "02°20'E");
    const fs::path classeur =
        construit_classeur(Classeur::complet, d, tables_livrees(), dossier.path());
    EXPECT_EQ(classeur, dossier / "CAL_CIVL/2025/PARIS 75 complet RR.xlsx");
    EXPECT_EQ(octets(dossier / "cal_exl.txt"), octets(dossier / "cal_exl_centre.txt"));
    EXPECT_NE(octets(dossier / "cal_exl_est.txt"), octets(dossier / "cal_exl_centre.txt"));
    // Each file is the export of a plain build at its longitude.
    for (const auto& [fichier, longitude] :
         {std::pair{"cal_exl_est.txt", "02°25'E"}, std::pair{"cal_exl_ouest.txt", "02°15'E"},
          std::pair{"cal_exl_centre.txt", "02°20'E"}}) {
        DemandeCalendrier simple = d;
        simple.lieu.longitude = longitude;
        simple.pour_tableur = true;
        const CalendrierSimplifie c = calendrier_simplifie(simple, tables_livrees());
        EXPECT_EQ(platform::read_lines(dossier / fichier), c.pages.back().export_lignes) << fichier;
    }
    // The window's place stays at the centre.
    EXPECT_EQ(lit_lieu_calendrier(dossier.path())->lieu.longitude, "02°20'E");

    // The workbook: the three times side by side, as the three files give
    // them; the sun rises first at the east end, every day of the year.
    const ClasseurLu lu = lit_classeur(classeur);
    ASSERT_EQ(lu.feuilles.size(), 12u);
    const auto centre = jours_exportes(dossier / "cal_exl_centre.txt");
    const auto est = jours_exportes(dossier / "cal_exl_est.txt");
    const auto ouest = jours_exportes(dossier / "cal_exl_ouest.txt");
    ASSERT_EQ(centre.size(), 365u);
    std::size_t jour = 0;
    int plus_tot = 0; // days when the east end sees the sun a minute earlier
    for (const FeuilleLue& f : lu.feuilles) {
        EXPECT_EQ(f.lignes_repetees, "1:4") << f.nom;
        // After day, date, festivals, other day and month, and the dawn's three.
        ASSERT_EQ(f.texte(3, 9), "L.sol") << f.nom;
        ASSERT_EQ(f.texte(4, 9), "Centre");
        ASSERT_EQ(f.texte(4, 10), "Est");
        ASSERT_EQ(f.texte(4, 11), "Ouest");
        for (int l = 5; !f.texte(l, 1).empty(); ++l, ++jour) {
            ASSERT_LT(jour, centre.size());
            const auto heure = [](std::string h) { return h.replace(2, 1, ":"); };
            EXPECT_EQ(f.texte(l, 9), heure(centre[jour][6])) << f.nom << " " << l;
            EXPECT_EQ(f.texte(l, 10), heure(est[jour][6])) << f.nom << " " << l;
            EXPECT_EQ(f.texte(l, 11), heure(ouest[jour][6])) << f.nom << " " << l;
            EXPECT_LE(f.texte(l, 10), f.texte(l, 9)) << f.nom << " " << l;
            EXPECT_LE(f.texte(l, 9), f.texte(l, 11)) << f.nom << " " << l;
            plus_tot += f.texte(l, 10) < f.texte(l, 11);
        }
    }
    EXPECT_EQ(jour, 365u);
    // 10 minutes of arc are 40 seconds of time: most days, not all, round
    // to different minutes.
    EXPECT_GT(plus_tot, 365 / 3);
}

TEST(ClasseurRottenberg, WesternTownShiftsTheOtherWay)
{
    // A town west of Greenwich: its east end has the smaller longitude.
    platform::test_support::TemporaryDirectory dossier;
    DemandeCalendrier d = rottenberg(Sens::hebreu_civil, 5785, "01°30'W");
    d.lieu = {"Biarritz", "France", "43°29'N", "01°30'W", "+1"};
    (void)construit_classeur(Classeur::magnet, d, tables_livrees(), dossier.path());
    DemandeCalendrier est = d;
    est.lieu.longitude = "01°25'W";
    est.pour_tableur = true;
    EXPECT_EQ(platform::read_lines(dossier / "cal_exl_est.txt"),
              calendrier_simplifie(est, tables_livrees()).pages.back().export_lignes);
    const ClasseurLu lu = lit_classeur(dossier / "CAL_HEBR/5785/Biarritz magnet RR.xlsx");
    ASSERT_EQ(lu.feuilles.size(), 1u);
    const FeuilleLue& f = lu.feuilles.front();
    EXPECT_EQ(f.texte(3, 4), "Entrée\nCentre");
    EXPECT_EQ(f.texte(3, 5), "Entrée\nEst");
    EXPECT_EQ(f.texte(3, 6), "Entrée\nOuest");
    // Every entry: earliest at the east end, latest at the west end.
    int entrees = 0, plus_tot = 0;
    for (int l = 5; l < 200; ++l) {
        if (f.genre(l, 4) == 't') {
            EXPECT_LE(f.texte(l, 5), f.texte(l, 4)) << l;
            EXPECT_LE(f.texte(l, 4), f.texte(l, 6)) << l;
            plus_tot += f.texte(l, 5) < f.texte(l, 6);
            ++entrees;
        }
    }
    EXPECT_GT(entrees, 20);
    EXPECT_GT(plus_tot, entrees / 3);
}

TEST(ClasseurRottenberg, PrintersCalendarsAreRefused)
{
    for (const Classeur c : {Classeur::imprimeurs_fr, Classeur::imprimeurs_fr_hb}) {
        platform::test_support::TemporaryDirectory dossier;
        const DemandeCalendrier d = rottenberg(Sens::hebreu_civil, 5785, "02°20'E");
        const std::string message =
            " \rLa construction du calendrier sous ce format n'est pas prévu\ravec le choix "
            "de l'avis de Rav Rottenberg.\rVeuillez choisir un autre avis.";
        EXPECT_EQ(refus_classeur(c, d), message);
        try {
            (void)construit_classeur(c, d, tables_livrees(), dossier.path());
            ADD_FAILURE() << "no refusal";
        } catch (const RefusClasseur& e) {
            EXPECT_EQ(e.what(), message);
        }
        EXPECT_TRUE(fs::is_empty(dossier.path())); // nothing written
    }
    DemandeCalendrier autre = rottenberg(Sens::hebreu_civil, 5785, "02°20'E");
    autre.opinion = "Beth Din (France)";
    EXPECT_EQ(refus_classeur(Classeur::imprimeurs_fr, autre), std::nullopt);
}

TEST(ClasseurRefuse, PlaceInErrorWritesNothing)
{
    platform::test_support::TemporaryDirectory dossier;
    DemandeCalendrier d;
    d.lieu.latitude = "48°52'X";
    EXPECT_THROW((void)construit_classeur(Classeur::complet, d, tables_livrees(), dossier.path()),
                 RefusClasseur);
    EXPECT_TRUE(fs::is_empty(dossier.path()));
}

TEST(DatesEnLettres, NumbersMonthsAndYears)
{
    EXPECT_EQ(nombre_en_lettres(1), "\u05D0\u05F3");
    EXPECT_EQ(nombre_en_lettres(10), "\u05D9\u05F3");
    EXPECT_EQ(nombre_en_lettres(11), "\u05D9\u05F4\u05D0");
    EXPECT_EQ(nombre_en_lettres(15), "\u05D8\u05F4\u05D5"); // 9 + 6
    EXPECT_EQ(nombre_en_lettres(16), "\u05D8\u05F4\u05D6"); // 9 + 7
    EXPECT_EQ(nombre_en_lettres(30), "\u05DC\u05F3");
    EXPECT_EQ(annee_en_lettres(5785), "\u05EA\u05E9\u05E4\u05F4\u05D4");
    EXPECT_EQ(annee_en_lettres(5784), "\u05EA\u05E9\u05E4\u05F4\u05D3");
    EXPECT_EQ(annee_en_lettres(5800), "\u05EA\u05F4\u05EA"); // 400 + 400
    EXPECT_EQ(mois_en_lettres(6, true), "\u05D0\u05D3\u05E8 \u05D0\u05F3");
    EXPECT_EQ(mois_en_lettres(7, true), "\u05D0\u05D3\u05E8 \u05D1\u05F3");
    EXPECT_EQ(mois_en_lettres(6, false), "\u05D0\u05D3\u05E8");
    // Every day of a month: distinct texts, a mark in each, never 10 + 5.
    std::set<std::string> vus;
    for (int n = 1; n <= 30; ++n) {
        const std::string t = nombre_en_lettres(n);
        EXPECT_TRUE(vus.insert(t).second) << n;
        EXPECT_TRUE(t.find("\u05F3") != std::string::npos || t.find("\u05F4") != std::string::npos)
            << n;
        EXPECT_EQ(t.find("\u05D9\u05F4\u05D4"), std::string::npos) << n;
    }
}

std::vector<std::string> fichiers(const fs::path& dossier)
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier)) {
        noms.push_back(e.path().filename().string());
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

TEST(ClasseurXlsx, AFailedWorkbookLeavesTheOldFileAndNoTemporary)
{
    platform::test_support::TemporaryDirectory dossier;
    const fs::path chemin = dossier / "classeur.xlsx";
    platform::write_lines(chemin, {"ancien"});
    {
        ClasseurXlsx c(chemin);
        FeuilleXlsx f = c.feuille("Janvier 2025", {});
        f.texte(0, 0, "nouveau", StyleCellule::texte);
        // A sheet name of more than 31 characters is refused.
        EXPECT_THROW((void)c.feuille(std::string(40, 'x'), {}), platform::FileError);
    }
    EXPECT_EQ(platform::read_lines(chemin), std::vector<std::string>{"ancien"});
    EXPECT_EQ(fichiers(dossier.path()), std::vector<std::string>{"classeur.xlsx"});

    // A cell refused on the way fails the whole workbook at the end.
    {
        ClasseurXlsx c(chemin);
        FeuilleXlsx f = c.feuille("Feuille", {});
        f.texte(0, 0, std::string(40000, 'a'), StyleCellule::texte); // over a cell's limit
        EXPECT_THROW(c.termine(), platform::FileError);
    }
    EXPECT_EQ(platform::read_lines(chemin), std::vector<std::string>{"ancien"});
    EXPECT_EQ(fichiers(dossier.path()), std::vector<std::string>{"classeur.xlsx"});

    // Into a folder that does not exist: a FileError naming the workbook.
    try {
        ClasseurXlsx c(dossier / "absent" / "x.xlsx");
        (void)c.feuille("Feuille", {});
        c.termine();
        ADD_FAILURE() << "written into a missing folder";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.path(), dossier / "absent" / "x.xlsx");
    }

    // A whole workbook replaces the old file.
    {
        ClasseurXlsx c(chemin);
        FeuilleXlsx f = c.feuille("Feuille", {});
        f.texte(0, 0, "nouveau", StyleCellule::texte);
        c.termine();
    }
    EXPECT_EQ(lit_classeur(chemin).feuilles.at(0).texte(1, 1), "nouveau");
    EXPECT_EQ(fichiers(dossier.path()), std::vector<std::string>{"classeur.xlsx"});
}

TEST(ClasseursListe, OneWorkbookForEachCityWhoseCoordinatesRead)
{
    RepertoireAvecModeles dossier;
    const std::vector<std::string> liste = {
        "PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
        "Nulle part\t\tFrance\t43°21'X\t03°13'E\t+1",
        "Jérusalem\t\tIsraël\t31°47'N\t35°13'E\t+2",
    };
    DemandeCalendrier d;
    d.mois_fin = 2; // two months are enough for the layout
    const RapportListeTableur r =
        classeurs_liste_villes(dossier.path(), d, 2025, liste, tables_livrees());
    EXPECT_EQ(r.classeurs,
              (std::vector<fs::path>{dossier / "Orvanew/Calendri/Civhebxl/2025/PARIS 75.xlsx",
                                     dossier / "Orvanew/Calendri/Civhebxl/2025/Jerusale.xlsx"}));
    EXPECT_TRUE(fs::exists(dossier / "Orvanew/Calendri/Civhebxl/2025/PARIS 75.txt"));
    EXPECT_FALSE(fs::exists(dossier / "Orvanew/Calendri/Civhebxl/2025/Nulle pa.xlsx"));
    const ClasseurLu jerusalem = lit_classeur(r.classeurs[1]);
    EXPECT_EQ(jerusalem.noms(), (std::vector<std::string>{"Janvier 2025", "Février 2025"}));
    EXPECT_EQ(jerusalem.feuilles.at(0).texte(1, 1),
              "Calendrier de 2025 ( 5785 - 5786 ) pour Jérusalem");
}

} // namespace
} // namespace orvane::documents
