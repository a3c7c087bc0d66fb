// festivals, readings, day, yeartype and seasons: the events of the Hebrew
// year on the command line.

#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "events/cycles/season_rows.h"
#include "events/cycles/seasons.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/festivals_text.h"
#include "events/festivals/names.h"
#include "events/readings/parachiot.h"
#include "events/year_walk.h"
#include "events/years/characteristics.h"
#include "platform/text.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <sstream>

namespace orvane::cli
{

namespace
{

using engine::CalendarEngine;

struct YearsOptions {
    int year = 0;
    int to = 0;
    bool israel = false;
    bool fasts = false;
    bool all = false;
    Format format = Format::text;
};

struct DayOptions {
    std::string date;
    bool israel = false;
    Format format = Format::text;
};

/// Fields joined by tabs, one line.
void write_fields(std::ostream& out, std::initializer_list<std::string> fields)
{
    bool first = true;
    for (const std::string& f : fields) {
        out << (first ? "" : "\t") << f;
        first = false;
    }
    out << '\n';
}

std::string n(long long v)
{
    return std::to_string(v);
}

/// A number of hours as "10.5", "3": no trailing zeros.
std::string decimal(double v)
{
    std::ostringstream out;
    out << v;
    return out.str();
}

/// The years asked, checked against the range whose civil dates are exact.
bool years_in_range(CliContext& ctx, const YearsOptions& o, int& last)
{
    const std::optional<int> l = last_hebrew_year_argument(ctx, o.year, o.to);
    last = l.value_or(o.year);
    return l.has_value();
}

std::string clean_name(std::string_view name)
{
    return platform::trim(events::sans_remplissage(name));
}

void run_festivals(CliContext& ctx, const YearsOptions& o)
{
    int last = 0;
    if (!years_in_range(ctx, o, last)) {
        return;
    }
    events::DemandeFetes demande;
    demande.mode = o.all     ? events::ModeFetes::fetes_et_jeunes
                   : o.fasts ? events::ModeFetes::jeunes
                             : events::ModeFetes::fetes;
    demande.diaspora = !o.israel;
    for (int year = o.year; year <= last; ++year) {
        const events::TexteAnneeFetes t = events::texte_annee_fetes(year, demande);
        if (o.format == Format::text) {
            for (const std::string& line : t.lignes) {
                ctx.out << line << '\n';
            }
            continue;
        }
        for (const events::EntreeDatee& d : t.entrees) {
            const events::EntreeFete& f = d.fete;
            write_fields(ctx.out,
                         {n(f.annee_hebr), n(f.mois_hebr), n(f.jour_hebr), n(d.annee_civile),
                          n(d.mois_civil), n(d.jour_civil), n(d.jour_semaine), n(f.indice),
                          f.marque == ' ' ? "" : std::string(1, f.marque),
                          clean_name(events::libelles_fetes[static_cast<std::size_t>(f.indice)])});
        }
    }
}

/// The reading of a Saturday, or the festival that takes its place.
std::string reading_or_festival(const events::LibellesDuJour& l)
{
    const std::string reading = events::texte_paracha(l);
    return reading.empty() ? clean_name(l.nom_fete) : reading;
}

void write_reading(CliContext& ctx, CalendarEngine& e, bool diaspora, Format format)
{
    events::LibellesDuJour l = events::libelles_du_jour(e, diaspora);
    events::paracha_du_jour(e, diaspora, l);
    const int y = e.annee_hebr, m = e.mois_hebr, d = e.jour_hebr;
    e.convertit_hebreu_civil(y, m, d);
    const std::string special = events::nom_chabbat_special(l);
    if (format == Format::tsv) {
        write_fields(ctx.out, {n(e.annee_civile), n(e.mois_civil), n(e.jour_civil), n(y), n(m),
                               n(d), reading_or_festival(l), special});
        return;
    }
    ctx.out << engine::ligne_date_civile(7, {e.annee_civile, e.mois_civil, e.jour_civil}) << "  =  "
            << engine::complete_zeros(std::to_string(d), 2) << ' '
            << engine::nom_mois_hebreu(m, e.nb_mois == 13) << ' ' << y << "  : "
            << reading_or_festival(l) << (special.empty() ? "" : "  (Chabbat " + special + ")")
            << '\n';
}

void run_readings(CliContext& ctx, const YearsOptions& o)
{
    int last = 0;
    if (!years_in_range(ctx, o, last)) {
        return;
    }
    CalendarEngine e;
    CalendarEngine conversion;
    for (int year = o.year; year <= last; ++year) {
        events::pour_chaque_jour_de_l_annee(e, year, [&] {
            if (e.jour_semaine != 7) {
                return;
            }
            conversion.annee_hebr = e.annee_hebr;
            conversion.annee_civile = e.annee_hebr - 3760;
            conversion.calcule_annee();
            conversion.mois_hebr = e.mois_hebr;
            conversion.jour_hebr = e.jour_hebr;
            conversion.jour_semaine = e.jour_semaine;
            write_reading(ctx, conversion, !o.israel, o.format);
        });
    }
}

void run_day(CliContext& ctx, const DayOptions& o)
{
    const auto date = civil_date_argument(ctx, o.date);
    if (!date) {
        return;
    }
    CalendarEngine e;
    e.convertit_civil_hebreu(date->annee, date->mois, date->jour);
    events::LibellesDuJour l = events::libelles_du_jour(e, !o.israel);
    events::paracha_du_jour(e, !o.israel, l);
    const std::string festival = l.indice_fete > 0 && l.indice_fete < events::premiere_lecture
                                     ? clean_name(l.nom_fete)
                                     : std::string();
    // A phrase too long for the day mark goes on in the festival's text on a
    // day without festival nor reading ("Création de l'E" + "tat d'Israel"):
    // read as one. On a Saturday that text is the reading, apart.
    const std::string mark = clean_name(l.indice_fete == 0 ? l.nom_jour + l.nom_fete : l.nom_jour);
    const std::string label = platform::trim(l.libelle_court);
    const std::string reading = events::texte_paracha(l);
    if (o.format == Format::tsv) {
        write_fields(ctx.out,
                     {n(date->annee), n(date->mois), n(date->jour), n(e.annee_hebr), n(e.mois_hebr),
                      n(e.jour_hebr), n(e.jour_semaine), festival, mark, label, reading});
        return;
    }
    ctx.out << engine::ligne_date_civile(e.jour_semaine, {date->annee, date->mois, date->jour})
            << "  =  "
            << engine::ligne_date_hebraique(e, e.jour_semaine,
                                            {e.annee_hebr, e.mois_hebr, e.jour_hebr})
            << '\n';
    const auto line = [&](std::string_view title, const std::string& value) {
        if (!value.empty()) {
            ctx.out << "  " << title << value << '\n';
        }
    };
    line("Fête ou jeûne : ", festival);
    line("Marque du jour : ", mark);
    line("Libellé : ", label);
    line("Paracha : ", reading);
}

void run_yeartype(CliContext& ctx, int year, Format format)
{
    if (!hebrew_year_argument(ctx, year)) {
        return;
    }
    CalendarEngine e;
    e.annee_hebr = year;
    const events::CaracteristiquesAnnee c = events::caracteristiques_annee(e);
    const std::pair<const char*, const std::string*> fields[] = {
        {"texte_type", &c.texte_type},
        {"texte_longueur", &c.texte_longueur},
        {"signe_hebreu", &c.signe_hebreu},
        {"mot_hebreu", &c.mot_hebreu},
        {"texte_cycle_lunaire", &c.texte_cycle_lunaire},
        {"texte_cycle_solaire", &c.texte_cycle_solaire},
        {"texte_birkat_hahama", &c.texte_birkat_hahama},
        {"texte_chemita", &c.texte_chemita},
    };
    if (format == Format::tsv) {
        for (const auto& [name, value] : fields) {
            write_fields(ctx.out, {name, platform::trim(*value)});
        }
        return;
    }
    for (const std::string& line : events::bloc_caracteristiques(e, year)) {
        ctx.out << line << '\n';
    }
    if (!platform::trim(c.texte_birkat_hahama).empty()) {
        ctx.out << "    " << c.texte_birkat_hahama << '\n';
    }
}

void run_seasons(CliContext& ctx, int year, Format format)
{
    if (!hebrew_year_argument(ctx, year)) {
        return;
    }
    const auto seasons = events::calcule_tekoufot(year);
    for (int i = 1; i <= 4; ++i) {
        const events::Tekoufa& t = seasons[static_cast<std::size_t>(i)];
        if (format == Format::tsv) {
            write_fields(ctx.out, {n(i), n(t.annee_civile), n(t.mois_civil), n(t.jour_civil),
                                   n(t.mois_hebr), n(t.jour_hebr), decimal(t.heures)});
        } else {
            ctx.out << events::ligne_tekoufa(year, i, t) << '\n';
        }
    }
}

void add_years_options(CLI::App& cmd, YearsOptions& o)
{
    cmd.add_option("year", o.year, "Année hébraïque")->required();
    cmd.add_option("--to", o.to, "Dernière année hébraïque");
    cmd.add_flag("--israel", o.israel, "En Israël (par défaut : en Diaspora)");
    add_format_option(cmd, o.format);
}

void add_festivals(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<YearsOptions>();
    CLI::App* cmd = app.add_subcommand("festivals", "Fêtes (ou jeûnes) des années hébraïques");
    add_years_options(*cmd, *o);
    auto* fasts = cmd->add_flag("--fasts", o->fasts, "Les jeûnes seulement");
    cmd->add_flag("--all", o->all, "Les fêtes et les jeûnes")->excludes(fasts);
    cmd->callback([&ctx, o] { run_festivals(ctx, *o); });
}

void add_readings(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<YearsOptions>();
    CLI::App* cmd =
        app.add_subcommand("readings", "Paracha de chaque Chabbat des années hébraïques");
    add_years_options(*cmd, *o);
    cmd->callback([&ctx, o] { run_readings(ctx, *o); });
}

void add_day(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<DayOptions>();
    CLI::App* cmd = app.add_subcommand("day", "Fête, marque, libellé et paracha d'un jour civil");
    cmd->add_option("date", o->date, "Date civile A-M-J")->required();
    cmd->add_flag("--israel", o->israel, "En Israël (par défaut : en Diaspora)");
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] { run_day(ctx, *o); });
}

void add_yeartype(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<YearsOptions>();
    CLI::App* cmd =
        app.add_subcommand("yeartype", "Type et caractéristiques d'une année hébraïque");
    cmd->add_option("year", o->year, "Année hébraïque")->required();
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] { run_yeartype(ctx, o->year, o->format); });
}

void add_seasons(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<YearsOptions>();
    CLI::App* cmd = app.add_subcommand("seasons", "Les quatre Tékoufot d'une année hébraïque");
    cmd->add_option("year", o->year, "Année hébraïque")->required();
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] { run_seasons(ctx, o->year, o->format); });
}

} // namespace

void add_events_commands(CLI::App& app, CliContext& ctx)
{
    add_festivals(app, ctx);
    add_readings(app, ctx);
    add_day(app, ctx);
    add_yeartype(app, ctx);
    add_seasons(app, ctx);
}

} // namespace orvane::cli
