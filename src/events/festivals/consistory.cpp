#include "events/festivals/consistory.h"

#include "engine/arithmetic.h"
#include "engine/calendar_engine.h"
#include "platform/program_dir.h"
#include "platform/text_file.h"

namespace orvane::events
{

namespace
{

std::string joint(const std::vector<std::string>& champs)
{
    std::string l;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        l += (i == 0 ? "" : "\t") + champs[i];
    }
    return l;
}

} // namespace

FichierCiop fichier_fetes_ciop(int annee, const std::vector<std::string>& lignes)
{
    return {"b_fetes_ciop_" + std::to_string(annee) + ".txt", lignes};
}

std::vector<FichierCiop> fichiers_levana_ciop(int annee, const ChoixLevana& choix)
{
    const std::string y = std::to_string(annee);
    const std::vector<std::string> entete = {
        "Birkat Halévana : Année " + y + " ( >>> pour la FRANCE <<< )",
        choix.sepharade ? "Selon la coutume Sépharade, 7 jours après le Molad"
                        : "Selon la coutume Achkénaze, 3 jours après le Molad"};
    FichierCiop molad{"b_molad_ciop_" + y + ".txt", entete};
    FichierCiop levana{"b_levana_ciop_" + y + ".txt", entete};
    FichierCiop molad_tsv{"b_molad_ciop_2_" + y + ".txt", {}};
    FichierCiop levana_tsv{"b_levana_ciop_2_" + y + ".txt", {}};
    FichierCiop ensemble{"b_levana_molad_" + y + ".txt", entete};
    ChoixLevana france = choix;
    france.options.table = TableLevana::france;
    engine::CalendarEngine e;
    for (int slot = 1; slot <= 13; ++slot) {
        if (slot == 7 && !engine::annee_hebr_embolismique(annee)) {
            continue;
        }
        const LignesCiopLevana l = detail::lignes_ciop_levana(e, slot, annee, france);
        molad.lignes.push_back(l.molad);
        levana.lignes.push_back(l.debut);
        levana.lignes.push_back(l.fin);
        molad_tsv.lignes.push_back(joint(l.molad_tsv));
        levana_tsv.lignes.push_back(joint(l.debut_tsv));
        levana_tsv.lignes.push_back(joint(l.fin_tsv));
        ensemble.lignes.push_back(l.molad);
        ensemble.lignes.push_back(l.debut);
        ensemble.lignes.push_back(l.fin);
    }
    return {molad, levana, molad_tsv, levana_tsv, ensemble};
}

void ecrit_fichiers_ciop(const std::filesystem::path& repertoire,
                         const std::vector<FichierCiop>& fichiers)
{
    const std::filesystem::path dossier =
        platform::ensure_subdirectory(repertoire, std::string(dossier_ciop));
    for (const FichierCiop& f : fichiers) {
        platform::write_lines(dossier / f.nom, f.lignes);
    }
}

} // namespace orvane::events
