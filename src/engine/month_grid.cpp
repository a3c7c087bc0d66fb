#include "engine/month_grid.h"

#include "engine/arithmetic.h"

namespace orvane::engine
{

std::string_view titre_colonne(int colonne, int debut_semaine) noexcept
{
    const auto jour = floor_mod(colonne + debut_semaine, 7) + 1; // 1 Sunday .. 7 Saturday
    return titres_jours_grille[static_cast<std::size_t>(jour)];
}

void GrilleMois::setStartOfWeek(int debut_semaine)
{
    debut_semaine_ = static_cast<int>(floor_mod(debut_semaine, 7));
    met_a_jour();
}

void GrilleMois::setUseCurrentDate(bool oui)
{
    date_du_jour_ = oui;
    if (oui) {
        prend_aujourdhui();
        met_a_jour();
    }
}

std::optional<int> GrilleMois::jour_de_case(int colonne, int ligne) const
{
    if (colonne < 0 || colonne >= colonnes_grille || ligne < 1 || ligne >= lignes_grille) {
        return std::nullopt;
    }
    const int rang = colonne + decalage_ + 7 * ligne - 7;
    if (rang <= 0) {
        return std::nullopt;
    }
    const int jour = jour_du_rang(rang);
    if (jour > jours_ce_mois()) {
        return std::nullopt;
    }
    return jour;
}

std::string GrilleMois::texte_case(int colonne, int ligne) const
{
    if (ligne == 0) {
        return std::string(titre_colonne(colonne, debut_semaine_));
    }
    const std::optional<int> jour = jour_de_case(colonne, ligne);
    return jour ? std::to_string(*jour) : std::string();
}

bool GrilleMois::case_selectionnable(int colonne, int ligne) const
{
    return !lecture_seule_ && jour_de_case(colonne, ligne).has_value();
}

CaseGrille GrilleMois::case_focus() const
{
    // Cells count from column 0 of the first week row; day 1 is at 1 − decalage.
    const int position = rang_du_jour(jour_) - decalage_;
    return {static_cast<int>(floor_mod(position, 7)), static_cast<int>(floor_div(position, 7)) + 1};
}

bool GrilleMois::clique(int colonne, int ligne)
{
    if (!case_selectionnable(colonne, ligne)) {
        return false;
    }
    return change_jour(*jour_de_case(colonne, ligne));
}

bool GrilleMois::deplace_focus(int cases)
{
    const int rang = rang_du_jour(jour_) + cases;
    if (lecture_seule_ || rang < 1 || jour_du_rang(rang) > jours_ce_mois()) {
        return false;
    }
    return change_jour(jour_du_rang(rang));
}

void GrilleMois::met_a_jour()
{
    decalage_ = decalage_du_mois(jour_semaine_du_premier(), debut_semaine_);
}

void GrilleMois::date_changee()
{
    date_du_jour_ = false;
}

} // namespace orvane::engine
