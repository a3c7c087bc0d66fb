#include "gui/common/safe_application.h"

#include <QMessageBox>

#include <exception>
#include <new>

namespace orvane::gui
{

bool livre_sans_exception(const std::function<bool()>& livraison,
                          const std::function<void(const std::string&)>& signale)
{
    try {
        return livraison();
    } catch (const std::bad_alloc&) {
        signale("Mémoire insuffisante pour cette opération.");
    } catch (const std::exception& e) {
        signale(e.what());
    }
    return false;
}

ApplicationOrvane::ApplicationOrvane(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicationOrvane::notify(QObject* destinataire, QEvent* evenement)
{
    return livre_sans_exception([&] { return QApplication::notify(destinataire, evenement); },
                                [](const std::string& message) {
                                    QMessageBox::critical(nullptr, QStringLiteral("Orvane"),
                                                          QString::fromStdString(message));
                                });
}

} // namespace orvane::gui
