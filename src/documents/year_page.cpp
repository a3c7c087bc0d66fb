#include "documents/year_page.h"

#include "documents/sabbath_entry_rules.h"

#include "documents/calendar_day.h"
#include "documents/day_times_text.h"
#include "documents/page_header.h"
#include "documents/year_notes.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/year_walk.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "zmanim/settings/panneau_parametres.h"

#include <algorithm>

namespace orvane::documents
{

namespace
{

namespace txt = platform;
using engine::DateCivile;
using engine::DateHebraique;

std::string nom_jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

std::string mois_civil_court(int mois)
{
    return txt::pad_right(txt::left(engine::mois_civils[static_cast<std::size_t>(mois)], 4), 4);
}

std::string nom_mois_civil(int mois)
{
    return std::string(engine::mois_civils[static_cast<std::size_t>(mois)]);
}

std::string nom_mois_hebreu(int mois, bool embolismique)
{
    return txt::trim(engine::nom_mois_hebreu(mois, embolismique));
}

/// Label and note columns, the same in both directions (51 characters).
std::string colonnes_du_milieu(const JourCalendrier& j)
{
    return " " + txt::pad_right(txt::cut(j.libelle, largeur_libelle), largeur_libelle) + " " +
           j.note + " ";
}

std::string date_hebraique_colonnes(const JourCalendrier& j)
{
    return engine::cadre_nombre(j.hebraique.jour, 2) + " " +
           std::string(engine::nom_mois_hebreu(j.hebraique.mois, j.embolismique)) +
           engine::cadre_nombre(j.hebraique.annee, 5);
}

std::string date_civile_colonnes(const JourCalendrier& j)
{
    return engine::cadre_nombre(j.civile.jour, 2) + " " + mois_civil_court(j.civile.mois) +
           engine::cadre_nombre(engine::annee_civile_ecrite(j.civile.annee), 5);
}

/// "Vendredi  3 Janv 2025" + label + note + " 3 Tevet  5785": 87 characters.
std::string ligne_civile(const JourCalendrier& j)
{
    return nom_jour(j.jour_semaine) + date_civile_colonnes(j) + colonnes_du_milieu(j) +
           date_hebraique_colonnes(j);
}

/// "Vendredi  3 Tevet  5785" + label + note + " 3 Janv 2025", with the mark
/// of Birkat Halévana over the end of the label (column 56).
std::string ligne_hebraique(const JourCalendrier& j)
{
    std::string l = nom_jour(j.jour_semaine) + date_hebraique_colonnes(j) + colonnes_du_milieu(j) +
                    date_civile_colonnes(j);
    if (j.levana != MarqueLevana::aucune) {
        l = txt::left(l, 55) + (j.levana == MarqueLevana::debut ? "DL" : "FL") + txt::mid(l, 57);
    }
    return l;
}

/// The export items of a day as the export writes them: cleaned, the empty
/// ones dropped.
std::vector<std::string> elements_nettoyes(const std::vector<std::string>& elements)
{
    std::vector<std::string> propres;
    for (const std::string& e : elements) {
        if (std::string propre = element_nettoye(e); !propre.empty()) {
            propres.push_back(std::move(propre));
        }
    }
    return propres;
}

/// `construit_calch`: the day's export line from its cleaned items.
std::string construit_calch(const JourPage& j, Sens sens, const std::string& colonnes)
{
    const bool civil = sens == Sens::civil_hebreu;
    std::string l = txt::left(txt::trim(nom_jour(j.jour_semaine)), 3) + "\t" +
                    std::to_string(civil ? j.civile.jour : j.hebraique.jour) + "\t";
    for (const std::string& e : j.elements) {
        l += e + "    ";
    }
    return l + "\t" + std::to_string(civil ? j.hebraique.jour : j.civile.jour) + colonnes;
}

/// The slots of the export's table of times, in the order of its columns.
std::vector<zmanim::TexteHoraire> horaires_des_colonnes(const zmanim::DayTimes& t)
{
    std::vector<zmanim::TexteHoraire> h;
    for (const ColonneExport& c : colonnes_export) {
        const zmanim::TexteHoraire* slot = t.creneau(c.jeton);
        h.push_back(slot == nullptr ? zmanim::TexteHoraire{} : *slot);
    }
    return h;
}

class Construction
{
public:
    Construction(const DemandeCalendrier& d, int annee, const places::TablesEte& tables,
                 CompteurAffichage& compteur)
        : d_(d), tables_(tables), compteur_(compteur), reglages_(reglages_calendrier(d)),
          notes_(premiere_annee_hebr(d, annee), premiere_annee_hebr(d, annee) + 1, d.diaspora,
                 d.sens == Sens::hebreu_civil, d.levana_sepharade,
                 [this](DateCivile jour) {
                     return tables_.correction("France", d_.mode_horaire, jour, std::nullopt) > 0;
                 }),
          limite_(d.sens == Sens::civil_hebreu ? limite_lignes_civil : limite_lignes_hebreu)
    {
        page_.annee = annee;
    }

    PageAnnee construit()
    {
        const int annee = page_.annee;
        if (vers_memo() && compteur_.affiche) {
            page_.entete = entete_page(d_, annee, sans_heure_ete(annee));
            page_.memo = page_.entete;
        }
        if (d_.sens == Sens::civil_hebreu) {
            for (int m = std::max(d_.mois_debut, 1); m <= std::min(d_.mois_fin, 12); ++m) {
                mois_civil(annee, m);
            }
        } else {
            engine::CalendarEngine e;
            const bool embolismique = e.teste_embolismique(annee);
            for (int m = std::max(d_.mois_debut, 1); m <= std::min(d_.mois_fin, 13); ++m) {
                if (m != 7 || embolismique) {
                    mois_hebreu(annee, m);
                }
            }
        }
        return std::move(page_);
    }

private:
    static int premiere_annee_hebr(const DemandeCalendrier& d, int annee)
    {
        return d.sens == Sens::civil_hebreu ? annee + 3760 : annee;
    }

    bool vers_memo() const { return d_.cible == Cible::memo; }

    /// The text area and the export stop together at the limit, except the
    /// export of a spreadsheet build; page files have no limit.
    bool affiche() const { return !vers_memo() || compteur_.affiche; }
    bool exporte() const { return affiche() || d_.pour_tableur; }

    bool sans_heure_ete(int annee) const
    {
        const int civile = d_.sens == Sens::civil_hebreu ? annee : annee_civile_de_l_hebreu(annee);
        return !tables_.annee(d_.lieu.pays, civile, d_.mode_horaire).trouve();
    }

    void exporte_ligne(std::string ligne)
    {
        if (exporte()) {
            page_.export_lignes.push_back(std::move(ligne));
        }
    }

    /// The title and heading of a month in the export; `autres` names the
    /// months of the other calendar that it spans.
    void tete_de_mois(const std::string& titre, const std::string& mois, const std::string& autres)
    {
        MoisPage& page = page_.mois.back();
        page.titre = titre;
        page.entete = mois;
        page.autres = autres;
        exporte_ligne(titre);
        exporte_ligne("");
        std::string entete = mois;
        if (d_.opinion_sur_tables && page_.mois.size() == 1) {
            entete += std::string(9, '\t') + "Selon : " + opinion_des_pages(d_.opinion);
        }
        exporte_ligne(entete + std::string(5, '\t') + autres);
        if (d_.horaires) {
            std::string colonnes = "Jour\tDate\tFêtes et notes\tDate";
            for (const ColonneExport& c : colonnes_export) {
                colonnes += "\t" + std::string(c.titre);
            }
            exporte_ligne(colonnes);
        }
    }

    std::string titre_civil(int annee) const
    {
        const int premiere = d_.calendrier_mural ? annee + 3760 : annee;
        const int a = d_.calendrier_mural ? annee - 1 : annee + 3760;
        const int b = d_.calendrier_mural ? annee : annee + 3761;
        return " Calendrier de " + std::to_string(premiere) + " ( " + std::to_string(a) + " - " +
               std::to_string(b) + " ) pour " + d_.lieu.ville;
    }

    std::string titre_hebreu(int annee) const
    {
        const int civile = annee_civile_de_l_hebreu(annee);
        return " Calendrier de " + std::to_string(annee) + " ( " +
               std::to_string(civile == 1 ? -1 : civile - 1) + " - " + std::to_string(civile) +
               " ) pour " + d_.lieu.ville;
    }

    void nouveau_mois(int annee, int mois)
    {
        MoisPage& m = page_.mois.emplace_back();
        m.annee = annee;
        m.mois = mois;
    }

    void mois_civil(int annee, int mois)
    {
        nouveau_mois(annee, mois);
        const int longueur = engine::jours_du_mois_civil(annee, mois);
        std::string hebreux;
        DateHebraique h = engine::hebraique_du_civil({annee, mois, 1});
        for (int n = 1, dernier = 0; n <= longueur; ++n, h = engine::lendemain(h)) {
            if (h.mois != dernier) {
                engine::CalendarEngine e;
                hebreux += (hebreux.empty() ? "" : "  ") +
                           nom_mois_hebreu(h.mois, e.teste_embolismique(h.annee)) + " " +
                           std::to_string(h.annee);
                dernier = h.mois;
            }
        }
        tete_de_mois(titre_civil(annee), " " + nom_mois_civil(mois) + "  " + std::to_string(annee),
                     hebreux);
        for (DateCivile j{annee, mois, 1}; j.annee == annee && j.mois == mois;
             j = engine::lendemain(j)) {
            e_.convertit_civil_hebreu(j.annee, j.mois, j.jour);
            ajoute_jour();
            if (d_.premiers_du_mois) {
                break;
            }
        }
        fin_de_mois();
    }

    void mois_hebreu(int annee, int mois)
    {
        nouveau_mois(annee, mois);
        engine::CalendarEngine e;
        e.annee_hebr = annee;
        e.annee_civile = annee - 3760;
        e.calcule_annee();
        const int longueur = events::jours_du_mois_hebreu(e, mois);
        const bool embolismique = e.nb_mois == 13;
        std::string civils;
        DateCivile c = engine::civil_de_l_hebreu({annee, mois, 1});
        for (int n = 1, dernier = 0; n <= longueur; ++n, c = engine::lendemain(c)) {
            if (c.mois != dernier) {
                civils += (civils.empty() ? "" : "  ") + nom_mois_civil(c.mois) + " " +
                          std::to_string(engine::annee_civile_ecrite(c.annee));
                dernier = c.mois;
            }
        }
        tete_de_mois(titre_hebreu(annee),
                     " " + nom_mois_hebreu(mois, embolismique) + "  " + std::to_string(annee),
                     civils);
        for (int jour = 1; jour <= longueur; ++jour) {
            e_.convertit_hebreu_civil(annee, mois, jour);
            ajoute_jour();
            if (d_.premiers_du_mois) {
                break;
            }
        }
        fin_de_mois();
    }

    void fin_de_mois()
    {
        if (!d_.premiers_du_mois && !d_.chabbat_et_fetes && vers_memo() && compteur_.affiche) {
            page_.memo.emplace_back();
        }
    }

    zmanim::DayTimes horaires(const DateCivile& jour)
    {
        zmanim::DemandeJour demande;
        demande.jour_semaine = engine::jour_semaine(jour);
        demande.date = jour;
        demande.latitude = d_.lieu.latitude;
        demande.longitude = d_.lieu.longitude;
        demande.zone = d_.lieu.decalage;
        demande.opinion = d_.opinion;
        demande.correction_ete = tables_.correction(d_.lieu.pays, d_.mode_horaire, jour, 0);
        zmanim::DayTimes t;
        zmanim::horaires_du_jour(demande, reglages_, t, d_.contexte);
        const zmanim::TexteHoraire regle =
            entree_selon_la_regle(t, d_.regle_entree, demande.correction_ete > 0);
        entree_habituelle_.reset();
        if (!(regle == t.entree_chabbat)) {
            entree_habituelle_ = t.entree_chabbat;
            t.entree_chabbat = regle;
        }
        return t;
    }

    void ajoute_jour()
    {
        JourCalendrier j = jour_calendrier(e_, notes_, d_);
        if (d_.chabbat_et_fetes && !j.marque) {
            return;
        }
        std::string colonnes;
        std::string ligne = d_.sens == Sens::civil_hebreu ? ligne_civile(j) : ligne_hebraique(j);
        JourPage jour{j.civile, j.hebraique, j.jour_semaine, j.embolismique, j.marque, {}, {},
                      {},       {}};
        if (d_.horaires) {
            const zmanim::DayTimes t = horaires(j.civile);
            const MomentsDuJour m = moments_du_jour(j, notes_);
            ligne += texte_horaires_ligne(t, m);
            for (std::string& e : elements_horaires(t, m)) {
                j.elements.push_back(std::move(e));
            }
            colonnes = colonnes_horaires(t);
            jour.moments = moments_horaires(t, m);
            if (t.jour_polaire) {
                jour.message_polaire = t.message_polaire;
            } else {
                jour.horaires = horaires_des_colonnes(t);
            }
        }
        jour.elements = elements_nettoyes(j.elements);
        ligne = "  " + txt::cut(ligne, largeur_ligne_horaires) + " ";
        MoisPage& mois = page_.mois.back();
        const bool nouvel_an = j.hebraique.mois == 1 && j.hebraique.jour == 1;
        if (nouvel_an) {
            mois.lignes.push_back(ligne_nouvel_an(j.hebraique.annee, j.embolismique));
        }
        mois.lignes.push_back(ligne);
        // "Affiche toutes les entrées de Chabbat": the usual entry under the
        // line whose entry the rule moved.
        std::optional<std::string> habituelle;
        if (d_.toutes_entrees && d_.horaires && entree_habituelle_ &&
            ligne.find("E.Ch") != std::string::npos) {
            habituelle = std::string(40, ' ') +
                         "Entrée habituelle du Chabbat : " + entree_habituelle_->heures + ":" +
                         entree_habituelle_->minutes;
            mois.lignes.push_back(*habituelle);
        }
        exporte_ligne(construit_calch(jour, d_.sens, colonnes));
        mois.jours.push_back(std::move(jour));
        if (!vers_memo() || !compteur_.affiche) {
            return;
        }
        if (nouvel_an) {
            page_.memo.push_back(mois.lignes[mois.lignes.size() - 2]);
        }
        page_.memo.push_back(ligne);
        if (habituelle) {
            page_.memo.push_back(*habituelle);
        }
        if (++compteur_.lignes_jour >= limite_) {
            compteur_.affiche = false;
            // The text area holds no more: say so rather than stop silently.
            page_.memo.emplace_back();
            page_.memo.push_back(avis_de_limite(limite_));
        }
    }

    const DemandeCalendrier& d_;
    /// The usual entry of the last day computed, when the rule moved it.
    std::optional<zmanim::TexteHoraire> entree_habituelle_;
    const places::TablesEte& tables_;
    CompteurAffichage& compteur_;
    zmanim::ZmanimSettings reglages_;
    NotesDesAnnees notes_;
    int limite_;
    engine::CalendarEngine e_;
    PageAnnee page_;
};

std::string sans_tabulation(std::string texte)
{
    std::replace(texte.begin(), texte.end(), '\t', ' ');
    return texte;
}

} // namespace

std::string opinion_des_pages(std::string_view opinion)
{
    return opinion.starts_with("Bet") ? std::string("Beth Din") : std::string(opinion);
}

zmanim::ZmanimSettings reglages_calendrier(const DemandeCalendrier& demande)
{
    zmanim::ZmanimSettings r;
    zmanim::applique_halakha(r);
    r.opinion_calcul = demande.opinion;
    zmanim::initialise_angles(r);
    r.tossefet = demande.tossefet;
    r.diaspora = demande.diaspora;
    return r;
}

PageAnnee construit_page_calendrier(const DemandeCalendrier& demande, int annee,
                                    const places::TablesEte& tables, CompteurAffichage& compteur)
{
    return Construction(demande, annee, tables, compteur).construit();
}

std::string avis_de_limite(int lignes)
{
    return "    *** Affichage arrêté après " + std::to_string(lignes) +
           " jours (le calendrier entier : \"Fic ville\") ***";
}

CalendrierSimplifie calendrier_simplifie(const DemandeCalendrier& demande,
                                         const places::TablesEte& tables)
{
    CalendrierSimplifie c;
    const zmanim::LieuLu lu =
        zmanim::lit_lieu(demande.lieu.latitude, demande.lieu.longitude, demande.lieu.decalage);
    if (lu.refuse) {
        c.erreur = lu.message.empty()
                       ? "Erreur dans les coordonnées de la ville " + demande.lieu.ville
                       : lu.message;
        return c;
    }
    for (int n = 0; n < std::max(demande.nombre_annees, 1); ++n) {
        c.pages.push_back(
            construit_page_calendrier(demande, demande.annee + n, tables, c.compteur));
        const PageAnnee& p = c.pages.back();
        c.memo.insert(c.memo.end(), p.memo.begin(), p.memo.end());
    }
    return c;
}

void ecrit_fichiers_calendrier(const std::filesystem::path& repertoire,
                               const CalendrierSimplifie& calendrier,
                               const DemandeCalendrier& demande)
{
    if (calendrier.pages.empty()) {
        return;
    }
    platform::write_lines(platform::lookup_ignoring_case(repertoire, fichier_export),
                          calendrier.pages.back().export_lignes);
    platform::write_lines(
        platform::lookup_ignoring_case(repertoire, fichier_lieu_calendrier),
        {ligne_lieu_calendrier({demande.lieu, demande.opinion, demande.regle_entree})});
}

std::string ligne_lieu_calendrier(const LieuCalendrier& l)
{
    std::string ligne;
    for (const std::string& champ : {l.lieu.ville, l.lieu.pays, l.lieu.latitude, l.lieu.longitude,
                                     l.lieu.decalage, l.opinion}) {
        ligne += sans_tabulation(champ) + "\t";
    }
    return ligne + std::to_string(l.regle_entree) + "\t";
}

std::optional<LieuCalendrier> lit_lieu_calendrier(const std::filesystem::path& repertoire)
{
    const auto lignes = platform::read_lines_if_exists(
        platform::lookup_ignoring_case(repertoire, fichier_lieu_calendrier));
    if (!lignes || lignes->empty()) {
        return std::nullopt;
    }
    std::vector<std::string> champs;
    std::string champ;
    for (char c : lignes->front()) {
        if (c == '\t') {
            champs.push_back(champ);
            champ.clear();
        } else {
            champ += c;
        }
    }
    champs.push_back(champ);
    champs.resize(std::max<std::size_t>(champs.size(), 7));
    if (champs[0].empty()) {
        return std::nullopt;
    }
    LieuCalendrier l{{champs[0], champs[1], champs[2], champs[3], champs[4]}, champs[5], 0};
    const std::string& regle = champs[6];
    if (regle.size() == 1 && regle[0] >= '0' && regle[0] < '0' + nombre_regles_entree) {
        l.regle_entree = regle[0] - '0';
    }
    return l;
}

} // namespace orvane::documents
