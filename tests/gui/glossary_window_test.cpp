// The glossary window TFGlos2 and the "Glossaire" buttons of the year
// windows, driven offscreen over the delivered glossary.
#include "gui/common/text_printer.h"
#include "gui/events/festivals_window.h"
#include "gui/events/year_type_window.h"
#include "gui/reference/glossary_window.h"
#include "gui/shell/main_window.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "reference/glossary.h"
#include "shell/app_context.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt_test_application.h"

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

using Lignes = std::vector<std::string>;

const std::filesystem::path glossaire_livre =
    std::filesystem::path(ORVANE_SOURCE_DIR) / "data" / "glossair.dta";

class FenetreGlossaire : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
    }

    void livre_le_glossaire() { std::filesystem::copy_file(glossaire_livre, dir / "glossair.dta"); }

    void branche(TFGlos2& f)
    {
        f.set_dialogues([this](const std::string& m) { erreurs.push_back(m); },
                        [this](const std::string& m) { avertissements.push_back(m); },
                        [this](const std::string& m) { informations.push_back(m); },
                        [this](const TexteAImprimer& t) {
                            imprimes.push_back(t);
                            return true;
                        });
    }

    /// Chooses an entry of a list as the user does.
    static void choisit(QComboBox* liste, int index)
    {
        liste->setCurrentIndex(index);
        emit liste->activated(index);
    }

    static Lignes texte(QWidget& f, const char* nom)
    {
        Lignes r;
        for (const QString& l : f.findChild<QPlainTextEdit*>(nom)->toPlainText().split('\n')) {
            r.push_back(l.toStdString());
        }
        return r;
    }

    static Lignes elements(const QComboBox* liste)
    {
        Lignes r;
        for (int i = 0; i < liste->count(); ++i) {
            r.push_back(liste->itemText(i).toStdString());
        }
        return r;
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    Lignes erreurs, avertissements, informations;
    std::vector<TexteAImprimer> imprimes;
};

TEST_F(FenetreGlossaire, EtatInitial)
{
    livre_le_glossaire();
    TFGlos2 f(*ctx);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Terminologie utilisée"));
    auto* chapitres = f.findChild<QComboBox*>("ComboBox1");
    auto* paragraphes = f.findChild<QComboBox*>("ComboBox2");
    ASSERT_NE(chapitres, nullptr);
    ASSERT_NE(paragraphes, nullptr);
    EXPECT_EQ(chapitres->placeholderText(), QStringLiteral("Choisir une rubrique ci-dessous"));
    EXPECT_EQ(chapitres->currentIndex(), -1);
    EXPECT_EQ(chapitres->toolTip(), QStringLiteral("Cliquer pour sélectionner une rubrique"));
    EXPECT_EQ(paragraphes->toolTip(),
              QStringLiteral("Sélectionner d'abord une rubrique dans la liste de gauche"));
    EXPECT_EQ(paragraphes->count(), 0);
    const auto fichier = platform::read_lines(glossaire_livre);
    EXPECT_EQ(elements(chapitres), reference::chapitres(fichier));
    const std::pair<const char*, const char*> boutons[] = {{"Button1", "Imprimer la page"},
                                                           {"Button3", "Afficher tout"},
                                                           {"Button4", "Imprimer tout"},
                                                           {"Button2", "Fermer"}};
    for (const auto& [nom, legende] : boutons) {
        auto* b = f.findChild<QPushButton*>(nom);
        ASSERT_NE(b, nullptr) << nom;
        EXPECT_EQ(test_support::sans_lettre(b->text()), QString::fromUtf8(legende)) << nom;
    }
    EXPECT_EQ(f.findChild<QPushButton*>("Button1")->toolTip(),
              QStringLiteral("Pour imprimer le glossaire complet\nutiliser Le memu "
                             "Fichier/Ouvrir 'Glossair.dta'\npuis faire Imprimer"));
    for (const char* nom : {"Label1", "Label2", "Label4"}) {
        EXPECT_NE(f.findChild<QLabel*>(nom), nullptr) << nom;
    }
    EXPECT_EQ(test_support::sans_lettre(f.findChild<QLabel*>("Label4")->text()),
              QStringLiteral("Chapitre"));
}

// Without a glossary the lists stay empty and nothing is reported.
TEST_F(FenetreGlossaire, SansFichier)
{
    TFGlos2 f(*ctx);
    branche(f);
    EXPECT_EQ(f.findChild<QComboBox*>("ComboBox1")->count(), 0);
    f.findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(texte(f, "Memo1"), Lignes{""});
    EXPECT_TRUE(erreurs.empty());
}

// Choosing a chapter lists its paragraphs and shows the first; choosing
// another paragraph shows it.
TEST_F(FenetreGlossaire, ChapitreEtParagraphes)
{
    livre_le_glossaire();
    TFGlos2 f(*ctx);
    branche(f);
    auto* chapitres = f.findChild<QComboBox*>("ComboBox1");
    auto* paragraphes = f.findChild<QComboBox*>("ComboBox2");
    choisit(chapitres, chapitres->findText(QStringLiteral("Types et cycles des années")));
    const auto fichier = platform::read_lines(glossaire_livre);
    EXPECT_EQ(elements(paragraphes),
              reference::paragraphes_du_chapitre(fichier, "Types et cycles des années"));
    EXPECT_EQ(paragraphes->currentText(), QStringLiteral("Type de l'année"));
    EXPECT_EQ(paragraphes->toolTip(), QStringLiteral("Cliquer pour sélectionner une rubrique"));
    EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), QStringLiteral("Type de l'année"));
    EXPECT_EQ(f.findChild<QLabel*>("Label2")->text(), QStringLiteral("Le Simane de l'année."));
    const Lignes memo = texte(f, "Memo1");
    EXPECT_EQ(memo, reference::lignes_du_memo(*reference::paragraphe(fichier, "Type de l'année")));
    EXPECT_EQ(memo.front(), "");

    choisit(paragraphes, paragraphes->findText(QStringLiteral("Cycle solaire")));
    EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), QStringLiteral("Cycle solaire"));
    EXPECT_EQ(texte(f, "Memo1"),
              reference::lignes_du_memo(*reference::paragraphe(fichier, "Cycle solaire")));

    // Another chapter replaces the paragraphs.
    choisit(chapitres, chapitres->findText(QStringLiteral("Coutumes")));
    EXPECT_EQ(elements(paragraphes), (Lignes{"Visites au cimetière", "Visites interdites",
                                             "Mariages interdits", "Yom Kippour Katan"}));
    EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), QStringLiteral("Visites au cimetière"));
}

TEST_F(FenetreGlossaire, AfficherTout)
{
    livre_le_glossaire();
    TFGlos2 f(*ctx);
    f.findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(texte(f, "Memo1"), platform::read_lines(glossaire_livre));
    EXPECT_EQ(f.findChild<QPlainTextEdit*>("Memo1")->font().family(), QStringLiteral("Arial"));
}

// "Imprimer la page": a warning with nothing shown, else the page of the
// paragraph at the main window's print size.
TEST_F(FenetreGlossaire, ImprimerLaPage)
{
    platform::write_lines(dir / "glossair.dta",
                          {"@@Calendrier@", "@Vide@\tRien", "@Molad@\tLa conjonction",
                           "Le molad est", "; jamais montré", "l'instant moyen.", "_____@"});
    ctx->taille_impression = 2;
    TFGlos2 f(*ctx);
    branche(f);
    f.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(avertissements, Lignes{"Le memo est vide\rRien à imprimer !"});
    auto* chapitres = f.findChild<QComboBox*>("ComboBox1");
    choisit(chapitres, 0); // shows "Vide": a paragraph without text
    EXPECT_EQ(f.findChild<QLabel*>("Label1")->text(), QStringLiteral("Vide"));
    f.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(avertissements.size(), 2u);
    EXPECT_TRUE(imprimes.empty());

    choisit(f.findChild<QComboBox*>("ComboBox2"), 1);
    f.findChild<QPushButton*>("Button1")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes, (Lignes{" ", " ", " ", " ", "    Molad", "",
                                          "        Le molad est", "        l'instant moyen."}));
    EXPECT_EQ(imprimes[0].police.pointSize(), taille_impression_defaut + 2);
    EXPECT_EQ(imprimes[0].orientation, QPageLayout::Portrait);
    EXPECT_EQ(avertissements.size(), 2u);
}

TEST_F(FenetreGlossaire, ImprimerTout)
{
    TFGlos2 f(*ctx);
    branche(f);
    f.findChild<QPushButton*>("Button4")->click();
    EXPECT_EQ(informations, Lignes{"Pour imprimer le glossaire complet :\rUtiliser le Menu : "
                                   "Fichier/Ouvrir 'Glossair.rtf'\r\rPuis faire Imprimer !\r"});
}

TEST_F(FenetreGlossaire, EntreeDuMenu)
{
    livre_le_glossaire();
    TFMainForm m(*ctx);
    auto* entree = m.findChild<QAction*>("Rubriques1");
    ASSERT_NE(entree, nullptr);
    EXPECT_EQ(test_support::sans_lettre(entree->text()),
              QStringLiteral("Rubriques - Principes du calendrier"));
    m.findChild<QAction*>("SimanAnnee")->trigger();
    ASSERT_NE(m.findChild<TFYEARTYP*>(), nullptr);
    entree->trigger();
    EXPECT_EQ(m.findChild<TFYEARTYP*>(), nullptr); // the other windows are freed first
    auto* glossaire = m.findChild<TFGlos2*>();
    ASSERT_NE(glossaire, nullptr);
    EXPECT_GT(glossaire->findChild<QComboBox*>("ComboBox1")->count(), 0);
}

// The "Glossaire" buttons of the year-type and festivals windows show the
// entries of the delivered glossary.
TEST_F(FenetreGlossaire, BoutonsDesFenetresDeLAnnee)
{
    livre_le_glossaire();
    const auto fichier = platform::read_lines(glossaire_livre);
    const auto attendu = [&](const std::string& nom, const std::string& sous_titre) {
        Lignes l{"@" + nom + "@\t" + sous_titre};
        const auto p = reference::paragraphe(fichier, nom);
        l.insert(l.end(), p->texte.begin(), p->texte.end());
        return l;
    };
    Lignes erreurs_fenetres;
    const auto erreur = [&](const std::string& m) { erreurs_fenetres.push_back(m); };
    const auto imprime = [](const TexteAImprimer&) { return true; };

    TFYEARTYP type(*ctx);
    type.set_dialogues({}, erreur, imprime);
    type.findChild<QPushButton*>("BoutonGlossaire")->click();
    // The first line is shown without its last character.
    EXPECT_EQ(texte(type, "Memo1"), attendu("Type de l'année", "Le Simane de l'année"));

    TFFetes fetes(*ctx, events::ModeFetes::fetes);
    fetes.set_dialogues({}, erreur, imprime);
    fetes.findChild<QPushButton*>("BoutonGlossaire")->click();
    const Lignes montre = texte(fetes, "Memo1");
    EXPECT_EQ(montre, attendu("Fêtes de l'année", "Les fêtes, les demi-fêtes et les jeûnes"));
    EXPECT_TRUE(erreurs_fenetres.empty());
}

} // namespace
} // namespace orvane::gui
