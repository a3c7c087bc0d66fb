#include "shell/day/times_list.h"

#include "platform/text.h"
#include "zmanim/format/libelles.h"

#include <cmath>

namespace orvane::shell
{

namespace
{

constexpr std::string_view jeton_entree = "entree_chabbat";
constexpr std::string_view jeton_sortie = "heureSOR";

/// The caption of a moment on a day of kind `n`; none when the line is not
/// shown that day.
std::optional<std::string> legende_du_jour(const zmanim::Moment& m, const events::NatureJour& n)
{
    if (m.jeton == jeton_entree) {
        if (!n.entree) {
            return std::nullopt;
        }
        return std::string(n.entree_chabbat ? "Entrée de Chabbat " : "Entrée de Yom Tov ");
    }
    if (m.jeton == jeton_sortie) {
        if (!n.sortie) {
            return std::nullopt;
        }
        return std::string(n.sortie_chabbat ? "Sortie de Chabbat " : "Sortie de Yom Tov ");
    }
    return std::string(m.legende);
}

} // namespace

std::optional<long> secondes_du_creneau(const zmanim::DayTimes& jour, std::string_view jeton,
                                        double correction)
{
    const zmanim::TexteHoraire* t = jour.creneau(jeton);
    const double* instant = jour.instant(jeton);
    if (t == nullptr || !t->definie() || instant == nullptr) {
        return std::nullopt;
    }
    const long ecrites = zmanim::valeur_texte(platform::trim(t->heures)) * 3600L +
                         zmanim::valeur_texte(t->minutes) * 60L + zmanim::valeur_texte(t->secondes);
    // The clock texts are brought into 0..23 h; the instant says on which
    // day the time falls.
    const double locale = (*instant + jour.zone + correction) * 3600.0;
    const long jours = std::lround((locale - static_cast<double>(ecrites)) / 86400.0);
    return ecrites + jours * 86400L;
}

std::vector<LigneHoraire> lignes_horaires(const zmanim::DayTimes& jour, double correction,
                                          const events::NatureJour& nature)
{
    std::vector<LigneHoraire> lignes;
    if (jour.jour_polaire || jour.erreur_horaires) {
        return lignes;
    }
    for (std::size_t i = 0; i < zmanim::moments_page_du_jour; ++i) {
        const zmanim::Moment& m = zmanim::moments_halakha[i];
        const std::optional<std::string> legende = legende_du_jour(m, nature);
        if (!legende) {
            continue;
        }
        LigneHoraire l;
        l.legende = *legende;
        l.jeton = std::string(m.jeton);
        const bool apres = m.jeton == jeton_entree && nature.entree_apres_sortie;
        const std::string_view creneau = apres ? jeton_sortie : m.jeton;
        if (const zmanim::TexteHoraire* t = jour.creneau(creneau); t && t->definie()) {
            l.heure = std::string(apres ? "après " : "") +
                      platform::pad_left(platform::trim(t->heures), 2, '0') + ":" + t->minutes;
            l.secondes = secondes_du_creneau(jour, creneau, correction);
        }
        l.texte = platform::pad_right(l.legende, largeur_legende_horaire) +
                  (l.heure.empty() ? std::string("--:--") : l.heure);
        lignes.push_back(std::move(l));
    }
    return lignes;
}

} // namespace orvane::shell
