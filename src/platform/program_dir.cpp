#include "platform/program_dir.h"

#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/raw_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include <pwd.h>
#include <unistd.h>

namespace orvane::platform
{

namespace fs = std::filesystem;

namespace
{

/// An environment variable; empty when unset.
std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

/// The home folder: $HOME, or the password database's entry for the user.
fs::path home_directory()
{
    if (std::string home = environment("HOME"); !home.empty()) {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result &&
        result->pw_dir && *result->pw_dir) {
        return result->pw_dir;
    }
    throw FileError("Impossible de trouver le dossier personnel : la variable HOME est vide", "~");
}

/// The entries of a data folder in name order, hidden ones (".gitkeep") left out.
std::vector<fs::directory_entry> delivered_entries(const fs::path& folder)
{
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    while (!error && it != fs::directory_iterator()) {
        if (!it->path().filename().string().starts_with('.')) {
            entries.push_back(*it);
        }
        it.increment(error);
    }
    if (error) {
        throw file_error(FileAction::read, folder, error.value());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

/// Copies the files of `source` missing from `target`, then goes down into
/// the sub-folders. `relative` is where `source` stands inside the data folder.
void copy_missing(const fs::path& source, const fs::path& target, const fs::path& relative,
                  InstallReport& report)
{
    for (const fs::directory_entry& entry : delivered_entries(source)) {
        const std::string name = entry.path().filename().string();
        const fs::path destination = target / entry_ignoring_case(target, name);
        std::error_code error;
        if (entry.is_directory(error)) {
            ensure_directory(destination);
            copy_missing(entry.path(), destination, relative / name, report);
        } else if (entry.is_regular_file(error)) {
            if (fs::exists(fs::symlink_status(destination, error))) {
                report.kept.push_back(relative / name);
            } else {
                copy_file_atomically(entry.path(), destination);
                report.copied.push_back(relative / name);
            }
        }
    }
}

} // namespace

fs::path program_directory()
{
    const std::string home = environment("ORVANE_HOME");
    const fs::path directory = home.empty() ? home_directory() / "Orvane" : fs::path(home);
    std::error_code error;
    const fs::path absolute = fs::absolute(directory, error);
    return (error ? directory : absolute).lexically_normal();
}

fs::path executable_path()
{
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        throw file_error(FileAction::open, "/proc/self/exe", error.value());
    }
    return path;
}

fs::path delivered_data_directory(const fs::path& executable_dir)
{
    const fs::path beside = executable_dir / "data";
    if (directory_exists(beside)) {
        return beside;
    }
    const fs::path installed =
        (executable_dir / ".." / "share" / "orvane" / "data").lexically_normal();
    if (directory_exists(installed)) {
        return installed;
    }
    return fs::path(ORVANE_SOURCE_DATA_DIR);
}

fs::path delivered_data_directory()
{
    return delivered_data_directory(executable_path().parent_path());
}

InstallReport install_program_directory(const fs::path& program_dir, const fs::path& data_dir)
{
    ensure_directory(program_dir);
    // A rewrite killed half-way leaves its hidden temporary file beside the
    // file it would have replaced; the file itself is whole.
    (void)supprime_temporaires_abandonnes(program_dir);
    InstallReport report;
    report.data_found = directory_exists(data_dir);
    if (report.data_found) {
        copy_missing(data_dir, program_dir, fs::path(), report);
    }
    return report;
}

void ensure_directory(const fs::path& directory)
{
    std::error_code error;
    const fs::file_status status = fs::status(directory, error);
    if (fs::is_directory(status)) {
        return;
    }
    if (fs::exists(status)) {
        throw file_error(FileAction::create_directory, directory, EEXIST);
    }
    fs::create_directories(directory, error);
    if (error) {
        throw file_error(FileAction::create_directory, directory, error.value());
    }
}

fs::path ensure_subdirectory(const fs::path& base, const fs::path& relative)
{
    const fs::path directory = lookup_ignoring_case(base, relative);
    ensure_directory(directory);
    return directory;
}

} // namespace orvane::platform
