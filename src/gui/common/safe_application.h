// The application object of the windows: an error that a window's handler
// let through is shown as its French message and the program goes on,
// instead of ending it.
#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace orvane::gui
{

/// Runs `livraison` (the delivery of one event); an exception it throws is
/// given to `signale` as its message (a French sentence for the library's
/// errors) and the event counts as not handled.
bool livre_sans_exception(const std::function<bool()>& livraison,
                          const std::function<void(const std::string&)>& signale);

class ApplicationOrvane final : public QApplication
{
public:
    ApplicationOrvane(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};

} // namespace orvane::gui
