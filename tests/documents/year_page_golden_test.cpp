// The year pages of Paris, civil 2025 and Hebrew 5785, with the times by
// the default opinion (Beth Din (France)), compared byte for byte with the
// golden files: the text area as the window shows it and saves it, and
// "cal_exl.txt" as the workbooks read it. The golden lines were read
// against the festivals, readings, seasons and zmanim of the command line
// for the same days.
#include "document_files.h"
#include "documents/city_pages.h"
#include "documents/year_page.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::documents
{
namespace
{

using namespace test;

DemandeCalendrier paris(Sens sens, int annee)
{
    return demande_paris(sens, annee);
}

/// The text area saved by "Enregistrer" and the export file.
void compare_page(const DemandeCalendrier& d, std::string_view nom)
{
    platform::test_support::TemporaryDirectory dossier;
    const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    ASSERT_TRUE(c.erreur.empty()) << c.erreur;
    ecrit_fichiers_calendrier(dossier.path(), c, d);
    platform::write_lines(dossier / "memo.txt", c.memo);
    compare_au_golden(dossier / "memo.txt", std::string(nom) + "_memo.txt");
    compare_au_golden(dossier / "cal_exl.txt", std::string(nom) + "_cal_exl.txt");
}

TEST(PageAnneeGolden, CivileParis2025)
{
    // Without the limit of the text area: the whole year, for the export.
    DemandeCalendrier d = paris(Sens::civil_hebreu, 2025);
    compare_page(d, "civil_2025_paris");
}

TEST(PageAnneeGolden, HebraiqueParis5785)
{
    compare_page(paris(Sens::hebreu_civil, 5785), "hebreu_5785_paris");
}

TEST(PageAnneeGolden, CivileJerusalem2025SansHoraires)
{
    DemandeCalendrier d = paris(Sens::civil_hebreu, 2025);
    d.lieu = {"Jérusalem", "Israël", "31°47'N", "35°13'E", "+2"};
    d.diaspora = false;
    d.tossefet = 40;
    d.horaires = false;
    d.premiers_du_mois = true;
    compare_page(d, "civil_2025_jerusalem_premiers");
}

TEST(PageAnneeGolden, CivileJerusalem2025AvecHoraires)
{
    DemandeCalendrier d = paris(Sens::civil_hebreu, 2025);
    d.lieu = {"Jérusalem", "Israël", "31°47'N", "35°13'E", "+2"};
    d.diaspora = false;
    d.tossefet = 40;
    compare_page(d, "civil_2025_jerusalem");
}

TEST(PageAnneeGolden, HebraiqueParis5785SansHoraires)
{
    DemandeCalendrier d = paris(Sens::hebreu_civil, 5785);
    d.horaires = false;
    compare_page(d, "hebreu_5785_paris_sans_horaires");
}

// The page files of each template family, text and HTML: the dates pages
// (no times) and the city calendars (with the times), and the list page.
TEST(PagesGolden, ChaqueFamilleEnTexteEtEnHtml)
{
    for (const bool web : {false, true}) {
        RepertoireAvecModeles dossier;
        const std::string ext = web ? "htm" : "txt";
        DemandeCalendrier d = paris(Sens::civil_hebreu, 2025);
        d.web = web;
        d.cible = Cible::fichier;
        d.horaires = false;
        const ResultatPage dates = page_une_ville(dossier.path(), d, 2025, tables_livrees());
        compare_au_golden(dates.page, "page_dates_2025." + ext);
        d.horaires = true;
        const ResultatPage ville = page_une_ville(dossier.path(), d, 2025, tables_livrees());
        compare_au_golden(ville.page, "page_paris_2025." + ext);
        d.sens = Sens::hebreu_civil;
        d.mois_fin = 13;
        const ResultatPage hebreu = page_une_ville(dossier.path(), d, 5785, tables_livrees());
        compare_au_golden(hebreu.page, "page_paris_5785." + ext);
        if (web) {
            d.sens = Sens::civil_hebreu;
            d.mois_fin = 12;
            d.premiers_du_mois = true;
            const RapportListe r = pages_liste_villes(dossier.path(), d, 2025,
                                                      {"PARIS (75)\t\tFrance\t48°52'N\t02°20'E\t+1",
                                                       "Lyon\t\tFrance\t45°45'N\t04°51'E\t+1"},
                                                      tables_livrees());
            compare_au_golden(r.page_liste, "page_liste_2025.htm");
        }
    }
}

} // namespace
} // namespace orvane::documents
