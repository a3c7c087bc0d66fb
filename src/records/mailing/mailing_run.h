// The mailing itself: for each record of the period, its letter filled from
// the model and saved as a real RTF document in the output folder, under a
// name of its own; the list of the persons written.
#pragma once

#include "engine/dates.h"
#include "records/mailing/letter.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::records
{

/// One record of the table as the mailing reads it.
struct FicheAPublier {
    ChampsFiche champs;
    std::optional<engine::DateCivile> prochain_anniversaire; // "ACT_CV_N"
};

/// The value of a field of a record, empty when it has none.
[[nodiscard]] std::string champ_de(const FicheAPublier& f, std::string_view nom);

/// The records of the period in the order of their next anniversary (the
/// index "ACT_CV_N"), or all of them in table order `sans_date`.
[[nodiscard]] std::vector<FicheAPublier>
fiches_de_la_periode(const std::vector<FicheAPublier>& fiches, engine::DateCivile debut, int jours,
                     bool sans_date);

/// The line of the selection list: "NOM" + " " + "PRE", cut to 30 characters.
[[nodiscard]] std::string ligne_de_selection(const FicheAPublier& f);

/// The name of a letter: the first five letters of "NOM", "_", "PRE", made
/// a safe file name, without its extension.
[[nodiscard]] std::string nom_de_lettre(const FicheAPublier& f);

/// The line of the persons list for a letter saved: the first five letters
/// of "NOM", "_", the first letter of "PRE", five blanks, "NOM" " " "PRE".
[[nodiscard]] std::string ligne_de_personne(const FicheAPublier& f);

/// Writes the letter's lines as an RTF document in `dossier` (created when
/// missing) under its name, "_2", "_3" … added when another letter has it;
/// returns the file written. Throws platform::FileError.
std::filesystem::path enregistre_lettre(const std::filesystem::path& dossier,
                                        const FicheAPublier& f,
                                        const std::vector<std::string>& lignes);

/// What a mailing did.
struct ResultatMailing {
    std::vector<std::filesystem::path> lettres;
    std::vector<std::string> personnes; // the persons list, its heading first
};

/// Saves the letter of every record of the period (or of the first one
/// only) in `dossier`. Throws platform::FileError; the letters saved before
/// stay.
[[nodiscard]] ResultatMailing publipostage(const std::vector<FicheAPublier>& fiches,
                                           std::string_view modele, std::string_view date_du_jour,
                                           const std::filesystem::path& dossier, bool une_seule);

/// The output folder: "FMAIL/" + the Hebrew year.
[[nodiscard]] std::filesystem::path dossier_mailing(int annee_hebr);

} // namespace orvane::records
