// The text store of a family: adding, changing, removing, duplicating and
// renumbering records, the checks of position and number, two files that do
// not agree, long lines, characters the files cannot hold, and the files as
// an independent reader sees them.

#include "documents/workbook_reader.h"
#include "platform/file_error.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "records/store/entry_check.h"
#include "records/store/messages.h"
#include "records/store/numbered_line.h"
#include "records/store/store.h"
#include "store_files.h"
#include "store_fixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace orvane::records
{
namespace
{

using platform::test_support::TemporaryDirectory;
using test::aujourdhui_des_tests;
using test::fiche_numero;
using test::octets;
using test::octets_paire;

constexpr std::array<Famille, 3> les_familles = {Famille::naissance, Famille::deces,
                                                 Famille::evenement};

const platform::Confirmation refuse_tout = [](const std::string&) { return false; };
const platform::Confirmation accepte_tout = [](const std::string&) { return true; };

/// The numbers of the records, in order.
std::vector<int> numeros(BaseFiches& base)
{
    std::vector<int> n;
    for (const FicheLue& f : base.fiches()) {
        n.push_back(f.numero);
    }
    return n;
}

/// The lines of record k of the family, with number n.
std::pair<std::string, std::string> lignes_numero(Famille famille, int k, int n)
{
    const LignesFiche l = construit_lignes(famille, fiche_numero(famille, k));
    return {ligne_numerotee(n, l.noms), ligne_numerotee(n, l.dates)};
}

/// Writes by hand a store whose records are `ks` (contents) numbered `ns`,
/// "" standing for an empty line (k = 0).
void ecrit_fiches(const FichiersFamille& f, Famille famille, const std::vector<int>& ks,
                  const std::vector<int>& ns)
{
    std::vector<std::string> noms;
    std::vector<std::string> dates;
    for (std::size_t i = 0; i < ks.size(); ++i) {
        if (ks[i] == 0) {
            noms.emplace_back();
            dates.emplace_back();
            continue;
        }
        const auto [n, d] = lignes_numero(famille, ks[i], ns[i]);
        noms.push_back(n);
        dates.push_back(d);
    }
    test::ecrit_paire(f, noms, dates);
}

class Base : public ::testing::TestWithParam<Famille>
{
protected:
    TemporaryDirectory dossier;
    BaseFiches base = BaseFiches::ouvre(dossier.path(), GetParam());
    Famille famille = GetParam();

    Resultat ajoute(int k) { return base.ajoute_fiche(fiche_numero(famille, k), refuse_tout); }
};

std::string nom_du_cas(const ::testing::TestParamInfo<Famille>& f)
{
    static const std::array<std::string, 3> noms = {"Naissance", "Deces", "Evenement"};
    return noms[static_cast<std::size_t>(f.param)];
}

INSTANTIATE_TEST_SUITE_P(TroisFamilles, Base, ::testing::ValuesIn(les_familles), nom_du_cas);

// First record of an empty family: number 1, and the two lines in the files.
TEST_P(Base, PremiereFicheNumeroUn)
{
    const Resultat r = ajoute(11);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(r.numero, 1);
    EXPECT_EQ(r.position, 1);
    EXPECT_EQ(r.nombre, 1);
    EXPECT_EQ(r.message, "La fiche N° 1 a été enregistrée");
    const auto [noms, dates] = lignes_numero(famille, 11, 1);
    EXPECT_EQ(octets(base.fichiers().noms), test::fichier_1252({noms}));
    EXPECT_EQ(octets(base.fichiers().dates), test::fichier_1252({dates}));
    const LectureFiche lue = base.lit_fiche(1);
    ASSERT_TRUE(lue.fiche);
    EXPECT_EQ(lue.fiche->numero, 1);
    EXPECT_EQ(lue.fiche->fiche, fiche_ecrite(famille, fiche_numero(famille, 11)));
}

// Records 1, 2 and 4 after a removal: the next record added is 5.
TEST_P(Base, ApresUneSuppressionLeSuivantEstCinq)
{
    for (int k = 1; k <= 4; ++k) {
        ASSERT_EQ(ajoute(k).numero, k);
    }
    const Resultat supprime = base.supprime_fiche(3, 3);
    EXPECT_TRUE(supprime.fait);
    EXPECT_EQ(supprime.message, "La fiche N° 3 a été supprimée");
    EXPECT_EQ(supprime.nombre, 3);
    EXPECT_EQ(numeros(base), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(ajoute(5).numero, 5);
    EXPECT_EQ(numeros(base), (std::vector<int>{1, 2, 4, 5}));
}

// Records 1, 2 and 4: renumbering gives 1, 2, 3, each record keeping its
// own content.
TEST_P(Base, RenumerotationUnDeuxTrois)
{
    ecrit_fiches(base.fichiers(), famille, {21, 22, 24}, {1, 2, 4});
    const Resultat r = base.renumerote(aujourdhui_des_tests);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(r.message, "Les fiches comportent les numéros de 1 à 3");
    EXPECT_EQ(r.nombre, 3);
    const std::vector<FicheLue> fiches = base.fiches();
    ASSERT_EQ(fiches.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fiches[static_cast<std::size_t>(i)].numero, i + 1);
        EXPECT_EQ(fiches[static_cast<std::size_t>(i)].fiche,
                  fiche_ecrite(famille, fiche_numero(famille, std::array{21, 22, 24}[i])));
    }
}

// The old rule replaced line i by the record shown at position i for every
// line, empty ones included: [1, "", "", 4] became three copies of record 4.
// Now every record is written once, numbered 1..n, without empty lines.
TEST_P(Base, RenumerotationNeDoubleNiNePerdAucuneFiche)
{
    ecrit_fiches(base.fichiers(), famille, {31, 0, 0, 34}, {1, 0, 0, 4});
    ASSERT_EQ(base.etat().nombre, 2);
    base.renumerote(aujourdhui_des_tests);
    const auto [n1, d1] = lignes_numero(famille, 31, 1);
    const auto [n2, d2] = lignes_numero(famille, 34, 2);
    EXPECT_EQ(octets(base.fichiers().noms), test::fichier_1252({n1, n2}));
    EXPECT_EQ(octets(base.fichiers().dates), test::fichier_1252({d1, d2}));
}

// Renumbering computes the next anniversary again from the day given; the
// rest of each line stays as it was.
TEST_P(Base, RenumerotationRecalculeLeProchainAnniversaire)
{
    ecrit_fiches(base.fichiers(), famille, {41, 42}, {7, 9});
    const engine::DateCivile plus_tard{2031, 5, 1};
    base.renumerote(plus_tard);
    for (const FicheLue& lue : base.fiches()) {
        Fiche attendue = fiche_numero(famille, lue.numero == 1 ? 41 : 42);
        ASSERT_TRUE(recalcule_prochain(famille, attendue, plus_tard));
        EXPECT_EQ(lue.fiche, fiche_ecrite(famille, attendue));
        EXPECT_NE(lue.fiche.prochain,
                  fiche_ecrite(famille, fiche_numero(famille, lue.numero == 1 ? 41 : 42)).prochain);
    }
}

// A record whose lines the program did not write is renumbered as it is:
// nothing of it is lost by reading it field by field.
TEST_P(Base, RenumerotationGardeLesLignesInconnues)
{
    const auto [n1, d1] = lignes_numero(famille, 51, 3);
    test::ecrit_paire(base.fichiers(), {n1, "8\tnotes\tà\tla main", ""},
                      {d1, "8\t" + std::string(marqueur_de_la_famille(famille)) + "\tx", ""});
    const Resultat r = base.renumerote(aujourdhui_des_tests);
    EXPECT_EQ(r.message, "Les fiches comportent les numéros de 1 à 2\r1 fiche a été gardée telle "
                         "quelle : ses lignes ne suivent pas le format des fichiers.");
    const auto [m1, e1] = lignes_numero(famille, 51, 1);
    EXPECT_EQ(octets(base.fichiers().noms), test::fichier_1252({m1, "2\tnotes\tà\tla main"}));
    EXPECT_EQ(
        octets(base.fichiers().dates),
        test::fichier_1252({e1, "2\t" + std::string(marqueur_de_la_famille(famille)) + "\tx"}));
}

// Removing position 2 removes the second non-empty line of both files,
// whatever the numbers and the empty lines before it.
TEST_P(Base, SuppressionDeLaDeuxiemeLigneNonVide)
{
    ecrit_fiches(base.fichiers(), famille, {0, 61, 0, 0, 62, 63}, {0, 9, 0, 0, 4, 12});
    const Resultat r = base.supprime_fiche(2, 4);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(r.position, 2);
    EXPECT_EQ(r.nombre, 2);
    EXPECT_EQ(numeros(base), (std::vector<int>{9, 12}));
    EXPECT_EQ(base.lit_fiche(2).fiche->fiche, fiche_ecrite(famille, fiche_numero(famille, 63)));
    // The last record removed: the position moves back onto the new last one.
    EXPECT_EQ(base.supprime_fiche(2, 12).position, 1);
    EXPECT_EQ(base.supprime_fiche(1, 9).position, 0);
    EXPECT_EQ(base.etat().nombre, 0);
}

// The window says which record it saw at the position; when the files hold
// another one there, nothing is changed.
TEST_P(Base, NumeroConfirmeVerifieAvantDeModifierOuSupprimer)
{
    ecrit_fiches(base.fichiers(), famille, {71, 0, 72, 73}, {1, 0, 5, 6});
    const test::OctetsPaire avant = octets_paire(base.fichiers());
    const std::string deplacee = "La fiche N° 6 ne se trouve plus à la position 2 : les fichiers "
                                 "ont changé depuis qu'elle a été lue.\rRien n'a été modifié ; "
                                 "affichez la fiche de nouveau avant de recommencer.";
    Resultat r = base.supprime_fiche(2, 6);
    EXPECT_FALSE(r.fait);
    EXPECT_EQ(r.message, deplacee);
    r = base.modifie_fiche(2, 6, fiche_numero(famille, 79), refuse_tout);
    EXPECT_FALSE(r.fait);
    EXPECT_EQ(r.message, deplacee);
    EXPECT_FALSE(base.duplique_fiche(2, 6).fait);
    r = base.supprime_fiche(4, 6);
    EXPECT_EQ(r.message, "Il n'y a pas de fiche à la position 4 : le fichier en contient 3.");
    EXPECT_FALSE(base.supprime_fiche(0, 1).fait);
    EXPECT_EQ(octets_paire(base.fichiers()), avant);
}

// Changing a record rewrites its two lines where they are, under its number.
TEST_P(Base, ModificationALaMemePlace)
{
    ecrit_fiches(base.fichiers(), famille, {81, 0, 82, 83}, {1, 0, 5, 6});
    const Resultat r = base.modifie_fiche(2, 5, fiche_numero(famille, 89), refuse_tout);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.numero, 5);
    const auto [n1, d1] = lignes_numero(famille, 81, 1);
    const auto [n5, d5] = lignes_numero(famille, 89, 5);
    const auto [n6, d6] = lignes_numero(famille, 83, 6);
    EXPECT_EQ(octets(base.fichiers().noms), test::fichier_1252({n1, "", n5, n6}));
    EXPECT_EQ(octets(base.fichiers().dates), test::fichier_1252({d1, "", d5, d6}));
}

TEST_P(Base, ModificationDUnFichierVide)
{
    const Resultat r = base.modifie_fiche(1, 1, fiche_numero(famille, 1), refuse_tout);
    EXPECT_FALSE(r.fait);
    EXPECT_EQ(r.message, "Le fichier ne contient aucune fiche");
    EXPECT_EQ(base.lit_fiche(1).message, "Le fichier ne contient aucune fiche");
}

// A duplicated record gets a new number and identical content.
TEST_P(Base, DuplicationNouveauNumeroMemeContenu)
{
    ecrit_fiches(base.fichiers(), famille, {91, 92, 93}, {3, 8, 5});
    const Resultat r = base.duplique_fiche(2, 8);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(r.numero, 9);
    EXPECT_EQ(r.position, 4);
    EXPECT_EQ(r.nombre, 4);
    EXPECT_EQ(r.message, "La fiche numéro 8 a été dupliquée. La nouvelle fiche porte le numéro 9");
    const LectureFiche original = base.lit_fiche(2);
    const LectureFiche copie = base.lit_fiche(4);
    ASSERT_TRUE(copie.fiche);
    EXPECT_EQ(copie.fiche->numero, 9);
    EXPECT_EQ(copie.fiche->lignes, original.fiche->lignes);
}

// Reading a position whose two lines hold different numbers is refused.
TEST_P(Base, LectureDeLignesDiscordantes)
{
    const auto [n1, d1] = lignes_numero(famille, 1, 1);
    const auto [n2, d2] = lignes_numero(famille, 2, 2);
    test::ecrit_paire(base.fichiers(), {n1, n2}, {d1, d2.substr(1).insert(0, "3")});
    EXPECT_TRUE(base.lit_fiche(1).fiche);
    const LectureFiche l = base.lit_fiche(2);
    EXPECT_FALSE(l.fiche);
    EXPECT_EQ(l.message, "Les deux lignes de la fiche à la position 2 ne portent pas le même "
                         "numéro : elle n'est pas lue.");
    EXPECT_EQ(base.fiches().size(), 1u);
}

// Two files that do not agree line by line are reported, and never
// written, whatever the operation.
TEST_P(Base, PaireIncoherenteSignaleeEtJamaisEcrite)
{
    const auto [n1, d1] = lignes_numero(famille, 1, 1);
    const auto [n2, d2] = lignes_numero(famille, 2, 2);
    const auto [n3, d3] = lignes_numero(famille, 3, 3);
    test::ecrit_paire(base.fichiers(), {n1, n2, n3}, {d1, d3, d2});
    const test::OctetsPaire avant = octets_paire(base.fichiers());
    const EtatBase e = base.etat();
    ASSERT_EQ(e.defauts.size(), 2u);
    EXPECT_EQ(e.defauts[0].ligne, 2u);
    const std::string attendu =
        "Les fichiers " + platform::quoted(base.fichiers().noms) + " et " +
        platform::quoted(base.fichiers().dates) +
        " ne se correspondent pas ligne à ligne : à la ligne 2, le fichier des noms porte la fiche "
        "N° 2 et celui des dates la fiche N° 3 (2 lignes en désaccord).\rAucune modification ne "
        "sera enregistrée tant qu'ils n'auront pas été remis en accord.";
    EXPECT_EQ(e.message, attendu);
    EXPECT_EQ(ajoute(4).message, attendu);
    EXPECT_EQ(base.modifie_fiche(1, 1, fiche_numero(famille, 5), refuse_tout).message, attendu);
    EXPECT_EQ(base.supprime_fiche(1, 1).message, attendu);
    EXPECT_EQ(base.duplique_fiche(1, 1).message, attendu);
    EXPECT_EQ(base.renumerote(aujourdhui_des_tests).message, attendu);
    const Comptage c = base.compte_fiches();
    EXPECT_EQ(c.message, attendu);
    EXPECT_EQ(c.nombre, 3);
    EXPECT_EQ(octets_paire(base.fichiers()), avant);
}

// A record on one side only, a line without number, a dates file shorter
// than the names file: each is a disagreement.
TEST_P(Base, AutresDesaccords)
{
    const auto [n1, d1] = lignes_numero(famille, 1, 1);
    const auto [n2, d2] = lignes_numero(famille, 2, 2);
    test::ecrit_paire(base.fichiers(), {n1, n2}, {d1});
    EtatBase e = base.etat();
    ASSERT_EQ(e.defauts.size(), 1u);
    EXPECT_NE(e.message.find("à la ligne 2, le fichier des noms porte la fiche N° 2 et celui des "
                             "dates une ligne vide (1 ligne en désaccord)"),
              std::string::npos)
        << e.message;
    test::ecrit_paire(base.fichiers(), {n1, "COR\tsans numéro"}, {d1, "COR\tsans numéro"});
    e = base.etat();
    EXPECT_NE(e.message.find("le fichier des noms porte une ligne sans numéro de fiche"),
              std::string::npos);
    EXPECT_FALSE(ajoute(3).fait);
    // Empty lines at the end of one file only are no disagreement.
    test::ecrit_paire(base.fichiers(), {n1, n2, "", " "}, {d1, d2});
    EXPECT_TRUE(base.etat().defauts.empty());
    EXPECT_TRUE(ajoute(3).fait);
}

// A names line longer than 255 characters: the warning, with its count, to
// accept before the line is cut; refused, nothing is written.
TEST_P(Base, LigneDePlusDe255Caracteres)
{
    Fiche f = fiche_numero(famille, 1);
    f.correspondant.telephone_notes = std::string(300, 'n');
    f.texte_evenement = std::string(300, 'e');
    const std::size_t caracteres = platform::char_count(construit_lignes(famille, f).noms);
    ASSERT_GT(caracteres, 255u);
    std::string avertissement;
    const platform::Confirmation refuse = [&](const std::string& m) {
        avertissement = m;
        return false;
    };
    const Resultat r = base.ajoute_fiche(f, refuse);
    EXPECT_FALSE(r.fait);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(avertissement, "Les informations comportent plus de " + std::to_string(caracteres) +
                                 " caractères.\rCela dépasse les 255 caractères autorisés.\r"
                                 "Optimisez les informations sur les coordonnées de la personne.\r"
                                 "Si vous acceptez de continuer, la ligne sera tronquée.\r\r");
    EXPECT_EQ(base.etat().nombre, 0);
    EXPECT_EQ(octets(base.fichiers().noms), "");

    ASSERT_TRUE(base.ajoute_fiche(f, accepte_tout).fait);
    const LectureFiche lue = base.lit_fiche(1);
    EXPECT_EQ(lue.fiche->lignes.noms,
              platform::cut(construit_lignes(famille, f).noms, longueur_maximale_ligne));
    // Changing it asks again.
    avertissement.clear();
    EXPECT_FALSE(base.modifie_fiche(1, 1, f, refuse).fait);
    EXPECT_FALSE(avertissement.empty());
}

// A line of exactly 255 characters fits: no warning.
TEST_P(Base, LigneDe255CaracteresSansAvertissement)
{
    Fiche f = fiche_numero(famille, 1);
    const std::size_t sans_notes =
        platform::char_count(construit_lignes(famille, f).noms) -
        platform::char_count(famille == Famille::evenement ? f.texte_evenement
                                                           : f.correspondant.telephone_notes);
    (famille == Famille::evenement ? f.texte_evenement : f.correspondant.telephone_notes) =
        std::string(255 - sans_notes, 'x');
    ASSERT_EQ(platform::char_count(construit_lignes(famille, f).noms), 255u);
    EXPECT_TRUE(base.ajoute_fiche(f, refuse_tout).fait);
}

// Lines longer than 255 characters in a file are read whole, and kept
// whole by every operation.
TEST_P(Base, LignesLonguesLuesEntieres)
{
    const std::string marqueur(marqueur_de_la_famille(famille));
    const std::string noms = famille == Famille::evenement
                                 ? "EVEN\t" + std::string(400, 'a')
                                 : (famille == Famille::deces ? "DC\tM.\tx\ty\t" : "") +
                                       std::string("COR\tM.\t") + std::string(400, 'a');
    const auto [n1, d1] = lignes_numero(famille, 1, 1);
    test::ecrit_paire(base.fichiers(), {"4\t" + noms, n1}, {"4\t" + d1.substr(2), d1});
    EXPECT_EQ(base.lit_fiche(1).fiche->lignes.noms, noms);
    ASSERT_TRUE(base.supprime_fiche(2, 1).fait);
    EXPECT_EQ(base.lit_fiche(1).fiche->lignes.noms, noms);
    base.renumerote(aujourdhui_des_tests);
    EXPECT_EQ(base.lit_fiche(1).fiche->lignes.noms, noms);
}

// A character that Windows-1252 cannot hold is refused with the field it
// was typed in; a field that the family does not write does not count.
TEST_P(Base, CaractereHorsDuCodeRefuse)
{
    Fiche f = fiche_numero(famille, 1);
    f.correspondant.nom = "Ko\u05D0hen";
    f.texte_evenement = "Bar \u05D0";
    const Resultat r = base.ajoute_fiche(f, accepte_tout);
    EXPECT_FALSE(r.fait);
    const std::string champ = famille == Famille::evenement ? "Texte de l'événement" : "Nom";
    EXPECT_EQ(r.message, "La fiche n'est pas enregistrée : dans le champ « " + champ +
                             " », le caractère « \u05D0 » (U+05D0) ne peut pas être écrit en "
                             "Windows-1252.");
    EXPECT_EQ(octets(base.fichiers().noms), "");
    Fiche autre = fiche_numero(famille, 1);
    autre.defunt.nom = famille == Famille::deces ? "" : "\u05D0";
    EXPECT_TRUE(base.ajoute_fiche(autre, accepte_tout).fait);
}

// A file saved as UTF-8 by another program, with a character outside the
// code page: rewriting it would lose that character, so the write stops
// with a message naming the file and the line, and both files stay.
TEST_P(Base, FichierUtf8AvecUnCaractereHorsDuCode)
{
    const auto [n1, d1] = lignes_numero(famille, 1, 1);
    const std::string noms = n1 + "\r\n2\tCOR\tM.\tCo\u05D0hen\r\n";
    const std::string dates =
        test::fichier_1252({d1}) + "2\t" + std::string(marqueur_de_la_famille(famille)) + "\r\n";
    platform::write_bytes(base.fichiers().noms, noms);
    platform::write_bytes(base.fichiers().dates, dates);
    try {
        ajoute(3);
        FAIL() << "pas d'erreur";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.path(), base.fichiers().noms);
        EXPECT_NE(std::string(e.what()).find("à la ligne 2"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("U+05D0"), std::string::npos) << e.what();
    }
    EXPECT_EQ(octets(base.fichiers().noms), noms);
    EXPECT_EQ(octets(base.fichiers().dates), dates);
}

// compte_fiches removes the records without date, and only those: empty
// Bar-Mitsva fields do not make a record empty.
TEST_P(Base, CompteFichesRetireSeulementLesFichesSansDate)
{
    Fiche sans_bar_mitsva = fiche_numero(famille, 1);
    sans_bar_mitsva.bar_mitsva = {};
    Fiche sans_date = fiche_numero(famille, 2);
    sans_date.date = {};
    sans_date.inhumation = {};
    ASSERT_TRUE(base.ajoute_fiche(sans_bar_mitsva, refuse_tout).fait);
    ASSERT_TRUE(base.ajoute_fiche(sans_date, refuse_tout).fait);
    ASSERT_TRUE(ajoute(3).fait);
    const Comptage c = base.compte_fiches();
    EXPECT_EQ(c.nombre, 2);
    EXPECT_EQ(c.retirees, (std::vector<int>{2}));
    EXPECT_EQ(c.message, "La fiche sans date N° 2 a été retirée.");
    EXPECT_EQ(numeros(base), (std::vector<int>{1, 3}));
    // Its two lines are made empty, the others stay where they were.
    const auto [n3, d3] = lignes_numero(famille, 3, 3);
    EXPECT_EQ(octets(base.fichiers().noms),
              test::fichier_1252(
                  {ligne_numerotee(1, construit_lignes(famille, sans_bar_mitsva).noms), "", n3}));
    EXPECT_EQ(base.compte_fiches().message, "");
    EXPECT_EQ(message_fiches_sans_date({4, 9}), "Les fiches sans date N° 4, 9 ont été retirées.");
}

// What the program writes is Windows-1252 with CR LF, and another reader
// finds the records, their numbers and their fields in it.
TEST_P(Base, LecteurIndependant)
{
    for (int k = 1; k <= 5; ++k) {
        ASSERT_TRUE(ajoute(100 + k).fait);
    }
    base.supprime_fiche(2, 2);
    base.duplique_fiche(1, 1);
    const documents::test::SortiePython lu =
        documents::test::execute_python(ORVANE_SOURCE_DIR "/tests/records/read_store.py",
                                        base.fichiers().noms, base.fichiers().dates.string());
    ASSERT_EQ(lu.statut, 0) << lu.texte;
    std::string attendu;
    for (const auto& [k, n] :
         std::vector<std::pair<int, int>>{{101, 1}, {103, 3}, {104, 4}, {105, 5}, {101, 6}}) {
        const LignesFiche l = construit_lignes(famille, fiche_numero(famille, k));
        attendu += "fiche " + std::to_string(n) + "\nnoms " + l.noms + "\ndates " + l.dates + "\n";
    }
    EXPECT_EQ(lu.texte, attendu);
    const std::string noms = octets(base.fichiers().noms);
    EXPECT_NE(noms.find_first_of("\xE0\xE9"), std::string::npos); // "à", "é": one byte
    EXPECT_EQ(noms.find("\xC3"), std::string::npos);              // and not UTF-8
}

// Files typed by hand in the formats, with other blanks and numbers, are read.
TEST(BaseEcriteALaMain, FichiersDesTroisFamilles)
{
    TemporaryDirectory dossier;
    const FichiersFamille deces = choisit_fichiers(dossier.path(), Famille::deces);
    test::ecrit_paire(
        deces,
        {"12\tDC\tM.\tHaddad\tJoseph\tCOR\tMme\tHaddad\tMyriam\tADR\t\t4\tbd Carnot\t"
         "13001\tMarseille\tFrance\tOBS\t"},
        {" 12 \tDC\tVendredi\t1\t3\t2019\tJ\t-->\t24\tAdar I\t5779\tINH\tDimanche\t3"
         "\t3\t2019\tJ\t-->\t26\tAdar I\t5779\tANI\tDimanche \t23 \tFévrier\t2025\t-->"
         "\t25 \tChevat \t5785"});
    BaseFiches base(Famille::deces, deces);
    const LectureFiche l = base.lit_fiche(1);
    ASSERT_TRUE(l.fiche);
    EXPECT_EQ(l.fiche->numero, 12);
    EXPECT_EQ(l.fiche->fiche.defunt, (Defunt{"M.", "Haddad", "Joseph"}));
    EXPECT_EQ(l.fiche->fiche.correspondant.ville, "Marseille");
    EXPECT_EQ(l.fiche->fiche.inhumation.jour_hebreu, "26");
    EXPECT_EQ(date_hebraique(l.fiche->fiche.date), (engine::DateHebraique{5779, 6, 24}));
    EXPECT_EQ(base.ajoute_fiche(fiche_numero(Famille::deces, 1), refuse_tout).numero, 13);
}

TEST(Familles, TableDesTroisFamilles)
{
    const DescriptionFamille& n = description_famille(Famille::naissance);
    EXPECT_EQ(n.nom, "Naissance");
    EXPECT_EQ(n.entree_menu, "&Bar Mitsva");
    EXPECT_EQ(n.titre, "Dates de Bar-Mitsva");
    EXPECT_EQ(n.note_dossier,
              "B.données sous BARMITSV\\ : base_bm_noms.txt  base_bm_dates.txt  BASE_BAR.xls");
    const DescriptionFamille& d = description_famille(Famille::deces);
    EXPECT_EQ(d.nom, "Décès");
    EXPECT_EQ(d.dossier, "deces");
    EXPECT_EQ(d.fichier_dates, "base_dc_dates.txt");
    EXPECT_EQ(d.titre, "Dates d'anniversaire de décès");
    const DescriptionFamille& e = description_famille(Famille::evenement);
    EXPECT_EQ(e.entree_menu, "&Anniversaires");
    EXPECT_EQ(e.fichier_noms, "base_even_noms.txt");
    EXPECT_EQ(e.note_dossier,
              "B.données sous EVENT\\ : base_even_noms.txt  base_even_dates.txt  BASE_EVEN.xls");
    for (const DescriptionFamille& f : familles) {
        EXPECT_EQ(famille_du_nom(f.nom), f.famille);
    }
    EXPECT_FALSE(famille_du_nom("naissance"));
}

// The folder and the files are found whatever the case of their names;
// the missing ones are created, empty.
TEST(Familles, FichiersTrouvesSansEgardALaCasse)
{
    TemporaryDirectory dossier;
    std::filesystem::create_directory(dossier / "BARMITSV");
    platform::write_bytes(dossier / "BARMITSV" / "Base_BM_Noms.TXT", "1\tCOR\r\n");
    const FichiersFamille f = choisit_fichiers(dossier.path(), Famille::naissance);
    EXPECT_EQ(f.noms, dossier / "BARMITSV" / "Base_BM_Noms.TXT");
    EXPECT_EQ(f.dates, dossier / "BARMITSV" / "base_bm_dates.txt");
    EXPECT_EQ(octets(f.noms), "1\tCOR\r\n");
    EXPECT_EQ(octets(f.dates), "");
    EXPECT_TRUE(platform::file_exists(f.dates));
    const FichiersFamille e = choisit_fichiers(dossier.path(), Famille::evenement);
    EXPECT_EQ(e.noms, dossier / "events" / "base_even_noms.txt");
    EXPECT_TRUE(platform::file_exists(e.noms));
    EXPECT_EQ(dossier.entries(), (std::set<std::string>{"BARMITSV", "events"}));
}

TEST(Messages, TextesDesQuestionsEtDesReponses)
{
    EXPECT_EQ(question_ajout,
              "Etes-vous sûr de vouloir créer et enregistrer cette nouvelle fiche ?");
    EXPECT_EQ(question_modification(7),
              "Etes-vous sûr de vouloir enregistrer les modifications de la fiche N° 7 ?");
    EXPECT_EQ(question_suppression(7), "Etes-vous sûr de vouloir supprimer la fiche n° 7 ?");
    EXPECT_EQ(question_duplication(7), "Etes-vous sûr de vouloir dupliquer la fiche N° 7 ?");
    EXPECT_EQ(question_renumerotation,
              "Etes-vous sûr de vouloir tout recalculer et réaffecter des numéros de fiches pour "
              "combler les numéros manquants ?");
    EXPECT_EQ(question_confirmez, "Confirmez");
    EXPECT_EQ(texte_position(3, 12), "3 / 12");
    EXPECT_EQ(message_numeros(0), "Les fiches comportent les numéros de 1 à 0");
}

} // namespace
} // namespace orvane::records
