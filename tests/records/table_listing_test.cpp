// The table window's listing and its three exports: the line of the
// listing, every field for a spreadsheet, and the fields that "config.dta"
// selects with the default fields and their notice.

#include "platform/text.h"
#include "records/tables/listing.h"
#include "table_fixtures.h"

#include <gtest/gtest.h>

namespace orvane::records
{
namespace
{

using test::ajoute;
using test::Programme;

const std::string notes_du_vendredi =
    // 29 characters of the day written by the record window, then the notes.
    "Vendredi  3 Octobre 2025 --> " +
    std::string("Réunion chez Sarah à Lyon, apporter le vin rouge.") + "XYZ";

Table table_de_trois(const Programme& p)
{
    Table t = p.naissances();
    ajoute(t, {{"N", "Mme"},
               {"NOM", "Lévy"},
               {"PRE", "Éléonore"},
               {"CHEZ", "Famille Attal"},
               {"PAYS", "France"},
               {"NAI_CV_N", "10/05/1998"},
               {"ACT_CV_N", "03/10/2025"},
               {"ACT_CV_LT", "Vendredi 3 Octobre 2025"},
               {"ACT_HB_LT", "11 Tichri 5786"},
               {"NOTES", notes_du_vendredi}});
    ajoute(t, {{"N", "M."}, {"NOM", "Cohen"}, {"PRE", "David"}, {"NOTES", "Venir tôt"}});
    ajoute(t, {{"NOM", "Attal"}});
    return t;
}

TEST(ListingDeLaTable, ChaqueChampPrecedeDUnBlancOuDUneTabulation)
{
    Programme p;
    Table t = table_de_trois(p);
    const std::string cohen = " M. Cohen David" + std::string(18, ' ') + " Venir tôt ";
    EXPECT_EQ(ligne_de_listing(t, 1), cohen);
    const std::string levy = ligne_de_listing(t, 0);
    EXPECT_EQ(levy.rfind(" Mme Lévy Éléonore  Famille Attal     France ", 0), 0u) << levy;
    EXPECT_NE(levy.find(" 10/05/1998  03/10/2025"), std::string::npos);
    EXPECT_EQ(ligne_de_tous_les_champs(t, 2), "\t\tAttal" + std::string(21, '\t'));
    EXPECT_EQ(listing(t), (std::vector<std::string>{levy, cohen, ligne_de_listing(t, 2)}));

    // The records shown, in their order.
    t.trie_par("NOM");
    EXPECT_EQ(
        export_tous_les_champs(t),
        (std::vector<std::string>{ligne_de_tous_les_champs(t, 2), ligne_de_tous_les_champs(t, 1),
                                  ligne_de_tous_les_champs(t, 0)}));
    t.limite("c", "c");
    EXPECT_EQ(listing(t), (std::vector<std::string>{cohen}));
}

// "Table1NOM" set and "Table1N" absent: the key "Table1N" is read from the
// line of "Table1NOM", whose value for it is not "true"; only NOM goes out.
TEST(ListingDeLaTable, LesChampsChoisisDansConfigDta)
{
    Programme p;
    Table t = table_de_trois(p);
    const config::FichierCles seul_nom{{"Diaspora true", "Table1NOM true"}};
    EXPECT_EQ(champs_selectionnes(t, seul_nom), (std::vector<std::string>{"NOM"}));
    const ExportSelection e = export_champs_selectionnes(t, seul_nom);
    EXPECT_FALSE(e.par_defaut);
    EXPECT_EQ(e.lignes, (std::vector<std::string>{"Lévy\t", "Cohen\t", "Attal\t"}));

    // In the order of the fields, whatever the order of the file; "Table1N"
    // above "Table1NOM" is read for itself.
    const config::FichierCles plusieurs{
        {"Table1PAYS true", "Table1N true", "Table1NOM true", "Table1PRE false", "Table1TEL vrai"}};
    EXPECT_EQ(champs_selectionnes(t, plusieurs), (std::vector<std::string>{"N", "NOM", "PAYS"}));
    EXPECT_EQ(export_champs_selectionnes(t, plusieurs).lignes[0], "Mme\tLévy\tFrance\t");
}

// No field selected (or only fields the table lacks): the notice, once, and
// the default fields; NOTES beginning with a day name gives its characters
// 30 to 79 only.
TEST(ListingDeLaTable, LesChampsParDefautEtLeurAvis)
{
    Programme p;
    Table t = table_de_trois(p);
    for (const config::FichierCles& c :
         {config::FichierCles{}, config::FichierCles{{"Table1N_DC true", "Table1NOMS true"}}}) {
        const ExportSelection e = export_champs_selectionnes(t, c);
        EXPECT_TRUE(e.par_defaut);
        EXPECT_EQ(
            e.lignes,
            (std::vector<std::string>{
                "Mme\tLévy\tÉléonore\tFamille Attal\tFrance\t03/10/2025\tVendredi 3 "
                "Octobre 2025\t11 Tichri 5786\tRéunion chez Sarah à Lyon, apporter le vin rouge.X",
                "M.\tCohen\tDavid\t\t\t\t\t\tVenir tôt", "\tAttal\t\t\t\t\t\t\t"}));
    }
    EXPECT_EQ(avis_champs_par_defaut,
              "Pour info :\rVous n'avez pas selectionné de champs particuliers dans le fichier "
              "config.dta\rPar conséquent, nous selectionnons pour vous des champs pas défaut.");

    EXPECT_EQ(notes_exportees(notes_du_vendredi),
              "Réunion chez Sarah à Lyon, apporter le vin rouge.X");
    for (const char* jour :
         {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Chabbat", "Dimanche"}) {
        const std::string notes = std::string(jour) + std::string(24, '.') + "à partir d'ici";
        EXPECT_EQ(notes_exportees(notes), platform::mid(notes, 29)) << jour;
    }
    EXPECT_EQ(notes_exportees("Samedi 4 octobre, anniversaire de Noé et de sa sœur Léa"),
              "Samedi 4 octobre, anniversaire de Noé et de sa sœur Léa");
    EXPECT_EQ(notes_exportees("lundi en minuscules reste entier"),
              "lundi en minuscules reste entier");
    EXPECT_EQ(notes_exportees("Lundi"), "");
    EXPECT_EQ(notes_exportees(""), "");

    // The events table has none of the default fields.
    Table e = Table::ouvre_ou_cree(p.table("Anni_Ev.DBF"), schema_evenements().champs);
    ajoute(e, {{"TITRE", "Mariage"}});
    EXPECT_EQ(export_champs_selectionnes(e, {}).lignes, (std::vector<std::string>{""}));
}

TEST(ListingDeLaTable, NomsEtLibelles)
{
    EXPECT_EQ(nom_de_base("/x/dbd/BD_NAIS.DBF"), "BD_NAIS");
    EXPECT_EQ(nom_de_base("Anni.Ev.dbf"), "Anni");
    EXPECT_EQ(titre_base_de_donnees("/x/dbd/BD_NAIS.DBF"), "Base de données : BD_NAIS.DBF");
    EXPECT_EQ(libelle_enregistrements(1234), "1234 enregistrements");
    EXPECT_EQ(libelle_enregistrements_fiches(0), "0 Enregistrements");
    EXPECT_EQ(libelle_fiches_selectionnees(12), "12 fiches sélectionnées");
}

} // namespace
} // namespace orvane::records
