// The commands of `orvane-cli`, one registration function per subsystem.
// Each adds its sub-commands to the application; their callbacks write on the
// context's streams and set its exit status.
#pragma once

#include "cli/cli.h"

namespace orvane::cli
{

void add_engine_commands(CLI::App& app, CliContext& ctx); // convert, year, molad
void add_events_commands(CLI::App& app,
                         CliContext& ctx); // festivals, readings, day, yeartype, seasons
void add_omer_commands(CLI::App& app, CliContext& ctx);     // omer, shemita
void add_shell_commands(CLI::App& app, CliContext& ctx);    // places, dst
void add_zmanim_commands(CLI::App& app, CliContext& ctx);   // zmanim
void add_altitude_commands(CLI::App& app, CliContext& ctx); // altitudes, latitudes
void add_records_commands(CLI::App& app, CliContext& ctx);  // anniversaries, barmitsva
// records FAMILY list|show|add|export
void add_records_store_commands(CLI::App& app, CliContext& ctx);
void add_daypage_commands(CLI::App& app, CliContext& ctx); // daypage
// calendar
void add_calendar_commands(CLI::App& app, CliContext& ctx);
void add_tables_commands(CLI::App& app, CliContext& ctx); // table
void add_east_west_commands(CLI::App& app, CliContext& ctx);
void add_pages_commands(CLI::App& app, CliContext& ctx);      // book, zmanim-pages, daylist
void add_consistory_commands(CLI::App& app, CliContext& ctx); // ical, ciop, tset
void add_bar_mitsva_commands(CLI::App& app, CliContext& ctx); // bar-mitsva
void add_mailing_commands(CLI::App& app, CliContext& ctx);    // mailing
void add_divers_commands(CLI::App& app, CliContext& ctx);     // divers

/// Every command of the program, in the order --help lists them.
inline void add_all_commands(CLI::App& app, CliContext& ctx)
{
    add_engine_commands(app, ctx);
    add_events_commands(app, ctx);
    add_omer_commands(app, ctx);
    add_shell_commands(app, ctx);
    add_zmanim_commands(app, ctx);
    add_altitude_commands(app, ctx);
    add_records_commands(app, ctx);
    add_records_store_commands(app, ctx);
    add_daypage_commands(app, ctx);
    add_calendar_commands(app, ctx);
    add_tables_commands(app, ctx);
    add_east_west_commands(app, ctx);
    add_pages_commands(app, ctx);
    add_bar_mitsva_commands(app, ctx);
    add_consistory_commands(app, ctx);
    add_divers_commands(app, ctx);
    add_mailing_commands(app, ctx);
}

} // namespace orvane::cli
