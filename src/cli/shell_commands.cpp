// places and dst: the places files and the summer-time tables on the command
// line, read from the program directory as the windows read them.

#include "cli/commands.h"
#include "engine/dates.h"
#include "places/angle.h"
#include "places/charge_lieux.h"
#include "places/dst.h"
#include "places/dst_texts.h"
#include "platform/file_error.h"
#include "platform/text.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <ostream>

namespace orvane::cli
{

namespace
{

struct PlacesOptions {
    std::string country;
    std::string city;
    Format format = Format::text;
};

struct DstOptions {
    std::string country;
    int year = 0;
    Format format = Format::text;
};

/// The program directory, given the delivered files it lacks (as at the
/// first start of the program).
std::string decimal(double value, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}

void write_place(CliContext& ctx, const places::Place& p, Format format)
{
    if (format == Format::text) {
        ctx.out << platform::pad_right(p.ville, 31) << platform::pad_right(p.pays, 31)
                << platform::pad_right(p.latitude, 9) << platform::pad_right(p.longitude, 10)
                << p.decalage << '\n';
        return;
    }
    std::string degrees;
    try {
        degrees = decimal(places::latitude_degres(p.latitude), 6) + '\t' +
                  decimal(places::longitude_degres_est(p.longitude), 6) + '\t' +
                  decimal(places::lit_angle(p.decalage, places::UniteAngle::degres), 2);
    } catch (const places::ErreurConversion& e) {
        report_bad_input(ctx, p.ville + " (" + p.pays + ") : " + e.what());
        return;
    }
    ctx.out << p.ville << '\t' << p.pays << '\t' << p.latitude << '\t' << p.longitude << '\t'
            << p.decalage << '\t' << degrees << '\n';
}

void run_places(CliContext& ctx, const PlacesOptions& o)
{
    const places::LieuxCharges lieux = places::charge_lieux(prepared_program_directory());
    if (const auto vide = places::message_sans_lieux(lieux)) {
        report_bad_input(ctx, *vide);
        return;
    }
    const places::ListesLieux& listes = lieux.listes;
    if (!o.city.empty()) {
        const auto place = places::choix_ville(listes, o.city, o.country);
        if (!place || (!o.country.empty() && place->pays != o.country)) {
            report_bad_input(ctx, "Ville inconnue dans " + lieux.fichier_lieux + " : " + o.city +
                                      (o.country.empty() ? "" : " (" + o.country + ")"));
            return;
        }
        write_place(ctx, *place, o.format);
        return;
    }
    if (!o.country.empty() && places::choix_pays(listes, o.country).villes.empty()) {
        report_bad_input(ctx, "Pays inconnu dans " + lieux.fichier_lieux + " : " + o.country);
        return;
    }
    for (const places::Place& p : listes.lieux) {
        if (o.country.empty() || p.pays == o.country) {
            write_place(ctx, p, o.format);
        }
    }
}

/// "2025-03-30" from the texts of a table line.
std::string iso_date(const std::string& year, const std::string& month, const std::string& day)
{
    return platform::trim(year) + '-' + platform::pad_left(platform::trim(month), 2, '0') + '-' +
           platform::pad_left(platform::trim(day), 2, '0');
}

/// The correction of every day of the year under the program's mode.
void write_days(CliContext& ctx, const places::DstYear& a, std::string_view mode, int year,
                Format format)
{
    for (engine::DateCivile d{year, 1, 1}; d.annee == year; d = engine::lendemain(d)) {
        const double c = places::correction_pour_le_jour(a, mode, d.jour, d.mois, std::nullopt);
        const std::string jour = platform::pad_left(std::to_string(d.jour), 2, '0');
        const std::string mois = platform::pad_left(std::to_string(d.mois), 2, '0');
        if (format == Format::tsv) {
            ctx.out << year << '-' << mois << '-' << jour << '\t' << c << '\n';
        } else {
            ctx.out << jour << '/' << mois << '/' << year << "  "
                    << (c != 0 ? "heure d'été" : "heure d'hiver") << " (" << c << ")\n";
        }
    }
}

void run_dst(CliContext& ctx, const DstOptions& o)
{
    if (o.year < 1 || o.year > 9999) {
        report_bad_input(ctx, "Année hors des limites (1 à 9999) : " + std::to_string(o.year));
        return;
    }
    const std::filesystem::path dir = prepared_program_directory();
    // The table as it stands, and the days by the mode of config.dta, as the
    // day page computes them.
    const std::string mode = charge_configuration(dir).options.mode_horaire;
    const places::DstYear a =
        places::lit_decaleur(dir, o.country, o.year, config::mode_avec_changement);
    if (mode != config::mode_avec_changement && o.format == Format::text) {
        ctx.out << "Le programme est configuré en mode " << mode << " (config.dta).\n";
    }
    if (!a.trouve()) {
        ctx.out << (o.format == Format::tsv
                        ? std::string(a.statut)
                        : a.statut + "\n" + places::texte_statut_annee(a, o.year))
                << '\n';
        if (mode != config::mode_avec_changement) {
            write_days(ctx, a, mode, o.year, o.format);
        }
        return;
    }
    if (o.format == Format::tsv) {
        ctx.out << "debut\t" << iso_date(a.annee_debut, a.mois_debut, a.statut) << '\n'
                << "fin\t" << iso_date(a.annee_fin, a.mois_fin, a.jour_fin) << '\n';
    } else {
        ctx.out << places::texte_statut_annee(a, o.year) << '\n';
    }
    write_days(ctx, a, mode, o.year, o.format);
}

/// Runs a command, turning a file that cannot be read into a message.
template <typename F>
void guarded(CliContext& ctx, F&& f)
{
    try {
        f();
    } catch (const platform::FileError& e) {
        report_bad_input(ctx, e.what());
    } catch (const places::ErreurConversion& e) {
        report_bad_input(ctx, e.what());
    }
}

} // namespace

void add_shell_commands(CLI::App& app, CliContext& ctx)
{
    auto places_options = std::make_shared<PlacesOptions>();
    CLI::App* places = app.add_subcommand(
        "places", "Lieux du fichier en usage (lieu.cal ou lieu_all.cal, selon lieu_acc.cal)");
    places->add_option("--country", places_options->country, "Pays (nom exact, ex. France)");
    places->add_option("--city", places_options->city, "Ville (nom exact, ex. \"PARIS (75)\")");
    add_format_option(*places, places_options->format);
    places->callback(
        [&ctx, places_options] { guarded(ctx, [&] { run_places(ctx, *places_options); }); });

    auto dst_options = std::make_shared<DstOptions>();
    CLI::App* dst = app.add_subcommand(
        "dst", "Changements d'heure d'une année et correction de chaque jour (tables h_PAYS.txt)");
    dst->add_option("country", dst_options->country, "Pays (ex. France)")->required();
    dst->add_option("year", dst_options->year, "Année civile")->required();
    add_format_option(*dst, dst_options->format);
    dst->callback([&ctx, dst_options] { guarded(ctx, [&] { run_dst(ctx, *dst_options); }); });
}

} // namespace orvane::cli
