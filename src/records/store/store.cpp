// The store: opening, reading, and the two steps every operation shares.
#include "records/store/store.h"

#include "records/store/folder_lock.h"
#include "records/store/messages.h"
#include "records/store/numbered_line.h"
#include "records/store/store_lookup.h"

namespace orvane::records
{

BaseFiches::BaseFiches(Famille famille, FichiersFamille fichiers, CrochetRemplacement crochet)
    : famille_(famille), fichiers_(std::move(fichiers)), crochet_(std::move(crochet))
{
}

BaseFiches BaseFiches::ouvre(const std::filesystem::path& dossier_programme, Famille famille,
                             CrochetRemplacement crochet)
{
    return BaseFiches(famille, choisit_fichiers(dossier_programme, famille), std::move(crochet));
}

ContenuPaire BaseFiches::relit()
{
    if (const Reprise r = reprend_remplacement(fichiers_); r != Reprise::aucune) {
        reprise_ = r;
    }
    return lit_paire(fichiers_);
}

void BaseFiches::ecrit(const std::vector<std::string>& noms, const std::vector<std::string>& dates)
{
    // Both files are encoded before anything is written: a character the
    // code page cannot hold leaves both files as they were.
    const std::string octets_noms = octets_du_fichier(noms, fichiers_.noms);
    const std::string octets_dates = octets_du_fichier(dates, fichiers_.dates);
    remplace_paire(fichiers_, octets_noms, octets_dates, crochet_);
}

EtatBase BaseFiches::etat()
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    const ContenuPaire c = relit();
    EtatBase e;
    e.nombre = c.nombre();
    e.reprise = reprise_;
    reprise_ = Reprise::aucune;
    e.defauts = c.defauts;
    e.message = message_paire_incoherente(fichiers_, c.defauts);
    return e;
}

namespace
{

FicheLue fiche_lue(Famille famille, const ContenuPaire& c, int position, const FicheTrouvee& t)
{
    FicheLue f;
    f.position = position;
    f.numero = t.numero;
    f.lignes = {std::string(separe_numero(c.noms[t.ligne]).contenu),
                std::string(separe_numero(c.dates[t.ligne]).contenu)};
    f.fiche = lit_lignes(famille, f.lignes.noms, f.lignes.dates);
    return f;
}

} // namespace

LectureFiche BaseFiches::lit_fiche(int position)
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    const ContenuPaire c = relit();
    const auto trouvee = fiche_a_la_position(c, position);
    if (const auto* message = std::get_if<std::string>(&trouvee)) {
        return {std::nullopt, *message};
    }
    return {fiche_lue(famille_, c, position, std::get<FicheTrouvee>(trouvee)), {}};
}

std::vector<FicheLue> BaseFiches::fiches()
{
    const VerrouDossier verrou(fichiers_.noms.parent_path());
    const ContenuPaire c = relit();
    std::vector<FicheLue> toutes;
    for (int position = 1; position <= c.nombre(); ++position) {
        const auto trouvee = fiche_a_la_position(c, position);
        if (const auto* t = std::get_if<FicheTrouvee>(&trouvee)) {
            toutes.push_back(fiche_lue(famille_, c, position, *t));
        }
    }
    return toutes;
}

} // namespace orvane::records
