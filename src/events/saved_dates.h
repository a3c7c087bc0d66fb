// Saving the date fields of the calendar record around an operation that
// must not disturb the date a caller holds.
#pragma once

#include "engine/calendar_engine.h"

namespace orvane::events
{

/// Keeps annee_hebr, mois_hebr, jour_hebr, annee_civile, mois_civil,
/// jour_civil and jour_semaine of `e` and puts them back when it goes out of
/// scope. The year registers are not restored.
class DatesSauvees
{
public:
    explicit DatesSauvees(engine::CalendarEngine& e)
        : e_(e), v_{e.annee_hebr, e.mois_hebr,  e.jour_hebr,   e.annee_civile,
                    e.mois_civil, e.jour_civil, e.jour_semaine}
    {
    }
    ~DatesSauvees()
    {
        e_.annee_hebr = v_[0];
        e_.mois_hebr = v_[1];
        e_.jour_hebr = v_[2];
        e_.annee_civile = v_[3];
        e_.mois_civil = v_[4];
        e_.jour_civil = v_[5];
        e_.jour_semaine = v_[6];
    }
    DatesSauvees(const DatesSauvees&) = delete;
    DatesSauvees& operator=(const DatesSauvees&) = delete;

private:
    engine::CalendarEngine& e_;
    int v_[7];
};

} // namespace orvane::events
