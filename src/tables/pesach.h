// The 'Hamets times before Pessa'h: the search for leaven (Bedika) at the
// stars of the evening before the eve, its burning (Biour), the latest
// times to eat and to own leaven, the end of the ninth hour and the time
// from which matsa is eaten; in a year that begins the solar cycle, the
// blessing of the sun (Birkat Ha'hama) on its own morning.
//
// The hours are twelfths of the day of the chosen method: from dawn (16.1°)
// to the stars (7.08°) for the Beth-Din, from sunrise to sunset for the
// Gaon, from dawn to the night of Rabbénou Tam (16.1°). Limits are rounded
// earlier, the search and the matsa later.
//
// 5785: 14 Nissan is a Sabbath (12 April 2025): the search is on Thursday
// evening 10 April, the burning on Friday 11 at the end of the fifth hour,
// matsa at the end of the Sabbath ("Motsaé").
#pragma once

#include "engine/dates.h"
#include "tables/range_table.h"
#include "zmanim/format/arrondi.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::tables
{

enum class MethodeHamets { beth_din, gaon, rabbenou_tam };

/// The texts of the list "Méthode de calcul du 'Hamets", in method order.
[[nodiscard]] const std::array<std::string_view, 3>& textes_methodes_hamets();

/// The days of the year that the times need.
struct JoursHamets {
    int annee_hebr = 0;
    engine::DateCivile recherche{2000, 1, 1}; // its evening: 13 Nissan, or 12 before a Sabbath eve
    engine::DateCivile vendredi{2000, 1, 1};  // 13 Nissan, the burning when 14 is a Sabbath
    engine::DateCivile veille{2000, 1, 1};    // 14 Nissan
    bool veille_chabbat = false;              // 14 Nissan is a Sabbath
    std::optional<engine::DateCivile> birkat_hahama; // the morning of the blessing of the sun
};

[[nodiscard]] JoursHamets jours_du_hamets(int annee_hebr);

/// The written times ("20:52"), empty when the day had none.
struct HorairesHamets {
    std::string recherche;
    std::string biour;        // Friday's fifth hour when 14 is a Sabbath, else = posseder
    std::string consommer;    // end of the fourth hour of the eve
    std::string posseder;     // end of the fifth hour of the eve
    std::string fin_neuvieme; // end of the ninth hour of the eve
    std::string matsa;        // the stars of the eve, or the end of the Sabbath
    std::string birkat_debut; // sunrise of the blessing's morning
    std::string birkat_fin;   // end of its third hour
};

/// Takes the rows of a table that covers the days of `jours` (increment 1)
/// and keeps the times the block needs.
class RecolteHamets : public SortieTable
{
public:
    RecolteHamets(JoursHamets jours, MethodeHamets methode, zmanim::ReglesArrondi regles);
    void ligne(const std::string&) override {}
    void rangee(const RangeeTable& r) override;

    /// Every needed day has come by.
    [[nodiscard]] bool complete() const;
    [[nodiscard]] const HorairesHamets& horaires() const { return h_; }
    [[nodiscard]] const JoursHamets& jours() const { return jours_; }

private:
    std::string heure(zmanim::ModeArrondi mode, double t, const RangeeTable& r) const;
    /// End of seasonal hour `n` of the day of `r` under the method.
    double fin_heure(int n, const zmanim::DayTimes& j) const;

    JoursHamets jours_;
    MethodeHamets methode_;
    zmanim::ReglesArrondi regles_;
    HorairesHamets h_;
    struct {
        bool recherche = false, vendredi = false, veille = false, birkat = false;
    } vus_;
};

/// The block of one city in its file.
[[nodiscard]] std::vector<std::string> bloc_hamets(const JoursHamets& j, const HorairesHamets& h,
                                                   const std::string& ville);

/// The three heading lines of the table of the cities.
[[nodiscard]] std::vector<std::string> entete_liste_hamets(const JoursHamets& j);

/// One city of that table.
[[nodiscard]] std::string ligne_liste_hamets(const JoursHamets& j, const HorairesHamets& h,
                                             const std::string& ville);

/// The short lines of the results grid and the day page.
[[nodiscard]] std::vector<std::string> lignes_courtes_hamets(const JoursHamets& j,
                                                             const HorairesHamets& h);

/// "HAMETS/<civil year>/<city file name>.txt", or ".../France.txt" for the list.
[[nodiscard]] std::filesystem::path fichier_hamets(const std::filesystem::path& repertoire,
                                                   const JoursHamets& j, const std::string& ville,
                                                   bool liste);

/// The table request of a city for the 'Hamets days of the year: from the
/// first needed day to the last, every day.
[[nodiscard]] DemandeTable demande_hamets(DemandeTable base, const JoursHamets& j);

/// Adds lines at the end of a 'Hamets file (made with its folders when
/// missing), the whole file written again atomically. Throws
/// platform::FileError.
void ajoute_au_fichier(const std::filesystem::path& fichier,
                       const std::vector<std::string>& lignes);

/// The 'Hamets times of one place: the table of its days computed and
/// gathered. `complet` is false when a day was refused or polar.
struct ResultatHamets {
    ResultatTable table;
    HorairesHamets horaires;
    bool complet = false;
};

[[nodiscard]] ResultatHamets calcule_hamets(const DemandeTable& lieu,
                                            zmanim::ZmanimSettings reglages,
                                            const EnvironnementTable& env, const JoursHamets& j,
                                            MethodeHamets methode);

} // namespace orvane::tables
