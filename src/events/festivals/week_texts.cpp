#include "events/festivals/week_texts.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "engine/names.h"
#include "events/cycles/season_rows.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "events/readings/parachiot.h"
#include "events/saved_dates.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvane::events
{

namespace
{

constexpr std::string_view chana_tova = "  *** CHANA TOVA***";

/// One day of the week being described.
struct Jour {
    engine::DateCivile civile;
    int annee = 0;
    int mois = 0;
    int jour = 0;
    int jour_semaine = 0;
    bool commune = true;
    int mois_suivant = 0; // month of the next day
    LibellesDuJour l;
};

Jour jour_de(engine::CalendarEngine& e, engine::DateCivile d, bool diaspora)
{
    const engine::DateCivile demain = engine::lendemain(d);
    e.convertit_civil_hebreu(demain.annee, demain.mois, demain.jour);
    const int mois_suivant = e.mois_hebr;
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    Jour j{d,
           e.annee_hebr,
           e.mois_hebr,
           e.jour_hebr,
           e.jour_semaine,
           e.nb_mois == 12,
           mois_suivant,
           libelles_du_jour(e, diaspora)};
    paracha_du_jour(e, diaspora, j.l);
    return j;
}

bool est_jour_de_l_etat(const Jour& j, std::string_view debut)
{
    return j.annee >= 5709 && j.l.nom_jour.starts_with(debut);
}

/// The text of a day: mark, festival, short label.
std::string texte_du_jour(const Jour& j)
{
    if (j.mois == 1 && (j.jour == 1 || j.jour == 2)) {
        return j.l.nom_fete + " " + std::to_string(j.annee) + std::string(chana_tova);
    }
    if (est_jour_de_l_etat(j, "Yom Hazikaron")) {
        return "Yom Hazikaron";
    }
    if (est_jour_de_l_etat(j, "Yom Haatsmaout")) {
        return "Yom Haatsmaout";
    }
    if (j.annee == 5708 && j.mois == 9 && j.jour == 5) {
        return "Création Etat Juif";
    }
    std::string marque = j.l.nom_jour;
    if (j.l.indice_jour == 1) {
        const int mois = j.jour == 30 ? j.mois_suivant : j.mois;
        marque += std::string(engine::nom_mois_hebreu(mois, !j.commune));
    }
    std::string fete = j.l.nom_fete;
    if (j.l.indice_fete >= premiere_lecture) {
        fete = std::string(nom_entree_zero(j.jour_semaine)); // the reading goes to the Chabbat line
    }
    return marque + " " + fete + " " + j.l.libelle_court;
}

/// Whether a day of the week deserves a line: a festival, a fast, a mark,
/// or a day with a text of its own.
bool porte_un_libelle(const Jour& j)
{
    const bool fete = j.l.indice_fete > 0 && j.l.indice_fete < premiere_lecture;
    const bool texte_propre = j.l.nom_jour != nom_entree_zero(j.jour_semaine);
    return fete || j.l.indice_jour != 0 || texte_propre;
}

std::string lecture_du_chabbat(const Jour& j)
{
    const std::string lecture = texte_paracha(j.l);
    return lecture.empty() ? platform::trim(sans_remplissage(j.l.nom_fete)) : lecture;
}

std::string ligne_du_chabbat(const Jour& chabbat, bool aujourdhui)
{
    std::string ligne = aujourdhui ? "Aujourd'hui Chabbat: " : "Chabbat prochain  : ";
    const std::string special = platform::trim(chabbat.l.texte_chabbat_long);
    if (!special.empty() && !special.starts_with("Omer") && !special.starts_with("Tikoun")) {
        ligne += special + "  ";
    }
    ligne += "Paracha: " + lecture_du_chabbat(chabbat);
    if (chabbat.mois == 1 && chabbat.jour <= 2) {
        ligne += chana_tova;
    }
    return ligne;
}

std::string ligne_omer(const Jour& j)
{
    if (j.l.texte_omer.empty()) {
        return {};
    }
    const int n = std::stoi(j.l.texte_omer.substr(5));
    return "On compte le " + std::to_string(n) + (n == 1 ? " er jour du Omer" : "e jour du Omer");
}

void ajoute_textes_hebreux(const Jour& j, std::vector<std::string>& textes)
{
    const auto ajoute = [&textes](std::string_view t) {
        if (!t.empty() && std::find(textes.begin(), textes.end(), t) == textes.end()) {
            textes.emplace_back(t);
        }
    };
    if (j.l.indice_fete > 0 && j.l.indice_fete < premiere_lecture) {
        ajoute(texte_hebreu_de_fete(j.l.indice_fete));
    }
    if (j.l.indice_jour == 1) {
        ajoute(texte_hebreu_roch_hodech);
    }
    if (j.l.nom_jour.starts_with("Yom HaChoa")) {
        ajoute(texte_hebreu_yom_hachoa);
    }
    if (est_jour_de_l_etat(j, "Yom Hazikaron")) {
        ajoute(texte_hebreu_de_fete(34));
    }
    if (est_jour_de_l_etat(j, "Yom Haatsmaout")) {
        ajoute(texte_hebreu_de_fete(26));
    }
    if (j.l.nom_jour == "Yom Yérouchalaïm") {
        ajoute(texte_hebreu_de_fete(24));
    }
    if (j.l.indice_jour == 4) {
        ajoute(texte_hebreu_de_fete(11));
    }
    if (!j.l.texte_omer.empty()) {
        ajoute(texte_hebreu_omer);
    }
}

/// The prayer-for-rain notes of day `j`, whose first evening is the eve of
/// `debut`.
void notes_guechamim(const Jour& j, engine::DateCivile debut, int jour_semaine_veille,
                     TextesSemaine& t)
{
    const engine::DateCivile veille = engine::veille(debut);
    if (j.civile == veille) {
        t.note_guechamim = jour_semaine_veille == 7 ? "(Barekh 'Aleinou dès la sortie du Chabbat"
                                                    : " Barekh 'Aleinou ce soir à 'Arvit";
    } else if (j.civile == debut && jour_semaine_veille == 7) {
        t.note_guechamim = ")Barekh 'Aleinou depuis la sortie du Chab.";
    }
}

std::string ligne_barekh(int jour_semaine, engine::DateCivile d)
{
    return "Barekh 'Aleinou " +
           std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]) +
           std::to_string(d.jour) + " " +
           std::string(engine::mois_civils[static_cast<std::size_t>(d.mois)]) + " soir)";
}

} // namespace

std::string_view texte_hebreu_de_fete(int indice_fete)
{
    static const std::array<std::pair<int, std::string_view>, 30> textes = {{
        {1, "hnch car"},
        {2, "hyldg \\wx"},
        {3, "rwpyk \\wy"},
        {4, "twkws"},
        {5, "hkwnj"},
        {6, "tbfb hrcu"},
        {7, "fbcb wf"},
        {8, "rtsa tynut"},
        {9, "\\yrwp"},
        {10, "jsp"},
        {11, "rmwub gl"},
        {12, "twuwbc"},
        {13, "zwmtb rcu hubc"},
        {14, "bab huct"},
        {15, "bab wf"},
        {16, "hkwnj"},
        {17, "\\yrwp }cwc"},
        {21, "hbr anucwh"},
        {22, "trxu ynymc"},
        {23, "hrwt tjmc"},
        {24, "\\ylcwry \\wy"},
        {25, "twrwkb tynut"},
        {26, "twamxuh \\wy"},
        {28, "ync jsp"},
        {29, "twkws"},
        {30, "jsp"},
        {31, "trxu ynymc"},
        {32, "twkws"},
        {33, "jsp"},
        {34, "}wrkzh \\wy"},
    }};
    for (const auto& [indice, texte] : textes) {
        if (indice == indice_fete) {
            return texte;
        }
    }
    return {};
}

TextesSemaine libelles_semaine(engine::CalendarEngine& e, bool diaspora)
{
    const DatesSauvees sauve(e);
    TextesSemaine t;
    e.convertit_hebreu_civil(e.annee_hebr, e.mois_hebr, e.jour_hebr);
    const engine::DateCivile aujourdhui{e.annee_civile, e.mois_civil, e.jour_civil};
    const Jour j = jour_de(e, aujourdhui, diaspora);
    t.texte_jour = texte_du_jour(j);
    t.ligne_omer = ligne_omer(j);
    ajoute_textes_hebreux(j, t.textes_hebreux);

    DateGuechamim guechamim{};
    engine::DateCivile veille_guechamim{};
    int semaine_veille = 0;
    if (diaspora) {
        guechamim = detail::date_guechamim(e, j.annee, true);
        veille_guechamim = engine::veille(guechamim.civile);
        semaine_veille = engine::normalise_jour(guechamim.jour_semaine - 1);
        notes_guechamim(j, guechamim.civile, semaine_veille, t);
    }

    // The days after this one up to Friday; the coming Chabbat is today on a
    // Saturday.
    Jour chabbat = j;
    engine::DateCivile d = aujourdhui;
    for (;;) {
        d = engine::lendemain(d);
        const Jour suivant = jour_de(e, d, diaspora);
        const int w = suivant.jour_semaine;
        if (w == 7) {
            if (j.jour_semaine != 7) {
                chabbat = suivant;
            }
            break;
        }
        if (porte_un_libelle(suivant) && t.lignes_semaine.size() < 5) {
            t.lignes_semaine.push_back(
                std::string(engine::jours_semaine[static_cast<std::size_t>(w)]) +
                texte_du_jour(suivant));
        }
        if (diaspora && d == veille_guechamim && t.lignes_semaine.size() < 5) {
            t.lignes_semaine.push_back(ligne_barekh(w, d));
        }
        ajoute_textes_hebreux(suivant, t.textes_hebreux);
    }
    t.ligne_chabbat = ligne_du_chabbat(chabbat, j.jour_semaine == 7);
    ajoute_textes_hebreux(chabbat, t.textes_hebreux);
    return t;
}

} // namespace orvane::events
