#include "cli/cli.h"

#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "platform/text.h"

#include <CLI/CLI.hpp>

#include <istream>
#include <ostream>

namespace orvane::cli
{

std::filesystem::path prepared_program_directory()
{
    const std::filesystem::path dir = platform::program_directory();
    platform::install_program_directory(dir, platform::delivered_data_directory());
    return dir;
}

ConfigurationChargee charge_configuration(const std::filesystem::path& dir)
{
    ConfigurationChargee c{config::lit_fichier_cles(dir, config::fichier_config), {}};
    (void)config::lit_options_demarrage(c.cles, c.options, [](const std::string&) { return true; });
    return c;
}

void add_format_option(CLI::App& command, Format& format)
{
    // The names become the numbers of the enumeration before it is read.
    CLI::Validator names = one_of({"text", "tsv"});
    CLI::Validator to_number(
        [names](std::string& value) {
            std::string error = names(value);
            if (error.empty()) {
                value =
                    std::to_string(static_cast<int>(value == "tsv" ? Format::tsv : Format::text));
            }
            return error;
        },
        "text|tsv");
    command
        .add_option("--format", format, "Forme de la sortie : text (lignes du programme) ou tsv")
        ->transform(to_number);
}

void reporting_file_errors(CliContext& ctx, const std::function<void()>& work)
{
    try {
        work();
    } catch (const platform::FileError& e) {
        report_bad_input(ctx, e.what());
    }
}

void report_bad_input(CliContext& ctx, const std::string& message)
{
    std::string line;
    for (char c : message) {
        if (c == '\r') {
            ctx.err << platform::escape_for_display(platform::trim(line)) << '\n';
            line.clear();
        } else {
            line += c;
        }
    }
    // A message that ends with its line break ("...des horaires.\r") ends there.
    if (!line.empty() || message.empty() || message.back() != '\r') {
        ctx.err << platform::escape_for_display(platform::trim(line)) << '\n';
    }
    ctx.exit_code = 2;
}

void for_each_input_item(std::istream& in, const std::function<void(const std::string&)>& f)
{
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string item = platform::trim(line);
        if (!item.empty()) {
            f(item);
        }
    }
}

std::optional<int> parse_int(std::string_view text)
{
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '-') {
        negative = true;
        i = 1;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

std::optional<Ymd> parse_ymd(std::string_view text)
{
    // The year may carry a minus sign, so the separators are searched from
    // the second character.
    const std::size_t first = text.find('-', 1);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t second = text.find('-', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto y = parse_int(text.substr(0, first));
    const auto m = parse_int(text.substr(first + 1, second - first - 1));
    const auto d = parse_int(text.substr(second + 1));
    if (!y || !m || !d || *m < 0 || *d < 0) {
        return std::nullopt;
    }
    return Ymd{*y, *m, *d};
}

int run_cli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err)
{
    CliContext ctx{in, out, err};
    CLI::App app{"Orvane : calendrier hébraïque et horaires du jour, en ligne de commande",
                 "orvane-cli"};
    app.require_subcommand(1);
    app.failure_message(french_failure);
    set_french_help(app);
    add_all_commands(app, ctx);
    for (CLI::App* command : app.get_subcommands({})) {
        command->group("Commandes");
    }

    std::vector<const char*> argv{"orvane-cli"};
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    } catch (const std::bad_alloc&) {
        report_bad_input(ctx, "Mémoire insuffisante pour ce calcul.");
    } catch (const std::exception& e) {
        // Every error of the libraries is a French sentence naming the file
        // or the value; no input ends the program.
        report_bad_input(ctx, e.what());
    }
    return ctx.exit_code;
}

} // namespace orvane::cli
