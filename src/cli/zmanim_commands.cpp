// zmanim: the times of the day for a place, a date or a range of dates and
// an opinion, as the day page lists them or as one tab-separated line per
// day and slot.
//
//   orvane-cli zmanim --place "PARIS (75)" --date 2024-06-21
//   orvane-cli zmanim --lat 31°47N --lon 35°13E --zone +2 --country Israël
//                     --date 2024-12-20 --to 2024-12-27 --opinion "Or Méïr" --format tsv

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/parser_messages.h"
#include "cli/zmanim_setup.h"
#include "config/config.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "places/charge_lieux.h"
#include "places/dst.h"
#include "places/places.h"
#include "platform/text.h"
#include "shell/day/loaded_data.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/format/libelles.h"
#include "zmanim/settings/opinions.h"
#include "zmanim/settings/panneau_parametres.h"
#include "zmanim/sun/soleil.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <ostream>
#include <utility>

namespace orvane::cli
{

namespace
{

namespace fs = std::filesystem;
using engine::DateCivile;

struct ZmanimOptions {
    PlaceArguments place;
    std::string date, date_option, to;
    std::string opinion{"Beth Din (France)"};
    std::string dst{"auto"};
    bool seconds = false;
    Format format = Format::text;
};

/// The summer-time correction of a day: as forced, or by the program's mode
/// (the country's table when the time changes).
double correction(const places::TablesEte& tables, std::string_view mode, const ZmanimOptions& o,
                  const places::Place& place, const DateCivile& d)
{
    if (o.dst != "auto") {
        return o.dst == "1" ? 1 : 0;
    }
    if (place.pays.empty() && mode == config::mode_avec_changement) {
        return 0;
    }
    return tables.correction(place.pays, mode, d, 0);
}

std::string decimal(double hours)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", hours);
    return text;
}

/// "2024-06-21".
std::string date_text(const DateCivile& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02d-%02d", d.annee, d.mois, d.jour);
    return text;
}

void write_tsv(std::ostream& out, const DateCivile& d, const zmanim::DayTimes& j, double ete)
{
    for (const zmanim::DescriptionCreneau& c : zmanim::creneaux()) {
        const zmanim::TexteHoraire& t = j.*(c.texte);
        out << date_text(d) << '\t' << c.jeton << '\t';
        if (t.definie() && !j.jour_polaire) {
            out << platform::trim(t.heures) << ':' << t.minutes << ':' << t.secondes << '\t'
                << decimal(c.duree ? j.*(c.instant) : j.*(c.instant) + j.zone + ete);
        } else {
            out << '\t';
        }
        out << '\n';
    }
}

void write_text(std::ostream& out, const DateCivile& d, const zmanim::DayTimes& j,
                const places::Place& place, const ZmanimOptions& o, double ete)
{
    out << "HORAIRES DU JOUR "
        << platform::trim(engine::jours_semaine[static_cast<std::size_t>(j.jour_semaine)]) << ' '
        << d.jour << ' ' << engine::mois_civils[static_cast<std::size_t>(d.mois)] << ' ' << d.annee
        << " ( selon l'avis du " << o.opinion << " )\n";
    out << "  " << (place.ville.empty() ? "" : place.ville + " (" + place.pays + ")   ")
        << "Latitude : " << place.latitude << "   Longitude : " << place.longitude
        << "   gmt : " << place.decalage << (ete != 0 ? "   Heure d'été (" : "   Heure d'hiver (")
        << ete << " heure)\n";
    if (j.jour_polaire) {
        out << "  " << j.message_polaire << "\n\n";
        return;
    }
    const bool bdl = o.opinion == zmanim::avis_bdl;
    for (const zmanim::LigneDuJour& l : zmanim::liste_du_jour(j, bdl, o.seconds)) {
        out << "  " << platform::pad_right(l.legende, 30) << (l.heure.empty() ? "--" : l.heure)
            << '\n';
    }
    out << '\n';
}

/// The first and last days of the options, the opinion checked; nothing
/// (and a message) when one of them is refused.
std::optional<std::pair<DateCivile, DateCivile>> checked_range(CliContext& ctx,
                                                               const ZmanimOptions& o)
{
    const std::string& premier = o.date.empty() ? o.date_option : o.date;
    if (premier.empty()) {
        report_bad_input(ctx, "Indiquez la date (A-M-J).");
        return std::nullopt;
    }
    const std::optional<DateCivile> debut = civil_date_argument(ctx, premier);
    const std::optional<DateCivile> fin = o.to.empty() ? debut : civil_date_argument(ctx, o.to);
    if (!debut || !fin) {
        return std::nullopt;
    }
    if (*fin < *debut) {
        report_bad_input(ctx, "Ce calcul est impossible car la date de fin\rest inférieure à "
                              "celle du début");
        return std::nullopt;
    }
    if (!opinion_argument(ctx, o.opinion)) {
        return std::nullopt;
    }
    return std::pair{*debut, *fin};
}

void compute_days(CliContext& ctx, const ZmanimOptions& o)
{
    const auto range = checked_range(ctx, o);
    if (!range) {
        return;
    }
    const fs::path dir = prepared_program_directory();
    const places::LieuxCharges loaded = places::charge_lieux(dir);
    const std::optional<places::Place> place = place_argument(ctx, dir, loaded, o.place);
    if (!place) {
        return;
    }
    zmanim::ZmanimSettings reglages = settings_for(o.opinion, o.seconds, *place);
    const shell::DonneesChargees donnees(dir);
    const ConfigurationChargee configuration = charge_configuration(dir);
    const zmanim::ContexteCalcul contexte = context_for(configuration, donnees);
    for (DateCivile d = range->first; d <= range->second; d = engine::lendemain(d)) {
        const double ete =
            correction(donnees.tables_ete, configuration.options.mode_horaire, o, *place, d);
        const zmanim::DemandeJour demande{engine::jour_semaine(d),
                                          d,
                                          place->latitude,
                                          place->longitude,
                                          place->decalage,
                                          o.opinion,
                                          ete};
        zmanim::DayTimes jour;
        zmanim::horaires_du_jour(demande, reglages, jour, contexte);
        if (jour.erreur_horaires) {
            report_bad_input(ctx, jour.message_erreur.empty() ? "Lieu non défini."
                                                              : jour.message_erreur);
            return;
        }
        if (o.format == Format::tsv) {
            write_tsv(ctx.out, d, jour, ete);
        } else {
            write_text(ctx.out, d, jour, *place, o, ete);
        }
    }
}

} // namespace

void add_zmanim_commands(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<ZmanimOptions>();
    CLI::App* cmd = app.add_subcommand(
        "zmanim", "Horaires du jour (aube, lever, Chéma, midi, coucher, étoiles, Chabbat...)");
    cmd->add_option("date", options->date, "Date civile A-M-J");
    cmd->add_option("--date", options->date_option, "Date civile A-M-J (comme l'argument date)")
        ->excludes(cmd->get_option("date"));
    add_place_options(*cmd, options->place);
    cmd->add_option("--to", options->to, "Dernière date civile A-M-J");
    cmd->add_option("--opinion", options->opinion, "Avis rabbinique");
    cmd->add_option("--dst", options->dst, "Heure d'été : auto (table du pays), 0 ou 1")
        ->check(one_of({"auto", "0", "1"}));
    cmd->add_flag("--seconds", options->seconds, "Affiche les secondes");
    add_format_option(*cmd, options->format);
    cmd->callback(
        [&ctx, options] { reporting_file_errors(ctx, [&] { compute_days(ctx, *options); }); });
}

} // namespace orvane::cli
