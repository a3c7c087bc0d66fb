// omer and shemita: the count of the Omer of a civil year and the strip of
// sabbatical and jubilee years, as the two windows show them.

#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "engine/date_texts.h"
#include "events/festivals/festivals_text.h"
#include "events/omer/omer_count.h"
#include "events/omer/shemita.h"
#include "platform/text.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>

namespace orvane::cli
{

namespace
{

struct OmerOptions {
    int year = 0;
    Format format = Format::text;
};

struct ShemitaOptions {
    int year = 0;
    std::string opinion = "yehouda";
};

std::string n(long long v)
{
    return std::to_string(v);
}

/// A civil year whose spring holds the Omer of a Hebrew year the engine
/// converts; there is no year 0.
bool omer_year_argument(CliContext& ctx, int year)
{
    const int first = events::annee_civile_affichee(events::annee_hebr_min_omer);
    const int last = events::annee_civile_affichee(events::annee_hebr_max_omer);
    if (year == 0 || year < first || year > last) {
        report_bad_input(ctx, "L'année civile " + std::to_string(year) +
                                  " est hors des limites du compte du Omer : de " +
                                  std::to_string(first) + " à " + std::to_string(last) +
                                  ", sans année 0");
        return false;
    }
    return true;
}

void run_omer(CliContext& ctx, const OmerOptions& o)
{
    if (!omer_year_argument(ctx, o.year)) {
        return;
    }
    const events::TableOmer table = events::table_omer(
        events::annee_hebr_de_la_civile(o.year, events::annee_hebr_max_omer), {});
    if (o.format == Format::text) {
        for (const std::string& line : events::lignes_fichier_omer(table)) {
            ctx.out << line << '\n';
        }
        return;
    }
    for (const events::LigneOmer& l : table) {
        ctx.out << n(engine::annee_civile_ecrite(l.date_civile.annee)) << '\t'
                << n(l.date_civile.mois) << '\t' << n(l.date_civile.jour) << '\t'
                << n(l.jour_semaine) << '\t' << n(l.date_hebraique.annee) << '\t'
                << n(l.date_hebraique.mois) << '\t' << n(l.date_hebraique.jour) << '\t' << l.compte
                << '\n';
    }
}

void run_shemita(CliContext& ctx, const ShemitaOptions& o)
{
    if (o.year < events::premiere_annee_min || o.year > events::premiere_annee_max) {
        report_bad_input(ctx, "L'année " + std::to_string(o.year) + " est hors des limites : de " +
                                  std::to_string(events::premiere_annee_min) + " à " +
                                  std::to_string(events::premiere_annee_max));
        return;
    }
    const events::AvisChemita avis = o.opinion == "hakhamim" ? events::AvisChemita::hakhamim
                                                             : events::AvisChemita::rabbi_yehouda;
    const int premiere = events::premiere_annee_autour_de(o.year);
    ctx.out << events::titre_yovel << '\n' << events::texte_avis(avis, false) << '\n';
    const auto marques = events::marques_de_la_bande(premiere, avis);
    for (int i = 0; i < events::annees_de_la_bande; ++i) {
        ctx.out << platform::trim_right(engine::cadre_nombre(premiere + i, 5) + "  " +
                                        std::string(marques[static_cast<std::size_t>(i)]))
                << '\n';
    }
    const int decrite = events::annee_decrite(premiere);
    ctx.out << decrite << " : " << events::description_annee(decrite, avis) << '\n'
            << events::texte_prochaine_chemita(o.year) << '\n'
            << events::texte_prochain_yovel(o.year) << "  " << events::note_yovel_yehouda << "  "
            << events::note_avis_retenu << '\n';
}

} // namespace

void add_omer_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<OmerOptions>();
    CLI::App* omer = app.add_subcommand(
        "omer", "Compte du Omer, de Pessa'h à Chavouot, du printemps d'une année civile");
    omer->add_option("year", o->year, "Année civile")->required();
    add_format_option(*omer, o->format);
    omer->callback([&ctx, o] { run_omer(ctx, *o); });

    auto s = std::make_shared<ShemitaOptions>();
    CLI::App* shemita =
        app.add_subcommand("shemita", "Années de Chemita et de Yovel autour d'une année hébraïque");
    shemita->add_option("year", s->year, "Année hébraïque")->required();
    shemita->add_option("--opinion", s->opinion, "Avis : yehouda (par défaut) ou hakhamim")
        ->check(one_of({"yehouda", "hakhamim"}));
    shemita->callback([&ctx, s] { run_shemita(ctx, *s); });
}

} // namespace orvane::cli
