// table: the zmanim table of the zmanim window for a place and a range of
// dates, as the window writes it to "zemanim.txt", or one tab-separated line
// per day.
//
//   orvane-cli table --place "PARIS (75)" 2025-01-01 2025-01-31 --days Chabbat
//   orvane-cli table --place "PARIS (75)" 2025-01-01 2025-12-31 --step 5 --format tsv
//
// pesach: the 'Hamets times of a Hebrew year for a place or for every city
// of a list, printed and added to the file of the folder "HAMETS" as the
// window writes it.
//
//   orvane-cli pesach 5785 --place "PARIS (75)" --method gaon
//   orvane-cli pesach 5797 --list willefr.cal

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "cli/zmanim_setup.h"
#include "documents/zmanim_pages.h"
#include "documents/zmanim_workbooks.h"
#include "places/charge_lieux.h"
#include "places/places.h"
#include "tables/pesach.h"
#include "tables/range_table.h"
#include "tables/table_header.h"

#include <CLI/CLI.hpp>

#include <algorithm>
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
    std::string html; // folder receiving the web pages of the city, year by year
    std::string xlsx; // workbook of every column
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

tables::EnvironnementTable environment_for(const ConfigurationChargee& configuration,
                                           const shell::DonneesChargees& donnees)
{
    const zmanim::ContexteCalcul contexte = context_for(configuration, donnees);
    tables::EnvironnementTable env;
    env.tables_ete = &donnees.tables_ete;
    env.mode_horaire = configuration.options.mode_horaire;
    env.mode_ete = contexte.mode_ete;
    env.vaudrel = contexte.vaudrel;
    env.lit_cle_ciop = contexte.lit_cle_ciop;
    return env;
}

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

/// The workbook of every column of the table, as "Tableaux toutes les
/// colonnes" writes it, at the path given.
void write_workbook(CliContext& ctx, const TableOptions& o, const tables::DemandeTable& d,
                    const documents::TablesGardees& gardees, const zmanim::ZmanimSettings& r)
{
    documents::ContexteClasseurs c;
    c.toutes_les_cases = std::all_of(r.moments.begin(), r.moments.end(), [](bool b) { return b; });
    c.fetes = d.fetes;
    c.bureau_des_longitudes = d.opinion.starts_with("Bureau");
    c.increment = d.increment;
    const documents::ClasseurHoraires k = documents::ClasseurHoraires::toutes_colonnes;
    if (const std::string refus = documents::refus_classeur(k, c); !refus.empty()) {
        report_bad_input(ctx, refus);
        return;
    }
    documents::ecrit_classeur_horaires_vers(o.xlsx, k, gardees, c);
}

/// The web pages of the city for each civil year of the range ("Page Web
/// pour " with "Web"), built in the program directory as the window builds
/// them, then copied into the folder given.
void write_pages(CliContext& ctx, const TableOptions& o, const fs::path& dir,
                 const tables::DemandeTable& d, zmanim::ZmanimSettings& reglages,
                 const tables::EnvironnementTable& env)
{
    documents::DemandePages pages;
    pages.genre = documents::GenrePages::une_ville;
    pages.web = true;
    pages.premiere_annee = d.debut.annee;
    pages.derniere_annee = d.fin.annee;
    pages.modele = d;
    const documents::RapportPages r = documents::pages_zmanim(dir, pages, reglages, env);
    for (const std::string& m : r.messages) {
        report_bad_input(ctx, m);
    }
    for (const std::vector<fs::path>* liste : {&r.construites, &r.existantes}) {
        for (const fs::path& page : *liste) {
            const fs::path copie =
                fs::path(o.html) / page.parent_path().filename() / page.filename();
            std::error_code erreur;
            fs::create_directories(copie.parent_path(), erreur);
            if (!erreur) {
                fs::copy_file(page, copie, fs::copy_options::overwrite_existing, erreur);
            }
            if (erreur) {
                report_bad_input(ctx, "Impossible de copier la page vers « " + copie.string() +
                                          " » : " + erreur.message());
                return;
            }
            ctx.out << copie.string() << '\n';
        }
    }
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
    const tables::EnvironnementTable env = environment_for(configuration, donnees);
    if (!o.html.empty()) {
        write_pages(ctx, o, dir, *demande, reglages, env);
        return;
    }
    LignesTexte texte(ctx.out);
    LignesTsv tsv(ctx.out);
    documents::TablesGardees gardees(o.seconds);
    tables::SortieTable& lignes =
        o.format == Format::tsv ? static_cast<tables::SortieTable&>(tsv) : texte;
    tables::SortiesMultiples sortie({&lignes, &gardees});
    const tables::ResultatTable r = tables::calcule_table(*demande, reglages, env, sortie);
    if (r.refuse) {
        report_bad_input(ctx, r.message);
        return;
    }
    if (!o.xlsx.empty()) {
        write_workbook(ctx, o, *demande, gardees, reglages);
    }
}

struct PesachOptions {
    PlaceArguments place;
    int year = 0;
    std::string list;
    std::string method{"beth-din"};
    std::string opinion{"Or Méïr"};
};

tables::MethodeHamets method_of(std::string_view name)
{
    if (name == "gaon") {
        return tables::MethodeHamets::gaon;
    }
    return name == "rabbenou-tam" ? tables::MethodeHamets::rabbenou_tam
                                  : tables::MethodeHamets::beth_din;
}

/// Lines as the file holds them, each "\r" a line break.
void print_lines(CliContext& ctx, const std::vector<std::string>& lines)
{
    for (const std::string& l : lines) {
        for (char c : l) {
            ctx.out << (c == '\r' ? '\n' : c);
        }
        ctx.out << '\n';
    }
}

/// The 'Hamets times of one place, or nothing (and a message) when a day was refused.
std::optional<tables::HorairesHamets> pesach_of(CliContext& ctx, const PesachOptions& o,
                                                const places::Place& place,
                                                const tables::EnvironnementTable& env,
                                                const tables::JoursHamets& jours)
{
    tables::DemandeTable d;
    d.lieu = place;
    d.opinion = o.opinion;
    d.ete_jour_par_jour = true;
    const tables::ResultatHamets r = tables::calcule_hamets(
        d, settings_for(o.opinion, false, place), env, jours, method_of(o.method));
    if (!r.complet) {
        report_bad_input(ctx,
                         place.ville + " : " +
                             (r.table.message.empty() ? "jour polaire, pas d'horaires du 'Hamets"
                                                      : r.table.message));
        return std::nullopt;
    }
    return r.horaires;
}

void compute_pesach(CliContext& ctx, const PesachOptions& o)
{
    if (!hebrew_year_argument(ctx, o.year)) {
        return;
    }
    const fs::path dir = prepared_program_directory();
    const shell::DonneesChargees donnees(dir);
    const ConfigurationChargee configuration = charge_configuration(dir);
    const tables::EnvironnementTable env = environment_for(configuration, donnees);
    const tables::JoursHamets jours = tables::jours_du_hamets(o.year);
    if (o.list.empty()) {
        const places::LieuxCharges loaded = places::charge_lieux(dir);
        const std::optional<places::Place> place = place_argument(ctx, dir, loaded, o.place);
        if (!place) {
            return;
        }
        if (const auto h = pesach_of(ctx, o, *place, env, jours)) {
            const std::vector<std::string> lines = tables::bloc_hamets(jours, *h, place->ville);
            tables::ajoute_au_fichier(tables::fichier_hamets(dir, jours, place->ville, false),
                                      lines);
            print_lines(ctx, lines);
        }
        return;
    }
    std::vector<std::string> lines = tables::entete_liste_hamets(jours);
    for (const places::Place& p : places::lit_fichier_lieux(dir, o.list).lieux) {
        if (const auto h = pesach_of(ctx, o, p, env, jours)) {
            lines.push_back(tables::ligne_liste_hamets(jours, *h, p.ville));
        }
    }
    tables::ajoute_au_fichier(tables::fichier_hamets(dir, jours, "", true), lines);
    print_lines(ctx, lines);
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
    cmd->add_option("--html", options->html,
                    "Dossier où copier les pages web de la ville, une par année civile")
        ->excludes("--format");
    cmd->add_option("--xlsx", options->xlsx, "Classeur .xlsx de toutes les colonnes");
    cmd->callback(
        [&ctx, options] { reporting_file_errors(ctx, [&] { compute_table(ctx, *options); }); });

    auto p = std::make_shared<PesachOptions>();
    CLI::App* pesach = app.add_subcommand(
        "pesach", "Heures du 'Hamets de Pessa'h d'une année hébraïque (et Birkat Ha'hama)");
    pesach->add_option("year", p->year, "Année hébraïque")->required();
    add_place_options(*pesach, p->place);
    pesach->add_option("--list", p->list,
                       "Fichier de villes du répertoire du programme (willefr.cal ...)");
    pesach->add_option("--method", p->method, "Méthode : beth-din, gaon ou rabbenou-tam")
        ->check(one_of({"beth-din", "gaon", "rabbenou-tam"}));
    pesach->add_option("--opinion", p->opinion, "Avis rabbinique des horaires");
    pesach->callback([&ctx, p] { reporting_file_errors(ctx, [&] { compute_pesach(ctx, *p); }); });
}

} // namespace orvane::cli
