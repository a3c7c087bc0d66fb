// convert, year and molad: the calendar engine on the command line.

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "platform/text.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace orvane::cli
{

namespace
{

using engine::CalendarEngine;

struct ConvertOptions {
    bool hebrew = false;
    Format format = Format::text;
    std::vector<std::string> dates;
    std::vector<std::string> range;
};

struct YearOptions {
    int year = 0;
    int to = 0;
    Format format = Format::text;
};

struct MoladOptions {
    int year = 0;
    Format format = Format::text;
};

/// The engine's weekday name without its padding.
std::string nom_jour(int jour_semaine)
{
    return platform::trim(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

void write_tsv(std::ostream& out, std::initializer_list<long long> fields)
{
    bool first = true;
    for (long long f : fields) {
        if (!first) {
            out << '\t';
        }
        out << f;
        first = false;
    }
    out << '\n';
}

/// One converted date: civil fields, weekday and Hebrew fields of `e`.
void write_conversion(std::ostream& out, const CalendarEngine& e, Format format, bool from_hebrew)
{
    if (format == Format::tsv) {
        write_tsv(out, {e.annee_civile, e.mois_civil, e.jour_civil, e.jour_semaine, e.annee_hebr,
                        e.mois_hebr, e.jour_hebr});
        return;
    }
    const std::string civil =
        engine::ligne_date_civile(e.jour_semaine, {e.annee_civile, e.mois_civil, e.jour_civil});
    const std::string hebrew =
        engine::ligne_date_hebraique(e, e.jour_semaine, {e.annee_hebr, e.mois_hebr, e.jour_hebr});
    out << (from_hebrew ? hebrew : civil) << "  =  " << (from_hebrew ? civil : hebrew) << '\n';
}

/// Converts one typed date, or reports why it cannot be converted.
void convert_one(CliContext& ctx, CalendarEngine& e, const std::string& text,
                 const ConvertOptions& o)
{
    if (o.hebrew) {
        const auto date = hebrew_date_argument(ctx, text);
        if (!date) {
            return;
        }
        e.convertit_hebreu_civil(date->annee, date->mois, date->jour);
    } else {
        const auto date = civil_date_argument(ctx, text);
        if (!date) {
            return;
        }
        e.convertit_civil_hebreu(date->annee, date->mois, date->jour);
    }
    write_conversion(ctx.out, e, o.format, o.hebrew);
}

void convert_range(CliContext& ctx, const ConvertOptions& o)
{
    if (o.hebrew) {
        report_bad_input(ctx, "--range parcourt des dates civiles : --hebrew ne s'y applique pas");
        return;
    }
    const auto from = civil_date_argument(ctx, o.range[0]);
    const auto to = civil_date_argument(ctx, o.range[1]);
    if (!from || !to) {
        return;
    }
    if (*to < *from) {
        report_bad_input(ctx, "La date de fin " + o.range[1] + " précède la date de début " +
                                  o.range[0]);
        return;
    }
    CalendarEngine e;
    for (engine::DateCivile d = *from; d <= *to; d = engine::lendemain(d)) {
        e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
        write_conversion(ctx.out, e, o.format, false);
    }
}

void run_convert(CliContext& ctx, const ConvertOptions& o)
{
    if (!o.range.empty()) {
        convert_range(ctx, o);
        return;
    }
    CalendarEngine e;
    if (!o.dates.empty()) {
        for (const std::string& text : o.dates) {
            convert_one(ctx, e, text, o);
        }
        return;
    }
    // Each line is converted and written before the next is read, so that a
    // pipe gets its answers as it goes.
    for_each_input_item(ctx.in, [&](const std::string& text) {
        convert_one(ctx, e, text, o);
        ctx.out.flush();
    });
}

std::string nom_longueur(int code)
{
    switch (code) {
    case 5:
        return "défective";
    case 6:
        return "régulière";
    default:
        return "complète";
    }
}

void write_year(std::ostream& out, CalendarEngine& e, int year, Format format)
{
    e.annee_hebr = year;
    e.annee_civile = year - 3760;
    e.calcule_annee();
    const engine::TempsDecompose molad = engine::decompose(e.molad_tichri);
    const int jours = e.code_longueur + 348 + 30 * e.embolismique;
    if (format == Format::tsv) {
        write_tsv(out,
                  {year, e.nb_mois, e.jour_rh, e.code_longueur, jours, e.hechvan, e.kislev,
                   e.jour_mois7, molad.jour_semaine, molad.heures, molad.minutes, molad.halakim});
        return;
    }
    out << year << " : " << (e.nb_mois == 13 ? "embolismique" : "commune") << ", " << jours
        << " jours (" << nom_longueur(e.code_longueur) << "), Roch Hachana " << nom_jour(e.jour_rh)
        << ", Hechvan " << e.hechvan << ", Kislev " << e.kislev << ", 1er "
        << (e.nb_mois == 13 ? "Adar II " : "Nissan ") << nom_jour(e.jour_mois7) << '\n';
}

void run_year(CliContext& ctx, const YearOptions& o)
{
    const std::optional<int> last = last_hebrew_year_argument(ctx, o.year, o.to);
    if (!last) {
        return;
    }
    CalendarEngine e;
    for (int year = o.year; year <= *last; ++year) {
        write_year(ctx.out, e, year, o.format);
    }
}

void write_molad(std::ostream& out, const CalendarEngine& e, int year, int slot, Format format)
{
    const engine::EntreeMolad& m = e.table_molad[static_cast<std::size_t>(slot)];
    const int molad_year = slot == 14 ? year + 1 : year;
    const int month = slot == 14 ? 1 : slot;
    if (format == Format::tsv) {
        write_tsv(out, {molad_year, month, m.jour_semaine, m.heures, m.minutes, m.halakim,
                        m.annee_civile, m.mois_civil, m.jour_civil, m.annee_hebr, m.mois_hebr,
                        m.jour_hebr});
        return;
    }
    const bool leap = engine::annee_hebr_embolismique(molad_year);
    out << "Molad " << engine::nom_mois_hebreu(month, leap) << ' ' << molad_year << " : "
        << engine::ligne_date_civile(m.jour_semaine, {m.annee_civile, m.mois_civil, m.jour_civil})
        << " (" << engine::complete_zeros(std::to_string(m.jour_hebr), 2) << ' '
        << engine::nom_mois_hebreu(m.mois_hebr, engine::annee_hebr_embolismique(m.annee_hebr))
        << ' ' << m.annee_hebr << ")  " << m.texte << '\n';
}

void run_molad(CliContext& ctx, const MoladOptions& o)
{
    if (!hebrew_year_argument(ctx, o.year)) {
        return;
    }
    CalendarEngine e;
    const bool leap = engine::annee_hebr_embolismique(o.year);
    for (int slot = 1; slot <= 14; ++slot) {
        if (slot == 7 && !leap) {
            continue;
        }
        e.calcule_molad_mois(slot, o.year, o.format == Format::text);
        write_molad(ctx.out, e, o.year, slot, o.format);
    }
}

void add_convert(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* cmd = app.add_subcommand(
        "convert", "Convertit des dates civiles en dates hébraïques (ou l'inverse avec --hebrew)");
    cmd->add_flag("--hebrew", options->hebrew,
                  "Les dates données sont hébraïques (mois 1 Tichri .. 6 Adar/Adar I, "
                  "7 Adar II .. 13 Eloul)");
    add_format_option(*cmd, options->format);
    CLI::Option* range =
        cmd->add_option("--range", options->range, "Convertit chaque jour civil de FROM à TO")
            ->expected(2)
            ->type_name("FROM TO");
    cmd->add_option("dates", options->dates,
                    "Dates A-M-J ; sans date, une date par ligne sur l'entrée standard")
        ->excludes(range);
    cmd->callback([&ctx, options] { run_convert(ctx, *options); });
}

void add_year(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<YearOptions>();
    CLI::App* cmd =
        app.add_subcommand("year", "Caractéristiques d'années hébraïques (longueur, type, molad)");
    cmd->add_option("year", options->year, "Année hébraïque")->required();
    cmd->add_option("--to", options->to, "Dernière année de la liste");
    add_format_option(*cmd, options->format);
    cmd->callback([&ctx, options] { run_year(ctx, *options); });
}

void add_molad(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<MoladOptions>();
    CLI::App* cmd = app.add_subcommand("molad", "Moladot des mois d'une année hébraïque");
    cmd->add_option("year", options->year, "Année hébraïque")->required();
    add_format_option(*cmd, options->format);
    cmd->callback([&ctx, options] { run_molad(ctx, *options); });
}

} // namespace

void add_engine_commands(CLI::App& app, CliContext& ctx)
{
    add_convert(app, ctx);
    add_year(app, ctx);
    add_molad(app, ctx);
}

} // namespace orvane::cli
