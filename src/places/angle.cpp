#include "places/angle.h"

#include "platform/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvane::places
{

namespace
{

constexpr std::string_view signe_degre = "°";

[[noreturn]] void refuse(std::string_view texte)
{
    throw ErreurConversion("« " + std::string(texte) + " » n'est pas un angle valide");
}

/// A signed decimal number ("+1", "-5", "48", "52.5"), the whole text.
double reel(std::string_view partie, std::string_view texte)
{
    std::string t = platform::trim(partie);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+') {
        v.remove_prefix(1);
    }
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(v.data(), v.data() + v.size(), valeur);
    if (v.empty() || erreur != std::errc{} || fin != v.data() + v.size()) {
        refuse(texte);
    }
    return valeur;
}

/// A signed whole number ("48", "-5", "+2").
double entier(std::string_view partie, std::string_view texte)
{
    std::string t = platform::trim(partie);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+') {
        v.remove_prefix(1);
    }
    long long valeur = 0;
    const auto [fin, erreur] = std::from_chars(v.data(), v.data() + v.size(), valeur);
    if (v.empty() || erreur != std::errc{} || fin != v.data() + v.size()) {
        refuse(texte);
    }
    return static_cast<double>(valeur);
}

/// Decimals after the separator as a fraction: "08" → 0.08, "8" → 0.8.
double decimales(std::string_view chiffres, std::string_view texte)
{
    double fraction = 0;
    double echelle = 1;
    for (char c : chiffres) {
        if (c < '0' || c > '9') {
            refuse(texte);
        }
        echelle /= 10;
        fraction += (c - '0') * echelle;
    }
    return fraction;
}

/// Degrees and minutes of a text in any of the notations.
std::pair<double, double> degres_et_minutes(const std::string& t, std::string_view texte)
{
    const std::size_t separateur = t.find_first_of(".,");
    if (separateur != std::string::npos) {
        return {entier(t.substr(0, separateur), texte), decimales(t.substr(separateur + 1), texte)};
    }
    const std::size_t degre = t.find(signe_degre);
    if (degre == std::string::npos) {
        return {reel(t, texte), 0.0};
    }
    const double d = reel(t.substr(0, degre), texte);
    std::string reste = t.substr(degre + signe_degre.size());
    if (reste.empty()) {
        return {d, 0.0};
    }
    if (t.find('\'') != std::string::npos) {
        // Minutes run from the degree sign to the last character (the apostrophe).
        reste.pop_back();
    }
    const double m = reel(reste, texte);
    if (m < 0) {
        refuse(texte);
    }
    return {d, m / 60};
}

} // namespace

double lit_angle(std::string_view texte, UniteAngle unite)
{
    const std::string t = platform::trim(texte);
    if (t.empty()) {
        return 0;
    }
    const auto [d, m] = degres_et_minutes(t, texte);
    // The sign belongs to the whole angle: "-0°30" is half a degree below zero.
    double valeur = std::fabs(d) + m;
    if (t.front() == '-') {
        valeur = -valeur;
    }
    return unite == UniteAngle::degres ? valeur : valeur * radians_par_degre;
}

namespace
{

/// The text without its last letter, and that letter in upper case.
std::pair<std::string, char> separe_hemisphere(std::string_view texte)
{
    const std::string t = platform::trim(texte);
    if (t.empty()) {
        return {"", '\0'};
    }
    const char lettre = t.back();
    const char majuscule =
        (lettre >= 'a' && lettre <= 'z') ? static_cast<char>(lettre - 32) : lettre;
    return {t.substr(0, t.size() - 1), majuscule};
}

std::string texte_angle(double degres, int chiffres, char lettre)
{
    const double absolu = std::fabs(degres);
    long minutes_totales = std::lround(absolu * 60);
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%0*ld°%02ld'%c", chiffres, minutes_totales / 60,
                  minutes_totales % 60, lettre);
    return tampon;
}

} // namespace

double latitude_degres(std::string_view texte)
{
    const auto [angle, lettre] = separe_hemisphere(texte);
    if (lettre != 'N' && lettre != 'S') {
        throw ErreurConversion("La latitude « " + std::string(texte) +
                               " » doit finir par N (Nord) ou S (Sud)");
    }
    const double valeur = lit_angle(angle, UniteAngle::degres);
    return lettre == 'S' ? -std::fabs(valeur) : valeur;
}

double longitude_degres_est(std::string_view texte)
{
    const auto [angle, lettre] = separe_hemisphere(texte);
    if (lettre != 'E' && lettre != 'O' && lettre != 'W') {
        throw ErreurConversion("La longitude « " + std::string(texte) +
                               " » doit finir par E (Est), O ou W (Ouest)");
    }
    const double valeur = std::fabs(lit_angle(angle, UniteAngle::degres));
    return lettre == 'E' ? valeur : -valeur;
}

std::string texte_latitude(double degres)
{
    return texte_angle(degres, 2, degres < 0 ? 'S' : 'N');
}

std::string texte_longitude(double degres_est)
{
    return texte_angle(degres_est, 2, degres_est < 0 ? 'W' : 'E');
}

std::string texte_decalage(double heures)
{
    const long centiemes = std::lround(std::fabs(heures) * 100);
    if (centiemes == 0) {
        return "0";
    }
    std::string texte = heures < 0 ? "-" : "+";
    texte += std::to_string(centiemes / 100);
    if (const long reste = centiemes % 100; reste != 0) {
        texte += '.';
        texte += reste % 10 == 0 ? std::to_string(reste / 10)
                                 : platform::pad_left(std::to_string(reste), 2, '0');
    }
    return texte;
}

} // namespace orvane::places
