#include "records/fifteen_days.h"

#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/festivals/day_labels.h"
#include "events/readings/parachiot.h"
#include "platform/text.h"
#include "records/day_lines.h"

#include <algorithm>

namespace orvane::records
{

namespace
{

constexpr int jours_de_chaque_cote = 7;

// A label without its padding ("*" and "-" filling its column) and with
// single blanks between its words.
std::string libelle_net(std::string_view libelle)
{
    std::string texte;
    for (char c : libelle) {
        if (c == '*') {
            c = ' ';
        }
        if (c != ' ' || (!texte.empty() && texte.back() != ' ')) {
            texte += c;
        }
    }
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '-')) {
        texte.pop_back();
    }
    return texte;
}

} // namespace

std::string titre_quinze_jours_naissance(std::string_view date)
{
    return "Les 15 jours autour de la " + std::string(date) + " :";
}

std::string fete_ou_lecture(engine::DateCivile jour, bool diaspora)
{
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(jour.annee, jour.mois, jour.jour);
    events::LibellesDuJour l = events::libelles_du_jour(e, diaspora);
    events::paracha_du_jour(e, diaspora, l);
    if (l.indice_fete > 0 && l.indice_fete < 40) {
        return libelle_net(l.nom_fete);
    }
    if (const std::string lecture = events::texte_paracha(l); !lecture.empty()) {
        return libelle_net(lecture);
    }
    return l.indice_jour > 0 ? libelle_net(l.nom_jour) : std::string();
}

std::string ligne_quinze_jours(engine::DateCivile jour, bool diaspora)
{
    using platform::pad_left;
    const JourComplet j = jour_du_civil(jour);
    const auto& h = j.hebraique;
    return pad_left(engine::jours_semaine[static_cast<std::size_t>(j.jour_semaine)], 5) + " " +
           pad_left(std::to_string(jour.jour), 2) + " " +
           pad_left(platform::left(engine::mois_civils[static_cast<std::size_t>(jour.mois)], 4),
                    4) +
           pad_left(std::to_string(jour.annee), 5) + " " +
           pad_left(fete_ou_lecture(jour, diaspora), 15) + " " +
           pad_left(std::to_string(h.jour), 2) + " " +
           pad_left(nom_mois_de_l_annee(h.annee, h.mois), 7) + pad_left(std::to_string(h.annee), 5);
}

std::vector<std::string> quinze_jours(engine::DateCivile centre, bool diaspora)
{
    engine::DateCivile jour = centre;
    for (int k = 0; k < jours_de_chaque_cote; ++k) {
        jour = engine::veille(jour);
    }
    std::vector<std::string> lignes;
    for (int k = -jours_de_chaque_cote; k <= jours_de_chaque_cote;
         ++k, jour = engine::lendemain(jour)) {
        if (k == 0) {
            lignes.emplace_back(separateur_quinze_jours);
        }
        lignes.push_back(ligne_quinze_jours(jour, diaspora));
        if (k == 0) {
            lignes.emplace_back(separateur_quinze_jours);
        }
    }
    return lignes;
}

} // namespace orvane::records
