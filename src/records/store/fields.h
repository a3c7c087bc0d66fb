// The fields of the record lines. A line is the record number and its
// fields, separated by tabs; so a field can hold no tab and no line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::records
{

/// A field as it is written: every control character (tab, carriage
/// return, line feed, the other C0 controls, DEL and the C1 controls
/// U+0080..U+009F) made a blank, then every run of blanks made one blank.
/// "Cohen\tLévy" → "Cohen Lévy", "12  rue\r\nde Paris" → "12 rue de Paris".
[[nodiscard]] std::string champ_ecrit(std::string_view texte);

/// A field that is one word (the day and the year of a Bar-Mitsva date,
/// whose blanks become tabs): champ_ecrit without any blank.
[[nodiscard]] std::string mot_ecrit(std::string_view texte);

/// The fields of a line, split at every tab: "a\t\tb" → {"a", "", "b"};
/// the empty text is one empty field.
[[nodiscard]] std::vector<std::string_view> separe_champs(std::string_view ligne);

/// The fields joined with a tab between two of them.
[[nodiscard]] std::string joint_champs(const std::vector<std::string>& champs);

/// The texts joined with a blank between two of them: the inverse of the
/// blanks of a written date made tabs.
[[nodiscard]] std::string joint_par_blancs(const std::vector<std::string_view>& textes);

} // namespace orvane::records
