// book, zmanim-pages, daylist: the publication outputs of the zmanim window,
// written into the program directory as the window writes them.
//
//   orvane-cli book 2025                      zemani1.txt … zemanif.txt (villefr.cal)
//   orvane-cli book --plaque-chema 2025       the plaque list of villepl.cal
//   orvane-cli zmanim-pages --list 2025 2026  Orvanew/Horaires/Horaires/2025/…htm
//   orvane-cli zmanim-pages --world 2025 2025 --text
//   orvane-cli zmanim-pages --place "PARIS (75)" 2025 2027
//   orvane-cli daylist 2025-01-15 --actuj     cal_exl.txt (villactu.cal)

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "cli/zmanim_setup.h"
#include "documents/zmanim_books.h"
#include "documents/zmanim_pages.h"
#include "places/charge_lieux.h"
#include "places/places.h"
#include "platform/file_lookup.h"
#include "shell/day/loaded_data.h"
#include "tables/day_list.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

/// What the three commands read from the program directory: the summer-time
/// tables, the configuration, and the environment of a table made of them.
class Chargement
{
public:
    explicit Chargement(const fs::path& dir)
        : repertoire(dir), donnees(dir), configuration(charge_configuration(dir))
    {
        const zmanim::ContexteCalcul contexte = context_for(configuration, donnees);
        env.tables_ete = &donnees.tables_ete;
        env.mode_horaire = configuration.options.mode_horaire;
        env.mode_ete = contexte.mode_ete;
        env.vaudrel = contexte.vaudrel;
        env.lit_cle_ciop = contexte.lit_cle_ciop;
    }

    fs::path repertoire;
    shell::DonneesChargees donnees;
    ConfigurationChargee configuration;
    tables::EnvironnementTable env;
};

void ecrit_messages(std::ostream& err, const std::vector<std::string>& messages)
{
    for (std::string m : messages) {
        std::replace(m.begin(), m.end(), '\r', ' ');
        err << m << '\n';
    }
}

void liste_absente(CliContext& ctx, std::string_view liste)
{
    report_bad_input(ctx, "La liste de villes « " + std::string(liste) +
                              " » manque dans le répertoire du programme.");
}

struct BookOptions {
    int year = 0;
    bool rt = false;
    bool plaque = false;
    bool plaque_chema = false;
    std::string opinion{"Or Méïr"};
};

void book(CliContext& ctx, const BookOptions& o)
{
    if ((o.rt ? 1 : 0) + (o.plaque ? 1 : 0) + (o.plaque_chema ? 1 : 0) > 1) {
        report_bad_input(ctx, "Choisissez un seul livre : --rt, --plaque ou --plaque-chema.");
        return;
    }
    if (!opinion_argument(ctx, o.opinion)) {
        return;
    }
    const tables::MiseEnPage m = o.rt             ? tables::MiseEnPage::livre_rt
                                 : o.plaque       ? tables::MiseEnPage::plaque_sans_chema
                                 : o.plaque_chema ? tables::MiseEnPage::plaque_chema
                                                  : tables::MiseEnPage::livre;
    const Chargement ch(prepared_program_directory());
    tables::DemandeTable modele;
    modele.opinion = o.opinion;
    const tables::DemandeTable d = documents::demande_livre(modele, m, o.year);
    zmanim::ZmanimSettings reglages = settings_for(o.opinion, false, d.lieu);
    const documents::RapportLivre r =
        documents::livre_des_villes(ch.repertoire, d, reglages, ch.env);
    if (r.liste_absente) {
        liste_absente(ctx, documents::liste_du_livre(m));
        return;
    }
    for (const documents::FichierGroupe& g : r.groupes) {
        ctx.out << g.chemin.string() << '\t' << g.villes << '\n';
    }
    ecrit_messages(ctx.err, r.messages);
}

struct PagesOptions {
    PlaceArguments place;
    bool list = false;
    bool world = false;
    int from = 0;
    int to = 0;
    bool text = false;
    std::string opinion{"Or Méïr"};
};

std::optional<documents::GenrePages> genre_des_options(CliContext& ctx, const PagesOptions& o)
{
    const bool ville = !o.place.city.empty() || !o.place.lat.empty();
    if ((ville ? 1 : 0) + (o.list ? 1 : 0) + (o.world ? 1 : 0) != 1) {
        report_bad_input(ctx, "Choisissez une sortie : --place VILLE, --list ou --world.");
        return std::nullopt;
    }
    if (ville && o.text) {
        report_bad_input(ctx, "Les pages d'une ville ne se font qu'en HTML : --text va avec --list "
                              "ou --world.");
        return std::nullopt;
    }
    if (o.to < o.from) {
        report_bad_input(ctx, "L'année de fin " + std::to_string(o.to) +
                                  " précède celle du début " + std::to_string(o.from) + ".");
        return std::nullopt;
    }
    return ville ? documents::GenrePages::une_ville
                 : (o.list ? documents::GenrePages::liste_villes
                           : documents::GenrePages::liste_monde);
}

void zmanim_pages(CliContext& ctx, const PagesOptions& o)
{
    const std::optional<documents::GenrePages> genre = genre_des_options(ctx, o);
    if (!genre || !opinion_argument(ctx, o.opinion)) {
        return;
    }
    const fs::path dir = prepared_program_directory();
    documents::DemandePages d;
    d.genre = *genre;
    d.web = !o.text;
    d.premiere_annee = o.from;
    d.derniere_annee = o.to;
    d.modele.opinion = o.opinion;
    if (*genre == documents::GenrePages::une_ville) {
        const places::LieuxCharges lieux = places::charge_lieux(dir);
        const std::optional<places::Place> lieu = place_argument(ctx, dir, lieux, o.place);
        if (!lieu) {
            return;
        }
        d.modele.lieu = *lieu;
    }
    const Chargement ch(dir);
    d.modele.prefixe_site = ch.configuration.options.site;
    zmanim::ZmanimSettings reglages = settings_for(o.opinion, false, d.modele.lieu);
    const documents::RapportPages r = documents::pages_zmanim(dir, d, reglages, ch.env);
    if (r.liste_absente) {
        liste_absente(ctx, documents::liste_des_pages(*genre));
    }
    for (const fs::path& p : r.construites) {
        ctx.out << p.string() << '\n';
    }
    for (const std::string& l : r.memo) {
        ctx.out << l << '\n';
    }
    ecrit_messages(ctx.err, r.messages);
}

struct DayListOptions {
    std::string date;
    bool actuj = false;
    std::string opinion{"Or Méïr"};
};

void day_list(CliContext& ctx, const DayListOptions& o)
{
    const std::optional<engine::DateCivile> date = civil_date_argument(ctx, o.date);
    if (!date || !opinion_argument(ctx, o.opinion)) {
        return;
    }
    const Chargement ch(prepared_program_directory());
    const std::string liste(tables::liste_villes_du_jour);
    if (!fs::exists(platform::lookup_ignoring_case(ch.repertoire, liste))) {
        liste_absente(ctx, liste);
        return;
    }
    const places::ListesLieux villes = places::lit_fichier_lieux(ch.repertoire, liste);
    tables::DemandeListeDuJour d;
    d.date = *date;
    d.opinion = o.opinion;
    d.actuj = o.actuj;
    zmanim::ZmanimSettings reglages = settings_for(o.opinion, false, places::Place{});
    const tables::ListeDuJour l =
        tables::liste_du_jour_des_villes(villes.lieux, d, reglages, ch.env);
    tables::ecrit_liste_du_jour(ch.repertoire, l);
    for (const std::string& ligne : l.lignes) {
        ctx.out << ligne << '\n';
    }
    ecrit_messages(ctx.err, l.messages);
}

void add_book(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<BookOptions>();
    CLI::App* cmd = app.add_subcommand(
        "book", "Livre des horaires des villes de villefr.cal (ou liste de plaques, villepl.cal)");
    cmd->add_option("annee", o->year, "Année civile")->required()->check(CLI::Range(1000, 9999));
    cmd->add_flag("--rt", o->rt, "Livre RT : les colonnes de 72 minutes");
    cmd->add_flag("--plaque", o->plaque, "Liste de plaques sans le Chéma du soir");
    cmd->add_flag("--plaque-chema", o->plaque_chema, "Liste de plaques avec le Chéma du soir");
    cmd->add_option("--opinion", o->opinion, "Avis rabbinique");
    cmd->callback([&ctx, o] { reporting_file_errors(ctx, [&] { book(ctx, *o); }); });
}

void add_zmanim_pages(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<PagesOptions>();
    CLI::App* cmd = app.add_subcommand(
        "zmanim-pages", "Pages des horaires de l'année : une ville, willefr.cal ou willemd.cal");
    add_place_options(*cmd, o->place);
    cmd->add_flag("--list", o->list, "Toutes les villes de willefr.cal");
    cmd->add_flag("--world", o->world, "Toutes les villes de willemd.cal, et ajouter.txt");
    cmd->add_option("from", o->from, "Première année civile")
        ->required()
        ->check(CLI::Range(1000, 9999));
    cmd->add_option("to", o->to, "Dernière année civile")
        ->required()
        ->check(CLI::Range(1000, 9999));
    cmd->add_flag("--text", o->text, "Pages de texte (txt) au lieu de HTML");
    cmd->add_option("--opinion", o->opinion, "Avis rabbinique");
    cmd->callback([&ctx, o] { reporting_file_errors(ctx, [&] { zmanim_pages(ctx, *o); }); });
}

void add_day_list(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<DayListOptions>();
    CLI::App* cmd = app.add_subcommand(
        "daylist", "Horaires d'un jour pour les villes de villactu.cal (cal_exl.txt)");
    cmd->add_option("date", o->date, "Date civile A-M-J")->required();
    cmd->add_flag("--actuj", o->actuj,
                  "Les cinq moments : téfilines, lever, entrée, coucher, sortie");
    cmd->add_option("--opinion", o->opinion, "Avis rabbinique");
    cmd->callback([&ctx, o] { reporting_file_errors(ctx, [&] { day_list(ctx, *o); }); });
}

} // namespace

void add_pages_commands(CLI::App& app, CliContext& ctx)
{
    add_book(app, ctx);
    add_zmanim_pages(app, ctx);
    add_day_list(app, ctx);
}

} // namespace orvane::cli
