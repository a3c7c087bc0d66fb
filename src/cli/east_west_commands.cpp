// east-west: the consistory's tables to the second of Paris at its centre
// and at its western and eastern ends, after "Or Méïr" and "Rav
// Rottenberg", for one or more Hebrew years: six text files a year, as
// "zemanim.txt" holds each table, written one after the other without the
// window's pause. Each file's path is printed as it is written.
//
//   orvane-cli east-west 5785                  # years from config_ciop.txt
//   orvane-cli east-west 5785 --years 3 --dir tables
//   # tables/est_ouest_5785_OM_CENTRE.txt … tables/est_ouest_5787_CIOP_EST.txt

#include "cli/commands.h"
#include "cli/zmanim_setup.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"
#include "tables/east_west.h"
#include "zmanim/settings/opinions.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

struct EastWestOptions {
    int year = 0;
    std::optional<int> years; // none: "Nbr_annees_a_calculer_ciop" of config_ciop.txt
    std::string dir{"."};
};

/// The years to compute: the option, or the file's key as the window reads it.
std::optional<tables::ReglagesCiop> run_settings(CliContext& ctx, const EastWestOptions& o,
                                                 const shell::DonneesChargees& donnees)
{
    if (!o.years) {
        const tables::LectureCiop l = tables::lit_reglages_ciop(donnees.config_ciop, o.year);
        if (!l.reglages) {
            report_bad_input(ctx, l.message);
        }
        return l.reglages;
    }
    if (const auto refus = tables::refus_des_annees(o.year, *o.years)) {
        report_bad_input(ctx, *refus);
        return std::nullopt;
    }
    tables::ReglagesCiop r;
    r.annees = *o.years;
    return r;
}

void compute_east_west(CliContext& ctx, const EastWestOptions& o)
{
    const fs::path program_dir = prepared_program_directory();
    const shell::DonneesChargees donnees(program_dir);
    const std::optional<tables::ReglagesCiop> ciop = run_settings(ctx, o, donnees);
    if (!ciop) {
        return;
    }
    const ConfigurationChargee configuration = charge_configuration(program_dir);
    const zmanim::ContexteCalcul contexte = context_for(configuration, donnees);
    tables::EnvironnementTable env;
    env.tables_ete = &donnees.tables_ete;
    env.mode_horaire = configuration.options.mode_horaire;
    env.mode_ete = contexte.mode_ete;
    env.vaudrel = contexte.vaudrel;
    env.lit_cle_ciop = contexte.lit_cle_ciop;

    const tables::DemandeTable paris =
        tables::demande_est_ouest(tables::tables_de_l_annee(o.year).front());
    zmanim::ZmanimSettings reglages = settings_for(zmanim::avis_or_meir, true, paris.lieu);
    const fs::path out_dir(o.dir);
    platform::ensure_directory(out_dir);
    tables::RappelsEstOuest rappels;
    rappels.table = [&](const tables::TableEstOuest& t, const std::vector<std::string>& lignes) {
        const fs::path file = out_dir / tables::nom_fichier_est_ouest(t);
        platform::write_lines(file, lignes);
        ctx.out << file.string() << '\n';
    };
    const tables::ResultatEstOuest r =
        tables::calcule_est_ouest(*ciop, o.year, reglages, env, rappels);
    if (r.refuse) {
        report_bad_input(ctx, r.message);
    }
}

} // namespace

void add_east_west_commands(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<EastWestOptions>();
    CLI::App* cmd = app.add_subcommand(
        "east-west", "Horaires est-ouest à la seconde de Paris pour le consistoire (6 tables par "
                     "année hébraïque)");
    cmd->add_option("year", options->year, "Première année hébraïque (5750 à 5860)")->required();
    cmd->add_option("--years", options->years,
                    "Nombre d'années (sinon Nbr_annees_a_calculer_ciop de config_ciop.txt)");
    cmd->add_option("--dir", options->dir, "Dossier des fichiers écrits (le dossier courant)");
    cmd->callback(
        [&ctx, options] { reporting_file_errors(ctx, [&] { compute_east_west(ctx, *options); }); });
}

} // namespace orvane::cli
