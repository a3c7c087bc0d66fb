// Summer time: the per-country tables of the days of change, the lookup of
// one civil year and the rule that tells whether a day is in summer time.
//
// Times are computed in the standard time of the place and then shifted by
// the summer-time correction (`correction_ete`, hours, normally 0 or 1).
// A country's table "h_France.txt" has two tab-separated lines per year:
//
//   Heure d'ete<TAB>3<TAB>30<TAB>dimanche<TAB>2025<TAB>1     start, value 1
//   Heure d'hiver<TAB>10<TAB>26<TAB>dimanche<TAB>2025<TAB>0  end, value 0
//
//   DstYear a = lit_decaleur(dir, "France", 2025, mode_avec_changement);
//   est_ete(a, 29, 3)   // false: winter until the start day
//   est_ete(a, 30, 3)   // true: the start day is a summer day
//   est_ete(a, 26, 10)  // false: the end day is a winter day
#pragma once

#include "config/summer_time_mode.h"
#include "engine/dates.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::places
{

/// Status of a year that no table gives.
inline constexpr std::string_view statut_pas_de_fichier = "Pas de fic";

/// The two changes of one civil year, as the table writes them (texts of up
/// to 10 characters). `statut` is the start day when the year was found,
/// "Pas de fic" otherwise, or a single blank for a year that the table marks
/// as having no change.
struct DstYear {
    std::string statut{statut_pas_de_fichier};
    std::string mois_debut;
    std::string annee_debut;
    std::string valeur_debut;
    std::string jour_fin;
    std::string mois_fin;
    std::string annee_fin;
    std::string valeur_fin;

    /// Both lines of the year were found and the start day is a day.
    [[nodiscard]] bool trouve() const { return statut != statut_pas_de_fichier && statut != " "; }
    /// The table marks the year as one without change.
    [[nodiscard]] bool sans_changement() const { return statut == " "; }

    friend bool operator==(const DstYear&, const DstYear&) = default;
};

/// The year `annee` among the lines of a country table. The first start line
/// (field 6 reads 1) and the first end line (field 6 reads 0) of the year are
/// taken, in whichever order they stand; a line whose year is not a number is
/// passed over. With one of the two missing the status is "Pas de fic".
[[nodiscard]] DstYear cherche_annee(const std::vector<std::string>& lignes, int annee);

/// What is wrong with the two lines the lookup takes for `annee`, naming the
/// line ("ligne 113 : le jour « 2x » n'est pas un jour de 1 à 31"); nothing
/// when they can give the days of change, when the year is not there, or
/// when it is marked as a year without change.
[[nodiscard]] std::optional<std::string> defaut_de_l_annee(const std::vector<std::string>& lignes,
                                                           int annee);

/// True when day `jour` of month `mois` of a found year is in summer time:
/// from the start day included to the end day excluded. When the start
/// comes after the end in the year (southern hemisphere), summer runs from
/// the start to the end of the year and from the beginning of the year to
/// the end day. Throws ErreurConversion when a day or month of the year is
/// not a whole number.
[[nodiscard]] bool est_ete(const DstYear& annee, int jour, int mois);

/// The correction of a day of a found year: the start value in summer, the
/// end value in winter ("1" and "0" in the delivered tables).
[[nodiscard]] double correction_du_jour(const DstYear& annee, int jour, int mois);

/// Path of the table of a country in `repertoire`: "h_" + country + ".txt",
/// found without regard to case.
[[nodiscard]] std::filesystem::path chemin_table_pays(const std::filesystem::path& repertoire,
                                                      std::string_view pays);

/// The country whose table applies: "France" for a country listed in
/// "H_europe.txt" (the countries that follow the European Union rules), the
/// country itself otherwise.
[[nodiscard]] std::string pays_de_la_table(const std::filesystem::path& repertoire,
                                           std::string_view pays);

/// The summer-time tables of a program directory, each file read at most
/// once: "H_europe.txt" at the first lookup, a country's table at the first
/// lookup of that country. The main window and each command keep one for
/// their whole run.
class TablesEte
{
public:
    explicit TablesEte(std::filesystem::path repertoire);

    /// `lit_decaleur`: the changes of civil year `annee` for `pays` under
    /// `mode`. Throws platform::FileError when a table exists but cannot be
    /// read (it is tried again at the next lookup), or when the lines of the
    /// year do not give a day (the message names the file and the line).
    [[nodiscard]] DstYear annee(std::string_view pays, int annee, std::string_view mode) const;

    /// `correction_ete_du_jour` on the loaded tables.
    [[nodiscard]] double correction(std::string_view pays, std::string_view mode,
                                    const engine::DateCivile& jour,
                                    std::optional<double> correction_manuelle) const;

private:
    using Lignes = std::optional<std::vector<std::string>>;
    const Lignes& table(const std::string& pays) const;
    std::string pays_de_la_table(std::string_view pays) const;

    std::filesystem::path repertoire_;
    // Filled as the lookups need them; a missing file is kept as "none".
    mutable std::optional<Lignes> europe_;
    mutable std::map<std::string, Lignes, std::less<>> tables_;
    mutable std::map<std::pair<std::string, int>, DstYear> annees_; // each year found once
};

/// The changes of civil year `annee` for `pays` under mode `mode`. In the
/// two modes of all the year no table is read and the status is
/// "Pas de fic". Throws platform::FileError when a table exists but cannot
/// be read.
[[nodiscard]] DstYear lit_decaleur(const std::filesystem::path& repertoire, std::string_view pays,
                                   int annee, std::string_view mode);

/// The correction of a day under `mode`: 0 in winter time all the year, 1 in
/// summer time all the year; with change of time, the table's value for a
/// found year, and for a year no table gives the correction the user set by
/// hand with the summer and winter buttons, or 0 when there is none.
[[nodiscard]] double correction_pour_le_jour(const DstYear& annee, std::string_view mode, int jour,
                                             int mois, std::optional<double> correction_manuelle);

/// The correction of a day for a country, looking up its year: the whole
/// computation of the day page and of the tables.
[[nodiscard]] double correction_ete_du_jour(const std::filesystem::path& repertoire,
                                            std::string_view pays, std::string_view mode,
                                            const engine::DateCivile& jour,
                                            std::optional<double> correction_manuelle);

/// The summer-time state of the main window: the correction of the last
/// computed day, the one the user set by hand (the buttons "h. d'été" and
/// "h. d'hiver" and the correction box) and the last lookup.
struct EtatHeureEte {
    double correction_ete = 0;
    std::optional<double> correction_manuelle;
    DstYear annee;
};

} // namespace orvane::places
