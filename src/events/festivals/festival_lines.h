// The lines that the festivals window and the main window write for the
// entries of a year list, and the selection of lines by name.
#pragma once

#include "events/festivals/year_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::engine
{
class CalendarEngine;
}

namespace orvane::events
{

/// An entry with its civil date (the year as the calendar has it: 1 Tichri
/// 3874 is 29 August 113).
struct EntreeDatee {
    EntreeFete fete;
    int jour_civil = 0;
    int mois_civil = 0;
    int annee_civile = 0;
    int jour_semaine = 0;
};

/// Converts the Hebrew date of `f` in a calendar record of its own.
[[nodiscard]] EntreeDatee date_de_l_entree(const EntreeFete& f);

/// The entries of a year list with their civil dates, in their order. All
/// are converted in one calendar record, which keeps their year set up.
[[nodiscard]] std::vector<EntreeDatee> dates_des_entrees(const std::vector<EntreeFete>& entrees);

/// Line of the festivals window:
/// " F  Roch Hachana       5785   :  Jeudi    03  Octobre   2024    1 ---> Tichri "
/// (mark, name, Hebrew year, weekday, civil date, Hebrew day and month).
/// With `brute` the name keeps its padding of "-" and "*", as the selection
/// by name reads it.
[[nodiscard]] std::string ligne_fenetre_fetes(const EntreeDatee& d, bool brute = false);

/// Line of the main window's list:
/// "F Roch Hachana    : Jeudi    03  Octobre   2024  ==>  1 Tichri  5785".
[[nodiscard]] std::string ligne_fenetre_principale(const EntreeDatee& d);

/// Which lines of the festivals window an item of the name list keeps.
class SelectionFetes
{
public:
    /// From the chosen item ("Tous", "Pourim", "Jeûne d'Esther" …).
    explicit SelectionFetes(std::string_view item);
    /// Every line is kept ("Tous" or "Tout" in the item).
    [[nodiscard]] bool tout() const { return tout_; }
    /// The text a kept line contains.
    [[nodiscard]] const std::string& texte() const { return texte_; }
    /// True when a line (as `ligne_fenetre_fetes(d, true)` writes it) is kept.
    [[nodiscard]] bool garde(std::string_view ligne_brute) const;

private:
    std::string texte_;
    bool tout_ = false;
};

namespace detail
{
/// The same with a record that the caller lends for all the entries of a
/// year (its date fields are left on the converted date); the result does
/// not depend on what `e` held.
[[nodiscard]] EntreeDatee date_de_l_entree(engine::CalendarEngine& e, const EntreeFete& f);
} // namespace detail

} // namespace orvane::events
