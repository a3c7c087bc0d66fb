// The documents of the help window as they are delivered: each one is found
// under its menu entry, reads as UTF-8, is titled by that entry and keeps to
// the width of the window; a missing one is reported by its file's name.
#include "platform/file_error.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "shell/main_form/help_documents.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::shell
{
namespace
{

const std::filesystem::path livrees = std::filesystem::path(ORVANE_SOURCE_DIR) / "data";

TEST(DocumentsDAide, ChaqueDocumentLivreEstComplet)
{
    std::set<std::string_view> fichiers;
    for (const DocumentAide& d : documents_aide) {
        SCOPED_TRACE(std::string(d.fichier));
        EXPECT_TRUE(fichiers.insert(d.fichier).second);
        const std::string octets =
            platform::read_text(livrees / std::string(dossier_aide) / std::string(d.fichier));
        ASSERT_TRUE(platform::is_valid_utf8(octets));
        EXPECT_NE(octets.rfind("\xEF\xBB\xBF", 0), 0u); // no byte-order mark
        EXPECT_EQ(octets.find('\r'), std::string::npos);
        EXPECT_EQ(octets.find('\t'), std::string::npos);
        const std::vector<std::string> lignes = lignes_du_document(livrees, d);
        ASSERT_GT(lignes.size(), 150u); // a real text, not a stub
        EXPECT_EQ(lignes[0], d.titre);
        EXPECT_EQ(lignes[1], std::string(platform::char_count(d.titre), '='));
        int sections = 0;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            EXPECT_LE(platform::char_count(lignes[i]), 78u) << "ligne " << i + 1;
            EXPECT_TRUE(lignes[i].empty() || lignes[i].back() != ' ') << "ligne " << i + 1;
            if (i > 1 && !lignes[i].empty() &&
                lignes[i].find_first_not_of('-') == std::string::npos) {
                ++sections;
                EXPECT_EQ(lignes[i].size(), platform::char_count(lignes[i - 1]))
                    << "ligne " << i + 1;
            }
            for (const char* brouillon : {"TODO", "à compléter", "lorem", "XXX"}) {
                EXPECT_EQ(lignes[i].find(brouillon), std::string::npos) << "ligne " << i + 1;
            }
        }
        EXPECT_GE(sections, 4);
    }
}

TEST(DocumentsDAide, TrouvesSansEgardALaCasseEtManquantsSignales)
{
    platform::test_support::TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "AIDE");
    platform::write_lines(dir / "AIDE" / "LISEZ_MOI.TXT", {"Lisez moi", "========="});
    EXPECT_EQ(lignes_du_document(dir.path(), document_lisez_moi),
              (std::vector<std::string>{"Lisez moi", "========="}));
    try {
        (void)lignes_du_document(dir.path(), documents_aide[0]);
        ADD_FAILURE() << "no error for a missing document";
    } catch (const platform::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("autres_regles.txt"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace orvane::shell
