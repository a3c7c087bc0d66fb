// The delivered name lists of the festivals window: every item keeps at
// least one line of the list it selects from, and "Tous" comes first.

#include "engine/calendar_engine.h"
#include "events/festivals/festival_lines.h"
#include "events/festivals/festivals_text.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace orvane::events
{
namespace
{

void verifie_liste(const char* fichier, ModeFetes mode)
{
    const auto items =
        platform::read_lines(std::filesystem::path(ORVANE_SOURCE_DIR) / "data" / fichier);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front(), "Tous");
    for (const std::string& item : items) {
        DemandeFetes d;
        d.mode = mode;
        d.selection = item;
        std::size_t lignes = 0;
        for (int annee : {5784, 5785}) {
            lignes += texte_annee_fetes(annee, d).entrees.size();
        }
        EXPECT_GT(lignes, 0u) << fichier << " : " << item;
    }
}

TEST(ListesDeNoms, ChaqueNomTrouveSesJours)
{
    verifie_liste("s_fetes.dta", ModeFetes::fetes);
    verifie_liste("s_jeunes.dta", ModeFetes::jeunes);
    verifie_liste("s_fetjeu.dta", ModeFetes::fetes_et_jeunes);
}

TEST(ListesDeNoms, UnJeuneNeSelectionneQueLui)
{
    DemandeFetes d;
    d.mode = ModeFetes::fetes_et_jeunes;
    for (const char* item : {"Jeûne de Guedalia", "Jeûne du 10 Tevet", "Jeûne d'Esther",
                             "Jeûne des 1ers nés", "Jeûne du 17 Tamouz", "Jeûne du 9 Av"}) {
        d.selection = item;
        EXPECT_EQ(texte_annee_fetes(5785, d).entrees.size(), 1u) << item;
    }
}

} // namespace
} // namespace orvane::events
