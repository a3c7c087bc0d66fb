// The program's icon and its desktop entry: every size is in the program's
// resources and reads as a square picture of that size; the entry names the
// program, its command and its icon.
#include "gui/common/app_icon.h"
#include "platform/text_file.h"
#include "qt_test_application.h"

#include <QImage>

#include <gtest/gtest.h>

#include <map>

namespace orvane::gui
{
namespace
{

class IconeDuProgramme : public test_support::TestAvecQt
{
};

TEST_F(IconeDuProgramme, ChaqueTailleEstDansLesRessources)
{
    const QIcon icone = icone_du_programme();
    ASSERT_FALSE(icone.isNull());
    for (int taille : {16, 32, 48, 64, 128, 256}) {
        const QImage image(QStringLiteral(":/orvane/orvane-%1.png").arg(taille));
        ASSERT_FALSE(image.isNull()) << taille;
        EXPECT_EQ(image.size(), QSize(taille, taille));
        EXPECT_TRUE(image.hasAlphaChannel()) << taille; // drawn on a transparent ground
        EXPECT_EQ(icone.pixmap(taille, taille).size(), QSize(taille, taille));
    }
}

TEST_F(IconeDuProgramme, EntreeDuBureau)
{
    std::map<std::string, std::string> cles;
    const auto lignes = platform::read_lines(std::filesystem::path(ORVANE_SOURCE_DIR) /
                                             "packaging" / "orvane.desktop");
    ASSERT_FALSE(lignes.empty());
    EXPECT_EQ(lignes.front(), "[Desktop Entry]");
    for (const std::string& l : lignes) {
        if (const auto egal = l.find('='); egal != std::string::npos) {
            EXPECT_TRUE(cles.emplace(l.substr(0, egal), l.substr(egal + 1)).second) << l;
        }
    }
    EXPECT_EQ(cles["Type"], "Application");
    EXPECT_EQ(cles["Name"], "Orvane");
    EXPECT_EQ(cles["Exec"], "orvane");
    EXPECT_EQ(cles["Icon"], "orvane");
    EXPECT_EQ(cles["Terminal"], "false");
    EXPECT_FALSE(cles["Comment[fr]"].empty());
    EXPECT_EQ(cles["Categories"].back(), ';');
}

} // namespace
} // namespace orvane::gui
