#include "gui/shell/main_form/dates/conversion_boxes.h"

#include "gui/common/fonts.h"
#include "shell/main_form/conversion_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <array>

namespace orvane::gui
{

namespace
{

QSpinBox* boite(QWidget* parent, const char* nom, int min, int max)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(min, max);
    s->setKeyboardTracking(false);
    s->setFont(police_fixe(9, true));
    return s;
}

/// A read-only box wide enough for `modele`.
QLineEdit* texte(QWidget* parent, const char* nom, const QString& modele = {})
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setReadOnly(true);
    e->setFont(police_fixe(8));
    if (!modele.isEmpty()) {
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(modele) + 12);
    }
    return e;
}

/// Sets a box without running its change slot.
void pose(QSpinBox* s, int valeur)
{
    const QSignalBlocker bloque(s);
    s->setValue(valeur);
}

} // namespace

BoitesConversion::BoitesConversion(shell::PanneauConversion& modele, QWidget* parent)
    : QGroupBox(QStringLiteral("Conversion de dates"), parent), modele_(modele)
{
    setObjectName("PanneauConversion");
    cree_boites();
    cree_textes();
    dispose();
    connecte();
}

void BoitesConversion::cree_boites()
{
    SpinEdit3 = boite(this, "SpinEdit3", 0, 32);
    SpinEdit9 = boite(this, "SpinEdit9", 0, 13);
    SpinEdit5 = boite(this, "SpinEdit5", -3760, 25000);
    SpinEdit6 = boite(this, "SpinEdit6", 0, 32);
    SpinEdit10 = boite(this, "SpinEdit10", -1, 14);
    SpinEdit8 = boite(this, "SpinEdit8", 1, 25000);
}

void BoitesConversion::cree_textes()
{
    Edit13 = texte(this, "Edit13", QStringLiteral("Septembre"));
    Edit14 = texte(this, "Edit14", QStringLiteral("Hechvan"));
    Edit7 = texte(this, "Edit7", QStringLiteral("Mercredi"));
    Edit11 = texte(this, "Edit11", QStringLiteral("Mercredi"));
    Edit5 = texte(this, "Edit5", QStringLiteral("30"));
    Edit6 = texte(this, "Edit6", QStringLiteral("30"));
    Edit9 = texte(this, "Edit9");
    message_date_ = new QLabel(this);
    message_date_->setObjectName("LabelDateIncorrecte");
    message_date_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    // A long message wraps inside the panel instead of widening the column.
    message_date_->setWordWrap(true);
    message_date_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    message_date_->hide();
}

void BoitesConversion::dispose()
{
    auto* grille = new QGridLayout(this);
    grille->setHorizontalSpacing(4);
    grille->setVerticalSpacing(3);
    auto* civil = new QLabel(QStringLiteral("Civil"), this);
    auto* hebreu = new QLabel(QStringLiteral("Hébreu"), this);
    cote_civil_ = {Edit7, SpinEdit3, SpinEdit9, Edit13, SpinEdit5, Edit5};
    cote_hebreu_ = {Edit11, SpinEdit6, SpinEdit10, Edit14, SpinEdit8, Edit6};
    grille->addWidget(civil, 0, 0);
    grille->addWidget(hebreu, 1, 0);
    for (std::size_t c = 0; c < cote_civil_.size(); ++c) {
        grille->addWidget(cote_civil_[c], 0, static_cast<int>(c) + 1);
        grille->addWidget(cote_hebreu_[c], 1, static_cast<int>(c) + 1);
    }
    grille->addWidget(Edit9, 2, 0, 1, 7);
    grille->addWidget(message_date_, 3, 0, 1, 7);
}

void BoitesConversion::connecte()
{
    connect(SpinEdit3, &QSpinBox::valueChanged, this, &BoitesConversion::SpinEdit3Change);
    connect(SpinEdit9, &QSpinBox::valueChanged, this, &BoitesConversion::SpinEdit9Change);
    connect(SpinEdit5, &QSpinBox::valueChanged, this, &BoitesConversion::SpinEdit5Change);
    connect(SpinEdit6, &QSpinBox::valueChanged, this, &BoitesConversion::SpinEdit6Change);
    connect(SpinEdit10, &QSpinBox::valueChanged, this, &BoitesConversion::SpinEdit10Change);
    connect(SpinEdit8, &QSpinBox::valueChanged, this, &BoitesConversion::SpinEdit8Change);
}

void BoitesConversion::ecrit()
{
    pose(SpinEdit3, modele_.jour_civil());
    pose(SpinEdit9, modele_.mois_civil());
    pose(SpinEdit5, modele_.annee_civile());
    pose(SpinEdit6, modele_.jour_hebr());
    pose(SpinEdit10, modele_.mois_hebr());
    pose(SpinEdit8, modele_.annee_hebr());
    Edit13->setText(QString::fromStdString(modele_.nom_mois_civil()));
    Edit14->setText(QString::fromStdString(modele_.nom_mois_hebreu()));
    const QString jour = QString::fromStdString(modele_.nom_jour());
    Edit7->setText(jour);
    Edit11->setText(jour);
    Edit5->setText(QString::number(modele_.jour_civil()));
    Edit6->setText(QString::number(modele_.jour_hebr()));
    Edit9->setText(QString::fromStdString(modele_.resume()));
}

void BoitesConversion::montre_cote_civil(bool visible)
{
    for (QWidget* w : cote_civil_) {
        w->setVisible(visible);
    }
}

void BoitesConversion::montre_cote_hebreu(bool visible)
{
    for (QWidget* w : cote_hebreu_) {
        w->setVisible(visible);
    }
}

void BoitesConversion::montre_noms_des_jours(bool visibles)
{
    Edit7->setVisible(visibles);
    Edit11->setVisible(visibles);
}

void BoitesConversion::montre_message(bool visible)
{
    if (visible) {
        message_date_->setText(QString::fromStdString(modele_.message()));
    }
    message_date_->setVisible(visible);
}

void BoitesConversion::choisit_jour_civil(int jour)
{
    SpinEdit3->setValue(jour);
}

void BoitesConversion::choisit_jour_hebreu(int jour)
{
    SpinEdit6->setValue(jour);
}

void BoitesConversion::SpinEdit3Change(int jour)
{
    modele_.change_jour_civil(jour);
    emit date_changee();
}

void BoitesConversion::SpinEdit9Change(int mois)
{
    modele_.change_mois_civil(mois);
    emit date_changee();
}

void BoitesConversion::SpinEdit5Change(int annee)
{
    modele_.change_annee_civile(annee);
    emit date_changee();
}

void BoitesConversion::SpinEdit6Change(int jour)
{
    modele_.change_jour_hebreu(jour);
    emit date_changee();
}

void BoitesConversion::SpinEdit10Change(int mois)
{
    modele_.change_mois_hebreu(mois);
    emit date_changee();
}

void BoitesConversion::SpinEdit8Change(int annee)
{
    modele_.change_annee_hebraique(annee);
    emit date_changee();
    emit annee_hebraique_tapee(annee);
}

} // namespace orvane::gui
