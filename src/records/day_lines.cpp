#include "records/day_lines.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"

namespace orvane::records
{

using engine::complete_espaces;

JourComplet jour_du_civil(engine::DateCivile d)
{
    engine::CalendarEngine e;
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    return {d, {e.annee_hebr, e.mois_hebr, e.jour_hebr}, e.jour_semaine};
}

JourComplet jour_de_l_hebreu(engine::DateHebraique d)
{
    engine::CalendarEngine e;
    e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
    return {{e.annee_civile, e.mois_civil, e.jour_civil}, d, e.jour_semaine};
}

JourComplet chabbat_suivant(const JourComplet& jour)
{
    const int jours = 7 - jour.jour_semaine; // 0 on a Saturday
    if (jours == 0) {
        return jour;
    }
    return jour_de_l_hebreu(engine::decale_jours_hebreu(jour.hebraique, jours));
}

std::string nom_mois_de_l_annee(int annee, int mois)
{
    return std::string(engine::nom_mois_hebreu(mois, engine::annee_hebr_embolismique(annee)));
}

std::string texte_civil(const JourComplet& jour)
{
    const auto& d = jour.civile;
    return complete_espaces(engine::jours_semaine[static_cast<std::size_t>(jour.jour_semaine)], 9) +
           complete_espaces(std::to_string(d.jour), 3) +
           complete_espaces(engine::mois_civils[static_cast<std::size_t>(d.mois)], 10) +
           std::to_string(engine::annee_civile_ecrite(d.annee));
}

std::string texte_hebraique(const engine::DateHebraique& d)
{
    return complete_espaces(std::to_string(d.jour), 3) +
           complete_espaces(nom_mois_de_l_annee(d.annee, d.mois), 8) + std::to_string(d.annee);
}

std::string ligne_civile_hebraique(const JourComplet& jour)
{
    return "   " + texte_civil(jour) + " --> " + texte_hebraique(jour.hebraique);
}

} // namespace orvane::records
