#include "tables/day_list.h"

#include "engine/names.h"
#include "places/dst.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "zmanim/day/horaires_jour.h"
#include "zmanim/format/libelles.h"

#include <algorithm>
#include <array>

namespace orvane::tables
{

namespace
{

// Indexes of the moment boxes of the notice board: tefillin, sunrise,
// Sabbath entry, sunset, Sabbath exit.
constexpr std::array<std::size_t, 5> moments_actuj = {1, 2, 11, 13, 15};

bool bdl(std::string_view opinion)
{
    return opinion.starts_with("Bureau");
}

/// The slot shown by box `i` for the opinion family.
std::string_view jeton_du_moment(std::size_t i, bool bureau)
{
    using zmanim::moments_bdl;
    using zmanim::premier_moment_bdl;
    if (bureau && i >= premier_moment_bdl && i < premier_moment_bdl + moments_bdl.size()) {
        return moments_bdl[i - premier_moment_bdl].jeton;
    }
    return zmanim::moments_halakha[i].jeton;
}

/// The boxes that give a column: checked, and shown for the opinion family.
std::vector<std::size_t> moments_coches(const zmanim::ZmanimSettings& reglages, bool bureau)
{
    const zmanim::AffichageMoments a = zmanim::affichage_moments(bureau);
    std::vector<std::size_t> coches;
    for (std::size_t i = 0; i < reglages.moments.size(); ++i) {
        if (reglages.moments[i] && a.visibles[i]) {
            coches.push_back(i);
        }
    }
    return coches;
}

std::string heure_minutes(const zmanim::TexteHoraire* t)
{
    if (t == nullptr || !t->definie()) {
        return "--";
    }
    return platform::pad_left(platform::trim(t->heures), 2, '0') + ":" + t->minutes;
}

std::string sur_une_ligne(std::string texte)
{
    std::replace(texte.begin(), texte.end(), '\r', ' ');
    return platform::trim(texte);
}

/// The line of one city, computed with a DayTimes of its own so that
/// nothing of the previous city can show through.
std::string ligne_de_la_ville(const places::Place& lieu, const DemandeListeDuJour& d,
                              zmanim::ZmanimSettings& reglages, const EnvironnementTable& env,
                              const zmanim::ContexteCalcul& contexte, ListeDuJour& liste)
{
    zmanim::DemandeJour demande;
    demande.jour_semaine = engine::jour_semaine(d.date);
    demande.date = d.date;
    demande.latitude = lieu.latitude;
    demande.longitude = lieu.longitude;
    demande.zone = lieu.decalage;
    demande.opinion = d.opinion;
    if (env.tables_ete != nullptr) {
        demande.correction_ete =
            env.tables_ete->correction(lieu.pays, env.mode_horaire, d.date, std::nullopt);
    }
    zmanim::DayTimes jour;
    zmanim::horaires_du_jour(demande, reglages, jour, contexte);
    std::string ligne = ville_sans_parenthese(lieu.ville);
    if (jour.erreur_horaires) {
        const std::string message = sur_une_ligne(jour.message_erreur);
        liste.messages.push_back(lieu.ville + " : " + message);
        return ligne + "\t" + message;
    }
    if (jour.jour_polaire) {
        return ligne + "\t" + jour.message_polaire;
    }
    for (std::size_t i : moments_coches(reglages, bdl(d.opinion))) {
        ligne += "\t" + heure_minutes(jour.creneau(jeton_du_moment(i, bdl(d.opinion))));
    }
    return ligne;
}

} // namespace

bool ville_a_calculer(const places::Place& lieu)
{
    return !platform::trim(lieu.ville).empty() && !platform::trim(lieu.latitude).empty() &&
           !platform::trim(lieu.longitude).empty() && !platform::trim(lieu.decalage).empty();
}

void reduit_aux_moments_actuj(zmanim::ZmanimSettings& reglages)
{
    reglages.moments.fill(false);
    for (std::size_t i : moments_actuj) {
        reglages.moments[i] = true;
    }
}

std::string ville_sans_parenthese(std::string_view ville)
{
    const std::size_t ouvrante = ville.find('(');
    if (ouvrante == std::string_view::npos) {
        return std::string(ville);
    }
    const std::size_t fermante = ville.find(')', ouvrante);
    if (fermante == std::string_view::npos) {
        return std::string(ville);
    }
    const std::size_t fin = std::min(ville.size(), fermante + 2);
    return std::string(ville.substr(0, ouvrante)) + std::string(ville.substr(fin));
}

std::string entete_liste_du_jour(const engine::DateCivile& date,
                                 const zmanim::ZmanimSettings& reglages, std::string_view opinion)
{
    const std::size_t j = static_cast<std::size_t>(engine::jour_semaine(date));
    std::string t = std::string(engine::jours_semaine_courts[j]) + std::to_string(date.jour) + " " +
                    std::string(engine::mois_civils[static_cast<std::size_t>(date.mois)]) + " " +
                    std::to_string(date.annee);
    const zmanim::AffichageMoments a = zmanim::affichage_moments(bdl(opinion));
    for (std::size_t i : moments_coches(reglages, bdl(opinion))) {
        t += "\t" + a.legendes[i];
    }
    return t;
}

ListeDuJour liste_du_jour_des_villes(const std::vector<places::Place>& villes,
                                     const DemandeListeDuJour& d, zmanim::ZmanimSettings& reglages,
                                     const EnvironnementTable& env)
{
    if (d.actuj) {
        reduit_aux_moments_actuj(reglages);
    }
    if (!d.opinion.starts_with("Selon choix")) {
        zmanim::initialise_angles(reglages);
    }
    zmanim::ContexteCalcul contexte;
    contexte.mode_ete = env.mode_ete;
    contexte.vaudrel = env.vaudrel;
    contexte.lit_cle_ciop = env.lit_cle_ciop;
    ListeDuJour liste;
    liste.lignes.push_back(entete_liste_du_jour(d.date, reglages, d.opinion));
    for (const places::Place& lieu : villes) {
        if (ville_a_calculer(lieu)) {
            liste.lignes.push_back(ligne_de_la_ville(lieu, d, reglages, env, contexte, liste));
        }
    }
    return liste;
}

void ecrit_liste_du_jour(const std::filesystem::path& repertoire, const ListeDuJour& liste)
{
    platform::write_lines(
        platform::lookup_ignoring_case(repertoire, std::string(nom_fichier_liste_du_jour)),
        liste.lignes);
}

} // namespace orvane::tables
