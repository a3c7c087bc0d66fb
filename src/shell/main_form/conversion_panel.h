// The conversion panel of the main window without its widgets: the civil
// date (day, month, year) and the Hebrew date (day, month, year) boxes, kept
// on the same day, with the rules by which a box rolls over into the next or
// previous month or year, and the two invalid-date states.
//
//   PanneauConversion p({2024, 12, 31});
//   p.change_jour_civil(32);   // 1 January 2025 = 1 Tevet 5785
//   p.change_jour_civil(31);   // 31 January 2025
//   p.change_mois_civil(2);    // 31 February: civile_invalide
//   p.change_mois_civil(1);    // 31 January 2025 again, valide
//
// Rolling over: a civil day above the month's length is day 1 of the next
// month (January of the next year after December), a day of 0 or less the
// last day of the month before; a civil month of 13 is January of the next
// year, 0 December of the year before. A Hebrew day above its month's length
// is day 1 of the next month (Tichri of the next year after Eloul, Nissan
// after Adar of a common year), 0 or less the last day of the month before;
// a Hebrew month above 13 is Tichri of the next year, 0 or less Eloul of the
// year before, and month 7 (Adar II) of a common year is passed over: 8 when
// the count goes up, 6 when it goes down.
//
// A month or a year changed under a day that the new month lacks (31
// January made February, 30 Hechvan taken into a year of 29 days) makes the
// date invalid: the other side of the panel is hidden until a change gives a
// valid date again.
#pragma once

#include "engine/dates.h"
#include "engine/month_grid_steps.h"

#include <string>

namespace orvane::shell
{

/// Which side of the panel holds a date that does not exist.
enum class EtatPanneau {
    valide,
    civile_invalide,   // `efface_date_hebraique`: the Hebrew side is hidden
    hebraique_invalide // `efface_date_civile`: the civil side is hidden
};

class PanneauConversion
{
public:
    /// The panel on a valid civil date (years 100..9999).
    explicit PanneauConversion(engine::DateCivile date);

    // --- The boxes ----------------------------------------------------------
    [[nodiscard]] int jour_civil() const noexcept { return civile_.jour; }
    [[nodiscard]] int mois_civil() const noexcept { return civile_.mois; }
    [[nodiscard]] int annee_civile() const noexcept { return civile_.annee; }
    [[nodiscard]] int jour_hebr() const noexcept { return hebraique_.jour; }
    [[nodiscard]] int mois_hebr() const noexcept { return hebraique_.mois; }
    [[nodiscard]] int annee_hebr() const noexcept { return hebraique_.annee; }
    [[nodiscard]] engine::DateCivile date_civile() const noexcept { return civile_; }
    [[nodiscard]] engine::DateHebraique date_hebraique() const noexcept { return hebraique_; }
    /// Weekday (1 Sunday .. 7 Saturday) of the last valid date.
    [[nodiscard]] int jour_semaine() const noexcept { return jour_semaine_; }

    [[nodiscard]] EtatPanneau etat() const noexcept { return etat_; }
    [[nodiscard]] bool valide() const noexcept { return etat_ == EtatPanneau::valide; }
    /// "Cette date civile est incorrecte", "Cette date hébraïque est
    /// incorrecte" (with the year limits on a second line for a year the
    /// conversions do not reach); empty while the date is valid.
    [[nodiscard]] const std::string& message() const noexcept { return message_; }

    // --- The texts beside the boxes -------------------------------------------
    [[nodiscard]] std::string nom_mois_civil() const;  // "Janvier"
    [[nodiscard]] std::string nom_mois_hebreu() const; // "Adar I ", by the year's leap status
    [[nodiscard]] std::string nom_jour() const;        // "Mardi", the weekday
    /// Ten blanks, the civil month, two blanks, the civil year, 27 blanks, the
    /// Hebrew month, two blanks, the Hebrew year.
    [[nodiscard]] std::string resume() const;

    // --- Changes of a box ---------------------------------------------------------
    // Each takes the value typed or stepped into the box and leaves the boxes
    // as they must show; true when a valid date results.
    bool change_jour_civil(int jour);
    bool change_mois_civil(int mois);
    /// A year of 0 is ignored (false, nothing changes).
    bool change_annee_civile(int annee);
    bool change_jour_hebreu(int jour);
    bool change_mois_hebreu(int mois);
    bool change_annee_hebraique(int annee);

    /// The whole civil date at once (return to today, a month grid).
    bool montre_date_civile(engine::DateCivile d);
    /// The whole Hebrew date at once (the Hebrew month grid).
    bool montre_date_hebraique(engine::DateHebraique d);

private:
    bool valide_civile();
    bool valide_hebraique();

    engine::DateCivile civile_;
    engine::DateHebraique hebraique_;
    int jour_semaine_ = 0;
    EtatPanneau etat_ = EtatPanneau::valide;
    std::string message_;
};

} // namespace orvane::shell
