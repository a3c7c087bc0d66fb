#include "gui/common/glossary_view.h"

#include "events/glossary_entry.h"
#include "platform/file_error.h"

#include <QFont>

namespace orvane::gui
{

void affiche_glossaire(ZoneResultat& zone, const std::filesystem::path& repertoire,
                       std::string_view cle, const MessageErreur& erreur)
{
    try {
        const std::vector<std::string> lignes = events::lignes_du_glossaire(repertoire, cle);
        zone.setFont(QFont(QStringLiteral("Arial"), 8));
        zone.affiche(lignes);
    } catch (const platform::FileError& e) {
        erreur(e.what());
    }
}

} // namespace orvane::gui
