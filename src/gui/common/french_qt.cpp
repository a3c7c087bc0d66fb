#include "gui/common/french_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace orvane::gui
{
namespace
{

/// The texts of Qt's file icon provider that its French translation lacks
/// (the "Type" column of the file dialog).
class TraductionsComplementaires final : public QTranslator
{
public:
    using QTranslator::QTranslator;

    [[nodiscard]] bool isEmpty() const override { return false; }

    QString translate(const char* contexte, const char* source, const char* /*precision*/,
                      int /*n*/) const override
    {
        if (std::strcmp(contexte, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        static const std::pair<const char*, const char*> textes[] = {{"Folder", "Dossier"},
                                                                     {"File", "Fichier"},
                                                                     {"Drive", "Lecteur"},
                                                                     {"Shortcut", "Raccourci"},
                                                                     {"Unknown", "Inconnu"}};
        for (const auto& [anglais, francais] : textes) {
            if (std::strcmp(source, anglais) == 0) {
                return QString::fromUtf8(francais);
            }
        }
        return {};
    }
};

bool sans_langue(const char* variable)
{
    const char* valeur = std::getenv(variable);
    return valeur == nullptr || *valeur == '\0' || std::strcmp(valeur, "C") == 0 ||
           std::strncmp(valeur, "C.", 2) == 0 || std::strcmp(valeur, "POSIX") == 0;
}

} // namespace

void choisit_langue_francaise()
{
    if (sans_langue("LC_ALL") && sans_langue("LANG")) {
        ::setenv("LANG", "fr_FR.UTF-8", 1);
    }
}

bool installe_traductions_qt(QCoreApplication& application)
{
    // Qt sets the C library's locale from the session; a French one would
    // write and read "1,5" in the computations' number texts.
    std::setlocale(LC_NUMERIC, "C");
    const QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    QCoreApplication::installTranslator(new TraductionsComplementaires(&application));
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
