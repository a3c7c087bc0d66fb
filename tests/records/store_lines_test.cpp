// The two lines of a record in each family: their exact format, the round
// trip of every field through them, lines written by hand, and the fields
// typed with tabs, line breaks and other control characters.

#include "records/store/fields.h"
#include "records/store/lines.h"
#include "records/store/numbered_line.h"
#include "records/store/record_dates.h"
#include "store_fixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace orvane::records
{
namespace
{

constexpr std::array<Famille, 3> les_familles = {Famille::naissance, Famille::deces,
                                                 Famille::evenement};

GroupeDate date_ecrite(std::string jour_semaine, std::string jour, std::string mois,
                       std::string annee, std::string jn, std::string jh, std::string mh,
                       std::string ah)
{
    return {std::move(jour_semaine), std::move(jour), std::move(mois), std::move(annee),
            std::move(jn),           std::move(jh),   std::move(mh),   std::move(ah)};
}

// The next-anniversary group as groupe_anniversaire fills it: the weekday
// to 9 characters, the days to 3; the blanks of the filling are made single.
const GroupeAnniversaire prochain_5785{"Jeudi    ", "3  ",     "Octobre", "2024",
                                       "1  ",       "Tichri ", "5785"};

Fiche naissance_ecrite_a_la_main()
{
    Fiche f;
    f.correspondant = {"M.",    "Lévy",   "David",         "", "12", "rue de la Paix", "75002",
                       "Paris", "France", "01 42 00 00 00"};
    f.date = date_ecrite("Mercredi", "2", "10", "2024", "N", "1", "Tichri", "5785");
    f.bar_mitsva = {{"17", "Septembre", "2037"}, {"1", "Tichri", "5798"}, "Haazinou"};
    f.prochain = prochain_5785;
    return f;
}

TEST(LignesDeFiche, NaissanceAuFormatDesFichiers)
{
    const LignesFiche l = construit_lignes(Famille::naissance, naissance_ecrite_a_la_main());
    EXPECT_EQ(l.noms, "COR\tM.\tLévy\tDavid\tADR\t\t12\true de la Paix\t75002\tParis\tFrance\tOBS\t"
                      "01 42 00 00 00");
    EXPECT_EQ(l.dates,
              "NAIS\tMercredi\t2\t10\t2024\tN\t-->\t1\tTichri\t5785\tBAR\t17\tSeptembre\t2037"
              "\t-->\t1\tTichri\t5798\tPAR\tHaazinou\tANI\tJeudi \t3 \tOctobre\t2024\t-->"
              "\t1 \tTichri \t5785");
}

TEST(LignesDeFiche, DecesAuFormatDesFichiers)
{
    Fiche f;
    f.defunt = {"Mme", "Cohen", "Sarah"};
    f.correspondant = {"M.",          "Cohen", "Paul", "Chez Lévy", "3",
                       "avenue Foch", "69006", "Lyon", "France",    "04 78 00 00 00 Paul le fils"};
    f.date = date_ecrite("Jeudi", "5", "1", "2023", "J", "12", "Tevet", "5783");
    f.inhumation = date_ecrite("Dimanche", "8", "1", "2023", "N", "16", "Tevet", "5783");
    f.prochain = prochain_5785;
    const LignesFiche l = construit_lignes(Famille::deces, f);
    EXPECT_EQ(l.noms,
              "DC\tMme\tCohen\tSarah\tCOR\tM.\tCohen\tPaul\tADR\tChez Lévy\t3\tavenue Foch\t"
              "69006\tLyon\tFrance\tOBS\t04 78 00 00 00 Paul le fils");
    EXPECT_EQ(l.dates,
              "DC\tJeudi\t5\t1\t2023\tJ\t-->\t12\tTevet\t5783\tINH\tDimanche\t8\t1\t2023\tN"
              "\t-->\t16\tTevet\t5783\tANI\tJeudi \t3 \tOctobre\t2024\t-->\t1 \tTichri \t"
              "5785");
}

TEST(LignesDeFiche, EvenementAuFormatDesFichiers)
{
    Fiche f;
    f.texte_evenement = texte_evenement({"Mariage de Léa", "à la synagogue"});
    f.date = date_ecrite("Dimanche", "16", "6", "2024", "J", "10", "Sivan", "5784");
    f.prochain = prochain_5785;
    const LignesFiche l = construit_lignes(Famille::evenement, f);
    EXPECT_EQ(l.noms, "EVEN\tMariage de Léa à la synagogue ");
    EXPECT_EQ(l.dates, "EVEN\tDimanche\t16\t6\t2024\tJ\t-->\t10\tSivan\t5784\tANI\tJeudi \t3 \t"
                       "Octobre\t2024\t-->\t1 \tTichri \t5785");
}

// In the Bar-Mitsva dates the day, the month and the year are fields of
// their own; "Adar II" takes two.
TEST(LignesDeFiche, DateDeBarMitsvaEnAdarII)
{
    Fiche f = naissance_ecrite_a_la_main();
    f.bar_mitsva = {{"19", "Mars", "2030"}, {"14", "Adar II", "5790"}, "Tsav"};
    const LignesFiche l = construit_lignes(Famille::naissance, f);
    EXPECT_NE(l.dates.find("\tBAR\t19\tMars\t2030\t-->\t14\tAdar\tII\t5790\tPAR\tTsav\tANI\t"),
              std::string::npos)
        << l.dates;
    EXPECT_EQ(lit_lignes(Famille::naissance, l.noms, l.dates).bar_mitsva, f.bar_mitsva);
}

// A tab, a carriage return, a line feed or any other control character
// typed into a field becomes a blank: it could otherwise cut the line or
// move every field after it.
TEST(LignesDeFiche, CaracteresDeControleDevenusBlancs)
{
    Fiche f = naissance_ecrite_a_la_main();
    f.correspondant.nom = "Lévy\tCohen";
    f.correspondant.adresse = "12 rue\r\nde la Paix";
    f.correspondant.telephone_notes = "a\x01"
                                      "b\x7f"
                                      "c\u0085"
                                      "d\re";
    const LignesFiche l = construit_lignes(Famille::naissance, f);
    EXPECT_EQ(l.noms, "COR\tM.\tLévy Cohen\tDavid\tADR\t\t12\t12 rue de la Paix\t75002\tParis\t"
                      "France\tOBS\ta b c d e");
    EXPECT_EQ(l.noms.find_first_of("\r\n"), std::string::npos);
    const Fiche lue = lit_lignes(Famille::naissance, l.noms, l.dates);
    EXPECT_EQ(lue.correspondant.nom, "Lévy Cohen");
    EXPECT_EQ(lue.correspondant.adresse, "12 rue de la Paix");
}

TEST(LignesDeFiche, DoublesBlancsRendusSimples)
{
    EXPECT_EQ(champ_ecrit("rue  de    la Paix"), "rue de la Paix");
    EXPECT_EQ(champ_ecrit("  Paris  "), " Paris ");
    EXPECT_EQ(champ_ecrit("\t\t"), " ");
    EXPECT_EQ(champ_ecrit(""), "");
    EXPECT_EQ(mot_ecrit(" 1 7 "), "17");
}

// A name or a note that reads like a marker is not taken for one.
TEST(LignesDeFiche, ChampsQuiRessemblentAuxMarqueurs)
{
    for (const Famille famille : les_familles) {
        Fiche f = test::fiche_numero(famille, 7);
        f.defunt.nom = "COR";
        f.correspondant.nom = "ADR";
        f.correspondant.prenom = "OBS";
        f.correspondant.ville = "ANI";
        f.texte_evenement = "EVEN";
        f.date.jour_semaine = "-->";
        f.bar_mitsva.paracha = "ANI";
        f.bar_mitsva.hebraique.mois = "PAR -->";
        f.inhumation.jour_nuit = "INH";
        f.prochain.mois = "-->";
        const LignesFiche l = construit_lignes(famille, f);
        EXPECT_EQ(lit_lignes(famille, l.noms, l.dates), fiche_ecrite(famille, f));
    }
}

// Records of every family, as the window computes them: read back they are
// the same, and built again they give the same lines.
TEST(LignesDeFiche, AllerEtRetourDesFichesCalculees)
{
    for (const Famille famille : les_familles) {
        for (int k = 0; k < 300; ++k) {
            const Fiche f = test::fiche_numero(famille, k);
            const LignesFiche l = construit_lignes(famille, f);
            const Fiche lue = lit_lignes(famille, l.noms, l.dates);
            ASSERT_EQ(lue, fiche_ecrite(famille, f)) << k;
            ASSERT_EQ(construit_lignes(famille, lue), l) << k;
        }
    }
}

/// A field of random pieces: letters, accents, blanks, tabs, line breaks,
/// controls, markers.
std::string champ_au_hasard(std::mt19937& alea)
{
    static const std::array<std::string_view, 22> morceaux = {
        "",    "a",   "é",   " ",    "  ",   "\t",  "\r",  "\n",  "\x01", "\x7f", "\u0085",
        "COR", "ADR", "OBS", "EVEN", "NAIS", "BAR", "PAR", "ANI", "DC",   "INH",  "-->"};
    std::string champ;
    const int n = static_cast<int>(alea() % 5);
    for (int i = 0; i < n; ++i) {
        champ += morceaux[alea() % morceaux.size()];
    }
    return champ;
}

// Any record, whatever its fields hold, comes back from its lines as
// fiche_ecrite says.
TEST(LignesDeFiche, AllerEtRetourDeChampsQuelconques)
{
    std::mt19937 alea(20241003);
    for (int essai = 0; essai < 20000; ++essai) {
        Fiche f;
        for (const auto& [nom, champ] : champs_de_la_fiche(f)) {
            *champ = champ_au_hasard(alea);
        }
        const Famille famille = les_familles[static_cast<std::size_t>(essai % 3)];
        const LignesFiche l = construit_lignes(famille, f);
        ASSERT_EQ(lit_lignes(famille, l.noms, l.dates), fiche_ecrite(famille, f)) << essai;
        ASSERT_EQ(l.noms.find_first_of("\r\n"), std::string::npos);
        ASSERT_EQ(l.dates.find_first_of("\r\n"), std::string::npos);
    }
}

// Lines of any content are read without harm, and what is built from them
// is built again the same.
TEST(LignesDeFiche, LignesQuelconquesLuesPuisReconstruites)
{
    std::mt19937 alea(5785);
    for (int essai = 0; essai < 20000; ++essai) {
        std::string noms;
        std::string dates;
        for (int i = static_cast<int>(alea() % 30); i > 0; --i) {
            noms += champ_au_hasard(alea) + "\t";
            dates += champ_au_hasard(alea) + "\t";
        }
        const Famille famille = les_familles[static_cast<std::size_t>(essai % 3)];
        const LignesFiche une_fois = construit_lignes(famille, lit_lignes(famille, noms, dates));
        const LignesFiche deux_fois =
            construit_lignes(famille, lit_lignes(famille, une_fois.noms, une_fois.dates));
        ASSERT_EQ(deux_fois, une_fois) << essai;
    }
}

// Lines typed by hand, with fields missing or added, are read by their
// markers.
TEST(LignesDeFiche, LignesEcritesALaMain)
{
    // No care-of, no number: the address group is shorter.
    Fiche f = lit_lignes(Famille::naissance,
                         "COR\tMme\tBenhamou\tRachel\tADR\t5 rue Haute\tNice\tOBS\tvoisine\t"
                         "06 00 00 00 00",
                         "NAIS\tLundi\t1\t1\t2001\tJ\t-->\t6\tTevet\t5761\tBAR\t18\tDécembre\t"
                         "2013\t-->\t6\tTevet\t5773\tPAR\tVayigach\tANI\t");
    EXPECT_EQ(f.correspondant.civilite, "Mme");
    EXPECT_EQ(f.correspondant.nom, "Benhamou");
    EXPECT_EQ(f.correspondant.chez, "5 rue Haute");
    EXPECT_EQ(f.correspondant.numero, "Nice");
    EXPECT_EQ(f.correspondant.ville, "");
    EXPECT_EQ(f.correspondant.telephone_notes, "voisine 06 00 00 00 00");
    EXPECT_EQ(f.date, date_ecrite("Lundi", "1", "1", "2001", "J", "6", "Tevet", "5761"));
    EXPECT_EQ(f.bar_mitsva.civile, (DateEnToutesLettres{"18", "Décembre", "2013"}));
    EXPECT_EQ(f.bar_mitsva.hebraique, (DateEnToutesLettres{"6", "Tevet", "5773"}));
    EXPECT_EQ(f.bar_mitsva.paracha, "Vayigach");
    EXPECT_EQ(f.prochain, GroupeAnniversaire{});

    // Without "BAR": the Bar-Mitsva is empty, the reading still found.
    f = lit_lignes(Famille::naissance, "",
                   "NAIS\tLundi\t1\t1\t2001\tJ\t-->\t6\tTevet\t5761\tPAR\tVayigach\tANI\tMardi\t7"
                   "\tJanvier\t2025\t-->\t7\tTevet\t5785");
    EXPECT_EQ(f.bar_mitsva.civile, DateEnToutesLettres{});
    EXPECT_EQ(f.bar_mitsva.paracha, "Vayigach");
    EXPECT_EQ(f.prochain.annee_hebraique, "5785");
    EXPECT_EQ(f.prochain.mois, "Janvier");

    // A date group without its arrow: the civil side only.
    f = lit_lignes(Famille::evenement, "EVEN\tBrit mila\tde Nathan",
                   "EVEN\tLundi\t1\t1\t2001\tN\tANI");
    EXPECT_EQ(f.texte_evenement, "Brit mila de Nathan");
    EXPECT_EQ(f.date, date_ecrite("Lundi", "1", "1", "2001", "N", "", "", ""));

    // Nothing recognisable: an empty record, no failure.
    EXPECT_EQ(lit_lignes(Famille::deces, "n'importe quoi", "\t\t-->"), Fiche{});
}

// A record without date is one whose main date group is empty; empty
// Bar-Mitsva fields (four tabs in a row further in the line) do not make
// one.
TEST(SansDate, SeulLeGroupeDeDatePrincipalCompte)
{
    Fiche f = naissance_ecrite_a_la_main();
    f.bar_mitsva = {};
    const LignesFiche l = construit_lignes(Famille::naissance, f);
    ASSERT_NE(l.dates.find("\t\t\t\t"), std::string::npos);
    EXPECT_FALSE(sans_date(Famille::naissance, l.dates));

    f.date = {};
    EXPECT_TRUE(sans_date(Famille::naissance, construit_lignes(Famille::naissance, f).dates));
    for (const Famille famille : les_familles) {
        Fiche vide = test::fiche_numero(famille, 3);
        EXPECT_FALSE(sans_date(famille, construit_lignes(famille, vide).dates));
        vide.date = {};
        vide.date.jour_semaine = "Lundi";
        vide.date.jour_nuit = "J";
        EXPECT_TRUE(sans_date(famille, construit_lignes(famille, vide).dates));
    }
    EXPECT_TRUE(sans_date(Famille::evenement, ""));
    EXPECT_TRUE(sans_date(Famille::evenement, " \t\t "));
    // Something the program did not write is never taken for empty.
    EXPECT_FALSE(sans_date(Famille::evenement, "note\t\t\t\t\t"));
    // Only the Hebrew date: still a date.
    f.date.annee_hebraique = "5785";
    EXPECT_FALSE(sans_date(Famille::naissance, construit_lignes(Famille::naissance, f).dates));
}

TEST(LigneNumerotee, NumeroPuisContenu)
{
    LigneNumerotee l = separe_numero("12\tCOR\tM.");
    EXPECT_EQ(l.numero, 12);
    EXPECT_EQ(l.contenu, "COR\tM.");
    l = separe_numero(" 7 \tEVEN");
    EXPECT_EQ(l.numero, 7);
    l = separe_numero("12");
    EXPECT_EQ(l.numero, 12);
    EXPECT_EQ(l.contenu, "");
    EXPECT_FALSE(separe_numero("COR\tM.").numero);
    EXPECT_FALSE(separe_numero("").numero);
    EXPECT_FALSE(separe_numero("1a\tx").numero);
    EXPECT_EQ(ligne_numerotee(5, "EVEN\tx"), "5\tEVEN\tx");
    EXPECT_TRUE(ligne_vide(" \t "));
    EXPECT_TRUE(ligne_vide(""));
    EXPECT_FALSE(ligne_vide("\t1"));
}

// The date fields that the window fills, and the dates read back from them.
TEST(DatesDeLaFiche, GroupeDateEtRegleDeLaNuit)
{
    // Wednesday 2 October 2024 is 29 Eloul 5784; after nightfall, 1 Tichri 5785.
    EXPECT_EQ(groupe_date({2024, 10, 2}, "N"),
              date_ecrite("Mercredi", "2", "10", "2024", "N", "1", "Tichri", "5785"));
    EXPECT_EQ(groupe_date({2024, 10, 2}, "J"),
              date_ecrite("Mercredi", "2", "10", "2024", "J", "29", "Eloul", "5784"));
    EXPECT_EQ(groupe_date({2024, 3, 10}, ""),
              date_ecrite("Dimanche", "10", "3", "2024", "", "30", "Adar I", "5784"));
    const GroupeDate g = groupe_date({2024, 3, 24}, "J");
    EXPECT_EQ(g.mois_hebreu, "Adar II");
    EXPECT_EQ(date_hebraique(g), (engine::DateHebraique{5784, 7, 14}));
    EXPECT_EQ(date_civile(g), (engine::DateCivile{2024, 3, 24}));
}

TEST(DatesDeLaFiche, MoisHebreuParSonNom)
{
    EXPECT_EQ(mois_hebreu_du_nom("Tichri"), 1);
    EXPECT_EQ(mois_hebreu_du_nom(" tichri "), 1);
    EXPECT_EQ(mois_hebreu_du_nom("Adar"), 6);
    EXPECT_EQ(mois_hebreu_du_nom("Adar I"), 6);
    EXPECT_EQ(mois_hebreu_du_nom("ADAR II"), 7);
    EXPECT_EQ(mois_hebreu_du_nom("Eloul"), 13);
    EXPECT_EQ(mois_hebreu_du_nom("8"), 8);
    EXPECT_FALSE(mois_hebreu_du_nom("14"));
    EXPECT_FALSE(mois_hebreu_du_nom("Octobre"));
    EXPECT_FALSE(mois_hebreu_du_nom(""));
    // Dates that do not exist are not read.
    EXPECT_FALSE(date_hebraique(date_ecrite("", "", "", "", "", "30", "Adar II", "5784")));
    EXPECT_FALSE(date_hebraique(date_ecrite("", "", "", "", "", "1", "Adar II", "5785")));
    EXPECT_FALSE(date_civile(date_ecrite("", "30", "2", "2024", "", "", "", "")));
    EXPECT_FALSE(date_civile(date_ecrite("", "1", "1", "99", "", "", "", "")));
}

// The next anniversary of a record computed again: from its Hebrew date,
// or from its civil date and flag when the Hebrew date cannot be read.
TEST(DatesDeLaFiche, ProchainAnniversaireRecalcule)
{
    Fiche f;
    f.date = groupe_date({2000, 10, 1}, "N"); // 3 Tichri 5761 after nightfall
    ASSERT_EQ(f.date.jour_hebreu, "3");
    ASSERT_TRUE(recalcule_prochain(Famille::evenement, f, test::aujourdhui_des_tests));
    // 3 Tichri 5785 is Saturday 5 October 2024.
    EXPECT_EQ(f.prochain, (GroupeAnniversaire{"Chabbat  ", "5  ", "Octobre", "2024", "3  ",
                                              "Tichri ", "5785"}));
    f.date.mois_hebreu = "?";
    f.prochain = {};
    ASSERT_TRUE(recalcule_prochain(Famille::evenement, f, test::aujourdhui_des_tests));
    EXPECT_EQ(f.prochain.jour, "5  ");
    f.date = {};
    f.prochain = {};
    EXPECT_FALSE(recalcule_prochain(Famille::evenement, f, test::aujourdhui_des_tests));
    EXPECT_EQ(f.prochain, GroupeAnniversaire{});
}

} // namespace
} // namespace orvane::records
