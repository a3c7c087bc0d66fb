// Date entry of the records window: a civil date gives its Hebrew date and a
// Hebrew date its civil date; impossible civil days are brought back to
// the last day of their month, and dates out of the years the calendar
// converts are refused with the limits.
#include "engine/date_validity.h"
#include "engine/names.h"
#include "gui/records/veldor_window.h"
#include "platform/text.h"
#include "records/bar_mitsva.h"
#include "records/civil_correction.h"
#include "records/event_date.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

constexpr const char* alerte_civile = "         Cette date civile n'existe pas";
constexpr const char* alerte_hebraique = "        Cette date hébraïque n'existe pas";

// "Jeudi 1 Tichri 5785": the weekday and the Hebrew date of a day.
QString texte_jour_hebreu(const records::JourComplet& j)
{
    return qs(platform::trim(engine::jours_semaine[j.jour_semaine])) + ' ' +
           QString::number(j.hebraique.jour) + ' ' +
           qs(platform::trim(records::nom_mois_de_l_annee(j.hebraique.annee, j.hebraique.mois))) +
           ' ' + QString::number(j.hebraique.annee);
}

void met(QSpinBox* s, int valeur)
{
    const QSignalBlocker b(s);
    s->setValue(valeur);
}

bool feminin(const QComboBox* c)
{
    return records::sexe_de_la_civilite(c->currentText().trimmed().toStdString()) ==
           records::Sexe::fille;
}

} // namespace

void TFVeldor::connecte_dates()
{
    for (QSpinBox* s : {jour_civil_, mois_civil_, annee_civile_}) {
        connect(s, &QSpinBox::valueChanged, this, &TFVeldor::date_civile_changee);
    }
    for (QSpinBox* s : {jour_hebreu_, mois_hebreu_, annee_hebraique_}) {
        connect(s, &QSpinBox::valueChanged, this, &TFVeldor::date_hebraique_changee);
    }
    for (QSpinBox* s : {jour_inhumation_, mois_inhumation_, annee_inhumation_}) {
        connect(s, &QSpinBox::valueChanged, this, &TFVeldor::inhumation_changee);
    }
    connect(jour_nuit_, &QComboBox::currentTextChanged, this, &TFVeldor::affiche_jour_evenement);
    connect(nuit_inhumation_, &QComboBox::currentTextChanged, this, &TFVeldor::inhumation_changee);
    for (QComboBox* c : {civilite_, civilite_defunt_}) {
        connect(c, &QComboBox::currentTextChanged, this, &TFVeldor::libelles_des_civilites);
    }
}

engine::DateCivile TFVeldor::date_civile_saisie() const
{
    return {annee_civile_->value(), mois_civil_->value(), jour_civil_->value()};
}

engine::DateCivile TFVeldor::date_inhumation_saisie() const
{
    return {annee_inhumation_->value(), mois_inhumation_->value(), jour_inhumation_->value()};
}

std::optional<engine::DateCivile> TFVeldor::date_civile_valide() const
{
    const engine::DateCivile d = date_civile_saisie();
    if (engine::erreur_date_civile(d)) {
        return std::nullopt;
    }
    return d;
}

void TFVeldor::date_civile_changee()
{
    if (chargement_) {
        return;
    }
    alerte_civile_->clear();
    alerte_hebraique_->clear();
    const records::DateCivileCorrigee c = records::corrige_date_civile(date_civile_saisie());
    if (c.date.annee < engine::annee_civile_min || c.date.annee > engine::annee_civile_max) {
        alerte_civile_->setText(qs(engine::message_annee_civile_limites));
        return;
    }
    if (c.message) {
        erreur_(*c.message);
    }
    if (engine::erreur_date_civile(c.date)) {
        met(annee_civile_, c.date.annee);
        met(mois_civil_, c.date.mois);
        met(jour_civil_, c.date.jour);
        alerte_civile_->setText(QString::fromUtf8(alerte_civile));
        return;
    }
    montre_date_civile(c.date);
}

void TFVeldor::date_hebraique_changee()
{
    if (chargement_) {
        return;
    }
    alerte_civile_->clear();
    alerte_hebraique_->clear();
    engine::DateHebraique h{annee_hebraique_->value(), mois_hebreu_->value(),
                            jour_hebreu_->value()};
    // The month box turns over to the year before or after.
    if (h.mois < 1) {
        h = {h.annee - 1, 13, h.jour};
    } else if (h.mois > 13) {
        h = {h.annee + 1, 1, h.jour};
    }
    if (h.annee < engine::annee_hebr_min || h.annee > engine::annee_hebr_max) {
        alerte_hebraique_->setText(qs(engine::message_annee_hebraique_limites));
        return;
    }
    if (h.jour < 1 && !engine::erreur_date_hebraique({h.annee, h.mois, 1})) {
        h = engine::veille(engine::DateHebraique{h.annee, h.mois, 1});
    }
    if (engine::erreur_date_hebraique(h) || !engine::dans_l_ere(h)) {
        met(annee_hebraique_, h.annee);
        met(mois_hebreu_, h.mois);
        met(jour_hebreu_, h.jour);
        alerte_hebraique_->setText(QString::fromUtf8(alerte_hebraique));
        return;
    }
    const engine::DateCivile c = engine::civil_de_l_hebreu(h);
    if (c.annee < engine::annee_civile_min || c.annee > engine::annee_civile_max) {
        alerte_civile_->setText(qs(engine::message_annee_civile_limites));
        return;
    }
    montre_date_civile(c);
}

void TFVeldor::montre_date_civile(engine::DateCivile d)
{
    chargement_ = true;
    met(annee_civile_, d.annee);
    met(mois_civil_, d.mois);
    met(jour_civil_, d.jour);
    nom_mois_civil_->setText(qs(engine::mois_civils[d.mois]));
    jour_semaine_->setText(qs(platform::trim(engine::jours_semaine[engine::jour_semaine(d)])));
    const engine::DateHebraique h = engine::hebraique_du_civil(d);
    met(annee_hebraique_, h.annee);
    met(mois_hebreu_, h.mois);
    met(jour_hebreu_, h.jour);
    nom_mois_hebreu_->setText(qs(platform::trim(records::nom_mois_de_l_annee(h.annee, h.mois))));
    // The burial follows the death: it moves with it, and is never before it.
    if (famille_ == records::Famille::deces &&
        (date_inhumation_saisie() < d || date_inhumation_saisie() == date_montree_)) {
        met(annee_inhumation_, d.annee);
        met(mois_inhumation_, d.mois);
        met(jour_inhumation_, d.jour);
    }
    date_montree_ = d;
    chargement_ = false;
    alerte_civile_->clear();
    alerte_hebraique_->clear();
    affiche_jour_evenement();
}

void TFVeldor::affiche_jour_evenement()
{
    const std::optional<engine::DateCivile> d = date_civile_valide();
    if (!d) {
        jour_evenement_->clear();
        return;
    }
    jour_evenement_->setText(texte_jour_hebreu(
        records::date_hebraique_evenement(*d, jour_nuit_->currentText().toStdString())));
}

void TFVeldor::inhumation_changee()
{
    if (chargement_) {
        return;
    }
    const records::DateCivileCorrigee c = records::corrige_date_civile(date_inhumation_saisie());
    if (c.date.annee < engine::annee_civile_min || c.date.annee > engine::annee_civile_max ||
        engine::erreur_date_civile(c.date)) {
        hebreu_inhumation_->setText(qs(engine::message_annee_civile_limites).trimmed());
        return;
    }
    if (c.message) {
        erreur_(*c.message);
    }
    met(annee_inhumation_, c.date.annee);
    met(mois_inhumation_, c.date.mois);
    met(jour_inhumation_, c.date.jour);
    hebreu_inhumation_->setText(texte_jour_hebreu(
        records::date_hebraique_evenement(c.date, nuit_inhumation_->currentText().toStdString())));
}

void TFVeldor::libelles_des_civilites()
{
    if (famille_ == records::Famille::deces) {
        correspondant_->setText(feminin(civilite_defunt_)
                                    ? QStringLiteral("CORRESPONDANT          DEFUNTE")
                                    : QStringLiteral("CORRESPONDANT           DEFUNT"));
    } else {
        correspondant_->setText(feminin(civilite_) ? QStringLiteral("CORRESPONDANTE")
                                                   : QStringLiteral("CORRESPONDANT"));
    }
    fils_de_->setText(feminin(civilite_) ? QStringLiteral("Fille de") : QStringLiteral("Fils de"));
}

} // namespace orvane::gui
