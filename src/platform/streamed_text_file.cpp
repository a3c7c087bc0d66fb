#include "platform/streamed_text_file.h"

#include "platform/encoding.h"

#include <utility>

namespace orvane::platform
{

namespace fs = std::filesystem;

namespace
{

constexpr std::size_t block_size = 64 * 1024;

bool is_ascii(std::string_view text) noexcept
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

/// Appends `encoded` with every LF that has no CR before it made CR LF; the
/// number of line breaks inside it.
std::size_t append_with_crlf(std::string& out, std::string_view encoded)
{
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\n') {
            if (i == 0 || encoded[i - 1] != '\r') {
                out += '\r';
            }
            ++breaks;
        }
        out += encoded[i];
    }
    return breaks;
}

} // namespace

StreamedTextFile::StreamedTextFile(fs::path target) : file_(std::move(target))
{
    buffer_.reserve(block_size + 4096);
}

StreamedTextFile::~StreamedTextFile() = default;

void StreamedTextFile::fail(const FileError& error)
{
    file_.abandon();
    buffer_.clear();
    throw error;
}

void StreamedTextFile::write_line(std::string_view line)
{
    if (!file_.is_open()) {
        throw file_error(FileAction::write, file_.target(),
                         "l'écriture a déjà échoué ou est terminée");
    }
    if (is_ascii(line)) {
        lines_ += append_with_crlf(buffer_, line) + 1;
    } else {
        try {
            lines_ += append_with_crlf(buffer_, windows1252_from_utf8(line)) + 1;
        } catch (const EncodingError& error) {
            const std::string_view before = line.substr(0, error.byte_offset());
            std::size_t at = lines_ + 1;
            for (char c : before) {
                at += c == '\n' ? 1 : 0;
            }
            fail(file_error(FileAction::write, file_.target(),
                            "à la ligne " + std::to_string(at) + ", " + error.clause()));
        }
    }
    buffer_ += "\r\n";
    if (buffer_.size() >= block_size) {
        flush();
    }
}

void StreamedTextFile::flush()
{
    file_.write(buffer_);
    buffer_.clear();
}

void StreamedTextFile::commit()
{
    flush();
    file_.commit();
}

} // namespace orvane::platform
