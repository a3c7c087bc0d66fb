#include "cli/calendar_setup.h"

namespace orvane::cli
{

documents::DialoguesCalendrier dialogues_fixes(CliContext& ctx)
{
    documents::DialoguesCalendrier d;
    d.erreur = [&ctx](const std::string& m) { report_bad_input(ctx, m); };
    d.information = [](const std::string&) {};
    d.question = [](const std::string&) { return documents::Reponse::non; };
    d.confirmation = [](const std::string&) { return true; };
    d.avertissement_paris = [](const std::string&) { return documents::ReponseParis::ignorer; };
    return d;
}

} // namespace orvane::cli
