// A yes-or-cancel question put to the user: a modal confirmation in the
// windows, a fixed answer in tests and on the command line.
#pragma once

#include <functional>
#include <string>

namespace orvane::platform
{

/// True for Yes.
using Confirmation = std::function<bool(const std::string& message)>;

} // namespace orvane::platform
