// Reading the place of a day from the texts of the coordinate boxes.
#include "zmanim/day/horaires_jour.h"

#include "places/angle.h"
#include "platform/text.h"
#include "zmanim/settings/parametres.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace orvane::zmanim
{

namespace
{

constexpr std::string_view sinon_pas_de_calcul = "autrement les calculs ne sont pas effectués.";

/// The text without its last character (the hemisphere letter).
std::string sans_lettre(std::string_view texte)
{
    const std::size_t n = platform::char_count(texte);
    return n == 0 ? std::string() : platform::left(texte, n - 1);
}

/// True when the minutes written after "°" are below 60 ("48°52'"), or
/// when there are none ("48.87").
bool minutes_valides(std::string_view nombre)
{
    const std::size_t degre = nombre.find("°");
    if (degre == std::string_view::npos) {
        return true;
    }
    std::string minutes(nombre.substr(degre + std::string_view("°").size()));
    minutes = platform::trim(minutes.substr(0, minutes.find('\'')));
    if (minutes.empty()) {
        return true;
    }
    char* fin = nullptr;
    const double m = std::strtod(minutes.c_str(), &fin);
    return fin != minutes.c_str() && m >= 0 && m < 60;
}

/// Degrees of a coordinate without its letter; nothing for a text without
/// any number (the reader would take it for 0°), with minutes of 60 or more,
/// or that is not a finite number.
std::optional<double> coordonnee(std::string_view texte)
{
    const std::string nombre = platform::trim(sans_lettre(texte));
    if (nombre.empty() || !minutes_valides(nombre)) {
        return std::nullopt;
    }
    const std::optional<double> d = angle_en_degres(nombre);
    return d && std::isfinite(*d) ? d : std::nullopt;
}

// The offsets of the world's time zones from Universal Time, in hours.
constexpr double decalage_min = -12;
constexpr double decalage_max = 14;

char derniere_lettre(std::string_view texte)
{
    return texte.empty() ? '\0' : texte.back();
}

LieuLu refus(std::string message)
{
    LieuLu l;
    l.refuse = true;
    l.message = std::move(message);
    return l;
}

/// Latitude in degrees, north positive, or the refusal.
std::optional<double> latitude_lue(std::string_view texte, LieuLu& lieu)
{
    const char lettre = derniere_lettre(texte);
    if (lettre != 'N' && lettre != 'n' && lettre != 'S' && lettre != 's') {
        lieu = refus("Veuillez définir la latitude « " + std::string(texte) +
                     " » : Nord (N) ou Sud (S)\r" + std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    const std::optional<double> d = coordonnee(texte);
    if (!d) {
        lieu = refus("La latitude \"" + std::string(texte) +
                     "\" n'est pas un angle lisible.\rExemples : 48°52N, 48.87N ou 33°55S\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    const double lat = (lettre == 'S' || lettre == 's') ? -std::fabs(*d) : *d;
    if (std::fabs(lat) >= 90) {
        lieu = refus("La latitude \"" + std::string(texte) +
                     "\" est hors limites : elle doit être inférieure à 90° Nord ou Sud.\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    return lat;
}

/// Longitude in degrees, WEST positive, or the refusal.
std::optional<double> longitude_lue(std::string_view texte, LieuLu& lieu)
{
    const char lettre = derniere_lettre(texte);
    const bool est = lettre == 'E' || lettre == 'e';
    if (!est && lettre != 'O' && lettre != 'o' && lettre != 'W' && lettre != 'w') {
        lieu = refus("Veuillez définir la longitude Est (E) ou Ouest (O) ou West (W)\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    const std::optional<double> d = coordonnee(texte);
    if (!d) {
        lieu = refus("La longitude \"" + std::string(texte) +
                     "\" n'est pas un angle lisible.\rExemples : 2°20E, 2.33E ou 73°59W\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    if (std::fabs(*d) > 180) {
        lieu = refus("La longitude « " + std::string(texte) +
                     " » est hors limites : elle doit être d'au plus 180° Est ou Ouest.\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    return est ? -std::fabs(*d) : std::fabs(*d);
}

std::optional<double> zone_lue(std::string_view texte, LieuLu& lieu)
{
    const std::string debut = platform::left(texte, 2);
    const std::optional<double> d =
        (debut == "ed" || debut == "Ed") ? std::nullopt : angle_en_degres(texte);
    if (!d || !std::isfinite(*d)) {
        lieu = refus("Veuillez définir la valeur du gmt « " + std::string(texte) +
                     " » (Décalage par rapport au temps universel)\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    if (*d < decalage_min || *d > decalage_max) {
        lieu = refus("Le décalage « " + std::string(texte) +
                     " » est hors limites : il doit être entre -12 et +14 heures.\r" +
                     std::string(sinon_pas_de_calcul));
        return std::nullopt;
    }
    return d;
}

} // namespace

namespace
{

LieuLu lit(std::string_view latitude, std::string_view longitude, std::string_view zone)
{
    if (sans_lettre(latitude) == "Edit" || sans_lettre(longitude) == "Edit" || zone == "Edit3") {
        return refus({});
    }
    LieuLu lieu;
    const std::optional<double> lat = latitude_lue(latitude, lieu);
    if (!lat) {
        return lieu;
    }
    const std::optional<double> lon = longitude_lue(longitude, lieu);
    if (!lon) {
        return lieu;
    }
    const std::optional<double> z = zone_lue(zone, lieu);
    if (!z) {
        return lieu;
    }
    lieu.latitude = *lat * places::radians_par_degre;
    lieu.longitude = *lon * places::radians_par_degre;
    lieu.zone = *z;
    return lieu;
}

/// The texts of the last place read, and what they gave.
struct DernierLieu {
    std::string latitude;
    std::string longitude;
    std::string zone;
    LieuLu lu;
};

} // namespace

LieuLu lit_lieu(std::string_view latitude, std::string_view longitude, std::string_view zone)
{
    // A table reads the same place for each of its days.
    thread_local std::optional<DernierLieu> dernier;
    if (!dernier || dernier->latitude != latitude || dernier->longitude != longitude ||
        dernier->zone != zone) {
        dernier.emplace(DernierLieu{std::string(latitude), std::string(longitude),
                                    std::string(zone), lit(latitude, longitude, zone)});
    }
    return dernier->lu;
}

} // namespace orvane::zmanim
