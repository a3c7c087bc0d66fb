// Keyboard access: in every window each button with a caption has an
// Alt-letter of its own, and each menu and menu entry one letter unique in
// its menu; the helper that chooses the letters, alone.
#include "gui/common/mnemonics.h"
#include "gui/events/festivals_window.h"
#include "gui/events/year_type_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/places_editor_window.h"
#include "paris_program_directory.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

/// Every caption of `boutons` marks a letter, and no two mark the same.
void verifie_lettres(const QStringList& legendes, const std::string& ou)
{
    QSet<QChar> vues;
    for (const QString& t : legendes) {
        if (t.trimmed().isEmpty()) {
            continue;
        }
        const QChar c = lettre_mnemonique(t);
        EXPECT_FALSE(c.isNull()) << ou << " : « " << t.toStdString() << " » sans lettre";
        EXPECT_FALSE(!c.isNull() && vues.contains(c))
            << ou << " : la lettre de « " << t.toStdString() << " » est déjà prise";
        vues.insert(c);
    }
}

void verifie_boutons(QWidget& fenetre, const std::string& nom)
{
    QStringList legendes;
    for (QAbstractButton* b : fenetre.findChildren<QAbstractButton*>()) {
        legendes.push_back(b->text());
    }
    EXPECT_FALSE(legendes.isEmpty()) << nom;
    verifie_lettres(legendes, nom);
}

void verifie_menu(QMenu* menu)
{
    QStringList legendes;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) {
            legendes.push_back(a->text());
        }
        if (a->menu() != nullptr) {
            verifie_menu(a->menu());
        }
    }
    verifie_lettres(legendes, "menu " + menu->title().toStdString());
}

class AccesAuClavier : public test_support::RepertoireDeParis
{
};

TEST_F(AccesAuClavier, FenetrePrincipaleEtSesMenus)
{
    DialoguesPrincipaux d;
    d.confirme = [](const std::string&) { return true; };
    d.erreur = [](const std::string&) {};
    d.information = [](const std::string&) {};
    d.choix_ouverture = [] { return std::optional<std::string>(); };
    TFMainForm f(*ctx, std::move(d));
    f.findChild<QTimer*>("Timer1")->stop();
    verifie_boutons(f, "fenêtre principale");
    QStringList menus;
    for (QAction* a : f.menuBar()->actions()) {
        menus.push_back(a->text());
        ASSERT_NE(a->menu(), nullptr);
        verifie_menu(a->menu());
    }
    EXPECT_GE(menus.size(), 4);
    verifie_lettres(menus, "barre des menus");
    // The letters keep the entries' own: "&Fichier", "&Ouvrir", "&Quitter".
    EXPECT_EQ(menus.front(), "&Fichier");
    EXPECT_EQ(f.findChild<QAction*>("Ouvrir1")->text(), "&Ouvrir");
}

TEST_F(AccesAuClavier, FenetresSecondaires)
{
    TFNLieux lieux(*ctx);
    verifie_boutons(lieux, "lieux");
    TFFetes fetes(*ctx, events::ModeFetes::fetes);
    verifie_boutons(fetes, "fêtes");
    TFYEARTYP types(*ctx);
    verifie_boutons(types, "types d'années");
}

TEST(LettresDAcces, ChoixDesLettres)
{
    QSet<QChar> prises;
    EXPECT_EQ(avec_mnemonique("Fermer", prises), "&Fermer");
    EXPECT_EQ(avec_mnemonique("Fichier texte", prises), "Fichier &texte"); // start of a word
    EXPECT_EQ(avec_mnemonique("Fête", prises), "F&ête");                   // then any letter
    EXPECT_EQ(avec_mnemonique("&Ouvrir", prises), "&Ouvrir");              // its own, kept
    // "o", "f", "t", "ê" are taken: the next free letter of "Oter" is "e".
    EXPECT_EQ(avec_mnemonique("Oter", prises), "Ot&er");
    EXPECT_TRUE(prises.contains('o'));
    EXPECT_EQ(lettre_mnemonique("Pierre && Fils"), QChar());
    EXPECT_EQ(lettre_mnemonique("Pierre && &Fils"), QChar('f'));
    QSet<QChar> pleines;
    for (char c = 'a'; c <= 'z'; ++c) {
        pleines.insert(QChar(c));
    }
    EXPECT_EQ(avec_mnemonique("abc", pleines), "abc"); // nothing free: unchanged
    EXPECT_EQ(avec_mnemonique("Voir 2", pleines), "Voir &2");
}

} // namespace
} // namespace orvane::gui
