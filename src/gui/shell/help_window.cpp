#include "gui/shell/help_window.h"

#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane::gui
{

FenetreAide::FenetreAide(const QString& titre, const std::vector<std::string>& lignes,
                         Imprimante imprime, QWidget* parent)
    : QWidget(parent, Qt::Window), lignes_(lignes), imprime_(std::move(imprime))
{
    setObjectName("FenetreAide");
    setWindowTitle(titre);
    texte_ = new ZoneResultat("MemoAide", 10, this);
    texte_->affiche(lignes_);
    texte_->moveCursor(QTextCursor::Start);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(bouton_nomme(this, "BoutonImprimerAide", QStringLiteral("Imprimer"), this,
                                    &FenetreAide::imprimer));
    boutons->addWidget(
        bouton_nomme(this, "BoutonFermerAide", QStringLiteral("Fermer"), this, &QWidget::close));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texte_, 1);
    layout->addLayout(boutons);
    // 78 columns of the documents and their margins.
    resize(texte_->fontMetrics().horizontalAdvance(QString(84, 'M')), 640);
    donne_mnemoniques(this);
}

void FenetreAide::imprimer()
{
    TexteAImprimer t;
    t.lignes = lignes_;
    t.police = police_d_impression(texte_->font(), taille_impression_defaut);
    imprime_(t);
}

} // namespace orvane::gui
