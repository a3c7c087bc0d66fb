#include "tables/day_filter.h"

namespace orvane::tables
{

const std::array<ChoixFiltre, 12>& choix_des_filtres()
{
    static const std::array<ChoixFiltre, 12> choix{{
        {"Tous les jours de la sem.", FiltreJours::tous},
        {"Chabbatot et Fêtes", FiltreJours::chabbatot_et_fetes},
        {"Vendredi & Chabbat", FiltreJours::vendredi_et_chabbat},
        {"Dimanche", FiltreJours::dimanche},
        {"Lundi", FiltreJours::lundi},
        {"Mardi", FiltreJours::mardi},
        {"Mercredi", FiltreJours::mercredi},
        {"Jeudi", FiltreJours::jeudi},
        {"Vendredi", FiltreJours::vendredi},
        {"Chabbat", FiltreJours::chabbat},
        {"Semaines_dim_a_vend", FiltreJours::semaines},
        {"Semaines_en_colonnes", FiltreJours::semaines_en_colonnes},
    }};
    return choix;
}

FiltreJours filtre_du_texte(std::string_view texte)
{
    for (const ChoixFiltre& c : choix_des_filtres()) {
        if (c.texte == texte) {
            return c.filtre;
        }
    }
    return FiltreJours::tous;
}

std::string_view texte_du_filtre(FiltreJours f)
{
    for (const ChoixFiltre& c : choix_des_filtres()) {
        if (c.filtre == f) {
            return c.texte;
        }
    }
    return choix_des_filtres().front().texte;
}

bool est_hebdomadaire(FiltreJours f)
{
    return f == FiltreJours::semaines || f == FiltreJours::semaines_en_colonnes;
}

bool garde_le_jour(FiltreJours f, int jour_semaine, bool fete)
{
    switch (f) {
    case FiltreJours::tous:
    case FiltreJours::semaines:
    case FiltreJours::semaines_en_colonnes:
        return true;
    case FiltreJours::vendredi_et_chabbat:
        return jour_semaine >= 6;
    case FiltreJours::chabbatot_et_fetes:
        return jour_semaine == 7 || fete;
    default:
        return jour_semaine == static_cast<int>(f);
    }
}

} // namespace orvane::tables
