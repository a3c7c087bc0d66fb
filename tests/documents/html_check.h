// A checker of our own for the HTML pages we write, independent of the code
// that writes them: valid UTF-8, a declared character set, every element
// closed in the order it was opened (void elements excepted, script and
// style read as raw text), "&" only as the start of an entity, "<" and ">"
// never loose in the text, attributes quoted or bare but never broken.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents::test
{

/// What is wrong with a page, one French sentence per fault (empty: none).
[[nodiscard]] std::vector<std::string> defauts_html(std::string_view page);

} // namespace orvane::documents::test
