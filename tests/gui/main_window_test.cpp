// The main window driven offscreen by the names of its controls, on a
// clock that the tests set: the conversion panel and its invalid states,
// the clock line, the automatic return to today, the full hour, the places,
// the day page, the menu, and a picture of the whole window.
#include "gui/events/divers_window.h"
#include "gui/events/festivals_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/places_editor_window.h"
#include "platform/rtf.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "paris_program_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;
using Lignes = std::vector<std::string>;

class FenetrePrincipale : public test_support::RepertoireDeParis
{
protected:
    std::unique_ptr<TFMainForm> f;
    Lignes erreurs;
    Lignes informations;
    std::vector<TexteAImprimer> imprimes;
    std::vector<fs::path> enregistres;
    bool page_en_rtf = false; // the day page's save dialog answers "page_.rtf"

    TFMainForm& ouvre()
    {
        DialoguesPrincipaux d;
        d.confirme = [](const std::string&) { return true; };
        d.erreur = [this](const std::string& m) { erreurs.push_back(m); };
        d.information = [this](const std::string& m) { informations.push_back(m); };
        d.choix_enregistrement = [this](const fs::path& p) -> std::optional<fs::path> {
            enregistres.push_back(p);
            return p;
        };
        d.choix_enregistrement_page = [this](const fs::path& p) -> std::optional<fs::path> {
            enregistres.push_back(page_en_rtf ? fs::path(p).replace_extension(".rtf") : p);
            return enregistres.back();
        };
        d.imprime = [this](const TexteAImprimer& t) {
            imprimes.push_back(t);
            return true;
        };
        d.choix_ouverture = [] { return std::optional<std::string>(); };
        f = std::make_unique<TFMainForm>(*ctx, std::move(d));
        f->findChild<QTimer*>("Timer1")->stop();
        f->resize(1366, 740);
        f->show();
        f->findChild<QTimer*>("Timer1")->stop();
        return *f;
    }

    template <class T>
    T* controle(const char* nom)
    {
        T* c = f->findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }
    QSpinBox* boite(const char* nom) { return controle<QSpinBox>(nom); }
    int valeur(const char* nom) { return boite(nom)->value(); }
    /// The text a label shows, its non-breaking spaces read as blanks.
    QString texte_label(const char* nom)
    {
        return controle<QLabel>(nom)->text().replace(QChar(0x00A0), QLatin1Char(' '));
    }
    QString texte_edit(const char* nom) { return controle<QLineEdit>(nom)->text(); }
    QString memo(const char* nom) { return controle<QPlainTextEdit>(nom)->toPlainText(); }
    bool visible(const char* nom) { return f->findChild<QWidget*>(nom)->isVisibleTo(f.get()); }

    /// The civil date of the panel, box by box.
    void date_civile(int annee, int mois, int jour)
    {
        boite("SpinEdit5")->setValue(annee);
        boite("SpinEdit9")->setValue(mois);
        boite("SpinEdit3")->setValue(jour);
    }
    void civile_attendue(int annee, int mois, int jour)
    {
        EXPECT_EQ(valeur("SpinEdit5"), annee);
        EXPECT_EQ(valeur("SpinEdit9"), mois);
        EXPECT_EQ(valeur("SpinEdit3"), jour);
    }
    void hebraique_attendue(int annee, int mois, int jour)
    {
        EXPECT_EQ(valeur("SpinEdit8"), annee);
        EXPECT_EQ(valeur("SpinEdit10"), mois);
        EXPECT_EQ(valeur("SpinEdit6"), jour);
    }
};

TEST_F(FenetrePrincipale, EtatInitialSurAujourdhui)
{
    ouvre();
    civile_attendue(2024, 6, 21);
    hebraique_attendue(5784, 10, 15);
    EXPECT_EQ(texte_edit("Edit13"), "Juin");
    EXPECT_EQ(texte_edit("Edit14"), "Sivan  ");
    EXPECT_EQ(texte_edit("Edit7"), "Vendredi");
    EXPECT_EQ(texte_label("Label7"), "Vendredi  21  Juin 2024");
    EXPECT_EQ(texte_label("Label8"), "Vendredi  15  Sivan   5784");
    EXPECT_EQ(texte_label("Label9"), "Ville : PARIS (75)   Aujourd'hui  :");
    EXPECT_EQ(texte_label("Label40"), "Beth Din (France)");
    EXPECT_EQ(texte_label("Label28"), "Pleine lune");
    EXPECT_EQ(texte_label("Label32"), "civile  2023 / 2024 = 5784  hébraïque");
    EXPECT_EQ(texte_label("Label3"), "Ent: 21.40  Sor: 23.05");
    EXPECT_TRUE(visible("LabelAujourdhui"));
    EXPECT_FALSE(visible("SpeedButton2"));
    EXPECT_FALSE(visible("LabelDateIncorrecte"));
    EXPECT_TRUE(visible("Memo6")); // Friday: the entry star
    EXPECT_FALSE(visible("Memo7"));
    EXPECT_EQ(f->windowTitle(),
              "Orvane - Aujourd'hui :  Vendredi  21  Juin 2024 - Vendredi  15  Sivan   5784     "
              "(Le programme est configuré selon les heures d'été ou d'hiver)");
    const QString liste = memo("Memo2");
    EXPECT_TRUE(liste.startsWith("\n")) << liste.toStdString();
    EXPECT_TRUE(liste.contains("Lever du soleil : Nets      05:47"));
    EXPECT_TRUE(liste.contains("Entrée de Chabbat           21:40"));
    EXPECT_EQ(texte_edit("Edit4"), "1");
    EXPECT_TRUE(controle<QPushButton>("BoutonEte")->isChecked());
    EXPECT_TRUE(controle<QPushButton>("BoutonDiaspora")->isChecked());
    EXPECT_EQ(controle<QComboBox>("ComboBox3")->count(), 15);
    EXPECT_EQ(texte_edit("Edit10"), "   15  Prochains anniversaires civils");
    EXPECT_EQ(texte_label("Panel8"), "   Vendredi  29 Mai 2037 = 15 Sivan   5797");
    EXPECT_TRUE(texte_label("Label26").startsWith("Chabbat Bar-Mitsva : "));
    EXPECT_EQ(memo("Memo11").count('\n'), 3);
    EXPECT_EQ(texte_label("Memo3"), " Vendredi 21 Juin 2024");
    // The year's sign is drawn in Hebrew letters.
    EXPECT_TRUE(texte_label("Label16").contains(QChar(0x05D6))); // zayin of "zjg"
    EXPECT_TRUE(erreurs.empty());
    EXPECT_TRUE(informations.empty());
    // The home place was saved as computed.
    EXPECT_EQ(platform::read_lines(dir / "lieu_acc.cal").front(),
              "PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tBeth Din (France)\t1\tlieu.cal\t");
}

// Civil day 32 on 31 December: 1 January of the next year.
TEST_F(FenetrePrincipale, Jour32Le31Decembre)
{
    ouvre();
    date_civile(2024, 12, 31);
    civile_attendue(2024, 12, 31);
    boite("SpinEdit3")->setValue(32);
    civile_attendue(2025, 1, 1);
    hebraique_attendue(5785, 4, 1);
    EXPECT_EQ(texte_edit("Edit13"), "Janvier");
    EXPECT_EQ(texte_edit("Edit5"), "1");
    EXPECT_TRUE(visible("SpeedButton2"));
    EXPECT_EQ(texte_label("Label9"), "Ville : PARIS (75)   Date  :");
    EXPECT_EQ(controle<QWidget>("GCalendar1")->property("Year").toInt(), 2025);
    EXPECT_EQ(controle<QWidget>("HCalend1")->property("HMonth").toInt(), 4);
}

// 31 January made February: the Hebrew side goes, and comes back with
// January.
TEST_F(FenetrePrincipale, Le31JanvierEnFevrier)
{
    ouvre();
    date_civile(2024, 1, 31);
    const int jour_hebreu = valeur("SpinEdit6");
    boite("SpinEdit9")->setValue(2);
    EXPECT_TRUE(visible("LabelDateIncorrecte"));
    EXPECT_EQ(texte_label("LabelDateIncorrecte"), "Cette date civile est incorrecte");
    for (const char* nom : {"SpinEdit6", "SpinEdit10", "SpinEdit8", "Edit14", "Edit7",
                            "PanneauAnniversaires", "PanneauBarMitsva", "TextesDuJour", "memo5"}) {
        EXPECT_FALSE(visible(nom)) << nom;
    }
    EXPECT_EQ(memo("Memo2"), "");
    boite("SpinEdit9")->setValue(1);
    EXPECT_FALSE(visible("LabelDateIncorrecte"));
    for (const char* nom : {"SpinEdit6", "SpinEdit10", "SpinEdit8", "PanneauAnniversaires"}) {
        EXPECT_TRUE(visible(nom)) << nom;
    }
    EXPECT_EQ(valeur("SpinEdit6"), jour_hebreu);
    EXPECT_TRUE(memo("Memo2").contains("Lever du soleil"));
}

// 5785 is a common year: from Adar the month steps to Nissan and back.
TEST_F(FenetrePrincipale, MoisHebreuAnneeCommune)
{
    ouvre();
    date_civile(2025, 3, 1);
    hebraique_attendue(5785, 6, 1);
    boite("SpinEdit10")->stepUp();
    EXPECT_EQ(valeur("SpinEdit10"), 8);
    EXPECT_EQ(texte_edit("Edit14"), "Nissan ");
    boite("SpinEdit10")->stepDown();
    EXPECT_EQ(valeur("SpinEdit10"), 6);
    civile_attendue(2025, 3, 1);
}

TEST_F(FenetrePrincipale, Le30HechvanDansUneAnneeDe29Jours)
{
    ouvre();
    date_civile(2024, 12, 1); // 30 Hechvan 5785
    hebraique_attendue(5785, 2, 30);
    boite("SpinEdit8")->setValue(5784);
    EXPECT_EQ(texte_label("LabelDateIncorrecte"), "Cette date hébraïque est incorrecte");
    EXPECT_FALSE(visible("SpinEdit3"));
    EXPECT_TRUE(visible("SpinEdit6"));
    boite("SpinEdit8")->setValue(5785);
    EXPECT_TRUE(visible("SpinEdit3"));
    civile_attendue(2024, 12, 1);
}

TEST_F(FenetrePrincipale, LigneDeLHorlogeAvecHalakim)
{
    ouvre();
    horloge->set_time({10, 5, 7, 0});
    f->Timer1Timer();
    EXPECT_EQ(texte_label("Label46"), "10 h 05 mn 07 sec = 10 h 92.1 halakim ");
    EXPECT_EQ(texte_edit("Memo4"), " 10:05:07");
}

// After ten minutes without a change the panel returns to today.
TEST_F(FenetrePrincipale, RetourAutomatiqueApresDixMinutes)
{
    ouvre();
    boite("SpinEdit3")->setValue(25);
    EXPECT_TRUE(f->findChild<QTimer*>("Timer2")->isActive());
    for (int minute = 1; minute < 10; ++minute) {
        f->Timer2Timer();
        ASSERT_EQ(valeur("SpinEdit3"), 25) << minute;
    }
    boite("SpinEdit3")->setValue(26); // a change starts the ten minutes again
    for (int minute = 1; minute < 10; ++minute) {
        f->Timer2Timer();
    }
    EXPECT_EQ(valeur("SpinEdit3"), 26);
    f->Timer2Timer();
    civile_attendue(2024, 6, 21);
    EXPECT_FALSE(f->findChild<QTimer*>("Timer2")->isActive());
    EXPECT_TRUE(visible("LabelAujourdhui"));
}

// A refused date writes its message inside the conversion panel: the three
// columns keep their places and widths.
TEST_F(FenetrePrincipale, UnMessageNeChangePasLaDisposition)
{
    ouvre();
    QApplication::processEvents();
    const auto colonnes = [this] {
        std::vector<QRect> r;
        for (const char* nom : {"PanneauConversion", "PanneauTextesDuJour", "PanneauLieu",
                                "Colonne1", "Colonne2", "Colonne3"}) {
            r.push_back(controle<QWidget>(nom)->geometry());
        }
        return r;
    };
    const std::vector<QRect> avant = colonnes();
    boite("SpinEdit5")->setValue(12000);
    QApplication::processEvents();
    auto* message = controle<QLabel>("LabelDateIncorrecte");
    ASSERT_TRUE(message->isVisible());
    EXPECT_FALSE(message->text().isEmpty());
    EXPECT_TRUE(message->wordWrap());
    EXPECT_LE(message->width(), controle<QWidget>("PanneauConversion")->width());
    const std::vector<QRect> apres = colonnes();
    for (std::size_t i = 0; i < avant.size(); ++i) {
        EXPECT_EQ(apres[i].x(), avant[i].x()) << i;
        EXPECT_EQ(apres[i].width(), avant[i].width()) << i;
    }
}

// The return controls bring today back at once.
TEST_F(FenetrePrincipale, RetourParLeBouton)
{
    ouvre();
    date_civile(2023, 2, 3);
    controle<QWidget>("SpeedButton3")->metaObject();
    QMetaObject::invokeMethod(controle<QObject>("SpeedButton3"), "click");
    civile_attendue(2024, 6, 21);
    EXPECT_EQ(texte_label("Label9"), "Ville : PARIS (75)   Aujourd'hui  :");
}

// At a full hour (10:00:00, not 10:00:01) a panel that shows today is
// computed again; a date the user changed a minute before stays, until ten
// minutes without a change bring today back.
TEST_F(FenetrePrincipale, HeurePleine)
{
    ouvre();
    horloge->set_time({9, 0, 0, 0});
    f->Timer1Timer();
    civile_attendue(2024, 6, 21);
    EXPECT_TRUE(memo("Memo2").contains("Lever du soleil : Nets      05:47"));
    date_civile(2024, 12, 20);
    const QString hiver = memo("Memo2");
    horloge->set_time({9, 59, 59, 0});
    f->Timer1Timer();
    horloge->set_time({10, 0, 0, 0});
    f->Timer1Timer();
    civile_attendue(2024, 12, 20);
    EXPECT_EQ(memo("Memo2"), hiver);
    for (int minute = 1; minute <= 10; ++minute) {
        f->Timer2Timer();
    }
    civile_attendue(2024, 6, 21);
    EXPECT_NE(memo("Memo2"), hiver);
    EXPECT_TRUE(memo("Memo2").contains("Lever du soleil : Nets      05:47"));
    horloge->set_time({11, 0, 0, 0});
    f->Timer1Timer();
    civile_attendue(2024, 6, 21);
}

// A new day at midnight: today's lines follow the clock.
TEST_F(FenetrePrincipale, MinuitChangeLesDatesDuJour)
{
    ouvre();
    horloge->set({2024, 6, 22}, {0, 0, 0, 0});
    f->Timer1Timer();
    EXPECT_EQ(texte_label("Label7"), "Chabbat   22  Juin 2024");
    civile_attendue(2024, 6, 22);
    EXPECT_TRUE(f->windowTitle().contains("Chabbat   22  Juin 2024"));
    EXPECT_TRUE(memo("Memo2").contains("Sortie de Chabbat"));
}

TEST_F(FenetrePrincipale, MarqueurDuProchainMoment)
{
    ouvre();
    horloge->set_time({17, 31, 10, 0});
    f->Timer1Timer();
    const QStringList marques = memo("memo5").split('\n');
    const QStringList lignes = memo("Memo2").split('\n');
    const int marquee = static_cast<int>(marques.indexOf("★"));
    ASSERT_GT(marquee, 0);
    EXPECT_TRUE(lignes[marquee].startsWith("Min'ha Kétana")) << lignes[marquee].toStdString();
    EXPECT_EQ(texte_label("Memo9"), "Min'ha Kétana  dans :  1h 04mn");
    EXPECT_TRUE(visible("Memo9"));
    EXPECT_TRUE(memo("Memo10").startsWith("  Heure actuelle Hagra   "));
    // Five minutes before the entry the candle burns.
    horloge->set_time({21, 35, 0, 0});
    f->Timer1Timer();
    EXPECT_TRUE(visible("ImageBougie"));
    EXPECT_FALSE(visible("PanneauChabbat"));
    horloge->set_time({21, 41, 0, 0});
    f->Timer1Timer();
    EXPECT_TRUE(visible("PanneauChabbat"));
}

TEST_F(FenetrePrincipale, AnniversairesEtBatMitsva)
{
    ouvre();
    boite("SpinEdit7")->setValue(1);
    EXPECT_EQ(controle<QComboBox>("ComboBox3")->count(), 1);
    EXPECT_EQ(controle<QComboBox>("ComboBox3")->currentText(), "Mer 11 Juin 2025 :15 Sivan   5785");
    EXPECT_EQ(texte_edit("Edit10"), "   1  Prochains anniversaires civils");
    controle<QPushButton>("BoutonBatMitsva")->click();
    EXPECT_TRUE(texte_label("Label26").startsWith("Chabbat Bat-M. "));
    EXPECT_TRUE(texte_label("Panel8").contains("5796")); // twelve years
    EXPECT_TRUE(controle<QPushButton>("BoutonBatMitsva")->isChecked());
    EXPECT_FALSE(controle<QPushButton>("BoutonBarMitsva")->isChecked());
}

TEST_F(FenetrePrincipale, IsraelEtDiaspora)
{
    ouvre();
    controle<QPushButton>("BoutonIsrael")->click();
    EXPECT_FALSE(ctx->options.diaspora);
    EXPECT_TRUE(controle<QAction>("MenuIsrael")->isChecked());
    EXPECT_FALSE(memo("Memo1").contains("Simha Torah"));
    const Lignes page = f->page_du_jour();
    ASSERT_GE(page.size(), 3u);
    const auto titre = std::find_if(page.begin(), page.end(), [](const std::string& l) {
        return l.find("(en Israël)") != std::string::npos;
    });
    EXPECT_NE(titre, page.end());
    controle<QAction>("MenuDiaspora")->trigger();
    EXPECT_TRUE(ctx->options.diaspora);
    EXPECT_TRUE(memo("Memo1").contains("Simha Torah"));
}

TEST_F(FenetrePrincipale, ChoixDuPaysPuisDeLaVille)
{
    ouvre();
    // Friday 21:41 in Paris: the Sabbath has begun, its panel and the
    // countdown stand beside the list.
    horloge->set_time({21, 41, 0, 0});
    f->Timer1Timer();
    ASSERT_TRUE(visible("PanneauChabbat"));
    ASSERT_TRUE(texte_label("Label9").contains("PARIS (75)"));
    emit controle<QComboBox>("ComboBox1")->textActivated("Israël");
    f->Timer1Timer();
    EXPECT_FALSE(ctx->options.diaspora);
    EXPECT_TRUE(memo("Memo2").contains("   Choisissez une ville en Israël"));
    EXPECT_EQ(texte_edit("Edit1"), "");
    // Nothing of the former city stays beside the request.
    EXPECT_FALSE(visible("PanneauChabbat"));
    EXPECT_FALSE(visible("Memo9"));
    EXPECT_FALSE(memo("memo5").contains("★"));
    EXPECT_FALSE(texte_label("Label9").contains("PARIS"));
    ASSERT_GT(controle<QComboBox>("ComboBox2")->count(), 0);
    emit controle<QComboBox>("ComboBox2")->textActivated("Jérusalem");
    EXPECT_TRUE(texte_label("Label9").contains("Jérusalem")) << texte_label("Label9").toStdString();
    EXPECT_FALSE(texte_edit("Edit1").isEmpty());
    EXPECT_TRUE(memo("Memo2").contains("Entrée de Chabbat"));
    EXPECT_EQ(platform::read_lines(dir / "lieu_acc.cal").front().rfind("Jérusalem\tIsraël\t", 0),
              0u);
}

// The menus in the order of the program, whichever file fills each.
TEST_F(FenetrePrincipale, OrdreDesMenus)
{
    ouvre();
    QStringList titres;
    for (QAction* a : f->menuBar()->actions()) {
        titres.push_back(test_support::sans_lettre(a->text()));
    }
    EXPECT_EQ(titres, (QStringList{"Fichier", "Dates", "Horaires", "Calendriers", "Fêtes juives",
                                   "Divers", "Anniversaires / Bar-Mitsva", "Glossaire", "Analyse",
                                   "Systeme solaire / Explications", "Mise à jour"}));
}

// The tables of the "Divers" window under "Divers", "Analyse" and the
// Bar-Mitsva menu, each in its own mode; the menu frees the window before.
TEST_F(FenetrePrincipale, LesMenusOuvrentChaqueTableDivers)
{
    ouvre();
    const std::pair<const char*, events::ModeDivers> entrees[] = {
        {"Moladot", events::ModeDivers::moladot},
        {"Tekoufot", events::ModeDivers::tekoufot},
        {"RacheHodachim", events::ModeDivers::roch_hodech},
        {"BirkatHalevana", events::ModeDivers::levana},
        {"BirkatHahama", events::ModeDivers::hahama},
        {"GuechamimTal", events::ModeDivers::guechamim},
        {"MariagesInterdits", events::ModeDivers::mariages},
        {"VisitesCimetiere", events::ModeDivers::visites},
        {"VisitesInterdites", events::ModeDivers::visites_interdites},
        {"TableauTypes", events::ModeDivers::tableau_types},
        {"TypesAnnees", events::ModeDivers::types_annees},
        {"Series61", events::ModeDivers::series_61},
        {"TableauCycles", events::ModeDivers::tableau_cycles},
        {"ListeCycles", events::ModeDivers::liste_cycles},
        {"CeremoniesBarMitsva", events::ModeDivers::ceremonies_bar_mitsva}};
    for (const auto& [nom, mode] : entrees) {
        SCOPED_TRACE(nom);
        QAction* a = f->findChild<QAction*>(nom);
        ASSERT_NE(a, nullptr);
        a->trigger();
        const auto fenetres = f->findChildren<Tdivers*>();
        ASSERT_EQ(fenetres.size(), 1u);
        EXPECT_EQ(fenetres.front()->mode(), mode);
    }
    f->findChild<QAction*>("ChemitaYovel")->trigger();
    EXPECT_EQ(f->findChildren<Tdivers*>().size(), 0u);
    EXPECT_NE(f->findChild<QWidget*>("FYovel"), nullptr);
    f->findChild<QAction*>("CompteOmer")->trigger();
    EXPECT_EQ(f->findChild<QWidget*>("FYovel"), nullptr);
    EXPECT_NE(f->findChild<QWidget*>("Fomer"), nullptr);
    // The Divers menu in the program's order, the moon last.
    QStringList divers;
    auto* menu_divers = qobject_cast<QMenu*>(f->findChild<QAction*>("Moladot")->parent());
    ASSERT_NE(menu_divers, nullptr);
    for (QAction* a : menu_divers->actions()) {
        divers.push_back(test_support::sans_lettre(a->text()));
    }
    EXPECT_EQ(divers.first(), "Siman de l'année    ( Type de l'année )");
    EXPECT_EQ(divers.indexOf("Compte du Omer    ( Supputation du 'Omer )"),
              divers.indexOf("Chemita / Yovel     ( Année sabbatique et jubilé )") + 1);
    EXPECT_EQ(divers.last(), "Phases de la lune   ( Animation )");
}

// "&Evénements divers" opens the events window on its table.
TEST_F(FenetrePrincipale, EvenementsDivers)
{
    ouvre();
    QAction* a = f->findChild<QAction*>("EvenementsDivers");
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->isVisible());
    a->trigger();
    EXPECT_NE(f->findChild<QWidget*>("FEvent"), nullptr);
    EXPECT_TRUE(fs::exists(dir / "dbd" / "Anni_Ev.DBF"));
}

// "Systeme solaire / Explications": the three delivered documents, each in
// the help window; the program's title opens the guide.
TEST_F(FenetrePrincipale, DocumentsDeLAide)
{
    fs::copy(fs::path(ORVANE_SOURCE_DIR) / "data" / "Aide", dir / "Aide");
    ouvre();
    QMenu* menu = nullptr;
    for (QAction* a : f->menuBar()->actions()) {
        if (test_support::sans_lettre(a->text()) == "Systeme solaire / Explications") {
            menu = a->menu();
        }
    }
    ASSERT_NE(menu, nullptr);
    QStringList entrees;
    for (QAction* a : menu->actions()) {
        entrees.push_back(test_support::sans_lettre(a->text()));
    }
    EXPECT_EQ(entrees, (QStringList{"Autres règles du calendrier",
                                    "Explications sur les bases de données", "Lisez moi"}));
    const auto aide = [this] { return f->findChild<QWidget*>("FenetreAide"); };
    for (QAction* a : menu->actions()) {
        a->trigger();
        ASSERT_NE(aide(), nullptr);
        EXPECT_EQ(aide()->windowTitle(), test_support::sans_lettre(a->text()));
        EXPECT_TRUE(aide()
                        ->findChild<QPlainTextEdit*>("MemoAide")
                        ->toPlainText()
                        .startsWith(test_support::sans_lettre(a->text()) + "\n"));
    }
    // One help window at a time; "Imprimer" prints the document.
    EXPECT_EQ(f->findChildren<QWidget*>("FenetreAide").size(), 1);
    aide()->findChild<QPushButton*>("BoutonImprimerAide")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes.front(), "Lisez moi");
    QMetaObject::invokeMethod(controle<QObject>("LabelTitre"), [this] {
        QMouseEvent clic(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(controle<QObject>("LabelTitre"), &clic);
    });
    ASSERT_NE(aide(), nullptr);
    EXPECT_EQ(aide()->windowTitle(), "Lisez moi");
    // A document taken away: its file is named, nothing opens.
    fs::remove(dir / "Aide" / "autres_regles.txt");
    menu->actions()[0]->trigger();
    EXPECT_EQ(aide(), nullptr);
    ASSERT_FALSE(erreurs.empty());
    EXPECT_NE(erreurs.back().find("autres_regles.txt"), std::string::npos) << erreurs.back();
}

TEST_F(FenetrePrincipale, CorrectionHeureEteALaMain)
{
    ouvre();
    emit controle<QComboBox>("ComboBox1")->textActivated("Japon");
    if (controle<QComboBox>("ComboBox2")->count() == 0) {
        GTEST_SKIP() << "no city of Japan in lieu.cal";
    }
    emit controle<QComboBox>("ComboBox2")
        ->textActivated(controle<QComboBox>("ComboBox2")->itemText(0));
    // No summer-time table for Japan: the buttons decide.
    controle<QPushButton>("BoutonHiver")->click();
    EXPECT_EQ(texte_edit("Edit4"), "0");
    const QString hiver = memo("Memo2");
    controle<QPushButton>("BoutonEte")->click();
    EXPECT_EQ(texte_edit("Edit4"), "1");
    EXPECT_NE(memo("Memo2"), hiver);
    EXPECT_TRUE(controle<QPushButton>("BoutonEte")->isChecked());
}

TEST_F(FenetrePrincipale, PageDuJourEnregistreeEtImprimee)
{
    ouvre();
    controle<QPushButton>("BoutonPageDuJour")->click();
    EXPECT_TRUE(f->findChild<QWidget*>("PageDuJour")->isVisible());
    const QString page = memo("Memo8");
    EXPECT_TRUE(page.startsWith("    AUJOURD'HUI ----"));
    EXPECT_TRUE(page.contains("       Il est : 15 h 10 mn 20 sec = 15 h 186.0 halakim "));
    controle<QPushButton>("BoutonEnregistrerPage")->click();
    ASSERT_EQ(enregistres.size(), 1u);
    EXPECT_EQ(enregistres[0].filename(), "page_.txt");
    EXPECT_EQ(enregistres[0].parent_path().filename(), "PAGEACCUEIL");
    EXPECT_EQ(platform::read_lines(enregistres[0]), f->page_du_jour());
    controle<QPushButton>("BoutonImprimerPageVue")->click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_EQ(imprimes[0].lignes[1], "Orvane");
    EXPECT_EQ(imprimes[0].lignes[4].rfind("    AUJOURD'HUI", 0), 0u);
    EXPECT_EQ(imprimes[0].police.pointSize(), 8);
    // The Hebrew heading stands at the right; the title has the bold type
    // of the window's title, at the print size.
    EXPECT_EQ(imprimes[0].lignes_a_droite, (std::set<std::size_t>{0}));
    const QString entete = QString::fromStdString(imprimes[0].lignes[0]);
    for (const char16_t lettre : {u'\u05D1', u'\u05E1', u'"', u'\u05D3'}) { // bet samekh " dalet
        EXPECT_TRUE(entete.contains(QChar(lettre))) << entete.toStdString();
    }
    ASSERT_EQ(imprimes[0].polices_des_lignes.count(1), 1u);
    const QFont titre = imprimes[0].polices_des_lignes.at(1);
    EXPECT_TRUE(titre.bold());
    EXPECT_EQ(titre.pointSize(), 8);
    EXPECT_EQ(titre.family(), controle<QLabel>("LabelTitre")->font().family());
    boite("SpinEdit4")->setValue(3);
    controle<QAction>("ImprimerPageAccueil")->trigger();
    ASSERT_EQ(imprimes.size(), 2u);
    EXPECT_EQ(imprimes[1].police.pointSize(), 11);
    EXPECT_EQ(imprimes[1].polices_des_lignes.at(1).pointSize(), 11);
    // Printed to a PDF file, the page is written.
    const fs::path pdf = dir / "page.pdf";
    ASSERT_TRUE(imprime_en_pdf(QString::fromStdString(pdf.string()), imprimes[1]));
    EXPECT_GT(fs::file_size(pdf), 1000u);
    // Saved as RTF, the page is a word processor's document of the same lines.
    page_en_rtf = true;
    controle<QPushButton>("BoutonEnregistrerPage")->click();
    ASSERT_EQ(enregistres.size(), 2u);
    EXPECT_EQ(enregistres[1].filename(), "page_.rtf");
    const std::string rtf = platform::read_text(enregistres[1]);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("    AUJOURD'HUI ----"), std::string::npos);
    EXPECT_EQ(rtf, platform::document_rtf(f->page_du_jour()));
    controle<QPushButton>("BoutonFermerPage")->click();
    EXPECT_FALSE(f->findChild<QWidget*>("PageDuJour")->isVisible());
}

// The menu keeps the entries of the windows that exist; opening one frees
// the others.
TEST_F(FenetrePrincipale, MenuEtFenetresSecondaires)
{
    ouvre();
    for (const char* nom : {"Lieux1", "FetesSeules", "JeunesSeuls", "FetesEtJeunes", "SimanAnnee",
                            "Ouvrir1", "ImprimerPageAccueil", "MenuDiaspora", "MenuIsrael",
                            "AvecChangement", "HiverToutelAnnee", "EteToutelAnnee", "APropos1"}) {
        EXPECT_NE(f->findChild<QAction*>(nom), nullptr) << nom;
    }
    EXPECT_TRUE(controle<QAction>("AvecChangement")->isChecked());
    controle<QAction>("FetesSeules")->trigger();
    EXPECT_NE(f->findChild<TFFetes*>(), nullptr);
    controle<QAction>("Lieux1")->trigger();
    EXPECT_EQ(f->findChild<TFFetes*>(), nullptr);
    EXPECT_NE(f->findChild<TFNLieux*>(), nullptr);
    f->libere_fenetres();
    EXPECT_EQ(f->findChild<TFNLieux*>(), nullptr);
}

TEST_F(FenetrePrincipale, ModeHoraireHiverToutelAnnee)
{
    ouvre();
    platform::write_lines(dir / "config.dta",
                          {"avec_chgt_d_heure true", "heure_hiver_toute_l_annee false",
                           "heure_ete_toute_l_annee false"});
    controle<QAction>("HiverToutelAnnee")->trigger();
    EXPECT_TRUE(controle<QAction>("HiverToutelAnnee")->isChecked());
    EXPECT_FALSE(controle<QAction>("AvecChangement")->isChecked());
    EXPECT_TRUE(f->windowTitle().endsWith("(Le programme est configuré selon les heures d'hiver "
                                          "toute l'année)"));
    EXPECT_TRUE(memo("Memo2").contains("Lever du soleil : Nets      04:47"));
    EXPECT_EQ(texte_edit("Edit4"), "0");
}

TEST_F(FenetrePrincipale, FermetureEcritLeChoixDiaspora)
{
    ouvre();
    f->close();
    EXPECT_EQ(platform::read_lines(dir / "veldor3.ini"), (Lignes{"Diaspora=TRUE"}));
}

// A picture of the window at 1366 × 740, kept in the build folder for a
// reviewer to look at.
TEST_F(FenetrePrincipale, Capture)
{
    ouvre();
    f->Timer1Timer();
    QApplication::processEvents(); // the layouts settle
    const QString dossier = QCoreApplication::applicationDirPath();
    const QImage image = f->grab().toImage();
    ASSERT_EQ(image.width(), 1366);
    ASSERT_TRUE(image.save(dossier + "/main_window.png"));
    // Not a blank picture: the red date lines, the grids and the lists are drawn.
    std::set<QRgb> couleurs;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            couleurs.insert(image.pixel(x, y));
        }
    }
    EXPECT_GT(couleurs.size(), 20u);
    // A festival with the day page shown.
    date_civile(2024, 4, 23); // 15 Nissan 5784
    QApplication::processEvents();
    ASSERT_TRUE(f->grab().toImage().save(dossier + "/main_window_pessah.png"));
    controle<QPushButton>("BoutonPageDuJour")->click();
    QApplication::processEvents();
    ASSERT_TRUE(f->grab().toImage().save(dossier + "/main_window_day_page.png"));
}

} // namespace
} // namespace orvane::gui
