// The folder window TFDir ("Sélection d'un dossier pour les fichiers de
// mailing"): the drive, the folders, and the folder where the letters of a
// mailing will be saved.
#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

namespace orvane::gui
{

class TFDir : public QDialog
{
    Q_OBJECT

public:
    /// Starts on `dossier`, created when missing.
    explicit TFDir(const std::filesystem::path& dossier, QWidget* parent = nullptr);

    /// The folder chosen.
    [[nodiscard]] std::filesystem::path dossier() const { return dossier_; }
    /// Chooses a folder as a click in the list does.
    void choisit(const std::filesystem::path& dossier);

    /// The window shown modally: the folder chosen, nothing when cancelled.
    [[nodiscard]] static std::optional<std::filesystem::path>
    demande(const std::filesystem::path& dossier, QWidget* parent);

private:
    std::filesystem::path dossier_;
    QComboBox* lecteurs_ = nullptr;
    QTreeView* arbre_ = nullptr;
    QFileSystemModel* modele_ = nullptr;
    QLabel* libelle_ = nullptr;
};

} // namespace orvane::gui
