#include "events/years/year_type_text.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/years/characteristics.h"
#include "events/years/year_type.h"
#include "platform/text.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

using engine::complete_espaces;

std::string jour(int jour_semaine)
{
    return std::string(engine::jours_semaine[static_cast<std::size_t>(jour_semaine)]);
}

std::vector<std::string> entete(int annee, int civile, std::string_view titre)
{
    const std::string t = "Année hébraïque : " + std::to_string(annee) + "    " +
                          "Année civile : " + std::to_string(civile);
    const std::size_t largeur = std::max(platform::char_count(t), platform::char_count(titre));
    std::string r(largeur, '=');
    std::string r_bh = r;
    if (largeur >= 5) {
        r_bh.replace(largeur - 5, 5, "B\"H==");
    }
    return {"    " + r_bh, "    " + std::string(titre), "    " + t, "    " + r};
}

std::string ligne_cycle(std::string_view debut, PlaceCycle c, std::string_view suffixe,
                        std::string_view fin)
{
    return complete_espaces(complete_espaces(std::string(debut) + std::to_string(c.place) +
                                                 suffixe_ordinal(c.place) + std::string(suffixe),
                                             17) +
                                "année du " + std::to_string(c.numero),
                            27) +
           std::string(fin);
}

std::string correspondance(int annee, int civile_affichee)
{
    int a = annee - 3761;
    int b = annee - 3760;
    if (annee - 3761 < 1) {
        --a;
        --b;
    }
    if (civile_affichee == 1) {
        ++b;
    }
    return "    L'année " + std::to_string(annee) + " Correspond à " + std::to_string(a) + " / " +
           std::to_string(b) + " du calendrier civil.";
}

} // namespace

TexteTypeAnnee texte_type_annee(int annee, int civile, std::string_view titre)
{
    engine::CalendarEngine e;
    TexteTypeAnnee r;
    r.lignes = entete(annee, civile, titre);
    const TypeAnnee t = type_de_l_annee(e, annee);
    auto& l = r.lignes;
    l.emplace_back();
    l.push_back("    L'Année " + std::to_string(annee) + " est du type " + signe_latin(t) + " :");
    l.push_back((t.embolismique ? "\t  Une année embolismique : 13 mois ===> "
                                : "\t  Une année commune : 12 mois ===> ") +
                std::to_string(t.longueur) + " jours");
    r.mot_hebreu = std::string(t.embolismique ? mot_embolismique : mot_commune);
    r.texte_nature = "(" + std::to_string(annee) +
                     (t.embolismique ? " est une année embolismique)" : " est une année commune)");
    l.push_back("\t  Roch-Hachana est un " + jour(t.jour_rh));
    l.push_back("\t  Pessa'h est un " + jour(t.jour_pessah));
    l.push_back("\t  'Hechvan comporte " + std::to_string(t.hechvan) + " jours et Kislev " +
                std::to_string(t.kislev));
    l.emplace_back();
    l.push_back(ligne_cycle("    C'est la ", cycle_lunaire(annee), " ", "e cycle lunaire"));
    const std::string neuf(9, ' ');
    l.push_back(ligne_cycle(neuf + " la ", cycle_solaire(annee), "", "e cycle solaire"));
    l.push_back(ligne_cycle(neuf + " la ", cycle_chemita(annee), "", "e cycle de chemita"));
    const SerieAnnee s = serie_de_l_annee(e, annee);
    l.push_back(
        complete_espaces(neuf + " la " + std::to_string(s.rang) + suffixe_ordinal(s.rang), 17) +
        "année de la série n° " + std::to_string(s.serie));
    r.signe_hebreu = signe_hebreu(t);
    l.emplace_back();
    r.correspondance = correspondance(annee, civile);
    l.push_back(r.correspondance);
    return r;
}

std::string nom_fichier_type(int annee)
{
    return "TYPE_" + std::to_string(annee) + ".txt";
}

std::vector<std::string> lignes_a_imprimer_type(const std::vector<std::string>& texte)
{
    std::vector<std::string> lignes(4, " ");
    for (std::size_t i = 1; i < texte.size(); ++i) {
        lignes.push_back("        " + texte[i]);
    }
    return lignes;
}

} // namespace orvane::events
