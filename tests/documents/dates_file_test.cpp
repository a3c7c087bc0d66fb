// The file of date pairs: its layout on the worked example of one civil
// year, and over spans of years in both directions the properties a reader
// of the file relies on: every day once, in order, each line's two dates the
// same day, a title before each year.
#include "documents/dates_file.h"
#include "engine/arithmetic.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane::documents
{
namespace
{

using Lignes = std::vector<std::string>;

std::vector<std::string> champs(const std::string& ligne)
{
    std::vector<std::string> c;
    std::istringstream flux(ligne);
    for (std::string champ; std::getline(flux, champ, '\t');) {
        c.push_back(champ);
    }
    return c;
}

/// The month numbered by its French name, 0 for none.
int mois_nomme(const std::string& nom, bool hebreu, int annee)
{
    const auto sans_blancs = [](std::string_view t) {
        return std::string(t.substr(0, t.find_last_not_of(' ') + 1));
    };
    for (int m = 1; m <= (hebreu ? 13 : 12); ++m) {
        const std::string_view n =
            hebreu ? engine::nom_mois_hebreu(m, engine::annee_hebr_embolismique(annee))
                   : engine::mois_civils[static_cast<std::size_t>(m)];
        if (sans_blancs(n) == sans_blancs(nom)) {
            return m;
        }
    }
    return 0;
}

/// The day lines of the file: their civil dates in the order written, each
/// line's Hebrew date checked to be the same day.
std::vector<engine::DateCivile> jours_du_fichier(const Lignes& lignes, SensDates sens)
{
    std::vector<engine::DateCivile> jours;
    const bool civil = sens == SensDates::civil_hebreu;
    for (const std::string& l : lignes) {
        const auto c = champs(l);
        if (c.size() != 8) {
            continue;
        }
        EXPECT_EQ(c[4], "=") << l;
        EXPECT_EQ(c[0].size(), 10u) << l;
        const std::size_t ic = civil ? 1 : 5;
        const std::size_t ih = civil ? 5 : 1;
        const int ac = std::stoi(c[ic + 2]);
        const int ah = std::stoi(c[ih + 2]);
        const engine::DateCivile date{ac, mois_nomme(c[ic + 1], false, ac), std::stoi(c[ic])};
        const engine::DateHebraique hebr{ah, mois_nomme(c[ih + 1], true, ah), std::stoi(c[ih])};
        EXPECT_EQ(engine::civil_de_l_hebreu(hebr), date) << l;
        EXPECT_EQ(engine::jours_semaine[static_cast<std::size_t>(engine::jour_semaine(date))],
                  c[0].substr(0, 9))
            << l;
        jours.push_back(date);
    }
    return jours;
}

TEST(FichierDeDates, UneAnneeCivile)
{
    const Lignes l = lignes_dates(SensDates::civil_hebreu, 2025, 1);
    ASSERT_EQ(l.size(), 1u + 3u + 365u);
    EXPECT_EQ(l[0], "ANNEE(S) 2025");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], "ANNEE 2025");
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(l[4], "Mercredi  \t01\tJanvier  \t2025\t=\t01\tTevet  \t5785");
    EXPECT_EQ(l[4 + 31 + 28 + 31 + 11], "Chabbat   \t12\tAvril    \t2025\t=\t14\tNissan \t5785");
    EXPECT_EQ(l.back(), "Mercredi  \t31\tDécembre \t2025\t=\t11\tTevet  \t5786");
}

TEST(FichierDeDates, UneAnneeHebraique)
{
    const Lignes l = lignes_dates(SensDates::hebreu_civil, 5785, 1);
    EXPECT_EQ(l[0], "ANNEE(S) 5785");
    EXPECT_EQ(l[2], "ANNEE 5785");
    EXPECT_EQ(l[4], "Jeudi     \t01\tTichri \t5785\t=\t03\tOctobre  \t2024");
    EXPECT_EQ(l.back(), "Lundi     \t29\tEloul  \t5785\t=\t22\tSeptembre\t2025");
    const long jours = engine::numero_du_civil({2025, 9, 23}).valeur -
                       engine::numero_du_civil({2024, 10, 3}).valeur;
    EXPECT_EQ(static_cast<long>(l.size()), 4 + jours);
}

// Every day of the span once and in order, a title before each year, in
// both directions, over spans that cross leap years and the change of
// calendar of October 1582.
TEST(FichierDeDates, ChaqueJourUneFoisEtDansLOrdre)
{
    struct Cas {
        SensDates sens;
        int annee;
        int nombre;
        engine::DateCivile premier;
        engine::DateCivile dernier;
    };
    const Cas cas[] = {
        {SensDates::civil_hebreu, 1581, 3, {1581, 1, 1}, {1583, 12, 31}},
        {SensDates::civil_hebreu, 2023, 3, {2023, 1, 1}, {2025, 12, 31}},
        {SensDates::hebreu_civil, 5784, 2, {2023, 9, 16}, {2025, 9, 22}},
    };
    for (const Cas& c : cas) {
        const Lignes l = lignes_dates(c.sens, c.annee, c.nombre);
        const std::vector<engine::DateCivile> jours = jours_du_fichier(l, c.sens);
        ASSERT_FALSE(jours.empty());
        EXPECT_EQ(jours.front(), c.premier);
        EXPECT_EQ(jours.back(), c.dernier);
        for (std::size_t i = 1; i < jours.size(); ++i) {
            ASSERT_EQ(jours[i], engine::lendemain(jours[i - 1])) << i;
        }
        int titres = 0;
        for (const std::string& ligne : l) {
            titres += ligne.rfind("ANNEE ", 0) == 0 ? 1 : 0;
        }
        EXPECT_EQ(titres, c.nombre);
    }
}

TEST(FichierDeDates, EcritDansDatesEtRefuseHorsDuCalendrier)
{
    platform::test_support::TemporaryDirectory dir;
    const FichierDates f = ecrit_fichier_dates(dir.path(), SensDates::civil_hebreu, 2024, 2);
    EXPECT_EQ(f.chemin, dir / "DATES" / "Dates_2024_2025.txt");
    EXPECT_EQ(platform::read_lines(f.chemin), lignes_dates(SensDates::civil_hebreu, 2024, 2));
    EXPECT_EQ(platform::read_lines(f.chemin).front(), "ANNEE(S) 2024 à 2025");
    ASSERT_EQ(f.message.size(), 2u);
    EXPECT_EQ(f.message[1], "\r\tCréation de fichier terminée.\tVoir :  " + f.chemin.string());

    EXPECT_FALSE(refus_dates(SensDates::civil_hebreu, 2025, 1));
    EXPECT_FALSE(refus_dates(SensDates::civil_hebreu, 9998, 1));
    EXPECT_EQ(*refus_dates(SensDates::civil_hebreu, 9998, 2),
              "Les années civiles 9998 à 9999 sortent du calendrier (années 100 à 9998).");
    EXPECT_FALSE(refus_dates(SensDates::hebreu_civil, 13759, 1));
    EXPECT_TRUE(refus_dates(SensDates::hebreu_civil, 13759, 2));
    EXPECT_TRUE(refus_dates(SensDates::hebreu_civil, 3859, 1));
    EXPECT_TRUE(refus_dates(SensDates::civil_hebreu, 2025, 0));
}

// A file written again replaces the old one whole, and the folder holds
// nothing else afterwards (the lines went through a temporary file).
TEST(FichierDeDates, RemplaceLAncienFichierSansRienLaisser)
{
    platform::test_support::TemporaryDirectory dir;
    const FichierDates a = ecrit_fichier_dates(dir.path(), SensDates::hebreu_civil, 5785, 1);
    platform::write_lines(a.chemin, {"ancien"});
    const FichierDates b = ecrit_fichier_dates(dir.path(), SensDates::hebreu_civil, 5785, 1);
    EXPECT_EQ(platform::read_lines(b.chemin), lignes_dates(SensDates::hebreu_civil, 5785, 1));
    std::vector<std::string> noms;
    for (const auto& e : std::filesystem::directory_iterator(dir / "DATES")) {
        noms.push_back(e.path().filename().string());
    }
    EXPECT_EQ(noms, std::vector<std::string>{"Dates_5785_5785.txt"});
}

} // namespace
} // namespace orvane::documents
