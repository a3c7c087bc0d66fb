#include "platform/file_error.h"

#include <cerrno>
#include <cstring>

namespace orvane::platform
{

namespace
{

std::string_view opening_of(FileAction action) noexcept
{
    switch (action) {
    case FileAction::open:
        return "Impossible d'ouvrir le fichier ";
    case FileAction::read:
        return "Impossible de lire le fichier ";
    case FileAction::write:
        return "Impossible d'écrire le fichier ";
    case FileAction::append:
        return "Impossible d'ajouter au fichier ";
    case FileAction::create_directory:
        return "Impossible de créer le dossier ";
    }
    return "Erreur sur le fichier ";
}

/// A missing path means a missing file when reading, but a missing parent
/// folder when creating.
std::string_view missing_reason(FileAction action) noexcept
{
    switch (action) {
    case FileAction::open:
    case FileAction::read:
        return "fichier introuvable";
    case FileAction::write:
    case FileAction::append:
        return "le dossier qui doit le contenir n'existe pas";
    case FileAction::create_directory:
        return "un dossier du chemin est introuvable";
    }
    return "introuvable";
}

} // namespace

std::string quoted(const std::filesystem::path& path)
{
    return "« " + path.string() + " »";
}

std::string reason_of_errno(int error_number, FileAction action)
{
    switch (error_number) {
    case ENOENT:
        return std::string(missing_reason(action));
    case EACCES:
    case EPERM:
        return "accès refusé";
    case ENOSPC:
        return "plus de place sur le disque";
    case EDQUOT:
        return "quota de disque dépassé";
    case EROFS:
        return "le support est en lecture seule";
    case EISDIR:
        return "c'est un dossier, pas un fichier";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case EEXIST:
        return "un fichier porte déjà ce nom";
    case ENAMETOOLONG:
        return "nom trop long";
    case EFBIG:
        return "fichier trop volumineux";
    case EIO:
        return "erreur d'entrée-sortie du disque";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case ELOOP:
        return "c'est un lien symbolique, qui n'est pas suivi (ou le chemin en compte trop)";
    case EBUSY:
    case ETXTBSY:
        return "fichier occupé";
    default:
        return "erreur système " + std::to_string(error_number) + " (" +
               std::strerror(error_number) + ")";
    }
}

FileError file_error(FileAction action, const std::filesystem::path& path, std::string_view reason)
{
    std::string message(opening_of(action));
    message += quoted(path);
    message += " : ";
    message += reason;
    return FileError(message, path);
}

FileError file_error(FileAction action, const std::filesystem::path& path, int error_number)
{
    return file_error(action, path, reason_of_errno(error_number, action));
}

} // namespace orvane::platform
