// The program directory: where the configuration, the places, the records and
// the delivered data files live, and under which every output is written.
//
// It is $ORVANE_HOME when that is set and not empty, otherwise "Orvane" in the
// user's home folder. On first start it is created and the files delivered
// with the program (the data folder of the installation) are copied into it;
// a file already there — a user's own records or edits — is never replaced.
#pragma once

#include <filesystem>
#include <vector>

namespace orvane::platform
{

/// $ORVANE_HOME when set and not empty, otherwise $HOME/Orvane (the home
/// folder of the password database when HOME is unset). Made absolute.
/// Throws FileError when no home folder can be found.
[[nodiscard]] std::filesystem::path program_directory();

/// The path of the running executable (from /proc/self/exe).
[[nodiscard]] std::filesystem::path executable_path();

/// The folder of the delivered data files for an executable in
/// `executable_dir`: "<dir>/data" when it exists (installed beside the
/// executable), else "<dir>/../share/orvane/data" when it exists, else the
/// data folder of the source tree (for a program run from its build tree).
[[nodiscard]] std::filesystem::path
delivered_data_directory(const std::filesystem::path& executable_dir);

/// The same for the running executable.
[[nodiscard]] std::filesystem::path delivered_data_directory();

/// What `install_program_directory` did, paths relative to the program directory.
struct InstallReport {
    bool data_found = false;                   // the data folder existed
    std::vector<std::filesystem::path> copied; // files delivered now
    std::vector<std::filesystem::path> kept;   // files already there, left alone
};

/// Creates `program_dir` with its parents when absent, removes the temporary
/// files that interrupted rewrites left in it, and copies into it
/// every file of `data_dir` (sub-folders too) that is not there yet, names
/// compared without regard to case; hidden files (".gitkeep") are not
/// delivered. A missing data folder copies nothing.
/// Each copy is atomic, so an interrupted first start is completed by the
/// next one. Throws FileError when a folder or a file cannot be made.
InstallReport install_program_directory(const std::filesystem::path& program_dir,
                                        const std::filesystem::path& data_dir);

/// Creates a directory with its parents when absent. Throws FileError
/// ("Impossible de créer le dossier « … » : …") when it cannot be made or a
/// file stands in its way.
void ensure_directory(const std::filesystem::path& directory);

/// `relative` inside `base` (names looked up without regard to case, the
/// missing ones created as asked), created with its parents; returns the
/// path of the directory as it exists. Throws FileError.
std::filesystem::path ensure_subdirectory(const std::filesystem::path& base,
                                          const std::filesystem::path& relative);

} // namespace orvane::platform
