// mailing: the letters of the records whose next anniversary falls in a
// period, filled from a model and saved as RTF documents, as the mailing
// window saves them.

#include "cli/arguments.h"
#include "cli/commands.h"
#include "platform/encoding.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/raw_file.h"
#include "records/mailing/mailing_run.h"
#include "records/mailing/period.h"
#include "records/mailing/table_records.h"
#include "records/tables/dbase_table.h"
#include "records/tables/schemas.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

struct MailingOptions {
    std::string model;
    std::string from;
    int days = 15;
    std::string out;
    std::string table = "Bd_NAIS.dbf";
    bool all = false;
    bool one = false;
};

std::string date_courte(engine::DateCivile d)
{
    return records::texte_de_date(d);
}

void mailing(CliContext& ctx, const MailingOptions& o)
{
    const std::optional<engine::DateCivile> debut = today_argument(ctx, o.from);
    if (!debut) {
        return;
    }
    if (o.days < 0 || o.days > records::jours_mailing_max) {
        report_bad_input(ctx, "--days " + std::to_string(o.days) +
                                  " : le nombre de jours doit être compris entre 0 et 30");
        return;
    }
    const fs::path dir = prepared_program_directory();
    const std::string modele =
        platform::utf8_from_file_bytes(platform::read_bytes(fs::absolute(o.model)));
    records::Table table = records::Table::ouvre(records::chemin_de_table(dir, o.table));
    const std::vector<records::FicheAPublier> fiches =
        records::fiches_de_la_periode(records::fiches_de_la_table(table), *debut, o.days, o.all);
    const engine::DateCivile aujourdhui = *today_argument(ctx, "");
    const records::ResultatMailing r =
        records::publipostage(fiches, modele, date_courte(aujourdhui), fs::absolute(o.out), o.one);
    for (const std::string& l : r.personnes) {
        ctx.out << l << '\n';
    }
    ctx.out << r.lettres.size() << " fiches traitées\n";
}

} // namespace

void add_mailing_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<MailingOptions>();
    CLI::App* cmd = app.add_subcommand(
        "mailing", "Lettres des fiches dont l'anniversaire tombe dans la période (RTF)");
    cmd->add_option("--model", o->model, "Modèle de lettre (model*.txt)")->required();
    cmd->add_option("--from", o->from, "Date de début A-M-J (aujourd'hui par défaut)");
    cmd->add_option("--days", o->days, "Nombre de jours après la date de début (0 à 30)");
    cmd->add_option("--out", o->out, "Dossier des lettres")->required();
    cmd->add_option("--table", o->table, "Table du dossier dbd (Bd_NAIS.dbf, Bd_DC.dbf)");
    cmd->add_flag("--all", o->all, "Toutes les fiches, sans date");
    cmd->add_flag("--one", o->one, "Une seule lettre, pour la première fiche");
    cmd->callback([&ctx, o] {
        try {
            mailing(ctx, *o);
        } catch (const platform::FileError& e) {
            report_bad_input(ctx, e.what());
        }
    });
}

} // namespace orvane::cli
