// ical, ciop, tset: the consistory's outputs of the annual calendar.
//
//   orvane-cli ical 2026 --place "PARIS (75)" --times --out paris2026.ics
//   orvane-cli ciop 5786 --place "PARIS (75)" [--tables]
//   orvane-cli tset 2026
#include "cli/arguments.h"
#include "cli/calendar_setup.h"
#include "cli/commands.h"
#include "documents/consistory_outputs.h"
#include "documents/consistory_series.h"
#include "engine/date_validity.h"
#include "places/charge_lieux.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"

#include <CLI/CLI.hpp>

#include <chrono>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;

struct ConsistoryOptions {
    int year = 0;
    PlaceArguments place;
    bool israel = false;
    bool times = false;
    bool tables = false;
    std::string out;
};

bool annee_acceptee(CliContext& ctx, int annee, bool hebreu)
{
    const int min = hebreu ? engine::annee_hebr_min + 1 : engine::annee_civile_min;
    const int max = hebreu ? engine::annee_hebr_max - 2 : engine::annee_civile_max;
    if (annee < min || annee > max) {
        report_bad_input(ctx,
                         std::to_string(annee) + " : " + engine::message_annees_hors_limites());
        return false;
    }
    return true;
}

/// The request of the window's build for `o`, after its checks; nothing
/// when one refuses (reported).
std::optional<documents::DemandeCalendrier> demande_de(CliContext& ctx, const ConsistoryOptions& o,
                                                       const Chargement& ch, bool hebreu,
                                                       documents::Sortie sortie, bool avec_lieu)
{
    documents::ControlesCalendrier c;
    c.sens = hebreu ? documents::SensFenetre::hebreu : documents::SensFenetre::civil;
    c.mois_fin = hebreu ? 13 : 12;
    documents::change_annee(c, o.year);
    c.sortie = static_cast<int>(sortie);
    if (avec_lieu) {
        const places::LieuxCharges lieux = places::charge_lieux(ch.repertoire);
        const std::optional<places::Place> lieu =
            place_argument(ctx, ch.repertoire, lieux, o.place);
        if (!lieu) {
            return std::nullopt;
        }
        c.lieu = *lieu;
        documents::choisit_ville(c);
    }
    c.opinion = "Beth Din (France)";
    const std::optional<documents::CalculRetenu> r =
        documents::prepare_calcul(c, dialogues_fixes(ctx));
    if (!r) {
        return std::nullopt;
    }
    documents::DemandeCalendrier d = documents::demande_du_calcul(c, *r);
    d.diaspora = r->diaspora && !o.israel;
    d.cible = documents::Cible::fichier;
    documents::applique_configuration(d, ch.configuration.options, ch.donnees.config_ciop);
    return d;
}

void ical(CliContext& ctx, const ConsistoryOptions& o)
{
    if (!annee_acceptee(ctx, o.year, false)) {
        return;
    }
    const Chargement ch(prepared_program_directory());
    const auto d = demande_de(ctx, o, ch, false, documents::Sortie::simplifie, true);
    if (!d) {
        return;
    }
    const documents::CalendrierSimplifie c =
        documents::calendrier_simplifie(*d, ch.donnees.tables_ete);
    if (!c.erreur.empty()) {
        report_bad_input(ctx, c.erreur);
        return;
    }
    const documents::JoursTelephone jours =
        documents::jours_du_calendrier(*d, c, ch.donnees.tables_ete);
    const std::string horodatage = documents::horodatage_ical(std::chrono::system_clock::now());
    const std::string texte =
        documents::calendrier_ical(jours, {d->lieu.ville, o.year, o.times, horodatage});
    platform::write_utf8(o.out, texte);
    ctx.out << o.out << '\n';
}

void ecrit_serie(CliContext& ctx, const documents::SeriesCiop& s)
{
    for (const fs::path& f : s.fichiers) {
        ctx.out << f.string() << '\n';
    }
    for (const fs::path& f : s.classeurs) {
        ctx.out << f.string() << '\n';
    }
}

void ciop(CliContext& ctx, const ConsistoryOptions& o)
{
    if (!annee_acceptee(ctx, o.year, true)) {
        return;
    }
    const Chargement ch(prepared_program_directory());
    const auto sortie =
        o.tables ? documents::Sortie::tables_ciop : documents::Sortie::calendrier_ciop;
    const auto d = demande_de(ctx, o, ch, true, sortie, true);
    if (!d) {
        return;
    }
    try {
        ecrit_serie(ctx, documents::series_ciop(*d, sortie, ch.donnees.config_ciop,
                                                ch.donnees.tables_ete, ch.repertoire));
    } catch (const documents::RefusSerie& e) {
        report_bad_input(ctx, e.what());
    }
}

void tset(CliContext& ctx, const ConsistoryOptions& o)
{
    if (!annee_acceptee(ctx, o.year, false)) {
        return;
    }
    const Chargement ch(prepared_program_directory());
    const auto d = demande_de(ctx, o, ch, false, documents::Sortie::tset_admour, false);
    if (!d) {
        return;
    }
    try {
        ecrit_serie(ctx, documents::tables_tset(*d, ch.donnees.tables_ete, ch.repertoire));
    } catch (const documents::RefusSerie& e) {
        report_bad_input(ctx, e.what());
    }
}

} // namespace

void add_consistory_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<ConsistoryOptions>();
    CLI::App* i = app.add_subcommand(
        "ical", "Fichier iCalendar (.ics) d'une année civile : fêtes, jeûnes et jours "
                "marqués d'un lieu, avec --times les heures de Chabbat et des fêtes");
    i->add_option("annee", o->year, "Année civile")->required();
    add_place_options(*i, o->place);
    i->add_flag("--israel", o->israel, "Fêtes et lectures d'Israël");
    i->add_flag("--times", o->times, "Allumage, entrées et sorties de Chabbat, fêtes et jeûnes");
    i->add_option("--out", o->out, "Fichier .ics écrit")->required()->type_name("FICHIER");
    i->callback([&ctx, o] { reporting_file_errors(ctx, [&] { ical(ctx, *o); }); });

    auto c = std::make_shared<ConsistoryOptions>();
    CLI::App* s = app.add_subcommand(
        "ciop", "Séries du consistoire d'une année hébraïque : 24 calendriers (CAL_GrE0.txt … "
                "CAL_M_W2.txt) et leur classeur");
    s->add_option("annee", c->year, "Année hébraïque")->required();
    add_place_options(*s, c->place);
    s->add_flag("--tables", c->tables, "« Tables horaires ciop » (sinon « Calendrier ciop »)");
    s->callback([&ctx, c] { reporting_file_errors(ctx, [&] { ciop(ctx, *c); }); });

    auto t = std::make_shared<ConsistoryOptions>();
    CLI::App* n = app.add_subcommand(
        "tset", "Tables de Tset Hakokhavim (6,54°) d'une année civile pour les villes de "
                "villetset.txt");
    n->add_option("annee", t->year, "Année civile")->required();
    n->callback([&ctx, t] { reporting_file_errors(ctx, [&] { tset(ctx, *t); }); });
}

} // namespace orvane::cli
