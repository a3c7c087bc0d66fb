#include "gui/shell/main_form/day/times_panel.h"

#include "gui/common/fonts.h"
#include "gui/common/result_area.h"
#include "gui/shell/main_form/day/next_moment_column.h"
#include "shell/day/day_page_contents.h"
#include "shell/day/next_moment.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

/// Background and text of the list by kind of day.
std::pair<QColor, QColor> couleurs(events::GenreJour genre)
{
    switch (genre) {
    case events::GenreJour::fete_chomee:
        return {QColor(255, 255, 150), Qt::black};
    case events::GenreJour::jeune:
        return {QColor(40, 70, 170), Qt::white};
    case events::GenreJour::kippour:
        return {QColor(128, 0, 0), Qt::white};
    case events::GenreJour::demi_fete:
        return {QColor(170, 230, 160), Qt::black};
    case events::GenreJour::chabbat:
        return {QColor(170, 240, 250), Qt::black};
    case events::GenreJour::ordinaire:
        break;
    }
    return {Qt::white, Qt::black};
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

PanneauHoraires::PanneauHoraires(QWidget* parent) : QGroupBox(parent)
{
    setObjectName("PanneauHoraires");
    auto* titre = new QLabel(QStringLiteral("Horaires selon l'opinion :"), this);
    Label40 = new QLabel(this);
    Label40->setObjectName("Label40");
    Label40->setStyleSheet(QStringLiteral("font-weight: bold; color: #1a3c8c;"));
    Memo3 = new QLabel(this);
    Memo3->setObjectName("Memo3");
    Memo3->setFont(police_fixe(9, true));
    cree_liste();
    cree_panneaux();
    dispose(titre);
}

void PanneauHoraires::cree_liste()
{
    Memo2 = new ZoneResultat("Memo2", 9, this);
    dimensionne(Memo2, 18);
    Memo2->setFixedWidth(Memo2->fontMetrics().horizontalAdvance(QString(35, QLatin1Char('0'))) +
                         2 * Memo2->frameWidth() + 8);
    memo5 = new ZoneResultat("memo5", 9, this);
    dimensionne(memo5, 18);
    memo5->setFixedWidth(memo5->fontMetrics().horizontalAdvance(QStringLiteral("★★")) + 12);
    colonne_ = new ColonneProchainMoment(this);
}

void PanneauHoraires::cree_panneaux()
{
    Memo10 = new ZoneResultat("Memo10", 9, this);
    dimensionne(Memo10, 2);
    Memo11 = new ZoneResultat("Memo11", 9, this);
    dimensionne(Memo11, 4);
    panneaux_horaires_ = new QWidget(this);
    auto* panneaux = new QVBoxLayout(panneaux_horaires_);
    panneaux->setContentsMargins(0, 0, 0, 0);
    panneaux->addWidget(Memo10);
    panneaux->addWidget(Memo11);
}

void PanneauHoraires::dispose(QLabel* titre)
{
    auto* liste = new QHBoxLayout;
    liste->setSpacing(0);
    liste->addWidget(memo5);
    liste->addWidget(Memo2);
    liste->addWidget(colonne_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    auto* opinion = new QHBoxLayout;
    opinion->addWidget(titre);
    opinion->addWidget(Label40, 1);
    opinion->addWidget(Memo3);
    layout->addLayout(opinion);
    layout->addLayout(liste);
    layout->addWidget(panneaux_horaires_);
    layout->addStretch();
}

void PanneauHoraires::montre_opinion(const std::string& opinion)
{
    Label40->setText(QString::fromStdString(opinion));
}

void PanneauHoraires::montre_date(const std::string& ligne)
{
    Memo3->setText(QString::fromStdString(ligne));
}

void PanneauHoraires::affiche(const shell::JourCalcule& j)
{
    panneaux_horaires_->show();
    memo5->show();
    std::vector<std::string> lignes = {""};
    for (const shell::LigneHoraire& l : j.lignes) {
        lignes.push_back(l.texte);
    }
    Memo2->affiche(lignes);
    colore_liste(j);
    Memo11->affiche(j.durees);
}

void PanneauHoraires::colore_liste(const shell::JourCalcule& j)
{
    const auto [fond, texte] = couleurs(j.nature.genre);
    for (ZoneResultat* z : {Memo2, memo5}) {
        QPalette p = z->palette();
        p.setColor(QPalette::Base, fond);
        p.setColor(QPalette::Text, texte);
        z->setPalette(p);
    }
}

void PanneauHoraires::cache(const std::string& message)
{
    Memo2->affiche({"", message});
    memo5->efface();
    marques_.clear();
    Memo10->efface();
    Memo11->efface();
    panneaux_horaires_->hide();
    colonne_->cache_moment();
}

void PanneauHoraires::efface_liste()
{
    Memo2->efface();
}

int PanneauHoraires::haut_de_ligne(int ligne) const
{
    const QTextBlock bloc = Memo2->document()->findBlockByNumber(ligne);
    const QRect r = Memo2->cursorRect(QTextCursor(bloc));
    const QPoint haut = colonne_->mapFrom(this, Memo2->viewport()->mapTo(this, r.topLeft()));
    return haut.y();
}

void PanneauHoraires::place_marqueur(const shell::JourCalcule& j, long maintenant)
{
    if (!j.a_des_horaires() || j.lignes.empty()) {
        return;
    }
    const shell::ProchainMoment p = shell::prochain_moment(j.lignes, maintenant);
    std::vector<std::string> marques = {""};
    for (std::size_t i = 0; i < j.lignes.size(); ++i) {
        marques.push_back(static_cast<int>(i) == p.ligne ? "★" : "");
    }
    if (marques_ != marques) {
        memo5->affiche(marques);
        marques_ = std::move(marques);
    }
    // The first line of the list is empty: the marked line is one below.
    const shell::EtatChabbat c =
        shell::etat_chabbat(j.jour_semaine, j.chabbat.entree, j.chabbat.sortie, maintenant);
    colonne_->montre_moment(p, haut_de_ligne(p.ligne + 1), c);
    Memo10->affiche(shell::lignes_heures_saison(j, maintenant / 3600.0));
}

void PanneauHoraires::montre_etoiles(bool entree, bool sortie)
{
    colonne_->montre_etoiles(entree, sortie);
}

void PanneauHoraires::montre_controles_du_jour(bool visibles)
{
    Memo3->setVisible(visibles);
    memo5->setVisible(visibles);
    colonne_->montre_etoiles(visibles, visibles);
    colonne_->setVisible(visibles);
}

} // namespace orvane::gui
