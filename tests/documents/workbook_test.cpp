// The workbooks of every kind, written for Paris (civil year 2025, Hebrew
// year 5785) and read back by an independent reader (openpyxl, through
// read_workbook.py): their sheets, their print set-up, and the cells of
// their days against "cal_exl.txt" of the same build, itself the golden
// export of the year pages.
#include "document_files.h"
#include "documents/workbook_build.h"
#include "engine/names.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;

DemandeCalendrier paris(Sens sens, int annee)
{
    return demande_paris(sens, annee);
}

std::vector<std::string> decoupe(const std::string& ligne, char separateur = '\t')
{
    std::vector<std::string> c(1);
    for (char ch : ligne) {
        if (ch == separateur) {
            c.emplace_back();
        } else {
            c.back() += ch;
        }
    }
    return c;
}

/// The export of one month: the titles of its columns, and its day lines
/// cut at the tabs.
struct MoisExporte {
    std::vector<std::string> colonnes;
    std::vector<std::vector<std::string>> jours;
};

/// "cal_exl.txt" read month by month, keyed by the month's heading
/// ("Janvier 2025").
std::map<std::string, MoisExporte> export_par_mois(const fs::path& fichier)
{
    std::map<std::string, MoisExporte> mois;
    const std::vector<std::string> lignes = platform::read_lines(fichier);
    MoisExporte* courant = nullptr;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignes[i].starts_with(" Calendrier de ") && i + 3 < lignes.size()) {
            std::string entete = platform::trim(decoupe(lignes[i + 2])[0]);
            entete.erase(entete.find("  "), 1); // " Janvier  2025" → "Janvier 2025"
            courant = &mois[entete];
            courant->colonnes = decoupe(lignes[i + 3]);
            i += 3;
        } else if (courant != nullptr && !lignes[i].empty()) {
            courant->jours.push_back(decoupe(lignes[i]));
        }
    }
    return mois;
}

std::string heure_du_classeur(std::string export_heure)
{
    std::replace(export_heure.begin(), export_heure.end(), '.', ':');
    return export_heure;
}

/// "Fêtes et notes" with its items between bars, from the export (every
/// item followed by four blanks, "CHABBAT " by five) or from a cell (items
/// between dashes): "CHABBAT|Vayigache|Sortie Chabbat 18.02". The two
/// readings of a double Sabbath keep their four blanks inside one item in
/// both, and come out as two.
std::string items(std::string t)
{
    const std::string tiret = " \u2013 ";
    for (std::size_t p; (p = t.find(tiret)) != std::string::npos;) {
        t.replace(p, tiret.size(), "|");
    }
    std::string r;
    for (std::size_t i = 0; i < t.size();) {
        std::size_t fin = i;
        while (fin < t.size() && t[fin] == ' ') {
            ++fin;
        }
        if (fin - i >= 4) {
            r += '|';
        } else {
            r.append(t, i, std::max<std::size_t>(fin - i, 1));
        }
        i = std::max(fin, i + 1);
    }
    while (!r.empty() && r.back() == '|') {
        r.pop_back();
    }
    return r;
}

/// The number cells read as integers ("3" or "3.0" for a float).
std::string entier_lu(const std::string& valeur)
{
    return valeur.ends_with(".0") ? valeur.substr(0, valeur.size() - 2) : valeur;
}

struct Construit {
    platform::test_support::TemporaryDirectory dossier;
    fs::path classeur;
    ClasseurLu lu;
    std::map<std::string, MoisExporte> exporte;
};

std::unique_ptr<Construit> construit(Classeur c, const DemandeCalendrier& d)
{
    auto r = std::make_unique<Construit>();
    r->classeur = construit_classeur(c, d, tables_livrees(), r->dossier.path());
    r->lu = lit_classeur(r->classeur);
    r->exporte = export_par_mois(r->dossier / "cal_exl.txt");
    return r;
}

/// Every sheet is on A4, fitted to one page wide (and one high when asked),
/// with its title rows repeated on each page.
void verifie_impression(const ClasseurLu& lu, const std::string& orientation, bool une_page,
                        const std::string& lignes_repetees)
{
    ASSERT_FALSE(lu.feuilles.empty());
    for (const FeuilleLue& f : lu.feuilles) {
        EXPECT_EQ(f.orientation, orientation) << f.nom;
        EXPECT_EQ(f.papier, "9") << f.nom;
        EXPECT_TRUE(f.ajustee) << f.nom;
        EXPECT_EQ(f.pages_large, "1") << f.nom;
        EXPECT_EQ(f.pages_haut, une_page ? "1" : "0") << f.nom;
        EXPECT_EQ(f.lignes_repetees, lignes_repetees) << f.nom;
    }
}

std::vector<std::string> mois_civils(int annee)
{
    std::vector<std::string> noms;
    for (int m = 1; m <= 12; ++m) {
        noms.push_back(std::string(engine::mois_civils[static_cast<std::size_t>(m)]) + " " +
                       std::to_string(annee));
    }
    return noms;
}

/// The Hebrew months of a common year, as the sheets and the export name
/// them.
std::vector<std::string> mois_hebreux_communs(int annee)
{
    std::vector<std::string> noms;
    for (int m = 1; m <= 13; ++m) {
        if (m != 7) {
            noms.push_back(platform::trim(engine::nom_mois_hebreu(m, false)) + " " +
                           std::to_string(annee));
        }
    }
    return noms;
}

/// The rows of the days of a table sheet against the export's lines: day
/// name, date, festivals and notes, the other date, and every time column
/// the sheet keeps, found by its title.
void compare_table_au_export(const FeuilleLue& f, const MoisExporte& e, int premiere_ligne,
                             int ligne_titres)
{
    ASSERT_FALSE(e.jours.empty()) << f.nom;
    std::map<int, std::size_t> heures; // sheet column → export column
    for (const auto& [position, cellule] : f.cellules) {
        if (position.first != ligne_titres) {
            continue;
        }
        const auto it = std::find(e.colonnes.begin(), e.colonnes.end(), cellule.valeur);
        if (it != e.colonnes.end() && it - e.colonnes.begin() >= 4) {
            heures[position.second] = static_cast<std::size_t>(it - e.colonnes.begin());
        }
    }
    EXPECT_GE(heures.size(), 9u) << f.nom;
    for (std::size_t j = 0; j < e.jours.size(); ++j) {
        const int l = premiere_ligne + static_cast<int>(j);
        const std::vector<std::string>& x = e.jours[j];
        EXPECT_EQ(f.texte(l, 1), x[0]) << f.nom << " row " << l;
        EXPECT_EQ(entier_lu(f.texte(l, 2)), x[1]) << f.nom << " row " << l;
        EXPECT_EQ(items(f.texte(l, 3)), items(x[2])) << f.nom << " row " << l;
        EXPECT_EQ(entier_lu(f.texte(l, 4)), x[3]) << f.nom << " row " << l;
        for (const auto& [colonne, indice] : heures) {
            EXPECT_EQ(f.genre(l, colonne), 't') << f.nom << " row " << l << " col " << colonne;
            EXPECT_EQ(f.texte(l, colonne), heure_du_classeur(x[indice]))
                << f.nom << " row " << l << " col " << colonne;
        }
    }
    EXPECT_TRUE(f.texte(premiere_ligne + static_cast<int>(e.jours.size()), 1).empty()) << f.nom;
}

TEST(ClasseurComplet, CivilParis2025SheetsPrintAndEveryDay)
{
    const auto c = construit(Classeur::complet, paris(Sens::civil_hebreu, 2025));
    EXPECT_EQ(c->classeur, c->dossier / "CAL_CIVL/2025/PARIS 75 complet.xlsx");
    // The export of a spreadsheet build is the year page's, byte for byte.
    compare_au_golden(c->dossier / "cal_exl.txt", "civil_2025_paris_cal_exl.txt");
    EXPECT_EQ(c->lu.noms(), mois_civils(2025));
    verifie_impression(c->lu, "landscape", false, "1:3");
    for (const std::string& mois : mois_civils(2025)) {
        compare_table_au_export(c->lu.feuille(mois), c->exporte.at(mois), 4, 3);
    }
    const FeuilleLue& janvier = c->lu.feuille("Janvier 2025");
    EXPECT_EQ(janvier.texte(1, 1), "Calendrier de 2025 ( 5785 - 5786 ) pour PARIS (75)");
    EXPECT_EQ(janvier.texte(2, 1), "Janvier 2025 \u2013 Tevet 5785  Chevat 5785");
    EXPECT_EQ(janvier.texte(7, 3), "CHABBAT \u2013 Vayigache \u2013 Sortie Chabbat 18.02");
    EXPECT_EQ(janvier.texte(7, 5), "Tevet");
    EXPECT_NE(janvier.fusions.find("A1:U1"), std::string::npos) << janvier.fusions;
}

TEST(ClasseurComplet, HebrewParis5785)
{
    const auto c = construit(Classeur::complet, paris(Sens::hebreu_civil, 5785));
    EXPECT_EQ(c->classeur, c->dossier / "CAL_HEBR/5785/PARIS 75 complet.xlsx");
    compare_au_golden(c->dossier / "cal_exl.txt", "hebreu_5785_paris_cal_exl.txt");
    EXPECT_EQ(c->lu.noms(), mois_hebreux_communs(5785));
    verifie_impression(c->lu, "landscape", false, "1:3");
    for (const std::string& mois : mois_hebreux_communs(5785)) {
        compare_table_au_export(c->lu.feuille(mois), c->exporte.at(mois), 4, 3);
    }
    const FeuilleLue& tichri = c->lu.feuille("Tichri 5785");
    EXPECT_EQ(tichri.texte(3, 4), "Date civile");
    EXPECT_EQ(tichri.texte(4, 5), "Octobre"); // 1 Tichri 5785: Thursday 3 October 2024
}

TEST(ClasseurImprimeurs, FrenchAndFrenchHebrew5785)
{
    for (const bool hebreu : {false, true}) {
        SCOPED_TRACE(hebreu ? "FR / HB" : "FR");
        const auto c = construit(hebreu ? Classeur::imprimeurs_fr_hb : Classeur::imprimeurs_fr,
                                 paris(Sens::hebreu_civil, 5785));
        EXPECT_EQ(c->lu.noms(), mois_hebreux_communs(5785));
        verifie_impression(c->lu, "portrait", true, "1:3");
        for (const std::string& mois : mois_hebreux_communs(5785)) {
            compare_table_au_export(c->lu.feuille(mois), c->exporte.at(mois), 4, 3);
        }
        const FeuilleLue& tichri = c->lu.feuille("Tichri 5785");
        const FeuilleLue& nissan = c->lu.feuille("Nissan 5785");
        if (hebreu) {
            // The last column: the date in Hebrew script.
            EXPECT_EQ(tichri.texte(3, 18), "\u05EA\u05D0\u05E8\u05D9\u05DA");
            EXPECT_EQ(tichri.texte(4, 18), "\u05D0\u05F3 \u05EA\u05E9\u05E8\u05D9 "
                                           "\u05EA\u05E9\u05E4\u05F4\u05D4"); // א׳ תשרי תשפ״ה
            EXPECT_EQ(nissan.texte(18, 18), "\u05D8\u05F4\u05D5 \u05E0\u05D9\u05E1\u05DF "
                                            "\u05EA\u05E9\u05E4\u05F4\u05D4"); // ט״ו ניסן תשפ״ה
        } else {
            EXPECT_TRUE(tichri.texte(3, 18).empty());
        }
    }
}

/// The rows of a magnet's block (columns from `colonne`): the date cell,
/// and the entry and exit cells.
struct LigneMagnet {
    std::string date, entree, sortie;
};

std::map<std::string, LigneMagnet> bloc_magnet(const FeuilleLue& f, int colonne, int variantes)
{
    std::map<std::string, LigneMagnet> lignes;
    for (int l = 4; l < 200; ++l) {
        const std::string date = f.texte(l, colonne);
        if (!date.empty() && f.genre(l, colonne + 1) == 's' && f.texte(l, colonne + 1) != "") {
            lignes[date] = {date, f.texte(l, colonne + 3), f.texte(l, colonne + 3 + variantes)};
        }
    }
    return lignes;
}

TEST(ClasseurMagnet, CivilParis2025OnePageEverySabbath)
{
    const auto c = construit(Classeur::magnet, paris(Sens::civil_hebreu, 2025));
    ASSERT_EQ(c->lu.noms(), std::vector<std::string>{"Magnet 2025"});
    verifie_impression(c->lu, "portrait", true, "1:3");
    const FeuilleLue& f = c->lu.feuilles.front();
    std::map<std::string, LigneMagnet> lignes = bloc_magnet(f, 1, 1);
    const std::map<std::string, LigneMagnet> droite = bloc_magnet(f, 7, 1);
    lignes.insert(droite.begin(), droite.end());
    // Every entry and exit of the export, on the row of its day.
    int entrees = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::string nom_mois(engine::mois_civils[static_cast<std::size_t>(m)]);
        const MoisExporte& e = c->exporte.at(nom_mois + " 2025");
        for (const std::vector<std::string>& x : e.jours) {
            const std::size_t entree = x[2].find("Entrée ");
            const std::size_t sortie = x[2].find("Sortie ");
            if (entree == std::string::npos && sortie == std::string::npos) {
                continue;
            }
            const std::string date = x[0] + " " + x[1] + " " + platform::left(nom_mois, 4) + ".";
            ASSERT_TRUE(lignes.count(date)) << date;
            if (entree != std::string::npos) {
                const std::size_t h = x[2].find_first_of("0123456789", entree);
                EXPECT_EQ(lignes[date].entree, heure_du_classeur(x[2].substr(h, 5))) << date;
                ++entrees;
            }
            if (sortie != std::string::npos) {
                const std::size_t h = x[2].find_first_of("0123456789", sortie);
                EXPECT_EQ(lignes[date].sortie, heure_du_classeur(x[2].substr(h, 5))) << date;
            }
        }
    }
    EXPECT_GE(entrees, 52 + 8); // every Friday, and the eves of the festivals
    EXPECT_EQ(f.texte(4, 1), "Janvier 2025");
    EXPECT_EQ(f.texte(4, 7), "Juillet 2025");
}

/// The square of a day on a wall calendar's grid: its week's row and its
/// weekday's column.
std::string case_du_jour(const FeuilleLue& f, int semaine, int jour_semaine)
{
    return f.texte(4 + semaine, jour_semaine);
}

int jour_semaine_exporte(const std::string& court)
{
    for (int j = 1; j <= 7; ++j) {
        if (platform::left(platform::trim(engine::jours_semaine[static_cast<std::size_t>(j)]), 3) ==
            court) {
            return j;
        }
    }
    return 0;
}

/// Every day of every month of a wall calendar in its square: the day of
/// the month first, the other date, and the entry and exit times.
void compare_grille_au_export(const FeuilleLue& f, const MoisExporte& e)
{
    int semaine = 0;
    for (const std::vector<std::string>& x : e.jours) {
        const int js = jour_semaine_exporte(x[0]);
        const std::string texte = case_du_jour(f, semaine, js);
        EXPECT_TRUE(texte.starts_with(x[1] + "   " + x[3] + " ")) << f.nom << ": " << texte;
        for (const std::string moment : {"Entrée ", "Sortie "}) {
            const std::size_t p = x[2].find(moment);
            if (p != std::string::npos) {
                const std::size_t fin = x[2].find("    ", p);
                EXPECT_NE(texte.find(heure_du_classeur(x[2].substr(p, fin - p))), std::string::npos)
                    << f.nom << ": " << texte;
            }
        }
        if (js == 7) {
            ++semaine;
        }
    }
}

TEST(ClasseurMural, CivilYear2025)
{
    const auto c = construit(Classeur::mural_civil, paris(Sens::civil_hebreu, 2025));
    EXPECT_EQ(c->lu.noms(), mois_civils(2025));
    verifie_impression(c->lu, "landscape", true, "1:3");
    for (const std::string& mois : mois_civils(2025)) {
        compare_grille_au_export(c->lu.feuille(mois), c->exporte.at(mois));
    }
    const FeuilleLue& janvier = c->lu.feuille("Janvier 2025");
    EXPECT_EQ(janvier.texte(3, 1), "Dimanche");
    EXPECT_EQ(janvier.texte(3, 7), "Chabbat");
    EXPECT_TRUE(janvier.texte(4, 4).starts_with("1   1 Tevet\n")); // a Wednesday
    // The wall calendars title their export by Hebrew year.
    EXPECT_EQ(platform::read_lines(c->dossier / "cal_exl.txt").front(),
              " Calendrier de 5785 ( 2024 - 2025 ) pour PARIS (75)");
}

TEST(ClasseurMural, HebrewYearOfTheCivilRequest)
{
    const auto c = construit(Classeur::mural_hebreu, paris(Sens::civil_hebreu, 2025));
    EXPECT_EQ(c->classeur, c->dossier / "CAL_CIVL/2025/PARIS 75 mural hebreu.xlsx");
    EXPECT_EQ(c->lu.noms(), mois_hebreux_communs(5785));
    verifie_impression(c->lu, "landscape", true, "1:3");
    // The grid holds Hebrew year 5785; checked against its own Hebrew page.
    platform::test_support::TemporaryDirectory hebreu;
    (void)construit_classeur(Classeur::complet, paris(Sens::hebreu_civil, 5785), tables_livrees(),
                             hebreu.path());
    const auto exporte = export_par_mois(hebreu / "cal_exl.txt");
    for (const std::string& mois : mois_hebreux_communs(5785)) {
        compare_grille_au_export(c->lu.feuille(mois), exporte.at(mois));
    }
    // 1 Tichri 5785 is Thursday 3 October 2024.
    EXPECT_TRUE(c->lu.feuille("Tichri 5785").texte(4, 5).starts_with("1   3 Octobre\n"));
}

} // namespace
} // namespace orvane::documents
