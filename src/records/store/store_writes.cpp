// Adding, changing, removing and duplicating a record.
#include "records/store/entry_check.h"
#include "records/store/folder_lock.h"
#include "records/store/messages.h"
#include "records/store/numbered_line.h"
#include "records/store/store.h"
#include "records/store/store_lookup.h"

namespace orvane::records
{

namespace
{

/// The lines to write for a typed record; none when it is refused (the
/// message in `refus`) or its long line not accepted (`refus` empty).
std::optional<LignesFiche> lignes_a_ecrire(Famille famille, const Fiche& fiche,
                                           const platform::Confirmation& accepte_coupure,
                                           std::string& refus)
{
    const FicheSaisie saisie = prepare_fiche(famille, fiche);
    if (saisie.refus) {
        refus = *saisie.refus;
        return std::nullopt;
    }
    if (saisie.avertissement) {
        if (!accepte_coupure || !accepte_coupure(*saisie.avertissement)) {
            return std::nullopt;
        }
        return lignes_coupees(saisie.lignes);
    }
    return saisie.lignes;
}

Resultat refuse(std::string message)
{
    Resultat r;
    r.message = std::move(message);
    return r;
}

} // namespace

Resultat BaseFiches::ajoute_fiche(const Fiche& fiche, const platform::Confirmation& accepte_coupure)
{
    std::string refus;
    const std::optional<LignesFiche> lignes =
        lignes_a_ecrire(famille_, fiche, accepte_coupure, refus);
    if (!lignes) {
        return refuse(refus);
    }
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    ContenuPaire c = relit();
    if (!c.coherent()) {
        return refuse(message_paire_incoherente(fichiers_, c.defauts));
    }
    const int numero = c.dernier_numero() + 1;
    c.noms.push_back(ligne_numerotee(numero, lignes->noms));
    c.dates.push_back(ligne_numerotee(numero, lignes->dates));
    ecrit(c.noms, c.dates);
    const int nombre = c.nombre() + 1;
    return {true, message_fiche_enregistree(numero), numero, nombre, nombre};
}

Resultat BaseFiches::modifie_fiche(int position, int numero, const Fiche& fiche,
                                   const platform::Confirmation& accepte_coupure)
{
    std::string refus;
    const std::optional<LignesFiche> lignes =
        lignes_a_ecrire(famille_, fiche, accepte_coupure, refus);
    if (!lignes) {
        return refuse(refus);
    }
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    ContenuPaire c = relit();
    if (!c.coherent()) {
        return refuse(message_paire_incoherente(fichiers_, c.defauts));
    }
    auto ligne = ligne_de_la_fiche(c, position, numero);
    if (auto* message = std::get_if<std::string>(&ligne)) {
        return refuse(std::move(*message));
    }
    const std::size_t i = std::get<std::size_t>(ligne);
    c.noms[i] = ligne_numerotee(numero, lignes->noms);
    c.dates[i] = ligne_numerotee(numero, lignes->dates);
    ecrit(c.noms, c.dates);
    return {true, {}, numero, position, c.nombre()};
}

Resultat BaseFiches::supprime_fiche(int position, int numero)
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    ContenuPaire c = relit();
    if (!c.coherent()) {
        return refuse(message_paire_incoherente(fichiers_, c.defauts));
    }
    auto ligne = ligne_de_la_fiche(c, position, numero);
    if (auto* message = std::get_if<std::string>(&ligne)) {
        return refuse(std::move(*message));
    }
    const auto i = static_cast<std::ptrdiff_t>(std::get<std::size_t>(ligne));
    c.noms.erase(c.noms.begin() + i);
    c.dates.erase(c.dates.begin() + i);
    ecrit(c.noms, c.dates);
    const int nombre = c.nombre() - 1;
    return {true, message_fiche_supprimee(numero), numero, std::min(position, nombre), nombre};
}

Resultat BaseFiches::duplique_fiche(int position, int numero)
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    ContenuPaire c = relit();
    if (!c.coherent()) {
        return refuse(message_paire_incoherente(fichiers_, c.defauts));
    }
    auto ligne = ligne_de_la_fiche(c, position, numero);
    if (auto* message = std::get_if<std::string>(&ligne)) {
        return refuse(std::move(*message));
    }
    const std::size_t i = std::get<std::size_t>(ligne);
    const int nouveau = c.dernier_numero() + 1;
    const std::string noms = ligne_numerotee(nouveau, separe_numero(c.noms[i]).contenu);
    const std::string dates = ligne_numerotee(nouveau, separe_numero(c.dates[i]).contenu);
    c.noms.push_back(noms);
    c.dates.push_back(dates);
    ecrit(c.noms, c.dates);
    const int nombre = c.nombre() + 1;
    return {true, message_fiche_dupliquee(numero, nouveau), nouveau, nombre, nombre};
}

} // namespace orvane::records
