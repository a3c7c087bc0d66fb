#include "gui/calendars/moon_window.h"

#include "engine/date_texts.h"
#include "gui/calendars/moon_drawing.h"
#include "gui/common/mnemonics.h"
#include "shell/app_context.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace orvane::gui
{

namespace
{

const QColor bleu_ciel(20, 40, 120);
constexpr int milliseconds_par_pas = 300;

} // namespace

SceneLune::SceneLune(const shell::AnimationLune& animation, QWidget* parent)
    : QWidget(parent), animation_(animation)
{
    setObjectName("SceneLune");
    setMinimumSize(760, 470);
}

QPointF SceneLune::terre() const
{
    return {width() * 0.38, height() * 0.46};
}

QPointF SceneLune::soleil() const
{
    return {width() - 70.0, height() * 0.46};
}

QPointF SceneLune::place_du_jour(int jour) const
{
    // Twelve degrees a day, counter-clockwise from the conjunction (day 30,
    // towards the Sun): day 7 or 8 at the top, 15 on the far side, 22 at
    // the bottom.
    const double angle =
        (jour % shell::AnimationLune::jours) * 2.0 * std::numbers::pi / shell::AnimationLune::jours;
    const QPointF t = terre();
    const double a = width() * 0.3;
    const double b = height() * 0.36;
    return {t.x() + a * std::cos(angle), t.y() - b * std::sin(angle)};
}

void SceneLune::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), bleu_ciel);
    dessine_astres(p);
    dessine_textes(p);
    for (int jour = 1; jour <= shell::AnimationLune::jours; ++jour) {
        if (animation_.visible(jour)) {
            dessine_lune(p, place_du_jour(jour), rayon_lune, jour);
        }
    }
}

void SceneLune::dessine_astres(QPainter& p) const
{
    const QPointF t = terre();
    p.setPen(QPen(QColor(120, 140, 200), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(t, width() * 0.3, height() * 0.36);

    const QPointF s = soleil();
    p.setPen(QPen(QColor(255, 200, 40), 2));
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8;
        p.drawLine(s + QPointF(44 * std::cos(a), 44 * std::sin(a)),
                   s + QPointF(58 * std::cos(a), 58 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(s, 40, 40);

    QRadialGradient mer(t - QPointF(8, 8), 34);
    mer.setColorAt(0, QColor(110, 170, 255));
    mer.setColorAt(1, QColor(20, 70, 170));
    p.setBrush(mer);
    p.drawEllipse(t, 28, 28);
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(t + QPointF(-8, -6), 10, 7);
    p.drawEllipse(t + QPointF(9, 8), 8, 6);
}

void SceneLune::dessine_textes(QPainter& p) const
{
    p.setPen(Qt::white);
    const QPointF t = terre();
    const QPointF s = soleil();
    const auto ecrit = [&p](QPointF ou, const QString& texte) {
        const QRectF cadre(ou.x() - 110, ou.y() - 9, 220, 18);
        p.drawText(cadre, Qt::AlignCenter, texte);
    };
    ecrit(s + QPointF(0, 70), QStringLiteral("Soleil"));
    ecrit(t + QPointF(0, 42), QStringLiteral("Terre"));
    const QPointF conjonction = place_du_jour(shell::AnimationLune::jours);
    ecrit(conjonction + QPointF(60, -66), QStringLiteral("Nouvelle lune"));
    ecrit(conjonction + QPointF(60, -50), QStringLiteral("Conjonction"));
    ecrit(conjonction + QPointF(60, 34), QStringLiteral("Roch 'Hodech"));
    ecrit(conjonction + QPointF(60, 50), QStringLiteral("Molad"));
    ecrit(QPointF(t.x(), place_du_jour(7).y() - 26), QStringLiteral("Premier quartier"));
    ecrit(place_du_jour(15) + QPointF(0, 30), QStringLiteral("Pleine lune"));
    ecrit(QPointF(t.x(), place_du_jour(22).y() + 26), QStringLiteral("Dernier quartier"));
    ecrit(QPointF(t.x() - 60, height() - 50), QStringLiteral("<------"));
    ecrit(QPointF(t.x() + 120, height() - 50),
          QStringLiteral("Forme de la lune visible de la terre"));
    p.drawText(
        QRectF(10, height() - 28, width() - 20, 20), Qt::AlignCenter,
        QStringLiteral("La lune tourne autour de la terre avec une durée moyenne de 29 jours "
                       "12 heures et 793 'halakim (c'est le cycle lunaire)"));
}

TFLune::TFLune(shell::AppContext& ctx, int jour_hebr, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), ctx_(ctx),
      animation_(jour_hebr)
{
    setObjectName("TFLune");
    setWindowTitle(QStringLiteral("Phases de la lune au cours du cycle lunaire"));
    scene_ = new SceneLune(animation_, this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setReadOnly(true);
    Edit1->setMaximumWidth(50);
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label4 = new QLabel(QStringLiteral("Position de la lune aujourd'hui"), this);
    Label4->setObjectName("Label4");
    Label4->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    Label4->hide();
    Button1 = new QPushButton(QStringLiteral("Arrêter le mouvement de la lune"), this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(QStringLiteral("Fermer"), this);
    Button2->setObjectName("Button2");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(milliseconds_par_pas);

    auto* bas = new QHBoxLayout;
    bas->addWidget(new QLabel(QStringLiteral("Jour dans le mois"), this));
    bas->addWidget(Edit1);
    bas->addWidget(Label3, 1);
    bas->addWidget(Label4);
    bas->addWidget(Button1);
    bas->addWidget(Button2);
    auto* page = new QVBoxLayout(this);
    page->addWidget(scene_, 1);
    page->addLayout(bas);

    connect(Timer1, &QTimer::timeout, this, &TFLune::Timer1Timer);
    // The moon stands still while the button is held down.
    connect(Button1, &QPushButton::pressed, Timer1, &QTimer::stop);
    connect(Button1, &QPushButton::released, Timer1, qOverload<>(&QTimer::start));
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    donne_mnemoniques(this);
    montre_etat();
}

bool TFLune::event(QEvent* e)
{
    // Shown or brought to the front, the moon sets off again; a desktop
    // without a window manager never activates a window, so showing it is
    // enough.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) && !Timer1->isActive()) {
        FormActivate();
    } else if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::Hide) {
        FormDeactivate();
    }
    return QWidget::event(e);
}

void TFLune::FormActivate()
{
    animation_.active();
    engine::CalendarEngine e;
    Label3->setText(
        QStringLiteral("Aujourd'hui : ") +
        QString::fromStdString(engine::ecrit_dates_du_jour(e, *ctx_.horloge).ligne_date_hebraique));
    montre_etat();
    Timer1->start();
}

void TFLune::FormDeactivate()
{
    Timer1->stop();
}

void TFLune::Timer1Timer()
{
    animation_.pas();
    montre_etat();
}

void TFLune::montre_etat()
{
    Edit1->setText(QString::number(animation_.jour()));
    Label4->setVisible(animation_.notice());
    scene_->update();
}

} // namespace orvane::gui
