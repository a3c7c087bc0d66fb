// The year pages over whole ranges of years (every day once and in order,
// the readings of every Sabbath, the limit of the text area) and on the
// days that the calendar notes: seasons, the prayer for rain, the new
// year, the new moons, the fasts and the blessing of the moon.
#include "document_files.h"
#include "documents/calendar_day.h"
#include "documents/page_header.h"
#include "documents/year_page.h"
#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "events/festivals/names.h"
#include "platform/text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace orvane::documents
{
namespace
{

using namespace test;
using engine::DateCivile;
using engine::DateHebraique;

DemandeCalendrier demande(Sens sens, int annee, bool horaires = false)
{
    DemandeCalendrier d;
    d.sens = sens;
    d.annee = annee;
    d.mois_fin = sens == Sens::civil_hebreu ? 12 : 13;
    d.horaires = horaires;
    return d;
}

/// The page of one year for a file (no limit of the text area).
PageAnnee page(DemandeCalendrier d)
{
    d.cible = Cible::fichier;
    CompteurAffichage c;
    return construit_page_calendrier(d, d.annee, tables_livrees(), c);
}

bool est_ligne_de_jour(const std::string& l)
{
    return l.starts_with("  ") && platform::char_count(l) >= largeur_ligne_dates;
}

std::vector<std::string> lignes_de_jour(const std::vector<std::string>& lignes)
{
    std::vector<std::string> jours;
    std::copy_if(lignes.begin(), lignes.end(), std::back_inserter(jours), est_ligne_de_jour);
    return jours;
}

std::vector<std::string> lignes_de_jour(const PageAnnee& p)
{
    std::vector<std::string> jours;
    for (const MoisPage& m : p.mois) {
        const auto j = lignes_de_jour(m.lignes);
        jours.insert(jours.end(), j.begin(), j.end());
    }
    return jours;
}

/// The day line (after its two blanks) of a date, read from its columns.
struct DatesDeLaLigne {
    DateCivile civile;
    DateHebraique hebraique;
};

int mois_civil_de(const std::string& court)
{
    for (int m = 1; m <= 12; ++m) {
        if (platform::pad_right(platform::left(engine::mois_civils[m], 4), 4) == court) {
            return m;
        }
    }
    return 0;
}

int mois_hebreu_de(const std::string& nom, bool embolismique)
{
    for (int m = 1; m <= 13; ++m) {
        if (std::string(engine::nom_mois_hebreu(m, embolismique)) == nom) {
            return m;
        }
    }
    return 0;
}

DatesDeLaLigne dates_civil_hebreu(const std::string& ligne, bool embolismique)
{
    const std::string l = platform::mid(ligne, 2);
    const auto n = [&l](std::size_t pos, std::size_t lg) {
        return std::stoi(platform::mid(l, pos, lg));
    };
    return {{n(16, 5), mois_civil_de(platform::mid(l, 12, 4)), n(9, 2)},
            {n(82, 5), mois_hebreu_de(platform::mid(l, 75, 7), embolismique), n(72, 2)}};
}

DatesDeLaLigne dates_hebreu_civil(const std::string& ligne, bool embolismique)
{
    const std::string l = platform::mid(ligne, 2);
    const auto n = [&l](std::size_t pos, std::size_t lg) {
        return std::stoi(platform::mid(l, pos, lg));
    };
    return {{n(82, 5), mois_civil_de(platform::mid(l, 78, 4)), n(75, 2)},
            {n(19, 5), mois_hebreu_de(platform::mid(l, 12, 7), embolismique), n(9, 2)}};
}

bool embolismique(int annee_hebr)
{
    engine::CalendarEngine e;
    return e.teste_embolismique(annee_hebr);
}

// Every civil day from 1 January to 31 December has one line, in order,
// with its weekday and with the Hebrew date that the engine gives it; the
// year before and after the reform of 1582 included.
TEST(PageAnneeProprietes, ChaqueJourCivilUneFoisDansLOrdre)
{
    for (int annee : {1582, 1583, 1900, 2000, 2024, 2025, 2100}) {
        const std::vector<std::string> jours =
            lignes_de_jour(page(demande(Sens::civil_hebreu, annee)));
        DateCivile attendu{annee, 1, 1};
        for (const std::string& l : jours) {
            ASSERT_EQ(platform::char_count(l), 2 + largeur_ligne_dates + 1) << l;
            const DateHebraique h = engine::hebraique_du_civil(attendu);
            const DatesDeLaLigne lu = dates_civil_hebreu(l, embolismique(h.annee));
            ASSERT_EQ(lu.civile, attendu) << l;
            ASSERT_EQ(lu.hebraique, h) << l;
            ASSERT_EQ(platform::mid(l, 2, 9),
                      std::string(engine::jours_semaine[engine::jour_semaine(attendu)]))
                << l;
            attendu = engine::lendemain(attendu);
        }
        EXPECT_EQ(attendu, (DateCivile{annee + 1, 1, 1})) << annee;
    }
}

TEST(PageAnneeProprietes, ChaqueJourHebreuUneFoisDansLOrdre)
{
    for (int annee = 5740; annee <= 5800; ++annee) {
        const std::vector<std::string> jours =
            lignes_de_jour(page(demande(Sens::hebreu_civil, annee)));
        DateHebraique attendu{annee, 1, 1};
        for (const std::string& l : jours) {
            const DatesDeLaLigne lu = dates_hebreu_civil(l, embolismique(annee));
            ASSERT_EQ(lu.hebraique, attendu) << l;
            ASSERT_EQ(lu.civile, engine::civil_de_l_hebreu(attendu)) << l;
            attendu = engine::lendemain(attendu);
        }
        EXPECT_EQ(attendu, (DateHebraique{annee + 1, 1, 1})) << annee;
    }
}

/// The readings named in an export line: its items that are names of the
/// reading table, as their indexes 49..104.
std::vector<int> lectures_de(const std::string& ligne)
{
    std::vector<int> indices;
    for (std::size_t debut = 0; debut < ligne.size();) {
        std::size_t fin = ligne.find("    ", debut);
        const std::string item = platform::trim(ligne.substr(debut, fin - debut));
        for (int i = 51; i <= 101; ++i) {
            std::string nom(events::libelles_fetes[i]);
            nom.erase(std::remove(nom.begin(), nom.end(), '*'), nom.end());
            if (item == nom) {
                indices.push_back(i);
            }
        }
        if (fin == std::string::npos) {
            break;
        }
        debut = fin + 4;
    }
    return indices;
}

// From Berèchit to Nitsavim, every reading is read once a year, in order,
// alone or joined to the next one, on a Saturday; and a Saturday without a
// reading is a festival day. Diaspora and Israel, sixty years.
TEST(PageAnneeProprietes, ChaqueLectureUneFoisParAnneeEtDansLOrdre)
{
    for (bool diaspora : {true, false}) {
        for (int annee = 5740; annee <= 5800; ++annee) {
            DemandeCalendrier d = demande(Sens::hebreu_civil, annee);
            d.diaspora = diaspora;
            std::vector<int> lues;
            for (const std::string& l : page(d).export_lignes) {
                if (!l.starts_with("Cha\t")) {
                    continue;
                }
                const std::vector<int> ici = lectures_de(l);
                lues.insert(lues.end(), ici.begin(), ici.end());
            }
            std::vector<int> attendues;
            for (int i = 51; i <= 101; ++i) {
                attendues.push_back(i);
            }
            EXPECT_EQ(lues, attendues) << annee << (diaspora ? " Diaspora" : " Israël");
        }
    }
}

// Every Saturday line holds a reading, a festival or (in early Tichri)
// Haazinou or Vayèlekh: none is left without a name.
TEST(PageAnneeProprietes, ChaqueChabbatPorteUnNom)
{
    for (int annee = 2000; annee <= 2030; ++annee) {
        for (const std::string& l : lignes_de_jour(page(demande(Sens::civil_hebreu, annee)))) {
            if (platform::mid(l, 2, 7) == "Chabbat") {
                EXPECT_FALSE(platform::trim(platform::mid(l, 24, 32)).empty()) << l;
            }
        }
    }
}

// The text area stops after 450 day lines (533 in the Hebrew direction)
// over all the years of one request, and "cal_exl.txt" with it; a
// spreadsheet build exports every day.
TEST(PageAnneeProprietes, LimiteDeLaZoneDeTexte)
{
    for (int annee = 1990; annee <= 2030; ++annee) {
        DemandeCalendrier d = demande(Sens::civil_hebreu, annee);
        d.nombre_annees = 2;
        const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
        ASSERT_EQ(c.pages.size(), 2u);
        EXPECT_EQ(lignes_de_jour(c.memo).size(), 450u) << annee;
        EXPECT_FALSE(c.compteur.affiche);
        const int jours_1 = static_cast<int>(engine::numero_du_civil({annee + 1, 1, 1}) -
                                             engine::numero_du_civil({annee, 1, 1}));
        EXPECT_EQ(lignes_de_jour(c.pages[1].memo).size(), static_cast<std::size_t>(450 - jours_1));
        d.pour_tableur = true;
        const CalendrierSimplifie t = calendrier_simplifie(d, tables_livrees());
        const auto jours_exportes =
            std::count_if(t.pages[1].export_lignes.begin(), t.pages[1].export_lignes.end(),
                          [](const std::string& l) { return l.size() > 3 && l[3] == '\t'; });
        EXPECT_EQ(jours_exportes, engine::numero_du_civil({annee + 2, 1, 1}) -
                                      engine::numero_du_civil({annee + 1, 1, 1}))
            << annee;
        EXPECT_EQ(lignes_de_jour(t.memo).size(), 450u);
    }
    for (int annee = 5760; annee <= 5790; ++annee) {
        DemandeCalendrier d = demande(Sens::hebreu_civil, annee);
        d.nombre_annees = 2;
        EXPECT_EQ(lignes_de_jour(calendrier_simplifie(d, tables_livrees()).memo).size(), 533u);
    }
}

// The worked case: two civil years from 2025 stop on the 85th day of 2026.
TEST(PageAnneeExemples, DeuxAnneesSArretentAu26Mars2026)
{
    DemandeCalendrier d = demande(Sens::civil_hebreu, 2025);
    d.nombre_annees = 2;
    const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    const std::vector<std::string> jours = lignes_de_jour(c.memo);
    ASSERT_EQ(jours.size(), 450u);
    EXPECT_TRUE(jours.back().starts_with("  Jeudi    26 Mars 2026")) << jours.back();
    // The cut is said in the last line of the text area.
    EXPECT_EQ(c.memo.back(), avis_de_limite(450));
    EXPECT_EQ(
        c.memo.back(),
        "    *** Affichage arrêté après 450 jours (le calendrier entier : \"Fic ville\") ***");
    // The second year still has its header and its months; the export of
    // the second year stops with the text area.
    EXPECT_EQ(std::count(c.memo.begin(), c.memo.end(), "    " + std::string(50, '=')), 2);
    EXPECT_TRUE(c.pages[1].export_lignes.back().starts_with("Jeu\t26\t"))
        << c.pages[1].export_lignes.back();
    // A file page has no limit.
    d.cible = Cible::fichier;
    const CalendrierSimplifie f = calendrier_simplifie(d, tables_livrees());
    EXPECT_EQ(lignes_de_jour(f.pages[1]).size(), 365u);
}

std::string ligne_du(const PageAnnee& p, std::string_view debut)
{
    for (const std::string& l : lignes_de_jour(p)) {
        if (l.starts_with(debut)) {
            return l;
        }
    }
    return {};
}

std::string export_du(const PageAnnee& p, int mois_index, std::string_view debut)
{
    int mois = 0;
    for (const std::string& l : p.export_lignes) {
        mois += l.starts_with(" Calendrier de ") ? 1 : 0;
        if (mois == mois_index && l.starts_with(debut)) {
            return l;
        }
    }
    return {};
}

TEST(PageAnneeExemples, SaisonsEtPriereDeLaPluie)
{
    // 5785: the season of Tichri falls on Monday 7 October 2024 at 3 h; the
    // Diaspora prays for rain from the evening of 4 December 2024.
    const PageAnnee p = page(demande(Sens::civil_hebreu, 2024));
    EXPECT_EQ(platform::mid(ligne_du(p, "  Lundi     7 Octo 2024"), 57, 16), "TEK  3h  0mn    ");
    EXPECT_NE(export_du(p, 10, "Lun\t7\t").find("Tékoufa 3h0mn    "), std::string::npos);
    EXPECT_EQ(platform::mid(ligne_du(p, "  Mercredi  4 Déce 2024"), 57, 16), "Le soir,Guécham.");
    EXPECT_NE(export_du(p, 12, "Mer\t4\t").find("Le soir, Guéchamim    "), std::string::npos);
    EXPECT_EQ(platform::mid(ligne_du(p, "  Jeudi     5 Déce 2024"), 57, 16), std::string(16, '-'));
    // In Israel the prayer begins on the eve of 7 Hechvan (8 November 2024).
    DemandeCalendrier israel = demande(Sens::civil_hebreu, 2024);
    israel.diaspora = false;
    EXPECT_EQ(platform::mid(ligne_du(page(israel), "  Jeudi     7 Nove 2024"), 57, 16),
              "Le soir,Guécham.");
}

TEST(PageAnneeExemples, NouvelAnEtNouvellesLunes)
{
    const PageAnnee p = page(demande(Sens::civil_hebreu, 2025));
    const MoisPage& septembre = p.mois[8];
    const auto it =
        std::find(septembre.lignes.begin(), septembre.lignes.end(), "\t\t\t5786\t(Commune)");
    ASSERT_NE(it, septembre.lignes.end());
    EXPECT_TRUE((it + 1)->starts_with("  Mardi    23 Sept 2025 Roch-Hachana")) << *(it + 1);
    // Two days of Roch-Hodech: the 30th of Tichri and the 1st of Hechvan.
    EXPECT_NE(export_du(p, 10, "Mer\t22\t").find("Roch-Hodech 1er jour Hechvan    "),
              std::string::npos);
    EXPECT_NE(export_du(p, 10, "Jeu\t23\t").find("Roch-Hodech 2e jour Hechvan    "),
              std::string::npos);
    // One day: 1 Nissan after the 29 days of Adar.
    EXPECT_NE(export_du(p, 3, "Dim\t30\t").find("\tRoch-Hodech Nissan    \t1"), std::string::npos);
    // 1 Tichri is not a new moon.
    EXPECT_EQ(export_du(p, 9, "Mar\t23\t").find("Roch-Hodech"), std::string::npos);
}

TEST(PageAnneeExemples, LecturesJointesEtChabbatotSpeciaux)
{
    // 5785 in the Diaspora: Tazria-Metsora joined on 3 May 2025, with
    // exactly four blanks between the names in the export.
    const PageAnnee p = page(demande(Sens::civil_hebreu, 2025));
    EXPECT_NE(ligne_du(p, "  Chabbat   3 Mai  2025").find(" Tazria-Metsora Omer 20 "),
              std::string::npos);
    EXPECT_NE(export_du(p, 5, "Cha\t3\t").find("CHABBAT     Tazria    Metsora    Omer 20    "),
              std::string::npos);
    EXPECT_NE(ligne_du(p, "  Chabbat  22 Mars 2025").find(" Vayakhel Chabbat Para "),
              std::string::npos);
    EXPECT_NE(ligne_du(p, "  Chabbat   8 Mars 2025").find("Tetsavè Chabbat Zakhor"),
              std::string::npos);
    EXPECT_NE(ligne_du(p, "  Chabbat   8 Févr 2025").find("Bechala'h Chabbat Chira"),
              std::string::npos);
    // Without "Indique les Parachiyot" a Saturday has no reading.
    DemandeCalendrier sans = demande(Sens::civil_hebreu, 2025);
    sans.parachiot = false;
    EXPECT_EQ(platform::trim(platform::mid(ligne_du(p, "  Chabbat  26 Avri 2025"), 24, 32)),
              "Chemini Omer 13");
    EXPECT_EQ(
        platform::trim(platform::mid(ligne_du(page(sans), "  Chabbat  26 Avri 2025"), 24, 32)),
        "Omer 13");
}

TEST(PageAnneeExemples, HorairesDesJoursMarques)
{
    const PageAnnee p = page(demande(Sens::civil_hebreu, 2025, true));
    const auto horaires = [&p](std::string_view debut) {
        return platform::mid(ligne_du(p, debut), 2 + largeur_ligne_dates);
    };
    // Paris, Beth Din (France): the command line gives sunrise 08:44,
    // sunset 17:06, entry 16:48 on 3 January; exit 18:02 on 4 January.
    EXPECT_EQ(horaires("  Vendredi  3 Janv 2025"), " 08:44 17:06 E.Ch16:48 ");
    EXPECT_EQ(horaires("  Chabbat   4 Janv 2025"), " 08:44 17:07 S.Ch18:02 ");
    // 10 Tevet on a Friday: from dawn to the entry of the Sabbath.
    EXPECT_EQ(horaires("  Vendredi 10 Janv 2025"), " D.07:00 E.Ch16:57 ");
    EXPECT_NE(
        export_du(p, 1, "Ven\t10\t").find("Entrée Chabbat 16.57    Début du jeûne 07.00    \t"),
        std::string::npos);
    // Fast of Guedalia, then the eve and the day of Kippour.
    EXPECT_EQ(horaires("  Jeudi    25 Sept 2025"), " 07:42 D.06:07 F.20:20 ");
    EXPECT_EQ(horaires("  Mercredi  1 Octo 2025"), " 07:50 19:29 E.Ki19:11 ");
    EXPECT_EQ(horaires("  Jeudi     2 Octo 2025"), " 07:52 19:27 S.Ki20:14 ");
    // The second evening of Roch-Hachana is lit after the first day ends.
    const std::string rh1 = ligne_du(p, "  Mardi    23 Sept 2025");
    EXPECT_TRUE(rh1.ends_with(" E.RH20:33 ")) << rh1;
    EXPECT_NE(export_du(p, 9, "Mar\t23\t").find("\t20.33\t"), std::string::npos);
    // 9 Av 5785 is on Sunday 3 August (the 10th, after a Saturday 9th).
    EXPECT_TRUE(ligne_du(p, "  Dimanche  3 Août 2025").find(" F.") != std::string::npos);
    for (const std::string& l : lignes_de_jour(p)) {
        EXPECT_LE(platform::char_count(l), 2 + largeur_ligne_horaires + 1) << l;
    }
}

TEST(PageAnneeExemples, MarquesDeLevanaALaColonne56)
{
    for (int annee : {5784, 5785}) {
        const PageAnnee p = page(demande(Sens::hebreu_civil, annee));
        int debuts = 0;
        int fins = 0;
        for (const std::string& l : lignes_de_jour(p)) {
            const std::string marque = platform::mid(l, 2 + 55, 2);
            debuts += marque == "DL" ? 1 : 0;
            fins += marque == "FL" ? 1 : 0;
            EXPECT_EQ(platform::char_count(l), 2 + largeur_ligne_dates + 1) << l;
        }
        const int mois = embolismique(annee) ? 13 : 12;
        EXPECT_EQ(debuts, mois) << annee;
        EXPECT_EQ(fins, mois) << annee;
    }
    const PageAnnee p = page(demande(Sens::hebreu_civil, 5785));
    EXPECT_EQ(platform::mid(ligne_du(p, "  Jeudi     8 Tichri  5785"), 57, 2), "DL");
    EXPECT_NE(export_du(p, 1, "Jeu\t8\t").find("Début de B. HaLévana    "), std::string::npos);
}

TEST(PageAnneeExemples, PremiersDuMoisEtJoursDeFete)
{
    DemandeCalendrier d = demande(Sens::civil_hebreu, 2025);
    d.premiers_du_mois = true;
    CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    EXPECT_EQ(lignes_de_jour(c.memo).size(), 12u);
    EXPECT_EQ(std::count(c.memo.begin(), c.memo.end(), ""), 3); // in the header only

    d = demande(Sens::civil_hebreu, 2025);
    d.chabbat_et_fetes = true;
    c = calendrier_simplifie(d, tables_livrees());
    int chabbatot = 0;
    for (const std::string& l : lignes_de_jour(c.memo)) {
        const bool chabbat = platform::mid(l, 2, 7) == "Chabbat";
        chabbatot += chabbat ? 1 : 0;
        EXPECT_TRUE(chabbat || !platform::trim(platform::mid(l, 24, 32)).empty()) << l;
    }
    EXPECT_EQ(chabbatot, 52);
    EXPECT_NE(
        std::find_if(c.memo.begin(), c.memo.end(),
                     [](const std::string& l) { return l.starts_with("  Jeudi    13 Mars"); }),
        c.memo.end()); // the fast of Esther
}

TEST(PageAnneeExemples, EnTetes)
{
    DemandeCalendrier d = demande(Sens::civil_hebreu, 2024, true);
    std::vector<std::string> e = calendrier_simplifie(d, tables_livrees()).pages[0].entete;
    EXPECT_EQ(e[0], "    ORVANE\t\tB\"H");
    EXPECT_EQ(e[3], "    Année civile 2024  Bissextile   Correspondant aux années hébraïques  "
                    "5784 / 5785");
    EXPECT_EQ(e[e.size() - 2], std::string(87, '=') + std::string(13, ' '));
    EXPECT_EQ(std::count(e.begin(), e.end(),
                         "    * Les heures indiquées sont celles d'hiver tout le long de l'année."),
              0);
    // A country without summer-time table.
    d.lieu = {"TOKYO", "Japon", "35°41'N", "139°41'E", "+9"};
    d.opinion = "Or Méïr";
    e = calendrier_simplifie(d, tables_livrees()).pages[0].entete;
    EXPECT_EQ(std::count(e.begin(), e.end(),
                         "    * Les heures indiquées sont celles d'hiver tout le long de l'année."),
              1);
    EXPECT_EQ(e[6],
              "    * Horaires pour TOKYO    - Japon -  Lat. 35°41'N  Long. 139°41'E gmt +9 (O)");
    d.sens = Sens::hebreu_civil;
    d.annee = 5785;
    e = calendrier_simplifie(d, tables_livrees()).pages[0].entete;
    EXPECT_EQ(e[3],
              "    Année hébraïque 5785  (1 Adar)   Correspondant aux années civiles  2024 / 2025");
    EXPECT_EQ(e[6],
              "    * Horaires pour Japon  - TOKYO -  Lat. 35°41'N  Long. 139°41'E gmt +9 (O)");
    EXPECT_EQ(
        std::count(e.begin(), e.end(),
                   "    * Les heures indiquées sont celles d'hiver, tout le long de l'année."),
        1);
    EXPECT_EQ(annee_civile_de_l_hebreu(3761), 1);
    EXPECT_EQ(annee_civile_de_l_hebreu(3760), -1);
    EXPECT_EQ(opinion_des_pages("Beth Din (France)"), "Beth Din");
    EXPECT_EQ(opinion_des_pages("Or Méïr"), "Or Méïr");
}

TEST(PageAnneeExemples, ExportEnTetesDeMois)
{
    DemandeCalendrier d = demande(Sens::civil_hebreu, 2025, true);
    d.opinion_sur_tables = true;
    const PageAnnee p = page(d);
    EXPECT_EQ(p.export_lignes[0], " Calendrier de 2025 ( 5785 - 5786 ) pour PARIS (75)");
    EXPECT_EQ(p.export_lignes[1], "");
    EXPECT_EQ(p.export_lignes[2], " Janvier  2025" + std::string(9, '\t') + "Selon : Beth Din" +
                                      std::string(5, '\t') + "Tevet 5785  Chevat 5785");
    EXPECT_NE(p.export_lignes[3].find("Min.Gué"), std::string::npos);
    d.calendrier_mural = true;
    EXPECT_EQ(page(d).export_lignes[0], " Calendrier de 5785 ( 2024 - 2025 ) pour PARIS (75)");
    const PageAnnee h = page(demande(Sens::hebreu_civil, 5785));
    EXPECT_EQ(h.export_lignes[2],
              " Tichri  5785" + std::string(5, '\t') + "Octobre 2024  Novembre 2024");
    // Adar II stands only in a leap year.
    EXPECT_EQ(h.mois.size(), 12u);
    EXPECT_EQ(page(demande(Sens::hebreu_civil, 5784)).mois.size(), 13u);
}

TEST(PageAnneeExemples, ElementsDExport)
{
    EXPECT_EQ(element_nettoye("  Roch-Hodech 1er jour Tevet"), "Roch-Hodech 1er jour Tevet");
    EXPECT_EQ(element_nettoye("Pessa'h--------"), "Pessa'h");
    EXPECT_EQ(element_nettoye("Chekalim****"), "Chekalim");
    EXPECT_EQ(element_nettoye("************"), "");
    EXPECT_EQ(texte_tekoufa_export(10.5), "Tékoufa 10h30mn");
    EXPECT_EQ(texte_tekoufa_export(3), "Tékoufa 3h0mn");
}

TEST(PageAnneeFichiers, LieuRefuseRienNEstConstruit)
{
    DemandeCalendrier d = demande(Sens::civil_hebreu, 2025, true);
    d.lieu.latitude = "48°52'X";
    const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    EXPECT_FALSE(c.erreur.empty());
    EXPECT_TRUE(c.pages.empty());
    EXPECT_TRUE(c.memo.empty());
}

TEST(PageAnneeFichiers, ExportEtDernierLieu)
{
    platform::test_support::TemporaryDirectory dossier;
    DemandeCalendrier d = demande(Sens::civil_hebreu, 2024);
    d.nombre_annees = 2;
    d.cible = Cible::fichier;
    d.regle_entree = 3;
    const CalendrierSimplifie c = calendrier_simplifie(d, tables_livrees());
    ecrit_fichiers_calendrier(dossier.path(), c, d);
    // Each page rewrites the export: the last year stays.
    const std::vector<std::string> exportees = platform::read_lines(dossier / "cal_exl.txt");
    EXPECT_EQ(exportees.front(), " Calendrier de 2025 ( 5785 - 5786 ) pour PARIS (75)");
    EXPECT_EQ(octets(dossier / "lieuinim.cal"), "PARIS (75)\tFrance\t48\xb0"
                                                "52'N\t02\xb0"
                                                "20'E\t+1\tBeth Din (France)\t3\t\r\n");
    const std::optional<LieuCalendrier> lu = lit_lieu_calendrier(dossier.path());
    ASSERT_TRUE(lu);
    EXPECT_EQ(*lu, (LieuCalendrier{d.lieu, "Beth Din (France)", 3}));
    // A tab inside a field would shift the others: it becomes a blank.
    EXPECT_EQ(ligne_lieu_calendrier({{"A\tB", "P", "1N", "2E", "0"}, "Or", 9}),
              "A B\tP\t1N\t2E\t0\tOr\t9\t");
    platform::write_lines(dossier / "lieuinim.cal", {"X\tY\t1N\t2E\t0\tOr\t9\t"});
    EXPECT_EQ(lit_lieu_calendrier(dossier.path())->regle_entree, 0);
    platform::write_lines(dossier / "lieuinim.cal", {""});
    EXPECT_FALSE(lit_lieu_calendrier(dossier.path()));
}

} // namespace
} // namespace orvane::documents
