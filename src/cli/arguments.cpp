#include "cli/arguments.h"

#include "engine/date_validity.h"
#include "places/place_search.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "zmanim/settings/opinions.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace orvane::cli
{

namespace
{

constexpr std::size_t villes_suggerees = 5;

std::optional<Ymd> ymd_argument(CliContext& ctx, std::string_view text, std::string_view incorrect)
{
    const auto d = parse_ymd(text);
    if (!d) {
        report_bad_input(ctx, std::string(text) + " : " + std::string(incorrect));
    }
    return d;
}

std::string place_named(const PlaceArguments& p)
{
    return p.city + (p.country.empty() ? "" : " (" + p.country + ")");
}

std::string unknown_city_message(const std::vector<const places::ListesLieux*>& lists,
                                 const PlaceArguments& p)
{
    std::string message = "Ville inconnue : " + place_named(p);
    const std::vector<std::string> near = places::villes_proches(lists, p.city, villes_suggerees);
    if (near.empty()) {
        return message + "\rVérifiez l'orthographe dans le fichier des lieux (lieu.cal).";
    }
    message += "\rVilles proches : ";
    for (std::size_t i = 0; i < near.size(); ++i) {
        message += (i == 0 ? "" : ", ") + near[i];
    }
    return message;
}

std::string possible_opinions()
{
    std::string text = "Avis possibles : ";
    for (std::size_t i = 0; i < zmanim::opinions_calcul.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::string(zmanim::opinions_calcul[i]);
    }
    return text;
}

/// A date of either calendar: `Y-M-D`, then the validity rule of its
/// calendar; each refusal reported with the text as typed.
template <class Date>
std::optional<Date> date_argument(CliContext& ctx, std::string_view text,
                                  std::string_view incorrect,
                                  std::optional<std::string> (*erreur)(const Date&))
{
    const auto d = ymd_argument(ctx, text, incorrect);
    if (!d) {
        return std::nullopt;
    }
    const Date date{d->y, d->m, d->d};
    if (const auto error = erreur(date)) {
        report_bad_input(ctx, std::string(text) + " : " + *error);
        return std::nullopt;
    }
    return date;
}

} // namespace

std::optional<engine::DateCivile> civil_date_argument(CliContext& ctx, std::string_view text)
{
    return date_argument<engine::DateCivile>(ctx, text, engine::message_date_civile_incorrecte,
                                             engine::erreur_date_civile);
}

std::optional<engine::DateHebraique> hebrew_date_argument(CliContext& ctx, std::string_view text)
{
    return date_argument<engine::DateHebraique>(
        ctx, text, engine::message_date_hebraique_incorrecte, engine::erreur_date_hebraique);
}

bool hebrew_year_argument(CliContext& ctx, int year)
{
    if (year < engine::annee_hebr_min || year > engine::annee_hebr_max) {
        report_bad_input(ctx, std::to_string(year) + " : " + engine::message_annees_hors_limites());
        return false;
    }
    return true;
}

std::optional<int> last_hebrew_year_argument(CliContext& ctx, int first, int to)
{
    const int last = to == 0 ? first : to;
    if (!hebrew_year_argument(ctx, first) || !hebrew_year_argument(ctx, last)) {
        return std::nullopt;
    }
    if (last < first) {
        report_bad_input(ctx, "La dernière année " + std::to_string(last) +
                                  " précède la première " + std::to_string(first));
        return std::nullopt;
    }
    return last;
}

std::optional<engine::DateCivile> today_argument(CliContext& ctx, std::string_view text)
{
    if (text.empty()) {
        const platform::LocalDate d = platform::SystemClock().today();
        return engine::DateCivile{d.annee, d.mois, d.jour};
    }
    return civil_date_argument(ctx, text);
}

void add_place_options(CLI::App& command, PlaceArguments& place)
{
    command.add_option("--place", place.city,
                       place.home_by_default
                           ? "Ville (par défaut : le lieu d'accueil, lieu_acc.cal)"
                           : "Ville du fichier des lieux, ex. \"PARIS (75)\"");
    command.add_option("--country", place.country,
                       "Pays de la ville (tables d'heure d'été, Tossefet), quand le nom existe "
                       "ailleurs");
    command.add_option("--lat", place.lat, "Latitude, ex. 48°52N (au lieu d'une ville)");
    command.add_option("--lon", place.lon, "Longitude, ex. 2°20E (E, O ou W)");
    command.add_option("--zone", place.zone, "Décalage de l'heure d'hiver sur le temps universel");
}

std::optional<places::Place> place_argument(CliContext& ctx, const std::filesystem::path& dir,
                                            const places::LieuxCharges& loaded,
                                            const PlaceArguments& p)
{
    const bool typed = !p.lat.empty() || !p.lon.empty() || !p.zone.empty();
    if (p.city.empty() && typed) {
        if (p.lat.empty() || p.lon.empty() || p.zone.empty()) {
            report_bad_input(ctx, "Indiquez --lat, --lon et --zone ensemble.");
            return std::nullopt;
        }
        return places::Place{"", p.country, p.lat, p.lon, p.zone};
    }
    if (p.city.empty()) {
        if (p.home_by_default) {
            return loaded.accueil.lieu;
        }
        report_bad_input(ctx, "Indiquez une ville (--place) ou bien --lat, --lon et --zone.");
        return std::nullopt;
    }
    std::vector<const places::ListesLieux*> lists{&loaded.listes};
    if (std::optional<places::Place> found = places::cherche_ville(lists, p.city, p.country)) {
        return found;
    }
    places::ListesLieux all_places;
    if (!platform::equals_ignoring_case(loaded.fichier_lieux, places::fichier_lieux_long)) {
        all_places = places::lit_fichier_lieux(dir, places::fichier_lieux_long);
        lists.push_back(&all_places);
        if (std::optional<places::Place> found = places::cherche_ville(lists, p.city, p.country)) {
            return found;
        }
    }
    report_bad_input(ctx, unknown_city_message(lists, p));
    return std::nullopt;
}

bool known_opinion(std::string_view name)
{
    const auto in = [](const auto& list, std::string_view n) {
        return std::find(list.begin(), list.end(), n) != list.end();
    };
    if (in(zmanim::opinions_calcul, name) || in(zmanim::opinions_accueil, name)) {
        return true;
    }
    constexpr std::array computed{zmanim::avis_or_meir,  zmanim::avis_beth_din,
                                  zmanim::avis_4mils_an, zmanim::avis_4mils_lc,
                                  zmanim::avis_5mils,    zmanim::avis_pavee,
                                  zmanim::avis_admour,   zmanim::avis_rav_rottenberg};
    return in(computed, zmanim::normalise_opinion(name).nom);
}

std::optional<std::string> opinion_argument(CliContext& ctx, std::string_view name)
{
    if (platform::trim(name).empty()) {
        report_bad_input(ctx, std::string(zmanim::message_avis_absent));
        return std::nullopt;
    }
    if (known_opinion(name)) {
        return std::string(name);
    }
    report_bad_input(ctx, "Avis inconnu : " + std::string(name) + "\r" + possible_opinions());
    return std::nullopt;
}

} // namespace orvane::cli
