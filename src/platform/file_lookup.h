// Finding files without regard to the case of their names.
//
// Names of files and folders are compared as on the system the program's
// files come from, which ignores case: "Config.dta", "CONFIG.DTA" and
// "config.dta" are one file, and so are "Éphémérides" and "éphémérides".
#pragma once

#include <filesystem>
#include <string_view>

namespace orvane::platform
{

/// The path of `relative` inside `directory`, each of its components
/// ("FMAIL/5785/lettre.txt": three of them) replaced by the name of the
/// existing entry that equals it without regard to case (accented Latin
/// letters included). From the first component that matches nothing on,
/// the names are kept as asked, so that a writer creates them so. An exact
/// match is preferred; among several others, the first in byte order wins.
/// `relative` may also be absolute, and then `directory` is ignored.
[[nodiscard]] std::filesystem::path lookup_ignoring_case(const std::filesystem::path& directory,
                                                         const std::filesystem::path& relative);

/// The name of the entry of `directory` that equals `name` without regard to
/// case; `name` itself when there is none (or the directory is unreadable).
[[nodiscard]] std::filesystem::path entry_ignoring_case(const std::filesystem::path& directory,
                                                        std::string_view name);

} // namespace orvane::platform
