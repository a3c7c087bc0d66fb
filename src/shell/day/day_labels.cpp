#include "shell/day/day_labels.h"

#include "events/festivals/names.h"
#include "platform/text.h"
#include "shell/main_form/main_panels.h"

namespace orvane::shell
{

std::string texte_affiche(std::string_view texte)
{
    constexpr std::string_view voeux = "*** CHANA TOVA***";
    const std::size_t fin = texte.find(voeux);
    if (fin == std::string_view::npos) {
        return platform::trim(events::sans_remplissage(texte));
    }
    return platform::trim(events::sans_remplissage(texte.substr(0, fin)) +
                          std::string(texte.substr(fin)));
}

std::array<std::string, 10> textes_du_jour(const JourCalcule& j, bool aujourdhui)
{
    std::array<std::string, 10> t;
    const events::TextesSemaine& s = j.textes;
    t[0] = libelle_pour_la_date(texte_affiche(j.texte_chabbat), aujourdhui);
    t[1] = s.ligne_omer;
    t[2] = libelle_pour_la_date(texte_affiche(s.ligne_chabbat), aujourdhui);
    if (!s.lignes_semaine.empty()) {
        t[3] = std::string(events::titre_cette_semaine);
    }
    for (std::size_t i = 0; i < s.lignes_semaine.size() && i < 5; ++i) {
        t[4 + i] = texte_affiche(s.lignes_semaine[i]);
    }
    t[9] = s.note_guechamim;
    return t;
}

} // namespace orvane::shell
