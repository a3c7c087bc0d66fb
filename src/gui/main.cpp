#include "gui/common/app_icon.h"
#include "gui/common/french_qt.h"
#include "gui/common/safe_application.h"
#include "gui/shell/main_window.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "shell/app_context.h"

#include <QApplication>
#include <QMessageBox>

#include <memory>

int main(int argc, char** argv)
{
    orvane::gui::choisit_langue_francaise();
    orvane::gui::ApplicationOrvane app(argc, argv);
    QApplication::setApplicationName("Orvane");
    // No display name: Qt would append it to every caption, and the main
    // caption already begins with the program's name.
    QApplication::setDesktopFileName("orvane");
    QApplication::setWindowIcon(orvane::gui::icone_du_programme());
    orvane::gui::installe_traductions_qt(app);

    // The program directory receives the delivered files it lacks; a user's
    // own files are never replaced.
    std::filesystem::path repertoire;
    try {
        repertoire = orvane::platform::program_directory();
        orvane::platform::install_program_directory(repertoire,
                                                    orvane::platform::delivered_data_directory());
    } catch (const orvane::platform::FileError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvane"), QString::fromStdString(e.what()));
        return 1;
    }
    // Relative output paths are taken from the program directory.
    std::filesystem::current_path(repertoire);

    orvane::shell::AppContext ctx(std::make_unique<orvane::platform::SystemClock>(), repertoire);
    orvane::gui::TFMainForm fenetre(ctx);
    if (fenetre.doit_quitter()) {
        return 0;
    }
    fenetre.showMaximized();
    return QApplication::exec();
}
