#include "documents/day_times_text.h"

#include "platform/text.h"

namespace orvane::documents
{

namespace
{

/// The kind of a day of rest: Roch-Hachana, Kippour, a festival, or the
/// Sabbath alone.
std::string genre_repos(const engine::DateHebraique& d, int jour_semaine,
                        const NotesDesAnnees& notes)
{
    const int fete = notes.fete_chomee(d);
    if (fete == 1) {
        return "RH";
    }
    if (fete == 3) {
        return "Ki";
    }
    if (fete != 0) {
        return "TY";
    }
    return jour_semaine == 7 ? "Ch" : "";
}

std::string nom_long(std::string_view genre)
{
    if (genre == "RH") {
        return "Roch-Hachana";
    }
    if (genre == "Ki") {
        return "Kippour";
    }
    if (genre == "TY") {
        return "Yom Tov";
    }
    return "Chabbat";
}

bool jeune_de_jour(int indice)
{
    return indice == 2 || indice == 6 || indice == 8 || indice == 13 || indice == 25;
}

} // namespace

std::string heure_courte(const zmanim::TexteHoraire& h, char separateur)
{
    if (!h.definie()) {
        return std::string("--") + separateur + "--";
    }
    return platform::pad_left(platform::trim(h.heures), 2, '0') + separateur +
           platform::pad_left(platform::trim(h.minutes), 2, '0');
}

MomentsDuJour moments_du_jour(const JourCalendrier& j, const NotesDesAnnees& notes)
{
    MomentsDuJour m;
    const engine::DateHebraique demain = engine::lendemain(j.hebraique);
    const int semaine_demain = j.jour_semaine % 7 + 1;
    const bool repos_aujourdhui = notes.repos(j.hebraique, j.jour_semaine);
    const bool repos_demain = notes.repos(demain, semaine_demain);
    if (repos_demain) {
        m.entree = genre_repos(demain, semaine_demain, notes);
        m.apres_repos = repos_aujourdhui;
    } else if (repos_aujourdhui) {
        m.sortie = genre_repos(j.hebraique, j.jour_semaine, notes);
    }
    const int jeune = notes.jeune(j.hebraique);
    m.jeune_mineur = jeune_de_jour(jeune);
    m.fin_jeune = jeune == 14;
    m.debut_jeune = notes.jeune(demain) == 14 && !repos_aujourdhui;
    return m;
}

std::string texte_horaires_ligne(const zmanim::DayTimes& t, const MomentsDuJour& m)
{
    if (t.jour_polaire) {
        return " " + t.message_polaire;
    }
    const std::string entree =
        // After a day of rest the lights are lit once it has gone out.
        " E." + m.entree + heure_courte(m.apres_repos ? t.heureSOR : t.entree_chabbat);
    const std::string lever = " " + heure_courte(t.heureL);
    if (m.jeune_mineur) {
        // A fast on a Friday (10 Tevet) ends with the entry of the Sabbath:
        // its line has no room left for the sunrise.
        const std::string debut = " D." + heure_courte(t.heureA);
        return m.entree.empty() ? lever + debut + " F." + heure_courte(t.heureTSE) : debut + entree;
    }
    std::string texte = lever + " " + heure_courte(t.heureC);
    if (!m.entree.empty()) {
        texte += entree;
    } else if (!m.sortie.empty()) {
        texte += " S." + m.sortie + heure_courte(t.heureSOR);
    } else if (m.fin_jeune) {
        texte += " F." + heure_courte(t.heureTSE);
    } else if (m.debut_jeune) {
        texte += " D." + heure_courte(t.heureC);
    }
    return texte;
}

bool MomentHoraire::est_debut() const
{
    return libelle.starts_with("Entrée") || libelle.starts_with("Début");
}

std::vector<MomentHoraire> moments_horaires(const zmanim::DayTimes& t, const MomentsDuJour& m)
{
    std::vector<MomentHoraire> e;
    if (t.jour_polaire) {
        return e;
    }
    if (!m.entree.empty()) {
        e.push_back(
            {"Entrée " + nom_long(m.entree), m.apres_repos ? t.heureSOR : t.entree_chabbat});
    } else if (!m.sortie.empty()) {
        e.push_back({"Sortie " + nom_long(m.sortie), t.heureSOR});
    }
    if (m.jeune_mineur) {
        e.push_back({"Début du jeûne", t.heureA});
    }
    if (m.debut_jeune) {
        e.push_back({"Début du jeûne", t.heureC});
    }
    if ((m.jeune_mineur && m.entree.empty()) || m.fin_jeune) {
        e.push_back({"Fin du jeûne", t.heureTSE});
    }
    return e;
}

std::vector<std::string> elements_horaires(const zmanim::DayTimes& t, const MomentsDuJour& m)
{
    std::vector<std::string> e;
    for (const MomentHoraire& moment : moments_horaires(t, m)) {
        e.push_back(moment.libelle + " " + heure_courte(moment.heure, '.'));
    }
    return e;
}

std::string colonnes_horaires(const zmanim::DayTimes& t)
{
    if (t.jour_polaire) {
        return "\t" + t.message_polaire;
    }
    std::string texte;
    for (const ColonneExport& c : colonnes_export) {
        const zmanim::TexteHoraire* h = t.creneau(c.jeton);
        texte += "\t" + (h == nullptr ? std::string("--.--") : heure_courte(*h, '.'));
    }
    return texte;
}

} // namespace orvane::documents
