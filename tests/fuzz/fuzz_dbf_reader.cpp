// Fuzzing the reader of the dBase tables of the records.
//
// Any bytes are read without harm: refused as a damaged table, or read into
// fields and records. A table read is written again and read back the same
// (fields and records), unless one of its texts cannot be written in
// Windows-1252; its values give texts, dates and French sort keys without
// harm. A broken property aborts, and libFuzzer keeps the input.

#include "records/tables/dbf_format.h"
#include "records/tables/french_order.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

using namespace orvane::records;

void verifie(bool vrai)
{
    if (!vrai) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    ContenuDbf lu;
    try {
        lu = lit_dbf(octets);
    } catch (const DbfInvalide&) {
        return 0;
    }
    verifie(!lu.champs.empty());
    for (const FicheDbf& f : lu.fiches) {
        verifie(f.valeurs.size() == lu.champs.size());
        for (const std::string& v : f.valeurs) {
            (void)cle_francaise(v);
        }
    }
    std::string ecrit;
    try {
        ecrit = ecrit_dbf(lu, {2024, 3, 7});
    } catch (const ValeurRefusee&) {
        return 0;
    }
    const ContenuDbf relu = lit_dbf(ecrit);
    verifie(relu.champs == lu.champs);
    verifie(relu.fiches == lu.fiches);
    verifie(!relu.incomplet);
    verifie(ecrit_dbf(relu, {2024, 3, 7}) == ecrit);
    return 0;
}
