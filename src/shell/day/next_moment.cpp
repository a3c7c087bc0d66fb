#include "shell/day/next_moment.h"

#include "platform/text.h"

namespace orvane::shell
{

namespace
{

constexpr long minute = 60;
constexpr long dix_minutes = 10 * minute;

/// The box of the night, once every moment of the list is past.
ProchainMoment apres_le_dernier(const std::vector<LigneHoraire>& lignes, long maintenant)
{
    ProchainMoment p;
    p.ligne = 0;
    p.tous_passes = true;
    p.visible = true;
    long depuis = 0;
    for (const LigneHoraire& l : lignes) {
        if (l.jeton == "heureN" && l.secondes) {
            depuis = maintenant - *l.secondes;
        }
    }
    p.texte = std::string(texte_nuit_depuis) + texte_duree_restante(std::max(depuis, 0L));
    return p;
}

} // namespace

std::string texte_duree_restante(long secondes)
{
    const long heures = secondes / 3600;
    const long minutes = secondes % 3600 / 60;
    return std::to_string(heures) + (minutes < 10 ? "h 0" : "h ") + std::to_string(minutes) + "mn";
}

ProchainMoment prochain_moment(const std::vector<LigneHoraire>& lignes, long maintenant)
{
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneHoraire& l = lignes[i];
        if (!l.secondes || *l.secondes <= maintenant) {
            continue;
        }
        const long reste = *l.secondes - maintenant;
        ProchainMoment p;
        p.ligne = static_cast<int>(i);
        p.texte = platform::trim_right(l.legende) + "\t dans :  " + texte_duree_restante(reste);
        p.clignote = reste <= minute;
        p.visible = !p.clignote || maintenant % 2 == 0;
        p.entree_prochaine = l.jeton == "entree_chabbat";
        p.legende_rouge = p.entree_prochaine && maintenant % 2 == 0;
        p.bougie = p.entree_prochaine && reste <= dix_minutes;
        return p;
    }
    return apres_le_dernier(lignes, maintenant);
}

EtatChabbat etat_chabbat(int jour_semaine, std::optional<long> entree, std::optional<long> sortie,
                         long maintenant)
{
    constexpr long onze_minutes = 11 * minute;
    EtatChabbat e;
    if (jour_semaine == 6 && entree) {
        e.bougie = maintenant >= *entree - onze_minutes && maintenant < *entree;
        e.panneau = maintenant >= *entree;
    } else if (jour_semaine == 7 && sortie) {
        e.panneau = maintenant < *sortie;
    }
    return e;
}

} // namespace orvane::shell
