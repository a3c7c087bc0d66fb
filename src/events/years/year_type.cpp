#include "events/years/year_type.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"

namespace orvane::events
{

const std::array<BorneSerie, 62> bornes_series = {{
    {0, 0, 0},    {1, 0, 408},   {1, 5, 333},   {1, 7, 870},  {1, 9, 204},  {1, 9, 227},
    {1, 11, 741}, {1, 22, 1051}, {1, 22, 1074}, {2, 0, 408},  {2, 2, 922},  {2, 5, 379},
    {2, 14, 152}, {2, 14, 175},  {2, 15, 589},  {2, 18, 23},  {2, 20, 560}, {3, 1, 485},
    {3, 5, 333},  {3, 5, 356},   {3, 5, 379},   {3, 9, 204},  {3, 9, 227},  {3, 11, 741},
    {3, 20, 537}, {3, 20, 560},  {3, 22, 1074}, {4, 0, 408},  {4, 2, 922},  {4, 11, 718},
    {4, 11, 741}, {4, 14, 175},  {4, 18, 23},   {5, 1, 485},  {5, 2, 899},  {5, 2, 922},
    {5, 5, 356},  {5, 5, 379},   {5, 9, 204},   {5, 9, 227},  {5, 18, 0},   {5, 20, 537},
    {5, 20, 560}, {5, 22, 1074}, {6, 0, 408},   {6, 7, 870},  {6, 11, 718}, {6, 11, 741},
    {6, 14, 175}, {6, 22, 1051}, {6, 22, 1074}, {7, 2, 899},  {7, 2, 922},  {7, 5, 356},
    {7, 5, 379},  {7, 9, 227},   {7, 14, 152},  {7, 16, 689}, {7, 18, 0},   {7, 18, 23},
    {7, 20, 537}, {7, 20, 560},
}};

TypeAnnee type_de_l_annee(const engine::CalendarEngine& e)
{
    TypeAnnee t;
    t.jour_rh = e.jour_rh;
    t.hechvan = e.hechvan;
    t.kislev = e.kislev;
    t.nature_annee = (e.hechvan == 29 && e.kislev == 29) ? 0 : (e.hechvan == 29 ? 1 : 2);
    t.jour_pessah = e.jour_mois7 + e.nb_mois - 12;
    if (t.jour_pessah > 7) {
        t.jour_pessah -= 7;
    }
    t.embolismique = e.nb_mois == 13;
    t.longueur = 30 * (t.embolismique ? 1 : 0) + 295 + e.hechvan + e.kislev;
    return t;
}

TypeAnnee type_de_l_annee(engine::CalendarEngine& e, int annee)
{
    e.annee_hebr = annee;
    e.annee_civile = annee - 3760;
    e.calcule_annee();
    return type_de_l_annee(e);
}

std::string signe_latin(const TypeAnnee& t)
{
    return std::string(signes_rh[static_cast<std::size_t>(t.jour_rh)]) + " " +
           std::string(signes_nature[static_cast<std::size_t>(t.nature_annee)]) + " " +
           std::string(signes_pessah[static_cast<std::size_t>(t.jour_pessah)]);
}

std::string signe_hebreu(const TypeAnnee& t)
{
    return std::string(lettres_pessah[static_cast<std::size_t>(t.jour_pessah)]) +
           std::string(lettres_nature[static_cast<std::size_t>(t.nature_annee)]) +
           std::string(lettres_rh[static_cast<std::size_t>(t.jour_rh)]);
}

PlaceCycle cycle_de_l_annee(int annee, int longueur)
{
    return {static_cast<int>(engine::floor_div(annee - 1, longueur)) + 1,
            static_cast<int>(engine::floor_mod(annee - 1, longueur)) + 1};
}

BorneSerie molad_hebdomadaire(std::int64_t molad_tichri)
{
    const std::int64_t m = engine::floor_mod(molad_tichri, engine::halakim_par_semaine);
    const std::int64_t heures = m / engine::halakim_par_heure;
    BorneSerie b{};
    b.halakim = static_cast<int>(m % engine::halakim_par_heure);
    b.jour = static_cast<int>((heures / 24) % 7);
    b.heure = static_cast<int>(heures % 24);
    if (b.jour == 0) {
        b.jour = 7;
    }
    return b;
}

int serie_du_molad(std::int64_t molad_tichri)
{
    const BorneSerie m = molad_hebdomadaire(molad_tichri);
    // The first bound not below the molad, in the order the rows are kept.
    std::size_t i = 1;
    while (i <= 61 && bornes_series[i].jour < m.jour) {
        ++i;
    }
    while (i <= 61 && bornes_series[i].jour <= m.jour && bornes_series[i].heure < m.heure) {
        ++i;
    }
    while (i <= 61 && bornes_series[i].jour <= m.jour && bornes_series[i].heure <= m.heure &&
           bornes_series[i].halakim < m.halakim) {
        ++i;
    }
    if (i == 1) {
        i = 62;
    }
    return static_cast<int>(i) - 1;
}

SerieAnnee serie_de_l_annee(engine::CalendarEngine& e, int annee)
{
    SerieAnnee s;
    const PlaceCycle c = cycle_lunaire(annee);
    s.rang = c.place;
    e.annee_hebr = (c.numero - 1) * 19 + 1;
    e.mois_hebr = 1;
    e.jour_hebr = 1;
    e.calcule_jour_rh();
    s.serie = serie_du_molad(e.molad_tichri);
    return s;
}

} // namespace orvane::events
