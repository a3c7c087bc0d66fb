// "Anniv. mois courant": the records whose next anniversary falls from
// today to the same day of the next month.

#include "engine/dates.h"
#include "records/tables/listing.h"
#include "records/tables/month_anniversaries.h"
#include "table_fixtures.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

using test::ajoute;
using test::Programme;

TEST(AnniversairesDuMois, LeMemeJourDuMoisSuivant)
{
    EXPECT_EQ(meme_jour_du_mois_suivant({2023, 1, 31}), (engine::DateCivile{2023, 2, 28}));
    EXPECT_EQ(meme_jour_du_mois_suivant({2024, 1, 31}), (engine::DateCivile{2024, 2, 29}));
    EXPECT_EQ(meme_jour_du_mois_suivant({1900, 1, 30}), (engine::DateCivile{1900, 2, 28}));
    EXPECT_EQ(meme_jour_du_mois_suivant({2000, 1, 29}), (engine::DateCivile{2000, 2, 29}));
    EXPECT_EQ(meme_jour_du_mois_suivant({2024, 3, 31}), (engine::DateCivile{2024, 4, 30}));
    EXPECT_EQ(meme_jour_du_mois_suivant({2024, 12, 31}), (engine::DateCivile{2025, 1, 31}));
    EXPECT_EQ(meme_jour_du_mois_suivant({2024, 2, 29}), (engine::DateCivile{2024, 3, 29}));
    EXPECT_EQ(meme_jour_du_mois_suivant({9999, 11, 30}), (engine::DateCivile{9999, 12, 30}));
    EXPECT_EQ(meme_jour_du_mois_suivant({9999, 12, 1}), (engine::DateCivile{9999, 12, 31}));
    EXPECT_EQ(meme_jour_du_mois_suivant({9999, 12, 31}), (engine::DateCivile{9999, 12, 31}));
    // Every day of 1990 to 2030: a real day of the next month, the same day
    // when that month has it, else its last day.
    for (engine::NumeroJour n = engine::numero_du_civil({1990, 1, 1});
         n <= engine::numero_du_civil({2030, 12, 31}); ++n) {
        const engine::DateCivile d = engine::civil_du_numero(n);
        const engine::DateCivile s = meme_jour_du_mois_suivant(d);
        ASSERT_EQ(s.mois, d.mois % 12 + 1) << d;
        ASSERT_EQ(s.annee, d.annee + (d.mois == 12 ? 1 : 0)) << d;
        const int longueur = engine::jours_du_mois_civil(s.annee, s.mois);
        ASSERT_EQ(s.jour, std::min(d.jour, longueur)) << d;
    }
}

/// The civil date of a birth 19 Hebrew years before the civil day `jour`
/// (the same place in the 19-year cycle, so the same months), whose
/// anniversary in the year of `jour` is `jour` itself.
engine::DateCivile naissance_fetee_le(engine::DateCivile jour)
{
    engine::DateHebraique h = engine::hebraique_du_civil(jour);
    h.annee -= 19;
    return engine::civil_de_l_hebreu(h);
}

// On 31 January 2024 the month runs to 29 February: a birth whose
// anniversary is today or 29 February is in, 1 March and yesterday (whose
// next anniversary is next year) are out; a night birth counts from the
// next Hebrew day.
TEST(AnniversairesDuMois, Le31Janvier)
{
    const engine::DateCivile aujourdhui{2024, 1, 31};
    Programme p;
    Table t = p.naissances();
    const auto ajoute_ne = [&](const char* nom, engine::DateCivile fete, const char* nuit) {
        engine::DateCivile ne = naissance_fetee_le(fete);
        if (std::string_view(nuit) == "N") {
            ne = engine::veille(ne);
        }
        ajoute(t, {{"NOM", nom}, {"NAI_CV_N", texte_de_date(ne)}, {"J_N", nuit}});
    };
    ajoute_ne("Aujourdhui", {2024, 1, 31}, "J");
    ajoute_ne("Hier", {2024, 1, 30}, "");
    ajoute_ne("Fin", {2024, 2, 29}, "");
    ajoute_ne("Mars", {2024, 3, 1}, "J");
    ajoute_ne("Nuit", {2024, 2, 10}, "N");
    ajoute(t, {{"NOM", "Sans date"}});
    EXPECT_EQ(prochain_anniversaire_de_la_fiche(t, 0, aujourdhui), aujourdhui);
    EXPECT_EQ(prochain_anniversaire_de_la_fiche(t, 4, aujourdhui),
              (engine::DateCivile{2024, 2, 10}));
    EXPECT_EQ(prochain_anniversaire_de_la_fiche(t, 5, aujourdhui), std::nullopt);
    ASSERT_GT(*prochain_anniversaire_de_la_fiche(t, 1, aujourdhui),
              (engine::DateCivile{2024, 12, 1}));

    const std::vector<std::size_t> choisies = anniversaires_du_mois(t, aujourdhui);
    EXPECT_EQ(choisies, (std::vector<std::size_t>{0, 2, 4}));
    t.selectionne(choisies);
    EXPECT_EQ(test::colonne(t, "NOM"), (std::vector<std::string>{"Aujourdhui", "Fin", "Nuit"}));
    EXPECT_EQ(libelle_fiches_selectionnees(t.nombre()), "3 fiches sélectionnées");
}

} // namespace
} // namespace orvane::records
