// The zmanim window and its results window offscreen: a table computed in
// each layout, the Tossefet questions answered each way, the hour-shift
// question, the results saved and printed to PDF, the chart drawn, the
// altitude panel, the 'Hamets times, and the entry of the main window.
#include "gui/shell/main_window.h"
#include "gui/tables/results_window.h"
#include "gui/tables/times_chart.h"
#include "gui/tables/zmanim_window.h"
#include "paris_program_directory.h"
#include "places/charge_lieux.h"
#include "platform/text_file.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <deque>
#include <set>

namespace orvane::gui
{
namespace
{

namespace fs = std::filesystem;
using tables::ReponseTossefet;

class FenetreHoraires : public test_support::RepertoireDeParis
{
protected:
    std::vector<std::string> erreurs, informations, questions, confirmations;
    std::deque<ReponseTossefet> reponses;
    bool confirme = true;
    std::vector<TexteAImprimer> imprimes;
    std::optional<fs::path> enregistre_sous;
    std::vector<fs::path> ouverts;

    void SetUp() override
    {
        RepertoireDeParis::SetUp();
        ctx->lieux = places::charge_lieux(dir.path());
        ctx->lieu_courant = {"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
    }

    std::unique_ptr<TFcalcH> ouvre()
    {
        auto f = std::make_unique<TFcalcH>(*ctx);
        DialoguesHoraires d;
        d.erreur = [this](const std::string& m) { erreurs.push_back(m); };
        d.information = [this](const std::string& m) { informations.push_back(m); };
        d.question = [this](const std::string& m) {
            questions.push_back(m);
            const ReponseTossefet r =
                reponses.empty() ? ReponseTossefet::annuler : reponses.front();
            if (!reponses.empty()) {
                reponses.pop_front();
            }
            return r;
        };
        d.confirmation = [this](const std::string& m) {
            confirmations.push_back(m);
            return confirme;
        };
        f->set_dialogues(std::move(d));
        f->resultats()->set_dialogues(
            [this](const fs::path& propose) -> std::optional<fs::path> {
                enregistre_sous = propose;
                return propose;
            },
            [this](const TexteAImprimer& t) {
                imprimes.push_back(t);
                return imprime_en_pdf(QString::fromStdString((dir.path() / "table.pdf").string()),
                                      t);
            },
            [this](const std::string& m) { erreurs.push_back(m); });
        f->resultats()->set_ouvreur([this](const fs::path& p) { ouverts.push_back(p); });
        return f;
    }

    template <class W>
    static W* enfant(QWidget* f, const char* nom)
    {
        W* w = f->findChild<W*>(nom);
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    /// January 2025 in the date lists.
    static void janvier_2025(TFcalcH& f)
    {
        enfant<QComboBox>(&f, "DebutAnnee")->setCurrentText("2025");
        enfant<QComboBox>(&f, "DebutMois")->setCurrentIndex(0);
        enfant<QComboBox>(&f, "DebutJour")->setCurrentIndex(0);
        enfant<QComboBox>(&f, "FinAnnee")->setCurrentText("2025");
        enfant<QComboBox>(&f, "FinMois")->setCurrentIndex(0);
        enfant<QComboBox>(&f, "FinJour")->setCurrentIndex(30);
    }
};

TEST_F(FenetreHoraires, UneTableDeJanvierDansLeMemoLaGrilleEtLeFichier)
{
    auto f = ouvre();
    EXPECT_EQ(f->windowTitle(), "Calcul des horaires de la journée juive selon la date, la "
                                "localité et l'opinion rabbinique");
    EXPECT_EQ(f->controles().annee_hebraique, f->controles().debut.annee + 3760);
    janvier_2025(*f);
    f->CalculClick();
    EXPECT_TRUE(questions.empty()); // Paris with 18 minutes: no question
    EXPECT_TRUE(erreurs.empty()) << erreurs.front();
    TFMemH* r = f->resultats();
    EXPECT_TRUE(r->isVisible());
    EXPECT_EQ(r->windowTitle(), "Table des horaires");
    ASSERT_EQ(r->resultat().grille.size(), 31u);
    auto* grille = enfant<QTableWidget>(r, "StringGrid1");
    EXPECT_EQ(grille->rowCount(), 32); // the Hebrew titles, then the days
    EXPECT_EQ(grille->item(0, 8)->text().toStdString(), "חצות");
    EXPECT_EQ(grille->horizontalHeaderItem(1)->text(), " Aube");
    const auto fichier = platform::read_lines(dir.path() / "zemanim.txt");
    EXPECT_EQ(fichier.size(), 4u + 31u);
    EXPECT_EQ(r->resultat().lignes, fichier);
    // The state of the window is kept for the next opening.
    const auto etat = platform::read_lines(dir.path() / "lieu_ini.cal");
    ASSERT_EQ(etat.size(), 1u);
    EXPECT_EQ(etat[0].rfind("PARIS (75)\tFrance\t48°52'N\t02°20'E\t+1\t1/1/2025\t31/1/2025\t", 0),
              0u);
    auto g = ouvre();
    EXPECT_EQ(g->controles().fin, engine::DateCivile(2025, 1, 31));
}

TEST_F(FenetreHoraires, LesGrillesDeTreizeEtDouzeMois)
{
    auto f = ouvre();
    janvier_2025(*f);
    f->findChild<QButtonGroup*>()->button(1)->setChecked(true); // 13 months from 1 September
    f->CalculClick();
    const auto& g13 = f->resultats()->resultat();
    EXPECT_EQ(g13.courbes.size(), 395u); // 1/09/2025 to 30/09/2026
    EXPECT_EQ(g13.courbes.front().date, engine::DateCivile(2025, 9, 1));
    f->findChild<QButtonGroup*>()->button(2)->setChecked(true);
    f->CalculClick();
    EXPECT_EQ(f->resultats()->resultat().courbes.size(), 365u);
    EXPECT_EQ(f->resultats()->resultat().grille.size(), 365u > 380 ? 380u : 365u);
}

TEST_F(FenetreHoraires, LesQuestionsDeLaTossefet)
{
    auto f = ouvre();
    janvier_2025(*f);
    enfant<QComboBox>(f.get(), "ComboPays")->setCurrentText("Israël");
    enfant<QComboBox>(f.get(), "ComboVille")->setCurrentText("Haïfa");
    enfant<QLineEdit>(f.get(), "EditLatitude")->setText("32°49N");
    enfant<QLineEdit>(f.get(), "EditLongitude")->setText("34°59E");
    enfant<QLineEdit>(f.get(), "EditZone")->setText("+2");
    // Cancel: nothing computed.
    f->CalculClick();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("villes d'Israël est de 20 minutes"), std::string::npos);
    EXPECT_FALSE(f->resultats()->isVisible());
    // Yes: the entries 20 minutes before sunset, the box shows 20.
    reponses = {ReponseTossefet::oui};
    f->CalculClick();
    EXPECT_EQ(enfant<QSpinBox>(f.get(), "SpinTossefet")->value(), 20);
    const auto& g = f->resultats()->resultat().grille;
    ASSERT_FALSE(g.empty());
    // Columns: label, then the 19 moments; entry is the 12th moment, sunset the 14th.
    const auto minutes = [](const std::string& c) {
        return std::stoi(c.substr(1, 2)) * 60 + std::stoi(c.substr(4, 2));
    };
    EXPECT_EQ(minutes(g[0][14]) - minutes(g[0][12]), 20);
    // The box at 20 now: no question any more.
    f->CalculClick();
    EXPECT_EQ(questions.size(), 2u);
}

TEST_F(FenetreHoraires, LeDecalageHoraireDemandeConfirmation)
{
    auto f = ouvre();
    janvier_2025(*f);
    enfant<QSpinBox>(f.get(), "SpinDecalage")->setValue(1);
    confirme = false;
    f->CalculClick();
    ASSERT_EQ(confirmations.size(), 1u);
    EXPECT_NE(confirmations[0].find("d'augmenter"), std::string::npos);
    EXPECT_FALSE(f->resultats()->isVisible());
    confirme = true;
    f->CalculClick();
    EXPECT_EQ(f->resultats()->resultat().lignes[1],
              "Ces horaires sont augmentés de 1 heure(s) par rapport aux heures d'hiver.");
}

TEST_F(FenetreHoraires, EnregistrerImprimerLeGraphiqueEtLesAltitudes)
{
    auto f = ouvre();
    janvier_2025(*f);
    f->CalculClick();
    TFMemH* r = f->resultats();
    r->Button2Click();
    ASSERT_TRUE(enregistre_sous);
    EXPECT_EQ(enregistre_sous->filename(), "PARIS(75)2025.txt");
    EXPECT_EQ(platform::read_lines(*enregistre_sous),
              platform::read_lines(dir.path() / "zemanim.txt"));
    r->Button1Click();
    ASSERT_EQ(imprimes.size(), 1u);
    EXPECT_GT(fs::file_size(dir.path() / "table.pdf"), 1000u);
    r->Button4Click();
    ASSERT_NE(r->graphique(), nullptr);
    EXPECT_EQ(r->graphique()->nombre_de_points(), 31u);
    const QImage image = r->graphique()->grab().toImage();
    std::set<QRgb> couleurs;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            couleurs.insert(image.pixel(x, y));
        }
    }
    EXPECT_GT(couleurs.size(), 6u); // the curves are drawn, not a blank frame
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir.path() / "graphique.pdf").string()));
    EXPECT_TRUE(r->graphique()->imprime(printer));
    EXPECT_GT(fs::file_size(dir.path() / "graphique.pdf"), 1000u);
    // The altitude panel: 151 lines of −16.1 to −1 by 0.1, written to "aube.txt".
    r->Button14Click();
    EXPECT_EQ(erreurs.size(), 1u); // nothing computed yet
    r->Button9Click();
    EXPECT_TRUE(fs::exists(dir.path() / "aube.txt"));
    r->Button14Click();
    EXPECT_EQ(imprimes.size(), 2u);
}

TEST_F(FenetreHoraires, LesHeuresDuHamets)
{
    auto f = ouvre();
    enfant<QComboBox>(f.get(), "DebutAnnee")->setCurrentText("2025");
    enfant<QComboBox>(f.get(), "DebutMois")->setCurrentIndex(3);
    enfant<QComboBox>(f.get(), "DebutJour")->setCurrentIndex(0);
    enfant<QComboBox>(f.get(), "FinMois")->setCurrentIndex(3);
    enfant<QComboBox>(f.get(), "FinJour")->setCurrentIndex(29);
    enfant<QCheckBox>(f.get(), "CaseHamets")->setChecked(true);
    enfant<QCheckBox>(f.get(), "CaseEte")->setChecked(true);
    enfant<QSpinBox>(f.get(), "SpinIncrement")->setValue(2);
    f->CalculClick();
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_NE(erreurs[0].find("Ici l'incrément est de 2."), std::string::npos);
    enfant<QSpinBox>(f.get(), "SpinIncrement")->setValue(1);
    f->CalculClick();
    EXPECT_TRUE(f->resultats()->resultat().hamets);
    EXPECT_TRUE(fs::exists(dir.path() / "HAMETS" / "2025" / "PARIS 75.txt"));
    EXPECT_EQ(f->resultats()->resultat().lignes.front(), " BEDIKAT 'HAMETS \t21:16");
}

TEST_F(FenetreHoraires, LesSortiesSurDesListesDeVilles)
{
    for (const char* liste : {"villactu.cal", "willefr.cal", "villepl.cal"}) {
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "data" / liste, dir.path() / liste);
    }
    fs::copy(fs::path(ORVANE_SOURCE_DIR) / "data" / "Orvanew", dir.path() / "Orvanew",
             fs::copy_options::recursive);
    auto f = ouvre();
    janvier_2025(*f);
    const auto sortie = [&](tables::ModeSortie m) {
        for (QButtonGroup* g : f->findChildren<QButtonGroup*>()) {
            if (g->buttons().size() == static_cast<int>(tables::nombre_de_sorties)) {
                g->button(static_cast<int>(m))->setChecked(true);
            }
        }
    };
    // The list of the day: one line per city of villactu.cal after the heading.
    sortie(tables::ModeSortie::liste_du_jour);
    f->CalculClick();
    const auto jour = platform::read_lines(dir.path() / "cal_exl.txt");
    EXPECT_EQ(jour.size(), 1u + platform::read_lines(dir.path() / "villactu.cal").size());
    EXPECT_EQ(f->resultats()->resultat().lignes, jour);
    // The plaque lists: the files of ten cities.
    sortie(tables::ModeSortie::plaque);
    f->CalculClick();
    EXPECT_TRUE(fs::exists(dir.path() / "zemani1.txt") || fs::exists(dir.path() / "ZEMANI1.txt"));
    // Its workbook: the plaque layout of every city.
    f->resultats()->Button6Click();
    ASSERT_FALSE(ouverts.empty()) << (erreurs.empty() ? "" : erreurs.back());
    EXPECT_EQ(ouverts.back().filename(), "tab2_plaquette.xlsx");
    // The four plaque files of four years.
    f->construit_plaques();
    EXPECT_EQ(f->resultats()->resultat().lignes,
              (std::vector<std::string>{" ZEMANI1A.txt", " ZEMANI1B.txt", " ZEMANI1C.txt",
                                        " ZEMANI1D.txt"}));
    // The web page of the city, with "Web".
    sortie(tables::ModeSortie::page_ville);
    f->CalculClick();
    EXPECT_FALSE(erreurs.empty()); // "Web" not checked
    enfant<QCheckBox>(f.get(), "CaseWeb")->setChecked(true);
    f->CalculClick();
    EXPECT_NE(f->resultats()->resultat().lignes.front().find("PAGE WEB TERMINEE"),
              std::string::npos);
}

TEST_F(FenetreHoraires, LesTablesEstOuestAttendentSansBloquer)
{
    auto f = ouvre();
    std::vector<int> attentes;
    f->set_attente([&](int s) { attentes.push_back(s); });
    EXPECT_EQ(enfant<QPushButton>(f.get(), "Button11")
                  ->text()
                  .toStdString()
                  .rfind("Calcul est-ouest-secondes pour ciop pour ", 0),
              0u);
    reponses.assign(6, ReponseTossefet::non);
    f->Button11Click();
    EXPECT_EQ(attentes, std::vector<int>(6, 30));
    EXPECT_EQ(f->resultats()->resultat().lignes.size(), 7u);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(dir.path() / "HORAIRES"), fs::directory_iterator()),
        6);
}

TEST_F(FenetreHoraires, EnregistrerEtSupprimerCetteLocalite)
{
    auto f = ouvre();
    enfant<QComboBox>(f.get(), "ComboVille")->setCurrentText("Tarascon (13)");
    enfant<QLineEdit>(f.get(), "EditLatitude")->setText("43°48'N");
    enfant<QLineEdit>(f.get(), "EditLongitude")->setText("04°40'E");
    f->enregistre_localite();
    EXPECT_EQ(platform::read_lines(dir.path() / "lieu.cal").back(),
              "Tarascon (13)\t\tFrance\t43°48'N\t04°40'E\t+1");
    confirme = false;
    f->supprime_localite();
    EXPECT_EQ(platform::read_lines(dir.path() / "lieu.cal").back().rfind("Tarascon", 0), 0u);
    confirme = true;
    f->supprime_localite();
    EXPECT_NE(confirmations.back().find("Vous allez supprimer la localité"), std::string::npos);
    EXPECT_NE(platform::read_lines(dir.path() / "lieu.cal").back().rfind("Tarascon", 0), 0u);
    // An incomplete place is not written.
    const auto avant = platform::read_lines(dir.path() / "lieu.cal");
    for (const char* champ : {"EditZone", "EditLatitude"}) {
        enfant<QLineEdit>(f.get(), "EditLatitude")->setText("43°48'N");
        enfant<QLineEdit>(f.get(), "EditZone")->setText("+1");
        enfant<QLineEdit>(f.get(), champ)->setText(champ == std::string("EditZone") ? "" : "43°48");
        f->enregistre_localite();
        ASSERT_FALSE(erreurs.empty());
        EXPECT_EQ(erreurs.back().rfind("Localité incomplète", 0), 0u);
        erreurs.clear();
    }
    EXPECT_EQ(platform::read_lines(dir.path() / "lieu.cal"), avant);
}

TEST_F(FenetreHoraires, LesSemainesEnColonnes)
{
    auto f = ouvre();
    auto* jours = enfant<QComboBox>(f.get(), "ComboJours");
    jours->setCurrentIndex(jours->findText("Semaines_en_colonnes"));
    // The weekly choices take the whole civil year of the start date.
    EXPECT_EQ(f->controles().debut, engine::DateCivile(2025, 1, 1));
    EXPECT_EQ(f->controles().fin, engine::DateCivile(2025, 12, 31));
    f->CalculClick();
    const auto& l = f->resultats()->resultat().lignes;
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l.front(), "Semaine du 01/01/25 au 04/01/25");
    EXPECT_EQ(platform::read_lines(dir.path() / "villecol.cal").size(), 1u);
}

TEST_F(FenetreHoraires, LesClasseursDuTableau)
{
    auto f = ouvre();
    janvier_2025(*f);
    f->CalculClick();
    TFMemH* r = f->resultats();
    r->Button12Click();
    r->Button6Click();
    r->Button4Click();
    ASSERT_EQ(ouverts.size(), 3u) << (erreurs.empty() ? "" : erreurs.front());
    EXPECT_EQ(ouverts[0], dir.path() / "HORAIRES" / "tal_1.xlsx");
    EXPECT_EQ(ouverts[1], dir.path() / "HORAIRES" / "tab_1.xlsx");
    EXPECT_EQ(ouverts[2], dir.path() / "HORAIRES" / "zeman.xlsx");
    for (const fs::path& p : ouverts) {
        EXPECT_GT(fs::file_size(p), 2000u) << p;
    }
    // A time box unchecked: the workbooks are refused with the message.
    enfant<QCheckBox>(f.get(), "Moment5")->setChecked(false);
    f->CalculClick();
    r->Button12Click();
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0].rfind("Erreur :\rLa construction des tableaux excel n'est possible", 0),
              0u);
    EXPECT_EQ(ouverts.size(), 3u);
}

TEST_F(FenetreHoraires, LeDebutDeLaDixiemeHeure)
{
    auto f = ouvre();
    janvier_2025(*f);
    enfant<QCheckBox>(f.get(), "CaseDixieme")->setChecked(true);
    f->CalculClick();
    const fs::path fichier = dir.path() / "NEUVIEME" / "2025_PARIS 75.txt";
    ASSERT_TRUE(fs::exists(fichier));
    EXPECT_GT(platform::read_lines(fichier).size(), 31u);
    // Saved into "NEUVIEME".
    f->resultats()->Button2Click();
    ASSERT_TRUE(enregistre_sous);
    EXPECT_EQ(enregistre_sous->parent_path().filename(), "NEUVIEME");
}

TEST_F(FenetreHoraires, LePanneauDesParametres)
{
    auto f = ouvre();
    auto* arrondis = enfant<QCheckBox>(f.get(), "CaseArrondis");
    auto* houmra = enfant<QCheckBox>(f.get(), "CaseHoumra");
    auto* activation = enfant<QPushButton>(f.get(), "BoutonActivation");
    // Disabled until the panel is activated.
    EXPECT_FALSE(arrondis->isEnabled());
    EXPECT_EQ(activation->text().remove(QChar('&')), "ACTIVATION du choix des paramètres");
    activation->click();
    EXPECT_TRUE(arrondis->isEnabled());
    EXPECT_EQ(activation->text().remove(QChar('&')), "DESACTIVATION du choix des paramètres");
    // 29/30 and the houmra exclude each other.
    arrondis->click();
    EXPECT_TRUE(arrondis->isChecked());
    EXPECT_FALSE(houmra->isChecked());
    arrondis->click();
    EXPECT_TRUE(houmra->isChecked());
    // The presets of the Bureau des Longitudes and of the halakha.
    enfant<QPushButton>(f.get(), "BoutonBdl")->click();
    EXPECT_EQ(enfant<QComboBox>(f.get(), "ComboRefraction")->currentText(), "36.6");
    EXPECT_TRUE(enfant<QCheckBox>(f.get(), "CaseCentre")->isChecked());
    EXPECT_TRUE(arrondis->isChecked());
    enfant<QPushButton>(f.get(), "BoutonHalakha")->click();
    EXPECT_EQ(enfant<QComboBox>(f.get(), "ComboRefraction")->currentText(), "34");
    EXPECT_TRUE(houmra->isChecked());
    // "Selon choix des valeurs": the typed dawn of 18° shows the note and is computed.
    enfant<QComboBox>(f.get(), "ComboAvis")->setCurrentText("Selon choix des valeurs");
    auto* aube = enfant<QLineEdit>(f.get(), "Angle1");
    EXPECT_TRUE(aube->isVisibleTo(f.get()));
    aube->setText("18");
    emit aube->editingFinished();
    EXPECT_TRUE(enfant<QPushButton>(f.get(), "NoteAngles")->isVisibleTo(f.get()));
    enfant<QPushButton>(f.get(), "Defaut1")->click();
    EXPECT_EQ(aube->text(), "16.1");
    EXPECT_FALSE(enfant<QPushButton>(f.get(), "NoteAngles")->isVisibleTo(f.get()));
    // The trace of each day into "trace.dta".
    enfant<QCheckBox>(f.get(), "CaseTrace")->click();
    janvier_2025(*f);
    f->CalculClick();
    ASSERT_TRUE(fs::exists(dir.path() / "trace.dta"));
    EXPECT_EQ(platform::read_lines(dir.path() / "trace.dta").size(), 32u);
}

TEST_F(FenetreHoraires, LEntreeDuMenuHoraires)
{
    TFMainForm fenetre(*ctx);
    QAction* a = fenetre.findChild<QAction*>("Horaires1");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text().remove('&'), "Horaires en tous lieux du globe ... Zemanim");
    a->trigger();
    EXPECT_NE(fenetre.findChild<TFcalcH*>(), nullptr);
}

} // namespace
} // namespace orvane::gui
