// TFMainForm: the computation of the day and its panels — the list of the
// times with the marker of the next moment, the Sabbath stars and pictures,
// the seasonal hours and lengths, the texts of the day and the
// characteristics of the year.
#include "engine/month_grid_civil.h"
#include "gui/common/fonts.h"
#include "gui/common/result_area.h"
#include "gui/shell/day_pictures.h"
#include "gui/shell/main_window.h"
#include "places/dst_texts.h"
#include "places/home_place.h"
#include "platform/file_error.h"
#include "shell/app_context.h"
#include "shell/day/day_labels.h"
#include "shell/day/next_moment.h"
#include "shell/main_form/clock_line.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<int>(texte.size()));
}

/// Background and text of the list by kind of day.
std::pair<QColor, QColor> couleurs(shell::GenreJour genre)
{
    switch (genre) {
    case shell::GenreJour::fete_chomee:
        return {QColor(255, 255, 150), Qt::black};
    case shell::GenreJour::jeune:
        return {QColor(40, 70, 170), Qt::white};
    case shell::GenreJour::kippour:
        return {QColor(128, 0, 0), Qt::white};
    case shell::GenreJour::demi_fete:
        return {QColor(170, 230, 160), Qt::black};
    case shell::GenreJour::chabbat:
        return {QColor(170, 240, 250), Qt::black};
    case shell::GenreJour::ordinaire:
        break;
    }
    return {Qt::white, Qt::black};
}

QLabel* etoile(const char* nom, const char* aide, QWidget* parent)
{
    auto* l = new QLabel(QStringLiteral("✡"), parent);
    l->setObjectName(nom);
    l->setToolTip(QString::fromUtf8(aide));
    l->setStyleSheet(QStringLiteral("color: #c8a000; font-size: 20pt;"));
    l->hide();
    return l;
}

/// A text area sized for `lignes` lines, without scroll bars.
void dimensionne(ZoneResultat* z, int lignes)
{
    z->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    z->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int hauteur = z->fontMetrics().lineSpacing() * lignes +
                        2 * static_cast<int>(z->document()->documentMargin()) + 2 * z->frameWidth();
    z->setFixedHeight(hauteur);
}

} // namespace

void TFMainForm::cree_colonne_memo9(QWidget* parent)
{
    colonne_memo9_ = new QWidget(parent);
    colonne_memo9_->setObjectName("ColonneMemo9");
    colonne_memo9_->setMinimumWidth(140);
    Memo9 = new QLabel(colonne_memo9_);
    Memo9->setObjectName("Memo9");
    Memo9->setToolTip(QStringLiteral("Prochain moment significatif de la journée juive"));
    Memo9->setStyleSheet(QStringLiteral(
        "background: #fff6c0; border: 1px solid #a08000; padding: 2px; color: #202020;"));
    Memo9->setWordWrap(true);
    Memo9->setFixedWidth(140);
    Memo9->hide();
    Memo6 = etoile("Memo6", "Cette étoile indique l'entrée du Chabbat", colonne_memo9_);
    Memo7 = etoile("Memo7", "Cette étoile indique la sortie du Chabbat", colonne_memo9_);
    bougie_ = new DessinBougie(colonne_memo9_);
    bougie_->hide();
    panneau_chabbat_ = new QLabel(QStringLiteral("Chabbat Chalom"), colonne_memo9_);
    panneau_chabbat_->setObjectName("PanneauChabbat");
    panneau_chabbat_->setStyleSheet(QStringLiteral(
        "background: #1a3c8c; color: white; font-weight: bold; padding: 6px; border-radius: 4px;"));
    panneau_chabbat_->hide();
    auto* colonne = new QVBoxLayout(colonne_memo9_);
    colonne->setContentsMargins(4, 0, 0, 0);
    auto* etoiles = new QHBoxLayout;
    etoiles->addWidget(Memo6);
    etoiles->addWidget(Memo7);
    etoiles->addStretch();
    colonne->addLayout(etoiles);
    colonne->addStretch();
    auto* images = new QHBoxLayout;
    images->addWidget(bougie_);
    images->addWidget(panneau_chabbat_);
    images->addStretch();
    colonne->addLayout(images);
}

QWidget* TFMainForm::cree_panneau_horaires()
{
    auto* w = new QGroupBox;
    w->setObjectName("PanneauHoraires");
    auto* titre = new QLabel(QStringLiteral("Horaires selon l'opinion :"), w);
    Label40 = new QLabel(w);
    Label40->setObjectName("Label40");
    Label40->setStyleSheet(QStringLiteral("font-weight: bold; color: #1a3c8c;"));
    Memo3 = new QLabel(w);
    Memo3->setObjectName("Memo3");
    Memo3->setFont(police_fixe(9, true));

    Memo2 = new ZoneResultat("Memo2", 9, w);
    dimensionne(Memo2, 18);
    Memo2->setFixedWidth(Memo2->fontMetrics().horizontalAdvance(QString(35, QLatin1Char('0'))) +
                         2 * Memo2->frameWidth() + 8);
    memo5 = new ZoneResultat("memo5", 9, w);
    dimensionne(memo5, 18);
    memo5->setFixedWidth(memo5->fontMetrics().horizontalAdvance(QStringLiteral("★★")) + 12);
    cree_colonne_memo9(w);

    Memo10 = new ZoneResultat("Memo10", 9, w);
    dimensionne(Memo10, 2);
    Memo11 = new ZoneResultat("Memo11", 9, w);
    dimensionne(Memo11, 4);

    auto* liste = new QHBoxLayout;
    liste->setSpacing(0);
    liste->addWidget(memo5);
    liste->addWidget(Memo2);
    liste->addWidget(colonne_memo9_, 1);
    panneaux_horaires_ = new QWidget(w);
    auto* panneaux = new QVBoxLayout(panneaux_horaires_);
    panneaux->setContentsMargins(0, 0, 0, 0);
    panneaux->addWidget(Memo10);
    panneaux->addWidget(Memo11);

    auto* layout = new QVBoxLayout(w);
    layout->setSpacing(3);
    auto* opinion = new QHBoxLayout;
    opinion->addWidget(titre);
    opinion->addWidget(Label40, 1);
    opinion->addWidget(Memo3);
    layout->addLayout(opinion);
    layout->addLayout(liste);
    layout->addWidget(panneaux_horaires_);
    layout->addStretch();
    return w;
}

void TFMainForm::calcule_jour()
{
    if (!panneau_.valide()) {
        return;
    }
    try {
        page_.jour = shell::calcule_jour(ctx_.donnees, demande_page().jour);
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
        return;
    }
    ctx_.heure_ete.correction_ete = page_.jour.horaires.correction_ete;
    ctx_.heure_ete.annee = page_.jour.horaires.annee_ete;
    affiche_jour();
    if (page_.jour.refuse) {
        if (!page_.jour.message.empty()) {
            dialogues_.information(page_.jour.message);
        }
        return;
    }
    if (page_.jour.a_des_horaires() && places::lieu_enregistrable(ctx_.lieu_courant)) {
        sauve_lieu_accueil();
    }
}

void TFMainForm::affiche_jour()
{
    const shell::JourCalcule& j = page_.jour;
    affiche_lune();
    affiche_textes_du_jour();
    affiche_caracteristiques();
    Memo3->setText(qs(j.ligne_date));
    if (!j.avec_ville) {
        cache_horaires("   Choisissez une ville en " + ctx_.lieu_courant.pays);
        return;
    }
    if (!j.a_des_horaires()) {
        cache_horaires(j.message);
        return;
    }
    panneaux_horaires_->show();
    memo5->show();
    affiche_liste_horaires();
    colore_liste();
    Memo11->affiche(j.durees);
    if (j.horaires.annee_ete.trouve()) {
        const bool ete = j.horaires.correction_ete != 0;
        Label44->setText(qs(places::texte_etiquette_table(ete)));
    }
    Label44->setToolTip(qs(places::bulle_etiquette(j.horaires.annee_ete.trouve()))
                            .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // The correction of the day shows in its box and its buttons.
    garde_correction_ = true;
    Edit4->setText(qs(shell::texte_correction(j.horaires.correction_ete)));
    garde_correction_ = false;
    boutons_correction();
    place_marqueur(shell::secondes_du_jour(ctx_.horloge->now()));
    affiche_etoiles();
}

void TFMainForm::affiche_liste_horaires()
{
    std::vector<std::string> lignes = {""};
    for (const shell::LigneHoraire& l : page_.jour.lignes) {
        lignes.push_back(l.texte);
    }
    Memo2->affiche(lignes);
}

void TFMainForm::colore_liste()
{
    const shell::GenreJour genre = page_.jour.nature.genre;
    const auto [fond, texte] = couleurs(genre);
    for (ZoneResultat* z : {Memo2, memo5}) {
        QPalette p = z->palette();
        p.setColor(QPalette::Base, fond);
        p.setColor(QPalette::Text, texte);
        z->setPalette(p);
    }
    const std::string& nom = page_.jour.nature.nom_special;
    Label13->setText(qs(nom));
    Label13->setVisible(genre != shell::GenreJour::ordinaire && !nom.empty());
}

void TFMainForm::cache_horaires(const std::string& message)
{
    Memo2->affiche({"", message});
    memo5->efface();
    Memo9->hide();
    Memo10->efface();
    Memo11->efface();
    panneaux_horaires_->hide();
    bougie_->hide();
    panneau_chabbat_->hide();
    libelles_jour_[0]->setText(
        qs(shell::sans_horaires_chabbat(libelles_jour_[0]->text().toStdString())));
}

void TFMainForm::place_marqueur(long maintenant)
{
    const shell::JourCalcule& j = page_.jour;
    if (!j.a_des_horaires() || j.lignes.empty()) {
        return;
    }
    const shell::ProchainMoment p = shell::prochain_moment(j.lignes, maintenant);
    std::vector<std::string> marques = {""};
    for (std::size_t i = 0; i < j.lignes.size(); ++i) {
        marques.push_back(static_cast<int>(i) == p.ligne ? "★" : "");
    }
    if (memo5->lignes() != marques) {
        memo5->affiche(marques);
    }
    Memo9->setText(qs(p.texte).replace(QLatin1Char('\t'), QStringLiteral(" ")));
    Memo9->adjustSize();
    // Beside the marked line: the first line of Memo2 is empty.
    const QTextBlock bloc = Memo2->document()->findBlockByNumber(p.ligne + 1);
    const QRect r = Memo2->cursorRect(QTextCursor(bloc));
    QWidget* commun = colonne_memo9_->parentWidget();
    const QPoint haut =
        colonne_memo9_->mapFrom(commun, Memo2->viewport()->mapTo(commun, r.topLeft()));
    Memo9->move(4, std::max(0, haut.y() - 2));
    Memo9->setVisible(p.visible);
    Memo9->raise();
    // The entry of the Sabbath draws attention to itself as it comes near.
    const shell::EtatChabbat c =
        shell::etat_chabbat(j.jour_semaine, j.chabbat.entree, j.chabbat.sortie, maintenant);
    bougie_->setVisible(c.bougie || p.bougie);
    panneau_chabbat_->setVisible(c.panneau);
    Memo9->setStyleSheet(
        QStringLiteral("background: #fff6c0; border: 1px solid #a08000; padding: 2px; color: %1;")
            .arg(p.entree_prochaine ? (p.legende_rouge ? "red" : "blue") : "#202020"));
    Memo10->affiche(shell::lignes_heures_saison(j, maintenant / 3600.0));
}

void TFMainForm::affiche_etoiles()
{
    const std::string montre = panneau_.nom_jour();
    const std::string aujourdhui = std::string(shell::jour_anglais(engine::jour_semaine(
        engine::DateCivile{ctx_.engine.aujourdhui_annee, ctx_.engine.aujourdhui_mois,
                           ctx_.engine.aujourdhui_jour})));
    const shell::EtoilesChabbat e = shell::etoiles_chabbat(montre, aujourdhui);
    const bool visibles = panneau_.valide();
    Memo6->setVisible(visibles && e.entree);
    Memo7->setVisible(visibles && e.sortie);
}

void TFMainForm::sauve_lieu_accueil()
{
    places::LieuAccueil a;
    a.lieu = ctx_.lieu_courant;
    a.opinion = Label40->text().toStdString();
    a.correction = shell::texte_correction(page_.jour.horaires.correction_ete);
    a.fichier_lieux = fichier_lieux_;
    try {
        places::ecrit_lieu_accueil(ctx_.repertoire, a);
        ctx_.lieux.accueil = a;
    } catch (const platform::FileError& e) {
        montre_erreur_fichier(e);
    }
}

} // namespace orvane::gui
