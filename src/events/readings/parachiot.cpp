// Year tables of the readings and the reading of a Saturday.

#include "events/readings/parachiot.h"

#include "engine/calendar_engine.h"
#include "events/festivals/names.h"
#include "events/year_walk.h"
#include "platform/text.h"

#include <algorithm>

namespace orvane::events
{

namespace
{

// The seven pairs that a common year can join.
constexpr int vayakhel = 72;  // Vayakhel-Pekoudé
constexpr int tazria = 77;    // Tazria-Metsora
constexpr int aharemot = 79;  // A'harè-Mot-Kedochim
constexpr int behar = 82;     // Behar-Be'houkotaï
constexpr int houkat = 89;    // 'Houkat-Balak
constexpr int matot = 92;     // Matot-Mass'è
constexpr int nitsavim = 101; // Nitsavim-Vayèlekh

const std::string douze_etoiles(12, '*');

/// Year types are (weekday of Roch-Hachana R, Hechvan + Kislev S).
bool type(int r, int s, int r_voulu, int s_voulu)
{
    return r == r_voulu && s == s_voulu;
}

void annee_commune(TablesParachiot& t, int r, int s, bool diaspora)
{
    auto& d = t.lectures_doubles;
    d = {0, vayakhel, tazria, aharemot, behar, houkat, matot, nitsavim};
    if (type(r, s, 2, 60) || type(r, s, 3, 59)) {
        if (diaspora) {
            t.semaines_fetes[5] = 3;
        } else {
            d[5] = pas_de_paire;
        }
    }
    if (type(r, s, 2, 58) || type(r, s, 7, 60)) {
        d[5] = pas_de_paire;
    }
    if (type(r, s, 5, 60)) {
        d[1] = d[5] = d[7] = pas_de_paire;
    }
    if (type(r, s, 5, 59)) {
        d[5] = d[7] = pas_de_paire;
        if (diaspora) {
            t.semaines_fetes[4] = t.semaines_fetes[5] = 3;
        } else {
            d[4] = pas_de_paire;
        }
    }
    if (type(r, s, 7, 58)) {
        d[5] = d[7] = pas_de_paire;
    }
}

void annee_embolismique(TablesParachiot& t, int r, int s, bool diaspora)
{
    auto& d = t.lectures_doubles;
    if ((type(r, s, 2, 60) || type(r, s, 3, 59)) && diaspora) {
        // The eighth day of Pessa'h falls on Chabbat: the Diaspora is a week
        // behind Israel until Matot and Mass'è are read together.
        t.semaines_fetes[4] = t.semaines_fetes[5] = 3;
        d[6] = matot;
    }
    if (type(r, s, 2, 58) || type(r, s, 7, 60)) {
        if (diaspora) {
            t.semaines_fetes[5] = 3;
            d[5] = houkat;
        }
        d[6] = matot;
        d[7] = nitsavim;
    }
    if (type(r, s, 5, 60)) {
        d[7] = nitsavim;
    }
    if (type(r, s, 7, 58)) {
        d[6] = matot;
        d[7] = nitsavim;
    }
}

/// Period of the year: 3 from Simha Torah, 4 after Pessa'h, 5 after Chavou'ot.
int periode(int mois, int jour, bool diaspora)
{
    int p = 0;
    if (mois > 1 || (mois == 1 && jour >= (diaspora ? 24 : 23))) {
        p = 3;
    }
    if (mois > 8 || (mois == 8 && jour >= (diaspora ? 23 : 22))) {
        p = 4;
    }
    if (mois > 10 || (mois == 10 && jour > 6)) {
        p = 5;
    }
    return p;
}

/// Special Sabbath of a Saturday, or empty: Chouva, Chekalim, Zakhor, Para,
/// Hahodech, Hagadol (the later rules win).
std::string chabbat_special(int mois, int d, bool commune)
{
    std::string nom;
    const bool adar_de_pourim = (commune && mois == 6) || (!commune && mois == 7);
    if (mois == 1 && d > 2 && d < 9) {
        nom = "Chouva ";
    }
    if (adar_de_pourim && d > 7 && d < 14) {
        nom = "Zakhor ";
    }
    if (adar_de_pourim && d > 17 && d < 24) {
        nom = "Para ";
    }
    if (commune ? ((mois == 5 && d > 24) || (mois == 6 && d == 1))
                : ((mois == 6 && d > 24) || (mois == 7 && d == 1))) {
        nom = "Chekalim ";
    }
    if (commune ? ((mois == 6 && d > 24) || (mois == 7 && (d > 24 || d == 1)))
                : ((mois == 7 && d > 24) || (mois == 8 && d == 1))) {
        nom = "Hahodech ";
    }
    if (mois == 8 && d == 1) {
        nom = "Hahodech ";
    }
    if (mois == 8 && d > 7 && d < 15) {
        nom = "Hagadol ";
    }
    return nom;
}

std::string nom_lecture(int indice)
{
    if (indice < 0 || indice > derniere_lecture) {
        return {};
    }
    return std::string(libelles_fetes[static_cast<std::size_t>(indice)]);
}

} // namespace

TablesParachiot prepare_parachiot(const engine::CalendarEngine& e, bool diaspora)
{
    TablesParachiot t;
    t.lectures_doubles.fill(pas_de_paire);
    t.lectures_doubles[0] = 0;
    t.semaines_fetes = {0, 0, 0, 1, 2, 2};
    const int s = e.hechvan + e.kislev;
    if (e.nb_mois == 12) {
        annee_commune(t, e.jour_rh, s, diaspora);
    } else {
        annee_embolismique(t, e.jour_rh, s, diaspora);
    }
    return t;
}

void paracha_du_jour(const engine::CalendarEngine& e, bool diaspora, LibellesDuJour& l,
                     std::string_view prefixe)
{
    if (e.jour_semaine != 7) {
        return;
    }
    const TablesParachiot t = prepare_parachiot(e, diaspora);
    const int mois = e.mois_hebr;
    const int d = e.jour_hebr;
    const int n = jour_de_l_annee(e, mois, d);
    const int k = (n - 23) / 7 + 52; // C++ division truncates toward zero
    const int decalage = t.semaines_fetes[static_cast<std::size_t>(periode(mois, d, diaspora))];

    int indice = l.indice_fete;
    if (indice == 0 && mois == 1) {
        if (d == 3 || d == 8 || d == 12 || d == 13) {
            indice = 50; // Haazinou
        } else if (d == 5 || d == 6) {
            indice = premiere_lecture; // Vayèlekh
        }
    }
    if (indice == 0) {
        indice = k - decalage;
        l.libelle_paracha = douze_etoiles;
    }
    for (int slot = 1; slot <= 7; ++slot) {
        if (t.lectures_doubles[static_cast<std::size_t>(slot)] < indice) {
            ++indice;
        }
    }
    const bool premiere_d_une_paire =
        std::find(t.lectures_doubles.begin() + 1, t.lectures_doubles.end(), indice) !=
        t.lectures_doubles.end();
    l.libelle_paracha = premiere_d_une_paire ? nom_lecture(indice + 1) : douze_etoiles;
    l.indice_fete = indice;
    if (indice >= premiere_lecture) {
        l.nom_fete = nom_lecture(indice);
    }

    const std::string special = chabbat_special(mois, d, e.nb_mois == 12);
    if (!special.empty()) {
        l.libelle_court = special;
    }
    if (indice < 40) {
        l.libelle_paracha = std::string(8, '*');
    }
    if (indice == fete_hanouka_jour) {
        l.libelle_paracha = nom_lecture(k - decalage); // the reading of a Chabbat of 'Hanouka
    }
    std::replace(l.libelle_court.begin(), l.libelle_court.end(), '*', ' ');

    l.texte_chabbat_long = l.libelle_court;
    for (std::string_view debut : {"Che", "Cho", "Zak", "Par", "Hah", "Hag"}) {
        if (l.libelle_court.starts_with(debut)) {
            l.texte_chabbat = std::string(prefixe) + "Chabbat " + l.libelle_court;
        }
    }
}

std::string texte_paracha(const LibellesDuJour& l)
{
    std::string texte;
    if (l.indice_fete >= premiere_lecture) {
        texte = l.nom_fete + l.libelle_paracha;
    } else if (l.indice_fete == fete_hanouka_jour) {
        texte = l.libelle_paracha;
    }
    std::replace(texte.begin(), texte.end(), '*', ' ');
    // On the weekdays of 'Hanouka the reading slot holds only the table's
    // filler of dashes: no reading.
    if (texte.find_first_not_of("- ") == std::string::npos) {
        return {};
    }
    return platform::trim(texte);
}

std::string nom_chabbat_special(const LibellesDuJour& l)
{
    for (std::string_view debut : {"Che", "Cho", "Zak", "Par", "Hah", "Hag"}) {
        if (l.libelle_court.starts_with(debut)) {
            return platform::trim(l.libelle_court);
        }
    }
    return {};
}

} // namespace orvane::events
