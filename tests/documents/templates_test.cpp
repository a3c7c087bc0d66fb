// The template facility: the marked line, the assembly of a page, the head
// of a text page and the move of a body, on files of a scratch folder read
// back byte for byte.
#include "document_files.h"
#include "documents/templates.h"
#include "platform/file_error.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::documents
{
namespace
{

using namespace test;
using Lignes = std::vector<std::string>;

TEST(LigneMarquee, LaLigneApresLaMarqueEstRemplacee)
{
    const Lignes modele = {"<H1>", "<!-- Dates C -->", "de l'année 1999 (ancienne)", "</H1>"};
    EXPECT_EQ(remplace_ligne_marquee(modele, "Dates C", "de l'année 2024"),
              (Lignes{"<H1>", "<!-- Dates C -->", "de l'année 2024", "</H1>"}));
    // Without the marker nothing changes.
    EXPECT_EQ(remplace_ligne_marquee(modele, "Dates H", "de l'année 2024"), modele);
    // Two markers in a row: the second is the replaced line, not a marker.
    EXPECT_EQ(remplace_ligne_marquee({"M", "M", "x"}, "M", "v"), (Lignes{"M", "v", "x"}));
    // Each marker of the file has its following line replaced.
    EXPECT_EQ(remplace_ligne_marquee({"M", "a", "b", "M", "c"}, "M", "v"),
              (Lignes{"M", "v", "b", "M", "v"}));
    // A marker on the last line has no following line: nothing is added.
    EXPECT_EQ(remplace_ligne_marquee({"a", "M"}, "M", "v"), (Lignes{"a", "M"}));
}

TEST(LigneMarquee, SurUnFichierEtParNomCourt)
{
    platform::test_support::TemporaryDirectory dossier;
    platform::write_lines(dossier / "Horaires.htm", {"<!-- titre -->", "ancien", "fin"});
    remplace_ligne_marquee(dossier.path(), "h", "titre", "nouveau");
    EXPECT_EQ(platform::read_lines(dossier / "Horaires.htm"),
              (Lignes{"<!-- titre -->", "nouveau", "fin"}));
    // A page that does not exist is not created.
    remplace_ligne_marquee(dossier.path(), "Orvanew/Dates/fic_cc1.htm", "Dates C", "x");
    EXPECT_FALSE(std::filesystem::exists(dossier / "Orvanew"));
    EXPECT_EQ(page_du_nom_court("e6"), "halakha6.htm");
    EXPECT_EQ(page_du_nom_court("c5"), "calendh5.htm");
    EXPECT_FALSE(page_du_nom_court("x"));
}

TEST(AssemblePage, TeteCorpsPiedDansCetOrdre)
{
    platform::test_support::TemporaryDirectory dossier;
    platform::write_lines(dossier / "tete.txt", {"tête"});
    platform::write_lines(dossier / "corps.txt", {"un", "deux"});
    platform::write_lines(dossier / "pied.txt", {"pied"});
    assemble_page(dossier / "tete.txt", dossier / "corps.txt", dossier / "pied.txt",
                  dossier / "Sortie/2025.txt");
    EXPECT_EQ(octets(dossier / "Sortie/2025.txt"), "t\xeate\r\nun\r\ndeux\r\npied\r\n");
    // An HTML page is written in UTF-8.
    assemble_page(dossier / "tete.txt", dossier / "corps.txt", dossier / "pied.txt",
                  dossier / "Sortie/2025.htm");
    EXPECT_EQ(octets(dossier / "Sortie/2025.htm"), "tête\r\nun\r\ndeux\r\npied\r\n");
    // A missing template ends the assembly and leaves the page as it was.
    EXPECT_THROW(assemble_page(dossier / "tete.txt", dossier / "absent.txt", dossier / "pied.txt",
                               dossier / "Sortie/2025.txt"),
                 platform::FileError);
    EXPECT_EQ(octets(dossier / "Sortie/2025.txt"), "t\xeate\r\nun\r\ndeux\r\npied\r\n");
}

TEST(EnteteSimple, DeuxLignes)
{
    platform::test_support::TemporaryDirectory dossier;
    ecrit_entete_simple(dossier / "fic_cc1.txt", "<===== CALENDRIER DE L'ANNEE 2025 =====>");
    EXPECT_EQ(octets(dossier / "fic_cc1.txt"), "<===== CALENDRIER DE L'ANNEE 2025 =====>\r\n \r\n");
}

TEST(DeplaceCorps, LaSourceVaALaDestination)
{
    platform::test_support::TemporaryDirectory dossier;
    platform::write_lines(dossier / "cemanim.txt", {"corps"});
    platform::write_lines(dossier / "tmp", {"ancien"});
    deplace_corps(dossier / "cemanim.txt", dossier / "tmp", false);
    EXPECT_EQ(platform::read_lines(dossier / "tmp"), Lignes{"corps"});
    EXPECT_EQ(octets(dossier / "cemanim.txt"), "");
    platform::write_lines(dossier / "cemanim.txt", {"suite"});
    deplace_corps(dossier / "cemanim.txt", dossier / "cemani.htm", true);
    EXPECT_FALSE(std::filesystem::exists(dossier / "cemanim.txt"));
    EXPECT_EQ(platform::read_lines(dossier / "cemani.htm"), Lignes{"suite"});
    // Without a source the destination is empty.
    deplace_corps(dossier / "rien.txt", dossier / "tmp", true);
    EXPECT_EQ(octets(dossier / "tmp"), "");
}

} // namespace
} // namespace orvane::documents
