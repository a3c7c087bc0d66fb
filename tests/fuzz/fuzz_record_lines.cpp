// Fuzzing the reader of the record lines of one family (ORVANE_FUZZ_FAMILLE:
// naissance, deces or evenement).
//
// The input is read twice:
// - as the two lines of a record, the names line up to the first line feed
//   and the dates line after it: any lines are read without harm, and what
//   is built from them reads back the same and builds the same lines again;
// - as the fields of a record, cut at each byte 0x1F: the lines built from
//   them read back as fiche_ecrite says.
// A broken property aborts, and libFuzzer keeps the input.

#include "records/store/entry_check.h"
#include "records/store/lines.h"
#include "records/store/numbered_line.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{

using namespace orvane::records;

constexpr Famille famille = Famille::ORVANE_FUZZ_FAMILLE;

void verifie(bool vrai)
{
    if (!vrai) {
        std::abort();
    }
}

void comme_deux_lignes(std::string_view entree)
{
    const std::size_t saut = entree.find('\n');
    const std::string_view noms = entree.substr(0, saut);
    const std::string_view dates =
        saut == std::string_view::npos ? std::string_view{} : entree.substr(saut + 1);
    (void)separe_numero(noms);
    (void)sans_date(famille, dates);
    const Fiche lue = lit_lignes(famille, noms, dates);
    const LignesFiche une_fois = construit_lignes(famille, lue);
    const Fiche relue = lit_lignes(famille, une_fois.noms, une_fois.dates);
    verifie(relue == fiche_ecrite(famille, lue));
    verifie(construit_lignes(famille, relue) == une_fois);
}

void comme_des_champs(std::string_view entree)
{
    Fiche fiche;
    for (const auto& [nom, champ] : champs_de_la_fiche(fiche)) {
        const std::size_t fin = entree.find('\x1f');
        *champ = std::string(entree.substr(0, fin));
        entree = fin == std::string_view::npos ? std::string_view{} : entree.substr(fin + 1);
    }
    const LignesFiche lignes = construit_lignes(famille, fiche);
    verifie(lit_lignes(famille, lignes.noms, lignes.dates) == fiche_ecrite(famille, fiche));
    verifie(lignes.noms.find_first_of("\r\n") == std::string::npos);
    verifie(lignes.dates.find_first_of("\r\n") == std::string::npos);
    (void)prepare_fiche(famille, fiche);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    comme_deux_lignes(entree);
    comme_des_champs(entree);
    return 0;
}
