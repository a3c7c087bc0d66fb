// The records window TFVeldor driven offscreen in a fresh program directory:
// the three families on their text files (compatibility mode), the births
// and the deaths on their dBase tables. The files written are read back
// with the plain text reader and the table reader, not through the window.
#include "gui/common/text_printer.h"
#include "gui/records/veldor_window.h"
#include "gui/shell/main_window.h"
#include "platform/raw_file.h"
#include "platform/temporary_directory.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "records/bar_mitsva.h"
#include "records/store/messages.h"
#include "records/tables/dbase_table.h"
#include "records/tables/listing.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "paris_program_directory.h"
#include "qt_test_application.h"

#include <gtest/gtest.h>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;
using records::Famille;

class FenetreFiches : public test_support::TestAvecQt
{
protected:
    void SetUp() override
    {
        ctx = std::make_unique<shell::AppContext>(
            std::make_unique<platform::FixedClock>(platform::LocalDate{2025, 1, 5}), dir.path());
        ctx->options.compatibilite = true;
        for (const char* nom : {"tehilim.dta", "michna.dta"}) {
            fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "data" / nom, dir / nom);
        }
    }

    std::unique_ptr<TFVeldor> ouvre(Famille famille)
    {
        auto f = std::make_unique<TFVeldor>(*ctx, famille);
        f->set_dialogues([this](const std::string& m) { erreurs.push_back(m); },
                         [this](const std::string& m) { informations.push_back(m); },
                         [this](const TexteAImprimer& t) {
                             imprimes.push_back(t);
                             return true;
                         },
                         [this](const std::string& q, Reponses) {
                             questions.push_back(q);
                             return reponse;
                         },
                         [this](const fs::path& p) {
                             ouverts.push_back(p);
                             return true;
                         });
        return f;
    }

    template <class T>
    static T* c(QWidget& f, const char* nom)
    {
        T* w = f.findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    static void clique(QWidget& f, const char* nom) { c<QPushButton>(f, nom)->click(); }
    static void tape(QWidget& f, const char* nom, const QString& t)
    {
        c<QLineEdit>(f, nom)->setText(t);
    }
    static QString texte(QWidget& f, const char* nom) { return c<QLineEdit>(f, nom)->text(); }

    // The civil date typed box by box, the day first brought to 1 so that no
    // step passes by a day that the month lacks.
    static void date(QWidget& f, int jour, int mois, int annee)
    {
        c<QSpinBox>(f, "SpinEdit3")->setValue(1);
        c<QSpinBox>(f, "SpinEdit5")->setValue(annee);
        c<QSpinBox>(f, "SpinEdit9")->setValue(mois);
        c<QSpinBox>(f, "SpinEdit3")->setValue(jour);
    }

    // A person of the family: the name of the deceased for a death, the text
    // for an event.
    static void personne(QWidget& f, Famille famille, const QString& nom, const QString& ville)
    {
        if (famille == Famille::evenement) {
            c<QPlainTextEdit>(f, "MemoEvenement")->setPlainText(nom);
            return;
        }
        c<QComboBox>(f, "ComboBox6")->setEditText("M.");
        tape(f, "EditNom", nom);
        tape(f, "EditPrenom", "David");
        tape(f, "EditVille", ville);
        if (famille == Famille::deces) {
            c<QComboBox>(f, "ComboBox3")->setEditText("Mme");
            tape(f, "EditNomDefunt", nom);
            tape(f, "EditPrenomDefunt", "Sarah");
        }
    }

    fs::path chemin(Famille famille, bool noms) const
    {
        switch (famille) {
        case Famille::naissance:
            return dir / "barmitsv" / (noms ? "base_bm_noms.txt" : "base_bm_dates.txt");
        case Famille::deces:
            return dir / "deces" / (noms ? "base_dc_noms.txt" : "base_dc_dates.txt");
        default:
            return dir / "events" / (noms ? "base_even_noms.txt" : "base_even_dates.txt");
        }
    }

    // The numbers at the start of the non-empty lines of a file.
    std::vector<int> numeros(const fs::path& p) const
    {
        std::vector<int> n;
        for (const std::string& l : platform::read_lines(p)) {
            if (!l.empty()) {
                n.push_back(std::stoi(l.substr(0, l.find('\t'))));
            }
        }
        return n;
    }

    std::string ligne(const fs::path& p, std::size_t i) const
    {
        std::vector<std::string> l;
        for (const std::string& x : platform::read_lines(p)) {
            if (!x.empty()) {
                l.push_back(x);
            }
        }
        return i < l.size() ? l[i] : std::string();
    }

    records::Table relit(const char* table) const
    {
        return records::Table::ouvre(records::chemin_de_table(dir.path(), table));
    }

    platform::test_support::TemporaryDirectory dir;
    std::unique_ptr<shell::AppContext> ctx;
    std::vector<std::string> erreurs;
    std::vector<std::string> informations;
    std::vector<std::string> questions;
    std::vector<TexteAImprimer> imprimes;
    std::vector<fs::path> ouverts;
    QMessageBox::StandardButton reponse = QMessageBox::Yes;
};

class FichiersTexte : public FenetreFiches, public ::testing::WithParamInterface<Famille>
{
};

TEST_P(FichiersTexte, AjouteModifieSupprimeDupliqueEtRenumerote)
{
    const Famille famille = GetParam();
    auto f = ouvre(famille);
    EXPECT_FALSE(f->sur_table());
    EXPECT_EQ(f->nombre_de_fiches(), 0);
    EXPECT_EQ(c<QLabel>(*f, "LabelPosition")->text(), "0 / 0");
    const QString noms[] = {"Abitbol", "Cohen", "Levy"};
    for (const QString& n : noms) {
        clique(*f, "BoutonNouvelle");
        personne(*f, famille, n, "Paris");
        date(*f, 3, 10, 2024);
        clique(*f, "BoutonEnregistrerNouvelle");
    }
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_EQ(questions.front(), records::question_ajout);
    EXPECT_EQ(informations.back(), "La fiche N° 3 a été enregistrée");
    EXPECT_EQ(f->nombre_de_fiches(), 3);
    EXPECT_EQ(numeros(chemin(famille, true)), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(numeros(chemin(famille, false)), (std::vector<int>{1, 2, 3}));
    EXPECT_NE(ligne(chemin(famille, true), 1).find("Cohen"), std::string::npos);
    // The dates line holds the date of the event and its Hebrew date.
    const std::string dates = ligne(chemin(famille, false), 1);
    EXPECT_NE(dates.find("\t3\t10\t2024\t"), std::string::npos) << dates;
    EXPECT_NE(dates.find("Tichri\t5785"), std::string::npos) << dates;
    EXPECT_EQ(c<QLabel>(*f, "LabelPosition")->text(), "3 / 3");

    // The record at position 2 changed, its number kept.
    c<QSpinBox>(*f, "SpinEdit15")->setValue(2);
    EXPECT_EQ(texte(*f, "Edit12"), "2");
    if (famille == Famille::evenement) {
        c<QPlainTextEdit>(*f, "MemoEvenement")->setPlainText("Cohen Hanouka");
    } else {
        tape(*f, "EditVille", "Lyon");
    }
    clique(*f, "BoutonModifications");
    EXPECT_EQ(questions.back(),
              "Etes-vous sûr de vouloir enregistrer les modifications de la fiche N° 2 ?");
    const std::string change = famille == Famille::evenement ? "Hanouka" : "Lyon";
    EXPECT_NE(ligne(chemin(famille, true), 1).find(change), std::string::npos);
    EXPECT_EQ(ligne(chemin(famille, true), 0).find(change), std::string::npos);

    // Answered No, nothing is removed.
    reponse = QMessageBox::No;
    clique(*f, "BoutonSupprimer");
    EXPECT_EQ(f->nombre_de_fiches(), 3);
    reponse = QMessageBox::Yes;
    clique(*f, "BoutonSupprimer");
    EXPECT_EQ(questions.back(), "Etes-vous sûr de vouloir supprimer la fiche n° 2 ?");
    EXPECT_EQ(informations.back(), "La fiche N° 2 a été supprimée");
    EXPECT_EQ(numeros(chemin(famille, true)), (std::vector<int>{1, 3}));
    EXPECT_EQ(numeros(chemin(famille, false)), (std::vector<int>{1, 3}));

    c<QSpinBox>(*f, "SpinEdit15")->setValue(1);
    clique(*f, "BoutonDupliquer");
    EXPECT_EQ(informations.back(),
              "La fiche numéro 1 a été dupliquée. La nouvelle fiche porte le numéro 4");
    EXPECT_EQ(numeros(chemin(famille, true)), (std::vector<int>{1, 3, 4}));
    const std::string l1 = ligne(chemin(famille, true), 0);
    const std::string l4 = ligne(chemin(famille, true), 2);
    EXPECT_EQ(l1.substr(l1.find('\t')), l4.substr(l4.find('\t')));

    clique(*f, "BoutonOrdonner");
    EXPECT_EQ(questions.back(), records::question_confirmez);
    EXPECT_EQ(informations.back(), "Les fiches comportent les numéros de 1 à 3");
    EXPECT_EQ(numeros(chemin(famille, true)), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(numeros(chemin(famille, false)), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();

    // A new window reads the same records.
    auto g = ouvre(famille);
    EXPECT_EQ(g->nombre_de_fiches(), 3);
    EXPECT_EQ(c<QLabel>(*g, "LabelPosition")->text(), "1 / 3");
}

TEST_P(FichiersTexte, LaPositionNeDepassePasLeNombreDeFiches)
{
    const Famille famille = GetParam();
    auto f = ouvre(famille);
    for (const QString& n : {QString("Abitbol"), QString("Cohen")}) {
        clique(*f, "BoutonNouvelle");
        personne(*f, famille, n, "Paris");
        date(*f, 3, 10, 2024);
        clique(*f, "BoutonEnregistrerNouvelle");
    }
    QSpinBox* position = c<QSpinBox>(*f, "SpinEdit15");
    EXPECT_EQ(position->maximum(), 2);
    EXPECT_EQ(c<QScrollBar>(*f, "ScrollBar1")->maximum(), 2);
    position->setValue(99);
    EXPECT_EQ(position->value(), 2);
    EXPECT_EQ(c<QLabel>(*f, "LabelPosition")->text(), "2 / 2");
    c<QScrollBar>(*f, "ScrollBar1")->setValue(1);
    EXPECT_EQ(position->value(), 1);
    EXPECT_EQ(texte(*f, "Edit12"), "1");
    clique(*f, "BoutonSupprimer");
    clique(*f, "BoutonSupprimer");
    EXPECT_EQ(f->nombre_de_fiches(), 0);
    EXPECT_EQ(position->maximum(), 1);
    // Nothing left to change.
    clique(*f, "BoutonModifications");
    EXPECT_EQ(erreurs.back(), records::message_aucune_fiche);
}

TEST_P(FichiersTexte, RechercheSelonLeNom)
{
    const Famille famille = GetParam();
    auto f = ouvre(famille);
    for (const QString& n : {QString("Levy"), QString("Élie"), QString("Abitbol")}) {
        clique(*f, "BoutonNouvelle");
        personne(*f, famille, n, "Paris");
        date(*f, 3, 10, 2024);
        clique(*f, "BoutonEnregistrerNouvelle");
    }
    f->RechercherClick();
    QListWidget* liste = c<QListWidget>(*f, "ListeNoms");
    EXPECT_EQ(c<QLabel>(*f, "LabelListeNoms")->text(), "Choisissez un patronyme dans la liste");
    ASSERT_EQ(liste->count(), 3);
    // In the French order, accents aside.
    EXPECT_EQ(liste->item(0)->text(), "Abitbol");
    EXPECT_EQ(liste->item(1)->text(), "Élie");
    EXPECT_EQ(liste->item(2)->text(), "Levy");
    f->choisit_nom("Levy");
    EXPECT_EQ(informations.back(), "Fiche trouvée");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit15")->value(), 1);
    f->choisit_nom("Élie");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit15")->value(), 2);
    f->choisit_nom("Zana");
    EXPECT_EQ(informations.back(), "Fiche non trouvée");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit15")->value(), 2);
}

TEST_P(FichiersTexte, ToutRecalculerEtEffacer)
{
    const Famille famille = GetParam();
    auto f = ouvre(famille);
    personne(*f, famille, "Cohen", "Paris");
    date(*f, 3, 10, 2024); // 1 Tichri 5785
    clique(*f, "BoutonEnregistrerNouvelle");
    EXPECT_NE(ligne(chemin(famille, false), 0).find("\t5786"), std::string::npos);
    // A year and a half later the next anniversary is 1 Tichri 5787,
    // Saturday 12 September 2026.
    ctx->horloge = std::make_unique<platform::FixedClock>(platform::LocalDate{2026, 6, 1});
    reponse = QMessageBox::No;
    clique(*f, "BoutonToutRecalculer");
    EXPECT_EQ(questions.back(), "Etes-vous sûr de vouloir Tout Recalculer ?\rCela prendra "
                                "plusieurs minutes\renviron 2 min par 1000 lignes");
    EXPECT_EQ(ligne(chemin(famille, false), 0).find("5787"), std::string::npos);
    reponse = QMessageBox::Yes;
    clique(*f, "BoutonToutRecalculer");
    const std::string dates = ligne(chemin(famille, false), 0);
    EXPECT_NE(dates.find("ANI\tChabbat \t12 \tSeptembre\t2026\t-->\t1 \tTichri \t5787"),
              std::string::npos)
        << dates;
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
    // "Effacer cette fiche" empties the boxes, not the files.
    clique(*f, "BoutonEffacer");
    EXPECT_TRUE(c<QPlainTextEdit>(*f, "MemoFiche")->toPlainText().isEmpty());
    EXPECT_TRUE(texte(*f, "EditNom").isEmpty());
    EXPECT_TRUE(c<QPlainTextEdit>(*f, "MemoEvenement")->toPlainText().isEmpty());
    EXPECT_EQ(f->nombre_de_fiches(), 1);
}

INSTANTIATE_TEST_SUITE_P(TroisFamilles, FichiersTexte,
                         ::testing::Values(Famille::naissance, Famille::deces, Famille::evenement));

TEST_F(FenetreFiches, CaptionsEtLibellesSelonLaFamilleEtLaCivilite)
{
    auto n = ouvre(Famille::naissance);
    EXPECT_EQ(n->objectName(), "FVeldor");
    EXPECT_EQ(n->windowTitle(), "Dates de Bar-Mitsva");
    c<QComboBox>(*n, "ComboBox6")->setEditText("M.");
    EXPECT_EQ(c<QLabel>(*n, "LabelCorrespondant")->text(), "CORRESPONDANT");
    EXPECT_EQ(c<QLabel>(*n, "LabelFilsDe")->text(), "Fils de");
    c<QComboBox>(*n, "ComboBox6")->setEditText("Mle");
    EXPECT_EQ(c<QLabel>(*n, "LabelCorrespondant")->text(), "CORRESPONDANTE");
    EXPECT_EQ(c<QLabel>(*n, "LabelFilsDe")->text(), "Fille de");
    auto d = ouvre(Famille::deces);
    EXPECT_EQ(d->windowTitle(), "Dates d'anniversaire de décès");
    c<QComboBox>(*d, "ComboBox3")->setEditText("Mme");
    EXPECT_EQ(c<QLabel>(*d, "LabelCorrespondant")->text(), "CORRESPONDANT          DEFUNTE");
    c<QComboBox>(*d, "ComboBox3")->setEditText("M.");
    EXPECT_EQ(c<QLabel>(*d, "LabelCorrespondant")->text(), "CORRESPONDANT           DEFUNT");
    auto e = ouvre(Famille::evenement);
    EXPECT_EQ(e->windowTitle(), "Dates d'anniversaire");
    // Every button has its keyboard letter, none twice.
    QSet<QChar> lettres;
    for (const QPushButton* b : n->findChildren<QPushButton*>()) {
        const int i = b->text().indexOf('&');
        ASSERT_GE(i, 0) << b->text().toStdString();
        EXPECT_FALSE(lettres.contains(b->text()[i + 1].toLower())) << b->text().toStdString();
        lettres.insert(b->text()[i + 1].toLower());
    }
}

TEST_F(FenetreFiches, DatesSaisiesDansLesDeuxSens)
{
    auto f = ouvre(Famille::naissance);
    // Opened on today's date.
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit5")->value(), 2025);
    EXPECT_EQ(texte(*f, "Edit7"), "Dimanche");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit6")->value(), 5);
    EXPECT_EQ(texte(*f, "Edit14"), "Tevet");
    // Hebrew to civil: 1 Tichri 5785 is Thursday 3 October 2024.
    c<QSpinBox>(*f, "SpinEdit8")->setValue(5785);
    c<QSpinBox>(*f, "SpinEdit10")->setValue(1);
    c<QSpinBox>(*f, "SpinEdit6")->setValue(1);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit3")->value(), 3);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit9")->value(), 10);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit5")->value(), 2024);
    EXPECT_EQ(texte(*f, "Edit13"), "Octobre");
    EXPECT_EQ(texte(*f, "Edit7"), "Jeudi");
    // 5784 is a deficient year: no 30 Hechvan.
    c<QSpinBox>(*f, "SpinEdit8")->setValue(5784);
    c<QSpinBox>(*f, "SpinEdit10")->setValue(2);
    c<QSpinBox>(*f, "SpinEdit6")->setValue(30);
    EXPECT_EQ(c<QLabel>(*f, "LabelAlerteHebraique")->text(),
              "        Cette date hébraïque n'existe pas");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit5")->value(), 2023); // 1 Hechvan 5784 stays shown
    c<QSpinBox>(*f, "SpinEdit8")->setValue(3000);
    EXPECT_EQ(c<QLabel>(*f, "LabelAlerteHebraique")->text(),
              "Année date hébraïque min 3860  max 13759");
    // Civil to Hebrew, with the impossible days corrected.
    date(*f, 1, 4, 2024);
    ASSERT_TRUE(erreurs.empty());
    c<QSpinBox>(*f, "SpinEdit3")->setValue(31);
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs.back(), "Le 31 Avril n'existe pas.\rLe nombre de jours de ce mois est de "
                              "30\r\rNous choisissons le dernier jour de ce mois qui est le 30");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit3")->value(), 30);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit6")->value(), 22); // 22 Nissan 5784
    EXPECT_EQ(texte(*f, "Edit14"), "Nissan");
    date(*f, 1, 2, 2023);
    c<QSpinBox>(*f, "SpinEdit3")->setValue(30);
    EXPECT_EQ(erreurs.back(), "Le 30 Février n'existe pas en 2023\rLe nombre de jours de ce mois "
                              "est de 28\r\rNous choisissons le dernier jour de ce mois qui est "
                              "le 28");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit3")->value(), 28);
    // A month below 1 is December of the year before.
    c<QSpinBox>(*f, "SpinEdit9")->setValue(0);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit9")->value(), 12);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit5")->value(), 2022);
    c<QSpinBox>(*f, "SpinEdit5")->setValue(50);
    EXPECT_EQ(c<QLabel>(*f, "LabelAlerteCivile")->text(),
              "    Année date civile  min 100  max 9999");
    // The days dropped by the reform of 1582.
    date(*f, 10, 10, 1582);
    EXPECT_EQ(c<QLabel>(*f, "LabelAlerteCivile")->text(),
              "         Cette date civile n'existe pas");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit5")->toolTip(), "Année date civile  min 100  max 9999");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit8")->toolTip(), "Année date hébraïque min 3860  max 13759");
    clique(*f, "BoutonAujourdhui");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit5")->value(), 2025);
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit3")->value(), 5);
}

TEST_F(FenetreFiches, UnDecesLaNuitEstDuJourHebraiqueSuivant)
{
    auto f = ouvre(Famille::deces);
    personne(*f, Famille::deces, "Cohen", "Paris");
    // Wednesday 2 October 2024 is 29 Eloul 5784; after nightfall, 1 Tichri 5785.
    date(*f, 2, 10, 2024);
    EXPECT_EQ(texte(*f, "Edit11"), "Mercredi 29 Eloul 5784");
    c<QComboBox>(*f, "ComboBox1")->setEditText("N");
    EXPECT_EQ(texte(*f, "Edit11"), "Jeudi 1 Tichri 5785");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit6")->value(), 29); // the civil day's own Hebrew date
    // The burial follows the death; buried on Friday 4 October (2 Tichri).
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit11")->value(), 2024);
    c<QSpinBox>(*f, "SpinEdit4")->setValue(4);
    EXPECT_EQ(texte(*f, "EditInhumationHebreu"), "Vendredi 2 Tichri 5785");
    clique(*f, "BoutonCalculer");
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    const QString feuille = c<QPlainTextEdit>(*f, "MemoFiche")->toPlainText();
    EXPECT_TRUE(feuille.startsWith("bs\"d ANNIVERSAIRES DE DECES\n")) << feuille.toStdString();
    EXPECT_TRUE(feuille.contains("(La nuit)"));
    EXPECT_TRUE(feuille.contains("1  Tichri  5785"));
    EXPECT_TRUE(feuille.contains("    7 jours : "));
    EXPECT_TRUE(feuille.contains("    La 1e année, il y a plusieurs dates"));
    EXPECT_TRUE(feuille.contains(" 3 anniversaires du décès "));
    // The next anniversary of 1 Tichri from 5 January 2025: Tuesday 23
    // September 2025, 1 Tichri 5786.
    EXPECT_EQ(texte(*f, "EditAnnivHebreu"), "1  Tichri  5786");
    EXPECT_TRUE(texte(*f, "EditAnnivCivil").startsWith("Mardi"))
        << texte(*f, "EditAnnivCivil").toStdString();
    EXPECT_EQ(texte(*f, "EditAnnivCivil"), "Mardi    23 Septembre 2025");
    clique(*f, "BoutonDates");
    const QString dates = c<QPlainTextEdit>(*f, "MemoFiche")->toPlainText();
    EXPECT_TRUE(dates.contains("Les 15 jours autour du prochain anniversaire du décès :"));
    EXPECT_EQ(dates.count("------------------"), 2);
}

TEST_F(FenetreFiches, TehilimEtMichnayotDuPrenomHebraique)
{
    auto f = ouvre(Famille::deces);
    personne(*f, Famille::deces, "Cohen", "Paris");
    date(*f, 2, 10, 2024);
    tape(*f, "EditPrenomHebreuDefunt", "dwd"); // דוד
    clique(*f, "BoutonTehilim");
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    QTextEdit* lecture = c<QTextEdit>(*f, "MemoLecture");
    const QString t = lecture->toPlainText();
    // Dalet, vav, dalet: three sections of eight verses, in Hebrew letters.
    EXPECT_TRUE(t.contains(QChar(0x05D3))) << t.toStdString();
    EXPECT_GT(t.count('\n'), 20);
    EXPECT_EQ(lecture->document()->firstBlock().blockFormat().alignment() & Qt::AlignRight,
              Qt::AlignRight);
    clique(*f, "BoutonMichnayot");
    EXPECT_NE(lecture->toPlainText(), t);
    EXPECT_TRUE(lecture->toPlainText().contains(QChar(0x05E0))); // nun of נשמה
}

TEST_F(FenetreFiches, BarEtBatMitsvaEtLeursQuinzeJours)
{
    auto f = ouvre(Famille::naissance);
    personne(*f, Famille::naissance, "Cohen", "Paris");
    date(*f, 3, 10, 2012);
    clique(*f, "BoutonBarMitsva");
    QPlainTextEdit* feuille = c<QPlainTextEdit>(*f, "MemoFiche");
    EXPECT_TRUE(feuille->toPlainText().startsWith("bs\"d DATES DE BAR MITSVA \n"));
    EXPECT_TRUE(feuille->toPlainText().contains("Paracha de Bar-Mitsva"));
    clique(*f, "BoutonBatMitsva");
    EXPECT_TRUE(feuille->toPlainText().startsWith("bs\"d DATES DE BAT MITSVA \n"));
    clique(*f, "BoutonDates");
    EXPECT_EQ(f->vue(), TFVeldor::Vue::dates);
    EXPECT_TRUE(feuille->toPlainText().contains("Les 15 jours autour de la Bat-Mitsva du "));
    EXPECT_EQ(feuille->toPlainText().count("------------------"), 2);
    // Saved, a Bat-Mitsva is read back as a Bat-Mitsva: twelve years on.
    clique(*f, "BoutonEnregistrerNouvelle");
    auto g = ouvre(Famille::naissance);
    EXPECT_TRUE(c<QPlainTextEdit>(*g, "MemoFiche")->toPlainText().startsWith("bs\"d DATES DE BAT"));
    auto e = ouvre(Famille::evenement);
    clique(*e, "BoutonCalculer");
    EXPECT_TRUE(
        c<QPlainTextEdit>(*e, "MemoFiche")->toPlainText().startsWith("bs\"d ANNIVERSAIRES\n"));
}

TEST_F(FenetreFiches, EnregistrerMemoDeuxFoisDonneDeuxFichiers)
{
    auto f = ouvre(Famille::naissance);
    personne(*f, Famille::naissance, "Co/hen", "Paris");
    date(*f, 3, 10, 2012);
    clique(*f, "BoutonCalculer");
    clique(*f, "BoutonEnregistrerMemo");
    const fs::path premier = f->dernier_memo();
    clique(*f, "BoutonEnregistrerMemo");
    const fs::path second = f->dernier_memo();
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    // The folder of the family, whatever the case of its name.
    EXPECT_EQ(platform::to_lower(premier.parent_path().filename().string()), "barmitsv");
    EXPECT_EQ(premier.filename(), "NAI_Co_hen_3_10_2012_Fiche.txt");
    EXPECT_NE(premier, second);
    ASSERT_TRUE(fs::exists(premier));
    ASSERT_TRUE(fs::exists(second));
    EXPECT_EQ(platform::read_lines(premier), platform::read_lines(second));
    EXPECT_EQ(platform::read_lines(premier).front(), "bs\"d DATES DE BAR MITSVA ");
    // CR LF line ends.
    EXPECT_NE(platform::read_bytes(premier).find("\r\n"), std::string::npos);
    clique(*f, "BoutonDates");
    clique(*f, "BoutonEnregistrerMemo");
    EXPECT_EQ(f->dernier_memo().filename(), "NAI_Co_hen_3_10_2012_Dates.txt");
    auto d = ouvre(Famille::deces);
    personne(*d, Famille::deces, "Levy", "Paris");
    clique(*d, "BoutonEnregistrerMemo");
    EXPECT_EQ(platform::to_lower(d->dernier_memo().parent_path().filename().string()), "deces");
    EXPECT_EQ(d->dernier_memo().filename(), "DC_Levy_5_1_2025_Fiche.txt");
}

TEST_F(FenetreFiches, ImprimerMemoEnPdf)
{
    auto f = ouvre(Famille::deces);
    personne(*f, Famille::deces, "Cohen", "Paris");
    date(*f, 2, 10, 2024);
    clique(*f, "BoutonCalculer");
    clique(*f, "BoutonImprimerMemo");
    ASSERT_EQ(imprimes.size(), 1u);
    const TexteAImprimer& t = imprimes.front();
    // The heading's letters printed as Hebrew letters, in the Hebrew font.
    EXPECT_NE(t.lignes.front().find("\xD7\x91"), std::string::npos); // bet
    EXPECT_NE(t.lignes.front().find(" ANNIVERSAIRES DE DECES"), std::string::npos);
    EXPECT_EQ(t.polices_des_lignes.count(0), 1u);
    EXPECT_EQ(t.lignes.size(), c<QPlainTextEdit>(*f, "MemoFiche")->blockCount());
    const QString pdf = QString::fromStdString((dir / "fiche.pdf").string());
    ASSERT_TRUE(imprime_en_pdf(pdf, t));
    const std::string octets = platform::read_bytes(dir / "fiche.pdf");
    EXPECT_EQ(octets.substr(0, 5), "%PDF-");
    EXPECT_GT(octets.size(), 1000u);
}

TEST_F(FenetreFiches, OuvrirLesFichiersTexteEtLeClasseur)
{
    auto f = ouvre(Famille::deces);
    personne(*f, Famille::deces, "Cohen", "Paris");
    date(*f, 2, 10, 2024);
    clique(*f, "BoutonEnregistrerNouvelle");
    clique(*f, "BoutonFichiersTxt");
    ASSERT_EQ(ouverts.size(), 2u);
    EXPECT_EQ(ouverts[0].filename(), "base_dc_noms.txt");
    EXPECT_EQ(ouverts[1].filename(), "base_dc_dates.txt");
    clique(*f, "BoutonFichiersExcel");
    ASSERT_EQ(ouverts.size(), 3u);
    EXPECT_EQ(ouverts[2].filename(), "BASE_DC.xlsx");
    // A workbook is a zip archive.
    EXPECT_EQ(platform::read_bytes(ouverts[2]).substr(0, 2), "PK");
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
}

// -- The dBase tables ------------------------------------------------------

class TablesDeFiches : public FenetreFiches
{
protected:
    void SetUp() override
    {
        FenetreFiches::SetUp();
        ctx->options.compatibilite = false;
    }

    void ajoute(TFVeldor& f, const QString& civilite, const QString& nom, int j, int m, int a)
    {
        clique(f, "BoutonNouvelle");
        c<QComboBox>(f, "ComboBox6")->setEditText(civilite);
        tape(f, "EditNom", nom);
        tape(f, "EditPrenom", "Noa");
        tape(f, "EditVille", "Paris");
        date(f, j, m, a);
        clique(f, "BoutonEnregistrerNouvelle");
    }
};

TEST_F(TablesDeFiches, AjouteModifieSupprimeSurLaTableDesNaissances)
{
    auto f = ouvre(Famille::naissance);
    ASSERT_TRUE(f->sur_table());
    EXPECT_EQ(f->windowTitle(), "Base de données - Naissances");
    ASSERT_TRUE(fs::exists(dir / "dbd" / "Bd_NAIS.dbf"));
    ajoute(*f, "M.", "Cohen", 3, 10, 2012);
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    EXPECT_EQ(informations.back(), "La fiche N° 1 a été enregistrée");
    {
        records::Table t = relit("Bd_NAIS.dbf");
        ASSERT_EQ(t.nombre(), 1u);
        EXPECT_EQ(t.texte("N"), "M.");
        EXPECT_EQ(t.texte("NOM"), "Cohen");
        EXPECT_EQ(t.texte("VILLE"), "Paris");
        EXPECT_EQ(t.texte("NAI_CV_N"), "03/10/2012");
        EXPECT_EQ(t.texte("NAI_HB_N"), "17/1/5773"); // 17 Tichri 5773
        EXPECT_FALSE(t.texte("BAR_MITSVA").empty());
        EXPECT_FALSE(t.texte("PARACHA").empty());
        // 17 Tichri 5786: Thursday 9 October 2025.
        EXPECT_EQ(t.texte("ACT_CV_N"), "09/10/2025");
        EXPECT_EQ(t.texte("ACT_HB_LT"), "17 Tichri  5786");
        // Thirteen years on: 17 Tichri 5786 too.
        EXPECT_EQ(t.texte("B_MITZ_CIV"), "09/10/2025");
    }
    ajoute(*f, "Mme", "Abitbol", 10, 1, 2000);
    ajoute(*f, "Mle", "Zana", 1, 6, 1990);
    EXPECT_EQ(f->nombre_de_fiches(), 3);
    tape(*f, "EditVille", "Lyon");
    clique(*f, "BoutonModifications");
    EXPECT_EQ(relit("Bd_NAIS.dbf").texte_de(2, "VILLE"), "Lyon");
    EXPECT_EQ(relit("Bd_NAIS.dbf").texte_de(2, "NOM"), "Zana");
    clique(*f, "BoutonSupprimer");
    EXPECT_EQ(questions.back(), "Etes-vous sûr de vouloir supprimer la fiche n° 3 ?");
    records::Table t = relit("Bd_NAIS.dbf");
    ASSERT_EQ(t.nombre(), 2u);
    EXPECT_FALSE(t.trouve("NOM", "Zana"));
    EXPECT_EQ(f->nombre_de_fiches(), 2);
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
}

TEST_F(TablesDeFiches, ToutRecalculerLesProchainsAnniversaires)
{
    auto f = ouvre(Famille::naissance);
    ajoute(*f, "M.", "Cohen", 3, 10, 2024);
    ajoute(*f, "Mme", "Abitbol", 10, 1, 2000);
    f->trie_par("NOM");
    EXPECT_EQ(relit("Bd_NAIS.dbf").texte_de(0, "ACT_CV_N"), "23/09/2025");
    ctx->horloge = std::make_unique<platform::FixedClock>(platform::LocalDate{2026, 6, 1});
    clique(*f, "BoutonToutRecalculer");
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    records::Table t = relit("Bd_NAIS.dbf");
    EXPECT_EQ(t.texte_de(0, "ACT_CV_N"), "12/09/2026");
    EXPECT_EQ(t.texte_de(0, "ACT_HB_LT"), "1  Tichri  5787");
    // 3 Chevat 5787: Monday 11 January 2027 (5787 is a full leap year).
    EXPECT_EQ(t.texte_de(1, "ACT_CV_N"), "11/01/2027");
    // The order chosen is kept.
    EXPECT_EQ(f->table().index(), "NOM");
    EXPECT_EQ(texte(*f, "EditNom"), "Abitbol");
}

TEST_F(TablesDeFiches, SansCiviliteLaFicheNestPasEnregistree)
{
    auto f = ouvre(Famille::naissance);
    f->show();
    ajoute(*f, "", "Cohen", 3, 10, 2012);
    ASSERT_FALSE(erreurs.empty());
    EXPECT_EQ(erreurs.back(), records::message_civilite_manquante);
    QComboBox* civilite = c<QComboBox>(*f, "ComboBox6");
    EXPECT_TRUE(f->focusWidget() == civilite || f->focusWidget() == civilite->lineEdit())
        << (f->focusWidget() ? f->focusWidget()->objectName().toStdString() : "aucun");
    EXPECT_EQ(relit("Bd_NAIS.dbf").nombre(), 0u);
    EXPECT_EQ(f->nombre_de_fiches(), 0);
    // Nor is a Bar-Mitsva computed without it.
    erreurs.clear();
    clique(*f, "BoutonCalculer");
    EXPECT_EQ(erreurs, std::vector<std::string>{std::string(records::message_civilite_manquante)});
}

TEST_F(TablesDeFiches, TriParNomEtAnniversairesDuMois)
{
    auto f = ouvre(Famille::naissance);
    ajoute(*f, "M.", "Levy", 3, 10, 2012);     // 17 Tichri: in October
    ajoute(*f, "Mme", "Abitbol", 10, 1, 2000); // 3 Chevat: 1 February 2025
    ajoute(*f, "M.", "Cohen", 20, 1, 1990);    // 23 Tevet: 23 January 2025
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    f->trie_par("NOM");
    EXPECT_EQ(texte(*f, "EditNom"), "Abitbol");
    c<QSpinBox>(*f, "SpinEdit15")->setValue(2);
    EXPECT_EQ(texte(*f, "EditNom"), "Cohen");
    c<QSpinBox>(*f, "SpinEdit15")->setValue(3);
    EXPECT_EQ(texte(*f, "EditNom"), "Levy");
    f->AnnivMoisCourantClick();
    EXPECT_EQ(c<QLabel>(*f, "LabelSelection")->text(), "2 fiches sélectionnées");
    EXPECT_EQ(f->nombre_de_fiches(), 2);
    EXPECT_EQ(texte(*f, "EditNom"), "Abitbol");
    EXPECT_EQ(c<QSpinBox>(*f, "SpinEdit15")->maximum(), 2);
    f->PresentationClick();
    EXPECT_EQ(f->nombre_de_fiches(), 3);
    f->trie_par("ACT_CV_N");
    EXPECT_EQ(texte(*f, "EditNom"), "Cohen");
    // The search of the tables.
    f->RechercherClick();
    EXPECT_EQ(c<QListWidget>(*f, "ListeNoms")->count(), 3);
    f->choisit_nom("Levy");
    EXPECT_EQ(informations.back(), "Fiche trouvée");
    EXPECT_EQ(texte(*f, "EditNom"), "Levy");
    // The listing of the table as text, and its workbook.
    clique(*f, "BoutonFichiersTxt");
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0].filename(), "Bd_NAIS.txt");
    const std::vector<std::string> listing = platform::read_lines(ouverts[0]);
    ASSERT_EQ(listing.size(), 3u);
    EXPECT_NE(listing[0].find("Cohen"), std::string::npos); // in the order of ACT_CV_N
    clique(*f, "BoutonFichiersExcel");
    ASSERT_EQ(ouverts.size(), 2u);
    EXPECT_EQ(ouverts[1].filename(), "Bd_NAIS.xlsx");
    EXPECT_EQ(platform::read_bytes(ouverts[1]).substr(0, 2), "PK");
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
}

TEST_F(TablesDeFiches, LesDecesSurLeurTableLesEvenementsSurLeursFichiers)
{
    auto f = ouvre(Famille::deces);
    ASSERT_TRUE(f->sur_table());
    EXPECT_EQ(f->windowTitle(), "Base de données - Décès");
    clique(*f, "BoutonNouvelle");
    c<QComboBox>(*f, "ComboBox6")->setEditText("M.");
    tape(*f, "EditNom", "Cohen");
    c<QComboBox>(*f, "ComboBox3")->setEditText("Mme");
    tape(*f, "EditNomDefunt", "Levy");
    tape(*f, "EditPrenomHebreuDefunt", "hrs");
    date(*f, 2, 10, 2024);
    c<QComboBox>(*f, "ComboBox1")->setEditText("N");
    clique(*f, "BoutonEnregistrerNouvelle");
    ASSERT_TRUE(erreurs.empty()) << erreurs.front();
    records::Table t = relit("Bd_DC.dbf");
    ASSERT_EQ(t.nombre(), 1u);
    EXPECT_EQ(t.texte("NOM_DC"), "Levy");
    EXPECT_EQ(t.texte("N_DC"), "Mme");
    EXPECT_EQ(t.texte("PREH_DC"), "hrs");
    EXPECT_EQ(t.texte("J_N"), "N");
    EXPECT_EQ(t.texte("NAI_HB_N"), "1/1/5785");
    clique(*f, "BoutonSupprimer");
    EXPECT_EQ(relit("Bd_DC.dbf").nombre(), 0u);
    auto e = ouvre(Famille::evenement);
    EXPECT_FALSE(e->sur_table());
}

// -- The menu of the main window -------------------------------------------

class MenuDesFiches : public test_support::RepertoireDeParis,
                      public ::testing::WithParamInterface<bool>
{
};

// The three records windows are in the menu in both modes, before the
// events window, which only the database mode shows.
TEST_P(MenuDesFiches, TroisEntreesAvantLesEvenementsDivers)
{
    const bool compatibilite = GetParam();
    platform::write_lines(dir / "config.dta",
                          {std::string("win7 ") + (compatibilite ? "true" : "false")});
    DialoguesPrincipaux d;
    d.confirme = [](const std::string&) { return true; };
    d.erreur = [](const std::string&) {};
    d.information = [](const std::string&) {};
    d.imprime = [](const TexteAImprimer&) { return true; };
    d.choix_ouverture = [] { return std::optional<std::string>(); };
    TFMainForm f(*ctx, std::move(d));
    f.findChild<QTimer*>("Timer1")->stop();
    f.show();
    f.findChild<QTimer*>("Timer1")->stop();
    ASSERT_EQ(ctx->options.compatibilite, compatibilite);
    const auto* menu = qobject_cast<QMenu*>(f.findChild<QAction*>("EvenementsDivers")->parent());
    ASSERT_NE(menu, nullptr);
    QStringList noms;
    for (const QAction* a : menu->actions()) {
        noms.push_back(a->objectName());
    }
    const qsizetype i = noms.indexOf("Anniversaires");
    ASSERT_GE(i, 0);
    EXPECT_EQ(noms.mid(i, 4),
              (QStringList{"Anniversaires", "BarMitsva", "Deces", "EvenementsDivers"}));
    EXPECT_EQ(test_support::sans_lettre(f.findChild<QAction*>("Deces")->text()), "Décès");
    for (const char* nom : {"Anniversaires", "BarMitsva", "Deces"}) {
        EXPECT_TRUE(f.findChild<QAction*>(nom)->isVisible()) << nom;
    }
    EXPECT_EQ(f.findChild<QAction*>("EvenementsDivers")->isVisible(), !compatibilite);
    f.findChild<QAction*>("Deces")->trigger();
    auto* fenetre = f.findChild<TFVeldor*>("FVeldor");
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->famille(), Famille::deces);
    EXPECT_EQ(fenetre->sur_table(), !compatibilite);
    // Opening another frees the first.
    f.findChild<QAction*>("BarMitsva")->trigger();
    ASSERT_EQ(f.findChildren<TFVeldor*>().size(), 1u);
    EXPECT_EQ(f.findChild<TFVeldor*>()->famille(), Famille::naissance);
}

INSTANTIATE_TEST_SUITE_P(DeuxModes, MenuDesFiches, ::testing::Bool());

} // namespace
} // namespace orvane::gui
