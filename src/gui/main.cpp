#include "gui/shell/main_window.h"
#include "platform/clock.h"
#include "platform/program_dir.h"
#include "shell/app_context.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");

    // The program directory receives the delivered files it lacks; a user's
    // own files are never replaced.
    const std::filesystem::path repertoire = orvane::platform::program_directory();
    orvane::platform::install_program_directory(repertoire,
                                                orvane::platform::delivered_data_directory());

    orvane::shell::AppContext ctx(std::make_unique<orvane::platform::SystemClock>(), repertoire);
    orvane::gui::MainWindow window(ctx);
    window.show();
    return QApplication::exec();
}
