#include "gui/shell/main_form/day/next_moment_column.h"

#include "gui/shell/day_pictures.h"
#include "shell/day/next_moment.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane::gui
{

namespace
{

QLabel* etoile(const char* nom, const char* aide, QWidget* parent)
{
    auto* l = new QLabel(QStringLiteral("✡"), parent);
    l->setObjectName(nom);
    l->setToolTip(QString::fromUtf8(aide));
    l->setStyleSheet(QStringLiteral("color: #c8a000; font-size: 20pt;"));
    l->hide();
    return l;
}

/// The box of the next moment, its text in `couleur`.
QString style_prochain(const char* couleur)
{
    return QStringLiteral(
               "background: #fff6c0; border: 1px solid #a08000; padding: 2px; color: %1;")
        .arg(QLatin1String(couleur));
}

} // namespace

ColonneProchainMoment::ColonneProchainMoment(QWidget* parent) : QWidget(parent)
{
    setObjectName("ColonneMemo9");
    setMinimumWidth(140);
    cree_colonne();
    dispose();
}

void ColonneProchainMoment::cree_colonne()
{
    Memo9 = new QLabel(this);
    Memo9->setObjectName("Memo9");
    Memo9->setToolTip(QStringLiteral("Prochain moment significatif de la journée juive"));
    Memo9->setStyleSheet(style_prochain("#202020"));
    Memo9->setWordWrap(true);
    Memo9->setFixedWidth(140);
    Memo9->hide();
    Memo6 = etoile("Memo6", "Cette étoile indique l'entrée du Chabbat", this);
    Memo7 = etoile("Memo7", "Cette étoile indique la sortie du Chabbat", this);
    bougie_ = new DessinBougie(this);
    bougie_->hide();
    panneau_chabbat_ = new QLabel(QStringLiteral("Chabbat Chalom"), this);
    panneau_chabbat_->setObjectName("PanneauChabbat");
    panneau_chabbat_->setStyleSheet(QStringLiteral(
        "background: #1a3c8c; color: white; font-weight: bold; padding: 6px; border-radius: 4px;"));
    panneau_chabbat_->hide();
}

void ColonneProchainMoment::dispose()
{
    auto* colonne = new QVBoxLayout(this);
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

void ColonneProchainMoment::montre_moment(const shell::ProchainMoment& p, int haut,
                                          const shell::EtatChabbat& chabbat)
{
    Memo9->setText(QString::fromStdString(p.texte).replace(QLatin1Char('\t'), QStringLiteral(" ")));
    Memo9->adjustSize();
    // Beside the marked line of the list.
    Memo9->move(4, std::max(0, haut - 2));
    Memo9->setVisible(p.visible);
    Memo9->raise();
    // The entry of the Sabbath draws attention to itself as it comes near.
    bougie_->setVisible(chabbat.bougie || p.bougie);
    panneau_chabbat_->setVisible(chabbat.panneau);
    Memo9->setStyleSheet(
        style_prochain(p.entree_prochaine ? (p.legende_rouge ? "red" : "blue") : "#202020"));
}

void ColonneProchainMoment::cache_moment()
{
    Memo9->hide();
    bougie_->hide();
    panneau_chabbat_->hide();
}

void ColonneProchainMoment::montre_etoiles(bool entree, bool sortie)
{
    Memo6->setVisible(entree);
    Memo7->setVisible(sortie);
}

} // namespace orvane::gui
