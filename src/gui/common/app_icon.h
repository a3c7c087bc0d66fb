// The program's icon, in every size the desktop asks for (16 to 256 pixels),
// from the program's own resources.
#pragma once

#include <QIcon>

namespace orvane::gui
{

/// The icon of every window of the program.
[[nodiscard]] QIcon icone_du_programme();

} // namespace orvane::gui
