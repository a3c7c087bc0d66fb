// The times by latitude: six opinions, four days, 272 latitudes, each day
// computed afresh so that a polar day never shows the times of the latitude
// before it.
#include "tables/latitudes.h"

#include "platform/text_file.h"
#include "zmanim/day/day_times.h"
#include "zmanim/settings/opinions.h"

#include <cstddef>
#include <utility>

namespace orvane::tables
{

namespace
{

/// The first six opinions of the day page's list, "Or Méïr" to "Maguen
/// Abraham (pavé)".
constexpr std::size_t opinions_du_tableau = 6;

/// The titles of the days in the heading, in the order of `dates_latitudes`.
constexpr std::array<std::string_view, 4> titres_des_jours = {"Equi Printemps", "Solt Eté",
                                                              "Equi Automne", "Solt Hiver"};

constexpr std::string_view titres_colonnes = "\tAube\tTeph\tLever\tCouch\tTset\tSortie\tNuit";

/// Written for a time the sun does not reach that day.
constexpr std::string_view sans_heure = "--";

/// The seven slots of each day, in the order of the columns.
constexpr std::array<zmanim::TexteHoraire zmanim::DayTimes::*, 7> colonnes = {
    &zmanim::DayTimes::heureA, &zmanim::DayTimes::heureT,   &zmanim::DayTimes::heureL,
    &zmanim::DayTimes::heureC, &zmanim::DayTimes::heureTSE, &zmanim::DayTimes::heureSOR,
    &zmanim::DayTimes::heureN};

/// The zone of the table: the times are read from Universal Time, plus the
/// forced hour of summer time.
constexpr std::string_view zone_du_tableau = "0";
constexpr double heure_d_ete_du_tableau = 1;

std::string entete(std::string_view opinion)
{
    std::string l;
    for (std::size_t i = 0; i < titres_des_jours.size(); ++i) {
        if (i > 0) {
            l += std::string(7, '\t');
        }
        l += std::string(titres_des_jours[i]) + "\t" + std::string(opinion);
    }
    return l;
}

std::string ligne_titres()
{
    std::string l;
    for (std::size_t i = 0; i < dates_latitudes.size(); ++i) {
        l += titres_colonnes;
    }
    return l;
}

/// The seven cells of one day, each followed by a tab.
std::string cellules_du_jour(const zmanim::DayTimes& jour)
{
    std::string l;
    if (jour.jour_polaire) {
        const bool dessus = jour.message_polaire.find("au-dessus") != std::string::npos;
        for (std::string_view mot :
             {"Le", "soleil", "est", "toujours", dessus ? "dessus" : "sous", "l'horizon", ""}) {
            l += std::string(mot) + "\t";
        }
        return l;
    }
    for (zmanim::TexteHoraire zmanim::DayTimes::*c : colonnes) {
        const zmanim::TexteHoraire& t = jour.*c;
        l += (t.definie() ? t.heures + ":" + t.minutes : std::string(sans_heure)) + "\t";
    }
    return l;
}

} // namespace

std::string texte_latitude_table(int k)
{
    constexpr int minutes_par_quart = 15;
    return std::to_string(k / quarts_de_degre) + "°" +
           std::to_string(k % quarts_de_degre * minutes_par_quart) + "N";
}

namespace
{

/// One line of an opinion: the latitude, then the four days. False, with
/// the message, when the day refuses its inputs.
bool ligne_latitude(int k, std::string_view longitude, std::string_view opinion,
                    zmanim::ZmanimSettings& reglages, const zmanim::ContexteCalcul& contexte,
                    TableLatitudes& t)
{
    const std::string latitude = texte_latitude_table(k);
    std::string l = latitude + "\t";
    for (const engine::DateCivile& d : dates_latitudes) {
        const zmanim::DemandeJour demande{engine::jour_semaine(d),
                                          d,
                                          latitude,
                                          std::string(longitude),
                                          std::string(zone_du_tableau),
                                          std::string(opinion),
                                          heure_d_ete_du_tableau};
        zmanim::DayTimes jour; // fresh: a polar day leaves the slots it does not reach
        zmanim::horaires_du_jour(demande, reglages, jour, contexte);
        if (jour.erreur_horaires) {
            t = {jour.message_erreur.empty() ? "Lieu non défini." : jour.message_erreur, {}};
            return false;
        }
        l += cellules_du_jour(jour);
    }
    t.lignes.push_back(std::move(l));
    return true;
}

} // namespace

TableLatitudes table_latitudes(std::string_view longitude, const zmanim::ZmanimSettings& reglages,
                               zmanim::ContexteCalcul contexte)
{
    TableLatitudes t;
    const zmanim::LieuLu lieu =
        zmanim::lit_lieu(texte_latitude_table(0), longitude, zone_du_tableau);
    if (lieu.refuse) {
        t.erreur = lieu.message.empty() ? "Veuillez définir la longitude." : lieu.message;
        return t;
    }
    contexte.toutes_latitudes = true;
    contexte.vers_grille = false;
    contexte.tableau = nullptr;
    contexte.journal = nullptr;
    zmanim::ZmanimSettings r = reglages;
    for (std::size_t o = 0; o < opinions_du_tableau; ++o) {
        const std::string_view opinion = zmanim::opinions_accueil[o];
        t.lignes.push_back(entete(opinion));
        t.lignes.push_back(ligne_titres());
        for (int k = 0; k < lignes_par_opinion; ++k) {
            if (!ligne_latitude(k, longitude, opinion, r, contexte, t)) {
                return t;
            }
        }
        t.lignes.emplace_back(" ");
    }
    return t;
}

void ecrit_table_latitudes(const std::filesystem::path& chemin, const TableLatitudes& table)
{
    platform::write_lines(chemin, table.lignes);
}

void ecrit_latitudes(const std::filesystem::path& dossier, const TableLatitudes& table)
{
    if (!table.refusee()) {
        ecrit_table_latitudes(dossier / nom_fichier_latitudes, table);
    }
}

} // namespace orvane::tables
