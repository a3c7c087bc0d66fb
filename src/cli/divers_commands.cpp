// divers: the fifteen tables of the "Divers" window on the command line,
// with the header the window writes above them.

#include "cli/commands.h"
#include "documents/divers_tables.h"
#include "events/divers/divers_modes.h"
#include "events/festivals/festivals_text.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/text.h"
#include "shell/day/loaded_data.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace orvane::cli
{

namespace
{

using events::ModeDivers;

struct DiversOptions {
    std::string mode;
    int year = 0;
    int to = 0;
    int years = -1;
    int step = -1;
    int month = 0;
    bool israel = false;
    bool sepharade = false;
    bool achkenaze = false;
    bool girl = false;
    bool no_houmra = false;
    Format format = Format::text;
};

std::string noms_des_modes()
{
    std::string r;
    for (const events::DescriptionModeDivers& d : events::modes_divers()) {
        r += (r.empty() ? "" : ", ") + std::string(d.nom);
    }
    return r;
}

bool dans_l_intervalle(CliContext& ctx, std::string_view quoi, int valeur, int min, int max)
{
    if (valeur >= min && valeur <= max) {
        return true;
    }
    report_bad_input(ctx, std::string(quoi) + " " + std::to_string(valeur) +
                              " : la valeur doit être comprise entre " + std::to_string(min) +
                              " et " + std::to_string(max));
    return false;
}

// The window's inputs for the options: the mode's defaults for the year,
// then what was typed.
std::optional<events::EntreesDivers> entrees(CliContext& ctx, ModeDivers mode,
                                             const DiversOptions& o)
{
    const events::DescriptionModeDivers& d = events::description(mode);
    const int max = events::annee_max(mode);
    const platform::LocalDate aujourdhui = platform::SystemClock().today();
    const int courante = events::annee_hebraique_du_jour(aujourdhui.annee, aujourdhui.mois);
    const int annee = o.year == 0 ? events::valeurs_par_defaut(mode, courante).premiere : o.year;
    if (!dans_l_intervalle(ctx, "Année", annee, 1, max)) {
        return std::nullopt;
    }
    events::ValeursMode v = events::valeurs_par_defaut(mode, o.year == 0 ? courante : annee);
    if (o.year != 0) {
        v.premiere = o.year;
        if (mode == ModeDivers::types_annees) {
            v.derniere = o.year + 199; // two hundred years, as the window's default
        }
    }
    events::EntreesDivers e = events::entrees_par_defaut(mode, v);
    if (o.to != 0) {
        e.derniere_hebr = o.to;
        e.derniere_civile = o.to - 3760;
    }
    const bool bons = (o.years < 0 || dans_l_intervalle(ctx, "Nombre d'années", o.years, 0,
                                                        events::nb_annees_maximum(mode))) &&
                      (o.step < 0 || dans_l_intervalle(ctx, "Incrément", o.step, 1, max)) &&
                      dans_l_intervalle(ctx, "Mois", o.month, 0,
                                        std::max(static_cast<int>(d.choix_mois.size()) - 1, 0));
    if (!bons) {
        return std::nullopt;
    }
    e.nb_annees = o.years < 0 ? e.nb_annees : o.years;
    e.increment = o.step < 0 ? e.increment : o.step;
    e.mois = o.month;
    switch (mode) {
    case ModeDivers::levana:
        e.coche1 = o.sepharade && !o.achkenaze;
        break;
    case ModeDivers::guechamim:
        e.coche1 = !o.israel;
        break;
    case ModeDivers::ceremonies_bar_mitsva:
        e.coche1 = !o.girl;
        break;
    default:
        break;
    }
    e.houmra = !o.no_houmra;
    return e;
}

// A table line as tab-separated fields: its runs of two blanks or more
// separate the fields.
std::string champs(const std::string& ligne)
{
    std::string r;
    std::size_t blancs = 0;
    for (const char c : platform::trim(ligne)) {
        if (c == ' ') {
            ++blancs;
            continue;
        }
        if (blancs > 0) {
            r += blancs >= 2 || c == '\t' ? "\t" : " ";
        }
        blancs = 0;
        if (c != '\t' || r.empty() || r.back() != '\t') {
            r += c;
        }
    }
    return r;
}

void divers(CliContext& ctx, const DiversOptions& o)
{
    const std::optional<ModeDivers> mode = events::mode_divers_nomme(o.mode);
    if (!mode) {
        report_bad_input(ctx, o.mode + " : table inconnue ; les tables sont " + noms_des_modes());
        return;
    }
    const std::optional<events::EntreesDivers> e = entrees(ctx, *mode, o);
    if (!e) {
        return;
    }
    documents::ContexteDivers c;
    c.repertoire = prepared_program_directory();
    const shell::DonneesChargees donnees(c.repertoire);
    c.tables_ete = &donnees.tables_ete;
    c.diaspora = !o.israel;
    c.levana_israel = *mode == ModeDivers::levana && o.israel;
    const documents::ResultatDivers r = documents::calcule_divers(*mode, *e, c);
    if (!r.calcule) {
        report_bad_input(ctx, r.lignes.empty() ? std::string("Rien à calculer") : r.lignes.front());
        return;
    }
    const std::size_t entete =
        o.format == Format::tsv ? events::entete_divers(*mode, *e).size() : 0;
    for (std::size_t i = entete; i < r.lignes.size(); ++i) {
        if (o.format == Format::tsv) {
            const std::string l = champs(r.lignes[i]);
            if (!l.empty()) {
                ctx.out << l << '\n';
            }
        } else {
            ctx.out << r.lignes[i] << '\n';
        }
    }
}

} // namespace

void add_divers_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<DiversOptions>();
    CLI::App* cmd = app.add_subcommand(
        "divers", "Tables de la fenêtre Divers : moladot, Levana, Tékoufot, Roch 'Hodech, séries…");
    cmd->add_option("mode", o->mode, "Table : " + noms_des_modes())->required();
    cmd->add_option("year", o->year, "Première année hébraïque (défaut de la table sinon)");
    cmd->add_option("--to", o->to, "Dernière année hébraïque (types-annees, tableau-cycles)");
    cmd->add_option("--years", o->years, "Nombre d'années (centaines d'années pour liste-cycles)");
    cmd->add_option("--step", o->step, "Incrément entre les années");
    cmd->add_option("--month", o->month, "Mois (ou Tékoufa) : 0 tous, 1 Tichri .. 13 Eloul");
    cmd->add_flag("--israel", o->israel, "En Israël (Levana, Guéchamim, Bar-Mitsva)");
    cmd->add_flag("--sepharade", o->sepharade, "Coutume sépharade (Levana)");
    cmd->add_flag("--achkenaze", o->achkenaze, "Coutume achkénaze (Levana, par défaut)");
    cmd->add_flag("--girl", o->girl, "Bat-Mitsva (cérémonies)");
    cmd->add_flag("--no-houmra", o->no_houmra, "Sans la 'houmra de l'équation du temps (Levana)");
    add_format_option(*cmd, o->format);
    cmd->callback([&ctx, o] {
        try {
            divers(ctx, *o);
        } catch (const platform::FileError& e) {
            report_bad_input(ctx, e.what());
        }
    });
}

} // namespace orvane::cli
