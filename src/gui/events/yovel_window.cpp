#include "gui/events/yovel_window.h"

#include "engine/dates.h"
#include "events/glossary_entry.h"
#include "events/omer/omer_glossary.h"
#include "gui/common/app_icon.h"
#include "gui/common/mnemonics.h"
#include "gui/common/named_button.h"
#include "gui/common/result_area.h"
#include "platform/file_error.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"
#include "shell/app_context.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane::gui
{

namespace
{

using events::AvisChemita;

/// The two outer buttons step once when pressed, then every 100 ms while held.
constexpr int repetition_ms = 100;
constexpr int largeur_case = 52;

QString qs(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QLabel* case_de_bande(QWidget* parent, const QString& nom)
{
    auto* c = new QLabel(parent);
    c->setObjectName(nom);
    c->setAlignment(Qt::AlignCenter);
    c->setFrameStyle(QFrame::Box | QFrame::Plain);
    c->setFixedWidth(largeur_case);
    c->setMinimumHeight(24);
    c->setAutoFillBackground(true);
    return c;
}

/// A button that repeats while held, stepping on each press signal.
template <class Slot>
QPushButton* bouton_repete(QWidget* parent, const char* nom, const QString& texte, TFYovel* fenetre,
                           Slot slot)
{
    QPushButton* b = bouton_nomme(parent, nom, texte);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(repetition_ms);
    b->setAutoRepeatInterval(repetition_ms);
    // pressed() comes when the button goes down and at every repetition;
    // clicked() would come only from the first repetition on.
    QObject::connect(b, &QPushButton::pressed, fenetre, slot);
    return b;
}

/// The Hebrew year of today as the engine converts the system date.
int annee_hebraique_du_jour(const shell::AppContext& ctx)
{
    const platform::LocalDate d = ctx.horloge->today();
    return engine::hebraique_du_civil({d.annee, d.mois, d.jour}).annee;
}

void marque_choix(QCheckBox& boite, bool choisie)
{
    QFont f = boite.font();
    f.setBold(choisie);
    boite.setFont(f);
    QPalette p = boite.palette();
    const QColor couleur = choisie ? QColor(Qt::red) : QColor(Qt::black);
    p.setColor(QPalette::WindowText, couleur);
    p.setColor(QPalette::ButtonText, couleur);
    boite.setPalette(p);
}

} // namespace

TFYovel::TFYovel(shell::AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx)
{
    setObjectName("FYovel");
    setWindowTitle(qs(events::titre_yovel));
    set_erreur([this](const std::string& m) {
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(m));
    });
    new QVBoxLayout(this);
    cree_bande();
    cree_avis();
    cree_textes();
    cree_boutons();
    memo_ = new ZoneResultat("Memo1", 8, this);
    layout()->addWidget(memo_);
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(memo_, 1);
    resize(1180, 600);
    donne_mnemoniques(this);

    // The year the engine holds (the main window's date), else today's.
    // The engine's own date is only read.
    int annee = ctx_.engine.annee_hebr;
    if (annee < 1) {
        annee = annee_hebraique_du_jour(ctx_);
    }
    const platform::LocalDate d = ctx_.horloge->today();
    aujourdhui_->setText(
        QString::fromStdString(events::texte_aujourdhui_yovel({d.annee, d.mois, d.jour})));
    premiere_annee_ = events::premiere_annee_autour_de(annee);
    choisit_avis(AvisChemita::rabbi_yehouda, false);
    chemita_->setText(QString::fromStdString(events::texte_prochaine_chemita(annee)));
    yovel_->setText(QString::fromStdString(events::texte_prochain_yovel(annee)));
}

TFYovel::~TFYovel() = default;

void TFYovel::set_erreur(MessageErreur erreur)
{
    erreur_ = std::move(erreur);
}

void TFYovel::cree_bande()
{
    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    l->setContentsMargins(0, 0, 0, 0);
    QPushButton* recule_vite = bouton_repete(
        boite, "BoutonReculeVite", QStringLiteral("<< Reculer"), this, &TFYovel::BoutonReculeClick);
    QPushButton* recule = bouton_nomme(boite, "BoutonRecule", QStringLiteral("< Précédente"), this,
                                       &TFYovel::BoutonReculeClick);
    QPushButton* avance = bouton_nomme(boite, "BoutonAvance", QStringLiteral("Suivante >"), this,
                                       &TFYovel::BoutonAvanceClick);
    QPushButton* avance_vite = bouton_repete(
        boite, "BoutonAvanceVite", QStringLiteral("Avancer >>"), this, &TFYovel::BoutonAvanceClick);
    recule_vite->setToolTip(QStringLiteral("Maintenir appuyé pour reculer d'année en année"));
    avance_vite->setToolTip(QStringLiteral("Maintenir appuyé pour avancer d'année en année"));

    auto* bande = new QWidget(boite);
    bande->setObjectName("Bande");
    auto* g = new QGridLayout(bande);
    g->setSpacing(0);
    g->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < events::annees_de_la_bande; ++i) {
        annees_.push_back(case_de_bande(bande, QStringLiteral("Annee%1").arg(i)));
        marques_.push_back(case_de_bande(bande, QStringLiteral("Marque%1").arg(i)));
        g->addWidget(annees_.back(), 0, i);
        g->addWidget(marques_.back(), 1, i);
    }
    l->addWidget(recule_vite);
    l->addWidget(recule);
    l->addWidget(bande);
    l->addWidget(avance);
    l->addWidget(avance_vite);
    l->addStretch(1);
    layout()->addWidget(boite);
}

void TFYovel::cree_avis()
{
    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    l->setContentsMargins(0, 0, 0, 0);
    yehouda_ = new QCheckBox(QStringLiteral("Selon Rabbi Yehouda"), boite);
    yehouda_->setObjectName("CheckBox1");
    hakhamim_ = new QCheckBox(QStringLiteral("Selon les 'Hakhamim"), boite);
    hakhamim_->setObjectName("CheckBox2");
    texte_avis_ = new QLabel(boite);
    texte_avis_->setObjectName("LabelAvis");
    description_ = new QLabel(boite);
    description_->setObjectName("LabelDescription");
    QFont gras = description_->font();
    gras.setBold(true);
    description_->setFont(gras);
    auto* image = bouton_nomme(boite, "Image1", QStringLiteral("Cliquer ici pour aujourd'hui"),
                               this, &TFYovel::ImageAujourdhuiClick);
    image->setIcon(icone_du_programme());
    image->setIconSize(QSize(32, 32));
    image->setFlat(true);
    for (QWidget* w : std::initializer_list<QWidget*>{yehouda_, hakhamim_, texte_avis_}) {
        l->addWidget(w);
    }
    l->addSpacing(24);
    l->addWidget(description_);
    l->addStretch(1);
    l->addWidget(image);
    connect(yehouda_, &QCheckBox::clicked, this, &TFYovel::CheckBoxYehoudaClick);
    connect(hakhamim_, &QCheckBox::clicked, this, &TFYovel::CheckBoxHakhamimClick);
    layout()->addWidget(boite);
}

void TFYovel::cree_textes()
{
    auto* boite = new QWidget(this);
    auto* g = new QGridLayout(boite);
    g->setContentsMargins(0, 0, 0, 0);
    const auto etiquette = [boite](const char* nom, const QString& texte = QString()) {
        auto* e = new QLabel(texte, boite);
        e->setObjectName(nom);
        return e;
    };
    aujourdhui_ = etiquette("LabelAujourdhui");
    chemita_ = etiquette("LabelChemita");
    yovel_ = etiquette("LabelYovel");
    for (QLabel* e : {chemita_, yovel_}) {
        e->setFont(QFont(QStringLiteral("Courier New"), 11, QFont::Bold));
    }
    g->addWidget(aujourdhui_, 0, 0, 1, 2);
    g->addWidget(chemita_, 1, 0);
    g->addWidget(yovel_, 2, 0);
    g->addWidget(etiquette("LabelNoteYehouda", qs(events::note_yovel_yehouda)), 2, 1);
    g->addWidget(etiquette("LabelNoteRetenu", qs(events::note_avis_retenu)), 3, 1);
    g->setColumnStretch(2, 1);
    layout()->addWidget(boite);
}

void TFYovel::cree_boutons()
{
    auto* boite = new QWidget(this);
    auto* l = new QHBoxLayout(boite);
    l->setContentsMargins(0, 0, 0, 0);
    l->addStretch(1);
    l->addWidget(bouton_nomme(boite, "BoutonGlossaire", QStringLiteral("Glossaire"), this,
                              &TFYovel::BoutonGlossaireClick));
    l->addWidget(
        bouton_nomme(boite, "BoutonFermer", QStringLiteral("Fermer"), this, &QWidget::close));
    layout()->addWidget(boite);
}

void TFYovel::dessine_bande()
{
    const auto marques = events::marques_de_la_bande(premiere_annee_, avis_);
    const int decrite = events::annee_decrite(premiere_annee_);
    for (int i = 0; i < events::annees_de_la_bande; ++i) {
        const int annee = premiere_annee_ + i;
        annees_[i]->setText(QString::number(annee));
        marques_[i]->setText(qs(marques[static_cast<std::size_t>(i)]));
        // The year described below the strip stands out.
        QFont f = annees_[i]->font();
        f.setBold(annee == decrite);
        annees_[i]->setFont(f);
        QPalette p = annees_[i]->palette();
        p.setColor(QPalette::Window,
                   annee == decrite ? QColor(255, 255, 200) : palette().color(QPalette::Window));
        annees_[i]->setPalette(p);
    }
    description_->setText(QString::fromStdString(events::description_annee(decrite, avis_)));
}

void TFYovel::BoutonReculeClick()
{
    if (premiere_annee_ > events::premiere_annee_min) {
        --premiere_annee_;
        dessine_bande();
    }
}

void TFYovel::BoutonAvanceClick()
{
    if (premiere_annee_ < events::premiere_annee_max) {
        ++premiere_annee_;
        dessine_bande();
    }
}

void TFYovel::ImageAujourdhuiClick()
{
    premiere_annee_ = std::clamp(annee_hebraique_du_jour(ctx_) - 8, events::premiere_annee_min,
                                 events::premiere_annee_max);
    dessine_bande();
}

void TFYovel::CheckBoxYehoudaClick(bool coche)
{
    choisit_avis(coche ? AvisChemita::rabbi_yehouda : AvisChemita::hakhamim, false);
}

void TFYovel::CheckBoxHakhamimClick(bool coche)
{
    choisit_avis(coche ? AvisChemita::hakhamim : AvisChemita::rabbi_yehouda, true);
}

void TFYovel::choisit_avis(AvisChemita avis, bool depuis_second_choix)
{
    // The two boxes are exclusive: checking one unchecks the other, and
    // unchecking one checks the other.
    avis_ = avis;
    const bool yehouda = avis == AvisChemita::rabbi_yehouda;
    yehouda_->setChecked(yehouda);
    hakhamim_->setChecked(!yehouda);
    marque_choix(*yehouda_, yehouda);
    marque_choix(*hakhamim_, !yehouda);
    texte_avis_->setText(QString::fromStdString(events::texte_avis(avis, depuis_second_choix)));
    dessine_bande();
}

void TFYovel::BoutonGlossaireClick()
{
    try {
        const std::vector<std::string> fichier = platform::read_lines(
            platform::lookup_ignoring_case(ctx_.repertoire, events::fichier_glossaire));
        memo_->setFont(QFont(QStringLiteral("Arial"), 8));
        memo_->affiche(events::glossaire_yovel(fichier));
    } catch (const platform::FileError& e) {
        erreur_(e.what());
    }
}

} // namespace orvane::gui
