// The replacement of a table's file on the disk.
//
// A change to a table rewrites the whole file: the new bytes go to a
// temporary file beside it, the old table is kept as the backup ".bak" of
// the same base name ("Bd_NAIS.dbf" → "Bd_NAIS.bak", as dBase names it),
// then the temporary file is flushed to the disk and renamed over the
// table. At every moment the file of the table is the old table or the new
// one, whole; a write that fails (a full disk, a folder in read-only mode)
// leaves the old one.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace orvane::records
{

/// The steps of a replacement, in their order.
enum class EtapeEcriture {
    temporaire_ecrit, // the new bytes are in the temporary file
    ancienne_gardee,  // the old table is kept as ".bak"
    remplacee,        // the new table has taken the place of the old
};

/// Called after each step (tests stop a replacement there, as a crash would).
using CrochetEcriture = std::function<void(EtapeEcriture)>;

/// The backup of a table: the same folder and base name with ".bak"; an
/// existing backup whose name differs only by case ("BD_NAIS.BAK") is used.
[[nodiscard]] std::filesystem::path chemin_de_sauvegarde(const std::filesystem::path& table);

/// Replaces (or creates) the file `table` with `octets`, keeping the old file
/// as its backup. Throws platform::FileError naming the file; the old table
/// is then in place.
void remplace_table(const std::filesystem::path& table, std::string_view octets,
                    const CrochetEcriture& crochet = {});

} // namespace orvane::records
