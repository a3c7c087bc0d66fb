#include "gui/shell/main_form/day/day_texts_panel.h"

#include "gui/common/fonts.h"
#include "gui/common/narrow_label.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

/// A line of the day for its label: "Ent: 16.35" and "Sor: 17.48" never
/// broken between the word and its time when the line wraps.
QString sans_coupure_des_horaires(const std::string& texte)
{
    return QString::fromStdString(texte)
        .replace(QStringLiteral("Ent: "), QStringLiteral("Ent:\u00a0"))
        .replace(QStringLiteral("Sor: "), QStringLiteral("Sor:\u00a0"));
}

QString qs(std::string_view texte)
{
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

} // namespace

PanneauTextesDuJour::PanneauTextesDuJour(QWidget* parent) : QWidget(parent)
{
    setObjectName("PanneauTextesDuJour");
    cree_titres();
    cree_textes();
    for (QLabel* l : {Label9, Label13, Label20}) {
        sans_elargir(l);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label9);
    layout->addWidget(Label13);
    layout->addWidget(textes_jour_);
}

void PanneauTextesDuJour::cree_titres()
{
    Label9 = new QLabel(this);
    Label9->setObjectName("Label9");
    Label9->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Label13 = new QLabel(this);
    Label13->setObjectName("Label13");
    QFont grand = Label13->font();
    grand.setPointSize(14);
    grand.setBold(true);
    Label13->setFont(grand);
    Label13->setStyleSheet(QStringLiteral("color: #8b0000;"));
    Label13->hide();
}

void PanneauTextesDuJour::cree_textes()
{
    textes_jour_ = new QWidget(this);
    textes_jour_->setObjectName("TextesDuJour");
    auto* textes = new QVBoxLayout(textes_jour_);
    textes->setContentsMargins(0, 0, 0, 0);
    textes->setSpacing(1);
    for (std::size_t i = 0; i < libelles_jour_.size(); ++i) {
        auto* l = new QLabel(textes_jour_);
        l->setObjectName(qs(shell::etiquettes_du_jour[i]));
        l->setFont(police_fixe(9));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sans_elargir(l);
        textes->addWidget(l);
        libelles_jour_[i] = l;
    }
    // The two lines of the day in red, as today's dates.
    libelles_jour_[0]->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    libelles_jour_[1]->setStyleSheet(QStringLiteral("color: red;"));
    Label20 = new QLabel(textes_jour_);
    Label20->setObjectName("Label20");
    textes->addWidget(Label20);
}

void PanneauTextesDuJour::montre_ville(const std::string& ligne)
{
    Label9->setText(QString::fromStdString(ligne));
}

void PanneauTextesDuJour::montre_jour_special(const std::string& nom, bool visible)
{
    Label13->setText(QString::fromStdString(nom));
    Label13->setVisible(visible);
}

void PanneauTextesDuJour::montre(const Textes& textes,
                                 const std::vector<std::string>& textes_hebreux)
{
    textes_ = textes;
    for (std::size_t i = 0; i < textes_.size(); ++i) {
        libelles_jour_[i]->setText(sans_coupure_des_horaires(textes_[i]));
        libelles_jour_[i]->setVisible(!textes_[i].empty());
    }
    std::string hebreu;
    for (const std::string& t : textes_hebreux) {
        hebreu += (hebreu.empty() ? "" : "   ") + t;
    }
    affiche_hebreu(*Label20, hebreu, 16);
    Label20->setVisible(!hebreu.empty());
}

void PanneauTextesDuJour::retire_horaires_chabbat()
{
    textes_[0] = shell::sans_horaires_chabbat(textes_[0]);
    libelles_jour_[0]->setText(sans_coupure_des_horaires(textes_[0]));
}

void PanneauTextesDuJour::montre_textes(bool visibles)
{
    textes_jour_->setVisible(visibles);
}

} // namespace orvane::gui
