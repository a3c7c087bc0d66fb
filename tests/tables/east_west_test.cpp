// The consistory's east-west tables: the six tables of a year and their
// pauses, the years from the file, the tables byte for byte, the twenty
// seconds between the centre of Paris and its ends in every time of every
// day, the Rav Rottenberg mode, the Tossefet question, and the refused
// settings of "config_ciop.txt".
#include "golden_file.h"
#include "platform/text_file.h"
#include "table_test_support.h"
#include "tables/east_west.h"

#include <gtest/gtest.h>

#include <charconv>
#include <map>

namespace orvane::tables
{
namespace
{

using namespace test;

/// What a run handed out, in order: each table and each pause.
struct Enregistreur {
    struct Table {
        TableEstOuest table;
        std::vector<std::string> lignes;
    };
    std::vector<Table> tables;
    std::vector<int> pauses;
    std::vector<std::string> evenements; // "5785 OM CENTRE", "pause 30", …
    std::vector<std::string> questions;
    ReponseTossefet reponse = ReponseTossefet::non;

    RappelsEstOuest rappels()
    {
        RappelsEstOuest r;
        r.table = [this](const TableEstOuest& t, const std::vector<std::string>& lignes) {
            tables.push_back({t, lignes});
            evenements.push_back(std::to_string(t.annee) + " " + std::string(t.code_opinion) + " " +
                                 std::string(t.position));
        };
        r.attente = [this](int secondes) {
            pauses.push_back(secondes);
            evenements.push_back("pause " + std::to_string(secondes));
        };
        r.question = [this](const QuestionTossefet& q) {
            questions.push_back(q.texte);
            return reponse;
        };
        return r;
    }
};

/// The cells of a line, between its tabs.
std::vector<std::string> cellules_de(std::string_view ligne)
{
    std::vector<std::string> c;
    std::size_t debut = 0;
    for (std::size_t tab = ligne.find('\t'); tab != std::string_view::npos;
         tab = ligne.find('\t', debut)) {
        c.emplace_back(ligne.substr(debut, tab - debut));
        debut = tab + 1;
    }
    c.emplace_back(ligne.substr(debut));
    return c;
}

config::FichierCles fichier_ciop(std::vector<std::string> lignes)
{
    return config::FichierCles{std::move(lignes)};
}

ReglagesCiop reglages_lus(const config::FichierCles& ciop, int annee)
{
    const LectureCiop l = lit_reglages_ciop(ciop, annee);
    EXPECT_TRUE(l.reglages.has_value()) << l.message;
    return l.reglages.value_or(ReglagesCiop{});
}

/// The run of `annee` with the delivered summer-time tables.
Enregistreur lance(const ReglagesCiop& ciop, int annee, zmanim::ZmanimSettings* reglages = nullptr,
                   ReponseTossefet reponse = ReponseTossefet::non,
                   ResultatEstOuest* resultat = nullptr)
{
    Enregistreur e;
    e.reponse = reponse;
    zmanim::ZmanimSettings defaut;
    zmanim::ZmanimSettings& r = reglages != nullptr ? *reglages : defaut;
    const EnvironnementTable env = environnement();
    const ResultatEstOuest res = calcule_est_ouest(ciop, annee, r, env, e.rappels());
    if (resultat != nullptr) {
        *resultat = res;
    }
    return e;
}

/// One table computed alone, seconds shown, in or out of the Rav
/// Rottenberg mode.
std::vector<std::string> table_seule(const TableEstOuest& t, bool mode_rav_rottenberg)
{
    zmanim::ZmanimSettings reglages;
    reglages.opinion_calcul = std::string(t.opinion);
    reglages.affiche_secondes = true;
    reglages.mode_rav_rottenberg = mode_rav_rottenberg;
    LignesEnMemoire lignes;
    const ResultatTable r = calcule_table(demande_est_ouest(t), reglages, environnement(), lignes);
    EXPECT_FALSE(r.refuse) << r.message;
    return lignes.lignes;
}

/// The run of 5785 from a file without keys, computed once for the tests
/// that read its tables.
const Enregistreur& annee_5785()
{
    static const Enregistreur e = lance(reglages_lus(fichier_ciop({}), 5785), 5785);
    return e;
}

TEST(EstOuest, SansFichierUneAnneeSixTablesEtSixPauses)
{
    const Enregistreur& e = annee_5785();
    const std::vector<std::string> attendus{
        "5785 OM CENTRE",   "pause 30", "5785 OM OUEST",   "pause 30", "5785 OM EST",   "pause 30",
        "5785 CIOP CENTRE", "pause 30", "5785 CIOP OUEST", "pause 30", "5785 CIOP EST", "pause 30"};
    EXPECT_EQ(e.evenements, attendus);
    EXPECT_EQ(e.pauses, std::vector<int>(6, 30));
    EXPECT_TRUE(e.questions.empty()); // the box holds the 18 minutes of Paris
}

TEST(EstOuest, LaLigneDuLieuPorteLesDeuxEtiquettes)
{
    const Enregistreur& e = annee_5785();
    ASSERT_EQ(e.tables.size(), 6u);
    EXPECT_EQ(e.tables[0].lignes.front(),
              "Paris (75)  (France)    Lat. : 48°52'N    Long. : 02°20'E    GMT :  +1      Année : "
              "5785        CENTRE      OM");
    EXPECT_TRUE(e.tables[1].lignes.front().ends_with("Long. : 02°15'E    GMT :  +1      Année : "
                                                     "5785        OUEST      OM"));
    EXPECT_TRUE(e.tables[5].lignes.front().ends_with("Long. : 02°25'E    GMT :  +1      Année : "
                                                     "5785        EST      CIOP"));
    for (const Enregistreur::Table& t : e.tables) {
        EXPECT_EQ(t.lignes[1], "L'heure d'été est prise en compte dans ce tableau");
    }
}

TEST(EstOuest, DuPremierTichriAuVingtNeufEloulAvecLesSecondes)
{
    // 5785 runs from Thursday 3 October 2024 (1 Tichri) to Monday 22
    // September 2025 (29 Eloul): 355 days, one row each after the four
    // header lines.
    const DemandeTable d = demande_est_ouest(tables_de_l_annee(5785).front());
    EXPECT_EQ(d.debut, engine::DateCivile(2024, 10, 3));
    EXPECT_EQ(d.fin, engine::DateCivile(2025, 9, 22));
    for (const Enregistreur::Table& t : annee_5785().tables) {
        ASSERT_EQ(t.lignes.size(), 4u + 355u);
        EXPECT_TRUE(t.lignes[4].starts_with("J 01Ti03Oc ")) << t.lignes[4];
        EXPECT_TRUE(t.lignes.back().starts_with("L 29El22Se ")) << t.lignes.back();
        // Every cell of a row has its seconds: hh:mm:ss.
        const std::vector<std::string> cellules = cellules_de(t.lignes[4]);
        ASSERT_GT(cellules.size(), 2u);
        EXPECT_EQ(cellules[1].size(), 8u) << cellules[1];
        EXPECT_EQ(cellules[1][5], ':');
    }
}

TEST(EstOuest, LesSixTablesDe5785OctetPourOctet)
{
    for (const Enregistreur::Table& t : annee_5785().tables) {
        orvane::test::compare_au_golden(platform::windows1252_file_bytes(t.lignes, "table"),
                                        dossier_golden, nom_fichier_est_ouest(t.table));
    }
}

/// Seconds of a "hh:mm:ss" cell, or nothing when the cell is no time. An
/// entry after the exit of the day before ("après 20:11:11") is a time too.
std::optional<int> secondes(std::string_view cellule)
{
    if (cellule.starts_with("après ")) {
        cellule.remove_prefix(std::string_view("après ").size());
    }
    if (cellule.size() != 8 || cellule[2] != ':' || cellule[5] != ':') {
        return std::nullopt;
    }
    const auto nombre = [&](std::size_t debut) {
        int v = -1;
        std::from_chars(cellule.data() + debut, cellule.data() + debut + 2, v);
        return v;
    };
    const int h = nombre(0), m = nombre(3), s = nombre(6);
    if (h < 0 || m < 0 || s < 0) {
        return std::nullopt;
    }
    return h * 3600 + m * 60 + s;
}

/// The difference a − b in seconds, brought within half a day (a time just
/// past midnight against one just before).
int ecart(int a, int b)
{
    int e = a - b;
    while (e > 43200) {
        e -= 86400;
    }
    while (e < -43200) {
        e += 86400;
    }
    return e;
}

TEST(EstOuest, LEstVingtSecondesAvantLeCentreLOuestVingtApres)
{
    // Five minutes of arc are a seventy-second part of the day's turn: 20
    // seconds. Every time of the day of every row, in both opinions, is
    // 20 ± 1 s earlier in the east and later in the west; the lengths of
    // the seasonal hours are no times and stay out.
    const auto& t = annee_5785().tables;
    ASSERT_EQ(t.size(), 6u);
    int comparees = 0;
    for (std::size_t avis = 0; avis < 2; ++avis) {
        const auto& centre = t[3 * avis].lignes;
        const auto& ouest = t[3 * avis + 1].lignes;
        const auto& est = t[3 * avis + 2].lignes;
        ASSERT_EQ(centre.size(), ouest.size());
        ASSERT_EQ(centre.size(), est.size());
        const std::vector<std::string> titres = cellules_de(centre[3]);
        for (std::size_t ligne = 4; ligne < centre.size(); ++ligne) {
            const auto c = cellules_de(centre[ligne]);
            const auto o = cellules_de(ouest[ligne]);
            const auto e = cellules_de(est[ligne]);
            ASSERT_EQ(c.size(), titres.size()) << centre[ligne];
            ASSERT_EQ(o.size(), c.size());
            ASSERT_EQ(e.size(), c.size());
            EXPECT_EQ(c[0], o[0]);
            EXPECT_EQ(c[0], e[0]);
            for (std::size_t col = 1; col < c.size(); ++col) {
                if (titres[col] == "L-C/12" || titres[col] == "A-N/12") {
                    // The same hour at both ends, within the rounding.
                    EXPECT_NEAR(*secondes(c[col]), *secondes(o[col]), 1);
                    EXPECT_NEAR(*secondes(c[col]), *secondes(e[col]), 1);
                    continue;
                }
                const auto sc = secondes(c[col]), so = secondes(o[col]), se = secondes(e[col]);
                ASSERT_TRUE(sc && so && se) << centre[ligne] << " / " << titres[col];
                EXPECT_NEAR(ecart(*sc, *se), 20, 1) << centre[ligne] << " / " << titres[col];
                EXPECT_NEAR(ecart(*so, *sc), 20, 1) << centre[ligne] << " / " << titres[col];
                ++comparees;
            }
        }
    }
    EXPECT_GT(comparees, 2 * 355 * 15);
}

TEST(EstOuest, TroisAnneesDepuis5785)
{
    ResultatEstOuest r;
    const Enregistreur e = lance(reglages_lus(fichier_ciop({"Nbr_annees_a_calculer_ciop 3"}), 5785),
                                 5785, nullptr, ReponseTossefet::non, &r);
    ASSERT_EQ(e.tables.size(), 18u);
    EXPECT_EQ(e.pauses.size(), 18u);
    EXPECT_EQ(r.tables, 18);
    EXPECT_EQ(r.derniere_annee, 5787); // the list shows the last year
    EXPECT_FALSE(r.refuse);
    for (std::size_t i = 0; i < e.tables.size(); ++i) {
        const Enregistreur::Table& t = e.tables[i];
        const int annee = 5785 + static_cast<int>(i / 6);
        EXPECT_EQ(t.table.annee, annee);
        // The year on the place line and the civil dates of 1 Tichri and 29 Eloul.
        EXPECT_NE(t.lignes.front().find("Année : " + std::to_string(annee)), std::string::npos);
        const DemandeTable d = demande_est_ouest(t.table);
        EXPECT_EQ(engine::hebraique_du_civil(d.debut), engine::DateHebraique(annee, 1, 1));
        EXPECT_EQ(engine::hebraique_du_civil(d.fin), engine::DateHebraique(annee, 13, 29));
        const long jours = engine::numero_du_civil(d.fin) - engine::numero_du_civil(d.debut) + 1;
        EXPECT_EQ(static_cast<long>(t.lignes.size()), 4 + jours);
    }
    // After the Rav Rottenberg tables of 5785 the "Or Méïr" tables of 5786
    // are those of a window that never was in the Rav Rottenberg mode.
    for (std::size_t i = 6; i < 9; ++i) {
        EXPECT_EQ(e.tables[i].lignes, table_seule(e.tables[i].table, false));
    }
}

TEST(EstOuest, LeModeRavRottenbergEstLeveALaFin)
{
    zmanim::ZmanimSettings reglages;
    reglages.mode_rav_rottenberg = true;
    ReglagesCiop ciop;
    ciop.pause = 0;
    const Enregistreur e = lance(ciop, 5786, &reglages);
    EXPECT_EQ(e.tables.size(), 6u);
    EXPECT_FALSE(reglages.mode_rav_rottenberg);
    EXPECT_TRUE(reglages.affiche_secondes);
    EXPECT_EQ(reglages.opinion_calcul, "Rav Rottenberg"); // the window stays on it
    EXPECT_EQ(e.pauses, std::vector<int>(6, 0));
    // The mode is on for the Rav Rottenberg tables, and the mode the caller
    // left on does not reach the "Or Méïr" tables.
    for (const Enregistreur::Table& t : e.tables) {
        const bool rr = t.table.opinion == "Rav Rottenberg";
        EXPECT_EQ(t.lignes, table_seule(t.table, rr)) << nom_fichier_est_ouest(t.table);
    }
    const TableEstOuest om = e.tables[0].table;
    EXPECT_NE(table_seule(om, true), table_seule(om, false)); // the mode changes the dawn
}

TEST(EstOuest, LaQuestionDeLaTossefetEtSonAnnulation)
{
    zmanim::ZmanimSettings reglages;
    reglages.tossefet = 15;
    ResultatEstOuest r;
    const Enregistreur annule =
        lance(ReglagesCiop{}, 5785, &reglages, ReponseTossefet::annuler, &r);
    EXPECT_TRUE(r.annule);
    EXPECT_EQ(r.tables, 0);
    EXPECT_TRUE(annule.tables.empty());
    EXPECT_TRUE(annule.pauses.empty());
    ASSERT_EQ(annule.questions.size(), 1u);
    EXPECT_TRUE(annule.questions[0].starts_with("L'entrée de Chabbat est de 18 minutes"));

    // Yes takes the 18 minutes: no more question after the first table.
    const Enregistreur oui = lance(ReglagesCiop{}, 5785, &reglages, ReponseTossefet::oui);
    EXPECT_EQ(oui.tables.size(), 6u);
    EXPECT_EQ(oui.questions.size(), 1u);
    EXPECT_EQ(reglages.tossefet, 18);
    EXPECT_EQ(oui.tables[0].lignes, annee_5785().tables[0].lignes);
}

TEST(EstOuest, UneTableALaFoisPourLaFenetre)
{
    zmanim::ZmanimSettings reglages;
    Enregistreur e;
    RappelsEstOuest rappels = e.rappels();
    rappels.attente = nullptr; // the window waits with its timer
    const EnvironnementTable env = environnement();
    CalculEstOuest calcul(ReglagesCiop{1, 45}, 5785, reglages, env, rappels);
    EXPECT_EQ(calcul.pause(), 45);
    int tables = 0;
    while (!calcul.termine()) {
        ASSERT_TRUE(calcul.table_suivante());
        ++tables;
        EXPECT_EQ(static_cast<int>(e.tables.size()), tables);
    }
    EXPECT_EQ(tables, 6);
    EXPECT_FALSE(calcul.table_suivante());
    EXPECT_EQ(calcul.resultat().tables, 6);
    EXPECT_EQ(e.tables[4].lignes, annee_5785().tables[4].lignes);
}

TEST(EstOuest, LesReglagesDuFichier)
{
    EXPECT_EQ(reglages_lus(fichier_ciop({}), 5785).annees, 1);
    EXPECT_EQ(reglages_lus(fichier_ciop({}), 5785).pause, 30);
    const config::FichierCles f = fichier_ciop(
        {"Nbr_annees_a_calculer_ciop 4", "Calculs_horaires_est_ouest_secondes_ciop 12"});
    EXPECT_EQ(reglages_lus(f, 5785).annees, 4);
    EXPECT_EQ(reglages_lus(f, 5785).pause, 12);
    // Empty values take the defaults; the bounds are accepted.
    const config::FichierCles vides =
        fichier_ciop({"Nbr_annees_a_calculer_ciop ", "Calculs_horaires_est_ouest_secondes_ciop"});
    EXPECT_EQ(reglages_lus(vides, 5785).annees, 1);
    EXPECT_EQ(reglages_lus(vides, 5785).pause, 30);
    EXPECT_EQ(
        reglages_lus(fichier_ciop({"Calculs_horaires_est_ouest_secondes_ciop 0"}), 5785).pause, 0);
    EXPECT_EQ(
        reglages_lus(fichier_ciop({"Calculs_horaires_est_ouest_secondes_ciop 3600"}), 5785).pause,
        3600);
    EXPECT_EQ(reglages_lus(fichier_ciop({"Nbr_annees_a_calculer_ciop 76"}), 5785).annees, 76);
}

/// The message of a refused file, checked to name the key and the file.
std::string refus(std::vector<std::string> lignes, int annee, std::string_view cle)
{
    const LectureCiop l = lit_reglages_ciop(fichier_ciop(std::move(lignes)), annee);
    EXPECT_FALSE(l.reglages.has_value());
    EXPECT_NE(l.message.find("« " + std::string(cle) + " »"), std::string::npos) << l.message;
    EXPECT_NE(l.message.find("« config_ciop.txt »"), std::string::npos) << l.message;
    return l.message;
}

TEST(EstOuest, LesValeursRefusees)
{
    const std::string_view annees = cle_annees_ciop, pause = cle_pause_ciop;
    // Not whole numbers: the conversion's message, nothing thrown.
    EXPECT_NE(refus({"Nbr_annees_a_calculer_ciop trois"}, 5785, annees)
                  .find("« trois » n'est pas un nombre entier valide"),
              std::string::npos);
    refus({"Nbr_annees_a_calculer_ciop 2.5"}, 5785, annees);
    refus({"Calculs_horaires_est_ouest_secondes_ciop 30s"}, 5785, pause);
    refus({"Calculs_horaires_est_ouest_secondes_ciop 99999999999"}, 5785, pause);
    // A pause outside 0 to 3600 seconds.
    EXPECT_NE(refus({"Calculs_horaires_est_ouest_secondes_ciop -1"}, 5785, pause)
                  .find("entre 0 et 3600 secondes"),
              std::string::npos);
    refus({"Calculs_horaires_est_ouest_secondes_ciop 3601"}, 5785, pause);
    // Years: at least one, and none past 5860, the last of the list.
    refus({"Nbr_annees_a_calculer_ciop 0"}, 5785, annees);
    refus({"Nbr_annees_a_calculer_ciop -2"}, 5785, annees);
    EXPECT_NE(refus({"Nbr_annees_a_calculer_ciop 77"}, 5785, annees).find("entre 1 et 76"),
              std::string::npos);
    EXPECT_NE(refus({"Nbr_annees_a_calculer_ciop 4"}, 5858, annees).find("5860"),
              std::string::npos);
    EXPECT_EQ(reglages_lus(fichier_ciop({"Nbr_annees_a_calculer_ciop 3"}), 5858).annees, 3);
}

TEST(EstOuest, LesAnneesHorsDeLaListe)
{
    EXPECT_FALSE(refus_des_annees(5750, 111).has_value());
    EXPECT_FALSE(refus_des_annees(5860, 1).has_value());
    EXPECT_TRUE(refus_des_annees(5860, 2).has_value());
    EXPECT_TRUE(refus_des_annees(5861, 1).has_value());
    EXPECT_TRUE(refus_des_annees(5749, 1).has_value());
    // The whole run refuses before any table or pause.
    ResultatEstOuest r;
    const Enregistreur e = lance(ReglagesCiop{3, 30}, 5859, nullptr, ReponseTossefet::non, &r);
    EXPECT_TRUE(r.refuse);
    EXPECT_NE(r.message.find("5860"), std::string::npos);
    EXPECT_TRUE(e.evenements.empty());
}

TEST(EstOuest, LeTexteDuBouton)
{
    EXPECT_EQ(texte_bouton_est_ouest(5785, fichier_ciop({})),
              "Calcul est-ouest-secondes pour ciop pour 5785  1 année(s)");
    EXPECT_EQ(texte_bouton_est_ouest(5786, fichier_ciop({"Nbr_annees_a_calculer_ciop 3"})),
              "Calcul est-ouest-secondes pour ciop pour 5786  3 année(s)");
}

TEST(EstOuest, LesNomsDesFichiers)
{
    std::map<std::string, int> noms;
    for (const TableEstOuest& t : tables_de_l_annee(5785)) {
        ++noms[nom_fichier_est_ouest(t)];
    }
    EXPECT_EQ(noms.size(), 6u);
    EXPECT_EQ(noms.count("est_ouest_5785_OM_CENTRE.txt"), 1u);
    EXPECT_EQ(noms.count("est_ouest_5785_CIOP_EST.txt"), 1u);
}

} // namespace
} // namespace orvane::tables
