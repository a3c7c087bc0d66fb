// The code pages in which dBase tables hold their text, named by the
// language driver byte of their header (byte 29).
//
// Tables made under Windows hold Windows-1252 (driver 0x03, or 0x57 as some
// programs write it); tables made under DOS hold code page 437 (0x01) or,
// in France, the Western European code page 850 (0x02). A table whose byte
// is 0 says nothing, and is read as Windows-1252 like every text file of the
// program. The program always writes Windows-1252 with driver 0x03.
#pragma once

#include <string>
#include <string_view>

namespace orvane::records
{

/// The language driver byte of Windows-1252, written in every table.
inline constexpr unsigned char pilote_windows_1252 = 0x03;

/// The code pages that the tables read may use.
enum class PageDeCode { windows_1252, dos_437, dos_850 };

/// The code page of a table from its language driver byte: 0x01 DOS 437,
/// 0x02 DOS 850, anything else (0x00, 0x03, 0x57 ...) Windows-1252.
[[nodiscard]] PageDeCode page_de_code_du_pilote(unsigned char pilote) noexcept;

/// UTF-8 text of bytes in the code page (every byte is one character).
[[nodiscard]] std::string utf8_de_la_page(std::string_view octets, PageDeCode page);

} // namespace orvane::records
