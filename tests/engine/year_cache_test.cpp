// The registers of the last Hebrew years set up are copied back instead of
// being computed again. Whatever a record held before, an operation through a
// warm cache must leave every public field exactly as the same operation on a
// record with the same fields and nothing kept: over every civil day of the
// range both ways, and through far-apart years mixed with direct calls.

#include "engine/calendar_engine.h"
#include "engine/dates.h"
#include "reference_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>

namespace orvane::engine
{
namespace
{

// Calls f(name, a.field, b.field) for every public field of the record.
template <class A, class B, class F>
void pour_chaque_champ(A& a, B& b, F&& f)
{
#define ORVANE_CHAMP(x) f(#x, a.x, b.x)
    ORVANE_CHAMP(annee_hebr);
    ORVANE_CHAMP(mois_hebr);
    ORVANE_CHAMP(jour_hebr);
    ORVANE_CHAMP(annee_civile);
    ORVANE_CHAMP(mois_civil);
    ORVANE_CHAMP(jour_civil);
    ORVANE_CHAMP(annee_civile_base);
    ORVANE_CHAMP(annee_hebr_base);
    ORVANE_CHAMP(jour_civil_saisi);
    ORVANE_CHAMP(jour_semaine);
    ORVANE_CHAMP(nb_mois);
    ORVANE_CHAMP(embolismique);
    ORVANE_CHAMP(cyl);
    ORVANE_CHAMP(rang_cycle);
    ORVANE_CHAMP(emb);
    ORVANE_CHAMP(com);
    ORVANE_CHAMP(molad_tichri);
    ORVANE_CHAMP(molad_nissan);
    ORVANE_CHAMP(semaines);
    ORVANE_CHAMP(heures);
    ORVANE_CHAMP(minutes);
    ORVANE_CHAMP(halakim);
    ORVANE_CHAMP(parties_molad);
    ORVANE_CHAMP(report);
    ORVANE_CHAMP(jour_rh);
    ORVANE_CHAMP(jour_rh_suivant);
    ORVANE_CHAMP(code_longueur);
    ORVANE_CHAMP(hechvan);
    ORVANE_CHAMP(kislev);
    ORVANE_CHAMP(jour_mois7);
    ORVANE_CHAMP(fevrier);
    ORVANE_CHAMP(decalage_mars);
    ORVANE_CHAMP(rs);
    ORVANE_CHAMP(jour_repere);
    ORVANE_CHAMP(ecart_nissan);
    ORVANE_CHAMP(aujourdhui_annee);
    ORVANE_CHAMP(aujourdhui_mois);
    ORVANE_CHAMP(aujourdhui_jour);
    ORVANE_CHAMP(longueur_mois_hebr);
    ORVANE_CHAMP(longueur_mois_civil);
    ORVANE_CHAMP(noms_mois_hebr);
    ORVANE_CHAMP(table_molad);
#undef ORVANE_CHAMP
}

bool pareils(const EntreeMolad& a, const EntreeMolad& b)
{
    const auto champs = [](const EntreeMolad& m) {
        return std::tie(m.jour_civil, m.mois_civil, m.annee_civile, m.jour_hebr, m.mois_hebr,
                        m.annee_hebr, m.jour_semaine, m.heures, m.minutes, m.halakim, m.texte);
    };
    return champs(a) == champs(b);
}

template <class T>
bool pareils(const T& a, const T& b)
{
    return a == b;
}

// Appends " name (a / b)" to `ecarts` when a and b differ.
template <class T>
void compare(std::string& ecarts, std::string_view nom, const T& a, const T& b)
{
    if (!pareils(a, b)) {
        std::ostringstream s;
        s << ' ' << nom << " (" << a << " / " << b << ')';
        ecarts += s.str();
    }
}

void compare(std::string& ecarts, std::string_view nom, const EntreeMolad& a, const EntreeMolad& b)
{
    if (pareils(a, b)) {
        return;
    }
    const std::string n(nom);
    compare(ecarts, n + ".jour_civil", a.jour_civil, b.jour_civil);
    compare(ecarts, n + ".mois_civil", a.mois_civil, b.mois_civil);
    compare(ecarts, n + ".annee_civile", a.annee_civile, b.annee_civile);
    compare(ecarts, n + ".jour_hebr", a.jour_hebr, b.jour_hebr);
    compare(ecarts, n + ".mois_hebr", a.mois_hebr, b.mois_hebr);
    compare(ecarts, n + ".annee_hebr", a.annee_hebr, b.annee_hebr);
    compare(ecarts, n + ".jour_semaine", a.jour_semaine, b.jour_semaine);
    compare(ecarts, n + ".heures", a.heures, b.heures);
    compare(ecarts, n + ".minutes", a.minutes, b.minutes);
    compare(ecarts, n + ".halakim", a.halakim, b.halakim);
    compare(ecarts, n + ".texte", a.texte, b.texte);
}

// Tables element by element; the names are only built for a difference.
template <class T, std::size_t N>
void compare(std::string& ecarts, std::string_view nom, const std::array<T, N>& a,
             const std::array<T, N>& b)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!pareils(a[i], b[i])) {
            compare(ecarts, std::string(nom) + '[' + std::to_string(i) + ']', a[i], b[i]);
        }
    }
}

/// The public fields in which two records differ, as " name (a / b)", or
/// an empty text.
std::string ecarts(const CalendarEngine& a, const CalendarEngine& b)
{
    std::string texte;
    pour_chaque_champ(a, b, [&texte](const char* nom, const auto& x, const auto& y) {
        compare(texte, nom, x, y);
    });
    return texte;
}

/// A record that keeps no year, given the public fields of another before
/// each operation.
class ReferenceFroide
{
public:
    /// Runs `operation` on the warm record and on the cold one holding the
    /// same fields; returns the fields in which they then differ.
    template <class Operation>
    std::string ecarts_apres(CalendarEngine& chaud, Operation&& operation)
    {
        froid_ = vierge_; // no year kept
        pour_chaque_champ(froid_, chaud, [](const char*, auto& x, const auto& y) { x = y; });
        operation(chaud);
        operation(froid_);
        return ecarts(chaud, froid_);
    }

private:
    const CalendarEngine vierge_;
    CalendarEngine froid_;
};

// The helpers see a difference in every kind of field, and none in a copy.
TEST(CacheDesAnnees, LaComparaisonVoitChaqueSorteDeChamp)
{
    CalendarEngine a;
    a.convertit_civil_hebreu(2024, 3, 11);
    a.calcule_molad_mois(8, 5784, true);
    const CalendarEngine b = a;
    EXPECT_EQ(ecarts(a, b), "");

    CalendarEngine c = b;
    c.molad_nissan += 1;
    EXPECT_NE(ecarts(b, c).find("molad_nissan"), std::string::npos);
    c = b;
    c.longueur_mois_hebr[3] = 0;
    EXPECT_NE(ecarts(b, c).find("longueur_mois_hebr[3]"), std::string::npos);
    c = b;
    c.noms_mois_hebr[6] = "Adar   ";
    EXPECT_NE(ecarts(b, c).find("noms_mois_hebr[6]"), std::string::npos);
    c = b;
    c.table_molad[8].texte.clear();
    EXPECT_NE(ecarts(b, c).find("table_molad[8].texte"), std::string::npos);
}

// Every civil day from 1 January 100 to 31 December 9999 (Julian to 4
// October 1582, Gregorian from 15 October) to its Hebrew date and back, on
// one record that keeps its years from day to day, and each time on a copy
// of its fields that keeps none.
TEST(CacheDesAnnees, ChaqueJourDe100A9999CommeSansCache)
{
    CalendarEngine e;
    ReferenceFroide froide;
    DateCivile c{100, 1, 1};
    long jours = 0;
    for (;; c = lendemain(c)) {
        const std::string aller = froide.ecarts_apres(
            e, [&c](CalendarEngine& x) { x.convertit_civil_hebreu(c.annee, c.mois, c.jour); });
        ASSERT_EQ(aller, "") << "civil → hébreu " << c.annee << '-' << c.mois << '-' << c.jour;

        const int annee = e.annee_hebr, mois = e.mois_hebr, jour = e.jour_hebr;
        const std::string retour = froide.ecarts_apres(
            e, [=](CalendarEngine& x) { x.convertit_hebreu_civil(annee, mois, jour); });
        ASSERT_EQ(retour, "") << "hébreu → civil " << annee << '-' << mois << '-' << jour;
        ASSERT_EQ((DateCivile{e.annee_civile, e.mois_civil, e.jour_civil}), c);

        ++jours;
        if (c == DateCivile{9999, 12, 31}) {
            break;
        }
    }
    namespace ref = orvane::reference;
    EXPECT_EQ(jours,
              ref::fixed_from_gregorian({9999, 12, 31}) - ref::fixed_from_julian({100, 1, 1}) + 1);
}

// parties_molad is written only when the molad of the year or of the next
// one reaches the rules on the time of day. 5780: its molad is on Sunday (lo
// ADOU) and that of 5781 at 20 h 38 (molad zaken), so the field keeps what it
// held. 5784 is a leap year, where the rules stop before the time; its
// set-up leaves the time of the molad of 5785, Thursday 9 h 21 mn 13 hl from
// 18:00, 9 × 1080 + 21 × 18 + 13 = 10111.
TEST(CacheDesAnnees, LesPartiesDuMoladRestentQuandAucuneRegleNeLesEcrit)
{
    CalendarEngine e;
    const auto prepare = [&e](int annee) {
        e.annee_hebr = annee;
        e.annee_civile = annee - 3760;
        e.calcule_annee();
    };
    for (int tour = 0; tour < 2; ++tour) { // the second time from the cache
        e.parties_molad = 777;
        prepare(5780);
        EXPECT_EQ(e.parties_molad, 777) << "tour " << tour;
        prepare(5784);
        EXPECT_EQ(e.parties_molad, 10111) << "tour " << tour;
        e.parties_molad = 778;
        e.calcule_annee_hebr();
        EXPECT_EQ(e.parties_molad, 10111) << "tour " << tour;
        e.parties_molad = 779;
        e.annee_hebr = 5780;
        e.calcule_annee_hebr();
        EXPECT_EQ(e.parties_molad, 779) << "tour " << tour;
    }
}

// Years chosen far apart so that more of them are in play than the cache
// keeps: the first and last of the range, the reform of 1582, today, a year
// of each length, and neighbours that a conversion around Rosh Hachana sets
// up together.
constexpr int annees[] = {3860, 3874, 5342, 5343, 5344, 5460,  5780, 5783,
                          5784, 5785, 5786, 7000, 9999, 13758, 13759};

// Random operations on one long-lived record: conversions both ways, years
// set up by hand (with the fields a set-up reads or writes scribbled over
// first), the walks on their own, moladot, copies of the record. After each,
// the record matches a cold copy that did the same.
TEST(CacheDesAnnees, AnneesEloigneesEtAppelsDirectsSansRegistresPerimes)
{
    std::mt19937 alea(5784);
    const auto tire = [&alea](int min, int max) {
        return std::uniform_int_distribution<int>(min, max)(alea);
    };
    const auto annee_tiree = [&] {
        return annees[tire(0, static_cast<int>(std::size(annees)) - 1)];
    };

    CalendarEngine e;
    ReferenceFroide froide;
    for (int pas = 0; pas < 20000; ++pas) {
        // Everything drawn before the operation, which runs twice.
        const int choix = tire(0, 8);
        const int annee = annee_tiree(), autre_annee = annee_tiree();
        const int mois = tire(1, 13), jour = tire(1, 30);
        const int mois_civil = tire(1, 12), jour_civil = tire(1, 31), slot = tire(1, 14);
        const int valeur = tire(-40, 400);
        std::string ecart;
        switch (choix) {
        case 0:
            ecart = froide.ecarts_apres(e, [&](CalendarEngine& x) {
                x.convertit_civil_hebreu(annee - 3760, mois_civil, std::min(jour_civil, 28));
            });
            break;
        case 1:
            ecart = froide.ecarts_apres(
                e, [&](CalendarEngine& x) { x.convertit_hebreu_civil(annee, mois, jour); });
            break;
        case 2: // a Hebrew year with the civil values of another year
            ecart = froide.ecarts_apres(e, [&](CalendarEngine& x) {
                x.annee_hebr = annee;
                x.annee_civile = autre_annee - 3760 + valeur % 3;
                x.calcule_annee();
            });
            break;
        case 3: // registers scribbled over, then the Hebrew year alone
            ecart = froide.ecarts_apres(e, [&](CalendarEngine& x) {
                x.annee_hebr = annee;
                x.parties_molad = valeur;
                x.nb_mois = valeur;
                x.jour_semaine = valeur;
                x.heures = valeur;
                x.longueur_mois_hebr[6] = valeur;
                x.noms_mois_hebr[6] = "?";
                x.calcule_annee_hebr();
            });
            break;
        case 4: // the molad of a month, which sets up its year and the next
            ecart = froide.ecarts_apres(
                e, [&](CalendarEngine& x) { x.calcule_molad_mois(slot, annee, pas % 2 == 0); });
            break;
        case 5: // the civil-to-Hebrew walk from hand-set fields
            ecart = froide.ecarts_apres(e, [&](CalendarEngine& x) {
                x.mois_civil = mois_civil;
                x.jour_civil = jour_civil;
                x.ecart_nissan = valeur % 60;
                x.jour_hebreu_du_civil();
            });
            break;
        case 6: // the Hebrew-to-civil walk from the year left in the record
            ecart = froide.ecarts_apres(e, [&](CalendarEngine& x) {
                x.annee_civile = x.annee_hebr - 3760;
                x.mois_hebr = mois;
                x.jour_hebr = jour;
                x.jour_civil_de_l_hebreu();
            });
            break;
        case 7: // the link alone, on registers the record holds
            ecart = froide.ecarts_apres(e, [&](CalendarEngine& x) {
                x.cyl += valeur % 2;
                x.calcule_ecart_nissan();
            });
            break;
        default: // a copy of the record goes on with its years
            e = CalendarEngine(e);
            ecart = froide.ecarts_apres(
                e, [&](CalendarEngine& x) { x.convertit_hebreu_civil(annee, 1, 1); });
            break;
        }
        ASSERT_EQ(ecart, "") << "pas " << pas << ", opération " << choix << ", année " << annee;
    }
}

} // namespace
} // namespace orvane::engine
