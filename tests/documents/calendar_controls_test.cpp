// The annual calendar window without its widgets: the years of an opening
// and their coupling, the defaults of a city, and "Calculer" with every
// check and question answered each way, as the window runs them.
#include "document_files.h"
#include "documents/calendar_controls.h"
#include "documents/day_times_text.h"
#include "documents/year_page.h"

#include <gtest/gtest.h>

#include <deque>

namespace orvane::documents
{
namespace
{

const places::Place paris{"PARIS (75)", "France", "48°52'N", "02°20'E", "+1"};
const places::Place jerusalem{"Jérusalem", "Israël", "31°46'N", "35°13'E", "+2"};
const places::Place tel_aviv{"Tel Aviv", "Israël", "32°05'N", "34°47'E", "+2"};
const places::Place marseille{"Marseille (13)", "France", "43°18'N", "05°22'E", "+1"};

/// Dialogues that answer from queues and keep what was asked.
struct Reponses {
    std::vector<std::string> erreurs, informations, questions, confirmations, avertissements;
    std::deque<Reponse> a_la_question;
    std::deque<bool> a_la_confirmation;
    ReponseParis pour_paris = ReponseParis::ignorer;

    DialoguesCalendrier dialogues()
    {
        DialoguesCalendrier d;
        d.erreur = [this](const std::string& m) { erreurs.push_back(m); };
        d.information = [this](const std::string& m) { informations.push_back(m); };
        d.question = [this](const std::string& m) {
            questions.push_back(m);
            EXPECT_FALSE(a_la_question.empty()) << "question inattendue : " << m;
            const Reponse r = a_la_question.empty() ? Reponse::annuler : a_la_question.front();
            if (!a_la_question.empty()) {
                a_la_question.pop_front();
            }
            return r;
        };
        d.confirmation = [this](const std::string& m) {
            confirmations.push_back(m);
            EXPECT_FALSE(a_la_confirmation.empty()) << "confirmation inattendue : " << m;
            const bool r = !a_la_confirmation.empty() && a_la_confirmation.front();
            if (!a_la_confirmation.empty()) {
                a_la_confirmation.pop_front();
            }
            return r;
        };
        d.avertissement_paris = [this](const std::string& m) {
            avertissements.push_back(m);
            return pour_paris;
        };
        return d;
    }
};

ControlesCalendrier controles(const places::Place& lieu, SensFenetre sens = SensFenetre::civil)
{
    ControlesCalendrier c = controles_d_ouverture(sens, {2025, 3, 1});
    c.lieu = lieu;
    choisit_ville(c);
    c.opinion = "Or Méïr";
    return c;
}

TEST(FenetreCalendrier, AnneesDeLOuverture)
{
    // From Roch Hachana to 31 December the civil year shown is the next one.
    const ControlesCalendrier octobre = controles_d_ouverture(SensFenetre::civil, {2024, 10, 15});
    EXPECT_EQ(octobre.annee, 2025);
    EXPECT_EQ(octobre.autre_annee, 5785);
    EXPECT_EQ(octobre.mois_fin, 12);
    const ControlesCalendrier juin = controles_d_ouverture(SensFenetre::civil, {2024, 6, 1});
    EXPECT_EQ(juin.annee, 2024);
    EXPECT_EQ(titre_des_annees(juin),
              "Année civile  Année hébr             Année civile 2024  =  5784 / 5785 hébraïques");
    const ControlesCalendrier hebreu = controles_d_ouverture(SensFenetre::hebreu, {2024, 10, 15});
    EXPECT_EQ(hebreu.annee, 5785);
    EXPECT_EQ(hebreu.autre_annee, 2025);
    EXPECT_EQ(hebreu.mois_fin, 13);
    EXPECT_EQ(titre_des_annees(hebreu),
              "Année hébr  Année civile             Année hébraïque 5785  =  2024 / 2025 civiles");
}

TEST(FenetreCalendrier, AnneesCoupleesSansAnneeZero)
{
    ControlesCalendrier c = controles_d_ouverture(SensFenetre::civil, {2025, 3, 1});
    change_annee(c, 1);
    EXPECT_EQ(c.autre_annee, 3761);
    change_annee(c, 0); // coming from a positive year
    EXPECT_EQ(c.annee, -1);
    EXPECT_EQ(c.autre_annee, 3760);
    change_annee(c, 0); // coming from a negative year
    EXPECT_EQ(c.annee, 1);
    change_autre_annee(c, 5786);
    EXPECT_EQ(c.annee, 2026);
    ControlesCalendrier h = controles_d_ouverture(SensFenetre::hebreu, {2025, 3, 1});
    change_annee(h, 3761);
    EXPECT_EQ(h.autre_annee, 1);
    EXPECT_EQ(titre_des_annees(h),
              "Année hébr  Année civile             Année hébraïque 3761  =  -1 / 1 civiles");
    change_annee(h, 3760);
    EXPECT_EQ(h.autre_annee, -1);
    // Both ways agree over the whole range.
    for (int civile = -3000; civile <= 9999; civile += 7) {
        if (civile == 0) {
            continue;
        }
        change_annee(c, civile);
        const int hebr = c.autre_annee;
        change_autre_annee(c, hebr);
        ASSERT_EQ(c.annee, civile);
    }
}

TEST(FenetreCalendrier, ValeursDeLaVille)
{
    EXPECT_EQ(controles(jerusalem).tossefet, 40);
    EXPECT_FALSE(controles(jerusalem).diaspora);
    EXPECT_EQ(controles(tel_aviv).tossefet, 20);
    EXPECT_FALSE(controles(tel_aviv).diaspora);
    EXPECT_EQ(controles(paris).tossefet, 18);
    EXPECT_TRUE(controles(paris).diaspora);
    EXPECT_EQ(controles(paris).est_ouest, 5);
    EXPECT_EQ(controles(marseille).est_ouest, 3);
    ControlesCalendrier c = controles(paris);
    c.opinion = "Rav Rottenberg";
    EXPECT_TRUE(montre_est_ouest(c));
    c.opinion = "Or Méïr";
    EXPECT_FALSE(montre_est_ouest(c));
    c.sortie = 5;
    c.tossefet = 30;
    c.nombre_annees = 4;
    c.premiers_du_mois = true;
    valeurs_par_defaut(c, {2025, 3, 1});
    EXPECT_EQ(c.sortie, 0);
    EXPECT_EQ(c.tossefet, 18);
    EXPECT_EQ(c.nombre_annees, 1);
    EXPECT_FALSE(c.premiers_du_mois);
    EXPECT_TRUE(c.horaires);
}

// Years outside the calendar are refused with its message before anything
// is asked or built.
TEST(FenetreCalendrier, AnneesHorsDuCalendrier)
{
    Reponses r;
    ControlesCalendrier c = controles(jerusalem);
    c.tossefet = 18; // would be asked about, were the years right
    c.annee = 9999;
    c.nombre_annees = 2;
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    ASSERT_EQ(r.erreurs.size(), 1u);
    EXPECT_EQ(r.erreurs[0], "9999 à 10000 : Année date hébraïque min 3860  max 13759\r    Année "
                            "date civile  min 100  max 9999");
    EXPECT_TRUE(r.questions.empty());
    c.nombre_annees = 1;
    c.annee = 99;
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    ControlesCalendrier h = controles(paris, SensFenetre::hebreu);
    h.annee = 13759;
    EXPECT_TRUE(prepare_calcul(h, r.dialogues()));
    h.annee = 3859;
    EXPECT_FALSE(prepare_calcul(h, r.dialogues()));
}

TEST(FenetreCalendrier, SansHorairesEtCoordonneesDeParis)
{
    Reponses r;
    ControlesCalendrier c = controles(paris);
    c.horaires = false;
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    ASSERT_EQ(r.erreurs.size(), 1u);
    EXPECT_EQ(r.erreurs[0].rfind("Erreur :\rPour construire les calendriers excel", 0), 0u);

    c = controles(paris);
    c.lieu.longitude = "02°21'E";
    r.pour_paris = ReponseParis::annuler;
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(c.lieu.longitude, "02°21'E");
    r.pour_paris = ReponseParis::ok; // set right, and nothing built yet
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(c.lieu.longitude, "02°20'E");
    EXPECT_TRUE(prepare_calcul(c, r.dialogues())); // now right: no warning
    c.lieu.latitude = "48°50'N";
    r.pour_paris = ReponseParis::ignorer;
    EXPECT_TRUE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(r.avertissements.size(), 3u);
    EXPECT_EQ(r.avertissements[0].rfind("Les coordonnées de Paris sont '48°52'N  et  02°20'E", 0),
              0u);
}

TEST(FenetreCalendrier, TossefetDeJerusalemDIsraelEtDAilleurs)
{
    Reponses r;
    ControlesCalendrier c = controles(jerusalem);
    std::optional<CalculRetenu> calcul = prepare_calcul(c, r.dialogues());
    ASSERT_TRUE(calcul);
    EXPECT_TRUE(r.questions.empty()); // 40 already: no question
    EXPECT_EQ(calcul->tossefet, 40);
    EXPECT_FALSE(calcul->diaspora);

    c.tossefet = 18;
    r.a_la_question = {Reponse::oui};
    calcul = prepare_calcul(c, r.dialogues());
    ASSERT_TRUE(calcul);
    EXPECT_EQ(calcul->tossefet, 40);
    EXPECT_EQ(c.tossefet, 40);
    EXPECT_EQ(r.questions.back(),
              "L'entrée de Chabbat spécifique à JERUSALEM est de 40 minutes avant le coucher du "
              "Soleil.\r\rCliquez sur \"OUI\" pour appliquer cette valeur standard.\r\rCliquez "
              "sur \"NON\" pour appliquer la valeur de 18 choisie sur la boîte \"Tossefet, "
              "entrée Chab.\"\r");

    ControlesCalendrier t = controles(tel_aviv);
    t.tossefet = 25;
    r.a_la_question = {Reponse::non};
    ASSERT_TRUE(prepare_calcul(t, r.dialogues()));
    EXPECT_EQ(t.tossefet, 25);
    r.a_la_question = {Reponse::annuler};
    EXPECT_FALSE(prepare_calcul(t, r.dialogues()));

    ControlesCalendrier p = controles(paris);
    p.tossefet = 20;
    r.a_la_question = {Reponse::oui};
    ASSERT_TRUE(prepare_calcul(p, r.dialogues()));
    EXPECT_EQ(p.tossefet, 18);
    EXPECT_EQ(r.questions.back().rfind("L'entrée de Chabbat standard est de 18 minutes", 0), 0u);
}

TEST(FenetreCalendrier, BethDinDeMarseille)
{
    Reponses r;
    ControlesCalendrier c = controles(marseille);
    r.a_la_question = {Reponse::oui};
    std::optional<CalculRetenu> calcul = prepare_calcul(c, r.dialogues());
    ASSERT_TRUE(calcul);
    EXPECT_EQ(calcul->tossefet, 20);
    EXPECT_EQ(calcul->degres_sortie, 7.35);
    EXPECT_TRUE(calcul->marseille);
    EXPECT_EQ(r.informations.size(), 1u);
    EXPECT_EQ(r.questions.size(), 1u); // no second question on the 18 minutes

    r.a_la_question = {Reponse::non};
    c.tossefet = 18;
    calcul = prepare_calcul(c, r.dialogues());
    ASSERT_TRUE(calcul);
    EXPECT_EQ(calcul->tossefet, 18);
    EXPECT_EQ(calcul->degres_sortie, 8.5);

    c.sortie = static_cast<int>(Sortie::tables_ciop); // the consistory's tables keep theirs
    c.sens = SensFenetre::hebreu;
    c.annee = 5785;
    const std::size_t avant = r.questions.size();
    ASSERT_TRUE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(r.questions.size(), avant);
}

TEST(FenetreCalendrier, EtoilesRegleEtOpinionAConfirmer)
{
    Reponses r;
    ControlesCalendrier c = controles(paris);
    c.etoiles = 2;
    r.a_la_confirmation = {false};
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(r.confirmations.back(),
              "La valeur standard pour les étoiles moyennes est à 7.08°\r\rVous avez choisi "
              "\"Etoiles moyenes à 5,95°\". Voulez-vous continuer ?\r");
    r.a_la_confirmation = {true};
    std::optional<CalculRetenu> calcul = prepare_calcul(c, r.dialogues());
    ASSERT_TRUE(calcul);
    EXPECT_EQ(calcul->degres_etoiles, 5.95);
    EXPECT_EQ(calcul->libelle_etoiles, "5.95");

    c = controles(paris);
    c.regle_entree = 4;
    c.opinion = "Aube à 72min (Aube/Nuit)"; // third of the list
    r.a_la_confirmation = {true, true};
    ASSERT_TRUE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(r.confirmations.back(),
              "Vous avez choisi \"Aube à 72min (Aube/Nuit)\". Voulez-vous continuer ?\r");
    c.sortie = static_cast<int>(Sortie::iphone_consistoire); // the consistory's rule
    c.opinion = "Or Méïr";
    ASSERT_TRUE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(c.regle_entree, 0);

    c = controles(paris);
    c.opinion = "Rambam"; // not in the list: its first item
    calcul = prepare_calcul(c, r.dialogues());
    ASSERT_TRUE(calcul);
    EXPECT_EQ(calcul->opinion, "Or Méïr");
}

// The request of the builders carries every choice of the controls and
// what "Calculer" retained.
TEST(FenetreCalendrier, DemandeDuCalcul)
{
    ControlesCalendrier c = controles(jerusalem, SensFenetre::hebreu);
    c.annee = 5785;
    c.nombre_annees = 3;
    c.premiers_du_mois = true;
    c.toutes_entrees = true;
    c.regle_entree = 5;
    c.est_ouest = 7;
    c.cible = CibleFenetre::fichier_ville;
    CalculRetenu r;
    r.tossefet = 40;
    r.diaspora = false;
    r.opinion = "Or Méïr";
    r.regle_entree = 5;
    r.marseille = true;
    const DemandeCalendrier d = demande_du_calcul(c, r);
    EXPECT_EQ(d.sens, Sens::hebreu_civil);
    EXPECT_EQ(d.annee, 5785);
    EXPECT_EQ(d.nombre_annees, 3);
    EXPECT_TRUE(d.premiers_du_mois);
    EXPECT_TRUE(d.toutes_entrees);
    EXPECT_EQ(d.regle_entree, 5);
    EXPECT_EQ(d.est_ouest, 7);
    EXPECT_EQ(d.cible, Cible::fichier);
    EXPECT_EQ(d.tossefet, 40);
    EXPECT_FALSE(d.diaspora);
    EXPECT_EQ(d.opinion, "Or Méïr");
    EXPECT_TRUE(d.contexte.sortie_marseille);
    EXPECT_EQ(d.lieu.ville, "Jérusalem");
    EXPECT_FALSE(d.contexte.etoiles_degres); // the standard stars of the opinion
}

// A size of the stars other than the standard one is imposed on the times
// of the calendar: the nightfall of each day follows it.
TEST(FenetreCalendrier, TailleDesEtoilesImposee)
{
    ControlesCalendrier c = controles(jerusalem, SensFenetre::civil);
    c.etoiles = 4; // "Etoiles moyenes à 6,54°"
    CalculRetenu r;
    r.opinion = "Or Méïr";
    r.degres_etoiles = tailles_etoiles[4].degres;
    DemandeCalendrier d = demande_du_calcul(c, r);
    ASSERT_TRUE(d.contexte.etoiles_degres);
    EXPECT_DOUBLE_EQ(*d.contexte.etoiles_degres, 6.54);
    d.cible = Cible::fichier;
    d.mois_fin = 1;
    const auto colonne_etoiles = [](const DemandeCalendrier& x) {
        const CalendrierSimplifie cal = calendrier_simplifie(x, test::tables_livrees());
        std::vector<std::string> etoiles;
        for (const JourPage& j : cal.pages.at(0).mois.at(0).jours) {
            etoiles.push_back(heure_courte(j.horaires.at(13))); // "Etoiles"
        }
        return etoiles;
    };
    const std::vector<std::string> a_654 = colonne_etoiles(d);
    d.contexte.etoiles_degres.reset();
    const std::vector<std::string> a_708 = colonne_etoiles(d);
    ASSERT_EQ(a_654.size(), 31u);
    for (std::size_t i = 0; i < a_654.size(); ++i) {
        EXPECT_LT(a_654[i], a_708[i]) << "day " << i + 1; // a higher sun: earlier stars
    }
}

TEST(FenetreCalendrier, RefusDesSorties)
{
    ControlesCalendrier c = controles(paris);
    c.sortie = static_cast<int>(Sortie::excel_complet);
    c.nombre_annees = 2;
    EXPECT_EQ(refus_de_la_sortie(c)->rfind("Pour construire un calendrier sous excel", 0), 0u);
    c.premiers_du_mois = true; // looked at before the number of years
    EXPECT_EQ(refus_de_la_sortie(c)->rfind("Il n'est pas prévu de pouvoir construire", 0), 0u);
    c = controles(paris, SensFenetre::hebreu);
    c.sortie = static_cast<int>(Sortie::mural_civil);
    EXPECT_EQ(*refus_de_la_sortie(c),
              "Il faut vous mettre sur \" Calendrier Civil --> Hébraïque \".\r");
    Reponses r;
    EXPECT_FALSE(prepare_calcul(c, r.dialogues()));
    EXPECT_EQ(r.erreurs.back(), *refus_de_la_sortie(c));
    // The simplified calendar and the dates file are never refused; every
    // other kind is refused in one direction or with more than one year.
    for (SensFenetre sens : {SensFenetre::civil, SensFenetre::hebreu}) {
        for (int sortie = 0; sortie < static_cast<int>(sorties_calendrier.size()); ++sortie) {
            for (int annees : {1, 2}) {
                ControlesCalendrier k = controles(paris, sens);
                k.sortie = sortie;
                k.nombre_annees = annees;
                const bool refuse = refus_de_la_sortie(k).has_value();
                const auto s = static_cast<Sortie>(sortie);
                if (s == Sortie::simplifie || s == Sortie::dates) {
                    EXPECT_FALSE(refuse) << sortie;
                }
                if (s == Sortie::imprimeurs_fr && sens == SensFenetre::civil) {
                    EXPECT_TRUE(refuse);
                }
                if (s == Sortie::tset_admour) {
                    EXPECT_EQ(refuse, sens == SensFenetre::hebreu);
                }
            }
        }
    }
}

} // namespace
} // namespace orvane::documents
