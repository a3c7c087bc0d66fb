#include "gui/common/french_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvane::gui
{

bool installe_traductions_qt(QCoreApplication& application)
{
    const QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    // "qt_fr" gathers the translations of every Qt module the program uses.
    auto* traducteur = new QTranslator(&application);
    if (!traducteur->load(francais, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}

} // namespace orvane::gui
