// TFMainForm: the texts of the day (the text with the Sabbath times, the
// Omer, the coming Sabbath, the week, the prayer for rain, the events of the
// week in Hebrew letters) and the characteristics of the Hebrew year.
#include "gui/common/fonts.h"
#include "gui/shell/main_window.h"
#include "shell/day/day_labels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<int>(texte.size()));
}

} // namespace

namespace
{

/// A label that never widens its column: a text longer than the column is
/// cut at its right edge.
void sans_elargir(QLabel* l)
{
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setMinimumWidth(0);
}

} // namespace

QWidget* TFMainForm::cree_textes_du_jour()
{
    auto* w = new QWidget;
    Label9 = new QLabel(w);
    Label9->setObjectName("Label9");
    Label9->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Label13 = new QLabel(w);
    Label13->setObjectName("Label13");
    QFont grand = Label13->font();
    grand.setPointSize(14);
    grand.setBold(true);
    Label13->setFont(grand);
    Label13->setStyleSheet(QStringLiteral("color: #8b0000;"));
    Label13->hide();
    textes_jour_ = new QWidget(w);
    textes_jour_->setObjectName("TextesDuJour");
    auto* textes = new QVBoxLayout(textes_jour_);
    textes->setContentsMargins(0, 0, 0, 0);
    textes->setSpacing(1);
    for (std::string_view nom : shell::etiquettes_du_jour) {
        auto* l = new QLabel(textes_jour_);
        l->setObjectName(qs(nom));
        l->setFont(police_fixe(9));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        textes->addWidget(l);
        libelles_jour_.push_back(l);
    }
    // The two lines of the day in red, as today's dates.
    libelles_jour_[0]->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    libelles_jour_[1]->setStyleSheet(QStringLiteral("color: red;"));
    Label20 = new QLabel(textes_jour_);
    Label20->setObjectName("Label20");
    textes->addWidget(Label20);
    for (QLabel* l : libelles_jour_) {
        sans_elargir(l);
    }
    for (QLabel* l : {Label9, Label13, Label20}) {
        sans_elargir(l);
    }

    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label9);
    layout->addWidget(Label13);
    layout->addWidget(textes_jour_);
    return w;
}

QWidget* TFMainForm::cree_caracteristiques()
{
    auto* g = new QGroupBox(QStringLiteral("Caractéristiques de l'année hébraïque"));
    g->setObjectName("Caracteristiques");
    const std::array<const char*, 6> noms = {"Label14", "Label15", "Label17",
                                             "Label18", "Label19", "Label47"};
    auto* grille = new QGridLayout(g);
    grille->setVerticalSpacing(1);
    for (std::size_t i = 0; i < noms.size(); ++i) {
        caracteristiques_[i] = new QLabel(g);
        caracteristiques_[i]->setObjectName(noms[i]);
        sans_elargir(caracteristiques_[i]);
        grille->addWidget(caracteristiques_[i], static_cast<int>(i), 0);
    }
    Label16 = new QLabel(g);
    Label16->setObjectName("Label16");
    Label41 = new QLabel(g);
    Label41->setObjectName("Label41");
    grille->addWidget(Label16, 0, 1, 2, 1, Qt::AlignRight);
    grille->addWidget(Label41, 2, 1, 2, 1, Qt::AlignRight);
    grille->setColumnStretch(0, 1);
    return g;
}

void TFMainForm::affiche_textes_du_jour()
{
    const auto textes = shell::textes_du_jour(page_.jour, montre_aujourdhui());
    for (std::size_t i = 0; i < textes.size(); ++i) {
        libelles_jour_[i]->setText(qs(textes[i]));
        libelles_jour_[i]->setVisible(!textes[i].empty());
    }
    std::string hebreu;
    for (const std::string& t : page_.jour.textes.textes_hebreux) {
        hebreu += (hebreu.empty() ? "" : "   ") + t;
    }
    affiche_hebreu(*Label20, hebreu, 16);
    Label20->setVisible(!hebreu.empty());
}

void TFMainForm::affiche_caracteristiques()
{
    const events::CaracteristiquesAnnee& k = page_.jour.caracteristiques;
    const std::array<const std::string*, 6> textes = {
        &k.texte_type,          &k.texte_longueur,      &k.texte_cycle_lunaire,
        &k.texte_cycle_solaire, &k.texte_birkat_hahama, &k.texte_chemita};
    for (std::size_t i = 0; i < textes.size(); ++i) {
        caracteristiques_[i]->setText(qs(*textes[i]));
    }
    affiche_hebreu(*Label16, k.signe_hebreu, 22);
    affiche_hebreu(*Label41, k.mot_hebreu, 18);
}

} // namespace orvane::gui
