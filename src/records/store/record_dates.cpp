#include "records/store/record_dates.h"

#include "engine/date_validity.h"
#include "engine/names.h"
#include "platform/text.h"
#include "records/event_date.h"

namespace orvane::records
{

namespace
{

std::string nom(std::string_view rempli)
{
    return platform::trim(rempli);
}

std::string jour_de_semaine(int j)
{
    return nom(engine::jours_semaine[static_cast<std::size_t>(j)]);
}

DateEnToutesLettres civile_en_lettres(const engine::DateCivile& d)
{
    return {std::to_string(d.jour),
            std::string(engine::mois_civils[static_cast<std::size_t>(d.mois)]),
            std::to_string(d.annee)};
}

DateEnToutesLettres hebraique_en_lettres(const engine::DateHebraique& d)
{
    return {std::to_string(d.jour), nom(nom_mois_de_l_annee(d.annee, d.mois)),
            std::to_string(d.annee)};
}

} // namespace

GroupeDate groupe_date(engine::DateCivile d, std::string_view jour_nuit)
{
    const JourComplet jour = date_hebraique_evenement(d, jour_nuit);
    GroupeDate g;
    g.jour_semaine = jour_de_semaine(engine::jour_semaine(d));
    g.jour = std::to_string(d.jour);
    g.mois = std::to_string(d.mois);
    g.annee = std::to_string(d.annee);
    g.jour_nuit = std::string(jour_nuit);
    const DateEnToutesLettres h = hebraique_en_lettres(jour.hebraique);
    g.jour_hebreu = h.jour;
    g.mois_hebreu = h.mois;
    g.annee_hebraique = h.annee;
    return g;
}

GroupeAnniversaire groupe_prochain(const Anniversaire& a)
{
    const std::vector<std::string> c = groupe_anniversaire(a);
    // c[4] is the arrow between the two sides.
    return {c[0], c[1], c[2], c[3], c[5], c[6], c[7]};
}

BarMitsvaEcrite bar_mitsva_ecrite(const BarMitsva& b)
{
    return {civile_en_lettres(b.date.civile), hebraique_en_lettres(b.date.hebraique), b.paracha};
}

std::optional<engine::DateCivile> date_civile(const GroupeDate& g)
{
    const auto jour = platform::nombre_entier(g.jour);
    const auto mois = platform::nombre_entier(g.mois);
    const auto annee = platform::nombre_entier(g.annee);
    if (!jour || !mois || !annee) {
        return std::nullopt;
    }
    const engine::DateCivile d{*annee, *mois, *jour};
    if (engine::erreur_date_civile(d)) {
        return std::nullopt;
    }
    return d;
}

std::optional<int> mois_hebreu_du_nom(std::string_view texte)
{
    if (const auto numero = platform::nombre_entier(texte)) {
        return *numero >= 1 && *numero <= 13 ? numero : std::nullopt;
    }
    const std::string cherche = platform::trim(texte);
    if (platform::equals_ignoring_case(cherche, "Adar I")) {
        return 6;
    }
    for (int mois = 1; mois <= 13; ++mois) {
        if (platform::equals_ignoring_case(
                cherche, nom(engine::mois_hebreux[static_cast<std::size_t>(mois)]))) {
            return mois;
        }
    }
    return std::nullopt;
}

std::optional<engine::DateHebraique> date_hebraique(const GroupeDate& g)
{
    const auto jour = platform::nombre_entier(g.jour_hebreu);
    const auto mois = mois_hebreu_du_nom(g.mois_hebreu);
    const auto annee = platform::nombre_entier(g.annee_hebraique);
    if (!jour || !mois || !annee) {
        return std::nullopt;
    }
    const engine::DateHebraique d{*annee, *mois, *jour};
    if (engine::erreur_date_hebraique(d)) {
        return std::nullopt;
    }
    return d;
}

bool recalcule_prochain(Famille famille, Fiche& fiche, engine::DateCivile aujourdhui)
{
    std::optional<engine::DateHebraique> evenement = date_hebraique(fiche.date);
    if (!evenement) {
        if (const auto civile = date_civile(fiche.date)) {
            evenement = date_hebraique_evenement(*civile, fiche.date.jour_nuit).hebraique;
        }
    }
    if (!evenement) {
        return false;
    }
    const ProchainsAnniversaires p = prochains_anniversaires(*evenement, aujourdhui, 1, 1, famille);
    fiche.prochain = groupe_prochain(p.anniversaires.front());
    return true;
}

} // namespace orvane::records
