// table: the zmanim table of the zmanim window for a place and a range of
// dates, as the window writes it to "zemanim.txt", or one tab-separated line
// per day.
//
//   orvane-cli table --place "PARIS (75)" 2025-01-01 2025-01-31 --days Chabbat
//   orvane-cli table --place "PARIS (75)" 2025-01-01 2025-12-31 --step 5 --format tsv

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "cli/zmanim_setup.h"
#include "places/charge_lieux.h"
#include "tables/range_table.h"
#include "tables/table_header.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

struct TableOptions {
    PlaceArguments place;
    std::string from, to;
    std::string opinion{"Or Méïr"};
    int step = 1;
    std::string days{"Tous les jours de la sem."};
    bool seconds = false;
    bool hebrew = false;
    bool summer = false;
    bool festivals = false;
    bool short_date = false;
    bool show_opinion = false;
    Format format = Format::text;
};

/// The filters by their list texts and by short names.
std::optional<tables::FiltreJours> day_filter(std::string_view name)
{
    static const std::vector<std::pair<std::string_view, tables::FiltreJours>> short_names{
        {"tous", tables::FiltreJours::tous},
        {"chabbatot-fetes", tables::FiltreJours::chabbatot_et_fetes},
        {"vendredi-chabbat", tables::FiltreJours::vendredi_et_chabbat},
        {"semaines", tables::FiltreJours::semaines},
    };
    for (const auto& [texte, filtre] : short_names) {
        if (texte == name) {
            return filtre;
        }
    }
    for (const tables::ChoixFiltre& c : tables::choix_des_filtres()) {
        if (c.texte == name) {
            return c.filtre;
        }
    }
    return std::nullopt;
}

std::string iso(const engine::DateCivile& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02d-%02d", d.annee, d.mois, d.jour);
    return text;
}

/// The rows as tab-separated lines: the date, then the shown times.
class LignesTsv : public tables::SortieTable
{
public:
    explicit LignesTsv(std::ostream& out) : out_(out) {}
    void ligne(const std::string&) override {}
    void colonnes(const std::vector<tables::ColonneAffichee>& c) override
    {
        out_ << "date";
        for (const tables::ColonneAffichee& col : c) {
            out_ << '\t' << tables::colonnes()[col.indice].jeton;
        }
        out_ << '\n';
    }
    void rangee(const tables::RangeeTable& r) override
    {
        out_ << iso(r.date);
        const std::string& t = r.texte;
        if (r.polaire) {
            out_ << '\t' << r.horaires->message_polaire;
        } else {
            out_ << t.substr(std::min(r.libelle.size(), t.size()));
        }
        out_ << '\n';
    }

private:
    std::ostream& out_;
};

/// The lines as the text file holds them.
class LignesTexte : public tables::SortieTable
{
public:
    explicit LignesTexte(std::ostream& out) : out_(out) {}
    void ligne(const std::string& texte) override { out_ << texte << '\n'; }
    void rangee(const tables::RangeeTable& r) override { out_ << r.texte << '\n'; }

private:
    std::ostream& out_;
};

std::optional<tables::DemandeTable> request_for(CliContext& ctx, const TableOptions& o,
                                                const places::Place& place)
{
    const auto from = civil_date_argument(ctx, o.from);
    const auto to = civil_date_argument(ctx, o.to);
    const auto filter = day_filter(o.days);
    if (!filter) {
        report_bad_input(ctx, "Choix des jours inconnu : « " + o.days + " ».");
    }
    if (!from || !to || !filter || !opinion_argument(ctx, o.opinion)) {
        return std::nullopt;
    }
    tables::DemandeTable d;
    d.lieu = place;
    d.debut = *from;
    d.fin = *to;
    d.increment = o.step;
    d.opinion = o.opinion;
    d.filtre = *filter;
    d.ete_jour_par_jour = o.summer || *filter != tables::FiltreJours::tous;
    d.fetes = o.festivals;
    d.date_complete = !o.short_date;
    d.reference_hebraique = o.hebrew;
    d.annee_reference = o.hebrew ? engine::hebraique_du_civil(*from).annee : from->annee;
    d.indique_avis = o.show_opinion;
    return d;
}

void compute_table(CliContext& ctx, const TableOptions& o)
{
    const fs::path dir = prepared_program_directory();
    const places::LieuxCharges loaded = places::charge_lieux(dir);
    const std::optional<places::Place> place = place_argument(ctx, dir, loaded, o.place);
    if (!place) {
        return;
    }
    const auto demande = request_for(ctx, o, *place);
    if (!demande) {
        return;
    }
    zmanim::ZmanimSettings reglages = settings_for(o.opinion, o.seconds, *place);
    const shell::DonneesChargees donnees(dir);
    const ConfigurationChargee configuration = charge_configuration(dir);
    const zmanim::ContexteCalcul contexte = context_for(configuration, donnees);
    tables::EnvironnementTable env;
    env.tables_ete = &donnees.tables_ete;
    env.mode_horaire = configuration.options.mode_horaire;
    env.mode_ete = contexte.mode_ete;
    env.vaudrel = contexte.vaudrel;
    env.lit_cle_ciop = contexte.lit_cle_ciop;
    LignesTexte texte(ctx.out);
    LignesTsv tsv(ctx.out);
    tables::SortieTable& sortie =
        o.format == Format::tsv ? static_cast<tables::SortieTable&>(tsv) : texte;
    const tables::ResultatTable r = tables::calcule_table(*demande, reglages, env, sortie);
    if (r.refuse) {
        report_bad_input(ctx, r.message);
    }
}

} // namespace

void add_tables_commands(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<TableOptions>();
    CLI::App* cmd = app.add_subcommand(
        "table", "Table des horaires d'une localité entre deux dates (fenêtre des horaires)");
    add_place_options(*cmd, options->place);
    cmd->add_option("from", options->from, "Première date civile A-M-J")->required();
    cmd->add_option("to", options->to, "Dernière date civile A-M-J")->required();
    cmd->add_option("--opinion", options->opinion, "Avis rabbinique");
    cmd->add_option("--step", options->step, "Jours entre deux lignes (1 à 31)")
        ->check(CLI::Range(1, 31));
    cmd->add_option("--days", options->days,
                    "Choix des jours : un texte de la liste (\"Chabbat\", \"Vendredi & Chabbat\" "
                    "...) ou tous, chabbatot-fetes, vendredi-chabbat, semaines");
    cmd->add_flag("--seconds", options->seconds, "Affiche les secondes");
    cmd->add_flag("--hebrew", options->hebrew, "Date hébraïque en tête de ligne");
    cmd->add_flag("--summer", options->summer, "Heure d'été date par date");
    cmd->add_flag("--festivals", options->festivals, "Prise en compte des fêtes");
    cmd->add_flag("--short-date", options->short_date, "Date courte (sans la date hébraïque)");
    cmd->add_flag("--show-opinion", options->show_opinion, "Indique l'opinion sur la table");
    add_format_option(*cmd, options->format);
    cmd->callback(
        [&ctx, options] { reporting_file_errors(ctx, [&] { compute_table(ctx, *options); }); });
}

} // namespace orvane::cli
