#include "shell/day/day_page_text.h"

#include "engine/names.h"
#include "platform/text.h"
#include "zmanim/format/arrondi.h"

namespace orvane::shell
{

namespace
{

using Lignes = std::vector<std::string>;

void ajoute_decalees(Lignes& page, const Lignes& lignes, std::string_view marge)
{
    for (const std::string& l : lignes) {
        page.push_back(std::string(marge) + l);
    }
}

void entete_et_date(Lignes& page, const ContenuPageDuJour& c)
{
    page.push_back(c.nom_jour_special.empty()
                       ? ligne_titre("    AUJOURD'HUI ")
                       : ligne_titre("    AUJOURD'HUI ---- " + c.nom_jour_special +
                                     " --------------------------"));
    page.push_back(platform::cut(
        "       " + c.date_civile + " correspondant au " + c.date_hebraique, largeur_titre_page));
    if (!c.ligne_horloge.empty()) {
        page.push_back("       Il est : " + c.ligne_horloge);
    }
    for (const std::string& l : c.libelles_jour) {
        if (!platform::trim(l).empty()) {
            page.push_back("       " + l);
        }
    }
}

void anniversaires_et_bar_mitsva(Lignes& page, const ContenuPageDuJour& c)
{
    page.push_back(ligne_titre("    " + std::to_string(c.nombre_anniversaires) +
                               " PROCHAIN(S) ANNIVERSAIRE(S) "));
    ajoute_decalees(page, c.anniversaires, "       ");
    page.emplace_back("       ");
    page.push_back(ligne_titre(c.fille ? "    DATE DE BAT-MITSVA " : "    DATE DE BAR-MITSVA "));
    page.push_back("      " + c.ligne_bar_mitsva);
    page.push_back("       " + c.ligne_chabbat_bar_mitsva);
    page.emplace_back();
    page.push_back(ligne_titre("    CARACTERISTIQUES DE L'ANNEE HEBRAÏQUE " +
                               std::to_string(c.annee_hebr) + " --------"));
    for (const std::string& l : c.caracteristiques) {
        page.push_back(l);
    }
}

void lieu_et_horaires(Lignes& page, const ContenuPageDuJour& c)
{
    page.push_back(ligne_titre("    VILLE : " + c.lieu.ville + "(" + c.lieu.pays + ")"));
    page.push_back("       Latitude : " + c.lieu.latitude + "   Longitude : " + c.lieu.longitude +
                   "    gmt : " + c.lieu.decalage +
                   (c.correction_ete != 0 ? "   Heure d'été (" : "   Heure d'hiver (") +
                   texte_correction(c.correction_ete) + " heure)");
    page.emplace_back();
    const std::string mois =
        c.mois >= 1 && c.mois <= 12 ? std::string(engine::mois_civils[c.mois]) : std::string();
    page.push_back(platform::cut("    HORAIRES DU JOUR " + std::to_string(c.jour) + " " +
                                     platform::pad_right(mois, 9) + "( selon l'avis du " +
                                     c.opinion + " ) ---------------------------",
                                 largeur_titre_page));
    ajoute_decalees(page, c.horaires, "     ");
    page.emplace_back();
    ajoute_decalees(page, c.heures_saison, "  ");
    page.emplace_back();
    ajoute_decalees(page, c.durees, "    ");
    page.emplace_back();
    page.emplace_back();
}

void jours_importants(Lignes& page, const ContenuPageDuJour& c)
{
    page.push_back(
        ligne_titre("    JOURS IMPORTANTS DE L'ANNEE " + std::to_string(c.annee_hebr) +
                        (c.diaspora ? " (en Diaspora) -----------" : " (en Israël) -------------"),
                    largeur_titre_jours_importants));
    page.emplace_back("    F = Jour de fête, férié     f = Jour de demi-fête");
    ajoute_decalees(page, c.jours_importants, "      ");
}

} // namespace

std::string ligne_titre(std::string_view texte, std::size_t largeur)
{
    return platform::pad_right(platform::cut(texte, largeur), largeur, '-');
}

std::string texte_correction(double correction)
{
    return zmanim::texte_decimal(correction);
}

std::vector<std::string> page_du_jour(const ContenuPageDuJour& c)
{
    Lignes page;
    entete_et_date(page, c);
    anniversaires_et_bar_mitsva(page, c);
    lieu_et_horaires(page, c);
    jours_importants(page, c);
    return page;
}

} // namespace orvane::shell
