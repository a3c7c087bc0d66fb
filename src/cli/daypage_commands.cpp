// daypage: the text of the day page for a date, a place and an opinion, as
// the main window saves it in the folder "PAGEACCUEIL".
//
//   orvane-cli daypage 2024-06-21
//   orvane-cli daypage 2024-06-21 --place Jérusalem --opinion "Or Méïr" --israel

#include "cli/arguments.h"
#include "cli/commands.h"
#include "config/config.h"
#include "config/program_options.h"
#include "places/charge_lieux.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "shell/day/day_page_contents.h"
#include "shell/main_form/clock_line.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

PlaceArguments home_place_by_default()
{
    PlaceArguments p;
    p.home_by_default = true;
    return p;
}

struct DayPageOptions {
    std::string date;
    PlaceArguments place = home_place_by_default();
    std::string opinion;
    bool israel = false;
    bool girl = false;
    int count = 15;
    std::string today;
    std::string time;
};

/// "HH:MM:SS" or "HH:MM", or the system clock's time when empty.
std::optional<platform::LocalTime> time_of_day(CliContext& ctx, const std::string& text)
{
    if (text.empty()) {
        return platform::SystemClock().now();
    }
    int h = -1;
    int m = -1;
    int s = 0;
    char rest = 0;
    const int n = std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &m, &s, &rest);
    if ((n != 2 && n != 3) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
        report_bad_input(ctx, text + " : heure incorrecte (HH:MM ou HH:MM:SS)");
        return std::nullopt;
    }
    return platform::LocalTime{h, m, s, 0};
}

void run_daypage(CliContext& ctx, const DayPageOptions& o)
{
    const auto date = civil_date_argument(ctx, o.date);
    const auto today = today_argument(ctx, o.today);
    const auto now = time_of_day(ctx, o.time);
    if (o.count < 1 || o.count > 100) {
        report_bad_input(ctx, "--count " + std::to_string(o.count) + " : de 1 à 100 anniversaires");
        return;
    }
    if (!o.opinion.empty() && !opinion_argument(ctx, o.opinion)) {
        return;
    }
    if (!date || !today || !now) {
        return;
    }
    try {
        const fs::path dir = prepared_program_directory();
        const places::LieuxCharges loaded = places::charge_lieux(dir);
        const std::optional<places::Place> lieu = place_argument(ctx, dir, loaded, o.place);
        if (!lieu) {
            return;
        }
        const ConfigurationChargee configuration = charge_configuration(dir);
        shell::DemandePageAccueil demande;
        demande.jour.date = *date;
        demande.jour.lieu = *lieu;
        demande.jour.opinion = o.opinion.empty() ? loaded.accueil.opinion : o.opinion;
        demande.jour.diaspora = !o.israel && !places::est_israel(lieu->pays);
        demande.jour.mode_horaire = configuration.options.mode_horaire;
        demande.jour.vaudrel = configuration.cles.vrai("Vaudrel");
        demande.aujourdhui = *today;
        demande.nombre_anniversaires = o.count;
        demande.fille = o.girl;
        const shell::PageAccueil page =
            shell::calcule_page_accueil(shell::DonneesChargees(dir), demande);
        const shell::ContenuPageDuJour contenu = shell::contenu_page_du_jour(
            page, demande, shell::ligne_horloge(*now), shell::heures_de(*now));
        for (const std::string& line : shell::page_du_jour(contenu)) {
            ctx.out << line << '\n';
        }
    } catch (const platform::FileError& e) {
        report_bad_input(ctx, e.what());
    }
}

} // namespace

void add_daypage_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<DayPageOptions>();
    CLI::App* cmd = app.add_subcommand(
        "daypage", "Page du jour : dates, textes du jour, anniversaires, Bar-Mitsva, "
                   "caractéristiques de l'année, horaires et jours importants");
    cmd->add_option("date", o->date, "Date civile A-M-J")->required();
    add_place_options(*cmd, o->place);
    cmd->add_option("--opinion", o->opinion,
                    "Avis des horaires (par défaut : celui du lieu d'accueil)");
    cmd->add_flag("--israel", o->israel,
                  "Règles d'Israël (par défaut : Diaspora, sauf pour une ville d'Israël)");
    cmd->add_flag("--girl", o->girl, "Date de Bat-Mitsva au lieu de Bar-Mitsva");
    cmd->add_option("--count", o->count, "Nombre d'anniversaires (1 à 100, 15 par défaut)");
    cmd->add_option("--today", o->today, "Date civile A-M-J prise pour aujourd'hui");
    cmd->add_option("--time", o->time, "Heure HH:MM:SS prise pour maintenant");
    cmd->callback([&ctx, o] { run_daypage(ctx, *o); });
}

} // namespace orvane::cli
