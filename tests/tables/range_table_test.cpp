// The zmanim table over a range of dates: the days each choice keeps, the
// rolling of months and years, the columns of each opinion and layout, the
// entry and exit cells, the hour shift, the refusals, and the polar days.
#include "table_test_support.h"
#include "tables/table_header.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::tables
{
namespace
{

using namespace test;

TEST(TableDesHoraires, FiltreChabbatAvecIncrementCinq)
{
    // The increment becomes 1 with any choice of days but "every day": the
    // four Sabbaths of January 2025 (4, 11, 18, 25).
    DemandeTable d = paris_janvier();
    d.filtre = FiltreJours::chabbat;
    d.increment = 5;
    const Rangees t = table_de(d);
    ASSERT_EQ(t.rangees.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.rangees[i].date, engine::DateCivile(2025, 1, 4 + 7 * static_cast<int>(i)));
        EXPECT_EQ(t.rangees[i].jour_semaine, 7);
    }
}

TEST(TableDesHoraires, LIncrementEtLeChangementDAnnee)
{
    // 1 March 2025 to 28 February 2026: every day once, February of its
    // real length, the year rolled over.
    DemandeTable d = paris_janvier();
    d.debut = {2025, 3, 1};
    d.fin = {2026, 2, 28};
    const Rangees t = table_de(d);
    ASSERT_EQ(t.rangees.size(), 365u);
    for (std::size_t i = 1; i < t.rangees.size(); ++i) {
        EXPECT_EQ(t.rangees[i].date, engine::lendemain(t.rangees[i - 1].date));
    }
    // Every 7 days: the dates step by seven across the month ends.
    d.increment = 7;
    const Rangees s = table_de(d);
    ASSERT_EQ(s.rangees.size(), 53u);
    EXPECT_EQ(s.rangees[4].date, engine::DateCivile(2025, 3, 29));
    EXPECT_EQ(s.rangees[5].date, engine::DateCivile(2025, 4, 5));
    // The Hebrew date of each row, stepped or converted, is the day's own.
    for (const Rangees* table : {&t, &s}) {
        for (const RangeeTable& r : table->rangees) {
            EXPECT_EQ(r.hebraique, engine::hebraique_du_civil(r.date)) << r.texte;
        }
    }
}

TEST(TableDesHoraires, VendrediEtChabbatPuisChabbatotEtFetes)
{
    DemandeTable d = paris_janvier();
    d.filtre = FiltreJours::vendredi_et_chabbat;
    EXPECT_EQ(table_de(d).rangees.size(), 9u); // 3, 4, 10, 11, 17, 18, 24, 25, 31
    // Tichri 5786 (23 September to 22 October 2025): Roch Hachana, Kippour,
    // the first two days and the last two of Soukot, and the Sabbaths.
    d.debut = {2025, 9, 23};
    d.fin = {2025, 10, 22};
    d.filtre = FiltreJours::chabbatot_et_fetes;
    const Rangees t = table_de(d);
    std::vector<int> jours;
    for (const RangeeTable& r : t.rangees) {
        jours.push_back(r.hebraique.jour);
        EXPECT_EQ(r.hebraique.mois, 1);
    }
    // 1, 2 Roch Hachana; 5, 12, 19, 26 Sabbaths; 10 Kippour; 15, 16, 22, 23.
    EXPECT_EQ(jours, (std::vector<int>{1, 2, 5, 10, 12, 15, 16, 19, 22, 23, 26}));
}

TEST(TableDesHoraires, ColonnesDuBureauDesLongitudes)
{
    DemandeTable d = paris_janvier();
    d.opinion = "Bureau des Longitudes";
    d.fin = d.debut;
    const Rangees t = table_de(d);
    std::vector<std::string_view> jetons;
    for (const ColonneAffichee& c : t.titres) {
        jetons.push_back(colonnes()[c.indice].jeton);
    }
    EXPECT_EQ(jetons,
              (std::vector<std::string_view>{"heureA", "heureT", "heureCVLV", "heureL", "heureH",
                                             "heureC", "heureTSE", "heureSOR", "heureN"}));
    EXPECT_EQ(t.titres.front().titre, "L Astro");
    EXPECT_EQ(t.titres.back().titre, "C Astro");
    // Its date label is cut to 11 characters, the weekday in three letters.
    ASSERT_EQ(t.rangees.size(), 1u);
    EXPECT_EQ(t.rangees[0].libelle, "Mer 01 Janv");
}

TEST(TableDesHoraires, ColonnesDesLivres)
{
    std::array<bool, 19> tout{};
    tout.fill(true);
    ChoixColonnes choix;
    const auto titres = [&] {
        std::vector<std::string> t;
        for (const ColonneAffichee& c : colonnes_affichees(tout, choix)) {
            t.push_back(c.titre);
        }
        return t;
    };
    // The table: the 19 moments, the stars with their angle.
    EXPECT_EQ(titres().size(), 19u);
    EXPECT_NE(std::find(titres().begin(), titres().end(), "Etoiles7.08"), titres().end());
    choix.mise_en_page = MiseEnPage::livre_rt;
    const std::vector<std::string> rt = titres();
    EXPECT_EQ(rt.size(), 22u); // + 72 min, Chéma72, the night of 72 minutes
    EXPECT_EQ(rt[2], "72 min");
    EXPECT_EQ(rt[rt.size() - 4], " Nuit");
    EXPECT_EQ(rt[rt.size() - 3], "nuit 16");
    choix.mise_en_page = MiseEnPage::plaque_chema;
    const std::vector<std::string> plaque = titres();
    EXPECT_EQ(plaque.size(), 20u); // + the evening-Chema stars, no 72-minute night
    EXPECT_EQ(std::count(plaque.begin(), plaque.end(), " Nuit"), 1);
}

TEST(TableDesHoraires, EntreesEtSortiesSeulementLesJoursQuiLesOnt)
{
    // With summer time date by date the entry shows on Fridays and festival
    // eves, the exit on Sabbaths and the last festival days.
    DemandeTable d = paris_janvier();
    d.ete_jour_par_jour = true;
    const Rangees t = table_de(d);
    const auto entree = std::find_if(t.titres.begin(), t.titres.end(),
                                     [](const auto& c) { return c.indice == colonne_entree; });
    const auto sortie = std::find_if(t.titres.begin(), t.titres.end(),
                                     [](const auto& c) { return c.indice == colonne_sortie; });
    ASSERT_NE(entree, t.titres.end());
    ASSERT_NE(sortie, t.titres.end());
    const auto ie = static_cast<std::size_t>(entree - t.titres.begin());
    const auto is = static_cast<std::size_t>(sortie - t.titres.begin());
    for (const RangeeTable& r : t.rangees) {
        EXPECT_EQ(r.cellules[ie] == " --.--", r.jour_semaine != 6) << r.texte;
        EXPECT_EQ(r.cellules[is] == " --.--", r.jour_semaine != 7) << r.texte;
        // The day letter leads the label with summer time applied.
        EXPECT_EQ(r.libelle.front(), r.jour_semaine == 7 ? 'C' : r.libelle.front());
    }
    // "Affiche toutes les entrées de Chab.": every day has its entry.
    d.toutes_entrees = true;
    for (const RangeeTable& r : table_de(d).rangees) {
        EXPECT_NE(r.cellules[ie], " --.--") << r.texte;
    }
}

TEST(TableDesHoraires, UneFeteQuiSuitLeChabbatSAllumeApresLaSortie)
{
    // Pessa'h 5785 begins on Saturday evening 12 April 2025, when the
    // Sabbath ends: its entry cell gives the exit time, after which the
    // candles are lit.
    DemandeTable d = paris_janvier();
    d.debut = d.fin = {2025, 4, 12};
    d.ete_jour_par_jour = true;
    const Rangees t = table_de(d);
    ASSERT_EQ(t.rangees.size(), 1u);
    const RangeeTable& r = t.rangees[0];
    EXPECT_TRUE(r.nature.entree_apres_sortie);
    EXPECT_NE(r.texte.find("après "), std::string::npos) << r.texte;
}

TEST(TableDesHoraires, DecalageDUneHeure)
{
    DemandeTable d = paris_janvier();
    zmanim::ZmanimSettings sans;
    zmanim::ZmanimSettings avec;
    avec.decalage_heures = 1;
    const Rangees a = table_de(d, nullptr, sans);
    const Rangees b = table_de(d, nullptr, avec);
    ASSERT_EQ(a.rangees.size(), b.rangees.size());
    for (std::size_t i = 0; i < a.rangees.size(); ++i) {
        const auto& ca = a.rangees[i].cellules;
        const auto& cb = b.rangees[i].cellules;
        ASSERT_EQ(ca.size(), cb.size());
        // Every clock time one hour later; the seasonal hours are lengths.
        for (std::size_t c = 0; c + 2 < ca.size(); ++c) {
            const int ha = std::stoi(ca[c].substr(1, 2));
            const int hb = std::stoi(cb[c].substr(1, 2));
            EXPECT_EQ((ha + 1) % 24, hb) << a.rangees[i].texte << " / " << b.rangees[i].texte;
            EXPECT_EQ(ca[c].substr(3), cb[c].substr(3));
        }
    }
    EXPECT_EQ(b.lignes[1], "Ces horaires sont augmentés de 1 heure(s) par rapport aux heures "
                           "d'hiver.");
    EXPECT_EQ(question_decalage(-1), "Vous avez choisi de diminuer \rles résultats de -1 "
                                     "heure(s).\rProbablement pour corriger l'heure d'été ou "
                                     "d'hiver\rEtes-vous d'accord ?");
}

TEST(TableDesHoraires, LesRefus)
{
    DemandeTable d = paris_janvier();
    d.fin = {2024, 12, 31};
    ResultatTable r;
    const Rangees t = table_de(d, &r);
    EXPECT_TRUE(r.refuse);
    EXPECT_EQ(r.message, "Ce calcul est impossible car la date de fin\rest inférieure à celle du "
                         "début");
    EXPECT_TRUE(t.rangees.empty());
    EXPECT_FALSE(t.lignes.empty()); // the header lines came before
    d = paris_janvier();
    d.lieu.longitude.clear();
    const Rangees u = table_de(d, &r);
    EXPECT_EQ(r.message, "Erreur :\rLes 3 paramètres longitude, latitude et gmt\rne sont pas "
                         "définis. Calcul impossible.");
    EXPECT_TRUE(u.lignes.empty());
}

TEST(TableDesHoraires, UnJourPolaireNeRepeteJamaisLaVeille)
{
    // Tromsø around the summer solstice: the sun does not set from late May
    // to late July; each such day gives the polar message, not a time.
    DemandeTable d = paris_janvier();
    d.lieu = {"TROMSO", "Norvège", "69°39'N", "18°57'E", "+1"};
    d.debut = {2025, 5, 10};
    d.fin = {2025, 6, 21};
    const Rangees t = table_de(d);
    ASSERT_EQ(t.rangees.size(), 43u);
    EXPECT_FALSE(t.rangees.front().polaire);
    EXPECT_TRUE(t.rangees.back().polaire);
    for (const RangeeTable& r : t.rangees) {
        if (r.polaire) {
            EXPECT_EQ(r.texte, r.libelle + std::string(11, ' ') +
                                   "Le soleil est toujours au-dessus de l'horizon");
            EXPECT_EQ(r.cellules[4], "dessus");
        } else {
            EXPECT_EQ(r.texte.find("soleil"), std::string::npos);
        }
    }
}

TEST(TableDesHoraires, NotesDeLHeureDEte)
{
    DemandeTable d = paris_janvier();
    EXPECT_FALSE(ete_d_une_table(d, environnement()));
    EXPECT_EQ(table_de(d).lignes[1], "L'heure d'été n'est pas prise en compte dans ce tableau. (En "
                                     "France, ajouter 1 heure en été)");
    d.ete_jour_par_jour = true;
    EXPECT_TRUE(ete_d_une_table(d, environnement()));
    EXPECT_EQ(table_de(d).lignes[1], "L'heure d'été est prise en compte dans ce tableau");
    // A country without a table: the note says so, as the times do.
    d.lieu = {"REYKJAVIK", "Islande", "64°08'N", "21°56'O", "+0"};
    EXPECT_FALSE(ete_d_une_table(d, environnement()));
    // The note follows the correction the times receive: the program's mode
    // of summer time all the year adds an hour to every day, winter time all
    // the year none, whatever the box.
    DemandeTable paris = paris_janvier();
    EnvironnementTable ete = environnement();
    ete.mode_ete = zmanim::ModeEte::ete_toute_annee;
    EXPECT_TRUE(ete_d_une_table(paris, ete));
    EnvironnementTable hiver = environnement();
    hiver.mode_ete = zmanim::ModeEte::hiver_toute_annee;
    hiver.mode_horaire = "les heures d'hiver toute l'année";
    paris.ete_jour_par_jour = true;
    EXPECT_FALSE(ete_d_une_table(paris, hiver));
    zmanim::ZmanimSettings reglages;
    Rangees t;
    ASSERT_FALSE(calcule_table(paris, reglages, hiver, t).refuse);
    EXPECT_EQ(t.lignes[1], "L'heure d'été n'est pas prise en compte dans ce tableau. (En France, "
                           "ajouter 1 heure en été)");
    EXPECT_EQ(avertissement_heure_ete(false, 0),
              "Attention ! L'heure d'été ne sera pas prise en compte dans les calculs");
}

TEST(TableDesHoraires, LigneDuLieuSelonLaMiseEnPage)
{
    DemandeTable d = paris_janvier();
    d.indique_avis = true;
    d.increment = 5;
    EXPECT_EQ(ligne_du_lieu(d),
              "PARIS (75)  (France)    Lat. : 48°52'N    Long. : 02°20'E    GMT : "
              "+1   Avis : Or Méïr   (Tous les 5 jours)");
    d.mise_en_page = MiseEnPage::livre;
    EXPECT_EQ(ligne_du_lieu(d), "PARIS (75) -    Latitude : 48°52'N   Longitude : 02°20'E   "
                                "G.M.T.+1");
    d.mise_en_page = MiseEnPage::plaque_chema;
    EXPECT_EQ(ligne_du_lieu(d), "PARIS (75)");
    d.mise_en_page = MiseEnPage::tableau;
    d.sortie = Sortie::web;
    d.lieu.ville = "A<B & C";
    EXPECT_NE(ligne_du_lieu(d).find("A&lt;B &amp; C"), std::string::npos);
}

TEST(TableDesHoraires, TitresEnLettresHebraiques)
{
    EXPECT_EQ(titre_hebreu_en_lettres("   twxj"), "חצות");
    EXPECT_EQ(titre_hebreu_en_lettres("  rjc"), "שחר");
    EXPECT_EQ(titre_hebreu_en_lettres("hmjh {n"), "נץ החמה");
    EXPECT_EQ(titre_hebreu_en_lettres("jh tuyqc"), "שקיעת הח");
    EXPECT_EQ(titre_hebreu_en_lettres("tbc .xm"), "מצ. שבת");
    EXPECT_EQ(titre_hebreu_en_lettres("1 hlypt"), "תפילה 1");
    // Every stored title reads as Hebrew letters, blanks, digits and points.
    for (const Colonne& c : colonnes()) {
        for (char ch : c.titre_hebreu) {
            EXPECT_TRUE(ch == ' ' || ch == '.' || (ch >= '0' && ch <= '9') ||
                        std::string_view("abgdhwzjfyklmnsupxqrct{").find(ch) !=
                            std::string_view::npos)
                << c.titre_hebreu;
        }
    }
}

} // namespace
} // namespace orvane::tables
