// Labels of a day, month by month. D is the Hebrew day, W the weekday (1
// Sunday … 7 Chabbat). A fast that would fall on Chabbat moves to Sunday
// (Guedalia, 10 Tevet, 17 Tamouz, 9 Av) or to the Thursday before (Esther,
// the first-born).

#include "events/festivals/day_labels.h"

#include "engine/calendar_engine.h"
#include "engine/date_texts.h"
#include "events/festivals/names.h"

#include <string_view>

namespace orvane::events
{

namespace
{

constexpr int dimanche = 1;
constexpr int lundi = 2;
constexpr int mardi = 3;
constexpr int mercredi = 4;
constexpr int jeudi = 5;
constexpr int chabbat = 7;

constexpr std::string_view chekalim = "Chekalim****";
constexpr std::string_view tiret_hanouka = "-----------"; // eleven

/// The fields of the engine a day's labels depend on, and the labels so far.
struct Jour {
    int annee;
    int mois;
    int d;
    int w;
    bool commune;
    int kislev;
    bool diaspora;
    LibellesDuJour& l;
    // Texts written over entry indice_jour / indice_fete of the tables.
    std::string texte_jour{};
    std::string texte_fete{};
};

void tichri(Jour& j)
{
    const int d = j.d;
    if (d == 1 || d == 2) {
        j.l.indice_fete = 1;
    } else if ((d == 3 && j.w < chabbat) || (d == 4 && j.w == dimanche)) {
        j.l.indice_fete = 2;
    } else if (d == 10) {
        j.l.indice_fete = 3;
    } else if (d == 15 || (d == 16 && j.diaspora)) {
        j.l.indice_fete = 4;
    } else if (d >= 16 && d <= 20) {
        j.l.indice_fete = 4;
        j.l.indice_jour = 2;
    } else if (d == 21) {
        j.l.indice_fete = 21;
    } else if (d == 22) {
        j.l.indice_fete = 22;
        if (!j.diaspora) {
            j.l.indice_jour = 15;
        }
    } else if (d == 23 && j.diaspora) {
        j.l.indice_fete = 23;
    }
}

void kislev(Jour& j)
{
    if (j.d >= 25) {
        j.l.indice_fete = fete_hanouka_jour;
        j.l.libelle_paracha = tiret_hanouka;
    }
}

void tevet(Jour& j)
{
    // 'Hanouka ends on 2 Tevet after a 30-day Kislev, on 3 Tevet after 29.
    if (j.d < 33 - j.kislev) {
        j.l.indice_fete = fete_hanouka_jour;
        j.l.libelle_paracha = tiret_hanouka;
    }
    if ((j.d == 10 && j.w < chabbat) || (j.d == 11 && j.w == dimanche)) {
        j.l.indice_fete = 6;
    }
}

void chevat(Jour& j)
{
    if (j.d == 15) {
        j.l.indice_jour = 3;
    }
    if (j.commune && j.w == chabbat && j.d > 24) {
        j.l.libelle_court = chekalim;
    }
}

/// Adar of a common year and Adar II of a leap year: Esther, Pourim,
/// Chouchan Pourim (a mark only when it falls on Chabbat).
void adar_de_pourim(Jour& j)
{
    const int d = j.d;
    if (j.w == chabbat && d == 1) {
        j.l.libelle_court = chekalim;
    }
    if ((d == 11 && j.w == jeudi) || (d == 13 && j.w < chabbat)) {
        j.l.indice_fete = 8;
    } else if (d == 14) {
        j.l.indice_fete = 9;
    } else if (d == 15) {
        if (j.w == chabbat) {
            j.l.indice_jour = 14;
        } else {
            j.l.indice_fete = 17;
        }
    }
}

void adar_1(Jour& j)
{
    if (j.w == chabbat && j.d > 24) {
        j.l.libelle_court = chekalim;
    }
    if (j.d == 14) {
        j.l.indice_jour = 6;
    } else if (j.d == 15) {
        j.l.indice_jour = 24;
    }
}

bool yom_hachoa(int d, int w)
{
    return (d == 27 && w >= lundi && w <= jeudi) || (d == 26 && w == jeudi) ||
           (d == 28 && w == lundi);
}

void nissan(Jour& j)
{
    const int d = j.d;
    if ((d == 14 && j.w < chabbat) || (d == 12 && j.w == jeudi)) {
        j.l.indice_fete = 25;
    } else if (d == 15 || d == 21 || (j.diaspora && (d == 16 || d == 22))) {
        j.l.indice_fete = 10;
        j.l.libelle_court = "Tikoun Hatal";
        if (d == 15) {
            j.l.texte_tal = "Tikoun Hatal";
        }
    } else if (d >= 16 && d <= 20) {
        j.l.indice_fete = 10;
        j.l.indice_jour = 2;
    }
    // The prayer for dew starts on the 15th; from the 16th the count of the
    // Omer is the label of the day.
    if (d >= 16) {
        j.l.libelle_court = libelle_omer(d - 15);
        j.l.texte_omer = j.l.libelle_court;
    }
    if (yom_hachoa(d, j.w)) {
        j.texte_jour = "Yom HaChoa--------"; // eight "-"
    }
}

bool yom_hazikaron(int d, int w)
{
    return (d == 4 && w >= lundi && w <= mercredi) || ((d == 2 || d == 3) && w == mercredi) ||
           (d == 5 && w == lundi);
}

bool yom_haatsmaout(int d, int w)
{
    return (d == 5 && w >= mardi && w <= jeudi) || ((d == 3 || d == 4) && w == jeudi) ||
           (d == 6 && w == mardi);
}

void iyar(Jour& j)
{
    const int d = j.d;
    if (d == 18) {
        j.l.indice_jour = 4;
    } else if (d == 14) {
        j.l.indice_jour = 7;
    }
    if (j.annee == 5708 && d == 5) {
        // Printed side by side, the two texts read "Création de l'Etat d'Israel".
        j.texte_jour = "Création de l'E";
        j.texte_fete = "tat d'Israel----";
    }
    if (j.annee >= 5709) {
        if (yom_hazikaron(d, j.w)) {
            j.texte_jour = "Yom Hazikaron" + std::string(19, '-');
        } else if (yom_haatsmaout(d, j.w)) {
            j.texte_jour = "Yom Haatsmaout" + std::string(18, '-');
        }
    }
    if (d == 28 && j.annee == 5727) {
        j.texte_jour = "Réunification de";
        j.texte_fete = " Jérusalem";
    } else if (d == 28 && j.annee >= 5728) {
        j.texte_jour = "Yom Yérouchalaïm";
    }
    j.l.libelle_court = libelle_omer(d + 15);
    j.l.texte_omer = j.l.libelle_court;
}

void sivan(Jour& j)
{
    if (j.d == 6 || (j.d == 7 && j.diaspora)) {
        j.l.indice_fete = 12;
    }
    if (j.d >= 1 && j.d <= 5) {
        j.l.libelle_court = libelle_omer(j.d + 44);
        j.l.texte_omer = j.l.libelle_court;
    }
}

void tamouz(Jour& j)
{
    if ((j.d == 17 && j.w < chabbat) || (j.d == 18 && j.w == dimanche)) {
        j.l.indice_fete = 13;
    }
}

void av(Jour& j)
{
    if ((j.d == 9 && j.w < chabbat) || (j.d == 10 && j.w == dimanche)) {
        j.l.indice_fete = 14;
    }
    if (j.d == 15) {
        j.l.indice_jour = 5;
    }
}

void regles_du_mois(Jour& j)
{
    switch (j.mois) {
    case 1:
        tichri(j);
        break;
    case 3:
        kislev(j);
        break;
    case 4:
        tevet(j);
        break;
    case 5:
        chevat(j);
        break;
    case 6:
        if (j.commune) {
            adar_de_pourim(j);
        } else {
            adar_1(j);
        }
        break;
    case 7:
        if (!j.commune) {
            adar_de_pourim(j);
        }
        break;
    case 8:
        nissan(j);
        break;
    case 9:
        iyar(j);
        break;
    case 10:
        sivan(j);
        break;
    case 11:
        tamouz(j);
        break;
    case 12:
        av(j);
        break;
    default:
        break; // Hechvan and Eloul carry no festival
    }
}

} // namespace

std::string libelle_omer(int n)
{
    return "Omer " + engine::cadre_nombre(n, 2) + " ";
}

LibellesDuJour libelles_du_jour(const engine::CalendarEngine& e, bool diaspora)
{
    LibellesDuJour l;
    Jour j{e.annee_hebr,    e.mois_hebr, e.jour_hebr, e.jour_semaine,
           e.nb_mois == 12, e.kislev,    diaspora,    l};
    if ((j.d == 30 || j.d == 1) && !(j.mois == 1 && j.d == 1)) {
        l.indice_jour = 1; // Roch-Hodech, but not on Roch-Hachana
    }
    regles_du_mois(j);

    const std::string_view zero = nom_entree_zero(j.w);
    l.nom_fete = l.indice_fete == 0
                     ? std::string(zero)
                     : std::string(libelles_fetes[static_cast<std::size_t>(l.indice_fete)]);
    l.nom_jour = l.indice_jour == 0
                     ? std::string(zero)
                     : std::string(libelles_jours[static_cast<std::size_t>(l.indice_jour)]);
    if (!j.texte_jour.empty()) {
        l.nom_jour = j.texte_jour;
    }
    if (!j.texte_fete.empty()) {
        l.nom_fete = j.texte_fete;
    }
    return l;
}

std::string jour_de_hanouka(const engine::CalendarEngine& e)
{
    int n = 0;
    if (e.mois_hebr == 3 && e.jour_hebr >= 25) {
        n = e.jour_hebr - 24;
    } else if (e.mois_hebr == 4 && e.jour_hebr < 33 - e.kislev) {
        n = e.jour_hebr + (e.kislev == 29 ? 5 : 6);
    }
    if (n == 0) {
        return {};
    }
    return std::to_string(n) + (n == 1 ? "er" : "e") + " 'Hanouka";
}

} // namespace orvane::events
