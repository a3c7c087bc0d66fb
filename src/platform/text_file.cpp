#include "platform/text_file.h"

#include "platform/encoding.h"
#include "platform/raw_file.h"
#include "platform/text.h"

#include <algorithm>

namespace orvane::platform
{

namespace fs = std::filesystem;

namespace
{

constexpr std::string_view line_end = "\r\n";

/// Appends `text` with every bare LF made CR LF; the number of line breaks.
std::size_t append_with_crlf(std::string& out, std::string_view text)
{
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            if (i == 0 || text[i - 1] != '\r') {
                out += '\r';
            }
            ++breaks;
        }
        out += text[i];
    }
    return breaks;
}

} // namespace

std::vector<std::string> split_lines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.emplace_back(text);
            break;
        }
        lines.emplace_back(text.substr(0, end));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

std::vector<std::string> read_lines(const fs::path& path)
{
    return split_lines(read_text(path));
}

std::optional<std::vector<std::string>> read_lines_if_exists(const fs::path& path)
{
    const std::optional<std::string> text = read_text_if_exists(path);
    if (!text) {
        return std::nullopt;
    }
    return split_lines(*text);
}

std::string read_text(const fs::path& path)
{
    return utf8_from_file_bytes(read_bytes(path));
}

std::optional<std::string> read_text_if_exists(const fs::path& path)
{
    const std::optional<std::string> bytes = read_bytes_if_exists(path);
    if (!bytes) {
        return std::nullopt;
    }
    return utf8_from_file_bytes(*bytes);
}

std::string windows1252_file_bytes(const std::vector<std::string>& lines, const fs::path& path)
{
    std::string bytes;
    std::size_t file_line = 1; // line of the file where the current element starts
    for (const std::string& line : lines) {
        std::string encoded;
        try {
            encoded = windows1252_from_utf8(line);
        } catch (const EncodingError& error) {
            const std::string_view before = std::string_view(line).substr(0, error.byte_offset());
            const std::size_t at = file_line + std::ranges::count(before, '\n');
            throw file_error(FileAction::write, path,
                             "à la ligne " + std::to_string(at) + ", " + error.clause());
        }
        file_line += append_with_crlf(bytes, encoded) + 1;
        bytes += line_end;
    }
    return bytes;
}

void write_lines(const fs::path& path, const std::vector<std::string>& lines)
{
    write_bytes(path, windows1252_file_bytes(lines, path));
}

void append_lines(const fs::path& path, const std::vector<std::string>& lines)
{
    append_bytes(path, windows1252_file_bytes(lines, path));
}

void write_utf8(const fs::path& path, std::string_view text)
{
    if (!is_valid_utf8(text)) {
        throw file_error(FileAction::write, path, "le texte n'est pas de l'UTF-8 valide");
    }
    write_bytes(path, text);
}

void cree_dossier_de(const std::filesystem::path& chemin)
{
    const std::filesystem::path dossier = chemin.parent_path();
    if (dossier.empty()) {
        return;
    }
    std::error_code erreur;
    std::filesystem::create_directories(dossier, erreur);
    if (erreur) {
        throw file_error(FileAction::create_directory, dossier, erreur.value());
    }
}

} // namespace orvane::platform
