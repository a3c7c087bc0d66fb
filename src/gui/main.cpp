#include "gui/shell/main_window.h"
#include "platform/clock.h"
#include "shell/app_context.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");

    const char* home = std::getenv("HOME");
    orvane::shell::AppContext ctx(std::make_unique<orvane::platform::SystemClock>(),
                                  std::filesystem::path(home ? home : ".") / "Orvane");
    orvane::gui::MainWindow window(ctx);
    window.show();
    return QApplication::exec();
}
