#include "records/events/event_sheet.h"

#include "engine/date_validity.h"
#include "engine/names.h"
#include "platform/file_names.h"
#include "platform/text.h"
#include "records/anniversaries.h"
#include "records/carrying.h"
#include "records/day_lines.h"

#include <algorithm>
#include <array>
#include <optional>

namespace orvane::records
{

namespace
{

using engine::DateCivile;
using engine::DateHebraique;

constexpr std::string_view marge = "        ";
constexpr int nb_annees_max = 1000;

// Three whole numbers separated by "/": "03/01/1951".
std::optional<std::array<int, 3>> trois_nombres(std::string_view texte)
{
    std::array<int, 3> r{};
    std::size_t debut = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t barre = i < 2 ? texte.find('/', debut) : texte.size();
        if (barre == std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<int> n =
            platform::nombre_entier(platform::trim(texte.substr(debut, barre - debut)));
        if (!n) {
            return std::nullopt;
        }
        r.at(i) = *n;
        debut = barre + 1;
    }
    return r;
}

std::string deux_chiffres(int n)
{
    return n < 10 && n >= 0 ? "0" + std::to_string(n) : std::to_string(n);
}

std::string date_ecrite(int jour, int mois, int annee)
{
    return deux_chiffres(jour) + "/" + deux_chiffres(mois) + "/" + std::to_string(annee);
}

std::string_view jour_de_la_semaine(int j)
{
    return engine::jours_semaine.at(static_cast<std::size_t>(j));
}

std::string a_droite(std::string_view texte, std::size_t largeur)
{
    return platform::pad_left(texte, largeur);
}

// "%8s %2d %8s %6d ---> %2d %7s %6d" of an anniversary, widths counted in
// characters.
std::string ligne_anniversaire(const JourComplet& j)
{
    const std::string civil =
        a_droite(platform::left(jour_de_la_semaine(j.jour_semaine), 8), 8) + " " +
        a_droite(std::to_string(j.civile.jour), 2) + " " +
        a_droite(engine::mois_civils.at(static_cast<std::size_t>(j.civile.mois)), 8) + " " +
        a_droite(std::to_string(j.civile.annee), 6);
    return a_droite(civil, 20) + " ---> " + a_droite(std::to_string(j.hebraique.jour), 2) + " " +
           a_droite(nom_mois_de_l_annee(j.hebraique.annee, j.hebraique.mois), 7) + " " +
           a_droite(std::to_string(j.hebraique.annee), 6);
}

struct DateLue {
    JourComplet jour;
    std::string erreur;
    ChampEvenement champ = ChampEvenement::aucun;
};

DateLue depuis_le_civil(std::string_view texte)
{
    const auto n = trois_nombres(texte);
    if (!n) {
        return {{},
                "« " + std::string(texte) + " » n'est pas une date civile (jj/mm/aaaa)",
                ChampEvenement::date_civile};
    }
    const DateCivile d((*n)[2], (*n)[1], (*n)[0]);
    if (const auto e = engine::erreur_date_civile(d)) {
        return {{}, *e, ChampEvenement::date_civile};
    }
    return {jour_du_civil(d), {}, ChampEvenement::aucun};
}

DateLue depuis_l_hebreu(std::string_view texte)
{
    const auto n = trois_nombres(texte);
    if (!n) {
        return {{},
                "« " + std::string(texte) + " » n'est pas une date hébraïque (jj/mm/aaaa)",
                ChampEvenement::date_hebraique};
    }
    const DateHebraique d((*n)[2], (*n)[1], (*n)[0]);
    if (const auto e = engine::erreur_date_hebraique(d)) {
        return {{}, *e, ChampEvenement::date_hebraique};
    }
    return {jour_de_l_hebreu(d), {}, ChampEvenement::aucun};
}

std::vector<std::string> anniversaires(const DateHebraique& evenement, DateCivile aujourdhui,
                                       const SaisieEvenement& s)
{
    const int nombre = s.plusieurs_annees ? std::clamp(s.nb_annees, 1, nb_annees_max) : 1;
    std::vector<std::string> r;
    int annee = premiere_annee_a_venir(evenement, aujourdhui);
    for (int i = 0; i < nombre; ++i, annee += s.increment) {
        if (annee < engine::annee_hebr_min || annee > engine::annee_hebr_max) {
            break; // beyond the calendar's years
        }
        r.push_back(ligne_anniversaire(jour_de_l_hebreu(reporte_date(evenement, annee))));
    }
    return r;
}

} // namespace

CalculEvenement calcule_evenement(const SaisieEvenement& s, DateCivile aujourdhui)
{
    CalculEvenement c;
    c.date_civile = s.date_civile;
    c.date_hebraique = s.date_hebraique;
    DateLue lue;
    if (!platform::trim(s.date_civile).empty()) {
        lue = depuis_le_civil(platform::trim(s.date_civile));
    } else if (s.date_hebraique.find('/') != std::string::npos) {
        lue = depuis_l_hebreu(platform::trim(s.date_hebraique));
    } else {
        return c; // no date yet
    }
    if (!lue.erreur.empty()) {
        c.erreur = lue.erreur;
        c.focus = lue.champ;
        return c;
    }
    const JourComplet& j = lue.jour;
    c.date_civile = date_ecrite(j.civile.jour, j.civile.mois, j.civile.annee);
    c.date_hebraique = date_ecrite(j.hebraique.jour, j.hebraique.mois, j.hebraique.annee);
    c.texte_civil = std::string(jour_de_la_semaine(j.jour_semaine)) +
                    std::to_string(j.civile.jour) + " " +
                    std::string(engine::mois_civils.at(static_cast<std::size_t>(j.civile.mois))) +
                    " " + std::to_string(j.civile.annee);
    c.texte_hebreu = std::string(jour_de_la_semaine(j.jour_semaine)) + " " +
                     a_droite(std::to_string(j.hebraique.jour), 2) + " " +
                     nom_mois_de_l_annee(j.hebraique.annee, j.hebraique.mois) + " " +
                     a_droite(std::to_string(j.hebraique.annee), 4) + " ";
    c.anniversaires = anniversaires(j.hebraique, aujourdhui, s);
    return c;
}

std::string nom_fichier_evenement(std::string_view titre)
{
    if (platform::trim(titre).empty()) {
        return "EVENT.txt";
    }
    std::string nom;
    for (const char c : titre) {
        nom += std::string_view(" *,./").find(c) != std::string_view::npos ? '_' : c;
    }
    return platform::nom_de_fichier_sur(platform::left(nom, 8)) + ".txt";
}

std::vector<std::string> lignes_evenement(const SaisieEvenement& s, const CalculEvenement& c)
{
    std::vector<std::string> r{c.texte_civil + "(" + c.texte_hebreu + ")", s.titre, ""};
    r.insert(r.end(), s.commentaire.begin(), s.commentaire.end());
    r.emplace_back("");
    r.emplace_back("Les prochains anniversaires");
    r.insert(r.end(), c.anniversaires.begin(), c.anniversaires.end());
    return r;
}

std::vector<std::string> lignes_impression_evenement(const SaisieEvenement& s,
                                                     const CalculEvenement& c)
{
    std::vector<std::string> r(4, " ");
    r.push_back(std::string(marge) + c.texte_civil + "  (" + c.texte_hebreu + ")");
    r.push_back(std::string(marge) + s.titre);
    r.emplace_back("");
    for (const std::string& l : s.commentaire) {
        r.push_back(std::string(marge) + l);
    }
    r.emplace_back("");
    r.push_back(std::string(marge) + "Les prochains anniversaires");
    for (const std::string& l : c.anniversaires) {
        r.push_back(std::string(marge) + l);
    }
    return r;
}

std::vector<std::string> lignes_impression_directe(const SaisieEvenement& s,
                                                   const CalculEvenement& c,
                                                   const std::vector<std::string>& debut,
                                                   const std::vector<std::string>& fin)
{
    std::vector<std::string> feuille{"Evénement      : " + s.titre,
                                     "Date civile    : " + c.texte_civil,
                                     "Date hébraïque : " + c.texte_hebreu, "", "Commentaires"};
    feuille.insert(feuille.end(), s.commentaire.begin(), s.commentaire.end());
    feuille.emplace_back("");
    feuille.emplace_back("PPPPPProchains anniversaires");
    feuille.insert(feuille.end(), c.anniversaires.begin(), c.anniversaires.end());
    std::vector<std::string> r;
    for (const std::vector<std::string>* partie :
         std::initializer_list<const std::vector<std::string>*>{&debut, &feuille, &fin}) {
        for (const std::string& l : *partie) {
            r.push_back(std::string(marge) + l);
        }
    }
    return r;
}

} // namespace orvane::records
