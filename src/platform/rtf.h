// Lines of text as a Rich Text Format document, for the saves that offer
// "Fichier RichTextFormat (*.rtf)": a fixed-width font, one paragraph per
// line, so that a word processor shows the columns as the window does.
//
//   document_rtf({"Lever : 05:47"})
//   // {\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fmodern Courier New;}}
//   // \f0\fs20 Lever : 05:47\par
//   // }
#pragma once

#include <string>
#include <vector>

namespace orvane::platform
{

/// The RTF document of `lignes` (UTF-8): "\", "{" and "}" escaped, the
/// characters of Windows-1252 beyond ASCII as "\'hh", the others (Hebrew)
/// as "\uN?", a tab as "\tab ". The document is pure ASCII.
[[nodiscard]] std::string document_rtf(const std::vector<std::string>& lignes);

} // namespace orvane::platform
