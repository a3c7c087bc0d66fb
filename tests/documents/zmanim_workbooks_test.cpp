// The workbooks of the results window, written for Paris (January 2025, a
// year every fifth day, a book of three cities) and read back by an
// independent reader (openpyxl, through read_workbook.py): every time cell
// against the text line of its row (hh:mm, or hh:mm:ss with the seconds),
// the number formats, the sheets and their print set-up, the chart of the
// "Graphiques" workbook; and the refusals of the three commands.
#include "document_files.h"
#include "documents/zmanim_books.h"
#include "documents/zmanim_workbooks.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace orvane::documents
{
namespace
{

using namespace test;
namespace fs = std::filesystem;
using tables::MiseEnPage;

/// A row as the table handed it: its date and the fields of its text line.
struct RangeeCopiee {
    engine::DateCivile date;
    int jour_semaine = 1;
    std::vector<std::string> champs; // the label, then one text a shown column
};

class CopieDesRangees : public tables::SortieTable
{
public:
    void ligne(const std::string&) override {}
    void colonnes(const std::vector<tables::ColonneAffichee>& c) override { colonnes_ = c; }
    void rangee(const tables::RangeeTable& r) override
    {
        RangeeCopiee c{r.date, r.jour_semaine, {""}};
        for (char ch : r.texte) {
            if (ch == '\t') {
                c.champs.emplace_back();
            } else {
                c.champs.back() += ch;
            }
        }
        rangees.push_back(c);
    }
    std::vector<tables::ColonneAffichee> colonnes_;
    std::vector<RangeeCopiee> rangees;
};

struct TableCalculee {
    TablesGardees gardees;
    CopieDesRangees copie;
};

tables::DemandeTable janvier_paris()
{
    tables::DemandeTable d;
    d.debut = {2025, 1, 1};
    d.fin = {2025, 1, 31};
    return d;
}

void calcule(const tables::DemandeTable& d, zmanim::ZmanimSettings& reglages, TableCalculee& t)
{
    tables::EnvironnementTable env;
    env.tables_ete = &tables_livrees();
    tables::SortiesMultiples sorties({&t.gardees, &t.copie});
    const tables::ResultatTable r = tables::calcule_table(d, reglages, env, sorties);
    ASSERT_FALSE(r.refuse) << r.message;
}

/// "2025-01-03T00:00:00", the civil date as the reader gives a date cell.
std::string date_iso(const engine::DateCivile& d)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%04d-%02d-%02dT00:00:00", d.annee, d.mois, d.jour);
    return texte;
}

bool est_une_heure(const std::string& champ)
{
    return champ.size() >= 5 && champ[2] == ':' && champ.find_first_of(" -") == std::string::npos;
}

/// Every day of the table in its row of the sheet: its date, then the
/// times of `colonnes` (indices in `colonnes()`) in the columns from
/// `premiere`, each the time of the text line, as a time of the day with
/// the number format `format`.
void compare_les_jours(const FeuilleLue& f, const DetailsLus& details, int feuille,
                       const CopieDesRangees& copie, const std::vector<std::size_t>& colonnes,
                       int premiere, const std::string& format)
{
    int heures_vues = 0;
    for (std::size_t i = 0; i < copie.rangees.size(); ++i) {
        const RangeeCopiee& r = copie.rangees[i];
        const int ligne = 4 + static_cast<int>(i);
        EXPECT_EQ(f.genre(ligne, 1), 'd') << ligne;
        EXPECT_EQ(f.texte(ligne, 1), date_iso(r.date)) << ligne;
        for (std::size_t k = 0; k < colonnes.size(); ++k) {
            std::size_t p = 0;
            while (p < copie.colonnes_.size() && copie.colonnes_[p].indice != colonnes[k]) {
                ++p;
            }
            ASSERT_LT(p, copie.colonnes_.size()) << "column " << colonnes[k] << " not shown";
            const std::string& champ = r.champs.at(p + 1);
            const int col = premiere + static_cast<int>(k);
            if (!est_une_heure(champ)) {
                EXPECT_EQ(f.genre(ligne, col), 's') << ligne << "," << col;
                EXPECT_EQ(f.texte(ligne, col), champ) << ligne << "," << col;
                continue;
            }
            ++heures_vues;
            EXPECT_EQ(f.genre(ligne, col), 't') << ligne << "," << col;
            EXPECT_EQ(f.texte(ligne, col), champ.substr(0, 5)) << ligne << "," << col;
            const auto it = details.formats.find({feuille, ligne, col});
            ASSERT_NE(it, details.formats.end()) << ligne << "," << col;
            EXPECT_EQ(it->second.format, format);
            if (format == "hh:mm:ss") {
                EXPECT_EQ(it->second.valeur, champ) << ligne << "," << col;
            } else {
                EXPECT_EQ(it->second.valeur, champ + ":00") << ligne << "," << col;
            }
        }
    }
    EXPECT_GT(heures_vues, static_cast<int>(copie.rangees.size())) << "no time compared";
}

std::vector<std::size_t> indices_de(const CopieDesRangees& c)
{
    std::vector<std::size_t> v;
    for (const tables::ColonneAffichee& a : c.colonnes_) {
        v.push_back(a.indice);
    }
    return v;
}

/// The files of a folder, hidden ones included.
std::vector<std::string> fichiers(const fs::path& dossier)
{
    std::vector<std::string> noms;
    for (const fs::directory_entry& e : fs::directory_iterator(dossier)) {
        noms.push_back(e.path().filename().string());
    }
    return noms;
}

TEST(ClasseursHoraires, ToutesLesColonnesDeJanvierAParis)
{
    platform::test_support::TemporaryDirectory programme;
    zmanim::ZmanimSettings reglages;
    TableCalculee t;
    calcule(janvier_paris(), reglages, t);
    ASSERT_EQ(t.copie.rangees.size(), 31u);
    const ContexteClasseurs c;
    ASSERT_EQ(refus_classeur(ClasseurHoraires::toutes_colonnes, c), "");
    const fs::path ecrit =
        ecrit_classeur_horaires(programme.path(), ClasseurHoraires::toutes_colonnes, t.gardees, c);
    EXPECT_EQ(ecrit, programme.path() / "HORAIRES" / "tal_1.xlsx");
    EXPECT_EQ(fichiers(programme.path() / "HORAIRES"), std::vector<std::string>{"tal_1.xlsx"});

    const ClasseurLu lu = lit_classeur(ecrit);
    ASSERT_EQ(lu.noms(), std::vector<std::string>{"Horaires"});
    const FeuilleLue& f = lu.feuilles[0];
    EXPECT_EQ(f.orientation, "landscape");
    EXPECT_EQ(f.papier, "9");
    EXPECT_EQ(f.lignes_repetees, "1:3");
    EXPECT_TRUE(f.texte(1, 1).starts_with("PARIS (75)")) << f.texte(1, 1);
    EXPECT_EQ(f.texte(2, 1), "Date");
    EXPECT_EQ(f.texte(2, 2), "Date hébraïque");
    for (std::size_t k = 0; k < t.copie.colonnes_.size(); ++k) {
        const tables::ColonneAffichee& a = t.copie.colonnes_[k];
        EXPECT_EQ(f.texte(2, 3 + static_cast<int>(k)), platform::trim(a.titre));
        EXPECT_EQ(f.texte(3, 3 + static_cast<int>(k)),
                  tables::titre_hebreu_en_lettres(a.titre_hebreu));
    }
    // 1 January 2025 is 1 Tevet 5785, 31 January 2 Chevat.
    EXPECT_EQ(f.texte(4, 2), "1 Tevet 5785");
    EXPECT_EQ(f.texte(34, 2), "2 Chevat 5785");
    EXPECT_EQ(f.texte(35, 1), "");

    const DetailsLus details = lit_details(ecrit);
    EXPECT_EQ(details.figees.at(0), "C4");
    EXPECT_TRUE(details.graphiques.empty());
    EXPECT_EQ(details.formats.at({0, 4, 1}).format, "dd/mm/yyyy");
    compare_les_jours(f, details, 0, t.copie, indices_de(t.copie), 3, "hh:mm");
}

TEST(ClasseursHoraires, LesSecondesSontGardeesEtMontrees)
{
    platform::test_support::TemporaryDirectory programme;
    zmanim::ZmanimSettings reglages;
    reglages.affiche_secondes = true;
    TableCalculee t{TablesGardees(true), {}};
    calcule(janvier_paris(), reglages, t);
    const fs::path ecrit = ecrit_classeur_horaires(
        programme.path(), ClasseurHoraires::toutes_colonnes, t.gardees, ContexteClasseurs{});
    const ClasseurLu lu = lit_classeur(ecrit);
    ASSERT_EQ(lu.feuilles.size(), 1u);
    const DetailsLus details = lit_details(ecrit);
    compare_les_jours(lu.feuilles[0], details, 0, t.copie, indices_de(t.copie), 3, "hh:mm:ss");
    // Seconds other than 00 do appear: they come from the day, not the cell.
    int non_nulles = 0;
    for (const auto& [cle, format] : details.formats) {
        non_nulles += format.format == "hh:mm:ss" && !format.valeur.ends_with(":00");
    }
    EXPECT_GT(non_nulles, 100);
}

TEST(ClasseursHoraires, QuatorzeColonnesDUneAnneeDeCinqEnCinqJours)
{
    platform::test_support::TemporaryDirectory programme;
    zmanim::ZmanimSettings reglages;
    tables::DemandeTable d;
    d.increment = 5;
    TableCalculee t;
    calcule(d, reglages, t);
    ASSERT_EQ(t.copie.rangees.size(), 73u); // 1 January, 6 January … 27 December
    const ContexteClasseurs c{.increment = 5};
    ASSERT_EQ(refus_classeur(ClasseurHoraires::quatorze_colonnes, c), "");
    const fs::path ecrit = ecrit_classeur_horaires(
        programme.path(), ClasseurHoraires::quatorze_colonnes, t.gardees, c);
    EXPECT_EQ(ecrit.filename(), "tab_5.xlsx");
    const ClasseurLu lu = lit_classeur(ecrit);
    ASSERT_EQ(lu.feuilles.size(), 1u);
    const FeuilleLue& f = lu.feuilles[0];
    EXPECT_EQ(f.orientation, "portrait");
    const std::vector<std::string> titres = {
        "Date",    "Aube",    "Début", "L. sol", "Chéma.1", "Chéma.2",     "Téphi.1", "Téphi.2",
        "Mi-jour", "Min.Gué", "Plag",  "Ent Ch", "C.sol",   "Etoiles7.08", "Sort Ch"};
    for (std::size_t k = 0; k < titres.size(); ++k) {
        EXPECT_EQ(f.texte(2, 1 + static_cast<int>(k)), titres[k]) << k;
    }
    EXPECT_EQ(f.texte(2, 16), "");
    EXPECT_EQ(f.texte(4 + 73, 1), "");
    const DetailsLus details = lit_details(ecrit);
    EXPECT_EQ(details.figees.at(0), "B4");
    compare_les_jours(f, details, 0, t.copie, {0, 1, 4, 5, 7, 8, 9, 10, 11, 13, 14, 16, 17, 20}, 2,
                      "hh:mm");
}

TEST(ClasseursHoraires, UnLivreAUneFeuilleParVille)
{
    platform::test_support::TemporaryDirectory programme;
    zmanim::ZmanimSettings reglages;
    prepare_moments_publication(reglages, MiseEnPage::livre);
    const tables::DemandeTable modele =
        demande_livre(tables::DemandeTable{}, MiseEnPage::livre, 2025);
    TablesGardees gardees;
    tables::EnvironnementTable env;
    env.tables_ete = &tables_livrees();
    const std::vector<places::Place> villes = {
        {"PARIS (75)", "France", "48°52N", "2°20E", "+1"},
        {"LYON (69)", "France", "45°45N", "4°51E", "+1"},
        {"MARSEILLE (13)", "France", "43°18N", "5°22E", "+1"}};
    for (const places::Place& v : villes) {
        tables::DemandeTable d = modele;
        d.lieu = v;
        ASSERT_FALSE(tables::calcule_table(d, reglages, env, gardees).refuse);
    }
    ASSERT_EQ(gardees.tables().size(), 3u);
    const ContexteClasseurs c{.increment = modele.increment, .mise_en_page = MiseEnPage::livre};
    ASSERT_EQ(refus_classeur(ClasseurHoraires::quatorze_colonnes, c), "");
    const fs::path ecrit =
        ecrit_classeur_horaires(programme.path(), ClasseurHoraires::quatorze_colonnes, gardees, c);
    EXPECT_EQ(ecrit.filename(), "tab5_livre.xlsx");
    const ClasseurLu lu = lit_classeur(ecrit);
    ASSERT_EQ(lu.feuilles.size(), 3u);
    for (std::size_t i = 0; i < villes.size(); ++i) {
        const FeuilleLue& f = lu.feuilles[i];
        EXPECT_TRUE(f.texte(1, 1).starts_with(villes[i].ville.substr(0, 4))) << f.texte(1, 1);
        EXPECT_EQ(f.orientation, "portrait");
        EXPECT_EQ(f.genre(4, 2), 't');
        EXPECT_EQ(f.texte(4 + 73, 1), "");
        EXPECT_NE(f.texte(3 + 73, 1), "");
    }
    EXPECT_NE(lu.feuilles[0].nom, lu.feuilles[1].nom);
}

TEST(ClasseursHoraires, GraphiquesDesCinqCourbes)
{
    platform::test_support::TemporaryDirectory programme;
    zmanim::ZmanimSettings reglages;
    TableCalculee t;
    calcule(janvier_paris(), reglages, t);
    const ContexteClasseurs c;
    ASSERT_EQ(refus_classeur(ClasseurHoraires::graphiques, c), "");
    const fs::path ecrit =
        ecrit_classeur_horaires(programme.path(), ClasseurHoraires::graphiques, t.gardees, c);
    EXPECT_EQ(ecrit.filename(), "zeman.xlsx");
    const ClasseurLu lu = lit_classeur(ecrit);
    ASSERT_EQ(lu.noms(), std::vector<std::string>{"Graphiques"});
    const DetailsLus details = lit_details(ecrit);
    ASSERT_EQ(details.graphiques.size(), 1u);
    EXPECT_EQ(details.graphiques[0].genre, "lineChart");
    EXPECT_EQ(details.graphiques[0].courbes, 5);
    EXPECT_EQ(details.graphiques[0].noms, "Aube|L. sol|Mi-jour|C.sol|Etoiles7.08");
    compare_les_jours(lu.feuilles[0], details, 0, t.copie, {0, 4, 10, 16, 17}, 2, "hh:mm");
}

TEST(ClasseursHoraires, LeDossierHorairesEtUnClasseurSansTable)
{
    platform::test_support::TemporaryDirectory programme;
    const fs::path dossier = dossier_horaires(programme.path());
    EXPECT_TRUE(fs::is_directory(dossier));
    // Written through a temporary file: only the workbook is left, with a
    // sheet even when no table was kept.
    TablesGardees vide;
    ecrit_classeur_horaires_vers(dossier / "tab_1.xlsx", ClasseurHoraires::quatorze_colonnes, vide,
                                 {});
    EXPECT_EQ(fichiers(dossier), std::vector<std::string>{"tab_1.xlsx"});
    EXPECT_EQ(lit_classeur(dossier / "tab_1.xlsx").noms(), std::vector<std::string>{"Horaires"});
}

TEST(ClasseursHoraires, NomsDesClasseurs)
{
    using K = ClasseurHoraires;
    EXPECT_EQ(nom_classeur(K::quatorze_colonnes, {.increment = 1}), "tab_1.xlsx");
    EXPECT_EQ(nom_classeur(K::quatorze_colonnes, {.increment = 5}), "tab_5.xlsx");
    EXPECT_EQ(nom_classeur(K::toutes_colonnes, {.increment = 1}), "tal_1.xlsx");
    EXPECT_EQ(nom_classeur(K::toutes_colonnes, {.increment = 5}), "tal_5.xlsx");
    EXPECT_EQ(nom_classeur(K::graphiques, {}), "zeman.xlsx");
    EXPECT_EQ(nom_classeur(K::toutes_colonnes, {.bureau_des_longitudes = true, .increment = 1}),
              "tbl_tout.xlsx");
    EXPECT_EQ(nom_classeur(K::quatorze_colonnes, {.bureau_des_longitudes = true, .increment = 5}),
              "tbl_5.xlsx");
    EXPECT_EQ(
        nom_classeur(K::quatorze_colonnes, {.increment = 5, .mise_en_page = MiseEnPage::livre_rt}),
        "tab5_livre_RT.xlsx");
}

TEST(ClasseursHoraires, LesRefus)
{
    using K = ClasseurHoraires;
    const std::string cases =
        "Erreur :\rLa construction des tableaux excel n'est possible que si\rl'on a choisi de "
        "calculer tous les moments de la journée\ren cochant sur toutes les cases.";
    const std::string hamets =
        "Erreur :\rIl n'y a pas de tableaux excel prévus pour les calculs des moments du 'Hamets\r";
    for (K k : {K::quatorze_colonnes, K::toutes_colonnes, K::graphiques}) {
        EXPECT_EQ(refus_classeur(k, {.toutes_les_cases = false}), cases);
        // The 'Hamets times come first, whatever else is wrong.
        EXPECT_EQ(refus_classeur(k, {.toutes_les_cases = false, .hamets = true, .increment = 3}),
                  hamets);
        // A plaque list is exempt from the boxes.
        EXPECT_EQ(refus_classeur(
                      k, {.toutes_les_cases = false, .mise_en_page = MiseEnPage::plaque_chema}),
                  "");
    }
    EXPECT_EQ(refus_classeur(K::graphiques, {.increment = 5}),
              "Erreur :\rLes graphes excel sont construits automatiquement\rpar macros, pour un "
              "incrément de 1 seulement.\rIci l'incrément est de 5.");
    EXPECT_EQ(refus_classeur(K::quatorze_colonnes, {.increment = 7}),
              "Erreur :\rLes tableaux excel sont construits automatiquement\rpar macros, pour un "
              "incrément de 1 ou de 5 seulement.\rIci l'incrément est de 7.");
    EXPECT_EQ(
        refus_classeur(K::quatorze_colonnes, {.increment = 1, .mise_en_page = MiseEnPage::livre}),
        "Erreur :\rLes tableaux excel automatiques sont construits\rpour un incrément de de "
        "5 jours seulement.\rIci l'incrément est de 1.");
    EXPECT_EQ(refus_classeur(K::toutes_colonnes, {.increment = 2}),
              "Erreur :\rLes graphes automatiques sont construits automatiquement\rpar macros, "
              "pour un incrément de 1 ou de 5 seulement.\rIci l'incrément est de 2.");
    EXPECT_TRUE(
        refus_classeur(K::toutes_colonnes, {.increment = 1, .mise_en_page = MiseEnPage::livre_rt})
            .starts_with("Erreur :\rLes tableaux excel sont construits automatiquement\rpar "
                         "macros, pour un incrément de 5 seulement.\rIci l'incrément est de "));
    EXPECT_EQ(refus_classeur(K::quatorze_colonnes, {.fetes = true}),
              "Erreur :\rLa prise en compte des fêtes ne permet pas de construire\rdes tableaux "
              "excel de 14 colonnes en format portrait.\rPour cela choisir le bouton \"Toutes les "
              "colonnes\".\rElles seront créées au format paysage");
    // The festivals go to the landscape table of all the columns.
    EXPECT_EQ(refus_classeur(K::toutes_colonnes, {.fetes = true}), "");
    // Increments allowed.
    EXPECT_EQ(refus_classeur(K::graphiques, {.increment = 1}), "");
    EXPECT_EQ(refus_classeur(K::quatorze_colonnes, {.increment = 5}), "");
    EXPECT_EQ(
        refus_classeur(K::toutes_colonnes, {.increment = 5, .mise_en_page = MiseEnPage::livre}),
        "");
}

} // namespace
} // namespace orvane::documents
