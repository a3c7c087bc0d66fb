// The lists of dates of the customs: new months, cemetery visits, forbidden
// visits and weddings, and the Bar-Mitsva ceremonies.

#include "engine/arithmetic.h"
#include "engine/dates.h"
#include "engine/month_grid_steps.h"
#include "engine/names.h"
#include "events/festivals/day_labels.h"
#include "events/lists/ceremony_reading.h"
#include "events/lists/date_lists.h"
#include "events/readings/bar_mitsva.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include "../golden_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <sstream>

namespace orvane::events
{
namespace
{

using engine::DateCivile;
using engine::DateHebraique;
using engine::NumeroJour;

const std::filesystem::path dossier_golden = ORVANE_SOURCE_DIR "/tests/events/golden/lists";

std::vector<std::string> lignes_commencant_par(const std::vector<std::string>& lignes,
                                               std::string_view debut)
{
    std::vector<std::string> r;
    std::copy_if(lignes.begin(), lignes.end(), std::back_inserter(r),
                 [&](const std::string& l) { return l.starts_with(debut); });
    return r;
}

bool contient(const std::vector<std::string>& lignes, std::string_view ligne)
{
    return std::find(lignes.begin(), lignes.end(), ligne) != lignes.end();
}

/// The number of a French civil month name, 0 for another word.
int numero_du_mois_civil(std::string_view nom)
{
    for (int m = 1; m <= 12; ++m) {
        if (engine::mois_civils[static_cast<std::size_t>(m)] == nom) {
            return m;
        }
    }
    return 0;
}

/// "3   Octobre   2024 ": the civil date at the end of a row, read back.
DateCivile date_civile_lue(std::string_view texte)
{
    std::istringstream flux{std::string(texte)};
    int jour = 0;
    std::string mois;
    int annee = 0;
    flux >> jour >> mois >> annee;
    return {annee, numero_du_mois_civil(mois), jour};
}

// --- New months ---------------------------------------------------------

/// One row of the new-month table read back by its columns.
struct RangeeNouveauMois {
    std::string libelle;
    int jour_semaine = 0;
    int jour_hebr = 0;
    std::string mois_hebr;
    int annee_hebr = 0;
    DateCivile civile;
};

std::optional<RangeeNouveauMois> lit_rangee(const std::string& l)
{
    // Margin 6, label 14, weekday 9, day 4, month 8, year 5, " --->  ": the
    // columns up to the civil month are plain ASCII.
    if (l.size() < 60 || l.compare(46, 7, " --->  ") != 0) {
        return std::nullopt;
    }
    RangeeNouveauMois r;
    r.libelle = platform::trim(l.substr(6, 14));
    const std::string jour = l.substr(20, 9);
    for (int j = 1; j <= 7; ++j) {
        if (engine::jours_semaine[static_cast<std::size_t>(j)] == jour) {
            r.jour_semaine = j;
        }
    }
    r.jour_hebr = std::stoi(l.substr(29, 4));
    r.mois_hebr = platform::trim(l.substr(33, 8));
    r.annee_hebr = std::stoi(l.substr(41, 5));
    r.civile = date_civile_lue(std::string_view(l).substr(53));
    return r;
}

TEST(NouveauxMois, Annee5785PourTousLesMois)
{
    const auto t = liste_roch_hodech({5785, 1, 1}, 0);
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[0], "      Roch Hodech de l'année 5785");
    EXPECT_EQ(t[1], "      ROCH-HACHANA  Jeudi    1   Tichri  5785  --->  3   Octobre   2024 ");
    EXPECT_EQ(t[2], "      ROCH-HACHANA  Vendredi 2   Tichri  5785  --->  4   Octobre   2024 ");
    EXPECT_EQ(t[3], "      HECHVAN       Vendredi 30  Tichri  5785  --->  1   Novembre  2024 ");
    EXPECT_EQ(t.back(), "");
    // 5785 is complete: day 30 of Tichri, Hechvan, Kislev, Chevat, Nissan,
    // Sivan and Av, and of no other month.
    std::vector<std::string> trente;
    for (const std::string& l : t) {
        if (const auto r = lit_rangee(l); r && r->jour_hebr == 30) {
            trente.push_back(r->mois_hebr);
        }
    }
    EXPECT_EQ(trente, (std::vector<std::string>{"Tichri", "Hechvan", "Kislev", "Chevat", "Nissan",
                                                "Sivan", "Av"}));
    // The table stops at 1 Eloul: next year's Roch-Hachana is not repeated.
    EXPECT_EQ(t[t.size() - 2],
              "      ELOUL         Lundi    1   Eloul   5785  --->  25  Août      2025 ");
    EXPECT_EQ(lignes_commencant_par(t, "      ROCH-HACHANA").size(), 2u);
}

TEST(NouveauxMois, UnSeulMois)
{
    // Adar II of a common year: the heading of the year alone.
    EXPECT_EQ(liste_roch_hodech({5785, 1, 1}, 7),
              (std::vector<std::string>{"      Roch Hodech de l'année 5785", ""}));
    // In a leap year Adar II follows the 30 days of Adar I.
    EXPECT_EQ(liste_roch_hodech({5784, 1, 1}, 7),
              (std::vector<std::string>{
                  "      Roch Hodech de l'année 5784",
                  "      ADAR II       Dimanche 30  Adar I  5784  --->  10  Mars      2024 ",
                  "      ADAR II       Lundi    1   Adar II 5784  --->  11  Mars      2024 ", ""}));
    EXPECT_EQ(liste_roch_hodech({5785, 1, 1}, 1).size(), 1u + 2u + 1u);
    // Nissan of a common year follows Adar's 29 days: one day.
    EXPECT_EQ(liste_roch_hodech({5785, 1, 1}, 8),
              (std::vector<std::string>{
                  "      Roch Hodech de l'année 5785",
                  "      NISSAN        Dimanche 1   Nissan  5785  --->  30  Mars      2025 ", ""}));
    // A month outside 0..13 writes no row.
    EXPECT_EQ(liste_roch_hodech({5785, 1, 1}, 14).size(), 2u);
    EXPECT_EQ(liste_roch_hodech({5785, 1, 1}, -1).size(), 2u);
}

TEST(NouveauxMois, UnMoisDonneLesRangeesDeLAnnee)
{
    for (int annee = 5760; annee < 5800; ++annee) {
        const auto tout = liste_roch_hodech({annee, 1, 1}, 0);
        std::size_t rangees = 0;
        for (int mois = 1; mois <= 13; ++mois) {
            const auto un = liste_roch_hodech({annee, 1, 1}, mois);
            ASSERT_GE(un.size(), 2u);
            EXPECT_EQ(un.front(), tout.front());
            for (std::size_t i = 1; i + 1 < un.size(); ++i) {
                // Eloul's rows are in the whole year; Tichri's are its first two.
                EXPECT_TRUE(contient(tout, un[i])) << annee << " " << mois << " " << un[i];
                ++rangees;
            }
        }
        EXPECT_EQ(rangees, tout.size() - 2) << annee;
    }
}

TEST(NouveauxMois, ChaqueMoisCommenceLeLendemainDuDernierJourDuPrecedent)
{
    const auto t = liste_roch_hodech({3860, 20000, 1}, 0);
    ASSERT_EQ(t[0], "      Roch Hodech pour les années 3860-13759");
    // The last 1st of a month, and the 30th after it (0: none yet).
    NumeroJour precedent_premier{0};
    NumeroJour trente{0};
    int annees = 0;
    int rangees = 0;
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (t[i].starts_with("      Roch Hodech de l'année ")) {
            ++annees;
            EXPECT_EQ(t[i], "      Roch Hodech de l'année " + std::to_string(3859 + annees));
            continue;
        }
        if (t[i].empty()) {
            continue;
        }
        const auto r = lit_rangee(t[i]);
        ASSERT_TRUE(r) << t[i];
        ++rangees;
        const NumeroJour n = engine::numero_du_civil(r->civile);
        ASSERT_EQ(r->jour_semaine, engine::jour_semaine(n)) << t[i];
        const DateHebraique h = engine::hebraique_du_civil(r->civile);
        ASSERT_EQ(h.jour, r->jour_hebr) << t[i];
        ASSERT_EQ(h.annee, r->annee_hebr) << t[i];
        ASSERT_EQ(platform::trim(
                      engine::nom_mois_hebreu(h.mois, engine::annee_hebr_embolismique(h.annee))),
                  r->mois_hebr)
            << t[i];
        if (r->jour_hebr == 2) {
            ASSERT_EQ(n - precedent_premier, 1) << t[i]; // the second day of Roch-Hachana
        } else if (r->jour_hebr == 30) {
            ASSERT_EQ(n - precedent_premier, 29) << t[i];
            trente = n;
        } else {
            ASSERT_EQ(r->jour_hebr, 1) << t[i];
            if (precedent_premier.valeur != 0) {
                // After 30 days the 1st follows the 30th; after 29 days, the
                // 1st of the month before by 29 days (also 1 Eloul to 1 Tichri).
                const bool apres_trente = trente.valeur != 0;
                ASSERT_EQ(n - precedent_premier, apres_trente ? 30 : 29) << t[i];
                if (apres_trente) {
                    ASSERT_EQ(n - trente, 1) << t[i];
                }
            }
            // The label names the month that begins.
            ASSERT_EQ(r->libelle,
                      h.mois == 1 ? std::string("ROCH-HACHANA") : platform::to_upper(r->mois_hebr))
                << t[i];
            precedent_premier = n;
            trente = NumeroJour{0};
        }
    }
    EXPECT_EQ(annees, 13759 - 3860 + 1);
    EXPECT_GT(rangees, annees * 19);
}

// --- Years asked -----------------------------------------------------------

std::size_t nombre_d_annees(const std::vector<std::string>& lignes, std::string_view titre)
{
    return lignes_commencant_par(lignes, titre).size();
}

TEST(AnneesDesListes, LesBouclesRestentDansLEre)
{
    const std::string_view rh = "      Roch Hodech de l'année ";
    EXPECT_TRUE(liste_roch_hodech({5785, 0, 1}, 0).empty());
    EXPECT_TRUE(liste_roch_hodech({5785, -3, 1}, 0).empty());
    EXPECT_TRUE(liste_visites({5785, 0, 1}).empty());
    EXPECT_TRUE(mariages_interdits({5785, INT_MIN, 1}).empty());
    EXPECT_TRUE(liste_roch_hodech({0, 5, 1}, 0).empty());
    EXPECT_TRUE(liste_roch_hodech({13760, 5, 1}, 0).empty());
    EXPECT_TRUE(liste_visites({-5, 1, 1}).empty());
    // The walk stops at the last year of the era, whatever the count.
    EXPECT_EQ(nombre_d_annees(liste_roch_hodech({13750, INT_MAX, 1}, 8), rh), 10u);
    EXPECT_EQ(nombre_d_annees(liste_roch_hodech({13750, INT_MAX, INT_MAX}, 8), rh), 1u);
    // An increment of 0 writes its year once; a negative one walks down to year 1.
    EXPECT_EQ(nombre_d_annees(liste_roch_hodech({5785, INT_MAX, 0}, 8), rh), 1u);
    EXPECT_EQ(nombre_d_annees(liste_roch_hodech({5, INT_MAX, -1}, 8), rh), 5u);
    EXPECT_EQ(nombre_d_annees(liste_visites({3, 1000, -1}),
                              "      Dates des visites au cimetière pour l'année "),
              3u);
    EXPECT_EQ(nombre_d_annees(mariages_interdits({13758, 1000, 1}),
                              "      Mariages interdits pour l'année "),
              2u);
    // The heading names the years written.
    EXPECT_EQ(liste_roch_hodech({13750, INT_MAX, 3}, 8)[0],
              "      Roch Hodech pour les années 13750-13759");
}

TEST(AnneesDesListes, PlusieursAnneesSontLesAnneesUneAUne)
{
    const DemandeListe d{5783, 4, 2};
    const auto compare = [&](auto table, std::string_view titre) {
        const std::vector<std::string> tout = table(d);
        ASSERT_FALSE(tout.empty());
        EXPECT_EQ(tout[0], "      " + std::string(titre) + "5783-5789");
        std::vector<std::string> une_a_une = {tout[0]};
        for (int annee = 5783; annee <= 5789; annee += 2) {
            for (const std::string& l : table(DemandeListe{annee, 1, 1})) {
                une_a_une.push_back(l);
            }
        }
        EXPECT_EQ(tout, une_a_une) << titre;
    };
    compare([](const DemandeListe& x) { return liste_roch_hodech(x, 0); },
            "Roch Hodech pour les années ");
    compare([](const DemandeListe& x) { return liste_roch_hodech(x, 3); },
            "Roch Hodech pour les années ");
    compare([](const DemandeListe& x) { return liste_visites(x); },
            "Dates des visites au cimetière pour les années ");
    compare([](const DemandeListe& x) { return mariages_interdits(x); },
            "Mariages interdits pour les années ");
}

// --- Cemetery visits ----------------------------------------------------------

/// A cemetery row read back: the label (36 characters), then the ASCII
/// columns weekday, day, month, year.
struct RangeeVisite {
    std::string libelle;
    std::string jour_semaine;
    int jour_hebr = 0;
    std::string mois_hebr;
    int annee_hebr = 0;
    DateCivile civile;
};

std::optional<RangeeVisite> lit_visite(const std::string& l)
{
    if (l.size() < 6) {
        return std::nullopt;
    }
    const std::string sans_marge = l.substr(6);
    const std::size_t apres_libelle = platform::byte_offset(sans_marge, 36);
    const std::string reste = sans_marge.substr(apres_libelle);
    if (reste.size() < 33 || reste.compare(27, 6, " ---> ") != 0) {
        return std::nullopt;
    }
    RangeeVisite r;
    r.libelle = platform::trim(sans_marge.substr(0, apres_libelle));
    r.jour_semaine = platform::trim(reste.substr(0, 9));
    r.jour_hebr = std::stoi(reste.substr(9, 4));
    r.mois_hebr = platform::trim(reste.substr(13, 9));
    r.annee_hebr = std::stoi(reste.substr(22, 5));
    r.civile = date_civile_lue(std::string_view(reste).substr(33));
    return r;
}

std::vector<RangeeVisite> visites_de(int annee)
{
    std::vector<RangeeVisite> r;
    for (const std::string& l : liste_visites({annee, 1, 1})) {
        if (const auto v = lit_visite(l)) {
            r.push_back(*v);
        }
    }
    return r;
}

TEST(Visites, Annee5785)
{
    const auto t = liste_visites({5785, 1, 1});
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[0], "");
    EXPECT_EQ(t[1], "      Dates des visites au cimetière pour l'année 5785");
    EXPECT_EQ(t[2],
              "      Veille de Roch-Hachana 5785         Mercredi 29  Eloul    5784  ---> 2   "
              "Octobre   2024 ");
    EXPECT_TRUE(contient(t, "      Veille de Roch-Hodech Tevet         Lundi    29  Kislev   5785 "
                            " ---> 30  Décembre  2024  Pas de visite au cimetière"));
    EXPECT_TRUE(contient(t, "      Tout le mois de Nissan pas de visite au cimetière"));
    EXPECT_TRUE(contient(t, "      Jeûne d'Esther                      Jeudi    13  Adar     5785 "
                            " ---> 13  Mars      2025 "));
    EXPECT_EQ(t.back(), "");
}

TEST(Visites, LaVeilleDuMoisEstAvanceeQuandLe29EstChabbat)
{
    int avances = 0;
    for (int annee = 5700; annee <= 5800; ++annee) {
        const auto v = visites_de(annee);
        // The eve of Roch-Hachana: 29 Eloul of the year before, the day
        // before 1 Tichri, whatever its weekday.
        ASSERT_FALSE(v.empty());
        EXPECT_EQ(v[0].libelle, "Veille de Roch-Hachana " + std::to_string(annee));
        EXPECT_EQ(v[0].jour_hebr, 29);
        EXPECT_EQ(v[0].mois_hebr, "Eloul");
        EXPECT_EQ(v[0].annee_hebr, annee - 1);
        EXPECT_EQ(engine::lendemain(v[0].civile), engine::civil_de_l_hebreu({annee, 1, 1}));
        // One eve for every new month of the year but Roch-Hachana.
        std::vector<std::string> mois_annonces;
        for (const RangeeVisite& r : v) {
            const bool avant_veille = r.libelle.starts_with("Avant-veille de Roch-Hodech ");
            if (!avant_veille && !r.libelle.starts_with("Veille de Roch-Hodech ")) {
                continue;
            }
            // The day written is the day of the date written.
            const DateHebraique h = engine::hebraique_du_civil(r.civile);
            ASSERT_EQ(h.jour, r.jour_hebr);
            const int w = engine::jour_semaine(r.civile);
            if (avant_veille) {
                ++avances;
                EXPECT_EQ(r.jour_hebr, 28);
                EXPECT_EQ(r.jour_semaine, "Vendredi");
                EXPECT_EQ(w, 6);
            } else {
                EXPECT_EQ(r.jour_hebr, 29);
                EXPECT_NE(w, 7);
            }
            const engine::MoisHebreu suivant = engine::mois_suivant({h.annee, h.mois});
            const std::string nom = platform::trim(engine::nom_mois_hebreu(
                suivant.mois, engine::annee_hebr_embolismique(suivant.annee)));
            EXPECT_TRUE(r.libelle.ends_with(" " + nom)) << r.libelle;
            mois_annonces.push_back(nom);
        }
        EXPECT_EQ(mois_annonces.size(), engine::annee_hebr_embolismique(annee) ? 12u : 11u)
            << annee;
    }
    EXPECT_GT(avances, 100);
}

TEST(Visites, JeunesRepoussesParLeChabbat)
{
    const auto date_de = [](int annee, std::string_view libelle) {
        for (const RangeeVisite& r : visites_de(annee)) {
            if (r.libelle == libelle) {
                return std::make_tuple(r.jour_semaine, r.jour_hebr, r.mois_hebr, r.civile);
            }
        }
        return std::make_tuple(std::string(), 0, std::string(), DateCivile());
    };
    // 13 Adar II 5784 is Chabbat: Esther's fast on Thursday 11 Adar II.
    EXPECT_EQ(
        date_de(5784, "Jeûne d'Esther"),
        std::make_tuple(std::string("Jeudi"), 11, std::string("Adar II"), DateCivile(2024, 3, 21)));
    // 17 Tamouz and 9 Av 5782 are Chabbatot: the fasts on Sunday.
    EXPECT_EQ(date_de(5782, "Jeûne du 17 Tamouz"),
              std::make_tuple(std::string("Dimanche"), 18, std::string("Tamouz"),
                              DateCivile(2022, 7, 17)));
    EXPECT_EQ(
        date_de(5782, "Jeûne du 9 Av"),
        std::make_tuple(std::string("Dimanche"), 10, std::string("Av"), DateCivile(2022, 8, 7)));
    // 9 Av 5785 is a Sunday itself.
    EXPECT_EQ(
        date_de(5785, "Jeûne du 9 Av"),
        std::make_tuple(std::string("Dimanche"), 9, std::string("Av"), DateCivile(2025, 8, 3)));
}

/// Weekday of a Hebrew date, by the free conversions.
int jour_semaine_hebreu(const DateHebraique& d)
{
    return engine::jour_semaine(engine::civil_de_l_hebreu(d));
}

TEST(Visites, LesFetesEtLesJeunesDeChaqueAnnee)
{
    for (int annee = 3860; annee <= 13759; annee += 37) {
        const int adar = engine::annee_hebr_embolismique(annee) ? 7 : 6;
        // The eve, or the Friday before when the eve is Chabbat; the fasts,
        // or the day they are put off to.
        const auto veille = [&](std::string_view fete, int mois, int jour) {
            return jour_semaine_hebreu({annee, mois, jour}) == 7
                       ? std::make_tuple("Avant-veille de " + std::string(fete), mois, jour - 1)
                       : std::make_tuple("Veille de " + std::string(fete), mois, jour);
        };
        const auto jeune = [&](std::string_view nom, int mois, int jour, int repousse) {
            return std::make_tuple(std::string(nom), mois,
                                   jour_semaine_hebreu({annee, mois, jour}) == 7 ? repousse : jour);
        };
        const std::vector<std::tuple<std::string, int, int>> attendu = {
            {"Veille de Kippour", 1, 9},
            {"Veille de Soukot", 1, 14},
            veille("'Hanouka", 3, 24),
            jeune("Jeûne du 10 Tévet", 4, 10, 10),
            jeune("Jeûne d'Esther", adar, 13, 11),
            veille("Chavou'ot", 10, 5),
            jeune("Jeûne du 17 Tamouz", 11, 17, 18),
            jeune("Jeûne du 9 Av", 12, 9, 10),
        };
        std::vector<std::tuple<std::string, int, int>> obtenu;
        for (const RangeeVisite& r : visites_de(annee)) {
            // No visit is ever written on Chabbat.
            EXPECT_NE(r.jour_semaine, "Chabbat") << annee << " " << r.libelle;
            if (r.libelle.find("Roch-Hodech") == std::string::npos &&
                !r.libelle.starts_with("Veille de Roch-Hachana")) {
                const DateHebraique h = engine::hebraique_du_civil(r.civile);
                EXPECT_EQ(h, DateHebraique(annee, h.mois, r.jour_hebr)) << r.libelle;
                obtenu.emplace_back(r.libelle, h.mois, h.jour);
            }
        }
        EXPECT_EQ(obtenu, attendu) << annee;
    }
}

// --- Forbidden visits and weddings -------------------------------------------

TEST(VisitesInterdites, TexteFixe)
{
    const auto t = visites_interdites();
    ASSERT_EQ(t.size(), 14u);
    EXPECT_EQ(t[0], "");
    EXPECT_EQ(t[1], "      Tous les Chabbatot.");
    EXPECT_EQ(t[6], "");
    EXPECT_EQ(t[9], "      On ne rendra pas avant la fête, car il est interdit à l'endeuillé de "
                    "quitter son lieu de séjour.");
    EXPECT_EQ(t[13], "      (Yalkout Yosseph - Bikour 'Holim Véavélout, ch.21.)");
}

TEST(MariagesInterdits, Annee5785)
{
    const auto t = mariages_interdits({5785, 1, 1});
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[0], "");
    EXPECT_EQ(t[1], "      Mariages interdits pour l'année 5785");
    EXPECT_EQ(t[2], "      Tous les Chabbatot.");
    EXPECT_EQ(t[3], "      Roch-Hachana            Jeudi    3   Octobre   2024  et Vendredi 4   "
                    "Octobre   2024 ");
    // 3 Tichri 5785 is Chabbat: the fast of Guedalia on Sunday 4 Tichri.
    EXPECT_EQ(t[4], "      Jeûne de Guédalia       Dimanche 6   Octobre   2024 ");
    EXPECT_TRUE(contient(t, "      Omer                    Mardi    29  Avril     2025  au Mardi  "
                            "  27  Mai       2025  à l'exception du 16 Mai, Lag Bomer "));
    EXPECT_TRUE(contient(t, "      Rite Séfarade :"));
    EXPECT_TRUE(contient(t, "      Période des 3 semaines  Dimanche 13  Juillet   2025  au "
                            "Dimanche 3   Août      2025 "));
}

TEST(MariagesInterdits, JeunesRepoussesParLeChabbat)
{
    // 13 Adar II 5784 is Chabbat: Thursday 11 Adar II, 21 March 2024.
    EXPECT_TRUE(contient(mariages_interdits({5784, 1, 1}),
                         "      Jeûne d'Esther          Jeudi    21  Mars      2024 "));
    // 17 Tamouz and 9 Av 5782 are Chabbatot: from Sunday 18 Tamouz to Sunday 10 Av.
    EXPECT_TRUE(contient(mariages_interdits({5782, 1, 1}),
                         "      Période des 3 semaines  Dimanche 17  Juillet   2022  au "
                         "Dimanche 7   Août      2022 "));
    // Every year has each row once, in the order of their last day.
    for (int annee = 3900; annee <= 13759; annee += 101) {
        std::vector<std::string> libelles;
        for (const std::string& l : mariages_interdits({annee, 1, 1})) {
            if (l.size() > 6) {
                libelles.push_back(platform::trim(platform::left(l.substr(6), 24)));
            }
        }
        EXPECT_EQ(libelles, (std::vector<std::string>{
                                "Mariages interdits pour",
                                "Tous les Chabbatot.",
                                "Roch-Hachana",
                                "Jeûne de Guédalia",
                                "Veille de Kippour",
                                "Kippour",
                                "Soukot",
                                "Jeûne du 10 Tévet",
                                "Jeûne d'Esther",
                                "Pessa'h",
                                "Rite Séfarade :",
                                "Omer",
                                "Rite Achkénaze :",
                                "Omer",
                                "Chavouot",
                                "Période des 3 semaines",
                            }))
            << annee;
    }
}

// --- Bar-Mitsva ceremonies -----------------------------------------------------

/// A civil year as written (no year 0: -1 is year 0) as a number.
int annee_astronomique(int ecrite)
{
    return ecrite < 0 ? ecrite + 1 : ecrite;
}

/// "Di 20 11 2011" read back, its weekday letters checked.
DateCivile date_courte_lue(std::istringstream& flux)
{
    std::string jour_semaine;
    int jour = 0;
    int mois = 0;
    int annee = 0;
    flux >> jour_semaine >> jour >> mois >> annee;
    const DateCivile d(annee_astronomique(annee), mois, jour);
    EXPECT_EQ(jour_semaine,
              platform::left(
                  engine::jours_semaine[static_cast<std::size_t>(engine::jour_semaine(d))], 2));
    return d;
}

struct LigneCeremonie {
    NumeroJour premiere;
    NumeroJour derniere;
    NumeroJour chabbat;
    DateHebraique chabbat_hebreu;
    std::string lecture;
};

/// The week lines of a table of one year, read back.
std::vector<LigneCeremonie> lignes_de_ceremonie(const std::vector<std::string>& table)
{
    std::vector<LigneCeremonie> lignes;
    for (const std::string& l : table) {
        if (!l.starts_with("  du ")) {
            continue;
        }
        std::istringstream flux(l.substr(5));
        LigneCeremonie c;
        std::string mot;
        c.premiere = engine::numero_du_civil(date_courte_lue(flux));
        flux >> mot;
        EXPECT_EQ(mot, "au");
        c.derniere = engine::numero_du_civil(date_courte_lue(flux));
        int jour = 0;
        int mois = 0;
        int annee = 0;
        flux >> mot >> jour >> mois >> annee;
        EXPECT_EQ(mot, "-->");
        const DateCivile chabbat(annee_astronomique(annee), mois, jour);
        c.chabbat = engine::numero_du_civil(chabbat);
        c.chabbat_hebreu = engine::hebraique_du_civil(chabbat);
        // " = 05 Tichri  5785  Haazinou Chouva": the reading after the year.
        const std::size_t apres = l.find("  ", l.find(" = ") + 14);
        c.lecture = apres == std::string::npos ? "" : l.substr(apres + 2);
        lignes.push_back(c);
    }
    return lignes;
}

NumeroJour chabbat_sur_ou_apres(NumeroJour n)
{
    while (engine::jour_semaine(n) != 7) {
        n = n + 1;
    }
    return n;
}

/// The Chabbat of the ceremony of a birth day, by the free conversions.
NumeroJour chabbat_de(NumeroJour naissance, bool fille)
{
    const DateHebraique h = engine::hebraique_du_civil(engine::civil_du_numero(naissance));
    return chabbat_sur_ou_apres(
        engine::numero_du_civil(engine::civil_de_l_hebreu(date_bar_mitsva(h, fille))));
}

void verifie_les_semaines(int annee, bool fille)
{
    const auto table = ceremonies_bar_mitsva(annee, 1, fille, true);
    const std::vector<LigneCeremonie> lignes = lignes_de_ceremonie(table);
    ASSERT_FALSE(lignes.empty()) << annee;
    const int naissance = annee - (fille ? 12 : 13);
    const NumeroJour debut = engine::numero_du_civil(engine::civil_de_l_hebreu({naissance, 1, 1}));
    const NumeroJour fin = engine::numero_du_civil(engine::civil_de_l_hebreu({naissance, 13, 29}));
    // From the first Chabbat of the year to the Chabbat of its last ceremony.
    EXPECT_EQ(lignes.front().chabbat, chabbat_sur_ou_apres(engine::numero_du_civil(
                                          engine::civil_de_l_hebreu({annee, 1, 1}))));
    EXPECT_EQ(lignes.back().chabbat, chabbat_sur_ou_apres(engine::numero_du_civil(
                                         engine::civil_de_l_hebreu({annee, 13, 29}))));
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneCeremonie& l = lignes[i];
        ASSERT_LE(l.premiere, l.derniere);
        ASSERT_EQ(engine::jour_semaine(l.chabbat), 7);
        // Every birth of the line has its ceremony in the week of the line.
        for (NumeroJour n = l.premiere; n <= l.derniere; ++n) {
            ASSERT_EQ(chabbat_de(n, fille), l.chabbat)
                << annee << (fille ? " fille " : " garçon ") << table[i + 5];
        }
        if (i > 0) {
            // In the order of the Chabbatot, never two lines for one birth.
            ASSERT_LE(lignes[i - 1].chabbat, l.chabbat) << table[i + 5];
            for (std::size_t j = 0; j < i; ++j) {
                ASSERT_TRUE(lignes[j].derniere < l.premiere || l.derniere < lignes[j].premiere)
                    << annee << " " << table[j + 5] << " / " << table[i + 5];
            }
        }
    }
    // Every birth of the year whose ceremonies the table gives is in a line.
    for (NumeroJour n = debut; n <= fin; ++n) {
        const auto dedans =
            std::count_if(lignes.begin(), lignes.end(), [n](const LigneCeremonie& l) {
                return l.premiere <= n && n <= l.derniere;
            });
        ASSERT_EQ(dedans, 1) << annee << (fille ? " fille " : " garçon ")
                             << engine::civil_du_numero(n);
    }
}

TEST(CeremoniesBarMitsva, ChaqueNaissanceDansUneSeuleSemaine)
{
    for (int annee = 5700; annee <= 5900; ++annee) {
        verifie_les_semaines(annee, false);
        verifie_les_semaines(annee, true);
    }
}

TEST(CeremoniesBarMitsva, AuxBornesDeLEre)
{
    verifie_les_semaines(14, false);
    verifie_les_semaines(13, true);
    verifie_les_semaines(13759, false);
    verifie_les_semaines(13759, true);
    // No births before year 1; no table after 13759, however many are asked.
    EXPECT_TRUE(ceremonies_bar_mitsva(13, 1, false, true).empty());
    EXPECT_TRUE(ceremonies_bar_mitsva(12, 1, true, true).empty());
    EXPECT_TRUE(ceremonies_bar_mitsva(5785, 0, false, true).empty());
    EXPECT_TRUE(ceremonies_bar_mitsva(5785, -1, false, true).empty());
    EXPECT_TRUE(ceremonies_bar_mitsva(13760, 5, false, true).empty());
    EXPECT_TRUE(ceremonies_bar_mitsva(INT_MIN, INT_MAX, false, true).empty());
    const auto tables = [](int annee, int n) {
        return lignes_commencant_par(ceremonies_bar_mitsva(annee, n, false, true), "   ANNEE ");
    };
    EXPECT_EQ(tables(13755, INT_MAX).size(), 5u);
    EXPECT_EQ(tables(10, 6), (std::vector<std::string>{"   ANNEE 14 = -3748 / -3747",
                                                       "   ANNEE 15 = -3747 / -3746"}));
}

TEST(CeremoniesBarMitsva, EnteteEtSemainesDe5785)
{
    const auto t = ceremonies_bar_mitsva(5785, 1, false, true);
    ASSERT_GT(t.size(), 7u);
    EXPECT_EQ(t[0], " ");
    EXPECT_EQ(t[1], "   ANNEE 5785 = 2024 / 2025");
    EXPECT_EQ(t[3], "         Dates de naissance                Chabbat de Bar-Mitsva        "
                    "Sidra-Paracha / Chabbat spécial");
    EXPECT_EQ(t[5], "  du Di 25 09 2011 au Ch 01 10 2011 -->  05 10 2024 = 03 Tichri  5785  "
                    "Haazinou Chouva");
    // The week of 29 Hechvan 5772 and the next do not overlap.
    EXPECT_TRUE(contient(t, "  du Di 20 11 2011 au Ch 26 11 2011 -->  30 11 2024 = 29 Hechvan 5785 "
                            " Toledot"));
    EXPECT_TRUE(contient(t, "  du Di 27 11 2011 au Ve 02 12 2011 -->  07 12 2024 = 06 Kislev  5785 "
                            " Vayètsé"));
    EXPECT_EQ(ceremonies_bar_mitsva(5785, 1, true, true)[3],
              "         Dates de naissance                Chabbat de Bat-Mitsva        "
              "Sidra-Paracha / Chabbat spécial");
    // Two tables are the two years one after the other.
    auto deux = ceremonies_bar_mitsva(5785, 1, false, true);
    for (const std::string& l : ceremonies_bar_mitsva(5786, 1, false, true)) {
        deux.push_back(l);
    }
    EXPECT_EQ(ceremonies_bar_mitsva(5785, 2, false, true), deux);
}

TEST(CeremoniesBarMitsva, TrenteKislevDeLAnneeDesCeremonies)
{
    // 5786 has 30 Kislev, 5773 has not: the births of 24 to 29 Kislev 5773
    // come of age from 24 to 29 Kislev 5786, in the week of 30 Kislev.
    EXPECT_TRUE(contient(ceremonies_bar_mitsva(5786, 1, false, true),
                         "  du Ch 08 12 2012 au Je 13 12 2012 -->  20 12 2025 = 30 Kislev  5786  "
                         "'Hanouka Mikets Roch Hodech"));
}

TEST(CeremoniesBarMitsva, DeuxAdarDeNaissanceDansUnSeulAdar)
{
    // Born in 5776 (leap), of age in 5789 (common): the births of 1-2 Adar I
    // and of 1-2 Adar II both come of age in the week of 2 Adar 5789.
    const auto t = ceremonies_bar_mitsva(5789, 1, false, true);
    const auto semaine = lignes_commencant_par(t, "  du ");
    const auto it = std::find_if(semaine.begin(), semaine.end(), [](const std::string& l) {
        return l.find("-->  17 02 2029 = 02 Adar    5789") != std::string::npos;
    });
    ASSERT_NE(it, semaine.end());
    EXPECT_EQ(*it, "  du Ve 05 02 2016 au Je 11 02 2016 -->  17 02 2029 = 02 Adar    5789  "
                   "Terouma");
    EXPECT_EQ(*(it + 1), "  du Ve 11 03 2016 au Ch 12 03 2016 -->  17 02 2029 = 02 Adar    5789  "
                         "Terouma");
}

TEST(CeremoniesBarMitsva, LectureDeLaDiasporaOuDIsrael)
{
    // 22 Nissan 5782 is Chabbat: the eighth day of Pessa'h in the Diaspora;
    // in Israel Pessa'h is over and the readings go on.
    const auto lecture = [](bool diaspora) {
        for (const LigneCeremonie& l :
             lignes_de_ceremonie(ceremonies_bar_mitsva(5782, 1, false, diaspora))) {
            if (l.chabbat == engine::numero_du_civil({2022, 4, 23})) {
                return l.lecture;
            }
        }
        return std::string("?");
    };
    EXPECT_EQ(lecture(true), "Pessa'h");
    EXPECT_EQ(lecture(false), "A'harè Mot");
}

TEST(LectureDeCeremonie, NettoyageDesLibelles)
{
    LibellesDuJour l;
    l.nom_fete = "Terouma*****";
    l.libelle_paracha = "************";
    l.nom_jour = "Roch-Hodech ";
    l.libelle_court = "Chekalim    ";
    EXPECT_EQ(lecture_de_ceremonie(l), "Terouma Roch Hodech Chekalim");
    l.nom_fete = "HolAmoed Pessa'h";
    l.libelle_paracha = "********";
    l.nom_jour = "Hol-Hamoed  ";
    l.libelle_court = "Omer 03 ";
    EXPECT_EQ(lecture_de_ceremonie(l), "Hol Hamoed Pessa'h Hol Hamoed");
    l.nom_fete = "C.Atseret S.Tora";
    l.nom_jour = "************";
    l.libelle_court = "Chabbat Chira";
    EXPECT_EQ(lecture_de_ceremonie(l), "Chemini Atseret Simha Torah Ch. Chira");
    // Cut to 40 characters, no blank left at the end.
    l.nom_fete = "Vayakhel****";
    l.libelle_paracha = "Pekoudé*****";
    l.nom_jour = "Roch-Hodech ";
    l.libelle_court = "Hahodech Chekalim Zakhor";
    const std::string t = lecture_de_ceremonie(l);
    EXPECT_EQ(platform::char_count(t), 40u) << t;
    EXPECT_EQ(t, "Vayakhel Pekoudé Roch Hodech Hahodech Ch");
    l.libelle_court = "Hahodech C Chekalim";
    EXPECT_EQ(lecture_de_ceremonie(l), "Vayakhel Pekoudé Roch Hodech Hahodech C");
}

// --- Golden files ----------------------------------------------------------------

void compare(const std::vector<std::string>& lignes, std::string_view nom)
{
    orvane::test::compare_au_golden(platform::windows1252_file_bytes(lignes, std::string(nom)),
                                    dossier_golden, nom);
}

TEST(ListesGolden, Annee5785OctetPourOctet)
{
    compare(liste_roch_hodech({5785, 1, 1}, 0), "roch_hodech_5785.txt");
    compare(liste_visites({5785, 1, 1}), "visites_5785.txt");
    compare(visites_interdites(), "visites_interdites.txt");
    compare(mariages_interdits({5785, 1, 1}), "mariages_5785.txt");
    compare(ceremonies_bar_mitsva(5785, 1, false, true), "bar_mitsva_5785.txt");
}

} // namespace
} // namespace orvane::events
