// zmanim: the times of the day for a place, a date or a range of dates and
// an opinion, as the day page lists them or as one tab-separated line per
// day and slot.
//
//   orvane-cli zmanim --place "PARIS (75)" --date 2024-06-21
//   orvane-cli zmanim --lat 31°47N --lon 35°13E --zone +2 --country Israël
//                     --date 2024-12-20 --to 2024-12-27 --opinion "Or Méïr" --format tsv

#include "cli/commands.h"
#include "config/config.h"
#include "engine/civil_dates.h"
#include "engine/date_validity.h"
#include "engine/names.h"
#include "places/charge_lieux.h"
#include "places/dst.h"
#include "places/places.h"
#include "platform/file_error.h"
#include "platform/text.h"
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
    std::string place, lat, lon, zone, country;
    std::string date, to;
    std::string opinion{"Beth Din (France)"};
    std::string dst{"auto"};
    bool seconds = false;
    Format format = Format::text;
};

/// The place of the options: a city of the places lists, or the three
/// coordinates as typed.
std::optional<places::Place> find_place(CliContext& ctx, const fs::path& dir,
                                        const ZmanimOptions& o)
{
    if (o.place.empty()) {
        if (o.lat.empty() || o.lon.empty() || o.zone.empty()) {
            report_bad_input(ctx, "Indiquez une ville (--place) ou bien --lat, --lon et --zone.");
            return std::nullopt;
        }
        return places::Place{"", o.country, o.lat, o.lon, o.zone};
    }
    const std::string in_use = places::charge_lieux(dir).fichier_lieux;
    for (std::string_view file : {std::string_view(in_use), places::fichier_lieux_long}) {
        const places::ListesLieux lists = places::lit_fichier_lieux(dir, file);
        if (auto p = places::choix_ville(lists, o.place, o.country)) {
            if (o.country.empty() || p->pays == o.country) {
                return p;
            }
        }
    }
    report_bad_input(ctx, "Ville inconnue : " + o.place +
                              (o.country.empty() ? "" : " (" + o.country + ")") +
                              "\rVérifiez l'orthographe dans le fichier des lieux (lieu.cal).");
    return std::nullopt;
}

bool known_opinion(const std::string& name)
{
    for (std::string_view n : zmanim::opinions_calcul) {
        if (n == name) {
            return true;
        }
    }
    for (std::string_view n : zmanim::opinions_accueil) {
        if (n == name) {
            return true;
        }
    }
    const std::string computed = zmanim::normalise_opinion(name).nom;
    for (std::string_view n : {zmanim::avis_or_meir, zmanim::avis_beth_din, zmanim::avis_4mils_an,
                               zmanim::avis_4mils_lc, zmanim::avis_5mils, zmanim::avis_pavee,
                               zmanim::avis_admour, zmanim::avis_rav_rottenberg}) {
        if (n == computed) {
            return true;
        }
    }
    return false;
}

std::optional<DateCivile> checked_date(CliContext& ctx, const std::string& text)
{
    const auto ymd = parse_ymd(text);
    if (!ymd) {
        report_bad_input(ctx, text + " : " + std::string(engine::message_date_civile_incorrecte));
        return std::nullopt;
    }
    if (const auto error = engine::erreur_date_civile(ymd->y, ymd->m, ymd->d)) {
        report_bad_input(ctx, text + " : " + *error);
        return std::nullopt;
    }
    return DateCivile{ymd->y, ymd->m, ymd->d};
}

/// The summer-time correction of a day: the country's table, or as forced.
double correction(const fs::path& dir, const ZmanimOptions& o, const places::Place& place,
                  const DateCivile& d)
{
    if (o.dst != "auto") {
        return o.dst == "1" ? 1 : 0;
    }
    if (place.pays.empty()) {
        return 0;
    }
    return places::correction_ete_du_jour(dir, place.pays, config::mode_avec_changement, d.jour,
                                          d.mois, d.annee, 0);
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
    const std::optional<DateCivile> debut = checked_date(ctx, o.date);
    const std::optional<DateCivile> fin = o.to.empty() ? debut : checked_date(ctx, o.to);
    if (!debut || !fin) {
        return std::nullopt;
    }
    if (*fin < *debut) {
        report_bad_input(ctx, "Ce calcul est impossible car la date de fin\rest inférieure à "
                              "celle du début");
        return std::nullopt;
    }
    if (!known_opinion(o.opinion)) {
        report_bad_input(ctx, "Avis inconnu : " + o.opinion +
                                  "\rAvis possibles : Or Méïr, Beth Din (France), Aube à 72min "
                                  "(Aube/Nuit), Aube à 72min (Lev/Coucher), Aube à 5 Mils (1/6 "
                                  "Lev-Co), Maguen Abraham (pavé), Admour Hazaken, Bureau des "
                                  "Longitudes, Selon choix des valeurs, Rav Rottenberg");
        return std::nullopt;
    }
    return std::pair{*debut, *fin};
}

/// The parameters as the zmanim window sets them for the opinion, with the
/// Tossefet of the place.
zmanim::ZmanimSettings settings_for(const ZmanimOptions& o, const places::Place& place)
{
    zmanim::ZmanimSettings reglages;
    zmanim::ControlesParametres controles;
    zmanim::choisit_opinion(controles, reglages, o.opinion);
    reglages.affiche_secondes = o.seconds;
    zmanim::applique_tossefet(reglages, place.pays, place.ville);
    return reglages;
}

/// The configuration's part: the Beth Din exit interval ("Vaudrel") and the
/// thresholds of "config_ciop.txt".
zmanim::ContexteCalcul context_for(const fs::path& dir)
{
    zmanim::ContexteCalcul contexte;
    contexte.vaudrel = config::lit_cle_vrai(dir, config::fichier_config, "Vaudrel");
    contexte.lit_cle_ciop = [dir](std::string_view cle) {
        return config::lit_cle(dir, config::fichier_config_ciop, cle);
    };
    return contexte;
}

void compute_days(CliContext& ctx, const ZmanimOptions& o)
{
    const auto range = checked_range(ctx, o);
    if (!range) {
        return;
    }
    const fs::path dir = prepared_program_directory();
    const std::optional<places::Place> place = find_place(ctx, dir, o);
    if (!place) {
        return;
    }
    zmanim::ZmanimSettings reglages = settings_for(o, *place);
    const zmanim::ContexteCalcul contexte = context_for(dir);
    for (DateCivile d = range->first; d <= range->second; d = engine::lendemain(d)) {
        const double ete = correction(dir, o, *place, d);
        const zmanim::DemandeJour demande{
            zmanim::jour_semaine_du_jour_julien(d.jour, d.mois, d.annee),
            d.jour,
            d.mois,
            d.annee,
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

void run_zmanim(CliContext& ctx, const ZmanimOptions& o)
{
    try {
        compute_days(ctx, o);
    } catch (const platform::FileError& e) {
        report_bad_input(ctx, e.what());
    }
}

} // namespace

void add_zmanim_commands(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<ZmanimOptions>();
    CLI::App* cmd = app.add_subcommand(
        "zmanim", "Horaires du jour (aube, lever, Chéma, midi, coucher, étoiles, Chabbat...)");
    cmd->add_option("--place", options->place, "Ville du fichier des lieux, ex. \"PARIS (75)\"");
    cmd->add_option("--lat", options->lat, "Latitude, ex. 48°52N");
    cmd->add_option("--lon", options->lon, "Longitude, ex. 2°20E (E, O ou W)");
    cmd->add_option("--zone", options->zone, "Décalage de l'heure d'hiver sur le temps universel");
    cmd->add_option("--country", options->country, "Pays (tables d'heure d'été, Tossefet)");
    cmd->add_option("--date", options->date, "Date civile Y-M-D")->required();
    cmd->add_option("--to", options->to, "Dernière date civile Y-M-D");
    cmd->add_option("--opinion", options->opinion, "Avis rabbinique");
    cmd->add_option("--dst", options->dst, "Heure d'été : auto (table du pays), 0 ou 1")
        ->check(CLI::IsMember({"auto", "0", "1"}));
    cmd->add_flag("--seconds", options->seconds, "Affiche les secondes");
    add_format_option(*cmd, options->format);
    cmd->callback([&ctx, options] { run_zmanim(ctx, *options); });
}

} // namespace orvane::cli
