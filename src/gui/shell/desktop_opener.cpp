#include "gui/shell/desktop_opener.h"

#include "shell/startup.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace orvane::gui
{

bool DesktopDocumentOpener::open(const std::filesystem::path& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path.string())));
}

void ouvre_document(QWidget* parent, const std::filesystem::path& repertoire, std::string_view nom)
{
    DesktopDocumentOpener ouvreur;
    if (const auto erreur = shell::ouvre_document(repertoire, nom, ouvreur)) {
        QMessageBox::critical(parent, "Orvane",
                              QString::fromStdString(*erreur).replace('\r', '\n'));
    }
}

} // namespace orvane::gui
