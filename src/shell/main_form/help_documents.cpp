#include "shell/main_form/help_documents.h"

#include "platform/file_lookup.h"
#include "platform/text_file.h"

namespace orvane::shell
{

std::vector<std::string> lignes_du_document(const std::filesystem::path& repertoire,
                                            const DocumentAide& document)
{
    return platform::read_lines(platform::lookup_ignoring_case(
        repertoire, std::filesystem::path(dossier_aide) / document.fichier));
}

} // namespace orvane::shell
