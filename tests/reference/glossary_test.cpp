// The reader of the glossary over small files: chapters, paragraphs, their
// names, subtitles and texts, the page printed from the text area.
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "reference/glossary.h"

#include <gtest/gtest.h>

namespace orvane::reference
{
namespace
{

using Lignes = std::vector<std::string>;

const Lignes fichier = {
    "; a comment before the first chapter, @@Faux@ included",
    "@@Calendrier@",
    "@Molad@\tLa conjonction moyenne",
    "Le molad est l'instant moyen",
    "; a comment inside the paragraph",
    "de la nouvelle lune.",
    "_____@",
    "@Vide@\t\t\tSous-titre après trois tabulations",
    "@Suivant@",
    "Texte du suivant.",
    "@@Fêtes@",
    "@Pessa'h@\t@pas un sous-titre",
    "Texte de Pessa'h.",
    "@@Calendrier@",
    "@Tékoufa@\tLes saisons",
    "Texte de la tékoufa.",
    "_ fin @Marque@ qui n'ouvre rien",
    "Ligne hors de tout paragraphe",
};

TEST(LignesDuGlossaire, ChapitresEtParagraphes)
{
    EXPECT_EQ(chapitre_de_la_ligne("@@Calendrier@"), "Calendrier");
    EXPECT_EQ(chapitre_de_la_ligne("  @@Fêtes juives@ suite"), "Fêtes juives");
    EXPECT_EQ(chapitre_de_la_ligne("@@Sans fin"), std::nullopt);
    EXPECT_EQ(chapitre_de_la_ligne("@@@"), std::nullopt);
    EXPECT_EQ(chapitre_de_la_ligne(";@@Commentaire@"), std::nullopt);
    EXPECT_EQ(chapitre_de_la_ligne("@Paragraphe@"), std::nullopt);

    const auto p = paragraphe_de_la_ligne("@Molad@\t\tLa conjonction");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->nom, "Molad");
    EXPECT_EQ(p->sous_titre, "La conjonction");
    EXPECT_EQ(paragraphe_de_la_ligne("@Molad@")->sous_titre, "");
    EXPECT_EQ(paragraphe_de_la_ligne("@Molad@ sans tabulation")->sous_titre, "");
    EXPECT_EQ(paragraphe_de_la_ligne("@Molad@\t@")->sous_titre, "");
    EXPECT_EQ(paragraphe_de_la_ligne("@Molad@\tavant\taprès")->sous_titre, "avant\taprès");
    for (const char* pas_un_paragraphe :
         {"@@Chapitre@", "; @Commentaire@", "____@", "Texte", "un @ seul", "@@", "@@Molad"}) {
        EXPECT_EQ(paragraphe_de_la_ligne(pas_un_paragraphe), std::nullopt) << pas_un_paragraphe;
    }
}

// A chapter that the file opens twice is listed once, where it first comes.
TEST(LignesDuGlossaire, ChapitresUneFoisChacun)
{
    EXPECT_EQ(chapitres(fichier), (Lignes{"Calendrier", "Fêtes"}));
    EXPECT_EQ(chapitres({}), Lignes{});
}

// The paragraphs of a chapter are those after its first line, up to the
// line of another chapter: the second opening of "Calendrier" is not read.
TEST(LignesDuGlossaire, ParagraphesDuChapitre)
{
    EXPECT_EQ(paragraphes_du_chapitre(fichier, "Calendrier"), (Lignes{"Molad", "Vide", "Suivant"}));
    EXPECT_EQ(paragraphes_du_chapitre(fichier, "Fêtes"), (Lignes{"Pessa'h"}));
    EXPECT_EQ(paragraphes_du_chapitre(fichier, "Absent"), Lignes{});
    // A chapter opened again at once goes on: only another chapter ends it.
    const Lignes deux_fois = {"@@A@", "@Un@", "@@A@", "@Deux@", "@@B@", "@Trois@"};
    EXPECT_EQ(paragraphes_du_chapitre(deux_fois, "A"), (Lignes{"Un", "Deux"}));
}

TEST(LignesDuGlossaire, TexteDUnParagraphe)
{
    const auto molad = paragraphe(fichier, "Molad");
    ASSERT_TRUE(molad.has_value());
    EXPECT_EQ(molad->sous_titre, "La conjonction moyenne");
    // The comment inside the paragraph is not shown; the end mark ends it.
    EXPECT_EQ(molad->texte, (Lignes{"Le molad est l'instant moyen", "de la nouvelle lune."}));
    EXPECT_EQ(lignes_du_memo(*molad),
              (Lignes{"", "Le molad est l'instant moyen", "de la nouvelle lune."}));

    // A paragraph followed directly by the next paragraph shows no text.
    const auto vide = paragraphe(fichier, "Vide");
    ASSERT_TRUE(vide.has_value());
    EXPECT_EQ(vide->sous_titre, "Sous-titre après trois tabulations");
    EXPECT_EQ(vide->texte, Lignes{});
    EXPECT_EQ(lignes_du_memo(*vide), Lignes{""});

    // A chapter line ends a paragraph too; a subtitle beginning with "@" is none.
    const auto suivant = paragraphe(fichier, "Suivant");
    EXPECT_EQ(suivant->texte, Lignes{"Texte du suivant."});
    EXPECT_EQ(paragraphe(fichier, "Pessa'h")->sous_titre, "");

    // Text runs to the end of the file when no mark ends it.
    const auto marque = paragraphe(fichier, "Marque");
    ASSERT_TRUE(marque.has_value());
    EXPECT_EQ(marque->texte, Lignes{"Ligne hors de tout paragraphe"});

    EXPECT_EQ(paragraphe(fichier, "Absent"), std::nullopt);
    EXPECT_EQ(paragraphe(fichier, "Mola"), std::nullopt); // the whole name, between its two "@"
}

// The first line holding the name wins, whatever it is.
TEST(LignesDuGlossaire, PremiereLigneQuiPorteLeNom)
{
    const Lignes f = {"@@Chap@", "@Chap@\tdeuxième", "texte"};
    const auto p = paragraphe(f, "Chap");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->sous_titre, "");  // the chapter line has no tab
    EXPECT_EQ(p->texte, Lignes{}); // the paragraph line begins with "@"
}

TEST(LignesDuGlossaire, PageImprimee)
{
    const Lignes page = page_a_imprimer("Molad", {"", "Première ligne", "", "Dernière"});
    EXPECT_EQ(page, (Lignes{" ", " ", " ", " ", "    Molad", "", "        Première ligne",
                            "        ", "        Dernière"}));
    EXPECT_EQ(page_a_imprimer("", {}), (Lignes{" ", " ", " ", " ", "    ", ""}));
}

TEST(FichierDuGlossaire, LuDuRepertoireDuProgramme)
{
    platform::test_support::TemporaryDirectory dir;
    EXPECT_EQ(lit_glossaire(dir.path()), std::nullopt); // no file: nothing read, no error
    // Windows-1252 with CR LF, under another case of its name.
    platform::write_lines(dir / "GLOSSAIR.DTA", {"@@Fêtes@", "@Pessa'h@\tLa Pâque", "Texte"});
    EXPECT_EQ(platform::read_bytes(dir / "GLOSSAIR.DTA"),
              "@@F\xEAtes@\r\n@Pessa'h@\tLa P\xE2que\r\nTexte\r\n");
    const auto lignes = lit_glossaire(dir.path());
    ASSERT_TRUE(lignes.has_value());
    EXPECT_EQ(*lignes, (Lignes{"@@Fêtes@", "@Pessa'h@\tLa Pâque", "Texte"}));
    EXPECT_EQ(paragraphe(*lignes, "Pessa'h")->sous_titre, "La Pâque");
}

TEST(FichierDuGlossaire, IllisibleEstUneErreur)
{
    platform::test_support::TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "glossair.dta"); // exists, but is no file
    EXPECT_THROW((void)lit_glossaire(dir.path()), platform::FileError);
}

} // namespace
} // namespace orvane::reference
