#include "records/store/messages.h"

#include "platform/file_error.h"

namespace orvane::records
{

namespace
{

std::string n(int nombre)
{
    return std::to_string(nombre);
}

std::string cote(const CoteDeLigne& c)
{
    if (c.vide) {
        return "une ligne vide";
    }
    if (!c.numero) {
        return "une ligne sans numéro de fiche";
    }
    return "la fiche N° " + n(*c.numero);
}

} // namespace

std::string question_modification(int numero)
{
    return "Etes-vous sûr de vouloir enregistrer les modifications de la fiche N° " + n(numero) +
           " ?";
}

std::string question_suppression(int numero)
{
    return "Etes-vous sûr de vouloir supprimer la fiche n° " + n(numero) + " ?";
}

std::string question_duplication(int numero)
{
    return "Etes-vous sûr de vouloir dupliquer la fiche N° " + n(numero) + " ?";
}

std::string message_fiche_enregistree(int numero)
{
    return "La fiche N° " + n(numero) + " a été enregistrée";
}

std::string message_fiche_supprimee(int numero)
{
    return "La fiche N° " + n(numero) + " a été supprimée";
}

std::string message_fiche_dupliquee(int ancien, int nouveau)
{
    return "La fiche numéro " + n(ancien) + " a été dupliquée. La nouvelle fiche porte le numéro " +
           n(nouveau);
}

std::string message_numeros(int nombre)
{
    return "Les fiches comportent les numéros de 1 à " + n(nombre);
}

std::string avertissement_ligne_longue(std::size_t caracteres)
{
    return "Les informations comportent plus de " + std::to_string(caracteres) +
           " caractères.\rCela dépasse les 255 caractères autorisés.\rOptimisez les informations "
           "sur les coordonnées de la personne.\rSi vous acceptez de continuer, la ligne sera "
           "tronquée.\r\r";
}

std::string texte_position(int position, int nombre)
{
    return n(position) + " / " + n(nombre);
}

std::string message_fiche_deplacee(int position, int numero)
{
    return "La fiche N° " + n(numero) + " ne se trouve plus à la position " + n(position) +
           " : les fichiers ont changé depuis qu'elle a été lue.\rRien n'a été modifié ; "
           "affichez la fiche de nouveau avant de recommencer.";
}

std::string message_position_absente(int position, int nombre)
{
    return "Il n'y a pas de fiche à la position " + n(position) + " : le fichier en contient " +
           n(nombre) + ".";
}

std::string message_lignes_discordantes(int position)
{
    return "Les deux lignes de la fiche à la position " + n(position) +
           " ne portent pas le même numéro : elle n'est pas lue.";
}

std::string message_paire_incoherente(const FichiersFamille& fichiers,
                                      const std::vector<DefautPaire>& defauts)
{
    if (defauts.empty()) {
        return {};
    }
    const DefautPaire& premier = defauts.front();
    return "Les fichiers " + platform::quoted(fichiers.noms) + " et " +
           platform::quoted(fichiers.dates) +
           " ne se correspondent pas ligne à ligne : à la ligne " + std::to_string(premier.ligne) +
           ", le fichier des noms porte " + cote(premier.noms) + " et celui des dates " +
           cote(premier.dates) + " (" + std::to_string(defauts.size()) +
           (defauts.size() > 1 ? " lignes en désaccord" : " ligne en désaccord") +
           ").\rAucune modification ne sera enregistrée tant qu'ils n'auront pas été remis "
           "en accord.";
}

std::string message_caractere_refuse(std::string_view champ, std::string_view raison)
{
    return "La fiche n'est pas enregistrée : dans le champ « " + std::string(champ) + " », " +
           std::string(raison) + ".";
}

std::string message_fiches_gardees(int nombre)
{
    return n(nombre) + (nombre > 1 ? " fiches ont été gardées telles quelles : leurs lignes ne "
                                     "suivent pas le format des fichiers."
                                   : " fiche a été gardée telle quelle : ses lignes ne suivent "
                                     "pas le format des fichiers.");
}

std::string message_fiches_sans_date(const std::vector<int>& numeros)
{
    std::string liste;
    for (const int numero : numeros) {
        liste += (liste.empty() ? "" : ", ") + n(numero);
    }
    return (numeros.size() > 1 ? "Les fiches sans date N° " + liste + " ont été retirées."
                               : "La fiche sans date N° " + liste + " a été retirée.");
}

} // namespace orvane::records
