// The records window on the dBase table of its family: a record is shown
// from its fields, posted with the dates computed again, sorted by an index
// and limited to the anniversaries of the coming month.
#include "engine/date_validity.h"
#include "gui/records/veldor_window.h"
#include "platform/text.h"
#include "records/event_date.h"
#include "records/store/messages.h"
#include "records/tables/listing.h"
#include "records/tables/month_anniversaries.h"
#include "records/tables/schemas.h"
#include "shell/app_context.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orvane::gui
{

namespace
{

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

std::string texte(const QLineEdit* e)
{
    return e->text().trimmed().toStdString();
}

engine::DateCivile aujourdhui(const shell::AppContext& ctx)
{
    const platform::LocalDate t = ctx.horloge->today();
    return {t.annee, t.mois, t.jour};
}

// "3/10/5785": the Hebrew date of field "NAI_HB_N".
std::string date_hebraique_courte(const engine::DateHebraique& h)
{
    return std::to_string(h.jour) + "/" + std::to_string(h.mois) + "/" + std::to_string(h.annee);
}

// A computed text cut to the width of its field.
void change_coupe(records::Table& t, std::string_view champ, const std::string& valeur)
{
    const std::size_t i = *t.champ(champ);
    t.change_texte(champ, platform::left(valeur, static_cast<std::size_t>(t.champs()[i].taille)));
}

} // namespace

void TFVeldor::ouvre_table()
{
    const records::SchemaTable& s = famille_ == records::Famille::deces
                                        ? records::schema_deces()
                                        : records::schema_naissances();
    try {
        table_ = records::Table::ouvre_ou_cree(
            records::chemin_de_table(ctx_.repertoire, s.nom_fichier), s.champs);
    } catch (const std::exception& e) {
        erreur_(std::string(records::message_table_non_ouverte) + "\r" + e.what());
        return;
    }
    // The boxes take no more than their fields.
    const std::pair<QLineEdit*, const char*> largeurs[] = {{nom_, "NOM"},
                                                           {prenom_, "PRE"},
                                                           {prenom_hebreu_, "PREH"},
                                                           {chez_, "CHEZ"},
                                                           {numero_rue_, "NUM"},
                                                           {adresse_, "ADRESSE"},
                                                           {code_postal_, "CODE"},
                                                           {ville_, "VILLE"},
                                                           {pays_, "PAYS"},
                                                           {telephone_, "TEL"},
                                                           {notes_, "NOTES"},
                                                           {nom_defunt_, "NOM_DC"},
                                                           {prenom_defunt_, "PRE_DC"},
                                                           {prenom_hebreu_defunt_, "PREH_DC"}};
    for (const auto& [e, champ] : largeurs) {
        if (const std::optional<std::size_t> i = table_.champ(champ)) {
            e->setMaxLength(table_.champs()[*i].taille);
        }
    }
    civilite_->lineEdit()->setMaxLength(3);
    civilite_defunt_->lineEdit()->setMaxLength(3);
    table_.premier();
    affiche_enregistrement();
}

void TFVeldor::affiche_enregistrement()
{
    nombre_ = table_.ouverte() ? static_cast<int>(table_.nombre()) : 0;
    bornes_de_position();
    const std::optional<std::size_t> rang = table_.ouverte() ? table_.position() : std::nullopt;
    position_ = rang ? static_cast<int>(*rang) + 1 : 0;
    numero_ = 0;
    if (!rang) {
        affiche_position();
        return;
    }
    numero_ = static_cast<int>(*table_.fiche_courante()) + 1;
    const auto t = [this](const char* champ) { return table_.texte(champ); };
    records::Fiche f;
    f.correspondant = {t("N"),       t("NOM"),  t("PRE"),   t("CHEZ"), t("NUM"),
                       t("ADRESSE"), t("CODE"), t("VILLE"), t("PAYS"), t("TEL")};
    if (famille_ == records::Famille::deces) {
        f.defunt = {t("N_DC"), t("NOM_DC"), t("PRE_DC")};
        prenom_hebreu_defunt_->setText(qs(t("PREH_DC")));
    }
    prenom_hebreu_->setText(qs(t("PREH")));
    notes_->setText(qs(t("NOTES")));
    f.date.jour_nuit = t("J_N");
    if (const std::optional<engine::DateCivile> d = table_.date("NAI_CV_N")) {
        f.date.jour = std::to_string(d->jour);
        f.date.mois = std::to_string(d->mois);
        f.date.annee = std::to_string(d->annee);
    }
    affiche_fiche_lue(f);
    affiche_position();
    if (table_.date("NAI_CV_N")) {
        (void)calcule(std::nullopt);
    }
}

void TFVeldor::ecrit_champs()
{
    const records::Fiche f = fiche_saisie();
    const records::Coordonnees& c = f.correspondant;
    const std::pair<const char*, std::string> textes[] = {
        {"N", c.civilite},          {"NOM", c.nom},
        {"PRE", c.prenom},          {"PREH", texte(prenom_hebreu_)},
        {"CHEZ", c.chez},           {"NUM", c.numero},
        {"ADRESSE", c.adresse},     {"CODE", c.code_postal},
        {"VILLE", c.ville},         {"PAYS", c.pays},
        {"TEL", c.telephone_notes}, {"NOTES", texte(notes_)},
        {"J_N", f.date.jour_nuit}};
    for (const auto& [champ, valeur] : textes) {
        table_.change_texte(champ, valeur);
    }
    if (famille_ == records::Famille::deces) {
        table_.change_texte("N_DC", f.defunt.civilite);
        table_.change_texte("NOM_DC", f.defunt.nom);
        table_.change_texte("PRE_DC", f.defunt.prenom);
        table_.change_texte("PREH_DC", texte(prenom_hebreu_defunt_));
    }
    table_.change_date("NAI_CV_N", date_civile_valide());
    if (evenement_) {
        change_coupe(table_, "NAI_HB_N", date_hebraique_courte(evenement_->hebraique));
        change_coupe(
            table_, "NAI_CV_LT",
            platform::trim(records::texte_civil(records::jour_du_civil(evenement_->civile))));
        change_coupe(table_, "NAI_HB_LT",
                     platform::trim(records::texte_hebraique(evenement_->hebraique)));
    }
    if (!anniversaires_.anniversaires.empty()) {
        const records::Anniversaire& a = anniversaires_.anniversaires.front();
        table_.change_date("ACT_CV_N", a.jour.civile);
        change_coupe(table_, "ACT_CV_LT", a.texte_civil);
        change_coupe(table_, "ACT_HB_LT", a.texte_hebraique);
    }
    if (bar_mitsva_) {
        change_coupe(table_, "BAR_MITSVA", platform::trim(records::texte_civil(bar_mitsva_->date)));
        change_coupe(table_, "PARACHA", bar_mitsva_->paracha);
        table_.change_date("B_MITZ_CIV", bar_mitsva_->date.civile);
    }
}

bool TFVeldor::poste(bool nouvelle)
{
    if (!table_.ouverte()) {
        return false;
    }
    // A record is never posted without the civility, from which the
    // Bar-Mitsva or Bat-Mitsva follows.
    if (civilite_->currentText().trimmed().isEmpty()) {
        erreur_(std::string(records::message_civilite_manquante));
        civilite_->setFocus();
        return false;
    }
    if (!calcule(std::nullopt)) {
        return false;
    }
    try {
        if (nouvelle) {
            table_.insere();
        } else {
            table_.modifie();
        }
        ecrit_champs();
        table_.valide();
    } catch (const std::exception& e) {
        table_.annule();
        erreur_(e.what());
        return false;
    }
    affiche_enregistrement();
    return true;
}

void TFVeldor::recalcule_table()
{
    if (!table_.ouverte()) {
        return;
    }
    // In the order of the file, which a change does not move.
    const std::string index = table_.index();
    table_.supprime_selection();
    table_.trie_par("");
    int recalculees = 0;
    try {
        for (std::size_t i = 0; i < table_.nombre(); ++i) {
            table_.va_a(i);
            const std::optional<engine::DateCivile> d = table_.date("NAI_CV_N");
            if (!d || d->annee < engine::annee_civile_min) {
                continue;
            }
            const records::JourComplet ev =
                records::date_hebraique_evenement(*d, table_.texte("J_N"));
            const records::ProchainsAnniversaires p =
                records::prochains_anniversaires(ev.hebraique, aujourdhui(ctx_), 1, 1, famille_);
            const records::Anniversaire& a = p.anniversaires.front();
            table_.modifie();
            table_.change_date("ACT_CV_N", a.jour.civile);
            change_coupe(table_, "ACT_CV_LT", a.texte_civil);
            change_coupe(table_, "ACT_HB_LT", a.texte_hebraique);
            table_.valide();
            ++recalculees;
        }
    } catch (const std::exception& e) {
        table_.annule();
        erreur_(e.what());
    }
    table_.trie_par(index);
    selection_->clear();
    information_("Les prochains anniversaires ont été recalculés : " + std::to_string(recalculees) +
                 " fiche" + (recalculees > 1 ? "s" : ""));
    affiche_enregistrement();
}

void TFVeldor::trie_par(const std::string& index)
{
    if (!table_.ouverte()) {
        return;
    }
    try {
        table_.trie_par(index);
    } catch (const std::exception& e) {
        erreur_(e.what());
        return;
    }
    affiche_enregistrement();
}

void TFVeldor::AnnivMoisCourantClick()
{
    if (!table_.ouverte()) {
        return;
    }
    const std::vector<std::size_t> fiches =
        records::anniversaires_du_mois(table_, aujourdhui(ctx_));
    table_.selectionne(fiches);
    affiche_selection(fiches.size());
}

void TFVeldor::PresentationClick()
{
    if (!table_.ouverte()) {
        return;
    }
    table_.supprime_selection();
    table_.supprime_limites();
    selection_->setText(qs(records::libelle_enregistrements_fiches(table_.nombre())));
    affiche_enregistrement();
}

void TFVeldor::affiche_selection(std::size_t nombre)
{
    selection_->setText(qs(records::libelle_fiches_selectionnees(nombre)));
    affiche_enregistrement();
}

std::vector<std::string> TFVeldor::lignes_de_la_table() const
{
    return records::listing(table_);
}

} // namespace orvane::gui
