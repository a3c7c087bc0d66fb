#include "events/years/characteristics.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "events/cycles/seasons.h"
#include "events/saved_dates.h"
#include "events/years/year_type.h"

namespace orvane::events
{

namespace
{

std::string nom_jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

/// The blessing of the sun is said on the morning after the season of
/// Nissan of the first year of the solar cycle (a Tuesday at 18 h).
std::string texte_hahama(int annee)
{
    const Tekoufa nissan = calcule_tekoufot(annee)[3];
    const engine::DateCivile jour = engine::lendemain(
        engine::DateCivile{nissan.annee_civile, nissan.mois_civil, nissan.jour_civil});
    return "Bircat HA'HAMA : " + nom_jour(engine::normalise_jour(nissan.jour_semaine + 1)) +
           std::to_string(jour.jour) + " " +
           std::string(engine::mois_civils[static_cast<std::size_t>(jour.mois)]) + " " +
           std::to_string(engine::annee_civile_ecrite(jour.annee));
}

std::string texte_solaire(int annee, std::string& hahama)
{
    const PlaceCycle c = cycle_solaire(annee);
    hahama = " ";
    std::string debut;
    if (c.place == 1) {
        debut = "1ère ";
        hahama = texte_hahama(annee);
    } else {
        debut = std::to_string(c.place) + "e ";
    }
    return debut + "année du " + std::to_string(c.numero) + "e cycle solaire";
}

} // namespace

std::string suffixe_ordinal(int n)
{
    return n == 1 ? "re" : "e";
}

namespace
{

CaracteristiquesAnnee textes_de_l_annee(engine::CalendarEngine& e, int annee)
{
    CaracteristiquesAnnee c;
    const TypeAnnee t = type_de_l_annee(e, annee);

    c.texte_type = "L'année " + std::to_string(annee) + " est du type " + signe_latin(t);
    c.mot_hebreu = std::string(t.embolismique ? mot_embolismique : mot_commune);
    c.texte_longueur = (t.embolismique ? "Embolismique  13 mois : " : "Commune  12 mois : ") +
                       std::to_string(t.longueur) + " jours";
    c.signe_hebreu = signe_hebreu(t);

    const PlaceCycle lunaire = cycle_lunaire(annee);
    c.texte_cycle_lunaire = std::to_string(lunaire.place) + suffixe_ordinal(lunaire.place) +
                            " année du " + std::to_string(lunaire.numero) + "e cycle lunaire";
    c.texte_cycle_solaire = texte_solaire(annee, c.texte_birkat_hahama);

    const PlaceCycle chemita = cycle_chemita(annee);
    c.texte_chemita = chemita.place == 7
                          ? "Année de Chemita"
                          : std::to_string(chemita.place) + suffixe_ordinal(chemita.place) +
                                "  année du cycle de Chemita";

    return c;
}

} // namespace

CaracteristiquesAnnee caracteristiques_annee(engine::CalendarEngine& e)
{
    const DatesSauvees sauve(e);
    return textes_de_l_annee(e, e.annee_hebr);
}

std::vector<std::string> bloc_caracteristiques(engine::CalendarEngine& e, int annee)
{
    const TypeAnnee t = type_de_l_annee(e, annee);
    const int civile = annee - 3761;
    std::vector<std::string> lignes;
    lignes.push_back("    L'année " + std::to_string(annee) + " est du type " + signe_latin(t) +
                     " : correspond à " + std::to_string(engine::annee_civile_ecrite(civile)) +
                     "/" + std::to_string(engine::annee_civile_ecrite(civile + 1)) +
                     " du calendrier civil.");
    lignes.push_back((t.embolismique ? "          Une année embolismique - 13 mois "
                                     : "          Une année commune - 12 mois ") +
                     std::to_string(t.longueur) + " jours");
    lignes.push_back("          Roch-Hachana est un " + nom_jour(t.jour_rh));
    lignes.push_back("          Pessa'h est un " + nom_jour(t.jour_pessah));
    lignes.push_back("          'Hechvan comporte " + std::to_string(t.hechvan) +
                     " jours et Kislev " + std::to_string(t.kislev));

    const auto ligne_cycle = [](std::string_view debut, PlaceCycle c, std::string_view fin) {
        return engine::complete_espaces(
                   std::string(debut) + std::to_string(c.place) + suffixe_ordinal(c.place), 16) +
               " année du " + std::to_string(c.numero) + std::string(fin);
    };
    lignes.push_back(ligne_cycle("    C'est la ", cycle_lunaire(annee), "e cycle lunaire"));
    lignes.push_back(ligne_cycle("          la ", cycle_solaire(annee), "e cycle solaire"));
    lignes.push_back(ligne_cycle("          la ", cycle_chemita(annee), "e cycle de chemita"));

    const SerieAnnee s = serie_de_l_annee(e, annee);
    e.annee_hebr = annee;
    lignes.push_back(engine::complete_espaces(
                         "          la " + std::to_string(s.rang) + suffixe_ordinal(s.rang), 16) +
                     " année de la série n° " + std::to_string(s.serie));
    lignes.emplace_back();
    return lignes;
}

} // namespace orvane::events
