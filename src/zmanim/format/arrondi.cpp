#include "zmanim/format/arrondi.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvane::zmanim
{

namespace
{

/// Guard that keeps 14.999999999 minutes from losing a minute.
constexpr double garde = 0.000000001;

/// Hours, minutes and seconds of a time in hours, the seconds rounded to the
/// nearest and carried into the minute at 60.
struct Decoupage {
    int heures = 0;
    int minutes = 0;
    int secondes = 0;
};

Decoupage decoupe(double heures_decimales)
{
    Decoupage d;
    const double h = std::floor(heures_decimales);
    d.heures = static_cast<int>(h);
    double reste = (heures_decimales - h) * 60;
    d.minutes = static_cast<int>(reste + garde);
    reste = (reste - d.minutes) * 60;
    d.secondes = static_cast<int>(reste + garde);
    if (reste - d.secondes >= 0.5) {
        ++d.secondes;
    }
    if (d.secondes > 59) {
        ++d.minutes;
        d.secondes -= 60;
    }
    return d;
}

/// The minute rounding of a mode, then the carry of the minute into the hour.
void arrondit_minute(Decoupage& d, ModeArrondi mode, const ReglesArrondi& regles)
{
    if (!regles.affiche_secondes) {
        const int seuil = seuil_secondes(mode, regles);
        const bool suivante = mode == ModeArrondi::plus_tard ? d.secondes >= seuil
                              : mode == ModeArrondi::tretar  ? false
                                                             : d.secondes > seuil;
        if (suivante) {
            ++d.minutes;
        }
        d.secondes = 0;
    }
    if (d.minutes > 59) {
        d.minutes -= 60;
        ++d.heures;
    }
}

void ecrit_textes(HeureFormatee& f, int heures_affichees)
{
    f.texte_heures = texte_deux_chiffres(heures_affichees);
    f.texte_minutes = texte_deux_chiffres(f.minutes);
    f.texte_secondes = texte_deux_chiffres(f.secondes);
}

double correction_selon_mode(double d, const ReglesArrondi& regles)
{
    if (regles.mode_ete == ModeEte::hiver_toute_annee) {
        d = 0;
    } else if (regles.mode_ete == ModeEte::ete_toute_annee) {
        d = 1;
    }
    if (regles.toutes_latitudes) {
        d = 1;
    }
    return d;
}

} // namespace

ModeArrondi mode_arrondi(std::string_view texte) noexcept
{
    if (texte == "plus_tôt") {
        return ModeArrondi::plus_tot;
    }
    if (texte == "plus_tard") {
        return ModeArrondi::plus_tard;
    }
    if (texte == "normal") {
        return ModeArrondi::normal;
    }
    return ModeArrondi::tretar;
}

std::string_view texte_mode_arrondi(ModeArrondi mode) noexcept
{
    switch (mode) {
    case ModeArrondi::plus_tot:
        return "plus_tôt";
    case ModeArrondi::plus_tard:
        return "plus_tard";
    case ModeArrondi::normal:
        return "normal";
    case ModeArrondi::tretar:
        break;
    }
    return "trétar";
}

ModeEte mode_ete_du_texte(std::string_view texte) noexcept
{
    if (texte == "les heures d'hiver toute l'année") {
        return ModeEte::hiver_toute_annee;
    }
    if (texte == "les heures d'été toute l'année") {
        return ModeEte::ete_toute_annee;
    }
    return ModeEte::avec_changement;
}

int seuil_secondes(ModeArrondi mode, const ReglesArrondi& regles) noexcept
{
    if (regles.arrondis_2930) {
        return 29;
    }
    switch (mode) {
    case ModeArrondi::plus_tot:
        return !regles.houmra ? 29 : regles.rav_rottenberg ? regles.seuil_max_ciop : 59;
    case ModeArrondi::plus_tard:
        return !regles.houmra ? 30 : regles.rav_rottenberg ? regles.seuil_min_ciop : 1;
    case ModeArrondi::normal:
        return 29;
    case ModeArrondi::tretar:
        break;
    }
    return regles.houmra ? 0 : 30;
}

HeureFormatee formate_heure(ModeArrondi mode, double t, double z, double d,
                            const ReglesArrondi& regles)
{
    HeureFormatee f;
    f.locale = t + z + correction_selon_mode(d, regles);
    if (!std::isfinite(f.locale)) {
        return f;
    }
    Decoupage dec = decoupe(f.locale);
    arrondit_minute(dec, mode, regles);
    f.heures = dec.heures;
    f.minutes = dec.minutes;
    f.secondes = dec.secondes;

    const int decalage = regles.vers_grille ? regles.decalage_heures : 0;
    int horloge = (f.heures + decalage) % 24;
    if (horloge < 0) {
        horloge += 24;
    }
    ecrit_textes(f, horloge);
    return f;
}

HeureFormatee formate_duree(double heures, const ReglesArrondi& regles)
{
    HeureFormatee f;
    f.locale = heures;
    if (!std::isfinite(heures)) {
        return f;
    }
    Decoupage dec = decoupe(heures);
    arrondit_minute(dec, ModeArrondi::normal, regles);
    f.heures = dec.heures;
    f.minutes = dec.minutes;
    f.secondes = dec.secondes;
    ecrit_textes(f, f.heures);
    return f;
}

std::string texte_deux_chiffres(int valeur)
{
    if (valeur >= 0 && valeur < 100) {
        const char chiffres[2] = {static_cast<char>('0' + valeur / 10),
                                  static_cast<char>('0' + valeur % 10)};
        return std::string(chiffres, 2);
    }
    return std::to_string(valeur);
}

int valeur_texte(std::string_view texte) noexcept
{
    int valeur = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return valeur;
}

std::string texte_decimal(double valeur)
{
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.15g", valeur);
    return tampon;
}

} // namespace orvane::zmanim
