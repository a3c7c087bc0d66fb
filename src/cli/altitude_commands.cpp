// altitudes: the times at which the sun stands at each altitude of a range,
// morning and evening, for one day and one place (the altitude panel of the
// results window); latitudes: the times of the day from the equator to the
// polar circle for six opinions ("toutes latitudes"). Both print their lines;
// --file writes them as the program writes "aube.txt" and "latitude.txt".
//
//   orvane-cli altitudes --place "PARIS (75)" 2018-03-20 --from -16.1 --to -1 --step 0.1
//   orvane-cli latitudes --longitude 2°20E --file latitude.txt

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/zmanim_setup.h"
#include "places/charge_lieux.h"
#include "tables/altitudes.h"
#include "tables/latitudes.h"
#include "zmanim/settings/parametres.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

struct AltitudeOptions {
    PlaceArguments place;
    std::string date;
    std::string from{"-16.1"};
    std::string to{"-1"};
    std::string step{"0.1"};
    std::string file;
};

struct LatitudeOptions {
    std::string longitude{"2°20E"};
    std::string file;
};

void print_lines(CliContext& ctx, const std::vector<std::string>& lines)
{
    for (const std::string& l : lines) {
        ctx.out << l << '\n';
    }
}

void compute_altitudes(CliContext& ctx, const AltitudeOptions& o)
{
    const std::optional<engine::DateCivile> date = today_argument(ctx, o.date);
    if (!date) {
        return;
    }
    const fs::path dir = prepared_program_directory();
    const places::LieuxCharges loaded = places::charge_lieux(dir);
    const std::optional<places::Place> place = place_argument(ctx, dir, loaded, o.place);
    if (!place) {
        return;
    }
    const zmanim::ZmanimSettings reglages;
    const tables::DemandeAltitudes demande{*place, *date,  o.from,
                                           o.to,   o.step, tables::choix_arrondi(reglages)};
    const tables::TableAltitudes table = tables::table_altitudes(demande, reglages);
    if (table.refusee()) {
        report_bad_input(ctx, table.erreur);
        return;
    }
    print_lines(ctx, table.memo);
    if (table.fichier.empty()) {
        report_bad_input(ctx, "Le nombre de lignes à afficher est trop élevé.\rDiminuer "
                              "l'intervale min-max ou augmenter l'incrément.");
        return;
    }
    if (!o.file.empty()) {
        tables::ecrit_table_altitudes(o.file, table);
    }
}

void compute_latitudes(CliContext& ctx, const LatitudeOptions& o)
{
    const fs::path dir = prepared_program_directory();
    const shell::DonneesChargees donnees(dir);
    const ConfigurationChargee configuration = charge_configuration(dir);
    const tables::TableLatitudes table = tables::table_latitudes(
        o.longitude, zmanim::ZmanimSettings{}, context_for(configuration, donnees));
    if (table.refusee()) {
        report_bad_input(ctx, table.erreur);
        return;
    }
    print_lines(ctx, table.lignes);
    if (!o.file.empty()) {
        tables::ecrit_table_latitudes(o.file, table);
    }
}

} // namespace

void add_altitude_commands(CLI::App& app, CliContext& ctx)
{
    auto a = std::make_shared<AltitudeOptions>();
    a->place.home_by_default = true;
    CLI::App* alt = app.add_subcommand(
        "altitudes", "Lever et coucher du centre du soleil à chaque hauteur d'un intervalle");
    alt->add_option("date", a->date, "Date civile A-M-J (par défaut : aujourd'hui)");
    add_place_options(*alt, a->place);
    alt->add_option("--from", a->from, "Hauteur minimum en degrés (par défaut -16.1)");
    alt->add_option("--to", a->to, "Hauteur maximum en degrés (par défaut -1)");
    alt->add_option("--step", a->step, "Incrément en degrés (par défaut 0.1)");
    alt->add_option("--file", a->file, "Écrit aussi les lignes de aube.txt dans ce fichier");
    alt->callback([&ctx, a] { reporting_file_errors(ctx, [&] { compute_altitudes(ctx, *a); }); });

    auto l = std::make_shared<LatitudeOptions>();
    CLI::App* lat = app.add_subcommand(
        "latitudes", "Horaires de 0° à 67°45' Nord aux équinoxes et aux solstices, six avis");
    lat->add_option("--longitude", l->longitude, "Longitude, ex. 2°20E (par défaut)");
    lat->add_option("--file", l->file, "Écrit aussi les lignes de latitude.txt dans ce fichier");
    lat->callback([&ctx, l] { reporting_file_errors(ctx, [&] { compute_latitudes(ctx, *l); }); });
}

} // namespace orvane::cli
