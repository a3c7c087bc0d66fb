// The year pages of Paris, civil 2025 and Hebrew 5785, with the times by
// the default opinion (Beth Din (France)), compared byte for byte with the
// golden files: the text area as the window shows it and saves it, and
// "cal_exl.txt" as the workbooks read it. The golden lines were read
// against the festivals, readings, seasons and zmanim of the command line
// for the same days.
#include "document_files.h"
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
    DemandeCalendrier d;
    d.sens = sens;
    d.annee = annee;
    d.mois_fin = sens == Sens::civil_hebreu ? 12 : 13;
    return d;
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

} // namespace
} // namespace orvane::documents
