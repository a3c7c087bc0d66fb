// The dBase files themselves: the program's tables read by an independent
// reader (dbfread), tables written byte by byte in the dBase III layout as
// other programs write them read by the program, and damaged files refused.

#include "documents/workbook_reader.h"
#include "platform/file_error.h"
#include "platform/raw_file.h"
#include "records/tables/code_pages.h"
#include "table_fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane::records
{
namespace
{

using test::ajoute;
using test::Programme;
using test::valeurs_de;

// ---------------------------------------------------------------------------
// A table as dbfread reads it.

struct TableLue {
    std::vector<std::string> en_tete;             // version, driver, encoding, records
    std::vector<std::vector<std::string>> champs; // name, type, length, decimals
    std::vector<std::vector<std::string>> fiches;
};

std::vector<std::string> colonnes(const std::string& ligne)
{
    std::vector<std::string> c(1);
    for (std::size_t i = 0; i < ligne.size(); ++i) {
        if (ligne[i] == '\t') {
            c.emplace_back();
        } else if (ligne[i] == '\\' && i + 1 < ligne.size()) {
            const char e = ligne[++i];
            c.back() += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e;
        } else {
            c.back() += ligne[i];
        }
    }
    return c;
}

TableLue lue_par_dbfread(const std::filesystem::path& f)
{
    const documents::test::SortiePython s =
        documents::test::execute_python(ORVANE_SOURCE_DIR "/tests/records/read_dbf.py", f);
    EXPECT_EQ(s.statut, 0) << "read_dbf.py (dbfread) a échoué sur " << f << "\n" << s.texte;
    TableLue t;
    std::istringstream flux(s.texte);
    for (std::string ligne; std::getline(flux, ligne);) {
        std::vector<std::string> c = colonnes(ligne);
        const std::string genre = c.front();
        c.erase(c.begin());
        if (genre == "header") {
            t.en_tete = c;
        } else if (genre == "field") {
            t.champs.push_back(c);
        } else if (genre == "record") {
            t.fiches.push_back(c);
        } else {
            ADD_FAILURE() << "ligne inconnue de read_dbf.py : " << ligne;
        }
    }
    return t;
}

/// What dbfread should give for the program's values: a date as
/// "YYYY-MM-DD".
std::vector<std::vector<std::string>> attendu_par_dbfread(const Table& t)
{
    std::vector<std::vector<std::string>> v;
    for (const std::size_t f : t.fiches()) {
        std::vector<std::string> fiche;
        for (const ChampDbf& c : t.champs()) {
            if (c.type == 'D') {
                const auto d = t.date_de(f, c.nom);
                char b[16] = "";
                if (d) {
                    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d->annee, d->mois, d->jour);
                }
                fiche.emplace_back(b);
            } else {
                fiche.push_back(t.texte_de(f, c.nom));
            }
        }
        v.push_back(std::move(fiche));
    }
    return v;
}

void compare_a_dbfread(const Table& t)
{
    const TableLue lue = lue_par_dbfread(t.fichier());
    EXPECT_EQ(lue.en_tete,
              (std::vector<std::string>{"3", "3", "cp1252", std::to_string(t.fiches().size())}));
    ASSERT_EQ(lue.champs.size(), t.champs().size());
    for (std::size_t i = 0; i < t.champs().size(); ++i) {
        const ChampDbf& c = t.champs()[i];
        EXPECT_EQ(lue.champs[i],
                  (std::vector<std::string>{c.nom, std::string(1, c.type), std::to_string(c.taille),
                                            std::to_string(c.decimales)}));
    }
    EXPECT_EQ(lue.fiches, attendu_par_dbfread(t));
}

// The three tables of the program, accents, the euro sign, long notes, a
// comment of several lines and empty dates included, are read by dbfread
// with the same fields and values.
TEST(TableDbaseLecteurIndependant, LitLesTablesDuProgramme)
{
    Programme p;
    Table n = p.naissances();
    ajoute(n, {{"N", "Mme"},
               {"NOM", "Lévy-Œttinger"},
               {"PRE", "Éléonore"},
               {"PREH", "hal"},
               {"VILLE", "Besançon"},
               {"PAYS", "France"},
               {"J_N", "N"},
               {"NAI_CV_N", "29/02/2000"},
               {"NAI_HB_N", "23/06/5760"},
               {"NOTES",
                std::string(60, 'x') + " 20 € à l'ordre de « Chalom »  " + std::string(7, 'y')}});
    ajoute(n, {{"NOM", "Cohen"}, {"B_MITZ_CIV", "01/01/1900"}, {"ACT_CV_N", "31/12/2099"}});
    ajoute(n, {});
    compare_a_dbfread(n);

    Table d = Table::ouvre_ou_cree(p.table("Bd_DC.dbf"), schema_deces().champs);
    ajoute(d, {{"N", "M."},
               {"NOM", "Attal"},
               {"N_DC", "Mme"},
               {"NOM_DC", "Attal"},
               {"PRE_DC", "Hélène"},
               {"NAI_CV_N", "02/10/2024"}});
    compare_a_dbfread(d);

    Table e = Table::ouvre_ou_cree(p.table("Anni_Ev.DBF"), schema_evenements().champs);
    ajoute(e, {{"TITRE", "Mariage de Léa et Noé"},
               {"DATEC", "15/08/1999"},
               {"DATEH", "04/12/5759"},
               {"COMMENT",
                commentaire_des_lignes({"À la mairie du 9e,", "", "puis à la synagogue."})}});
    compare_a_dbfread(e);
    EXPECT_EQ(lue_par_dbfread(e.fichier()).fiches[0][3],
              "À la mairie du 9e,\r\n\r\npuis à la synagogue.");
}

// ---------------------------------------------------------------------------
// Tables written byte by byte, as other dBase programs write them.

struct ChampBrut {
    std::string nom;
    char type;
    int taille;
    int decimales = 0;
};

std::string petit_boutiste(std::size_t n, int octets)
{
    std::string s;
    for (int i = 0; i < octets; ++i) {
        s += static_cast<char>((n >> (8 * i)) & 0xFF);
    }
    return s;
}

/// A dBase III file: the 32-byte header (version, date 7 March 2024, number
/// of records, lengths, language driver at byte 29), the field descriptors,
/// 0x0D, the records (each with its deletion mark first), 0x1A.
std::string table_a_la_main(unsigned char version, unsigned char pilote,
                            const std::vector<ChampBrut>& champs,
                            const std::vector<std::string>& fiches, std::size_t annoncees,
                            bool fin = true)
{
    std::size_t largeur = 1;
    for (const ChampBrut& c : champs) {
        largeur += static_cast<std::size_t>(c.taille);
    }
    std::string o;
    o += static_cast<char>(version);
    o += "\x7C\x03\x07"; // 2024-03-07
    o += petit_boutiste(annoncees, 4);
    o += petit_boutiste(32 + 32 * champs.size() + 1, 2);
    o += petit_boutiste(largeur, 2);
    o += std::string(17, '\0');
    o += static_cast<char>(pilote);
    o += std::string(2, '\0');
    for (const ChampBrut& c : champs) {
        std::string nom = c.nom;
        nom.resize(11, '\0');
        o += nom;
        o += c.type;
        o += std::string(4, '\0');
        o += static_cast<char>(c.taille);
        o += static_cast<char>(c.decimales);
        o += std::string(14, '\0');
    }
    o += '\x0D';
    for (const std::string& f : fiches) {
        EXPECT_EQ(f.size(), largeur) << f;
        o += f;
    }
    if (fin) {
        o += '\x1A';
    }
    return o;
}

const std::vector<ChampBrut> champs_simples = {
    {"NOM", 'C', 12}, {"NAI_CV_N", 'D', 8}, {"NUM", 'N', 5}, {"MARIE", 'L', 1}};

/// A record of champs_simples as its bytes: the mark, the name completed
/// with blanks, the date, the number aligned on the right, the logical.
std::string fiche_simple(char marque, std::string nom, std::string date, std::string num,
                         char logique)
{
    nom.resize(12, ' ');
    date.resize(8, ' ');
    return std::string(1, marque) + nom + date + std::string(5 - num.size(), ' ') + num + logique;
}

// A table of another program: accents in Windows-1252, a record deleted by
// it ("*"), a number aligned on the right, an empty date, a logical field.
TEST(TableDbaseFichiers, UneTableEcriteALaMainEstLue)
{
    Programme p;
    const std::filesystem::path f = repertoire_des_tables(p.dir.path()) / "Autre.dbf";
    platform::write_bytes(f, table_a_la_main(0x03, 0x03, champs_simples,
                                             {fiche_simple(' ', "Dupr\xE9", "19980510", "12", 'T'),
                                              fiche_simple('*', "Effac\xE9", "20000101", "1", 'F'),
                                              fiche_simple(' ',
                                                           "\xC9lie  C\x9C"
                                                           "ur",
                                                           "", "-3.5", ' '),
                                              fiche_simple(' ', "Lenoir", "", "", 'Y')},
                                             4));
    Table t = Table::ouvre(f);
    EXPECT_EQ(t.champs(), (std::vector<ChampDbf>{{"NOM", 'C', 12, 0},
                                                 {"NAI_CV_N", 'D', 8, 0},
                                                 {"NUM", 'N', 5, 0},
                                                 {"MARIE", 'L', 1, 0}}));
    EXPECT_FALSE(t.incomplete());
    EXPECT_EQ(t.nombre(), 3u);
    EXPECT_EQ(t.fiches(), (std::vector<std::size_t>{0, 2, 3}));
    EXPECT_EQ(valeurs_de(t),
              (std::vector<std::vector<std::string>>{{"Dupré", "10/05/1998", "12", "Vrai"},
                                                     {"Élie  Cœur", "", "-3.5", ""},
                                                     {"Lenoir", "", "", "Vrai"}}));
    EXPECT_EQ(t.date_de(0, "NAI_CV_N"), (engine::DateCivile{1998, 5, 10}));
    EXPECT_EQ(t.date_de(2, "NAI_CV_N"), std::nullopt);

    // Written back by the program: the record deleted by the other program
    // stays in the file, marked, and dbfread reads the rest.
    ASSERT_TRUE(t.premier());
    t.modifie();
    t.change_texte("NOM", "Duprée");
    t.change_texte("NUM", "7");
    t.valide();
    const std::string o = platform::read_bytes(f);
    EXPECT_NE(o.find(fiche_simple('*', "Effac\xE9", "20000101", "1", 'F')), std::string::npos);
    EXPECT_NE(o.find(fiche_simple(' ',
                                  "Dupr\xE9"
                                  "e",
                                  "19980510", "7", 'T')),
              std::string::npos);
    const TableLue lue = lue_par_dbfread(f);
    EXPECT_EQ(lue.en_tete, (std::vector<std::string>{"3", "3", "cp1252", "4"}));
    EXPECT_EQ(lue.fiches,
              (std::vector<std::vector<std::string>>{{"Duprée", "1998-05-10", "7", "True"},
                                                     {"Élie  Cœur", "", "-3.5", ""},
                                                     {"Lenoir", "", "", "True"}}));
}

// Tables of DOS programs: code page 850 (driver 0x02) and 437 (0x01);
// rewritten, they are in Windows-1252 with its driver.
TEST(TableDbaseFichiers, LesTablesDesProgrammesDOSSontLues)
{
    Programme p;
    const std::filesystem::path f = repertoire_des_tables(p.dir.path()) / "Dos.dbf";
    const std::vector<ChampBrut> champs = {{"NOM", 'C', 10}};
    platform::write_bytes(
        f, table_a_la_main(0x03, 0x02, champs,
                           {" Dupr\x82     ", " \x90lise \xB7   ", " \xD4ve       "}, 3));
    Table t = Table::ouvre(f);
    EXPECT_EQ(valeurs_de(t),
              (std::vector<std::vector<std::string>>{{"Dupré"}, {"Élise À"}, {"Ève"}}));
    ajoute(t, {{"NOM", "Noé"}});
    const std::string o = platform::read_bytes(f);
    EXPECT_EQ(static_cast<unsigned char>(o[29]), pilote_windows_1252);
    EXPECT_NE(o.find(" Dupr\xE9     "), std::string::npos);
    EXPECT_EQ(lue_par_dbfread(f).fiches,
              (std::vector<std::vector<std::string>>{{"Dupré"}, {"Élise À"}, {"Ève"}, {"Noé"}}));

    platform::write_bytes(f, table_a_la_main(0x03, 0x01, champs, {" Gar\x87on    "}, 1));
    EXPECT_EQ(valeurs_de(Table::ouvre(f)), (std::vector<std::vector<std::string>>{{"Garçon"}}));
    EXPECT_EQ(utf8_de_la_page("\x82\x85\x87\x8A\x97", PageDeCode::dos_850), "éàçèù");
    EXPECT_EQ(utf8_de_la_page("\xE9\x80", PageDeCode::windows_1252), "é€");
}

// A file cut short (by a crash of another program) gives its whole records.
TEST(TableDbaseFichiers, UnFichierTronqueDonneSesFichesEntieres)
{
    Programme p;
    const std::filesystem::path f = repertoire_des_tables(p.dir.path()) / "Coupee.dbf";
    const std::string entiere = table_a_la_main(0x03, 0x03, champs_simples,
                                                {fiche_simple(' ', "Cohen", "19980510", "12", 'T'),
                                                 fiche_simple(' ', "Levy", "20000101", "1", 'F'),
                                                 fiche_simple(' ', "Attal", "", "1", ' ')},
                                                3, false);
    platform::write_bytes(f, entiere.substr(0, entiere.size() - 5));
    const Table t = Table::ouvre(f);
    EXPECT_TRUE(t.incomplete());
    EXPECT_EQ(t.nombre(), 2u);
    EXPECT_EQ(t.texte_de(1, "NOM"), "Levy");
}

// What is not a dBase table is refused with the name of the file and why.
TEST(TableDbaseFichiers, UnFichierEndommageEstRefuse)
{
    Programme p;
    const std::filesystem::path f = repertoire_des_tables(p.dir.path()) / "Abimee.dbf";
    const std::string bonne = table_a_la_main(0x03, 0x03, champs_simples, {}, 0);
    std::string large = bonne;
    large[10] = 5; // records narrower than the fields
    std::string longue = bonne;
    longue[9] = 0x10; // header longer than the file
    std::string sans_nom = bonne;
    sans_nom[32] = '\0';
    std::string nulle = bonne;
    nulle[32 + 16] = '\0';
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"", "l'en-tête est incomplet"},
        {"Bonjour, ceci est un texte et non une table.", "ce n'est pas une table dBase"},
        {bonne.substr(0, 20), "l'en-tête est incomplet"},
        {table_a_la_main(0x03, 0x03, {}, {}, 0), "la table n'a aucun champ"},
        {large, "les champs sont plus larges que les enregistrements"},
        {longue, "l'en-tête est incomplet"},
        {sans_nom, "un champ n'a pas de nom"},
        {nulle, "le champ « NOM » a une largeur nulle"},
    };
    for (const auto& [octets, raison] : cas) {
        platform::write_bytes(f, octets);
        try {
            (void)Table::ouvre(f);
            ADD_FAILURE() << "lue : " << raison;
        } catch (const platform::FileError& e) {
            EXPECT_EQ(std::string(e.what()), "Impossible de lire le fichier « " + f.string() +
                                                 " » : la table dBase est illisible (" + raison +
                                                 ")");
            EXPECT_EQ(e.path(), f);
        }
    }
}

// The bytes the program writes for a small table are those of the layout,
// one by one.
TEST(TableDbaseFichiers, LesOctetsEcritsSontCeuxDuFormat)
{
    ContenuDbf c;
    c.champs = {
        {"NOM", 'C', 12, 0}, {"NAI_CV_N", 'D', 8, 0}, {"NUM", 'N', 5, 0}, {"MARIE", 'L', 1, 0}};
    c.fiches = {{{"Dupré", "19980510", "12", "T"}, false},
                {{"Effacé", "20000101", "1", "F"}, true},
                {{"", "", "", ""}, false}};
    EXPECT_EQ(ecrit_dbf(c, {2024, 3, 7}),
              table_a_la_main(0x03, 0x03, champs_simples,
                              {fiche_simple(' ', "Dupr\xE9", "19980510", "12", 'T'),
                               fiche_simple('*', "Effac\xE9", "20000101", "1", 'F'),
                               std::string(27, ' ')},
                              3));
    // A memo field keeps the version byte that announces its memo file.
    ContenuDbf m;
    m.version = 0x83;
    m.champs = {{"NOTE", 'M', 10, 0}};
    m.fiches = {{{"         1"}, false}};
    EXPECT_EQ(ecrit_dbf(m, {2024, 3, 7}),
              table_a_la_main(0x83, 0x03, {{"NOTE", 'M', 10}}, {"          1"}, 1));
    m.champs = {{"NOTE", 'C', 10, 0}};
    EXPECT_EQ(ecrit_dbf(m, {2024, 3, 7})[0], '\x03');
    EXPECT_THROW((void)octets_du_champ({"NUM", 'N', 5, 0}, "12a"), ValeurRefusee);
    EXPECT_THROW((void)octets_du_champ({"NUM", 'N', 3, 0}, "1234"), ValeurRefusee);
    EXPECT_THROW((void)octets_du_champ({"D", 'D', 8, 0}, "2024031"), ValeurRefusee);
    EXPECT_THROW((void)octets_du_champ({"L", 'L', 1, 0}, "X"), ValeurRefusee);
}

} // namespace
} // namespace orvane::records
