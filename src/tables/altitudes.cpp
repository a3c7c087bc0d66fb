// The sun altitude table: the fields read, the title block, one line per
// altitude with its two crossings, and the file "aube.txt".
#include "tables/altitudes.h"

#include "engine/names.h"
#include "places/angle.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/format/arrondi.h"
#include "zmanim/settings/textes_parametres.h"
#include "zmanim/sun/soleil.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace orvane::tables
{

namespace
{

/// The altitude of the sun lies between the nadir and the zenith.
constexpr double hauteur_limite = 90;

/// Width of the altitude and time columns, as the titles "Hauteur  " and
/// "Lever    " are padded: with tab stops every 8 characters the values fall
/// under their titles.
constexpr std::size_t largeur_colonne = 9;

/// Written for a crossing the sun does not make that day.
constexpr std::string_view sans_passage = "--";

/// The blanks that open every line of "aube.txt".
constexpr std::string_view marge_fichier = "    ";

/// A field read as degrees, or the refusal naming it.
struct ChampLu {
    double degres = 0;
    std::string erreur;
};

/// `nom` names the field with its article: "Le minimum", "L'incrément".
ChampLu lit_champ(std::string_view texte, std::string_view nom)
{
    const std::string cite = std::string(nom) + " « " + std::string(texte) + " »";
    double d = 0;
    try {
        d = places::lit_angle(texte, places::UniteAngle::degres);
    } catch (const places::ErreurConversion&) {
        return {0, cite + " n'est pas un nombre de degrés.\rExemples : -16.1, -16°06 ou 0.1"};
    }
    if (!std::isfinite(d) || std::fabs(d) > hauteur_limite) {
        return {0, cite + " est hors limites : la hauteur du soleil est comprise entre -90 et "
                          "90 degrés."};
    }
    return {d, {}};
}

/// Decimals with which a value is written: the fewest (up to 6) that give it
/// back; 0.1 → 1, -16.25 → 2, 5 → 0.
int decimales_de(double valeur)
{
    constexpr int decimales_max = 6;
    double echelle = 1;
    for (int d = 0; d < decimales_max; ++d, echelle *= 10) {
        const double x = valeur * echelle;
        if (std::fabs(x - std::round(x)) < 1e-9 * std::max(1.0, std::fabs(x))) {
            return d;
        }
    }
    return decimales_max;
}

/// The altitude of line `k`: minimum + k × increment, brought back to the
/// decimals typed when the sum only drifted from them (−16.1 + 2 × 0.1 is
/// −15.900000000000002 and stands for −15.9), kept as it is otherwise (−0°50 is
/// −0.8333…°, not −0.833333°); never the "-0" of a sum a hair below zero.
double hauteur_de_la_ligne(double minimum, double increment, int k, int decimales)
{
    const double h = minimum + k * increment;
    const double echelle = std::pow(10.0, decimales);
    const double arrondie = std::round(h * echelle) / echelle;
    const double v = std::fabs(arrondie - h) < 1e-9 ? arrondie : h;
    return v == 0 ? 0.0 : v;
}

std::string texte_hauteur(double degres, int decimales)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.*f", decimales, degres);
    return texte;
}

/// The bounds in order and the step of the table.
struct Intervalle {
    double minimum = 0;
    double maximum = 0;
    double increment = 0;
};

/// Number of lines of an interval: |max − min| / increment, a quotient a
/// hair under a whole number (0.3 / 0.1 = 2.9999999999999996) counting as
/// that number.
double nombre_de_lignes(const Intervalle& i)
{
    const double q = std::fabs(i.maximum - i.minimum) / i.increment;
    return std::floor(q + 1e-9 * std::max(1.0, q));
}

std::string titre_lieu(const places::Place& lieu)
{
    return "  " + lieu.ville + "  (" + lieu.pays + ")" + "   Latitude : " + lieu.latitude +
           "   Longitude : " + lieu.longitude + "   GMT : " + lieu.decalage;
}

/// "  Date  : 20 Mars 2018"; a day below 10 "  Date  :  05 Janv 2019".
std::string titre_date(const engine::DateCivile& d)
{
    const std::string jour =
        d.jour < 10 ? "Date  :  0" + std::to_string(d.jour) : "Date  : " + std::to_string(d.jour);
    const std::string mois =
        platform::left(engine::mois_civils[static_cast<std::size_t>(d.mois)], 4);
    return "  " + jour + " " + mois + " " + std::to_string(d.annee);
}

std::vector<std::string> bloc_titre(const DemandeAltitudes& demande)
{
    std::vector<std::string> l;
    l.push_back("   " + std::string(64, '=') + "B\"H===");
    l.push_back(titre_lieu(demande.lieu));
    l.push_back(titre_date(demande.date));
    if (!demande.choix_arrondi.empty()) {
        l.push_back(demande.choix_arrondi);
    }
    l.emplace_back();
    l.emplace_back("  Arrondies à la minute inférieure ou supérieure selon 29 ou 30 secondes");
    l.push_back("   " + std::string(70, '='));
    l.emplace_back();
    l.emplace_back("Hauteur  \tLever    \tLever   \tCoucher  \tCoucher");
    l.emplace_back("du soleil\t(secondes)\t(minutes)\t(secondes)\t(minutes)");
    l.emplace_back("(degrés)");
    l.push_back(std::string(73, '_'));
    return l;
}

/// The two texts of one crossing: with its seconds, then rounded to the
/// nearest minute (from 30 seconds up).
struct TextesCroisement {
    std::string secondes;
    std::string minutes;
};

TextesCroisement textes_croisement(std::optional<double> t, double zone,
                                   const zmanim::ReglesArrondi& regles)
{
    if (!t) {
        return {std::string(sans_passage), std::string(sans_passage)};
    }
    zmanim::ReglesArrondi avec_secondes = regles;
    avec_secondes.affiche_secondes = true;
    zmanim::ReglesArrondi a_la_minute = regles;
    a_la_minute.affiche_secondes = false;
    constexpr double sans_heure_d_ete = 0;
    const zmanim::HeureFormatee s = zmanim::formate_heure(zmanim::ModeArrondi::normal, *t, zone,
                                                          sans_heure_d_ete, avec_secondes);
    const zmanim::HeureFormatee m =
        zmanim::formate_heure(zmanim::ModeArrondi::normal, *t, zone, sans_heure_d_ete, a_la_minute);
    return {s.texte_heures + ":" + s.texte_minutes + ":" + s.texte_secondes,
            m.texte_heures + ":" + m.texte_minutes};
}

std::string colonne(std::string_view texte)
{
    return platform::pad_right(texte, largeur_colonne) + "\t";
}

} // namespace

std::string choix_arrondi(const zmanim::ZmanimSettings& reglages)
{
    if (reglages.houmra) {
        return std::string(zmanim::legende_houmra);
    }
    if (reglages.arrondis_2930) {
        return std::string(zmanim::legende_arrondis_2930);
    }
    return {};
}

CroisementsAltitude croisements_altitude(const engine::DateCivile& date, double latitude,
                                         double longitude, double degres, bool iteration)
{
    const double sinus = std::sin(degres * zmanim::radians_par_degre);
    const zmanim::PassagesSoleil midi =
        zmanim::passages_soleil(date, latitude, longitude, sinus, 0);
    if (midi.passage != zmanim::Passage::normal) {
        return {};
    }
    if (!iteration) {
        return {midi.lever, midi.coucher};
    }
    // Each crossing again with the sun of its own instant; on the edge of a
    // polar season that sun may miss the altitude.
    CroisementsAltitude c;
    const zmanim::PassagesSoleil matin = zmanim::passages_soleil(
        date, latitude, longitude, sinus, zmanim::decalage_jd_de_l_heure(midi.lever));
    if (matin.passage == zmanim::Passage::normal) {
        c.matin = matin.lever;
    }
    const zmanim::PassagesSoleil soir = zmanim::passages_soleil(
        date, latitude, longitude, sinus, zmanim::decalage_jd_de_l_heure(midi.coucher));
    if (soir.passage == zmanim::Passage::normal) {
        c.soir = soir.coucher;
    }
    return c;
}

namespace
{

/// The bounds and step read from the three fields, or the refusal.
std::optional<Intervalle> lit_intervalle(const DemandeAltitudes& demande, std::string& erreur)
{
    const ChampLu min = lit_champ(demande.minimum, "Le minimum");
    const ChampLu max = lit_champ(demande.maximum, "Le maximum");
    const ChampLu inc = lit_champ(demande.increment, "L'incrément");
    for (const ChampLu* c : {&min, &max, &inc}) {
        if (!c->erreur.empty()) {
            erreur = c->erreur;
            return std::nullopt;
        }
    }
    if (inc.degres <= 0) {
        erreur = "L'incrément « " + demande.increment +
                 " » doit être supérieur à zéro.\rExemple : 0.1 (degrés)";
        return std::nullopt;
    }
    return Intervalle{std::min(min.degres, max.degres), std::max(min.degres, max.degres),
                      inc.degres};
}

std::vector<std::string> lignes_des_hauteurs(const Intervalle& i, int n, const DemandeAltitudes& d,
                                             const zmanim::LieuLu& lieu,
                                             const zmanim::ZmanimSettings& reglages)
{
    const int decimales = std::max(decimales_de(i.minimum), decimales_de(i.increment));
    const zmanim::ReglesArrondi regles = zmanim::regles_arrondi(reglages);
    std::vector<std::string> lignes;
    for (int k = 0; k < n; ++k) {
        const double h = hauteur_de_la_ligne(i.minimum, i.increment, k, decimales);
        const CroisementsAltitude c =
            croisements_altitude(d.date, lieu.latitude, lieu.longitude, h, reglages.iteration);
        const TextesCroisement matin = textes_croisement(c.matin, lieu.zone, regles);
        const TextesCroisement soir = textes_croisement(c.soir, lieu.zone, regles);
        lignes.push_back(colonne(texte_hauteur(h, decimales)) + colonne(matin.secondes) +
                         colonne(matin.minutes) + colonne(soir.secondes) + soir.minutes);
    }
    return lignes;
}

} // namespace

TableAltitudes table_altitudes(const DemandeAltitudes& demande,
                               const zmanim::ZmanimSettings& reglages)
{
    TableAltitudes t;
    const std::optional<Intervalle> intervalle = lit_intervalle(demande, t.erreur);
    if (!intervalle) {
        return t;
    }
    const zmanim::LieuLu lieu =
        zmanim::lit_lieu(demande.lieu.latitude, demande.lieu.longitude, demande.lieu.decalage);
    if (lieu.refuse) {
        t.erreur = lieu.message.empty()
                       ? "Veuillez définir le lieu : latitude, longitude et décalage horaire."
                       : lieu.message;
        return t;
    }
    t.memo = bloc_titre(demande);
    const double n = nombre_de_lignes(*intervalle);
    if (n > lignes_altitudes_max) {
        t.memo.emplace_back(" ");
        t.memo.emplace_back("  Le nombre de lignes à afficher est trop élevé.");
        t.memo.emplace_back("  Diminuer l'intervale min-max ou augmenter l'incrément.");
        return t;
    }
    // Equal bounds still ask for the one altitude.
    const int lignes = std::max(1, static_cast<int>(n));
    for (std::string& l : lignes_des_hauteurs(*intervalle, lignes, demande, lieu, reglages)) {
        t.memo.push_back(std::move(l));
    }
    t.fichier.reserve(t.memo.size());
    for (const std::string& l : t.memo) {
        t.fichier.push_back(std::string(marge_fichier) + l);
    }
    return t;
}

void ecrit_table_altitudes(const std::filesystem::path& chemin, const TableAltitudes& table)
{
    platform::write_lines(chemin, table.fichier);
}

void ecrit_aube(const std::filesystem::path& dossier, const TableAltitudes& table)
{
    if (!table.fichier.empty()) {
        ecrit_table_altitudes(dossier / nom_fichier_aube, table);
    }
}

} // namespace orvane::tables
