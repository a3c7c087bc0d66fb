// The parameters: defaults, the opinion names, the default angles, the
// Tossefet of a place, the coupling rules of the window's controls, the two
// presets, the choice of an opinion and the typed angles.

#include "zmanim/format/libelles.h"
#include "zmanim/settings/opinions.h"
#include "zmanim/settings/panneau_parametres.h"
#include "zmanim/settings/textes_parametres.h"
#include "zmanim/sun/soleil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::zmanim
{
namespace
{

TEST(Parametres, ValeursParDefaut)
{
    const ZmanimSettings r;
    EXPECT_FALSE(r.arrondis_2930);
    EXPECT_FALSE(r.trace);
    EXPECT_FALSE(r.centre_soleil);
    EXPECT_TRUE(r.iteration);
    EXPECT_TRUE(r.houmra);
    EXPECT_FALSE(r.affiche_secondes);
    EXPECT_FALSE(r.affiche_decimal);
    EXPECT_EQ(r.refraction, "34");
    EXPECT_EQ(r.decalage_heures, 0);
    EXPECT_EQ(r.tossefet, 18);
    EXPECT_EQ(r.texte_aube, "16.1");
    EXPECT_EQ(r.texte_tephilin, "11");
    EXPECT_EQ(r.texte_etoiles, "7.08");
    EXPECT_EQ(r.texte_sortie, "8.5");
    EXPECT_EQ(r.texte_nuit, "16.1");
    EXPECT_EQ(r.opinion_calcul, "Or Méïr");
    EXPECT_TRUE(r.annee_civile);
    EXPECT_FALSE(r.annee_hebraique);
    for (bool m : r.moments) {
        EXPECT_TRUE(m);
    }
    EXPECT_TRUE(r.diaspora);
    EXPECT_FALSE(r.mode_rav_rottenberg);
}

struct Nom {
    const char* recu;
    const char* calcul;
};

TEST(Opinions, NomsDesListesEtNomsAnciens)
{
    const Nom noms[] = {
        {"Or Méïr", "Or Méïr"},
        {"Or", "Or Méïr"},
        {"Beth Din (France)", "Beth Din de Paris"},
        {"Beth Din de Paris", "Beth Din de Paris"},
        {"Guéonim", "Beth Din de Paris"},
        {"Mixte (ancien)", "Beth Din de Paris"},
        {"Aube à 72min (Aube/Nuit)", "4MilsAN"},
        {"Aube à 72min (Lev/Coucher)", "4MilsLC"},
        {"Aube à 5 Mils (1/6 Lev-Co)", "5Mils"},
        {"Maguen Abraham (pavé)", "Pavée"},
        {"Admour Hazaken (ét. 5.95°)", "Admour"},
        {"Admour Hazaken", "Admour"},
        {"Bureau des Longitudes", "Bureau des Longitudes"},
        {"Selon choix des valeurs", "Or Méïr"},
        {"Rav Rottenberg", "Rav Rottenberg"},
        {"Rav_Rottenberg", "Rav Rottenberg"},
        {"Quelconque", "Quelconque"},
    };
    for (const Nom& n : noms) {
        const AvisNormalise a = normalise_opinion(n.recu);
        EXPECT_EQ(a.nom, n.calcul) << n.recu;
        EXPECT_EQ(a.rav_rottenberg, std::string(n.recu) == "Rav_Rottenberg") << n.recu;
    }
    EXPECT_EQ(opinions_calcul.size(), 10u);
    EXPECT_EQ(opinions_accueil.size(), 8u);
    EXPECT_EQ(facteur_proportion("4MilsAN"), 0.125);
    EXPECT_EQ(facteur_proportion("Or Méïr"), 0);
}

TEST(Parametres, AnglesParDefaut)
{
    ZmanimSettings r;
    initialise_angles(r);
    EXPECT_EQ(r.defauts.etoiles, "7.08");
    EXPECT_EQ(r.defauts.admour, "5.95");
    EXPECT_EQ(r.defauts.admour_chema, "6.5");
    r.mode_rav_rottenberg = true;
    initialise_angles(r);
    EXPECT_EQ(r.defauts.etoiles, "7.12");

    const SinusAngles s = sinus_par_defaut(false);
    EXPECT_DOUBLE_EQ(s.lever_coucher, -std::sin(50 * radians_par_degre / 60));
    EXPECT_DOUBLE_EQ(s.aube, -std::sin(16.1 * radians_par_degre));
    EXPECT_DOUBLE_EQ(s.etoiles, -std::sin(7.08 * radians_par_degre));
    EXPECT_DOUBLE_EQ(s.marseille, -std::sin(7.35 * radians_par_degre));
    EXPECT_DOUBLE_EQ(s.astronomique, -std::sin(18 * radians_par_degre));
    EXPECT_DOUBLE_EQ(sinus_par_defaut(true).etoiles, -std::sin(7.12 * radians_par_degre));
}

TEST(Parametres, AnglesSaisis)
{
    ZmanimSettings r;
    r.texte_aube = "18";
    r.texte_etoiles = "7°30";
    const SinusChoisis c = sinus_choisis(r, sinus_par_defaut(false));
    ASSERT_TRUE(c.sinus);
    EXPECT_DOUBLE_EQ(c.sinus->aube, -std::sin(18 * radians_par_degre));
    EXPECT_DOUBLE_EQ(c.sinus->etoiles, -std::sin(7.5 * radians_par_degre));
    r.texte_sortie = "8,5x";
    const SinusChoisis e = sinus_choisis(r, sinus_par_defaut(false));
    EXPECT_FALSE(e.sinus);
    EXPECT_EQ(e.erreur, "La valeur \"8,5x\" choisie pour la sortie du Chabbat n'est pas un angle."
                        "\rExemples : 16.1 ou 16°06 (degrés sous l'horizon).");
}

TEST(Tossefet, SelonLePaysEtLaVille)
{
    EXPECT_EQ(tossefet_du_lieu("France", "PARIS (75)").tossefet, 18);
    EXPECT_TRUE(tossefet_du_lieu("France", "PARIS (75)").diaspora);
    EXPECT_EQ(tossefet_du_lieu("Israël", "Tel-Aviv").tossefet, 20);
    EXPECT_FALSE(tossefet_du_lieu("Israël", "Tel-Aviv").diaspora);
    EXPECT_EQ(tossefet_du_lieu("Israël", "Jérusalem").tossefet, 40);
    EXPECT_EQ(tossefet_du_lieu("Israël", "JERUSALEM (centre)").tossefet, 40);
    EXPECT_FALSE(tossefet_du_lieu("Israël", "Jérusalem").diaspora);
    EXPECT_EQ(tossefet_du_lieu("Israel", "Haïfa").tossefet, 18) << "the country's exact name";
    ZmanimSettings r;
    applique_tossefet(r, "Israël", "Jérusalem");
    EXPECT_EQ(r.tossefet, 40);
    EXPECT_FALSE(r.diaspora);
    applique_tossefet(r, "France", "LYON (69)");
    EXPECT_EQ(r.tossefet, 18);
    EXPECT_TRUE(r.diaspora);
}

TEST(Panneau, Arrondis2930EtHoumraSExcluent)
{
    ControlesParametres c;
    coche_arrondis_2930(c, true);
    EXPECT_FALSE(c.houmra);
    coche_arrondis_2930(c, false);
    EXPECT_TRUE(c.houmra);
    coche_houmra(c, false);
    EXPECT_TRUE(c.arrondis_2930);
    coche_houmra(c, true);
    EXPECT_FALSE(c.arrondis_2930);
    c.affiche_secondes = true;
    EXPECT_TRUE(arrondis_desactives(c));
}

TEST(Panneau, PresetsCopiesDansLesParametres)
{
    ControlesParametres c;
    ZmanimSettings r;
    c.trace = true;
    preset_bdl(c, r);
    EXPECT_TRUE(r.arrondis_2930);
    EXPECT_TRUE(r.centre_soleil);
    EXPECT_TRUE(r.iteration);
    EXPECT_FALSE(r.houmra);
    EXPECT_FALSE(r.trace);
    EXPECT_EQ(r.refraction, "36.6");
    EXPECT_FALSE(c.halakha_en_gras);
    c.affiche_secondes = true;
    preset_halakha(c, r);
    EXPECT_FALSE(r.arrondis_2930);
    EXPECT_FALSE(r.centre_soleil);
    EXPECT_TRUE(r.houmra);
    EXPECT_FALSE(r.affiche_secondes);
    EXPECT_EQ(r.refraction, "34");
    EXPECT_TRUE(c.halakha_en_gras);
}

TEST(Panneau, CopieAuDemarrageSansFetesNiDecimal)
{
    ControlesParametres c;
    c.fetes = true;
    c.affiche_decimal = true;
    c.decalage_heures = 2;
    c.texte_nuit = "19.75";
    ZmanimSettings r;
    copie_parametres(c, r, false);
    EXPECT_FALSE(r.fetes);
    EXPECT_FALSE(r.affiche_decimal);
    EXPECT_EQ(r.decalage_heures, 2);
    EXPECT_EQ(r.texte_nuit, "19.75");
    copie_parametres(c, r);
    EXPECT_TRUE(r.fetes);
    EXPECT_TRUE(r.affiche_decimal);
}

// Choosing the "Bureau des Longitudes" then "Or Méïr" restores refraction
// "34", the houmra, the upper limb and the halachic captions.
TEST(Panneau, BureauDesLongitudesPuisOrMeir)
{
    ControlesParametres c;
    ZmanimSettings r;
    choisit_opinion(c, r, "Bureau des Longitudes");
    EXPECT_EQ(r.opinion_calcul, "Bureau des Longitudes");
    EXPECT_EQ(r.refraction, "36.6");
    EXPECT_TRUE(r.centre_soleil);
    EXPECT_FALSE(r.houmra);
    EXPECT_EQ(c.moments.legendes[3], "Crépuscule astronom.  (lever)");
    EXPECT_FALSE(c.moments.visibles[0]);
    EXPECT_TRUE(c.moments.visibles[3]);
    EXPECT_EQ(c.moments.explications[3], "Postion du soleil à -18° avant le lever");

    choisit_opinion(c, r, "Or Méïr");
    EXPECT_EQ(r.refraction, "34");
    EXPECT_TRUE(r.houmra);
    EXPECT_FALSE(r.centre_soleil);
    EXPECT_EQ(c.moments.legendes[3], "Fin 1er Zemane du Chéma   ");
    EXPECT_EQ(c.moments.legendes[0].size(), 26u);
    for (bool v : c.moments.visibles) {
        EXPECT_TRUE(v);
    }
    EXPECT_FALSE(c.angles_visibles);
}

TEST(Panneau, EtatInitialSelonLOpinionSauvee)
{
    ControlesParametres c;
    etat_initial(c, "Bureau des Longitudes");
    EXPECT_TRUE(c.arrondis_2930);
    EXPECT_EQ(c.refraction, "36.6");
    etat_initial(c, "Beth Din (France)");
    EXPECT_TRUE(c.houmra);
    EXPECT_EQ(c.refraction, "34");
    EXPECT_EQ(texte_bouton_activation(false), "ACTIVATION du choix des paramètres");
    EXPECT_EQ(texte_bouton_activation(true), "DESACTIVATION du choix des paramètres");
}

// With "Selon choix des valeurs" and the dawn text "18" the warning note is
// shown; the "déf" texts take it away.
TEST(Panneau, AvertissementDesAnglesSaisis)
{
    ControlesParametres c;
    ZmanimSettings r;
    choisit_opinion(c, r, "Selon choix des valeurs");
    EXPECT_TRUE(c.angles_visibles);
    EXPECT_FALSE(angles_hors_opinion(c));
    c.texte_aube = "18";
    EXPECT_TRUE(angles_hors_opinion(c));
    c.texte_aube = "16,1";
    EXPECT_FALSE(angles_hors_opinion(c)) << "compared as numbers";
    c.texte_nuit = "n'importe";
    EXPECT_TRUE(angles_hors_opinion(c));
    retablit_angles_defaut(c, r.defauts);
    EXPECT_FALSE(angles_hors_opinion(c));
    const auto note = note_angles_modifies();
    EXPECT_EQ(note[0], "ATTENTION ! ");
    EXPECT_EQ(note[4], "''Or Méïr\".");
    EXPECT_EQ(note[7], "cliquer ici.");
}

// The refraction list: 0 to 35, 36.6, then 30 to 33 and 35 to 50, every
// item readable as arc-minutes.
TEST(Libelles, ListeDesRefractions)
{
    EXPECT_EQ(choix_refraction.front(), "0");
    EXPECT_EQ(choix_refraction[34], "34");
    EXPECT_EQ(choix_refraction[36], "36.6");
    EXPECT_EQ(choix_refraction[37], "30");
    EXPECT_EQ(choix_refraction.back(), "50");
    for (std::string_view r : choix_refraction) {
        const std::optional<double> minutes = angle_en_degres(r);
        ASSERT_TRUE(minutes) << r;
        EXPECT_GE(*minutes, 0);
        EXPECT_LE(*minutes, 50);
    }
    EXPECT_EQ(tossefet_defaut, 18);
}

TEST(Libelles, ExplicationsSelonLAvis)
{
    EXPECT_TRUE(explications_halakha("Or Méïr", "Beth Din (France)"));
    EXPECT_FALSE(explications_halakha("Or Méïr", "Bureau des Longitudes"));
    const AffichageMoments a = affichage_moments(false);
    EXPECT_EQ(a.explications[7], "Midi vrai. Le soleil est au zénith ");
    EXPECT_NE(a.explications[10].find("\rla prière du soir, 'Arvit"), std::string::npos);
    EXPECT_TRUE(a.explications[0].empty());
}

} // namespace
} // namespace orvane::zmanim
