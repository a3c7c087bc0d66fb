#include "events/festivals/festival_lines.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/festivals/names.h"

#include <array>
#include <utility>

namespace orvane::events
{

namespace
{

using engine::cadre_nombre;
using engine::complete_espaces;

std::string nom_de(const EntreeFete& f, bool brute)
{
    const std::string_view nom = libelles_fetes[static_cast<std::size_t>(f.indice)];
    return brute ? std::string(nom) : sans_remplissage(nom);
}

std::string mois_hebreu(const EntreeFete& f)
{
    return std::string(
        engine::nom_mois_hebreu(f.mois_hebr, engine::annee_hebr_embolismique(f.annee_hebr)));
}

/// Weekday, civil day, month and year, as both windows write them.
std::string date_civile(const EntreeDatee& d)
{
    return complete_espaces(engine::jours_semaine[static_cast<std::size_t>(d.jour_semaine)], 9) +
           complete_espaces(cadre_nombre(d.jour_civil, 2), 4) +
           complete_espaces(engine::mois_civils[static_cast<std::size_t>(d.mois_civil)], 10) +
           complete_espaces(std::to_string(engine::annee_civile_ecrite(d.annee_civile)), 6);
}

} // namespace

EntreeDatee detail::date_de_l_entree(engine::CalendarEngine& e, const EntreeFete& f)
{
    e.convertit_hebreu_civil(f.annee_hebr, f.mois_hebr, f.jour_hebr);
    return {f, e.jour_civil, e.mois_civil, e.annee_civile, e.jour_semaine};
}

EntreeDatee date_de_l_entree(const EntreeFete& f)
{
    engine::CalendarEngine e;
    return detail::date_de_l_entree(e, f);
}

std::vector<EntreeDatee> dates_des_entrees(const std::vector<EntreeFete>& entrees)
{
    engine::CalendarEngine e;
    std::vector<EntreeDatee> datees;
    datees.reserve(entrees.size());
    for (const EntreeFete& f : entrees) {
        datees.push_back(detail::date_de_l_entree(e, f));
    }
    return datees;
}

std::string ligne_fenetre_fetes(const EntreeDatee& d, bool brute)
{
    const EntreeFete& f = d.fete;
    return std::string(" ") + f.marque + "  " + complete_espaces(nom_de(f, brute), 18) +
           complete_espaces(cadre_nombre(f.annee_hebr, 5), 8) + ":  " + date_civile(d) +
           complete_espaces(cadre_nombre(f.jour_hebr, 2), 3) + "---> " + mois_hebreu(f);
}

std::string ligne_fenetre_principale(const EntreeDatee& d)
{
    const EntreeFete& f = d.fete;
    return std::string(1, f.marque) + " " + complete_espaces(nom_de(f, false), 16) + ": " +
           date_civile(d) + "==> " + complete_espaces(cadre_nombre(f.jour_hebr, 2), 3) +
           complete_espaces(mois_hebreu(f), 8) + std::to_string(f.annee_hebr);
}

SelectionFetes::SelectionFetes(std::string_view item) : texte_(item)
{
    // Items whose words differ from the names of the lines.
    static const std::array<std::pair<std::string_view, std::string_view>, 8> recherches = {{
        {"Atsmaout", " Haatsmaout"},
        {"Yom Yérouchalaïm", " Yérouchalaïm"},
        {"Jeûne de Guedalia", " Guedalia"},
        {"Jeûne du 10 Tevet", "10 Tevet"},
        {"Jeûne d'Esther", "Esther"},
        {"Jeûne des 1ers nés", "1ers Nés"},
        {"Jeûne du 17 Tamouz", "17 Tamouz"},
        {"Jeûne du 9 Av", "du 9 Av"},
    }};
    tout_ = texte_.find("Tous") != std::string::npos || texte_.find("Tout") != std::string::npos;
    if (texte_.find("Atseret") != std::string::npos) {
        texte_ = "Atseret";
    } else if (texte_.find("Tora") != std::string::npos) {
        texte_ = "Tora";
    }
    for (const auto& [nom, recherche] : recherches) {
        if (texte_ == nom) {
            texte_ = recherche;
        }
    }
}

bool SelectionFetes::garde(std::string_view ligne_brute) const
{
    return tout_ || ligne_brute.find(texte_) != std::string_view::npos;
}

} // namespace orvane::events
