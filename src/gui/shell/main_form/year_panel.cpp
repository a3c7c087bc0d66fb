#include "gui/shell/main_form/year_panel.h"

#include "engine/date_validity.h"
#include "gui/common/result_area.h"
#include "shell/main_form/main_panels.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane::gui
{

namespace
{

constexpr const char* aide_memo1 =
    "F au début de ligne indiquent les jours de Fêtes (Fériés)\rf au début de ligne indiquent les "
    "jours de demi-fêtes (semi-fériés).\rCliquer ici pour changer la taille de cette fenêtre.";

} // namespace

PanneauAnnee::PanneauAnnee(QWidget* parent)
    : QGroupBox(QStringLiteral("Jours importants de l'année"), parent)
{
    setObjectName("PanneauAnnee");
    cree_panneau();
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &PanneauAnnee::annee_choisie);
}

void PanneauAnnee::cree_panneau()
{
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(engine::annee_hebr_min, engine::annee_hebr_max);
    SpinEdit1->setKeyboardTracking(false);
    Label32 = new QLabel(this);
    Label32->setObjectName("Label32");
    Memo1 = new ZoneResultat("Memo1", 8, this);
    Memo1->setToolTip(QString::fromUtf8(aide_memo1).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    Memo1->setMinimumHeight(110);
    Memo1->viewport()->installEventFilter(this);
    auto* haut = new QHBoxLayout;
    haut->addWidget(SpinEdit1);
    haut->addWidget(Label32, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    layout->addLayout(haut);
    layout->addWidget(Memo1, 1);
}

int PanneauAnnee::annee() const
{
    return SpinEdit1->value();
}

void PanneauAnnee::ecrit_annee(int annee)
{
    const QSignalBlocker bloque(SpinEdit1);
    SpinEdit1->setValue(annee);
}

void PanneauAnnee::choisit_annee(int annee)
{
    SpinEdit1->setValue(annee);
}

void PanneauAnnee::montre(int annee, const std::vector<std::string>& jours_importants)
{
    Label32->setText(QString::fromStdString(shell::libelle_annee_panneau(annee)));
    Memo1->affiche(jours_importants);
}

void PanneauAnnee::reduit_liste()
{
    if (liste_grande_) {
        liste_grande_ = false;
        emit agrandie(false);
    }
}

QFont PanneauAnnee::police_liste() const
{
    return Memo1->font();
}

void PanneauAnnee::Memo1Click()
{
    liste_grande_ = !liste_grande_;
    emit agrandie(liste_grande_);
}

bool PanneauAnnee::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == Memo1->viewport() && event->type() == QEvent::MouseButtonPress) {
        Memo1Click();
    }
    return QGroupBox::eventFilter(objet, event);
}

} // namespace orvane::gui
