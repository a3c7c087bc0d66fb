#include "documents/workbook_cells.h"

#include "documents/workbook_kinds.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "platform/text.h"

namespace orvane::documents
{

std::string jour_long(int jour_semaine)
{
    return platform::trim(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

std::string jour_court(int jour_semaine)
{
    return platform::left(jour_long(jour_semaine), 3);
}

int jour_du_sens(Sens sens, const JourPage& j)
{
    return sens == Sens::civil_hebreu ? j.civile.jour : j.hebraique.jour;
}

int autre_jour(Sens sens, const JourPage& j)
{
    return sens == Sens::civil_hebreu ? j.hebraique.jour : j.civile.jour;
}

std::string autre_mois(Sens sens, const JourPage& j)
{
    if (sens == Sens::civil_hebreu) {
        return platform::trim(engine::nom_mois_hebreu(j.hebraique.mois, j.embolismique));
    }
    return std::string(engine::mois_civils[static_cast<std::size_t>(j.civile.mois)]);
}

std::string fetes_et_notes(const JourPage& j)
{
    std::string texte;
    for (const std::string& e : j.elements) {
        texte += (texte.empty() ? "" : std::string(entre_elements)) + platform::trim(e);
    }
    return texte;
}

std::string libelles_seuls(const JourPage& j)
{
    std::string texte;
    for (const std::string& e : j.elements) {
        bool moment = platform::trim(e) == "CHABBAT";
        for (const MomentHoraire& m : j.moments) {
            moment = moment || e.starts_with(m.libelle);
        }
        if (!moment) {
            texte += (texte.empty() ? "" : std::string(entre_elements)) + platform::trim(e);
        }
    }
    return texte;
}

StyleCellule style_du_jour(const JourPage& j, StyleCellule simple)
{
    if (!j.marque) {
        return simple;
    }
    switch (simple) {
    case StyleCellule::texte:
        return StyleCellule::texte_marque;
    case StyleCellule::nombre:
        return StyleCellule::nombre_marque;
    case StyleCellule::heure:
        return StyleCellule::heure_marque;
    case StyleCellule::case_mois:
        return StyleCellule::case_mois_marque;
    case StyleCellule::hebreu:
        return StyleCellule::hebreu_marque;
    default:
        return simple;
    }
}

zmanim::TexteHoraire heure_debut(const JourPage& j)
{
    for (const MomentHoraire& m : j.moments) {
        if (m.est_debut()) {
            return m.heure;
        }
    }
    return {};
}

zmanim::TexteHoraire heure_fin(const JourPage& j)
{
    for (const MomentHoraire& m : j.moments) {
        if (!m.est_debut()) {
            return m.heure;
        }
    }
    return {};
}

std::string titre_du_mois(const MoisPage& m)
{
    return platform::trim(m.titre);
}

std::string entete_du_mois(const MoisPage& m)
{
    // " Janvier  2025" → "Janvier 2025"
    std::string entete;
    for (char c : platform::trim(m.entete)) {
        if (c != ' ' || entete.empty() || entete.back() != ' ') {
            entete += c;
        }
    }
    return m.autres.empty() ? entete : entete + std::string(entre_elements) + m.autres;
}

std::string nom_feuille_mois(Sens sens, const MoisPage& m)
{
    if (sens == Sens::civil_hebreu) {
        return std::string(engine::mois_civils[static_cast<std::size_t>(m.mois)]) + " " +
               std::to_string(m.annee);
    }
    engine::CalendarEngine e;
    return platform::trim(engine::nom_mois_hebreu(m.mois, e.teste_embolismique(m.annee))) + " " +
           std::to_string(m.annee);
}

} // namespace orvane::documents
