// Whole files as bytes: reading, atomic replacement, appending.
//
// Every write of a whole file goes to a temporary file beside the target,
// which is flushed to the disk and then renamed over the target. A crash, a
// full disk or any other failure therefore leaves either the old file or the
// new one, never half of it, and no temporary file behind.
#pragma once

#include "platform/file_error.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform
{

/// True when `path` names an existing regular file (a link to one counts).
[[nodiscard]] bool file_exists(const std::filesystem::path& path);

/// True when `path` names an existing directory (a link to one counts).
[[nodiscard]] bool directory_exists(const std::filesystem::path& path);

/// The bytes of a file. Throws FileError when it is absent or unreadable.
[[nodiscard]] std::string read_bytes(const std::filesystem::path& path);

/// The bytes of a file; none when it does not exist. Any other failure
/// (access refused, a directory of that name, a read error) throws FileError.
[[nodiscard]] std::optional<std::string> read_bytes_if_exists(const std::filesystem::path& path);

/// Replaces (or creates) the file atomically with `bytes`. The directory
/// must exist. A link in its place is replaced itself by the new file; the
/// file it pointed to is never touched. An existing file keeps its
/// permissions. Throws FileError; the old file is
/// then untouched and no temporary file is left.
void write_bytes(const std::filesystem::path& path, std::string_view bytes);

/// The atomic replacement of a file written in pieces: the bytes go to a
/// hidden temporary file beside the target (".<name>.tmp-<process>-<n>");
/// commit() flushes it to the disk and renames it over the target, which
/// keeps its permissions. Until then the old file stays as it was; a failure
/// or a writer dropped without commit() removes the temporary file.
class AtomicFile
{
public:
    /// Opens the temporary file; the folder must exist. Throws FileError
    /// naming `target`.
    explicit AtomicFile(std::filesystem::path target);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    /// Adds bytes. Throws FileError naming the target; the temporary file
    /// is then removed and the writer can take nothing more.
    void write(std::string_view bytes);
    /// Replaces the target. Throws FileError as write() does.
    void commit();
    /// Removes the temporary file now; the writer can take nothing more.
    void abandon() noexcept;

    [[nodiscard]] bool is_open() const noexcept { return fd_ >= 0; }
    [[nodiscard]] const std::filesystem::path& target() const noexcept { return target_; }

private:
    [[noreturn]] void fail(int error);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

/// Replaces (or creates) `target` atomically with a copy of the file
/// `source` (delivered workbooks, data files). Throws FileError.
void copy_file_atomically(const std::filesystem::path& source, const std::filesystem::path& target);

/// True for the name of a temporary file of an atomic write left by a
/// process that is no longer running (".lieu.cal.tmp-4242-7" after a crash
/// during the rewrite of lieu.cal).
[[nodiscard]] bool temporaire_abandonne(std::string_view nom);

/// Removes the abandoned temporary files of atomic writes in `directory` and
/// its sub-folders (links are not followed); the number removed. A file that
/// cannot be removed is left.
std::size_t supprime_temporaires_abandonnes(const std::filesystem::path& directory);

/// Adds `bytes` at the end of the file, creating it when absent; a link in
/// its place is refused. Throws FileError.
void append_bytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace orvane::platform
