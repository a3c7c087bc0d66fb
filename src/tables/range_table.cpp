#include "tables/range_table.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "events/festivals/day_labels.h"
#include "places/dst.h"
#include "platform/text.h"
#include "tables/date_label.h"
#include "tables/table_header.h"
#include "zmanim/day/horaires_jour.h"

#include <array>
#include <optional>

namespace orvane::tables
{

bool en_diaspora(const DemandeTable& d)
{
    return !places::est_israel(d.lieu.pays);
}

bool marque_entrees_sorties(const DemandeTable& d)
{
    return (d.ete_jour_par_jour && !d.toutes_entrees) || d.grille_mois ||
           d.filtre == FiltreJours::chabbatot_et_fetes;
}

std::string_view separateur(const DemandeTable& d)
{
    return d.sortie == Sortie::web && !est_un_livre(d.mise_en_page) ? "  " : "\t";
}

void SortiesMultiples::ligne(const std::string& texte)
{
    for (SortieTable* s : sorties_) {
        s->ligne(texte);
    }
}

void SortiesMultiples::colonnes(const std::vector<ColonneAffichee>& c)
{
    for (SortieTable* s : sorties_) {
        s->colonnes(c);
    }
}

void SortiesMultiples::rangee(const RangeeTable& r)
{
    for (SortieTable* s : sorties_) {
        s->rangee(r);
    }
}

bool ete_d_une_table(const DemandeTable& d, const EnvironnementTable& env)
{
    // The program's mode has the last word on every written time: summer time
    // all the year adds its hour to every day, winter time all the year none.
    switch (env.mode_ete) {
    case zmanim::ModeEte::ete_toute_annee:
        return true;
    case zmanim::ModeEte::hiver_toute_annee:
        return false;
    case zmanim::ModeEte::avec_changement:
        break;
    }
    return d.ete_jour_par_jour && env.tables_ete != nullptr &&
           env.tables_ete->annee(d.lieu.pays, d.debut.annee, env.mode_horaire).trouve();
}

namespace
{

std::string heures_signees(int decalage)
{
    return std::to_string(decalage < 0 ? -decalage : decalage);
}

std::string sens_du_decalage(int decalage, std::string_view moins, std::string_view plus)
{
    return std::string(decalage < 0 ? moins : plus);
}

} // namespace

std::string note_heure_ete(bool d_une_table, int decalage_heures)
{
    if (decalage_heures != 0) {
        return "Ces horaires sont " + sens_du_decalage(decalage_heures, "diminués", "augmentés") +
               " de " + heures_signees(decalage_heures) +
               " heure(s) par rapport aux heures d'hiver.";
    }
    return d_une_table ? "L'heure d'été est prise en compte dans ce tableau"
                       : "L'heure d'été n'est pas prise en compte dans ce tableau. (En France, "
                         "ajouter 1 heure en été)";
}

std::string avertissement_heure_ete(bool d_une_table, int decalage_heures)
{
    if (decalage_heures != 0) {
        return "Attention ! Les horaires calculés seront " +
               sens_du_decalage(decalage_heures, "diminués", "augmentés") + " de " +
               heures_signees(decalage_heures) + " heure(s).";
    }
    return d_une_table ? "Attention ! L'heure d'été sera prise en compte dans les calculs."
                       : "Attention ! L'heure d'été ne sera pas prise en compte dans les calculs";
}

std::string question_decalage(int decalage_heures)
{
    const std::string signe = decalage_heures < 0 ? "-" : "+";
    return "Vous avez choisi " + sens_du_decalage(decalage_heures, "de diminuer ", "d'augmenter ") +
           "\r" + "les résultats de " + signe + heures_signees(decalage_heures) + " heure(s)." +
           "\r" + "Probablement pour corriger l'heure d'été ou d'hiver\r" + "Etes-vous d'accord ?";
}

namespace
{

constexpr std::string_view cellule_vide = " --.--";
constexpr std::string_view texte_vide = "--.--";
constexpr std::size_t colonnes_du_message_polaire = 18;

// The prefixes of the festival notes that the rows do without.
constexpr std::array<std::string_view, 4> prefixes_des_veilles = {
    "Veille de Chemini Atseret ", "Veille de YomTov Soukot - ", "Veille de YomTov - ",
    "Veille de Chavouot "};

/// A name of the festival tables without the dashes that pad it.
std::string nom_sans_remplissage(std::string_view nom)
{
    std::string t = platform::trim(nom);
    while (!t.empty() && t.back() == '-') {
        t.pop_back();
    }
    return platform::trim(t);
}

std::string sans_veilles(std::string texte)
{
    for (std::string_view p : prefixes_des_veilles) {
        for (std::size_t i = texte.find(p); i != std::string::npos; i = texte.find(p)) {
            texte.erase(i, p.size());
        }
    }
    return texte;
}

class ConstructeurTable
{
public:
    ConstructeurTable(const DemandeTable& d, zmanim::ZmanimSettings& reglages,
                      const EnvironnementTable& env, SortieTable& sortie)
        : d_(d), reglages_(reglages), env_(env), sortie_(sortie), chomes_(en_diaspora(d))
    {
    }

    ResultatTable execute()
    {
        prepare_angles();
        if (platform::trim(d_.lieu.latitude).empty() || platform::trim(d_.lieu.longitude).empty() ||
            platform::trim(d_.lieu.decalage).empty()) {
            return refus("Erreur :\rLes 3 paramètres longitude, latitude et gmt\rne sont pas "
                         "définis. Calcul impossible.");
        }
        prepare_contexte();
        prepare_demande();
        ecrit_entete();
        if (engine::numero_du_civil(d_.fin) < engine::numero_du_civil(d_.debut)) {
            return refus("Ce calcul est impossible car la date de fin\rest inférieure à celle du "
                         "début");
        }
        parcourt_les_jours();
        return resultat_;
    }

private:
    ResultatTable refus(std::string message)
    {
        resultat_.refuse = true;
        resultat_.message = std::move(message);
        return resultat_;
    }

    void prepare_angles()
    {
        if (!d_.opinion.starts_with("Selon choix")) {
            zmanim::initialise_angles(reglages_);
        }
    }

    void prepare_contexte()
    {
        contexte_.mode_ete = env_.mode_ete;
        contexte_.vaudrel = env_.vaudrel;
        contexte_.journal = env_.journal;
        contexte_.vers_grille = true;
        contexte_.mise_en_page_livre = est_un_livre(d_.mise_en_page);
        contexte_.sortie_marseille = d_.sortie_marseille;
        contexte_.texte_etoiles_chema =
            d_.opinion.starts_with("Selon choix") ? d_.texte_etoiles_chema : "8";
        contexte_.lit_cle_ciop = env_.lit_cle_ciop;
        contexte_.tableau = &recepteur_;
        ChoixColonnes choix;
        choix.bureau_des_longitudes = bdl();
        choix.mise_en_page = d_.mise_en_page;
        choix.dixieme_heure = d_.dixieme_heure;
        choix.texte_etoiles = texte_des_etoiles();
        colonnes_ = colonnes_affichees(reglages_.moments, choix);
        marque_ = marque_entrees_sorties(d_);
        masque_ =
            d_.ete_jour_par_jour && !d_.toutes_entrees && !reglages_.affiche_secondes && !bdl();
    }

    bool bdl() const { return d_.opinion.starts_with("Bureau"); }

    /// What the days of the table share in their request.
    void prepare_demande()
    {
        demande_.latitude = d_.lieu.latitude;
        demande_.longitude = d_.lieu.longitude;
        demande_.zone = d_.lieu.decalage;
        demande_.opinion = d_.opinion;
        demande_.sans_ligne = false;
    }

    /// The stars angle the table's times use, written after "Etoiles": the
    /// typed one, or 7.12° for the Rav Rottenberg, 7.08° otherwise.
    std::string texte_des_etoiles() const
    {
        if (d_.opinion.starts_with("Selon choix")) {
            return reglages_.texte_etoiles;
        }
        const bool rav = reglages_.mode_rav_rottenberg || d_.opinion.starts_with("Rav");
        return std::string(rav ? zmanim::texte_etoiles_rav_rottenberg
                               : zmanim::texte_etoiles_defaut);
    }

    void ecrit_entete()
    {
        sortie_.ligne(ligne_du_lieu(d_));
        sortie_.ligne(note_heure_ete(ete_d_une_table(d_, env_), reglages_.decalage_heures));
        if (d_.sortie == Sortie::web && !est_un_livre(d_.mise_en_page)) {
            for (const std::string& n : notes_web(d_)) {
                sortie_.ligne(n);
            }
        }
        sortie_.ligne(" ");
        if (d_.sortie != Sortie::memo || est_un_livre(d_.mise_en_page)) {
            sortie_.ligne("");
        }
        sortie_.colonnes(colonnes_);
        sortie_.ligne(ligne_des_titres(d_, colonnes_));
    }

    void parcourt_les_jours()
    {
        const engine::NumeroJour premier = engine::numero_du_civil(d_.debut);
        const engine::NumeroJour dernier = engine::numero_du_civil(d_.fin);
        const int pas = d_.filtre == FiltreJours::tous ? std::max(1, d_.increment) : 1;
        const long total = static_cast<long>(dernier - premier) + 1;
        int mois_precedent = d_.debut.mois;
        for (engine::NumeroJour n = premier; n <= dernier; n = n + pas) {
            const engine::DateCivile date = engine::civil_du_numero(n);
            if (date.mois != mois_precedent) {
                for (const std::string& l :
                     lignes_changement_de_mois(d_, mois_precedent, date.annee)) {
                    sortie_.ligne(l);
                }
                mois_precedent = date.mois;
            }
            if (!jour(n, date, engine::jour_semaine(n))) {
                return;
            }
            if (env_.progression && !env_.progression(static_cast<long>(n - premier) + 1, total)) {
                resultat_.annule = true;
                return;
            }
        }
    }

    /// One date of the range; false when the table stops there.
    bool jour(engine::NumeroJour n, const engine::DateCivile& date, int jour_semaine)
    {
        RangeeTable& r = recepteur_.rangee;
        efface(r);
        r.date = date;
        r.jour_semaine = jour_semaine;
        r.hebraique = hebraique_du_jour(n, date);
        r.embolismique = engine::annee_hebr_embolismique(r.hebraique.annee);
        const bool fete = chomes_.chome(r.hebraique);
        const engine::DateHebraique demain = engine::lendemain(r.hebraique);
        hebraique_suivante_ = std::pair{n + 1, demain};
        events::marque_entree_sortie(r.nature, jour_semaine == 7, fete, jour_semaine == 6,
                                     chomes_.chome(demain));
        if (!garde_le_jour(d_.filtre, jour_semaine, fete)) {
            return true;
        }
        if (d_.fetes) {
            r.note_fetes = note_des_fetes(date);
        }
        r.correction_ete = correction(date);
        demande_.jour_semaine = jour_semaine;
        demande_.date = date;
        demande_.correction_ete = r.correction_ete;
        horaires_ = zmanim::DayTimes{};
        recepteur_.construit = false;
        zmanim::horaires_du_jour(demande_, reglages_, horaires_, contexte_);
        if (horaires_.erreur_horaires) {
            resultat_.refuse = true;
            resultat_.message = horaires_.message_erreur;
            return false;
        }
        if (recepteur_.construit) {
            construit_rangee(r);
            sortie_.rangee(r);
            ++resultat_.rangees;
        }
        return true;
    }

    /// The row made ready for a new day, its texts and cells kept for
    /// their room.
    static void efface(RangeeTable& r)
    {
        std::string libelle = std::move(r.libelle);
        std::string texte = std::move(r.texte);
        std::vector<std::string> cellules = std::move(r.cellules);
        std::string note = std::move(r.note_fetes);
        r = RangeeTable{};
        libelle.clear();
        texte.clear();
        cellules.clear();
        note.clear();
        r.libelle = std::move(libelle);
        r.texte = std::move(texte);
        r.cellules = std::move(cellules);
        r.note_fetes = std::move(note);
    }

    /// The Hebrew date of day `n`: the day after that of the day before when
    /// the rows follow each other, worked out afresh otherwise.
    engine::DateHebraique hebraique_du_jour(engine::NumeroJour n, const engine::DateCivile& date)
    {
        if (hebraique_suivante_ && hebraique_suivante_->first == n) {
            return hebraique_suivante_->second;
        }
        return engine::hebraique_du_civil(date);
    }

    double correction(const engine::DateCivile& date)
    {
        if (!d_.ete_jour_par_jour || env_.tables_ete == nullptr) {
            return 0;
        }
        // The changes of a year are looked up once, for all its days.
        if (!annee_ete_ || annee_ete_->first != date.annee) {
            annee_ete_.emplace(date.annee,
                               env_.tables_ete->annee(d_.lieu.pays, date.annee, env_.mode_horaire));
        }
        return places::correction_pour_le_jour(annee_ete_->second, env_.mode_horaire, date.jour,
                                               date.mois, 0);
    }

    std::string note_des_fetes(const engine::DateCivile& date)
    {
        engine_.convertit_civil_hebreu(date.annee, date.mois, date.jour);
        const events::LibellesDuJour l = events::libelles_du_jour(engine_, en_diaspora(d_));
        std::string note;
        if (l.indice_fete != 0) {
            note = nom_sans_remplissage(l.nom_fete);
        }
        if (const std::string jour = nom_sans_remplissage(l.nom_jour);
            l.indice_jour != 0 && !jour.empty()) {
            note += (note.empty() ? "" : " - ") + jour;
        }
        return sans_veilles(note);
    }

    void construit_rangee(RangeeTable& r)
    {
        ChoixLibelle choix;
        choix.date_complete = d_.date_complete;
        choix.reference_hebraique = d_.reference_hebraique;
        choix.bureau_des_longitudes = bdl();
        r.libelle = libelle_date(r.date, r.jour_semaine, r.hebraique, r.embolismique, choix);
        if (d_.ete_jour_par_jour && !d_.date_complete) {
            r.libelle =
                platform::left(engine::jours_semaine[static_cast<std::size_t>(r.jour_semaine)], 1) +
                " " + r.libelle;
        }
        r.horaires = &horaires_;
        if (horaires_.jour_polaire) {
            rangee_polaire(r);
            return;
        }
        r.texte = r.libelle;
        const std::string_view sep = separateur(d_);
        for (const ColonneAffichee& c : colonnes_) {
            r.texte += sep;
            cellule_de(c.indice, r, r.cellules.emplace_back(), r.texte);
        }
        if (!r.note_fetes.empty()) {
            r.texte.append(sep).append(r.note_fetes);
        }
    }

    void rangee_polaire(RangeeTable& r)
    {
        r.polaire = true;
        const bool dessus = horaires_.message_polaire.find("au-dessus") != std::string::npos;
        r.cellules = {"Le", "soleil", "est", "toujours", dessus ? "dessus" : "sous", "l'horizon"};
        r.cellules.resize(std::max(colonnes_.size(), colonnes_du_message_polaire), " ");
        r.texte = r.libelle + std::string(11, ' ') + horaires_.message_polaire;
    }

    bool entree_visible(const RangeeTable& r) const
    {
        return r.jour_semaine == 6 || (marque_ && r.nature.entree);
    }

    bool sortie_visible(const RangeeTable& r) const
    {
        return r.jour_semaine == 7 || (marque_ && r.nature.sortie);
    }

    /// The cell of a column into `cellule`, and its text added to `texte`.
    void cellule_de(std::size_t indice, const RangeeTable& r, std::string& cellule,
                    std::string& texte) const
    {
        if (masque_ && ((indice == colonne_entree && !entree_visible(r)) ||
                        (indice == colonne_sortie && !sortie_visible(r)))) {
            cellule = cellule_vide;
            texte += texte_vide;
            return;
        }
        const bool apres = indice == colonne_entree && r.nature.entree_apres_sortie;
        const std::string_view jeton =
            apres ? colonnes()[colonne_sortie].jeton : colonnes()[indice].jeton;
        const zmanim::TexteHoraire* t = horaires_.creneau(jeton);
        if (t == nullptr || !t->definie()) {
            cellule = " --";
            texte += "--";
            return;
        }
        const std::string_view prefixe = apres ? "après " : "";
        const std::string heures = deux_chiffres(t->heures);
        cellule.append(" ").append(prefixe).append(heures).append(".").append(t->minutes);
        texte.append(prefixe).append(heures).append(":").append(t->minutes);
        if (reglages_.affiche_secondes) {
            texte.append(":").append(t->secondes);
        }
    }

    /// The hours of a time on two digits: "07" of " 7" or "7".
    static std::string deux_chiffres(const std::string& heures)
    {
        const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
        if (heures.size() == 2 && chiffre(heures[0]) && chiffre(heures[1])) {
            return heures;
        }
        return platform::pad_left(platform::trim(heures), 2, '0');
    }

    /// Takes the rows the day computation emits.
    class Recepteur : public zmanim::SortieTableau
    {
    public:
        void ligne_tableau(const zmanim::DayTimes&) override { construit = true; }
        void jour_polaire(const zmanim::DayTimes&) override { construit = true; }
        RangeeTable rangee;
        bool construit = false;
    };

    const DemandeTable& d_;
    zmanim::ZmanimSettings& reglages_;
    const EnvironnementTable& env_;
    SortieTable& sortie_;
    zmanim::ContexteCalcul contexte_;
    std::vector<ColonneAffichee> colonnes_;
    bool marque_ = false;
    bool masque_ = false;
    zmanim::DemandeJour demande_;
    zmanim::DayTimes horaires_;
    Recepteur recepteur_;
    std::optional<std::pair<engine::NumeroJour, engine::DateHebraique>> hebraique_suivante_;
    std::optional<std::pair<int, places::DstYear>> annee_ete_;
    engine::CalendarEngine engine_;
    events::JoursChomes chomes_;
    ResultatTable resultat_;
};

} // namespace

ResultatTable calcule_table(const DemandeTable& d, zmanim::ZmanimSettings& reglages,
                            const EnvironnementTable& env, SortieTable& sortie)
{
    return ConstructeurTable(d, reglages, env, sortie).execute();
}

} // namespace orvane::tables
