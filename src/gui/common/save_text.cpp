#include "gui/common/save_text.h"

#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "platform/rtf.h"
#include "platform/text_file.h"

#include <QFileDialog>

namespace orvane::gui
{

namespace
{

/// The filter of `filtres` ("A (*.rtf);;B (*.txt)") that names the extension
/// of `nom`; the first when none does.
QString filtre_du_nom(const QString& filtres, const std::filesystem::path& nom)
{
    const QStringList liste = filtres.split(QStringLiteral(";;"));
    const QString motif = "*" + QString::fromStdString(nom.extension().string()).toLower();
    for (const QString& f : liste) {
        if (!nom.extension().empty() && f.contains(motif)) {
            return f;
        }
    }
    return liste.front();
}

bool est_rtf(const std::filesystem::path& chemin)
{
    return QString::fromStdString(chemin.extension().string()).toLower() == ".rtf";
}

} // namespace

ChoixFichier choix_fichier_par_dialogue(QWidget* parent, const char* filtres)
{
    return [parent,
            filtres](const std::filesystem::path& propose) -> std::optional<std::filesystem::path> {
        const QString liste = QString::fromUtf8(filtres);
        QString choisi_filtre = filtre_du_nom(liste, propose.filename());
        const QString choisi = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Enregistrer"), QString::fromStdString(propose.string()), liste,
            &choisi_filtre);
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
        if (est_rtf(*chemin)) {
            platform::write_utf8(*chemin, platform::document_rtf(lignes));
        } else {
            platform::write_lines(*chemin, lignes);
        }
        return chemin;
    } catch (const platform::FileError& e) {
        erreur(e.what());
        return std::nullopt;
    }
}

} // namespace orvane::gui
