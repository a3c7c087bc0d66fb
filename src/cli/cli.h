// The command-line front end `orvane-cli`: one entry point that tests call
// with their own streams, and the pieces every command shares.
#pragma once

#include "config/program_options.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI
{
class App;
}

namespace orvane::cli
{

/// Output form chosen with --format.
enum class Format { text, tsv };

/// What every command reads and writes: the streams and the exit status.
struct CliContext {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    int exit_code = 0;
};

/// Runs `orvane-cli` with `args` (without the program name) and returns its
/// exit status: 0 when everything went through, 2 for bad input (a message
/// on `err` for each refused item; the others are still processed).
int run_cli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);

/// The program directory, given the delivered files it lacks as at the first
/// start of the program: places, summer-time tables and configuration are
/// read there.
std::filesystem::path prepared_program_directory();

/// "config.dta" read once for a command, and the options the program reads
/// from it at start (an incoherent summer-time choice taken as the start-up
/// takes it when the user goes on): one source of the summer-time mode and
/// of the Beth Din exit interval for every command.
struct ConfigurationChargee {
    config::FichierCles cles;
    config::ProgramOptions options;
};
[[nodiscard]] ConfigurationChargee charge_configuration(const std::filesystem::path& dir);

/// Adds the --format text|tsv option to a command.
void add_format_option(CLI::App& command, Format& format);

/// Writes a user message (lines separated by \r as in the windows) on the
/// error stream, one line each, and sets the exit status to 2.
void report_bad_input(CliContext& ctx, const std::string& message);

/// Runs a command's work; a file that cannot be read or written is reported
/// with its name (report_bad_input) instead of ending the program.
void reporting_file_errors(CliContext& ctx, const std::function<void()>& work);

/// Year, month and day of a date typed as `Y-M-D` (civil or Hebrew).
struct Ymd {
    int y = 0;
    int m = 0;
    int d = 0;
};

/// The three numbers of a `Y-M-D` text, or nothing when it is not of that
/// form (digits only, an optional minus sign before the year).
std::optional<Ymd> parse_ymd(std::string_view text);

/// A whole number, or nothing when the text is not one.
std::optional<int> parse_int(std::string_view text);

/// Each line of input, as it comes, for commands that take their items from
/// standard input when none is given: blank lines skipped, blanks trimmed,
/// CR removed. An endless input is worked through line by line.
void for_each_input_item(std::istream& in, const std::function<void(const std::string&)>& f);

} // namespace orvane::cli
