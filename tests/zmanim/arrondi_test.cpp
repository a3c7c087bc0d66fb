// Writing times: the rounding tables of the houmra, the 29/30 rounding, the
// seconds, the carry of minutes and hours, the clock reduction, the grid
// shift, the summer-time overrides and the lengths of time.

#include "zmanim/format/arrondi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace orvane::zmanim
{
namespace
{

double hms(int h, int m, double s)
{
    return h + m / 60.0 + s / 3600.0;
}

/// "HH:MM" (and ":SS" when asked) of a written time.
std::string horloge(const HeureFormatee& f, bool secondes = false)
{
    std::string t = f.texte_heures + ":" + f.texte_minutes;
    return secondes ? t + ":" + f.texte_secondes : t;
}

std::string ecrit(ModeArrondi mode, double t, const ReglesArrondi& r = {})
{
    return horloge(formate_heure(mode, t, 0, 0, r));
}

TEST(Arrondi, ModesNommesParLeurTexte)
{
    EXPECT_EQ(mode_arrondi("plus_tôt"), ModeArrondi::plus_tot);
    EXPECT_EQ(mode_arrondi("plus_tard"), ModeArrondi::plus_tard);
    EXPECT_EQ(mode_arrondi("normal"), ModeArrondi::normal);
    EXPECT_EQ(mode_arrondi("trétar"), ModeArrondi::tretar);
    EXPECT_EQ(mode_arrondi("plus_tot"), ModeArrondi::tretar) << "unknown texts drop the seconds";
    for (ModeArrondi m : {ModeArrondi::plus_tot, ModeArrondi::plus_tard, ModeArrondi::normal,
                          ModeArrondi::tretar}) {
        EXPECT_EQ(mode_arrondi(texte_mode_arrondi(m)), m);
    }
}

TEST(Arrondi, SeuilsDeLaHoumra)
{
    ReglesArrondi r;
    r.houmra = false;
    EXPECT_EQ(seuil_secondes(ModeArrondi::plus_tot, r), 29);
    EXPECT_EQ(seuil_secondes(ModeArrondi::plus_tard, r), 30);
    EXPECT_EQ(seuil_secondes(ModeArrondi::normal, r), 29);
    EXPECT_EQ(seuil_secondes(ModeArrondi::tretar, r), 30);
    r.houmra = true;
    EXPECT_EQ(seuil_secondes(ModeArrondi::plus_tot, r), 59);
    EXPECT_EQ(seuil_secondes(ModeArrondi::plus_tard, r), 1);
    EXPECT_EQ(seuil_secondes(ModeArrondi::normal, r), 29);
    EXPECT_EQ(seuil_secondes(ModeArrondi::tretar, r), 0);
    r.rav_rottenberg = true;
    EXPECT_EQ(seuil_secondes(ModeArrondi::plus_tot, r), 57);
    EXPECT_EQ(seuil_secondes(ModeArrondi::plus_tard, r), 3);
    EXPECT_EQ(seuil_secondes(ModeArrondi::normal, r), 29);
    r.arrondis_2930 = true;
    for (ModeArrondi m : {ModeArrondi::plus_tot, ModeArrondi::plus_tard, ModeArrondi::normal,
                          ModeArrondi::tretar}) {
        EXPECT_EQ(seuil_secondes(m, r), 29);
    }
}

TEST(Arrondi, TreizeHeuresTrenteEtTrenteSecondes)
{
    const double t = 13.5083333;
    EXPECT_EQ(ecrit(ModeArrondi::plus_tot, t), "13:30");
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, t), "13:31");
    EXPECT_EQ(ecrit(ModeArrondi::normal, t), "13:31");
    EXPECT_EQ(ecrit(ModeArrondi::tretar, t), "13:30");
}

TEST(Arrondi, VingtNeufSecondesAvecArrondis2930)
{
    ReglesArrondi r;
    r.arrondis_2930 = true;
    r.houmra = false;
    const double t = hms(13, 30, 29);
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, t, r), "13:31");
    EXPECT_EQ(ecrit(ModeArrondi::plus_tot, t, r), "13:30");
    EXPECT_EQ(ecrit(ModeArrondi::normal, t, r), "13:30");
}

// Each mode with the houmra, second by second through one minute.
TEST(Arrondi, TableDesSecondesAvecLaHoumra)
{
    for (int s = 0; s < 60; ++s) {
        const double t = hms(10, 12, s);
        EXPECT_EQ(ecrit(ModeArrondi::plus_tot, t), "10:12") << s;
        EXPECT_EQ(ecrit(ModeArrondi::plus_tard, t), s >= 1 ? "10:13" : "10:12") << s;
        EXPECT_EQ(ecrit(ModeArrondi::normal, t), s >= 30 ? "10:13" : "10:12") << s;
    }
}

TEST(Arrondi, TableDesSecondesSansHoumra)
{
    ReglesArrondi r;
    r.houmra = false;
    for (int s = 0; s < 60; ++s) {
        const double t = hms(10, 12, s);
        EXPECT_EQ(ecrit(ModeArrondi::plus_tot, t, r), s >= 30 ? "10:13" : "10:12") << s;
        EXPECT_EQ(ecrit(ModeArrondi::plus_tard, t, r), s >= 30 ? "10:13" : "10:12") << s;
        EXPECT_EQ(ecrit(ModeArrondi::normal, t, r), s >= 30 ? "10:13" : "10:12") << s;
    }
}

TEST(Arrondi, LaMinuteEmporteLHeure)
{
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, hms(13, 59, 45)), "14:00");
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, hms(23, 59, 45)), "00:00");
}

TEST(Arrondi, AvecLesSecondes)
{
    ReglesArrondi r;
    r.affiche_secondes = true;
    const HeureFormatee f = formate_heure(ModeArrondi::plus_tot, hms(13, 30, 29.6), 0, 0, r);
    EXPECT_EQ(horloge(f, true), "13:30:30");
    EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, hms(13, 30, 59.5), 0, 0, r), true),
              "13:31:00");
    EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, hms(13, 59, 59.6), 0, 0, r), true),
              "14:00:00");
}

// The guard keeps a time that is a whole minute less a rounding error from
// losing that minute: 14 min written as 0.2333… hours.
TEST(Arrondi, UnQuartDHeureNePerdPasDeMinute)
{
    ReglesArrondi r;
    r.affiche_secondes = true;
    for (int m = 0; m < 60; ++m) {
        const double t = 7 + m / 60.0;
        EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, t, 0, 0, r), true),
                  "07:" + texte_deux_chiffres(m) + ":00")
            << m;
    }
}

TEST(Arrondi, ZoneEtHeureDEte)
{
    EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, 3.8, 1, 1, {})), "05:48");
    ReglesArrondi r;
    r.mode_ete = ModeEte::hiver_toute_annee;
    EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, 3.8, 1, 1, r)), "04:48");
    r.mode_ete = ModeEte::ete_toute_annee;
    EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, 3.8, 1, 0, r)), "05:48");
    r.mode_ete = ModeEte::avec_changement;
    r.toutes_latitudes = true;
    EXPECT_EQ(horloge(formate_heure(ModeArrondi::normal, 3.8, 0, 0, r)), "04:48");
}

TEST(Arrondi, ModesDEteSelonLeurTexte)
{
    EXPECT_EQ(mode_ete_du_texte("les heures d'été ou d'hiver"), ModeEte::avec_changement);
    EXPECT_EQ(mode_ete_du_texte("les heures d'hiver toute l'année"), ModeEte::hiver_toute_annee);
    EXPECT_EQ(mode_ete_du_texte("les heures d'été toute l'année"), ModeEte::ete_toute_annee);
    EXPECT_EQ(mode_ete_du_texte(""), ModeEte::avec_changement);
}

// Before midnight of the date reads as the evening before, after the next
// midnight as the morning after; a negative local time is split from the
// hour below it.
TEST(Arrondi, HeureRameneeSurLHorloge)
{
    EXPECT_EQ(ecrit(ModeArrondi::normal, -0.25), "23:45");
    EXPECT_EQ(ecrit(ModeArrondi::normal, 24.5), "00:30");
    EXPECT_EQ(ecrit(ModeArrondi::normal, -3.5), "20:30");
    EXPECT_EQ(ecrit(ModeArrondi::normal, 49.25), "01:15");
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, hms(-1, 59, 45) + 0), "00:00");
    const HeureFormatee f = formate_heure(ModeArrondi::normal, -0.25, 0, 0, {});
    EXPECT_EQ(f.heures, -1);
    EXPECT_EQ(f.minutes, 45);
}

TEST(Arrondi, DecalageDeLaGrille)
{
    ReglesArrondi r;
    r.decalage_heures = 1;
    EXPECT_EQ(ecrit(ModeArrondi::normal, hms(22, 10, 0), r), "22:10") << "calendar: no shift";
    r.vers_grille = true;
    EXPECT_EQ(ecrit(ModeArrondi::normal, hms(22, 10, 0), r), "23:10");
    EXPECT_EQ(ecrit(ModeArrondi::normal, hms(23, 10, 0), r), "00:10");
    const HeureFormatee f = formate_heure(ModeArrondi::normal, hms(23, 10, 0), 0, 0, r);
    EXPECT_EQ(f.heures, 23) << "the number keeps the unshifted hour";
    r.decalage_heures = -2;
    EXPECT_EQ(ecrit(ModeArrondi::normal, hms(1, 5, 0), r), "23:05");
}

TEST(Arrondi, SeuilsDuRavRottenberg)
{
    ReglesArrondi r;
    r.rav_rottenberg = true;
    EXPECT_EQ(ecrit(ModeArrondi::plus_tot, hms(10, 12, 56), r), "10:12");
    r.seuil_max_ciop = 55;
    EXPECT_EQ(ecrit(ModeArrondi::plus_tot, hms(10, 12, 56), r), "10:13");
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, hms(10, 12, 2), r), "10:12");
    EXPECT_EQ(ecrit(ModeArrondi::plus_tard, hms(10, 12, 3), r), "10:13");
}

TEST(Arrondi, UnInstantNonFiniNEstPasEcrit)
{
    const HeureFormatee f = formate_heure(ModeArrondi::normal, std::nan(""), 1, 0, {});
    EXPECT_FALSE(f.definie());
    EXPECT_EQ(horloge(f, true), "::");
    EXPECT_FALSE(formate_heure(ModeArrondi::normal, INFINITY, 1, 0, {}).definie());
    EXPECT_FALSE(formate_duree(std::nan(""), {}).definie());
}

// A length of time never receives the summer hour nor the grid shift, and
// is not brought onto a clock.
TEST(Arrondi, UneDureeNestPasUneHeure)
{
    ReglesArrondi r;
    r.mode_ete = ModeEte::ete_toute_annee;
    r.toutes_latitudes = true;
    r.vers_grille = true;
    r.decalage_heures = -1;
    const HeureFormatee f = formate_duree(hms(1, 15, 20), r);
    EXPECT_EQ(horloge(f, true), "01:15:00");
    EXPECT_EQ(horloge(formate_duree(hms(1, 15, 31), r)), "01:16");
    EXPECT_EQ(horloge(formate_duree(hms(16, 4, 0), r)), "16:04");
    EXPECT_EQ(horloge(formate_duree(hms(25, 0, 0), r)), "25:00");
}

TEST(Arrondi, TextesNumeriques)
{
    EXPECT_EQ(texte_deux_chiffres(0), "00");
    EXPECT_EQ(texte_deux_chiffres(7), "07");
    EXPECT_EQ(texte_deux_chiffres(23), "23");
    EXPECT_EQ(valeur_texte("05"), 5);
    EXPECT_EQ(valeur_texte(""), 0);
    EXPECT_EQ(texte_decimal(5.75), "5.75");
    EXPECT_EQ(texte_decimal(-0.25), "-0.25");
    EXPECT_EQ(texte_decimal(12), "12");
    EXPECT_EQ(texte_decimal(1.0 / 3), "0.333333333333333");
}

} // namespace
} // namespace orvane::zmanim
