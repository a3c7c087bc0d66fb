#include "places/dst_texts.h"

namespace orvane::places
{

std::string texte_statut_annee(const DstYear& annee, int annee_civile, bool sens_hebreu_civil)
{
    if (annee.trouve()) {
        return "Heure d'été : " + annee.statut + "/" + annee.mois_debut + "/" + annee.annee_debut +
               "   Heure d'hiver : " + annee.jour_fin + "/" + annee.mois_fin + "/" +
               annee.annee_fin;
    }
    if (annee.sans_changement() && !sens_hebreu_civil) {
        return "Heures d'hiver. Il n'y a pas de chang. d'heure pour " +
               std::to_string(annee_civile);
    }
    return "Les heures indiquées sont celles d'hiver.";
}

std::string bulle_statut_annee(const DstYear& annee, std::string_view pays)
{
    const std::string fichier = "\"h_" + std::string(pays) + ".txt\"";
    if (annee.sans_changement()) {
        return "Pour prendre en compte des dates ultérieures\rmettre à jour le fichier " + fichier +
               " dans le même répertoire\r(les champs sont séparés par des tabulations)";
    }
    if (!annee.trouve()) {
        return "Pour tenir compte des heures d'été pour " + std::string(pays) +
               ", créer un fichier\r" + fichier +
               " dans le même répertoire, à l'image par exemple du fichier \"h_France\"\r(les "
               "champs sont séparés par des tabulations)";
    }
    return {};
}

std::string_view texte_etiquette_table(bool ete)
{
    return ete ? "Ce tableau est actuellement à l'heure d'été"
               : "Ce tableau est actuellement à l'heure d'hiver";
}

std::string_view bulle_etiquette(bool table_trouvee)
{
    return table_trouvee
               ? "Un fichier réglementant les changements d'heure existe.\rIl est pris en compte "
                 "pour définir les jours de changement de date."
               : "Il n'existe pas de fichier réglementant les changements d'heure.\rLe tableau "
                 "ci-dessus tient compte de l'heure d'été\rou d'hiver que vous avez vous-même "
                 "saisie en haut";
}

std::string_view texte_etiquette_horaire(bool hiver_coche)
{
    return hiver_coche ? "Ce tableau est actuellement à l'heure d'hiver"
                       : "Correction manuelle heure été/hiver prise en compte";
}

} // namespace orvane::places
