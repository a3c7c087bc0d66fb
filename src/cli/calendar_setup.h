// What the commands of the annual calendar share: the loaded state of a
// build, and the questions of "Calculer" answered as the command line
// answers them.
#pragma once

#include "cli/cli.h"
#include "documents/calendar_controls.h"
#include "shell/day/loaded_data.h"

#include <filesystem>

namespace orvane::cli
{

struct Chargement {
    std::filesystem::path repertoire;
    ConfigurationChargee configuration;
    shell::DonneesChargees donnees;

    explicit Chargement(const std::filesystem::path& dir)
        : repertoire(dir), configuration(charge_configuration(dir)), donnees(dir)
    {
    }
};

/// The questions of "Calculer" answered as the command line does: the
/// value given (No to a standard Tossefet other than the one typed, No to
/// Marseille's own computation), Yes to the choices given, Ignore to the
/// coordinates of Paris; errors reported.
[[nodiscard]] documents::DialoguesCalendrier dialogues_fixes(CliContext& ctx);

} // namespace orvane::cli
