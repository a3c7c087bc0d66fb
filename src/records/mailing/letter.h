// A letter of the mailing: a model in which each placeholder "<@FIELD>"
// is replaced by the value of that field of a record, "<@DATE>" by today's
// date, and the civilities written out ("Mme" → "Madame").
//
//   remplit_modele("Cher <@N> <@nom>,", {{"N", "M."}, {"NOM", "Lévy"}}, "05/01/2025")
//   // "Cher Monsieur Lévy,"
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::records
{

/// The fields of a record in the order of its table: name, text.
using ChampsFiche = std::vector<std::pair<std::string, std::string>>;

/// The placeholder of a field: "<@" + field + ">".
[[nodiscard]] std::string marque_champ(std::string_view champ);

/// The text a letter shows for a field's value: "M", "M." and "Mr" become
/// "Monsieur", "Mme" "Madame", "Mle" "Mademoiselle", whatever the field;
/// of "NOTES" only its characters 30 to 129, unless `notes_entieres` (the
/// letter of the person search).
[[nodiscard]] std::string valeur_dans_la_lettre(std::string_view champ, std::string_view valeur,
                                                bool notes_entieres = false);

/// The model with every placeholder of "DATE" (today, written
/// `date_du_jour`) and of the record's fields replaced, compared without
/// regard to case, field after field in the order of the table. A
/// placeholder of a field the record lacks is left as typed.
[[nodiscard]] std::string remplit_modele(std::string_view modele, const ChampsFiche& champs,
                                         std::string_view date_du_jour,
                                         bool notes_entieres = false);

/// The names of the field list of the window: "DATE", then the record's.
[[nodiscard]] std::vector<std::string> liste_des_champs(const std::vector<std::string>& champs);

/// What "Insérer un champ dans le texte" puts at the cursor: a blank and the
/// placeholder.
[[nodiscard]] std::string insertion_champ(std::string_view champ);

} // namespace orvane::records
