#include "documents/calendar_day.h"

#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/cycles/season_rows.h"
#include "events/festivals/names.h"
#include "events/readings/parachiot.h"
#include "events/readings/sabbath_names.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace orvane::documents
{

namespace
{

using engine::DateHebraique;

/// A label of the tables as printed: its padding of "*" and "-" turned into
/// blanks, its own hyphens kept, trimmed.
std::string propre(std::string_view nom)
{
    return platform::trim(events::sans_remplissage_garde_traits(nom));
}

std::string nom_mois(int mois, bool embolismique)
{
    return platform::trim(engine::nom_mois_hebreu(mois, embolismique));
}

/// The eves that the calendars name (the eve of a fast after its
/// postponement): Roch-Hachana, Kippour, Soukot, Hochaana Rabba, Chemini
/// Atseret, Pessa'h, Chavou'ot, Tich'a Béav.
std::string veille_du_jour(const DateHebraique& d, const NotesDesAnnees& notes)
{
    static constexpr std::array<std::pair<std::pair<int, int>, int>, 7> veilles = {{
        {{13, 29}, 1},
        {{1, 9}, 2},
        {{1, 14}, 3},
        {{1, 20}, 4},
        {{1, 21}, 5},
        {{8, 14}, 6},
        {{10, 5}, 7},
    }};
    for (const auto& [jour, indice] : veilles) {
        if (d.mois == jour.first && d.jour == jour.second) {
            return std::string(events::libelles_veilles[static_cast<std::size_t>(indice)]);
        }
    }
    if (notes.jeune(engine::lendemain(d)) == 14) {
        return std::string(events::libelles_veilles[8]);
    }
    return {};
}

/// The new moon with the month it begins: "Roch-Hodech Tevet" on the line,
/// "Roch-Hodech 1er jour Tevet" (the 30th) or "Roch-Hodech 2e jour Tevet"
/// (the 1st after a month of 30 days) in the export.
struct RochHodech {
    std::string ligne;
    std::string export_;
};

RochHodech roch_hodech(const DateHebraique& d, bool embolismique)
{
    const std::string titre = propre(events::libelles_jours[1]);
    if (d.jour == 30) {
        const DateHebraique demain = engine::lendemain(d);
        const std::string mois = nom_mois(demain.mois, embolismique);
        return {titre + " " + mois, titre + " 1er jour " + mois};
    }
    const std::string mois = nom_mois(d.mois, embolismique);
    const bool deux_jours = engine::veille(d).jour == 30;
    return {titre + " " + mois, titre + (deux_jours ? " 2e jour " : " ") + mois};
}

/// The two readings of a Saturday: the first, and the second of a pair.
std::pair<std::string, std::string> lectures(const events::LibellesDuJour& l)
{
    const auto sans_etoiles = [](std::string_view nom) {
        std::string t(nom);
        std::replace(t.begin(), t.end(), '*', ' ');
        t = platform::trim(t);
        return t.find_first_not_of('-') == std::string::npos ? std::string() : t;
    };
    if (l.indice_fete >= events::premiere_lecture) {
        return {sans_etoiles(l.nom_fete), sans_etoiles(l.libelle_paracha)};
    }
    if (l.indice_fete == events::fete_hanouka_jour) {
        return {sans_etoiles(l.libelle_paracha), {}};
    }
    return {};
}

bool est_fete(int indice)
{
    return indice >= 1 && indice < 40;
}

struct Textes {
    std::vector<std::string> ligne;
    std::vector<std::string> elements;

    void ajoute(const std::string& texte) { ajoute(texte, texte); }
    void ajoute(const std::string& texte_ligne, const std::string& texte_export)
    {
        if (!texte_ligne.empty()) {
            ligne.push_back(texte_ligne);
        }
        if (!texte_export.empty()) {
            elements.push_back(texte_export);
        }
    }
};

/// The festival of the day, or the two halves of the texts that the day
/// labels write over the name tables (5 Iyar 5708, 28 Iyar 5727), joined.
void fete(const engine::CalendarEngine& e, const events::LibellesDuJour& l, bool& marque_prise,
          Textes& t)
{
    const bool deux_moities =
        l.indice_fete == 0 && l.nom_fete != events::nom_entree_zero(e.jour_semaine);
    if (deux_moities) {
        t.ajoute(platform::trim(
            events::sans_remplissage_garde_traits(l.nom_jour) +
            platform::trim_right(events::sans_remplissage_garde_traits(l.nom_fete))));
        marque_prise = true;
        return;
    }
    if (!est_fete(l.indice_fete)) {
        return;
    }
    const std::string hanouka = events::jour_de_hanouka(e);
    t.ajoute(hanouka.empty() ? propre(l.nom_fete) : hanouka);
}

void lecture(const events::LibellesDuJour& l, Textes& t)
{
    const auto [premiere, seconde] = lectures(l);
    if (premiere.empty()) {
        return;
    }
    if (seconde.empty()) {
        t.ajoute(premiere);
    } else {
        t.ajoute(premiere + "-" + seconde, premiere + std::string(entre_deux_lectures) + seconde);
    }
}

void notes_du_jour(const engine::CalendarEngine& e, const events::LibellesDuJour& l,
                   const JourCalendrier& j, const NotesDesAnnees& notes, bool marque_prise,
                   Textes& t)
{
    if (l.indice_jour == 1) {
        const RochHodech r = roch_hodech(j.hebraique, j.embolismique);
        t.ajoute(r.ligne, r.export_);
    } else if (!marque_prise) {
        t.ajoute(propre(l.nom_jour));
    }
    const std::string special = platform::trim(l.texte_chabbat);
    t.ajoute(special.empty() ? platform::trim(events::sans_remplissage(l.libelle_court)) : special);
    if (e.jour_semaine == 7 && !t.ligne.empty()) {
        t.ajoute(events::nom_chabbat_de_page(t.ligne.front(), j.hebraique.mois, j.hebraique.jour));
    }
    t.ajoute(veille_du_jour(j.hebraique, notes));
}

std::string colonne_note(const JourCalendrier& j, const NotesDesAnnees& notes,
                         std::vector<std::string>& elements)
{
    if (const events::Tekoufa* s = notes.tekoufa(j.civile)) {
        elements.push_back(texte_tekoufa_export(s->heures));
        return platform::pad_right("TEK" + events::heure_tekoufa(s->heures), largeur_note);
    }
    if (notes.soir_guechamim(j.civile)) {
        elements.push_back("Le soir, Guéchamim");
        return "Le soir,Guécham.";
    }
    return std::string(largeur_note, '-');
}

} // namespace

JourCalendrier jour_calendrier(const engine::CalendarEngine& e, const NotesDesAnnees& notes,
                               const DemandeCalendrier& demande)
{
    JourCalendrier j;
    j.civile = {e.annee_civile, e.mois_civil, e.jour_civil};
    j.hebraique = {e.annee_hebr, e.mois_hebr, e.jour_hebr};
    j.jour_semaine = e.jour_semaine;
    j.embolismique = e.nb_mois == 13;
    events::LibellesDuJour l = events::libelles_du_jour(e, demande.diaspora);
    if (e.jour_semaine == 7 && demande.parachiot) {
        events::paracha_du_jour(e, demande.diaspora, l);
    }
    Textes t;
    if (e.jour_semaine == 7) {
        t.elements.push_back("CHABBAT ");
    }
    bool marque_prise = false;
    fete(e, l, marque_prise, t);
    if (demande.parachiot) {
        lecture(l, t);
    }
    notes_du_jour(e, l, j, notes, marque_prise, t);
    for (std::size_t i = 0; i < t.ligne.size(); ++i) {
        j.libelle += (i == 0 ? "" : " ") + t.ligne[i];
    }
    j.elements = std::move(t.elements);
    j.note = colonne_note(j, notes, j.elements);
    j.levana = notes.levana(j.hebraique);
    if (demande.sens == Sens::hebreu_civil && j.levana != MarqueLevana::aucune) {
        j.elements.push_back(j.levana == MarqueLevana::debut ? "Début de B. HaLévana"
                                                             : "Fin de B. HaLévana");
    }
    j.marque = e.jour_semaine == 7 || est_fete(l.indice_fete) || notes.jeune(j.hebraique) != 0;
    return j;
}

std::string element_nettoye(std::string_view element)
{
    std::string t;
    for (std::size_t i = 0; i < element.size(); ++i) {
        if (element[i] == '*') {
            continue;
        }
        if (element[i] == '-') {
            std::size_t fin = i;
            while (fin < element.size() && element[fin] == '-') {
                ++fin;
            }
            if (fin - i >= 2) {
                i = fin - 1;
                continue;
            }
        }
        t += element[i];
    }
    const std::size_t debut = t.find_first_not_of(' ');
    return debut == std::string::npos ? std::string() : t.substr(debut);
}

std::string texte_tekoufa_export(double heures)
{
    const int h = static_cast<int>(heures);
    const int mn = static_cast<int>((heures - h) * 60);
    return "Tékoufa " + std::to_string(h) + "h" + std::to_string(mn) + "mn";
}

} // namespace orvane::documents
