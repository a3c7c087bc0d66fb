#include "documents/consistory_loop.h"

#include "places/places.h"
#include "platform/file_lookup.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace orvane::documents
{
namespace
{

constexpr std::string_view opinion_consistoire = "Beth Din (France)";

bool commence_par(std::string_view texte, std::string_view debut)
{
    return texte.substr(0, debut.size()) == debut;
}

/// The places of the loop: the chosen one, or those of "villcons.cal".
std::vector<places::Place> lieux_de_la_boucle(const ControlesCalendrier& c,
                                              const std::filesystem::path& repertoire)
{
    if (!commence_par(c.lieu.ville, ville_de_la_liste_consistoire)) {
        return {c.lieu};
    }
    std::vector<places::Place> lieux;
    for (const std::string& ligne : platform::read_lines(
             platform::lookup_ignoring_case(repertoire, std::string(fichier_villes_consistoire)))) {
        if (!platform::trim(ligne).empty()) {
            lieux.push_back(places::decoupe_ligne_lieu(ligne));
        }
    }
    return lieux;
}

} // namespace

RapportConsistoire boucle_consistoire(const ControlesCalendrier& c, const CalculRetenu& r,
                                      const config::ProgramOptions& options,
                                      const config::FichierCles& ciop,
                                      const places::TablesEte& tables,
                                      const std::filesystem::path& repertoire,
                                      const TableConsistoire& table)
{
    const bool liste = commence_par(c.lieu.ville, ville_de_la_liste_consistoire);
    RapportConsistoire rapport;
    rapport.lieu = c.lieu;
    for (const places::Place& lieu : lieux_de_la_boucle(c, repertoire)) {
        ControlesCalendrier un = c;
        un.nombre_annees = 1;
        un.lieu = lieu;
        CalculRetenu retenu = r;
        retenu.opinion = std::string(opinion_consistoire);
        if (liste) {
            // The list's places take the standard of their country; the
            // others keep the box's Tossefet.
            const int boite = c.tossefet;
            choisit_ville(un);
            retenu.tossefet = un.tossefet == 18 ? boite : un.tossefet;
            retenu.diaspora = un.diaspora;
        }
        for (int n = 0; n < c.nombre_annees; ++n) {
            un.annee = c.annee + n;
            DemandeCalendrier d = demande_du_calcul(un, retenu);
            applique_configuration(d, options, ciop);
            const CalendrierSimplifie calendrier = calendrier_simplifie(d, tables);
            if (!calendrier.erreur.empty()) {
                rapport.erreurs.push_back(lieu.ville + " : " + calendrier.erreur);
                break;
            }
            ecrit_fichiers_calendrier(repertoire, calendrier, d);
            ++rapport.calendriers;
            rapport.memo = calendrier.memo;
            if (table) {
                table(d, calendrier);
            }
        }
    }
    if (liste) {
        rapport.lieu = {std::string(ville_de_la_liste_consistoire), "AA_Pays", "0°N", "0°E", "0"};
        platform::write_lines(
            platform::lookup_ignoring_case(repertoire, std::string(fichier_lieu_calendrier)),
            {ligne_lieu_calendrier({rapport.lieu, std::string(opinion_consistoire), 0})});
    }
    return rapport;
}

} // namespace orvane::documents
