#include "tables/date_label.h"

#include "engine/names.h"
#include "platform/text.h"
#include "zmanim/format/arrondi.h"

namespace orvane::tables
{

namespace
{

std::string deux_chiffres(int n)
{
    return zmanim::texte_deux_chiffres(n);
}

std::string lettre_du_jour(int jour_semaine, bool trois_lettres)
{
    const std::string_view nom = engine::jours_semaine[static_cast<std::size_t>(jour_semaine)];
    return platform::left(nom, trois_lettres ? 3 : 1);
}

std::string quatre_lettres(std::string_view nom)
{
    return platform::pad_right(platform::left(platform::trim(nom), 4), 4);
}

std::string partie_civile(const engine::DateCivile& d, bool bdl)
{
    if (bdl) {
        return deux_chiffres(d.jour) + " " +
               quatre_lettres(engine::mois_civils[static_cast<std::size_t>(d.mois)]) + " ";
    }
    return deux_chiffres(d.jour) +
           std::string(engine::mois_civils_courts[static_cast<std::size_t>(d.mois)]);
}

std::string partie_hebraique(const engine::DateHebraique& h, bool embolismique)
{
    return deux_chiffres(h.jour) + mois_hebreu_deux_lettres(h.mois, embolismique);
}

} // namespace

std::string mois_hebreu_deux_lettres(int mois, bool embolismique)
{
    if (mois == 6 || mois == 7) {
        return embolismique ? (mois == 6 ? "A1" : "A2") : "Ad";
    }
    return platform::left(engine::mois_hebreux[static_cast<std::size_t>(mois)], 2);
}

std::string libelle_date(const engine::DateCivile& d, int jour_semaine,
                         const engine::DateHebraique& h, bool embolismique,
                         const ChoixLibelle& choix)
{
    std::string libelle;
    if (choix.date_complete) {
        const std::string civile = partie_civile(d, choix.bureau_des_longitudes);
        const std::string hebraique = partie_hebraique(h, embolismique);
        libelle = lettre_du_jour(jour_semaine, choix.bureau_des_longitudes) + " " +
                  (choix.reference_hebraique ? hebraique + civile : civile + hebraique) + " ";
    } else if (choix.reference_hebraique) {
        libelle = " " + deux_chiffres(h.jour) + " " +
                  quatre_lettres(engine::nom_mois_hebreu(h.mois, embolismique));
    } else {
        libelle = " " + deux_chiffres(d.jour) + " " +
                  quatre_lettres(engine::mois_civils[static_cast<std::size_t>(d.mois)]);
    }
    return choix.bureau_des_longitudes ? platform::left(libelle, 11) : libelle;
}

std::string date_numerique(const engine::DateCivile& d)
{
    return deux_chiffres(d.jour) + "/" + deux_chiffres(d.mois) + "/" +
           deux_chiffres(((d.annee % 100) + 100) % 100);
}

} // namespace orvane::tables
