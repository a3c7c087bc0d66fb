// A text file written line by line, for files too long to be held whole in
// memory (the dates of ten thousand years: 3.65 million lines), with the
// same guarantees as write_lines: Windows-1252, CR LF after each line, and
// an atomic replacement of the file.
//
// The lines go to a temporary file beside the target, in blocks of 64 KiB;
// commit() flushes it to the disk and renames it over the target. Until
// then the old file stays as it was; a write error, a character that the
// code page cannot hold, or a writer dropped without commit() removes the
// temporary file and leaves nothing behind.
//
//   StreamedTextFile f(dir / "DATES" / "Dates_2025_2026.txt");
//   f.write_line("ANNEE(S) 2025 à 2026");
//   ...
//   f.commit();
#pragma once

#include "platform/file_error.h"
#include "platform/raw_file.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::platform
{

class StreamedTextFile
{
public:
    /// Opens the temporary file beside `target`; its folder must exist.
    /// Throws FileError naming `target`.
    explicit StreamedTextFile(std::filesystem::path target);
    StreamedTextFile(const StreamedTextFile&) = delete;
    StreamedTextFile& operator=(const StreamedTextFile&) = delete;
    /// Removes the temporary file unless commit() went through.
    ~StreamedTextFile();

    /// Adds one UTF-8 line and its CR LF; a line break inside it becomes CR
    /// LF too. Throws FileError naming the target and the file's line (from
    /// 1) of a character Windows-1252 cannot hold, or the reason of a write
    /// error; the writer is then spent and the temporary file removed.
    void write_line(std::string_view line);

    /// Flushes, syncs and renames the temporary file over the target (an
    /// existing file keeps its permissions). Throws FileError; the old file
    /// is then untouched and no temporary file is left.
    void commit();

    /// Lines of the file so far (a line holding a break counts for two).
    [[nodiscard]] std::size_t lines_written() const noexcept { return lines_; }
    [[nodiscard]] const std::filesystem::path& target() const noexcept { return file_.target(); }

private:
    void flush();
    /// Closes and removes the temporary file, then throws `error`.
    [[noreturn]] void fail(const FileError& error);

    AtomicFile file_;
    std::string buffer_;
    std::size_t lines_ = 0;
};

} // namespace orvane::platform
