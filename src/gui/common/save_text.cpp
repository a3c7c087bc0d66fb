#include "gui/common/save_text.h"

#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"

#include <QFileDialog>

namespace orvane::gui
{

ChoixFichier choix_fichier_par_dialogue(QWidget* parent)
{
    return [parent](const std::filesystem::path& propose) -> std::optional<std::filesystem::path> {
        const QString choisi = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Enregistrer"), QString::fromStdString(propose.string()),
            QStringLiteral("Fichiers texte (*.txt);;Tous les fichiers (*)"));
        if (choisi.isEmpty()) {
            return std::nullopt;
        }
        return std::filesystem::path(choisi.toStdString());
    };
}

std::optional<std::filesystem::path>
enregistre_lignes(const std::filesystem::path& repertoire, const std::string& dossier,
                  const std::string& nom, const std::vector<std::string>& lignes,
                  const ChoixFichier& choix, const MessageErreur& erreur)
{
    try {
        const std::filesystem::path sortie =
            dossier.empty() ? repertoire : platform::ensure_subdirectory(repertoire, dossier);
        const std::optional<std::filesystem::path> chemin = choix(sortie / nom);
        if (!chemin) {
            return std::nullopt;
        }
        platform::write_lines(*chemin, lignes);
        return chemin;
    } catch (const platform::FileError& e) {
        erreur(e.what());
        return std::nullopt;
    }
}

} // namespace orvane::gui
