#include "records/store/record.h"

#include <type_traits>

namespace orvane::records
{

namespace
{

/// The named fields of `f`, for a constant record or not.
template <typename F>
auto champs(F& f)
{
    using Champ = std::conditional_t<std::is_const_v<F>, const std::string*, std::string*>;
    std::vector<std::pair<std::string_view, Champ>> c = {
        {"Civilité du défunt", &f.defunt.civilite},
        {"Nom du défunt", &f.defunt.nom},
        {"Prénom du défunt", &f.defunt.prenom},
        {"Civilité", &f.correspondant.civilite},
        {"Nom", &f.correspondant.nom},
        {"Prénom civil", &f.correspondant.prenom},
        {"Chez", &f.correspondant.chez},
        {"Numéro", &f.correspondant.numero},
        {"Adresse", &f.correspondant.adresse},
        {"Code postal", &f.correspondant.code_postal},
        {"Ville", &f.correspondant.ville},
        {"Pays", &f.correspondant.pays},
        {"Téléphone - Notes", &f.correspondant.telephone_notes},
        {"Texte de l'événement", &f.texte_evenement},
    };
    const auto groupe = [&c](std::string_view quoi, auto& g) {
        c.insert(c.end(), {{quoi, &g.jour_semaine},
                           {quoi, &g.jour},
                           {quoi, &g.mois},
                           {quoi, &g.annee},
                           {quoi, &g.jour_nuit},
                           {quoi, &g.jour_hebreu},
                           {quoi, &g.mois_hebreu},
                           {quoi, &g.annee_hebraique}});
    };
    groupe("Date", f.date);
    c.insert(c.end(), {{"Date de Bar-Mitsva", &f.bar_mitsva.civile.jour},
                       {"Date de Bar-Mitsva", &f.bar_mitsva.civile.mois},
                       {"Date de Bar-Mitsva", &f.bar_mitsva.civile.annee},
                       {"Date de Bar-Mitsva", &f.bar_mitsva.hebraique.jour},
                       {"Date de Bar-Mitsva", &f.bar_mitsva.hebraique.mois},
                       {"Date de Bar-Mitsva", &f.bar_mitsva.hebraique.annee},
                       {"Paracha", &f.bar_mitsva.paracha}});
    groupe("Date d'inhumation", f.inhumation);
    auto& p = f.prochain;
    c.insert(c.end(), {{"Prochain anniversaire", &p.jour_semaine},
                       {"Prochain anniversaire", &p.jour},
                       {"Prochain anniversaire", &p.mois},
                       {"Prochain anniversaire", &p.annee},
                       {"Prochain anniversaire", &p.jour_hebreu},
                       {"Prochain anniversaire", &p.mois_hebreu},
                       {"Prochain anniversaire", &p.annee_hebraique}});
    return c;
}

} // namespace

std::string texte_evenement(const std::vector<std::string>& lignes)
{
    std::string texte;
    for (const std::string& ligne : lignes) {
        texte += ligne;
        texte += ' ';
    }
    return texte;
}

Fiche partie_de_la_famille(Famille famille, const Fiche& fiche)
{
    Fiche partie;
    partie.date = fiche.date;
    partie.prochain = fiche.prochain;
    switch (famille) {
    case Famille::naissance:
        partie.correspondant = fiche.correspondant;
        partie.bar_mitsva = fiche.bar_mitsva;
        break;
    case Famille::deces:
        partie.defunt = fiche.defunt;
        partie.correspondant = fiche.correspondant;
        partie.inhumation = fiche.inhumation;
        break;
    case Famille::evenement:
        partie.texte_evenement = fiche.texte_evenement;
        break;
    }
    return partie;
}

std::vector<std::pair<std::string_view, const std::string*>> champs_de_la_fiche(const Fiche& fiche)
{
    return champs(fiche);
}

std::vector<std::pair<std::string_view, std::string*>> champs_de_la_fiche(Fiche& fiche)
{
    return champs(fiche);
}

} // namespace orvane::records
