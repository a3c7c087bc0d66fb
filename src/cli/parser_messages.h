// The argument parser in French: its failures, the help page's headings and
// the check of a value among a few names.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace orvane::cli
{

/// The French sentence of a failure of the parser ("--fasts excludes
/// --all" → "--fasts et --all ne vont pas ensemble."). Typed texts are
/// shown escaped when they are not valid text.
[[nodiscard]] std::string french_parse_error(const CLI::Error& e);

/// "Erreur : <sentence>", then how to get the command's help.
[[nodiscard]] std::string french_failure(const CLI::App* app, const CLI::Error& e);

/// A check that the value is one of `names`, with a French message.
[[nodiscard]] CLI::Validator one_of(std::vector<std::string> names);

/// French headings and help flag of `app` and of its commands to come.
void set_french_help(CLI::App& app);

} // namespace orvane::cli
