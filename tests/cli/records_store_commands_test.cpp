// records on the command line, in a fresh program directory: stores written
// by hand in the files' own format (Windows-1252, CR LF) and by the program,
// records added from standard input and read back, the refusals that leave
// the files as they were, the dBase tables, and the family's workbook read
// back by openpyxl.
#include "cli_runner.h"
#include "documents/workbook_reader.h"
#include "platform/raw_file.h"
#include "records/tables/dbase_table.h"
#include "records/tables/schemas.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::cli
{
namespace
{

namespace fs = std::filesystem;
using test_support::lance;
using test_support::Sortie;

std::string golden(const std::string& nom)
{
    return platform::read_bytes(fs::path(ORVANE_SOURCE_DIR) / "tests/cli/golden" / nom);
}

/// Two births and a record without date, as the program of old wrote them:
/// Windows-1252 bytes, CR LF, an empty line left by a removal.
const std::string noms_naissances = "1\tCOR\tM.\tL\xe9vy\tDavid\tADR\t\t12\true de la Paix\t75002\t"
                                    "Paris\tFrance\tOBS\t01 42 00 00 00\r\n"
                                    "\r\n"
                                    "3\tCOR\tMme\tBenhamou\tRachel\tADR\t5 rue Haute\tNice\tOBS\t"
                                    "voisine\r\n";
const std::string dates_naissances =
    "1\tNAIS\tMercredi\t2\t10\t2024\tN\t-->\t1\tTichri\t5785\tBAR\t17\tSeptembre\t2037\t-->\t1\t"
    "Tichri\t5798\tPAR\tHaazinou\tANI\tJeudi \t3 \tOctobre\t2024\t-->\t1 \tTichri \t5785\r\n"
    "\r\n"
    "3\tNAIS\tLundi\t1\t1\t2001\tJ\t-->\t6\tTevet\t5761\tBAR\t18\tD\xe9"
    "cembre\t2013\t-->\t6\tTevet\t5773\tPAR\tVayigach\tANI\t\r\n";

class CommandeRecords : public test_support::DansUnRepertoireNeuf
{
protected:
    void ecrit_naissances() const
    {
        fs::create_directories(dir.path() / "BARMITSV");
        platform::write_bytes(dir.path() / "BARMITSV/Base_BM_Noms.TXT", noms_naissances);
        platform::write_bytes(dir.path() / "BARMITSV/base_bm_dates.txt", dates_naissances);
    }

    [[nodiscard]] std::string fichier(const std::string& chemin) const
    {
        return platform::read_bytes(dir.path() / chemin);
    }
};

TEST_F(CommandeRecords, ListeDesFichiersEcritsALaMainOctetPourOctet)
{
    ecrit_naissances();
    const Sortie s = lance({"records", "naissance", "list"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, golden("records_naissance_list.txt"));
    // The family's own name, its case and accents aside, chooses the same files.
    EXPECT_EQ(lance({"records", "NAISSANCE", "list"}).out, s.out);
    const Sortie tsv = lance({"records", "Naissance", "list", "--format", "tsv"});
    EXPECT_EQ(tsv.out, "1\tLévy\tDavid\t02/10/2024\tN\t1 Tichri 5785\n"
                       "3\tBenhamou\tRachel\t01/01/2001\tJ\t6 Tevet 5761\n");
    // Reading changed nothing.
    EXPECT_EQ(fichier("BARMITSV/Base_BM_Noms.TXT"), noms_naissances);
    EXPECT_EQ(fichier("BARMITSV/base_bm_dates.txt"), dates_naissances);
}

TEST_F(CommandeRecords, ChaqueChampDUneFiche)
{
    ecrit_naissances();
    const Sortie s = lance({"records", "naissance", "show", "1"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "N°: 1\n"
                     "Civilité: M.\n"
                     "Nom: Lévy\n"
                     "Prénom civil: David\n"
                     "Chez: \n"
                     "Numéro: 12\n"
                     "Adresse: rue de la Paix\n"
                     "Code postal: 75002\n"
                     "Ville: Paris\n"
                     "Pays: France\n"
                     "Téléphone - Notes: 01 42 00 00 00\n"
                     "Date: 02/10/2024\n"
                     "Date (jour): Mercredi\n"
                     "Date (J/N): N\n"
                     "Date (hébraïque): 1 Tichri 5785\n"
                     "Date de Bar-Mitsva: 17/09/2037\n"
                     "Date de Bar-Mitsva (hébraïque): 1 Tichri 5798\n"
                     "Paracha: Haazinou\n"
                     "Prochain anniversaire: 03/10/2024\n"
                     "Prochain anniversaire (jour): Jeudi\n"
                     "Prochain anniversaire (hébraïque): 1 Tichri 5785\n");
    // Number 3 is the second record; number 2 was removed.
    EXPECT_NE(lance({"records", "naissance", "show", "3"}).out.find("Paracha: Vayigach\n"),
              std::string::npos);
    const Sortie absente = lance({"records", "naissance", "show", "2"});
    EXPECT_EQ(absente.code, 2);
    EXPECT_EQ(absente.err, "La fiche N° 2 n'existe pas\n");
}

TEST_F(CommandeRecords, AjoutPuisListeDesTroisFamilles)
{
    const Sortie n = lance({"records", "naissance", "add", "--from", "2024-10-03"},
                           "Civilité=Mme\nNom=Cohen\nPrénom civil=Léa\nVille=Besançon\n"
                           "Date=02/10/2024 N\n");
    ASSERT_EQ(n.code, 0) << n.err;
    EXPECT_EQ(n.out, "La fiche N° 1 a été enregistrée\n");
    const Sortie n2 =
        lance({"records", "naissance", "add", "--girl", "--format", "tsv", "--from", "2024-10-03"},
              "nom=Lévy\nDATE=2024-10-02\n");
    ASSERT_EQ(n2.code, 0) << n2.err;
    EXPECT_EQ(n2.out, "2\n");
    EXPECT_EQ(lance({"records", "naissance", "list", "--format", "tsv"}).out,
              "1\tCohen\tLéa\t02/10/2024\tN\t1 Tichri 5785\n"
              "2\tLévy\t\t02/10/2024\tJ\t29 Eloul 5784\n");
    // The computed dates: a boy's Bar-Mitsva after thirteen years, a
    // girl's Bat-Mitsva after twelve; the next anniversary from --from.
    const std::string fiche1 = lance({"records", "naissance", "show", "1"}).out;
    EXPECT_NE(fiche1.find("Date de Bar-Mitsva (hébraïque): 1 Tichri 5798\n"), std::string::npos);
    EXPECT_NE(fiche1.find("Prochain anniversaire: 03/10/2024\n"), std::string::npos);
    const std::string fiche2 = lance({"records", "naissance", "show", "2"}).out;
    EXPECT_NE(fiche2.find("Date de Bar-Mitsva (hébraïque): 29 Eloul 5796\n"), std::string::npos);
    // The files, read by an independent reader, hold Windows-1252 CR LF lines.
    const documents::test::SortiePython lu = documents::test::execute_python(
        fs::path(ORVANE_SOURCE_DIR) / "tests/records/read_store.py",
        dir.path() / "barmitsv/base_bm_noms.txt", (dir.path() / "barmitsv/base_bm_dates.txt"));
    ASSERT_EQ(lu.statut, 0);
    EXPECT_NE(lu.texte.find("noms COR\tMme\tCohen\tLéa\tADR\t\t\t\t\tBesançon\t\tOBS\t\n"),
              std::string::npos)
        << lu.texte;

    const Sortie d = lance({"records", "Décès", "add", "--from", "2024-10-03"},
                           "Civilité du défunt=M.\nNom du défunt=Cohen\nPrénom du défunt=Paul\n"
                           "Nom=Cohen\nDate=05/01/2023\nDate d'inhumation=08/01/2023 N\n");
    ASSERT_EQ(d.code, 0) << d.err;
    EXPECT_EQ(lance({"records", "deces", "list", "--format", "tsv"}).out,
              "1\tCohen\tPaul\t05/01/2023\tJ\t12 Tevet 5783\n");
    EXPECT_NE(lance({"records", "deces", "show", "1"})
                  .out.find("Date d'inhumation (hébraïque): 16 Tevet 5783\n"),
              std::string::npos);

    const Sortie e = lance({"records", "anniversaire", "add", "--from", "2024-10-03"},
                           "Texte de l'événement=Mariage de Léa\n"
                           "Texte de l'événement=à la synagogue\nDate=16/06/2024\n");
    ASSERT_EQ(e.code, 0) << e.err;
    EXPECT_EQ(lance({"records", "evenement", "list", "--format", "tsv"}).out,
              "1\tMariage de Léa à la synagogue\t16/06/2024\tJ\t10 Sivan 5784\n");
    EXPECT_EQ(lance({"records", "evenement", "export"}).out,
              "1\tEVEN\tMariage de Léa à la synagogue \tEVEN\tDimanche\t16\t6\t2024\tJ\t-->\t10\t"
              "Sivan\t5784\tANI\tVendredi \t6 \tJuin\t2025\t-->\t10 \tSivan \t5785\n");
}

TEST_F(CommandeRecords, RefusQuiNeChangentRien)
{
    ecrit_naissances();
    const auto refuse = [&](const std::string& entree, const std::string& message) {
        const Sortie s = lance({"records", "naissance", "add"}, entree);
        EXPECT_EQ(s.code, 2) << entree;
        EXPECT_NE(s.err.find(message), std::string::npos) << s.err;
        EXPECT_EQ(s.out, "");
        EXPECT_EQ(fichier("BARMITSV/Base_BM_Noms.TXT"), noms_naissances);
        EXPECT_EQ(fichier("BARMITSV/base_bm_dates.txt"), dates_naissances);
    };
    refuse("Nom=Lévy\nDate=31/02/2024\n", "« Date » 31/02/2024 : Cette date civile est incorrecte");
    refuse("Nom=Lévy\nDate=10/10/1582\n", "« Date » 10/10/1582 : Cette date n'existe pas");
    refuse("Nom=Lévy\nDate=01/01/0099\n", "Année date civile  min 100  max 9999");
    refuse("Nom=Lévy\nDate=02/10/2024 X\n", "après la date, J (le jour) ou N");
    refuse("Nom=Lévy\nDate=demain\n", "la date s'écrit jj/mm/aaaa");
    refuse("Nom=Lévy\n", "« Date » : champ obligatoire");
    refuse("Nom=Lévy\nNom=Cohen\nDate=02/10/2024\n", "« Nom » : champ donné deux fois");
    refuse("Nom du défunt=X\nDate=02/10/2024\n", "« Nom du défunt » : champ inconnu des fiches "
                                                 "Naissance");
    refuse("Paracha=Noa'h\nDate=02/10/2024\n", "« Paracha » : champ inconnu");
    refuse("Lévy\nDate=02/10/2024\n", "« Lévy » : une ligne s'écrit CHAMP=valeur");
    // A character that Windows-1252 cannot hold, named with its field.
    refuse("Ville=Kraków ☺\nDate=02/10/2024\n", "Ville");
    // The last Hebrew year of the calendar: no Bar-Mitsva after it.
    refuse("Date=31/12/9999\n", "Année date hébraïque min 3860");
    // A names line longer than 255 characters: the warning, nothing written.
    refuse("Téléphone - Notes=" + std::string(300, 'x') + "\nDate=02/10/2024\n",
           "Cela dépasse les 255 caractères autorisés.");

    const Sortie coupee =
        lance({"records", "naissance", "add", "--accept-cut"},
              "Téléphone - Notes=" + std::string(300, 'x') + "\nDate=02/10/2024\n");
    ASSERT_EQ(coupee.code, 0) << coupee.err;
    EXPECT_EQ(coupee.out, "La fiche N° 4 a été enregistrée\n");
    const std::string noms = fichier("BARMITSV/Base_BM_Noms.TXT");
    const std::string derniere = noms.substr(noms.rfind("\r\n4\t") + 2);
    EXPECT_EQ(derniere.size(), 2 + 255 + 2u); // "4\t", the line cut to 255, CR LF
}

TEST_F(CommandeRecords, ArgumentsRefuses)
{
    EXPECT_EQ(lance({"records", "mariage", "list"}).code, 2);
    EXPECT_NE(lance({"records", "mariage", "list"}).err.find("famille inconnue"),
              std::string::npos);
    EXPECT_NE(lance({"records", "deces", "remove"}).err.find("action inconnue"), std::string::npos);
    EXPECT_EQ(lance({"records", "deces", "show"}).code, 2);
    EXPECT_EQ(lance({"records", "deces", "list", "--xlsx", "x.xlsx"}).code, 2);
    const Sortie ev = lance({"records", "evenement", "list", "--table"});
    EXPECT_EQ(ev.code, 2);
    EXPECT_NE(ev.err.find("Les événements n'ont pas de table de fiches"), std::string::npos);
    // A table that is not there: its name in the message.
    const Sortie absente = lance({"records", "deces", "list", "--table"});
    EXPECT_EQ(absente.code, 2);
    EXPECT_NE(absente.err.find("Bd_DC.dbf"), std::string::npos) << absente.err;
}

class CommandeRecordsTable : public CommandeRecords
{
protected:
    void SetUp() override
    {
        CommandeRecords::SetUp();
        const records::SchemaTable& s = records::schema_deces();
        records::Table t = records::Table::ouvre_ou_cree(
            records::chemin_de_table(dir.path(), s.nom_fichier), s.champs);
        const std::tuple<const char*, const char*, const char*, const char*, const char*> fiches[] =
            {{"M.", "Cohen", "Paul", "Sarah", "05/01/2023"},
             {"Mme", "Lévy", "Léa", "", "12/03/1999"}};
        for (const auto& [n, nom, prenom, defunte, date] : fiches) {
            t.insere();
            t.change_texte("N", n);
            t.change_texte("NOM", nom);
            t.change_texte("PRE", prenom);
            t.change_texte("PRE_DC", defunte);
            t.change_texte("NOM_DC", *defunte ? "Cohen" : "");
            t.change_texte("NAI_CV_N", date);
            t.change_texte("NAI_HB_N", *defunte ? "12/4/5783" : "");
            t.valide();
        }
    }
};

TEST_F(CommandeRecordsTable, ListeFicheEtAjout)
{
    const Sortie l = lance({"records", "deces", "list", "--table", "--format", "tsv"});
    ASSERT_EQ(l.code, 0) << l.err;
    EXPECT_EQ(l.out, "1\tCohen\tSarah\t05/01/2023\t\t12/4/5783\n"
                     "2\tLévy\tLéa\t12/03/1999\t\t\n");
    const Sortie f = lance({"records", "deces", "show", "2", "--table"});
    ASSERT_EQ(f.code, 0) << f.err;
    EXPECT_EQ(f.out.rfind("N: Mme\nNOM: Lévy\nPRE: Léa\nPREH: \n", 0), 0u) << f.out;
    EXPECT_NE(f.out.find("\nNAI_CV_N: 12/03/1999\n"), std::string::npos);
    EXPECT_EQ(lance({"records", "deces", "show", "3", "--table"}).code, 2);

    const Sortie a = lance({"records", "deces", "add", "--table"},
                           "N=Rav\nnom=Benhamou\nPRE=Élie\nNAI_CV_N=01/12/2024\n");
    ASSERT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(a.out, "La fiche N° 3 a été enregistrée\n");
    EXPECT_NE(lance({"records", "deces", "list", "--table"}).out.find("Benhamou Élie"),
              std::string::npos);

    // Refused: nothing posted, the file as it was.
    const fs::path table = records::chemin_de_table(dir.path(), "Bd_DC.dbf");
    const std::string avant = platform::read_bytes(table);
    const auto refuse = [&](const std::string& entree, const std::string& message) {
        const Sortie s = lance({"records", "deces", "add", "--table"}, entree);
        EXPECT_EQ(s.code, 2) << entree;
        EXPECT_NE(s.err.find(message), std::string::npos) << s.err;
        EXPECT_EQ(platform::read_bytes(table), avant);
    };
    refuse("NOM=Cohen\n", "Le champ \"M Mme ou Mle\" doit être obligatoirement renseigné");
    refuse("N=M.\nNAI_CV_N=31/02/2024\n", "NAI_CV_N");
    refuse("N=M.\nVILLAGE=Nice\n", "« VILLAGE » : champ inconnu de la table");
    refuse("N=M.\nN=Mme\n", "« N » : champ donné deux fois");
    refuse("N=Monsieur\n", "Le champ « N » ne peut contenir que 3 caractères");
}

TEST_F(CommandeRecordsTable, ExportEtClasseurDeLaTable)
{
    const Sortie e = lance({"records", "deces", "export", "--table"});
    ASSERT_EQ(e.code, 0) << e.err;
    EXPECT_EQ(e.out.substr(0, 18), " M. Cohen Paul    ");
    const fs::path x = dir.path() / "dc.xlsx";
    ASSERT_EQ(lance({"records", "deces", "export", "--table", "--xlsx", x.string()}).code, 0);
    const documents::test::ClasseurLu c = documents::test::lit_classeur(x);
    ASSERT_EQ(c.feuilles.size(), 1u);
    const documents::test::FeuilleLue& f = c.feuilles[0];
    EXPECT_EQ(f.texte(1, 1), "N");
    EXPECT_EQ(f.texte(1, 13), "NAI_CV_N");
    EXPECT_EQ(f.texte(2, 2), "Cohen");
    EXPECT_EQ(f.genre(2, 13), 'd');
    EXPECT_EQ(f.texte(2, 13), "2023-01-05T00:00:00");
    EXPECT_EQ(f.texte(3, 13), "1999-03-12T00:00:00");
    EXPECT_EQ(f.texte(2, 14), "12/4/5783");
    EXPECT_EQ(f.texte(4, 1), "");
}

TEST_F(CommandeRecords, ClasseurDeLaFamilleRelu)
{
    ecrit_naissances();
    const fs::path x = dir.path() / "sortie" / "naissances.xlsx";
    fs::create_directories(x.parent_path());
    const Sortie s = lance({"records", "naissance", "export", "--xlsx", x.string()});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, x.string() + "\n");
    const documents::test::ClasseurLu c = documents::test::lit_classeur(x);
    ASSERT_EQ(c.noms(), std::vector<std::string>{"Naissance"});
    const documents::test::FeuilleLue& f = c.feuille("Naissance");
    const std::vector<std::string> titres = {"N°",
                                             "Civilité",
                                             "Nom",
                                             "Prénom civil",
                                             "Chez",
                                             "Numéro",
                                             "Adresse",
                                             "Code postal",
                                             "Ville",
                                             "Pays",
                                             "Téléphone - Notes",
                                             "Date",
                                             "Date (jour)",
                                             "Date (J/N)",
                                             "Date (hébraïque)",
                                             "Date de Bar-Mitsva",
                                             "Date de Bar-Mitsva (hébraïque)",
                                             "Paracha",
                                             "Prochain anniversaire",
                                             "Prochain anniversaire (jour)",
                                             "Prochain anniversaire (hébraïque)"};
    for (std::size_t i = 0; i < titres.size(); ++i) {
        EXPECT_EQ(f.texte(1, static_cast<int>(i) + 1), titres[i]);
    }
    EXPECT_EQ(f.texte(1, static_cast<int>(titres.size()) + 1), "");
    // Row 2: record 1; its dates are spreadsheet dates.
    EXPECT_EQ(f.genre(2, 1), 'n');
    EXPECT_EQ(f.texte(2, 1), "1");
    EXPECT_EQ(f.texte(2, 3), "Lévy");
    EXPECT_EQ(f.texte(2, 6), "12");
    EXPECT_EQ(f.genre(2, 12), 'd');
    EXPECT_EQ(f.texte(2, 12), "2024-10-02T00:00:00");
    EXPECT_EQ(f.texte(2, 14), "N");
    EXPECT_EQ(f.texte(2, 15), "1 Tichri 5785");
    EXPECT_EQ(f.texte(2, 16), "2037-09-17T00:00:00");
    EXPECT_EQ(f.texte(2, 18), "Haazinou");
    EXPECT_EQ(f.texte(2, 19), "2024-10-03T00:00:00");
    EXPECT_EQ(f.texte(2, 20), "Jeudi");
    // Row 3: record 3, without next anniversary; "Décembre" read as month 12.
    EXPECT_EQ(f.texte(3, 1), "3");
    EXPECT_EQ(f.texte(3, 6), "Nice");
    EXPECT_EQ(f.texte(3, 12), "2001-01-01T00:00:00");
    EXPECT_EQ(f.texte(3, 16), "2013-12-18T00:00:00");
    EXPECT_EQ(f.texte(3, 19), "");
    EXPECT_EQ(f.texte(4, 1), "");
}

// A date before March 1900, where spreadsheets count days their own way,
// stays a text; a record whose date is not one keeps its fields as text.
TEST_F(CommandeRecords, DatesQuiRestentDuTexte)
{
    fs::create_directories(dir.path() / "events");
    platform::write_bytes(dir.path() / "events/base_even_noms.txt",
                          "1\tEVEN\tAncien\r\n2\tEVEN\tAbimé\r\n");
    platform::write_bytes(dir.path() / "events/base_even_dates.txt",
                          "1\tEVEN\tJeudi\t1\t2\t1900\tJ\t-->\t1\tAdar\t5660\tANI\t\r\n"
                          "2\tEVEN\tJeudi\t31\t2\t1999\tJ\t-->\t1\tAdar\t5759\tANI\t\r\n");
    const fs::path x = dir.path() / "ev.xlsx";
    ASSERT_EQ(lance({"records", "evenement", "export", "--xlsx", x.string()}).code, 0);
    const documents::test::FeuilleLue f = documents::test::lit_classeur(x).feuille("Anniversaire");
    EXPECT_EQ(f.texte(1, 3), "Date");
    EXPECT_EQ(f.genre(2, 3), 's');
    EXPECT_EQ(f.texte(2, 3), "01/02/1900");
    EXPECT_EQ(f.genre(3, 3), 's');
    EXPECT_EQ(f.texte(3, 3), "31/2/1999");
    EXPECT_EQ(lance({"records", "evenement", "list", "--format", "tsv"}).out,
              "1\tAncien\t01/02/1900\tJ\t1 Adar 5660\n"
              "2\tAbimé\t31/2/1999\tJ\t1 Adar 5759\n");
}

} // namespace
} // namespace orvane::cli
