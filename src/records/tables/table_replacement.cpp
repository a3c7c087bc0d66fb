#include "records/tables/table_replacement.h"

#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/raw_file.h"

#include <cerrno>

#include <unistd.h>

namespace orvane::records
{

namespace
{

void etape(const CrochetEcriture& crochet, EtapeEcriture e)
{
    if (crochet) {
        crochet(e);
    }
}

/// The old table becomes the backup. A second name for the same file (a
/// hard link) costs nothing and leaves the table in place; a file system
/// without them gets a copy.
void garde_l_ancienne(const std::filesystem::path& table)
{
    const std::filesystem::path sauvegarde = chemin_de_sauvegarde(table);
    if (sauvegarde == table) {
        return;
    }
    if (::unlink(sauvegarde.c_str()) != 0 && errno != ENOENT) {
        throw platform::file_error(platform::FileAction::write, sauvegarde, errno);
    }
    if (::link(table.c_str(), sauvegarde.c_str()) == 0) {
        return;
    }
    const int erreur = errno;
    if (erreur == EPERM || erreur == EXDEV || erreur == EMLINK || erreur == ENOTSUP) {
        platform::copy_file_atomically(table, sauvegarde);
        return;
    }
    throw platform::file_error(platform::FileAction::write, sauvegarde, erreur);
}

} // namespace

std::filesystem::path chemin_de_sauvegarde(const std::filesystem::path& table)
{
    const std::filesystem::path dossier = table.parent_path();
    const std::string nom = table.stem().string() + ".bak";
    return dossier / platform::entry_ignoring_case(dossier.empty() ? "." : dossier, nom);
}

void remplace_table(const std::filesystem::path& table, std::string_view octets,
                    const CrochetEcriture& crochet)
{
    platform::AtomicFile nouvelle(table);
    nouvelle.write(octets);
    etape(crochet, EtapeEcriture::temporaire_ecrit);
    if (platform::file_exists(table)) {
        garde_l_ancienne(table);
    }
    etape(crochet, EtapeEcriture::ancienne_gardee);
    nouvelle.commit();
    etape(crochet, EtapeEcriture::remplacee);
}

} // namespace orvane::records
