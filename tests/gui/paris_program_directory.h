// The program directory and the clock of the main-window tests: the places
// and summer-time tables that the window reads, and Friday 21 June 2024,
// 15:10:20 in Paris (15 Sivan 5784).
#pragma once

#include "platform/clock.h"
#include "platform/temporary_directory.h"
#include "shell/app_context.h"

#include "qt_test_application.h"

#include <filesystem>
#include <memory>

namespace orvane::gui::test_support
{

class RepertoireDeParis : public TestAvecQt
{
protected:
    platform::test_support::TemporaryDirectory dir;
    platform::FixedClock* horloge = nullptr;
    std::unique_ptr<shell::AppContext> ctx;

    void SetUp() override
    {
        namespace fs = std::filesystem;
        for (const char* nom : {"lieu.cal", "h_France.txt", "H_europe.txt", "h_Israël.txt"}) {
            fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "data" / nom, dir / nom);
        }
        auto h = std::make_unique<platform::FixedClock>(platform::LocalDate{2024, 6, 21},
                                                        platform::LocalTime{15, 10, 20, 0});
        horloge = h.get();
        ctx = std::make_unique<shell::AppContext>(std::move(h), dir.path());
    }
};

} // namespace orvane::gui::test_support
