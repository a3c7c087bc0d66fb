// What the computation of a day reads from the program directory, loaded
// by its owner once (the main window's AppContext, one command of the
// command line) and handed to every computation: the summer-time tables and
// the thresholds of "config_ciop.txt".
#pragma once

#include "config/config.h"
#include "places/dst.h"

#include <filesystem>

namespace orvane::shell
{

struct DonneesChargees {
    /// Reads "config_ciop.txt" (nothing when it is absent); the summer-time
    /// tables are read at their first lookup. Throws platform::FileError when
    /// the file exists but cannot be read.
    explicit DonneesChargees(const std::filesystem::path& repertoire)
        : tables_ete(repertoire),
          config_ciop(config::lit_fichier_cles(repertoire, config::fichier_config_ciop))
    {
    }

    places::TablesEte tables_ete;
    config::FichierCles config_ciop;
};

} // namespace orvane::shell
