// The command-line front end `orvane-cli`: one entry point that tests call
// with their own streams, and the pieces every command shares.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace orvane::cli {

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

/// Adds the --format text|tsv option to a command.
void add_format_option(CLI::App& command, Format& format);

/// Writes a user message (lines separated by \r as in the windows) on the
/// error stream, one line each, and sets the exit status to 2.
void report_bad_input(CliContext& ctx, const std::string& message);

/// Lines of input for commands that take their items from standard input
/// when none is given: blank lines skipped, blanks trimmed, CR removed.
std::vector<std::string> read_input_items(std::istream& in);

} // namespace orvane::cli
