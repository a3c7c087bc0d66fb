#include "tables/table_header.h"

#include "engine/names.h"
#include "platform/text.h"

#include <cstdlib>

namespace orvane::tables
{

namespace
{

using platform::echappe_html;

std::string ligne_memo(const DemandeTable& d)
{
    const places::Place& l = d.lieu;
    std::string t = l.ville + "  (" + l.pays + ")" + "    Lat. : " + l.latitude +
                    "    Long. : " + l.longitude + "    GMT : " + l.decalage;
    if (d.indique_avis) {
        t += "   Avis : " + d.opinion;
    }
    if (d.ete_jour_par_jour) {
        t += "      Année : " + std::to_string(d.annee_reference);
    }
    if (d.filtre != FiltreJours::tous) {
        t += " (" + std::string(texte_du_filtre(d.filtre)) + ")";
    } else if (d.increment != 1) {
        t += "   (Tous les " + std::to_string(d.increment) + " jours)";
    }
    return t + d.etiquettes;
}

/// "+1", "-5", "+5.5" of the offset text, signed once whatever it holds.
std::string decalage_signe(std::string_view texte)
{
    std::string t = platform::trim(texte);
    if (!t.empty() && t.front() == '+') {
        t.erase(0, 1);
    }
    const bool positif = !t.empty() && t.front() != '-' && std::atof(t.c_str()) > 0;
    return (positif ? "+" : "") + t;
}

std::string ligne_livre(const DemandeTable& d)
{
    const places::Place& l = d.lieu;
    return l.ville + " - " + "   Latitude : " + l.latitude + "   Longitude : " + l.longitude +
           "   G.M.T." + decalage_signe(l.decalage);
}

std::string ligne_web(const DemandeTable& d)
{
    const places::Place& l = d.lieu;
    return "</PRE><FONT face=\"times\" color=#990000 style=\"font-size: 18pt\"><STRONG>" +
           echappe_html(l.ville) + "</STRONG></FONT>" +
           "<FONT face=\"times\" style=\"font-size: 12pt\">  (" + echappe_html(l.pays) + ")" +
           "   Latitude : " + echappe_html(l.latitude) +
           "   Longitude : " + echappe_html(l.longitude) + "   GMT : " + echappe_html(l.decalage) +
           "<BR>";
}

std::string ligne_liste(const DemandeTable& d)
{
    const places::Place& l = d.lieu;
    return l.ville + " (" + l.pays + ")" + "   Latitude : " + l.latitude +
           "   Longitude : " + l.longitude + "   GMT : " + l.decalage;
}

constexpr std::string_view titres_web = "<STRONG>-Date--------Aube   Début  L.sol  Chéma1 Chéma2"
                                        " Téph1  Téph2  Mijour M.Gué  Plag   E.Ch   C.sol  "
                                        "Etoiles S.Ch   Nuit</STRONG>";

constexpr std::string_view titres_liste =
    "        Aube    Début   L.sol   Chéma1  Chéma2  Téph1   Téph2   Mijour  M.Gué   Plag    "
    "E.Ch    C.sol   Etoiles  S.Ch   Nuit";

std::string nom_mois(int mois)
{
    return std::string(engine::mois_civils[static_cast<std::size_t>(mois)]);
}

/// The anchor of a month, "1J", "2F" …: its number and initial.
std::string ancre(int mois)
{
    return std::to_string(mois) + platform::left(nom_mois(mois), 1);
}

std::string annee_du_titre(const DemandeTable& d, int annee)
{
    return d.liste_monde ? std::string() : std::to_string(annee);
}

} // namespace

std::string ligne_du_lieu(const DemandeTable& d)
{
    if (est_une_plaque(d.mise_en_page)) {
        return d.lieu.ville;
    }
    if (est_un_livre(d.mise_en_page)) {
        return ligne_livre(d);
    }
    switch (d.sortie) {
    case Sortie::web:
        return ligne_web(d);
    case Sortie::liste:
        return ligne_liste(d);
    case Sortie::memo:
        break;
    }
    return ligne_memo(d);
}

std::vector<std::string> notes_web(const DemandeTable& d)
{
    std::vector<std::string> notes;
    if (d.lieu.pays == "France") {
        notes.emplace_back("<BR>Cette mesure s'applique du dernier dimanche de mars jusqu'au "
                           "dernier dimanche d'octobre.");
    } else {
        notes.emplace_back("<BR>Certains pays n'ont pas de changement d'heure en été.");
        notes.emplace_back(
            "<BR>L'entrée du Chabbat sur ce tableau est à 18 minutes avant le coucher du Soleil. "
            "Dans certains pays, elle est à 15 ou 20 ou 40 minutes.<BR>Se renseigner auprès de "
            "la communauté et corriger l'entrée du Chabbat en conséquence.<BR><BR>");
    }
    notes.emplace_back(
        "<PRE><STRONG><FONT face=\"times\"  color=#000099 style=\"font-size: 15pt\"><A name=");
    return notes;
}

std::string ligne_des_titres(const DemandeTable& d, const std::vector<ColonneAffichee>& colonnes)
{
    if (d.sortie == Sortie::web && !est_un_livre(d.mise_en_page)) {
        // Continues the anchor opened by the last note: its name is the month.
        const int m = d.debut.mois;
        const std::string annee = d.liste_monde ? "    " : std::to_string(d.debut.annee);
        return ancre(m) + "> " + nom_mois(m) + " " + annee +
               "</A></STRONG></FONT><BR><FONT face=\"Courier New\" style=\"font-size: 10pt\">" +
               std::string(titres_web);
    }
    // The year of the table leads the line when summer time follows the
    // dates; each title stands over its column, one tab per cell as in the
    // rows.
    const std::string annee = d.ete_jour_par_jour ? std::to_string(d.annee_reference) : "";
    if (d.sortie == Sortie::liste && !est_un_livre(d.mise_en_page)) {
        return annee.empty() ? std::string(titres_liste) : annee + "\t" + std::string(titres_liste);
    }
    std::string t = annee + " Date";
    for (const ColonneAffichee& c : colonnes) {
        t += "\t" + c.titre;
    }
    return t;
}

std::vector<std::string> lignes_changement_de_mois(const DemandeTable& d, int mois, int annee)
{
    if (est_un_livre(d.mise_en_page)) {
        return {};
    }
    if (d.sortie == Sortie::liste) {
        return {" "};
    }
    if (d.sortie != Sortie::web) {
        return {};
    }
    std::vector<std::string> lignes{"</FONT><A href=\"#debut\"><IMG height=16 alt=haut src=\"" +
                                    d.prefixe_site + "images/haut.gif\" width=17 border=0></A>"};
    if (mois < 12) {
        const int suivant = mois + 1;
        lignes.push_back("<STRONG><FONT face=\"times\" style=\"font-size: 15pt\" "
                         "color=#000099><A name=" +
                         ancre(suivant) + "> " + nom_mois(suivant) + " " +
                         annee_du_titre(d, annee) + "</A></STRONG></FONT>");
        lignes.push_back("<FONT face=\"Courier New\" style=\"font-size: 10pt\">" +
                         std::string(titres_web));
    }
    return lignes;
}

} // namespace orvane::tables
