#include "tables/zmanim_controls.h"

#include <algorithm>

namespace orvane::tables
{

namespace
{

constexpr int ecart_des_eres = 3760; // Hebrew year of a civil spring: civil year + 3760
constexpr int tichri = 1;
constexpr int eloul = 13;

} // namespace

std::string texte_de_la_sortie(ModeSortie m, std::string_view ville)
{
    static const std::array<std::string_view, nombre_de_sorties> textes{
        "Memo",
        "Page Web pour ",
        "Page Web selon liste de villes",
        "Web liste monde",
        "Livre",
        "Livre RT",
        "Lst plaq. av chéma",
        "Lst plaqu. ss chéma",
        "Liste hamets (selon fic willefr.cal)",
        "Zemanim du jour pour liste de villes (villactu.cal)",
        "toutes latitudes"};
    const std::string t(textes[static_cast<std::size_t>(m)]);
    return m == ModeSortie::page_ville ? t + std::string(ville) : t;
}

MiseEnPage mise_en_page_de(ModeSortie m)
{
    switch (m) {
    case ModeSortie::livre:
        return MiseEnPage::livre;
    case ModeSortie::livre_rt:
        return MiseEnPage::livre_rt;
    case ModeSortie::plaque_chema:
        return MiseEnPage::plaque_chema;
    case ModeSortie::plaque:
        return MiseEnPage::plaque_sans_chema;
    default:
        return MiseEnPage::tableau;
    }
}

void choisit_annee_hebraique(ControlesHoraires& c, int annee)
{
    annee = std::clamp(annee, premiere_annee_hebraique, derniere_annee_hebraique);
    c.annee_hebraique = annee;
    c.debut = engine::civil_de_l_hebreu({annee, tichri, 1});
    c.fin = engine::civil_de_l_hebreu({annee, eloul, 29});
}

void choisit_annee_civile(ControlesHoraires& c, int annee)
{
    annee = std::clamp(annee, premiere_annee_civile, derniere_annee_civile);
    c.debut = {annee, 1, 1};
    c.fin = {annee, 12, 31};
    c.annee_hebraique =
        std::clamp(annee + ecart_des_eres, premiere_annee_hebraique, derniere_annee_hebraique);
}

void cette_annee(ControlesHoraires& c, const engine::DateCivile& aujourdhui)
{
    if (c.parametres.annee_civile) {
        choisit_annee_civile(c, aujourdhui.annee);
    } else {
        choisit_annee_hebraique(c, engine::hebraique_du_civil(aujourdhui).annee);
    }
}

void avance_annee(ControlesHoraires& c, int pas)
{
    if (c.parametres.annee_civile) {
        choisit_annee_civile(c, c.debut.annee + pas);
    } else {
        choisit_annee_hebraique(c, c.annee_hebraique + pas);
    }
}

std::string texte_bouton_calcul(const ControlesHoraires& c)
{
    return c.parametres.annee_civile ? "Calcul année civile" : "Calcul année hébr.";
}

void choisit_filtre(ControlesHoraires& c, FiltreJours f)
{
    c.filtre = f;
    if (f == FiltreJours::tous) {
        return;
    }
    c.increment = 1;
    c.parametres.dates_ete = true;
    if (est_hebdomadaire(f)) {
        c.parametres.annee_civile = true;
        c.debut = {c.debut.annee, 1, 1};
        c.fin = {c.debut.annee, 12, 31};
    }
}

void coche_tous_les_moments(ControlesHoraires& c, bool coche)
{
    c.moments.fill(coche);
}

namespace
{

/// The ranges of the month grids: 1 September of the start year to 30
/// September of the next, or the civil year of the start date.
void dates_de_la_grille(DemandeTable& d, Grille g)
{
    if (g == Grille::treize_mois) {
        d.debut = {d.debut.annee, 9, 1};
        d.fin = {d.debut.annee + 1, 9, 30};
    } else {
        d.debut = {d.debut.annee, 1, 1};
        d.fin = {d.debut.annee, 12, 31};
    }
    d.filtre = FiltreJours::tous;
    d.increment = 1;
    d.grille_mois = true;
}

} // namespace

PreparationHoraires prepare_horaires(const ControlesHoraires& c)
{
    PreparationHoraires p;
    DemandeTable& d = p.demande;
    const zmanim::ControlesParametres& par = c.parametres;
    d.lieu = c.lieu;
    d.debut = c.debut;
    d.fin = c.fin;
    d.increment = c.filtre == FiltreJours::tous ? c.increment : 1;
    d.opinion = par.opinion;
    d.filtre = c.filtre;
    d.ete_jour_par_jour = par.dates_ete || c.filtre != FiltreJours::tous;
    d.fetes = d.ete_jour_par_jour && par.fetes;
    d.date_complete = !d.ete_jour_par_jour || c.date_complete;
    d.reference_hebraique = !par.annee_civile;
    d.annee_reference = par.annee_civile ? c.debut.annee : c.annee_hebraique;
    d.indique_avis = c.indique_avis;
    d.toutes_entrees = c.toutes_entrees;
    d.dixieme_heure = c.dixieme_heure;
    d.texte_etoiles_chema = c.texte_etoiles_chema;
    if (c.grille != Grille::tableaux) {
        dates_de_la_grille(d, c.grille);
    } else if (c.filtre == FiltreJours::semaines_en_colonnes) {
        // The weekly columns take the 72-minute columns of "Livre RT", the
        // summer time and the festivals.
        d.mise_en_page = MiseEnPage::livre_rt;
        d.ete_jour_par_jour = true;
        d.fetes = true;
    }
    if (c.hamets && d.increment != 1) {
        p.refus = "Erreur :\rChoisir un incrément de 1 pour pouvoir calculer les heures du "
                  "'Hamets\rIci l'incrément est de " +
                  std::to_string(d.increment) + ".";
    }
    zmanim::ControlesParametres copie = par;
    zmanim::copie_parametres(copie, p.reglages);
    p.reglages.opinion_calcul = par.opinion;
    p.reglages.moments = c.moments;
    return p;
}

} // namespace orvane::tables
