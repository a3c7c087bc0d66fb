// Documents opened with the desktop's programs (QDesktopServices), behind
// the platform's interface so that the libraries and their tests never need Qt.
#pragma once

#include "platform/document_opener.h"

#include <string_view>

class QWidget;

namespace orvane::gui
{

class DesktopDocumentOpener final : public platform::DocumentOpener
{
public:
    /// Asks the desktop to open the file with the program associated with
    /// its type; false when the desktop refused (no such program).
    [[nodiscard]] bool open(const std::filesystem::path& path) override;
};

/// `ouvre_document` for the windows: opens `nom` of the program directory
/// and shows the error message of a failure as an error box with OK.
void ouvre_document(QWidget* parent, const std::filesystem::path& repertoire, std::string_view nom);

} // namespace orvane::gui
