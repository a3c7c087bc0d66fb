// calendar: the annual calendar of a civil or Hebrew year, as the window
// "Calendrier Civil --> Hébraïque" builds it for the same choices: its text
// area, the page files of one city or of a list of cities, the file of date
// pairs, the workbooks.
//
//   orvane-cli calendar 2025 --place "PARIS (75)" --times --text
//   orvane-cli calendar 5786 --hebrew --times --html pages
//   orvane-cli calendar 2025 --list willefr.cal --times --html pages
//   orvane-cli calendar 2024 --years 2 --dates

#include "cli/arguments.h"
#include "cli/calendar_setup.h"
#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "documents/calendar_controls.h"
#include "documents/city_pages.h"
#include "documents/dates_file.h"
#include "documents/workbook_build.h"
#include "documents/year_page.h"
#include "engine/date_validity.h"
#include "places/charge_lieux.h"
#include "platform/file_lookup.h"
#include "platform/program_dir.h"
#include "platform/raw_file.h"
#include "platform/text_file.h"
#include "shell/day/loaded_data.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/settings/opinions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;
using documents::Sortie;

/// The kinds of workbook and the item of the window's list each stands for.
struct Genre {
    std::string_view nom;
    Sortie sortie;
};
constexpr std::array<Genre, 6> genres = {{
    {"complet", Sortie::excel_complet},
    {"magnet", Sortie::magnet},
    {"imprimeurs", Sortie::imprimeurs_fr},
    {"imprimeurs-hb", Sortie::imprimeurs_fr_hb},
    {"mural", Sortie::mural_civil},
    {"mural-hebreu", Sortie::mural_hebreu},
}};

struct CalendarOptions {
    int year = 0;
    bool hebrew = false;
    int years = 1;
    PlaceArguments place = home_place();
    std::string list;
    std::string opinion{"Beth Din (France)"};
    bool times = false;
    bool israel = false;
    int tossefet = 0; // 0: the standard of the place
    std::string kind;
    bool text = false;
    std::string html;
    std::string xlsx;
    bool dates = false;

    static PlaceArguments home_place()
    {
        PlaceArguments p;
        p.home_by_default = true;
        return p;
    }
};

Sortie sortie_du_genre(std::string_view nom)
{
    for (const Genre& g : genres) {
        if (g.nom == nom) {
            return g.sortie;
        }
    }
    return Sortie::excel_complet;
}

std::string_view item_de(Sortie s)
{
    return documents::sorties_calendrier[static_cast<std::size_t>(s)];
}

/// The kinds of --kind and the window's items, for --help.
std::string aide_des_genres()
{
    std::string t = "Genres de classeur (--kind, avec --xlsx) :\n";
    for (const Genre& g : genres) {
        t += "  " + std::string(g.nom) + std::string(15 - g.nom.size(), ' ') + "« " +
             std::string(item_de(g.sortie)) + " »\n";
    }
    return t + "\nLa ligne de commande ne pose pas les questions de la fenêtre : elle prend la "
               "Tossefet\nstandard du lieu (Jérusalem 40 minutes, Israël 20, ailleurs 18) sauf "
               "--tossefet,\nle calcul standard à Marseille, les étoiles moyennes à 7,08°, "
               "l'entrée de Chabbat\n« Année : Heure normale », l'avis de --opinion et les "
               "coordonnées données.\nSans --times, les pages sont faites sans les horaires "
               "(les classeurs les demandent).";
}

/// The year and the last year of the span are years of the calendar.
bool annees_acceptees(CliContext& ctx, const CalendarOptions& o)
{
    const int min = o.hebrew ? engine::annee_hebr_min : engine::annee_civile_min;
    const int max = o.hebrew ? engine::annee_hebr_max : engine::annee_civile_max;
    for (const int annee : {o.year, o.year + o.years - 1}) {
        if (annee < min || annee > max) {
            report_bad_input(ctx,
                             std::to_string(annee) + " : " + engine::message_annees_hors_limites());
            return false;
        }
    }
    return true;
}

/// One of the opinions of the window's list.
bool opinion_acceptee(CliContext& ctx, const std::string& opinion)
{
    const auto& liste = zmanim::opinions_accueil;
    if (std::find(liste.begin(), liste.end(), opinion) != liste.end()) {
        return true;
    }
    std::string message = "Avis inconnu : " + opinion + "\rAvis possibles : ";
    for (std::size_t i = 0; i < liste.size(); ++i) {
        message += (i == 0 ? "" : ", ") + std::string(liste[i]);
    }
    report_bad_input(ctx, message);
    return false;
}

/// Exactly one output, and the options that go with it.
bool sortie_acceptee(CliContext& ctx, const CalendarOptions& o)
{
    const int sorties =
        (o.text ? 1 : 0) + (o.html.empty() ? 0 : 1) + (o.xlsx.empty() ? 0 : 1) + (o.dates ? 1 : 0);
    if (sorties != 1) {
        report_bad_input(ctx, "Choisissez une sortie : --text, --html DOSSIER, --xlsx FICHIER ou "
                              "--dates.");
        return false;
    }
    if (!o.kind.empty() && o.xlsx.empty()) {
        report_bad_input(ctx, "--kind choisit un genre de classeur : il va avec --xlsx FICHIER.");
        return false;
    }
    if (!o.list.empty() && o.html.empty()) {
        report_bad_input(ctx, "--list construit les pages de chaque ville de la liste : "
                              "choisissez --html DOSSIER.");
        return false;
    }
    return true;
}

/// The controls of the window for these options.
documents::ControlesCalendrier controles_de(const CalendarOptions& o, const places::Place& lieu)
{
    documents::ControlesCalendrier c;
    c.sens = o.hebrew ? documents::SensFenetre::hebreu : documents::SensFenetre::civil;
    c.mois_fin = o.hebrew ? 13 : 12;
    documents::change_annee(c, o.year);
    c.nombre_annees = o.years;
    c.lieu = lieu;
    documents::choisit_ville(c);
    if (o.tossefet != 0) {
        c.tossefet = o.tossefet;
    }
    c.opinion = o.opinion;
    c.horaires = true; // the check of the window: see `demande_de` for --times
    if (!o.xlsx.empty()) {
        c.sortie = static_cast<int>(sortie_du_genre(o.kind.empty() ? "complet" : o.kind));
    } else {
        c.sortie = static_cast<int>(o.dates ? Sortie::dates : Sortie::simplifie);
    }
    c.cible = o.text ? documents::CibleFenetre::memo
                     : (o.list.empty() ? documents::CibleFenetre::fichier_ville
                                       : documents::CibleFenetre::fichier_liste);
    c.web = !o.html.empty();
    return c;
}

/// The request of the window's builder for the checked controls.
documents::DemandeCalendrier demande_de(const CalendarOptions& o,
                                        const documents::ControlesCalendrier& c,
                                        const documents::CalculRetenu& r, const Chargement& ch)
{
    documents::DemandeCalendrier d = documents::demande_du_calcul(c, r);
    d.horaires = o.times;
    d.pour_tableur = !o.xlsx.empty();
    d.cible = o.text ? documents::Cible::memo : documents::Cible::fichier;
    d.diaspora = r.diaspora && !o.israel;
    documents::applique_configuration(d, ch.configuration.options, ch.donnees.config_ciop);
    return d;
}

void ecrit_lignes(std::ostream& out, const std::vector<std::string>& lignes)
{
    for (const std::string& l : lignes) {
        std::string affichee = l;
        std::replace(affichee.begin(), affichee.end(), '\r', '\n');
        out << affichee << '\n';
    }
}

void fichier_dates(CliContext& ctx, const CalendarOptions& o, const fs::path& dir)
{
    const documents::SensDates sens =
        o.hebrew ? documents::SensDates::hebreu_civil : documents::SensDates::civil_hebreu;
    if (const auto refus = documents::refus_dates(sens, o.year, o.years)) {
        report_bad_input(ctx, *refus);
        return;
    }
    ecrit_lignes(ctx.out, documents::ecrit_fichier_dates(dir, sens, o.year, o.years).message);
}

void calendrier_texte(CliContext& ctx, const documents::DemandeCalendrier& d, const Chargement& ch)
{
    const documents::CalendrierSimplifie c =
        documents::calendrier_simplifie(d, ch.donnees.tables_ete);
    if (!c.erreur.empty()) {
        report_bad_input(ctx, c.erreur);
        return;
    }
    ecrit_lignes(ctx.out, c.memo);
    documents::ecrit_fichiers_calendrier(ch.repertoire, c, d);
}

/// A page built in the program directory, copied into `destination` under
/// the same relative path, so that the links between the pages still hold.
void copie_page(CliContext& ctx, const fs::path& repertoire, const fs::path& page,
                const fs::path& destination)
{
    const fs::path relative = page.lexically_relative(repertoire);
    const fs::path cible = destination / relative;
    platform::ensure_directory(cible.parent_path());
    platform::copy_file_atomically(page, cible);
    ctx.out << cible.string() << '\n';
}

/// The lines of a list of cities: a file of that path, or of that name in
/// the program directory ("willefr.cal").
std::vector<std::string> lignes_de_la_liste(const std::string& liste, const fs::path& repertoire)
{
    const fs::path chemin = liste;
    if (platform::file_exists(chemin) || chemin.has_parent_path()) {
        return platform::read_lines(chemin);
    }
    return platform::read_lines(platform::lookup_ignoring_case(repertoire, chemin));
}

void pages_html(CliContext& ctx, const CalendarOptions& o, const documents::DemandeCalendrier& d,
                const Chargement& ch)
{
    const fs::path destination = o.html;
    if (o.list.empty()) {
        for (const documents::ResultatPage& p :
             documents::pages_une_ville(ch.repertoire, d, ch.donnees.tables_ete)) {
            copie_page(ctx, ch.repertoire, p.page, destination);
        }
        return;
    }
    const std::vector<std::string> liste = lignes_de_la_liste(o.list, ch.repertoire);
    for (int n = 0; n < d.nombre_annees; ++n) {
        const documents::RapportListe r = documents::pages_liste_villes(
            ch.repertoire, d, d.annee + n, liste, ch.donnees.tables_ete);
        for (const std::string& m : r.messages) {
            ctx.err << m << '\n';
        }
        for (const documents::ResultatPage& p : r.pages) {
            copie_page(ctx, ch.repertoire, p.page, destination);
        }
        copie_page(ctx, ch.repertoire, r.page_liste, destination);
    }
}

/// The workbook of the kind asked, at the path given; "cal_exl.txt" and
/// "lieuinim.cal" are written into the program directory as the window
/// writes them.
void classeur(CliContext& ctx, const CalendarOptions& o, const documents::DemandeCalendrier& d,
              const documents::CalculRetenu& r, const Chargement& ch)
{
    const std::optional<documents::Classeur> genre = documents::classeur_de_la_sortie(r.sortie);
    if (!genre) {
        return;
    }
    const fs::path destination = fs::absolute(o.xlsx);
    platform::ensure_directory(destination.parent_path());
    try {
        const fs::path classeur = documents::construit_classeur(*genre, d, ch.donnees.tables_ete,
                                                                ch.repertoire, destination);
        ctx.out << classeur.string() << '\n';
    } catch (const documents::RefusClasseur& e) {
        report_bad_input(ctx, e.what());
    }
}

/// The place of the options: the city or the coordinates given, the first
/// city of the list, or the home place.
std::optional<places::Place> lieu_des_options(CliContext& ctx, const CalendarOptions& o,
                                              const fs::path& dir)
{
    const places::LieuxCharges lieux = places::charge_lieux(dir);
    if (o.list.empty()) {
        return place_argument(ctx, dir, lieux, o.place);
    }
    if (!o.place.city.empty() || !o.place.lat.empty()) {
        report_bad_input(ctx, "--list et --place ne vont pas ensemble.");
        return std::nullopt;
    }
    return lieux.accueil.lieu;
}

void construit(CliContext& ctx, const CalendarOptions& o)
{
    if (!sortie_acceptee(ctx, o) || !annees_acceptees(ctx, o) ||
        !opinion_acceptee(ctx, o.opinion)) {
        return;
    }
    const fs::path dir = prepared_program_directory();
    if (o.dates) {
        fichier_dates(ctx, o, dir);
        return;
    }
    if (!o.xlsx.empty() && !o.times) {
        report_bad_input(ctx, "Erreur :\rPour construire les calendriers excel automatiquement\r"
                              "vous devez avoir sélectionné 'Indique les horaires'.\rIci ce "
                              "n'est pas le cas.");
        return;
    }
    const std::optional<places::Place> lieu = lieu_des_options(ctx, o, dir);
    if (!lieu) {
        return;
    }
    documents::ControlesCalendrier c = controles_de(o, *lieu);
    const std::optional<documents::CalculRetenu> r =
        documents::prepare_calcul(c, dialogues_fixes(ctx));
    if (!r) {
        return;
    }
    const Chargement ch(dir);
    const documents::DemandeCalendrier d = demande_de(o, c, *r, ch);
    if (o.text) {
        calendrier_texte(ctx, d, ch);
    } else if (!o.html.empty()) {
        pages_html(ctx, o, d, ch);
    } else {
        classeur(ctx, o, d, *r, ch);
    }
}

} // namespace

void add_calendar_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<CalendarOptions>();
    CLI::App* cmd = app.add_subcommand(
        "calendar", "Calendrier annuel d'une année civile ou hébraïque (texte, pages, dates)");
    cmd->add_option("annee", o->year, "Année civile (100 à 9999), ou hébraïque avec --hebrew")
        ->required();
    cmd->add_flag("--hebrew", o->hebrew, "Année hébraïque (3860 à 13759), mois Tichri à Eloul");
    cmd->add_option("--years", o->years, "Nombre d'années calculées (1 à 10000)")
        ->check(CLI::Range(1, 10000))
        ->type_name("N");
    add_place_options(*cmd, o->place);
    cmd->add_option("--list", o->list,
                    "Liste de villes au format de lieu.cal (ex. willefr.cal du répertoire du "
                    "programme) : une page par ville")
        ->type_name("FICHIER");
    cmd->add_option("--opinion", o->opinion, "Avis rabbinique (par défaut : Beth Din (France))");
    cmd->add_flag("--times", o->times, "Indique les horaires du jour");
    cmd->add_flag("--israel", o->israel, "Lectures et fêtes d'Israël");
    cmd->add_option("--tossefet", o->tossefet,
                    "Minutes de l'entrée de Chabbat avant le coucher (4 à 40 ; par défaut le "
                    "standard du lieu)")
        ->check(CLI::Range(4, 40))
        ->type_name("MINUTES");
    std::vector<std::string> noms;
    for (const Genre& g : genres) {
        noms.emplace_back(g.nom);
    }
    cmd->add_option("--kind", o->kind, "Genre de classeur (voir plus bas)")
        ->check(one_of(noms))
        ->type_name("GENRE");
    cmd->add_flag("--text", o->text, "Le calendrier simplifié de la fenêtre, sur la sortie");
    cmd->add_option("--html", o->html, "Pages HTML de la ville ou de la liste, dans ce dossier")
        ->type_name("DOSSIER");
    cmd->add_option("--xlsx", o->xlsx, "Classeur du genre --kind (par défaut complet)")
        ->type_name("FICHIER");
    cmd->add_flag("--dates", o->dates, "Fichier des dates civiles-hébraïques (DATES/Dates_…)");
    cmd->footer(aide_des_genres());
    cmd->callback([&ctx, o] { reporting_file_errors(ctx, [&] { construit(ctx, *o); }); });
}

} // namespace orvane::cli
