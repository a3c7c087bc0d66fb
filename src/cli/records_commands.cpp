// anniversaries and barmitsva: the anniversary rules on the command line.

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/date_validity.h"
#include "platform/clock.h"
#include "records/anniversaries.h"
#include "records/bar_mitsva.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>

namespace orvane::cli
{

namespace
{

using engine::DateCivile;
using engine::DateHebraique;

struct AnniversariesOptions {
    std::string date;
    std::string from;
    std::string family = "event";
    int count = 15;
    int step = 1;
    Format format = Format::text;
};

struct BarMitsvaOptions {
    std::string date;
    bool girl = false;
    bool israel = false;
    Format format = Format::text;
};

// The counts the record window accepts.
constexpr int nombre_min = 1;
constexpr int nombre_max = 100;
// The widest step between two anniversaries the Hebrew years allow.
constexpr int pas_max = engine::annee_hebr_max - engine::annee_hebr_min;

std::optional<records::Famille> family_of(CliContext& ctx, const std::string& text)
{
    if (text == "birth") {
        return records::Famille::naissance;
    }
    if (text == "death") {
        return records::Famille::deces;
    }
    if (text == "event") {
        return records::Famille::evenement;
    }
    report_bad_input(ctx, "--family " + text + " : birth, death ou event");
    return std::nullopt;
}

void write_day_tsv(std::ostream& out, const records::JourComplet& j, bool last)
{
    out << j.civile.annee << '\t' << j.civile.mois << '\t' << j.civile.jour << '\t'
        << j.jour_semaine << '\t' << j.hebraique.annee << '\t' << j.hebraique.mois << '\t'
        << j.hebraique.jour << (last ? '\n' : '\t');
}

bool counts_valid(CliContext& ctx, const AnniversariesOptions& o)
{
    if (o.count < nombre_min || o.count > nombre_max) {
        report_bad_input(ctx, "--count " + std::to_string(o.count) + " : de 1 à 100 anniversaires");
        return false;
    }
    if (o.step < 1 || o.step > pas_max) {
        report_bad_input(ctx, "--step " + std::to_string(o.step) + " : de 1 à " +
                                  std::to_string(pas_max) + " ans");
        return false;
    }
    return true;
}

void run_anniversaries(CliContext& ctx, const AnniversariesOptions& o)
{
    const auto date = hebrew_date_argument(ctx, o.date);
    const auto today = today_argument(ctx, o.from);
    const auto family = family_of(ctx, o.family);
    if (!date || !today || !family || !counts_valid(ctx, o)) {
        return;
    }
    // A death lists two anniversaries more than asked. The list stops at the
    // last Hebrew year of the calendar, and says so.
    const int en_plus = *family == records::Famille::deces ? 2 : 0;
    const int premiere = records::premiere_annee_a_venir(*date, *today);
    const int possibles =
        premiere > engine::annee_hebr_max ? 0 : (engine::annee_hebr_max - premiere) / o.step + 1;
    const int nombre = std::min(o.count, possibles - en_plus);
    if (nombre < 1) {
        report_bad_input(ctx,
                         std::to_string(premiere) + " : " + engine::message_annees_hors_limites());
        return;
    }
    const records::ProchainsAnniversaires p =
        records::prochains_anniversaires(*date, *today, nombre, o.step, *family);
    if (o.format == Format::tsv) {
        for (const records::Anniversaire& a : p.anniversaires) {
            write_day_tsv(ctx.out, a.jour, true);
        }
    } else {
        ctx.out << p.entete << '\n';
        for (const records::Anniversaire& a : p.anniversaires) {
            ctx.out << a.ligne << '\n';
        }
    }
    if (nombre < o.count) {
        ctx.err << "La liste s'arrête en " << premiere + (nombre + en_plus - 1) * o.step
                << " : les années hébraïques du calendrier vont jusqu'à " << engine::annee_hebr_max
                << ".\n";
    }
}

void run_barmitsva(CliContext& ctx, const BarMitsvaOptions& o)
{
    const auto date = hebrew_date_argument(ctx, o.date);
    if (!date || !hebrew_year_argument(ctx, date->annee + (o.girl ? 12 : 13))) {
        return;
    }
    const records::BarMitsva b = records::calcule_bar_mitsva(
        *date, o.girl ? records::Sexe::fille : records::Sexe::garcon, !o.israel);
    if (o.format == Format::tsv) {
        write_day_tsv(ctx.out, b.date, false);
        write_day_tsv(ctx.out, b.chabbat, false);
        ctx.out << b.paracha << '\n';
        return;
    }
    ctx.out << b.titre << '\n' << b.ligne_date << '\n' << b.ligne_chabbat << '\n';
}

void add_anniversaries(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<AnniversariesOptions>();
    CLI::App* cmd = app.add_subcommand(
        "anniversaries",
        "Prochains anniversaires civils d'une date hébraïque, à partir d'aujourd'hui");
    cmd->add_option("date", o->date,
                    "Date hébraïque A-M-J (mois 1 Tichri .. 6 Adar/Adar I, 7 Adar II .. 13 Eloul)")
        ->required();
    cmd->add_option("--count", o->count, "Nombre d'anniversaires (1 à 100, 15 par défaut)");
    cmd->add_option("--from", o->from, "Date civile A-M-J prise pour aujourd'hui");
    cmd->add_option("--step", o->step, "Intervalle en années (1 par défaut)");
    cmd->add_option("--family", o->family,
                    "birth, death (deux années de plus) ou event (par défaut)");
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] { run_anniversaries(ctx, *o); });
}

void add_barmitsva(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<BarMitsvaOptions>();
    CLI::App* cmd = app.add_subcommand(
        "barmitsva", "Date et paracha de Bar-Mitsva (ou de Bat-Mitsva) d'une date de naissance");
    cmd->add_option("date", o->date, "Date hébraïque de naissance A-M-J")->required();
    cmd->add_flag("--girl", o->girl, "Bat-Mitsva, douze ans révolus pour une fille");
    cmd->add_flag("--israel", o->israel, "Lectures d'Israël (par défaut : Diaspora)");
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] { run_barmitsva(ctx, *o); });
}

} // namespace

void add_records_commands(CLI::App& app, CliContext& ctx)
{
    add_anniversaries(app, ctx);
    add_barmitsva(app, ctx);
}

} // namespace orvane::cli
