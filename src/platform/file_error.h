// The one error of file operations, with a French message naming the file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace orvane::platform
{

/// A file or directory that could not be opened, read, written or created.
/// what() is a whole French sentence for a message box, e.g.
/// "Impossible d'ouvrir le fichier « /home/a/Orvane/lieu.cal » : fichier introuvable".
class FileError : public std::runtime_error
{
public:
    FileError(const std::string& message, std::filesystem::path path)
        : std::runtime_error(message), path_(std::move(path))
    {
    }
    /// The file or directory concerned.
    [[nodiscard]] const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

/// What was being done when a file operation failed; it opens the message.
enum class FileAction {
    open,             // "Impossible d'ouvrir le fichier « … »"
    read,             // "Impossible de lire le fichier « … »"
    write,            // "Impossible d'écrire le fichier « … »"
    append,           // "Impossible d'ajouter au fichier « … »"
    create_directory, // "Impossible de créer le dossier « … »"
};

/// The path between French quotes: "« /home/a/Orvane/config.dta »".
[[nodiscard]] std::string quoted(const std::filesystem::path& path);

/// French reason for a system error number: "fichier introuvable",
/// "accès refusé", "plus de place sur le disque" ...
[[nodiscard]] std::string reason_of_errno(int error_number, FileAction action);

/// The error of `action` on `path` for a French `reason`:
/// "Impossible de lire le fichier « … » : <reason>".
[[nodiscard]] FileError file_error(FileAction action, const std::filesystem::path& path,
                                   std::string_view reason);

/// The same for a system error number.
[[nodiscard]] FileError file_error(FileAction action, const std::filesystem::path& path,
                                   int error_number);

} // namespace orvane::platform
