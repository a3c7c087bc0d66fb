#include "records/store/entry_check.h"

#include "platform/encoding.h"
#include "platform/text.h"
#include "records/store/messages.h"

namespace orvane::records
{

namespace
{

/// Why the first field of the family that Windows-1252 cannot hold is
/// refused; nothing when every field fits.
std::optional<std::string> caractere_refuse(Famille famille, const Fiche& fiche)
{
    const Fiche partie = partie_de_la_famille(famille, fiche);
    for (const auto& [nom, champ] : champs_de_la_fiche(partie)) {
        try {
            (void)platform::windows1252_from_utf8(*champ);
        } catch (const platform::EncodingError& e) {
            return message_caractere_refuse(nom, e.clause());
        }
    }
    return std::nullopt;
}

} // namespace

FicheSaisie prepare_fiche(Famille famille, const Fiche& fiche)
{
    FicheSaisie s;
    s.lignes = construit_lignes(famille, fiche);
    s.refus = caractere_refuse(famille, fiche);
    const std::size_t caracteres = platform::char_count(s.lignes.noms);
    if (caracteres > longueur_maximale_ligne) {
        s.avertissement = avertissement_ligne_longue(caracteres);
    }
    return s;
}

LignesFiche lignes_coupees(const LignesFiche& lignes)
{
    return {platform::cut(lignes.noms, longueur_maximale_ligne), lignes.dates};
}

} // namespace orvane::records
