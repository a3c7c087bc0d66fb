// The delivered city lists of the zmanim tables ("villefr.cal" of the books,
// "villepl.cal" of the plaque lists, "willemd.cal" of the world list,
// "villactu.cal" of the list of the day) and the head and foot templates of
// their pages ("Orvanew/Horaires/fic_h1" and "fic_h2"). Each line of a list
// is read twice: by a splitter of our own, as bytes that must be a line of
// a places file copied as it stands, and by the program's readers, as a
// place whose coordinates the times accept. The templates are run through
// the marker replacements of every output mode, in turn, and assembled
// around a body shaped like the program's.
#include "document_files.h"
#include "documents/templates.h"
#include "html_check.h"
#include "places/places.h"
#include "platform/text_file.h"
#include "zmanim/day/horaires_jour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::documents
{
namespace
{

using namespace test;
using Lignes = std::vector<std::string>;
namespace fs = std::filesystem;

/// The lines of a file split at CR LF by hand; a line break of any other
/// kind, or a last line without its CR LF, is a fault of the file.
Lignes lignes_crlf(const fs::path& chemin)
{
    const std::string texte = octets(chemin);
    Lignes lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string::npos) {
            ADD_FAILURE() << chemin << ": last line without CR LF";
            break;
        }
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    for (const std::string& l : lignes) {
        EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << chemin << ": " << l;
    }
    return lignes;
}

/// Every line of the two places files, as bytes.
const std::set<std::string>& lignes_des_lieux()
{
    static const std::set<std::string> lignes = [] {
        std::set<std::string> s;
        for (const char* f : {"lieu.cal", "lieu_all.cal"}) {
            for (std::string& l : lignes_crlf(donnees_livrees / f)) {
                s.insert(std::move(l));
            }
        }
        return s;
    }();
    return lignes;
}

bool dans(const places::ListesLieux& l, const places::Place& p)
{
    return std::find(l.lieux.begin(), l.lieux.end(), p) != l.lieux.end();
}

/// A list read both ways and checked line by line; its places.
std::vector<places::Place> liste_verifiee(const char* nom)
{
    static const places::ListesLieux courts =
        places::lit_fichier_lieux(donnees_livrees, "lieu.cal");
    static const places::ListesLieux longs =
        places::lit_fichier_lieux(donnees_livrees, "lieu_all.cal");
    const Lignes brutes = lignes_crlf(donnees_livrees / nom);
    const places::ListesLieux liste = places::lit_fichier_lieux(donnees_livrees, nom);
    // Every line is a place, none empty: the cities are run in file order.
    EXPECT_EQ(liste.lieux.size(), brutes.size()) << nom;
    std::set<std::string> vues;
    for (const std::string& l : brutes) {
        EXPECT_TRUE(lignes_des_lieux().contains(l)) << nom << ": not a places line: " << l;
        EXPECT_TRUE(vues.insert(l).second) << nom << ": twice: " << l;
    }
    for (const places::Place& p : liste.lieux) {
        EXPECT_TRUE(dans(courts, p) || dans(longs, p)) << nom << ": " << p.ville;
        EXPECT_FALSE(p.ville.empty() || p.pays.empty()) << nom;
        EXPECT_FALSE(zmanim::lit_lieu(p.latitude, p.longitude, p.decalage).refuse)
            << nom << ": " << p.ville;
    }
    return liste.lieux;
}

std::set<std::string> villes(const std::vector<places::Place>& lieux)
{
    std::set<std::string> s;
    for (const places::Place& p : lieux) {
        s.insert(p.ville);
    }
    return s;
}

/// The country of a region key: "Australie" for "Australie (Queensland)".
std::string pays_de_la_cle(const std::string& pays)
{
    return pays.substr(0, pays.find(" ("));
}

TEST(ListesHoraires, ChaqueLigneEstUneLigneDesFichiersDeLieux)
{
    const std::map<std::string, std::pair<std::size_t, std::size_t>> tailles = {
        {"villefr.cal", {85, 400}},
        {"villepl.cal", {10, 20}},
        {"willemd.cal", {300, 1000}},
        {"villactu.cal", {25, 40}},
    };
    for (const auto& [nom, bornes] : tailles) {
        const std::size_t n = liste_verifiee(nom.c_str()).size();
        EXPECT_GE(n, bornes.first) << nom;
        EXPECT_LE(n, bornes.second) << nom;
    }
}

TEST(ListesHoraires, LesLivresCouvrentLesVillesDesPagesDansLeurOrdre)
{
    const std::vector<places::Place> livres = liste_verifiee("villefr.cal");
    const places::ListesLieux pages = places::lit_fichier_lieux(donnees_livrees, "willefr.cal");
    for (const places::Place& p : livres) {
        EXPECT_EQ(p.pays, "France") << p.ville;
    }
    // willefr.cal is found in villefr.cal line after line, in its order.
    auto suite = livres.begin();
    for (const places::Place& p : pages.lieux) {
        suite = std::find(suite, livres.end(), p);
        ASSERT_NE(suite, livres.end()) << p.ville << " missing or out of order";
    }
    // A book of 40 cities a file has at least three files.
    EXPECT_GT(livres.size(), 80u);
}

TEST(ListesHoraires, LesPlaquesSontLesGrandesCommunautesDeFrance)
{
    const std::vector<places::Place> plaques = liste_verifiee("villepl.cal");
    const std::set<std::string> livres = villes(liste_verifiee("villefr.cal"));
    for (const places::Place& p : plaques) {
        EXPECT_EQ(p.pays, "France") << p.ville;
        EXPECT_TRUE(livres.contains(p.ville)) << p.ville << " has no book";
    }
    // The plaques are made ten cities at a time: the main communities
    // make the first ten.
    ASSERT_GE(plaques.size(), 10u);
    const std::set<std::string> dix =
        villes(std::vector<places::Place>(plaques.begin(), plaques.begin() + 10));
    for (const char* ville : {"PARIS (75)", "MARSEILLE (13)", "LYON (69)", "TOULOUSE (31)",
                              "NICE (06)", "STRASBOURG (67)", "SARCELLES (95)"}) {
        EXPECT_TRUE(dix.contains(ville)) << ville;
    }
    EXPECT_EQ(plaques.front().ville, "PARIS (75)");
}

TEST(ListesHoraires, LaListeMondeEstHorsDeFranceParPays)
{
    const std::vector<places::Place> monde = liste_verifiee("willemd.cal");
    std::vector<std::string> suite_des_pays;
    for (const places::Place& p : monde) {
        EXPECT_NE(p.pays, "France") << p.ville;
        EXPECT_EQ(p.ville.find(" (75)"), std::string::npos) << p.ville;
        const std::string pays = pays_de_la_cle(p.pays);
        if (suite_des_pays.empty() || suite_des_pays.back() != pays) {
            suite_des_pays.push_back(pays);
        }
    }
    // The cities of a country (its region keys included) follow each other.
    const std::set<std::string> pays(suite_des_pays.begin(), suite_des_pays.end());
    EXPECT_EQ(pays.size(), suite_des_pays.size()) << "a country is split";
    EXPECT_GE(pays.size(), 80u);
    const std::set<std::string> noms = villes(monde);
    for (const char* ville :
         {"Jérusalem", "Tel-Aviv", "Bnei Brak", "New York (NY)", "Lakewood (NJ)", "Londres",
          "Anvers", "Montréal", "Buenos Aires", "Casablanca", "Djerba (Houmt Souk)",
          "Johannesbourg", "Melbourne", "Moscou", "Nouméa"}) {
        EXPECT_TRUE(noms.contains(ville)) << ville;
    }
    // A community of New Jersey, not the Lakewood of Colorado.
    EXPECT_FALSE(noms.contains("Lakewood (CO)"));
}

TEST(ListesHoraires, LaListeDuJourCouvreLeMonde)
{
    const std::vector<places::Place> jour = liste_verifiee("villactu.cal");
    const std::vector<places::Place> monde = liste_verifiee("willemd.cal");
    const std::set<std::string> livres = villes(liste_verifiee("villefr.cal"));
    std::set<std::string> pays;
    for (const places::Place& p : jour) {
        pays.insert(pays_de_la_cle(p.pays));
        if (p.pays == "France") {
            EXPECT_TRUE(livres.contains(p.ville)) << p.ville;
        } else {
            EXPECT_TRUE(std::find(monde.begin(), monde.end(), p) != monde.end()) << p.ville;
        }
    }
    EXPECT_GE(pays.size(), 15u);
    const std::set<std::string> noms = villes(jour);
    for (const char* ville : {"PARIS (75)", "MARSEILLE (13)", "LYON (69)", "Jérusalem", "Tel-Aviv",
                              "New York (NY)", "Londres", "Montréal", "Buenos Aires",
                              "Johannesbourg", "Sydney", "Moscou", "Casablanca"}) {
        EXPECT_TRUE(noms.contains(ville)) << ville;
    }
}

// The markers of the head template and the values each output mode gives
// them, in the order the program replaces them.
struct Remplacement {
    std::string_view marque;
    std::string valeur;
};

constexpr std::string_view marque_annee = "de l'année";
constexpr std::string_view marque_journee = "Horaires de la journée<BR>";
constexpr std::string_view marque_texte = "veldor.horairestxt";

std::vector<Remplacement> page_pour(int annee, const std::string& ville)
{
    return {{marque_annee, std::to_string(annee) + " pour la ville de " + ville}};
}

std::vector<Remplacement> liste_de_villes(int annee, const std::string& ville,
                                          const std::string& fichier)
{
    const std::string suivante = std::to_string(annee + 3761);
    return {{marque_journee, "de l'année " + std::to_string(annee) + "  (" +
                                 std::to_string(annee + 3760) + "/" + suivante.substr(2) +
                                 ")<BR>pour " + ville},
            {marque_texte, std::to_string(annee) + "/" + fichier + ".txt"}};
}

std::vector<Remplacement> liste_monde(const std::string& ville, const std::string& fichier)
{
    return {{marque_journee, "pour " + ville}, {marque_texte, "MONDE/" + fichier + ".txt"}};
}

Lignes remplace(Lignes lignes, const std::vector<Remplacement>& mode)
{
    for (const Remplacement& r : mode) {
        lignes = remplace_ligne_marquee(std::move(lignes), r.marque, r.valeur);
    }
    return lignes;
}

/// The index of the single line a replacement of `marque` changes.
std::size_t ligne_remplacee(const Lignes& tete, std::string_view marque)
{
    const Lignes apres = remplace_ligne_marquee(tete, marque, "\x01");
    std::vector<std::size_t> changees;
    for (std::size_t i = 0; i < tete.size(); ++i) {
        if (apres[i] != tete[i]) {
            changees.push_back(i);
        }
    }
    EXPECT_EQ(changees.size(), 1u) << marque;
    return changees.empty() ? 0 : changees.front();
}

const fs::path modeles = donnees_livrees / "Orvanew" / "Horaires";

TEST(ModelesHoraires, ChaqueMarqueUneFoisSuivieDeSaValeur)
{
    for (const char* nom : {"fic_h1.htm", "fic_h1.txt"}) {
        const Lignes tete = platform::read_lines(modeles / nom);
        std::set<std::size_t> valeurs;
        for (std::string_view m : {marque_annee, marque_journee, marque_texte}) {
            const std::size_t v = ligne_remplacee(tete, m);
            ASSERT_GT(v, 0u) << nom << " " << m;
            EXPECT_NE(tete[v - 1].find(m), std::string::npos) << nom << " " << m;
            valeurs.insert(v);
        }
        // Outside the lines the program replaces, each marker is on one
        // line only.
        for (std::string_view m : {marque_annee, marque_journee, marque_texte}) {
            std::size_t n = 0;
            for (std::size_t i = 0; i < tete.size(); ++i) {
                n += !valeurs.contains(i) && tete[i].find(m) != std::string::npos ? 1 : 0;
            }
            EXPECT_EQ(n, 1u) << nom << " " << m;
        }
        // The one-city pages and the list pages write the same title line.
        EXPECT_EQ(ligne_remplacee(tete, marque_annee), ligne_remplacee(tete, marque_journee))
            << nom;
    }
    // The text head opens with the banner the program writes over it.
    const Lignes texte = platform::read_lines(modeles / "fic_h1.txt");
    ASSERT_FALSE(texte.empty());
    EXPECT_TRUE(texte.front().starts_with("<===== HORAIRES DE L'ANNEE "));
    EXPECT_TRUE(texte.front().ends_with(" =====>"));
    EXPECT_EQ(texte.back(), " ");
}

TEST(ModelesHoraires, LesModesSeSuiventSansAbimerLaTete)
{
    const Lignes modele = platform::read_lines(modeles / "fic_h1.htm");
    const std::size_t titre = ligne_remplacee(modele, marque_journee);
    const std::size_t lien = ligne_remplacee(modele, marque_texte);
    const std::vector<std::vector<Remplacement>> suite = {
        liste_de_villes(2025, "PARIS (75)", "PARIS 75"),
        page_pour(2026, "NICE (06)"),
        liste_monde("Jérusalem", "Jerusale"),
        page_pour(2027, "Anvers"),
        liste_de_villes(2028, "LYON (69)", "LYON 69"),
        liste_monde("Londres", "Londres"),
        liste_de_villes(2029, "METZ (57)", "METZ 57"),
    };
    Lignes tete = modele;
    for (const std::vector<Remplacement>& mode : suite) {
        tete = remplace(tete, mode);
        ASSERT_EQ(tete.size(), modele.size());
        // The title is that of this run whatever ran before, the link that
        // of the last list; every other line is the template's own.
        EXPECT_EQ(tete[titre], mode.front().valeur);
        if (mode.size() > 1) {
            EXPECT_EQ(tete[lien], mode[1].valeur);
        }
        for (std::size_t i = 0; i < tete.size(); ++i) {
            if (i != titre && i != lien) {
                EXPECT_EQ(tete[i], modele[i]) << "line " << i << " after " << mode.front().valeur;
            }
        }
        std::string page;
        for (const std::string& l : tete) {
            page += l + "\n";
        }
        page += "</PRE><FONT><PRE><FONT>\n";
        for (const std::string& l : platform::read_lines(modeles / "fic_h2.htm")) {
            page += l + "\n";
        }
        const Lignes defauts = defauts_html(page);
        EXPECT_TRUE(defauts.empty()) << mode.front().valeur << ": " << defauts.front();
    }
}

/// A body shaped like the one the web run writes for a city: it closes the
/// head's <PRE>, leaves the place's font open, and ends inside the <PRE>
/// and the font of the rows.
const Lignes corps_web = {
    "</PRE><FONT face=\"times\" color=#990000 style=\"font-size: 18pt\"><STRONG>PARIS "
    "(75)</STRONG></FONT><FONT face=\"times\" style=\"font-size: 12pt\">  (France)   Latitude : "
    "48°52'N   Longitude : 02°20'E   GMT : +1<BR>",
    "L'heure d'été est prise en compte dans ce tableau",
    "<BR>Cette mesure s'applique du dernier dimanche de mars jusqu'au dernier dimanche "
    "d'octobre.",
    "<PRE><STRONG><FONT face=\"times\"  color=#000099 style=\"font-size: 15pt\"><A name=1J> "
    "Janvier 2025</A></FONT></STRONG><BR><FONT face=\"Courier New\" style=\"font-size: "
    "10pt\"><STRONG>-Date--------Aube   Début  L.sol</STRONG>",
    "2025\tMe 01/01/25  06:33  06:43  08:42",
    "2025\tJe 02/01/25  06:33  06:43  08:42",
};

std::size_t occurrences(const std::string& texte, std::string_view motif)
{
    std::size_t n = 0;
    for (std::size_t i = texte.find(motif); i != std::string::npos; i = texte.find(motif, i + 1)) {
        ++n;
    }
    return n;
}

TEST(ModelesHoraires, PageHtmlAssembleeAutourDUnCorps)
{
    RepertoireAvecModeles dossier;
    const fs::path tete = dossier / "Orvanew/Horaires/fic_h1.htm";
    for (const Remplacement& r : liste_de_villes(2025, "PARIS (75)", "PARIS 75")) {
        remplace_ligne_marquee(dossier.path(), "Orvanew/Horaires/fic_h1.htm", r.marque, r.valeur);
    }
    platform::write_lines(dossier / "tmp", corps_web);
    const fs::path page = dossier / "Orvanew/Horaires/Horaires/2025/PARIS 75.htm";
    assemble_page(tete, dossier / "tmp", dossier / "Orvanew/Horaires/fic_h2.htm", page);

    const std::string texte = octets(page);
    EXPECT_TRUE(texte.starts_with("<!DOCTYPE html>\r\n"));
    EXPECT_TRUE(texte.ends_with("</HTML>\r\n"));
    const Lignes defauts = defauts_html(texte);
    EXPECT_TRUE(defauts.empty()) << defauts.front();
    std::string corps;
    for (const std::string& l : corps_web) {
        corps += l + "\r\n";
    }
    EXPECT_NE(texte.find(corps), std::string::npos) << "the body is not whole";
    EXPECT_NE(texte.find("Horaires de la journée<BR>"), std::string::npos);
    EXPECT_NE(texte.find("\r\nde l'année 2025  (5785/86)<BR>pour PARIS (75)\r\n"),
              std::string::npos);
    EXPECT_NE(texte.find("\r\n2025/PARIS 75.txt\r\n"), std::string::npos);
    // The month footers of the body link to the anchor at the top.
    const std::size_t ancre = texte.find("<A name=\"debut\"></A>");
    EXPECT_LT(ancre, texte.find("<PRE>"));
    EXPECT_NE(texte.find("<A href=\"#debut\">", texte.find(corps)), std::string::npos);
    EXPECT_EQ(occurrences(texte, "<PRE>"), occurrences(texte, "</PRE>"));
    // The foot's note.
    EXPECT_NE(texte.find("consultez votre rabbin"), std::string::npos);
    EXPECT_NE(texte.find("'houmra"), std::string::npos);
}

TEST(ModelesHoraires, PageTexteAssembleeAutourDUnCorps)
{
    RepertoireAvecModeles dossier;
    const fs::path tete = dossier / "Orvanew/Horaires/fic_h1.txt";
    for (const Remplacement& r : liste_de_villes(2025, "NICE (06)", "NICE 06")) {
        remplace_ligne_marquee(dossier.path(), "Orvanew/Horaires/fic_h1.txt", r.marque, r.valeur);
    }
    const std::string banniere =
        "<===== HORAIRES DE L'ANNEE 2025 pour la ville de NICE (06) =====>";
    ecrit_entete_simple(tete, banniere);
    const Lignes corps = {
        "NICE (06) (France)   Latitude : 43°42'N   Longitude : 07°16'E   GMT : +1", " ",
        "2025\tMe 01/01/25\t06:33\t06:43"};
    platform::write_lines(dossier / "tmp", corps);
    const fs::path page = dossier / "Orvanew/Horaires/Horaitxt/2025/NICE 06.txt";
    assemble_page(tete, dossier / "tmp", dossier / "Orvanew/Horaires/fic_h2.txt", page);

    // Split by hand at CR LF, read back by the program's reader.
    ASSERT_EQ(lignes_crlf(page).size(), platform::read_lines(page).size());
    const Lignes lignes = platform::read_lines(page);
    const Lignes pied = platform::read_lines(modeles / "fic_h2.txt");
    ASSERT_EQ(lignes.size(), 2 + corps.size() + pied.size());
    EXPECT_EQ(lignes[0], banniere);
    EXPECT_EQ(lignes[1], " ");
    EXPECT_EQ(Lignes(lignes.begin() + 2, lignes.begin() + 2 + 3), corps);
    EXPECT_EQ(Lignes(lignes.end() - static_cast<std::ptrdiff_t>(pied.size()), lignes.end()), pied);
    // Windows-1252, as every text file of the program: "é" is one byte.
    const std::string texte = octets(page);
    EXPECT_NE(texte.find("calcul\xe9s"), std::string::npos);
    EXPECT_EQ(texte.find("\xc3\xa9"), std::string::npos);
    EXPECT_NE(texte.find("consultez"), std::string::npos);
    EXPECT_NE(texte.find("'houmra"), std::string::npos);
}

} // namespace
} // namespace orvane::documents
