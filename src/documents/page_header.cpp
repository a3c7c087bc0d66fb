#include "documents/page_header.h"

#include "engine/calendar_engine.h"
#include "platform/text.h"

namespace orvane::documents
{

namespace
{

std::string en_tete_diaspora(bool diaspora)
{
    return std::string("    * Paracha selon ") + (diaspora ? "Diaspora" : "Israël");
}

std::string coordonnees(const DemandeCalendrier& d)
{
    return "Lat. " + d.lieu.latitude + "  Long. " + d.lieu.longitude + " gmt " + d.lieu.decalage +
           " (" + platform::left(opinion_des_pages(d.opinion), 1) + ")";
}

void titre(std::vector<std::string>& l, const DemandeCalendrier& d)
{
    l.push_back("    " + platform::to_upper(d.titre_programme) + "\t\tB\"H");
    l.push_back("    " + std::string(50, '='));
    l.emplace_back();
}

void fin_d_entete(std::vector<std::string>& l)
{
    l.push_back(std::string(87, '=') + std::string(13, ' '));
    l.emplace_back();
}

std::vector<std::string> entete_civile(const DemandeCalendrier& d, int annee, bool sans_heure_ete)
{
    std::vector<std::string> l;
    titre(l, d);
    engine::CalendarEngine e;
    l.push_back("    Année civile " + std::to_string(annee) + "  " +
                (e.est_bissextile(annee) ? "Bissextile" : "Commune") +
                "   Correspondant aux années hébraïques  " + std::to_string(annee + 3760) + " / " +
                std::to_string(annee + 3761));
    l.emplace_back();
    l.push_back(en_tete_diaspora(d.diaspora));
    if (d.horaires) {
        l.push_back("    * Horaires pour " + d.lieu.ville + "  " + "  - " + d.lieu.pays + " -  " +
                    coordonnees(d));
        l.emplace_back("      (E.=Entrée  S.=Sortie  D.=Début(jeûne)  F.:Fin(jeûne)  Ch=Chabbat  "
                       "TY=Yom Tov");
        l.emplace_back("      RH=Roch-Hachana   Ki=Kippour   DL=Début Lévana   FL=Fin Lévana   "
                       "MOL=Molad");
        l.emplace_back("      TEK=Tékoufa   PTah=Pas de Tahanoune ce jour)");
        if (sans_heure_ete) {
            l.emplace_back(
                "    * Les heures indiquées sont celles d'hiver tout le long de l'année.");
        }
    }
    fin_d_entete(l);
    return l;
}

std::vector<std::string> entete_hebraique(const DemandeCalendrier& d, int annee,
                                          bool sans_heure_ete)
{
    std::vector<std::string> l;
    titre(l, d);
    engine::CalendarEngine e;
    const int civile = annee_civile_de_l_hebreu(annee);
    const int precedente = civile == 1 ? -1 : civile - 1;
    l.push_back("    Année hébraïque " + std::to_string(annee) + "  " +
                (e.teste_embolismique(annee) ? "(2 Adar)" : "(1 Adar)") +
                "   Correspondant aux années civiles  " + std::to_string(precedente) + " / " +
                std::to_string(civile));
    l.emplace_back();
    l.push_back(en_tete_diaspora(d.diaspora));
    if (d.horaires) {
        l.push_back("    * Horaires pour " + d.lieu.pays + "  " + "- " + d.lieu.ville + " -  " +
                    coordonnees(d));
        l.emplace_back("    (E.=Entrée S.=Sortie D.=Début F.:Fin CH.=Chabbat TY=Yom Tov");
        l.emplace_back("    DL=Début Lévana FL=Fin Lévana MOL=Molad)");
    }
    l.emplace_back("      RH=Roch-Hachana   Ki=Kippour   DL=Début Lévana   FL=Fin Lévana   "
                   "MOL=Molad");
    l.emplace_back("      TEK=Tékoufa   PTah=Pas de Tahanoune ce jour)");
    if (d.horaires && sans_heure_ete) {
        l.emplace_back("    * Les heures indiquées sont celles d'hiver, tout le long de l'année.");
    }
    fin_d_entete(l);
    return l;
}

} // namespace

int annee_civile_de_l_hebreu(int annee_hebr)
{
    const int civile = annee_hebr - 3760;
    return civile <= 0 ? civile - 1 : civile;
}

std::vector<std::string> entete_page(const DemandeCalendrier& demande, int annee,
                                     bool sans_heure_ete)
{
    return demande.sens == Sens::civil_hebreu ? entete_civile(demande, annee, sans_heure_ete)
                                              : entete_hebraique(demande, annee, sans_heure_ete);
}

std::string ligne_nouvel_an(int annee_hebr, bool embolismique)
{
    return "\t\t\t" + std::to_string(annee_hebr) + "\t" + (embolismique ? "(Embol.)" : "(Commune)");
}

} // namespace orvane::documents
