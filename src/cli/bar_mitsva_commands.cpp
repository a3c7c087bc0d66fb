// bar-mitsva: the Bar-Mitsva calendar or table of a year of births, as the
// window "Calendrier des Bar-Mitsvot" builds it: its text on the output, the
// four work files in the program directory, and on request the HTML page
// and the workbook.
//
//   orvane-cli bar-mitsva 2011                     boys born in 2011
//   orvane-cli bar-mitsva 2011 --girl --table      the table of the girls
//   orvane-cli bar-mitsva 2011 --after-nightfall   born after nightfall
//   orvane-cli bar-mitsva 2011 --html pages        pages/2011.htm too

#include "cli/commands.h"
#include "documents/bar_mitsva_pages.h"
#include "documents/templates.h"
#include "documents/workbook_bar_mitsva.h"
#include "engine/date_validity.h"
#include "platform/program_dir.h"
#include "shell/day/loaded_data.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

struct BarMitsvaOptions {
    int year = 0;
    bool girl = false;
    bool table = false;
    bool after_nightfall = false;
    bool israel = false;
    std::string html;
    std::string xlsx;
};

void bar_mitsva(CliContext& ctx, const BarMitsvaOptions& o)
{
    if (o.year < engine::annee_civile_min || o.year > engine::annee_civile_max) {
        report_bad_input(ctx,
                         std::to_string(o.year) + " : " + engine::message_annees_hors_limites());
        return;
    }
    const fs::path dir = prepared_program_directory();
    const shell::DonneesChargees donnees(dir);
    documents::ParametresBarMitsva p;
    p.mode = o.table ? documents::ModeBarMitsva::tableau : documents::ModeBarMitsva::calendrier;
    p.fille = o.girl;
    p.apres_la_nuit = o.after_nightfall;
    p.diaspora = !o.israel;
    const documents::PageBarMitsva page =
        documents::construit_page_calendrier_bm(p, o.year, 12, donnees.tables_ete);
    documents::ecrit_fichiers_bar_mitsva(dir, page);
    for (const std::string& l : page.texte) {
        ctx.out << l << '\n';
    }
    if (!o.html.empty()) {
        const fs::path destination =
            fs::absolute(o.html) / (documents::nom_page_bar_mitsva(o.year, o.girl) + ".htm");
        documents::ecrit_page(destination, documents::page_html_bar_mitsva(dir, page));
        ctx.err << destination.string() << '\n';
    }
    if (!o.xlsx.empty()) {
        const fs::path destination = fs::absolute(o.xlsx);
        platform::ensure_directory(destination.parent_path());
        documents::ecrit_classeur_bar_mitsva(destination, page);
        ctx.err << destination.string() << '\n';
    }
}

} // namespace

void add_bar_mitsva_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<BarMitsvaOptions>();
    CLI::App* cmd = app.add_subcommand(
        "bar-mitsva", "Calendrier ou tableau des Bar-Mitsvot des enfants nés une année civile");
    cmd->add_option("annee", o->year, "Année civile des naissances (100 à 9999)")->required();
    cmd->add_flag("--girl", o->girl, "Pour une fille : Bat-Mitsva à douze ans");
    cmd->add_flag("--table", o->table,
                  "Le tableau : les dates civile et hébraïque de la cérémonie en plus");
    cmd->add_flag("--after-nightfall", o->after_nightfall,
                  "Naissances après la tombée de la nuit : la date hébraïque du lendemain");
    cmd->add_flag("--israel", o->israel, "Lectures d'Israël");
    cmd->add_option("--html", o->html, "La page HTML de l'année, dans ce dossier")
        ->type_name("DOSSIER");
    cmd->add_option("--xlsx", o->xlsx, "Le classeur de l'année, à ce chemin")->type_name("FICHIER");
    cmd->callback([&ctx, o] { reporting_file_errors(ctx, [&] { bar_mitsva(ctx, *o); }); });
}

} // namespace orvane::cli
