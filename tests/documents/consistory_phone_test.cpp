// The files of the consistory's telephone application: the reading of a
// calendar's export (titles, month headings, column headings, day lines),
// the two files of Paris for 2026 against golden files, the file never
// overwritten, and the iCalendar file of the same days read back by an
// independent reader (python3-icalendar).
#include "document_files.h"
#include "documents/consistory_loop.h"
#include "documents/consistory_outputs.h"
#include "documents/icalendar.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "workbook_reader.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace orvane::documents
{
namespace
{

using namespace test;

const std::string entetes = "Jour\tDate\tFêtes et notes\tDate\tAube\tDébut\tL.sol\tChéma1\tChéma2\t"
                            "Téph1\tTéph2\tMijour\tMin.Gué\tMin.Két\tPlag\tE.Ch\tC.sol\tEtoiles\t"
                            "S.Ch\tNuit";

std::string jour(std::string_view nom, int n, std::string_view notes)
{
    return std::string(nom) + "\t" + std::to_string(n) + "\t" + std::string(notes) +
           "\t1\t07.01\t07.34\t08.44\t09.57\t10.49\t10.56\t11.31\t12.54\t13.24\t15.21\t16.13\t"
           "16.46\t17.04\t17.50\t17.59\t18.49";
}

TEST(ExportTelephone, LesHorairesDeChaqueJourEtLesMarques)
{
    const JoursTelephone j =
        lit_export_telephone({" Calendrier de 2026 ( 5786 - 5787 ) pour PARIS (75)", "",
                              " Janvier  2026\t\t\t\t\tTevet 5786  Chevat 5786", entetes,
                              jour("Ven", 2, "Entrée Chabbat 16.56    "),
                              jour("Cha", 3, "CHABBAT     Vaye'hi    Sortie Chabbat 18.10    ")});
    ASSERT_EQ(j.horaires.size(), 2 * 13 + 2u);
    EXPECT_EQ(ligne_horaire(j.horaires[0]), "\"02/01/2026\";\"07:01:00\";\"Aube\"");
    EXPECT_EQ(ligne_horaire(j.horaires[10]), "\"02/01/2026\";\"16:13:00\";\"Plag Haminha\"");
    EXPECT_EQ(ligne_horaire(j.horaires[13]),
              "\"02/01/2026\";\"16:56:00\";\"Allumage Nérot Chabbat\"");
    EXPECT_TRUE(j.horaires[13].marque);
    EXPECT_EQ(ligne_horaire(j.horaires.back()), "\"03/01/2026\";\"18:10:00\";\"Sortie Chabbat\"");
    ASSERT_EQ(j.libelles.size(), 3u);
    EXPECT_EQ(ligne_libelle(j.libelles[0]), "\"02/01/2026\";\"Entrée Chabbat 16:56\"");
    EXPECT_EQ(ligne_libelle(j.libelles[1]), "\"03/01/2026\";\"Chabbat Vaye'hi\"");
    EXPECT_TRUE(j.libelles[2].avec_heure);
}

TEST(ExportTelephone, UnMardiNeChangeJamaisLeMois)
{
    // "Mar" + tab starts a Tuesday, " Mars  2026" starts March; a month
    // name without its two blanks and year is no heading either.
    const JoursTelephone j =
        lit_export_telephone({" Calendrier de 2026 ( 5786 - 5787 ) pour PARIS (75)",
                              " Février  2026", entetes, jour("Mar", 3, ""), " Mars 2026",
                              jour("Mer", 4, ""), " Mars  2026", entetes, jour("Mar", 3, "")});
    ASSERT_EQ(j.horaires.size(), 3 * 13u);
    EXPECT_EQ(j.horaires[0].date, engine::DateCivile(2026, 2, 3));
    EXPECT_EQ(j.horaires[13].date, engine::DateCivile(2026, 2, 4));
    EXPECT_EQ(j.horaires[26].date, engine::DateCivile(2026, 3, 3));
}

TEST(ExportTelephone, LAnneeDuTitreQuelQueSoitSonNombreDeChiffres)
{
    for (const int annee : {999, 2026, 9999}) {
        const JoursTelephone j = lit_export_telephone(
            {" Calendrier de " + std::to_string(annee) + " ( x ) pour PARIS (75)",
             " Avril  " + std::to_string(annee), entetes, jour("Jeu", 9, "Pessa'h    ")});
        ASSERT_EQ(j.libelles.size(), 1u) << annee;
        EXPECT_EQ(j.libelles[0].date, engine::DateCivile(annee, 4, 9));
    }
    // Before a title and a heading nothing is read.
    EXPECT_TRUE(lit_export_telephone({entetes, jour("Jeu", 9, "Pessa'h    ")}).libelles.empty());
}

TEST(ExportTelephone, LesEntreesDesFetesEtDuChabbatNommees)
{
    const JoursTelephone j = lit_export_telephone(
        {" Calendrier de 2026 ( 5786 - 5787 ) pour PARIS (75)", " Avril  2026", entetes,
         jour("Ven", 3, "Pessa'h    Hol-Hamoed    Omer  2    Entrée Chabbat 19.52    "),
         jour("Ven", 10, "Entrée Yom Tov 20.01    "), jour("Lun", 13, "Entrée Yom Tov 20.05    "),
         jour("Cha", 18, "CHABBAT     Pessa'h    Sortie Yom Tov 21.20    "),
         jour("Ven", 24, "Entrée Roch-Hachana 19.00    Début du jeûne 05.10    ")});
    std::vector<std::string> marques;
    for (const HoraireTelephone& h : j.horaires) {
        if (h.marque) {
            marques.push_back(h.libelle);
        }
    }
    EXPECT_EQ(marques, (std::vector<std::string>{"Allumage Nérot Chabbat Hol Hamoed Pessah:",
                                                 "Allumage Nérot Chabbat Yom Tov:",
                                                 "Allumage Nérot", "Sortie Chabbat et Yom Tov",
                                                 "Entrée Chab. R.Hachana", "Début du jeûne"}));
}

TEST(ExportTelephone, LesChangementsDHeureParmiLesLibelles)
{
    JoursTelephone j = lit_export_telephone({" Calendrier de 2026 ( x ) pour P", " Mars  2026",
                                             entetes, jour("Dim", 29, "Tékoufa 1h0mn    "),
                                             jour("Lun", 30, "Omer  1    ")});
    places::DstYear ete;
    ete.statut = "29";
    ete.mois_debut = "3";
    ete.jour_fin = "25";
    ete.mois_fin = "10";
    ajoute_changements_heure(j, ete, 2026);
    ASSERT_EQ(j.libelles.size(), 4u);
    EXPECT_EQ(ligne_libelle(j.libelles[1]), "\"29/03/2026\";\"Heure d'été (+1h)\"");
    EXPECT_EQ(ligne_libelle(j.libelles[3]), "\"25/10/2026\";\"Heure d'hiver (-1h)\"");
}

TEST(ExportTelephone, LaVilleSansSaPartieEntreParentheses)
{
    EXPECT_EQ(ville_telephone("PARIS (75)"), "PARIS");
    EXPECT_EQ(ville_telephone("Saint-Jean-de-Luz (64)"), "Saint Je");
    EXPECT_EQ(ville_telephone("Béziers"), "Beziers");
    EXPECT_EQ(ville_telephone("a/b:c"), "a b c");
}

/// The loop of "Iphone consistoire" for Paris, one civil year, writing the
/// consistory's files after each build.
std::vector<ResultatConsistoire> consistoire_paris(const std::filesystem::path& dossier, int annee)
{
    ControlesCalendrier c = controles_d_ouverture(SensFenetre::civil, {annee, 3, 1});
    c.lieu = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    c.sortie = static_cast<int>(Sortie::iphone_consistoire);
    std::vector<ResultatConsistoire> r;
    (void)boucle_consistoire(c, CalculRetenu{}, config::ProgramOptions{}, config::FichierCles{},
                             tables_livrees(), dossier,
                             [&](const DemandeCalendrier& d, const CalendrierSimplifie& cal) {
                                 r.push_back(ecrit_table_consistoire(
                                     dossier, d, cal, tables_livrees(), "20261210T120000Z"));
                             });
    return r;
}

TEST(FichiersTelephone, ParisEn2026CommeLesFichiersDeReference)
{
    platform::test_support::TemporaryDirectory dossier;
    const std::vector<ResultatConsistoire> r = consistoire_paris(dossier.path(), 2026);
    ASSERT_EQ(r.size(), 1u);
    ASSERT_FALSE(r[0].telephone.deja_la);
    EXPECT_EQ(r[0].telephone.horaires, dossier / "CONSISTO" / "H_PARIS2026.txt");
    compare_au_golden(r[0].telephone.horaires, "consistoire/H_PARIS2026.txt");
    compare_au_golden(r[0].telephone.libelles, "consistoire/D_PARIS2026.txt");
    compare_au_golden(r[0].ical, "consistoire/PARIS2026.ics");
}

TEST(FichiersTelephone, UnFichierExistantNEstJamaisRemplace)
{
    platform::test_support::TemporaryDirectory dossier;
    platform::cree_dossier_de(dossier / "CONSISTO" / "H_PARIS2026.txt");
    platform::write_lines(dossier / "CONSISTO" / "H_PARIS2026.txt", {"à garder"});
    const std::vector<ResultatConsistoire> r = consistoire_paris(dossier.path(), 2026);
    ASSERT_EQ(r.size(), 1u);
    ASSERT_TRUE(r[0].telephone.deja_la);
    EXPECT_EQ(*r[0].telephone.deja_la, "H_PARIS2026.txt existe déjà");
    EXPECT_EQ(platform::read_lines(dossier / "CONSISTO" / "H_PARIS2026.txt"),
              std::vector<std::string>{"à garder"});
    EXPECT_FALSE(std::filesystem::exists(dossier / "CONSISTO" / "D_PARIS2026.txt"));
    EXPECT_TRUE(r[0].ical.empty());
}

/// The times of every day in the H file, which the iCalendar file leaves out.
const std::set<std::string> horaires_de_chaque_jour = {"Aube",
                                                       "Début du Taleth, Chéma, Téphilin",
                                                       "Lever du Soleil - Nets",
                                                       "1ère heure limite pour le Chéma",
                                                       "2d heure limite pour le Chéma",
                                                       "1ère heure limite pour la Téphila",
                                                       "2d heure limite pour la Téphila",
                                                       "Milieu de la journée - 'Hatsot",
                                                       "Minha Guedola",
                                                       "Minha Quetana",
                                                       "Plag Haminha",
                                                       "Coucher du Soleil - Chkia",
                                                       "Sortie des étoiles - Tset Hakokhavim"};

/// The lines the iCalendar file must hold, as read_ical.py prints them:
/// the labels without a time, then the marked times.
std::string evenements_attendus(const std::filesystem::path& h, const std::filesystem::path& d)
{
    std::string attendu;
    for (const std::string& l : platform::read_lines(d)) {
        // "dd/mm/yyyy";"label": a label that ends with a time is a timed
        // event, already among the H lines.
        const std::string libelle = l.substr(14, l.size() - 15);
        const bool heure = libelle.size() > 6 && libelle[libelle.size() - 3] == ':';
        if (!heure) {
            attendu += "D;" + l.substr(1, 10) + ";" + libelle + "\n";
        }
    }
    for (const std::string& l : platform::read_lines(h)) {
        const std::string date = l.substr(1, 10), heure = l.substr(14, 8),
                          libelle = l.substr(25, l.size() - 26);
        const bool du_jour = horaires_de_chaque_jour.contains(libelle);
        if (!du_jour) {
            attendu += "H;" + date + ";" + heure + ";" + libelle + "\n";
        }
    }
    return attendu;
}

TEST(FichiersTelephone, LeCalendrierIcalLuParUnLecteurIndependant)
{
    platform::test_support::TemporaryDirectory dossier;
    const std::vector<ResultatConsistoire> r = consistoire_paris(dossier.path(), 2026);
    ASSERT_EQ(r.size(), 1u);
    const SortiePython lu =
        execute_python(ORVANE_SOURCE_DIR "/tests/documents/read_ical.py", r[0].ical);
    ASSERT_EQ(lu.statut, 0) << lu.texte;
    EXPECT_EQ(lu.texte, evenements_attendus(r[0].telephone.horaires, r[0].telephone.libelles));
    EXPECT_NE(lu.texte.find("D;03/04/2026;Pessa'h"), std::string::npos);
    EXPECT_NE(lu.texte.find("D;29/03/2026;Heure d'été (+1h)"), std::string::npos);
}

TEST(Ical, LignesPlieesSansCouperUnCaractere)
{
    JoursTelephone j;
    j.libelles.push_back(
        {engine::DateCivile(2026, 4, 2), std::string(60, 'a') + "ééééé, ; \\", false});
    const std::string t = calendrier_ical(j, {"PARIS (75)", 2026, false, "20261210T120000Z"});
    std::istringstream flux(t);
    std::string ligne, deplie;
    while (std::getline(flux, ligne)) {
        ASSERT_TRUE(ligne.ends_with('\r'));
        ligne.pop_back();
        EXPECT_LE(ligne.size(), 75u);
        EXPECT_TRUE(platform::is_valid_utf8(ligne)) << ligne;
        deplie += ligne.starts_with(' ') ? ligne.substr(1) : "\n" + ligne;
    }
    EXPECT_NE(deplie.find("SUMMARY:" + std::string(60, 'a') + "ééééé\\, \\; \\\\"),
              std::string::npos);
    EXPECT_EQ(horodatage_ical(std::chrono::sys_days{std::chrono::year{2026} / 12 / 10} +
                              std::chrono::hours{15} + std::chrono::minutes{30}),
              "20261210T153000Z");
}

} // namespace
} // namespace orvane::documents
