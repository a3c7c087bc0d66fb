// The dBase tables of the records: created with their fields when missing,
// records added, changed and deleted, values refused that the file cannot
// hold, the order of each index and the French order of names, the range of
// the record viewer, and what the file holds when a write fails or stops
// half-way.

#include "platform/encoding.h"
#include "platform/file_error.h"
#include "platform/raw_file.h"
#include "records/tables/french_order.h"
#include "records/tables/hebrew_order.h"
#include "table_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <random>
#include <set>

#include <sys/resource.h>
#include <sys/stat.h>

namespace orvane::records
{
namespace
{

using test::ajoute;
using test::colonne;
using test::Programme;
using test::Valeurs;
using test::valeurs_de;
using test::valeurs_du_fichier;

unsigned octet(const std::string& o, std::size_t i)
{
    return static_cast<unsigned char>(o.at(i));
}

// Every table of the records, absent at first, is created with its fields:
// a dBase III file with the Windows code page, readable again.
TEST(TableDbase, UneTableAbsenteEstCreeeAvecSesChamps)
{
    for (const SchemaTable* s : {&schema_naissances(), &schema_deces(), &schema_evenements()}) {
        Programme p;
        const std::filesystem::path f = p.table(s->nom_fichier);
        EXPECT_EQ(f, p.dir / "dbd" / std::string(s->nom_fichier));
        ASSERT_FALSE(platform::file_exists(f));
        Table t = Table::ouvre_ou_cree(f, s->champs);
        EXPECT_EQ(t.champs(), s->champs) << s->nom_fichier;
        EXPECT_EQ(t.nombre(), 0u);
        EXPECT_FALSE(t.premier());
        EXPECT_EQ(t.position(), std::nullopt);
        EXPECT_EQ(Table::ouvre(f).champs(), s->champs);

        const std::string o = platform::read_bytes(f);
        std::size_t largeur = 1;
        for (const ChampDbf& c : s->champs) {
            largeur += static_cast<std::size_t>(c.taille);
        }
        const std::size_t en_tete = 32 + 32 * s->champs.size() + 1;
        EXPECT_EQ(octet(o, 0), 0x03u);                        // dBase III
        EXPECT_EQ(octet(o, 29), 0x03u);                       // Windows-1252
        EXPECT_EQ(octet(o, 4) | octet(o, 5) << 8, 0u);        // no record
        EXPECT_EQ(octet(o, 8) | octet(o, 9) << 8, en_tete);   // header length
        EXPECT_EQ(octet(o, 10) | octet(o, 11) << 8, largeur); // record length
        EXPECT_EQ(o.at(en_tete - 1), '\x0D');
        EXPECT_EQ(o.size(), en_tete + 1);
        EXPECT_EQ(o.back(), '\x1A');
    }
}

TEST(TableDbase, LesChampsDesTables)
{
    const auto& n = schema_naissances().champs;
    ASSERT_EQ(n.size(), 23u);
    EXPECT_EQ(schema_deces().champs.size(), 27u);
    for (std::size_t i = 0; i < schema_deces().champs.size(); ++i) {
        EXPECT_EQ(schema_deces().champs[i].nom, ordre_des_champs[i]);
    }
    EXPECT_EQ(n[1], (ChampDbf{"NOM", 'C', 50, 0}));
    EXPECT_EQ(n[12], (ChampDbf{"NAI_CV_N", 'D', 8, 0}));
    EXPECT_EQ(n[21], (ChampDbf{"NOTES", 'C', 100, 0}));
    EXPECT_EQ(schema_evenements().champs, (std::vector<ChampDbf>{{"TITRE", 'C', 50, 0},
                                                                 {"DATEC", 'D', 8, 0},
                                                                 {"DATEH", 'C', 12, 0},
                                                                 {"COMMENT", 'C', 254, 0}}));
    const std::vector<std::string> lignes = {"Mariage de Léa", "", "à Strasbourg"};
    EXPECT_EQ(commentaire_des_lignes(lignes), "Mariage de Léa\r\n\r\nà Strasbourg");
    EXPECT_EQ(lignes_du_commentaire(commentaire_des_lignes(lignes)), lignes);
    EXPECT_TRUE(lignes_du_commentaire("").empty());
}

// The folder of the tables is found whatever the case of its name and of the
// tables' names, as the program's files are.
TEST(TableDbase, LeDossierEtLesTablesSontTrouvesSansEgardALaCasse)
{
    Programme p;
    std::filesystem::create_directory(p.dir / "DBD");
    ContenuDbf c;
    c.champs = schema_naissances().champs;
    platform::write_bytes(p.dir / "DBD" / "BD_NAIS.DBF", ecrit_dbf(c, {2024, 1, 1}));
    EXPECT_EQ(p.table("Bd_NAIS.dbf"), p.dir / "DBD" / "BD_NAIS.DBF");
    EXPECT_EQ(p.table("Bd_DC.dbf"), p.dir / "DBD" / "Bd_DC.dbf");
    EXPECT_EQ(p.naissances().fichier(), p.dir / "DBD" / "BD_NAIS.DBF");
}

TEST(TableDbase, SaisieModificationEtSuppression)
{
    Programme p;
    Table t = p.naissances();
    ajoute(t, {{"N", "M."}, {"NOM", "Cohen"}, {"PRE", "David"}, {"NAI_CV_N", "10/05/1998"}});
    EXPECT_EQ(t.texte("NOM"), "Cohen");
    ajoute(t, {{"N", "Mme"}, {"NOM", "Lévy"}, {"PRE", "Éléonore"}, {"VILLE", "Besançon"}});
    ajoute(t, {{"NOM", "Attal"}, {"NAI_CV_N", "1/2/2003"}});
    EXPECT_EQ(t.nombre(), 3u);
    EXPECT_EQ(t.position(), 2u); // the record posted is the current one
    EXPECT_EQ(t.date("NAI_CV_N"), (engine::DateCivile{2003, 2, 1}));
    EXPECT_EQ(t.texte("NAI_CV_N"), "01/02/2003");
    EXPECT_EQ(t.texte("PRE"), "");

    // While a record is filled, its values are read, not the current one's.
    t.insere();
    t.change_texte("NOM", "Benhamou");
    EXPECT_EQ(t.etat(), EtatTable::insertion);
    EXPECT_EQ(t.texte("NOM"), "Benhamou");
    EXPECT_THROW(t.suivant(), std::logic_error);
    t.annule();
    EXPECT_EQ(t.texte("NOM"), "Attal");
    EXPECT_EQ(t.nombre(), 3u);

    ASSERT_TRUE(t.premier());
    t.modifie();
    t.change_texte("VILLE", "Paris  ");
    t.change_date("NAI_CV_N", engine::DateCivile{1998, 5, 11});
    t.annule();
    EXPECT_EQ(t.texte("VILLE"), "");
    t.modifie();
    t.change_texte("VILLE", "Paris  ");
    t.change_date("B_MITZ_CIV", engine::DateCivile{2011, 5, 1});
    t.valide();
    EXPECT_EQ(t.texte("VILLE"), "Paris");
    EXPECT_EQ(t.position(), 0u);

    const std::vector<std::vector<std::string>> attendu = valeurs_de(t);
    EXPECT_EQ(valeurs_du_fichier(t.fichier()), attendu);
    EXPECT_EQ(attendu[0][8], "Paris");
    EXPECT_EQ(attendu[0][22], "01/05/2011");
    EXPECT_EQ(attendu[1][2], "Éléonore");

    // Deleting: the next record becomes current, the last one's predecessor
    // after the last.
    ASSERT_TRUE(t.suivant());
    t.supprime();
    EXPECT_EQ(t.nombre(), 2u);
    EXPECT_EQ(t.texte("NOM"), "Attal");
    t.supprime();
    EXPECT_EQ(t.texte("NOM"), "Cohen");
    EXPECT_EQ(valeurs_du_fichier(t.fichier()), valeurs_de(t));
    t.supprime();
    EXPECT_TRUE(t.vide());
    EXPECT_EQ(t.texte("NOM"), "");
    t.supprime(); // nothing to delete
    EXPECT_EQ(Table::ouvre(t.fichier()).nombre(), 0u);
    EXPECT_THROW(t.modifie(), std::logic_error);
}

// What the file cannot hold is refused when it is typed, with the field's
// name, and the record keeps what it had.
TEST(TableDbase, LesValeursQueLeFichierNePeutTenirSontRefusees)
{
    Programme p;
    Table t = p.naissances();
    ajoute(t, {{"NOM", "Cohen"}});
    t.modifie();
    const auto message = [&](std::string_view champ, std::string_view valeur) {
        try {
            t.change_texte(champ, valeur);
        } catch (const ValeurRefusee& e) {
            return std::string(e.what());
        }
        return std::string("accepté");
    };
    EXPECT_EQ(message("NOM", "דוד"),
              "Le champ « NOM » : le caractère « ד » (U+05D3) ne peut pas être écrit en "
              "Windows-1252");
    EXPECT_EQ(message("N", "Mlle"), "Le champ « N » ne peut contenir que 3 caractères");
    EXPECT_EQ(message("NOM", std::string(51, 'a')),
              "Le champ « NOM » ne peut contenir que 50 caractères");
    EXPECT_EQ(message("NOM", std::string(50, 'e') + "   "), "accepté"); // blanks at the end
    EXPECT_EQ(message("NOTES", "\xE9t\xE9" /* not UTF-8 */),
              "Le champ « NOTES » : l'octet 0xE9 ne fait partie d'aucun caractère UTF-8 valide");
    EXPECT_EQ(message("NAI_CV_N", "31/02/2020"),
              "Le champ « NAI_CV_N » : « 31/02/2020 » n'est pas une date");
    EXPECT_EQ(message("NAI_CV_N", "2020-02-01"),
              "Le champ « NAI_CV_N » : « 2020-02-01 » n'est pas une date");
    EXPECT_EQ(message("PRENOM", "David"), "La table « Bd_NAIS.dbf » n'a pas de champ « PRENOM »");
    t.change_texte("PRE", "Œdipe €");
    t.valide();
    EXPECT_EQ(t.texte("NOM"), std::string(50, 'e'));
    EXPECT_EQ(t.texte("PRE"), "Œdipe €");
    EXPECT_EQ(t.texte("NAI_CV_N"), "");
    EXPECT_THROW(t.change_texte("NOM", "x"), std::logic_error);
    EXPECT_EQ(valeurs_du_fichier(t.fichier()), valeurs_de(t));
    // "€" and "Œ" are single bytes of Windows-1252 in the file.
    EXPECT_NE(platform::read_bytes(t.fichier())
                  .find("\x8C"
                        "dipe \x80"),
              std::string::npos);
}

TEST(TableDbase, LesDatesDesChamps)
{
    EXPECT_EQ(date_du_texte("03/10/2024"), (engine::DateCivile{2024, 10, 3}));
    EXPECT_EQ(date_du_texte("3/1/0800"), (engine::DateCivile{800, 1, 3}));
    EXPECT_EQ(date_du_texte("29/02/2024"), (engine::DateCivile{2024, 2, 29}));
    for (const char* faux : {"29/02/2023", "00/01/2024", "1/13/2024", "1/1/24", "01/01/00000",
                             "01/01/0000", "1//2024", "/1/2024", "01/01/2024 ", "", "aa/bb/cccc"}) {
        EXPECT_EQ(date_du_texte(faux), std::nullopt) << faux;
    }
    for (int j = 0; j < 3000; j += 7) {
        const engine::DateCivile d =
            engine::civil_du_numero(engine::numero_du_civil({1990, 1, 1}) + j * 11);
        EXPECT_EQ(date_du_texte(texte_de_date(d)), d) << texte_de_date(d);
    }
    EXPECT_EQ(texte_de_date({998, 7, 4}), "04/07/0998");
}

// ---------------------------------------------------------------------------
// Order

/// An oracle of the French order, written apart from the program's: the
/// accented letters of the names below, by hand.
std::string repli(const std::string& utf8)
{
    static const std::map<std::string, std::string> lettres = {
        {"é", "e"}, {"è", "e"}, {"ê", "e"}, {"ë", "e"}, {"É", "e"},  {"È", "e"},
        {"à", "a"}, {"â", "a"}, {"À", "a"}, {"ç", "c"}, {"Ç", "c"},  {"ô", "o"},
        {"î", "i"}, {"ï", "i"}, {"ù", "u"}, {"û", "u"}, {"œ", "oe"}, {"Œ", "oe"}};
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            r += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            ++i;
            continue;
        }
        const std::string lettre = utf8.substr(i, 2);
        r += lettres.at(lettre);
        i += 2;
    }
    return r;
}

const std::vector<std::string> noms_tires = {"Cohen", "Lévy",     "Élbaz",  "Elbaz",   "ELBAZ",
                                             "Attal", "Benhamou", "Œuvray", "Oeuvray", "Zérbib",
                                             "zana",  "Ça",       "Çohen",  "cohen",   "Bénichou",
                                             "",      "Dreyfus",  "Hazan",  "Ifrah"};
const std::vector<std::string> villes_tirees = {"Paris", "Besançon", "Évry",    "Lyon",   "",
                                                "évian", "Nice",     "Orléans", "Créteil"};

/// A table of births with names, towns, codes and dates drawn at random,
/// empty values and ties included.
Table table_tiree(const Programme& p, int nombre)
{
    std::mt19937 hasard(5785);
    const auto un_de = [&](const std::vector<std::string>& v) {
        return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(hasard)];
    };
    const auto date = [&]() -> std::string {
        if (hasard() % 10 == 0) {
            return "";
        }
        const engine::NumeroJour n =
            engine::numero_du_civil({1900, 1, 1}) +
            static_cast<std::int64_t>(std::uniform_int_distribution<int>(0, 60000)(hasard));
        return texte_de_date(engine::civil_du_numero(n));
    };
    Table t = p.naissances();
    for (int i = 0; i < nombre; ++i) {
        ajoute(t, {{"NOM", un_de(noms_tires)},
                   {"PRE", un_de(noms_tires)},
                   {"PREH", un_de({"dwd", "hrc", "\\hrba", "", "bqyy"})},
                   {"VILLE", un_de(villes_tirees)},
                   {"CODE", un_de({"75001", "25000", "", "06000", "69003", "2A004"})},
                   {"NAI_CV_N", date()},
                   {"ACT_CV_N", date()}});
    }
    return t;
}

/// The oracle of the Hebrew order: the glyphs read from the last, each
/// letter by its place in the alphabet (final forms as their letters).
std::string repli_hebreu(const std::string& glyphes)
{
    const std::string alphabet = "abgdhwzjfyklmnsupxqrct";
    std::string r;
    for (auto it = glyphes.rbegin(); it != glyphes.rend(); ++it) {
        const char c = *it == '\\' ? 'm' : *it == '}' ? 'n' : *it == '{' ? 'x' : *it;
        r += static_cast<char>('A' + alphabet.find(c));
    }
    return r;
}

/// The key of the oracle for a field: text folded, a date as year, month, day.
std::string cle_oracle(const Table& t, std::size_t fiche, std::string_view champ)
{
    if (const auto d = t.date_de(fiche, champ)) {
        char b[16];
        std::snprintf(b, sizeof b, "%04d%02d%02d", d->annee, d->mois, d->jour);
        return b;
    }
    if (champ == "PREH") {
        return repli_hebreu(t.texte_de(fiche, champ));
    }
    return repli(t.texte_de(fiche, champ));
}

// Each index orders every record by its field, ties in the order of the
// file, and the table walks them all from the first to the last and back.
TEST(TableDbase, ChaqueIndexOrdonneToutesLesFiches)
{
    Programme p;
    Table t = table_tiree(p, 300);
    for (const std::string_view index : index_des_fiches) {
        t.trie_par(index);
        EXPECT_EQ(t.index(), index);
        std::vector<std::size_t> vues;
        for (bool ok = t.premier(); ok; ok = t.suivant()) {
            vues.push_back(*t.fiche_courante());
        }
        ASSERT_EQ(vues.size(), 300u) << index;
        EXPECT_EQ(std::set<std::size_t>(vues.begin(), vues.end()).size(), 300u) << index;
        for (std::size_t i = 1; i < vues.size(); ++i) {
            const std::string a = cle_oracle(t, vues[i - 1], index);
            const std::string b = cle_oracle(t, vues[i], index);
            ASSERT_TRUE(a < b || (a == b && vues[i - 1] < vues[i]))
                << index << " : « " << t.texte_de(vues[i - 1], index) << " » avant « "
                << t.texte_de(vues[i], index) << " »";
        }
        std::vector<std::size_t> retour;
        for (bool ok = t.dernier(); ok; ok = t.precedent()) {
            retour.push_back(*t.fiche_courante());
        }
        std::reverse(retour.begin(), retour.end());
        EXPECT_EQ(retour, vues) << index;
    }
    t.trie_par("");
    EXPECT_EQ(t.fiches_affichees(), t.fiches());
    EXPECT_THROW(t.trie_par("PRENOM"), ValeurRefusee);
}

// "Élie" stands between "Eli" and "Emma": accents and case do not count.
TEST(TableDbase, LesNomsAccentuesSontDansLOrdreFrancais)
{
    Programme p;
    Table t = p.naissances();
    for (const char* nom : {"Emma", "Élie", "Eli", "Zana", "émile", "ELIE", "Œuvre", "Oeuf", "eli",
                            "Ève", "Straße", "Strasbourg"}) {
        ajoute(t, {{"NOM", nom}});
    }
    t.trie_par("NOM");
    EXPECT_EQ(colonne(t, "NOM"),
              (std::vector<std::string>{"Eli", "eli", "Élie", "ELIE", "émile", "Emma", "Ève",
                                        "Oeuf", "Œuvre", "Strasbourg", "Straße", "Zana"}));
    EXPECT_EQ(cle_francaise("Élie"), "elie");
    EXPECT_EQ(cle_francaise("ŒUVRE Æ"), "oeuvre ae");
    EXPECT_EQ(cle_francaise("Ñandú Łódź"), "nandu lodz");
    EXPECT_EQ(cle_francaise("דוד"), "דוד");
    EXPECT_LT(cle_francaise("Eli"), cle_francaise("Élie"));
    EXPECT_LT(cle_francaise("Élie"), cle_francaise("Emma"));
}

// The Hebrew first names, stored in the order of their glyphs, follow the
// Hebrew alphabet as they are read: אברהם, דוד, יעקב, יצחק, משה.
TEST(TableDbase, LesPrenomsHebreuxSuiventLAlphabetHebreu)
{
    Programme p;
    Table t = p.naissances();
    for (const char* preh : {"hcm", "qjxy", "dwd", "bquy", "\\hrba", "", "hrc", "}rha"}) {
        ajoute(t, {{"PREH", preh}});
    }
    t.trie_par("PREH");
    // (empty), אברהם, אהרן, דוד, יעקב, יצחק, משה, שרה
    EXPECT_EQ(test::colonne(t, "PREH"), (std::vector<std::string>{"", "\\hrba", "}rha", "dwd",
                                                                  "bquy", "qjxy", "hcm", "hrc"}));
    EXPECT_TRUE(est_champ_hebreu("preh_dc"));
    EXPECT_FALSE(est_champ_hebreu("PRE"));
}

// "Trier alphab." of the record viewer: the names from " " to "z", the
// empty name left out, every name beginning with z kept; "Supprim. tri"
// gives back the order of the file.
TEST(TableDbase, LaLimiteDesNomsDuBlancAuZ)
{
    Programme p;
    Table t = p.naissances();
    for (const char* nom : {"Zana", "", " Blanc", "zoé", "Élie", "123", "~tilde", "Zz", "aaron"}) {
        ajoute(t, {{"NOM", nom}});
    }
    EXPECT_THROW(t.limite(" ", "z"), ValeurRefusee); // no index
    t.trie_par("NOM");
    t.limite(" ", "z");
    EXPECT_EQ(colonne(t, "NOM"),
              (std::vector<std::string>{" Blanc", "123", "aaron", "Élie", "Zana", "zoé", "Zz"}));
    EXPECT_EQ(t.nombre(), 7u);
    t.limite("b", "e");
    EXPECT_EQ(colonne(t, "NOM"), (std::vector<std::string>{"Élie"}));
    t.supprime_limites();
    EXPECT_EQ(t.nombre(), 9u);
    t.trie_par("");
    EXPECT_EQ(colonne(t, "NOM").front(), "Zana");

    // A date index takes dates.
    t.trie_par("ACT_CV_N");
    EXPECT_THROW(t.limite("a", "b"), ValeurRefusee);
    ASSERT_TRUE(t.premier());
    t.modifie();
    t.change_date("ACT_CV_N", engine::DateCivile{2024, 3, 7});
    t.valide();
    t.limite_dates({2024, 2, 20}, {2024, 3, 7});
    EXPECT_EQ(t.nombre(), 1u);
    t.limite_dates({2024, 2, 20}, {2024, 3, 6});
    EXPECT_EQ(t.nombre(), 0u);
    EXPECT_FALSE(t.premier());
}

TEST(TableDbase, RechercheEtPositions)
{
    Programme p;
    Table t = p.naissances();
    for (const char* nom : {"Cohen", "Lévy", "Attal"}) {
        ajoute(t, {{"NOM", nom}});
    }
    t.trie_par("NOM");
    EXPECT_TRUE(t.trouve("NOM", "LEVY"));
    EXPECT_EQ(t.position(), 2u);
    EXPECT_EQ(t.texte("NOM"), "Lévy");
    EXPECT_FALSE(t.trouve("NOM", "Lev"));
    EXPECT_EQ(t.position(), 2u);
    EXPECT_FALSE(t.suivant());
    EXPECT_EQ(t.position(), 2u);
    t.va_a(99);
    EXPECT_EQ(t.position(), 2u);
    t.va_a(0);
    EXPECT_FALSE(t.precedent());
    EXPECT_EQ(t.texte("NOM"), "Attal");
}

// A selection ("Anniv. mois courant") shows only its records, and still does
// after a record before them is deleted.
TEST(TableDbase, LaSelectionSuitLesSuppressions)
{
    Programme p;
    Table t = p.naissances();
    for (const char* nom : {"A", "B", "C", "D", "E"}) {
        ajoute(t, {{"NOM", nom}});
    }
    t.selectionne({1, 3, 4, 99});
    EXPECT_EQ(colonne(t, "NOM"), (std::vector<std::string>{"B", "D", "E"}));
    ASSERT_TRUE(t.premier());
    t.supprime();
    EXPECT_EQ(colonne(t, "NOM"), (std::vector<std::string>{"D", "E"}));
    ajoute(t, {{"NOM", "F"}}); // a new record is not in the selection
    EXPECT_EQ(t.nombre(), 2u);
    t.supprime_selection();
    EXPECT_EQ(colonne(t, "NOM"), (std::vector<std::string>{"A", "C", "D", "E", "F"}));
}

TEST(TableDbase, RouvreLitLesChangementsDUnAutreProgramme)
{
    Programme p;
    Table t = p.naissances();
    ajoute(t, {{"NOM", "Cohen"}});
    t.trie_par("NOM");
    ContenuDbf autre = lit_dbf(platform::read_bytes(t.fichier()));
    FicheDbf f;
    f.valeurs.assign(autre.champs.size(), "");
    f.valeurs[1] = "Attal";
    autre.fiches.push_back(f);
    platform::write_bytes(t.fichier(), ecrit_dbf(autre, {2024, 1, 1}));
    EXPECT_EQ(t.nombre(), 1u);
    t.rouvre();
    EXPECT_EQ(t.index(), "NOM");
    EXPECT_EQ(colonne(t, "NOM"), (std::vector<std::string>{"Attal", "Cohen"}));
    t.ferme();
    EXPECT_FALSE(t.ouverte());
    EXPECT_THROW(t.premier(), std::logic_error);
    EXPECT_THROW((void)Table::ouvre(p.dir / "dbd" / "absente.dbf"), platform::FileError);
}

// ---------------------------------------------------------------------------
// Writes that fail or stop

/// Stops a write at one step, as a crash there would.
struct Interruption {
    EtapeEcriture etape;
};

/// The changes a window makes, each of which rewrites the file.
enum class Changement { ajout, modification, suppression };

void applique(Table& t, Changement c)
{
    switch (c) {
    case Changement::ajout:
        t.insere();
        t.change_texte("NOM", "Nouvelle");
        t.valide();
        break;
    case Changement::modification:
        ASSERT_TRUE(t.premier());
        t.modifie();
        t.change_texte("VILLE", "Strasbourg");
        t.valide();
        break;
    case Changement::suppression:
        ASSERT_TRUE(t.premier());
        t.supprime();
        break;
    }
}

// At every step of every write, the file of the table is the old table or
// the new one, whole; stopped at a step, it stays so, and the backup holds
// the old table once it has been made.
TEST(TableDbase, UneEcritureInterrompueLaisseLAncienneOuLaNouvelleTable)
{
    const EtapeEcriture etapes[] = {EtapeEcriture::temporaire_ecrit, EtapeEcriture::ancienne_gardee,
                                    EtapeEcriture::remplacee};
    for (const Changement changement :
         {Changement::ajout, Changement::modification, Changement::suppression}) {
        for (const EtapeEcriture arret : etapes) {
            Programme p;
            Table t = p.naissances();
            for (const char* nom : {"Cohen", "Lévy", "Attal"}) {
                ajoute(t, {{"NOM", nom}, {"VILLE", "Paris"}});
            }
            const auto ancienne = valeurs_du_fichier(t.fichier());
            // The new table: the same change made on a copy, without stop.
            Programme q;
            std::filesystem::copy_file(t.fichier(), q.table("Bd_NAIS.dbf"));
            Table copie = q.naissances();
            applique(copie, changement);
            const auto nouvelle = valeurs_du_fichier(copie.fichier());
            ASSERT_NE(ancienne, nouvelle);

            std::vector<EtapeEcriture> vues;
            t.crochet_ecriture([&](EtapeEcriture e) {
                vues.push_back(e);
                const auto sur_le_disque = valeurs_du_fichier(t.fichier());
                EXPECT_TRUE(sur_le_disque == (e == EtapeEcriture::remplacee ? nouvelle : ancienne))
                    << "étape " << static_cast<int>(e);
                if (e == arret) {
                    throw Interruption{e};
                }
            });
            EXPECT_THROW(applique(t, changement), Interruption);
            EXPECT_EQ(vues.back(), arret);
            const auto apres = valeurs_du_fichier(t.fichier());
            EXPECT_EQ(apres, arret == EtapeEcriture::remplacee ? nouvelle : ancienne);
            if (arret != EtapeEcriture::temporaire_ecrit) {
                EXPECT_EQ(valeurs_du_fichier(chemin_de_sauvegarde(t.fichier())), ancienne);
            }
            // No temporary file is left by a write that was stopped.
            for (const auto& e : std::filesystem::directory_iterator(p.dir / "dbd")) {
                const std::string nom = e.path().filename().string();
                EXPECT_TRUE(nom == "Bd_NAIS.dbf" || nom == "Bd_NAIS.bak") << nom;
            }
        }
    }
}

TEST(TableDbase, LaSauvegardeGardeLaTablePrecedente)
{
    Programme p;
    Table t = p.naissances();
    const std::filesystem::path bak = p.dir / "dbd" / "Bd_NAIS.bak";
    EXPECT_FALSE(platform::file_exists(bak)); // nothing to keep at the creation
    ajoute(t, {{"NOM", "Cohen"}});
    const auto une = valeurs_du_fichier(t.fichier());
    ajoute(t, {{"NOM", "Lévy"}});
    EXPECT_EQ(chemin_de_sauvegarde(t.fichier()), bak);
    EXPECT_EQ(valeurs_du_fichier(bak), une);
    // The backup is a file of its own: the next write does not change it
    // through the table.
    const std::string octets_bak = platform::read_bytes(bak);
    ajoute(t, {{"NOM", "Attal"}});
    EXPECT_EQ(valeurs_du_fichier(bak).size(), 2u);
    EXPECT_NE(platform::read_bytes(bak), octets_bak);
    // An old backup named in capitals is the one kept.
    std::filesystem::rename(bak, p.dir / "dbd" / "BD_NAIS.BAK");
    EXPECT_EQ(chemin_de_sauvegarde(t.fichier()), p.dir / "dbd" / "BD_NAIS.BAK");
}

/// Lowers the largest file this process may write, as a full disk stops a
/// write; restored at the end of the scope.
class LimiteDeTaille
{
public:
    explicit LimiteDeTaille(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        signal_avant_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = avant_;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    LimiteDeTaille(const LimiteDeTaille&) = delete;
    LimiteDeTaille& operator=(const LimiteDeTaille&) = delete;
    ~LimiteDeTaille()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_avant_);
    }

private:
    rlimit avant_{};
    void (*signal_avant_)(int) = nullptr;
};

// A full disk: the post fails with a message naming the table, the file is
// as it was, and the record being filled waits to be posted again.
TEST(TableDbase, UnDisquePleinGardeLAncienneTableEtLaSaisie)
{
    Programme p;
    Table t = p.naissances();
    ajoute(t, {{"NOM", "Cohen"}});
    const std::string avant = platform::read_bytes(t.fichier());
    t.insere();
    t.change_texte("NOM", "Lévy");
    {
        const LimiteDeTaille limite(avant.size() + 10);
        try {
            t.valide();
            FAIL() << "écrit malgré le disque plein";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Impossible d'écrire le fichier « " +
                                                 t.fichier().string() +
                                                 " » : fichier trop volumineux");
        }
    }
    EXPECT_EQ(platform::read_bytes(t.fichier()), avant);
    EXPECT_EQ(t.etat(), EtatTable::insertion);
    EXPECT_EQ(t.texte("NOM"), "Lévy");
    t.valide();
    EXPECT_EQ(valeurs_du_fichier(t.fichier()).size(), 2u);

    // The same for a change and a deletion.
    ASSERT_TRUE(t.premier());
    const std::string deux = platform::read_bytes(t.fichier());
    t.modifie();
    t.change_texte("NOTES", std::string(100, 'n'));
    {
        const LimiteDeTaille limite(deux.size() - 1);
        EXPECT_THROW(t.valide(), platform::FileError);
        EXPECT_EQ(t.etat(), EtatTable::modification);
        t.annule();
    }
    {
        const LimiteDeTaille limite(200); // less than the header alone
        EXPECT_THROW(t.supprime(), platform::FileError);
    }
    EXPECT_EQ(platform::read_bytes(t.fichier()), deux);
    EXPECT_EQ(t.nombre(), 2u);
    EXPECT_EQ(valeurs_de(t), valeurs_du_fichier(t.fichier()));
}

// A folder in read-only mode: the same. (The super-user writes anyway; the
// test then has nothing to check.)
TEST(TableDbase, UnDossierEnLectureSeuleGardeLAncienneTable)
{
    Programme p;
    Table t = p.naissances();
    ajoute(t, {{"NOM", "Cohen"}});
    const std::string avant = platform::read_bytes(t.fichier());
    const std::filesystem::path dossier = t.fichier().parent_path();
    std::filesystem::permissions(dossier, std::filesystem::perms::owner_read |
                                              std::filesystem::perms::owner_exec);
    const bool protege = [&] {
        try {
            platform::write_bytes(dossier / "essai", "x");
        } catch (const platform::FileError&) {
            return true;
        }
        std::filesystem::remove(dossier / "essai");
        return false;
    }();
    if (protege) {
        t.insere();
        t.change_texte("NOM", "Lévy");
        try {
            t.valide();
            ADD_FAILURE() << "écrit dans un dossier en lecture seule";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Impossible d'écrire le fichier « " +
                                                 t.fichier().string() + " » : accès refusé");
        }
        EXPECT_EQ(t.texte("NOM"), "Lévy");
    }
    std::filesystem::permissions(dossier, std::filesystem::perms::owner_all);
    EXPECT_EQ(platform::read_bytes(t.fichier()), avant);
    if (!protege) {
        GTEST_SKIP() << "le super-utilisateur écrit dans un dossier en lecture seule";
    }
}

} // namespace
} // namespace orvane::records
