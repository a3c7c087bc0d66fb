// mailing on the command line, in a fresh program directory: the letters of
// the births whose next anniversary falls in the period, from the delivered
// model, as RTF documents under names of their own.
#include "cli_runner.h"
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

class CommandeMailing : public test_support::DansUnRepertoireNeuf
{
protected:
    void SetUp() override
    {
        DansUnRepertoireNeuf::SetUp();
        const records::SchemaTable& s = records::schema_naissances();
        records::Table t = records::Table::ouvre_ou_cree(
            records::chemin_de_table(dir.path(), s.nom_fichier), s.champs);
        const std::tuple<const char*, const char*, const char*, const char*> fiches[] = {
            {"M.", "Benhamou", "Élie", "01/12/2024"},
            {"Mme", "Cohen", "Léa", "03/12/2024"},
            {"M.", "Lévy", "David", "20/12/2024"}};
        for (const auto& [n, nom, prenom, date] : fiches) {
            t.insere();
            t.change_texte("N", n);
            t.change_texte("NOM", nom);
            t.change_texte("PRE", prenom);
            t.change_texte("ACT_CV_N", date);
            t.valide();
        }
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "data/model_invitation_bar_mitsva.txt",
                      dir.path() / "model_invitation_bar_mitsva.txt");
    }

    test_support::Sortie lance(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"mailing", "--model",
                                   (dir.path() / "model_invitation_bar_mitsva.txt").string(),
                                   "--out", (dir.path() / "lettres").string()});
        return test_support::lance(args);
    }
};

TEST_F(CommandeMailing, LesLettresDeLaPeriode)
{
    const test_support::Sortie s = lance({"--from", "2024-11-28", "--days", "10"});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, "----- ENREGISTREMENT -----\n"
                     "Benha_É     Benhamou Élie\n"
                     "Cohen_L     Cohen Léa\n"
                     "2 fiches traitées\n");
    const std::string lettre = platform::read_bytes(dir.path() / "lettres" / "Benha_Élie.rtf");
    EXPECT_EQ(lettre.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(lettre.find("Famille Benhamou"), std::string::npos);
    EXPECT_NE(lettre.find("Objet : Bar-Mitsva de \\'c9lie Benhamou"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir.path() / "lettres" / "Cohen_Léa.rtf"));
    EXPECT_FALSE(fs::exists(dir.path() / "lettres" / "Lévy_David.rtf"));
    // Again: the letters already there are kept, the new ones numbered.
    ASSERT_EQ(lance({"--from", "2024-11-28", "--days", "10", "--one"}).code, 0);
    EXPECT_TRUE(fs::exists(dir.path() / "lettres" / "Benha_Élie_2.rtf"));
    EXPECT_FALSE(fs::exists(dir.path() / "lettres" / "Cohen_Léa_2.rtf"));
}

TEST_F(CommandeMailing, SansDateEtRefus)
{
    const test_support::Sortie tout = lance({"--all"});
    ASSERT_EQ(tout.code, 0) << tout.err;
    EXPECT_NE(tout.out.find("3 fiches traitées"), std::string::npos);
    const test_support::Sortie jours = lance({"--days", "31"});
    EXPECT_EQ(jours.code, 2);
    EXPECT_NE(jours.err.find("entre 0 et 30"), std::string::npos);
    const test_support::Sortie table = lance({"--table", "Bd_DC.dbf"});
    EXPECT_EQ(table.code, 2);
    EXPECT_NE(table.err.find("Bd_DC.dbf"), std::string::npos) << table.err;
}

} // namespace
} // namespace orvane::cli
