// Text files of the program: read as lines, written in Windows-1252 with CR LF.
//
// Reading accepts what users and other programs leave: a file that is valid
// UTF-8 is read as UTF-8 (a leading byte-order mark skipped), any other as
// Windows-1252; lines may end with LF, CR LF or CR alone. Writing always produces
// Windows-1252 with CR LF, replacing the whole file atomically. A character
// that Windows-1252 cannot hold stops the write with a message naming it,
// the file and the line; nothing is silently replaced.
#pragma once

#include "platform/file_error.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform
{

/// The lines of a text: broken at LF, at CR LF and at a CR alone (the line
/// end of files saved by old Macintosh editors). A break at the end closes
/// the last line, so "a\r\nb\r\n", "a\nb" and "a\rb\r" all give {"a", "b"},
/// and the empty text gives no line.
[[nodiscard]] std::vector<std::string> split_lines(std::string_view text);

/// The lines of a file as UTF-8. Throws FileError when it is absent or unreadable.
[[nodiscard]] std::vector<std::string> read_lines(const std::filesystem::path& path);

/// The lines of a file; none when the file does not exist. Other failures throw FileError.
[[nodiscard]] std::optional<std::vector<std::string>>
read_lines_if_exists(const std::filesystem::path& path);

/// The whole text of a file as UTF-8, line breaks kept as they are.
/// Throws FileError when it is absent or unreadable.
[[nodiscard]] std::string read_text(const std::filesystem::path& path);

/// The whole text of a file; none when the file does not exist.
[[nodiscard]] std::optional<std::string> read_text_if_exists(const std::filesystem::path& path);

/// Windows-1252 bytes of lines, each followed by CR LF; a line break inside
/// an element (a whole text passed as one line) becomes CR LF too. Throws
/// FileError naming `path` and the file's line number (from 1) of an
/// unencodable character.
[[nodiscard]] std::string windows1252_file_bytes(const std::vector<std::string>& lines,
                                                 const std::filesystem::path& path);

/// Replaces (or creates) the file with the lines in Windows-1252, CR LF after
/// each, atomically. Throws FileError; the old file is then untouched.
void write_lines(const std::filesystem::path& path, const std::vector<std::string>& lines);

/// Makes the folder of a file, and those above it, when missing. Throws
/// FileError naming the folder.
void cree_dossier_de(const std::filesystem::path& chemin);

/// Adds lines in Windows-1252 with CR LF at the end of the file, creating it
/// when absent (traces). Nothing is added when a line cannot be encoded.
void append_lines(const std::filesystem::path& path, const std::vector<std::string>& lines);

/// Replaces (or creates) the file with a UTF-8 text as it is, without
/// byte-order mark, atomically (HTML pages). Throws FileError, also when the
/// text is not valid UTF-8.
void write_utf8(const std::filesystem::path& path, std::string_view text);

} // namespace orvane::platform
