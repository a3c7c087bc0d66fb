// The main window as a set of panels: each panel found by its class and
// object name with the controls it owns and its state before and after the
// first showing; a change of date that goes once through the boxes, the
// grids and the year panel, never back into the box that started it; the
// opinion and the texts of the day page taken from the state that set the
// labels; the correction box written without its change slot; the layout
// and the tab order of the window.
#include "engine/dates.h"
#include "gui/shell/main_form/dates/anniversaries_panel.h"
#include "gui/shell/main_form/dates/bar_mitsva_panel.h"
#include "gui/shell/main_form/dates/conversion_boxes.h"
#include "gui/shell/main_form/dates/month_grids.h"
#include "gui/shell/main_form/dates/return_line.h"
#include "gui/shell/main_form/day/day_texts_panel.h"
#include "gui/shell/main_form/day/next_moment_column.h"
#include "gui/shell/main_form/day/place_panel.h"
#include "gui/shell/main_form/day/times_panel.h"
#include "gui/shell/main_form/day/year_characteristics_panel.h"
#include "gui/shell/main_form/day_page_buttons.h"
#include "gui/shell/main_form/moon_panel.h"
#include "gui/shell/main_form/top_band.h"
#include "gui/shell/main_form/year_panel.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/tg_calendar.h"
#include "gui/widgets/th_calend.h"
#include "platform/temporary_directory.h"
#include "platform/text_file.h"
#include "shell/app_context.h"
#include "shell/day/day_computation.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
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

constexpr const char* accueil_maguen =
    "PARIS (75)\tFrance\t48°52'N\t02°20'E\t1\tMaguen Abraham (pavé)\t1\tlieu.cal\t";

class PanneauxDeLaFenetre : public test_support::RepertoireDeParis
{
protected:
    std::unique_ptr<TFMainForm> f;
    Lignes informations;

    /// The window created, not shown yet.
    TFMainForm& cree()
    {
        DialoguesPrincipaux d;
        d.confirme = [](const std::string&) { return true; };
        d.erreur = [](const std::string& m) { ADD_FAILURE() << m; };
        d.information = [this](const std::string& m) { informations.push_back(m); };
        d.choix_enregistrement = [](const fs::path& p) { return std::optional<fs::path>(p); };
        d.choix_enregistrement_page = d.choix_enregistrement;
        d.imprime = [](const TexteAImprimer&) { return true; };
        d.choix_ouverture = [] { return std::optional<std::string>(); };
        f = std::make_unique<TFMainForm>(*ctx, std::move(d));
        f->resize(1366, 740);
        return *f;
    }
    /// The window shown, its clock stopped.
    TFMainForm& ouvre()
    {
        cree();
        f->show();
        f->findChild<QTimer*>("Timer1")->stop();
        return *f;
    }

    template <class T>
    T* seul(const char* nom = nullptr)
    {
        const auto tous = nom != nullptr ? f->findChildren<T*>(nom) : f->findChildren<T*>();
        EXPECT_EQ(tous.size(), 1) << (nom != nullptr ? nom : T::staticMetaObject.className());
        return tous.isEmpty() ? nullptr : tous.front();
    }
    QSpinBox* boite(const char* nom) { return seul<QSpinBox>(nom); }
    QString memo(const char* nom) { return seul<QPlainTextEdit>(nom)->toPlainText(); }
    /// The text a label shows, its non-breaking spaces read as blanks.
    QString texte_label(const char* nom)
    {
        return seul<QLabel>(nom)->text().replace(QChar(0x00A0), QLatin1Char(' '));
    }
};

/// The controls a panel owns, by object name.
struct Contenu {
    const char* panneau;
    std::vector<const char*> controles;
};

void verifie_contenu(const QWidget* panneau, const Contenu& c)
{
    ASSERT_NE(panneau, nullptr) << c.panneau;
    for (const char* nom : c.controles) {
        EXPECT_EQ(panneau->findChildren<QWidget*>(nom).size(), 1) << c.panneau << " / " << nom;
    }
}

TEST_F(PanneauxDeLaFenetre, ChaquePanneauTientSesControles)
{
    cree();
    verifie_contenu(
        seul<BoitesConversion>("PanneauConversion"),
        {"PanneauConversion",
         {"SpinEdit3", "SpinEdit9", "SpinEdit5", "SpinEdit6", "SpinEdit10", "SpinEdit8", "Edit13",
          "Edit14", "Edit7", "Edit11", "Edit5", "Edit6", "Edit9", "LabelDateIncorrecte"}});
    verifie_contenu(
        seul<LigneRetour>(),
        {"LigneRetour", {"SpeedButton2", "SpeedButton3", "LabelRetour", "LabelAujourdhui"}});
    verifie_contenu(seul<GrillesDuMois>(), {"GrillesDuMois", {"GCalendar1", "HCalend1"}});
    verifie_contenu(seul<PanneauAnniversaires>("PanneauAnniversaires"),
                    {"PanneauAnniversaires", {"SpinEdit7", "Edit10", "ComboBox3"}});
    verifie_contenu(
        seul<PanneauBarMitsva>("PanneauBarMitsva"),
        {"PanneauBarMitsva", {"BoutonBarMitsva", "BoutonBatMitsva", "Panel8", "Label26"}});
    verifie_contenu(
        seul<PanneauTextesDuJour>(),
        {"PanneauTextesDuJour",
         {"Label9", "Label13", "TextesDuJour", "Label3", "Label4", "Label5", "Label6", "Label10",
          "Label11", "Label21", "Label22", "Label23", "Label24", "Label20"}});
    verifie_contenu(
        seul<PanneauCaracteristiques>("Caracteristiques"),
        {"Caracteristiques",
         {"Label14", "Label15", "Label17", "Label18", "Label19", "Label47", "Label16", "Label41"}});
    verifie_contenu(seul<PanneauAnnee>("PanneauAnnee"),
                    {"PanneauAnnee", {"SpinEdit1", "Label32", "Memo1"}});
    verifie_contenu(seul<PanneauLieu>("PanneauLieu"),
                    {"PanneauLieu",
                     {"ComboBox1", "ComboBox2", "Edit1", "Edit2", "Edit3", "Edit4", "BoutonOK",
                      "BoutonEte", "BoutonHiver", "Label44", "CheckBox1300v", "CheckBox13000v",
                      "BoutonDiaspora", "BoutonIsrael"}});
    verifie_contenu(seul<PanneauHoraires>("PanneauHoraires"),
                    {"PanneauHoraires",
                     {"Label40", "Memo3", "Memo2", "memo5", "ColonneMemo9", "Memo10", "Memo11"}});
    verifie_contenu(seul<ColonneProchainMoment>("ColonneMemo9"),
                    {"ColonneMemo9", {"Memo9", "Memo6", "Memo7", "ImageBougie", "PanneauChabbat"}});
    verifie_contenu(seul<BandeauPrincipal>(),
                    {"BandeauPrincipal",
                     {"LabelTitre", "Label7", "Label8", "Memo4", "Label46", "BoutonsCalendriers",
                      "BoutonCalendrierCivil", "BoutonCalendrierHebreu", "PanneauLune",
                      "BoutonPageDuJour", "BoutonImprimerPage", "SpinEdit4"}});
    verifie_contenu(seul<PanneauLune>("PanneauLune"), {"PanneauLune", {"ImageLune", "Label28"}});
    verifie_contenu(seul<BoutonsPageDuJour>(),
                    {"BoutonsPageDuJour", {"BoutonPageDuJour", "BoutonImprimerPage", "SpinEdit4"}});
}

// What the panels hold before the first showing, and what it fills.
TEST_F(PanneauxDeLaFenetre, EtatDesPanneauxAvantEtApresLePremierAffichage)
{
    cree();
    EXPECT_EQ(seul<BandeauPrincipal>()->ligne_horloge(), "");
    EXPECT_EQ(texte_label("Label7"), "Vendredi  21  Juin 2024"); // today's lines at creation
    EXPECT_EQ(seul<PanneauAnniversaires>()->nombre(), 15);
    EXPECT_FALSE(seul<PanneauBarMitsva>()->fille());
    EXPECT_TRUE(seul<QPushButton>("BoutonBarMitsva")->isChecked());
    EXPECT_EQ(seul<PanneauLieu>()->fichier_lieux(), "lieu.cal");
    EXPECT_EQ(seul<PanneauLieu>()->correction_saisie(), 0.0);
    EXPECT_EQ(seul<BoutonsPageDuJour>()->taille_impression(), 0);
    EXPECT_EQ(seul<PanneauTextesDuJour>()->textes(), PanneauTextesDuJour::Textes{});
    EXPECT_EQ(texte_label("Label40"), "");

    f->show();
    f->findChild<QTimer*>("Timer1")->stop();
    EXPECT_EQ(seul<BandeauPrincipal>()->ligne_horloge(), "15 h 10 mn 20 sec = 15 h 186.0 halakim ");
    EXPECT_EQ(seul<PanneauLieu>()->correction_saisie(), 1.0);
    EXPECT_EQ(ctx->heure_ete.correction_manuelle, 1.0);
    EXPECT_EQ(boite("SpinEdit1")->value(), 5784);
    const PanneauTextesDuJour::Textes& textes = seul<PanneauTextesDuJour>()->textes();
    EXPECT_EQ(QString::fromStdString(textes[0]), texte_label("Label3"));
    EXPECT_EQ(QString::fromStdString(textes[2]), texte_label("Label5"));
    EXPECT_EQ(texte_label("Label3").toStdString(), textes[0]);
    EXPECT_FALSE(textes[0].empty());
}

/// Every change signal of the panels that a change of date may send.
struct Compteurs {
    explicit Compteurs(TFMainForm& f)
        : jour_civil(f.findChild<QSpinBox*>("SpinEdit3"), &QSpinBox::valueChanged),
          mois_civil(f.findChild<QSpinBox*>("SpinEdit9"), &QSpinBox::valueChanged),
          annee_civile(f.findChild<QSpinBox*>("SpinEdit5"), &QSpinBox::valueChanged),
          jour_hebreu(f.findChild<QSpinBox*>("SpinEdit6"), &QSpinBox::valueChanged),
          mois_hebreu(f.findChild<QSpinBox*>("SpinEdit10"), &QSpinBox::valueChanged),
          annee_hebraique(f.findChild<QSpinBox*>("SpinEdit8"), &QSpinBox::valueChanged),
          annee_panneau(f.findChild<QSpinBox*>("SpinEdit1"), &QSpinBox::valueChanged),
          grille_civile(f.findChild<TGCalendar*>("GCalendar1"), &TGCalendar::changed),
          grille_hebraique(f.findChild<THCalend*>("HCalend1"), &THCalend::changed),
          date_changee(f.findChild<BoitesConversion*>(), &BoitesConversion::date_changee),
          annee_choisie(f.findChild<PanneauAnnee*>(), &PanneauAnnee::annee_choisie)
    {
    }
    /// The counts in this order, as a string for the messages.
    [[nodiscard]] std::string comptes() const
    {
        std::string s;
        for (const QSignalSpy* c :
             {&jour_civil, &mois_civil, &annee_civile, &jour_hebreu, &mois_hebreu, &annee_hebraique,
              &annee_panneau, &grille_civile, &grille_hebraique, &date_changee, &annee_choisie}) {
            s += std::to_string(c->count());
        }
        return s;
    }
    void vide()
    {
        for (QSignalSpy* c :
             {&jour_civil, &mois_civil, &annee_civile, &jour_hebreu, &mois_hebreu, &annee_hebraique,
              &annee_panneau, &grille_civile, &grille_hebraique, &date_changee, &annee_choisie}) {
            c->clear();
        }
    }
    QSignalSpy jour_civil, mois_civil, annee_civile, jour_hebreu, mois_hebreu, annee_hebraique,
        annee_panneau, grille_civile, grille_hebraique, date_changee, annee_choisie;
};

// Forty days stepped up in the civil day box across the end of a civil
// year and of two Hebrew months: each step sends the day box's signal once
// and one change of date; the other boxes and the grids are written
// without theirs, and show the day after, as the calendar counts it.
TEST_F(PanneauxDeLaFenetre, UnJourCivilDePlusPasseUneFoisDansChaqueBoite)
{
    ouvre();
    boite("SpinEdit5")->setValue(2024);
    boite("SpinEdit9")->setValue(12);
    boite("SpinEdit3")->setValue(10);
    Compteurs c(*f);
    engine::DateCivile attendue{2024, 12, 10};
    for (int pas = 1; pas <= 40; ++pas) {
        c.vide();
        boite("SpinEdit3")->stepUp();
        attendue = engine::lendemain(attendue);
        const engine::DateHebraique h = engine::hebraique_du_civil(attendue);
        ASSERT_EQ(c.comptes(), "10000000010") << "pas " << pas;
        ASSERT_EQ(f->panneau().date_civile(), attendue) << "pas " << pas;
        EXPECT_EQ(boite("SpinEdit5")->value(), attendue.annee) << pas;
        EXPECT_EQ(boite("SpinEdit9")->value(), attendue.mois) << pas;
        EXPECT_EQ(boite("SpinEdit3")->value(), attendue.jour) << pas;
        EXPECT_EQ(boite("SpinEdit8")->value(), h.annee) << pas;
        EXPECT_EQ(boite("SpinEdit10")->value(), h.mois) << pas;
        EXPECT_EQ(boite("SpinEdit6")->value(), h.jour) << pas;
        const auto* g = seul<TGCalendar>("GCalendar1");
        EXPECT_EQ(engine::DateCivile(g->Year(), g->Month(), g->Day()), attendue) << pas;
        const auto* gh = seul<THCalend>("HCalend1");
        EXPECT_EQ(engine::DateHebraique(gh->HYear(), gh->HMonth(), gh->HDay()), h) << pas;
    }
    EXPECT_EQ(attendue, (engine::DateCivile{2025, 1, 19}));
}

// A Hebrew year typed: the date changes once, then the year panel follows
// once, in that order.
TEST_F(PanneauxDeLaFenetre, UneAnneeHebraiqueTapeeEntraineLePanneauDeLAnnee)
{
    ouvre();
    std::vector<std::string> journal;
    QObject::connect(seul<BoitesConversion>(), &BoitesConversion::date_changee,
                     [&journal] { journal.push_back("date"); });
    QObject::connect(seul<PanneauAnnee>(), &PanneauAnnee::annee_choisie,
                     [&journal](int a) { journal.push_back("annee " + std::to_string(a)); });
    Compteurs c(*f);
    boite("SpinEdit8")->setValue(5790);
    EXPECT_EQ(c.comptes(), "00000110011");
    EXPECT_EQ(journal, (std::vector<std::string>{"date", "annee 5790"}));
    EXPECT_EQ(boite("SpinEdit1")->value(), 5790);
    EXPECT_EQ(texte_label("Label32"), "civile  2029 / 2030 = 5790  hébraïque");
    EXPECT_EQ(f->page_accueil().annee_panneau, 5790);
    // The year panel alone leaves the date as it is.
    c.vide();
    boite("SpinEdit1")->setValue(5800);
    EXPECT_EQ(c.comptes(), "00000010001");
    EXPECT_EQ(boite("SpinEdit8")->value(), 5790);
    EXPECT_EQ(ctx->annee_choisie, 5800);
}

// A day picked in a grid: in the month shown it is typed into the day box;
// in another month the whole date is shown at once, the boxes and the other
// grid written without their signals.
TEST_F(PanneauxDeLaFenetre, UnJourChoisiDansUneGrille)
{
    ouvre();
    Compteurs c(*f);
    seul<TGCalendar>("GCalendar1")->setDay(25);
    EXPECT_EQ(c.comptes(), "10000001010");
    EXPECT_EQ(f->panneau().date_civile(), (engine::DateCivile{2024, 6, 25}));
    c.vide();
    seul<TGCalendar>("GCalendar1")->setMonth(9);
    EXPECT_EQ(c.comptes(), "00000001000");
    EXPECT_EQ(f->panneau().date_civile(), (engine::DateCivile{2024, 9, 25}));
    EXPECT_EQ(boite("SpinEdit9")->value(), 9);
    EXPECT_EQ(boite("SpinEdit6")->value(), engine::hebraique_du_civil({2024, 9, 25}).jour);
    c.vide();
    seul<THCalend>("HCalend1")->setHDay(1);
    EXPECT_EQ(c.comptes(), "00010000110");
    EXPECT_EQ(f->panneau().date_hebraique().jour, 1);
    EXPECT_EQ(f->panneau().date_civile(), engine::civil_de_l_hebreu(f->panneau().date_hebraique()));
}

// The first showing writes the date boxes and the year box: none of their
// change slots runs, the year panel is filled once by the window itself.
TEST_F(PanneauxDeLaFenetre, LePremierAffichageEcritLesBoitesSansLeursSignaux)
{
    cree();
    Compteurs c(*f);
    f->show();
    f->findChild<QTimer*>("Timer1")->stop();
    EXPECT_EQ(c.comptes(), "00000000000");
    EXPECT_EQ(boite("SpinEdit3")->value(), 21);
    EXPECT_EQ(boite("SpinEdit1")->value(), 5784);
    EXPECT_EQ(texte_label("Label32"), "civile  2023 / 2024 = 5784  hébraïque");
    EXPECT_FALSE(memo("Memo1").isEmpty());
}

/// The list of times of the window's date and place by `opinion`, computed
/// without the window.
QString liste_par_l_opinion(const shell::AppContext& ctx, const std::string& opinion)
{
    shell::DemandeJourAccueil d;
    d.date = {2024, 6, 21};
    d.lieu = ctx.lieu_courant;
    d.opinion = opinion;
    d.diaspora = ctx.options.diaspora;
    d.mode_horaire = ctx.options.mode_horaire;
    d.vaudrel = ctx.options.intervalle_sortie_chabbat;
    d.correction_saisie = 1.0;
    QString liste;
    for (const shell::LigneHoraire& l : shell::calcule_jour(ctx.donnees, d).lignes) {
        liste += "\n" + QString::fromStdString(l.texte);
    }
    return liste;
}

// The times follow the opinion of the home place, which the label shows; a
// label changed by other means changes neither the times, nor the page, nor
// the home place saved.
TEST_F(PanneauxDeLaFenetre, LOpinionDuJourVientDuLieuDAccueil)
{
    platform::write_lines(dir / "lieu_acc.cal", {accueil_maguen});
    ouvre();
    EXPECT_EQ(texte_label("Label40"), "Maguen Abraham (pavé)");
    const QString maguen = liste_par_l_opinion(*ctx, "Maguen Abraham (pavé)");
    ASSERT_NE(maguen, liste_par_l_opinion(*ctx, "Beth Din (France)")); // the opinions differ
    EXPECT_EQ(memo("Memo2"), maguen);

    seul<QLabel>("Label40")->setText("Beth Din (France)");
    seul<QPushButton>("BoutonOK")->click();
    EXPECT_EQ(memo("Memo2"), maguen);
    EXPECT_EQ(platform::read_lines(dir / "lieu_acc.cal").front(), accueil_maguen);
    const Lignes page = f->page_du_jour();
    EXPECT_TRUE(std::any_of(page.begin(), page.end(), [](const std::string& l) {
        return l.find("Maguen Abraham (pavé) )") != std::string::npos;
    }));
}

// The day page writes the clock and the texts the panels hold, whatever
// their labels came to show.
TEST_F(PanneauxDeLaFenetre, LaPageDuJourEcritLEtatDesPanneaux)
{
    ouvre();
    horloge->set_time({10, 5, 7, 0});
    f->Timer1Timer();
    const Lignes avant = f->page_du_jour();
    const std::string heure = "       Il est : 10 h 05 mn 07 sec = 10 h 92.1 halakim ";
    EXPECT_NE(std::find(avant.begin(), avant.end(), heure), avant.end());
    seul<QLabel>("Label46")->setText("23 h 59 mn 59 sec");
    seul<QLabel>("Label3")->setText("Aujourd'hui : autre chose");
    EXPECT_EQ(f->page_du_jour(), avant);

    // Without a city the text of the day loses its Sabbath times, on the
    // label and on the page alike. Friday 26 April 2024: 18 Nissan 5784.
    boite("SpinEdit9")->setValue(4);
    boite("SpinEdit3")->setValue(26);
    ASSERT_EQ(texte_label("Label3"),
              "Hol Hamoed   Pessa'h         Omer  3  Ent: 20.41  Sor: 21.54");
    emit seul<QComboBox>("ComboBox1")->textActivated("Israël");
    const std::string sans_horaires = seul<PanneauTextesDuJour>()->textes()[0];
    EXPECT_EQ(sans_horaires.rfind("Hol Hamoed   Pessa'h         Omer  3", 0), 0u) << sans_horaires;
    EXPECT_EQ(sans_horaires.find("Ent"), std::string::npos) << sans_horaires;
    EXPECT_EQ(texte_label("Label3").toStdString(), sans_horaires);
    const Lignes page = f->page_du_jour();
    EXPECT_NE(std::find(page.begin(), page.end(), "       " + sans_horaires), page.end());
    for (const std::string& l : page) {
        EXPECT_EQ(l.find("Ent: 20.41"), std::string::npos) << l;
    }
}

// The correction box: a value typed moves the buttons at once and computes
// nothing; the buttons and the day write the box without its change signal,
// keeping its value.
TEST_F(PanneauxDeLaFenetre, LaBoiteDeCorrectionEcriteSansSonSignal)
{
    ouvre();
    auto* edit4 = seul<QLineEdit>("Edit4");
    QSignalSpy change(edit4, &QLineEdit::textChanged);
    const QString liste = memo("Memo2");
    edit4->setText("0");
    EXPECT_EQ(change.count(), 1);
    EXPECT_TRUE(seul<QPushButton>("BoutonHiver")->isChecked());
    EXPECT_FALSE(seul<QPushButton>("BoutonEte")->isChecked());
    EXPECT_EQ(ctx->heure_ete.correction_manuelle, 0.0);
    EXPECT_EQ(memo("Memo2"), liste);

    change.clear();
    seul<QPushButton>("BoutonEte")->click();
    EXPECT_EQ(change.count(), 0);
    EXPECT_EQ(edit4->text(), "1");
    EXPECT_EQ(ctx->heure_ete.correction_manuelle, 1.0);
    EXPECT_EQ(seul<PanneauLieu>()->correction_saisie(), 1.0);

    // The day computed from France's table writes "1" back over a "0".
    edit4->setText("0");
    change.clear();
    seul<QPushButton>("BoutonOK")->click();
    EXPECT_EQ(change.count(), 0);
    EXPECT_EQ(edit4->text(), "1");
    EXPECT_TRUE(seul<QPushButton>("BoutonEte")->isChecked());
    EXPECT_EQ(ctx->heure_ete.correction_manuelle, 1.0);
}

// The clicks the panels catch themselves: the underlined return text
// brings today back; the first click on the year's list makes it tall at
// once, over the year's characteristics, the next one small again with no
// band left empty, and closing the day page makes it small.
TEST_F(PanneauxDeLaFenetre, ClicsSurLeLienDeRetourEtSurLaListeDeLAnnee)
{
    ouvre();
    boite("SpinEdit3")->setValue(25);
    ASSERT_TRUE(seul<QLabel>("LabelRetour")->isVisibleTo(f.get()));
    QTest::mouseClick(seul<QLabel>("LabelRetour"), Qt::LeftButton);
    EXPECT_EQ(f->panneau().date_civile(), (engine::DateCivile{2024, 6, 21}));
    EXPECT_FALSE(seul<QLabel>("LabelRetour")->isVisibleTo(f.get()));

    QApplication::processEvents();
    auto* liste = seul<QPlainTextEdit>("Memo1");
    auto* caracteristiques = seul<QWidget>("Caracteristiques");
    auto* panneau = seul<QWidget>("PanneauAnnee");
    const int petite = liste->height();
    const int bas = panneau->geometry().bottom();
    const auto clique = [&] {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton);
        QApplication::processEvents();
    };
    clique();
    EXPECT_FALSE(caracteristiques->isVisible());
    EXPECT_GT(liste->height(), petite);
    EXPECT_EQ(panneau->geometry().bottom(), bas);
    clique();
    EXPECT_TRUE(caracteristiques->isVisible());
    EXPECT_EQ(liste->height(), petite);
    EXPECT_EQ(panneau->geometry().bottom(), bas);
    clique();
    EXPECT_FALSE(caracteristiques->isVisible());
    seul<QPushButton>("BoutonPageDuJour")->click();
    seul<QPushButton>("BoutonFermerPage")->click();
    QApplication::processEvents();
    EXPECT_TRUE(caracteristiques->isVisible());
    EXPECT_EQ(liste->height(), petite);
}

// At 1366 × 740 the three columns sit side by side without scrolling and
// without overlapping; a smaller window scrolls instead of squeezing them.
TEST_F(PanneauxDeLaFenetre, LesPanneauxTiennentSansSeChevaucher)
{
    ouvre();
    QApplication::processEvents();
    auto* defilement = seul<QScrollArea>("Defilement");
    EXPECT_EQ(defilement->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(defilement->verticalScrollBar()->maximum(), 0);
    const QWidget* contenu = seul<QWidget>("PanneauxPrincipaux");
    std::vector<std::pair<std::string, QRect>> panneaux;
    for (QWidget* p : std::initializer_list<QWidget*>{
             seul<BandeauPrincipal>(), seul<BoitesConversion>(), seul<LigneRetour>(),
             seul<GrillesDuMois>(), seul<PanneauAnniversaires>(), seul<PanneauBarMitsva>(),
             seul<PanneauTextesDuJour>(), seul<PanneauCaracteristiques>(), seul<PanneauAnnee>(),
             seul<PanneauLieu>(), seul<PanneauHoraires>()}) {
        const QRect r(p->mapTo(contenu, QPoint(0, 0)), p->size());
        EXPECT_TRUE(contenu->rect().contains(r)) << p->metaObject()->className();
        panneaux.emplace_back(p->metaObject()->className(), r);
    }
    for (std::size_t i = 0; i < panneaux.size(); ++i) {
        for (std::size_t j = i + 1; j < panneaux.size(); ++j) {
            EXPECT_FALSE(panneaux[i].second.intersects(panneaux[j].second))
                << panneaux[i].first << " / " << panneaux[j].first;
        }
    }
    const int largeur_lieu = seul<PanneauLieu>()->width();
    f->resize(900, 500);
    QApplication::processEvents();
    EXPECT_GT(defilement->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(defilement->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(seul<PanneauLieu>()->width(), largeur_lieu);
    EXPECT_GT(seul<PanneauLieu>()->width(), 0);
}

// No label of the window is cut: on days with long texts ('Hanouka with
// Roch 'Hodech and the Sabbath times, a Sabbath before Pessa'h, a refused
// date) every shown label's text fits its width, on more lines when it
// wraps, and the label stays inside the window.
TEST_F(PanneauxDeLaFenetre, AucuneEtiquetteCoupee)
{
    ouvre();
    const auto verifie = [this](const std::string& jour) {
        QApplication::processEvents();
        for (QLabel* l : f->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(f.get()) || l->text().isEmpty() || l->pixmap().isNull() == false ||
                l->textFormat() == Qt::RichText || l->text().startsWith('<')) {
                continue;
            }
            const QString nom = l->objectName().isEmpty() ? l->text() : l->objectName();
            const QRect cadre = l->contentsRect();
            if (l->wordWrap()) {
                EXPECT_LE(l->heightForWidth(l->width()), l->height() + 1)
                    << jour << " : " << nom.toStdString();
            } else {
                int large = 0;
                for (const QString& ligne : l->text().split('\n')) {
                    large = std::max(large, l->fontMetrics().horizontalAdvance(ligne));
                }
                EXPECT_LE(large, cadre.width() + 1) << jour << " : " << nom.toStdString() << " « "
                                                    << l->text().toStdString() << " »";
            }
            const QRect dans_la_fenetre(l->mapTo(f.get(), QPoint(0, 0)), l->size());
            EXPECT_TRUE(f->rect().contains(dans_la_fenetre)) << jour << " : " << nom.toStdString();
        }
    };
    verifie("21/6/2024");
    for (const auto& [a, m, j] : {std::tuple{2024, 12, 31}, {2026, 12, 10}, {2025, 4, 12}}) {
        seul<QSpinBox>("SpinEdit5")->setValue(a);
        seul<QSpinBox>("SpinEdit9")->setValue(m);
        seul<QSpinBox>("SpinEdit3")->setValue(j);
        verifie(std::to_string(j) + "/" + std::to_string(m) + "/" + std::to_string(a));
    }
    seul<QSpinBox>("SpinEdit5")->setValue(12000);
    verifie("année 12000");
}

// Tab goes through the controls in the order of the panels: the band, the
// date boxes, the return line, the grids, the anniversaries, the Bar-Mitsva,
// the year panel, the place, the times.
TEST_F(PanneauxDeLaFenetre, OrdreDeTabulation)
{
    ouvre();
    seul<QSpinBox>("SpinEdit3")->setValue(22); // the return arrows are shown
    std::vector<std::string> ordre;
    QWidget* w = f.get();
    for (int i = 0; i < 1000; ++i) {
        w = w->nextInFocusChain();
        if (w == f.get()) {
            break;
        }
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(f.get()) &&
            !w->objectName().isEmpty() && w->objectName() != "qt_spinbox_lineedit") {
            ordre.push_back(w->objectName().toStdString());
        }
    }
    const std::vector<std::string> attendu = {"Defilement",
                                              "Memo4",
                                              "BoutonCalendrierCivil",
                                              "BoutonCalendrierHebreu",
                                              "BoutonPageDuJour",
                                              "BoutonImprimerPage",
                                              "SpinEdit4",
                                              "SpinEdit3",
                                              "SpinEdit9",
                                              "SpinEdit5",
                                              "SpinEdit6",
                                              "SpinEdit10",
                                              "SpinEdit8",
                                              "Edit13",
                                              "Edit14",
                                              "Edit7",
                                              "Edit11",
                                              "Edit5",
                                              "Edit6",
                                              "Edit9",
                                              "SpeedButton2",
                                              "SpeedButton3",
                                              "GCalendar1",
                                              "HCalend1",
                                              "SpinEdit7",
                                              "Edit10",
                                              "ComboBox3",
                                              "BoutonBarMitsva",
                                              "BoutonBatMitsva",
                                              "SpinEdit1",
                                              "Memo1",
                                              "ComboBox1",
                                              "ComboBox2",
                                              "Edit1",
                                              "Edit2",
                                              "Edit3",
                                              "Edit4",
                                              "BoutonOK",
                                              "BoutonEte",
                                              "BoutonHiver",
                                              "CheckBox1300v",
                                              "CheckBox13000v",
                                              "BoutonDiaspora",
                                              "BoutonIsrael",
                                              "Memo2",
                                              "memo5",
                                              "Memo10",
                                              "Memo11"};
    EXPECT_EQ(ordre, attendu);
}

} // namespace
} // namespace orvane::gui
