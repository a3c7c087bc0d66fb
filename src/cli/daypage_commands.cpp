// daypage: the text of the day page for a date, a place and an opinion, as
// the main window saves it in the folder "PAGEACCUEIL".
//
//   orvane-cli daypage 2024-06-21
//   orvane-cli daypage 2024-06-21 --place Jérusalem --opinion "Or Méïr" --israel

#include "cli/commands.h"
#include "config/config.h"
#include "config/program_options.h"
#include "engine/date_validity.h"
#include "places/charge_lieux.h"
#include "places/places.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/program_dir.h"
#include "shell/day/day_page_contents.h"
#include "shell/main_form/clock_line.h"
#include "zmanim/settings/opinions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;

struct DayPageOptions {
    std::string date;
    std::string place;
    std::string country;
    std::string opinion;
    bool israel = false;
    bool girl = false;
    int count = 15;
    std::string today;
    std::string time;
};

std::optional<engine::DateCivile> civil_date(CliContext& ctx, const std::string& text)
{
    const auto d = parse_ymd(text);
    if (!d) {
        report_bad_input(ctx, text + " : " + std::string(engine::message_date_civile_incorrecte));
        return std::nullopt;
    }
    if (const auto error = engine::erreur_date_civile(d->y, d->m, d->d)) {
        report_bad_input(ctx, text + " : " + *error);
        return std::nullopt;
    }
    return engine::DateCivile{d->y, d->m, d->d};
}

/// "HH:MM:SS" or "HH:MM", or the system clock's time when empty.
std::optional<platform::LocalTime> time_of_day(CliContext& ctx, const std::string& text)
{
    if (text.empty()) {
        return platform::SystemClock().now();
    }
    int h = -1;
    int m = -1;
    int s = 0;
    char rest = 0;
    const int n = std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &m, &s, &rest);
    if ((n != 2 && n != 3) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
        report_bad_input(ctx, text + " : heure incorrecte (HH:MM ou HH:MM:SS)");
        return std::nullopt;
    }
    return platform::LocalTime{h, m, s, 0};
}

/// True for a name of the opinion lists (the day page's or the zmanim window's).
bool known_opinion(std::string_view name)
{
    const auto in = [name](const auto& list) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    return in(zmanim::opinions_accueil) || in(zmanim::opinions_calcul);
}

/// The home place of "lieu_acc.cal", or a city of the places lists.
std::optional<places::LieuAccueil> place_of(CliContext& ctx, const fs::path& dir,
                                            const DayPageOptions& o)
{
    const places::LieuxCharges charges = places::charge_lieux(dir);
    places::LieuAccueil accueil = charges.accueil;
    if (o.place.empty()) {
        return accueil;
    }
    for (std::string_view file :
         {std::string_view(charges.fichier_lieux), places::fichier_lieux_long}) {
        const places::ListesLieux lists = places::lit_fichier_lieux(dir, file);
        if (auto p = places::choix_ville(lists, o.place, o.country);
            p && (o.country.empty() || p->pays == o.country)) {
            accueil.lieu = *p;
            return accueil;
        }
    }
    report_bad_input(ctx, "Ville inconnue : " + o.place +
                              (o.country.empty() ? "" : " (" + o.country + ")"));
    return std::nullopt;
}

void run_daypage(CliContext& ctx, const DayPageOptions& o)
{
    const auto date = civil_date(ctx, o.date);
    const platform::LocalDate system_today = platform::SystemClock().today();
    const auto today = o.today.empty()
                           ? std::optional<engine::DateCivile>(engine::DateCivile{
                                 system_today.annee, system_today.mois, system_today.jour})
                           : civil_date(ctx, o.today);
    const auto now = time_of_day(ctx, o.time);
    if (o.count < 1 || o.count > 100) {
        report_bad_input(ctx, "--count " + std::to_string(o.count) + " : de 1 à 100 anniversaires");
        return;
    }
    if (!o.opinion.empty() && !known_opinion(o.opinion)) {
        report_bad_input(ctx, "Avis inconnu : " + o.opinion);
        return;
    }
    if (!date || !today || !now) {
        return;
    }
    try {
        const fs::path dir = platform::program_directory();
        platform::install_program_directory(dir, platform::delivered_data_directory());
        const auto accueil = place_of(ctx, dir, o);
        if (!accueil) {
            return;
        }
        config::ProgramOptions options;
        (void)config::lit_options_demarrage(dir, options, [](const std::string&) { return true; });
        shell::DemandePageAccueil demande;
        demande.jour.date = *date;
        demande.jour.lieu = accueil->lieu;
        demande.jour.opinion = o.opinion.empty() ? accueil->opinion : o.opinion;
        demande.jour.diaspora = !o.israel && !places::est_israel(accueil->lieu.pays);
        demande.jour.mode_horaire = options.mode_horaire;
        demande.jour.vaudrel = config::lit_cle_vrai(dir, config::fichier_config, "Vaudrel");
        demande.aujourdhui = *today;
        demande.nombre_anniversaires = o.count;
        demande.fille = o.girl;
        const shell::PageAccueil page = shell::calcule_page_accueil(dir, demande);
        const shell::ContenuPageDuJour contenu = shell::contenu_page_du_jour(
            page, demande, shell::ligne_horloge(*now), shell::heures_de(*now));
        for (const std::string& line : shell::page_du_jour(contenu)) {
            ctx.out << line << '\n';
        }
    } catch (const platform::FileError& e) {
        report_bad_input(ctx, e.what());
    }
}

} // namespace

void add_daypage_commands(CLI::App& app, CliContext& ctx)
{
    auto o = std::make_shared<DayPageOptions>();
    CLI::App* cmd = app.add_subcommand(
        "daypage", "Page du jour : dates, textes du jour, anniversaires, Bar-Mitsva, "
                   "caractéristiques de l'année, horaires et jours importants");
    cmd->add_option("date", o->date, "Date civile A-M-J")->required();
    cmd->add_option("--place", o->place, "Ville (par défaut : le lieu d'accueil, lieu_acc.cal)");
    cmd->add_option("--country", o->country, "Pays de la ville, quand le nom existe ailleurs");
    cmd->add_option("--opinion", o->opinion,
                    "Avis des horaires (par défaut : celui du lieu d'accueil)");
    cmd->add_flag("--israel", o->israel,
                  "Règles d'Israël (par défaut : Diaspora, sauf pour une ville d'Israël)");
    cmd->add_flag("--girl", o->girl, "Date de Bat-Mitsva au lieu de Bar-Mitsva");
    cmd->add_option("--count", o->count, "Nombre d'anniversaires (1 à 100, 15 par défaut)");
    cmd->add_option("--today", o->today, "Date civile A-M-J prise pour aujourd'hui");
    cmd->add_option("--time", o->time, "Heure HH:MM:SS prise pour maintenant");
    cmd->callback([&ctx, o] { run_daypage(ctx, *o); });
}

} // namespace orvane::cli
