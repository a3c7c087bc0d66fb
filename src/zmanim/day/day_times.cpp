#include "zmanim/day/day_times.h"

#include "platform/text.h"
#include "zmanim/sun/soleil.h"

#include <cmath>

namespace orvane::zmanim
{

namespace
{

using D = DayTimes;

const std::array<DescriptionCreneau, 25> table_creneaux = {{
    {"heureA", &D::heureA, &D::t_aube, false},
    {"heureA72", &D::heureA72, &D::t_aube72, false},
    {"heureT", &D::heureT, &D::t_tephilin, false},
    {"heureL", &D::heureL, &D::t_lever, false},
    {"heureC72", &D::heureC72, &D::t_chema72, false},
    {"heureCH1", &D::heureCH1, &D::t_chema1, false},
    {"heureCH2", &D::heureCH2, &D::t_chema2, false},
    {"heureTA1", &D::heureTA1, &D::t_tefila1, false},
    {"heureTA2", &D::heureTA2, &D::t_tefila2, false},
    {"heureH", &D::heureH, &D::t_hatsot, false},
    {"heureMG", &D::heureMG, &D::t_mincha_gedola, false},
    {"heureMK", &D::heureMK, &D::t_mincha_ketana, false},
    {"heureP", &D::heureP, &D::t_plag, false},
    {"heure2P", &D::heure2P, &D::t_plag2, false},
    {"entree_chabbat", &D::entree_chabbat, &D::t_entree, false},
    {"heureC", &D::heureC, &D::t_coucher, false},
    {"heureSOR", &D::heureSOR, &D::t_sortie, false},
    {"heureTSE", &D::heureTSE, &D::t_etoiles, false},
    {"heureTSECHEMA", &D::heureTSECHEMA, &D::t_etoiles_chema, false},
    {"heureN", &D::heureN, &D::t_nuit, false},
    {"heureN72", &D::heureN72, &D::t_nuit72, false},
    {"heure_saison_lc", &D::saison_lc, &D::heure_saison_lc, true},
    {"heure_saison_an", &D::saison_an, &D::heure_saison_an, true},
    {"heureCVLV", &D::heureCVLV, &D::t_crepuscule_civil, false},
    {"heureNV", &D::heureNV, &D::t_dixieme, false},
}};

const DescriptionCreneau* cherche(std::string_view jeton)
{
    for (const DescriptionCreneau& c : table_creneaux) {
        if (c.jeton == jeton) {
            return &c;
        }
    }
    return nullptr;
}

constexpr double degres_par_heure = 15; // of right ascension: a turn in 24 hours
constexpr std::size_t largeur_soleil_decimal = 100;

/// The first 7 characters of the decimal text of a number.
std::string sept_caracteres(double valeur)
{
    return platform::left(texte_decimal(valeur), 7);
}

} // namespace

const std::array<DescriptionCreneau, 25>& creneaux()
{
    return table_creneaux;
}

void DayTimes::calcul_lever_coucher(const engine::DateCivile& date, double lat, double lon,
                                    const ZmanimSettings& reglages, bool coordonnees_du_soleil)
{
    if (!reglages.iteration) {
        decalage_jd = 0;
    }
    const PassagesSoleil p = passages_soleil(date, lat, lon, sinus_hauteur, decalage_jd);
    if (reglages.affiche_decimal && coordonnees_du_soleil && soleil_decimal.empty()) {
        const double alpha = reduit_tour(p.ascension_droite);
        soleil_decimal =
            platform::left(sept_caracteres(alpha * degres_par_radian / degres_par_heure) + "\t" +
                               sept_caracteres(p.declinaison * degres_par_radian),
                           largeur_soleil_decimal);
    }
    switch (p.passage) {
    case Passage::toujours_au_dessus:
        heure_lever = toujours_au_dessus;
        return;
    case Passage::toujours_au_dessous:
        heure_lever = toujours_au_dessous;
        return;
    case Passage::normal:
        break;
    }
    heure_lever = p.lever;
    heure_coucher = p.coucher;
    decalage_jd = 0;
}

void DayTimes::memorise_heure(std::string_view jeton, const HeureFormatee& f)
{
    if (TexteHoraire* c = creneau(jeton)) {
        *c = {f.texte_heures, f.texte_minutes, f.texte_secondes};
    }
}

TexteHoraire* DayTimes::creneau(std::string_view jeton)
{
    const DescriptionCreneau* c = cherche(jeton);
    return c ? &(this->*(c->texte)) : nullptr;
}

const TexteHoraire* DayTimes::creneau(std::string_view jeton) const
{
    const DescriptionCreneau* c = cherche(jeton);
    return c ? &(this->*(c->texte)) : nullptr;
}

const double* DayTimes::instant(std::string_view jeton) const
{
    const DescriptionCreneau* c = cherche(jeton);
    return c ? &(this->*(c->instant)) : nullptr;
}

} // namespace orvane::zmanim
