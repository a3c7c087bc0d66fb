#include "documents/page_bodies.h"

#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "platform/text.h"

namespace orvane::documents
{

namespace
{

bool embolismique(int annee_hebr)
{
    engine::CalendarEngine e;
    return e.teste_embolismique(annee_hebr);
}

std::string nom_du_mois(const MoisPage& m, Sens sens)
{
    if (sens == Sens::civil_hebreu) {
        return std::string(engine::mois_civils[static_cast<std::size_t>(m.mois)]);
    }
    return platform::trim(engine::nom_mois_hebreu(m.mois, embolismique(m.annee)));
}

const std::string police_lieu = "<FONT face=\"times\" style=\"font-size: 12pt\">";

std::string ouverture_mois(const MoisPage& m, Sens sens)
{
    return "<STRONG><FONT face=\"times\" style=\"font-size: 15pt\" color=\"#000099\"><A name=\"" +
           ancre_mois(m, sens) + "\"> " + echappe_html(titre_mois(m, sens)) +
           "</A></FONT></STRONG><FONT style=\"font-size: 8pt\">";
}

std::vector<std::string> lieu_html(const DemandeCalendrier& d)
{
    const places::Place& l = d.lieu;
    const bool civil = d.sens == Sens::civil_hebreu;
    const std::string titre = civil ? l.ville : l.pays + " - " + l.ville;
    return {
        "<FONT face=\"times\" color=\"#990000\" style=\"font-size: 18pt\"><STRONG>" +
            echappe_html(titre) + "</STRONG></FONT>",
        police_lieu + "  (" + echappe_html(l.pays) + ")   Latitude : " + echappe_html(l.latitude) +
            "   Longitude : " + echappe_html(l.longitude) +
            "\t   GMT : " + echappe_html(l.decalage) + "  (" +
            echappe_html(opinion_des_pages(d.opinion)) + ")<BR></FONT>",
        police_lieu + "L'heure d'été est prise en compte dans ce tableau.<BR></FONT>",
    };
}

std::vector<std::string> lieu_texte(const DemandeCalendrier& d)
{
    const places::Place& l = d.lieu;
    if (d.sens == Sens::civil_hebreu) {
        return {l.ville + " ( " + l.pays + " )  Latitude : " + l.latitude +
                    "   Longitude : " + l.longitude + "\t   GMT : " + l.decalage,
                "L'heure d'été est prise en compte dans ce tableau."};
    }
    return {l.ville + " ( " + l.pays + ")   Latitude : " + l.latitude +
                "   Longitude : " + l.longitude + "\t   GMT : " + l.decalage + "  (" +
                opinion_des_pages(d.opinion) + ")",
            "(L'heure d'été est prise en compte dans ce tableau.)"};
}

} // namespace

std::string titre_mois(const MoisPage& m, Sens sens)
{
    return nom_du_mois(m, sens) + " " + std::to_string(m.annee);
}

std::string ancre_mois(const MoisPage& m, Sens sens)
{
    return std::to_string(m.mois) + platform::left(nom_du_mois(m, sens), 1);
}

std::vector<std::string> corps_texte(const PageAnnee& page, const DemandeCalendrier& demande)
{
    std::vector<std::string> l;
    if (demande.horaires) {
        l = lieu_texte(demande);
    }
    for (const MoisPage& m : page.mois) {
        l.emplace_back(" ");
        l.push_back(titre_mois(m, demande.sens));
        l.insert(l.end(), m.lignes.begin(), m.lignes.end());
    }
    return l;
}

std::vector<std::string> corps_html(const PageAnnee& page, const DemandeCalendrier& demande,
                                    std::string_view prefixe_images)
{
    std::vector<std::string> l;
    if (demande.horaires) {
        l = lieu_html(demande);
    }
    const std::string retour = "</FONT><A href=\"#debut\"><IMG height=16 alt=haut src=\"" +
                               std::string(prefixe_images) +
                               "images/haut.gif\" width=17 border=0></A>";
    for (std::size_t i = 0; i < page.mois.size(); ++i) {
        const MoisPage& m = page.mois[i];
        l.push_back(i == 0 ? "<PRE>" + ouverture_mois(m, demande.sens)
                           : ouverture_mois(m, demande.sens));
        for (const std::string& ligne : m.lignes) {
            l.push_back(echappe_html(ligne));
        }
        l.push_back(retour);
    }
    if (page.mois.empty()) {
        l.emplace_back("<PRE>");
    }
    l.emplace_back("</PRE></TD></TR></TBODY></TABLE>");
    return l;
}

} // namespace orvane::documents
