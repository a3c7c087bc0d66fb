// The zmanim window without widgets: the year boxes, "Cette année", the day
// choices that force the increment and the summer time, the month grids,
// and the refusal of the 'Hamets times with another increment than 1.
#include "tables/zmanim_controls.h"

#include <gtest/gtest.h>

namespace orvane::tables
{
namespace
{

TEST(ControlesHoraires, LesAnneesHebraiqueEtCivile)
{
    ControlesHoraires c;
    choisit_annee_hebraique(c, 5786);
    EXPECT_EQ(c.debut, engine::DateCivile(2025, 9, 23)); // 1 Tichri 5786
    EXPECT_EQ(c.fin, engine::DateCivile(2026, 9, 11));   // 29 Eloul 5786
    choisit_annee_hebraique(c, 5750);
    EXPECT_EQ(c.debut, engine::DateCivile(1989, 9, 30));
    choisit_annee_hebraique(c, 9999); // held to the list
    EXPECT_EQ(c.annee_hebraique, derniere_annee_hebraique);
    choisit_annee_civile(c, 2030);
    EXPECT_EQ(c.debut, engine::DateCivile(2030, 1, 1));
    EXPECT_EQ(c.fin, engine::DateCivile(2030, 12, 31));
    EXPECT_EQ(c.annee_hebraique, 5790);
    avance_annee(c, 1);
    EXPECT_EQ(c.debut.annee, 2031);
    c.parametres.annee_civile = false;
    EXPECT_EQ(texte_bouton_calcul(c), "Calcul année hébr.");
    cette_annee(c, {2026, 12, 10});
    EXPECT_EQ(c.annee_hebraique, 5787);
    EXPECT_EQ(c.debut, engine::DateCivile(2026, 9, 12));
    c.parametres.annee_civile = true;
    EXPECT_EQ(texte_bouton_calcul(c), "Calcul année civile");
    cette_annee(c, {2026, 12, 10});
    EXPECT_EQ(c.debut, engine::DateCivile(2026, 1, 1));
    EXPECT_EQ(c.annee_hebraique, 5786);
}

TEST(ControlesHoraires, LesChoixDeJours)
{
    ControlesHoraires c;
    c.increment = 5;
    choisit_filtre(c, FiltreJours::chabbat);
    EXPECT_EQ(c.increment, 1);
    EXPECT_TRUE(c.parametres.dates_ete);
    c.debut = {2027, 3, 5};
    c.parametres.annee_civile = false;
    choisit_filtre(c, FiltreJours::semaines);
    EXPECT_TRUE(c.parametres.annee_civile);
    EXPECT_EQ(c.debut, engine::DateCivile(2027, 1, 1));
    EXPECT_EQ(c.fin, engine::DateCivile(2027, 12, 31));
    coche_tous_les_moments(c, false);
    EXPECT_EQ(std::count(c.moments.begin(), c.moments.end(), true), 0);
}

TEST(ControlesHoraires, LaPreparationDuCalcul)
{
    ControlesHoraires c;
    c.increment = 7;
    c.hamets = true;
    PreparationHoraires p = prepare_horaires(c);
    ASSERT_TRUE(p.refus);
    EXPECT_EQ(*p.refus, "Erreur :\rChoisir un incrément de 1 pour pouvoir calculer les heures "
                        "du 'Hamets\rIci l'incrément est de 7.");
    c.hamets = false;
    c.grille = Grille::treize_mois;
    c.debut = {2025, 4, 10};
    p = prepare_horaires(c);
    EXPECT_FALSE(p.refus);
    EXPECT_EQ(p.demande.debut, engine::DateCivile(2025, 9, 1));
    EXPECT_EQ(p.demande.fin, engine::DateCivile(2026, 9, 30));
    EXPECT_EQ(p.demande.increment, 1);
    EXPECT_TRUE(marque_entrees_sorties(p.demande));
    c.grille = Grille::tableaux;
    c.moments[4] = false;
    c.parametres.opinion = "Beth Din (France)";
    c.parametres.tossefet = 20;
    p = prepare_horaires(c);
    EXPECT_FALSE(p.reglages.moments[4]);
    EXPECT_EQ(p.reglages.tossefet, 20);
    EXPECT_EQ(p.demande.opinion, "Beth Din (France)");
    EXPECT_EQ(p.demande.increment, 7);
    choisit_filtre(c, FiltreJours::semaines_en_colonnes);
    p = prepare_horaires(c);
    EXPECT_EQ(p.demande.mise_en_page, MiseEnPage::livre_rt);
    EXPECT_TRUE(p.demande.fetes);
    EXPECT_EQ(p.demande.increment, 1);
}

TEST(ControlesHoraires, LesModesDeSortie)
{
    EXPECT_EQ(texte_de_la_sortie(ModeSortie::page_ville, "PARIS (75)"), "Page Web pour PARIS (75)");
    EXPECT_EQ(texte_de_la_sortie(ModeSortie::toutes_latitudes, ""), "toutes latitudes");
    EXPECT_EQ(mise_en_page_de(ModeSortie::livre_rt), MiseEnPage::livre_rt);
    EXPECT_EQ(mise_en_page_de(ModeSortie::plaque), MiseEnPage::plaque_sans_chema);
    EXPECT_EQ(mise_en_page_de(ModeSortie::pages_liste), MiseEnPage::tableau);
}

} // namespace
} // namespace orvane::tables
