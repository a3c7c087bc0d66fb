#include "documents/year_notes.h"

#include "engine/calendar_engine.h"
#include "events/cycles/levana.h"
#include "events/cycles/season_rows.h"
#include "events/festivals/year_list.h"

namespace orvane::documents
{

namespace
{

engine::DateHebraique date_de(const events::EntreeFete& f)
{
    return {f.annee_hebr, f.mois_hebr, f.jour_hebr};
}

engine::DateHebraique date_de(const events::LimiteLevana& l)
{
    return {l.annee_hebr, l.mois_hebr, l.jour_hebr};
}

/// Month slots of the molad table that the year has (Adar II only in a
/// leap year).
bool slot_de_l_annee(engine::CalendarEngine& e, int annee, int slot)
{
    return slot != 7 || e.teste_embolismique(annee);
}

} // namespace

NotesDesAnnees::NotesDesAnnees(int premiere, int derniere, bool diaspora, bool levana,
                               bool sepharade, const EteFrance& ete_france)
{
    engine::CalendarEngine e;
    events::ChoixListe choix;
    choix.diaspora = diaspora;
    events::OptionsLevana options;
    options.table = diaspora ? events::TableLevana::france : events::TableLevana::israel;
    if (ete_france) {
        options.heure_ete = ete_france;
    }
    const int debut = sepharade ? events::debut_levana_sepharade : events::debut_levana_achkenaze;
    for (int annee = premiere; annee <= derniere; ++annee) {
        for (const events::EntreeFete& f : events::liste_fetes_annee(e, annee, choix)) {
            if (f.jeune) {
                jeunes_[date_de(f)] = f.indice;
            } else if (f.marque == events::marque_chome) {
                fetes_chomees_[date_de(f)] = f.indice;
            }
        }
        const auto saisons = events::detail::calcule_tekoufot(e, annee);
        for (int i = 1; i <= 4; ++i) {
            const events::Tekoufa& t = saisons[static_cast<std::size_t>(i)];
            tekoufot_[{t.annee_civile, t.mois_civil, t.jour_civil}] = t;
        }
        // The day whose eve begins the prayer is given; the note stands on
        // the day before, in whose evening it is said first.
        soirs_guechamim_.insert(
            engine::veille(events::detail::date_guechamim(e, annee, diaspora).civile));
        if (!levana) {
            continue;
        }
        for (int slot = 1; slot <= 13; ++slot) {
            if (!slot_de_l_annee(e, annee, slot)) {
                continue;
            }
            levana_[date_de(events::limite_levana(e, slot, annee, debut, events::SorteLimite::debut,
                                                  options))] = MarqueLevana::debut;
            levana_[date_de(events::limite_levana(e, slot, annee, events::fin_levana,
                                                  events::SorteLimite::fin, options))] =
                MarqueLevana::fin;
        }
    }
}

bool NotesDesAnnees::repos(const engine::DateHebraique& d, int jour_semaine) const
{
    return jour_semaine == 7 || fetes_chomees_.contains(d);
}

int NotesDesAnnees::jeune(const engine::DateHebraique& d) const
{
    const auto it = jeunes_.find(d);
    return it == jeunes_.end() ? 0 : it->second;
}

int NotesDesAnnees::fete_chomee(const engine::DateHebraique& d) const
{
    const auto it = fetes_chomees_.find(d);
    return it == fetes_chomees_.end() ? 0 : it->second;
}

const events::Tekoufa* NotesDesAnnees::tekoufa(const engine::DateCivile& d) const
{
    const auto it = tekoufot_.find(d);
    return it == tekoufot_.end() ? nullptr : &it->second;
}

bool NotesDesAnnees::soir_guechamim(const engine::DateCivile& d) const
{
    return soirs_guechamim_.contains(d);
}

MarqueLevana NotesDesAnnees::levana(const engine::DateHebraique& d) const
{
    const auto it = levana_.find(d);
    return it == levana_.end() ? MarqueLevana::aucune : it->second;
}

} // namespace orvane::documents
