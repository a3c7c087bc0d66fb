#include "gui/tables/results_window.h"

#include "gui/common/fonts.h"
#include "gui/common/mnemonics.h"
#include "gui/common/result_area.h"
#include "gui/shell/desktop_opener.h"
#include "gui/tables/times_chart.h"
#include "platform/file_error.h"
#include "platform/text_file.h"
#include "shell/app_context.h"
#include "tables/altitudes.h"
#include "tables/table_files.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvane::gui
{
namespace
{

QString qs(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QPushButton* bouton(QWidget* parent, const char* nom, const char* texte, const char* aide = nullptr)
{
    auto* b = new QPushButton(QString::fromUtf8(texte), parent);
    b->setObjectName(nom);
    if (aide != nullptr) {
        b->setToolTip(QString::fromUtf8(aide).replace('\r', '\n'));
    }
    return b;
}

constexpr const char* aide_impression =
    "Pour une impression de qualité, il est vivement conseillé\rde l'effectuer à partir du "
    "fichier \" zemanim.txt \" créé automatiquement pendant\rle calcul. Vous aurez la "
    "possibilité d'agencer le texte à votre\rconvenance sous Word par exemple.";
constexpr const char* aide_memo =
    "Visualise l'ensemble des résultats contenus aussi dans le du fichier \"zemanim.txt\r!!! Le "
    "nombre de lignes du mémo est limité à 380 ou un peu moins.\rPour plus de lignes, voir le "
    "fichier créé par le bouton ci-dessous \"Voir le fichier\".";
constexpr const char* aide_grille =
    "Visualise l'ensemble des résultats contenus aussi dans la grille\r!!! Le nombre de lignes "
    "de la grille est limité à 380 ou un peu moins.\rPour plus de lignes, voir le fichier créé "
    "par le bouton ci-dessous \"Voir le fichier\".";
constexpr const char* aide_fichier = "Le fichier est ouvert autant de fois que l'on appuiie sur "
                                     "ce bouton. Il faudra alors refermer chacune des fenètres.";
constexpr const char* aide_maximum =
    "Degrés limite maximum.\rAttention ! Autour de 0° c-à-d +ou- 2°, la réfration rentre en "
    "ligne de compte.\rLes valeurs sont alors approximatives.";
constexpr const char* aide_graphiques =
    "Création automatique de graphiques sous Excel\rValable pour incrément 1 seulement\r( Pour "
    "de l'aide, cliquer sur le bouton ci-contre )";
constexpr const char* aide_tableaux =
    "Création automatique de tableaux imprimables sous Excel\rValable pour incrément 1 et  5  "
    "seulement\r( Pour de l'aide, cliquer sur le bouton ci-contre )";
constexpr const char* aide_panneau =
    "Les opérations de création de graphiques et de tableaux sous Excel,\rsont ici entièrement "
    "automatisées.\rValable pour incrément 1 et  5  seulement\rL'utilisateur aura à répondre à "
    "quelques questions simples.\r( Pour de l'aide, cliquer sur les boutons )";
constexpr const char* aide_bouton_aide =
    "Ce bouton fonctionne en marche/arret. Une pression fait apparaitre\rl'aide, une seconde "
    "pression la fait disparaitre.";
constexpr const char* calcul_d_abord = "Erreur :\rEffectuer d'abord les calculs en appuyant\rsur "
                                       "le bouton \"calculer\" ci-contre.\r";

} // namespace

TFMemH::TFMemH(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FMemH");
    setWindowTitle(QStringLiteral("Table des horaires"));
    set_dialogues(
        choix_fichier_par_dialogue(this),
        [this](const TexteAImprimer& t) { return imprime_avec_dialogue(this, t); },
        [this](const std::string& m) {
            QMessageBox::critical(this, windowTitle(), qs(m).replace('\r', '\n'));
        });
    set_ouvreur([this](const std::filesystem::path& p) {
        ouvre_document(this, ctx_.repertoire, p.string());
    });
    auto* disposition = new QVBoxLayout(this);
    cree_grille();
    disposition->addWidget(vues_, 1);
    cree_boutons();
    cree_classeurs();
    cree_altitudes();
    resize(1150, 720);
    donne_mnemoniques(this);
}

TFMemH::~TFMemH() = default;

void TFMemH::set_ouvreur(std::function<void(const std::filesystem::path&)> ouvreur)
{
    ouvreur_ = std::move(ouvreur);
}

void TFMemH::set_dialogues(ChoixFichier choix, Imprimante imprimante, MessageErreur erreur)
{
    choix_ = std::move(choix);
    imprimante_ = std::move(imprimante);
    erreur_ = std::move(erreur);
}

void TFMemH::cree_grille()
{
    vues_ = new QStackedWidget(this);
    StringGrid1 = new QTableWidget(vues_);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setFont(police_fixe(8));
    Memo1 = new ZoneResultat("Memo1", 8, vues_);
    vues_->addWidget(StringGrid1);
    vues_->addWidget(Memo1);
}

void TFMemH::cree_boutons()
{
    auto* ligne = new QHBoxLayout;
    QPushButton* imprimer = bouton(this, "Button1", "Imprimer", aide_impression);
    QPushButton* enregistrer = bouton(this, "Button2", "Enregistrer");
    QPushButton* retour = bouton(this, "Button3", "Retour à l'écran du choix");
    QPushButton* memo = bouton(this, "Button8", "Voir le mémo", aide_memo);
    QPushButton* grille = bouton(this, "Button11", "Voir la grille", aide_grille);
    QPushButton* fichier = bouton(this, "Button16", "Voir le fichier", aide_fichier);
    QPushButton* graphiques = bouton(this, "Button4", "Graphiques", aide_graphiques);
    for (QPushButton* b : {imprimer, enregistrer, memo, grille, fichier, graphiques, retour}) {
        ligne->addWidget(b);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(ligne);
    connect(imprimer, &QPushButton::clicked, this, &TFMemH::Button1Click);
    connect(enregistrer, &QPushButton::clicked, this, &TFMemH::Button2Click);
    connect(memo, &QPushButton::clicked, this, &TFMemH::Button8Click);
    connect(grille, &QPushButton::clicked, this, &TFMemH::Button11Click);
    connect(graphiques, &QPushButton::clicked, this, &TFMemH::Button4Click);
    connect(retour, &QPushButton::clicked, this, [this] {
        emit this->retour();
        hide();
    });
    connect(fichier, &QPushButton::clicked, this,
            [this] { ouvre_document(this, ctx_.repertoire, "zemanim.txt"); });
}

void TFMemH::cree_classeurs()
{
    auto* g = new QGroupBox(QStringLiteral("Tableaux et graphiques sous Excel"), this);
    g->setObjectName("Label7");
    g->setToolTip(QString::fromUtf8(aide_panneau).replace('\r', '\n'));
    auto* ligne = new QHBoxLayout(g);
    QPushButton* quatorze = bouton(g, "Button6", "Tableaux 14 colonnes", aide_tableaux);
    QPushButton* toutes = bouton(g, "Button12", "Tableaux toutes les colonnes", aide_tableaux);
    auto* aide = new QLabel(g);
    aide->setObjectName("AideClasseurs");
    aide->setWordWrap(true);
    aide->setVisible(false);
    QPushButton* aide1 = bouton(g, "Button5", "Aide", aide_bouton_aide);
    QPushButton* aide2 = bouton(g, "Button7", "Aide", aide_bouton_aide);
    for (QWidget* w : std::initializer_list<QWidget*>{quatorze, toutes, aide1, aide2}) {
        ligne->addWidget(w);
    }
    ligne->addWidget(aide, 1);
    static_cast<QVBoxLayout*>(layout())->addWidget(g);
    connect(quatorze, &QPushButton::clicked, this, &TFMemH::Button6Click);
    connect(toutes, &QPushButton::clicked, this, &TFMemH::Button12Click);
    // Each help button shows the help at a first press and hides it at the next.
    for (QPushButton* b : {aide1, aide2}) {
        connect(b, &QPushButton::clicked, this, [aide] {
            aide->setText(QString::fromUtf8(aide_panneau).replace('\r', ' '));
            aide->setVisible(!aide->isVisible());
        });
    }
}

void TFMemH::classeur(documents::ClasseurHoraires k)
{
    if (!r_.gardees) {
        erreur_(calcul_d_abord);
        return;
    }
    if (const std::string refus = documents::refus_classeur(k, r_.classeurs); !refus.empty()) {
        erreur_(refus);
        return;
    }
    try {
        ouvreur_(documents::ecrit_classeur_horaires(ctx_.repertoire, k, *r_.gardees, r_.classeurs));
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFMemH::Button6Click()
{
    classeur(documents::ClasseurHoraires::quatorze_colonnes);
}

void TFMemH::Button12Click()
{
    classeur(documents::ClasseurHoraires::toutes_colonnes);
}

void TFMemH::cree_altitudes()
{
    auto* g = new QGroupBox(QStringLiteral("Hauteur du centre du soleil aux crépuscules en degrés"),
                            this);
    g->setObjectName("GroupeAltitudes");
    auto* grille = new QGridLayout(g);
    auto* titres = new QLabel(QStringLiteral("minimum     maximum    incrément"), g);
    titres->setObjectName("Label12");
    Edit1 = new QLineEdit(QStringLiteral("-16.1"), g);
    Edit2 = new QLineEdit(QStringLiteral("-1"), g);
    Edit3 = new QLineEdit(QStringLiteral("0.1"), g);
    Edit1->setObjectName("Edit1");
    Edit2->setObjectName("Edit2");
    Edit3->setObjectName("Edit3");
    Edit2->setToolTip(QString::fromUtf8(aide_maximum).replace('\r', '\n'));
    QPushButton* calculer = bouton(g, "Button9", "Calculer");
    QPushButton* imprimer = bouton(g, "Button14", "Imprimer");
    QPushButton* enregistrer = bouton(g, "Button15", "Enregistrer");
    Memo3 = new ZoneResultat("Memo3", 7, g);
    Memo3->setMinimumHeight(120);
    grille->addWidget(titres, 0, 0, 1, 3);
    grille->addWidget(Edit1, 1, 0);
    grille->addWidget(Edit2, 1, 1);
    grille->addWidget(Edit3, 1, 2);
    grille->addWidget(calculer, 2, 0);
    grille->addWidget(imprimer, 2, 1);
    grille->addWidget(enregistrer, 2, 2);
    grille->addWidget(Memo3, 0, 3, 3, 1);
    grille->setColumnStretch(3, 1);
    static_cast<QVBoxLayout*>(layout())->addWidget(g);
    connect(calculer, &QPushButton::clicked, this, &TFMemH::Button9Click);
    connect(imprimer, &QPushButton::clicked, this, &TFMemH::Button14Click);
    connect(enregistrer, &QPushButton::clicked, this, &TFMemH::Button15Click);
}

void TFMemH::montre_resultat(ResultatHoraires r)
{
    r_ = std::move(r);
    Memo1->affiche(r_.lignes);
    remplit_grille();
    vues_->setCurrentWidget(StringGrid1);
    if (graphique_ != nullptr) {
        graphique_->montre(r_.courbes, qs(r_.lieu.ville));
    }
}

void TFMemH::remplit_grille()
{
    // Row 0 holds the titles in Hebrew letters; the French titles head the columns.
    const int colonnes = static_cast<int>(r_.titres.size()) + 1;
    StringGrid1->clear();
    StringGrid1->setColumnCount(colonnes);
    StringGrid1->setRowCount(static_cast<int>(r_.grille.size()) + 1);
    QStringList entetes{QStringLiteral("Date")};
    auto* date_hebreu = new QTableWidgetItem(QStringLiteral("תאריך"));
    StringGrid1->setItem(0, 0, date_hebreu);
    for (int c = 1; c < colonnes; ++c) {
        const tables::ColonneAffichee& t = r_.titres[static_cast<std::size_t>(c - 1)];
        entetes << qs(t.titre);
        auto* hebreu = new QTableWidgetItem(qs(tables::titre_hebreu_en_lettres(t.titre_hebreu)));
        hebreu->setTextAlignment(Qt::AlignCenter);
        hebreu->setFont(police_hebraique(9));
        StringGrid1->setItem(0, c, hebreu);
    }
    StringGrid1->setHorizontalHeaderLabels(entetes);
    for (std::size_t r = 0; r < r_.grille.size(); ++r) {
        const std::vector<std::string>& rang = r_.grille[r];
        for (std::size_t c = 0; c < rang.size() && c < static_cast<std::size_t>(colonnes); ++c) {
            StringGrid1->setItem(static_cast<int>(r) + 1, static_cast<int>(c),
                                 new QTableWidgetItem(qs(rang[c])));
        }
    }
    StringGrid1->resizeColumnsToContents();
}

void TFMemH::garde_pour_classeurs(std::shared_ptr<const documents::TablesGardees> gardees,
                                  const documents::ContexteClasseurs& contexte)
{
    r_.gardees = std::move(gardees);
    r_.classeurs = contexte;
}

void TFMemH::montre_memo()
{
    vues_->setCurrentWidget(Memo1);
}

void TFMemH::Button8Click()
{
    vues_->setCurrentWidget(Memo1);
}

void TFMemH::Button11Click()
{
    vues_->setCurrentWidget(StringGrid1);
}

void TFMemH::Button1Click()
{
    TexteAImprimer t;
    t.lignes = r_.lignes;
    t.police = police_d_impression(Memo1->font(), taille_impression_defaut);
    t.orientation = QPageLayout::Landscape;
    imprimante_(t);
}

std::string TFMemH::nom_propose() const
{
    if (r_.hamets) {
        return "hamets.txt";
    }
    std::string ville;
    for (char c : r_.lieu.ville) {
        if (c != ' ' && c != '-') {
            ville += c;
        }
    }
    return ville + std::to_string(r_.annee) + ".txt";
}

void TFMemH::Button2Click()
{
    // The whole table is in "zemanim.txt"; the memo holds only its beginning.
    const std::string dossier = r_.hamets ? "HAMETS" : r_.dixieme_heure ? "NEUVIEME" : "HORAIRES";
    try {
        const std::vector<std::string> lignes =
            platform::read_lines(ctx_.repertoire / "zemanim.txt");
        enregistre_lignes(ctx_.repertoire, dossier, nom_propose(), lignes, choix_, erreur_);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFMemH::Button4Click()
{
    if (graphique_ == nullptr) {
        auto* fenetre = new QWidget(this, Qt::Window);
        fenetre->setObjectName("FenetreGraphique");
        fenetre->setWindowTitle(QStringLiteral("Graphiques des horaires"));
        auto* v = new QVBoxLayout(fenetre);
        graphique_ = new GraphiqueHoraires(fenetre);
        v->addWidget(graphique_, 1);
        QPushButton* imprimer = bouton(fenetre, "ImprimerGraphique", "&Imprimer");
        v->addWidget(imprimer, 0, Qt::AlignRight);
        connect(imprimer, &QPushButton::clicked, this, [this] {
            QPrinter printer(QPrinter::HighResolution);
            QPrintDialog dialogue(&printer, graphique_->window());
            if (dialogue.exec() == QDialog::Accepted) {
                graphique_->imprime(printer);
            }
        });
        fenetre->resize(900, 600);
    }
    graphique_->montre(r_.courbes, qs(r_.lieu.ville + "  (" + r_.lieu.pays + ")"));
    graphique_->window()->show();
    graphique_->window()->raise();
    classeur(documents::ClasseurHoraires::graphiques);
}

void TFMemH::Button9Click()
{
    tables::DemandeAltitudes d;
    d.lieu = r_.lieu;
    d.date = r_.date;
    d.minimum = Edit1->text().trimmed().toStdString();
    d.maximum = Edit2->text().trimmed().toStdString();
    d.increment = Edit3->text().trimmed().toStdString();
    d.choix_arrondi = tables::choix_arrondi(r_.reglages);
    const tables::TableAltitudes t = tables::table_altitudes(d, r_.reglages);
    if (t.refusee()) {
        erreur_(t.erreur);
        return;
    }
    Memo3->affiche(t.memo);
    altitudes_calculees_ = !t.fichier.empty();
    try {
        tables::ecrit_aube(ctx_.repertoire, t);
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

void TFMemH::Button14Click()
{
    if (!altitudes_calculees_) {
        erreur_(calcul_d_abord);
        return;
    }
    TexteAImprimer t;
    t.lignes = Memo3->lignes();
    t.police = police_d_impression(Memo3->font(), taille_impression_defaut);
    imprimante_(t);
}

void TFMemH::Button15Click()
{
    if (!altitudes_calculees_) {
        erreur_("Erreur :\rEffectuer d'abord les calculs en appuyant\rsur le bouton \"calculer\" "
                "ci-dessus.\r");
        return;
    }
    enregistre_lignes(ctx_.repertoire, "HORAIRES", "aube.txt", Memo3->lignes(), choix_, erreur_);
}

} // namespace orvane::gui
