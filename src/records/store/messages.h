// The texts of the record stores: the questions the records window asks
// before an operation, and what it tells after.
#pragma once

#include "records/store/families.h"
#include "records/store/pair_contents.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

inline constexpr std::string_view question_ajout =
    "Etes-vous sûr de vouloir créer et enregistrer cette nouvelle fiche ?";
inline constexpr std::string_view question_renumerotation =
    "Etes-vous sûr de vouloir tout recalculer et réaffecter des numéros de fiches pour combler "
    "les numéros manquants ?";
/// The second question before renumbering.
inline constexpr std::string_view question_confirmez = "Confirmez";
inline constexpr std::string_view message_aucune_fiche = "Le fichier ne contient aucune fiche";

/// "Etes-vous sûr de vouloir enregistrer les modifications de la fiche N° 7 ?"
[[nodiscard]] std::string question_modification(int numero);
/// "Etes-vous sûr de vouloir supprimer la fiche n° 7 ?"
[[nodiscard]] std::string question_suppression(int numero);
/// "Etes-vous sûr de vouloir dupliquer la fiche N° 7 ?"
[[nodiscard]] std::string question_duplication(int numero);

/// "La fiche N° 7 a été enregistrée"
[[nodiscard]] std::string message_fiche_enregistree(int numero);
/// "La fiche N° 7 a été supprimée"
[[nodiscard]] std::string message_fiche_supprimee(int numero);
/// "La fiche numéro 7 a été dupliquée. La nouvelle fiche porte le numéro 12"
[[nodiscard]] std::string message_fiche_dupliquee(int ancien, int nouveau);
/// "Les fiches comportent les numéros de 1 à 12"
[[nodiscard]] std::string message_numeros(int nombre);

/// The warning before a line longer than 255 characters is cut: "Les
/// informations comportent plus de 300 caractères.\rCela dépasse les 255
/// caractères autorisés.\r…\r\r".
[[nodiscard]] std::string avertissement_ligne_longue(std::size_t caracteres);

/// The position and the count under the record: "3 / 12".
[[nodiscard]] std::string texte_position(int position, int nombre);

/// A record that is not where the window saw it.
[[nodiscard]] std::string message_fiche_deplacee(int position, int numero);
/// A position beyond the records.
[[nodiscard]] std::string message_position_absente(int position, int nombre);
/// The two lines of a position whose numbers differ.
[[nodiscard]] std::string message_lignes_discordantes(int position);

/// Two files that do not agree line by line: the first disagreement, how
/// many lines, and that nothing will be written until they are mended.
[[nodiscard]] std::string message_paire_incoherente(const FichiersFamille& fichiers,
                                                    const std::vector<DefautPaire>& defauts);

/// A typed character that the files cannot hold.
[[nodiscard]] std::string message_caractere_refuse(std::string_view champ, std::string_view raison);

/// Records kept as they were by a renumbering, whose lines it could not
/// read field by field.
[[nodiscard]] std::string message_fiches_gardees(int nombre);

/// Records removed because they held no date.
[[nodiscard]] std::string message_fiches_sans_date(const std::vector<int>& numeros);

} // namespace orvane::records
