// The mailing: letters filled from the two delivered models, byte for byte
// with their golden RTF files and read back by an independent RTF reader
// (unrtf), the examples of the mailing's period and placeholders, and
// letters that never replace one another.
#include "platform/encoding.h"
#include "platform/file_names.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "records/mailing/letter.h"
#include "records/mailing/mailing_run.h"
#include "records/mailing/period.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>

namespace orvane::records
{
namespace
{

namespace fs = std::filesystem;
using engine::DateCivile;

const fs::path donnees = fs::path(ORVANE_SOURCE_DIR) / "data";
const fs::path golden = fs::path(ORVANE_SOURCE_DIR) / "tests/records/golden/mailing";

std::string octets(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void compare_au_golden(const fs::path& fichier, const std::string& nom)
{
    const char* reecrit = std::getenv("ORVANE_REECRIT_GOLDEN");
    if (reecrit != nullptr && std::string_view(reecrit) == "1") {
        fs::copy_file(fichier, golden / nom, fs::copy_options::overwrite_existing);
        return;
    }
    const std::string attendu = octets(golden / nom);
    ASSERT_FALSE(attendu.empty()) << nom;
    EXPECT_TRUE(octets(fichier) == attendu) << nom << " differs from its golden file";
}

// The text of an RTF document as unrtf reads it (Windows-1252 out), in
// UTF-8, without its banner.
std::vector<std::string> lu_par_unrtf(const fs::path& rtf)
{
    const std::string commande = "unrtf --text '" + rtf.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> flux(::popen(commande.c_str(), "r"), ::pclose);
    EXPECT_NE(flux, nullptr);
    std::string sortie;
    std::array<char, 4096> tampon{};
    while (flux && std::fgets(tampon.data(), tampon.size(), flux.get()) != nullptr) {
        sortie += tampon.data();
    }
    std::vector<std::string> lignes =
        platform::split_lines(platform::utf8_from_windows1252(sortie));
    const auto fin_banniere = std::find(lignes.begin(), lignes.end(), "-----------------");
    EXPECT_NE(fin_banniere, lignes.end()) << sortie;
    lignes.erase(lignes.begin(), fin_banniere + 1);
    while (!lignes.empty() && lignes.back().empty()) {
        lignes.pop_back();
    }
    return lignes;
}

FicheAPublier naissance()
{
    return {{{"N", "M."},
             {"NOM", "Benhamou"},
             {"PRE", "Élie"},
             {"PREH", "Eliyahou"},
             {"CHEZ", ""},
             {"NUM", "12"},
             {"ADRESSE", "rue des Rosiers"},
             {"CODE", "75004"},
             {"VILLE", "Paris"},
             {"PAYS", "France"},
             {"TEL", "01 42 72 00 00"},
             {"J_N", "J"},
             {"NAI_CV_LT", "Mardi 9 Novembre 1999"},
             {"NAI_HB_LT", "30 Hechvan 5760"},
             {"ACT_CV_LT", "Dimanche 1 Décembre 2024"},
             {"ACT_HB_LT", "30 Hechvan 5785"},
             {"BAR_MITSVA", "Jeudi 15 Novembre 2012"},
             {"PARACHA", "Toledot"},
             {"NOTES", ""}},
            DateCivile(2024, 12, 1)};
}

FicheAPublier deces()
{
    return {{{"N", "Mme"},
             {"NOM", "Cohen"},
             {"PRE", "Rachel"},
             {"CHEZ", ""},
             {"NUM", "3"},
             {"ADRESSE", "place Bellecour"},
             {"CODE", "69002"},
             {"VILLE", "Lyon"},
             {"PAYS", "France"},
             {"ACT_CV_LT", "Jeudi 13 Mars 2025"},
             {"ACT_HB_LT", "13 Adar 5785"},
             {"N_DC", "M."},
             {"NOM_DC", "Cohen"},
             {"PRE_DC", "David"}},
            DateCivile(2025, 3, 13)};
}

std::string modele(const std::string& nom)
{
    return platform::utf8_from_windows1252(octets(donnees / nom));
}

TEST(Lettres, LesDeuxModelesLivres)
{
    platform::test_support::TemporaryDirectory dir;
    const std::pair<std::string, FicheAPublier> cas[] = {
        {"model_invitation_bar_mitsva.txt", naissance()}, {"model_rappel_yahrzeit.txt", deces()}};
    for (const auto& [nom, fiche] : cas) {
        SCOPED_TRACE(nom);
        const std::string texte = modele(nom);
        ASSERT_FALSE(texte.empty());
        const std::string lettre = remplit_modele(texte, fiche.champs, "05/01/2025");
        // Every placeholder of the model is one of the record's fields.
        EXPECT_EQ(lettre.find("<@"), std::string::npos) << lettre;
        const fs::path rtf = enregistre_lettre(dir.path(), fiche, platform::split_lines(lettre));
        compare_au_golden(rtf, rtf.filename().string());
        // A word processor reads the same lines, accents included.
        EXPECT_EQ(lu_par_unrtf(rtf), platform::split_lines(lettre));
    }
    EXPECT_TRUE(fs::exists(dir.path() / "Benha_Élie.rtf"));
    EXPECT_TRUE(fs::exists(dir.path() / "Cohen_Rachel.rtf"));
}

TEST(Lettres, LesMarquesEtLesCivilites)
{
    const ChampsFiche champs = {{"N", "Mle"}, {"NOM", "Lévy"}, {"TEL", "M"}};
    // The same placeholder twice, and in lower case.
    EXPECT_EQ(remplit_modele("<@NOM> et <@nom>, <@Nom>", champs, ""), "Lévy et Lévy, Lévy");
    EXPECT_EQ(remplit_modele("<@N> <@NOM>", champs, ""), "Mademoiselle Lévy");
    // A telephone field holding "M" is written out as the civility is.
    EXPECT_EQ(remplit_modele("<@TEL>", champs, ""), "Monsieur");
    EXPECT_EQ(remplit_modele("le <@DATE>", champs, "05/01/2025"), "le 05/01/2025");
    // A field the record lacks stays as typed.
    EXPECT_EQ(remplit_modele("<@PAYS>", champs, ""), "<@PAYS>");
    EXPECT_EQ(valeur_dans_la_lettre("N", "Mme"), "Madame");
    EXPECT_EQ(valeur_dans_la_lettre("N", "M."), "Monsieur");
    EXPECT_EQ(valeur_dans_la_lettre("N", "Mr"), "Monsieur");
    EXPECT_EQ(valeur_dans_la_lettre("N", "Rav"), "Rav");
    // The notes: characters 30 to 129, the whole for the person search.
    const std::string notes = std::string(29, 'x') + "à retenir";
    EXPECT_EQ(valeur_dans_la_lettre("NOTES", notes), "à retenir");
    EXPECT_EQ(valeur_dans_la_lettre("NOTES", notes, true), notes);
    EXPECT_EQ(insertion_champ("NOM"), " <@NOM>");
    EXPECT_EQ(liste_des_champs({"N", "NOM"}), (std::vector<std::string>{"DATE", "N", "NOM"}));
}

TEST(Periode, DebutEtFinDeLaPeriode)
{
    // 20 February of a common year + 15 days: 7 March.
    EXPECT_EQ(fin_de_periode(DateCivile(2025, 2, 20), 15), DateCivile(2025, 3, 7));
    EXPECT_EQ(fin_de_periode(DateCivile(2024, 2, 20), 15), DateCivile(2024, 3, 6));
    EXPECT_EQ(fin_de_periode(DateCivile(2024, 12, 25), 15), DateCivile(2025, 1, 9));
    EXPECT_EQ(fin_de_periode(DateCivile(2024, 12, 25), 0), DateCivile(2024, 12, 25));
    // Thirty days from 31 January pass the whole of February.
    EXPECT_EQ(fin_de_periode(DateCivile(2025, 1, 31), 30), DateCivile(2025, 3, 2));
    EXPECT_EQ(fin_de_periode(DateCivile(2024, 1, 31), 30), DateCivile(2024, 3, 1));
    // The boxes always give a real date.
    EXPECT_EQ(debut_de_periode(30, 2, 2025), DateCivile(2025, 3, 1));
    EXPECT_EQ(debut_de_periode(29, 2, 2024), DateCivile(2024, 2, 29));
    EXPECT_EQ(debut_de_periode(32, 12, 2025), DateCivile(2026, 1, 1));
    EXPECT_EQ(debut_de_periode(5, 13, 2025), DateCivile(2026, 1, 5));
    EXPECT_EQ(debut_de_periode(0, 0, 1000), DateCivile(1900, 1, 1));
    EXPECT_EQ(debut_de_periode(31, 13, 2500), DateCivile(2500, 12, 31));
    // Every start and every length gives a real end date.
    for (DateCivile d(2023, 1, 1); d.annee < 2025; d = engine::lendemain(d)) {
        for (int n = 0; n <= jours_mailing_max; ++n) {
            const DateCivile fin = fin_de_periode(d, n);
            ASSERT_GE(fin.jour, 1);
            ASSERT_LE(fin.jour, engine::jours_du_mois_civil(fin.annee, fin.mois));
            ASSERT_LE(d, fin);
        }
    }
}

TEST(Periode, LesFichesDeLaPeriode)
{
    FicheAPublier a = naissance();
    FicheAPublier b = deces();
    FicheAPublier c = naissance();
    c.prochain_anniversaire = DateCivile(2024, 12, 3);
    FicheAPublier sans = naissance();
    sans.prochain_anniversaire.reset();
    const std::vector<FicheAPublier> fiches = {b, c, a, sans};
    // N = 0: only the records of the start date.
    EXPECT_EQ(fiches_de_la_periode(fiches, DateCivile(2024, 12, 1), 0, false).size(), 1u);
    const std::vector<FicheAPublier> quinze =
        fiches_de_la_periode(fiches, DateCivile(2024, 11, 25), 15, false);
    ASSERT_EQ(quinze.size(), 2u);
    EXPECT_EQ(*quinze[0].prochain_anniversaire, DateCivile(2024, 12, 1)); // in date order
    EXPECT_EQ(fiches_de_la_periode(fiches, DateCivile(2024, 11, 25), 15, true).size(), 4u);
}

TEST(Publipostage, UneLettreNeRemplaceJamaisUneAutre)
{
    platform::test_support::TemporaryDirectory dir;
    FicheAPublier jumeau = naissance();
    const std::vector<FicheAPublier> fiches = {naissance(), jumeau, deces()};
    const ResultatMailing r = publipostage(fiches, "<@N> <@NOM> <@PRE>", "05/01/2025",
                                           dir.path() / "FMAIL" / "5785", false);
    ASSERT_EQ(r.lettres.size(), 3u);
    EXPECT_EQ(r.lettres[0].filename(), "Benha_Élie.rtf");
    EXPECT_EQ(r.lettres[1].filename(), "Benha_Élie_2.rtf");
    EXPECT_EQ(r.personnes,
              (std::vector<std::string>{"----- ENREGISTREMENT -----", "Benha_É     Benhamou Élie",
                                        "Benha_É     Benhamou Élie", "Cohen_R     Cohen Rachel"}));
    // A second mailing keeps the letters of the first.
    const ResultatMailing encore =
        publipostage(fiches, "x", "", dir.path() / "FMAIL" / "5785", true);
    ASSERT_EQ(encore.lettres.size(), 1u);
    EXPECT_EQ(encore.lettres[0].filename(), "Benha_Élie_3.rtf");
    EXPECT_EQ(lu_par_unrtf(r.lettres[0]), std::vector<std::string>{"Monsieur Benhamou Élie"});
    EXPECT_EQ(dossier_mailing(5785), fs::path("FMAIL") / "5785");
}

TEST(Publipostage, LesNomsDeFichiersSontSurs)
{
    FicheAPublier f = naissance();
    f.champs[1].second = "A/B:C";
    f.champs[2].second = "*?";
    EXPECT_EQ(nom_de_lettre(f), "A_B_C___");
    EXPECT_EQ(platform::nom_de_fichier_sur(" ..\t. "), "_");
    EXPECT_EQ(platform::nom_de_fichier_sur("Léa\nCohen"), "Léa_Cohen");
    EXPECT_EQ(ligne_de_selection(f), "A/B:C *?");
}

} // namespace
} // namespace orvane::records
