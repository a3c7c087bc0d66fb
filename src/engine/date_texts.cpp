#include "engine/date_texts.h"

#include "engine/calendar_engine.h"
#include "engine/names.h"
#include "platform/clock.h"
#include "platform/text.h"

#include <algorithm>

namespace orvane::engine
{

namespace
{

constexpr std::size_t longueur_max_texte = 80;

std::size_t largeur_bornee(int largeur, std::size_t maximum)
{
    return std::min<std::size_t>(static_cast<std::size_t>(std::max(largeur, 0)), maximum);
}

std::string jour_sur_quatre(int jour)
{
    return complete_espaces(complete_zeros(std::to_string(jour), 2), 4);
}

} // namespace

std::string cadre_nombre(long long n, int largeur)
{
    return platform::pad_left(std::to_string(n), largeur_bornee(largeur, 10));
}

std::string complete_espaces(std::string_view texte, int largeur)
{
    return platform::pad_right(platform::cut(texte, longueur_max_texte),
                               largeur_bornee(largeur, longueur_max_texte));
}

std::string complete_zeros(std::string_view texte, int largeur)
{
    return platform::pad_left(platform::cut(texte, longueur_max_texte),
                              largeur_bornee(largeur, longueur_max_texte), '0');
}

int annee_civile_ecrite(int annee) noexcept
{
    return annee <= 0 ? annee - 1 : annee;
}

std::string ligne_date_civile(int jour_semaine, const DateCivile& d)
{
    std::string ligne(jours_semaine[static_cast<std::size_t>(jour_semaine)]);
    ligne += ' ';
    ligne += jour_sur_quatre(d.jour);
    ligne += mois_civils[static_cast<std::size_t>(d.mois)];
    ligne += ' ';
    ligne += std::to_string(annee_civile_ecrite(d.annee));
    return ligne;
}

std::string ligne_date_hebraique(const CalendarEngine& e, int jour_semaine, const DateHebraique& d)
{
    std::string ligne(jours_semaine[static_cast<std::size_t>(jour_semaine)]);
    ligne += ' ';
    ligne += jour_sur_quatre(d.jour);
    ligne += e.noms_mois_hebr[static_cast<std::size_t>(d.mois)];
    ligne += ' ';
    ligne += std::to_string(d.annee);
    return ligne;
}

void lit_aujourdhui(CalendarEngine& e, const platform::Clock& horloge)
{
    const platform::LocalDate d = horloge.today();
    e.aujourdhui_annee = d.annee;
    e.aujourdhui_mois = d.mois;
    e.aujourdhui_jour = d.jour;
}

DatesDuJour ecrit_dates_du_jour(CalendarEngine& e, const platform::Clock& horloge)
{
    const platform::LocalDate d = horloge.today();
    // The full conversion, with the century term of the spring year that
    // September to December of 1800, 1900, 2100 ... need.
    e.convertit_civil_hebreu(d.annee, d.mois, d.jour);
    DatesDuJour lignes;
    lignes.ligne_date_civile = ligne_date_civile(e.jour_semaine, {d.annee, d.mois, d.jour});
    lignes.ligne_date_hebraique =
        ligne_date_hebraique(e, e.jour_semaine, {e.annee_hebr, e.mois_hebr, e.jour_hebr});
    return lignes;
}

} // namespace orvane::engine
