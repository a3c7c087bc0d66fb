// An error that a window's handler lets through is shown, never the end of
// the program.

#include "gui/common/safe_application.h"
#include "places/angle.h"
#include "platform/file_error.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::gui
{
namespace
{

TEST(LivreSansException, UneErreurDeBibliothequeEstMontreeEtLeProgrammeContinue)
{
    std::vector<std::string> montres;
    const auto signale = [&](const std::string& m) { montres.push_back(m); };
    EXPECT_TRUE(livre_sans_exception([] { return true; }, signale));
    EXPECT_FALSE(livre_sans_exception([] { return false; }, signale));
    EXPECT_TRUE(montres.empty());
    EXPECT_FALSE(livre_sans_exception(
        []() -> bool {
            throw platform::file_error(platform::FileAction::read, "h_France.txt",
                                       "ligne 101 : le jour « 2x » n'est pas un jour de 1 à 31");
        },
        signale));
    EXPECT_FALSE(livre_sans_exception(
        []() -> bool { throw places::ErreurConversion("« 4°x » n'est pas un angle"); }, signale));
    EXPECT_FALSE(livre_sans_exception([]() -> bool { throw std::bad_alloc(); }, signale));
    ASSERT_EQ(montres.size(), 3u);
    EXPECT_NE(montres[0].find("ligne 101"), std::string::npos) << montres[0];
    EXPECT_EQ(montres[1], "« 4°x » n'est pas un angle");
    EXPECT_EQ(montres[2], "Mémoire insuffisante pour cette opération.");
}

} // namespace
} // namespace orvane::gui
