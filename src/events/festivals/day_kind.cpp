#include "events/festivals/day_kind.h"

#include "engine/calendar_engine.h"
#include "events/festivals/day_labels.h"
#include "events/festivals/names.h"
#include "events/festivals/year_list.h"
#include "events/readings/parachiot.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace orvane::events
{

namespace
{

constexpr int kippour = 3;
constexpr std::array<int, 6> jeunes = {2, 6, 8, 13, 14, 25};

/// The festival entries of the year of `d` on that day, if any.
std::vector<events::EntreeFete> entrees_du_jour(const engine::DateHebraique& d, bool diaspora)
{
    engine::CalendarEngine e;
    events::ChoixListe choix;
    choix.diaspora = diaspora;
    choix.mode = events::ModeListe::fenetre_principale;
    std::vector<events::EntreeFete> du_jour;
    for (const events::EntreeFete& f : events::liste_fetes_annee(e, d.annee, choix)) {
        if (f.mois_hebr == d.mois && f.jour_hebr == d.jour) {
            du_jour.push_back(f);
        }
    }
    return du_jour;
}

std::string nom_nettoye(std::string_view nom)
{
    std::string texte = events::sans_remplissage(nom);
    // The padding leaves runs of blanks inside a name: keep one.
    std::string compact;
    for (char c : platform::trim(texte)) {
        if (c != ' ' || compact.empty() || compact.back() != ' ') {
            compact += c;
        }
    }
    return compact;
}

std::string nom_du_chabbat(const events::LibellesDuJour& l)
{
    std::string nom = "Chabbat";
    if (const std::string special = events::nom_chabbat_special(l); !special.empty()) {
        nom += " " + special;
    }
    if (const std::string paracha = events::texte_paracha(l); !paracha.empty()) {
        nom += " " + nom_nettoye(paracha);
    }
    return nom;
}

GenreJour genre_des_libelles(const events::LibellesDuJour& l, bool chome, bool samedi)
{
    const int f = l.indice_fete;
    if (f == kippour) {
        return GenreJour::kippour;
    }
    if (std::find(jeunes.begin(), jeunes.end(), f) != jeunes.end()) {
        return GenreJour::jeune;
    }
    if (chome) {
        return GenreJour::fete_chomee;
    }
    const bool fete = f >= 1 && f < events::premiere_lecture;
    if (fete || l.indice_jour == 1 || l.indice_jour == 2) {
        return GenreJour::demi_fete;
    }
    return samedi ? GenreJour::chabbat : GenreJour::ordinaire;
}

} // namespace

bool jour_chome(const engine::DateHebraique& d, bool diaspora)
{
    const auto entrees = entrees_du_jour(d, diaspora);
    return std::any_of(entrees.begin(), entrees.end(), [](const events::EntreeFete& f) {
        return f.marque == events::marque_chome;
    });
}

NatureJour nature_du_jour(const engine::DateHebraique& d, int jour_semaine, bool diaspora)
{
    engine::CalendarEngine e;
    e.convertit_hebreu_civil(d.annee, d.mois, d.jour);
    events::LibellesDuJour l = events::libelles_du_jour(e, diaspora);
    events::paracha_du_jour(e, diaspora, l);

    const bool samedi = jour_semaine == 7;
    const bool chome = jour_chome(d, diaspora);
    const engine::DateHebraique demain = engine::lendemain(d);
    const bool demain_samedi = jour_semaine == 6;
    const bool demain_chome = jour_chome(demain, diaspora);

    NatureJour n;
    n.genre = genre_des_libelles(l, chome, samedi);
    const bool fete = l.indice_fete >= 1 && l.indice_fete < events::premiere_lecture;
    if (fete) {
        n.nom_special = nom_nettoye(l.nom_fete);
    } else if (samedi) {
        n.nom_special = nom_du_chabbat(l);
    } else if (n.genre != GenreJour::ordinaire) {
        n.nom_special = nom_nettoye(l.nom_jour);
    }
    marque_entree_sortie(n, samedi, chome, demain_samedi, demain_chome);
    return n;
}

void marque_entree_sortie(NatureJour& n, bool samedi, bool chome, bool demain_samedi,
                          bool demain_chome)
{
    const bool repos = samedi || chome;
    n.entree_chabbat = demain_samedi;
    n.entree = demain_samedi || demain_chome;
    n.entree_apres_sortie = repos && demain_chome && !demain_samedi;
    // The Sabbath ends even when a festival follows it; a festival day
    // followed by another has no exit.
    n.sortie = repos && !demain_samedi && (!demain_chome || samedi);
    n.sortie_chabbat = n.sortie && samedi;
}

JoursChomes::JoursChomes(bool diaspora) : diaspora_(diaspora) {}

bool JoursChomes::chome(const engine::DateHebraique& d)
{
    auto annee = annees_.find(d.annee);
    if (annee == annees_.end()) {
        engine::CalendarEngine e;
        events::ChoixListe choix;
        choix.diaspora = diaspora_;
        choix.mode = events::ModeListe::fenetre_principale;
        std::vector<std::pair<int, int>> jours;
        for (const events::EntreeFete& f : events::liste_fetes_annee(e, d.annee, choix)) {
            if (f.marque == events::marque_chome) {
                jours.emplace_back(f.mois_hebr, f.jour_hebr);
            }
        }
        annee = annees_.emplace(d.annee, std::move(jours)).first;
    }
    const auto& jours = annee->second;
    return std::find(jours.begin(), jours.end(), std::pair{d.mois, d.jour}) != jours.end();
}

} // namespace orvane::events
