#include "zmanim/format/libelles.h"

#include "platform/text.h"
#include "zmanim/day/day_times.h"

namespace orvane::zmanim
{

namespace
{

constexpr std::string_view plag_suite =
    "\rSelon certains avis, à partir de ce moment, la journée prend fin et il est alors possible "
    "de réciter\rla prière du soir, 'Arvit";

/// Hints of the halachic boxes, by index of `moments_halakha`.
std::array<std::string, 19> explications_halachiques()
{
    std::array<std::string, 19> e;
    e[3] = "Cette limite est à 3 heures saisonnières (de l'aube à la nuit divisé par 12)\rà partir "
           "de l'aube.";
    e[4] = "Cette limite est à 3 heures saisonnières (du lever au coucher du soleil divisé par "
           "12)\rà partir du lever du soleil.";
    e[5] = "Cette limite est à 4 heures saisonnières (de l'aube à la nuit divisé par 12)\rà partir "
           "de l'aube.";
    e[6] = "Cette limite est à 4 heures saisonnières (du lever au coucher du soleil divisé par "
           "12)\rà partir du lever du soleil.";
    e[7] = "Midi vrai. Le soleil est au zénith ";
    e[8] = "Min'ha Guédola commence 1/2 heure saisonnière (lever/coucher) apès midi ";
    e[9] = "Min'ha Kétana débute 2h 1/2 saisonnières (lever/coucher) avant le coucher du soleil.";
    e[10] = "Plag hamin'ha débute 1h 1/4 saisonnières (lever/coucher) avant le coucher du soleil." +
            std::string(plag_suite);
    e[12] = "2e Plag hamin'ha débute 1h 1/4 saisonnières (aube/nuit) avant la nuit." +
            std::string(plag_suite);
    return e;
}

constexpr std::array<std::string_view, 9> explications_bdl = {
    "Postion du soleil à -18° avant le lever",
    "Postion du soleil à -12° avant le lever",
    "Postion du soleil à -6° avant le lever",
    "LEVER DU SOLEIL issu des calculs du lever corrigés",
    "Midi vrai. Le soleil est au zénith",
    "COUCHER DU SOLEIL issu des calculs du lever corrigés",
    "Postion du soleil à -6 après le coucher",
    "Postion du soleil à -12° après le coucher",
    "Postion du soleil à -18° après le coucher",
};

} // namespace

std::string legende_padded(std::size_t index)
{
    return platform::pad_right(moments_halakha.at(index).legende, largeur_legende);
}

AffichageMoments affichage_moments(bool bureau_des_longitudes)
{
    AffichageMoments a;
    if (!bureau_des_longitudes) {
        a.explications = explications_halachiques();
        for (std::size_t i = 0; i < moments_halakha.size(); ++i) {
            a.legendes[i] = legende_padded(i);
            a.visibles[i] = true;
        }
        return a;
    }
    for (std::size_t i = 0; i < moments_halakha.size(); ++i) {
        a.legendes[i] = legende_padded(i);
    }
    for (std::size_t k = 0; k < moments_bdl.size(); ++k) {
        a.legendes[premier_moment_bdl + k] = moments_bdl[k].legende;
        a.explications[premier_moment_bdl + k] = explications_bdl[k];
        a.visibles[premier_moment_bdl + k] = true;
    }
    return a;
}

namespace
{

LigneDuJour ligne(const DayTimes& jour, const Moment& m, bool secondes)
{
    LigneDuJour l{std::string(m.legende), std::string(m.jeton), {}};
    if (const TexteHoraire* t = jour.creneau(m.jeton); t && t->definie()) {
        l.heure = platform::trim(t->heures) + ":" + t->minutes;
        if (secondes) {
            l.heure += ":" + t->secondes;
        }
    }
    return l;
}

} // namespace

std::vector<LigneDuJour> liste_du_jour(const DayTimes& jour, bool bureau_des_longitudes,
                                       bool secondes)
{
    std::vector<LigneDuJour> lignes;
    if (bureau_des_longitudes) {
        for (const Moment& m : moments_bdl) {
            lignes.push_back(ligne(jour, m, secondes));
        }
    } else {
        for (std::size_t i = 0; i < moments_page_du_jour; ++i) {
            lignes.push_back(ligne(jour, moments_halakha[i], secondes));
        }
    }
    for (std::size_t i = moments_page_du_jour; i < moments_halakha.size(); ++i) {
        lignes.push_back(ligne(jour, moments_halakha[i], secondes));
    }
    return lignes;
}

bool explications_halakha(std::string_view opinion, std::string_view opinion_sauvee)
{
    return platform::left(opinion, 6) != "Bureau" && platform::left(opinion_sauvee, 6) != "Bureau";
}

} // namespace orvane::zmanim
