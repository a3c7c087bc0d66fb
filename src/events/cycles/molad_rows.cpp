#include "events/cycles/molad_rows.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "engine/names.h"
#include "events/saved_dates.h"
#include "platform/text.h"

namespace orvane::events
{

namespace
{

using engine::complete_espaces;

const std::string marge = "      ";

std::string nombre(long long n, int largeur)
{
    return complete_espaces(std::to_string(n), largeur);
}

std::string mois_hebreu(int mois, int annee, int largeur)
{
    return complete_espaces(engine::nom_mois_hebreu(mois, engine::annee_hebr_embolismique(annee)),
                            largeur);
}

std::string jour_semaine(int jour, int largeur)
{
    return complete_espaces(engine::jours_semaine[static_cast<std::size_t>(jour)], largeur);
}

/// " --->  " then the civil day (pad 3), month (pad 10) and year.
std::string date_civile(engine::DateCivile d, std::string_view fleche)
{
    return std::string(fleche) + nombre(d.jour, 3) +
           complete_espaces(engine::mois_civils[static_cast<std::size_t>(d.mois)], 10) +
           std::to_string(engine::annee_civile_ecrite(d.annee));
}

bool mois_absent(int slot, int annee)
{
    return slot == 7 && !engine::annee_hebr_embolismique(annee);
}

/// Weekday, Hebrew day, month and year of a molad or a limit.
std::string date_hebraique(int jour_semaine_, int jour, int mois, int annee)
{
    return jour_semaine(jour_semaine_, 9) + nombre(jour, 3) + " " + mois_hebreu(mois, annee, 8) +
           std::to_string(annee);
}

std::string ligne_limite(std::string_view debut, std::string_view mot, const LimiteLevana& l,
                         bool marque)
{
    return std::string(debut) +
           date_hebraique(l.jour_semaine, l.jour_hebr, l.mois_hebr, l.annee_hebr) +
           std::string(mot) + complete_espaces(l.texte, 24) + (marque ? (l.ete ? "é" : "h") : "") +
           date_civile(l.civile, "  ---> ");
}

std::string titre_levana(int annee, TableLevana table)
{
    return "Birkat Halévana : Année " + std::to_string(annee) +
           (table == TableLevana::france ? " ( >>> pour la FRANCE <<< )"
                                         : " ( >>> pour ISRAEL <<< )");
}

} // namespace

std::string ligne_molad(const engine::CalendarEngine& e, int slot, int annee)
{
    if (mois_absent(slot, annee)) {
        return {};
    }
    const engine::EntreeMolad& m = e.table_molad[static_cast<std::size_t>(slot)];
    const int mois = slot == 14 ? 1 : slot;
    const int annee_du_mois = slot == 14 ? annee + 1 : annee;
    return marge + mois_hebreu(mois, annee_du_mois, 8) + ": " + jour_semaine(m.jour_semaine, 9) +
           nombre(m.jour_hebr, 4) + mois_hebreu(m.mois_hebr, m.annee_hebr, 8) +
           nombre(m.annee_hebr, 6) + "à " + m.texte +
           date_civile({m.annee_civile, m.mois_civil, m.jour_civil}, " --->  ");
}

std::vector<std::string> table_moladot(int premiere, int nb_annees, int increment, int seul)
{
    engine::CalendarEngine e;
    const int derniere = premiere + (nb_annees - 1) * increment;
    std::vector<std::string> lignes = {marge + "Moladot pour les années " +
                                       std::to_string(premiere) +
                                       (nb_annees > 1 ? " " + std::to_string(derniere) : "")};
    for (int n = 0; n < nb_annees; ++n) {
        const int annee = premiere + n * increment;
        lignes.push_back(marge + "Moladot pour l'année " + std::to_string(annee));
        for (int slot = 1; slot <= 13; ++slot) {
            if ((seul != 0 && seul != slot) || mois_absent(slot, annee)) {
                continue;
            }
            e.calcule_molad_mois(slot, annee, true);
            lignes.push_back(ligne_molad(e, slot, annee));
        }
    }
    return lignes;
}

std::vector<std::string> table_levana(int annee, const ChoixLevana& choix)
{
    engine::CalendarEngine e;
    const bool france = choix.options.table == TableLevana::france;
    std::vector<std::string> lignes = {marge + titre_levana(annee, choix.options.table)};
    if (france) {
        if (!choix.limite_exacte) {
            lignes.push_back(marge + "Les heures se situant dans la journée sont théoriques, car "
                                     "on ne récite pas la Birkat Halévana le jour.");
        }
        lignes.push_back(marge + "Selon la coutume Achkénaze, 3 jours après le Molad, selon la "
                                 "coutume Sépharade, 7 jours après le Molad.");
        lignes.push_back(marge + "L'heure d'été est déjà prise en compte  (Indications : h = "
                                 "heures d'hiver   é = heures d'été).");
    }
    for (int slot = 1; slot <= 13; ++slot) {
        if (mois_absent(slot, annee)) {
            continue;
        }
        e.calcule_molad_mois(slot, annee, true);
        const engine::EntreeMolad m = e.table_molad[static_cast<std::size_t>(slot)];
        const std::string nom = mois_hebreu(slot, annee, 8);
        const std::string capitales = complete_espaces(platform::to_upper(platform::trim(nom)), 8);
        const auto limite = [&](int offset, SorteLimite sorte) {
            return limite_levana(e, slot, annee, offset, sorte, choix.options);
        };
        const std::string molad =
            date_hebraique(m.jour_semaine, m.jour_hebr, m.mois_hebr, m.annee_hebr);
        const std::string date_molad =
            date_civile({m.annee_civile, m.mois_civil, m.jour_civil}, "  ---> ");
        if (france) {
            lignes.push_back(marge + nom + ": MOLAD               : " + molad + "   à " +
                             complete_espaces(m.texte, 24) + date_molad);
            lignes.push_back(
                marge + ligne_limite(capitales + ": DEBUT LEVANA (ACHK) : ", " dès ",
                                     limite(debut_levana_achkenaze, SorteLimite::debut), true));
            lignes.push_back(
                marge + ligne_limite(capitales + ": DEBUT LEVANA (SEPH) : ", " dès ",
                                     limite(debut_levana_sepharade, SorteLimite::debut), true));
            lignes.push_back(marge + ligne_limite(capitales + ": FIN   LEVANA        : ", " max ",
                                                  limite(fin_levana, SorteLimite::fin), true));
        } else {
            const int debut = choix.sepharade ? debut_levana_sepharade : debut_levana_achkenaze;
            lignes.push_back(marge + nom + ": MOLAD        : " + molad + "   à " +
                             complete_espaces(m.texte, 24) + date_molad);
            lignes.push_back(marge + ligne_limite(capitales + ": DEBUT LEVANA : ", " dès ",
                                                  limite(debut, SorteLimite::debut), false));
            lignes.push_back(marge + ligne_limite(capitales + ": FIN   LEVANA : ", " max ",
                                                  limite(fin_levana, SorteLimite::fin), false));
        }
    }
    return lignes;
}

namespace detail
{

LignesCiopLevana lignes_ciop_levana(engine::CalendarEngine& e, int slot, int annee,
                                    const ChoixLevana& choix)
{
    LignesCiopLevana c;
    if (mois_absent(slot, annee)) {
        return c;
    }
    const DatesSauvees sauve(e);
    e.calcule_molad_mois(slot, annee, true);
    const engine::EntreeMolad m = e.table_molad[static_cast<std::size_t>(slot)];
    const std::string nom = mois_hebreu(slot, annee, 8);
    const engine::DateCivile civile_molad{m.annee_civile, m.mois_civil, m.jour_civil};
    c.molad = nom + ": MOLAD        : " +
              date_hebraique(m.jour_semaine, m.jour_hebr, m.mois_hebr, m.annee_hebr) + "   à " +
              complete_espaces(m.texte, 24) + date_civile(civile_molad, "  ---> ");
    const int offset = choix.sepharade ? debut_levana_sepharade : debut_levana_achkenaze;
    const LimiteLevana debut =
        limite_levana(e, slot, annee, offset, SorteLimite::debut, choix.options);
    const LimiteLevana fin =
        limite_levana(e, slot, annee, fin_levana, SorteLimite::fin, choix.options);
    c.debut = ligne_limite(nom + ": DEBUT LEVANA : ", " dès ", debut, true);
    c.fin = ligne_limite(nom + ": FIN   LEVANA : ", " max ", fin, true);
    const auto tsv = [&](std::string_view quoi, int js, int jh, int mh, int ah,
                         engine::DateCivile d, const std::string& heure) {
        return std::vector<std::string>{
            platform::trim(nom),
            std::string(quoi),
            platform::trim(engine::jours_semaine[static_cast<std::size_t>(js)]),
            std::to_string(jh),
            platform::trim(mois_hebreu(mh, ah, 0)),
            std::to_string(ah),
            platform::trim(heure),
            std::to_string(d.jour),
            std::to_string(d.mois),
            std::to_string(engine::annee_civile_ecrite(d.annee))};
    };
    c.molad_tsv =
        tsv("MOLAD", m.jour_semaine, m.jour_hebr, m.mois_hebr, m.annee_hebr, civile_molad, m.texte);
    c.debut_tsv = tsv("DEBUT LEVANA", debut.jour_semaine, debut.jour_hebr, debut.mois_hebr,
                      debut.annee_hebr, debut.civile, debut.texte + (debut.ete ? "é" : "h"));
    c.fin_tsv = tsv("FIN LEVANA", fin.jour_semaine, fin.jour_hebr, fin.mois_hebr, fin.annee_hebr,
                    fin.civile, fin.texte + (fin.ete ? "é" : "h"));
    return c;
}

} // namespace detail

LignesCiopLevana lignes_ciop_levana(int slot, int annee, const ChoixLevana& choix)
{
    engine::CalendarEngine e;
    return detail::lignes_ciop_levana(e, slot, annee, choix);
}

} // namespace orvane::events
