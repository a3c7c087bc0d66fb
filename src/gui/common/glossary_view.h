// The glossary button of a result window: the entry of its key, in the
// window's text area, in the small proportional font of the glossary.
#pragma once

#include "gui/common/result_area.h"
#include "gui/common/save_text.h"

#include <filesystem>
#include <string_view>

namespace orvane::gui
{

/// Shows the glossary entry `cle` of the program directory in `zone`; a file
/// that cannot be read goes to `erreur` and the text stays as it was.
void affiche_glossaire(ZoneResultat& zone, const std::filesystem::path& repertoire,
                       std::string_view cle, const MessageErreur& erreur);

} // namespace orvane::gui
