#include "records/tables/date_grid.h"

#include "engine/date_texts.h"
#include "engine/date_validity.h"
#include "engine/names.h"
#include "events/readings/bar_mitsva.h"
#include "platform/text.h"
#include "records/anniversaries.h"
#include "records/day_lines.h"
#include "records/tables/dbase_table.h"

namespace orvane::records
{

namespace
{

using Ligne = std::array<std::string, 5>;

std::string jour_de_la_semaine(const JourComplet& j)
{
    return platform::trim(engine::jours_semaine[static_cast<std::size_t>(j.jour_semaine)]);
}

Ligne ligne_civile(std::string titre, const JourComplet& j)
{
    return {std::move(titre), jour_de_la_semaine(j), std::to_string(j.civile.jour),
            std::string(engine::mois_civils[static_cast<std::size_t>(j.civile.mois)]),
            std::to_string(engine::annee_civile_ecrite(j.civile.annee))};
}

Ligne ligne_hebraique(std::string titre, const JourComplet& j)
{
    const engine::DateHebraique& h = j.hebraique;
    return {std::move(titre), jour_de_la_semaine(j), std::to_string(h.jour),
            platform::trim(nom_mois_de_l_annee(h.annee, h.mois)), std::to_string(h.annee)};
}

} // namespace

std::optional<GrilleDesDates> grille_des_dates(std::string_view naissance,
                                               std::string_view civilite,
                                               engine::DateCivile aujourdhui)
{
    if (platform::char_count(naissance) != 10) {
        return std::nullopt;
    }
    const std::optional<engine::DateCivile> date = date_du_texte(naissance);
    if (!date || engine::erreur_date_civile(*date)) {
        throw ValeurRefusee("« " + std::string(naissance) + " » n'est pas une date de naissance " +
                            "des années 100 à 9999");
    }
    GrilleDesDates g;
    const JourComplet ne = jour_du_civil(*date);
    g.cases[1] = ligne_civile("Naissance civile", ne);
    g.cases[2] = ligne_hebraique("Naissance hebr.", ne);

    const ProchainsAnniversaires p =
        prochains_anniversaires(ne.hebraique, aujourdhui, 1, 1, Famille::naissance);
    const JourComplet& anniversaire = p.anniversaires.front().jour;
    g.cases[3] = ligne_civile("Prochain anniversaire", anniversaire);
    g.cases[4] = ligne_hebraique("", anniversaire);

    const bool garcon = civilite == "M";
    const std::string titre = garcon ? "Bar Mitzva" : "Bat Mitzva";
    g.cases[5][0] = titre;
    const engine::DateHebraique majorite = events::date_bar_mitsva(ne.hebraique, !garcon);
    if (majorite.annee <= engine::annee_hebr_max) {
        const JourComplet j = jour_de_l_hebreu(majorite);
        if (j.civile.annee <= engine::annee_civile_max) {
            g.cases[5] = ligne_civile(titre, j);
            g.cases[6] = ligne_hebraique("", j);
        }
    }
    return g;
}

} // namespace orvane::records
