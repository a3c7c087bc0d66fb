// The trace file and the decimal lines of a small calculation, byte for byte
// against golden files: every opinion of the zmanim window at Paris on both
// solstices and the spring equinox, and at Saint Petersburg on the summer
// solstice, when the sun does not go down to the angle of dawn (white night).
// Each opinion adds its own traced times (the "Mils" dawns and nights, the
// paved Maguen Abraham, the stars of the Admour Hazaken), in the order they
// are computed; the decimal line ends on the sun's coordinates at midday.
//
// With ORVANE_REECRIT_GOLDEN=1 in the environment the files are written from
// the program's output instead of compared, after a deliberate change.

#include "jour_commun.h"
#include "platform/temporary_directory.h"
#include "zmanim/format/trace.h"
#include "zmanim/settings/opinions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace orvane::zmanim
{
namespace
{

using namespace test;

const std::filesystem::path dossier_golden = ORVANE_SOURCE_DIR "/tests/zmanim/golden";

/// The bytes of a file, read without any decoding.
std::string octets(const std::filesystem::path& chemin)
{
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

bool reecrit_golden()
{
    const char* v = std::getenv("ORVANE_REECRIT_GOLDEN");
    return v != nullptr && std::string_view(v) == "1";
}

/// Compares `obtenu` with the golden file `nom`, or writes it there.
void compare_au_golden(const std::string& obtenu, const std::string& nom)
{
    const std::filesystem::path golden = dossier_golden / nom;
    if (reecrit_golden()) {
        std::ofstream(golden, std::ios::binary) << obtenu;
        return;
    }
    const std::string attendu = octets(golden);
    ASSERT_FALSE(attendu.empty()) << golden;
    EXPECT_EQ(obtenu, attendu) << nom << " differs from the program's output";
}

class LignesDecimales : public SortieTableau
{
public:
    std::ostringstream texte;
    void ligne_tableau(const DayTimes& j) override { texte << j.ligne_decimale << '\n'; }
    void jour_polaire(const DayTimes& j) override { texte << j.message_polaire << '\n'; }
};

struct JourTrace {
    Lieu lieu;
    int jour;
    int mois;
    double ete;
};

const JourTrace jours_traces[] = {
    {paris, 21, 6, 1},
    {paris, 22, 12, 0},
    {paris, 20, 3, 0},
    {{"59°56N", "30°19E", "+3"}, 21, 6, 0},
};

TEST(TraceGolden, ToutesLesOpinionsOctetPourOctet)
{
    platform::test_support::TemporaryDirectory dir;
    const std::filesystem::path chemin = dir.path() / fichier_trace;
    LignesDecimales decimales;
    for (std::string_view avis : opinions_calcul) {
        // One calculation per opinion: each writes its heading.
        FichierTrace fichier(chemin, 2024);
        ContexteCalcul c;
        c.tableau = &decimales;
        c.journal = &fichier;
        ZmanimSettings r;
        r.trace = true;
        r.affiche_decimal = true;
        r.opinion_calcul = avis;
        for (const JourTrace& jt : jours_traces) {
            DemandeJour d;
            d.jour_semaine = engine::jour_semaine(engine::DateCivile{2024, jt.mois, jt.jour});
            d.date = {2024, jt.mois, jt.jour};
            d.latitude = jt.lieu.latitude;
            d.longitude = jt.lieu.longitude;
            d.zone = jt.lieu.zone;
            d.opinion = avis;
            d.correction_ete = jt.ete;
            d.sans_ligne = false;
            DayTimes j;
            horaires_du_jour(d, r, j, c);
        }
    }
    compare_au_golden(octets(chemin), "trace.dta");
    compare_au_golden(decimales.texte.str(), "decimales.txt");
}

} // namespace
} // namespace orvane::zmanim
