// Records of the three families for the store tests, each different by its
// number k, their dates computed by the anniversary rules as the records
// window computes them.
#pragma once

#include "records/anniversaries.h"
#include "records/bar_mitsva.h"
#include "records/store/record.h"
#include "records/store/record_dates.h"

#include <string>

namespace orvane::records::test
{

/// Today in the tests: Thursday 3 October 2024, 1 Tichri 5785.
inline constexpr engine::DateCivile aujourdhui_des_tests{2024, 10, 3};

/// A civil date that differs with k, within 1930..2029.
inline engine::DateCivile date_numero(int k)
{
    return {1930 + k % 100, 1 + k % 12, 1 + (k * 7) % 28};
}

inline Coordonnees coordonnees_numero(int k)
{
    const std::string n = std::to_string(k);
    return {k % 2 ? "M." : "Mme",
            "Lévy-" + n,
            "Élie " + n,
            "Chez Cohen " + n,
            n,
            "rue de l'Église",
            "750" + std::to_string(k % 100),
            k % 3 ? "Paris" : "Besançon",
            "France",
            "01 23 45 67 " + n + " (soir)"};
}

/// The record `k` of `famille`, as the window would save it.
inline Fiche fiche_numero(Famille famille, int k)
{
    Fiche f;
    f.date = groupe_date(date_numero(k), k % 2 ? "N" : "J");
    const engine::DateHebraique h = *date_hebraique(f.date);
    f.prochain = groupe_prochain(
        prochains_anniversaires(h, aujourdhui_des_tests, 1, 1, famille).anniversaires.front());
    switch (famille) {
    case Famille::naissance:
        f.correspondant = coordonnees_numero(k);
        f.bar_mitsva =
            bar_mitsva_ecrite(calcule_bar_mitsva(h, k % 2 ? Sexe::garcon : Sexe::fille, true));
        break;
    case Famille::deces:
        f.defunt = {k % 2 ? "M." : "Mme", "Défunt " + std::to_string(k), "Prénom"};
        f.correspondant = coordonnees_numero(k);
        f.inhumation = groupe_date(engine::lendemain(date_numero(k)), "J");
        break;
    case Famille::evenement:
        f.texte_evenement =
            texte_evenement({"Mariage de la fille " + std::to_string(k), "à la synagogue"});
        break;
    }
    return f;
}

} // namespace orvane::records::test
