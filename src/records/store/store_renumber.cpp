// Renumbering the records, and removing those without date.
#include "records/store/folder_lock.h"
#include "records/store/messages.h"
#include "records/store/numbered_line.h"
#include "records/store/record_dates.h"
#include "records/store/store.h"

namespace orvane::records
{

namespace
{

/// The two lines of a record renumbered: rebuilt with its next anniversary
/// of today when the program wrote them, else as they are. `gardee` tells
/// which.
LignesFiche lignes_renumerotees(Famille famille, const LignesFiche& lues,
                                engine::DateCivile aujourdhui, bool& gardee)
{
    Fiche fiche = lit_lignes(famille, lues.noms, lues.dates);
    gardee = construit_lignes(famille, fiche) != lues;
    if (gardee) {
        return lues;
    }
    recalcule_prochain(famille, fiche, aujourdhui);
    return construit_lignes(famille, fiche);
}

} // namespace

Resultat BaseFiches::renumerote(engine::DateCivile aujourdhui)
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    const ContenuPaire c = relit();
    if (!c.coherent()) {
        Resultat r;
        r.message = message_paire_incoherente(fichiers_, c.defauts);
        r.nombre = c.nombre();
        return r;
    }
    std::vector<std::string> noms;
    std::vector<std::string> dates;
    int gardees = 0;
    for (const std::size_t i : c.lignes_des_fiches) {
        const LignesFiche lues{std::string(separe_numero(c.noms[i]).contenu),
                               std::string(separe_numero(c.dates[i]).contenu)};
        bool gardee = false;
        const LignesFiche l = lignes_renumerotees(famille_, lues, aujourdhui, gardee);
        gardees += gardee ? 1 : 0;
        const int numero = static_cast<int>(noms.size()) + 1;
        noms.push_back(ligne_numerotee(numero, l.noms));
        dates.push_back(ligne_numerotee(numero, l.dates));
    }
    ecrit(noms, dates);
    const int nombre = static_cast<int>(noms.size());
    std::string message = message_numeros(nombre);
    if (gardees > 0) {
        message += "\r" + message_fiches_gardees(gardees);
    }
    return {true, message, 0, nombre > 0 ? 1 : 0, nombre};
}

Comptage BaseFiches::compte_fiches()
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    ContenuPaire c = relit();
    Comptage comptage;
    if (!c.coherent()) {
        comptage.nombre = c.nombre();
        comptage.message = message_paire_incoherente(fichiers_, c.defauts);
        return comptage;
    }
    for (const std::size_t i : c.lignes_des_fiches) {
        if (sans_date(famille_, separe_numero(c.dates[i]).contenu)) {
            comptage.retirees.push_back(separe_numero(c.noms[i]).numero.value_or(0));
            c.noms[i].clear();
            c.dates[i].clear();
        }
    }
    if (!comptage.retirees.empty()) {
        ecrit(c.noms, c.dates);
        comptage.message = message_fiches_sans_date(comptage.retirees);
    }
    comptage.nombre = c.nombre() - static_cast<int>(comptage.retirees.size());
    return comptage;
}

} // namespace orvane::records
