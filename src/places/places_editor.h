// The rows of the places editor: the places file in use as a grid the user
// adds cities to and deletes cities from. The window shows the rows and asks
// the questions; this class keeps them and writes the file.
#pragma once

#include "places/place.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::places
{

/// Help texts of the coordinate boxes and of the editor's labels.
inline constexpr std::string_view aide_latitude =
    "LATITUDE\rExprimée en 'degré + décimal' séparé par un point ou un virgule.\r   Exemple : "
    "48.80N ou 48,80N = 48°et 8/10 de degré Nord.\rExprimée en 'degré + minutes' séparé par un ° "
    "\r   Exemple : 48°50N = 48° et 50 minutes Nord.\rN pour Nord et S pour Sud.";
inline constexpr std::string_view aide_longitude =
    "LONGITUDE\rExprimée en 'degré + décimal' séparé par un point ou un virgule.\r   Exemple : "
    "2.3E ou 2,3E = 2°et 3/10 de degré Est.\rExprimée en 'degré + minutes' séparé par un ° \r   "
    "Exemple : 2°20E = 2° et 20 minutes Est.\rE pour Est et W ou O pour Ouest.";
inline constexpr std::string_view aide_gmt = "GMT\rExemple : +1  ou  -5";
inline constexpr std::string_view aide_correction_ete = "0 en hiver et 1 en été, en France";
inline constexpr std::string_view aide_nouvelle_ville =
    "Pour la saisie, la 1ère lettre de la ville\rest en majuscule, le reste en minuscule.";
inline constexpr std::string_view message_lieux_modifies =
    "Le fichier des Lieux a été modifié\r\rVoulez vous sauvegarder les modifications";
inline constexpr std::string_view message_ligne_incomplete =
    "Veuillez remplir tous les champs de cette ligne\r";

/// The question before a city is deleted.
[[nodiscard]] std::string message_suppression(std::string_view ville, std::string_view pays);

/// Columns of the grid.
enum class ColonneLieu { ville, pays, latitude, longitude, decalage };

/// One row: the place, and the line it was read from while it is untouched.
struct RangeeLieu {
    Place lieu;
    std::optional<std::string> ligne_lue;
};

class EditeurLieux
{
public:
    /// The rows of the places file `fichier` of `repertoire` (none when the
    /// file is missing). Throws platform::FileError.
    static EditeurLieux lit(const std::filesystem::path& repertoire, std::string_view fichier);

    /// The rows of the lines of a file: control characters other than tab
    /// removed, city and country up to 50 characters, latitude, longitude
    /// and offset up to 10. Empty lines give no row.
    static EditeurLieux des_lignes(const std::vector<std::string>& lignes);

    /// The editor of a file that exists but could not be read (`raison`, the
    /// read's message): it has no row, and never writes the file, so that a
    /// city added to the empty grid cannot replace the whole list.
    static EditeurLieux illisible(std::string raison);

    [[nodiscard]] const std::vector<RangeeLieu>& rangees() const { return rangees_; }
    [[nodiscard]] bool modifie() const { return modifie_; }

    /// An empty row at the end.
    void ajoute();
    /// A cell changed by the user.
    void change(std::size_t rangee, ColonneLieu colonne, std::string texte);
    /// Removes a row; the rows below move up.
    void supprime(std::size_t rangee);

    /// The error to show when a new or changed row has an empty cell; none
    /// when the rows can be written.
    [[nodiscard]] std::optional<std::string> verifie() const;

    /// The lines of the file: each untouched row as it was read, each new
    /// or changed row in the canonical form with the first letter of the
    /// city and of the country in upper case.
    [[nodiscard]] std::vector<std::string> lignes() const;

    /// `ecrit_fichier`: the file replaced atomically by `lignes()`; the rows
    /// count as untouched afterwards. Throws platform::FileError, also when
    /// the file could not be read (nothing is then written).
    void ecrit_fichier(const std::filesystem::path& repertoire, std::string_view fichier);

private:
    std::vector<RangeeLieu> rangees_;
    bool modifie_ = false;
    std::optional<std::string> raison_illisible_;
};

/// "Enregistrer cette localité" of the zmanim window: the place written into
/// the places file `fichier` of `repertoire`, its coordinates replacing those
/// of a row of the same city and country, or at the end. Throws
/// platform::FileError (nothing written).
void enregistre_localite(const std::filesystem::path& repertoire, std::string_view fichier,
                         const Place& lieu);

/// "Supprimer cette localité": the rows of that city and country removed
/// and the file written; false (nothing written) when there is none.
/// Throws platform::FileError.
bool supprime_localite(const std::filesystem::path& repertoire, std::string_view fichier,
                       const Place& lieu);

} // namespace orvane::places
