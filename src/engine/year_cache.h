// The registers of the years a calendar record set up last.
//
// Everything the set-up of Hebrew year Y computes depends on Y alone: its
// leap status from its place in the 19-year cycle, the molad of Tichri from
// the cycles and years elapsed, the weekday of Rosh Hachana of Y and of
// Y + 1 after the postponements, hence the length of the year, of Hechvan and
// Kislev, the weekday of 1 Nissan (1 Adar II) and the molad of Nissan, and
// the link ecart_nissan that ties the year to the civil day index. A window
// stepping day by day, a table over a year or a civil → Hebrew → civil round
// trip sets up the same year (and, around Rosh Hachana, the one before)
// hundreds of times in a row, so the record keeps the registers of its last
// few years and copies them back instead of running the rules again.
//
// The key is annee_hebr alone: the Hebrew set-up reads no other field, and
// the link reads only what the set-up wrote. The one register it may leave
// untouched, parties_molad, is marked as such. In the same way February and
// the March term of a civil year follow annee_civile alone; a conversion
// sets up two civil years in turn in its autumn months.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane::engine
{

/// The registers that calcule_ecart_nissan leaves: the drift rs of the molad
/// against the Julian year, the link and the decomposition of rs.
struct RegistresLien {
    std::int64_t rs = 0;
    int embolismique = 0;
    int jour_repere = 0;
    int ecart_nissan = 0;
    std::int64_t semaines = 0;
    int jour_semaine = 0;
    int heures = 0;
    int minutes = 0;
    std::int64_t halakim = 0;
};

/// Every register that calcule_annee_hebr writes for one Hebrew year, and
/// those of calcule_ecart_nissan once it has followed for that year.
struct RegistresAnneeHebr {
    /// parties_molad is written only when the molad of Y or of Y + 1 reached
    /// the rules on the time of day (not moved by lo ADOU or molad zaken, in a
    /// common year); otherwise the record keeps its earlier value. A molad
    /// time is never negative, so −1 marks a year that leaves it alone.
    static constexpr int parties_non_ecrites = -1;

    int nb_mois = 0;
    int cyl = 0;
    int rang_cycle = 0;
    int emb = 0;
    int com = 0;
    std::int64_t molad_tichri = 0;
    std::int64_t molad_nissan = 0;
    std::int64_t semaines = 0;
    int jour_semaine = 0;
    int heures = 0;
    int minutes = 0;
    std::int64_t halakim = 0;
    int parties_molad = parties_non_ecrites;
    int report = 0;
    int jour_rh = 0;
    int jour_rh_suivant = 0;
    int code_longueur = 0;
    int hechvan = 0;
    int kislev = 0;
    int jour_mois7 = 0;
    std::array<int, 4> longueurs_2_3_6_7{}; // longueur_mois_hebr[2], [3], [6], [7]

    bool lien_connu = false;
    RegistresLien lien;
};

/// February and the March term of one civil year, as prepare_annee_civile
/// leaves them.
struct RegistresAnneeCivile {
    int fevrier = 0;
    int decalage_mars = 0;
};

/// The registers of the last N years, the oldest replaced first. A plain
/// value: a copied record keeps its years, which stay true since they depend
/// on the year alone.
template <class Registres, std::size_t N>
class DernieresAnnees
{
public:
    /// The registers of `annee`, or nullptr when it is not kept.
    [[nodiscard]] Registres* trouve(int annee) noexcept
    {
        for (std::size_t i = 0; i < occupees_; ++i) {
            if (annees_[i] == annee) {
                return &registres_[i];
            }
        }
        return nullptr;
    }

    /// Blank registers for `annee`, in place of the oldest year.
    [[nodiscard]] Registres& nouvelle(int annee) noexcept
    {
        const std::size_t i = prochaine_;
        prochaine_ = (prochaine_ + 1) % N;
        if (occupees_ < N) {
            ++occupees_;
        }
        annees_[i] = annee;
        registres_[i] = Registres{};
        return registres_[i];
    }

private:
    std::array<int, N> annees_{};
    std::array<Registres, N> registres_{};
    std::size_t occupees_ = 0;
    std::size_t prochaine_ = 0;
};

} // namespace orvane::engine
