// Qt's own dialogs speak French, and each question carries the buttons it
// names, captioned in French.
#include "gui/common/french_qt.h"
#include "gui/common/question.h"
#include "gui/shell/main_window.h"
#include "qt_test_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace orvane::gui
{
namespace
{

class DialoguesFrancais : public test_support::TestAvecQt
{
protected:
    static void SetUpTestSuite()
    {
        TestAvecQt::SetUpTestSuite();
        traduit = installe_traductions_qt(*QApplication::instance());
    }
    static inline bool traduit = false;

    /// The captions of the buttons of the question box, in their order on
    /// screen, after answering it with `reponse`.
    static QStringList boutons_de(Reponses reponses, QMessageBox::StandardButton reponse,
                                  QMessageBox::StandardButton* obtenu)
    {
        QStringList captions;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(boite, nullptr);
            for (QAbstractButton* b : boite->buttons()) {
                captions.push_back(b->text());
            }
            captions.sort();
            boite->button(reponse)->click();
        });
        *obtenu = pose_question(nullptr, QStringLiteral("Titre"), "Ligne 1\rLigne 2", reponses);
        return captions;
    }
};

TEST_F(DialoguesFrancais, LesTraductionsDeQtSontChargees)
{
    ASSERT_TRUE(traduit) << "Debian's qt6-translations-l10n is needed";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Voir dans :");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), "Print");
    EXPECT_EQ(QLocale().language(), QLocale::French);
}

// The texts Debian's translation lacks, and the decimal point of the
// computations under a French session.
TEST_F(DialoguesFrancais, TextesComplementairesEtPointDecimal)
{
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), "Dossier");
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "File"), "Fichier");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Folder"), "Dossier"); // Qt's own
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no French locale on this machine (scripts/setup makes it)";
    }
    char texte[16];
    std::snprintf(texte, sizeof texte, "%.1f", 1.5);
    ASSERT_STREQ(texte, "1,5"); // what the session's locale would give
    installe_traductions_qt(*QApplication::instance());
    std::snprintf(texte, sizeof texte, "%.1f", 1.5);
    EXPECT_STREQ(texte, "1.5");
    EXPECT_EQ(std::strtod("48.5", nullptr), 48.5);
}

TEST_F(DialoguesFrancais, ChaqueQuestionASesBoutons)
{
    QMessageBox::StandardButton obtenu{};
    EXPECT_EQ(boutons_de(Reponses::oui_non, QMessageBox::No, &obtenu),
              (QStringList{"&Non", "&Oui"}));
    EXPECT_EQ(obtenu, QMessageBox::No);
    EXPECT_FALSE(obtenu == QMessageBox::Yes);
    EXPECT_EQ(boutons_de(Reponses::oui_annuler, QMessageBox::Yes, &obtenu),
              (QStringList{"&Annuler", "&Oui"}));
    EXPECT_EQ(obtenu, QMessageBox::Yes);
    EXPECT_EQ(boutons_de(Reponses::oui_non_annuler, QMessageBox::Cancel, &obtenu),
              (QStringList{"&Annuler", "&Non", "&Oui"}));
    EXPECT_EQ(obtenu, QMessageBox::Cancel);
}

/// The file dialog that `ouvre` shows: its selected filter, its folder and
/// its caption, read before it is cancelled.
struct VueDialogue {
    QString filtre;
    QString dossier;
    QString bouton;
};

template <class Ouvre>
VueDialogue regarde_dialogue(Ouvre ouvre)
{
    VueDialogue vue;
    QTimer::singleShot(0, [&vue] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        vue.filtre = d->selectedNameFilter();
        vue.dossier = d->directory().absolutePath();
        vue.bouton = d->labelText(QFileDialog::Accept);
        d->reject();
    });
    ouvre();
    return vue;
}

// "Ouvrir" shows every file of the program directory at first; the day
// page's save offers RTF and text with the text filter of "page_.txt"
// selected; Qt's own captions are French.
TEST_F(DialoguesFrancais, FiltresDesDialoguesDeFichiers)
{
    const DialoguesPrincipaux d = DialoguesPrincipaux::de_qt(nullptr);
    const VueDialogue ouvrir = regarde_dialogue([&d] { EXPECT_FALSE(d.choix_ouverture()); });
    EXPECT_EQ(ouvrir.filtre, "Tous les fichiers (*)");
    EXPECT_EQ(ouvrir.dossier, QDir::currentPath());
    EXPECT_EQ(ouvrir.bouton, "&Ouvrir");
    const VueDialogue page = regarde_dialogue([&d] {
        EXPECT_FALSE(d.choix_enregistrement_page(QDir::temp().filePath("page_.txt").toStdString()));
    });
    EXPECT_EQ(page.filtre, "Fichier Texte (*.txt)");
    EXPECT_EQ(page.bouton, "&Enregistrer");
}

} // namespace
} // namespace orvane::gui
